// "Wspólny Słownik Zamówień": looks up a CPV code in the main or supplementary dictionary,
// filtered by a fragment of a code or name, as a flat list or as a tree by code prefix. A double
// click on a row ends the dialog with IDOK and the row in m_strResult; "Zamknij" ends it with
// IDOK and an empty result when nothing was chosen.
#pragma once

#include "framework/ui/commctrls.h"
#include "framework/ui/controls.h"
#include "framework/ui/dialog.h"
#include "res/cpv_ids.h"

class CCPVDlg : public CDialog {
public:
    enum { IDD = IDD_CPV_DICTIONARY };
    enum ViewMode { kListView = 0, kTreeView = 1 };

    explicit CCPVDlg(CWnd *pParent = nullptr);

    CString m_strResult; // "<code>\t<name>\r\n" of the chosen row, out
    CTabCtrl m_tabs;
    CListCtrl m_list;
    CEdit m_searchEdit;
    CString m_strSearch;
    CTreeCtrl m_tree;
    int m_nViewMode = kListView;
    CString m_strMainPath; // the program folder; the application's by default

    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange *pDX) override;
    void OnViewMode();
    void OnSearch();
    void OnTabChanged(NMHDR *pNMHDR, LRESULT *pResult);
    void OnDblClkList(NMHDR *pNMHDR, LRESULT *pResult);
    void OnCloseButton();
    DECLARE_MESSAGE_MAP()

private:
    void LoadDictionary();

    // A dictionary's problem is told once per opening, not on every search.
    bool m_problemShown[2] = {false, false};
};
