// CGridCtrl: cut, copy and paste of cell text through the clipboard.
#include "controls/grid/grid_ctrl.h"

#include <vector>

namespace {

// The lines of a pasted text and the tab-separated fields of each. A line ends at "\r\n" or
// "\n"; a line break at the very end starts no further line. Empty fields keep their place,
// so every field lands in the column it was copied from.
std::vector<std::vector<CString>> SplitPastedText(const CString &text)
{
    std::vector<std::vector<CString>> lines;
    std::vector<CString> fields;
    CString field;
    const int length = text.GetLength();
    for (int i = 0; i < length; ++i) {
        const char c = text[i];
        if (c == '\t') {
            fields.push_back(field);
            field.Empty();
        } else if (c == '\n' || (c == '\r' && i + 1 < length && text[i + 1] == '\n')) {
            if (c == '\r')
                ++i;
            fields.push_back(field);
            field.Empty();
            lines.push_back(fields);
            fields.clear();
        } else {
            field += c;
        }
    }
    if (!field.IsEmpty() || !fields.empty()) {
        fields.push_back(field);
        lines.push_back(fields);
    }
    return lines;
}

} // namespace

CString CGridCtrl::GetSelectedText()
{
    const CGridCellRange range = GetSelectedCellRange();
    CString text;
    if (!IsValid(range))
        return text;
    for (int row = range.minRow; row <= range.maxRow; ++row) {
        if (row > range.minRow)
            text += "\r\n";
        for (int col = range.minCol; col <= range.maxCol; ++col) {
            if (col > range.minCol)
                text += "\t";
            if (IsCellSelected(row, col))
                text += GetItemText(row, col);
        }
    }
    return text;
}

void CGridCtrl::CutSelectedText()
{
    const auto selected = m_SelectedCellMap;
    for (const auto &entry : selected) {
        const CGridCellPos &cell = entry.second;
        CGridCellObj *pCell = GetCell(cell.row, cell.col);
        if (pCell != nullptr)
            EmptyCell(pCell, cell.row, cell.col);
    }
    if (m_hWnd != nullptr)
        Invalidate();
}

CGridDataSource *CGridCtrl::CopyTextFromGrid()
{
    if (!IsValid(GetSelectedCellRange()))
        return nullptr;
    return CGridDataSource::Create(GetSelectedText());
}

BOOL CGridCtrl::PasteText(int nRow, int nCol, const CString &text)
{
    if (!IsValid(nRow, nCol) || nRow < m_nFixedRows || nCol < m_nFixedCols)
        return FALSE;
    const std::vector<std::vector<CString>> lines = SplitPastedText(text);
    for (size_t line = 0; line < lines.size(); ++line) {
        const int row = nRow + (int)line;
        if (row >= m_nRows)
            break;
        for (size_t field = 0; field < lines[line].size(); ++field) {
            const int col = nCol + (int)field;
            if (col >= m_nCols)
                break;
            if (!lines[line][field].IsEmpty())
                SetItemText(row, col, lines[line][field]);
        }
    }
    if (m_hWnd != nullptr)
        Invalidate();
    return TRUE;
}

BOOL CGridCtrl::PasteTextToGrid(int nRow, int nCol, IDataObject *pDataObject)
{
    if (!IsValid(nRow, nCol))
        return FALSE;
    CString text;
    if (!ReadDataObjectText(pDataObject, text))
        return FALSE;
    return PasteText(nRow, nCol, text);
}

BOOL CGridCtrl::CopyToClipboard()
{
    CGridDataSource *source = CopyTextFromGrid();
    if (source == nullptr)
        return FALSE;
    // The clipboard keeps its own reference.
    const HRESULT result = ::OleSetClipboard(source);
    source->Release();
    return SUCCEEDED(result);
}

void CGridCtrl::OnEditCopy()
{
    CopyToClipboard();
}

// Cells are emptied only once the clipboard holds their text.
void CGridCtrl::OnEditCut()
{
    if (CopyToClipboard())
        CutSelectedText();
}

void CGridCtrl::OnEditPaste()
{
    CGridCellPos target = m_idCurrentCell;
    if (!IsValid(target))
        target = GetFirstVisibleCell();
    if (!IsValid(target))
        return;
    IDataObject *data = nullptr;
    if (FAILED(::OleGetClipboard(&data)) || data == nullptr)
        return;
    PasteTextToGrid(target.row, target.col, data);
    data->Release();
}
