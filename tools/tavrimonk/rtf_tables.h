#pragma once
// The DOC the converter writes: the exported rich text with each "<<table>>" placeholder replaced
// by the next table of the side file as a real table, as the HTML export does.

#include <string>
#include <vector>

#include "tools/tavrimonk/table_file.h"

// A placeholder with no table left for it stays as text. The columns share the page's text
// width (\paperw less \margl and \margr, A4 with 2 cm margins where the RTF says nothing) in
// proportion to their longest cell.
std::string RtfWithTables(const std::string &rtf, const std::vector<TextTable> &tables);
