#include "evaluation/criteria/term_criterion_dlg.h"

#include <cstdlib>

#include "app/number_format.h"
#include "model/criteria_data.h"
#include "evaluation/criteria/term_panel.h"
#include "framework/ui/msgmap.h"
#include "res/evaluation_ids.h"

namespace {
// The unit buttons in the order of the unit's value.
const int kUnitButtons[] = {IDC_TERM_UNIT_DAYS, IDC_TERM_UNIT_MONTHS, IDC_TERM_UNIT_YEARS};
}  // namespace

BEGIN_MESSAGE_MAP(CKryteriumTerminDlg, CDialog)
    ON_EN_KILLFOCUS(IDC_EVAL_OFFER_COUNT, OnKillFocusOfferCount)
    ON_EN_KILLFOCUS(IDC_EVAL_WEIGHT, OnKillFocusWeight)
    ON_BN_CLICKED(IDC_TERM_PRINT, OnDrukuj)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CKryteriumTerminDlg::CKryteriumTerminDlg(CCriteriaData* pData, CWnd* pParent)
    : CDialog(IDD_KRYTERIUM_TERMIN, pParent), m_pData(pData)
{
}

CKryteriumTerminDlg::~CKryteriumTerminDlg() = default;

BOOL CKryteriumTerminDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_title.SubclassDlgItem(IDC_EVAL_TITLE, this);
    if (CreateEvaluationBoldFont(m_titleFont))
        m_title.SetFont(&m_titleFont);
    m_weightEdit.SubclassDlgItem(IDC_EVAL_WEIGHT, this);

    m_pPanel = std::make_unique<CPanelTerminDlg>(m_pData, this);
    m_pPanel->MoveOntoFrame(this, IDC_EVAL_PANEL_FRAME);

    if (m_pData != nullptr) {
        SetDlgItemText(IDC_EVAL_DATE, m_pData->m_strDate);
        SetDlgItemText(IDC_EVAL_FORMULA_WEIGHT, m_pData->m_strTermWeight);
        SetDlgItemText(IDC_EVAL_WEIGHT, m_pData->m_strTermWeight);
        SetDlgItemText(IDC_EVAL_OFFER_COUNT, IntToStr(m_pData->m_nOfferCount));
        m_nUnit = m_pData->m_nTermUnit;
        SetDlgItemText(IDC_EVAL_CASE_NUMBER, m_pData->m_strCaseNumber);
    }
    for (int unit = 0; unit < 3; ++unit)
        CheckDlgButton(kUnitButtons[unit], unit == m_nUnit ? BST_CHECKED : BST_UNCHECKED);
    return TRUE;
}

// A field that loses the focus while the dialog is destroyed finds the panel gone.
void CKryteriumTerminDlg::OnKillFocusOfferCount()
{
    if (m_pPanel == nullptr)
        return;
    m_pPanel->ApplyOfferCount(this, IDC_EVAL_OFFER_COUNT, IDC_EVAL_PANEL_FRAME);
}

void CKryteriumTerminDlg::OnKillFocusWeight()
{
    if (m_pPanel == nullptr)
        return;
    CString weight;
    GetDlgItemText(IDC_EVAL_WEIGHT, weight);
    SetDlgItemText(IDC_EVAL_FORMULA_WEIGHT, weight);
    m_pPanel->SetWeight(atof(weight));
}

void CKryteriumTerminDlg::OnDestroy()
{
    for (int unit = 0; unit < 3; ++unit) {
        if (IsDlgButtonChecked(kUnitButtons[unit]) == BST_CHECKED)
            m_nUnit = unit;
    }
    if (m_pData != nullptr) {
        GetDlgItemText(IDC_EVAL_DATE, m_pData->m_strDate);
        GetDlgItemText(IDC_EVAL_WEIGHT, m_pData->m_strTermWeight);
        // No button chosen (a unit the program does not know) keeps the stored one.
        if (m_nUnit >= 0 && m_nUnit < 3)
            m_pData->m_nTermUnit = m_nUnit;
        GetDlgItemText(IDC_EVAL_CASE_NUMBER, m_pData->m_strCaseNumber);
    }
    // The panel stores its rows while it is destroyed, after the fields above.
    if (m_pPanel != nullptr) {
        m_pPanel->DestroyWindow();
        m_pPanel.reset();
    }
    CWnd::OnDestroy();
}
