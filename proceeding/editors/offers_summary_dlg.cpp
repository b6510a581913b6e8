#include "proceeding/editors/offers_summary_dlg.h"

#include <algorithm>

#include "framework/ui/ddx.h"
#include "framework/ui/msgbox.h"
#include "framework/ui/msgmap.h"
#include "proceeding/editors/criteria_list_dlg.h"
#include "proceeding/editors/small_value_dialogs.h"

namespace {

const int kNumberWidth = 57;
const int kCriterionWidth = 48;
const int kSumWidth = 40;

// The dialogs reach the first ten criteria; further ones a damaged text may carry are kept.
const int kEditableCriteria = CEditCriteriaDlg::kCriteria;

CString Trimmed(const CString &text)
{
    CString trimmed = text;
    trimmed.Trim(' ');
    return trimmed;
}

} // namespace

BEGIN_MESSAGE_MAP(CZestawienieOfertDlg, CDialog)
    ON_BN_CLICKED(IDC_OFFERS_SUMMARY_ADD, OnAddOffer)
    ON_BN_CLICKED(IDC_OFFERS_SUMMARY_MODIFY, OnModify)
    ON_BN_CLICKED(IDC_OFFERS_SUMMARY_DELETE, OnDelete)
    ON_BN_CLICKED(IDC_OFFERS_SUMMARY_CRITERIA, OnCriteriaList)
    ON_BN_CLICKED(IDC_OFFERS_SUMMARY_OK, OnOK)
END_MESSAGE_MAP()

CZestawienieOfertDlg::CZestawienieOfertDlg(CWnd *pParent) : CDialog(IDD, pParent) {}

void CZestawienieOfertDlg::DoDataExchange(CDataExchange *pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_OFFERS_SUMMARY_LIST, m_list);
}

BOOL CZestawienieOfertDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_list.SetExtendedStyle(m_list.GetExtendedStyle() | LVS_EX_FULLROWSELECT);
    const OffersSummaryReading reading = ReadOffersSummary(m_strText);
    m_table = reading.table;
    if (reading.damagedHeader)
        AfxShowMessageBox(m_hWnd, "Błąd konwersji pliku", "Błąd", MB_ICONWARNING);
    ShowTable(-1);
    return TRUE;
}

void CZestawienieOfertDlg::ShowTable(int selected)
{
    m_list.DeleteAllItems();
    while (m_list.DeleteColumn(0)) {}
    m_list.InsertColumn(0, "Nr oferty", LVCFMT_LEFT, kNumberWidth);
    for (int criterion = 0; criterion < CriteriaCount(); ++criterion)
        m_list.InsertColumn(criterion + 1, m_table.criteria[criterion], LVCFMT_LEFT, kCriterionWidth);
    m_list.InsertColumn(CriteriaCount() + 1, "Suma", LVCFMT_LEFT, kSumWidth);

    for (const OffersSummaryRow &row : m_table.rows) {
        const int item = m_list.InsertItem(m_list.GetItemCount(), row.empty() ? CString() : row[0]);
        for (size_t cell = 1; cell < row.size(); ++cell)
            m_list.SetItemText(item, static_cast<int>(cell), row[cell]);
    }
    if (selected >= 0 && selected < m_list.GetItemCount())
        m_list.SetItemState(selected, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

bool CZestawienieOfertDlg::AskOffer(const OffersSummaryRow *row, OffersSummaryRow &result)
{
    const int editable = std::min(CriteriaCount(), kEditableCriteria);
    CEditCriteriaDlg dialog(this);
    dialog.m_nCriteriaCount = editable;
    if (row != nullptr) {
        dialog.m_nFlag = 1;
        // The written text pads cells with blanks, which the number check would refuse.
        dialog.m_strOfferNumber = Trimmed((*row)[0]);
        for (int criterion = 0; criterion < editable; ++criterion)
            dialog.m_strCriteria[criterion] = Trimmed((*row)[criterion + 1]);
    }
    if (dialog.DoModal() != IDOK)
        return false;

    std::vector<CString> values;
    for (int criterion = 0; criterion < CriteriaCount(); ++criterion) {
        if (criterion < editable)
            values.push_back(dialog.m_strCriteria[criterion]);
        else
            values.push_back(row != nullptr ? (*row)[criterion + 1] : CString("0"));
    }
    result = MakeOffersSummaryRow(OffersSummaryCellText(dialog.m_strOfferNumber), values);
    return true;
}

void CZestawienieOfertDlg::OnAddOffer()
{
    OffersSummaryRow row;
    if (!AskOffer(nullptr, row))
        return;
    m_table.rows.push_back(row);
    ShowTable(static_cast<int>(m_table.rows.size()) - 1);
}

void CZestawienieOfertDlg::OnModify()
{
    const int selected = SelectedRow();
    if (selected < 0 || selected >= static_cast<int>(m_table.rows.size()))
        return;
    OffersSummaryRow row;
    if (!AskOffer(&m_table.rows[selected], row))
        return;
    m_table.rows[selected] = row;
    ShowTable(selected);
}

void CZestawienieOfertDlg::OnDelete()
{
    const int selected = SelectedRow();
    if (selected < 0 || selected >= static_cast<int>(m_table.rows.size()))
        return;
    m_table.rows.erase(m_table.rows.begin() + selected);
    ShowTable(-1);
}

void CZestawienieOfertDlg::OnCriteriaList()
{
    CListaKryteriowDlg dialog(this);
    const int editable = std::min(CriteriaCount(), kEditableCriteria);
    for (int criterion = 0; criterion < editable; ++criterion)
        dialog.m_strNames[criterion] = m_table.criteria[criterion];
    if (dialog.DoModal() != IDOK)
        return;

    std::vector<CString> names;
    for (int criterion = 0; criterion < dialog.m_nCount && criterion < CListaKryteriowDlg::kMaxCriteria; ++criterion)
        names.push_back(Trimmed(OffersSummaryCellText(dialog.m_strNames[criterion])));
    names.insert(names.end(), m_table.criteria.begin() + editable, m_table.criteria.end());
    SetOffersSummaryCriteria(m_table, names);
    ShowTable(SelectedRow());
}

void CZestawienieOfertDlg::OnOK()
{
    m_strText = WriteOffersSummary(m_table);
    EndDialog(IDOK);
}
