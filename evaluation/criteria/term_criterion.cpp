#include "evaluation/criteria/term_criterion.h"

#include <cmath>

#include "framework/ui/wnd.h"

namespace {
// The unit buttons in the order of the unit's value.
const int kUnitButtons[] = {IDC_TERM_UNIT_DAYS, IDC_TERM_UNIT_MONTHS, IDC_TERM_UNIT_YEARS};
} // namespace

CString TermCriterion::ValueText(double term)
{
    // "%.0f" of the floor, as a stored term may exceed an int.
    CString whole = "0";
    if (term >= 0)
        whole.Format("%.0f", std::floor(term));
    return whole;
}

void TermCriterion::ShowOwnFields(CWnd &dialog, const CCriteriaData *pData)
{
    const int shown = pData != nullptr ? pData->m_nTermUnit : -1;
    for (int unit = 0; unit < 3; ++unit)
        dialog.CheckDlgButton(kUnitButtons[unit], unit == shown ? BST_CHECKED : BST_UNCHECKED);
}

void TermCriterion::StoreOwnFields(CWnd &dialog, CCriteriaData &data)
{
    // No button checked (a unit the program does not know) keeps the stored one.
    for (int unit = 0; unit < 3; ++unit) {
        if (dialog.IsDlgButtonChecked(kUnitButtons[unit]) == BST_CHECKED)
            data.m_nTermUnit = unit;
    }
}
