#include <gtest/gtest.h>

#include "tests/editors/date_editor_driver.h"
#include "tests/support/test_folder.h"

namespace {

void Choose(CWnd &d, int option)
{
    d.CheckRadioButton(IDC_DEADLINE_OPTION0, IDC_DEADLINE_OPTION7, option);
    DialogDriver::Press(d, IDOK);
}

// Picks the day, runs the calculator from it and saves what the picker then shows.
std::function<void(CDialog &)> PickComputeAndSave(WORD year, WORD month, WORD day)
{
    return [=](CDialog &d) {
        PickDate(d, year, month, day);
        DialogDriver::Press(d, IDC_DATE_DEADLINE);
        DialogDriver::Press(d, IDOK);
    };
}

TEST(DateEditorDeadline, ModeOneOffersTheCalendarAndModeTwoAlsoTheCalculator)
{
    for (int mode : {0, 1, 2}) {
        SCOPED_TRACE(mode);
        CDateEditorDlg editor;
        editor.m_nMode = mode;
        DialogDriver driver;
        bool deadline = true, scheduler = true;
        driver.Run(editor, [&](CDialog &d) {
            deadline = DialogDriver::IsEnabled(d, IDC_DATE_DEADLINE);
            scheduler = DialogDriver::IsEnabled(d, IDC_DATE_SCHEDULER);
        });
        EXPECT_EQ(deadline, mode == 2);
        EXPECT_EQ(scheduler, mode != 0);
    }
}

TEST(DateEditorDeadline, TheCalculatedExpiryIsPickedAndSaved)
{
    TestFolder calendar; // the expiry goes into the calendar too
    CDateEditorDlg editor;
    editor.m_strSchedulePath = calendar.Path();
    editor.m_nMode = 2;
    editor.m_nProcedureCode = 163;
    editor.m_strValue = "2020-01-01";
    DateEditorRun answer;
    CString sendShown, title;
    answer.onCalculator = [&](CObliczTerminDlg &c) {
        c.GetDlgItemText(IDC_DEADLINE_STEP_TITLE, title);
        c.GetDlgItemText(IDC_DEADLINE_SEND_DATE, sendShown);
        Choose(c, IDC_DEADLINE_OPTION0); // 35 days
        DialogDriver::Press(c, IDOK);    // "Zakończ"
    };
    answer.onEditor = PickComputeAndSave(2024, 3, 28);
    EXPECT_EQ(answer.Run(editor), IDOK);
    EXPECT_EQ(answer.calculatorOpened, 1);
    EXPECT_EQ(title, "Krok 2"); // the code names the kind, so the first page is skipped
    EXPECT_EQ(sendShown, "2024-03-28");
    EXPECT_EQ(editor.m_strValue, "2024-05-02");
    EXPECT_TRUE(answer.messages.empty());
}

TEST(DateEditorDeadline, ACancelledCalculatorLeavesThePickedDay)
{
    CDateEditorDlg editor;
    editor.m_nMode = 2;
    editor.m_nProcedureCode = 1;
    DateEditorRun answer;
    answer.onCalculator = [](CObliczTerminDlg &c) { DialogDriver::Press(c, IDCANCEL); };
    answer.onEditor = PickComputeAndSave(2024, 3, 28);
    EXPECT_EQ(answer.Run(editor), IDOK);
    EXPECT_EQ(answer.calculatorOpened, 1);
    EXPECT_EQ(editor.m_strValue, "2024-03-28");
}

TEST(DateEditorDeadline, ADayTheCalculatorCannotStartFromIsRefused)
{
    // "Zapisz" takes 1900 and 2100; the calculator's button does not.
    for (WORD year : {1900, 2100}) {
        SCOPED_TRACE(year);
        CDateEditorDlg editor;
        editor.m_nMode = 2;
        DateEditorRun answer;
        answer.onEditor = [&](CDialog &d) {
            PickDate(d, year, 1, 1);
            DialogDriver::Press(d, IDC_DATE_DEADLINE);
        };
        answer.Run(editor);
        EXPECT_EQ(answer.calculatorOpened, 0);
        EXPECT_EQ(answer.messages, std::vector<CString>{"Błędny format daty"});
    }
}

} // namespace
