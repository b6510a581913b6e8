#include "mainframe/tools/text_find_dlg.h"

#include "framework/ui/ddx.h"
#include "res/resource.h"

CZnajdzDlg::CZnajdzDlg(CWnd *pParent) : CDialog(IDD_ZNAJDZ, pParent) {}

void CZnajdzDlg::DoDataExchange(CDataExchange *pDX)
{
    DDX_Text(pDX, IDC_FIND_TEXT, m_text);
    DDX_Check(pDX, IDC_FIND_MATCH_CASE, m_matchCase);
}
