// Drawing of icon menu items into a memory bitmap, checked at pixels that tell what was drawn.

#include "controls/icon_menu.h"

#include <gtest/gtest.h>

namespace {

const int kWidth = 260;
const int kItemHeight = 22; // the image cell then starts one pixel down: d = 1
// The test image (resource 302) is a black square at x 4..11, y 3..10 on the mask grey; drawn
// at (left + 2, top + d + 2) its middle is at (9, 9) and its right-bottom corner at (13, 13).
const POINT kShapeMiddle{9, 9};
const POINT kShapeCorner{13, 13};
const POINT kCellBackground{3, 4};
// The drawn check mark's origin is the cell's corner (1, 2) moved in by 4 pixels.
const POINT kCheckOnly{5, 9};  // first stroke of the check mark, left of the bullet
const POINT kBulletOnly{8, 8}; // inside the bullet, above the check mark's fourth stroke

enum Command : UINT { kShape = 501, kCheck = 502, kRadio = 503, kBitmapRadio = 504, kSave = 505 };

class IconMenuDrawTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        menu.m_useMaskColor = true;
        ASSERT_TRUE(menu.CreatePopupMenu());
        ASSERT_TRUE(menu.AppendItem(L"Kształt", 0, kShape, 302));
        ASSERT_TRUE(menu.AppendItem(L"Zaznaczona", 0, kCheck));
        ASSERT_TRUE(menu.AppendItem(L"Opcja", 0, kRadio));
        ASSERT_TRUE(menu.AppendItem(L"Opcja z mapą", 0, kBitmapRadio));
        ASSERT_TRUE(menu.AppendItem(L"", 0, 0));
        ASSERT_TRUE(menu.AppendItem(L"Zapisz\tCtrl+S", 0, kSave));
        ASSERT_TRUE(::CheckMenuRadioItem(menu.m_hMenu, kRadio, kRadio, kRadio, MF_BYCOMMAND));
        checkedBitmap = ::CreateBitmap(8, 8, 1, 1, nullptr);
        ASSERT_TRUE(::SetMenuItemBitmaps(menu.m_hMenu, kBitmapRadio, MF_BYCOMMAND, nullptr, checkedBitmap));

        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = kWidth;
        info.bmiHeader.biHeight = -kItemHeight;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void *bits = nullptr;
        canvas = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        dc = ::CreateCompatibleDC(nullptr);
        oldCanvas = ::SelectObject(dc, canvas);
    }
    void TearDown() override
    {
        ::SelectObject(dc, oldCanvas);
        ::DeleteDC(dc);
        ::DeleteObject(canvas);
        ::DeleteObject(checkedBitmap);
    }

    // Draws the item at the position over a magenta canvas, in an item rectangle of that size.
    void Draw(CIconMenu &owner, size_t position, UINT state, bool classic, int width = kWidth, int height = kItemHeight)
    {
        RECT all{0, 0, kWidth, kItemHeight};
        HBRUSH magenta = ::CreateSolidBrush(RGB(255, 0, 255));
        ::FillRect(dc, &all, magenta);
        ::DeleteObject(magenta);
        DRAWITEMSTRUCT draw{};
        draw.CtlType = ODT_MENU;
        draw.itemID = owner.Items()[position]->commandId;
        draw.itemAction = ODA_DRAWENTIRE;
        draw.itemState = state;
        draw.hwndItem = (HWND)owner.m_hMenu;
        draw.hDC = dc;
        draw.rcItem = RECT{0, 0, width, height};
        draw.itemData = (ULONG_PTR)owner.Items()[position].get();
        owner.DrawItemInStyle(&draw, classic);
    }
    void Draw(size_t position, UINT state, bool classic) { Draw(menu, position, state, classic); }
    COLORREF At(POINT point) const { return ::GetPixel(dc, point.x, point.y); }
    COLORREF At(int x, int y) const { return ::GetPixel(dc, x, y); }
    // The rightmost column that differs from the item's background (its bottom row).
    int RightmostInk() const
    {
        for (int x = kWidth - 1; x >= 0; --x)
            for (int y = 0; y < kItemHeight - 1; ++y)
                if (At(x, y) != At(x, kItemHeight - 1))
                    return x;
        return -1;
    }

    CIconMenu menu;
    HBITMAP checkedBitmap = nullptr;
    HBITMAP canvas = nullptr;
    HDC dc = nullptr;
    HGDIOBJ oldCanvas = nullptr;
};

const bool kStyles[] = {true, false}; // classic, flat

TEST_F(IconMenuDrawTest, ImageIsDrawnWhenEnabledAndEmbossedWhenDisabled)
{
    const COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW);
    const COLORREF highlight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    for (bool classic : kStyles) {
        for (bool dib : {false, true}) {
            SCOPED_TRACE(testing::Message() << "classic " << classic << ", DIB " << dib);
            menu.m_embossWithDib = dib;
            Draw(0, 0, classic);
            EXPECT_EQ(RGB(0, 0, 0), At(kShapeMiddle));
            EXPECT_EQ(At(0, kCellBackground.y), At(kCellBackground)); // the mask grey is transparent

            Draw(0, ODS_GRAYED, classic);
            EXPECT_EQ(shadow, At(kShapeMiddle));
            EXPECT_EQ(highlight, At(kShapeCorner.x + 1, kShapeCorner.y + 1));
            EXPECT_EQ(At(0, kCellBackground.y), At(kCellBackground));
        }
    }
}

TEST_F(IconMenuDrawTest, CheckedItemShowsACheckMarkOrARadioBullet)
{
    const COLORREF text = ::GetSysColor(COLOR_MENUTEXT);
    struct Case {
        size_t position;
        bool bullet;
    };
    const Case cases[] = {{1, false}, {2, true}, {3, true}};
    for (bool classic : kStyles) {
        for (const Case &c : cases) {
            SCOPED_TRACE(testing::Message() << "classic " << classic << ", item " << c.position);
            Draw(c.position, ODS_CHECKED, classic);
            EXPECT_EQ(!c.bullet, At(kCheckOnly) == text);
            EXPECT_EQ(c.bullet, At(kBulletOnly) == text);
            Draw(c.position, 0, classic); // unchecked: neither
            EXPECT_NE(text, At(kCheckOnly));
            EXPECT_NE(text, At(kBulletOnly));
        }
    }
}

TEST_F(IconMenuDrawTest, CheckImagesReplaceTheDrawnMarkAndReachSubmenus)
{
    CIconMenu bar;
    ASSERT_TRUE(bar.LoadMenu(300));
    HIMAGELIST images = ::ImageList_Create(16, 15, ILC_COLOR32 | ILC_MASK, 1, 1);
    HBITMAP shape = ::LoadBitmapW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(302));
    ASSERT_GE(::ImageList_AddMasked(images, shape, RGB(192, 192, 192)), 0);
    ::DeleteObject(shape);
    bar.SetCheckImages(images, 0, -1); // the bar owns the list from now on

    CIconMenu &file = *bar.SubMenus()[0];
    Draw(file, 3, ODS_CHECKED, false); // "&Koniec", no image of its own
    EXPECT_EQ(RGB(0, 0, 0), At(kShapeMiddle));
    EXPECT_NE(::GetSysColor(COLOR_MENUTEXT), At(kCheckOnly));

    ASSERT_TRUE(::CheckMenuRadioItem(file.m_hMenu, 403, 403, 403, MF_BYCOMMAND));
    Draw(file, 3, ODS_CHECKED, false); // no radio image: the drawn bullet
    EXPECT_EQ(::GetSysColor(COLOR_MENUTEXT), At(kBulletOnly));
}

TEST_F(IconMenuDrawTest, SelectedRowTakesTheHighlightColour)
{
    const COLORREF highlight = ::GetSysColor(COLOR_HIGHLIGHT);
    const bool sameColours = ::GetSysColor(COLOR_BTNFACE) == ::GetSysColor(COLOR_MENU);

    Draw(0, ODS_SELECTED, true); // classic: the highlight leaves the image's column
    EXPECT_EQ(highlight, At(CIconMenu::ICON_WIDTH + 5, 1));
    EXPECT_EQ(highlight, At(kWidth - 2, 1));
    EXPECT_NE(highlight, At(CIconMenu::ICON_WIDTH + 4, 1));

    Draw(0, ODS_SELECTED, false); // flat: a light fill framed in the highlight
    EXPECT_EQ(LightenColor(highlight, sameColours ? 0.85 : 0.7), At(kWidth - 2, 1));
    EXPECT_EQ(highlight, At(kWidth - 2, 0));

    Draw(0, ODS_SELECTED | ODS_GRAYED, false); // a grayed item is never highlighted
    EXPECT_NE(highlight, At(kWidth - 2, 0));
    EXPECT_NE(LightenColor(highlight, sameColours ? 0.85 : 0.7), At(kWidth - 2, 1));
}

TEST_F(IconMenuDrawTest, SeparatorIsAnEtchedLineAcrossTheMiddle)
{
    const int height = ::GetSystemMetrics(SM_CYMENU) / 2;
    for (bool classic : kStyles) {
        SCOPED_TRACE(classic ? "classic" : "flat");
        Draw(menu, 4, 0, classic, kWidth, height);
        EXPECT_EQ(::GetSysColor(COLOR_BTNSHADOW), At(kWidth / 2, height / 2));
        EXPECT_EQ(::GetSysColor(COLOR_BTNHIGHLIGHT), At(kWidth / 2, height / 2 + 1));
        EXPECT_NE(::GetSysColor(COLOR_BTNSHADOW), At(kWidth / 2, height / 2 - 1));
    }
}

TEST_F(IconMenuDrawTest, AcceleratorEndsOneIconWidthFromTheRightEdge)
{
    for (bool classic : kStyles) {
        SCOPED_TRACE(classic ? "classic" : "flat");
        for (int width : {200, kWidth}) {
            Draw(menu, 5, 0, classic, width, kItemHeight);
            const int right = RightmostInk();
            EXPECT_LT(right, width - CIconMenu::ICON_WIDTH) << width;
            EXPECT_GT(right, width - CIconMenu::ICON_WIDTH - 6) << width;
        }
        Draw(menu, 0, 0, classic, kWidth, kItemHeight); // no accelerator: nothing out there
        EXPECT_LT(RightmostInk(), kWidth / 2);
    }
}

TEST_F(IconMenuDrawTest, ImagesAddedAsIconsKeepTheirTransparency)
{
    CIconMenu icons;
    icons.m_useMaskColor = true;
    icons.m_addAsIcons = true;
    ASSERT_TRUE(icons.CreatePopupMenu());
    ASSERT_TRUE(icons.AppendItem(L"Kształt", 0, kShape, 302));
    ASSERT_TRUE(icons.AppendItem(L"Nowy", 0, 401, 301)); // a strip of three: its own image
    EXPECT_EQ(1, ::ImageList_GetImageCount(icons.Items()[0]->imageList));
    EXPECT_EQ(3, ::ImageList_GetImageCount(icons.Items()[1]->imageList));
    for (bool classic : kStyles) {
        Draw(icons, 0, 0, classic);
        EXPECT_EQ(RGB(0, 0, 0), At(kShapeMiddle));
        EXPECT_EQ(At(0, kCellBackground.y), At(kCellBackground));
    }
}

} // namespace
