#include "model/clock.h"

namespace ProceedingClock {
namespace {

NowFunction s_now = nullptr;

} // namespace

CTime Now()
{
    return s_now ? s_now() : CTime::GetCurrentTime();
}

void SetNowFunction(NowFunction now)
{
    s_now = now;
}

} // namespace ProceedingClock
