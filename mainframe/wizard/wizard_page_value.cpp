// Page 3 of the new-proceeding wizard: the value band, offered by the act and procedure code.
#include "app/working_folder.h"
#include "framework/ui/ddx.h"
#include "framework/ui/msgbox.h"
#include "mainframe/wizard/kreator_dlg.h"
#include "res/wizard_ids.h"

namespace {

// Thresholds of 2026-2027 (EUR 5 404 000 and 216 000 at 4,31 zł).
const char kEuThresholds[] = "progów unijnych (roboty budowlane 23 291 240 zł,\ndostawy i usługi 930 960 zł)";
const char kArticle11Thresholds[] = "progów ustalonych na podst.art.11 ust.8";

// How a procedure of the 2019 act offers the bands; `forcedBand` -1 keeps the user's choice.
struct BandRule2019 {
    int codes[3];
    const char *threshold; // nullptr hides the static
    bool belowEnabled;
    bool aboveEnabled;
    int forcedBand;
};

const BandRule2019 kBandRules2019[] = {
    {{0, 1, -1}, kEuThresholds, false, true, 1},  {{13, 14, 15}, kEuThresholds, true, false, 0},
    {{16, -1, -1}, kEuThresholds, true, true, 0}, {{17, -1, -1}, nullptr, true, false, 0},
    {{18, 23, -1}, nullptr, true, true, 0},       {{12, 19, -1}, nullptr, false, true, 1},
    {{20, 21, 22}, nullptr, true, true, -1},
};

const BandRule2019 *FindRule2019(int code)
{
    for (const BandRule2019 &rule : kBandRules2019) {
        for (int ruleCode : rule.codes) {
            if (ruleCode == code)
                return &rule;
        }
    }
    return nullptr;
}

} // namespace

CWizardPage3::CWizardPage3() : CWizardPage(IDD_WIZARD_VALUE) {}

void CWizardPage3::DoDataExchange(CDataExchange *pDX)
{
    CWizardPage::DoDataExchange(pDX);
    DDX_Radio(pDX, IDC_VALUE_BELOW, m_nValueBand);
}

void CWizardPage3::ApplyBandRules()
{
    const int code = m_pKreator->m_nProcedureCode;
    const int bandBefore = m_nValueBand;
    CWnd *threshold = GetDlgItem(IDC_VALUE_THRESHOLD);
    if (m_pKreator->m_bAct2019) {
        const BandRule2019 *rule = FindRule2019(code);
        if (rule != nullptr) {
            threshold->ShowWindow(rule->threshold != nullptr ? SW_SHOW : SW_HIDE);
            if (rule->threshold != nullptr)
                threshold->SetWindowText(rule->threshold);
            GetDlgItem(IDC_VALUE_BELOW)->EnableWindow(rule->belowEnabled);
            GetDlgItem(IDC_VALUE_ABOVE)->EnableWindow(rule->aboveEnabled);
            if (rule->forcedBand >= 0 && m_nValueBand >= 0)
                m_nValueBand = rule->forcedBand;
        }
    } else {
        GetDlgItem(IDC_VALUE_BELOW)->EnableWindow(TRUE);
        const bool belowOnly = code == 5 || code == 6 || code == 7 || code == 11;
        if (belowOnly) {
            GetDlgItem(IDC_VALUE_ABOVE)->EnableWindow(FALSE);
            if (m_nValueBand == 1)
                m_nValueBand = 0;
        }
        const bool hidden = code == 5 || code == 6 || code == 7;
        threshold->ShowWindow(hidden ? SW_HIDE : SW_SHOW);
        threshold->SetWindowText(code == 11 ? "poniżej progów 750.000" : kArticle11Thresholds);
    }
    if (m_nValueBand != bandBefore)
        UpdateData(FALSE);
}

void CWizardPage3::OnSetActive()
{
    UpdateData(TRUE);
    GetDlgItem(IDC_VALUE_ABOVE)->EnableWindow(TRUE);
    ApplyBandRules();
    m_pKreator->SetStepTitle(3, " :: Wartość postępowania");
    GetDlgItem(IDC_VALUE_BELOW)->SetFocus();
    m_pKreator->SetNextText(FALSE);
}

LRESULT CWizardPage3::OnWizardNext()
{
    UpdateData(TRUE);
    if (m_nValueBand < 0) {
        AfxShowMessageBox(m_hWnd, "Proszę wybrać wartość przetargu.", "Informacja", MB_ICONINFORMATION);
        return -1;
    }
    if (!EnsureWorkingFolder())
        return -1;
    m_bAboveThreshold = m_nValueBand != 0;
    m_pKreator->m_bAboveThreshold = m_bAboveThreshold;
    return 0;
}

void CWizardPage3::OnOK()
{
    m_pKreator->Next();
}
