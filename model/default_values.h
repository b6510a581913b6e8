// The proceeding's default texts that the wizard fills (case number, task, authority, ...).
#pragma once

#include <cstdint>

#include "framework/core/cstring.h"

const int kDefaultValueTexts = 19;

struct DefaultValues {
    CString texts[kDefaultValueTexts];
    int32_t numbers[4] = {0, 0, 0, 0};
};
