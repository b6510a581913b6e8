#include "controls/hint_layout.h"
#include "controls/hint_wnd.h"
#include "test_window.h"

#include <gtest/gtest.h>

TEST(HintLayout, BackslashNBreaksTheLine)
{
    const CString text = ExpandHintLineBreaks("Termin\\nskładania ofert");
    const std::vector<CString> lines = SplitHintLines(text);
    ASSERT_EQ(2u, lines.size());
    EXPECT_STREQ("Termin", lines[0]);
    EXPECT_STREQ("składania ofert", lines[1]);
    EXPECT_EQ(1u, SplitHintLines("bez podziału").size());
}

TEST(HintLayout, SizeOfTheText)
{
    struct Case {
        std::vector<int> widths;
        CSize size;
    };
    const Case cases[] = {
        {{100}, CSize(110, 17)},       {{100, 300, 40}, CSize(310, 49)},
        {{440}, CSize(450, 17)},       // exactly the limit: no wrap
        {{1000}, CSize(450, 17 + 24)}, // 1010 wraps twice
        {{441}, CSize(450, 17 + 12)},
    };
    for (const Case &c : cases) {
        const CSize size = HintTextSize(c.widths, 16);
        EXPECT_EQ(c.size.cx, size.cx) << c.widths[0];
        EXPECT_EQ(c.size.cy, size.cy) << c.widths[0];
    }
}

TEST(HintLayout, OpensBesideTheCursorOrToItsLeftAtTheScreenEdge)
{
    const CPoint offset(10, 5);
    const CRect right = HintWindowRect(CPoint(100, 200), CSize(110, 17), 1280, offset);
    EXPECT_EQ(CPoint(109, 208), right.TopLeft());
    EXPECT_EQ(CSize(110 + 2 + 8, 17 + 2 + 4), right.Size());

    const CRect left = HintWindowRect(CPoint(1200, 200), CSize(110, 17), 1280, offset);
    EXPECT_EQ(1200 - 4 - 120 + 3, left.left);
    EXPECT_LT(left.right, 1200);

    // Too wide for either side: it begins at the screen's left edge.
    const CRect clipped = HintWindowRect(CPoint(100, 200), CSize(450, 17), 400, offset);
    EXPECT_EQ(3, clipped.left);
}

class HintWndTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(hint.Create(CHintWnd::IDD, &owner));
        ::SetCursorPos(300, 300);
    }
    CRect WindowRect()
    {
        CRect rect;
        hint.GetWindowRect(&rect);
        return rect;
    }
    TestParentWindow owner;
    CHintWnd hint{&owner};
};

TEST_F(HintWndTest, ShowsWhenTheCursorRestedAndHidesOnLeaving)
{
    hint.ShowAtCursor("Wartość zamówienia");
    EXPECT_FALSE(hint.IsWindowVisible()); // nothing before the delay
    hint.SendMessage(WM_TIMER, CHintWnd::IDT_HINT_DELAY);
    ASSERT_TRUE(hint.IsShown());
    EXPECT_TRUE(hint.IsWindowVisible());
    CPoint cursor;
    ::GetCursorPos(&cursor);
    EXPECT_EQ(CPoint(cursor.x + 9, cursor.y + 8), WindowRect().TopLeft());
    EXPECT_STREQ("Wartość zamówienia", TextOf(*hint.GetDlgItem(CHintWnd::IDC_HINT_TEXT)));

    // A move inside the 2-pixel square keeps it; one beyond hides it.
    CPoint inside(cursor.x + 1, cursor.y + 1);
    hint.ScreenToClient(&inside);
    hint.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(inside.x, inside.y));
    EXPECT_TRUE(hint.IsShown());
    CPoint outside(cursor.x + 30, cursor.y + 30);
    hint.ScreenToClient(&outside);
    hint.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(outside.x, outside.y));
    EXPECT_FALSE(hint.IsShown());
    EXPECT_FALSE(hint.IsWindowVisible());
}

TEST_F(HintWndTest, CursorMovedDuringTheDelayShowsNothing)
{
    hint.ShowAtCursor("Podpowiedź");
    ::SetCursorPos(320, 310);
    hint.SendMessage(WM_TIMER, CHintWnd::IDT_HINT_DELAY);
    EXPECT_FALSE(hint.IsShown());
    EXPECT_FALSE(hint.IsWindowVisible());
}

TEST_F(HintWndTest, TwoLinesMakeATallerPopup)
{
    hint.ShowAtCursor("Jedna linia");
    hint.SendMessage(WM_TIMER, CHintWnd::IDT_HINT_DELAY);
    const int oneLine = WindowRect().Height();
    hint.ShowAtCursor("Pierwsza\\nDruga");
    hint.SendMessage(WM_TIMER, CHintWnd::IDT_HINT_DELAY);
    EXPECT_GT(WindowRect().Height(), oneLine);
    EXPECT_STREQ("Pierwsza\r\nDruga", TextOf(*hint.GetDlgItem(CHintWnd::IDC_HINT_TEXT)));
}

TEST_F(HintWndTest, HidingDuringTheDelayCancelsTheHint)
{
    hint.ShowAtCursor("Podpowiedź");
    hint.HideHint(); // the view hides it on a key or a click before it showed
    const DWORD until = ::GetTickCount() + 800;
    MSG msg;
    while (::GetTickCount() < until) {
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageW(&msg);
        ::Sleep(10);
    }
    EXPECT_FALSE(hint.IsShown());
}

TEST_F(HintWndTest, ClickHides)
{
    hint.ShowAtCursor("Podpowiedź");
    hint.SendMessage(WM_TIMER, CHintWnd::IDT_HINT_DELAY);
    ASSERT_TRUE(hint.IsShown());
    hint.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, 0);
    EXPECT_FALSE(hint.IsWindowVisible());
}
