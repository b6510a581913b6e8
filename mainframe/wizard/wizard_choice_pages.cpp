// Pages 5, 6 and 7 of the new-proceeding wizard: one choice each, reached from page 1 only.
#include "model/file_utils.h"
#include "app/app_settings.h"
#include "framework/ui/ddx.h"
#include "mainframe/wizard/kreator_dlg.h"
#include "res/wizard_ids.h"

CWizardChoicePage::CWizardChoicePage(UINT nIDTemplate, int nFirstRadio, LPCTSTR lpszTitle)
    : CWizardPage(nIDTemplate), m_nFirstRadio(nFirstRadio), m_lpszTitle(lpszTitle)
{
}

void CWizardChoicePage::DoDataExchange(CDataExchange *pDX)
{
    CWizardPage::DoDataExchange(pDX);
    DDX_Radio(pDX, m_nFirstRadio, m_nChoice);
}

void CWizardChoicePage::OnSetActive()
{
    m_pKreator->SetStepTitle(2, m_lpszTitle);
    GetDlgItem(m_nFirstRadio)->SetFocus();
    m_pKreator->EnableBack(TRUE);
    m_pKreator->SetNextText(FALSE);
    m_pKreator->EnableFinish(TRUE);
    m_pKreator->EnableNext(FALSE);
}

LRESULT CWizardChoicePage::OnWizardBack()
{
    return IDD_WIZARD_OPERATION;
}

BOOL CWizardChoicePage::OnWizardFinish()
{
    UpdateData(TRUE);
    return TRUE;
}

void CWizardChoicePage::OnOK()
{
    m_pKreator->Finish();
}

CWizardPage5::CWizardPage5() : CWizardChoicePage(IDD_WIZARD_REPORT, IDC_REPORT_ZPSR, " :: Sprawozdanie roczne") {}

CWizardPage6::CWizardPage6() : CWizardChoicePage(IDD_WIZARD_REMEDIES, IDC_REMEDIES_NEW, " :: Środki ochrony prawnej") {}

void CWizardPage6::OnSetActive()
{
    CWizardChoicePage::OnSetActive();
    GetDlgItem(IDC_REMEDIES_OPEN)->EnableWindow(TRUE);
}

CWizardPage7::CWizardPage7() : CWizardChoicePage(IDD_WIZARD_CONTRACTS, IDC_CONTRACTS_NEW, " :: Umowy") {}

void CWizardPage7::OnSetActive()
{
    CWizardChoicePage::OnSetActive();
    GetDlgItem(IDC_CONTRACTS_OPEN)->EnableWindow(TRUE);
    GetDlgItem(IDC_CONTRACTS_OPEN_2006)->EnableWindow(FileExists(ContractsDataPath(*GetProgramSettings())));
}
