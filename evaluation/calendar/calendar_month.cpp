#include "evaluation/calendar/calendar_month.h"

#include <cmath>

const char *const kCalendarMonthNames[12] = {"Styczeń", "Luty",     "Marzec",   "Kwiecień",    "Maj",      "Czerwiec",
                                             "Lipiec",  "Sierpień", "Wrzesień", "Październik", "Listopad", "Grudzień"};
const char *const kCalendarDayHeadings[7] = {"Nie", "Pon", "Wt", "Śr", "Czw", "Pi", "Sob"};

long CalendarJulianDay(int year, int month, int day)
{
    // The first day of the Gregorian calendar, 15 October 1582, as day + 31 * (month + 12 * year).
    const long gregorianStart = 15 + 31 * (10 + 12 * 1582L);
    int julianYear = year;
    int julianMonth;
    if (month > 2) {
        julianMonth = month + 1;
    } else {
        --julianYear;
        julianMonth = month + 13;
    }
    long number = static_cast<long>(std::floor(365.25 * julianYear))
                  + static_cast<long>(std::floor(30.6001 * julianMonth)) + day + 1720995L;
    if (day + 31L * (month + 12L * year) >= gregorianStart) {
        const long century = static_cast<long>(std::floor(0.01 * julianYear));
        number += 2 - century + century / 4;
    }
    return number;
}

int CalendarWeekday(int year, int month, int day)
{
    return static_cast<int>((CalendarJulianDay(year, month, day) + 1) % 7);
}

bool CalendarIsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int CalendarMonthDays(int year, int month)
{
    static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && CalendarIsLeapYear(year) ? 29 : days[month - 1];
}

CalendarMonthLayout::CalendarMonthLayout(int year, int month)
    : m_days(CalendarMonthDays(year, month)), m_firstWeekday(CalendarWeekday(year, month, 1))
{
}

RECT CalendarMonthLayout::HeadingCell(int weekday)
{
    const int left = kLeft + weekday * kCellWidth;
    const int top = kTop + kRowHeight;
    return {left, top, left + kCellWidth, top + kRowHeight};
}

RECT CalendarMonthLayout::DayCell(int day) const
{
    if (day < 1 || day > m_days)
        return {0, 0, 0, 0};
    const int place = m_firstWeekday + day - 1;
    const int left = kLeft + (place % 7) * kCellWidth;
    const int top = kTop + (2 + place / 7) * kRowHeight;
    return {left, top, left + kCellWidth, top + kRowHeight};
}

int CalendarMonthLayout::DayAt(POINT point) const
{
    for (int day = 1; day <= m_days; ++day) {
        const RECT cell = DayCell(day);
        if (PtInRect(&cell, point))
            return day;
    }
    return 0;
}
