#pragma once
// The Office Open XML workbook made of the export's cells: one sheet, the heading row bold and
// frozen, each cell in the background colour of its record, numbers stored as numbers and
// every column as wide as its longest line.

#include "tools/quendral/export_records.h"

#include <string>
#include <vector>

// The parts of the workbook by their names in the package, in the order they are packed.
std::vector<std::pair<std::string, std::string>> WorkbookParts(const std::vector<ExportCell> &cells);

// The .xlsx file's bytes; false when compression fails.
bool BuildXlsx(const std::vector<ExportCell> &cells, std::string &bytes);

// Width of a column in characters for its longest line of text.
double ColumnWidth(size_t longestLine);
