// Identifiers of template tags and the rewrite of a repeated body's instance links.
#pragma once

#include "framework/core/cstring.h"

struct ViewTables;

// A letter of the identifier table gives its base plus the decimal value of the last two
// characters (A05 -> 1005, Ł01 -> 3901); anything else is read as a decimal number, 0 when
// it has no leading digits.
int DecodeVariableId(const CString &identifier);

// Length of the identifier of a "<!" tag at position tag of text: 5 when text[tag + 7] is
// ">", else 4 when text[tag + 6] is ">", else 3.
int VariableTagIdLength(const CString &text, int tag);
// Length of the identifier of a "<*" or "<+" link tag at position tag: 3 when text[tag + 5]
// is ">", else 5.
int LinkTagIdLength(const CString &text, int tag);

// An instance number as the engine writes it into tags: five digits with leading zeros.
CString FormatInstanceNumber(int number);

// The body with every "<|" id ">" made "<+" NNNNN ">" and every "<\" id ">" made "<*" NNNNN ">",
// NNNNN being the pool instance of id for this repetition; tags without one stay as they are.
CString RewriteVariableTags(const CString &body, int repetition, const ViewTables &tables);
