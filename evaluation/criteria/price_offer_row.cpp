#include "evaluation/criteria/price_offer_row.h"

#include <cstdlib>

#include "evaluation/criteria/price_components_dlg.h"
#include "evaluation/criteria/price_panel.h"
#include "framework/ui/msgmap.h"

BEGIN_MESSAGE_MAP(COfertaCenaDlg, CCriterionOfferRow<PriceCriterion>)
    ON_EN_KILLFOCUS(IDC_PRICE_ROW_PRICE, OnKillFocusPrice)
    ON_EN_KILLFOCUS(IDC_PRICE_ROW_CONTRACTOR, OnKillFocusContractor)
    ON_BN_CLICKED(IDC_PRICE_ROW_COMPONENTS, OnComponents)
END_MESSAGE_MAP()

BOOL COfertaCenaDlg::OnInitDialog()
{
    CCriterionOfferRow::OnInitDialog();
    m_priceEdit.SubclassDlgItem(IDC_PRICE_ROW_PRICE, this);
    return FALSE;
}

void COfertaCenaDlg::LoadFrom(const CriteriaOffer &offer)
{
    m_strContractor = offer.contractor;
    SetDlgItemText(IDC_PRICE_ROW_CONTRACTOR, m_strContractor);
    m_dValue = offer.grossPrice;
    m_strComponents = offer.priceComponents;
}

void COfertaCenaDlg::TakeTypedPrice()
{
    CString text;
    m_priceEdit.GetWindowText(text);
    m_dValue = atof(text);
    m_priceEdit.SetWindowText(PriceCriterion::ValueText(m_dValue));
    m_priceEdit.SetModify(FALSE);
}

void COfertaCenaDlg::OnKillFocusPrice()
{
    TakeTypedPrice();
    m_pPanel->UpdateBest();
}

void COfertaCenaDlg::OnKillFocusContractor()
{
    GetDlgItemText(IDC_PRICE_ROW_CONTRACTOR, m_strContractor);
}

void COfertaCenaDlg::StoreInto(CriteriaOffer &offer)
{
    // Closing with Enter leaves the field without telling it.
    if (m_priceEdit.GetModify())
        TakeTypedPrice();
    GetDlgItemText(IDC_PRICE_ROW_CONTRACTOR, m_strContractor);
    offer.contractor = m_strContractor;
    offer.grossPrice = m_dValue;
    offer.priceComponents = m_strComponents;
}

void COfertaCenaDlg::OnComponents()
{
    CElementySkladoweKryteriumDlg dialog(this);
    dialog.m_strComponents = m_strComponents;
    if (dialog.DoModal() != IDOK)
        return;
    m_strComponents = dialog.m_strComponents;
    if (dialog.m_bTransferGross) {
        m_dValue = atof(dialog.m_strGrossTotal);
        m_priceEdit.SetWindowText(PriceCriterion::ValueText(m_dValue));
        m_priceEdit.SetModify(FALSE);
        m_pPanel->UpdateBest();
    }
}
