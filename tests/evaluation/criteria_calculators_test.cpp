// Opening the calculators as the proceeding window does: each runs on the record it is given,
// and what the user typed is in that record however the calculator was closed.
#include <gtest/gtest.h>

#include "evaluation/criteria/criteria_calculators.h"
#include "model/criteria_data.h"
#include "res/evaluation_ids.h"
#include "tests/support/dialog_driver.h"

namespace {

TEST(CriteriaCalculators, EachRunsOnTheRecordAndKeepsWhatWasTypedAlsoAfterCancel)
{
    const char *const titles[] = {
        "Obliczenie punktacji w zakresie kryterium cena",
        "Obliczenie punktacji w zakresie kryterium termin realizacji zamówienia",
        "Bilans punktowy zastosowanych kryteriów",
    };
    for (int type = 0; type < 3; ++type) {
        for (int closing : {IDOK, IDCANCEL}) {
            CCriteriaData record;
            CString caption;
            CTestHook hook;
            hook.onDialog = [&](CDialog &dialog) {
                dialog.GetWindowText(caption);
                dialog.SetDlgItemText(IDC_EVAL_CASE_NUMBER, "ZP.7.2026");
                dialog.EndDialog(closing);
            };
            CTestHookScope scope(hook);
            EXPECT_EQ(&record, RunCriteriaCalculator(nullptr, type, &record));
            EXPECT_STREQ(titles[type], caption) << type;
            EXPECT_STREQ("ZP.7.2026", record.m_strCaseNumber) << type << " closed with " << closing;
        }
    }
}

TEST(CriteriaCalculators, UnknownTypeOpensNothing)
{
    CCriteriaData record;
    int shown = 0;
    CTestHook hook;
    hook.onDialog = [&](CDialog &) { ++shown; };
    CTestHookScope scope(hook);
    for (int type : {-1, 3})
        EXPECT_EQ(&record, RunCriteriaCalculator(nullptr, type, &record));
    EXPECT_EQ(0, shown);
}

} // namespace
