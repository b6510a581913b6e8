// Text tables of a document on their way out: found in the control's text by their rule lines,
// parsed into cells, written to the converter's table file "$table.dat" and replaced in the
// text by a "<<table>>" paragraph.
#pragma once

#include "document/engine/string_table_2d.h"
#include "framework/core/cstring.h"

#include <cstdint>

class RichEditText;

constexpr int32_t kTableFileMark = 43;
// What stands in the exported text where a table was.
extern const char *const TablePlaceholderText;

// The first text table at or after from: start is where its start marker ("\r\r" and the rule
// line) begins, end just after its end marker (the rule line and "\r\r"). The end marker is
// searched only after the whole start marker, so a table is never matched backwards.
bool FindTextTable(const CString &text, int from, int &start, int &end);

// The rows of one found table (rule-separated, cells between "|", wrapped cell lines joined by
// blanks, each cell ending in a blank; the first row sets the columns, at most 99). False when
// the text holds no table; blank rows are left out.
bool ParseTextTable(const CString &block, StringTable2D &table);

// Writes path as the mark 43 and one table per text table of the control's text, in order,
// and replaces each written table by the placeholder. Every found block is passed over once,
// so the scan ends however the text looks. False when path could not be created (the text
// is then untouched).
bool WriteTextWithTables(const RichEditText &control, const CString &path);

// The font height (twips) at which the widest line of a text table, in a fixed-pitch face,
// fits the width available to it: the table's own height where it fits at that, otherwise the
// next half point down. A row that wrapped would no longer line up with the others.
int FittingTableHeight(const CString &table, int availableTwips, int heightTwips);

// The converter's command line: the program in mainPath, the format (0 DOC, 1 HTML), then the
// work RTF, the target and the table file; every path in double quotes, so folders with
// blanks reach the converter whole.
CString ConverterCommandLine(const CString &mainPath, int format, const CString &exportPath, const CString &target);
