// CCriterionOfferRow: one offer in the panel of the price or the delivery-term criterion: its
// value (the gross price or the term), the best value of all offers and the points that follow
// from them. The row of each criterion derives from it with its own fields, LoadFrom and
// StoreInto, and its own way of taking a typed value.
#pragma once

#include "controls/blink_static.h"
#include "evaluation/criteria/criterion_panel.h"
#include "evaluation/criteria/offer_panel.h"
#include "evaluation/criteria/offer_scoring.h"
#include "framework/ui/dialog.h"
#include "framework/ui/gdi.h"
#include "res/evaluation_ids.h"

template <class Criterion>
class CCriterionOfferRow : public CDialog {
public:
    using Panel = CCriterionPanel<Criterion>;

    explicit CCriterionOfferRow(Panel *pPanel) : m_pPanel(pPanel) {}

    // Creates the row's window from its template as a child of the panel.
    BOOL CreateRow() { return Create(Criterion::kRowId, m_pPanel); }

    void SetBest(double dBest)
    {
        m_dBest = dBest;
        SetDlgItemText(IDC_EVAL_ROW_BEST, dBest >= 0 ? Criterion::Number(dBest) : CString(Criterion::kZero));
        RecomputePoints();
    }
    void SetWeight(double dWeight)
    {
        m_dWeight = dWeight;
        RecomputePoints();
    }
    // Shows the value held by the row.
    void ShowValue()
    {
        SetDlgItemText(Criterion::kValueId, Criterion::ValueText(m_dValue));
        RecomputePoints();
    }

    // Above 0 the offer scores; 0 or less: no value offered.
    double m_dValue = 0;
    double m_dBest = 0;
    double m_dWeight = 0;

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        m_number.SubclassDlgItem(IDC_EVAL_ROW_NUMBER, this);
        if (CreateEvaluationBoldFont(m_numberFont))
            m_number.SetFont(&m_numberFont);
        return FALSE;
    }
    // Enter and Esc belong to the dialog around the panel.
    void OnOK() override {}
    void OnCancel() override {}

    void RecomputePoints()
    {
        const CString points =
            m_dValue > 0 ? Criterion::Number(CriterionPoints(m_dBest, m_dValue, m_dWeight)) : CString(Criterion::kZero);
        SetDlgItemText(IDC_EVAL_ROW_POINTS, points);
    }

    Panel *m_pPanel;

private:
    CFont m_numberFont;
    CBlinkStatic m_number;
};
