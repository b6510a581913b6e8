// The kinds of variable a template holds. Data files and the view's tables keep the numeric
// code; a code no enumerator names (a damaged or newer file) keeps its value and falls in
// none of the classes below.
#pragma once

#include <cstdint>

enum class VariableType : int16_t {
    None = -1,
    Text = 0,
    Option = 1,
    Date = 2,
    CheckBox = 3,
    Criteria = 4,
    Offers = 5,
    OfferPrices = 6,
    PreliminaryOffers = 7,
    OfferIndex = 8,
    NumberedRows = 9,
    Points = 10,
    OffersSummary = 11,
    // Laid out as the criteria with their scoring method; nothing edits or stores its value.
    CriteriaMethodTable = 12,
    DashList = 13,
    LetteredList = 14,
    NumberedList = 15,
    ScheduleDate = 16,
    DeadlineDate = 17,
    CriteriaMethod = 18,
    HelpLink = 20,
    Persons = 21,
    NumberedTable = 30,
    Table = 31,
    AmountZloty = 32,
    OfferParts = 33,
    AmountEuro = 34,
    RtfTable = 35,
    ColumnTable = 36,
};

// The type of a stored code; the tables keep codes as int16_t.
inline VariableType VariableTypeOf(int code)
{
    return static_cast<VariableType>(code);
}

inline int16_t VariableTypeCode(VariableType type)
{
    return static_cast<int16_t>(type);
}

// Codes 0..36; a data file stores any other as none.
bool IsInTypeRange(VariableType type);
// A double click on it does something: an editor, a choice, the help link's topic. Nothing is
// ever written for the others.
bool HasEditor(VariableType type);
// Option or check box: a mark that is selected or not.
bool IsOptionType(VariableType type);
bool IsDateType(VariableType type);
bool IsAmountType(VariableType type);
// A list of rows edited in the list editor.
bool IsListType(VariableType type);
// The kind of list or text table the type is laid out as: its code minus 4.
int TableKindOf(VariableType type);
// Shown as a fixed-pitch text table: the lists, the offers summary and the criteria-method table.
bool IsTextTableType(VariableType type);
// Dashed, lettered or numbered list of documents.
bool IsDocumentListType(VariableType type);
// A grid of label=value records, shown as a record list.
bool IsGridTableType(VariableType type);
