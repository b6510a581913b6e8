// The month the calendar paints: its arithmetic and where each part of it lies, in client
// pixels, for painting and hit-testing alike.
#pragma once

#include <windows.h>

// The Julian day number of a Gregorian (from 15 October 1582; Julian before) date.
long CalendarJulianDay(int year, int month, int day);
// 0 Sunday .. 6 Saturday.
int CalendarWeekday(int year, int month, int day);
bool CalendarIsLeapYear(int year);
int CalendarMonthDays(int year, int month);

extern const char *const kCalendarMonthNames[12];
extern const char *const kCalendarDayHeadings[7]; // Sunday first

class CalendarMonthLayout {
public:
    static constexpr int kLeft = 10;
    static constexpr int kTop = (249 - 8 * 20) / 8;
    static constexpr int kRowHeight = 20;
    static constexpr int kCellWidth = 30;
    static constexpr int kWeeks = 6;

    // month 1..12
    CalendarMonthLayout(int year, int month);

    static RECT PreviousBox() { return {10, kTop, 40, kTop + kRowHeight}; }
    static RECT NextBox() { return {188, kTop, 218, kTop + kRowHeight}; }
    static RECT TitleBox() { return {45, kTop, 183, kTop + kRowHeight}; }
    static RECT HeadingCell(int weekday);
    // The cell of day 1..days; an empty rectangle for any other day.
    RECT DayCell(int day) const;
    // The day under the point, 0 for none.
    int DayAt(POINT point) const;
    int Days() const { return m_days; }
    int FirstWeekday() const { return m_firstWeekday; }

private:
    int m_days;
    int m_firstWeekday;
};
