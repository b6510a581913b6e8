// The calendar's index and text file, read and written without a window.
#include <gtest/gtest.h>

#include <windows.h>

#include "evaluation/calendar/calendar_file.h"
#include "framework/core/codepage.h"
#include "tests/evaluation/calendar_fixture.h"

namespace {

using namespace calendar_bytes;

ScheduleNote Note(int year, int month, int day, int hour, int minute, const char *text, int alarm = 0, int priority = 0,
                  int flagD = 0)
{
    ScheduleNote note;
    note.year = year;
    note.month = month;
    note.day = day;
    note.hour = hour;
    note.minute = minute;
    note.alarm = alarm;
    note.priority = priority;
    note.flagD = flagD;
    note.text = text;
    return note;
}

std::vector<CString> DayTexts(const ScheduleBook &book, int year, int month, int day)
{
    std::vector<ScheduleDayEntry> found;
    EXPECT_TRUE(book.ReadDayEntries(year, month, day, found));
    std::vector<CString> texts;
    for (const ScheduleDayEntry &entry : found)
        texts.push_back(entry.text);
    return texts;
}

TEST(CalendarFile, EntriesAreWrittenInTheLayoutTheAlarmCheckReads)
{
    CalendarFolder folder;
    ScheduleBook book(folder.Path());
    EXPECT_EQ(book.LoadHeader(), ScheduleBook::LoadResult::NoFile);
    ASSERT_EQ(book.AppendEntry(Note(2025, 5, 5, 9, 30, "Otwarcie ofert", 1)), ScheduleBook::AppendResult::Appended);
    ASSERT_EQ(book.AppendEntry(Note(2026, 5, 5, 8, 0, "", 0, 1)), ScheduleBook::AppendResult::Appended);
    ASSERT_EQ(book.AppendEntry(Note(2025, 5, 5, 23, 59, "Termin składania ofert", 1, 1, 1)),
              ScheduleBook::AppendResult::Appended);
    ASSERT_TRUE(book.SaveHeader());

    EXPECT_EQ(folder.Index(),
              Index({{0, 125, 5, 5, 9, 30, 1, 14}, {0, 126, 5, 5, 8, 0, 2, 0}, {0, 125, 5, 5, 23, 59, 7, 22}}));
    // The text file's header counts the entries there were when it was made: none.
    EXPECT_EQ(folder.Texts(), Texts(0, {"Otwarcie ofert", "", "Termin składania ofert"}));

    ScheduleBook read(folder.Path());
    ASSERT_EQ(read.LoadHeader(), ScheduleBook::LoadResult::Loaded);
    ASSERT_EQ(read.Count(), 3);
    EXPECT_EQ(read.Entries()[1].textOffset, 15);
    EXPECT_EQ(read.Entries()[2].textOffset, 16);
    EXPECT_EQ(read.Entries()[2].flagD, 1);
    // 5 May 2026 is not 5 May 2025.
    EXPECT_EQ(DayTexts(read, 2025, 5, 5), (std::vector<CString>{"Otwarcie ofert", "Termin składania ofert"}));
    EXPECT_EQ(DayTexts(read, 2026, 5, 5), (std::vector<CString>{""}));
    EXPECT_TRUE(DayTexts(read, 2025, 5, 6).empty());
}

TEST(CalendarFile, ADeletedEntryKeepsItsTextAndTheLaterOffsets)
{
    CalendarFolder folder;
    folder.WriteIndex(Index({{0, 125, 3, 1, 8, 0, 0, 3}, {0, 125, 3, 1, 9, 0, 0, 3}, {0, 125, 3, 1, 10, 0, 0, 3}}));
    folder.WriteTexts(Texts(3, {"abc", "def", "ghi"}));
    const std::string texts = folder.Texts();
    ScheduleBook book(folder.Path());
    ASSERT_EQ(book.LoadHeader(), ScheduleBook::LoadResult::Loaded);
    book.SetKind(1, 1);
    ASSERT_TRUE(book.SaveHeader());

    EXPECT_EQ(folder.Index()[16 + 12], '\x01');
    EXPECT_EQ(folder.Texts(), texts);
    ScheduleBook read(folder.Path());
    ASSERT_EQ(read.LoadHeader(), ScheduleBook::LoadResult::Loaded);
    EXPECT_EQ(read.Entries()[2].textOffset, 8);
    EXPECT_EQ(DayTexts(read, 2025, 3, 1), (std::vector<CString>{"abc", "ghi"}));
}

TEST(CalendarFile, ANewTextFileStartsWhereTheIndexExpectsTheNextText)
{
    // The index knows three texts the text file lost: the new one must still be found.
    CalendarFolder folder;
    folder.WriteIndex(Index({{0, 125, 3, 1, 8, 0, 0, 3}, {0, 125, 3, 1, 9, 0, 0, 1}, {0, 125, 3, 1, 10, 0, 0, 0}}));
    ScheduleBook book(folder.Path());
    ASSERT_EQ(book.LoadHeader(), ScheduleBook::LoadResult::Loaded);
    ASSERT_EQ(book.AppendEntry(Note(2025, 3, 2, 7, 0, "nowy")), ScheduleBook::AppendResult::Appended);
    ASSERT_TRUE(book.SaveHeader());

    EXPECT_EQ(folder.Texts(), Header(3) + std::string(7, '\0') + std::string("nowy", 5));
    ScheduleBook read(folder.Path());
    ASSERT_EQ(read.LoadHeader(), ScheduleBook::LoadResult::Loaded);
    EXPECT_EQ(DayTexts(read, 2025, 3, 2), (std::vector<CString>{"nowy"}));
}

TEST(CalendarFile, TextsTheIndexDoesNotKnowAreSteppedOver)
{
    // A text stored before its index could be written stays in the file; a deleted entry covers it.
    CalendarFolder folder;
    folder.WriteIndex(Index({{0, 125, 3, 1, 8, 0, 0, 3}}));
    folder.WriteTexts(Texts(1, {"abc", "sierota"}));
    ScheduleBook book(folder.Path());
    ASSERT_EQ(book.LoadHeader(), ScheduleBook::LoadResult::Loaded);
    ASSERT_EQ(book.AppendEntry(Note(2025, 3, 1, 9, 0, "nowy")), ScheduleBook::AppendResult::Appended);
    ASSERT_TRUE(book.SaveHeader());

    ASSERT_EQ(book.Count(), 3);
    EXPECT_EQ(book.Entries()[1].kind, 1);
    EXPECT_EQ(book.Entries()[1].textLength, 7);
    ScheduleBook read(folder.Path());
    ASSERT_EQ(read.LoadHeader(), ScheduleBook::LoadResult::Loaded);
    EXPECT_EQ(DayTexts(read, 2025, 3, 1), (std::vector<CString>{"abc", "nowy"}));
}

TEST(CalendarFile, ALastTextOfUnknownLengthEndsBeforeTheNextOne)
{
    CalendarFolder folder;
    folder.WriteIndex(Index({{0, 125, 3, 1, 8, 0, 0, 3}, {0, 125, 3, 1, 9, 0, 0, -1}}));
    folder.WriteTexts(Texts(2, {"abc", "do końca"}));
    ScheduleBook book(folder.Path());
    ASSERT_EQ(book.LoadHeader(), ScheduleBook::LoadResult::Loaded);
    EXPECT_EQ(DayTexts(book, 2025, 3, 1), (std::vector<CString>{"abc", "do końca"}));
    ASSERT_EQ(book.AppendEntry(Note(2025, 3, 1, 10, 0, "nowy")), ScheduleBook::AppendResult::Appended);
    ASSERT_TRUE(book.SaveHeader());

    ScheduleBook read(folder.Path());
    ASSERT_EQ(read.LoadHeader(), ScheduleBook::LoadResult::Loaded);
    EXPECT_EQ(read.Entries()[1].textLength, 8);
    EXPECT_EQ(DayTexts(read, 2025, 3, 1), (std::vector<CString>{"abc", "do końca", "nowy"}));
}

TEST(CalendarFile, TextsCutShortShowWhatIsThere)
{
    CalendarFolder folder;
    folder.WriteIndex(Index({{0, 125, 3, 1, 8, 0, 0, 3}, {0, 125, 3, 1, 9, 0, 0, 1500}, {0, 125, 3, 1, 10, 0, 0, 5}}));
    const std::string longText(1200, 'x');
    folder.WriteTexts(Header(3) + std::string("abc", 4) + longText);
    ScheduleBook book(folder.Path());
    ASSERT_EQ(book.LoadHeader(), ScheduleBook::LoadResult::Loaded);
    EXPECT_EQ(DayTexts(book, 2025, 3, 1), (std::vector<CString>{"abc", CString(longText.c_str()), ""}));
}

TEST(CalendarFile, ADamagedIndexIsRefusedAndNothingIsWrittenOverIt)
{
    const struct {
        const char *name;
        std::string index;
        ScheduleBook::LoadResult result;
    } cases[] = {
        {"wrong mark", "X" + Index({{0, 125, 3, 1, 8, 0, 0, 3}}).substr(1), ScheduleBook::LoadResult::WrongMark},
        {"empty file", "", ScheduleBook::LoadResult::WrongMark},
        {"header cut", Header(0).substr(0, 9), ScheduleBook::LoadResult::Damaged},
        {"records cut", Index({{0, 125, 3, 1, 8, 0, 0, 3}}, 2), ScheduleBook::LoadResult::Damaged},
        {"record cut", Index({{0, 125, 3, 1, 8, 0, 0, 3}}).substr(0, 22), ScheduleBook::LoadResult::Damaged},
        {"bytes after", Index({{0, 125, 3, 1, 8, 0, 0, 3}}) + "??", ScheduleBook::LoadResult::Damaged},
        {"negative count", Index({}, -1), ScheduleBook::LoadResult::Damaged},
        {"huge count", Index({}, 0x7FFFFFFF), ScheduleBook::LoadResult::Damaged},
        {"length below -1", Index({{0, 125, 3, 1, 8, 0, 0, -2}}), ScheduleBook::LoadResult::Damaged},
        {"offsets past 2 GB", Index({{0, 125, 3, 1, 8, 0, 0, 0x7FFFFFF0}, {0, 125, 3, 1, 8, 0, 0, 0x7FFFFFF0}}),
         ScheduleBook::LoadResult::Damaged},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        CalendarFolder folder;
        folder.WriteIndex(c.index);
        folder.WriteTexts(Texts(1, {"abc"}));
        const std::string texts = folder.Texts();
        ScheduleBook book(folder.Path());
        EXPECT_EQ(book.LoadHeader(), c.result);
        EXPECT_TRUE(book.IsLocked());
        EXPECT_EQ(book.Count(), 0);
        EXPECT_EQ(book.AppendEntry(Note(2025, 3, 1, 9, 0, "nowy")), ScheduleBook::AppendResult::Locked);
        EXPECT_FALSE(book.SaveHeader());
        EXPECT_EQ(folder.Index(), c.index);
        EXPECT_EQ(folder.Texts(), texts);
    }
}

TEST(CalendarFile, AThousandEntriesFillTheCalendarAndMoreAreKept)
{
    // A larger index of an older writer loses nothing when it is written back.
    CalendarFolder folder;
    const std::string index = Index(std::vector<Record>(1200, Record{0, 125, 1, 1, 0, 0, 0, 0}));
    folder.WriteIndex(index);
    folder.WriteTexts(Header(0) + std::string(1200, '\0'));
    ScheduleBook book(folder.Path());
    ASSERT_EQ(book.LoadHeader(), ScheduleBook::LoadResult::Loaded);
    EXPECT_EQ(book.Count(), 1200);
    EXPECT_EQ(book.AppendEntry(Note(2025, 3, 1, 9, 0, "nowy")), ScheduleBook::AppendResult::Full);
    ASSERT_TRUE(book.SaveHeader());
    EXPECT_EQ(folder.Index(), index);
    EXPECT_EQ(folder.Texts(), Header(0) + std::string(1200, '\0'));
}

TEST(CalendarFile, WritingFailuresLeaveTheFilesAsTheyWere)
{
    CalendarFolder folder;
    folder.WriteIndex(Index({{0, 125, 3, 1, 8, 0, 0, 3}}));
    folder.WriteTexts(Texts(1, {"abc"}));
    ScheduleBook book(folder.Path());
    ASSERT_EQ(book.LoadHeader(), ScheduleBook::LoadResult::Loaded);

    // The text file held by another program: no text is added, the table stays.
    {
        HANDLE held = CreateFileW(Cp1250ToWide(folder / "terminarz.dat").c_str(), GENERIC_READ, FILE_SHARE_READ,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(held, INVALID_HANDLE_VALUE);
        EXPECT_EQ(book.AppendEntry(Note(2025, 3, 1, 9, 0, "nowy")), ScheduleBook::AppendResult::Failed);
        CloseHandle(held);
    }
    EXPECT_EQ(book.Count(), 1);
    EXPECT_EQ(folder.Texts(), Texts(1, {"abc"}));

    // Dates a record cannot hold are refused.
    for (const ScheduleNote &note :
         {Note(1899, 3, 1, 9, 0, "x"), Note(2156, 3, 1, 9, 0, "x"), Note(2025, 13, 1, 9, 0, "x"),
          Note(2025, 3, 32, 9, 0, "x"), Note(2025, 2, 29, 9, 0, "x"), Note(2025, 3, 1, 24, 0, "x")})
        EXPECT_EQ(book.AppendEntry(note), ScheduleBook::AppendResult::Failed);
    EXPECT_EQ(folder.Texts(), Texts(1, {"abc"}));

    // An index that cannot be replaced stays as it was.
    book.SetKind(0, 1);
    DeleteFileW(Cp1250ToWide(folder / "naglowek.dat").c_str());
    CreateDirectoryW(Cp1250ToWide(folder / "naglowek.dat").c_str(), nullptr);
    EXPECT_FALSE(book.SaveHeader());
    EXPECT_EQ(GetFileAttributesW(Cp1250ToWide(folder / "naglowek.dat").c_str()) & FILE_ATTRIBUTE_DIRECTORY,
              static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
    EXPECT_EQ(folder.Listing(), "naglowek.dat|terminarz.dat");
}

TEST(CalendarFile, AMissingFolderIsMadeAndNoFolderIsNoCalendar)
{
    CalendarFolder parent;
    ScheduleBook book(parent / "terminarz\\nowy");
    EXPECT_EQ(book.LoadHeader(), ScheduleBook::LoadResult::NoFile);
    ASSERT_EQ(book.AppendEntry(Note(2025, 3, 1, 9, 0, "abc")), ScheduleBook::AppendResult::Appended);
    ASSERT_TRUE(book.SaveHeader());
    EXPECT_EQ(TestFolder::ReadBytes(parent / "terminarz\\nowy\\naglowek.dat"), Index({{0, 125, 3, 1, 9, 0, 0, 3}}));

    // An empty folder setting would name the drive's root: nothing is read or written there.
    ScheduleBook none{CString()};
    EXPECT_EQ(none.LoadHeader(), ScheduleBook::LoadResult::NoFile);
    EXPECT_EQ(none.AppendEntry(Note(2025, 3, 1, 9, 0, "abc")), ScheduleBook::AppendResult::Failed);
    EXPECT_FALSE(none.SaveHeader());
    std::vector<ScheduleDayEntry> found;
    EXPECT_FALSE(none.ReadDayEntries(2025, 3, 1, found));
}

} // namespace
