#include "proceeding/editors/table_editor_dlg.h"

#include "model/project.h"
#include "framework/ui/ddx.h"
#include "framework/ui/msgbox.h"
#include "framework/ui/msgmap.h"
#include "proceeding/editors/table_editor_item_dlg.h"
#include "res/table_editors_ids.h"

namespace {

const char kCriteriaTableName[] = "Kryteria oceny ofert";

} // namespace

BEGIN_MESSAGE_MAP(CTableEditorDlg, CDialog)
    ON_BN_CLICKED(IDC_TABLE_EDITOR_ADD, OnAdd)
    ON_BN_CLICKED(IDC_TABLE_EDITOR_MODIFY, OnModify)
    ON_BN_CLICKED(IDC_TABLE_EDITOR_DELETE, OnDelete)
    ON_BN_CLICKED(IDC_TABLE_EDITOR_CRITERIA, OnGenerateCriteria)
    ON_NOTIFY(NM_DBLCLK, IDC_TABLE_EDITOR_LIST, OnDblClkList)
END_MESSAGE_MAP()

CTableEditorDlg::CTableEditorDlg(CWnd *pParent) : CDialog(IDD_TABLE_EDITOR, pParent) {}

void CTableEditorDlg::SetTable(CProject *project)
{
    m_pProject = project;
}

void CTableEditorDlg::DoDataExchange(CDataExchange *pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TABLE_EDITOR_LIST, m_list);
}

BOOL CTableEditorDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_list.SetExtendedStyle(m_list.GetExtendedStyle() | LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    if (!m_strName.IsEmpty())
        SetWindowText("Edycja tabeli: " + m_strName);
    // Criteria can only be generated into the record of a proceeding.
    const bool criteria = m_strName == kCriteriaTableName && m_pProject && m_pProject->m_pCriteria;
    GetDlgItem(IDC_TABLE_EDITOR_CRITERIA)->ShowWindow(criteria ? SW_SHOW : SW_HIDE);

    EditorTable table;
    m_bHasTable = ParseEditorTable(m_strValue, table);
    if (!m_bHasTable)
        return FALSE;
    m_nColumns = static_cast<int>(table.columns.size());
    m_bNumbered = table.numbered;
    CRect client;
    m_list.GetClientRect(&client);
    const std::vector<int> widths = ColumnPixelWidths(table.columns, client.Width());
    for (int k = 0; k < m_nColumns; ++k) {
        m_list.InsertColumn(k, table.columns[k].heading, LVCFMT_LEFT, widths[k]);
        m_headings.push_back(table.columns[k].heading);
        m_flags.push_back(table.columns[k].flag);
    }
    for (const EditorTableRow &row : table.rows)
        SetRow(m_list.InsertItem(m_list.GetItemCount(), ""), row);
    return TRUE;
}

EditorTableRow CTableEditorDlg::Row(int item) const
{
    EditorTableRow row;
    for (int k = 0; k < m_nColumns; ++k)
        row.push_back(m_list.GetItemText(item, k));
    return row;
}

void CTableEditorDlg::SetRow(int item, const EditorTableRow &row)
{
    for (int k = 0; k < m_nColumns && k < static_cast<int>(row.size()); ++k)
        m_list.SetItemText(item, k, row[k]);
}

std::vector<EditorTableRow> CTableEditorDlg::Rows() const
{
    std::vector<EditorTableRow> rows;
    for (int item = 0; item < m_list.GetItemCount(); ++item)
        rows.push_back(Row(item));
    return rows;
}

void CTableEditorDlg::OnAdd()
{
    for (;;) {
        CTableEditorItemDlg dialog(this);
        dialog.m_strTableName = m_strName;
        dialog.m_headings = m_headings;
        dialog.m_values.assign(m_headings.size(), CString());
        dialog.m_nRow = m_list.GetItemCount();
        dialog.m_bAdding = true;
        if (dialog.DoModal() != IDOK)
            return;
        SetRow(m_list.InsertItem(m_list.GetItemCount(), ""), dialog.m_values);
        if (!dialog.m_bAddNext)
            return;
    }
}

void CTableEditorDlg::OnModify()
{
    const int item = m_list.GetNextItem(-1, LVNI_SELECTED);
    if (item < 0)
        return;
    CTableEditorItemDlg dialog(this);
    dialog.m_strTableName = m_strName;
    dialog.m_headings = m_headings;
    dialog.m_values = Row(item);
    // A numbered row keeps its own number, whichever column numbers it.
    dialog.m_nRow = item;
    if (dialog.DoModal() == IDOK)
        SetRow(item, dialog.m_values);
}

void CTableEditorDlg::OnDblClkList(NMHDR *, LRESULT *pResult)
{
    OnModify();
    *pResult = 0;
}

void CTableEditorDlg::OnDelete()
{
    const int item = m_list.GetNextItem(-1, LVNI_SELECTED);
    if (item < 0)
        return;
    m_list.DeleteItem(item);
    if (!m_bNumbered)
        return;
    for (int row = 0; row < m_list.GetItemCount(); ++row) {
        CString number;
        number.Format("%d", row + 1);
        m_list.SetItemText(row, 0, number);
    }
}

void CTableEditorDlg::OnGenerateCriteria()
{
    if (!m_pProject || !m_pProject->m_pCriteria)
        return;
    if (AfxShowMessageBox(m_hWnd, "Czy chcesz zapisać kryteria oceny ofert na podstawie tabeli?", "Pytanie",
                          MB_YESNO | MB_ICONQUESTION)
        != IDYES)
        return;
    GenerateCriteria(Rows(), *m_pProject->m_pCriteria);
    AfxShowMessageBox(m_hWnd, "Wygenerowano listę kryteriów oceny ofert", "Informacja", MB_ICONINFORMATION);
}

void CTableEditorDlg::OnOK()
{
    if (m_bHasTable) {
        EditorTable table;
        for (int k = 0; k < m_nColumns; ++k)
            table.columns.push_back({m_headings[k], m_list.GetColumnWidth(k), m_flags[k]});
        table.rows = Rows();
        m_strValue = WriteEditorTable(table);
    }
    EndDialog(IDOK);
}
