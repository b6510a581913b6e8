#include "framework/ui/scrollview.h"

#include "framework/ui/gdi.h"

#include <cstdlib>

IMPLEMENT_DYNAMIC(CScrollView, CView)

BEGIN_MESSAGE_MAP(CScrollView, CView)
    ON_WM_SIZE()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
    ON_WM_MOUSEWHEEL()
END_MESSAGE_MAP()

CSize CScrollView::ToDevice(SIZE size) const
{
    if (m_nMapMode == MM_TEXT || m_hWnd == nullptr)
        return CSize(size.cx, size.cy);
    HDC dc = ::GetDC(m_hWnd);
    ::SetMapMode(dc, m_nMapMode);
    POINT points[2] = {{0, 0}, {size.cx, size.cy}};
    ::LPtoDP(dc, points, 2);
    ::ReleaseDC(m_hWnd, dc);
    return CSize(std::abs(points[1].x - points[0].x), std::abs(points[1].y - points[0].y));
}

void CScrollView::SetScrollSizes(int nMapMode, SIZE sizeTotal, const SIZE &sizePage, const SIZE &sizeLine)
{
    m_nMapMode = nMapMode;
    m_totalLog = CSize(sizeTotal.cx, sizeTotal.cy);
    m_totalDev = ToDevice(sizeTotal);
    m_pageDev = sizePage.cx || sizePage.cy ? ToDevice(sizePage) : CSize(m_totalDev.cx / 10, m_totalDev.cy / 10);
    m_lineDev = sizeLine.cx || sizeLine.cy ? ToDevice(sizeLine) : CSize(m_pageDev.cx / 10, m_pageDev.cy / 10);
    if (m_lineDev.cx < 1)
        m_lineDev.cx = 1;
    if (m_lineDev.cy < 1)
        m_lineDev.cy = 1;
    if (m_hWnd != nullptr) {
        UpdateBars();
        Invalidate(TRUE);
    }
}

void CScrollView::UpdateBars()
{
    CRect client;
    GetClientRect(&client);
    SCROLLINFO info{};
    info.fMask = SIF_RANGE | SIF_PAGE;
    info.nMin = 0;
    info.nMax = m_totalDev.cx > 0 ? m_totalDev.cx - 1 : 0;
    info.nPage = (UINT)client.Width();
    SetScrollInfo(SB_HORZ, &info, TRUE);
    info.nMax = m_totalDev.cy > 0 ? m_totalDev.cy - 1 : 0;
    info.nPage = (UINT)client.Height();
    SetScrollInfo(SB_VERT, &info, TRUE);
}

CPoint CScrollView::GetDeviceScrollPosition() const
{
    return CPoint(GetScrollPos(SB_HORZ), GetScrollPos(SB_VERT));
}

CPoint CScrollView::GetScrollPosition() const
{
    CPoint position = GetDeviceScrollPosition();
    if (m_nMapMode == MM_TEXT)
        return position;
    HDC dc = ::GetDC(m_hWnd);
    ::SetMapMode(dc, m_nMapMode);
    ::DPtoLP(dc, &position, 1);
    ::ReleaseDC(m_hWnd, dc);
    return position;
}

void CScrollView::ScrollToPosition(POINT pt)
{
    CPoint device(pt.x, pt.y);
    if (m_nMapMode != MM_TEXT) {
        HDC dc = ::GetDC(m_hWnd);
        ::SetMapMode(dc, m_nMapMode);
        ::LPtoDP(dc, &device, 1);
        ::ReleaseDC(m_hWnd, dc);
    }
    ScrollTo(SB_HORZ, std::abs(device.x));
    ScrollTo(SB_VERT, std::abs(device.y));
}

void CScrollView::ScrollTo(int nBar, int position)
{
    int old = GetScrollPos(nBar);
    int limit = GetScrollLimit(nBar);
    if (position > limit)
        position = limit;
    if (position < 0)
        position = 0;
    if (position == old)
        return;
    SetScrollPos(nBar, position, TRUE);
    if (nBar == SB_HORZ) {
        ScrollWindow(old - position, 0);
    } else {
        ScrollWindow(0, old - position);
    }
}

void CScrollView::OnScroll(int nBar, UINT nSBCode)
{
    SCROLLINFO info{};
    GetScrollInfo(nBar, &info);
    int line = nBar == SB_HORZ ? m_lineDev.cx : m_lineDev.cy;
    int page = nBar == SB_HORZ ? m_pageDev.cx : m_pageDev.cy;
    int position = info.nPos;
    switch (nSBCode) {
    case SB_LINEUP:
        position -= line;
        break;
    case SB_LINEDOWN:
        position += line;
        break;
    case SB_PAGEUP:
        position -= page;
        break;
    case SB_PAGEDOWN:
        position += page;
        break;
    case SB_TOP:
        position = 0;
        break;
    case SB_BOTTOM:
        position = GetScrollLimit(nBar);
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        position = info.nTrackPos;
        break;
    default:
        return;
    }
    ScrollTo(nBar, position);
}

void CScrollView::OnHScroll(UINT nSBCode, UINT, CScrollBar *)
{
    OnScroll(SB_HORZ, nSBCode);
}
void CScrollView::OnVScroll(UINT nSBCode, UINT, CScrollBar *)
{
    OnScroll(SB_VERT, nSBCode);
}

BOOL CScrollView::OnMouseWheel(UINT, short zDelta, CPoint)
{
    ScrollTo(SB_VERT, GetScrollPos(SB_VERT) - zDelta * m_lineDev.cy * 3 / WHEEL_DELTA);
    return TRUE;
}

void CScrollView::OnSize(UINT, int, int)
{
    UpdateBars();
    // A larger window may leave the position beyond the new limit.
    ScrollTo(SB_HORZ, GetScrollPos(SB_HORZ));
    ScrollTo(SB_VERT, GetScrollPos(SB_VERT));
}

void CScrollView::OnPrepareDC(CDC *pDC)
{
    ::SetMapMode(pDC->m_hDC, m_nMapMode);
    CPoint position = GetDeviceScrollPosition();
    ::SetViewportOrgEx(pDC->m_hDC, -position.x, -position.y, nullptr);
    CView::OnPrepareDC(pDC);
}
