// The value of the grid-edited table variables (types 30, 31 and 36): lines separated by "\n",
// cells by "|"; line 0 holds the column headings, every later cell is written as its heading,
// "=" and its text. Inside a cell "|" is written "{}" and a line break as backslash and n; an
// empty cell is written as one blank.
#pragma once

#include <vector>

#include "framework/core/cstring.h"

using GridTableRow = std::vector<CString>;

struct GridTable {
    std::vector<GridTableRow> rows; // row 0 the headings; every row as wide as the widest line
    std::vector<int> widths;        // per column, ColumnWidthForText of its last cell as stored
};

// The table of the value: empty lines and empty cells dropped, cells trimmed of blanks, their
// heading prefix removed and the escapes turned back into "|" and line feeds. A line longer
// than the heading line widens the table with columns headed "", so no cell is lost.
GridTable ParseGridTable(const CString &value);

// The value of the rows (row 0 the headings), every line ended by "\n".
CString WriteGridTable(const std::vector<GridTableRow> &rows);

// Pixels for a column showing the text: 8 per character of its longest line plus 5, at least
// one character, at most 100.
int ColumnWidthForText(const CString &text);

// The five texts of a contractor (name, address, telephones, e-mail, contact person) as one
// cell: the non-empty ones joined with ", ", "," and blanks trimmed from both ends.
CString ContractorCellText(const CString (&texts)[5]);

// The rows as the spreadsheet exporter's "export.dat": one record per cell, the heading row on
// a light yellow background. False when the file cannot be created.
bool WriteGridExportFile(const CString &path, const std::vector<GridTableRow> &rows);
