// CCriterionPanel: the scrolling panel of the price or the delivery-term criterion, one row per
// offer (Criterion::Row); it keeps every row's best value and points in step with the values
// and the weight. Criterion is PriceCriterion or TermCriterion.
#pragma once

#include <cstdlib>
#include <memory>
#include <vector>

#include "evaluation/criteria/offer_panel.h"
#include "evaluation/criteria/offer_scoring.h"
#include "model/criteria_data.h"

template <class Criterion>
class CCriterionPanel : public COfferPanel {
public:
    using Row = typename Criterion::Row;

    // Creates the panel's window at once, with its rows for the record's offers.
    CCriterionPanel(CCriteriaData *pData, CWnd *pParent) : COfferPanel(Criterion::kPanelId, pData)
    {
        CreatePanel(pParent);
    }

    Row *GetOfferRow(int i) const { return static_cast<Row *>(GetRow(i)); }

    // The weight the rows score with; new rows take it too.
    void SetWeight(double dWeight)
    {
        m_dWeight = dWeight;
        ForEachRow([&](int, CDialog &row) { static_cast<Row &>(row).SetWeight(dWeight); });
    }
    double GetWeight() const { return m_dWeight; }

    // Gives every row the lowest value above 0 among the rows (-1 when none has one).
    void UpdateBest()
    {
        std::vector<double> values;
        ForEachRow([&](int, CDialog &row) { values.push_back(static_cast<Row &>(row).m_dValue); });
        const double best = LowestPositive(values);
        ForEachRow([&](int, CDialog &row) { static_cast<Row &>(row).SetBest(best); });
    }

protected:
    BOOL OnInitDialog() override
    {
        // The weight shown in the dialog's field, which starts as the record's.
        m_dWeight = m_pData != nullptr ? atof(Criterion::Weight(*m_pData)) : 0;
        return COfferPanel::OnInitDialog();
    }

    CDialog *CreateRow(int i) override
    {
        auto row = std::make_unique<Row>(this);
        if (!row->CreateRow())
            return nullptr;
        row->SetBest(0);
        row->m_dWeight = m_dWeight;
        if (m_pData != nullptr)
            row->LoadFrom(m_pData->m_offers[i]);
        row->ShowValue();
        return row.release();
    }

    void OnRowsGrown() override { UpdateBest(); }
    void OnRowsRemoved() override { UpdateBest(); }
    void StoreRow(int i) override { GetOfferRow(i)->StoreInto(m_pData->m_offers[i]); }

private:
    double m_dWeight = 0;
};
