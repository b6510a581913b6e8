#include "proceeding/editors/cpv_dlg.h"

#include <vector>

#include "app/app_settings.h"
#include "framework/ui/ddx.h"
#include "proceeding/editors/cpv_dictionary.h"

namespace {

const int kCodeColumnWidth = 95;
const int kNameColumnWidth = 425;

} // namespace

BEGIN_MESSAGE_MAP(CCPVDlg, CDialog)
    ON_BN_CLICKED(IDC_CPV_LIST_MODE, OnViewMode)
    ON_BN_CLICKED(IDC_CPV_TREE_MODE, OnViewMode)
    ON_BN_CLICKED(IDC_CPV_SEARCH_BUTTON, OnSearch)
    ON_BN_CLICKED(IDC_CPV_CLOSE, OnCloseButton)
    ON_NOTIFY(TCN_SELCHANGE, IDC_CPV_TABS, OnTabChanged)
    ON_NOTIFY(NM_DBLCLK, IDC_CPV_LIST, OnDblClkList)
END_MESSAGE_MAP()

CCPVDlg::CCPVDlg(CWnd *pParent) : CDialog(IDD, pParent)
{
    if (const AppSettings *settings = GetProgramSettings())
        m_strMainPath = settings->MainPath;
}

void CCPVDlg::DoDataExchange(CDataExchange *pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_CPV_TABS, m_tabs);
    DDX_Control(pDX, IDC_CPV_LIST, m_list);
    DDX_Control(pDX, IDC_CPV_SEARCH_TEXT, m_searchEdit);
    DDX_Text(pDX, IDC_CPV_SEARCH_TEXT, m_strSearch);
    DDX_Control(pDX, IDC_CPV_TREE, m_tree);
    DDX_Radio(pDX, IDC_CPV_LIST_MODE, m_nViewMode);
}

BOOL CCPVDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_tabs.InsertItem(kCpvMainDictionary, "Słownik główny");
    m_tabs.InsertItem(kCpvSupplementaryDictionary, "Słownik uzupełniający");
    m_list.ModifyStyle(LVS_TYPEMASK, LVS_REPORT | LVS_SHOWSELALWAYS);
    m_list.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    m_list.InsertColumn(0, "Kod CPV", LVCFMT_LEFT, kCodeColumnWidth);
    m_list.InsertColumn(1, "Nazwa", LVCFMT_LEFT, kNameColumnWidth);
    m_tabs.SetCurSel(kCpvMainDictionary);
    OnViewMode();
    return TRUE;
}

void CCPVDlg::OnViewMode()
{
    UpdateData(TRUE);
    m_list.ShowWindow(m_nViewMode == kTreeView ? SW_HIDE : SW_SHOW);
    m_tree.ShowWindow(m_nViewMode == kTreeView ? SW_SHOW : SW_HIDE);
    LoadDictionary();
}

void CCPVDlg::OnSearch()
{
    LoadDictionary();
}

void CCPVDlg::OnTabChanged(NMHDR *, LRESULT *pResult)
{
    LoadDictionary();
    *pResult = 0;
}

void CCPVDlg::LoadDictionary()
{
    const int dictionary =
        m_tabs.GetCurSel() == kCpvSupplementaryDictionary ? kCpvSupplementaryDictionary : kCpvMainDictionary;
    UpdateData(TRUE);
    m_list.DeleteAllItems();
    const CpvDictionaryFile file = ReadCpvDictionary(m_strMainPath, dictionary, NormalizeCpvSearch(m_strSearch));

    if (m_nViewMode == kTreeView) {
        m_tree.SetRedraw(FALSE);
        m_tree.DeleteAllItems();
        std::vector<HTREEITEM> items;
        for (const CpvTreeNode &node : BuildCpvTree(file.entries))
            items.push_back(m_tree.InsertItem(node.text, node.parent < 0 ? TVI_ROOT : items[node.parent]));
        m_tree.SetRedraw(TRUE);
        m_tree.Invalidate();
    } else {
        // A whole dictionary is thousands of rows: drawn once they are all in.
        m_list.SetRedraw(FALSE);
        for (const CpvEntry &entry : file.entries) {
            const int row = m_list.InsertItem(m_list.GetItemCount(), entry.code);
            m_list.SetItemText(row, 1, entry.name);
        }
        m_list.SetRedraw(TRUE);
        m_list.Invalidate();
    }

    if (!file.problem.IsEmpty() && !m_problemShown[dictionary]) {
        m_problemShown[dictionary] = true;
        // The installation ships no dictionaries: a missing one is no error of the user's.
        if (file.missing)
            MessageBox(file.problem, "Informacja", MB_ICONINFORMATION);
        else
            MessageBox(file.problem, "Błąd", MB_ICONERROR);
    }
}

void CCPVDlg::OnDblClkList(NMHDR *, LRESULT *pResult)
{
    *pResult = 0;
    const int row = m_list.GetNextItem(-1, LVNI_SELECTED);
    if (row < 0)
        return;
    m_strResult = CpvChoiceText(m_list.GetItemText(row, 0), m_list.GetItemText(row, 1));
    EndDialog(IDOK);
}

void CCPVDlg::OnCloseButton()
{
    CDialog::OnOK();
}
