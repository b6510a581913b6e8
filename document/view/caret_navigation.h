// Where the caret leads in the shown document's occurrence block: the variable the Tab key
// selects next, and the heading of the point the caret stands in.
#pragma once

#include "model/occurrence_table.h"

// The first occurrence after the caret that the user can edit: a variable (not plain text)
// neither disabled nor empty. After the last one the first such occurrence of the document is
// taken. -1 when the document has none.
int NextTabSlot(const OccurrenceBlock &block, int caret);

// The heading slot (1000 + point) of the last heading that begins at or before the caret,
// searched down from lastHeadingSlot; before the first heading, slot 1001. 0 when the document
// has no headings (lastHeadingSlot 0).
int HeadingSlotAtCaret(const OccurrenceBlock &block, int lastHeadingSlot, int caret);
