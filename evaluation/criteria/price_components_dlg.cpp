#include "evaluation/criteria/price_components_dlg.h"

#include "app/number_format.h"
#include "evaluation/criteria/price_component_dlg.h"
#include "framework/ui/ddx.h"
#include "framework/ui/msgmap.h"
#include "res/price_components_ids.h"

namespace {

enum Column { kNameColumn, kNetColumn, kVatColumn, kGrossColumn };

PriceComponent ComponentOf(const CElementSkladowyCenyBrutto &dialog)
{
    return {dialog.m_strName, dialog.m_strNet, IntToStr(dialog.m_nVatRate), dialog.m_strGross};
}

} // namespace

BEGIN_MESSAGE_MAP(CElementySkladoweKryteriumDlg, CDialog)
    ON_BN_CLICKED(IDC_COMPONENTS_ADD, OnAdd)
    ON_BN_CLICKED(IDC_COMPONENTS_EDIT, OnEdit)
    ON_BN_CLICKED(IDC_COMPONENTS_DELETE, OnDelete)
END_MESSAGE_MAP()

CElementySkladoweKryteriumDlg::CElementySkladoweKryteriumDlg(CWnd *pParent)
    : CDialog(IDD_PRICE_COMPONENTS, pParent), m_bTransferGross(TRUE)
{
}

void CElementySkladoweKryteriumDlg::DoDataExchange(CDataExchange *pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_COMPONENTS_LIST, m_list);
    DDX_Check(pDX, IDC_COMPONENTS_TRANSFER_GROSS, m_bTransferGross);
}

BOOL CElementySkladoweKryteriumDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_list.SetExtendedStyle(m_list.GetExtendedStyle() | LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    m_list.InsertColumn(kNameColumn, "Pozycja", LVCFMT_LEFT, 220);
    m_list.InsertColumn(kNetColumn, "Netto", LVCFMT_RIGHT, 60);
    m_list.InsertColumn(kVatColumn, "VAT[%]", LVCFMT_RIGHT, 50);
    m_list.InsertColumn(kGrossColumn, "Brutto", LVCFMT_RIGHT, 60);
    for (const PriceComponent &component : ReadPriceComponents(m_strComponents))
        SetRow(m_list.InsertItem(m_list.GetItemCount(), ""), component);
    ShowTotals();
    return TRUE;
}

std::vector<PriceComponent> CElementySkladoweKryteriumDlg::Rows() const
{
    std::vector<PriceComponent> rows;
    for (int row = 0; row < m_list.GetItemCount(); ++row)
        rows.push_back({m_list.GetItemText(row, kNameColumn), m_list.GetItemText(row, kNetColumn),
                        m_list.GetItemText(row, kVatColumn), m_list.GetItemText(row, kGrossColumn)});
    return rows;
}

void CElementySkladoweKryteriumDlg::SetRow(int row, const PriceComponent &component)
{
    m_list.SetItemText(row, kNameColumn, component.name);
    m_list.SetItemText(row, kNetColumn, component.net);
    m_list.SetItemText(row, kVatColumn, component.vatRate);
    m_list.SetItemText(row, kGrossColumn, component.gross);
}

void CElementySkladoweKryteriumDlg::ShowTotals()
{
    const PriceComponentTotals totals = SumPriceComponents(Rows());
    SetDlgItemText(IDC_COMPONENTS_NET_TOTAL, totals.net);
    SetDlgItemText(IDC_COMPONENTS_GROSS_TOTAL, totals.gross);
}

void CElementySkladoweKryteriumDlg::OnAdd()
{
    CElementSkladowyCenyBrutto dialog(this);
    if (dialog.DoModal() != IDOK)
        return;
    SetRow(m_list.InsertItem(m_list.GetItemCount(), ""), ComponentOf(dialog));
    ShowTotals();
}

void CElementySkladoweKryteriumDlg::OnEdit()
{
    const int row = m_list.GetNextItem(-1, LVNI_SELECTED);
    if (row < 0)
        return;
    CElementSkladowyCenyBrutto dialog(this);
    dialog.m_strName = m_list.GetItemText(row, kNameColumn);
    dialog.m_strNet = m_list.GetItemText(row, kNetColumn);
    dialog.m_nVatIndex = VatComboIndexForRate(m_list.GetItemText(row, kVatColumn));
    dialog.m_strGross = m_list.GetItemText(row, kGrossColumn);
    if (dialog.DoModal() != IDOK)
        return;
    SetRow(row, ComponentOf(dialog));
    ShowTotals();
}

void CElementySkladoweKryteriumDlg::OnDelete()
{
    const int row = m_list.GetNextItem(-1, LVNI_SELECTED);
    if (row < 0)
        return;
    m_list.DeleteItem(row);
    ShowTotals();
}

void CElementySkladoweKryteriumDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    const std::vector<PriceComponent> rows = Rows();
    m_strComponents = WritePriceComponents(rows);
    const PriceComponentTotals totals = SumPriceComponents(rows);
    m_strNetTotal = totals.net;
    m_strGrossTotal = totals.gross;
    EndDialog(IDOK);
}
