#include "framework/core/ctime.h"

#include "framework/core/exceptions.h"

#include <cstring>

namespace {

// 100-nanosecond intervals between 1601-01-01 and 1970-01-01.
constexpr ULONGLONG kFileTimeAt1970 = 116444736000000000ULL;

struct tm LocalFields(__time64_t time)
{
    struct tm fields {};
    if (const struct tm *local = _localtime64(&time)) {
        fields = *local;
    } else {
        fields.tm_year = 70;
        fields.tm_mday = 1;
        fields.tm_wday = 4;
    }
    return fields;
}

CString FormatFields(const char *format, const struct tm &fields)
{
    if (!format || !*format)
        return CString();
    char buffer[512];
    const size_t length = std::strftime(buffer, sizeof buffer, format, &fields);
    return CString(buffer, static_cast<int>(length));
}

} // namespace

CTimeSpan::CTimeSpan(LONG days, int hours, int minutes, int seconds) noexcept
    : m_timeSpan(seconds + 60 * (minutes + 60 * (hours + 24 * static_cast<__time64_t>(days))))
{
}

CTime CTime::GetCurrentTime() noexcept
{
    return CTime(_time64(nullptr));
}

CTime::CTime(int year, int month, int day, int hour, int minute, int second, int dst)
{
    struct tm fields {};
    fields.tm_year = year - 1900;
    fields.tm_mon = month - 1;
    fields.tm_mday = day;
    fields.tm_hour = hour;
    fields.tm_min = minute;
    fields.tm_sec = second;
    fields.tm_isdst = dst;
    m_time = _mktime64(&fields);
    if (m_time == -1)
        AfxThrowInvalidArgException();
}

CTime::CTime(const SYSTEMTIME &localTime, int dst)
    : CTime(localTime.wYear, localTime.wMonth, localTime.wDay, localTime.wHour, localTime.wMinute, localTime.wSecond,
            dst)
{
}

CTime::CTime(const FILETIME &utcTime) noexcept
{
    const ULONGLONG ticks = (static_cast<ULONGLONG>(utcTime.dwHighDateTime) << 32) | utcTime.dwLowDateTime;
    m_time = static_cast<__time64_t>((static_cast<LONGLONG>(ticks - kFileTimeAt1970)) / 10000000);
}

int CTime::GetYear() const
{
    return LocalFields(m_time).tm_year + 1900;
}
int CTime::GetMonth() const
{
    return LocalFields(m_time).tm_mon + 1;
}
int CTime::GetDay() const
{
    return LocalFields(m_time).tm_mday;
}
int CTime::GetHour() const
{
    return LocalFields(m_time).tm_hour;
}
int CTime::GetMinute() const
{
    return LocalFields(m_time).tm_min;
}
int CTime::GetSecond() const
{
    return LocalFields(m_time).tm_sec;
}
int CTime::GetDayOfWeek() const
{
    return LocalFields(m_time).tm_wday + 1;
}

struct tm *CTime::GetLocalTm(struct tm *result) const
{
    if (!result)
        return nullptr;
    const __time64_t time = m_time;
    const struct tm *local = _localtime64(&time);
    if (!local)
        return nullptr;
    *result = *local;
    return result;
}

struct tm *CTime::GetGmtTm(struct tm *result) const
{
    if (!result)
        return nullptr;
    const __time64_t time = m_time;
    const struct tm *utc = _gmtime64(&time);
    if (!utc)
        return nullptr;
    *result = *utc;
    return result;
}

BOOL CTime::GetAsSystemTime(SYSTEMTIME &localTime) const
{
    struct tm fields;
    if (!GetLocalTm(&fields))
        return FALSE;
    localTime = SYSTEMTIME{};
    localTime.wYear = static_cast<WORD>(fields.tm_year + 1900);
    localTime.wMonth = static_cast<WORD>(fields.tm_mon + 1);
    localTime.wDayOfWeek = static_cast<WORD>(fields.tm_wday);
    localTime.wDay = static_cast<WORD>(fields.tm_mday);
    localTime.wHour = static_cast<WORD>(fields.tm_hour);
    localTime.wMinute = static_cast<WORD>(fields.tm_min);
    localTime.wSecond = static_cast<WORD>(fields.tm_sec);
    return TRUE;
}

CString CTime::Format(const char *format) const
{
    return FormatFields(format, LocalFields(m_time));
}

CString CTime::FormatGmt(const char *format) const
{
    struct tm fields {};
    if (!GetGmtTm(&fields)) {
        fields.tm_year = 70;
        fields.tm_mday = 1;
    }
    return FormatFields(format, fields);
}
