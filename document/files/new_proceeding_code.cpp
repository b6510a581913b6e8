#include "document/files/new_proceeding_code.h"

namespace {

// Base code of each mode index; -1 where the act has no such mode. Modes marked fixed take no
// variant.
struct ModeCodes {
    int act2004;
    int act2019;
    bool fixed;
};

const ModeCodes kModes[] = {
    {140, 162, false}, {146, 166, false}, {150, -1, false}, {152, -1, false}, {148, -1, false}, {142, -1, false},
    {145, -1, true},   {144, -1, true},   {154, -1, false}, {156, -1, false}, {158, -1, false}, {160, -1, true},
    {-1, 178, false},  {-1, 164, false},  {-1, 168, false}, {-1, 172, false}, {-1, 170, false}, {-1, 174, false},
    {-1, 176, false},  {-1, 180, false},  {-1, 182, false}, {-1, 184, false}, {-1, 186, false}, {-1, 188, true},
};

} // namespace

int NewProceedingCode(bool act2019, int kindIndex, int variant)
{
    if (kindIndex < 0 || kindIndex >= static_cast<int>(sizeof kModes / sizeof kModes[0]))
        return -1;
    const ModeCodes &mode = kModes[kindIndex];
    const int base = act2019 ? mode.act2019 : mode.act2004;
    if (base < 0)
        return -1;
    return mode.fixed || !variant ? base : base + 1;
}
