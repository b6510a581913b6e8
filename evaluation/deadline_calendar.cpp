#include "evaluation/deadline_calendar.h"

#include <cctype>
#include <cstdlib>

#include "app/working_days.h"
#include "framework/core/oledatetime.h"

namespace {

// Offices count 31 December out of a deadline, though it is no public holiday.
bool IsNoDeadlineDay(const COleDateTime &date)
{
    const int year = date.GetYear();
    const int month = date.GetMonth();
    const int day = date.GetDay();
    return IsDayOff(year, month, day) || (month == 12 && day == 31);
}

} // namespace

CString AddDays(int year, int month, int day, int days)
{
    COleDateTime date;
    if (date.SetDate(year, month, day) != 0)
        return CString();
    date = COleDateTime(static_cast<DATE>(date) + days);
    while (IsNoDeadlineDay(date))
        date = COleDateTime(static_cast<DATE>(date) + 1);
    CString text;
    text.Format("%04d-%02d-%02d", date.GetYear(), date.GetMonth(), date.GetDay());
    return text;
}

bool ParseDeadlineDate(const CString &text, int &year, int &month, int &day)
{
    if (text.GetLength() != 10 || text[4] != '-' || text[7] != '-')
        return false;
    for (int i = 0; i < 10; ++i)
        if (i != 4 && i != 7 && !isdigit(static_cast<unsigned char>(text[i])))
            return false;
    const int y = atoi(text.Left(4));
    const int m = atoi(text.Mid(5, 2));
    const int d = atoi(text.Right(2));
    COleDateTime date;
    if (y < 1970 || y > 2037 || date.SetDate(y, m, d) != 0)
        return false;
    year = y;
    month = m;
    day = d;
    return true;
}
