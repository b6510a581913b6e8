// "Lista kryteriów": the at most ten criterion names that the offers summary shows as columns.
// The caller sets the names before DoModal and after IDOK reads the count and the names (those
// past the count are empty); Cancel changes nothing.
#pragma once

#include "framework/ui/controls.h"
#include "framework/ui/dialog.h"
#include "res/lists_ids.h"

class CListaKryteriowDlg : public CDialog {
public:
    enum { IDD = IDD_CRITERIA_LIST };
    static constexpr int kMaxCriteria = 10;

    explicit CListaKryteriowDlg(CWnd *pParent = nullptr);

    int m_nCount = 0;                 // out
    CString m_strNames[kMaxCriteria]; // in and out

    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnAdd();
    void OnEdit();
    void OnDelete();

    CListBox m_list;

protected:
    void DoDataExchange(CDataExchange *pDX) override;
    DECLARE_MESSAGE_MAP()
};
