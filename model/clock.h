// The one source of "now" for a proceeding's dates (today's date in a starting data file,
// creation and save times), so that tests can fix the day.
#pragma once

#include "framework/core/ctime.h"

namespace ProceedingClock {

using NowFunction = CTime (*)();

CTime Now();
// nullptr goes back to the system clock.
void SetNowFunction(NowFunction now);

} // namespace ProceedingClock
