// Where a printed or previewed page lands on the printer's sheet: the sheet turned to the
// page's orientation for the job, and the page's margins drawn as guides in the preview.
#pragma once

#include <windows.h>

#include "framework/shell/rich_text_layout.h"

// Turns the printer's sheet to the page's orientation (landscape for a page wider than high)
// through a copy of the job's device mode, before the job starts; nothing when the sheet
// already lies so, or there is no printer or device mode. True when the sheet was turned.
bool TurnSheetToPage(HDC printer, HGLOBAL deviceMode, const RichTextPageSize &page);

// The margin lines of the page on the sheet (in the sheet's units), as the renderer stretches
// the page over the whole sheet: turned a quarter to the left on a sheet of the other
// orientation, so that its top runs along the sheet's left edge.
struct MarginGuides {
    int left = 0; // vertical lines
    int right = 0;
    int top = 0; // horizontal lines
    int bottom = 0;
};
MarginGuides MarginGuidesOnSheet(const RichTextPageSize &page, const RECT &sheet);
