#include "app/working_days.h"

namespace {

// Days since 1970-01-01 of a proleptic Gregorian date.
long DaysFromCivil(int year, int month, int day)
{
    year -= month <= 2;
    const long era = (year >= 0 ? year : year - 399) / 400;
    const long yearOfEra = year - era * 400;
    const long dayOfYear = (153L * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

void CivilFromDays(long days, int &year, int &month, int &day)
{
    days += 719468;
    const long era = (days >= 0 ? days : days - 146096) / 146097;
    const long dayOfEra = days - era * 146097;
    const long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long monthIndex = (5 * dayOfYear + 2) / 153;
    day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
    month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    year = static_cast<int>(yearOfEra + era * 400 + (month <= 2));
}

// Easter Sunday of the Gregorian calendar (the anonymous algorithm), as days since 1970.
long EasterSunday(int year)
{
    const int a = year % 19;
    const int b = year / 100;
    const int c = year % 100;
    const int d = b / 4;
    const int e = b % 4;
    const int f = (b + 8) / 25;
    const int g = (b - f + 1) / 3;
    const int h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4;
    const int k = c % 4;
    const int l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int month = (h + l - 7 * m + 114) / 31;
    const int day = (h + l - 7 * m + 114) % 31 + 1;
    return DaysFromCivil(year, month, day);
}

} // namespace

bool IsPublicHoliday(int year, int month, int day)
{
    struct FixedHoliday {
        int month, day, since;
    };
    static const FixedHoliday kFixed[] = {
        {1, 1, 0},  {1, 6, 2011}, {5, 1, 0},      {5, 3, 0},   {8, 15, 0},
        {11, 1, 0}, {11, 11, 0},  {12, 24, 2025}, {12, 25, 0}, {12, 26, 0},
    };
    for (const FixedHoliday &holiday : kFixed)
        if (holiday.month == month && holiday.day == day && year >= holiday.since)
            return true;

    // Easter Sunday and Monday, Pentecost Sunday, Corpus Christi.
    const long sinceEaster = DaysFromCivil(year, month, day) - EasterSunday(year);
    return sinceEaster == 0 || sinceEaster == 1 || sinceEaster == 49 || sinceEaster == 60;
}

bool IsDayOff(int year, int month, int day)
{
    const long days = DaysFromCivil(year, month, day);
    const long weekday = ((days % 7) + 7 + 4) % 7; // 1970-01-01 was a Thursday; 0 is Sunday
    return weekday == 0 || weekday == 6 || IsPublicHoliday(year, month, day);
}

bool IsWorkingDay(const CTime &moment)
{
    return !IsDayOff(moment.GetYear(), moment.GetMonth(), moment.GetDay());
}

CTime NextWorkingDay(const CTime &moment)
{
    int year = moment.GetYear();
    int month = moment.GetMonth();
    int day = moment.GetDay();
    if (!IsDayOff(year, month, day))
        return moment;
    long days = DaysFromCivil(year, month, day);
    do
        CivilFromDays(++days, year, month, day);
    while (IsDayOff(year, month, day));
    return CTime(year, month, day, moment.GetHour(), moment.GetMinute(), moment.GetSecond());
}

CString AddDays(int year, int month, int day, int days)
{
    long count = DaysFromCivil(year, month, day);
    int y = 0, m = 0, d = 0;
    CivilFromDays(count, y, m, d);
    if (y != year || m != month || d != day)
        return CString(); // no such day
    CivilFromDays(count += days, y, m, d);
    // Offices count 31 December out of a deadline, though it is no public holiday.
    while (IsDayOff(y, m, d) || (m == 12 && d == 31))
        CivilFromDays(++count, y, m, d);
    CString text;
    text.Format("%04d-%02d-%02d", y, m, d);
    return text;
}
