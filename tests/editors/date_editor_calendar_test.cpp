// The date editor's way into the calendar: "Terminarz" on the picked day, and the offer deadline
// that "Oblicz termin" enters there before it picks it.
#include <gtest/gtest.h>

#include "tests/editors/date_editor_driver.h"
#include "tests/evaluation/calendar_fixture.h"

namespace {

using namespace calendar_bytes;

TEST(DateEditorCalendar, TerminarzOpensTheCalendarOnThePickedDay)
{
    CalendarFolder folder;
    CDateEditorDlg editor;
    editor.m_strSchedulePath = folder.Path();
    editor.m_nMode = 1;
    DateEditorRun run;
    int shownDay = 0, shownRows = 0;
    run.onEntry = [](CWiadomoscDlg &e) {
        e.SetDlgItemText(IDC_NOTE_TEXT, "Wizja lokalna");
        DialogDriver::Press(e, IDOK);
    };
    run.onCalendar = [&](CTerminarzDlg &c) {
        shownDay = c.GridYear() * 10000 + c.GridMonth() * 100 + c.GridDay();
        shownRows = c.Grid().GetRowCount() - 1;
    };
    run.onEditor = [](CDialog &d) {
        PickDate(d, 2025, 11, 14);
        DialogDriver::Press(d, IDC_DATE_SCHEDULER);
        DialogDriver::Press(d, IDOK);
    };
    EXPECT_EQ(run.Run(editor), IDOK);
    EXPECT_EQ(shownDay, 20251114);
    EXPECT_EQ(shownRows, 1);
    // Up to the day of the record: 14 November 2025; the time is the entry dialog's.
    EXPECT_EQ(folder.Index().substr(0, 20), Index({{0, 125, 11, 14, 0, 0, 0, 13}}).substr(0, 20));
    EXPECT_EQ(editor.m_strValue, "2025-11-14"); // the calendar picks nothing
    EXPECT_TRUE(run.messages.empty());
}

TEST(DateEditorCalendar, TerminarzRefusesADayTheCalendarCannotHold)
{
    for (WORD year : {1900, 2100}) {
        SCOPED_TRACE(year);
        CalendarFolder folder;
        CDateEditorDlg editor;
        editor.m_strSchedulePath = folder.Path();
        editor.m_nMode = 1;
        DateEditorRun run;
        run.onEditor = [&](CDialog &d) {
            PickDate(d, year, 1, 1);
            DialogDriver::Press(d, IDC_DATE_SCHEDULER);
        };
        run.Run(editor);
        EXPECT_EQ(run.calendarShown, 0);
        EXPECT_EQ(run.messages, std::vector<CString>{"Błędny format daty"});
        EXPECT_EQ(folder.Listing(), "");
    }
}

TEST(DateEditorCalendar, TheCalculatedDeadlineIsEnteredInTheCalendarAndPicked)
{
    CalendarFolder folder;
    CDateEditorDlg editor;
    editor.m_strSchedulePath = folder.Path();
    editor.m_nMode = 2;
    editor.m_nProcedureCode = 63;
    DateEditorRun run;
    run.onCalculator = [](CObliczTerminDlg &c) {
        c.CheckRadioButton(IDC_DEADLINE_OPTION0, IDC_DEADLINE_OPTION7, IDC_DEADLINE_OPTION0); // 35 days
        DialogDriver::Press(c, IDOK);
        DialogDriver::Press(c, IDOK); // "Zakończ"
    };
    run.onEditor = [](CDialog &d) {
        PickDate(d, 2024, 3, 28);
        DialogDriver::Press(d, IDC_DATE_DEADLINE);
        DialogDriver::Press(d, IDOK);
    };
    EXPECT_EQ(run.Run(editor), IDOK);
    EXPECT_EQ(editor.m_strValue, "2024-05-02");
    // 2 May 2024 at 00:00, flag D, the fixed text.
    EXPECT_EQ(folder.Index(), Index({{0, 124, 5, 2, 0, 0, 4, 22}}));
    EXPECT_EQ(folder.Texts(), Texts(0, {"Termin składania ofert"}));
    EXPECT_TRUE(run.messages.empty());
}

} // namespace
