// The proceeding view's tables: fixed records that the template engine, the configuration
// reader, the data file and the value editors share. The view embeds one ViewTables.
#pragma once

#include <cstdint>
#include <memory>

#include "framework/core/cstring.h"

const int kDocumentSlots = 140;
const int kVariableSlots = 9000; // declared size; GetVariableCount says how many are in use
const int kDynamicVariableSlots = 6000;
const int kPartNames = 9000;
const int kPageBreakMarks = 100;
const int kIdTexts = 30;
const int kDefaultTexts = 20;
const int kDefaultValueTexts = 19;
const int kMdbNames = 10;
const int kBuyerDataRows = 100;
const int kBuyerDataColumns = 8;
const int kDateDefaultRows = 100;

// Occurrence block of one document: variable occurrences numbered from 0 in text order, and
// headings by their slot number, 1000 + the heading's decoded number. The two are kept apart so
// that a document of more than 1000 variable tags cannot overwrite its headings.
const int kVariableOccurrences = 9000;
const int kFirstHeadingSlot = 1000;
const int kHeadingSlotEnd = 5100;  // letter identifiers decode up to 4099
const int kHeadingVariable = 9999; // variable number that marks a heading occurrence

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

const int kPerPartBlock = 0;
const int kPerEntryBlock = 1;

struct DynamicVariable {
    int32_t blockVariable = 0; // the variable of the repeated block that made the instance
    CString label;
    int16_t repetition = 0;       // part or entry index
    int32_t templateVariable = 0; // the variable whose tag was instantiated
    int32_t blockKind = 0;        // kPerPartBlock or kPerEntryBlock
};

struct VariableOccurrence {
    int16_t variable = 0; // kHeadingVariable for a heading
    int32_t position = 0; // character position in the control
    int32_t length = 0;
    CString hint;
    CString name;
    int32_t enabled = -1; // 0 shown disabled
    int32_t link = -1;    // variable that controls the occurrence
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

struct PageBreakMark {
    int16_t document = 0;
    int32_t position = 0;
    int32_t length = 0;
};

struct DefaultValues {
    CString texts[kDefaultValueTexts];
    int32_t numbers[4] = {0, 0, 0, 0};
};

struct DateDefaultRow {
    int16_t source = 0; // date variable
    int16_t target = 0;
    int16_t days = 0;
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

struct ViewTables {
    int m_nLoadedVersion = -1; // law version of the last data file loaded
    int m_nParts = -1;         // -1 undivided
    int m_nDocumentCount = 0;
    int m_nNextDynamicVariable = 3000;
    int m_nLastHeadingSlot = 0;
    int m_nPageBreaks = 0;
    DefaultValues m_defaults;
    DocumentSlot m_documents[kDocumentSlots];
    CString m_partNames[kPartNames];
    int32_t m_partFlags[kPartNames] = {1};         // by part: 1 in use, 0 deleted; [0] also undivided
    int32_t m_instanceFlags[kVariableSlots] = {1}; // by pool index: 1 the instance is in use
    PageBreakMark m_pageBreaks[kPageBreakMarks];
    DynamicVariable m_dynamicVariables[kDynamicVariableSlots];
    VariableSlot m_variables[kVariableSlots];
    OccurrenceTable m_occurrences;
    VariableTextPair m_textPairs[kVariableSlots];
    IdText m_idTexts[kIdTexts];
    CString m_defaultTexts[kDefaultTexts];
    int16_t m_buyerDataMap[kBuyerDataRows][kBuyerDataColumns] = {};
    int16_t m_nBuyerDataRows = 0;
    DateDefaultRow m_dateDefaults[kDateDefaultRows];
    int16_t m_nDateDefaultRows = 0;
    CString m_mdbList[kMdbNames];

    // 6000 for data files of law versions 0..73, else 9000; the first dynamic number is
    // 2000 or 3000 in the same cases.
    int GetVariableCount() const;
    int GetFirstVariableIndex() const;
    // A number that may index the variable table.
    bool IsVariableNumber(int number) const;
    // The pool record of a dynamic variable number, nullptr when the number is no live
    // instance number (below the first dynamic number or not below the next free one).
    DynamicVariable *FindDynamicVariable(int number);

    void ResetVariables();
};
