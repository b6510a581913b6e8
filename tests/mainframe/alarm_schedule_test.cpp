// The alarm tables read from calendar files written here byte by byte.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "mainframe/alarm_schedule.h"
#include "mainframe_test_support.h"

namespace {

struct Record {
    uint8_t kind, year, month, day, hour, minute, flags;
    int32_t length;
};

std::vector<uint8_t> Header(int32_t count);
std::vector<uint8_t> IndexCounting(const std::vector<Record> &records, int32_t count);

std::vector<uint8_t> Header(int32_t count)
{
    std::vector<uint8_t> bytes(16, 0);
    bytes[0] = ',';
    bytes[1] = 2;
    std::memcpy(&bytes[10], &count, 4);
    return bytes;
}

std::vector<uint8_t> Index(const std::vector<Record> &records)
{
    return IndexCounting(records, static_cast<int32_t>(records.size()));
}

std::vector<uint8_t> IndexCounting(const std::vector<Record> &records, int32_t count)
{
    std::vector<uint8_t> bytes = Header(count);
    for (const Record &r : records) {
        const uint8_t fixed[8] = {r.kind, r.year, r.month, r.day, r.hour, r.minute, r.flags, 0};
        bytes.insert(bytes.end(), fixed, fixed + 8);
        const uint8_t *length = reinterpret_cast<const uint8_t *>(&r.length);
        bytes.insert(bytes.end(), length, length + 4);
    }
    return bytes;
}

std::vector<uint8_t> Texts(const std::vector<std::string> &texts)
{
    std::vector<uint8_t> bytes = Header(static_cast<int32_t>(texts.size()));
    for (const std::string &text : texts) {
        bytes.insert(bytes.end(), text.begin(), text.end());
        bytes.push_back(0);
    }
    return bytes;
}

const AlarmMoment kToday{2025, 9, 15, 10, 29};

class AlarmScheduleTest : public testing::Test {
protected:
    void Write(const char *name, const std::vector<uint8_t> &bytes) { WriteBytes(folder.Path() + "\\" + name, bytes); }
    std::vector<uint8_t> Read(const char *name) { return ReadBytes(folder.Path() + "\\" + name); }

    TempFolder folder;
    AlarmSchedule schedule;
};

TEST_F(AlarmScheduleTest, DueTableHoldsThisYearsAlarmsUpToToday)
{
    // year 125 = 2025; flags bit 0 alarm.
    Write("naglowek.dat", Index({{0, 125, 9, 15, 10, 30, 1, 3},  // today 10:30
                                 {0, 125, 8, 2, 9, 0, 1, 3},     // an earlier month
                                 {0, 124, 9, 15, 9, 0, 1, 3},    // last year
                                 {0, 125, 9, 16, 9, 0, 1, 3},    // tomorrow
                                 {0, 125, 9, 15, 8, 0, 0, 3},    // no alarm
                                 {1, 125, 9, 14, 8, 0, 1, 3}})); // deleted
    ASSERT_EQ(schedule.Load(folder.Path(), kToday), AlarmSchedule::LoadResult::Loaded);
    ASSERT_EQ(schedule.Alarms().size(), 6u);
    std::vector<int> dueIndexes;
    for (const AlarmEntry &entry : schedule.Due())
        dueIndexes.push_back(entry.index);
    EXPECT_EQ(dueIndexes, (std::vector<int>{0, 1, 5}));
    EXPECT_EQ(schedule.Alarms()[1].textOffset, 4);
    EXPECT_EQ(schedule.Alarms()[5].textOffset, 20);
}

TEST_F(AlarmScheduleTest, AnAlarmFallsDueAtItsMinuteOnceAndNeverWhenDeleted)
{
    Write("naglowek.dat", Index({{0, 125, 9, 15, 10, 30, 1, 3}, {1, 125, 9, 15, 8, 0, 1, 3}}));
    ASSERT_EQ(schedule.Load(folder.Path(), kToday), AlarmSchedule::LoadResult::Loaded);
    AlarmEntry taken;
    EXPECT_FALSE(schedule.TakeNextDue({2025, 9, 15, 10, 29}, taken));
    ASSERT_TRUE(schedule.TakeNextDue({2025, 9, 15, 10, 30}, taken));
    EXPECT_EQ(taken.index, 0);
    EXPECT_EQ(schedule.Alarms()[0].alarm, 0);
    EXPECT_FALSE(schedule.TakeNextDue({2025, 9, 15, 23, 59}, taken));
}

TEST_F(AlarmScheduleTest, FilesThatAreNoCalendarLeaveTheTablesAsTheyWere)
{
    Write("naglowek.dat", Index({{0, 125, 9, 1, 8, 0, 1, 0}}));
    ASSERT_EQ(schedule.Load(folder.Path(), kToday), AlarmSchedule::LoadResult::Loaded);

    std::vector<uint8_t> wrongMark = Index({});
    wrongMark[0] = 'X';
    Write("naglowek.dat", wrongMark);
    EXPECT_EQ(schedule.Load(folder.Path(), kToday), AlarmSchedule::LoadResult::NotCalendar);
    Write("naglowek.dat", {','});
    EXPECT_EQ(schedule.Load(folder.Path(), kToday), AlarmSchedule::LoadResult::NotCalendar);
    ::DeleteFileW(Wide(folder.Path() + "\\naglowek.dat").c_str());
    EXPECT_EQ(schedule.Load(folder.Path(), kToday), AlarmSchedule::LoadResult::NoFile);
    EXPECT_EQ(schedule.Alarms().size(), 1u);
    EXPECT_EQ(schedule.Due().size(), 1u);
}

TEST_F(AlarmScheduleTest, CountsBeyondTheFileOrTheTableAreBounded)
{
    Write("naglowek.dat", IndexCounting({{0, 125, 9, 1, 8, 0, 1, 0}}, 0x7FFFFFFF));
    ASSERT_EQ(schedule.Load(folder.Path(), kToday), AlarmSchedule::LoadResult::Loaded);
    EXPECT_EQ(schedule.Alarms().size(), 1u);

    Write("naglowek.dat", Index(std::vector<Record>(1200, Record{0, 125, 1, 1, 0, 0, 0, 0})));
    ASSERT_EQ(schedule.Load(folder.Path(), kToday), AlarmSchedule::LoadResult::Loaded);
    EXPECT_EQ(schedule.Alarms().size(), static_cast<size_t>(AlarmSchedule::kMaxEntries));

    Write("naglowek.dat", IndexCounting({{0, 125, 9, 1, 8, 0, 1, 0}}, -5));
    ASSERT_EQ(schedule.Load(folder.Path(), kToday), AlarmSchedule::LoadResult::Loaded);
    EXPECT_TRUE(schedule.Alarms().empty());
}

TEST_F(AlarmScheduleTest, TextsAreReadAtTheirOffsetsAndBounded)
{
    const std::string longText(1500, 'x');
    Write("terminarz.dat", Texts({"Otwarcie ofert", "", longText, "do końca"}));
    Write("naglowek.dat", Index({{0, 125, 9, 1, 8, 0, 1, 14},
                                 {0, 125, 9, 1, 8, 0, 1, 0},
                                 {0, 125, 9, 1, 8, 0, 1, 1500},
                                 {0, 125, 9, 1, 8, 0, 1, -1}}));
    ASSERT_EQ(schedule.Load(folder.Path(), kToday), AlarmSchedule::LoadResult::Loaded);
    const struct {
        int index;
        CString text;
    } cases[] = {{0, "Otwarcie ofert"}, {1, ""}, {2, CString(std::string(999, 'x').c_str())}, {3, "do końca"}};
    for (const auto &c : cases) {
        CString text;
        ASSERT_TRUE(AlarmSchedule::ReadText(folder.Path(), schedule.Alarms()[c.index], text)) << c.index;
        EXPECT_EQ(text, c.text) << c.index;
    }
    AlarmEntry beyond = schedule.Alarms()[0];
    beyond.textOffset = 100000;
    CString text = "old";
    ASSERT_TRUE(AlarmSchedule::ReadText(folder.Path(), beyond, text));
    EXPECT_EQ(text, "");
    ::DeleteFileW(Wide(folder.Path() + "\\terminarz.dat").c_str());
    EXPECT_FALSE(AlarmSchedule::ReadText(folder.Path(), schedule.Alarms()[0], text));
}

TEST_F(AlarmScheduleTest, ClearingAnAlarmKeepsWhatTheCalendarWroteSince)
{
    Write("naglowek.dat", Index({{0, 125, 9, 15, 10, 0, 1 | 2, 3}}));
    ASSERT_EQ(schedule.Load(folder.Path(), kToday), AlarmSchedule::LoadResult::Loaded);
    AlarmEntry taken;
    ASSERT_TRUE(schedule.TakeNextDue({2025, 9, 15, 10, 30}, taken));

    // Meanwhile the calendar appended an entry: the index on disk has two records.
    Write("naglowek.dat", Index({{0, 125, 9, 15, 10, 0, 1 | 2, 3}, {0, 125, 9, 20, 12, 0, 1, 5}}));
    ASSERT_TRUE(AlarmSchedule::ClearAlarmInIndex(folder.Path(), taken));
    EXPECT_EQ(Read("naglowek.dat"), Index({{0, 125, 9, 15, 10, 0, 2, 3}, {0, 125, 9, 20, 12, 0, 1, 5}}));

    // A record the calendar has since changed in that place is not touched.
    const std::vector<uint8_t> changed = Index({{1, 125, 9, 15, 10, 0, 1, 3}});
    Write("naglowek.dat", changed);
    ASSERT_TRUE(AlarmSchedule::ClearAlarmInIndex(folder.Path(), taken));
    EXPECT_EQ(Read("naglowek.dat"), changed);
}

} // namespace
