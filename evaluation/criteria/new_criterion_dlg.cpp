#include "evaluation/criteria/new_criterion_dlg.h"

#include "framework/ui/ddx.h"
#include "framework/ui/msgbox.h"

CNoweKryteriumDlg::CNoweKryteriumDlg(CWnd *pParent) : CDialog(IDD, pParent) {}

void CNoweKryteriumDlg::DoDataExchange(CDataExchange *pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_NEW_CRITERION_WEIGHT, m_weightEdit);
    DDX_Text(pDX, IDC_NEW_CRITERION_NAME, m_strName);
    DDX_Text(pDX, IDC_NEW_CRITERION_WEIGHT, m_strWeight);
}

void CNoweKryteriumDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    if (m_strName.IsEmpty() || m_strWeight.IsEmpty()) {
        AfxShowMessageBox(m_hWnd, "Proszę uzupełnić nazwę i wagę kryterium", "Błąd", MB_OK | MB_ICONERROR);
        return;
    }
    EndDialog(IDOK);
}
