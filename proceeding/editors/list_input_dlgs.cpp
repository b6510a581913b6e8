#include "proceeding/editors/list_input_dlgs.h"

#include "framework/ui/ddx.h"
#include "framework/ui/msgmap.h"
#include "proceeding/editors/list_kinds.h"
#include "res/list_editor_ids.h"

namespace {

const int kOfferLabels[COfferInputDlg::kFields] = {
    IDC_OFFER_INPUT_LABEL_1, IDC_OFFER_INPUT_LABEL_2, IDC_OFFER_INPUT_LABEL_3,
    IDC_OFFER_INPUT_LABEL_4, IDC_OFFER_INPUT_LABEL_5, IDC_OFFER_INPUT_LABEL_6,
};
const int kOfferValues[COfferInputDlg::kFields] = {
    IDC_OFFER_INPUT_VALUE_1, IDC_OFFER_INPUT_VALUE_2, IDC_OFFER_INPUT_VALUE_3,
    IDC_OFFER_INPUT_VALUE_4, IDC_OFFER_INPUT_VALUE_5, IDC_OFFER_INPUT_VALUE_6,
};

} // namespace

BEGIN_MESSAGE_MAP(CCriterionInputDlg, CDialog)
    ON_EN_CHANGE(IDC_CRITERION_INPUT_WEIGHT, OnWeightChange)
END_MESSAGE_MAP()

CCriterionInputDlg::CCriterionInputDlg(CWnd *pParent) : CDialog(IDD_CRITERION_INPUT, pParent) {}

BOOL CCriterionInputDlg::OnInitDialog()
{
    m_strAcceptedWeight = m_strWeight;
    CDialog::OnInitDialog();
    if (m_nListKind == 0) {
        // The weighted criteria list keeps neither a scoring method nor an offer number.
        for (int id : {IDC_CRITERION_INPUT_SCORING_LABEL, IDC_CRITERION_INPUT_SCORING, IDC_CRITERION_INPUT_OFFER_LABEL,
                       IDC_CRITERION_INPUT_OFFER})
            GetDlgItem(id)->EnableWindow(FALSE);
    }
    return TRUE;
}

void CCriterionInputDlg::DoDataExchange(CDataExchange *pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_CRITERION_INPUT_NAME, m_strName);
    DDV_MaxChars(pDX, m_strName, 500);
    DDX_Text(pDX, IDC_CRITERION_INPUT_WEIGHT, m_strWeight);
    DDV_MaxChars(pDX, m_strWeight, 20);
    DDX_Text(pDX, IDC_CRITERION_INPUT_SCORING, m_strScoring);
    DDV_MaxChars(pDX, m_strScoring, 500);
    DDX_Text(pDX, IDC_CRITERION_INPUT_OFFER, m_strOfferNumber);
    DDV_MaxChars(pDX, m_strOfferNumber, 3);
}

void CCriterionInputDlg::OnWeightChange()
{
    CString typed;
    GetDlgItemText(IDC_CRITERION_INPUT_WEIGHT, typed);
    // What the field opened with stands even when it is no number, so it is never lost.
    if (IsWeightFieldText(typed) || typed == m_strAcceptedWeight) {
        m_strAcceptedWeight = typed;
        return;
    }
    SetDlgItemText(IDC_CRITERION_INPUT_WEIGHT, m_strAcceptedWeight);
    const int end = m_strAcceptedWeight.GetLength();
    SendDlgItemMessage(IDC_CRITERION_INPUT_WEIGHT, EM_SETSEL, end, end);
}

CCriterionValueInputDlg::CCriterionValueInputDlg(CWnd *pParent) : CDialog(IDD_CRITERION_VALUE_INPUT, pParent) {}

void CCriterionValueInputDlg::DoDataExchange(CDataExchange *pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_CRITERION_VALUE_NUMBER, m_strNumber);
    DDX_Text(pDX, IDC_CRITERION_VALUE_NAME, m_strName);
    DDX_Text(pDX, IDC_CRITERION_VALUE_VALUE, m_strValue);
    DDX_Text(pDX, IDC_CRITERION_VALUE_SCORING, m_strScoring);
}

COfferInputDlg::COfferInputDlg(CWnd *pParent) : CDialog(IDD_OFFER_INPUT, pParent) {}

BOOL COfferInputDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    for (int field = 0; field < kFields; ++field) {
        SetDlgItemText(kOfferLabels[field], m_strLabels[field]);
        if (field >= 2 && m_strLabels[field].IsEmpty())
            GetDlgItem(kOfferValues[field])->EnableWindow(FALSE);
    }
    return TRUE;
}

void COfferInputDlg::DoDataExchange(CDataExchange *pDX)
{
    CDialog::DoDataExchange(pDX);
    for (int field = 0; field < kFields; ++field) {
        DDX_Text(pDX, kOfferValues[field], m_strValues[field]);
        DDV_MaxChars(pDX, m_strValues[field], field + 1 < kFields ? 500 : 30);
    }
}
