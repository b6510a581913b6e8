// "Rejestr wykonawców": the register of contractors kept by the user, each row added, changed
// or deleted at once in the registers database, and "Wykonawca", the form of one row.
#pragma once

#include "framework/db/connection.h"
#include "framework/ui/commctrls.h"
#include "framework/ui/dialog.h"
#include "proceeding/merge/contractor_register.h"
#include "res/resource.h"

class CContractorDlg : public CDialog {
public:
    enum { IDD = IDD_WYKONAWCA };

    explicit CContractorDlg(CWnd *pParent = nullptr);
    void OnOK() override;

    // In and out; only the five texts the form shows change.
    Contractor m_contractor;

protected:
    void DoDataExchange(CDataExchange *pDX) override;
};

class CContractorRegisterDlg : public CDialog {
public:
    enum { IDD = IDD_REJESTR_WYKONAWCOW };

    explicit CContractorRegisterDlg(CWnd *pParent = nullptr);
    BOOL OnInitDialog() override;

    // The registers database; the application's when the caller sets none.
    ConnectionPtr m_connection;
    CListCtrl m_list;

    void OnAdd();
    void OnChange();
    void OnDelete();

protected:
    void DoDataExchange(CDataExchange *pDX) override;
    void OnDblClkList(NMHDR *, LRESULT *pResult);
    DECLARE_MESSAGE_MAP()

private:
    // The rows again, the row of the key selected (none for 0).
    void LoadRows(int selectedKey);
    int SelectedKey() const;
};

// The register of contractors on the application's registers database, modal.
void RunContractorRegister(CWnd *parent);
