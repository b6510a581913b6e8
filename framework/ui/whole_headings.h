// Column headings of a list view drawn whole. Wine's header control draws a heading into a box
// exactly as wide as its text measures and clips it there, while some letters leave ink a pixel
// or two past their measured width: the last letter of "Uwagi" or "Zakres odpowiedzialności"
// is cut however wide the column is. The headings are drawn again over the control's own
// drawing, in the whole room between the column's margins and without clipping.
#pragma once

#include <windows.h>

// Has the list's header draw its headings whole from now on; the list must have a header (the
// report view). Calling it again changes nothing, and nothing changes where the program does not
// run under Wine.
void KeepHeadingsWhole(HWND list);
