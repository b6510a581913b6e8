#include "evaluation/price_components_dlg.h"

#include "res/price_components_ids.h"

CElementySkladoweKryteriumDlg::CElementySkladoweKryteriumDlg(CWnd* pParent)
    : CDialog(IDD_PRICE_COMPONENTS, pParent), m_bTransferGross(TRUE)
{
}
