#include "evaluation/criteria/price_panel.h"

#include <cstdlib>
#include <memory>
#include <vector>

#include "model/criteria_data.h"
#include "evaluation/criteria/offer_scoring.h"
#include "evaluation/criteria/price_offer_row.h"
#include "res/evaluation_ids.h"

CPanelCenaDlg::CPanelCenaDlg(CCriteriaData* pData, CWnd* pParent)
    : COfferPanel(IDD_PANEL_CENA, pData)
{
    CreatePanel(pParent);
}

BOOL CPanelCenaDlg::OnInitDialog()
{
    // The weight shown in the dialog's field, which starts as the record's.
    m_dWeight = m_pData != nullptr ? atof(m_pData->m_strPriceWeight) : 0;
    return COfferPanel::OnInitDialog();
}

COfertaCenaDlg* CPanelCenaDlg::GetOfferRow(int i) const
{
    return static_cast<COfertaCenaDlg*>(GetRow(i));
}

CDialog* CPanelCenaDlg::CreateRow(int i)
{
    auto row = std::make_unique<COfertaCenaDlg>(this);
    if (!row->CreateRow())
        return nullptr;
    row->SetMinPrice(0);
    row->m_dWeight = m_dWeight;
    if (m_pData != nullptr) {
        const CriteriaOffer& offer = m_pData->m_offers[i];
        row->SetContractor(offer.contractor);
        row->m_dGrossPrice = offer.grossPrice;
        row->m_strComponents = offer.priceComponents;
    }
    row->SetPrice();
    return row.release();
}

void CPanelCenaDlg::SetWeight(double dWeight)
{
    m_dWeight = dWeight;
    ForEachRow([&](int, CDialog& row) { static_cast<COfertaCenaDlg&>(row).SetWeight(dWeight); });
}

void CPanelCenaDlg::UpdateMinPrice()
{
    std::vector<double> prices;
    ForEachRow([&](int, CDialog& row) {
        prices.push_back(static_cast<COfertaCenaDlg&>(row).m_dGrossPrice);
    });
    const double lowest = LowestPositive(prices);
    ForEachRow([&](int, CDialog& row) { static_cast<COfertaCenaDlg&>(row).SetMinPrice(lowest); });
}

void CPanelCenaDlg::StoreRow(int i)
{
    GetOfferRow(i)->StoreInto(m_pData->m_offers[i]);
}
