#pragma once
// COleDateTime: an OLE date, days since 1899-12-30 as a double with the time of day as the
// fraction (before that day the fraction still counts forward: -1.25 is 1899-12-29 06:00).
// Years 100 to 9999; anything else makes the value invalid, and its fields then read -1.

#include "framework/core/cstring.h"

#include <windows.h>

class COleDateTime {
public:
    enum DateTimeStatus { valid = 0, invalid = 1, null = 2 };

    static COleDateTime GetCurrentTime();

    COleDateTime() : m_dt(0), m_status(valid) {}
    COleDateTime(DATE date) : m_dt(date), m_status(valid) {}
    COleDateTime(int year, int month, int day, int hour, int minute, int second);
    explicit COleDateTime(const SYSTEMTIME &time);

    DateTimeStatus GetStatus() const { return m_status; }
    void SetStatus(DateTimeStatus status) { m_status = status; }

    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    int GetDayOfWeek() const; // 1 Sunday .. 7 Saturday
    int GetDayOfYear() const; // 1 for 1 January
    BOOL GetAsSystemTime(SYSTEMTIME &time) const;

    // 0 when the value was set, 1 when the fields were out of range (the value is then invalid).
    int SetDateTime(int year, int month, int day, int hour, int minute, int second);
    int SetDate(int year, int month, int day) { return SetDateTime(year, month, day, 0, 0, 0); }
    int SetTime(int hour, int minute, int second) { return SetDateTime(1899, 12, 30, hour, minute, second); }

    // strftime formats ("%Y-%m-%d"); empty for an invalid value.
    CString Format(LPCSTR format) const;
    // "RRRR-MM-DD", optionally followed by "GG:MM" or "GG:MM:SS"; blanks around are ignored.
    // FALSE, and the value invalid, for anything else.
    BOOL ParseDateTime(LPCSTR text, DWORD flags = 0, LCID locale = LANG_USER_DEFAULT);

    operator DATE() const { return m_dt; }
    bool operator==(const COleDateTime &other) const { return m_status == other.m_status && m_dt == other.m_dt; }
    bool operator!=(const COleDateTime &other) const { return !(*this == other); }
    bool operator<(const COleDateTime &other) const { return Ordinal() < other.Ordinal(); }
    bool operator>(const COleDateTime &other) const { return Ordinal() > other.Ordinal(); }
    bool operator<=(const COleDateTime &other) const { return Ordinal() <= other.Ordinal(); }
    bool operator>=(const COleDateTime &other) const { return Ordinal() >= other.Ordinal(); }

    DATE m_dt;
    DateTimeStatus m_status;

private:
    struct Parts {
        int year, month, day, hour, minute, second, dayOfWeek, dayOfYear;
    };
    bool ToParts(Parts &parts) const;
    double Ordinal() const; // days on one straight line, for comparing negative dates
};
