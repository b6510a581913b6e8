// CGridCtrl: the focus cell and the cell selection.
#include "controls/grid/grid_ctrl.h"

#include <climits>

CGridCellPos CGridCtrl::SetFocusCell(int nRow, int nCol)
{
    CGridCellPos cell(nRow, nCol);
    if (!IsValid(cell))
        cell = CGridCellPos();
    const CGridCellPos previous = m_idCurrentCell;
    if (cell == previous)
        return previous;

    if (IsValid(previous)) {
        CGridCellObj *old = CellAt(previous.row, previous.col);
        old->state &= ~GVIS_FOCUSED;
        InvalidateCell(previous.row, previous.col);
        RedrawHeadingsOf(previous.row != cell.row ? previous.row : -1, previous.col != cell.col ? previous.col : -1);
    }
    m_idCurrentCell = cell;
    if (IsValid(cell)) {
        CellAt(cell.row, cell.col)->state |= GVIS_FOCUSED;
        InvalidateCell(cell.row, cell.col);
        RedrawHeadingsOf(previous.row != cell.row ? cell.row : -1, previous.col != cell.col ? cell.col : -1);
    }
    return previous;
}

void CGridCtrl::SetSelectedRange(int nMinRow, int nMinCol, int nMaxRow, int nMaxCol, BOOL bForceRepaint)
{
    std::unique_ptr<CClientDC> dc;
    if (bForceRepaint && m_hWnd != nullptr)
        dc = std::make_unique<CClientDC>(this);
    auto redraw = [&](int row, int col) {
        if (dc)
            RedrawCell(row, col, dc.get());
        else
            InvalidateCell(row, col);
    };
    const CGridCellRange range(nMinRow, nMinCol, nMaxRow, nMaxCol);

    // Unselect all, redrawing only what the new range does not hold.
    const auto selected = m_SelectedCellMap;
    for (const auto &entry : selected) {
        const CGridCellPos &cell = entry.second;
        SetItemState(cell.row, cell.col, GetItemState(cell.row, cell.col) & ~GVIS_SELECTED);
        if (!range.InRange(cell.row, cell.col))
            redraw(cell.row, cell.col);
    }
    // What Ctrl kept stays selected.
    for (const auto &entry : m_PrevSelectedCellMap) {
        const CGridCellPos &cell = entry.second;
        if (!IsValid(cell))
            continue;
        SetItemState(cell.row, cell.col, GetItemState(cell.row, cell.col) | GVIS_SELECTED);
        redraw(cell.row, cell.col);
    }
    if (!IsValid(range))
        return;
    for (int row = nMinRow; row <= nMaxRow; ++row) {
        for (int col = nMinCol; col <= nMaxCol; ++col) {
            const UINT state = GetItemState(row, col);
            if (state & GVIS_SELECTED)
                continue;
            SetItemState(row, col, state | GVIS_SELECTED);
            redraw(row, col);
        }
    }
}

void CGridCtrl::ClearSelection()
{
    SetSelectedRange(-1, -1, -1, -1, FALSE);
}

CGridCellRange CGridCtrl::GetSelectedCellRange() const
{
    CGridCellRange range(m_nRows, m_nCols, -1, -1);
    for (const auto &entry : m_SelectedCellMap) {
        const CGridCellPos &cell = entry.second;
        if (cell.row < range.minRow)
            range.minRow = cell.row;
        if (cell.col < range.minCol)
            range.minCol = cell.col;
        if (cell.row > range.maxRow)
            range.maxRow = cell.row;
        if (cell.col > range.maxCol)
            range.maxCol = cell.col;
    }
    return range;
}

BOOL CGridCtrl::IsCellSelected(int nRow, int nCol) const
{
    return (GetItemState(nRow, nCol) & GVIS_SELECTED) != 0;
}

void CGridCtrl::ExtendSelection(const CGridCellPos &cell)
{
    if (!IsValid(cell) || cell.row < m_nFixedRows || cell.col < m_nFixedCols)
        return;
    if (!IsValid(m_SelectionStartCell))
        return;
    const CGridCellPos &anchor = m_SelectionStartCell;
    SetSelectedRange(std::min(anchor.row, cell.row), std::min(anchor.col, cell.col), std::max(anchor.row, cell.row),
                     std::max(anchor.col, cell.col), FALSE);
}

void CGridCtrl::TrackSelection(const CGridCellPos &cell)
{
    ExtendSelection(cell);
}
