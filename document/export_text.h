// The last step of cleaning a document's text for output: lone dashes and colons, empty list
// items, the page break lines and surplus empty paragraphs removed from the control's text.
#pragma once

class RichEditText;

// The marker that stands where a variable's occurrence was taken out.
extern const char *const RemovalMarker;

void CleanExportText(const RichEditText &control);
