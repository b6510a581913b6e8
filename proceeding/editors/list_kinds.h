// The kinds of list a list variable holds (variable type minus 4): their captions, columns,
// weight column and input labels, and the rows text they cross as: one row per line, cells
// separated by "|".
#pragma once

#include <vector>

#include "framework/core/cstring.h"

using ListRow = std::vector<CString>;

struct ListColumn {
    const char *heading;
    int width; // pixels
};

// Whether the list editor knows the kind.
bool IsListKind(int kind);
// The window caption of the kind; null keeps the dialog's own.
const char *ListKindCaption(int kind);
// The columns of the kind over a list `width` pixels wide; a divided proceeding's offer lists
// have a part-number column too. Empty for an unknown kind.
std::vector<ListColumn> ListKindColumns(int kind, bool divided, int width);
int ListKindColumnCount(int kind, bool divided);
// Widens each column narrower than its heading needs (`needed`, pixels, one per column) and takes
// the room from the widest column, as far as that one can spare it, so the columns still fill
// the list.
void WidenToHeadings(std::vector<ListColumn> &columns, const std::vector<int> &needed);
// The column whose values must total 100, -1 when the kind has none.
int ListWeightColumn(int kind);

// Rows of `columns` cells from the rows text. Empty lines are skipped, cells trimmed of blanks;
// a line with fewer cells fills the rightmost columns, cells beyond the last column are dropped.
std::vector<ListRow> ReadListRows(const CString &text, int columns);
// Each row's cells joined by "|", each row ended by "\n".
CString WriteListRows(const std::vector<ListRow> &rows);
// A typed text made fit for a cell: a "|" would split it and a line end would end the row.
CString ListCellText(const CString &typed);

// The sum of the weight column as the editor shows it ("%.2f"); "," is read as ".".
CString ListWeightTotal(const std::vector<ListRow> &rows, int weightColumn);
// A list with weights may be saved when it is empty or its weights total exactly 100.
bool ListWeightsComplete(const std::vector<ListRow> &rows, int weightColumn);

// The weight field takes digits and "." only.
bool IsWeightFieldText(const CString &text);

// The six-field input dialog of the kinds without weights: its labels (empty: the field is
// unused) and, per column of the row, the field that fills it.
struct OfferInputLayout {
    CString labels[6];
    int fieldOfColumn[6];
};
OfferInputLayout OfferInputFor(int kind, bool divided, bool modifying);
