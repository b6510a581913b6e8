// The page layout drawn onto a memory picture whose two axes have different resolutions
// (100 x 150 dots per inch), so positions, conversions and results can be read back.

#include "controls/print_page.h"
#include "controls/print_region.h"
#include "print_test_dc.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const int PAGE_WIDTH = 800;   // 8 inches: no centring offset
const int PAGE_HEIGHT = 1200; // 8 inches
const int DPI_X = 100;
const int DPI_Y = 150;

struct PageOnPicture {
    PrintTestDC dc{PAGE_WIDTH, PAGE_HEIGHT, DPI_X, DPI_Y};
    CPrintPage page{0, 0, PAGE_WIDTH, PAGE_HEIGHT, &dc, MM_TEXT};
};

int LineHeight(CPrintPage &page)
{
    return page.TextMetric().tmHeight;
}

// The text end of a text printed alone, single-line, on a fresh page.
int WidthOf(const char *text, int pointSize)
{
    PageOnPicture fresh;
    fresh.page.PrintStyledAt(100, 0, PRINT_SINGLE_LINE | PRINT_NO_CLIP, pointSize, "%s", text);
    return static_cast<int>(fresh.page.GetTextEnd(false, false));
}

} // namespace

TEST(PrintPageUnits, ConvertEachAxisWithItsOwnScale)
{
    struct Case {
        int mapMode, width, height, dpiX, dpiY;
        double inches;
        int unitsX, unitsY;
    };
    const Case cases[] = {
        {MM_TEXT, 800, 1200, 100, 150, 1.5, 150, 225},
        {MM_TEXT, 800, 1200, 100, 150, 0.019, 1, 2}, // truncated
        {MM_TEXT, 800, 1200, 100, 150, 0.0, 0, 0},
        {MM_TEXT, 800, 1200, 100, 150, -2.0, 0, 0},
        // 1000 x 1000 units over 7.8125 x 15.625 inches
        {MM_ANISOTROPIC, 1000, 1000, 128, 64, 2.0, 256, 128},
        {MM_ANISOTROPIC, 1000, 1000, 128, 64, -1.0, 0, 0},
    };
    for (const Case &c : cases) {
        PrintTestDC dc(c.width, c.height, c.dpiX, c.dpiY);
        CPrintPage page(0, 0, c.width, c.height, &dc, c.mapMode);
        SCOPED_TRACE(testing::Message() << "map mode " << c.mapMode << ", " << c.inches << " in");
        EXPECT_EQ(c.unitsX, page.InchesToUnitsX(c.inches));
        EXPECT_EQ(c.unitsY, page.InchesToUnitsY(c.inches));
        const double back = c.inches > 0 && c.unitsX == c.inches * c.dpiX ? c.inches : -1;
        if (back > 0) {
            EXPECT_DOUBLE_EQ(back, page.UnitsToInchesX(c.unitsX));
            EXPECT_DOUBLE_EQ(back, page.UnitsToInchesY(c.unitsY));
        }
    }
    PrintTestDC dc(800, 1200, 100, 150);
    CPrintPage page(0, 0, 800, 1200, &dc, MM_TEXT);
    EXPECT_DOUBLE_EQ(0.0, page.UnitsToInchesX(0));
    EXPECT_DOUBLE_EQ(0.0, page.UnitsToInchesY(-5));
    EXPECT_DOUBLE_EQ(2.0, page.UnitsToInchesY(300));
}

TEST(PrintPageUnits, AnisotropicPageStartsAtTheGivenDevicePoint)
{
    PrintTestDC dc(400, 400, 100, 100);
    CPrintPage page(20, 30, 200, 100, &dc, 99); // an unknown map mode
    EXPECT_EQ(MM_TEXT, page.MapMode());
    PrintTestDC dc2(400, 400, 100, 100);
    CPrintPage anisotropic(20, 30, 200, 100, &dc2, MM_ANISOTROPIC);
    anisotropic.DrawBox(0, 0, 1000, 1000, 1, 0, 0); // the whole page: 200 x 100 pixels
    const RECT ink = dc2.InkBounds();
    EXPECT_EQ(20, ink.left);
    EXPECT_EQ(30, ink.top);
    EXPECT_NEAR(220, ink.right, 1);
    EXPECT_NEAR(130, ink.bottom, 1);
}

TEST(PrintPageText, NextYInRegionCountsEveryLine)
{
    struct Case {
        const char *text;
        int regionRight;
        int minLines, maxLines;
    };
    const Case cases[] = {
        {"Oferta nr 1", 700, 1, 1},
        {"Pozycja\nNetto\nBrutto", 700, 3, 3},
        {"Wykonawca: Przedsiębiorstwo Usług Budowlanych i Remontowych", 200, 3, 12},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        PageOnPicture p;
        CPrintRegion *region = p.page.CreateRegion(100, 50, 1000, c.regionRight, 0);
        ASSERT_NE(nullptr, region);
        const int next = p.page.PrintInRegion(region, 10, 5, 32, 9, "%s", c.text);
        const int lines = (next - 10) / LineHeight(p.page);
        EXPECT_EQ(0, (next - 10) % LineHeight(p.page));
        EXPECT_GE(lines, c.minLines);
        EXPECT_LE(lines, c.maxLines);
        const RECT ink = p.dc.InkBounds();
        EXPECT_GE(ink.left, 51 + 5); // relative to the inner top-left
        EXPECT_GE(ink.top, 101 + 10);
        EXPECT_LE(ink.right, c.regionRight);
        EXPECT_LE(ink.bottom, 101 + next);
    }
}

TEST(PrintPageText, InchOverloadsWorkInInchesOnEachAxis)
{
    PageOnPicture p;
    CPrintRegion *region = p.page.CreateRegion(0.0, 0.2, 2.0, 3.3, 0);
    ASSERT_NE(nullptr, region);
    EXPECT_EQ(0, region->top);
    EXPECT_EQ(20, region->left);
    EXPECT_EQ(300, region->bottom);
    EXPECT_EQ(330, region->right);
    const double next = p.page.PrintInRegion(region, 0.3, 0.05, 32, 9, "nr sprawy: %s", "ZP/1/2024");
    EXPECT_DOUBLE_EQ((45 + LineHeight(p.page)) / 150.0, next);
    EXPECT_GE(p.dc.InkBounds().left, 21 + 5);

    const double titleNext = p.page.PrintStyledAt(0.7, 1.0, 32, 20, "%s", "Tytuł");
    EXPECT_DOUBLE_EQ((105 + LineHeight(p.page)) / 150.0, titleNext);
}

TEST(PrintPageText, TextBeyondTheEdgesIsNotDrawnAndYStays)
{
    PageOnPicture p;
    CPrintRegion *region = p.page.CreateRegion(100, 50, 300, 700, 0);
    ASSERT_NE(nullptr, region);
    EXPECT_EQ(250, p.page.PrintInRegion(region, 250, 0, 32, 9, "%s", "poniżej"));
    p.page.SetRightEdge(300);
    EXPECT_EQ(500, p.page.PrintStyledAt(500, 301, 32, 9, "%s", "za prawą krawędzią"));
    EXPECT_TRUE(p.dc.Blank());
}

TEST(PrintPageText, RightAlignedTextEndsAtTheRegionsRightEdge)
{
    PageOnPicture p;
    CPrintRegion *region = p.page.CreateRegion(100, 50, 1000, 600, 0);
    ASSERT_NE(nullptr, region);
    p.page.PrintInRegion(region, 10, 0, 64, 12, "%s", "12.03.2024");
    EXPECT_EQ(600, p.page.GetTextEnd(false, false));
    const RECT ink = p.dc.InkBounds();
    EXPECT_LE(ink.right, 600);
    EXPECT_GE(ink.right, 590);
    EXPECT_GT(ink.left, 400);
}

TEST(PrintPageText, AttributesChooseTheFontWeight)
{
    const struct {
        int attributes, weight;
    } cases[] = {{32, FW_NORMAL}, {33, FW_BOLD}, {64, FW_NORMAL}, {PRINT_BOLD | PRINT_RIGHT, FW_BOLD}};
    for (const auto &c : cases) {
        PageOnPicture p;
        CPrintRegion *region = p.page.CreateRegion(0, 0, 500, 700, 0);
        p.page.PrintInRegion(region, 10, 5, c.attributes, 9, "%s", "Oferta nr 1");
        EXPECT_EQ(c.weight, p.page.TextMetric().tmWeight) << "attributes " << c.attributes;
    }
}

TEST(PrintPageText, MinusOneContinuesAtTheTextEnd)
{
    const int widthAb = WidthOf("Ab", 10);
    const int widthCd = WidthOf("Cd", 10);
    ASSERT_GT(widthAb, 0);

    PageOnPicture p;
    EXPECT_EQ(0, p.page.GetTextEnd(false, false)); // after construction
    p.page.PrintStyledAt(100, -1, PRINT_SINGLE_LINE | PRINT_NO_CLIP, 10, "%s", "Ab");
    EXPECT_EQ(widthAb, p.page.GetTextEnd(false, false));
    int x = -1;
    p.page.PrintStyledAt(100, &x, PRINT_SINGLE_LINE | PRINT_NO_CLIP, 10, "%s", "Cd");
    EXPECT_EQ(widthAb + widthCd, x);
    EXPECT_DOUBLE_EQ((widthAb + widthCd) / 100.0, p.page.GetTextEnd(true, false));
    EXPECT_EQ(widthAb + widthCd + p.page.TextMetric().tmMaxCharWidth, p.page.GetTextEnd(false, true));
}

TEST(PrintPageText, LineSpacingAddsAShareOfThePointSize)
{
    // 10 points are trunc(10 / 72 x 150) = 20 vertical units.
    const struct {
        double factor;
        int extra;
    } cases[] = {{1.0, 0}, {1.5, 10}, {2.0, 20}, {0.5, 0}};
    for (const auto &c : cases) {
        PageOnPicture p;
        p.page.SetFontSize(10);
        EXPECT_DOUBLE_EQ(1.0, p.page.SetLineSpacing(c.factor));
        const int next = p.page.PrintAt(100, 10, "%s", "Linia");
        EXPECT_EQ(100 + LineHeight(p.page) + c.extra, next) << "factor " << c.factor;
    }
    PageOnPicture p;
    p.page.SetLineSpacing(1.5);
    EXPECT_DOUBLE_EQ(1.5, p.page.SetLineSpacing(0));
    EXPECT_DOUBLE_EQ(1.5, p.page.SetLineSpacing(-2));
}

TEST(PrintPageText, EdgesAreRestoredReadOrSet)
{
    PageOnPicture p;
    EXPECT_EQ(800, p.page.SetRightEdge(300));
    EXPECT_EQ(300, p.page.SetRightEdge(0));
    EXPECT_EQ(300, p.page.SetRightEdge(-1));
    EXPECT_EQ(800, p.page.SetRightEdge(0));
    EXPECT_DOUBLE_EQ(8.0, p.page.SetRightEdge(3.0));
    EXPECT_EQ(300, p.page.SetRightEdge(0));

    EXPECT_EQ(1200, p.page.SetBottomEdge(600));
    EXPECT_EQ(600, p.page.SetBottomEdge(-1));
    EXPECT_DOUBLE_EQ(8.0, p.page.SetBottomEdge(2.0));
    EXPECT_EQ(300, p.page.SetBottomEdge(0)); // 2 inches on the 150-dpi axis
}

TEST(PrintPageText, TextCallbackGivesTheTextOfAnId)
{
    static int askedId = 0;
    PageOnPicture p;
    CPrintRegion *region = p.page.CreateRegion(0, 0, 500, 700, 0);
    EXPECT_EQ(0, p.page.PrintAt(100, 10, 7));
    EXPECT_EQ(0, p.page.PrintInRegion(region, 100, 10, 32, 9, 7));
    EXPECT_TRUE(p.dc.Blank());

    p.page.SetTextCallback([](int id) -> CString {
        askedId = id;
        return "Tekst z tabeli";
    });
    const int next = p.page.PrintStyledAt(100, 10, 32, 9, 7);
    EXPECT_EQ(7, askedId);
    EXPECT_EQ(100 + LineHeight(p.page), next);
    EXPECT_FALSE(p.dc.Blank());
}

TEST(PrintPageText, LongFormattedTextIsCutAtTheBuffer)
{
    const std::string longText(3 * CPrintPage::FORMAT_BUFFER_SIZE, 'i');
    const std::string kept(CPrintPage::FORMAT_BUFFER_SIZE - 1, 'i');
    PageOnPicture p;
    p.page.PrintStyledAt(100, 0, PRINT_SINGLE_LINE | PRINT_NO_CLIP, 1, "%s", longText.c_str());
    EXPECT_EQ(WidthOf(kept.c_str(), 1), p.page.GetTextEnd(false, false));
}

TEST(PrintPageState, StackHoldsTenStatesAndRefusesBeyond)
{
    PageOnPicture p;
    for (int level = 1; level <= CPrintPage::STATE_STACK_SIZE; ++level) {
        p.page.SetFontSize(level);
        EXPECT_TRUE(p.page.PushState()) << level;
    }
    p.page.SetFontSize(42);
    EXPECT_FALSE(p.page.PushState());

    // With no place left an operation that saves the state does nothing and unbalances nothing.
    CPrintRegion *region = p.page.CreateRegion(0, 0, 500, 700, 0);
    ASSERT_NE(nullptr, region);
    EXPECT_EQ(10, p.page.PrintInRegion(region, 10, 0, 33, 20, "%s", "tekst"));
    EXPECT_TRUE(p.dc.Blank());
    EXPECT_EQ(42, p.page.Current().pointSize);

    for (int level = CPrintPage::STATE_STACK_SIZE; level >= 1; --level) {
        EXPECT_TRUE(p.page.PopState());
        EXPECT_EQ(level, p.page.Current().pointSize);
    }
    EXPECT_FALSE(p.page.PopState());
    EXPECT_EQ(1, p.page.Current().pointSize);
}

TEST(PrintPageState, OneCallStylesAreRestoredAtPositionedStylesStay)
{
    PageOnPicture p;
    CPrintRegion *region = p.page.CreateRegion(0, 0, 500, 700, 0);
    p.page.PrintInRegion(region, 10, 0, 33, 20, "%s", "w regionie");
    EXPECT_EQ(10, p.page.Current().pointSize);
    EXPECT_EQ(0x420, p.page.Current().attributes);
    p.page.PrintStyledAt(600, 0, 33, 20, "%s", "na pozycji");
    EXPECT_EQ(20, p.page.Current().pointSize);
    EXPECT_EQ(33, p.page.Current().attributes);
    EXPECT_EQ(600, p.page.Current().top);
}

TEST(PrintPageLayout, WiderPaperCentresAnEightInchBand)
{
    // 8.5 inches wide: everything moves right by half an inch's half, 25 units.
    PrintTestDC dc(850, 1200, DPI_X, DPI_Y);
    CPrintPage page(0, 0, 850, 1200, &dc, MM_TEXT);
    page.DrawBox(10, 0, 50, 100, 1, 0, 0);
    EXPECT_EQ(25, dc.InkBounds().left);

    // The text end stays in page units, so -1 continues right after the text.
    PrintTestDC dc2(850, 1200, DPI_X, DPI_Y);
    CPrintPage page2(0, 0, 850, 1200, &dc2, MM_TEXT);
    page2.PrintStyledAt(100, 0, PRINT_SINGLE_LINE | PRINT_NO_CLIP, 10, "%s", "Ab");
    EXPECT_EQ(WidthOf("Ab", 10), page2.GetTextEnd(false, false));
    EXPECT_GE(dc2.InkBounds().left, 25);
}

TEST(PrintPageRegions, RegionOutsideThePageIsNotCreated)
{
    const struct {
        int top, left, bottom, right;
        bool created;
    } cases[] = {
        {-1, 0, 100, 100, false}, {0, -1, 100, 100, false}, {0, 0, 100, 801, false},
        {0, 0, 1201, 100, false}, {0, 0, 1200, 800, true},
    };
    for (const auto &c : cases) {
        PageOnPicture p;
        CPrintRegion *region = p.page.CreateRegion(c.top, c.left, c.bottom, c.right, 0);
        EXPECT_EQ(c.created, region != nullptr) << c.top << "," << c.left << "," << c.bottom << "," << c.right;
    }
    PageOnPicture p;
    p.page.SetRightEdge(500);
    p.page.SetBottomEdge(400);
    CPrintRegion *clamped = p.page.CreateRegion(0, 0, 1000, 700, 0);
    ASSERT_NE(nullptr, clamped);
    EXPECT_EQ(500, clamped->right);
    EXPECT_EQ(400, clamped->bottom);
}

TEST(PrintPageRegions, FrameIsDrawnAroundTheRegion)
{
    PageOnPicture p;
    CPrintRegion *region = p.page.CreateRegion(100, 50, 300, 400, 0);
    ASSERT_NE(nullptr, region);
    EXPECT_TRUE(p.dc.Blank()); // fill style 0 fills nothing
    region->DrawFrame();
    const RECT ink = p.dc.InkBounds();
    EXPECT_EQ(50, ink.left);
    EXPECT_EQ(100, ink.top);
    EXPECT_EQ(401, ink.right);
    EXPECT_EQ(301, ink.bottom);
    EXPECT_FALSE(p.dc.IsInk(200, 200));
    EXPECT_TRUE(p.dc.IsInk(50, 200));
    EXPECT_TRUE(p.dc.IsInk(400, 200));
}

TEST(PrintPageRegions, StyleFillsTheRegionAndDarkFillsPrintWhiteText)
{
    const struct {
        int style;
        COLORREF fill;
    } cases[] = {{PRINT_FILL_LIGHT_GRAY, RGB(192, 192, 192)}, {PRINT_FILL_BLACK, RGB(0, 0, 0)}};
    for (const auto &c : cases) {
        PageOnPicture p;
        CPrintRegion *region = p.page.CreateRegion(100, 50, 300, 400, c.style);
        ASSERT_NE(nullptr, region);
        EXPECT_EQ(c.fill, p.dc.Pixel(200, 200));
        p.page.PrintInRegion(region, 20, 20, 33, 20, "%s", "MMMM");
        bool white = false;
        for (int y = 120; y < 200 && !white; ++y)
            for (int x = 70; x < 390 && !white; ++x)
                white = p.dc.Pixel(x, y) == RGB(255, 255, 255);
        EXPECT_EQ(c.style >= 3, white) << "style " << c.style;
        EXPECT_EQ(RGB(0, 0, 0), ::GetTextColor(p.dc.GetSafeHdc())); // put back after the text
    }
}

TEST(PrintPageShapes, CheckBoxStandsBesideItsLabel)
{
    PageOnPicture p; // a 10-point box is 13 x 20 units
    p.page.DrawCheckBox("Tak", true, 100, 50, 10, 1, 1, 0, 32);
    const int boxLeft = static_cast<int>(p.page.GetTextEnd(false, true));
    const RECT box = p.dc.InkBounds(RECT{boxLeft - 2, 90, 800, 140});
    EXPECT_EQ(boxLeft, box.left);
    EXPECT_EQ(100, box.top);
    EXPECT_EQ(boxLeft + 14, box.right);
    const RECT middle{boxLeft + 5, 108, boxLeft + 9, 113};
    const RECT cross = p.dc.InkBounds(middle);
    EXPECT_FALSE(::IsRectEmpty(&cross)); // checked: a cross through the middle

    PageOnPicture q;
    q.page.DrawCheckBox("Nie", false, 100, 50, 10, 0, 1, 0, 32);
    EXPECT_FALSE(q.dc.IsInk(56, 110)); // unchecked: empty inside
    const RECT label = q.dc.InkBounds(RECT{64, 90, 800, 160});
    EXPECT_GE(label.left, 50 + 2 * 13);
}
