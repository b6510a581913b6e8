#include "evaluation/criteria/balance_dlg.h"

#include "app/number_format.h"
#include "evaluation/criteria/balance_criteria.h"
#include "evaluation/criteria/balance_panel.h"
#include "evaluation/criteria/best_offer.h"
#include "model/criteria_data.h"
#include "evaluation/criteria/new_criterion_dlg.h"
#include "framework/ui/ddx.h"
#include "framework/ui/msgbox.h"

namespace {

const int kNameColumnWidth = 240;
const int kWeightColumnWidth = 100;

void ShowError(CWnd &owner, const char *text)
{
    AfxShowMessageBox(owner.m_hWnd, text, "Błąd", MB_OK | MB_ICONERROR);
}

} // namespace

BEGIN_MESSAGE_MAP(CBilansPunktowyDlg, CDialog)
    ON_EN_KILLFOCUS(IDC_BALANCE_OFFER_COUNT, OnOfferCountKillFocus)
    ON_NOTIFY(NM_CLICK, IDC_BALANCE_CRITERIA, OnCriteriaClick)
    ON_BN_CLICKED(IDC_BALANCE_ADD, OnAdd)
    ON_BN_CLICKED(IDC_BALANCE_REMOVE, OnRemove)
    ON_BN_CLICKED(IDC_BALANCE_PRINT, OnPrintCalculation)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CBilansPunktowyDlg::CBilansPunktowyDlg(CCriteriaData *pData, CWnd *pParent) : CDialog(IDD, pParent), m_pData(pData) {}

// Out of line, where the panel is a complete type.
CBilansPunktowyDlg::~CBilansPunktowyDlg() = default;

void CBilansPunktowyDlg::DoDataExchange(CDataExchange *pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_BALANCE_CRITERIA, m_criteria);
    DDX_Control(pDX, IDC_BALANCE_TITLE, m_title);
    DDX_Control(pDX, IDC_BALANCE_RESULT, m_result);
}

BOOL CBilansPunktowyDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    m_criteria.SetExtendedStyle(m_criteria.GetExtendedStyle() | LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    m_criteria.InsertColumn(0, "Nazwa kryterium", LVCFMT_LEFT, kNameColumnWidth);
    m_criteria.InsertColumn(1, "Waga kryterium", LVCFMT_LEFT, kWeightColumnWidth);
    m_criteria.InsertItem(0, "cena");
    m_criteria.SetItemText(0, 1, WeightText(m_pData != nullptr ? m_pData->m_strPriceWeight : CString()));
    if (m_pData != nullptr) {
        for (int k = 0; k < m_pData->m_nCriteriaCount && k < CCriteriaData::kMaxCriteria; ++k) {
            const int row = m_criteria.InsertItem(k + 1, m_pData->m_strCriterionName[k]);
            m_criteria.SetItemText(row, 1, WeightText(m_pData->m_strCriterionWeight[k]));
        }
    }

    if (CreateEvaluationBoldFont(m_boldFont)) {
        m_title.SetFont(&m_boldFont);
        m_result.SetFont(&m_boldFont);
    }
    m_panel = std::make_unique<CPanelBilansDlg>(m_pData, this);
    m_panel->MoveOntoFrame(this, IDC_BALANCE_PANEL_FRAME);

    if (m_pData != nullptr) {
        SetDlgItemText(IDC_BALANCE_DATE, m_pData->m_strDate);
        SetDlgItemText(IDC_BALANCE_OFFER_COUNT, IntToStr(m_pData->m_nOfferCount));
        SetDlgItemText(IDC_BALANCE_CASE_NUMBER, m_pData->m_strCaseNumber);
    }
    return TRUE;
}

void CBilansPunktowyDlg::SetResultText(double best, const CString &winners, const CString &cheapest)
{
    SetDlgItemText(IDC_BALANCE_RESULT, BestOfferSentence(best, winners, cheapest));
}

// However the dialog closes, what was typed reaches the record.
void CBilansPunktowyDlg::OnDestroy()
{
    if (m_pData != nullptr) {
        GetDlgItemText(IDC_BALANCE_DATE, m_pData->m_strDate);
        GetDlgItemText(IDC_BALANCE_CASE_NUMBER, m_pData->m_strCaseNumber);
    }
    // The panel sets the offer count while it is destroyed.
    if (m_panel != nullptr) {
        m_panel->DestroyWindow();
        m_panel.reset();
    }
    CDialog::OnDestroy();
}

void CBilansPunktowyDlg::OnOfferCountKillFocus()
{
    // Unlike the other calculators, the record's offer count follows at once.
    if (m_panel != nullptr && m_panel->ApplyOfferCount(this, IDC_BALANCE_OFFER_COUNT, IDC_BALANCE_PANEL_FRAME)
        && m_pData != nullptr)
        m_pData->m_nOfferCount = m_panel->GetRowsWanted();
}

void CBilansPunktowyDlg::OnCriteriaClick(NMHDR *, LRESULT *pResult)
{
    const int selected = m_criteria.GetNextItem(-1, LVNI_SELECTED);
    if (selected >= 0)
        GetDlgItem(IDC_BALANCE_REMOVE)->EnableWindow(selected > 0); // "cena" stays
    *pResult = 0;
}

void CBilansPunktowyDlg::OnAdd()
{
    if (m_pData == nullptr)
        return;
    if (m_pData->m_nCriteriaCount >= kMaxBalanceCriteria) {
        ShowError(*this, "Za duża ilość wprowadzonych kryteriów");
        return;
    }
    CNoweKryteriumDlg dialog(this);
    if (dialog.DoModal() != IDOK)
        return;
    if (AddCriterion(*m_pData, dialog.m_strName, dialog.m_strWeight) != AddCriterionResult::Added) {
        ShowError(*this, "Kryterium o podanej nazwie już istnieje");
        return;
    }
    const int row = m_criteria.InsertItem(m_criteria.GetItemCount(), dialog.m_strName);
    m_criteria.SetItemText(row, 1, WeightText(dialog.m_strWeight));
    m_panel->RefreshRows();
}

void CBilansPunktowyDlg::OnRemove()
{
    const int selected = m_criteria.GetNextItem(-1, LVNI_SELECTED);
    if (selected <= 0 || m_pData == nullptr || !RemoveCriterion(*m_pData, selected - 1))
        return;
    m_criteria.DeleteItem(selected);
    m_panel->RefreshRows();
}
