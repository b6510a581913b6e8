#include "app/about_dlg.h"

#include "framework/ui/ddx.h"

const char CAboutDlg::kPublisherAddress[] = "mailto:wydawnictwo@dravo.pl";

CAboutDlg::CAboutDlg() : CDialog(IDD) {}

void CAboutDlg::DoDataExchange(CDataExchange *pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_ASK_PUBLISHER, m_askPublisher);
}

BOOL CAboutDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_askPublisher.SetURL(kPublisherAddress);
    return TRUE;
}
