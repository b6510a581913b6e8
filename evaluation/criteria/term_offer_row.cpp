#include "evaluation/criteria/term_offer_row.h"

#include <cstdlib>

#include "evaluation/criteria/term_panel.h"
#include "framework/ui/msgmap.h"

BEGIN_MESSAGE_MAP(COfertaTerminDlg, CCriterionOfferRow<TermCriterion>)
    ON_EN_KILLFOCUS(IDC_TERM_ROW_TERM, OnKillFocusTerm)
END_MESSAGE_MAP()

void COfertaTerminDlg::OnKillFocusTerm()
{
    CString text;
    GetDlgItemText(IDC_TERM_ROW_TERM, text);
    const double typed = atof(text);
    SendDlgItemMessage(IDC_TERM_ROW_TERM, EM_SETMODIFY, FALSE);
    // Compared with the row's own term, so that clearing a stored term scores it 0 at once.
    if (typed != m_dValue) {
        m_dValue = typed;
        m_pPanel->UpdateBest();
    }
}

void COfertaTerminDlg::StoreInto(CriteriaOffer &offer)
{
    // Closing with Enter leaves the field without telling it; an untouched field keeps the
    // stored term with its fraction.
    if (SendDlgItemMessage(IDC_TERM_ROW_TERM, EM_GETMODIFY)) {
        CString text;
        GetDlgItemText(IDC_TERM_ROW_TERM, text);
        m_dValue = atof(text);
    }
    offer.term = m_dValue;
}
