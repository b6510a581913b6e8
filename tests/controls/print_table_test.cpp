// Ruled tables laid out on a memory picture of 100 x 150 dots per inch: a 10-point row is
// trunc(10 / 72 x 150 x 1.5) = 31 units high.

#include "controls/print_page.h"
#include "controls/print_table.h"
#include "print_test_dc.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const int ROW = 31;

struct TablePage {
    PrintTestDC dc{800, 1200, 100, 150};
    CPrintPage page{0, 0, 800, 1200, &dc, MM_TEXT};
};

// Three equal columns between 1.0 and 7.5 inches, from 2.0 inches down.
void DescribeThreeColumns(CPrintTableDef &table, int rows)
{
    table.inInches = 1;
    table.columnCount = 3;
    table.rowCount = rows;
    table.top = 2.0;
    table.left = 1.0;
    table.right = 7.5;
}

bool RowHasInkAcross(const PrintTestDC &dc, int y, int x1, int x2)
{
    for (int x = x1; x < x2; ++x)
        if (!dc.IsInk(x, y))
            return false;
    return true;
}

} // namespace

TEST(PrintTable, EqualColumnsTakeTheRemainderInTheLast)
{
    TablePage p;
    CPrintTableDef table;
    DescribeThreeColumns(table, 3);
    p.page.PrintTable(&table);
    ASSERT_NE(nullptr, table.printer);
    EXPECT_EQ(216, table.columns[0].width); // trunc(650 / 3)
    EXPECT_EQ(216, table.columns[1].width);
    EXPECT_EQ(218, table.columns[2].width);
    // Frame, heading band and rows: 300 + 31 + 3 x 31 = 424 units, back in inches.
    EXPECT_DOUBLE_EQ(424 / 150.0, table.bottom);
    const RECT ink = p.dc.InkBounds();
    EXPECT_EQ(100, ink.left);
    EXPECT_EQ(300, ink.top);
    EXPECT_EQ(751, ink.right);
    EXPECT_EQ(425, ink.bottom);
    for (int x : {316, 532})
        EXPECT_TRUE(p.dc.IsInk(x, 400)) << "column rule at " << x;
    for (int y : {300 + ROW, 300 + 2 * ROW, 300 + 3 * ROW})
        EXPECT_TRUE(RowHasInkAcross(p.dc, y, 100, 751)) << "row rule at " << y;
    EXPECT_FALSE(p.dc.IsInk(200, 300 + ROW + 15)); // inside a cell
}

TEST(PrintTable, ColumnsKeepTheirGivenWidths)
{
    TablePage p;
    CPrintTableDef table;
    table.inInches = 1;
    table.equalWidths = 0;
    table.rowCount = 4;
    table.top = 2.0;
    table.left = 2.0;
    table.right = 6.0;
    table.columns[0].width = 1.5;
    table.columns[0].heading = "Kryteria:";
    table.columns[1].width = 2.5;
    table.columns[1].heading = "Waga kryterium:";
    p.page.PrintTable(&table);
    EXPECT_EQ(150, table.columns[0].width);
    EXPECT_EQ(250, table.columns[1].width);
    EXPECT_TRUE(p.dc.IsInk(350, 300 + ROW + 40)); // the rule between the columns
    EXPECT_FALSE(p.dc.IsInk(400, 300 + ROW + 40));
    // Each heading centred in its own cell of the heading band.
    const RECT first = p.dc.InkBounds(RECT{202, 302, 348, 300 + ROW - 1});
    const RECT second = p.dc.InkBounds(RECT{352, 302, 598, 300 + ROW - 1});
    EXPECT_NEAR(275, (first.left + first.right) / 2, 3);
    EXPECT_NEAR(475, (second.left + second.right) / 2, 3);
}

TEST(PrintTable, RowLineIntervalRulesEveryNthRow)
{
    TablePage p;
    CPrintTableDef table;
    DescribeThreeColumns(table, 7);
    table.rowLineInterval = 3;
    p.page.PrintTable(&table);
    const int bodyTop = 300 + ROW; // ruled anyway: the bottom of the heading band's box
    for (int rows = 1; rows < 7; ++rows) {
        const bool ruled = rows == 2 || rows == 5;
        EXPECT_EQ(ruled, RowHasInkAcross(p.dc, bodyTop + rows * ROW, 101, 750))
            << "heading bottom + " << rows << " rows";
    }
}

TEST(PrintTable, EmptyHeadingPrintsItsColumnNumber)
{
    TablePage named;
    TablePage empty;
    CPrintTableDef namedTable;
    CPrintTableDef emptyTable;
    DescribeThreeColumns(namedTable, 1);
    DescribeThreeColumns(emptyTable, 1);
    namedTable.columns[0].heading = "Col 1";
    namedTable.columns[1].heading = "Col 2";
    namedTable.columns[2].heading = "Col 3";
    named.page.PrintTable(&namedTable);
    empty.page.PrintTable(&emptyTable);
    for (int x = 100; x < 751; ++x)
        for (int y = 300; y < 300 + ROW; ++y)
            ASSERT_EQ(named.dc.IsInk(x, y), empty.dc.IsInk(x, y)) << x << "," << y;
}

TEST(PrintTable, CellsPrintOnlyInsideALaidOutTable)
{
    TablePage p;
    CPrintTableDef table;
    DescribeThreeColumns(table, 3);
    p.page.PrintTableCell(&table, 0, 0, 10, 32, "%s", "przed tabelą");
    EXPECT_TRUE(p.dc.Blank());

    p.page.PrintTable(&table);
    p.page.PrintTableCell(&table, 1, 1, 10, 32, " %s", "cena");
    const RECT cell{316, 300 + 2 * ROW, 532, 300 + 3 * ROW};
    const RECT text = p.dc.InkBounds(RECT{cell.left + 2, cell.top + 2, cell.right - 2, cell.bottom - 2});
    EXPECT_FALSE(::IsRectEmpty(&text));
    EXPECT_LT(text.left, cell.left + 20); // left-aligned

    // A row past the body: nothing in a ruled table, below it in a free layout.
    p.page.PrintTableCell(&table, 3, 0, 10, 32, "%s", "poza");
    EXPECT_TRUE(p.dc.InkBounds(RECT{0, 426, 800, 1200}).right == 0);

    TablePage free;
    CPrintTableDef freeTable;
    DescribeThreeColumns(freeTable, 3);
    freeTable.freeLayout = 1;
    freeTable.noHeadings = 1;
    free.page.PrintTable(&freeTable);
    EXPECT_TRUE(free.dc.Blank()); // no rules and no frames
    free.page.PrintTableCell(&freeTable, 3, 0, 10, 32, "%s", "poza");
    const RECT below = free.dc.InkBounds(RECT{0, 300 + 3 * ROW, 800, 300 + 4 * ROW});
    EXPECT_FALSE(::IsRectEmpty(&below));
}

TEST(PrintTable, TablePastTheRightEdgeIsNotPrinted)
{
    TablePage p;
    p.page.SetRightEdge(500);
    CPrintTableDef table;
    DescribeThreeColumns(table, 3);
    p.page.PrintTable(&table);
    EXPECT_EQ(nullptr, table.printer);
    p.page.PrintTableCell(&table, 0, 0, 10, 32, "%s", "tekst");
    EXPECT_TRUE(p.dc.Blank());
}

TEST(PrintTable, LongCellTextIsCutAtTheCellBuffer)
{
    const std::string longText(3 * CPrintPage::CELL_BUFFER_SIZE, 'i');
    const std::string kept(CPrintPage::CELL_BUFFER_SIZE - 1, 'i');
    double ends[2];
    for (int i = 0; i < 2; ++i) {
        TablePage p;
        CPrintTableDef table;
        DescribeThreeColumns(table, 3);
        table.freeLayout = 1;
        p.page.PrintTable(&table);
        p.page.PrintTableCell(&table, 0, 0, 1, PRINT_SINGLE_LINE | PRINT_NO_CLIP, "%s",
                              i == 0 ? longText.c_str() : kept.c_str());
        ends[i] = p.page.GetTextEnd(false, false);
    }
    EXPECT_EQ(ends[1], ends[0]);
}
