#include "grid_fixture.h"

#include <functional>
#include <string>
#include <vector>

TEST(GridShape, FirstColumnOrRowBringsTheOtherAxisAlong)
{
    TestParentWindow parent;
    CGridCtrl grid;
    ASSERT_TRUE(grid.Create(CRect(0, 0, 300, 200), &parent, kGridId));
    EXPECT_EQ(0, grid.InsertColumn("Nazwa"));
    EXPECT_EQ(1, grid.GetRowCount());
    EXPECT_STREQ("Nazwa", grid.GetItemText(0, 0));
    EXPECT_GT(grid.GetColumnWidth(0), 2 * grid.GetCellMargin());

    CGridCtrl rows;
    ASSERT_TRUE(rows.Create(CRect(0, 0, 300, 200), &parent, kGridId + 1));
    EXPECT_EQ(0, rows.InsertRow("1."));
    EXPECT_EQ(1, rows.GetColumnCount());
    EXPECT_STREQ("1.", rows.GetItemText(0, 0));
    EXPECT_GT(rows.GetRowHeight(0), 0);
}

TEST(GridShape, InsertedRowsTakeTheHeadingRowsFormatAndColumnsAreInsertedOrAppended)
{
    TestParentWindow parent;
    CGridCtrl grid;
    ASSERT_TRUE(grid.Create(CRect(0, 0, 300, 200), &parent, kGridId));
    grid.InsertColumn("A", DT_LEFT);
    grid.InsertColumn("C", DT_RIGHT);
    EXPECT_EQ(1, grid.InsertColumn("B", DT_CENTER, 1, GVET_EDITBOX));
    EXPECT_STREQ("B", grid.GetItemText(0, 1));
    EXPECT_STREQ("C", grid.GetItemText(0, 2));
    EXPECT_EQ(GVET_EDITBOX, grid.GetColumnEditType(1));
    EXPECT_EQ(GVET_NONE, grid.GetColumnEditType(2));

    EXPECT_EQ(1, grid.InsertRow("x"));
    EXPECT_EQ((UINT)DT_RIGHT, grid.GetItemFormat(1, 2));
    EXPECT_EQ((UINT)DT_CENTER, grid.GetItemFormat(1, 1));
}

// Every index outside the grid is refused and nothing changes.
TEST(GridShape, IndicesOutsideTheGridAreRefused)
{
    GridInWindow<> g(4, 3);
    CGridCtrl &grid = g.grid;
    struct Case {
        const char *what;
        std::function<bool()> refused;
    };
    const std::vector<Case> cases = {
        {"InsertColumn at the count", [&] { return grid.InsertColumn("x", 0, 3) == -1; }},
        {"InsertColumn below -1", [&] { return grid.InsertColumn("x", 0, -2) == -1; }},
        {"InsertRow at the count", [&] { return grid.InsertRow("x", 4) == -1; }},
        {"InsertRow below -1", [&] { return grid.InsertRow("x", -5) == -1; }},
        {"DeleteColumn -1", [&] { return !grid.DeleteColumn(-1); }},
        {"DeleteColumn count", [&] { return !grid.DeleteColumn(3); }},
        {"DeleteRow count", [&] { return !grid.DeleteRow(4); }},
        {"SetItemText row count", [&] { return !grid.SetItemText(4, 0, "x"); }},
        {"SetItemText column -1", [&] { return !grid.SetItemText(0, -1, "x"); }},
        {"GetItemText outside", [&] { return grid.GetItemText(2, 3).IsEmpty(); }},
        {"GetItemImage outside", [&] { return grid.GetItemImage(-1, 0) == -1; }},
        {"GetItemFormat outside", [&] { return grid.GetItemFormat(9, 0) == 0; }},
        {"GetItemState outside", [&] { return grid.GetItemState(0, 9) == 0; }},
        {"SetItemState outside", [&] { return !grid.SetItemState(4, 0, GVIS_SELECTED); }},
        {"GetCell outside", [&] { return grid.GetCell(0, 3) == nullptr; }},
        {"SetRowHeight outside", [&] { return !grid.SetRowHeight(4, 10); }},
        {"SetRowHeight negative", [&] { return !grid.SetRowHeight(1, -1); }},
        {"SetColumnWidth negative", [&] { return !grid.SetColumnWidth(1, -3); }},
        {"GetRowHeight outside", [&] { return grid.GetRowHeight(-1) == -1; }},
        {"GetColumnWidth outside", [&] { return grid.GetColumnWidth(3) == -1; }},
        {"SetColumnEditType negative type", [&] { return !grid.SetColumnEditType(1, -1); }},
        {"SetColumnEditType outside", [&] { return !grid.SetColumnEditType(3, 1); }},
        {"SetRowCount negative", [&] { return !grid.SetRowCount(-1); }},
        {"SetFixedColumnCount negative", [&] { return !grid.SetFixedColumnCount(-1); }},
        {"SortTextItems column outside", [&] { return !grid.SortTextItems(3, TRUE); }},
        {"SortTextItems low negative", [&] { return !grid.SortTextItems(0, TRUE, -1, 2); }},
        {"SortTextItems high past the rows", [&] { return !grid.SortTextItems(0, TRUE, 1, 4); }},
        {"SortTextItems low not below high", [&] { return !grid.SortTextItems(0, TRUE, 2, 2); }},
        {"GetCellRect outside",
         [&] {
             CRect r;
             return !grid.GetCellRect(4, 0, &r);
         }},
        {"AutoSizeRow outside", [&] { return !grid.AutoSizeRow(4); }},
        {"AutoSizeColumn outside", [&] { return !grid.AutoSizeColumn(-1); }},
    };
    for (const Case &c : cases)
        EXPECT_TRUE(c.refused()) << c.what;
    EXPECT_EQ(4, grid.GetRowCount());
    EXPECT_EQ(3, grid.GetColumnCount());
    EXPECT_STREQ("3,2", grid.GetItemText(3, 2));

    // A focus asked for outside the grid is no focus at all.
    grid.SetFocusCell(9, 9);
    EXPECT_EQ(CGridCellPos(), grid.GetFocusCell());
}

TEST(GridShape, DeletingAColumnMovesTheFocusAndKeepsTheOtherColumnsSizes)
{
    GridInWindow<> g(3, 5);
    CGridCtrl &grid = g.grid;
    for (int col = 0; col < 5; ++col) {
        grid.SetColumnWidth(col, 40 + col);
        grid.SetColumnEditType(col, col);
    }
    grid.SetFocusCell(1, 3);
    ASSERT_TRUE(grid.DeleteColumn(1));
    EXPECT_EQ(CGridCellPos(1, 2), grid.GetFocusCell());
    EXPECT_TRUE(grid.GetItemState(1, 2) & GVIS_FOCUSED);
    const int widths[] = {40, 42, 43, 44};
    for (int col = 0; col < 4; ++col) {
        EXPECT_EQ(widths[col], grid.GetColumnWidth(col));
        EXPECT_EQ(widths[col] - 40, grid.GetColumnEditType(col));
    }
    ASSERT_TRUE(grid.DeleteColumn(2));
    EXPECT_EQ(CGridCellPos(), grid.GetFocusCell());

    // The fixed column count follows a deleted heading column.
    ASSERT_TRUE(grid.DeleteColumn(0));
    EXPECT_EQ(0, grid.GetFixedColumnCount());
}

TEST(GridShape, DeletingARowKeepsEachRemainingRowsHeight)
{
    GridInWindow<> g(5, 2);
    CGridCtrl &grid = g.grid;
    for (int row = 0; row < 5; ++row)
        grid.SetRowHeight(row, 20 + row);
    grid.SetFocusCell(3, 1);
    ASSERT_TRUE(grid.DeleteRow(1));
    EXPECT_EQ(CGridCellPos(2, 1), grid.GetFocusCell());
    const int heights[] = {20, 22, 23, 24};
    for (int row = 0; row < 4; ++row)
        EXPECT_EQ(heights[row], grid.GetRowHeight(row));
    EXPECT_STREQ("2,0", grid.GetItemText(1, 0));
}

// The selection names cells by position: when rows or columns move, it must name the cells
// that are selected, or a cut would empty the wrong ones.
TEST(GridShape, SelectionFollowsItsCellsWhenRowsAndColumnsMove)
{
    GridInWindow<> g(8, 5);
    CGridCtrl &grid = g.grid;
    grid.SetSelectedRange(5, 2, 6, 3);
    ASSERT_TRUE(grid.DeleteRow(2));
    EXPECT_EQ(CGridCellRange(4, 2, 5, 3), grid.GetSelectedCellRange());
    EXPECT_EQ(4, grid.GetSelectedCount());
    EXPECT_TRUE(grid.IsCellSelected(4, 2));
    EXPECT_FALSE(grid.IsCellSelected(6, 2));

    grid.InsertRow("nowy", 1);
    EXPECT_EQ(CGridCellRange(5, 2, 6, 3), grid.GetSelectedCellRange());
    grid.InsertColumn("nowa", 0, 1);
    EXPECT_EQ(CGridCellRange(5, 3, 6, 4), grid.GetSelectedCellRange());
    EXPECT_STREQ("5,2", grid.GetItemText(5, 3));

    grid.SetFocusCell(2, 2);
    grid.InsertRow("jeszcze", 1);
    EXPECT_EQ(CGridCellPos(3, 2), grid.GetFocusCell());
    EXPECT_TRUE(grid.GetItemState(3, 2) & GVIS_FOCUSED);
}

TEST(GridShape, CountsShrinkAndGrow)
{
    GridInWindow<> g(3, 3);
    CGridCtrl &grid = g.grid;
    grid.SetFocusCell(2, 2);
    grid.SetSelectedRange(1, 1, 2, 2);
    ASSERT_TRUE(grid.SetRowCount(0));
    EXPECT_EQ(0, grid.GetRowCount());
    EXPECT_EQ(0, grid.GetFixedRowCount());
    EXPECT_EQ(CGridCellPos(), grid.GetFocusCell());
    EXPECT_EQ(0, grid.GetSelectedCount());

    CGridCtrl one;
    ASSERT_TRUE(one.Create(CRect(0, 0, 100, 100), &g.parent, kGridId + 1));
    one.SetRowCount(1);
    one.SetColumnCount(2);
    ASSERT_TRUE(one.SetFixedRowCount(2));
    EXPECT_EQ(2, one.GetRowCount());
    EXPECT_EQ(2, one.GetFixedRowCount());
    EXPECT_EQ(one.GetDefaultRowHeight(), one.GetRowHeight(1));
    ASSERT_TRUE(one.SetColumnCount(4));
    EXPECT_EQ(GVET_NONE, one.GetColumnEditType(3));
    EXPECT_EQ(one.GetDefaultColumnWidth(), one.GetColumnWidth(3));
}

TEST(GridShape, ItemFieldsTravelByMaskAndStateAloneKeepsTheSelection)
{
    GridInWindow<> g(3, 3);
    CGridCtrl &grid = g.grid;
    CGridItem item;
    item.row = 1;
    item.col = 2;
    item.mask = GVIF_TEXT | GVIF_IMAGE | GVIF_PARAM | GVIF_FORMAT;
    item.strText = "Zażółć";
    item.iImage = 4;
    item.lParam = 77;
    item.nFormat = DT_RIGHT;
    ASSERT_TRUE(grid.SetItem(&item));

    CGridItem back;
    back.row = 1;
    back.col = 2;
    back.mask = GVIF_TEXT | GVIF_PARAM;
    ASSERT_TRUE(grid.GetItem(&back));
    EXPECT_STREQ("Zażółć", back.strText);
    EXPECT_EQ(77, back.lParam);
    EXPECT_EQ(-1, back.iImage); // not asked for
    EXPECT_EQ(4, grid.GetItemImage(1, 2));
    EXPECT_EQ((UINT)DT_RIGHT, grid.GetItemFormat(1, 2));

    // The selection changes only through SetItemState.
    item.mask = GVIF_STATE;
    item.state = GVIS_SELECTED;
    grid.SetItem(&item);
    EXPECT_EQ(0, grid.GetSelectedCount());
    grid.SetItemState(1, 2, GVIS_SELECTED);
    EXPECT_EQ(1, grid.GetSelectedCount());
    grid.SetItemState(1, 2, 0);
    EXPECT_EQ(0, grid.GetSelectedCount());
}

TEST(GridShape, TextRowHeightCountsLineBreaksAfterTheFirstCharacter)
{
    const struct {
        const char *text;
        int height;
    } cases[] = {
        {"", 20}, {"jeden", 20}, {"a\nb", 33}, {"\n", 20}, {"\nb", 20}, {"a\nb\nc", 46}, {"a\r\nb\r\nc", 46},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.height, CGridCtrl::GetTextRowHeight(c.text)) << c.text;
}

TEST(GridShape, AutoSizeFitsTheWidestTextAndASetFontChangesTheDefaults)
{
    GridInWindow<> g(3, 3);
    CGridCtrl &grid = g.grid;
    grid.SetItemText(2, 1, "bardzo długi tekst komórki");
    grid.AutoSize();
    EXPECT_GT(grid.GetColumnWidth(1), grid.GetColumnWidth(2));
    EXPECT_EQ(grid.GetRowHeight(1), grid.GetRowHeight(2));

    LOGFONTW big{};
    big.lfHeight = -40;
    wcscpy(big.lfFaceName, L"Liberation Sans");
    HFONT font = ::CreateFontIndirectW(&big);
    const int heightBefore = grid.GetDefaultRowHeight();
    grid.SendMessage(WM_SETFONT, (WPARAM)font, TRUE);
    EXPECT_GT(grid.GetDefaultRowHeight(), heightBefore + 20);
    LOGFONTW used{};
    ::GetObjectW((HFONT)grid.SendMessage(WM_GETFONT), sizeof used, &used);
    EXPECT_EQ(-40, used.lfHeight);
    EXPECT_NE((HFONT)grid.SendMessage(WM_GETFONT), font); // a copy: the caller keeps its own
    ::DeleteObject(font);
}

TEST(GridShape, OwnersColoursSurviveASystemColourChangeAndDefaultsFollowIt)
{
    GridInWindow<> g(2, 2);
    CGridCtrl &grid = g.grid;
    grid.SetBkColor(0xE0FFFF);
    const int element = COLOR_WINDOWTEXT;
    const COLORREF original = ::GetSysColor(element);
    const COLORREF changed = RGB(10, 20, 30);
    ASSERT_TRUE(::SetSysColors(1, &element, &changed));
    grid.SendMessage(WM_SYSCOLORCHANGE);
    EXPECT_EQ(changed, grid.GetTextColor());
    EXPECT_EQ(changed, grid.GetFixedTextColor());
    EXPECT_EQ((COLORREF)0xE0FFFF, grid.GetBkColor());
    ::SetSysColors(1, &element, &original);
    grid.SendMessage(WM_SYSCOLORCHANGE);
    EXPECT_EQ(original, grid.GetTextColor());
}
