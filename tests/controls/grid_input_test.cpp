#include "grid_fixture.h"

#include <vector>

TEST(GridKeyboard, ArrowsMoveTheFocusAndStopAtTheEdges)
{
    GridInWindow<> g(4, 4);
    CGridCtrl &grid = g.grid;
    const struct {
        CGridCellPos from;
        UINT key;
        CGridCellPos to;
    } cases[] = {
        {{1, 1}, VK_LEFT, {1, 1}},  // not into the heading column
        {{1, 1}, VK_UP, {1, 1}},    // not into the heading row
        {{3, 3}, VK_DOWN, {3, 3}},  // last row
        {{3, 3}, VK_RIGHT, {3, 3}}, // last column
        {{2, 2}, VK_DOWN, {3, 2}},  {{2, 2}, VK_RIGHT, {2, 3}}, {{2, 2}, VK_HOME, {1, 2}},
        {{1, 2}, VK_END, {3, 2}},   {{3, 2}, VK_PRIOR, {1, 2}}, {{1, 2}, VK_NEXT, {3, 2}},
    };
    for (const auto &c : cases) {
        grid.SetFocusCell(c.from);
        grid.SendMessage(WM_KEYDOWN, c.key, 1);
        EXPECT_EQ(c.to, grid.GetFocusCell()) << c.key << " from " << c.from.row << "," << c.from.col;
    }
    // Without a focus cell keys do nothing.
    grid.SetFocusCell(-1, -1);
    grid.SendMessage(WM_KEYDOWN, VK_DOWN, 1);
    EXPECT_EQ(CGridCellPos(), grid.GetFocusCell());
}

TEST(GridKeyboard, MovingPastTheShownRowsScrollsThemIntoView)
{
    GridInWindow<> g(40, 3, 300, 200);
    CGridCtrl &grid = g.grid;
    grid.SetFocusCell(1, 1);
    for (int i = 0; i < 20; ++i)
        grid.SendMessage(WM_KEYDOWN, VK_DOWN, 1);
    EXPECT_EQ(CGridCellPos(21, 1), grid.GetFocusCell());
    EXPECT_TRUE(grid.IsCellOnScreen(21, 1));
    EXPECT_GT(grid.GetScrollPos32(SB_VERT), 0);
    for (int i = 0; i < 20; ++i)
        grid.SendMessage(WM_KEYDOWN, VK_UP, 1);
    EXPECT_EQ(CGridCellPos(1, 1), grid.GetFocusCell());
    EXPECT_TRUE(grid.IsCellOnScreen(1, 1));
    EXPECT_EQ(0, grid.GetScrollPos32(SB_VERT));
}

TEST(GridMouse, PlainShiftAndCtrlClicksReplaceExtendAndAdd)
{
    GridInWindow<> g(6, 5);
    CGridCtrl &grid = g.grid;
    g.Click(1, 1);
    EXPECT_EQ(CGridCellPos(1, 1), grid.GetFocusCell());
    EXPECT_EQ(CGridCellRange(1, 1, 1, 1), grid.GetSelectedCellRange());

    g.Click(3, 2, MK_SHIFT);
    EXPECT_EQ(CGridCellRange(1, 1, 3, 2), grid.GetSelectedCellRange());
    EXPECT_EQ(6, grid.GetSelectedCount());

    g.Click(5, 4, MK_CONTROL);
    EXPECT_EQ(7, grid.GetSelectedCount());
    EXPECT_TRUE(grid.IsCellSelected(2, 2));
    EXPECT_TRUE(grid.IsCellSelected(5, 4));
    EXPECT_FALSE(grid.IsCellSelected(4, 4));

    g.Click(2, 3);
    EXPECT_EQ(1, grid.GetSelectedCount());
    EXPECT_TRUE(grid.IsCellSelected(2, 3));
}

TEST(GridMouse, DraggingOverCellsSelectsTheRectangleAndMovesTheFocus)
{
    GridInWindow<> g(6, 5);
    CGridCtrl &grid = g.grid;
    const CPoint from = g.CentreOf(1, 1);
    const CPoint to = g.CentreOf(3, 3);
    grid.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(from.x, from.y));
    EXPECT_EQ(CGridCtrl::MOUSE_SELECT_CELLS, grid.GetMouseMode());
    grid.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(to.x, to.y));
    grid.SendMessage(WM_LBUTTONUP, 0, At(to.x, to.y));
    EXPECT_EQ(CGridCellRange(1, 1, 3, 3), grid.GetSelectedCellRange());
    EXPECT_EQ(CGridCellPos(3, 3), grid.GetFocusCell());
    EXPECT_EQ(CGridCtrl::MOUSE_NOTHING, grid.GetMouseMode());

    // The parent hears of the click.
    MSG msg;
    ASSERT_TRUE(::PeekMessageW(&msg, g.parent.m_hWnd, WM_COMMAND, WM_COMMAND, PM_REMOVE));
    EXPECT_EQ(kGridId, LOWORD(msg.wParam));
    EXPECT_EQ((LPARAM)grid.m_hWnd, msg.lParam);
}

TEST(GridMouse, AClickOnAHeadingSelectsNothingButMovesTheFocusIntoTheBody)
{
    GridInWindow<> g(6, 5);
    CGridCtrl &grid = g.grid;
    g.Click(0, 3);
    EXPECT_EQ(CGridCellPos(1, 3), grid.GetFocusCell());
    EXPECT_EQ(0, grid.GetSelectedCount());
    g.Click(4, 0);
    EXPECT_EQ(CGridCellPos(4, 1), grid.GetFocusCell());
    EXPECT_EQ(0, grid.GetSelectedCount());
}

namespace {

// Hovers the divider at x in the heading row, presses, moves to release and lets go.
void DragColumnDivider(CGridCtrl &grid, int x, int release)
{
    grid.SendMessage(WM_MOUSEMOVE, 0, At(x, 10));
    ASSERT_EQ(CGridCtrl::MOUSE_OVER_COL_DIVIDE, grid.GetMouseMode());
    grid.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(x, 10));
    EXPECT_EQ(CGridCtrl::MOUSE_SIZING_COL, grid.GetMouseMode());
    grid.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(release, 10));
    grid.SendMessage(WM_LBUTTONUP, 0, At(release, 10));
    EXPECT_EQ(CGridCtrl::MOUSE_NOTHING, grid.GetMouseMode());
}

} // namespace

// Columns 0..3 at 0, 50, 100, 150; column 1's right divider is at x 99/100.
TEST(GridMouse, DraggingAHeadingDividerSizesTheColumnLeftOfIt)
{
    const struct {
        int press;
        int release;
        int column;
        int width;
    } cases[] = {
        {99, 130, 1, 80}, // just left of the divider: column 1
        {101, 70, 1, 20}, // just right of it: still column 1, the one before
        {99, 99, 1, 50},  // released where pressed: unchanged
        {99, 40, 1, 50},  // released left of the column's left edge: refused
    };
    for (const auto &c : cases) {
        GridInWindow<> g(4, 4);
        DragColumnDivider(g.grid, c.press, c.release);
        EXPECT_EQ(c.width, g.grid.GetColumnWidth(c.column)) << c.press << "->" << c.release;
        EXPECT_EQ(kColumnWidth, g.grid.GetColumnWidth(c.column + 1));
    }
}

TEST(GridMouse, DraggingARowDividerAndDoubleClickingAColumnDivider)
{
    GridInWindow<> g(4, 4);
    CGridCtrl &grid = g.grid;
    // Row 1 spans y 20..39.
    grid.SendMessage(WM_MOUSEMOVE, 0, At(10, 39));
    ASSERT_EQ(CGridCtrl::MOUSE_OVER_ROW_DIVIDE, grid.GetMouseMode());
    grid.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(10, 39));
    grid.SendMessage(WM_LBUTTONUP, 0, At(10, 60));
    EXPECT_EQ(40, grid.GetRowHeight(1));
    EXPECT_EQ(kRowHeight, grid.GetRowHeight(2));

    grid.SetItemText(2, 1, "tekst znacznie dłuższy niż kolumna");
    grid.SendMessage(WM_MOUSEMOVE, 0, At(99, 10));
    grid.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, At(99, 10));
    EXPECT_GT(grid.GetColumnWidth(1), 120);
    EXPECT_EQ(kColumnWidth, grid.GetColumnWidth(2));

    // Resizing switched off: the divider is no divider.
    grid.SetColumnResize(FALSE);
    grid.SendMessage(WM_MOUSEMOVE, 0, At(grid.GetColumnWidth(0) + grid.GetColumnWidth(1) - 1, 10));
    EXPECT_EQ(CGridCtrl::MOUSE_NOTHING, grid.GetMouseMode());
}

TEST(GridSort, HeadingClicksInListModeSortAscendingThenDescending)
{
    GridInWindow<> g(6, 3);
    CGridCtrl &grid = g.grid;
    grid.SetListMode(TRUE);
    const char *names[] = {"gruszka", "Ananas", "banan", "agrest", "banan"};
    for (int row = 1; row <= 5; ++row) {
        grid.SetItemText(row, 1, names[row - 1]);
        grid.SetRowHeight(row, 20 + row); // height 20 + original row
        grid.SetItemText(row, 2, CString(names[row - 1]) + "!");
    }
    grid.SetFocusCell(2, 2);
    grid.SetSelectedRange(1, 1, 2, 2);

    g.Click(0, 1);
    EXPECT_STREQ("Ananas|agrest|banan|banan|gruszka", ColumnTexts(grid, 1));
    EXPECT_STREQ("Ananas!|agrest!|banan!|banan!|gruszka!", ColumnTexts(grid, 2)); // whole rows move
    EXPECT_EQ(22, grid.GetRowHeight(1));                                          // "Ananas" was row 2
    EXPECT_EQ(24, grid.GetRowHeight(2));
    EXPECT_EQ(CGridCellPos(), grid.GetFocusCell());
    EXPECT_EQ(0, grid.GetSelectedCount());
    EXPECT_EQ(1, grid.GetSortColumn());
    EXPECT_TRUE(grid.GetSortAscending());

    g.Click(0, 1);
    EXPECT_STREQ("gruszka|banan|banan|agrest|Ananas", ColumnTexts(grid, 1));
    EXPECT_FALSE(grid.GetSortAscending());

    g.Click(0, 2);
    EXPECT_EQ(2, grid.GetSortColumn());
    EXPECT_TRUE(grid.GetSortAscending());
    EXPECT_STREQ("Ananas!|agrest!|banan!|banan!|gruszka!", ColumnTexts(grid, 2));
    // The heading row never moves.
    EXPECT_STREQ("0,1", grid.GetItemText(0, 1));
}

TEST(GridSort, OutsideListModeAHeadingClickDoesNotSort)
{
    GridInWindow<> g(4, 3);
    CGridCtrl &grid = g.grid;
    grid.SetItemText(1, 1, "c");
    grid.SetItemText(2, 1, "a");
    grid.SetItemText(3, 1, "b");
    g.Click(0, 1);
    EXPECT_STREQ("c|a|b", ColumnTexts(grid, 1));
    EXPECT_EQ(-1, grid.GetSortColumn());
}
