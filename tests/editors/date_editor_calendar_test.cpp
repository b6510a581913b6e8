// The date editor's way into the calendar: "Terminarz" on the picked day, and the offer deadline
// that "Oblicz termin" enters there before it picks it.
#include <gtest/gtest.h>

#include "evaluation/calendar_dlg.h"
#include "evaluation/calendar_entry_dlg.h"
#include "evaluation/deadline_dlg.h"
#include "proceeding/editors/date_editor_dlg.h"
#include "res/editors_ids.h"
#include "tests/support/dialog_driver.h"
#include "tests/support/test_folder.h"

namespace {

void Pick(CDialog &d, WORD year, WORD month, WORD day)
{
    SYSTEMTIME time{};
    time.wYear = year;
    time.wMonth = month;
    time.wDay = day;
    d.SendDlgItemMessage(IDC_DATE_PICKER, DTM_SETRANGE, 0, 0);
    d.SendDlgItemMessage(IDC_DATE_PICKER, DTM_SETSYSTEMTIME, GDT_VALID, (LPARAM)&time);
}

// The editor with the dialogs it opens answered; the calendar is seen as it opens.
struct EditorRun {
    std::function<void(CDialog &)> onEditor;
    std::function<void(CWiadomoscDlg &)> onEntry;
    std::function<void(CObliczTerminDlg &)> onCalculator;
    std::function<void(CTerminarzDlg &)> onCalendar;
    std::vector<CString> messages;

    INT_PTR Run(CDateEditorDlg &editor)
    {
        CTestHook hook;
        hook.onDialog = [&](CDialog &d) {
            if (auto *entry = dynamic_cast<CWiadomoscDlg *>(&d)) {
                if (onEntry)
                    onEntry(*entry);
            } else if (auto *calculator = dynamic_cast<CObliczTerminDlg *>(&d)) {
                if (onCalculator)
                    onCalculator(*calculator);
            } else if (auto *calendar = dynamic_cast<CTerminarzDlg *>(&d)) {
                if (onCalendar)
                    onCalendar(*calendar);
            } else if (&d == &editor) {
                onEditor(d);
            }
        };
        hook.onMessageBox = [&](const CString &text, const CString &, UINT) {
            messages.push_back(text);
            return IDOK;
        };
        CTestHookScope scope(hook);
        return editor.DoModal();
    }
};

std::string Record(uint8_t year, uint8_t month, uint8_t day, uint8_t hour, uint8_t minute, uint8_t flags,
                   int32_t length)
{
    std::string bytes = {0, static_cast<char>(year), static_cast<char>(month), static_cast<char>(day),
                         static_cast<char>(hour), static_cast<char>(minute), static_cast<char>(flags), 0};
    for (int shift = 0; shift < 32; shift += 8)
        bytes += static_cast<char>((static_cast<uint32_t>(length) >> shift) & 0xFF);
    return bytes;
}

TEST(DateEditorCalendar, TerminarzOpensTheCalendarOnThePickedDay)
{
    TestFolder folder;
    CDateEditorDlg editor;
    editor.m_strSchedulePath = folder.Path();
    editor.m_nMode = 1;
    EditorRun run;
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
        Pick(d, 2025, 11, 14);
        DialogDriver::Press(d, IDC_DATE_SCHEDULER);
        DialogDriver::Press(d, IDOK);
    };
    EXPECT_EQ(run.Run(editor), IDOK);
    EXPECT_EQ(shownDay, 20251114);
    EXPECT_EQ(shownRows, 1);
    EXPECT_EQ(TestFolder::ReadBytes(folder / "naglowek.dat").substr(16, 4), std::string("\0\x7D\x0B\x0E", 4));
    EXPECT_EQ(editor.m_strValue, "2025-11-14"); // the calendar picks nothing
    EXPECT_TRUE(run.messages.empty());
}

TEST(DateEditorCalendar, TerminarzRefusesADayTheCalendarCannotHold)
{
    for (WORD year : {1900, 2100}) {
        SCOPED_TRACE(year);
        TestFolder folder;
        CDateEditorDlg editor;
        editor.m_strSchedulePath = folder.Path();
        editor.m_nMode = 1;
        EditorRun run;
        int calendars = 0;
        run.onCalendar = [&](CTerminarzDlg &) { ++calendars; };
        run.onEditor = [&](CDialog &d) {
            Pick(d, year, 1, 1);
            DialogDriver::Press(d, IDC_DATE_SCHEDULER);
        };
        run.Run(editor);
        EXPECT_EQ(calendars, 0);
        EXPECT_EQ(run.messages, std::vector<CString>{"Błędny format daty"});
        EXPECT_EQ(folder.Listing(), "");
    }
}

TEST(DateEditorCalendar, TheCalculatedDeadlineIsEnteredInTheCalendarAndPicked)
{
    TestFolder folder;
    CDateEditorDlg editor;
    editor.m_strSchedulePath = folder.Path();
    editor.m_nMode = 2;
    editor.m_nProcedureCode = 1;
    EditorRun run;
    run.onCalculator = [](CObliczTerminDlg &c) {
        c.CheckRadioButton(IDC_DEADLINE_OPTION0, IDC_DEADLINE_OPTION7, IDC_DEADLINE_OPTION1); // e-mail
        DialogDriver::Press(c, IDOK);
        c.CheckRadioButton(IDC_DEADLINE_OPTION0, IDC_DEADLINE_OPTION7, IDC_DEADLINE_OPTION0); // six weeks
        DialogDriver::Press(c, IDOK);
        DialogDriver::Press(c, IDOK); // "Zakończ"
    };
    run.onEditor = [](CDialog &d) {
        Pick(d, 2024, 3, 28);
        DialogDriver::Press(d, IDC_DATE_DEADLINE);
        DialogDriver::Press(d, IDOK);
    };
    EXPECT_EQ(run.Run(editor), IDOK);
    EXPECT_EQ(editor.m_strValue, "2024-05-14");
    // 14 May 2024 at 00:00, flag D, the fixed text.
    EXPECT_EQ(TestFolder::ReadBytes(folder / "naglowek.dat").substr(16), Record(124, 5, 14, 0, 0, 4, 22));
    EXPECT_EQ(TestFolder::ReadBytes(folder / "terminarz.dat").substr(16), std::string("Termin składania ofert", 23));
    EXPECT_TRUE(run.messages.empty());
}

} // namespace
