#pragma once
// The arithmetic of the hint popup, apart from its window: line breaks, the popup's size from
// the measured lines, and where it opens beside the cursor.

#include "framework/core/cstring.h"
#include "framework/core/geometry.h"

#include <vector>

// Every backslash followed by "n" becomes a line break ("\r\n").
CString ExpandHintLineBreaks(const CString &text);
// The lines between the line breaks.
std::vector<CString> SplitHintLines(const CString &text);

// Width and height of the text: the widest line + 10 and the line height times the lines + 1;
// lines wider than the popup's 450 pixels wrap, each wrap adding 12 to the height.
CSize HintTextSize(const std::vector<int> &lineWidths, int lineHeight);

// The window rectangle for a text of `textSize` requested at the cursor (screen coordinates):
// right of and below the cursor by `offset`, or to the left of it when it would pass the
// screen's right edge.
CRect HintWindowRect(CPoint cursor, CSize textSize, int screenWidth, CPoint offset);
