#include "controls/blink_static.h"
#include "controls/color_button.h"
#include "controls/color_label.h"
#include "controls/hyper_link.h"
#include "controls/mapped_bitmap_button.h"
#include "controls/shell_open.h"
#include "test_window.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A static as a dialog template makes it: created first, subclassed after.
HWND CreatePlainStatic(CWnd &parent, const wchar_t *text, DWORD style = 0)
{
    return ::CreateWindowExW(0, L"STATIC", text, WS_CHILD | WS_VISIBLE | style, 0, 0, 300, 20, parent.m_hWnd,
                             (HMENU)101, nullptr, nullptr);
}

LPARAM PointParam(int x, int y)
{
    return MAKELPARAM(x, y);
}

} // namespace

TEST(HyperLink, OpensTheTargetOnlyForAClickOnTheText)
{
    TestParentWindow parent;
    CHyperLink link;
    ASSERT_TRUE(link.SubclassWindow(CreatePlainStatic(parent, L"Strona")));
    link.SetURL("https://example.invalid/strona");
    EXPECT_TRUE(link.GetStyle() & SS_NOTIFY);

    std::vector<CString> opened;
    CShellOpenScope scope([&](const CString &target) { opened.push_back(target); });
    link.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(250, 5)); // beside the text
    EXPECT_TRUE(opened.empty());
    link.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(2, 5));
    ASSERT_EQ(1u, opened.size());
    EXPECT_STREQ("https://example.invalid/strona", opened[0]);
}

TEST(ColorLabel, TextBlinkingAlternatesTheSavedTextAndNothing)
{
    TestParentWindow parent;
    CColorLabel label;
    ASSERT_TRUE(label.SubclassWindow(CreatePlainStatic(parent, L"Uwaga")));
    label.m_nBlinkMode = CColorLabel::BlinkText;
    label.m_strBlinkText = "Uwaga";
    const char *expected[] = {"", "Uwaga", "", "Uwaga"};
    for (const char *text : expected) {
        label.SendMessage(WM_TIMER, 1);
        EXPECT_STREQ(text, TextOf(label));
    }
}

TEST(ColorLabel, ClickOpensItsText)
{
    TestParentWindow parent;
    CColorLabel label;
    ASSERT_TRUE(label.SubclassWindow(CreatePlainStatic(parent, L"C:\\dokumenty", SS_NOTIFY)));
    CString opened;
    CShellOpenScope scope([&](const CString &target) { opened = target; });
    label.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(1, 1));
    EXPECT_STREQ("C:\\dokumenty", opened);
}

class BlinkStaticTest : public ::testing::Test {
protected:
    static const UINT kNotify = WM_USER + 7;
    static const UINT_PTR kTimer = 5;
    void SetUp() override
    {
        ASSERT_TRUE(blink.SubclassWindow(CreatePlainStatic(parent, L"Alarm")));
        blink.StartBlinking(kTimer, 1000000); // ticks are sent by hand
        blink.SetNotify(&parent, kNotify);
    }
    // The control ids of the notifications posted since the last call.
    std::vector<WPARAM> TakePosted()
    {
        std::vector<WPARAM> ids;
        MSG msg;
        while (::PeekMessageW(&msg, parent.m_hWnd, kNotify, kNotify, PM_REMOVE))
            ids.push_back(msg.wParam);
        return ids;
    }
    TestParentWindow parent;
    CBlinkStatic blink;
};

TEST_F(BlinkStaticTest, NotifiesOnEveryLitTick)
{
    blink.SetBlinkText(true);
    blink.SendMessage(WM_TIMER, kTimer);
    EXPECT_EQ(std::vector<WPARAM>{101}, TakePosted());
    blink.SendMessage(WM_TIMER, kTimer);
    EXPECT_TRUE(TakePosted().empty());
    blink.SendMessage(WM_TIMER, kTimer + 1); // not its timer
    EXPECT_TRUE(TakePosted().empty());
}

TEST_F(BlinkStaticTest, PostsNothingWithBothBlinkModesOff)
{
    blink.SendMessage(WM_TIMER, kTimer);
    EXPECT_TRUE(TakePosted().empty());
    // Switched off in the lit state: the state it was left in does not count.
    blink.SetBlinkBackground(true);
    blink.SendMessage(WM_TIMER, kTimer);
    TakePosted();
    blink.SetBlinkBackground(false);
    blink.SendMessage(WM_TIMER, kTimer);
    EXPECT_TRUE(TakePosted().empty());
}

TEST_F(BlinkStaticTest, BackgroundFollowsTheBlinkState)
{
    blink.SetBlinkBackground(true);
    blink.SetBlinkBackgroundColors(RGB(255, 0, 0), RGB(0, 0, 255));
    HDC screen = ::GetDC(nullptr);
    auto background = [&] {
        parent.SendMessage(WM_CTLCOLORSTATIC, (WPARAM)screen, (LPARAM)blink.m_hWnd);
        return ::GetBkColor(screen);
    };
    EXPECT_EQ(RGB(255, 0, 0), background());
    blink.SendMessage(WM_TIMER, kTimer);
    EXPECT_EQ(RGB(0, 0, 255), background());
    ::ReleaseDC(nullptr, screen);
}

TEST(GradientColumnColor, GrowsEachChannelEvenlyAcrossTheWidth)
{
    const COLORREF start = RGB(0, 128, 128);
    const COLORREF end = RGB(128, 0, 128);
    struct Case {
        int width, column;
        COLORREF color;
    };
    const Case cases[] = {
        {128, 0, RGB(0, 128, 128)},
        {128, 64, RGB(64, 64, 128)},
        {128, 127, RGB(127, 1, 128)},
        {3, 1, RGB(42, 85, 128)}, // 42.67 and 85.33 truncated
        {0, 0, start},            // an empty button has no columns to divide by
    };
    for (const Case &c : cases)
        EXPECT_EQ(c.color, GradientColumnColor(start, end, c.width, c.column)) << c.width << "/" << c.column;
}

namespace {

// Draws the button into a bitmap and tells whether any pixel of the text colour lies in the
// columns from `left` to `right`.
bool HasTextPixelsBetween(CColorButton &button, int width, int left, int right)
{
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, width, 24);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_BUTTON;
    item.hDC = memory;
    item.rcItem = RECT{0, 0, width, 24};
    button.DrawItem(&item);
    bool found = false;
    for (int x = left; x < right && !found; ++x)
        for (int y = 0; y < 24 && !found; ++y)
            found = ::GetPixel(memory, x, y) == RGB(255, 255, 255);
    ::SelectObject(memory, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    return found;
}

} // namespace

TEST(ColorButton, KeyNameAfterATabIsDrawnAtTheRightEdge)
{
    TestParentWindow parent;
    CColorButton button;
    ASSERT_TRUE(button.Create("Zapisz\tF2", WS_CHILD | BS_OWNERDRAW, CRect(0, 0, 200, 24), &parent, 1));
    EXPECT_TRUE(HasTextPixelsBetween(button, 200, 180, 200));
    EXPECT_TRUE(HasTextPixelsBetween(button, 200, 0, 20));
    button.SetWindowText("Zapisz");
    EXPECT_FALSE(HasTextPixelsBetween(button, 200, 100, 200));
}

TEST(MappedBitmapButton, ImagesFollowAChangeOfTheSystemColours)
{
    TestParentWindow parent;
    ::CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | BS_OWNERDRAW, 0, 0, 50, 50, parent.m_hWnd, (HMENU)102, nullptr,
                      nullptr);
    CMappedBitmapButton button;
    ASSERT_TRUE(button.AutoLoad(102, &parent, 200));
    CRect rect;
    button.GetClientRect(&rect);
    EXPECT_EQ(CSize(4, 4), rect.Size()); // sized to one of the four images

    auto drawnFace = [&] {
        HDC screen = ::GetDC(nullptr);
        HDC memory = ::CreateCompatibleDC(screen);
        HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 4, 4);
        HGDIOBJ old = ::SelectObject(memory, bitmap);
        ::ImageList_Draw(button.GetImageList(), 0, memory, 0, 0, ILD_NORMAL);
        COLORREF color = ::GetPixel(memory, 1, 1);
        ::SelectObject(memory, old);
        ::DeleteObject(bitmap);
        ::DeleteDC(memory);
        ::ReleaseDC(nullptr, screen);
        return color;
    };
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    EXPECT_EQ(face, drawnFace());

    const INT element = COLOR_BTNFACE;
    const COLORREF green = RGB(0, 200, 0);
    ::SetSysColors(1, &element, &green);
    button.SendMessage(WM_SYSCOLORCHANGE);
    const COLORREF after = drawnFace();
    ::SetSysColors(1, &element, &face);
    EXPECT_EQ(green, after);
}
