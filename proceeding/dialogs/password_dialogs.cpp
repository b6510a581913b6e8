#include "proceeding/dialogs/password_dialogs.h"

#include "model/data_file.h"
#include "framework/ui/ddx.h"
#include "framework/ui/msgbox.h"

static_assert(kMaxDialogPassword <= kMaxPasswordLength, "a chosen password must fit the data file");

namespace {

const char kPasswordsDiffer[] = "Podane hasła nie są identyczne";

void Warn(CWnd &dialog, const char *text)
{
    AfxShowMessageBox(dialog.m_hWnd, text, "Błąd", MB_OK | MB_ICONWARNING);
}

} // namespace

CPasswordPromptDlg::CPasswordPromptDlg(CWnd *pParent) : CDialog(IDD, pParent) {}

void CPasswordPromptDlg::DoDataExchange(CDataExchange *pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_PASSWORD, m_strPassword);
    // No stored password is longer, so a longer entry can only be wrong.
    DDV_MaxChars(pDX, m_strPassword, kMaxPasswordLength);
}

BOOL CPasswordPromptDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    HICON icon = static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_AUTHORIZATION), IMAGE_ICON, 16, 16, 0));
    if (icon)
        SetIcon(icon, FALSE);
    return TRUE;
}

void CPasswordPromptDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    if (!m_strStoredPassword.IsEmpty() && m_strPassword != m_strStoredPassword) {
        AfxShowMessageBox(m_hWnd, "Błędne hasło", "Błąd autoryzacji", MB_OK | MB_ICONERROR);
        return;
    }
    EndDialog(IDOK);
}

BEGIN_MESSAGE_MAP(CProtectDocumentDlg, CDialog)
    ON_BN_CLICKED(IDC_PROTECT_DOCUMENT, OnProtectClicked)
END_MESSAGE_MAP()

CProtectDocumentDlg::CProtectDocumentDlg(CWnd *pParent) : CDialog(IDD, pParent) {}

void CProtectDocumentDlg::DoDataExchange(CDataExchange *pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_PROTECT_DOCUMENT, m_nProtect);
    DDX_Text(pDX, IDC_PASSWORD, m_strPassword);
    DDV_MaxChars(pDX, m_strPassword, kMaxDialogPassword);
    DDX_Text(pDX, IDC_PASSWORD_REPEAT, m_strPasswordRepeat);
    DDV_MaxChars(pDX, m_strPasswordRepeat, kMaxDialogPassword);
}

BOOL CProtectDocumentDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    EnablePasswordEdits();
    return TRUE;
}

void CProtectDocumentDlg::EnablePasswordEdits()
{
    GetDlgItem(IDC_PASSWORD)->EnableWindow(m_nProtect != 0);
    GetDlgItem(IDC_PASSWORD_REPEAT)->EnableWindow(m_nProtect != 0);
}

void CProtectDocumentDlg::OnProtectClicked()
{
    m_nProtect = IsDlgButtonChecked(IDC_PROTECT_DOCUMENT) == BST_CHECKED ? 1 : 0;
    EnablePasswordEdits();
}

void CProtectDocumentDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    if (m_nProtect) {
        if (m_strPassword != m_strPasswordRepeat) {
            Warn(*this, kPasswordsDiffer);
            return;
        }
        if (m_strPassword.IsEmpty()) {
            Warn(*this, "Pole 'Hasło' musi być wypełnione");
            return;
        }
    } else {
        m_strPassword.Empty();
        m_strPasswordRepeat.Empty();
        UpdateData(FALSE);
    }
    EndDialog(IDOK);
}

CChangePasswordDlg::CChangePasswordDlg(CWnd *pParent) : CDialog(IDD, pParent) {}

void CChangePasswordDlg::DoDataExchange(CDataExchange *pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_OLD_PASSWORD, m_strOldPassword);
    // The stored password may come from a file of any earlier version: it must stay typeable.
    DDV_MaxChars(pDX, m_strOldPassword, kMaxPasswordLength);
    DDX_Text(pDX, IDC_PASSWORD, m_strNewPassword);
    DDV_MaxChars(pDX, m_strNewPassword, kMaxDialogPassword);
    DDX_Text(pDX, IDC_PASSWORD_REPEAT, m_strNewPasswordRepeat);
    DDV_MaxChars(pDX, m_strNewPasswordRepeat, kMaxDialogPassword);
}

void CChangePasswordDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    if (m_strOldPassword != m_strStoredPassword) {
        Warn(*this, "Podane hasło stare jest nieprawidłowe");
        return;
    }
    if (m_strNewPassword != m_strNewPasswordRepeat) {
        Warn(*this, kPasswordsDiffer);
        return;
    }
    EndDialog(IDOK);
}
