// COfertaTerminDlg: one offer in the delivery-term panel: its term, the shortest term of all
// offers and the points that follow from them.
#pragma once

#include "evaluation/criteria/criterion_offer_row.h"
#include "evaluation/criteria/term_criterion.h"

class COfertaTerminDlg : public CCriterionOfferRow<TermCriterion> {
public:
    using CCriterionOfferRow::CCriterionOfferRow;

    void LoadFrom(const CriteriaOffer &offer) { m_dValue = offer.term; }
    // Writes the row's term into the offer, a term still being typed included.
    void StoreInto(CriteriaOffer &offer);

protected:
    void OnKillFocusTerm();
    DECLARE_MESSAGE_MAP()
};
