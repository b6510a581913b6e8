#include "proceeding/dialogs/add_document_dlg.h"

#include "framework/ui/ddx.h"

CAddDocumentDlg::CAddDocumentDlg(CWnd *pParent) : CDialog(IDD, pParent) {}

void CAddDocumentDlg::DoDataExchange(CDataExchange *pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_DOCUMENT_TITLE, m_strName);
}
