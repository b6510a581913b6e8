// Damaged calendar indexes: whatever one holds, loading it and adding an entry ends in a result,
// allocates no more than the files warrant, and never pads the text file beyond what the
// entries an index may hold can fill.
#include <gtest/gtest.h>

#include <windows.h>

#include "evaluation/calendar/calendar_file.h"
#include "tests/evaluation/calendar_fixture.h"
#include "tests/support/damaged_copies.h"
#include "tests/support/largest_allocation.h"

namespace {

using namespace calendar_bytes;

// Far more than the largest index that loads could ask for, far less than a damaged byte once did.
const size_t kBound = (ScheduleBook::kMaxEntries + 300) * (ScheduleBook::kMaxTextLength + 1) + 64 * 1024;

ScheduleNote Note()
{
    ScheduleNote note;
    note.year = 2025;
    note.month = 3;
    note.day = 1;
    note.hour = 9;
    note.text = "nowy";
    return note;
}

TEST(CalendarDamage, ALengthNoEntryCanHaveIsRefusedAndNothingIsWritten)
{
    const int32_t lengths[] = {ScheduleBook::kMaxTextLength + 1, 0x00100003, 0x40000003, 0x7FFFFFFF};
    for (int32_t length : lengths) {
        SCOPED_TRACE(length);
        CalendarFolder folder;
        const std::string index = Index({{0, 125, 3, 1, 8, 0, 0, 3}, {0, 125, 3, 1, 9, 0, 0, length}});
        folder.WriteIndex(index);
        folder.WriteTexts(Texts(2, {"abc", "def"}));
        ScheduleBook book(folder.Path());
        EXPECT_EQ(book.LoadHeader(), ScheduleBook::LoadResult::Damaged);
        EXPECT_EQ(book.AppendEntry(Note()), ScheduleBook::AppendResult::Locked);
        EXPECT_EQ(folder.Index(), index);
        EXPECT_EQ(folder.Texts(), Texts(2, {"abc", "def"}));
    }
}

TEST(CalendarDamage, AnUnknownTailOfTheTextFileIsCoveredByEntriesThatReadBack)
{
    CalendarFolder folder;
    folder.WriteIndex(Index({{0, 125, 3, 1, 8, 0, 0, 3}, {0, 125, 3, 1, 9, 0, 0, -1}}));
    folder.WriteTexts(Texts(2, {"abc"}) + std::string(3 * ScheduleBook::kMaxTextLength, 'x'));
    ScheduleBook book(folder.Path());
    ASSERT_EQ(book.LoadHeader(), ScheduleBook::LoadResult::Loaded);
    ASSERT_EQ(book.AppendEntry(Note()), ScheduleBook::AppendResult::Appended);
    ASSERT_TRUE(book.SaveHeader());
    ScheduleBook read(folder.Path());
    ASSERT_EQ(read.LoadHeader(), ScheduleBook::LoadResult::Loaded);
    std::vector<ScheduleDayEntry> found;
    ASSERT_TRUE(read.ReadDayEntries(2025, 3, 1, found));
    ASSERT_FALSE(found.empty());
    EXPECT_STREQ(found.back().text, "nowy");
}

TEST(CalendarDamage, EveryCutAndChangedByteOfTheIndexEndsInAResult)
{
    std::vector<Record> records;
    std::vector<std::string> texts;
    for (int i = 0; i < 40; ++i) {
        texts.push_back(std::string(static_cast<size_t>(i * 7 % 50), 'a' + i % 26));
        records.push_back({static_cast<uint8_t>(i % 5 == 0), 125, 3, static_cast<uint8_t>(1 + i % 28), 8, 0, 0,
                           static_cast<int32_t>(texts.back().size())});
    }
    const std::string good = Index(records);
    const std::string goodTexts = Texts(40, texts);
    int loaded = 0, refused = 0;
    for (const std::string &index : DamagedCopies(good)) {
        CalendarFolder folder;
        folder.WriteIndex(index);
        folder.WriteTexts(goodTexts);
        largest_allocation::Reset();
        ScheduleBook book(folder.Path());
        const ScheduleBook::LoadResult result = book.LoadHeader();
        (result == ScheduleBook::LoadResult::Loaded ? loaded : refused)++;
        book.AppendEntry(Note());
        book.SaveHeader();
        ASSERT_LE(largest_allocation::Largest(), kBound);
        ASSERT_LE(folder.Texts().size(), kBound);
        if (result != ScheduleBook::LoadResult::Loaded) {
            ASSERT_EQ(folder.Texts(), goodTexts);
        }
    }
    EXPECT_GT(loaded, 0);
    EXPECT_GT(refused, 0);
    std::printf("damaged calendar indexes: %d loaded, %d refused\n", loaded, refused);
}

} // namespace
