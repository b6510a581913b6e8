#include "evaluation/criteria/term_panel.h"

#include <cstdlib>
#include <memory>
#include <vector>

#include "model/criteria_data.h"
#include "evaluation/criteria/offer_scoring.h"
#include "evaluation/criteria/term_offer_row.h"
#include "res/evaluation_ids.h"

CPanelTerminDlg::CPanelTerminDlg(CCriteriaData* pData, CWnd* pParent)
    : COfferPanel(IDD_PANEL_TERMIN, pData)
{
    CreatePanel(pParent);
}

BOOL CPanelTerminDlg::OnInitDialog()
{
    // The weight shown in the dialog's field, which starts as the record's.
    m_dWeight = m_pData != nullptr ? atof(m_pData->m_strTermWeight) : 0;
    return COfferPanel::OnInitDialog();
}

COfertaTerminDlg* CPanelTerminDlg::GetOfferRow(int i) const
{
    return static_cast<COfertaTerminDlg*>(GetRow(i));
}

CDialog* CPanelTerminDlg::CreateRow(int i)
{
    auto row = std::make_unique<COfertaTerminDlg>(this);
    if (!row->CreateRow())
        return nullptr;
    row->SetShortestTerm(0);
    row->m_dWeight = m_dWeight;
    if (m_pData != nullptr)
        row->m_dTerm = m_pData->m_offers[i].term;
    row->SetTerm();
    return row.release();
}

void CPanelTerminDlg::SetWeight(double dWeight)
{
    m_dWeight = dWeight;
    ForEachRow([&](int, CDialog& row) { static_cast<COfertaTerminDlg&>(row).SetWeight(dWeight); });
}

void CPanelTerminDlg::UpdateShortestTerm()
{
    std::vector<double> terms;
    ForEachRow([&](int, CDialog& row) { terms.push_back(static_cast<COfertaTerminDlg&>(row).m_dTerm); });
    const double shortest = LowestPositive(terms);
    ForEachRow([&](int, CDialog& row) {
        static_cast<COfertaTerminDlg&>(row).SetShortestTerm(shortest);
    });
}

void CPanelTerminDlg::StoreRow(int i)
{
    GetOfferRow(i)->StoreInto(m_pData->m_offers[i]);
}
