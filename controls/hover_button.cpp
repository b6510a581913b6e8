#include "controls/hover_button.h"

#include "framework/core/codepage.h"

#include <string>

BEGIN_MESSAGE_MAP(CHoverButton, CBitmapButton)
    ON_WM_MOUSEMOVE()
    ON_MESSAGE(WM_MOUSEHOVER, OnMouseHover)
    ON_WM_MOUSELEAVE()
END_MESSAGE_MAP()

BOOL CHoverButton::LoadBitmapStrip(UINT nIDBitmap, CSize imageSize)
{
    m_strip.DeleteObject();
    m_imageSize = imageSize;
    return m_strip.LoadBitmap(nIDBitmap);
}

void CHoverButton::OnMouseMove(UINT nFlags, CPoint point)
{
    if (!m_tracking) {
        TRACKMOUSEEVENT track{sizeof track, TME_HOVER | TME_LEAVE, m_hWnd, 1};
        m_tracking = ::TrackMouseEvent(&track) != FALSE;
    }
    CBitmapButton::OnMouseMove(nFlags, point);
}

LRESULT CHoverButton::OnMouseHover(WPARAM, LPARAM)
{
    m_bHover = true;
    Invalidate(FALSE);
    return 0;
}

void CHoverButton::OnMouseLeave()
{
    m_tracking = false;
    m_bHover = false;
    Invalidate(FALSE);
    CBitmapButton::OnMouseLeave();
}

void CHoverButton::EnsureToolTip()
{
    if (m_toolTip != nullptr || m_hWnd == nullptr)
        return;
    AfxEnsureCommonControls();
    m_toolTip = ::CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                                  CW_USEDEFAULT, CW_USEDEFAULT, m_hWnd, nullptr, nullptr, nullptr);
    if (m_toolTip != nullptr)
        ::SendMessageW(m_toolTip, TTM_ACTIVATE, FALSE, 0);
}

BOOL CHoverButton::PreTranslateMessage(MSG *pMsg)
{
    EnsureToolTip();
    if (m_toolTip != nullptr)
        ::SendMessageW(m_toolTip, TTM_RELAYEVENT, 0, (LPARAM)pMsg);
    return CBitmapButton::PreTranslateMessage(pMsg);
}

void CHoverButton::SetToolTipText(const CString &text, BOOL bActivate)
{
    if (text.IsEmpty())
        return;
    EnsureToolTip();
    if (m_toolTip == nullptr)
        return;
    std::wstring wide = Cp1250ToWide(text);
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = m_hWnd;
    tool.uId = 1;
    tool.lpszText = &wide[0];
    if (::SendMessageW(m_toolTip, TTM_GETTOOLCOUNT, 0, 0) == 0) {
        ::GetClientRect(m_hWnd, &tool.rect);
        ::SendMessageW(m_toolTip, TTM_ADDTOOLW, 0, (LPARAM)&tool);
    }
    ::SendMessageW(m_toolTip, TTM_SETMAXTIPWIDTH, 0, 350);
    ::SendMessageW(m_toolTip, TTM_UPDATETIPTEXTW, 0, (LPARAM)&tool);
    ::SendMessageW(m_toolTip, TTM_ACTIVATE, bActivate, 0);
}

void CHoverButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (m_strip.GetSafeHandle() == nullptr)
        return;
    int image = 0;
    if (lpDrawItemStruct->itemState & ODS_SELECTED) {
        image = 1;
    } else if (m_bHover) {
        image = 2;
    }
    CDC *dc = CDC::FromHandle(lpDrawItemStruct->hDC);
    CDC memory;
    if (!memory.CreateCompatibleDC(dc))
        return;
    CBitmap *old = memory.SelectObject(&m_strip);
    dc->BitBlt(0, 0, m_imageSize.cx, m_imageSize.cy, &memory, image * m_imageSize.cx, 0, SRCCOPY);
    memory.SelectObject(old);
}
