#include "proceeding/merge/series_correspondence_wizard.h"

#include "framework/db/recordset.h"
#include "framework/ui/ddx.h"
#include "framework/ui/msgbox.h"
#include "proceeding/merge/contractor_register.h"

namespace {

const int kNumberColumn = 0;

// Column 0 of every row: its place in the list, from 1.
void Renumber(CListCtrl &list)
{
    for (int row = 0; row < list.GetItemCount(); ++row) {
        CString number;
        number.Format("%d", row + 1);
        list.SetItemText(row, kNumberColumn, number);
    }
}

int AppendRow(CListCtrl &list, const std::vector<CString> &texts, DWORD_PTR data)
{
    CString number;
    number.Format("%d", list.GetItemCount() + 1);
    const int row = list.InsertItem(list.GetItemCount(), number);
    for (size_t column = 0; column < texts.size(); ++column)
        list.SetItemText(row, static_cast<int>(column) + 1, texts[column]);
    list.SetItemData(row, data);
    return row;
}

std::vector<int> ItemData(const CListCtrl &list)
{
    std::vector<int> keys;
    for (int row = 0; row < list.GetItemCount(); ++row)
        keys.push_back(static_cast<int>(list.GetItemData(row)));
    return keys;
}

} // namespace

std::vector<MergeDocument> CorrespondenceDocuments(const DocumentList &list)
{
    std::vector<MergeDocument> documents;
    for (int d = 0; d < list.count; ++d) {
        const DocumentSlot &slot = list.slots[d];
        if (slot.state >= 0 && slot.correspondence != 0)
            documents.push_back({d, slot.displayName});
    }
    return documents;
}

BEGIN_MESSAGE_MAP(CSeriesCorespondenceWizzard, CDialog)
    ON_BN_CLICKED(IDC_MERGE_ADD, OnAdd)
    ON_BN_CLICKED(IDC_MERGE_REMOVE, OnRemove)
    ON_BN_CLICKED(IDC_MERGE_NEXT, OnNext)
    ON_BN_CLICKED(IDC_MERGE_BACK, OnBack)
    ON_NOTIFY(NM_CLICK, IDC_MERGE_AVAILABLE, OnListClick)
    ON_NOTIFY(NM_CLICK, IDC_MERGE_CHOSEN, OnListClick)
    ON_NOTIFY(LVN_ITEMCHANGED, IDC_MERGE_AVAILABLE, OnListClick)
    ON_NOTIFY(LVN_ITEMCHANGED, IDC_MERGE_CHOSEN, OnListClick)
    ON_NOTIFY(NM_DBLCLK, IDC_MERGE_AVAILABLE, OnAvailableDblClk)
    ON_NOTIFY(NM_DBLCLK, IDC_MERGE_CHOSEN, OnChosenDblClk)
END_MESSAGE_MAP()

CSeriesCorespondenceWizzard::CSeriesCorespondenceWizzard(CWnd *pParent) : CDialog(IDD, pParent)
{
    m_titleFont.CreateFont(-12, 0, 0, 0, FW_BOLD, 0, 0, 0, EASTEUROPE_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                           DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "Arial");
}

void CSeriesCorespondenceWizzard::DoDataExchange(CDataExchange *pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_MERGE_STEP_TITLE, m_stepTitle);
    DDX_Control(pDX, IDC_MERGE_AVAILABLE, m_available);
    DDX_Control(pDX, IDC_MERGE_CHOSEN, m_chosen);
}

BOOL CSeriesCorespondenceWizzard::OnInitDialog()
{
    CDialog::OnInitDialog();
    for (CListCtrl *list : {&m_available, &m_chosen})
        list->SetExtendedStyle(list->GetExtendedStyle() | LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    m_stepTitle.SetFont(&m_titleFont);
    m_stepTitle.SetTextColor(RGB(128, 0, 0));
    m_stepTitle.SetFontBold(true);
    m_nStep = 0;
    FillContractors();
    return TRUE;
}

void CSeriesCorespondenceWizzard::ShowStepTitle(const CString &title)
{
    m_strStepTitle = title;
    m_stepTitle.SetWindowText(title);
}

void CSeriesCorespondenceWizzard::ResetLists(const std::vector<std::pair<const char *, int>> &columns)
{
    for (CListCtrl *list : {&m_available, &m_chosen}) {
        list->DeleteAllItems();
        for (int column = m_nColumns - 1; column >= 0; --column)
            list->DeleteColumn(column);
        for (size_t column = 0; column < columns.size(); ++column)
            list->InsertColumn(static_cast<int>(column), columns[column].first, LVCFMT_LEFT, columns[column].second);
    }
    m_nColumns = static_cast<int>(columns.size());
}

void CSeriesCorespondenceWizzard::FillContractors()
{
    GetDlgItem(IDC_MERGE_BACK)->EnableWindow(FALSE);
    GetDlgItem(IDC_MERGE_NEXT)->EnableWindow(TRUE);
    GetDlgItem(IDC_MERGE_NEXT)->SetWindowText("Dalej >>");
    ShowStepTitle("Krok 1. Lista wykonawców");
    m_nStep = 0;
    ResetLists({{"Lp", 25}, {"Wykonawca", 170}, {"Adres", 100}});

    ContractorRegister contractors(m_connection);
    if (!contractors.IsOpen()) {
        AfxShowMessageBox(m_hWnd, "Baza danych rejestrów nie jest otwarta", "Błąd", MB_OK | MB_ICONERROR);
    } else {
        try {
            for (const Contractor &contractor : contractors.LoadAll()) {
                CListCtrl &target = ListHasKey(m_strChosenContractors, contractor.lp) ? m_chosen : m_available;
                AppendRow(target, {contractor.Name(), MergeAddress(contractor)}, static_cast<DWORD_PTR>(contractor.lp));
            }
        } catch (...) {
            ReportCurrentException(m_hWnd);
        }
    }
    UpdateMoveButtons();
}

void CSeriesCorespondenceWizzard::FillDocuments()
{
    GetDlgItem(IDC_MERGE_BACK)->EnableWindow(TRUE);
    GetDlgItem(IDC_MERGE_NEXT)->EnableWindow(TRUE);
    GetDlgItem(IDC_MERGE_NEXT)->SetWindowText("Zakończ");
    ShowStepTitle("Krok 2. Lista dokumentów");
    ResetLists({{"Lp", 25}, {"Dokument", 260}});
    for (const MergeDocument &document : CorrespondenceDocuments(m_documents))
            AppendRow(m_available, {document.name}, static_cast<DWORD_PTR>(document.number));
    m_nStep = 1;
    UpdateMoveButtons();
}

void CSeriesCorespondenceWizzard::OnNext()
{
    if (m_chosen.GetItemCount() == 0) {
        AfxShowMessageBox(m_hWnd,
                          m_nStep == 0 ? "Aby kontynuować należy wybrać co najmniej jednego wykonawcę."
                                       : "Aby kontynuować należy wybrać co najmniej jeden dokument.",
                          "Informacja", MB_OK | MB_ICONINFORMATION);
        return;
    }
    if (m_nStep == 0) {
        m_strChosenContractors = JoinKeys(ItemData(m_chosen));
        FillDocuments();
        return;
    }
    m_strChosenDocuments = JoinKeys(ItemData(m_chosen));
    EndDialog(IDOK);
}

void CSeriesCorespondenceWizzard::OnBack()
{
    if (m_nStep == 1)
        FillContractors();
}

void CSeriesCorespondenceWizzard::MoveSelected(CListCtrl &source, CListCtrl &target)
{
    std::vector<int> rows;
    for (int row = source.GetNextItem(-1, LVNI_SELECTED); row >= 0; row = source.GetNextItem(row, LVNI_SELECTED))
        rows.push_back(row);
    for (int row : rows) {
        std::vector<CString> texts;
        for (int column = 1; column < m_nColumns; ++column)
            texts.push_back(source.GetItemText(row, column));
        AppendRow(target, texts, source.GetItemData(row));
    }
    for (auto row = rows.rbegin(); row != rows.rend(); ++row)
        source.DeleteItem(*row);
    Renumber(source);
    UpdateMoveButtons();
}

void CSeriesCorespondenceWizzard::UpdateMoveButtons()
{
    GetDlgItem(IDC_MERGE_ADD)->EnableWindow(m_available.GetSelectedCount() > 0);
    GetDlgItem(IDC_MERGE_REMOVE)->EnableWindow(m_chosen.GetSelectedCount() > 0);
}

void CSeriesCorespondenceWizzard::OnListClick(NMHDR *, LRESULT *pResult)
{
    UpdateMoveButtons();
    *pResult = 0;
}

void CSeriesCorespondenceWizzard::OnAvailableDblClk(NMHDR *, LRESULT *pResult)
{
    OnAdd();
    *pResult = 0;
}

void CSeriesCorespondenceWizzard::OnChosenDblClk(NMHDR *, LRESULT *pResult)
{
    OnRemove();
    *pResult = 0;
}
