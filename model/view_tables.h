// The proceeding view's tables: fixed records that the template engine, the configuration
// reader, the data file and the value editors share. The view's proceeding holds one
// ViewTables; a file that reads only one kind of table includes that table's own header.
#pragma once

#include <cstdint>

#include "framework/core/cstring.h"
#include "model/default_values.h"
#include "model/document_slots.h"
#include "model/occurrence_table.h"
#include "model/repeat_instances.h"
#include "model/variable_slots.h"

const int kPartNames = 9000;
const int kPageBreakMarks = 100;
const int kDefaultTexts = 20;
const int kMdbNames = 10;
const int kBuyerDataRows = 100;
const int kBuyerDataColumns = 8;
const int kDateDefaultRows = 100;

struct PageBreakMark {
    int16_t document = 0;
    int32_t position = 0;
    int32_t length = 0;
};

struct DateDefaultRow {
    int16_t source = 0; // date variable
    int16_t target = 0;
    int16_t days = 0;
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
    int32_t m_instanceFlags[kVariableSlots] = {1}; // by pool index: 1 the entry is shown, 0 left out
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
