// The three password dialogs of a proceeding: asking for the stored password when it opens,
// choosing one when it is first saved, and changing it. The caller stores the result.
#pragma once

#include "framework/ui/dialog.h"
#include "res/resource.h"

// Longest password the protect and change dialogs take; well within what the data file holds.
const int kMaxDialogPassword = 10;

class CPasswordPromptDlg : public CDialog {
public:
    enum { IDD = IDD_PASSWORD_PROMPT };

    explicit CPasswordPromptDlg(CWnd *pParent = nullptr);
    BOOL OnInitDialog() override;
    void OnOK() override;

    CString m_strStoredPassword; // set by the caller; "" accepts any entry
    CString m_strPassword;       // typed

protected:
    void DoDataExchange(CDataExchange *pDX) override;
};

class CProtectDocumentDlg : public CDialog {
public:
    enum { IDD = IDD_PROTECT_DOCUMENT };

    explicit CProtectDocumentDlg(CWnd *pParent = nullptr);
    BOOL OnInitDialog() override;
    void OnOK() override;

    int m_nProtect = 1;    // the box starts ticked
    CString m_strPassword; // "" no protection
    CString m_strPasswordRepeat;

protected:
    void DoDataExchange(CDataExchange *pDX) override;
    void OnProtectClicked();
    DECLARE_MESSAGE_MAP()

private:
    void EnablePasswordEdits();
};

class CChangePasswordDlg : public CDialog {
public:
    enum { IDD = IDD_CHANGE_PASSWORD };

    explicit CChangePasswordDlg(CWnd *pParent = nullptr);
    void OnOK() override;

    CString m_strStoredPassword; // set by the caller
    CString m_strOldPassword;
    CString m_strNewPassword; // "" removes the protection
    CString m_strNewPasswordRepeat;

protected:
    void DoDataExchange(CDataExchange *pDX) override;
};
