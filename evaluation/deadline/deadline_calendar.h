// Dates of the deadline calculator; the day addition itself is the working-day calendar's.
#pragma once

#include "app/working_days.h"
#include "framework/core/cstring.h"

// Reads a deadline date "RRRR-MM-DD": a day that exists, in the years 1970 to 2037.
bool ParseDeadlineDate(const CString &text, int &year, int &month, int &day);
