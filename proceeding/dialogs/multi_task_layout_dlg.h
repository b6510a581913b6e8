// The parts of a divided proceeding: a part is added, renamed or marked deleted, never removed.
// The caller fills the members, and copies them back only after OK.
#pragma once

#include "framework/ui/commctrls.h"
#include "framework/ui/dialog.h"
#include "res/resource.h"

// The name of one part.
class CTaskNameDlg : public CDialog {
public:
    enum { IDD = IDD_TASK_NAME };
    static const int kMaxNameLength = 200;

    explicit CTaskNameDlg(CWnd *pParent = nullptr);
    void OnOK() override;

    CString m_strName;

protected:
    void DoDataExchange(CDataExchange *pDX) override;
};

class CMultiTaskLayoutDlg : public CDialog {
public:
    enum { IDD = IDD_MULTI_TASK_LAYOUT };
    static const int kSlots = 200;
    static const int kMaxParts = 100;
    static const char kDeletedSuffix[];

    explicit CMultiTaskLayoutDlg(CWnd *pParent = nullptr);
    BOOL OnInitDialog() override;

    int m_nFirstRowFixed = 0; // 1: the first part cannot be deleted
    int m_nCount = 0;
    CString m_strNames[kSlots];
    int m_nActive[kSlots] = {}; // 1 active, 0 deleted
    CListCtrl m_list;

protected:
    void DoDataExchange(CDataExchange *pDX) override;
    void OnAdd();
    void OnEdit();
    void OnDelete();
    DECLARE_MESSAGE_MAP()

private:
    int SelectedRow() const;
    // Asks for a name; false on Cancel.
    bool AskName(CString &name);
};
