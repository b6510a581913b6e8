// CGridCtrl: starting an in-place edit by the column's edit type and storing its result.
#include "controls/grid/grid_cell_text_dlg.h"
#include "controls/grid/grid_ctrl.h"
#include "controls/grid/grid_edit_box.h"
#include "controls/grid/grid_list_box.h"

#include <algorithm>

void CGridCtrl::OnEditCell(int nRow, int nCol, UINT nChar)
{
    if (!m_bEditable || !IsValid(nRow, nCol) || nRow < m_nFixedRows || nCol < m_nFixedCols)
        return;
    if (!IsCellOnScreen(nRow, nCol))
        return;
    const int editType = GetColumnEditType(nCol);
    if (editType == GVET_NONE)
        return;

    CRect rect;
    if (!GetCellRect(nRow, nCol, &rect))
        return;
    CGridItem item;
    item.row = nRow;
    item.col = nCol;
    item.mask = GVIF_TEXT | GVIF_FORMAT;
    if (!GetItem(&item))
        return;
    DWORD alignment = ES_LEFT;
    if (item.nFormat & DT_RIGHT)
        alignment = ES_RIGHT;
    else if (item.nFormat & DT_CENTER)
        alignment = ES_CENTER;

    switch (editType) {
    case GVET_EDITBOX:
        new CGridEditBox(this, rect, alignment, nRow, nCol, item.strText, nChar);
        break;
    case GVET_LISTBOX:
        new CGridListBox(this, rect, nRow, nCol, item.strText, nChar);
        break;
    case GVET_TEXTDIALOG:
        StartTextDialog(nRow, nCol, rect, nChar);
        break;
    default:
        break;
    }
}

void CGridCtrl::StartTextDialog(int nRow, int nCol, const CRect &rect, UINT nChar)
{
    CGridCellTextDlg dlg(this);
    dlg.m_strText = GetItemText(nRow, nCol);
    dlg.m_ptCell = rect.TopLeft();
    dlg.m_strTitle = GetItemText(0, nCol);
    dlg.m_nFirstChar = nChar;
    if (dlg.DoModal() != IDOK)
        return;

    // The grid may have been reshaped while the dialog was open.
    if (!SetItemText(nRow, nCol, dlg.m_strText))
        return;
    Invalidate();
    int height = 0;
    for (int col = 0; col < m_nCols; ++col)
        height = std::max(height, GetTextRowHeight(GetItemText(nRow, col)));
    SetRowHeight(nRow, height);
    ResetScrollBars();
}

void CGridCtrl::OnEndEditCell(int nRow, int nCol, CString str)
{
    SetItemText(nRow, nCol, str);
}

void CGridCtrl::FillListItems(int, CListBox *) {}

LRESULT CGridCtrl::OnFillList(WPARAM wParam, LPARAM lParam)
{
    FillListItems((int)wParam, reinterpret_cast<CListBox *>(lParam));
    return Default();
}

void CGridCtrl::OnEndInPlaceEdit(NMHDR *pNMHDR, LRESULT *pResult)
{
    *pResult = 0;
    const LV_DISPINFOA *info = reinterpret_cast<const LV_DISPINFOA *>(pNMHDR);
    const int row = info->item.iItem;
    const int col = info->item.iSubItem;
    OnEndEditCell(row, col, info->item.pszText ? info->item.pszText : "");
    InvalidateCell(row, col);

    if (pNMHDR->idFrom == CGridListBox::IDC_GRID_LISTBOX) {
        SetItemData(row, col, info->item.lParam);
        return;
    }
    // A navigation key moves on and goes on editing the neighbouring cell.
    const UINT key = (UINT)info->item.lParam;
    if (key >= VK_PRIOR && key <= VK_DOWN) {
        MoveFocusByKey(key);
        OnEditCell(m_idCurrentCell.row, m_idCurrentCell.col, key);
    }
}
