#include "proceeding/dialogs/header_footer_dlg.h"

#include "framework/ui/ddx.h"

CHeaderFootSettingsDlg::CHeaderFootSettingsDlg(CWnd *pParent) : CDialog(IDD, pParent) {}

void CHeaderFootSettingsDlg::DoDataExchange(CDataExchange *pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_HEADER_TEXT, m_strHeader);
    DDX_Text(pDX, IDC_FOOTER_TEXT, m_strFooter);
    DDX_Check(pDX, IDC_PAGE_NUMBERING, m_nPageNumbering);
}
