// The proceeding's variables: value, type and state of each, and the texts paired with them.
#pragma once

#include <cstdint>

#include "framework/core/cstring.h"

const int kVariableSlots = 9000; // declared size; GetVariableCount says how many are in use

const int kIdTexts = 30;

struct VariableSlot {
    int16_t number = -1; // the number the configuration's lists use
    CString value;
    int16_t type = -1; // 0..36, -1 none
    CString extraText;
    int16_t labelNumber = -1;
    int16_t groupNumber = -1; // options and price pairs of one group share it
    int32_t selected = -1;    // 1 selected
    int32_t untouched = 1;    // 1 while the value is still the template's default
    int32_t extra = -1;
    int32_t insertedLength = 0; // text the last generation inserted for this variable
};

struct VariableTextPair {
    int32_t number = 0;
    CString first;
    CString second;
};

struct IdText {
    int32_t id = 0;
    CString text;
};
