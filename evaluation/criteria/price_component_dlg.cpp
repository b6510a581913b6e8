#include "evaluation/criteria/price_component_dlg.h"

#include "app/number_format.h"
#include "evaluation/criteria/price_components.h"
#include "framework/ui/ddx.h"
#include "framework/ui/msgmap.h"
#include "res/price_components_ids.h"

namespace {

const int kZeroRateIndex = 3;

} // namespace

BEGIN_MESSAGE_MAP(CElementSkladowyCenyBrutto, CDialog)
    ON_EN_KILLFOCUS(IDC_COMPONENT_NET, OnKillFocusNet)
    ON_EN_KILLFOCUS(IDC_COMPONENT_GROSS, OnKillFocusGross)
    ON_CBN_SELCHANGE(IDC_COMPONENT_VAT, OnVatChanged)
END_MESSAGE_MAP()

CElementSkladowyCenyBrutto::CElementSkladowyCenyBrutto(CWnd *pParent)
    : CDialog(IDD_PRICE_COMPONENT, pParent), m_nVatIndex(kZeroRateIndex), m_nVatRate(0)
{
}

void CElementSkladowyCenyBrutto::DoDataExchange(CDataExchange *pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_COMPONENT_VAT, m_vat);
    DDX_Text(pDX, IDC_COMPONENT_NAME, m_strName);
    DDX_Text(pDX, IDC_COMPONENT_NET, m_strNet);
    DDX_Text(pDX, IDC_COMPONENT_GROSS, m_strGross);
}

BOOL CElementSkladowyCenyBrutto::OnInitDialog()
{
    CDialog::OnInitDialog();
    for (const char *item : kVatComboItems)
        m_vat.AddString(item);
    m_vat.SetCurSel(m_nVatIndex);
    return TRUE;
}

int CElementSkladowyCenyBrutto::SelectedRate() const
{
    return VatRateFromComboIndex(m_vat.GetCurSel());
}

void CElementSkladowyCenyBrutto::OnKillFocusNet()
{
    CString text;
    GetDlgItemText(IDC_COMPONENT_NET, text);
    const double net = StrToDouble(text);
    SetDlgItemText(IDC_COMPONENT_NET, AmountText(net));
    SetDlgItemText(IDC_COMPONENT_GROSS, AmountText(GrossFromNet(net, SelectedRate())));
}

void CElementSkladowyCenyBrutto::OnKillFocusGross()
{
    CString text;
    GetDlgItemText(IDC_COMPONENT_GROSS, text);
    const double gross = StrToDouble(text);
    SetDlgItemText(IDC_COMPONENT_GROSS, AmountText(gross));
    SetDlgItemText(IDC_COMPONENT_NET, AmountText(NetFromGross(gross, SelectedRate())));
}

void CElementSkladowyCenyBrutto::OnVatChanged()
{
    CString text;
    GetDlgItemText(IDC_COMPONENT_NET, text);
    SetDlgItemText(IDC_COMPONENT_GROSS, AmountText(GrossFromNet(StrToDouble(text), SelectedRate())));
}

void CElementSkladowyCenyBrutto::OnOK()
{
    // Enter in an amount field closes the dialog without leaving the field: do what leaving it
    // would have done, or the other amount would be stale.
    const HWND focus = ::GetFocus();
    if (focus == GetDlgItem(IDC_COMPONENT_NET)->m_hWnd)
        OnKillFocusNet();
    else if (focus == GetDlgItem(IDC_COMPONENT_GROSS)->m_hWnd)
        OnKillFocusGross();
    if (!UpdateData(TRUE))
        return;
    m_strName = ComponentName(m_strName);
    m_strNet = AmountText(StrToDouble(m_strNet));
    m_strGross = AmountText(StrToDouble(m_strGross));
    m_nVatRate = SelectedRate();
    EndDialog(IDOK);
}
