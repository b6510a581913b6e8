#include "evaluation/criteria/price_offer_row.h"

#include <cstdlib>

#include "app/number_format.h"
#include "model/criteria_data.h"
#include "evaluation/criteria/offer_scoring.h"
#include "evaluation/criteria/price_components_dlg.h"
#include "evaluation/criteria/price_panel.h"
#include "framework/ui/msgmap.h"
#include "res/evaluation_ids.h"

BEGIN_MESSAGE_MAP(COfertaCenaDlg, CDialog)
    ON_EN_KILLFOCUS(IDC_PRICE_ROW_PRICE, OnKillFocusPrice)
    ON_EN_KILLFOCUS(IDC_PRICE_ROW_CONTRACTOR, OnKillFocusContractor)
    ON_BN_CLICKED(IDC_PRICE_ROW_COMPONENTS, OnComponents)
END_MESSAGE_MAP()

COfertaCenaDlg::COfertaCenaDlg(CPanelCenaDlg* pPanel) : m_pPanel(pPanel) {}

BOOL COfertaCenaDlg::CreateRow()
{
    return Create(IDD_OFERTA_CENA, m_pPanel);
}

BOOL COfertaCenaDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_number.SubclassDlgItem(IDC_EVAL_ROW_NUMBER, this);
    if (CreateEvaluationBoldFont(m_numberFont))
        m_number.SetFont(&m_numberFont);
    m_priceEdit.SubclassDlgItem(IDC_PRICE_ROW_PRICE, this);
    return FALSE;
}

void COfertaCenaDlg::SetMinPrice(double dMinPrice)
{
    m_dMinPrice = dMinPrice;
    SetDlgItemText(IDC_EVAL_ROW_BEST, dMinPrice >= 0 ? DoubleToStr2(dMinPrice) : CString("0.00"));
    RecomputePoints();
}

void COfertaCenaDlg::SetWeight(double dWeight)
{
    m_dWeight = dWeight;
    RecomputePoints();
}

void COfertaCenaDlg::SetPrice()
{
    m_priceEdit.SetWindowText(DoubleToStr2(m_dGrossPrice));
    RecomputePoints();
}

void COfertaCenaDlg::RecomputePoints()
{
    const CString points = m_dGrossPrice > 0
        ? DoubleToStr2(CriterionPoints(m_dMinPrice, m_dGrossPrice, m_dWeight))
        : CString("0.00");
    SetDlgItemText(IDC_EVAL_ROW_POINTS, points);
}

void COfertaCenaDlg::SetContractor(const CString& strContractor)
{
    m_strContractor = strContractor;
    SetDlgItemText(IDC_PRICE_ROW_CONTRACTOR, strContractor);
}

void COfertaCenaDlg::TakeTypedPrice()
{
    CString text;
    m_priceEdit.GetWindowText(text);
    m_dGrossPrice = atof(text);
    m_priceEdit.SetWindowText(DoubleToStr2(m_dGrossPrice));
    m_priceEdit.SetModify(FALSE);
}

void COfertaCenaDlg::OnKillFocusPrice()
{
    TakeTypedPrice();
    m_pPanel->UpdateMinPrice();
}

void COfertaCenaDlg::OnKillFocusContractor()
{
    GetDlgItemText(IDC_PRICE_ROW_CONTRACTOR, m_strContractor);
}

void COfertaCenaDlg::StoreInto(CriteriaOffer& offer)
{
    // Closing with Enter leaves the field without telling it.
    if (m_priceEdit.GetModify())
        TakeTypedPrice();
    GetDlgItemText(IDC_PRICE_ROW_CONTRACTOR, m_strContractor);
    offer.contractor = m_strContractor;
    offer.grossPrice = m_dGrossPrice;
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
        m_dGrossPrice = atof(dialog.m_strGrossTotal);
        m_priceEdit.SetWindowText(DoubleToStr2(m_dGrossPrice));
        m_priceEdit.SetModify(FALSE);
        m_pPanel->UpdateMinPrice();
    }
}
