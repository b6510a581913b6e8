#pragma once
// CTime: a moment as 64-bit seconds since 1970-01-01 00:00:00 UTC, shown in local time.
// CTimeSpan: a difference of two moments in seconds.

#include "framework/core/cstring.h"

#include <windows.h>

#include <ctime>

class CTimeSpan {
public:
    CTimeSpan() noexcept : m_timeSpan(0) {}
    CTimeSpan(__time64_t seconds) noexcept : m_timeSpan(seconds) {}
    CTimeSpan(LONG days, int hours, int minutes, int seconds) noexcept;

    LONGLONG GetDays() const noexcept { return m_timeSpan / 86400; }
    LONGLONG GetTotalHours() const noexcept { return m_timeSpan / 3600; }
    LONG GetHours() const noexcept { return static_cast<LONG>(GetTotalHours() % 24); }
    LONGLONG GetTotalMinutes() const noexcept { return m_timeSpan / 60; }
    LONG GetMinutes() const noexcept { return static_cast<LONG>(GetTotalMinutes() % 60); }
    LONGLONG GetTotalSeconds() const noexcept { return m_timeSpan; }
    LONG GetSeconds() const noexcept { return static_cast<LONG>(m_timeSpan % 60); }
    __time64_t GetTimeSpan() const noexcept { return m_timeSpan; }

    CTimeSpan operator+(CTimeSpan other) const noexcept { return m_timeSpan + other.m_timeSpan; }
    CTimeSpan operator-(CTimeSpan other) const noexcept { return m_timeSpan - other.m_timeSpan; }
    CTimeSpan &operator+=(CTimeSpan other) noexcept
    {
        m_timeSpan += other.m_timeSpan;
        return *this;
    }
    CTimeSpan &operator-=(CTimeSpan other) noexcept
    {
        m_timeSpan -= other.m_timeSpan;
        return *this;
    }
    bool operator==(CTimeSpan other) const noexcept { return m_timeSpan == other.m_timeSpan; }
    bool operator!=(CTimeSpan other) const noexcept { return m_timeSpan != other.m_timeSpan; }
    bool operator<(CTimeSpan other) const noexcept { return m_timeSpan < other.m_timeSpan; }
    bool operator>(CTimeSpan other) const noexcept { return m_timeSpan > other.m_timeSpan; }
    bool operator<=(CTimeSpan other) const noexcept { return m_timeSpan <= other.m_timeSpan; }
    bool operator>=(CTimeSpan other) const noexcept { return m_timeSpan >= other.m_timeSpan; }

private:
    __time64_t m_timeSpan;
};

class CTime {
public:
    static CTime GetCurrentTime() noexcept;

    CTime() noexcept : m_time(0) {}
    CTime(__time64_t time) noexcept : m_time(time) {}
    // Local time; dst < 0 lets the C library decide whether daylight saving applies.
    // Values out of their ranges carry over (day 32 of January is 1 February); a moment that
    // cannot be represented throws CInvalidArgException.
    CTime(int year, int month, int day, int hour, int minute, int second, int dst = -1);
    explicit CTime(const SYSTEMTIME &localTime, int dst = -1);
    explicit CTime(const FILETIME &utcTime) noexcept;

    __time64_t GetTime() const noexcept { return m_time; }

    // Fields in local time; before 1970 in the local zone they read as 1970-01-01 00:00:00.
    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    int GetDayOfWeek() const; // 1 Sunday .. 7 Saturday
    struct tm *GetLocalTm(struct tm *result) const;
    struct tm *GetGmtTm(struct tm *result) const;
    BOOL GetAsSystemTime(SYSTEMTIME &localTime) const;

    // strftime formats ("%Y-%m-%d %H:%M"), in local time or in UTC.
    CString Format(const char *format) const;
    CString FormatGmt(const char *format) const;

    CTime operator+(CTimeSpan span) const noexcept { return m_time + span.GetTimeSpan(); }
    CTime operator-(CTimeSpan span) const noexcept { return m_time - span.GetTimeSpan(); }
    CTimeSpan operator-(CTime other) const noexcept { return m_time - other.m_time; }
    CTime &operator+=(CTimeSpan span) noexcept
    {
        m_time += span.GetTimeSpan();
        return *this;
    }
    CTime &operator-=(CTimeSpan span) noexcept
    {
        m_time -= span.GetTimeSpan();
        return *this;
    }
    bool operator==(CTime other) const noexcept { return m_time == other.m_time; }
    bool operator!=(CTime other) const noexcept { return m_time != other.m_time; }
    bool operator<(CTime other) const noexcept { return m_time < other.m_time; }
    bool operator>(CTime other) const noexcept { return m_time > other.m_time; }
    bool operator<=(CTime other) const noexcept { return m_time <= other.m_time; }
    bool operator>=(CTime other) const noexcept { return m_time >= other.m_time; }

private:
    __time64_t m_time;
};
