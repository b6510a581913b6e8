// A grid in a test window, shaped with sizes the tests can count on.
#pragma once

#include "controls/grid/grid_ctrl.h"
#include "test_window.h"

#include <gtest/gtest.h>

const int kGridId = 100;
const int kColumnWidth = 50;
const int kRowHeight = 20;

// Handles what is waiting, as the message loop would (posted closes of in-place editors).
inline void PumpMessages()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

inline LPARAM At(int x, int y)
{
    return MAKELPARAM(x, y);
}

// The texts of column col, rows first..last, joined by "|".
inline CString ColumnTexts(CGridCtrl &grid, int col, int first = 1)
{
    CString joined;
    for (int row = first; row < grid.GetRowCount(); ++row) {
        if (row > first)
            joined += "|";
        joined += grid.GetItemText(row, col);
    }
    return joined;
}

template <class Grid = CGridCtrl>
class GridInWindow {
public:
    // rows x cols with one heading row and column; cell (r, c) reads "r,c".
    GridInWindow(int rows, int cols, int width = 300, int height = 200)
    {
        EXPECT_TRUE(grid.Create(CRect(0, 0, width, height), &parent, kGridId, WS_CHILD | WS_VISIBLE));
        grid.SetRowCount(rows);
        grid.SetColumnCount(cols);
        grid.SetFixedRowCount(1);
        grid.SetFixedColumnCount(1);
        for (int row = 0; row < rows; ++row) {
            grid.SetRowHeight(row, kRowHeight);
            for (int col = 0; col < cols; ++col) {
                CString text;
                text.Format("%d,%d", row, col);
                grid.SetItemText(row, col, text);
            }
        }
        for (int col = 0; col < cols; ++col)
            grid.SetColumnWidth(col, kColumnWidth);
        grid.ResetScrollBars();
    }

    // The centre of a cell as it is shown now.
    CPoint CentreOf(int row, int col) const
    {
        CRect rect;
        EXPECT_TRUE(grid.GetCellRect(row, col, &rect));
        return rect.CenterPoint();
    }

    void Click(int row, int col, UINT keys = 0)
    {
        const CPoint point = CentreOf(row, col);
        grid.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON | keys, At(point.x, point.y));
        grid.SendMessage(WM_LBUTTONUP, keys, At(point.x, point.y));
    }

    TestParentWindow parent;
    Grid grid;
};
