// Fixed-pitch text tables of table variables, and the indented list of label=value records.
#pragma once

#include <windows.h>

#include "framework/core/cstring.h"

// 75 hyphens: the rule line of every text table (the text export finds tables by it).
extern const char *const SeparatorLine;
// The rule line followed by a line feed.
extern const char *const SeparatorLineNl;

// The table text (rows separated by line feeds, cells by "|"; the first empty line ends it)
// laid out by kind (variable type minus 4; 14, 17 and 29 stand for 8, 9 and 10). parts is the
// proceeding's number of parts, -1 undivided. For kind 7, badRows (when given) receives the
// number of rows whose cell count differs from the first row's; they are still laid out.
CString BuildDocumentTable(const CString &text, int kind, int parts, int *badRows = nullptr);

// Tells the user of each such row: "Błąd konwersji tabeli 'Lista wybranych ofert'".
void ReportBadSelectedOfferRows(HWND owner, int badRows);

// The record list of table types 30, 31 and 36: the heading, a rule, then per line after the
// first its label=value cells, labels padded to 30 columns.
CString BuildRecordList(const CString &heading, const CString &body);

// Offer rows of kinds 1 and 2 with the missing number (and, divided, part) cells added.
CString NormaliseOfferRows(const CString &text, int kind, int parts);

CString PadRight(const CString &text, int width);
CString PadLastLine(const CString &text, int width);
CString FormatPairCell(const CString &cell, int labelWidth, int valueWidth);
