// The marker that stands where the user put a page break: a grey dotted line with the words
// "podział strony" in it, followed by a real page break.
#pragma once

#include "framework/core/cstring.h"

class RichEditText;

extern const char *const PageBreakMarkerRtf;

// The marker streamed in at the position; the number of characters the control added.
int InsertPageBreakMarker(const RichEditText &control, int position);
