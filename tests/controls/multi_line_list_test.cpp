#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "controls/multi_line_list.h"
#include "tests/controls/test_window.h"

namespace {

const int kListId = 1151;

// A list on a hidden window, as a dialog holds it: created from its window class, then attached.
class MultilineListTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        HWND window = ::CreateWindowExW(0, L"CMultilineList", L"", WS_CHILD | WS_VISIBLE, 10, 10, 300, 200,
                                        parent.m_hWnd, (HMENU)(INT_PTR)kListId, ::GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(list.SubclassWindow(window));
        lineHeight = LineHeight();
    }

    // One line of the list's font: the parent has none, so the GUI font.
    static int LineHeight()
    {
        HDC dc = ::CreateCompatibleDC(nullptr);
        HGDIOBJ old = ::SelectObject(dc, ::GetStockObject(DEFAULT_GUI_FONT));
        RECT rect{0, 0, 200, 0};
        ::DrawTextW(dc, L"X", 1, &rect, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
        ::SelectObject(dc, old);
        ::DeleteDC(dc);
        return rect.bottom - rect.top;
    }

    void Click(int x, int y) { list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y)); }

    // Resizes the list so that its rows area is `rows` plain rows and a half high.
    void MakeViewRowsAndAHalf(int rows)
    {
        const int row = lineHeight + 5;
        CRect window;
        list.GetWindowRect(&window);
        CRect client;
        list.GetClientRect(&client);
        const int frame = window.Height() - client.Height();
        const int header = client.Height() - list.GetListRect().Height();
        list.SetWindowPos(nullptr, 0, 0, window.Width(), frame + header + rows * row + row / 2,
                          SWP_NOMOVE | SWP_NOZORDER);
    }

    void Notify(UINT code, int column, int width)
    {
        HDITEMW item{};
        item.mask = HDI_WIDTH;
        item.cxy = width;
        NMHEADERW header{};
        header.hdr.hwndFrom = ::GetDlgItem(list.m_hWnd, CMultilineList::kHeaderId);
        header.hdr.idFrom = CMultilineList::kHeaderId;
        header.hdr.code = code;
        header.iItem = column;
        header.pitem = &item;
        list.SendMessage(WM_NOTIFY, CMultilineList::kHeaderId, (LPARAM)&header);
    }

    TestParentWindow parent;
    CMultilineList list;
    int lineHeight = 0;
};

TEST_F(MultilineListTest, RowsAreAsTallAsTheirMostWrappedCellAndADraggedDividerRemeasuresWhenTheDragEnds)
{
    list.SetSize(2, 2);
    list.SetColumnWidth(0, 400);
    list.SetCellText(1, 0, "jeden\r\ndwa\r\ntrzy");
    list.SetCellText(0, 1, "słowo słowo słowo");
    EXPECT_EQ(list.GetRowHeight(0), 3 * lineHeight + 5);
    EXPECT_EQ(list.GetRowHeight(1), lineHeight + 5);

    // While dragging only the width follows; the rows are measured once the drag ends.
    Notify(HDN_TRACKW, 0, 45);
    EXPECT_EQ(list.GetColumnWidth(0), 45);
    EXPECT_EQ(list.GetRowHeight(1), lineHeight + 5);
    Notify(HDN_ENDTRACKW, 0, 45);
    EXPECT_EQ(list.GetRowHeight(1), 3 * lineHeight + 5);

    // Changing a cell remeasures its row.
    list.SetCellText(0, 1, "krótko");
    EXPECT_EQ(list.GetRowHeight(1), lineHeight + 5);
}

TEST_F(MultilineListTest, CellsOutsideAShrunkListAreForgottenAndUnsetCellsReadABlank)
{
    list.SetSize(3, 4);
    list.SetCellText(2, 1, "poza kolumnami");
    list.SetCellText(0, 3, "poza wierszami");
    list.SetCellText(0, 0, "zostaje");
    list.SetColumnHeading(2, "Trzecia");
    Click(5, list.GetListRect().top + 3 * (lineHeight + 5) + 2);
    ASSERT_EQ(list.GetSelectedRow(), 3);

    list.SetSize(2, 3);
    list.SetSize(3, 4);
    EXPECT_EQ(list.GetCellText(0, 0), "zostaje");
    EXPECT_EQ(list.GetCellText(2, 1), " ");
    EXPECT_EQ(list.GetCellText(0, 3), " ");
    EXPECT_EQ(list.GetCellText(1, 2), " ");
    // The selected row went with the shrink and does not come back.
    EXPECT_EQ(list.GetSelectedRow(), -1);

    wchar_t heading[32] = L"";
    HDITEMW item{};
    item.mask = HDI_TEXT;
    item.pszText = heading;
    item.cchTextMax = 32;
    ::SendMessageW(::GetDlgItem(list.m_hWnd, CMultilineList::kHeaderId), HDM_GETITEMW, 2, (LPARAM)&item);
    EXPECT_STREQ(heading, L" ");
    EXPECT_EQ(list.GetColumnWidth(2), 100);
}

TEST_F(MultilineListTest, AClickSelectsTheRowUnderItAndBelowTheLastRowClearsTheSelectionAndStillNotifies)
{
    list.SetSize(1, 2);
    const int row = lineHeight + 5;
    const int top = list.GetListRect().top;
    Click(5, top + row + 2);
    EXPECT_EQ(list.GetSelectedRow(), 1);
    Click(5, top + 2 * row + 5);
    EXPECT_EQ(list.GetSelectedRow(), -1);

    int notifications = 0;
    MSG message;
    while (::PeekMessageW(&message, parent.m_hWnd, WM_COMMAND, WM_COMMAND, PM_REMOVE)) {
        EXPECT_EQ(message.wParam, (WPARAM)MAKEWPARAM(kListId, 1));
        EXPECT_EQ((HWND)message.lParam, list.m_hWnd);
        ++notifications;
    }
    EXPECT_EQ(notifications, 2);
}

TEST_F(MultilineListTest, AClickedRowPartlyHiddenAtTheBottomIsScrolledFullyIntoView)
{
    MakeViewRowsAndAHalf(5);
    list.SetSize(1, 20);
    const int row = lineHeight + 5;
    const CRect view = list.GetListRect();
    ASSERT_EQ(view.Height(), 5 * row + row / 2);

    Click(5, view.top + 5 * row + 1);
    EXPECT_EQ(list.GetSelectedRow(), 5);
    EXPECT_EQ(list.GetVerticalPosition(), 6 * row - view.Height());
    // A row already in view does not move the list.
    Click(5, view.top + row + 1);
    EXPECT_EQ(list.GetSelectedRow(), 1);
    EXPECT_EQ(list.GetVerticalPosition(), 6 * row - view.Height());
}

TEST_F(MultilineListTest, ScrollingStopsWhereTheLastRowEndsAtTheBottomAndAtTheTop)
{
    MakeViewRowsAndAHalf(5);
    list.SetSize(1, 8);
    const int row = lineHeight + 5;
    const int lastStart = 8 * row - list.GetListRect().Height();

    list.SendMessage(WM_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(list.GetVerticalPosition(), row);
    for (int i = 0; i < 10; ++i)
        list.SendMessage(WM_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(list.GetVerticalPosition(), lastStart);
    list.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA));
    EXPECT_EQ(list.GetVerticalPosition(), lastStart - row);
    for (int i = 0; i < 10; ++i)
        list.SendMessage(WM_VSCROLL, SB_LINEUP);
    EXPECT_EQ(list.GetVerticalPosition(), 0);

    list.SendMessage(WM_VSCROLL, SB_PAGEDOWN);
    list.SendMessage(WM_VSCROLL, SB_PAGEDOWN);
    EXPECT_EQ(list.GetVerticalPosition(), lastStart);
    list.SendMessage(WM_VSCROLL, SB_PAGEUP);
    EXPECT_EQ(list.GetVerticalPosition(), 0);

    // Once every row fits again, the bar goes and the list is back at its top.
    list.SendMessage(WM_VSCROLL, SB_PAGEDOWN);
    list.SetSize(1, 2);
    EXPECT_EQ(list.GetVerticalPosition(), 0);
    EXPECT_FALSE(::GetWindowLongW(::GetDlgItem(list.m_hWnd, CMultilineList::kVerticalBarId), GWL_STYLE) & WS_VISIBLE);
}

TEST_F(MultilineListTest, ColumnsWiderThanTheViewScrollRightNoFurtherThanTheirEnd)
{
    list.SetSize(3, 1);
    for (int column = 0; column < 3; ++column)
        list.SetColumnWidth(column, 200);
    HWND bar = ::GetDlgItem(list.m_hWnd, CMultilineList::kHorizontalBarId);
    EXPECT_TRUE(::GetWindowLongW(bar, GWL_STYLE) & WS_VISIBLE);
    const int lastStart = 600 - list.GetListRect().Width();

    list.SendMessage(WM_HSCROLL, SB_LINERIGHT);
    EXPECT_EQ(list.GetHorizontalPosition(), 25);
    for (int i = 0; i < 40; ++i)
        list.SendMessage(WM_HSCROLL, SB_LINERIGHT);
    EXPECT_EQ(list.GetHorizontalPosition(), lastStart);
    list.SendMessage(WM_HSCROLL, SB_PAGELEFT);
    list.SendMessage(WM_HSCROLL, SB_PAGELEFT);
    EXPECT_EQ(list.GetHorizontalPosition(), 0);
}

TEST_F(MultilineListTest, TheSelectedRowIsPaintedInTheSelectionColours)
{
    list.SetSize(2, 3);
    list.SetCellText(0, 1, "wybrany");
    const int row = lineHeight + 5;
    const int top = list.GetListRect().top;
    Click(5, top + row + 2);
    parent.ShowWindow(SW_SHOW);
    list.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);

    HDC dc = ::GetDC(list.m_hWnd);
    const COLORREF selected = ::GetPixel(dc, 150, top + row + row / 2);
    const COLORREF plain = ::GetPixel(dc, 150, top + 2 * row + row / 2);
    ::ReleaseDC(list.m_hWnd, dc);
    parent.ShowWindow(SW_HIDE);
    EXPECT_EQ(selected, ::GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(plain, ::GetSysColor(COLOR_WINDOW));
}

} // namespace
