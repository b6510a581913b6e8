// CGridCtrl: the mouse. A press chooses a mouse mode (selecting, sizing a row or column by its
// heading divider, editing on release, sorting in list mode); moves and the release finish it.
#include "controls/grid/grid_ctrl.h"

#include <algorithm>

namespace {

// How near a heading divider the pointer must be to size a row or column.
const int kDividerSlack = 3;

void SetCursorTo(LPCWSTR cursor)
{
    ::SetCursor(::LoadCursorW(nullptr, cursor));
}

} // namespace

void CGridCtrl::OnFixedRowClick(CGridCellPos &cell)
{
    if (!m_bListMode) {
        m_MouseMode = cell.col < m_nFixedCols ? MOUSE_SELECT_ALL : MOUSE_SELECT_COL;
        TrackSelection(cell);
        return;
    }
    if (cell.col < 0 || cell.col >= m_nCols)
        return;
    HCURSOR previous = ::SetCursor(::LoadCursorW(nullptr, (LPCWSTR)IDC_WAIT));
    if (cell.col == m_SortColumn) {
        m_bAscending = !m_bAscending;
    } else {
        m_bAscending = TRUE;
        m_SortColumn = cell.col;
    }
    SortByColumn(m_SortColumn, m_bAscending);
    Invalidate();
    ::SetCursor(previous);
}

void CGridCtrl::OnFixedColumnClick(CGridCellPos &cell)
{
    m_MouseMode = cell.row < m_nFixedRows ? MOUSE_SELECT_ALL : MOUSE_SELECT_ROW;
    TrackSelection(cell);
}

// The row (or column) whose bottom (right) divider is under the point: the cell's own, or the
// one before when the point is just past the cell's top (left) edge.
int CGridCtrl::DividerIndexAt(const CPoint &point, BOOL bColumn) const
{
    const CGridCellPos cell = GetCellFromPt(point);
    CPoint origin;
    if (!IsValid(cell) || !GetCellOrigin(cell.row, cell.col, &origin))
        return -1;
    if (bColumn)
        return point.x - origin.x <= kDividerSlack && cell.col > 0 ? cell.col - 1 : cell.col;
    return point.y - origin.y <= kDividerSlack && cell.row > 0 ? cell.row - 1 : cell.row;
}

void CGridCtrl::InvertBand(const CPoint &point, BOOL bColumn)
{
    CRect client;
    GetClientRect(&client);
    CRect band = bColumn ? CRect(point.x, client.top, point.x + 2, client.bottom)
                         : CRect(client.left, point.y, client.right, point.y + 2);
    CClientDC dc(this);
    dc.InvertRect(&band);
}

void CGridCtrl::ConfineCursorFrom(int nEdge, BOOL bColumn)
{
    CRect area;
    GetClientRect(&area);
    if (bColumn)
        area.left = nEdge;
    else
        area.top = nEdge;
    ClientToScreen(&area);
    ::ClipCursor(&area);
}

void CGridCtrl::OnLButtonDown(UINT nFlags, CPoint point)
{
    HWND hadFocus = ::GetFocus();
    m_LeftClickDownPoint = point;
    m_LeftClickDownCell = GetCellFromPt(point);
    if (!IsValid(m_LeftClickDownCell))
        return;

    m_SelectionStartCell = (nFlags & MK_SHIFT) ? m_idCurrentCell : m_LeftClickDownCell;
    SetFocus(); // ends an in-place edit

    if (m_LeftClickDownCell == m_idCurrentCell) {
        m_MouseMode = MOUSE_PREPARE_EDIT;
        m_LastMousePoint = point;
        return;
    }

    SetFocusCell(-1, -1);
    SetFocusCell(std::max(m_LeftClickDownCell.row, m_nFixedRows), std::max(m_LeftClickDownCell.col, m_nFixedCols));

    if (m_bAllowDragAndDrop && hadFocus == m_hWnd && IsCellSelected(m_LeftClickDownCell.row, m_LeftClickDownCell.col)) {
        m_MouseMode = MOUSE_PREPARE_DRAG;
        m_LastMousePoint = point;
        return;
    }

    SetCapture();
    if (m_MouseMode == MOUSE_OVER_COL_DIVIDE) {
        m_MouseMode = MOUSE_SIZING_COL;
        m_nResizeIndex = DividerIndexAt(point, TRUE);
        CPoint origin;
        GetCellOrigin(0, std::max(m_nResizeIndex, 0), &origin);
        InvertBand(point, TRUE);
        ConfineCursorFrom(origin.x, TRUE);
    } else if (m_MouseMode == MOUSE_OVER_ROW_DIVIDE) {
        m_MouseMode = MOUSE_SIZING_ROW;
        m_nResizeIndex = DividerIndexAt(point, FALSE);
        CPoint origin;
        GetCellOrigin(std::max(m_nResizeIndex, 0), 0, &origin);
        InvertBand(point, FALSE);
        ConfineCursorFrom(origin.y, FALSE);
    } else {
        m_PrevSelectedCellMap.clear();
        if (nFlags & MK_CONTROL)
            m_PrevSelectedCellMap = m_SelectedCellMap;
        if (m_LeftClickDownCell.row < m_nFixedRows) {
            OnFixedRowClick(m_LeftClickDownCell);
        } else if (m_LeftClickDownCell.col < m_nFixedCols) {
            OnFixedColumnClick(m_LeftClickDownCell);
        } else {
            m_MouseMode = m_bListMode ? MOUSE_SELECT_ROW : MOUSE_SELECT_CELLS;
            TrackSelection(m_LeftClickDownCell);
        }
        m_nTimerID = SetTimer(IDT_AUTOSCROLL, m_nTimerInterval);
    }
    m_LastMousePoint = point;
}

void CGridCtrl::OnMouseMove(UINT nFlags, CPoint point)
{
    CRect client;
    GetClientRect(&client);
    if (m_MouseMode != MOUSE_DRAGGING && !client.PtInRect(point))
        return;

    if (!(nFlags & MK_LBUTTON)) {
        const int fixedWidth = GetFixedColumnWidth();
        const int fixedHeight = GetFixedRowHeight();
        const CGridCellPos cell = GetCellFromPt(point);
        CPoint origin;
        const bool known = IsValid(cell) && GetCellOrigin(cell.row, cell.col, &origin);
        if (known && point.y < fixedHeight && m_bAllowColumnResize
            && ((point.x - origin.x <= kDividerSlack && cell.col != 0)
                || origin.x + GetColumnWidth(cell.col) - point.x <= kDividerSlack)) {
            if (m_MouseMode != MOUSE_OVER_COL_DIVIDE)
                SetCursorTo((LPCWSTR)IDC_SIZEWE);
            m_MouseMode = MOUSE_OVER_COL_DIVIDE;
        } else if (known && point.x < fixedWidth && m_bAllowRowResize
                   && ((point.y - origin.y <= kDividerSlack && cell.row != 0)
                       || origin.y + GetRowHeight(cell.row) - point.y <= kDividerSlack)) {
            if (m_MouseMode != MOUSE_OVER_ROW_DIVIDE)
                SetCursorTo((LPCWSTR)IDC_SIZENS);
            m_MouseMode = MOUSE_OVER_ROW_DIVIDE;
        } else if (m_MouseMode != MOUSE_NOTHING) {
            SetCursorTo((LPCWSTR)IDC_ARROW);
            m_MouseMode = MOUSE_NOTHING;
        }
        m_LastMousePoint = point;
        return;
    }

    if (!IsValid(m_LeftClickDownCell)) {
        m_LastMousePoint = point;
        return;
    }
    switch (m_MouseMode) {
    case MOUSE_SELECT_COL:
    case MOUSE_SELECT_ROW:
    case MOUSE_SELECT_CELLS: {
        const CGridCellPos cell = GetCellFromPt(point);
        if (!IsValid(cell))
            break;
        TrackSelection(cell);
        if (cell.row >= m_nFixedRows && cell.col >= m_nFixedCols)
            SetFocusCell(cell);
        break;
    }
    case MOUSE_SIZING_ROW:
        InvertBand(m_LastMousePoint, FALSE);
        InvertBand(point, FALSE);
        break;
    case MOUSE_SIZING_COL:
        InvertBand(m_LastMousePoint, TRUE);
        InvertBand(point, TRUE);
        break;
    case MOUSE_PREPARE_DRAG:
        OnBeginDrag();
        break;
    default:
        break;
    }
    m_LastMousePoint = point;
}

void CGridCtrl::OnLButtonUp(UINT nFlags, CPoint point)
{
    CWnd::OnLButtonUp(nFlags, point);
    ::ClipCursor(nullptr);
    if (GetCapture() == this) {
        ReleaseCapture();
        KillTimer(m_nTimerID);
        m_nTimerID = 0;
    }

    switch (m_MouseMode) {
    case MOUSE_PREPARE_EDIT:
        OnEditCell(m_idCurrentCell.row, m_idCurrentCell.col, VK_LBUTTON);
        break;
    case MOUSE_PREPARE_DRAG:
        ClearSelection();
        break;
    case MOUSE_SIZING_COL: {
        InvertBand(m_LastMousePoint, TRUE);
        CPoint origin;
        if (m_LeftClickDownPoint != point && GetCellOrigin(0, m_nResizeIndex, &origin) && point.x - origin.x >= 0) {
            SetColumnWidth(m_nResizeIndex, point.x - origin.x);
            ResetScrollBars();
            Invalidate();
        }
        break;
    }
    case MOUSE_SIZING_ROW: {
        InvertBand(m_LastMousePoint, FALSE);
        CPoint origin;
        if (m_LeftClickDownPoint != point && GetCellOrigin(m_nResizeIndex, 0, &origin) && point.y - origin.y >= 0) {
            SetRowHeight(m_nResizeIndex, point.y - origin.y);
            ResetScrollBars();
            Invalidate();
        }
        break;
    }
    default:
        break;
    }

    m_MouseMode = MOUSE_NOTHING;
    m_nResizeIndex = -1;
    SetCursorTo((LPCWSTR)IDC_ARROW);
    if (IsValid(m_LeftClickDownCell)) {
        CWnd *parent = GetParent();
        if (parent != nullptr)
            parent->PostMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), 0), (LPARAM)m_hWnd);
    }
}

void CGridCtrl::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    if (m_MouseMode == MOUSE_OVER_COL_DIVIDE) {
        if (AutoSizeColumn(DividerIndexAt(point, TRUE)))
            Invalidate();
    } else if (m_MouseMode == MOUSE_OVER_ROW_DIVIDE) {
        if (AutoSizeRow(DividerIndexAt(point, FALSE)))
            Invalidate();
    } else if (m_MouseMode == MOUSE_NOTHING && IsValid(m_LeftClickDownCell) && m_LeftClickDownCell.row >= m_nFixedRows
               && m_LeftClickDownCell.col >= m_nFixedCols) {
        OnEditCell(m_idCurrentCell.row, m_idCurrentCell.col, VK_LBUTTON);
    }
    CWnd::OnLButtonDblClk(nFlags, point);
}

BOOL CGridCtrl::OnSetCursor(CWnd *pWnd, UINT nHitTest, UINT message)
{
    if (nHitTest != HTCLIENT)
        return CWnd::OnSetCursor(pWnd, nHitTest, message);
    switch (m_MouseMode) {
    case MOUSE_OVER_ROW_DIVIDE:
        SetCursorTo((LPCWSTR)IDC_SIZENS);
        break;
    case MOUSE_OVER_COL_DIVIDE:
        SetCursorTo((LPCWSTR)IDC_SIZEWE);
        break;
    case MOUSE_DRAGGING:
        break;
    default:
        SetCursorTo((LPCWSTR)IDC_ARROW);
        break;
    }
    return TRUE;
}

void CGridCtrl::OnCaptureChanged(CWnd *pWnd)
{
    if (pWnd == this)
        return;
    if (m_nTimerID != 0) {
        KillTimer(m_nTimerID);
        m_nTimerID = 0;
    }
    if (m_MouseMode == MOUSE_DRAGGING)
        m_MouseMode = MOUSE_NOTHING;
}

void CGridCtrl::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != IDT_AUTOSCROLL)
        return;
    CPoint point;
    if (!::GetCursorPos(&point))
        return;
    ScreenToClient(&point);
    CRect client;
    GetClientRect(&client);

    if (point.y > client.bottom) {
        SendMessage(WM_KEYDOWN, VK_DOWN, 0);
        point.y = client.bottom;
        TrackSelection(GetCellFromPt(point));
    } else if (point.y < GetFixedRowHeight()) {
        SendMessage(WM_KEYDOWN, VK_UP, 0);
        point.y = GetFixedRowHeight() + 1;
        TrackSelection(GetCellFromPt(point));
    }
    if (point.x > client.right) {
        SendMessage(WM_KEYDOWN, VK_RIGHT, 0);
        point.x = client.right;
        TrackSelection(GetCellFromPt(point));
    } else if (point.x < GetFixedColumnWidth()) {
        SendMessage(WM_KEYDOWN, VK_LEFT, 0);
        point.x = GetFixedColumnWidth() + 1;
        TrackSelection(GetCellFromPt(point));
    }
}
