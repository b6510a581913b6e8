#include "evaluation/deadline/deadline_calendar.h"

#include <cctype>
#include <cstdlib>

#include "framework/core/oledatetime.h"

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
