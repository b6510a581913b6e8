#include "evaluation/criteria/term_offer_row.h"

#include <cmath>
#include <cstdlib>

#include "app/number_format.h"
#include "model/criteria_data.h"
#include "evaluation/criteria/offer_scoring.h"
#include "evaluation/criteria/term_panel.h"
#include "framework/ui/msgmap.h"
#include "res/evaluation_ids.h"

BEGIN_MESSAGE_MAP(COfertaTerminDlg, CDialog)
    ON_EN_KILLFOCUS(IDC_TERM_ROW_TERM, OnKillFocusTerm)
END_MESSAGE_MAP()

COfertaTerminDlg::COfertaTerminDlg(CPanelTerminDlg* pPanel) : m_pPanel(pPanel) {}

BOOL COfertaTerminDlg::CreateRow()
{
    return Create(IDD_OFERTA_TERMIN, m_pPanel);
}

BOOL COfertaTerminDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_number.SubclassDlgItem(IDC_EVAL_ROW_NUMBER, this);
    if (CreateEvaluationBoldFont(m_numberFont))
        m_number.SetFont(&m_numberFont);
    return FALSE;
}

void COfertaTerminDlg::SetShortestTerm(double dShortestTerm)
{
    m_dShortestTerm = dShortestTerm;
    SetDlgItemText(IDC_EVAL_ROW_BEST, dShortestTerm >= 0 ? DoubleToStr(dShortestTerm) : CString("0"));
    RecomputePoints();
}

void COfertaTerminDlg::SetWeight(double dWeight)
{
    m_dWeight = dWeight;
    RecomputePoints();
}

void COfertaTerminDlg::SetTerm()
{
    // Whole units only; "%.0f" of the floor, as a stored term may exceed an int.
    CString whole = "0";
    if (m_dTerm >= 0)
        whole.Format("%.0f", std::floor(m_dTerm));
    SetDlgItemText(IDC_TERM_ROW_TERM, whole);
    RecomputePoints();
}

void COfertaTerminDlg::RecomputePoints()
{
    const CString points = m_dTerm > 0
        ? DoubleToStr(CriterionPoints(m_dShortestTerm, m_dTerm, m_dWeight))
        : CString("0");
    SetDlgItemText(IDC_EVAL_ROW_POINTS, points);
}

void COfertaTerminDlg::OnKillFocusTerm()
{
    CString text;
    GetDlgItemText(IDC_TERM_ROW_TERM, text);
    const double typed = atof(text);
    SendDlgItemMessage(IDC_TERM_ROW_TERM, EM_SETMODIFY, FALSE);
    // Compared with the row's own term, so that clearing a stored term scores it 0 at once.
    if (typed != m_dTerm) {
        m_dTerm = typed;
        m_pPanel->UpdateShortestTerm();
    }
}

void COfertaTerminDlg::StoreInto(CriteriaOffer& offer)
{
    // Closing with Enter leaves the field without telling it; an untouched field keeps the
    // stored term with its fraction.
    if (SendDlgItemMessage(IDC_TERM_ROW_TERM, EM_GETMODIFY)) {
        CString text;
        GetDlgItemText(IDC_TERM_ROW_TERM, text);
        m_dTerm = atof(text);
    }
    offer.term = m_dTerm;
}
