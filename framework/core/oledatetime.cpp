#include "framework/core/oledatetime.h"

#include <cmath>
#include <ctime>

namespace {

// Days from 1970-01-01 to a civil date, and back (proleptic Gregorian calendar).
long long DaysFromCivil(long long year, unsigned month, unsigned day)
{
    year -= month <= 2;
    const long long era = (year >= 0 ? year : year - 399) / 400;
    const unsigned yearOfEra = static_cast<unsigned>(year - era * 400);
    const unsigned dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + static_cast<long long>(dayOfEra) - 719468;
}

void CivilFromDays(long long days, int &year, int &month, int &day)
{
    days += 719468;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const unsigned dayOfEra = static_cast<unsigned>(days - era * 146097);
    const unsigned yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const unsigned shifted = (5 * dayOfYear + 2) / 153;
    day = static_cast<int>(dayOfYear - (153 * shifted + 2) / 5 + 1);
    month = static_cast<int>(shifted < 10 ? shifted + 3 : shifted - 9);
    year = static_cast<int>(static_cast<long long>(yearOfEra) + era * 400 + (month <= 2));
}

bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month)
{
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

constexpr long long kDaysFrom1899To1970 = 25569;
constexpr double kMinDate = -657434.0;     // 100-01-01
constexpr double kMaxDate = 2958465.99999; // 9999-12-31 23:59:59

} // namespace

COleDateTime COleDateTime::GetCurrentTime()
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    return COleDateTime(now);
}

COleDateTime::COleDateTime(int year, int month, int day, int hour, int minute, int second) : m_dt(0), m_status(valid)
{
    SetDateTime(year, month, day, hour, minute, second);
}

COleDateTime::COleDateTime(const SYSTEMTIME &time) : m_dt(0), m_status(valid)
{
    SetDateTime(time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute, time.wSecond);
}

int COleDateTime::SetDateTime(int year, int month, int day, int hour, int minute, int second)
{
    if (year < 100 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month) || hour < 0
        || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59) {
        m_dt = 0;
        m_status = invalid;
        return 1;
    }
    const long long serial = DaysFromCivil(year, month, day) + kDaysFrom1899To1970;
    const double time = (hour * 3600 + minute * 60 + second) / 86400.0;
    const double days = static_cast<double>(serial);
    m_dt = serial >= 0 ? days + time : days - time;
    m_status = valid;
    return 0;
}

bool COleDateTime::ToParts(Parts &parts) const
{
    if (m_status != valid || !(m_dt >= kMinDate && m_dt <= kMaxDate))
        return false;
    double dayPart = std::trunc(m_dt);
    long long seconds = std::llround(std::fabs(m_dt - dayPart) * 86400.0);
    long long serial = static_cast<long long>(dayPart);
    if (seconds >= 86400) { // rounded up to midnight: the next calendar day
        seconds -= 86400;
        serial += 1;
    }
    // A negative serial counts its time forward from its own midnight, like a positive one.
    CivilFromDays(serial - kDaysFrom1899To1970, parts.year, parts.month, parts.day);
    parts.hour = static_cast<int>(seconds / 3600);
    parts.minute = static_cast<int>(seconds / 60 % 60);
    parts.second = static_cast<int>(seconds % 60);
    const long long unixDays = serial - kDaysFrom1899To1970;
    parts.dayOfWeek = static_cast<int>(((unixDays % 7) + 7 + 4) % 7); // 1970-01-01 was a Thursday
    parts.dayOfYear =
        static_cast<int>(DaysFromCivil(parts.year, parts.month, parts.day) - DaysFromCivil(parts.year, 1, 1) + 1);
    return true;
}

double COleDateTime::Ordinal() const
{
    const double dayPart = std::trunc(m_dt);
    return dayPart + std::fabs(m_dt - dayPart);
}

int COleDateTime::GetYear() const
{
    Parts p;
    return ToParts(p) ? p.year : -1;
}
int COleDateTime::GetMonth() const
{
    Parts p;
    return ToParts(p) ? p.month : -1;
}
int COleDateTime::GetDay() const
{
    Parts p;
    return ToParts(p) ? p.day : -1;
}
int COleDateTime::GetHour() const
{
    Parts p;
    return ToParts(p) ? p.hour : -1;
}
int COleDateTime::GetMinute() const
{
    Parts p;
    return ToParts(p) ? p.minute : -1;
}
int COleDateTime::GetSecond() const
{
    Parts p;
    return ToParts(p) ? p.second : -1;
}
int COleDateTime::GetDayOfWeek() const
{
    Parts p;
    return ToParts(p) ? p.dayOfWeek + 1 : -1;
}
int COleDateTime::GetDayOfYear() const
{
    Parts p;
    return ToParts(p) ? p.dayOfYear : -1;
}

BOOL COleDateTime::GetAsSystemTime(SYSTEMTIME &time) const
{
    Parts p;
    if (!ToParts(p))
        return FALSE;
    time = SYSTEMTIME{};
    time.wYear = static_cast<WORD>(p.year);
    time.wMonth = static_cast<WORD>(p.month);
    time.wDay = static_cast<WORD>(p.day);
    time.wDayOfWeek = static_cast<WORD>(p.dayOfWeek);
    time.wHour = static_cast<WORD>(p.hour);
    time.wMinute = static_cast<WORD>(p.minute);
    time.wSecond = static_cast<WORD>(p.second);
    return TRUE;
}

CString COleDateTime::Format(LPCSTR format) const
{
    Parts p;
    if (!format || !*format || !ToParts(p))
        return CString();
    struct tm fields {};
    fields.tm_year = p.year - 1900;
    fields.tm_mon = p.month - 1;
    fields.tm_mday = p.day;
    fields.tm_hour = p.hour;
    fields.tm_min = p.minute;
    fields.tm_sec = p.second;
    fields.tm_wday = p.dayOfWeek;
    fields.tm_yday = p.dayOfYear - 1;
    fields.tm_isdst = -1;
    char buffer[512];
    const size_t length = std::strftime(buffer, sizeof buffer, format, &fields);
    return CString(buffer, static_cast<int>(length));
}

namespace {

// Reads exactly `count` integers separated by `separator` from the whole of text.
bool ReadNumbers(const CString &text, char separator, int *numbers, int count)
{
    int position = 0;
    for (int i = 0; i < count; ++i) {
        if (i > 0) {
            if (text.GetAt(position) != separator)
                return false;
            ++position;
        }
        const int start = position;
        int value = 0;
        while (position < text.GetLength() && text[position] >= '0' && text[position] <= '9' && position - start < 4)
            value = value * 10 + (text[position++] - '0');
        if (position == start)
            return false;
        numbers[i] = value;
    }
    return position == text.GetLength();
}

} // namespace

BOOL COleDateTime::ParseDateTime(LPCSTR text, DWORD, LCID)
{
    CString trimmed(text);
    trimmed.Trim();
    const int blank = trimmed.Find(' ');
    const CString datePart = blank < 0 ? trimmed : trimmed.Left(blank);
    CString timePart = blank < 0 ? CString() : trimmed.Mid(blank + 1);
    timePart.TrimLeft();

    int date[3] = {};
    int time[3] = {};
    bool parsed = ReadNumbers(datePart, '-', date, 3);
    if (parsed && !timePart.IsEmpty())
        parsed = ReadNumbers(timePart, ':', time, 2) || ReadNumbers(timePart, ':', time, 3);
    if (!parsed) {
        m_dt = 0;
        m_status = invalid;
        return FALSE;
    }
    return SetDateTime(date[0], date[1], date[2], time[0], time[1], time[2]) == 0;
}
