// RTF tables built from the program's table text ("N;-1;-1;" then three fields per column,
// then the cells row by row).
#pragma once

#include <vector>

#include "framework/core/cstring.h"

// The table text as an RTF table 9000 twips wide followed by the hidden "#" id that lets it
// be found again; "" when the text has fewer than four fields, no columns or no rows.
CString TableTextToRtf(const CString &tableText, int id);

// First row bold. Cells are escaped; a cell missing from cells is empty. "" when columns or
// rows is not positive or widths holds fewer than columns entries.
CString BuildRtfTable(int columns, int rows, const std::vector<int> &widths, const std::vector<CString> &cells,
                      int totalWidth, const CString &id);

// "\", "{" and "}" escaped so that the text stays text inside RTF.
CString EscapeRtfText(const CString &text);
