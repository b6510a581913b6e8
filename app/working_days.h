// The working-day calendar of deadlines: Saturdays, Sundays and the Polish statutory public
// holidays are days off.
#pragma once

#include "framework/core/cstring.h"
#include "framework/core/ctime.h"

// 1 and 6 January (the latter from 2011), Easter Sunday and Monday, 1 and 3 May, Pentecost
// Sunday, Corpus Christi, 15 August, 1 and 11 November, 24 December (from 2025), 25 and 26 December.
bool IsPublicHoliday(int year, int month, int day);

// A Saturday, a Sunday or a public holiday: the rule every deadline count uses.
bool IsDayOff(int year, int month, int day);

// The day of the moment, in local time, is no day off.
bool IsWorkingDay(const CTime &moment);

// The first moment on or after the given one that falls on a working day, at the same clock
// time: days are advanced on the calendar, so a change of daylight saving time moves nothing.
CTime NextWorkingDay(const CTime &moment);

// The date `days` calendar days after year-month-day, moved forward off Saturdays, Sundays,
// public holidays and 31 December, as "%04d-%02d-%02d"; "" when the start names no day.
CString AddDays(int year, int month, int day, int days);
