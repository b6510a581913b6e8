#include "proceeding/editors/grid_table_editor_dlg.h"

#include <algorithm>

#include "model/file_utils.h"
#include "app/app_settings.h"
#include "controls/dialog_toolbar.h"
#include "framework/core/codepage.h"
#include "framework/ui/msgbox.h"
#include "framework/ui/msgmap.h"
#include "proceeding/merge/contractor_list_dlg.h"
#include "proceeding/editors/small_value_dialogs.h"
#include "res/table_editors_ids.h"

namespace {

const char kExportFileName[] = "\\export.dat";
const char kExporterName[] = "\\Quendral.exe";
const int kNewColumnWidth = 120;
const int kWidthSlack = 20;
const UINT kHeadingFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;
const UINT kCellFormat = DT_LEFT | DT_WORDBREAK | DT_NOPREFIX;

// The tooltip of each button.
const struct {
    UINT command;
    UINT tip;
} kToolTips[] = {
    {ID_GRID_TABLE_ADD_ROW, IDS_GRID_TABLE_ADD_ROW},
    {ID_GRID_TABLE_DELETE_ROW, IDS_GRID_TABLE_DELETE_ROW},
    {ID_GRID_TABLE_CONTRACTORS, IDS_GRID_TABLE_CONTRACTORS},
    {ID_GRID_TABLE_PRINT, IDS_GRID_TABLE_PRINT},
    {ID_GRID_TABLE_EXPORT, IDS_GRID_TABLE_EXPORT},
    {ID_GRID_TABLE_ADD_COLUMN, IDS_GRID_TABLE_ADD_COLUMN},
    {ID_GRID_TABLE_DELETE_COLUMN, IDS_GRID_TABLE_DELETE_COLUMN},
    {ID_GRID_TABLE_SAVE, IDS_GRID_TABLE_SAVE},
    {ID_GRID_TABLE_EXIT, IDS_GRID_TABLE_EXIT},
};

// The tip part of a "prompt\ntip" string, or the whole string.
CString ToolTipFor(UINT command)
{
    for (const auto &entry : kToolTips) {
        if (entry.command != command)
            continue;
        CString text;
        if (!text.LoadString(entry.tip))
            return CString();
        const int newline = text.Find('\n');
        return newline >= 0 ? text.Mid(newline + 1) : text;
    }
    return CString();
}

CString RowNumber(int row)
{
    CString number;
    number.Format("%d", row);
    return number;
}

} // namespace

BOOL CDialogToolBar::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT *pResult)
{
    const NMHDR *header = reinterpret_cast<const NMHDR *>(lParam);
    if (header->code == TTN_NEEDTEXTA || header->code == TTN_NEEDTEXTW) {
        *pResult = ::SendMessageW(::GetParent(m_hWnd), WM_NOTIFY, wParam, lParam);
        return TRUE;
    }
    return CToolBar::OnNotify(wParam, lParam, pResult);
}

BEGIN_MESSAGE_MAP(CGridTableEditorDlg, CDialog)
    ON_COMMAND(ID_GRID_TABLE_ADD_ROW, OnAddRow)
    ON_COMMAND(ID_GRID_TABLE_DELETE_ROW, OnDeleteRow)
    ON_COMMAND(ID_GRID_TABLE_CONTRACTORS, OnInsertContractor)
    ON_COMMAND(ID_GRID_TABLE_EXPORT, OnExportExcel)
    ON_COMMAND(ID_GRID_TABLE_PRINT, OnPrint)
    ON_COMMAND(ID_GRID_TABLE_ADD_COLUMN, OnAddColumn)
    ON_COMMAND(ID_GRID_TABLE_DELETE_COLUMN, OnDeleteLastColumn)
    ON_COMMAND(ID_GRID_TABLE_SAVE, OnOK)
    ON_COMMAND(ID_GRID_TABLE_EXIT, OnExit)
    ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTA, 0, 0xFFFF, OnToolTipText)
    ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTW, 0, 0xFFFF, OnToolTipText)
END_MESSAGE_MAP()

CGridTableEditorDlg::CGridTableEditorDlg(CWnd *pParent) : CDialog(IDD_GRID_TABLE_EDITOR, pParent)
{
    if (const AppSettings *settings = GetProgramSettings()) {
        m_strMainPath = settings->MainPath;
        m_strExportPath = settings->ExportPath;
    }
}

BOOL CGridTableEditorDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_grid.SubclassDlgItem(IDC_GRID_TABLE_GRID, this);
    if (!CreateToolBar()) {
        EndDialog(IDCANCEL);
        return TRUE;
    }
    EnableButtons();
    LoadTable();
    if (!m_strCaption.IsEmpty())
        SetWindowText(m_strCaption);
    return TRUE;
}

bool CGridTableEditorDlg::CreateToolBar()
{
    return CreateToolBarOnTop(*this, m_toolBar, IDR_GRID_TABLE_TOOLBAR, CBRS_FLYBY);
}

void CGridTableEditorDlg::EnableButtons()
{
    CToolBarCtrl &buttons = m_toolBar.GetToolBarCtrl();
    buttons.EnableButton(ID_GRID_TABLE_PRINT, TRUE);
    buttons.EnableButton(ID_GRID_TABLE_CONTRACTORS, m_nMode == 1);
    buttons.EnableButton(ID_GRID_TABLE_ADD_COLUMN, m_nMode == 2);
    buttons.EnableButton(ID_GRID_TABLE_DELETE_COLUMN, m_nMode == 2);
}

void CGridTableEditorDlg::OnPrint()
{
    m_grid.Print();
}

void CGridTableEditorDlg::LoadTable()
{
    // The grid object outlives a window that was shown before.
    m_grid.SetFixedRowCount(0);
    m_grid.SetFixedColumnCount(0);
    m_grid.SetRowCount(0);
    m_grid.SetColumnCount(0);
    GridTable table = ParseGridTable(m_strValue);
    if (table.rows.empty()) {
        // Nothing stored yet: a heading row to add rows and columns under.
        table.rows.push_back(GridTableRow(1));
        table.widths.push_back(ColumnWidthForText(""));
    }
    m_nColumns = table.rows.empty() ? 0 : static_cast<int>(table.rows[0].size());
    for (size_t r = 0; r < table.rows.size(); ++r) {
        const int row = m_grid.InsertRow(m_nMode == 1 && r > 0 ? RowNumber(static_cast<int>(r)) : CString(" "));
        for (int c = 0; c < m_nColumns; ++c) {
            if (r == 0 && c > 0)
                m_grid.InsertColumn(table.rows[0][c]);
            m_grid.SetItemText(row, c, table.rows[r][c]);
        }
        FitRowHeight(row);
    }
    for (int c = 0; c < m_nColumns; ++c)
        m_grid.SetColumnWidth(c, table.widths[c]);

    // Narrow columns are widened to fill the grid beside the fixed one.
    CRect client;
    m_grid.GetClientRect(&client);
    int target = client.Width() - kWidthSlack;
    int total = 0;
    for (int c = 0; c < m_nColumns; ++c) {
        if (c < FirstEditableColumn())
            target -= m_grid.GetColumnWidth(c);
        else
            total += m_grid.GetColumnWidth(c);
    }
    for (int c = FirstEditableColumn(); c < m_nColumns; ++c) {
        if (total > 0 && total < target)
            m_grid.SetColumnWidth(c, m_grid.GetColumnWidth(c) * target / total);
        m_grid.SetColumnEditType(c, GVET_TEXTDIALOG);
    }
    for (int row = 0; row < m_grid.GetRowCount(); ++row)
        for (int c = 0; c < m_nColumns; ++c)
            m_grid.SetItemFormat(row, c, row == 0 ? kHeadingFormat : kCellFormat);

    m_grid.SetFixedRowCount(1);
    if (m_nMode == 1)
        m_grid.SetFixedColumnCount(1);
    m_grid.SetEditable(TRUE);
    m_grid.ResetScrollBars();
    m_grid.Invalidate();
}

void CGridTableEditorDlg::FitRowHeight(int row)
{
    int height = 0;
    for (int c = 0; c < m_grid.GetColumnCount(); ++c)
        height = std::max(height, CGridCtrl::GetTextRowHeight(m_grid.GetItemText(row, c)));
    m_grid.SetRowHeight(row, height);
}

std::vector<GridTableRow> CGridTableEditorDlg::Rows()
{
    std::vector<GridTableRow> rows;
    for (int r = 0; r < m_grid.GetRowCount(); ++r) {
        GridTableRow row;
        for (int c = 0; c < m_grid.GetColumnCount(); ++c)
            row.push_back(m_grid.GetItemText(r, c));
        rows.push_back(row);
    }
    return rows;
}

void CGridTableEditorDlg::OnOK()
{
    m_strValue = WriteGridTable(Rows());
    EndDialog(IDOK);
}

void CGridTableEditorDlg::OnExit()
{
    EndDialog(IDCANCEL);
}

BOOL CGridTableEditorDlg::PreTranslateMessage(MSG *pMsg)
{
    // Enter adds a row; the cells' own text dialog is no child of this one and keeps its Enter.
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN
        && (pMsg->hwnd == m_hWnd || ::IsChild(m_hWnd, pMsg->hwnd))) {
        OnAddRow();
        return TRUE;
    }
    return CDialog::PreTranslateMessage(pMsg);
}

int CGridTableEditorDlg::AppendRow()
{
    const int row = m_grid.InsertRow(m_nMode == 1 ? RowNumber(m_grid.GetRowCount()) : CString(" "));
    for (int c = 0; c < m_grid.GetColumnCount(); ++c)
        m_grid.SetItemFormat(row, c, kCellFormat);
    FitRowHeight(row);
    return row;
}

void CGridTableEditorDlg::OnAddRow()
{
    AppendRow();
    m_grid.ResetScrollBars();
    m_grid.Invalidate();
}

void CGridTableEditorDlg::OnInsertContractor()
{
    if (m_nMode != 1)
        return;
    CContractorListDlg dialog(this);
    if (dialog.DoModal() != IDOK || dialog.m_strName.IsEmpty())
        return;
    const CString texts[5] = {dialog.m_strName, dialog.m_strAddress, dialog.m_strPhones, dialog.m_strEmail,
                              dialog.m_strContact};
    int row = m_grid.GetFocusCell().row;
    if (row < 1)
        row = AppendRow();
    m_grid.SetItemText(row, 1, ContractorCellText(texts));
    FitRowHeight(row);
    m_grid.ResetScrollBars();
    m_grid.Invalidate();
}

void CGridTableEditorDlg::OnDeleteRow()
{
    const int row = m_grid.GetFocusCell().row;
    if (row < 1 || !m_grid.DeleteRow(row))
        return;
    // Numbered rows keep counting from 1 without a gap.
    if (m_nMode == 1)
        for (int r = row; r < m_grid.GetRowCount(); ++r)
            m_grid.SetItemText(r, 0, RowNumber(r));
    m_grid.ResetScrollBars();
    m_grid.Invalidate();
}

void CGridTableEditorDlg::OnAddColumn()
{
    if (m_nMode != 2)
        return;
    CWartoscTekstowaDlg dialog(this);
    dialog.m_strCaption = "Kolumna";
    dialog.m_strLabel = "Podaj nazwę kolumny";
    if (dialog.DoModal() != IDOK)
        return;
    CString name = dialog.m_strValue;
    if (name.Trim(' ').IsEmpty()) {
        AfxShowMessageBox(m_hWnd, "Nazwa kolumny nie może być pusta", "Błąd", MB_ICONERROR);
        return;
    }
    const int column = m_grid.InsertColumn(name, kHeadingFormat, -1, GVET_TEXTDIALOG);
    for (int row = 1; row < m_grid.GetRowCount(); ++row)
        m_grid.SetItemFormat(row, column, kCellFormat);
    m_grid.SetColumnWidth(column, kNewColumnWidth);
    m_nColumns = m_grid.GetColumnCount();
    m_grid.ResetScrollBars();
    m_grid.Invalidate();
}

void CGridTableEditorDlg::OnDeleteLastColumn()
{
    if (m_nMode != 2)
        return;
    if (m_grid.GetColumnCount() < 2) {
        AfxShowMessageBox(m_hWnd, "Nie można usunąć wszystkich kolumn", "Błąd", MB_ICONERROR);
        return;
    }
    if (AfxShowMessageBox(m_hWnd, "Czy na pewno usunąć ostatnią kolumnę?", "Potwierdzenie", MB_YESNO | MB_ICONQUESTION)
        != IDYES)
        return;
    m_grid.DeleteColumn(m_grid.GetColumnCount() - 1);
    m_nColumns = m_grid.GetColumnCount();
    m_grid.ResetScrollBars();
    m_grid.Invalidate();
}

void CGridTableEditorDlg::OnExportExcel()
{
    const CString file = m_strExportPath + kExportFileName;
    if (!WriteGridExportFile(file, Rows())) {
        AfxShowMessageBox(m_hWnd, "Nie można zapisać pliku eksportu " + file, "Błąd", MB_ICONERROR);
        return;
    }
    const CString exporter = m_strMainPath + kExporterName;
    if (!FileExists(exporter) || ::WinExec("\"" + exporter + "\"", SW_SHOW) < 32)
        AfxShowMessageBox(m_hWnd, "Nie można uruchomić programu eksportu do arkusza kalkulacyjnego " + exporter, "Błąd",
                          MB_ICONERROR);
}

BOOL CGridTableEditorDlg::OnToolTipText(UINT, NMHDR *pNMHDR, LRESULT *pResult)
{
    UINT_PTR command = pNMHDR->idFrom;
    if (pNMHDR->code == TTN_NEEDTEXTA) {
        auto *info = reinterpret_cast<TOOLTIPTEXTA *>(pNMHDR);
        if (info->uFlags & TTF_IDISHWND)
            command = ::GetDlgCtrlID(reinterpret_cast<HWND>(command));
        lstrcpynA(info->szText, ToolTipFor(static_cast<UINT>(command)), sizeof info->szText);
    } else {
        auto *info = reinterpret_cast<TOOLTIPTEXTW *>(pNMHDR);
        if (info->uFlags & TTF_IDISHWND)
            command = ::GetDlgCtrlID(reinterpret_cast<HWND>(command));
        lstrcpynW(info->szText, Cp1250ToWide(ToolTipFor(static_cast<UINT>(command))).c_str(),
                  sizeof info->szText / sizeof info->szText[0]);
    }
    *pResult = 0;
    return TRUE;
}
