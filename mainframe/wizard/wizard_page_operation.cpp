// Page 1 of the new-proceeding wizard: the operation, which is also the program's start menu.
#include "app/app_settings.h"
#include "framework/ui/winapp.h"
#include "framework/shell/html_help.h"
#include "framework/ui/ddx.h"
#include "framework/ui/msgbox.h"
#include "framework/ui/msgmap.h"
#include "mainframe/wizard/kreator_dlg.h"
#include "res/mainframe_ids.h"
#include "res/wizard_ids.h"

namespace {

// The radios in group order: index n is operation n.
const int kOperationRadios[kOperationCount] = {
    IDC_OPERATION_OLD_FORMS, IDC_OPERATION_NEW,           IDC_OPERATION_OPEN,
    IDC_OPERATION_ARCHIVE,   IDC_OPERATION_FORMS_LIBRARY, IDC_OPERATION_CONTRACTS,
    IDC_OPERATION_REGISTERS, IDC_OPERATION_REPORT,        IDC_OPERATION_REMEDIES,
};

} // namespace

BEGIN_MESSAGE_MAP(CWizardPage1, CWizardPage)
    ON_BN_CLICKED(IDC_OPERATION_LEGAL_HELP, OnLegalHelp)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_OPERATION_OLD_FORMS, IDC_OPERATION_NEW, OnOperationClicked)
END_MESSAGE_MAP()

CWizardPage1::CWizardPage1() : CWizardPage(IDD_WIZARD_OPERATION) {}

BOOL CWizardPage1::OnInitDialog()
{
    CWizardPage::OnInitDialog();
    m_tooltips.Create(this);
    m_tooltips.AddTool(GetDlgItem(IDC_OPERATION_OLD_FORMS),
                       "Stare wzory dokumentów obowiązujące do roku 2020 na podstawie ustawy Pzp z 2004 roku.");
    m_tooltips.AddTool(GetDlgItem(IDC_OPERATION_NEW),
                       "Postępowanie na podstawie aktualnie obowiązującej ustawy Pzp z 2019 roku.");
    m_tooltips.Activate(TRUE);
    return TRUE;
}

void CWizardPage1::DoDataExchange(CDataExchange *pDX)
{
    CWizardPage::DoDataExchange(pDX);
    DDX_Radio(pDX, IDC_OPERATION_OLD_FORMS, m_nOperation);
}

void CWizardPage1::OnSetActive()
{
    m_pKreator->SetStepTitle(1, " :: Wybór operacji");
    GetDlgItem(IDC_OPERATION_OLD_FORMS)->SetFocus();
    for (int operation = 0; operation < kOperationCount; ++operation)
        GetDlgItem(kOperationRadios[operation])
            ->EnableWindow((m_pKreator->m_nEnabledOperations & (1u << operation)) != 0);
    GetDlgItem(IDC_OPERATION_LEGAL_HELP)->EnableWindow(TRUE);
    m_pKreator->EnableBack(FALSE);
    m_pKreator->SetNextText(FALSE);
}

void CWizardPage1::OnOperationClicked(UINT nID)
{
    for (int radio : kOperationRadios) {
        if ((UINT)radio == nID) {
            UpdateData(TRUE);
            m_pKreator->SetNextText(FALSE);
            return;
        }
    }
}

void CWizardPage1::OnLegalHelp()
{
    HtmlHelp(m_hWnd, GetProgramSettings()->MainPath + "\\prawo.chm", HH_DISPLAY_TOC, 0);
}

LRESULT CWizardPage1::OnWizardNext()
{
    UpdateData(TRUE);
    if (m_nOperation < 0) {
        AfxShowMessageBox(m_hWnd, "Proszę wybrać operację.", "Informacja", MB_ICONINFORMATION);
        return -1;
    }
    switch (m_nOperation) {
    case kOperationContracts:
        m_pKreator->SetActivePageByResource(IDD_WIZARD_CONTRACTS);
        return -1;
    case kOperationAnnualReport:
        m_pKreator->SetActivePageByResource(IDD_WIZARD_REPORT);
        return -1;
    case kOperationLegalRemedies:
        m_pKreator->SetActivePageByResource(IDD_WIZARD_REMEDIES);
        return -1;
    case kOperationOpen:
    case kOperationArchive:
        // The main menu's own command runs the archive browser once the wizard has gone.
        if (CWnd *main = AfxGetMainWnd())
            main->PostMessage(WM_COMMAND, m_nOperation == kOperationOpen ? ID_OTWORZ : ID_OTWORZ_Z_ARCHIWUM);
        m_pKreator->Finish();
        return -1;
    case kOperationFormsLibrary:
    case kOperationRegisters:
        // The wizard has ended: no page may be shown after it.
        m_pKreator->Finish();
        return -1;
    default:
        break;
    }
    m_bAct2019 = m_nOperation == kOperationNewProceeding;
    m_pKreator->m_bAct2019 = m_bAct2019;
    return 0;
}

void CWizardPage1::OnOK()
{
    m_pKreator->Next();
}
