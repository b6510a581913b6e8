// COfertaCenaDlg: one offer in the price panel: contractor, gross price, the lowest price of all
// offers and the points that follow from them; the gross price may be built from components.
#pragma once

#include "controls/numeric_edit.h"
#include "evaluation/criteria/criterion_offer_row.h"
#include "evaluation/criteria/price_criterion.h"

class COfertaCenaDlg : public CCriterionOfferRow<PriceCriterion> {
public:
    using CCriterionOfferRow::CCriterionOfferRow;

    // Takes the offer's contractor, gross price and components.
    void LoadFrom(const CriteriaOffer &offer);
    // Writes the row into the offer, a price or contractor still being typed included.
    void StoreInto(CriteriaOffer &offer);

    CString m_strContractor;
    CString m_strComponents;

protected:
    BOOL OnInitDialog() override;
    void OnKillFocusPrice();
    void OnKillFocusContractor();
    void OnComponents();
    DECLARE_MESSAGE_MAP()

private:
    void TakeTypedPrice();

    CNumericEdit m_priceEdit;
};
