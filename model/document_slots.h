// The documents of the proceeding's set, one slot per document number, and their states.
#pragma once

#include <cstdint>

#include "framework/core/cstring.h"

const int kDocumentSlots = 140;

// Document states.
const int kStateGenerated = 0;
const int kStateEditable = 2;
const int kStateNotGenerated = 3;
const int kStateLink = 4;
const int kStateExternal = 5;

struct DocumentSlot {
    CString fileName;
    CString displayName;
    int16_t state = 0;
    uint8_t correspondence = 0;
    uint8_t plus = 0;    // hangs under the nearest earlier document without "+"
    uint8_t perPart = 0; // generated once per part
    uint8_t secured = 0;
};

// The proceeding's documents as its readers outside the view see them: count slots from the
// first, count within 0..kDocumentSlots.
struct DocumentList {
    const DocumentSlot *slots = nullptr;
    int count = 0;
};
