#include "proceeding/dialogs/save_as_dlg.h"

#include "app/app_settings.h"
#include "app/working_folder.h"
#include "framework/core/codepage.h"
#include "framework/ui/ddx.h"
#include "framework/ui/msgbox.h"
#include "proceeding/dialogs/proceeding_name.h"

BEGIN_MESSAGE_MAP(CSaveAsDlg, CDialog)
    ON_BN_CLICKED(IDC_CHOOSE_WORKING_FOLDER, OnChooseWorkingFolder)
END_MESSAGE_MAP()

CSaveAsDlg::CSaveAsDlg(CWnd *pParent) : CDialog(IDD, pParent) {}

void CSaveAsDlg::DoDataExchange(CDataExchange *pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_PROCEEDING_NAME, m_strName);
    DDV_MaxChars(pDX, m_strName, kMaxNameLength);
}

CString CSaveAsDlg::GetWorkingPath() const
{
    const AppSettings *settings = GetProgramSettings();
    return settings ? settings->WorkingPath : CString();
}

void CSaveAsDlg::ChooseWorkingFolder()
{
    AskForWorkingFolder();
}

void CSaveAsDlg::OnChooseWorkingFolder()
{
    ChooseWorkingFolder();
}

void CSaveAsDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    if (CreateProceedingFolder() == 0)
        EndDialog(IDOK);
}

void CSaveAsDlg::Inform(const CString &text)
{
    AfxShowMessageBox(m_hWnd, text, "Informacja", MB_OK | MB_ICONINFORMATION);
}

int CSaveAsDlg::CreateProceedingFolder()
{
    if (m_strName.IsEmpty()) {
        Inform("Proszę wybrać nazwę postępowania");
        return -1;
    }
    // The name becomes a folder of the working folder and the file names inside it: it may
    // never lead out of that folder or name something else.
    if (!IsValidFolderName(m_strName)) {
        Inform("Nazwa: " + m_strName
               + " nie może być nazwą katalogu. Nazwa nie może zawierać znaków \\ / : * ? \" < > |, "
                 "kończyć się kropką ani spacją ani być nazwą urządzenia. Proszę wybrać inną nazwę postępowania.");
        if (m_hWnd)
            GotoDlgCtrl(GetDlgItem(IDC_PROCEEDING_NAME));
        return -1;
    }
    const CString workingPath = GetWorkingPath();
    if (workingPath.IsEmpty()) {
        Inform("Przed rozpoczęciem pracy należy ustawić katalog postępowań bieżących");
        return -1;
    }
    const CString path = workingPath + "\\" + m_strName;
    if (GetFileAttributesW(Cp1250ToWide(path).c_str()) != INVALID_FILE_ATTRIBUTES) {
        Inform("Katalog o nazwie: " + m_strName + " już istnieje. Proszę wybrać inną nazwę postępowania.");
        if (m_hWnd)
            GotoDlgCtrl(GetDlgItem(IDC_PROCEEDING_NAME));
        return -1;
    }
    if (!CreateDirectoryW(Cp1250ToWide(path).c_str(), nullptr)) {
        AfxShowMessageBox(m_hWnd, "Błąd utworzenia katalogu: " + path + ".", "Błąd", MB_OK | MB_ICONWARNING);
        return -1;
    }
    return 0;
}
