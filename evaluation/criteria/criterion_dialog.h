// CCriterionDialog: the dialog of the price or the delivery-term criterion (Criterion is
// PriceCriterion or TermCriterion). Its panel holds a row per offer; the weight, the number of
// offers and the rows' values keep the points in step. On closing, the fields and the rows go
// back into the record; without a record it works on empty rows and stores nothing.
#pragma once

#include <cstdlib>
#include <memory>

#include "app/number_format.h"
#include "controls/blink_static.h"
#include "controls/numeric_edit.h"
#include "evaluation/criteria/criterion_panel.h"
#include "evaluation/criteria/offer_panel.h"
#include "framework/ui/dialog.h"
#include "framework/ui/gdi.h"
#include "framework/ui/msgmap.h"
#include "model/criteria_data.h"
#include "res/evaluation_ids.h"

template <class Criterion>
class CCriterionDialog : public CDialog {
public:
    using Panel = CCriterionPanel<Criterion>;

    CCriterionDialog(CCriteriaData *pData, CWnd *pParent = nullptr)
        : CDialog(Criterion::kDialogId, pParent), m_pData(pData)
    {
    }

    // The record; the caller owns it again after DoModal.
    CCriteriaData *m_pData;

    Panel *GetPanel() const { return m_pPanel.get(); }

protected:
    BOOL OnInitDialog() override;
    void OnKillFocusOfferCount();
    void OnKillFocusWeight();
    void OnPrintCalculation() { Criterion::Print(*this); }
    void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    CFont m_titleFont;
    CBlinkStatic m_title;
    CNumericEdit m_weightEdit;
    std::unique_ptr<Panel> m_pPanel;
};

BEGIN_TEMPLATE_MESSAGE_MAP(class Criterion, CCriterionDialog<Criterion>, CDialog)
    ON_EN_KILLFOCUS(IDC_EVAL_OFFER_COUNT, OnKillFocusOfferCount)
    ON_EN_KILLFOCUS(IDC_EVAL_WEIGHT, OnKillFocusWeight)
    ON_BN_CLICKED(Criterion::kPrintId, OnPrintCalculation)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

template <class Criterion>
BOOL CCriterionDialog<Criterion>::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_title.SubclassDlgItem(IDC_EVAL_TITLE, this);
    if (CreateEvaluationBoldFont(m_titleFont))
        m_title.SetFont(&m_titleFont);
    m_weightEdit.SubclassDlgItem(IDC_EVAL_WEIGHT, this);

    m_pPanel = std::make_unique<Panel>(m_pData, this);
    m_pPanel->MoveOntoFrame(this, IDC_EVAL_PANEL_FRAME);

    if (m_pData != nullptr) {
        SetDlgItemText(IDC_EVAL_DATE, m_pData->m_strDate);
        SetDlgItemText(IDC_EVAL_WEIGHT, Criterion::Weight(*m_pData));
        SetDlgItemText(IDC_EVAL_FORMULA_WEIGHT, Criterion::Weight(*m_pData));
        SetDlgItemText(IDC_EVAL_OFFER_COUNT, IntToStr(m_pData->m_nOfferCount));
        SetDlgItemText(IDC_EVAL_CASE_NUMBER, m_pData->m_strCaseNumber);
    }
    Criterion::ShowOwnFields(*this, m_pData);
    return TRUE;
}

// A field that loses the focus while the dialog is destroyed finds the panel gone.
template <class Criterion>
void CCriterionDialog<Criterion>::OnKillFocusOfferCount()
{
    if (m_pPanel == nullptr)
        return;
    m_pPanel->ApplyOfferCount(this, IDC_EVAL_OFFER_COUNT, IDC_EVAL_PANEL_FRAME);
}

template <class Criterion>
void CCriterionDialog<Criterion>::OnKillFocusWeight()
{
    if (m_pPanel == nullptr)
        return;
    CString weight;
    GetDlgItemText(IDC_EVAL_WEIGHT, weight);
    SetDlgItemText(IDC_EVAL_FORMULA_WEIGHT, weight);
    m_pPanel->SetWeight(atof(weight));
}

template <class Criterion>
void CCriterionDialog<Criterion>::OnDestroy()
{
    if (m_pData != nullptr) {
        GetDlgItemText(IDC_EVAL_DATE, m_pData->m_strDate);
        GetDlgItemText(IDC_EVAL_WEIGHT, Criterion::Weight(*m_pData));
        Criterion::StoreOwnFields(*this, *m_pData);
        GetDlgItemText(IDC_EVAL_CASE_NUMBER, m_pData->m_strCaseNumber);
    }
    // The panel stores its rows while it is destroyed, after the fields above.
    if (m_pPanel != nullptr) {
        m_pPanel->DestroyWindow();
        m_pPanel.reset();
    }
    CWnd::OnDestroy();
}
