#include "evaluation/criteria/price_criterion_dlg.h"

#include <cstdlib>

#include "app/number_format.h"
#include "model/criteria_data.h"
#include "evaluation/criteria/price_panel.h"
#include "framework/ui/msgmap.h"
#include "res/evaluation_ids.h"

BEGIN_MESSAGE_MAP(CKryteriumCenaDlg, CDialog)
    ON_EN_KILLFOCUS(IDC_EVAL_OFFER_COUNT, OnKillFocusOfferCount)
    ON_EN_KILLFOCUS(IDC_EVAL_WEIGHT, OnKillFocusWeight)
    ON_BN_CLICKED(IDC_PRICE_PRINT, OnDrukuj)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CKryteriumCenaDlg::CKryteriumCenaDlg(CCriteriaData* pData, CWnd* pParent)
    : CDialog(IDD_KRYTERIUM_CENA, pParent), m_pData(pData)
{
}

CKryteriumCenaDlg::~CKryteriumCenaDlg() = default;

BOOL CKryteriumCenaDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_title.SubclassDlgItem(IDC_EVAL_TITLE, this);
    if (CreateEvaluationBoldFont(m_titleFont))
        m_title.SetFont(&m_titleFont);
    m_weightEdit.SubclassDlgItem(IDC_EVAL_WEIGHT, this);

    m_pPanel = std::make_unique<CPanelCenaDlg>(m_pData, this);
    m_pPanel->MoveOntoFrame(this, IDC_EVAL_PANEL_FRAME);

    if (m_pData != nullptr) {
        SetDlgItemText(IDC_EVAL_DATE, m_pData->m_strDate);
        SetDlgItemText(IDC_EVAL_WEIGHT, m_pData->m_strPriceWeight);
        SetDlgItemText(IDC_EVAL_FORMULA_WEIGHT, m_pData->m_strPriceWeight);
        SetDlgItemText(IDC_EVAL_OFFER_COUNT, IntToStr(m_pData->m_nOfferCount));
        SetDlgItemText(IDC_EVAL_CASE_NUMBER, m_pData->m_strCaseNumber);
    }
    return TRUE;
}

// A field that loses the focus while the dialog is destroyed finds the panel gone.
void CKryteriumCenaDlg::OnKillFocusOfferCount()
{
    if (m_pPanel == nullptr)
        return;
    m_pPanel->ApplyOfferCount(this, IDC_EVAL_OFFER_COUNT, IDC_EVAL_PANEL_FRAME);
}

void CKryteriumCenaDlg::OnKillFocusWeight()
{
    if (m_pPanel == nullptr)
        return;
    CString weight;
    GetDlgItemText(IDC_EVAL_WEIGHT, weight);
    SetDlgItemText(IDC_EVAL_FORMULA_WEIGHT, weight);
    m_pPanel->SetWeight(atof(weight));
}

void CKryteriumCenaDlg::OnDestroy()
{
    if (m_pData != nullptr) {
        GetDlgItemText(IDC_EVAL_DATE, m_pData->m_strDate);
        GetDlgItemText(IDC_EVAL_WEIGHT, m_pData->m_strPriceWeight);
        GetDlgItemText(IDC_EVAL_CASE_NUMBER, m_pData->m_strCaseNumber);
    }
    // The panel stores its rows while it is destroyed, after the fields above.
    if (m_pPanel != nullptr) {
        m_pPanel->DestroyWindow();
        m_pPanel.reset();
    }
    CWnd::OnDestroy();
}
