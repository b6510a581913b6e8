// The texts that generation puts in place of a variable tag for the list types of values.
#pragma once

#include "framework/core/cstring.h"

// Type 13: each "|"-separated item on its own line behind a dash and six blanks.
CString RenderDashList(const CString &value);
// Type 14: the items lettered f) to x) (no q; the 18th and every later item get x).
CString RenderLetteredList(const CString &value);
// Type 15: the template text, a line feed, then each non-empty item numbered from 1 on a line.
CString RenderNumberedList(const CString &templateText, const CString &value);
// The value of a table type ready to be laid out: " | " made "|", trailing line ends removed.
CString TableValueText(const CString &value);

// The display name of the specification of essential terms (either grammatical case), or of the
// specification of terms of the act of 2019.
bool IsSiwzName(const CString &displayName);
