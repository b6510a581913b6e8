#include "mainframe/tools/backup_manager_dlg.h"

#include "app/app_settings.h"
#include "framework/core/filefind.h"
#include "framework/ui/ddx.h"
#include "framework/ui/msgbox.h"
#include "mainframe/outside_program.h"
#include "mainframe/settings_dlg.h"
#include "mainframe/tools/backup_header.h"
#include "res/resource.h"

BEGIN_MESSAGE_MAP(CBackupManagerDlg, CDialog)
    ON_BN_CLICKED(IDC_BACKUP_MAKE, OnBackup)
    ON_BN_CLICKED(IDC_BACKUP_RESTORE, OnRestore)
    ON_BN_CLICKED(IDC_BACKUP_REFRESH, OnRefresh)
    ON_BN_CLICKED(IDC_BACKUP_CHANGE_FOLDER, OnChangeFolder)
    ON_BN_CLICKED(IDC_BACKUP_CLOSE, OnCloseButton)
END_MESSAGE_MAP()

CString BackupRestoreArgument(const CString &folder, const CString &fileName)
{
    CString path = folder + "\\" + fileName;
    path.Replace(' ', '@');
    return path;
}

CBackupManagerDlg::CBackupManagerDlg(CWnd *pParent)
    : CDialog(IDD_BACKUP_MANAGER, pParent), startProgram(StartOutsideProgram)
{
}

void CBackupManagerDlg::DoDataExchange(CDataExchange *pDX)
{
    DDX_Text(pDX, IDC_BACKUP_FOLDER, m_folder);
}

BOOL CBackupManagerDlg::OnInitDialog()
{
    m_folder = GetProgramSettings()->BackupPath;
    CDialog::OnInitDialog();
    m_list.SubclassDlgItem(IDC_BACKUP_LIST, this);
    m_list.SetExtendedStyle(m_list.GetExtendedStyle() | LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    m_list.InsertColumn(0, "Data wykonania", LVCFMT_LEFT, 105);
    m_list.InsertColumn(1, "Nazwa pliku", LVCFMT_LEFT, 90);
    m_list.InsertColumn(2, "Opis", LVCFMT_LEFT, 240);
    FillList();
    GotoDlgCtrl(&m_list);
    return FALSE;
}

void CBackupManagerDlg::FillList()
{
    m_list.DeleteAllItems();
    CFileFind find;
    BOOL more = find.FindFile(m_folder + "\\*.bkp");
    while (more) {
        more = find.FindNextFile();
        if (find.IsDots() || find.IsDirectory())
            continue;
        CBackupHeader header;
        const BackupHeaderStatus status = ReadBackupHeader(find.GetFilePath(), header);
        if (status == BackupHeaderStatus::CannotOpen)
            continue;
        if (status == BackupHeaderStatus::UnsupportedVersion)
            AfxShowMessageBox(nullptr, "Nieobsługiwana wersja pliku archiwum.", "Błąd", MB_OK | MB_ICONERROR);
        const int row = m_list.InsertItem(m_list.GetItemCount(), status == BackupHeaderStatus::Damaged
                                                                     ? CString()
                                                                     : header.m_time.Format("%Y-%m-%d %H:%M"));
        m_list.SetItemText(row, 1, find.GetFileName());
        m_list.SetItemText(row, 2,
                           status == BackupHeaderStatus::Damaged ? CString("Uszkodzony plik kopii zapasowej")
                                                                 : header.m_description);
    }
}

CString CBackupManagerDlg::BackupProgramPath() const
{
    return GetProgramSettings()->MainPath + "\\Carvinhold.exe";
}

void CBackupManagerDlg::Start(const CString &arguments)
{
    if (!startProgram(BackupProgramPath(), arguments))
        AfxShowMessageBox(m_hWnd, "Nie można uruchomić programu kopii zapasowych:\n" + BackupProgramPath(), "Błąd",
                          MB_OK | MB_ICONERROR);
}

void CBackupManagerDlg::OnBackup()
{
    if (AfxShowMessageBox(m_hWnd, "Czy wykonać kopię zapasową katalogu bieżących postępowań?", "Potwierdzenie",
                          MB_YESNO | MB_ICONQUESTION)
        == IDYES)
        Start("PACK");
}

void CBackupManagerDlg::OnRestore()
{
    const int row = m_list.GetNextItem(-1, LVNI_SELECTED);
    if (row < 0) {
        AfxShowMessageBox(m_hWnd, "Brak wybranych elementów.", "Błąd", MB_OK | MB_ICONERROR);
        return;
    }
    if (AfxShowMessageBox(m_hWnd, "Czy odtworzyć wskazaną kopię zapasową?", "Potwierdzenie", MB_YESNO | MB_ICONQUESTION)
        != IDYES)
        return;
    Start(BackupRestoreArgument(m_folder, m_list.GetItemText(row, 1)));
}

void CBackupManagerDlg::OnRefresh()
{
    FillList();
}

// The rows stay those of the old folder until "Odśwież".
void CBackupManagerDlg::OnChangeFolder()
{
    CUstawieniaDlg settings(this);
    settings.m_focusField = CUstawieniaDlg::FocusBackup;
    if (settings.DoModal() != IDOK)
        return;
    m_folder = GetProgramSettings()->BackupPath;
    SetDlgItemText(IDC_BACKUP_FOLDER, m_folder);
}

void CBackupManagerDlg::OnCloseButton()
{
    EndDialog(IDCANCEL);
}
