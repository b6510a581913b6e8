// The painted month's arithmetic and geometry.
#include <gtest/gtest.h>

#include "evaluation/calendar/calendar_month.h"

namespace {

TEST(CalendarMonth, WeekdaysAcrossCenturiesAndTheGregorianChange)
{
    const struct {
        int year, month, day, weekday;
    } cases[] = {
        {2000, 1, 1, 6}, {2025, 6, 1, 0}, {2024, 2, 29, 4},  {2025, 3, 1, 6},   {1970, 1, 1, 4},
        {1900, 3, 1, 4}, {2100, 1, 1, 5}, {2037, 12, 31, 4}, {1582, 10, 15, 5}, {1582, 10, 4, 4},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << "-" << c.day);
        EXPECT_EQ(CalendarWeekday(c.year, c.month, c.day), c.weekday);
    }
    EXPECT_EQ(CalendarJulianDay(2000, 1, 1), 2451545);
}

TEST(CalendarMonth, LeapYearsAndMonthLengths)
{
    EXPECT_FALSE(CalendarIsLeapYear(1900));
    EXPECT_TRUE(CalendarIsLeapYear(2000));
    EXPECT_FALSE(CalendarIsLeapYear(2100));
    EXPECT_TRUE(CalendarIsLeapYear(2024));
    EXPECT_FALSE(CalendarIsLeapYear(2025));
    EXPECT_EQ(CalendarMonthDays(2024, 2), 29);
    EXPECT_EQ(CalendarMonthDays(1900, 2), 28);
    EXPECT_EQ(CalendarMonthDays(2025, 4), 30);
    EXPECT_EQ(CalendarMonthDays(2025, 12), 31);
    EXPECT_EQ(CalendarMonthDays(2025, 13), 0);
}

TEST(CalendarMonth, DaysStandUnderTheirWeekdaysAndAreFoundAgain)
{
    // June 2025 begins on a Sunday: the first column, "Nie".
    const CalendarMonthLayout june(2025, 6);
    EXPECT_EQ(june.FirstWeekday(), 0);
    const RECT first = june.DayCell(1);
    EXPECT_EQ(first.left, CalendarMonthLayout::kLeft);
    EXPECT_EQ(first.top, 11 + 2 * 20);
    EXPECT_EQ(first.right - first.left, 30);

    // March 2025 begins on a Saturday and needs all six weeks.
    const CalendarMonthLayout march(2025, 3);
    const RECT last = march.DayCell(31);
    EXPECT_EQ(last.left, CalendarMonthLayout::kLeft + 30);
    EXPECT_EQ(last.top, 11 + 7 * 20);
    for (int day = 1; day <= march.Days(); ++day) {
        const RECT cell = march.DayCell(day);
        EXPECT_EQ(march.DayAt({cell.left + 15, cell.top + 10}), day);
    }
    EXPECT_EQ(march.DayAt({CalendarMonthLayout::kLeft + 5, 11 + 2 * 20 + 5}), 0); // before the 1st
    EXPECT_EQ(march.DayAt({300, 100}), 0);
    const RECT none = march.DayCell(32);
    EXPECT_TRUE(IsRectEmpty(&none));
}

} // namespace
