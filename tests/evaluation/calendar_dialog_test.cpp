// The calendar dialog under the test hook: the day's grid, the buttons, the opening modes and
// the painted month's clicks.
#include <gtest/gtest.h>

#include <functional>

#include "app/morvelank_app.h"
#include "evaluation/calendar/calendar_dlg.h"
#include "evaluation/calendar/calendar_entry_dlg.h"
#include "evaluation/calendar/calendar_folder_chooser.h"
#include "evaluation/calendar/calendar_month.h"
#include "evaluation/deadline/deadline_dlg.h"
#include "tests/evaluation/calendar_fixture.h"
#include "tests/support/dialog_driver.h"

namespace {

using namespace calendar_bytes;

// The calendar and the dialogs it opens, answered by the test; every message box is recorded.
struct CalendarRun {
    std::function<void(CTerminarzDlg &)> onCalendar;
    std::function<void(CWiadomoscDlg &)> onEntry;
    std::function<void(CObliczTerminDlg &)> onCalculator;
    std::vector<ShownMessage> messages;
    int calendarShown = 0;

    INT_PTR Run(CTerminarzDlg &calendar)
    {
        CTestHook hook;
        hook.onDialog = [&](CDialog &d) {
            if (auto *entry = dynamic_cast<CWiadomoscDlg *>(&d)) {
                if (onEntry)
                    onEntry(*entry);
            } else if (auto *calculator = dynamic_cast<CObliczTerminDlg *>(&d)) {
                if (onCalculator)
                    onCalculator(*calculator);
            } else if (&d == &calendar) {
                ++calendarShown;
                if (onCalendar)
                    onCalendar(calendar);
            }
        };
        hook.onMessageBox = [this](const CString &text, const CString &caption, UINT type) {
            messages.push_back({text, caption, type});
            return IDOK;
        };
        CTestHookScope scope(hook);
        return calendar.DoModal();
    }

    std::vector<CString> Texts() const
    {
        std::vector<CString> texts;
        for (const ShownMessage &m : messages)
            texts.push_back(m.text);
        return texts;
    }
};

SYSTEMTIME Today()
{
    SYSTEMTIME today;
    GetLocalTime(&today);
    return today;
}

// An answer to "Wiadomość": the time, the flags and the text, then OK.
std::function<void(CWiadomoscDlg &)> Write(int hour, int minute, bool alarm, bool priority, const char *text)
{
    return [=](CWiadomoscDlg &d) {
        SYSTEMTIME time = Today();
        time.wHour = static_cast<WORD>(hour);
        time.wMinute = static_cast<WORD>(minute);
        d.SendDlgItemMessage(IDC_NOTE_TIME, DTM_SETSYSTEMTIME, GDT_VALID, (LPARAM)&time);
        d.CheckDlgButton(IDC_NOTE_ALARM, alarm ? BST_CHECKED : BST_UNCHECKED);
        d.CheckDlgButton(IDC_NOTE_PRIORITY, priority ? BST_CHECKED : BST_UNCHECKED);
        d.SetDlgItemText(IDC_NOTE_TEXT, text);
        DialogDriver::Press(d, IDOK);
    };
}

// What a grid row shows: time, images of A, P and D, text.
struct Row {
    CString time;
    int alarm, priority, flagD;
    CString text;
    bool operator==(const Row &o) const
    {
        return time == o.time && alarm == o.alarm && priority == o.priority && flagD == o.flagD && text == o.text;
    }
};

std::ostream &operator<<(std::ostream &out, const Row &row)
{
    return out << (LPCSTR)row.time << " " << row.alarm << row.priority << row.flagD << " " << (LPCSTR)row.text;
}

std::vector<Row> Rows(CTerminarzDlg &d)
{
    CGridCtrl &grid = d.Grid();
    std::vector<Row> rows;
    for (int row = 1; row < grid.GetRowCount(); ++row)
        rows.push_back({grid.GetItemText(row, 0), grid.GetItemImage(row, 1), grid.GetItemImage(row, 2),
                        grid.GetItemImage(row, 3), grid.GetItemText(row, 4)});
    return rows;
}

void Click(CWnd &d, POINT at)
{
    d.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    d.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
}

POINT Centre(const RECT &r)
{
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void OpenOn(CTerminarzDlg &calendar, const CalendarFolder &folder, int mode, int year, int month, int day)
{
    calendar.m_strFolder = folder.Path();
    calendar.m_nMode = mode;
    calendar.m_nYear = year;
    calendar.m_nMonth = month;
    calendar.m_nDay = day;
}

TEST(CalendarDialog, TheDaysEntriesStandInTimeOrderWithTheirFlags)
{
    const SYSTEMTIME today = Today();
    const uint8_t y = static_cast<uint8_t>(today.wYear - 1900), m = static_cast<uint8_t>(today.wMonth),
                  d = static_cast<uint8_t>(today.wDay);
    CalendarFolder folder;
    folder.WriteIndex(Index({{0, y, m, d, 9, 0, 1, 8},
                             {1, y, m, d, 7, 0, 0, 8},
                             {0, y, m, d, 9, 0, 2, 5},
                             {0, static_cast<uint8_t>(y + 1), m, d, 6, 0, 0, 3},
                             {0, y, m, d, 8, 59, 4, 9}}));
    folder.WriteTexts(Texts(5, {"pierwszy", "usunięty", "drugi", "rok", "wcześniej"}));

    CTerminarzDlg calendar;
    calendar.m_strFolder = folder.Path();
    CalendarRun run;
    std::vector<Row> rows;
    std::vector<CString> headings;
    std::vector<int> widths, entries;
    run.onCalendar = [&](CTerminarzDlg &c) {
        rows = Rows(c);
        for (int col = 0; col < c.Grid().GetColumnCount(); ++col) {
            headings.push_back(c.Grid().GetItemText(0, col));
            widths.push_back(c.Grid().GetColumnWidth(col));
        }
        for (int row = 1; row <= 3; ++row)
            entries.push_back(c.EntryOfRow(row));
        EXPECT_EQ(c.GridYear(), today.wYear);
        EXPECT_EQ(c.GridMonth(), today.wMonth);
        EXPECT_EQ(c.GridDay(), today.wDay);
    };
    run.Run(calendar);
    EXPECT_EQ(rows,
              (std::vector<Row>{
                  {"08:59", -1, -1, 0, "wcześniej"}, {"09:00", 1, -1, -1, "pierwszy"}, {"09:00", -1, 2, -1, "drugi"}}));
    EXPECT_EQ(entries, (std::vector<int>{4, 0, 2}));
    EXPECT_EQ(headings, (std::vector<CString>{"Godzina", "A", "P", "D", "Wiadomość"}));
    EXPECT_EQ(widths, (std::vector<int>{50, 24, 24, 24, 238}));
    EXPECT_TRUE(run.messages.empty());
}

TEST(CalendarDialog, EntriesAreAddedEditedAndDeletedInBothFiles)
{
    const SYSTEMTIME today = Today();
    const uint8_t y = static_cast<uint8_t>(today.wYear - 1900), m = static_cast<uint8_t>(today.wMonth),
                  d = static_cast<uint8_t>(today.wDay);
    CalendarFolder folder;
    CTerminarzDlg calendar;
    calendar.m_strFolder = folder.Path();
    CalendarRun run;
    std::vector<Row> added, edited;
    int shownHour = -1, shownMinute = -1, shownAlarm = -1;
    CString shownText, indexAfterEdit;
    run.onCalendar = [&](CTerminarzDlg &c) {
        run.onEntry = Write(10, 15, true, false, "Spotkanie");
        DialogDriver::Press(c, IDC_CALENDAR_ADD);
        run.onEntry = Write(7, 30, false, false, "wcześniej");
        DialogDriver::Press(c, IDC_CALENDAR_ADD);
        added = Rows(c);

        c.Grid().SetFocusCell(2, 4);
        run.onEntry = [&](CWiadomoscDlg &e) {
            shownHour = e.m_nHour;
            shownMinute = e.m_nMinute;
            shownAlarm = e.IsDlgButtonChecked(IDC_NOTE_ALARM);
            e.GetDlgItemText(IDC_NOTE_TEXT, shownText);
            e.SetDlgItemText(IDC_NOTE_TEXT, "Spotkanie z wykonawcą");
            e.CheckDlgButton(IDC_NOTE_PRIORITY, BST_CHECKED);
            DialogDriver::Press(e, IDOK);
        };
        DialogDriver::Press(c, IDC_CALENDAR_EDIT);
        edited = Rows(c);

        c.Grid().SetFocusCell(1, 0);
        DialogDriver::Press(c, IDC_CALENDAR_DELETE);
        EXPECT_EQ(Rows(c), (std::vector<Row>{{"10:15", 1, 2, -1, "Spotkanie z wykonawcą"}}));
    };
    run.Run(calendar);

    EXPECT_EQ(added, (std::vector<Row>{{"07:30", -1, -1, -1, "wcześniej"}, {"10:15", 1, -1, -1, "Spotkanie"}}));
    EXPECT_EQ(shownHour, 10);
    EXPECT_EQ(shownMinute, 15);
    EXPECT_EQ(shownAlarm, BST_CHECKED);
    EXPECT_EQ(shownText, "Spotkanie");
    EXPECT_EQ(edited,
              (std::vector<Row>{{"07:30", -1, -1, -1, "wcześniej"}, {"10:15", 1, 2, -1, "Spotkanie z wykonawcą"}}));
    EXPECT_EQ(folder.Index(),
              Index({{1, y, m, d, 10, 15, 1, 9}, {1, y, m, d, 7, 30, 0, 9}, {0, y, m, d, 10, 15, 3, 21}}));
    EXPECT_EQ(folder.Texts(), Texts(0, {"Spotkanie", "wcześniej", "Spotkanie z wykonawcą"}));
    EXPECT_TRUE(run.messages.empty());
}

TEST(CalendarDialog, AnOfferDeadlineIsAddedAndTheCalendarClosesAtOnce)
{
    CalendarFolder folder;
    folder.WriteIndex(Index({{0, 125, 6, 12, 9, 0, 1, 3}}));
    folder.WriteTexts(Texts(1, {"abc"}));
    CTerminarzDlg calendar;
    OpenOn(calendar, folder, CTerminarzDlg::ModeAddDeadline, 2025, 6, 12);
    CalendarRun run;
    EXPECT_EQ(run.Run(calendar), IDOK);
    EXPECT_EQ(run.calendarShown, 0);
    EXPECT_EQ(folder.Index(), Index({{0, 125, 6, 12, 9, 0, 1, 3}, {0, 125, 6, 12, 0, 0, 4, 22}}));
    EXPECT_EQ(folder.Texts(), Texts(1, {"abc", "Termin składania ofert"}));
    EXPECT_TRUE(run.messages.empty());

    // A day that does not exist is not stored.
    const std::string index = folder.Index();
    CTerminarzDlg wrongDay;
    OpenOn(wrongDay, folder, CTerminarzDlg::ModeAddDeadline, 2025, 2, 30);
    CalendarRun refused;
    EXPECT_EQ(refused.Run(wrongDay), IDOK);
    EXPECT_EQ(refused.Texts(), std::vector<CString>{"Błąd zapisu kalendarza"});
    EXPECT_EQ(folder.Index(), index);
}

TEST(CalendarDialog, OpenedToAddAtOnceItAsksForTheEntryOnTheGivenDay)
{
    // Cancelled: the calendar closes at once and writes nothing.
    {
        CalendarFolder folder;
        CTerminarzDlg calendar;
        OpenOn(calendar, folder, CTerminarzDlg::ModeAddAtOnce, 2025, 1, 31);
        CalendarRun run;
        run.onEntry = [](CWiadomoscDlg &e) { DialogDriver::Press(e, IDCANCEL); };
        EXPECT_EQ(run.Run(calendar), IDOK);
        EXPECT_EQ(run.calendarShown, 0);
        EXPECT_EQ(folder.Listing(), "");
    }
    // Stored: the calendar stays open on that day.
    CalendarFolder folder;
    CTerminarzDlg calendar;
    OpenOn(calendar, folder, CTerminarzDlg::ModeAddAtOnce, 2025, 1, 31);
    CalendarRun run;
    run.onEntry = Write(12, 0, false, true, "Podpisanie umowy");
    std::vector<Row> rows;
    run.onCalendar = [&](CTerminarzDlg &c) {
        rows = Rows(c);
        EXPECT_EQ(c.GridYear() * 10000 + c.GridMonth() * 100 + c.GridDay(), 20250131);
    };
    run.Run(calendar);
    EXPECT_EQ(run.calendarShown, 1);
    EXPECT_EQ(rows, (std::vector<Row>{{"12:00", -1, 2, -1, "Podpisanie umowy"}}));
    EXPECT_EQ(folder.Index(), Index({{0, 125, 1, 31, 12, 0, 2, 16}}));
}

TEST(CalendarDialog, TheMonthsArrowsAndDaysChooseTheGridsDay)
{
    CalendarFolder folder;
    folder.WriteIndex(Index({{0, 125, 1, 31, 9, 0, 0, 3}, {0, 124, 12, 15, 9, 0, 0, 3}}));
    folder.WriteTexts(Texts(2, {"sty", "gru"}));
    CTerminarzDlg calendar;
    OpenOn(calendar, folder, CTerminarzDlg::ModeAddAtOnce, 2025, 1, 31);
    CalendarRun run;
    std::vector<int> days;
    std::vector<std::vector<Row>> shown;
    run.onCalendar = [&](CTerminarzDlg &c) {
        auto note = [&] {
            days.push_back(c.GridYear() * 10000 + c.GridMonth() * 100 + c.GridDay());
            shown.push_back(Rows(c));
        };
        note();
        Click(c, Centre(CalendarMonthLayout::NextBox())); // 31 January: February has no 31st
        note();
        Click(c, Centre(CalendarMonthLayout::PreviousBox()));
        Click(c, Centre(CalendarMonthLayout::PreviousBox()));
        note();
        Click(c, Centre(CalendarMonthLayout(2024, 12).DayCell(15)));
        note();
    };
    // Opened to add at once on 31 January; the entry is stored, then the clicks run.
    run.onEntry = Write(10, 0, false, false, "x");
    run.Run(calendar);
    EXPECT_EQ(days, (std::vector<int>{20250131, 20250201, 20241201, 20241215}));
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_EQ(shown[0].size(), 2u);
    EXPECT_TRUE(shown[1].empty());
    EXPECT_EQ(shown[3], (std::vector<Row>{{"09:00", -1, -1, -1, "gru"}}));
}

TEST(CalendarDialog, TheDeadlineCalculatorsResultBecomesAnEntry)
{
    CalendarFolder folder;
    CTerminarzDlg calendar;
    OpenOn(calendar, folder, CTerminarzDlg::ModeAddAtOnce, 2024, 5, 14);
    CalendarRun run;
    run.onEntry = Write(10, 0, false, false, "narada");
    run.onCalculator = [](CObliczTerminDlg &c) {
        c.SetDlgItemText(IDC_DEADLINE_NAME, "Dostawa papieru");
        c.CheckRadioButton(IDC_DEADLINE_OPTION0, IDC_DEADLINE_OPTION7, IDC_DEADLINE_OPTION2); // basic mode
        DialogDriver::Press(c, IDOK);
        c.SetDlgItemText(IDC_DEADLINE_SEND_DATE, "2024-04-30");
        c.CheckRadioButton(IDC_DEADLINE_OPTION0, IDC_DEADLINE_OPTION7, IDC_DEADLINE_OPTION1); // works: 14 days
        DialogDriver::Press(c, IDOK);
        DialogDriver::Press(c, IDOK); // "Zakończ"
    };
    std::vector<Row> rows;
    run.onCalendar = [&](CTerminarzDlg &c) {
        DialogDriver::Press(c, IDC_CALENDAR_DEADLINE);
        rows = Rows(c);
    };
    run.Run(calendar);
    EXPECT_EQ(rows, (std::vector<Row>{{"00:00", -1, -1, -1, "Dostawa papieru"}, {"10:00", -1, -1, -1, "narada"}}));
    EXPECT_EQ(folder.Index(), Index({{0, 124, 5, 14, 10, 0, 0, 6}, {0, 124, 5, 14, 0, 0, 0, 15}}));
    EXPECT_TRUE(run.messages.empty());
}

TEST(CalendarDialog, ADamagedIndexIsShownEmptyAndNeverWrittenOver)
{
    CalendarFolder folder;
    const std::string index = Index({{0, 125, 6, 12, 9, 0, 1, 3}}, 2);
    folder.WriteIndex(index);
    folder.WriteTexts(Texts(1, {"abc"}));
    CTerminarzDlg calendar;
    OpenOn(calendar, folder, CTerminarzDlg::ModeAddDeadline, 2025, 6, 12);
    CalendarRun run;
    EXPECT_EQ(run.Run(calendar), IDOK);
    ASSERT_EQ(run.messages.size(), 2u);
    EXPECT_EQ(run.messages[0].caption, "Błąd");
    EXPECT_EQ(run.messages[1].text, "Plik nagłówka terminarza jest uszkodzony: terminarz nie zostanie zmieniony.");
    EXPECT_EQ(folder.Index(), index);
    EXPECT_EQ(folder.Texts(), Texts(1, {"abc"}));

    // A wrong first byte: the warning of its own, and the buttons that change the calendar are off.
    folder.WriteIndex("X" + index.substr(1));
    CTerminarzDlg shown;
    OpenOn(shown, folder, CTerminarzDlg::ModeNormal, 0, 0, 0);
    CalendarRun normal;
    std::vector<bool> enabled;
    normal.onCalendar = [&](CTerminarzDlg &c) {
        for (int id : {IDC_CALENDAR_ADD, IDC_CALENDAR_DELETE, IDC_CALENDAR_EDIT, IDC_CALENDAR_DEADLINE, IDOK})
            enabled.push_back(DialogDriver::IsEnabled(c, id));
    };
    normal.Run(shown);
    ASSERT_EQ(normal.messages.size(), 1u);
    EXPECT_EQ(normal.messages[0].text, "Błędny format nagłówka pliku terminarza");
    EXPECT_EQ(normal.messages[0].type, static_cast<UINT>(MB_ICONWARNING));
    EXPECT_EQ(enabled, (std::vector<bool>{false, false, false, false, true}));
}

TEST(CalendarDialog, FilesThatCannotBeReadOrWrittenAreReported)
{
    // No text file behind an index: the day's list reports it.
    CalendarFolder folder;
    folder.WriteIndex(Index({{0, 125, 6, 12, 9, 0, 1, 3}}));
    CTerminarzDlg calendar;
    OpenOn(calendar, folder, CTerminarzDlg::ModeAddAtOnce, 2025, 6, 12);
    CalendarRun run;
    run.onEntry = [](CWiadomoscDlg &e) { DialogDriver::Press(e, IDCANCEL); };
    run.Run(calendar);
    ASSERT_EQ(run.messages.size(), 1u);
    EXPECT_EQ(run.messages[0].text, "Błąd odczytuj pliku kalendarza");
    EXPECT_EQ(run.messages[0].type, static_cast<UINT>(MB_ICONERROR));

    // An index that cannot be replaced: the deletion is taken back and the entry stays shown.
    folder.WriteTexts(Texts(1, {"abc"}));
    CTerminarzDlg again;
    OpenOn(again, folder, CTerminarzDlg::ModeAddAtOnce, 2025, 6, 12);
    CalendarRun failing;
    failing.onEntry = Write(10, 0, false, false, "x");
    failing.onCalendar = [&](CTerminarzDlg &c) {
        const std::string index = folder.Index();
        DeleteFileW(Cp1250ToWide(folder / "naglowek.dat").c_str());
        CreateDirectoryW(Cp1250ToWide(folder / "naglowek.dat").c_str(), nullptr);
        c.Grid().SetFocusCell(1, 4);
        DialogDriver::Press(c, IDC_CALENDAR_DELETE);
        EXPECT_EQ(Rows(c).size(), 2u);
        EXPECT_EQ(c.Book().Entries()[0].kind, 0);
        RemoveDirectoryW(Cp1250ToWide(folder / "naglowek.dat").c_str());
        TestFolder::WriteBytes(folder / "naglowek.dat", index);
    };
    failing.Run(again);
    EXPECT_EQ(failing.Texts(), std::vector<CString>{"Błąd zapisu nagłówka"});
}

class FakeChooser : public ScheduleFolderChooser {
public:
    bool ChooseScheduleFolder(CWnd *, CString &folder) override
    {
        preset = folder;
        folder = "C:\\Terminarz nowy";
        return true;
    }
    CString preset;
};

TEST(CalendarDialog, ChangingTheFolderStoresItForTheNextStart)
{
    CalendarFolder folder;
    {
        CTerminarzDlg calendar;
        calendar.m_strFolder = folder.Path();
        DialogDriver driver;
        bool enabled = true;
        driver.Run(calendar, [&](CDialog &d) { enabled = DialogDriver::IsEnabled(d, IDC_CALENDAR_FOLDER); });
        EXPECT_FALSE(enabled);
    }
    FakeChooser chooser;
    ScheduleFolderChooser::Install(&chooser);
    CTerminarzDlg calendar;
    calendar.m_strFolder = folder.Path();
    DialogDriver driver;
    CString folderInUse;
    driver.Run(calendar, [&](CDialog &d) {
        DialogDriver::Press(d, IDC_CALENDAR_FOLDER);
        folderInUse = calendar.Book().Folder();
    });
    ScheduleFolderChooser::Install(nullptr);
    EXPECT_EQ(chooser.preset, folder.Path());
    EXPECT_EQ(folderInUse, folder.Path());
    EXPECT_EQ(CMorvelankApp::ReadRegString(kSettingsKey, "terminarz", HKEY_CURRENT_USER), "C:\\Terminarz nowy");
    ASSERT_EQ(driver.messages.size(), 1u);
    EXPECT_EQ(driver.messages[0].text,
              "Nowe ustawienia katalogu terminarza zaczną\nobowiązywać po ponownym uruchomieniu programu");
    EXPECT_EQ(driver.messages[0].caption, "Informacja");
}

} // namespace
