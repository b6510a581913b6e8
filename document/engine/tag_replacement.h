// The last step of generation: the headings and variable tags of the document's text replaced
// by the headings' text and the variables' rendered values, each recorded in the document's
// occurrence block once the finished document tells where it stands.
#pragma once

#include <vector>

class OccurrenceBlock;
class RtfDocumentBuilder;
struct VariableOccurrence;
struct VariableSlot;
struct ViewTables;

// An occurrence waiting for its place: the replacement that made it, and the variable whose
// inserted length it gives when it is a list or a table.
struct TagPlacement {
    VariableOccurrence *occurrence;
    VariableSlot *insertedLengthOf;
    int replacement;
};

// badTableRows receives the selected-offers rows laid out against the cell count of their
// table's first row.
std::vector<TagPlacement> ReplaceTags(RtfDocumentBuilder &document, ViewTables &tables, OccurrenceBlock &block,
                                      int &badTableRows);
