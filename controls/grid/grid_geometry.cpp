// CGridCtrl: where cells are on the screen, which cell is under a point, and scrolling. Scroll
// positions are pixel offsets of the non-fixed area.
#include "controls/grid/grid_ctrl.h"

#include <algorithm>

CGridCellPos CGridCtrl::GetFirstVisibleCell() const
{
    const int hScroll = GetScrollPos32(SB_HORZ);
    const int vScroll = GetScrollPos32(SB_VERT);
    CGridCellPos cell(m_nFixedRows, m_nFixedCols);
    int right = 0;
    while (right < hScroll && cell.col < m_nCols - 1)
        right += GetColumnWidth(cell.col++);
    int bottom = 0;
    while (bottom < vScroll && cell.row < m_nRows - 1)
        bottom += GetRowHeight(cell.row++);
    return cell;
}

CGridCellRange CGridCtrl::GetVisibleRange(CRect *pRect) const
{
    CRect client;
    GetClientRect(&client);
    const CGridCellPos first = GetFirstVisibleCell();

    int bottom = GetFixedRowHeight();
    int row = first.row;
    for (; row < m_nRows; ++row) {
        bottom += GetRowHeight(row);
        if (bottom >= client.bottom)
            break;
    }
    const int maxRow = std::min(row, m_nRows - 1);

    int right = GetFixedColumnWidth();
    int col = first.col;
    for (; col < m_nCols; ++col) {
        right += GetColumnWidth(col);
        if (right >= client.right)
            break;
    }
    const int maxCol = std::min(col, m_nCols - 1);

    if (pRect != nullptr)
        pRect->SetRect(0, 0, std::min(right, (int)client.right), std::min(bottom, (int)client.bottom));
    return CGridCellRange(first.row, first.col, maxRow, maxCol);
}

CGridCellRange CGridCtrl::GetFullyVisibleRange() const
{
    CRect client;
    GetClientRect(&client);
    const CGridCellPos first = GetFirstVisibleCell();

    int bottom = GetFixedRowHeight();
    int row = first.row;
    for (; row < m_nRows; ++row) {
        bottom += GetRowHeight(row);
        if (bottom >= client.bottom)
            break;
    }
    int maxRow = std::min(row, m_nRows - 1);
    if (row < m_nRows && bottom > client.bottom && maxRow > 0)
        --maxRow;

    int right = GetFixedColumnWidth();
    int col = first.col;
    for (; col < m_nCols; ++col) {
        right += GetColumnWidth(col);
        if (right >= client.right)
            break;
    }
    int maxCol = std::min(col, m_nCols - 1);
    if (col < m_nCols && right > client.right && maxCol > 0)
        --maxCol;

    return CGridCellRange(first.row, first.col, maxRow, maxCol);
}

BOOL CGridCtrl::GetCellOrigin(int nRow, int nCol, LPPOINT p) const
{
    if (!IsValid(nRow, nCol) || p == nullptr)
        return FALSE;
    CGridCellPos first(-1, -1);
    if (nRow >= m_nFixedRows || nCol >= m_nFixedCols)
        first = GetFirstVisibleCell();
    if (nCol >= m_nFixedCols && nCol < first.col)
        return FALSE;
    if (nRow >= m_nFixedRows && nRow < first.row)
        return FALSE;

    p->x = 0;
    if (nCol < m_nFixedCols) {
        for (int col = 0; col < nCol; ++col)
            p->x += GetColumnWidth(col);
    } else {
        p->x = GetFixedColumnWidth();
        for (int col = first.col; col < nCol; ++col)
            p->x += GetColumnWidth(col);
    }
    p->y = 0;
    if (nRow < m_nFixedRows) {
        for (int row = 0; row < nRow; ++row)
            p->y += GetRowHeight(row);
    } else {
        p->y = GetFixedRowHeight();
        for (int row = first.row; row < nRow; ++row)
            p->y += GetRowHeight(row);
    }
    return TRUE;
}

BOOL CGridCtrl::GetCellRect(int nRow, int nCol, LPRECT pRect) const
{
    CPoint origin;
    if (pRect == nullptr || !GetCellOrigin(nRow, nCol, &origin))
        return FALSE;
    pRect->left = origin.x;
    pRect->top = origin.y;
    pRect->right = origin.x + GetColumnWidth(nCol) - 1;
    pRect->bottom = origin.y + GetRowHeight(nRow) - 1;
    return TRUE;
}

CGridCellPos CGridCtrl::GetCellFromPt(CPoint point, BOOL bAllowFixedCellCheck) const
{
    CGridCellPos cell;
    const CGridCellPos first = GetFirstVisibleCell();
    const int fixedWidth = GetFixedColumnWidth();
    const int fixedHeight = GetFixedRowHeight();

    if (point.x < 0 || (!bAllowFixedCellCheck && point.x < fixedWidth)) {
        cell.col = -1;
    } else if (point.x < fixedWidth) {
        int right = 0;
        for (cell.col = 0; cell.col < m_nFixedCols; ++cell.col) {
            right += GetColumnWidth(cell.col);
            if (right > point.x)
                break;
        }
    } else {
        int right = fixedWidth;
        for (cell.col = first.col; cell.col < m_nCols; ++cell.col) {
            right += GetColumnWidth(cell.col);
            if (right > point.x)
                break;
        }
        if (cell.col >= m_nCols)
            cell.col = m_nCols - 1;
    }

    if (point.y < 0 || (!bAllowFixedCellCheck && point.y < fixedHeight)) {
        cell.row = -1;
    } else if (point.y < fixedHeight) {
        int bottom = 0;
        for (cell.row = 0; cell.row < m_nFixedRows; ++cell.row) {
            bottom += GetRowHeight(cell.row);
            if (bottom > point.y)
                break;
        }
    } else {
        int bottom = fixedHeight;
        for (cell.row = first.row; cell.row < m_nRows; ++cell.row) {
            bottom += GetRowHeight(cell.row);
            if (bottom > point.y)
                break;
        }
        if (cell.row >= m_nRows)
            cell.row = -1;
    }
    return cell;
}

BOOL CGridCtrl::IsCellOnScreen(int nRow, int nCol) const
{
    if (!IsValid(nRow, nCol) || m_hWnd == nullptr)
        return FALSE;
    CRect rect;
    if (!GetCellRect(nRow, nCol, &rect))
        return FALSE;
    CRect client;
    GetClientRect(&client);
    return rect.left < client.right && rect.top < client.bottom;
}

CSize CGridCtrl::GetCellExtent(int nRow, int nCol, CDC *pDC)
{
    CGridItem item;
    item.row = nRow;
    item.col = nCol;
    item.mask = GVIF_TEXT | GVIF_IMAGE;
    if (pDC == nullptr || !GetItem(&item))
        return CSize(0, 0);
    CFont *old = pDC->SelectObject(&m_Font);
    CSize size = pDC->GetTextExtent(item.strText.IsEmpty() ? CString(" ") : item.strText);
    pDC->SelectObject(old);
    if (item.strText.IsEmpty())
        size.cx = 0;
    size.cx += 4 * m_nMargin;
    size.cy += 2 * m_nMargin;
    if (m_pImageList != nullptr && item.iImage >= 0) {
        IMAGEINFO info{};
        if (ImageList_GetImageInfo(m_pImageList->GetSafeHandle(), item.iImage, &info)) {
            const int imageWidth = info.rcImage.right - info.rcImage.left;
            const int imageHeight = info.rcImage.bottom - info.rcImage.top;
            size.cx += imageWidth + 1;
            size.cy = std::max((int)size.cy, imageHeight + 1);
        }
    }
    return size;
}

// ---- Scroll bars -------------------------------------------------------------------------------

int CGridCtrl::GetScrollPos32(int nBar) const
{
    if (m_hWnd == nullptr)
        return 0;
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_POS;
    return ::GetScrollInfo(m_hWnd, nBar, &info) ? info.nPos : 0;
}

BOOL CGridCtrl::SetScrollPos32(int nBar, int nPos, BOOL bRedraw)
{
    if (m_hWnd == nullptr)
        return FALSE;
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_POS;
    info.nPos = nPos;
    ::SetScrollInfo(m_hWnd, nBar, &info, bRedraw);
    return TRUE;
}

CRect CGridCtrl::NonFixedArea() const
{
    CRect rect;
    GetClientRect(&rect);
    rect.left = GetFixedColumnWidth();
    rect.top = GetFixedRowHeight();
    return rect;
}

void CGridCtrl::ResetScrollBars()
{
    if (m_hWnd == nullptr)
        return;
    const CRect visible = NonFixedArea();
    if (visible.Width() <= 0 || visible.Height() <= 0)
        return;
    if (!IsValid(GetFullyVisibleRange()))
        return;

    const long nonFixedWidth = GetVirtualWidth() - GetFixedColumnWidth();
    const long nonFixedHeight = GetVirtualHeight() - GetFixedRowHeight();
    m_nHScrollMax = nonFixedWidth > visible.Width() ? (int)nonFixedWidth - 1 : 0;
    m_nVScrollMax = nonFixedHeight > visible.Height() ? (int)nonFixedHeight - 1 : 0;

    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_PAGE | SIF_RANGE;
    info.nPage = visible.Width();
    info.nMax = m_nHScrollMax;
    ::SetScrollInfo(m_hWnd, SB_HORZ, &info, TRUE);
    info.nPage = visible.Height();
    info.nMax = m_nVScrollMax;
    ::SetScrollInfo(m_hWnd, SB_VERT, &info, TRUE);
}

// ---- Scrolling ---------------------------------------------------------------------------------

void CGridCtrl::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar *)
{
    ScrollBy(SB_HORZ, nSBCode, nPos);
}

void CGridCtrl::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar *)
{
    ScrollBy(SB_VERT, nSBCode, nPos);
}

// One handler for both bars: "left" is "up" and widths are heights on the vertical one.
void CGridCtrl::ScrollBy(int nBar, UINT nSBCode, UINT)
{
    if (GetFocus() != this)
        SetFocus(); // ends an in-place edit
    const bool horizontal = nBar == SB_HORZ;
    const int position = GetScrollPos32(nBar);
    const int maximum = horizontal ? m_nHScrollMax : m_nVScrollMax;
    const CGridCellPos first = GetFirstVisibleCell();
    CRect area = NonFixedArea();
    const int pageSize = horizontal ? area.Width() : area.Height();

    switch (nSBCode) {
    case SB_LINEUP: {
        const int firstIndex = horizontal ? first.col : first.row;
        const int fixedCount = horizontal ? m_nFixedCols : m_nFixedRows;
        if (position <= 0 || firstIndex <= fixedCount)
            break;
        const int size = horizontal ? GetColumnWidth(firstIndex - 1) : GetRowHeight(firstIndex - 1);
        const int newPosition = std::max(0, position - size);
        SetScrollPos32(nBar, newPosition);
        const int moved = position - newPosition;
        if (horizontal) {
            ScrollWindow(moved, 0, &area, &area);
            area.right = area.left + moved;
        } else {
            ScrollWindow(0, moved, &area, &area);
            area.bottom = area.top + moved;
        }
        InvalidateRect(&area);
        break;
    }
    case SB_LINEDOWN: {
        if (position >= maximum)
            break;
        const int size = horizontal ? GetColumnWidth(first.col) : GetRowHeight(first.row);
        SetScrollPos32(nBar, position + size);
        const int moved = GetScrollPos32(nBar) - position;
        if (moved == 0)
            break;
        if (horizontal) {
            ScrollWindow(-moved, 0, &area, &area);
            area.left = area.right - moved;
        } else {
            ScrollWindow(0, -moved, &area, &area);
            area.top = area.bottom - moved;
        }
        InvalidateRect(&area);
        break;
    }
    case SB_PAGEUP:
        if (position <= 0)
            break;
        SetScrollPos32(nBar, std::max(0, position - pageSize));
        InvalidateRect(&area);
        break;
    case SB_PAGEDOWN:
        if (position >= maximum)
            break;
        SetScrollPos32(nBar, std::min(maximum, position + pageSize));
        InvalidateRect(&area);
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: {
        // The 16-bit position of the message would cut long grids short.
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_TRACKPOS;
        ::GetScrollInfo(m_hWnd, nBar, &info);
        SetScrollPos32(nBar, info.nTrackPos);
        InvalidateRect(&area);
        break;
    }
    case SB_TOP:
        if (position <= 0)
            break;
        SetScrollPos32(nBar, 0);
        Invalidate();
        break;
    case SB_BOTTOM:
        if (position >= maximum)
            break;
        SetScrollPos32(nBar, maximum);
        Invalidate();
        break;
    default:
        break;
    }
}

BOOL CGridCtrl::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
{
    const int count = zDelta * m_nWheelScrollLines / WHEEL_DELTA;
    for (int i = 0; i < count; ++i)
        PostMessage(WM_VSCROLL, SB_LINEUP);
    for (int i = 0; i < -count; ++i)
        PostMessage(WM_VSCROLL, SB_LINEDOWN);
    return CWnd::OnMouseWheel(nFlags, zDelta, pt);
}

void CGridCtrl::OnSize(UINT nType, int cx, int cy)
{
    // Ends an in-place edit, but takes no focus from the rest of the dialog.
    CWnd *focus = GetFocus();
    if (focus != nullptr && focus != this && ::IsChild(m_hWnd, focus->m_hWnd))
        SetFocus();
    CWnd::OnSize(nType, cx, cy);
    ResetScrollBars();
}
