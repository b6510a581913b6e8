// Where each variable and heading of a generated document stands in the shown text.
#pragma once

#include <cstdint>
#include <memory>

#include "framework/core/cstring.h"
#include "model/document_slots.h"

// Occurrence block of one document: variable occurrences numbered from 0 in text order, and
// headings by their slot number, 1000 + the heading's decoded number. The two are kept apart so
// that a document of more than 1000 variable tags cannot overwrite its headings.
const int kVariableOccurrences = 9000;
const int kFirstHeadingSlot = 1000;
const int kHeadingSlotEnd = 5100;  // letter identifiers decode up to 4099
const int kHeadingVariable = 9999; // variable number that marks a heading occurrence

struct VariableOccurrence {
    int16_t variable = 0; // kHeadingVariable for a heading
    int32_t position = 0; // character position in the control
    int32_t length = 0;
    CString hint;
    CString name;
    int32_t enabled = -1; // 0 shown disabled
    int32_t link = -1;    // variable that controls the occurrence
};

// The occurrences of one document. Numbers outside the block give nullptr, never an index.
class OccurrenceBlock {
public:
    VariableOccurrence *Variable(int index);
    const VariableOccurrence *Variable(int index) const;
    VariableOccurrence *Heading(int slot);
    const VariableOccurrence *Heading(int slot) const;
    // The state ResetVariables gives; hint texts stay as they are.
    void Reset();

private:
    VariableOccurrence m_variables[kVariableOccurrences];
    VariableOccurrence m_headings[kHeadingSlotEnd - kFirstHeadingSlot];
};

// Every document of the proceeding has its own block; a block is made the first time it is
// asked for, so a proceeding of few documents does not carry 140 of them.
class OccurrenceTable {
public:
    // nullptr for a document outside 0..139.
    OccurrenceBlock *Block(int document);
    // nullptr also when the document's block was never made.
    const OccurrenceBlock *Block(int document) const;
    void ResetAll();

private:
    std::unique_ptr<OccurrenceBlock> m_blocks[kDocumentSlots];
};
