// CGridCtrl: rows, columns, cells and their sizes.
#include "controls/grid/grid_ctrl.h"

#include <algorithm>

namespace {

std::unique_ptr<CGridRowArray> NewRow(int nCols)
{
    auto row = std::make_unique<CGridRowArray>();
    for (int col = 0; col < nCols; ++col)
        row->cells.push_back(std::make_unique<CGridCellObj>());
    return row;
}

} // namespace

BOOL CGridCtrl::IsValid(int nRow, int nCol) const
{
    return nRow >= 0 && nRow < m_nRows && nCol >= 0 && nCol < m_nCols;
}

BOOL CGridCtrl::IsValid(const CGridCellRange &range) const
{
    return range.minRow >= 0 && range.minCol >= 0 && range.maxRow >= 0 && range.maxCol >= 0 && range.maxRow < m_nRows
           && range.maxCol < m_nCols && range.minRow <= range.maxRow && range.minCol <= range.maxCol;
}

void CGridCtrl::ClearFocus()
{
    if (IsValid(m_idCurrentCell)) {
        CGridCellObj *cell = CellAt(m_idCurrentCell.row, m_idCurrentCell.col);
        cell->state &= ~GVIS_FOCUSED;
    }
    m_idCurrentCell = CGridCellPos();
}

void CGridCtrl::RebuildSelectionMap()
{
    m_SelectedCellMap.clear();
    m_PrevSelectedCellMap.clear();
    for (int row = 0; row < m_nRows; ++row)
        for (int col = 0; col < m_nCols; ++col)
            if (CellAt(row, col)->state & GVIS_SELECTED)
                m_SelectedCellMap[SelectionKey(row, col)] = CGridCellPos(row, col);
}

void CGridCtrl::DeleteAllCells()
{
    for (int row = 0; row < m_nRows; ++row)
        for (int col = 0; col < m_nCols; ++col)
            EmptyCell(CellAt(row, col), row, col);
    m_RowData.clear();
    m_arRowHeights.clear();
    m_arColWidths.clear();
    m_arColEditTypes.clear();
    m_SelectedCellMap.clear();
    m_PrevSelectedCellMap.clear();
    m_idCurrentCell = CGridCellPos();
    m_nRows = m_nCols = m_nFixedRows = m_nFixedCols = 0;
}

// ---- Counts ------------------------------------------------------------------------------------

BOOL CGridCtrl::SetRowCount(int nRows)
{
    if (nRows < 0)
        return FALSE;
    if (nRows == m_nRows)
        return TRUE;
    if (m_nFixedRows > nRows)
        m_nFixedRows = nRows;
    if (m_idCurrentCell.row >= nRows)
        ClearFocus();
    for (int row = nRows; row < m_nRows; ++row)
        for (int col = 0; col < m_nCols; ++col)
            EmptyCell(CellAt(row, col), row, col);
    if (nRows < m_nRows)
        m_RowData.resize(nRows);
    m_arRowHeights.resize(nRows, m_nDefCellHeight);
    while ((int)m_RowData.size() < nRows)
        m_RowData.push_back(NewRow(m_nCols));
    m_nRows = nRows;
    if (m_hWnd != nullptr) {
        ResetScrollBars();
        Invalidate();
    }
    return TRUE;
}

BOOL CGridCtrl::SetColumnCount(int nCols)
{
    if (nCols < 0)
        return FALSE;
    if (nCols == m_nCols)
        return TRUE;
    if (m_nFixedCols > nCols)
        m_nFixedCols = nCols;
    if (m_idCurrentCell.col >= nCols)
        ClearFocus();
    for (int row = 0; row < m_nRows; ++row) {
        for (int col = nCols; col < m_nCols; ++col)
            EmptyCell(CellAt(row, col), row, col);
        auto &cells = m_RowData[row]->cells;
        if (nCols < m_nCols)
            cells.resize(nCols);
        while ((int)cells.size() < nCols)
            cells.push_back(std::make_unique<CGridCellObj>());
    }
    m_arColWidths.resize(nCols, m_nDefCellWidth);
    m_arColEditTypes.resize(nCols, GVET_NONE);
    m_nCols = nCols;
    if (m_hWnd != nullptr) {
        ResetScrollBars();
        Invalidate();
    }
    return TRUE;
}

BOOL CGridCtrl::SetFixedRowCount(int nFixedRows)
{
    if (nFixedRows < 0)
        return FALSE;
    if (nFixedRows > m_nRows && !SetRowCount(nFixedRows))
        return FALSE;
    if (m_idCurrentCell.row >= 0 && m_idCurrentCell.row < nFixedRows)
        ClearFocus();
    m_nFixedRows = nFixedRows;
    if (m_hWnd != nullptr) {
        ResetScrollBars();
        Invalidate();
    }
    return TRUE;
}

BOOL CGridCtrl::SetFixedColumnCount(int nFixedCols)
{
    if (nFixedCols < 0)
        return FALSE;
    if (nFixedCols > m_nCols && !SetColumnCount(nFixedCols))
        return FALSE;
    if (m_idCurrentCell.col >= 0 && m_idCurrentCell.col < nFixedCols)
        ClearFocus();
    m_nFixedCols = nFixedCols;
    if (m_hWnd != nullptr) {
        ResetScrollBars();
        Invalidate();
    }
    return TRUE;
}

// ---- Insert and delete -------------------------------------------------------------------------

int CGridCtrl::InsertColumn(LPCTSTR strHeading, UINT nFormat, int nColumn, int nEditType)
{
    if (nColumn < -1 || nColumn >= m_nCols || nEditType < 0)
        return -1;
    if (m_nRows == 0 && !SetRowCount(1))
        return -1;

    const int index = nColumn < 0 ? m_nCols : nColumn;
    m_arColWidths.insert(m_arColWidths.begin() + index, 0);
    m_arColEditTypes.insert(m_arColEditTypes.begin() + index, (UINT)nEditType);
    for (auto &row : m_RowData)
        row->cells.insert(row->cells.begin() + index, std::make_unique<CGridCellObj>());
    ++m_nCols;
    if (nColumn >= 0) {
        // The cells right of it moved: the focus and the selection go with them.
        if (m_idCurrentCell.col >= index)
            ++m_idCurrentCell.col;
        RebuildSelectionMap();
    }

    CellAt(0, index)->strText = strHeading ? strHeading : "";
    for (int row = 0; row < m_nRows; ++row)
        CellAt(row, index)->nFormat = nFormat;

    int width = 2 * m_nMargin;
    if (m_hWnd != nullptr) {
        CClientDC dc(this);
        CFont *old = dc.SelectObject(&m_Font);
        width += dc.GetTextExtent(CellAt(0, index)->strText).cx;
        dc.SelectObject(old);
    }
    m_arColWidths[index] = (UINT)width;
    ResetScrollBars();
    return index;
}

int CGridCtrl::InsertRow(LPCTSTR strHeading, int nRow)
{
    if (nRow < -1 || nRow >= m_nRows)
        return -1;
    if (m_nCols == 0 && !SetColumnCount(1))
        return -1;

    const int index = nRow < 0 ? m_nRows : nRow;
    m_arRowHeights.insert(m_arRowHeights.begin() + index, 0);
    m_RowData.insert(m_RowData.begin() + index, NewRow(m_nCols));
    ++m_nRows;
    if (nRow >= 0) {
        if (m_idCurrentCell.row >= index)
            ++m_idCurrentCell.row;
        RebuildSelectionMap();
    }

    // Row 0 is the heading row unless the new row is row 0 itself.
    const int formatRow = index == 0 ? (m_nRows > 1 ? 1 : -1) : 0;
    for (int col = 0; col < m_nCols; ++col)
        if (formatRow >= 0)
            CellAt(index, col)->nFormat = CellAt(formatRow, col)->nFormat;
    CellAt(index, 0)->strText = strHeading ? strHeading : "";

    int height = 2 * m_nMargin;
    if (m_hWnd != nullptr) {
        CClientDC dc(this);
        CFont *old = dc.SelectObject(&m_Font);
        // An empty heading still has the height of a line.
        const CString &heading = CellAt(index, 0)->strText;
        height += dc.GetTextExtent(heading.IsEmpty() ? CString(" ") : heading).cy;
        dc.SelectObject(old);
    } else {
        height = m_nDefCellHeight;
    }
    m_arRowHeights[index] = (UINT)height;
    ResetScrollBars();
    return index;
}

BOOL CGridCtrl::DeleteColumn(int nColumn)
{
    if (nColumn < 0 || nColumn >= m_nCols)
        return FALSE;
    m_arColWidths.erase(m_arColWidths.begin() + nColumn);
    m_arColEditTypes.erase(m_arColEditTypes.begin() + nColumn);
    for (int row = 0; row < m_nRows; ++row) {
        EmptyCell(CellAt(row, nColumn), row, nColumn);
        m_RowData[row]->cells.erase(m_RowData[row]->cells.begin() + nColumn);
    }
    --m_nCols;
    if (nColumn < m_nFixedCols)
        --m_nFixedCols;
    if (m_idCurrentCell.col == nColumn)
        m_idCurrentCell = CGridCellPos();
    else if (m_idCurrentCell.col > nColumn)
        --m_idCurrentCell.col;
    RebuildSelectionMap();
    ResetScrollBars();
    return TRUE;
}

BOOL CGridCtrl::DeleteRow(int nRow)
{
    if (nRow < 0 || nRow >= m_nRows)
        return FALSE;
    m_arRowHeights.erase(m_arRowHeights.begin() + nRow);
    for (int col = 0; col < m_nCols; ++col)
        EmptyCell(CellAt(nRow, col), nRow, col);
    m_RowData.erase(m_RowData.begin() + nRow);
    --m_nRows;
    if (nRow < m_nFixedRows)
        --m_nFixedRows;
    if (m_idCurrentCell.row == nRow)
        m_idCurrentCell = CGridCellPos();
    else if (m_idCurrentCell.row > nRow)
        --m_idCurrentCell.row;
    RebuildSelectionMap();
    ResetScrollBars();
    return TRUE;
}

// ---- Cells -------------------------------------------------------------------------------------

CGridCellObj *CGridCtrl::GetCell(int nRow, int nCol) const
{
    return IsValid(nRow, nCol) ? CellAt(nRow, nCol) : nullptr;
}

BOOL CGridCtrl::SetItem(const CGridItem *pItem)
{
    if (pItem == nullptr)
        return FALSE;
    CGridCellObj *cell = GetCell(pItem->row, pItem->col);
    if (cell == nullptr)
        return FALSE;
    if (pItem->mask & GVIF_TEXT)
        cell->strText = pItem->strText;
    if (pItem->mask & GVIF_PARAM)
        cell->lParam = pItem->lParam;
    if (pItem->mask & GVIF_IMAGE)
        cell->iImage = pItem->iImage;
    if (pItem->mask & GVIF_STATE)
        cell->state = pItem->state;
    if (pItem->mask & GVIF_FORMAT)
        cell->nFormat = pItem->nFormat;
    return TRUE;
}

BOOL CGridCtrl::GetItem(CGridItem *pItem)
{
    if (pItem == nullptr)
        return FALSE;
    CGridCellObj *cell = GetCell(pItem->row, pItem->col);
    if (cell == nullptr)
        return FALSE;
    if (pItem->mask & GVIF_TEXT)
        pItem->strText = GetItemText(pItem->row, pItem->col);
    if (pItem->mask & GVIF_PARAM)
        pItem->lParam = cell->lParam;
    if (pItem->mask & GVIF_IMAGE)
        pItem->iImage = cell->iImage;
    if (pItem->mask & GVIF_STATE)
        pItem->state = cell->state;
    if (pItem->mask & GVIF_FORMAT)
        pItem->nFormat = cell->nFormat;
    return TRUE;
}

BOOL CGridCtrl::SetItemText(int nRow, int nCol, LPCTSTR str)
{
    CGridCellObj *cell = GetCell(nRow, nCol);
    if (cell == nullptr)
        return FALSE;
    cell->strText = str ? str : "";
    return TRUE;
}

CString CGridCtrl::GetItemText(int nRow, int nCol)
{
    const CGridCellObj *cell = GetCell(nRow, nCol);
    return cell ? cell->strText : CString();
}

BOOL CGridCtrl::SetItemData(int nRow, int nCol, LPARAM lParam)
{
    CGridCellObj *cell = GetCell(nRow, nCol);
    if (cell == nullptr)
        return FALSE;
    cell->lParam = lParam;
    return TRUE;
}

LPARAM CGridCtrl::GetItemData(int nRow, int nCol) const
{
    const CGridCellObj *cell = GetCell(nRow, nCol);
    return cell ? cell->lParam : 0;
}

BOOL CGridCtrl::SetItemImage(int nRow, int nCol, int iImage)
{
    CGridCellObj *cell = GetCell(nRow, nCol);
    if (cell == nullptr)
        return FALSE;
    cell->iImage = iImage;
    return TRUE;
}

int CGridCtrl::GetItemImage(int nRow, int nCol) const
{
    const CGridCellObj *cell = GetCell(nRow, nCol);
    return cell ? cell->iImage : -1;
}

BOOL CGridCtrl::SetItemState(int nRow, int nCol, UINT state)
{
    CGridCellObj *cell = GetCell(nRow, nCol);
    if (cell == nullptr)
        return FALSE;
    if (state & GVIS_SELECTED)
        m_SelectedCellMap[SelectionKey(nRow, nCol)] = CGridCellPos(nRow, nCol);
    else
        m_SelectedCellMap.erase(SelectionKey(nRow, nCol));
    cell->state = state;
    return TRUE;
}

UINT CGridCtrl::GetItemState(int nRow, int nCol) const
{
    const CGridCellObj *cell = GetCell(nRow, nCol);
    return cell ? cell->state : 0;
}

BOOL CGridCtrl::SetItemFormat(int nRow, int nCol, UINT nFormat)
{
    CGridCellObj *cell = GetCell(nRow, nCol);
    if (cell == nullptr)
        return FALSE;
    cell->nFormat = nFormat;
    return TRUE;
}

UINT CGridCtrl::GetItemFormat(int nRow, int nCol) const
{
    const CGridCellObj *cell = GetCell(nRow, nCol);
    return cell ? cell->nFormat : 0;
}

void CGridCtrl::EmptyCell(CGridCellObj *pCell, int nRow, int nCol)
{
    if (pCell == nullptr)
        return;
    SetItemState(nRow, nCol, 0);
    pCell->strText.Empty();
}

// ---- Sizes -------------------------------------------------------------------------------------

BOOL CGridCtrl::SetRowHeight(int nRow, int height)
{
    if (nRow < 0 || nRow >= m_nRows || height < 0)
        return FALSE;
    m_arRowHeights[nRow] = (UINT)height;
    return TRUE;
}

BOOL CGridCtrl::SetColumnWidth(int nCol, int width)
{
    if (nCol < 0 || nCol >= m_nCols || width < 0)
        return FALSE;
    m_arColWidths[nCol] = (UINT)width;
    return TRUE;
}

int CGridCtrl::GetRowHeight(int nRow) const
{
    return nRow < 0 || nRow >= m_nRows ? -1 : (int)m_arRowHeights[nRow];
}

int CGridCtrl::GetColumnWidth(int nCol) const
{
    return nCol < 0 || nCol >= m_nCols ? -1 : (int)m_arColWidths[nCol];
}

BOOL CGridCtrl::SetColumnEditType(int nCol, int nEditType)
{
    if (nCol < 0 || nCol >= m_nCols || nEditType < 0)
        return FALSE;
    m_arColEditTypes[nCol] = (UINT)nEditType;
    return TRUE;
}

int CGridCtrl::GetColumnEditType(int nCol) const
{
    return nCol < 0 || nCol >= m_nCols ? -1 : (int)m_arColEditTypes[nCol];
}

int CGridCtrl::GetFixedRowHeight() const
{
    int height = 0;
    for (int row = 0; row < m_nFixedRows; ++row)
        height += GetRowHeight(row);
    return height;
}

int CGridCtrl::GetFixedColumnWidth() const
{
    int width = 0;
    for (int col = 0; col < m_nFixedCols; ++col)
        width += GetColumnWidth(col);
    return width;
}

long CGridCtrl::GetVirtualWidth() const
{
    long width = 0;
    for (int col = 0; col < m_nCols; ++col)
        width += (long)m_arColWidths[col];
    return width;
}

long CGridCtrl::GetVirtualHeight() const
{
    long height = 0;
    for (int row = 0; row < m_nRows; ++row)
        height += (long)m_arRowHeights[row];
    return height;
}

BOOL CGridCtrl::AutoSizeColumn(int nCol)
{
    if (nCol < 0 || nCol >= m_nCols || m_hWnd == nullptr)
        return FALSE;
    CClientDC dc(this);
    if (dc.GetSafeHdc() == nullptr)
        return FALSE;
    int width = 0;
    for (int row = 0; row < m_nRows; ++row)
        width = std::max(width, (int)GetCellExtent(row, nCol, &dc).cx);
    m_arColWidths[nCol] = (UINT)width;
    ResetScrollBars();
    return TRUE;
}

BOOL CGridCtrl::AutoSizeRow(int nRow)
{
    if (nRow < 0 || nRow >= m_nRows || m_hWnd == nullptr)
        return FALSE;
    CClientDC dc(this);
    if (dc.GetSafeHdc() == nullptr)
        return FALSE;
    int height = 0;
    for (int col = 0; col < m_nCols; ++col)
        height = std::max(height, (int)GetCellExtent(nRow, col, &dc).cy);
    m_arRowHeights[nRow] = (UINT)height;
    ResetScrollBars();
    return TRUE;
}

void CGridCtrl::AutoSize()
{
    if (m_hWnd == nullptr)
        return;
    CClientDC dc(this);
    if (dc.GetSafeHdc() == nullptr)
        return;
    std::fill(m_arColWidths.begin(), m_arColWidths.end(), 0u);
    std::fill(m_arRowHeights.begin(), m_arRowHeights.end(), 0u);
    for (int row = 0; row < m_nRows; ++row) {
        for (int col = 0; col < m_nCols; ++col) {
            const CSize extent = GetCellExtent(row, col, &dc);
            m_arColWidths[col] = std::max(m_arColWidths[col], (UINT)extent.cx);
            m_arRowHeights[row] = std::max(m_arRowHeights[row], (UINT)extent.cy);
        }
    }
    ResetScrollBars();
    Invalidate();
}

int CGridCtrl::GetTextRowHeight(const CString &text)
{
    int lines = 1;
    for (int i = 1; i < text.GetLength(); ++i)
        if (text[i] == '\n')
            ++lines;
    return lines * 13 + 7;
}
