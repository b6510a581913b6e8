#include "mainframe/settings_dlg.h"

#include "model/file_utils.h"
#include "app/app_settings.h"
#include "app/number_format.h"
#include "controls/folder_dialog.h"
#include "framework/ui/commctrls.h"
#include "framework/ui/ddx.h"
#include "framework/ui/msgbox.h"
#include "res/resource.h"

#include <algorithm>
#include <vector>

BEGIN_MESSAGE_MAP(CUstawieniaDlg, CDialog)
    ON_BN_CLICKED(IDC_AUTOSAVE_ON, OnAutosaveOn)
    ON_EN_KILLFOCUS(IDC_AUTOSAVE_PERIOD, OnPeriodKillFocus)
    ON_COMMAND_EX(IDC_BROWSE_CURRENT, OnBrowse)
    ON_COMMAND_EX(IDC_BROWSE_ARCHIVE, OnBrowse)
    ON_COMMAND_EX(IDC_BROWSE_SCHEDULE, OnBrowse)
    ON_COMMAND_EX(IDC_BROWSE_BACKUP, OnBrowse)
    ON_COMMAND_EX(IDC_BROWSE_EXPORT, OnBrowse)
END_MESSAGE_MAP()

CUstawieniaDlg::CUstawieniaDlg(CWnd *pParent) : CDialog(IDD_USTAWIENIA, pParent) {}

int CUstawieniaDlg::ClampPeriod(int minutes)
{
    return minutes < kShortestAutosave ? kShortestAutosave : minutes > kLongestAutosave ? kLongestAutosave : minutes;
}

void CUstawieniaDlg::DoDataExchange(CDataExchange *pDX)
{
    DDX_Text(pDX, IDC_FOLDER_CURRENT, m_currentFolder);
    DDX_Text(pDX, IDC_FOLDER_ARCHIVE, m_archiveFolder);
    DDX_Text(pDX, IDC_FOLDER_SCHEDULE, m_scheduleFolder);
    DDX_Text(pDX, IDC_EURO_RATE, m_euroRate);
    DDX_Check(pDX, IDC_AUTOSAVE_ON, m_autosaveOn);
    DDX_Text(pDX, IDC_AUTOSAVE_PERIOD, m_autosavePeriod);
    DDX_Text(pDX, IDC_FOLDER_BACKUP, m_backupFolder);
    DDX_Text(pDX, IDC_FOLDER_EXPORT, m_exportFolder);
}

BOOL CUstawieniaDlg::OnInitDialog()
{
    const AppSettings &settings = *GetProgramSettings();
    CSpinButtonCtrl spin;
    spin.Attach(::GetDlgItem(m_hWnd, IDC_AUTOSAVE_SPIN));
    spin.SetBuddy(GetDlgItem(IDC_AUTOSAVE_PERIOD));
    spin.SetRange32(kShortestAutosave, kLongestAutosave);
    spin.Detach();

    m_euroRate = FormatScaledNumber(settings.EuroRate, ".4");
    m_currentFolder = settings.WorkingPath;
    m_archiveFolder = settings.ArchivePath;
    m_scheduleFolder = settings.SchedulePath;
    m_backupFolder = settings.BackupPath;
    m_exportFolder = settings.ExportPath;
    m_autosaveOn = settings.AutoSaveOn;
    m_autosavePeriod = ClampPeriod(settings.AutoSaveInterval);
    CDialog::OnInitDialog();
    EnablePeriod();

    const int focus = m_focusField == FocusArchive    ? IDC_FOLDER_ARCHIVE
                      : m_focusField == FocusSchedule ? IDC_FOLDER_SCHEDULE
                      : m_focusField == FocusBackup   ? IDC_FOLDER_BACKUP
                                                      : IDC_FOLDER_CURRENT;
    GotoDlgCtrl(GetDlgItem(focus));
    return FALSE;
}

void CUstawieniaDlg::EnablePeriod()
{
    GetDlgItem(IDC_AUTOSAVE_PERIOD)->EnableWindow(m_autosaveOn != 0);
}

void CUstawieniaDlg::OnAutosaveOn()
{
    m_autosaveOn = IsDlgButtonChecked(IDC_AUTOSAVE_ON) ? 1 : 0;
    EnablePeriod();
}

void CUstawieniaDlg::OnPeriodKillFocus()
{
    if (!UpdateData(TRUE))
        return;
    m_autosavePeriod = ClampPeriod(m_autosavePeriod);
    UpdateData(FALSE);
}

BOOL CUstawieniaDlg::OnBrowse(UINT nID)
{
    CString *target = nID == IDC_BROWSE_CURRENT    ? &m_currentFolder
                      : nID == IDC_BROWSE_ARCHIVE  ? &m_archiveFolder
                      : nID == IDC_BROWSE_SCHEDULE ? &m_scheduleFolder
                      : nID == IDC_BROWSE_BACKUP   ? &m_backupFolder
                                                   : &m_exportFolder;
    if (!UpdateData(TRUE))
        return TRUE;
    const char *title = nID == IDC_BROWSE_EXPORT ? "Wybierz katalog tymczasowy..." : "Wybierz katalog...";
    CFolderDialog chooser(title, title, *target, this);
    if (chooser.DoModal() == 1) {
        *target = chooser.GetPath();
        UpdateData(FALSE);
    }
    return TRUE;
}

int CUstawieniaDlg::CheckFolders()
{
    CString *folders[] = {&m_currentFolder, &m_archiveFolder, &m_scheduleFolder, &m_backupFolder, &m_exportFolder};
    std::vector<CString> missing;
    for (CString *folder : folders) {
        folder->Trim();
        *folder = CFolderDialog::WithoutTrailingSeparator(*folder);
        if (folder->IsEmpty()) {
            AfxShowMessageBox(m_hWnd, "Proszę podać wszystkie wymagane katalogi", "Informacja", MB_ICONERROR);
            return 0;
        }
        if (DirectoryExists(*folder) || std::find(missing.begin(), missing.end(), *folder) != missing.end())
            continue;
        // Only a well-formed path is offered for creation: no "..", no forbidden characters.
        if (CFolderDialog::CreateFolder(*folder, true) == 1) {
            AfxShowMessageBox(m_hWnd, "Nieprawidłowa nazwa katalogu: '" + *folder + "'", "Błąd", MB_ICONERROR);
            return 0;
        }
        missing.push_back(*folder);
    }
    if (missing.empty())
        return 1;
    // Every missing folder in one question: a first start names several.
    CString question = missing.size() == 1 ? "Czy utworzyć katalog : '" : "Czy utworzyć katalogi :\n'";
    for (size_t i = 0; i < missing.size(); ++i) {
        if (i > 0)
            question += "'\n'";
        question += missing[i];
    }
    question += "' ?";
    if (AfxShowMessageBox(m_hWnd, question, "Pytanie", MB_YESNO | MB_ICONQUESTION) != IDYES)
        return 0;
    for (const CString &folder : missing)
        if (!CreateDirectoryPath(folder) || !DirectoryExists(folder)) {
            AfxShowMessageBox(m_hWnd, "Błąd utworzenia katalogu: '" + folder + "'", "Błąd", MB_ICONERROR);
            return 0;
        }
    return 1;
}

void CUstawieniaDlg::OnOK()
{
    if (!UpdateData(TRUE) || !CheckFolders())
        return;

    AppSettings &settings = *GetProgramSettings();
    settings.WorkingPath = m_currentFolder;
    settings.SchedulePath = m_scheduleFolder;
    settings.ArchivePath = m_archiveFolder;
    settings.BackupPath = m_backupFolder;
    settings.ExportPath = m_exportFolder;
    settings.EuroRate = NormalizeAmount(m_euroRate, 4);
    settings.AutoSaveOn = m_autosaveOn;
    settings.AutoSaveInterval = ClampPeriod(m_autosavePeriod);
    SaveProgramSettings();
    EndDialog(IDOK);
}
