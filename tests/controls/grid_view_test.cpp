#include "grid_fixture.h"

#include <algorithm>
#include <vector>

namespace {

// Counts the messages of a kind posted to the window, taking them off the queue.
std::vector<WPARAM> TakePosted(HWND window, UINT message)
{
    std::vector<WPARAM> posted;
    MSG msg;
    while (::PeekMessageW(&msg, window, message, message, PM_REMOVE))
        posted.push_back(msg.wParam);
    return posted;
}

} // namespace

// Cells are 50 x 20; heading row 0 and heading column 0.
TEST(GridGeometry, PointsAtCellBordersHitTheCellWhoseSpanHoldsThem)
{
    GridInWindow<> g(4, 3);
    CGridCtrl &grid = g.grid;
    const struct {
        int x, y;
        BOOL allowFixed;
        CGridCellPos cell;
    } cases[] = {
        {0, 0, TRUE, {0, 0}},     {49, 19, TRUE, {0, 0}},   {50, 20, TRUE, {1, 1}},  {99, 39, TRUE, {1, 1}},
        {100, 40, TRUE, {2, 2}},  {149, 79, TRUE, {3, 2}},  {250, 30, TRUE, {1, 2}}, // right of the last column: the
                                                                                     // last column
        {60, 80, TRUE, {-1, 1}},                                                     // below the last row: no row
        {-1, 30, TRUE, {1, -1}},  {30, 30, FALSE, {1, -1}},                          // heading column refused
        {60, 10, FALSE, {-1, 1}},                                                    // heading row refused
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.cell, grid.GetCellFromPt(CPoint(c.x, c.y), c.allowFixed)) << c.x << "," << c.y;

    CRect rect;
    ASSERT_TRUE(grid.GetCellRect(2, 1, &rect));
    EXPECT_EQ(CRect(50, 40, 99, 59), rect);
}

TEST(GridGeometry, ScrollingMovesBodyCellsButNotHeadings)
{
    GridInWindow<> g(30, 12, 300, 200);
    CGridCtrl &grid = g.grid;
    ASSERT_GT(grid.GetScrollMax(SB_VERT), 0);
    grid.SendMessage(WM_VSCROLL, SB_LINEDOWN);
    grid.SendMessage(WM_VSCROLL, SB_LINEDOWN);
    grid.SendMessage(WM_HSCROLL, SB_LINERIGHT);
    EXPECT_EQ(40, grid.GetScrollPos32(SB_VERT));
    EXPECT_EQ(50, grid.GetScrollPos32(SB_HORZ));
    EXPECT_EQ(CGridCellPos(3, 2), grid.GetFirstVisibleCell());

    CPoint origin;
    EXPECT_FALSE(grid.GetCellOrigin(2, 2, &origin)); // scrolled out above
    EXPECT_FALSE(grid.GetCellOrigin(3, 1, &origin)); // scrolled out left
    ASSERT_TRUE(grid.GetCellOrigin(3, 2, &origin));
    EXPECT_EQ(CPoint(50, 20), origin);
    ASSERT_TRUE(grid.GetCellOrigin(0, 3, &origin)); // heading row stays at the top
    EXPECT_EQ(CPoint(100, 0), origin);
    ASSERT_TRUE(grid.GetCellOrigin(5, 0, &origin)); // heading column stays at the left
    EXPECT_EQ(CPoint(0, 60), origin);
    EXPECT_EQ(CGridCellPos(4, 3), grid.GetCellFromPt(CPoint(110, 45)));
    EXPECT_EQ(CGridCellPos(0, 0), grid.GetCellFromPt(CPoint(10, 10)));
    EXPECT_FALSE(grid.IsCellOnScreen(2, 2));
    EXPECT_TRUE(grid.IsCellOnScreen(3, 2));

    grid.SendMessage(WM_VSCROLL, SB_TOP);
    EXPECT_EQ(0, grid.GetScrollPos32(SB_VERT));
    EXPECT_EQ(CGridCellPos(1, 2), grid.GetFirstVisibleCell());
}

TEST(GridGeometry, ScrollRangeCoversOnlyWhatDoesNotFit)
{
    GridInWindow<> fits(3, 3, 300, 200);
    EXPECT_EQ(0, fits.grid.GetScrollMax(SB_HORZ));
    EXPECT_EQ(0, fits.grid.GetScrollMax(SB_VERT));
    EXPECT_FALSE(fits.grid.GetStyle() & WS_HSCROLL); // a zero range hides the bar

    GridInWindow<> tall(30, 3, 300, 200);
    // 29 body rows of 20 pixels do not fit: the range ends at the last body pixel.
    EXPECT_EQ(29 * kRowHeight - 1, tall.grid.GetScrollMax(SB_VERT));
    EXPECT_EQ(0, tall.grid.GetScrollMax(SB_HORZ));
}

TEST(GridGeometry, LineScrollsStopAtTheEnds)
{
    GridInWindow<> g(4, 12, 300, 120);
    CGridCtrl &grid = g.grid;
    ASSERT_GT(grid.GetScrollMax(SB_HORZ), 0);
    grid.SendMessage(WM_HSCROLL, SB_LINELEFT);
    EXPECT_EQ(0, grid.GetScrollPos32(SB_HORZ));
    // A position inside a column shows the next one first: a line back goes by the column before.
    grid.SetScrollPos32(SB_HORZ, 60);
    EXPECT_EQ(3, grid.GetFirstVisibleCell().col);
    grid.SendMessage(WM_HSCROLL, SB_LINELEFT);
    EXPECT_EQ(10, grid.GetScrollPos32(SB_HORZ));

    grid.SendMessage(WM_HSCROLL, SB_RIGHT);
    const int end = grid.GetScrollPos32(SB_HORZ);
    EXPECT_GT(end, 0);
    grid.SendMessage(WM_HSCROLL, SB_LINERIGHT);
    EXPECT_EQ(end, grid.GetScrollPos32(SB_HORZ));
    grid.SendMessage(WM_HSCROLL, SB_PAGELEFT);
    EXPECT_LT(grid.GetScrollPos32(SB_HORZ), end);
    grid.SendMessage(WM_HSCROLL, SB_LEFT);
    EXPECT_EQ(0, grid.GetScrollPos32(SB_HORZ));
}

TEST(GridGeometry, WheelNotchesBecomeLineScrollsByTheWheelSetting)
{
    const struct {
        const char *lines;
        short delta;
        int up;
        int down;
    } cases[] = {
        {"3", 120, 3, 0},
        {"3", -240, 0, 6},
        {"1", 60, 0, 0},
        {"1", 120, 1, 0},
    };
    for (const auto &c : cases) {
        HKEY key;
        ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyA(HKEY_CURRENT_USER, "Control Panel\\Desktop", &key));
        ::RegSetValueExA(key, "WheelScrollLines", 0, REG_SZ, (const BYTE *)c.lines, 2);
        ::RegCloseKey(key);
        GridInWindow<> g(30, 3);
        g.grid.SendMessage(WM_SETTINGCHANGE);
        g.grid.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, c.delta), 0);
        const std::vector<WPARAM> posted = TakePosted(g.grid.m_hWnd, WM_VSCROLL);
        EXPECT_EQ(c.up, std::count(posted.begin(), posted.end(), SB_LINEUP)) << c.lines << " " << c.delta;
        EXPECT_EQ(c.down, std::count(posted.begin(), posted.end(), SB_LINEDOWN)) << c.lines << " " << c.delta;
    }
}

namespace {

// The grid painted into a bitmap through its own drawing.
class PaintedGrid {
public:
    explicit PaintedGrid(CGridCtrl &grid)
    {
        RECT client;
        grid.GetClientRect(&client);
        m_width = client.right;
        m_height = client.bottom;
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = m_width;
        info.bmiHeader.biHeight = -m_height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        HDC screen = ::GetDC(nullptr);
        m_dc.Attach(::CreateCompatibleDC(screen));
        ::ReleaseDC(nullptr, screen);
        m_bitmap = ::CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, reinterpret_cast<void **>(&m_bits), nullptr, 0);
        m_old = ::SelectObject(m_dc, m_bitmap);
        grid.OnDraw(&m_dc);
        ::GdiFlush();
    }
    ~PaintedGrid()
    {
        ::SelectObject(m_dc, m_old);
        ::DeleteObject(m_bitmap);
    }
    COLORREF Pixel(int x, int y) const
    {
        const DWORD bgra = m_bits[y * m_width + x];
        return RGB((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF);
    }
    // Pixels of the colour inside the rectangle (exclusive end).
    int Count(const CRect &rect, COLORREF colour) const
    {
        int count = 0;
        for (int y = rect.top; y < rect.bottom; ++y)
            for (int x = rect.left; x < rect.right; ++x)
                if (Pixel(x, y) == colour)
                    ++count;
        return count;
    }

private:
    CDC m_dc;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_old = nullptr;
    DWORD *m_bits = nullptr;
    int m_width = 0;
    int m_height = 0;
};

} // namespace

// Body cells 50 x 20 with the grid lines on their last pixels; outer area past the cells.
TEST(GridPainting, CellsSelectionLinesAndTheOuterArea)
{
    GridInWindow<> g(3, 3, 300, 200);
    CGridCtrl &grid = g.grid;
    grid.SetBkColor(RGB(255, 255, 224));
    grid.SetGridColor(RGB(0, 128, 0));
    grid.SetSelectedRange(2, 2, 2, 2);
    PaintedGrid painted(grid);
    const COLORREF highlight = ::GetSysColor(COLOR_HIGHLIGHT);

    EXPECT_EQ(RGB(255, 255, 224), painted.Pixel(52, 22));          // body cell (1, 1)
    EXPECT_EQ(highlight, painted.Pixel(102, 42));                  // selected cell (2, 2)
    EXPECT_EQ(0, painted.Count(CRect(50, 40, 99, 59), highlight)); // (2, 1) is not selected
    EXPECT_EQ(RGB(0, 0, 0), painted.Pixel(99, 30));                // vertical line of column 1
    EXPECT_EQ(RGB(0, 0, 0), painted.Pixel(75, 39));                // horizontal line of row 1
    EXPECT_EQ(RGB(0, 128, 0), painted.Pixel(200, 30));             // right of the last column
    EXPECT_EQ(RGB(0, 128, 0), painted.Pixel(75, 100));             // below the last row
    EXPECT_EQ(grid.GetFixedBkColor(), painted.Pixel(25, 30));      // heading column
}

// The headings of the focus row and column are pressed (a dark top-left edge), the others raised
// (a light one).
TEST(GridPainting, HeadingsOfTheFocusRowAndColumnArePressed)
{
    GridInWindow<> g(3, 3, 300, 200);
    CGridCtrl &grid = g.grid;
    grid.SetFocusCell(2, 1);
    PaintedGrid painted(grid);
    const COLORREF light = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    EXPECT_NE(light, painted.Pixel(60, 0));  // column 1's heading
    EXPECT_NE(light, painted.Pixel(0, 45));  // row 2's heading
    EXPECT_EQ(light, painted.Pixel(110, 0)); // column 2's heading
    EXPECT_EQ(light, painted.Pixel(0, 25));  // row 1's heading
    // The focus cell has its black frame.
    EXPECT_EQ(RGB(0, 0, 0), painted.Pixel(50, 45));
}
