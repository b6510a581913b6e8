// The offers summary of a document variable: offers against criteria, kept as text. One line
// per offer, cells separated by " | ": the offer number, one "name=points" cell per criterion,
// then "Suma=total". The first line names the criteria. No window here: the dialog shows it.
#pragma once

#include <vector>

#include "framework/core/cstring.h"

using OffersSummaryRow = std::vector<CString>; // offer number, one cell per criterion, sum

struct OffersSummaryTable {
    std::vector<CString> criteria;      // names, in column order
    std::vector<OffersSummaryRow> rows; // criteria.size() + 2 cells each
};

struct OffersSummaryReading {
    OffersSummaryTable table;
    // A criterion cell of the first line without "=": its whole text was taken as the name.
    bool damagedHeader = false;
};

// Lines up to the first empty one; a cell shows what follows its first "=" (filler blanks stay).
OffersSummaryReading ReadOffersSummary(const CString &text);
// Cells padded to their column's widest, every line ended by "\n"; no rows give "".
CString WriteOffersSummary(const OffersSummaryTable &table);

// "%.02f" of the criterion cells of the row; what is no number counts as 0.
CString OffersSummarySum(const OffersSummaryRow &row);
// The row of an offer with its criterion values and their sum.
OffersSummaryRow MakeOffersSummaryRow(const CString &offerNumber, const std::vector<CString> &values);

// The criteria become names: a criterion keeps its points when its name is still there, a
// renamed one when it keeps its place; new criteria get "0" everywhere. Empty
// criterion cells become "0" and every sum is counted again.
void SetOffersSummaryCriteria(OffersSummaryTable &table, const std::vector<CString> &names);

// A typed name or offer number made fit for a cell: "|" and "=" would split it, a line end
// would end the offer.
CString OffersSummaryCellText(const CString &typed);
