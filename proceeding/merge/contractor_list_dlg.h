// "Lista wykonawców": the register's contractors, one of which the table editor takes. After
// OK the caller reads the chosen contractor's five texts; Cancel leaves them empty.
#pragma once

#include "framework/db/connection.h"
#include "framework/ui/commctrls.h"
#include "framework/ui/dialog.h"
#include "res/resource.h"

class CContractorListDlg : public CDialog {
public:
    enum { IDD = IDD_LISTA_WYKONAWCOW };

    explicit CContractorListDlg(CWnd *pParent = nullptr);
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

    // The registers database; the application's when the caller sets none.
    ConnectionPtr m_connection;

    CString m_strName;
    CString m_strAddress;
    CString m_strPhones;
    CString m_strEmail;
    CString m_strContact;
    CListCtrl m_list;

    void LoadContractors();
    void OnRefresh();
    void OnChoose();
    void OnEdit();

protected:
    void DoDataExchange(CDataExchange *pDX) override;
    DECLARE_MESSAGE_MAP()
};

// The registers program on the register of contractors; a missing program is told.
void StartRegistersProgram(HWND owner);
