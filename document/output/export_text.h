// The last step of cleaning a document's text for output: lone dashes and colons, empty list
// items, the page break lines and surplus empty paragraphs removed from the control's text.
#pragma once

#include <windows.h>

#include "framework/core/geometry.h"

#include <string>

class RichEditText;

// The marker that stands where a variable's occurrence was taken out.
extern const char *const RemovalMarker;

// Each page break line becomes PageBreakStandIn, which StreamOutOutputRtf turns into \page.
void CleanExportText(const RichEditText &control);

extern const char *const PageBreakStandIn;

// The cleaned control's text as RTF for paper and files on the given page (see
// StreamOutRichEditRtf), with a real page break at each line the user's page breaks left.
std::string StreamOutOutputRtf(HWND control, CSize paperTwips, const CRect &marginsTwips);
