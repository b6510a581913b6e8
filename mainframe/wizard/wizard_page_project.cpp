// Page 4 of the new-proceeding wizard: name, layout of tasks and default values; passing it
// creates the proceeding's folder and ends the wizard.
#include "app/app_settings.h"
#include "app/working_folder.h"
#include "framework/core/filefind.h"
#include "framework/ui/ddx.h"
#include "framework/ui/msgbox.h"
#include "framework/ui/msgmap.h"
#include "document/files/new_proceeding_code.h"
#include "mainframe/wizard/kreator_dlg.h"
#include "mainframe/wizard/new_proceeding_set.h"
#include "mainframe/wizard/proceeding_name.h"
#include "proceeding/editors/small_value_dialogs.h"
#include "res/wizard_ids.h"

namespace {

const int kTaskLayoutControls[] = {IDC_PROJECT_ONE_TASK, IDC_PROJECT_MANY_TASKS, IDC_PROJECT_COUNT_LABEL,
                                   IDC_PROJECT_COUNT, IDC_PROJECT_COUNT_SPIN};

// Procedures that may be divided into several tasks.
bool OffersSeveralTasks(int code)
{
    switch (code) {
    case 4:
    case 6:
    case 8:
    case 9:
    case 10:
    case 11:
    case 15:
    case 17:
        return false;
    default:
        return true;
    }
}

} // namespace

BEGIN_MESSAGE_MAP(CWizardPage4, CWizardPage)
    ON_BN_CLICKED(IDC_PROJECT_ONE_TASK, OnLayoutClicked)
    ON_BN_CLICKED(IDC_PROJECT_MANY_TASKS, OnLayoutClicked)
    ON_BN_CLICKED(IDC_PROJECT_FOLDER, OnChooseFolder)
    ON_BN_CLICKED(IDC_PROJECT_DEFAULTS, OnDefaultValues)
END_MESSAGE_MAP()

CWizardPage4::CWizardPage4() : CWizardPage(IDD_WIZARD_PROJECT) {}

void CWizardPage4::DoDataExchange(CDataExchange *pDX)
{
    CWizardPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PROJECT_COUNT_SPIN, m_spin);
    DDX_Text(pDX, IDC_PROJECT_NAME, m_strName);
    DDX_Radio(pDX, IDC_PROJECT_ONE_TASK, m_nLayout);
    DDX_Text(pDX, IDC_PROJECT_COUNT, m_nTaskCountInput);
}

BOOL CWizardPage4::OnInitDialog()
{
    CWizardPage::OnInitDialog();
    m_spin.SetRange32(2, 99);
    m_spin.SetBuddy(GetDlgItem(IDC_PROJECT_COUNT));
    m_nTaskCountInput = 2;
    m_nTaskCount = -1;
    UpdateData(FALSE);
    return TRUE;
}

void CWizardPage4::EnableTaskCount()
{
    const BOOL several = m_nLayout == 1;
    GetDlgItem(IDC_PROJECT_COUNT_LABEL)->EnableWindow(several);
    GetDlgItem(IDC_PROJECT_COUNT)->EnableWindow(several);
    GetDlgItem(IDC_PROJECT_COUNT_SPIN)->EnableWindow(several);
}

void CWizardPage4::OnSetActive()
{
    m_pKreator->SetStepTitle(4, " :: Ustawienia projektu");
    if (OffersSeveralTasks(m_pKreator->m_nProcedureCode)) {
        for (int id : kTaskLayoutControls)
            GetDlgItem(id)->ShowWindow(SW_SHOW);
        GetDlgItem(IDC_PROJECT_ONE_TASK)->EnableWindow(TRUE);
        GetDlgItem(IDC_PROJECT_MANY_TASKS)->EnableWindow(TRUE);
    } else {
        for (int id : kTaskLayoutControls)
            GetDlgItem(id)->ShowWindow(SW_HIDE);
        UpdateData(TRUE);
        m_nLayout = 0;
        m_nTaskCountInput = 2;
        UpdateData(FALSE);
    }
    EnableTaskCount();
    GetDlgItem(IDC_PROJECT_NAME)->SetFocus();
    m_pKreator->SetNextText(FALSE);

    // The buyer's data are the defaults of every new proceeding, whatever was typed before.
    const AppSettings *settings = GetProgramSettings();
    for (int i = 0; i < 8; ++i)
        m_defaults.texts[2 + i] = settings->BuyerData[i];
    m_defaults.texts[11] = settings->BuyerData[8];
}

void CWizardPage4::OnLayoutClicked()
{
    UpdateData(TRUE);
    EnableTaskCount();
}

void CWizardPage4::OnChooseFolder()
{
    AskForWorkingFolder();
}

void CWizardPage4::OnDefaultValues()
{
    CWartosciDomyslneDlg dialog(this);
    for (int i = 0; i < CWartosciDomyslneDlg::kValues; ++i)
        dialog.m_values[i] = m_defaults.texts[i];
    if (dialog.DoModal() != IDOK)
        return;
    for (int i = 0; i < CWartosciDomyslneDlg::kValues; ++i)
        m_defaults.texts[i] = dialog.m_values[i];
}

BOOL CWizardPage4::Validate()
{
    if (!UpdateData(TRUE))
        return FALSE;
    if (m_strName.IsEmpty()) {
        AfxShowMessageBox(m_hWnd, "Proszę wprowadzić nazwę postępowania.", "Informacja", MB_ICONINFORMATION);
        GetDlgItem(IDC_PROJECT_NAME)->SetFocus();
        return FALSE;
    }
    if (m_nLayout == 1) {
        const char *refusal = nullptr;
        if (m_nTaskCountInput < 2)
            refusal = "Liczba zadań w układzie wielozadaniowym nie może być mniejsza niż 2.";
        else if (m_nTaskCountInput > 99)
            refusal = "Liczba zadań w układzie wielozadaniowym nie może być większa niż 99.";
        if (refusal != nullptr) {
            AfxShowMessageBox(m_hWnd, refusal, "Błąd", MB_ICONERROR);
            GetDlgItem(IDC_PROJECT_COUNT)->SetFocus();
            return FALSE;
        }
        m_nTaskCount = m_nTaskCountInput;
    } else {
        m_nTaskCount = -1;
    }
    if (!CreateProceedingFolder())
        return FALSE;
    UpdateData(FALSE);
    return TRUE;
}

BOOL CWizardPage4::CreateProceedingFolder()
{
    const CString workingPath = GetProgramSettings()->WorkingPath;
    if (m_strName.IsEmpty()) {
        AfxShowMessageBox(m_hWnd, "Proszę wybrać nazwę postępowania", "Informacja", MB_ICONINFORMATION);
        return FALSE;
    }
    // The name becomes a folder and file names: nothing may lead out of the working folder.
    const CString refusal = CheckProceedingName(workingPath, m_strName);
    if (!refusal.IsEmpty()) {
        AfxShowMessageBox(m_hWnd, refusal, "Informacja", MB_ICONINFORMATION);
        GetDlgItem(IDC_PROJECT_NAME)->SetFocus();
        return FALSE;
    }
    const CString path = workingPath + "\\" + m_strName;
    CFileFind finder;
    if (finder.FindFile(path)) {
        AfxShowMessageBox(m_hWnd,
                          "Katalog o nazwie: " + m_strName + " już istnieje. Proszę wybrać inną nazwę postępowania.",
                          "Informacja", MB_ICONINFORMATION);
        GetDlgItem(IDC_PROJECT_NAME)->SetFocus();
        return FALSE;
    }
    // A kind whose set is missing or damaged gives no proceeding: its folder would stay behind
    // empty and keep the name from being used again.
    const AppSettings *settings = GetProgramSettings();
    const int code =
        NewProceedingCode(m_pKreator->m_bAct2019 != 0, m_pKreator->m_nProcedureCode, m_pKreator->m_bAboveThreshold);
    const std::vector<DataFileMessage> refusals =
        CheckNewProceedingSet(settings->MainPath, settings->UserTemplatesPath, code);
    if (!refusals.empty()) {
        for (const DataFileMessage &message : refusals)
            AfxShowMessageBox(m_hWnd, message.text, message.caption, message.icon);
        return FALSE;
    }
    if (!CreateDirectoryA(path, nullptr)) {
        AfxShowMessageBox(m_hWnd, "Błąd utworzenia katalogu: " + path + ".", "Błąd", MB_ICONWARNING);
        return FALSE;
    }
    return TRUE;
}

LRESULT CWizardPage4::OnWizardNext()
{
    if (!Validate())
        return -1;
    // Finish ends the wizard: there is no page after this one to show.
    m_pKreator->Finish();
    return -1;
}

void CWizardPage4::OnOK()
{
    if (Validate())
        m_pKreator->Finish();
}
