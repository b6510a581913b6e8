// CGridCtrl: the keyboard moves the focus cell and starts in-place edits.
#include "controls/grid/grid_ctrl.h"

#include <algorithm>

namespace {

bool CtrlHeld()
{
    return (::GetKeyState(VK_CONTROL) & 0x8000) != 0;
}

} // namespace

UINT CGridCtrl::OnGetDlgCode()
{
    return DLGC_WANTARROWS | DLGC_WANTALLKEYS;
}

void CGridCtrl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!IsValid(m_idCurrentCell))
        return;
    if (CtrlHeld()) {
        switch (nChar) {
        case 'C':
            OnEditCopy();
            break;
        case 'V':
            OnEditPaste();
            break;
        case 'X':
            OnEditCut();
            break;
        default:
            break;
        }
        return;
    }
    if (!MoveFocusByKey(nChar))
        CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
}

BOOL CGridCtrl::MoveFocusByKey(UINT nChar)
{
    if (!IsValid(m_idCurrentCell))
        return FALSE;

    const int firstBodyRow = m_nFixedRows;
    const int firstBodyCol = m_nFixedCols;
    CGridCellPos next = m_idCurrentCell;
    UINT lineScroll = 0;
    UINT scrollMessage = WM_VSCROLL;

    switch (nChar) {
    case VK_PRIOR:
    case VK_NEXT: {
        const int firstBefore = GetFirstVisibleCell().row;
        SendMessage(WM_VSCROLL, nChar == VK_PRIOR ? SB_PAGEUP : SB_PAGEDOWN);
        const int moved = GetFirstVisibleCell().row - firstBefore;
        if (nChar == VK_PRIOR)
            next.row = moved == 0 || next.row + moved < firstBodyRow ? firstBodyRow : next.row + moved;
        else
            next.row = moved == 0 || next.row + moved > m_nRows - 1 ? m_nRows - 1 : next.row + moved;
        break;
    }
    case VK_END:
        SendMessage(WM_VSCROLL, SB_BOTTOM);
        next.row = m_nRows - 1;
        break;
    case VK_HOME:
        SendMessage(WM_VSCROLL, SB_TOP);
        next.row = firstBodyRow;
        break;
    case VK_LEFT:
        if (next.col > firstBodyCol)
            --next.col;
        scrollMessage = WM_HSCROLL;
        lineScroll = SB_LINELEFT;
        break;
    case VK_UP:
        if (next.row > firstBodyRow)
            --next.row;
        lineScroll = SB_LINEUP;
        break;
    case VK_RIGHT:
        if (next.col < m_nCols - 1)
            ++next.col;
        scrollMessage = WM_HSCROLL;
        lineScroll = SB_LINERIGHT;
        break;
    case VK_DOWN:
        if (next.row < m_nRows - 1)
            ++next.row;
        lineScroll = SB_LINEDOWN;
        break;
    default:
        return FALSE;
    }

    if (next == m_idCurrentCell || !IsValid(next))
        return TRUE;
    SetFocusCell(next);
    if (nChar != VK_LEFT && nChar != VK_UP && nChar != VK_RIGHT && nChar != VK_DOWN)
        return TRUE;

    // One line at a time until the cell shows, or the view stops moving.
    const int bar = scrollMessage == WM_HSCROLL ? SB_HORZ : SB_VERT;
    while (!IsCellOnScreen(next.row, next.col)) {
        const int before = GetScrollPos32(bar);
        SendMessage(scrollMessage, lineScroll);
        Invalidate();
        if (GetScrollPos32(bar) == before)
            break;
    }
    return TRUE;
}

void CGridCtrl::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!CtrlHeld() && m_MouseMode == MOUSE_NOTHING && IsCellOnScreen(m_idCurrentCell.row, m_idCurrentCell.col))
        OnEditCell(m_idCurrentCell.row, m_idCurrentCell.col, nChar);
    CWnd::OnChar(nChar, nRepCnt, nFlags);
}
