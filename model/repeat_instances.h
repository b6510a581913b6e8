// The instances of variables that repeated blocks add, per part or per entry.
#pragma once

#include <cstdint>

#include "framework/core/cstring.h"

const int kDynamicVariableSlots = 6000;

const int kPerPartBlock = 0;
const int kPerEntryBlock = 1;

struct DynamicVariable {
    int32_t blockVariable = 0; // the variable of the repeated block that made the instance
    CString label;
    int16_t repetition = 0;       // part or entry index
    int32_t templateVariable = 0; // the variable whose tag was instantiated
    int32_t blockKind = 0;        // kPerPartBlock or kPerEntryBlock
};
