// Date arithmetic of the deadline calculator, over the program's working-day calendar.
#pragma once

#include "framework/core/cstring.h"

// The date `days` calendar days after year-month-day, moved forward off Saturdays, Sundays,
// public holidays and 31 December, as "%04d-%02d-%02d"; "" when the start names no day.
CString AddDays(int year, int month, int day, int days);

// Reads a deadline date "RRRR-MM-DD": a day that exists, in the years 1970 to 2037.
bool ParseDeadlineDate(const CString &text, int &year, int &month, int &day);
