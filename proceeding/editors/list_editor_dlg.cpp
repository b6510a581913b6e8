#include "proceeding/editors/list_editor_dlg.h"

#include "controls/alternate_rows.h"
#include "framework/ui/ddx.h"
#include "framework/ui/msgbox.h"
#include "framework/ui/msgmap.h"
#include "proceeding/editors/list_input_dlgs.h"
#include "res/list_editor_ids.h"

namespace {

const char kMissingOnAdd[] = " Jedna z wymaganych wartości nie została podana !\n Nie można dodać elementu do listy.";
const char kMissingOnModify[] = " Jedna z wymaganych wartości nie została podana !\n Nie można zmienić danych.";

// Room a column heading needs beside its text: the heading's margins on both sides, and two
// pixels for letters whose ink reaches past their measured width.
const int kHeadingRoom = 14;

CString Cell(const ListRow &row, int column)
{
    return column < static_cast<int>(row.size()) ? row[column] : CString();
}

} // namespace

BEGIN_MESSAGE_MAP(CListEditorDlg, CDialog)
    ON_BN_CLICKED(IDC_LIST_EDITOR_ADD, OnAdd)
    ON_BN_CLICKED(IDC_LIST_EDITOR_MODIFY, OnModify)
    ON_BN_CLICKED(IDC_LIST_EDITOR_DELETE, OnDelete)
    ON_BN_CLICKED(IDC_LIST_EDITOR_OK, OnOK)
    ON_NOTIFY(NM_DBLCLK, IDC_LIST_EDITOR_LIST, OnDblClkList)
    ON_NOTIFY(NM_CUSTOMDRAW, IDC_LIST_EDITOR_LIST, OnCustomDrawList)
END_MESSAGE_MAP()

CListEditorDlg::CListEditorDlg(CWnd *pParent) : CDialog(IDD_LIST_EDITOR, pParent) {}

void CListEditorDlg::DoDataExchange(CDataExchange *pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LIST_EDITOR_LIST, m_list);
    DDX_Text(pDX, IDC_LIST_EDITOR_SUM, m_strSum);
}

BOOL CListEditorDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (!IsListKind(m_nListKind)) {
        // No columns to show the rows in: the value stays as it was.
        EndDialog(IDCANCEL);
        return TRUE;
    }
    GetDlgItem(IDC_LIST_EDITOR_LEGAL_HELP)->EnableWindow(FALSE);
    m_list.SetExtendedStyle(m_list.GetExtendedStyle() | LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    m_dTotal = 0;
    if (const char *caption = ListKindCaption(m_nListKind))
        SetWindowText(caption);

    RECT client;
    m_list.GetClientRect(&client);
    std::vector<ListColumn> columns = ListKindColumns(m_nListKind, IsDivided(), client.right - client.left);
    std::vector<int> needed;
    for (const ListColumn &column : columns)
        needed.push_back(m_list.GetStringWidth(column.heading) + kHeadingRoom);
    WidenToHeadings(columns, needed);
    m_nColumns = static_cast<int>(columns.size());
    for (int column = 0; column < m_nColumns; ++column)
        m_list.InsertColumn(column, columns[column].heading, LVCFMT_LEFT, columns[column].width);

    for (const ListRow &row : ReadListRows(m_strValue, m_nColumns))
        SetRow(m_list.InsertItem(m_list.GetItemCount(), ""), row);
    RecomputeTotal();
    return TRUE;
}

std::vector<ListRow> CListEditorDlg::Rows() const
{
    std::vector<ListRow> rows;
    for (int row = 0; row < m_list.GetItemCount(); ++row)
        rows.push_back(Row(row));
    return rows;
}

ListRow CListEditorDlg::Row(int row) const
{
    ListRow cells;
    for (int column = 0; column < m_nColumns; ++column)
        cells.push_back(m_list.GetItemText(row, column));
    return cells;
}

void CListEditorDlg::SetRow(int row, const ListRow &cells)
{
    for (int column = 0; column < m_nColumns; ++column)
        m_list.SetItemText(row, column, Cell(cells, column));
}

void CListEditorDlg::RecomputeTotal()
{
    const std::vector<ListRow> rows = Rows();
    m_strSum = ListWeightTotal(rows, ListWeightColumn(m_nListKind));
    m_dTotal = atof(m_strSum);
    SetDlgItemText(IDC_LIST_EDITOR_SUM, m_strSum);
}

bool CListEditorDlg::AskCriterion(ListRow &row, const char *refusal)
{
    CCriterionInputDlg dialog(this);
    dialog.m_nListKind = m_nListKind;
    dialog.m_strName = Cell(row, 0);
    dialog.m_strWeight = Cell(row, 1);
    if (dialog.DoModal() != IDOK)
        return false;
    if (dialog.m_strName.IsEmpty() || dialog.m_strWeight.IsEmpty()) {
        AfxMessageBox(refusal, MB_OK | MB_ICONERROR);
        return false;
    }
    row = {ListCellText(dialog.m_strName), ListCellText(dialog.m_strWeight)};
    return true;
}

bool CListEditorDlg::AskCriterionValue(ListRow &row, const char *refusal)
{
    CCriterionValueInputDlg dialog(this);
    dialog.m_strNumber = Cell(row, 0);
    dialog.m_strName = Cell(row, 1);
    dialog.m_strValue = Cell(row, 2);
    dialog.m_strScoring = Cell(row, 3);
    if (dialog.DoModal() != IDOK)
        return false;
    if (dialog.m_strName.IsEmpty() || dialog.m_strValue.IsEmpty()) {
        AfxMessageBox(refusal, MB_OK | MB_ICONERROR);
        return false;
    }
    row = {ListCellText(dialog.m_strNumber), ListCellText(dialog.m_strName), ListCellText(dialog.m_strValue),
           ListCellText(dialog.m_strScoring)};
    return true;
}

bool CListEditorDlg::AskOffer(ListRow &row, bool modifying)
{
    const OfferInputLayout layout = OfferInputFor(m_nListKind, IsDivided(), modifying);
    COfferInputDlg dialog(this);
    for (int field = 0; field < COfferInputDlg::kFields; ++field)
        dialog.m_strLabels[field] = layout.labels[field];
    for (int column = 0; column < m_nColumns; ++column)
        dialog.m_strValues[layout.fieldOfColumn[column]] = Cell(row, column);
    if (dialog.DoModal() != IDOK)
        return false;
    row.assign(m_nColumns, CString());
    for (int column = 0; column < m_nColumns; ++column)
        row[column] = ListCellText(dialog.m_strValues[layout.fieldOfColumn[column]]);
    return true;
}

bool CListEditorDlg::AskRow(ListRow &row, bool modifying)
{
    const char *refusal = modifying ? kMissingOnModify : kMissingOnAdd;
    if (m_nListKind == 0)
        return AskCriterion(row, refusal);
    if (m_nListKind == 14)
        return AskCriterionValue(row, refusal);
    return AskOffer(row, modifying);
}

void CListEditorDlg::OnAdd()
{
    ListRow row;
    if (!AskRow(row, false))
        return;
    SetRow(m_list.InsertItem(m_list.GetItemCount(), ""), row);
    RecomputeTotal();
}

void CListEditorDlg::OnModify()
{
    const int selected = m_list.GetNextItem(-1, LVNI_SELECTED);
    if (selected < 0) {
        AfxMessageBox("Nie wybrano pozycji do edycji !", MB_OK | MB_ICONERROR);
        return;
    }
    ListRow row = Row(selected);
    if (!AskRow(row, true))
        return;
    SetRow(selected, row);
    RecomputeTotal();
}

void CListEditorDlg::OnDblClkList(NMHDR *, LRESULT *pResult)
{
    OnModify();
    *pResult = 0;
}

void CListEditorDlg::OnDelete()
{
    const int selected = m_list.GetNextItem(-1, LVNI_SELECTED);
    if (selected < 0) {
        AfxMessageBox("Nie wybrano pozycji do usunięcia !", MB_OK | MB_ICONERROR);
        return;
    }
    m_list.DeleteItem(selected);
    RecomputeTotal();
}

void CListEditorDlg::OnOK()
{
    // The total is taken from the rows, never from what the sum field happens to show.
    const std::vector<ListRow> rows = Rows();
    if (!ListWeightsComplete(rows, ListWeightColumn(m_nListKind))) {
        AfxShowMessageBox(m_hWnd, "Łączna suma wag kryteriów musi być równa 100", "Błąd", MB_ICONINFORMATION);
        return;
    }
    m_strValue = WriteListRows(rows);
    EndDialog(IDOK);
}

void CListEditorDlg::OnCustomDrawList(NMHDR *pNMHDR, LRESULT *pResult)
{
    OnCustomDrawAlternateRows(pNMHDR, pResult);
}
