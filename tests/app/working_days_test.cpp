#include <gtest/gtest.h>

#include "app/working_days.h"

TEST(WorkingDays, DaysOff)
{
    const struct {
        int year, month, day;
        bool dayOff;
    } cases[] =
        {
            {2022, 5, 3, true},                         // Tuesday, 3 May
            {2021, 12, 31, false},                      // Friday, 31 December is a working day
            {2010, 1, 6, false},                        // Wednesday, Epiphany before it was a holiday
            {2011, 1, 6, true},    {2022, 4, 17, true}, // Easter Sunday
            {2022, 4, 18, true},                        // Easter Monday
            {2024, 4, 1, true},                         // Easter Monday
            {2022, 6, 5, true},                         // Pentecost Sunday
            {2022, 6, 16, true},                        // Corpus Christi, Thursday
            {2024, 5, 30, true},                        // Corpus Christi
            {2025, 6, 19, true},                        // Corpus Christi
            {2022, 6, 17, false},                       // the Friday after it
            {2024, 12, 24, false},                      // Christmas Eve before it was a holiday
            {2025, 12, 24, true},  {2024, 12, 23, false}, {2022, 8, 15, true},
            {2022, 11, 1, true},   {2022, 11, 11, true},  {2022, 12, 26, true},
            {2022, 1, 1, true},    {2022, 5, 1, true},    {2022, 5, 2, false}, // Monday between the May holidays
            {2022, 5, 7, true},                                                // Saturday
            {2022, 5, 8, true},                                                // Sunday
            {2038, 3, 1, false},                                               // Monday after the 32-bit end of time
            {2038, 4, 26, true},                                               // Easter Monday
        };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << "-" << c.day);
        EXPECT_EQ(c.dayOff, IsDayOff(c.year, c.month, c.day));
        EXPECT_EQ(c.dayOff, !IsWorkingDay(CTime(c.year, c.month, c.day, 12, 0, 0)));
    }
    EXPECT_FALSE(IsPublicHoliday(2022, 5, 7)); // a Saturday is off, but no holiday
}

TEST(WorkingDays, NextWorkingDayKeepsTheClockTime)
{
    const struct {
        int from[3], to[3];
    } cases[] = {
        {{2021, 12, 25}, {2021, 12, 27}}, // Saturday, Christmas
        {{2021, 12, 31}, {2021, 12, 31}}, // a working day comes back unchanged
        {{2022, 1, 1}, {2022, 1, 3}},     {{2022, 4, 30}, {2022, 5, 2}},
        {{2022, 4, 16}, {2022, 4, 19}},                                  // Saturday before Easter, past Easter Monday
        {{2025, 12, 24}, {2025, 12, 29}}, {{2024, 3, 30}, {2024, 4, 2}}, // across the change to summer time and Easter
        {{2024, 10, 26}, {2024, 10, 28}},                                // across the change back
        {{2022, 6, 4}, {2022, 6, 6}},                                    // Saturday before Pentecost
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.from[0] << "-" << c.from[1] << "-" << c.from[2]);
        const CTime next = NextWorkingDay(CTime(c.from[0], c.from[1], c.from[2], 9, 30, 15));
        EXPECT_EQ(c.to[0], next.GetYear());
        EXPECT_EQ(c.to[1], next.GetMonth());
        EXPECT_EQ(c.to[2], next.GetDay());
        EXPECT_EQ(9, next.GetHour());
        EXPECT_EQ(30, next.GetMinute());
        EXPECT_EQ(15, next.GetSecond());
    }
}
