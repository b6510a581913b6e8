// The value of the table variables of type 35: a ";" list with a ";" after every item: the
// column count n, "-1", "-1"; per column its heading, its width and a flag ("l" on column 0
// marks a numbered first column); then the cells row after row, n per row. The width is a
// weight when the table is loaded and the column's pixel width when it is saved.
#pragma once

#include <vector>

#include "framework/core/cstring.h"

class CCriteriaData;

struct EditorTableColumn {
    CString heading;
    int width = 0;
    CString flag;
};

using EditorTableRow = std::vector<CString>;

struct EditorTable {
    std::vector<EditorTableColumn> columns;
    std::vector<EditorTableRow> rows; // every row as wide as the columns
    bool numbered = false;
};

// False when the text holds no table: fewer than four items or no column. A column count
// beyond the items that follow it is cut to the columns described.
bool ParseEditorTable(const CString &value, EditorTable &table);

CString WriteEditorTable(const EditorTable &table);

// The columns' shares of the list's width in proportion to their weights; weights that are
// all 0 share it equally.
std::vector<int> ColumnPixelWidths(const std::vector<EditorTableColumn> &columns, int listWidth);

// The evaluation criteria of the rows (column 1 the name, column 2 the weight): a row named
// "cena" gives the price criterion's weight, every other row becomes a further criterion, as
// many as the record holds.
void GenerateCriteria(const std::vector<EditorTableRow> &rows, CCriteriaData &criteria);

// The price form's computed fields from its quantity, unit price and tax amount: the unit
// price shown with two decimals (empty stays empty), the net value, the tax and the gross
// value, all grouped.
struct PriceFormFields {
    CString unitPrice;
    CString netValue;
    CString tax;
    CString grossValue;
};
PriceFormFields ComputePriceForm(const CString &quantity, const CString &unitPrice, const CString &tax);
