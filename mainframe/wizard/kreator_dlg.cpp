#include "mainframe/wizard/kreator_dlg.h"

#include "app/app_settings.h"
#include "framework/shell/html_help.h"
#include "framework/ui/ddx.h"
#include "framework/ui/msgmap.h"
#include "res/wizard_ids.h"

BEGIN_MESSAGE_MAP(CKreatorDlg, CWizardDialog)
    ON_BN_CLICKED(IDC_KREATOR_HELP, OnHelp)
END_MESSAGE_MAP()

CKreatorDlg::CKreatorDlg(CWnd *pParent) : CWizardDialog(IDD_KREATOR, pParent) {}

BOOL CKreatorDlg::OnInitDialog()
{
    SetPlaceholderID(IDC_KREATOR_PLACEHOLDER);
    return CWizardDialog::OnInitDialog();
}

void CKreatorDlg::DoDataExchange(CDataExchange *pDX)
{
    CWizardDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_KREATOR_STEP_TITLE, m_stepTitle);
}

void CKreatorDlg::SetStepTitle(int nStep, LPCTSTR lpszTitle)
{
    CString text;
    text.Format("%sKrok %d %s", "", nStep, lpszTitle);
    m_stepTitle.SetWindowText(text);
}

void CKreatorDlg::SetNextText(BOOL)
{
    SetDlgItemText(IDC_WIZARD_NEXT, "Dalej >");
}

void CKreatorDlg::OnHelp()
{
    HtmlHelp(m_hWnd, GetProgramSettings()->MainPath + "\\pomoc.chm", HH_DISPLAY_TOC, 0);
}

CNewProceedingWizard::CNewProceedingWizard(CWnd *pParent) : m_wizard(pParent)
{
    CWizardPage *pages[] = {&m_page1, &m_page2, &m_page3, &m_page4, &m_page7, &m_page5, &m_page6};
    for (CWizardPage *page : pages) {
        page->m_pKreator = &m_wizard;
        m_wizard.AddPage(page, page->m_nResourceID);
    }
}
