#include "framework/core/ctime.h"
#include "framework/core/geometry.h"
#include "framework/core/oledatetime.h"

#include <gtest/gtest.h>

namespace {

TEST(TimeTest, LocalFieldsFormatAndArithmetic)
{
    const CTime placeholder(1980, 1, 1, 1, 1, 1);
    EXPECT_EQ(1980, placeholder.GetYear());
    EXPECT_EQ(1, placeholder.GetMonth());
    EXPECT_EQ(1, placeholder.GetSecond());
    EXPECT_EQ(3, placeholder.GetDayOfWeek()); // a Tuesday
    EXPECT_STREQ("1980-01-01 01:01", placeholder.Format("%Y-%m-%d %H:%M"));
    EXPECT_STREQ("", placeholder.Format(""));

    const CTime carried(2021, 12, 32, 10, 0, 0); // day 32 carries into January
    EXPECT_STREQ("2022-01-01 10:00:00", carried.Format("%Y-%m-%d %H:%M:%S"));
    const CTimeSpan span = carried - CTime(2021, 12, 30, 9, 30, 0);
    EXPECT_EQ(CTimeSpan(2, 0, 30, 0), span);
    EXPECT_EQ(2, span.GetDays());
    EXPECT_EQ(30, span.GetMinutes());
    EXPECT_EQ(48 * 60 + 30, span.GetTotalMinutes());
    EXPECT_EQ(carried, CTime(2021, 12, 30, 9, 30, 0) + span);

    SYSTEMTIME system;
    ASSERT_TRUE(carried.GetAsSystemTime(system));
    EXPECT_EQ(2022, system.wYear);
    EXPECT_EQ(6, system.wDayOfWeek); // Saturday
    EXPECT_STREQ("1970-01-01 00:00:00", CTime(0).FormatGmt("%Y-%m-%d %H:%M:%S"));
}

TEST(TimeTest, FileTimesAreUtc)
{
    FILETIME fileTime;
    fileTime.dwLowDateTime = 0xD53E8000; // 1970-01-01 00:00:00 UTC
    fileTime.dwHighDateTime = 0x019DB1DE;
    EXPECT_EQ(0, CTime(fileTime).GetTime());
}

struct OleCase {
    double date;
    const char *text;
};

TEST(OleDateTimeTest, DatesOnBothSidesOfTheEpoch)
{
    const OleCase cases[] = {
        {0.0, "1899-12-30 00:00:00"},     {2.5, "1900-01-01 12:00:00"},
        {-1.25, "1899-12-29 06:00:00"},   {44561.75, "2021-12-31 18:00:00"},
        {45351.0, "2024-02-29 00:00:00"}, {36525.99999999, "2000-01-01 00:00:00"}, // rounds up into the next day
    };
    for (const auto &c : cases)
        EXPECT_STREQ(c.text, COleDateTime(c.date).Format("%Y-%m-%d %H:%M:%S")) << c.date;
    EXPECT_DOUBLE_EQ(-1.25, COleDateTime(1899, 12, 29, 6, 0, 0).m_dt);
    EXPECT_DOUBLE_EQ(44561.75, COleDateTime(2021, 12, 31, 18, 0, 0).m_dt);
    EXPECT_TRUE(COleDateTime(1899, 12, 29, 23, 0, 0) < COleDateTime(1899, 12, 30, 0, 0, 0));

    const COleDateTime leap(2024, 2, 29, 0, 0, 0);
    EXPECT_EQ(5, leap.GetDayOfWeek()); // Thursday
    EXPECT_EQ(60, leap.GetDayOfYear());
}

TEST(OleDateTimeTest, ParsesYearMonthDayAndRefusesTheRest)
{
    COleDateTime date;
    ASSERT_TRUE(date.ParseDateTime(" 2022-05-03 "));
    EXPECT_EQ(2022, date.GetYear());
    EXPECT_EQ(5, date.GetMonth());
    EXPECT_EQ(3, date.GetDay());
    EXPECT_EQ(0, date.GetHour());
    ASSERT_TRUE(date.ParseDateTime("2022-05-03 14:07"));
    EXPECT_EQ(14, date.GetHour());
    EXPECT_EQ(7, date.GetMinute());
    ASSERT_TRUE(date.ParseDateTime("2022-05-03 14:07:09"));
    EXPECT_EQ(9, date.GetSecond());

    const char *refused[] = {"",        "2022-02-30",       "2022-13-01",  "03.05.2022",     "2022-05-03x",
                             "2022-05", "2022-05-03 25:00", "20220-05-03", "2022-05-0314:07"};
    for (const char *text : refused) {
        COleDateTime bad(2000, 1, 1, 0, 0, 0);
        EXPECT_FALSE(bad.ParseDateTime(text)) << text;
        EXPECT_EQ(COleDateTime::invalid, bad.GetStatus()) << text;
        EXPECT_EQ(-1, bad.GetYear()) << text;
        EXPECT_STREQ("", bad.Format("%Y")) << text;
    }
}

TEST(GeometryTest, PackedCoordinatesKeepTheirSign)
{
    const CPoint point(MAKELPARAM(static_cast<WORD>(-5), 7));
    EXPECT_EQ(-5, point.x);
    EXPECT_EQ(7, point.y);
    CRect rect(10, 20, 0, 5);
    rect.NormalizeRect();
    EXPECT_EQ(CRect(0, 5, 10, 20), rect);
    EXPECT_TRUE(rect.PtInRect(CPoint(0, 5)));
    EXPECT_FALSE(rect.PtInRect(CPoint(10, 5)));
    CRect common;
    EXPECT_FALSE(common.IntersectRect(rect, CRect(11, 0, 12, 1)));
    EXPECT_TRUE(common.IsRectEmpty());
}

} // namespace
