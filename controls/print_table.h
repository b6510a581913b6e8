#pragma once
// A ruled table of a printed page: the caller describes it in a CPrintTableDef, CPrintPage::PrintTable
// lays it out (headings, frame, rules, cell frames) and attaches the table printer, and
// CPrintPage::PrintTableCell then prints each cell's text into its place.

#include "framework/core/cstring.h"

class CPrintPage;
class CPrintTable;

struct CPrintColumnDef {
    double width = 0;
    CString heading; // empty prints as "Col <n>"
    int fill = 0;    // fill style of the column's cells
};

struct CPrintTableDef {
    enum { MAX_COLUMNS = 25 };

    CPrintTableDef() = default;
    ~CPrintTableDef();
    CPrintTableDef(const CPrintTableDef &) = delete;
    CPrintTableDef &operator=(const CPrintTableDef &) = delete;

    int rowLineInterval = 0; // 0: every row ruled and each cell framed; N: a rule every N rows
    int inInches = 0;        // positions and widths in inches, converted to units in place
    int equalWidths = 1;
    int headingFill = 0;
    int pointSize = 10;
    int lineWidth = 1;
    int columnCount = 2;
    int rowCount = 2;
    int outerFrame = 1;
    int verticalRules = 1;
    int horizontalRules = 1;
    int freeLayout = 0; // 1: no rules, no frames, cells printed without the row test
    int noHeadings = 0;
    int headingRows = 1;
    int linesPerRow = 1; // 1 also prints cells single-line and vertically centred
    double top = 0;
    double left = 0;
    double right = 0;
    double bottom = 0; // set by PrintTable
    CPrintColumnDef columns[MAX_COLUMNS];
    CPrintTable *printer = nullptr; // attached by PrintTable
};

class CPrintTable {
public:
    enum RowKind { BODY_ROW, HEADING_ROW };

    CPrintTable(CPrintPage *page, CPrintTableDef *table) : m_page(page), m_table(table) {}
    virtual ~CPrintTable() = default;

    virtual void Print();
    virtual void PrintCell(int row, int column, int pointSize, int attributes, const char *text);
    virtual void PrintCellFree(int row, int column, int pointSize, int attributes, const char *text);
    virtual void PrintHeadings();
    virtual void PrintOuterFrame();
    virtual void PrintRowRules();
    virtual void PrintColumnRules();
    virtual int GetRowHeight(RowKind kind);
    virtual void DrawCellFrame(int row, int column);

    CPrintPage *Page() const { return m_page; }

private:
    int ColumnCount() const;
    int ColumnLeft(int column) const;
    int HeadingBand();
    int BodyTop();
    RECT CellRect(int row, int column);
    void DrawRule(int y1, int x1, int y2, int x2);

    CPrintPage *m_page;
    CPrintTableDef *m_table;
};
