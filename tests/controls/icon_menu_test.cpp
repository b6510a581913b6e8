#include "controls/icon_menu.h"

#include <gtest/gtest.h>

TEST(LightenColor, MovesEachChannelTowardsWhite)
{
    struct Case {
        COLORREF color;
        double factor;
        COLORREF lightened;
    };
    const Case cases[] = {
        {RGB(0, 0, 0), 0.5, RGB(127, 127, 127)},      {RGB(10, 100, 255), 0.35, RGB(95, 154, 255)},
        {RGB(10, 100, 255), 1.0, RGB(255, 255, 255)}, {RGB(10, 100, 255), 0.0, RGB(10, 100, 255)},
        {RGB(10, 100, 255), 1.5, RGB(10, 100, 255)},  {RGB(10, 100, 255), -0.2, RGB(10, 100, 255)},
    };
    for (const Case &c : cases)
        EXPECT_EQ(c.lightened, LightenColor(c.color, c.factor)) << c.factor;
}

class IconMenuTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(menu.LoadMenu(300)); }
    const CIconMenu &File() const { return *menu.SubMenus()[0]; }
    const CIconMenu &Edit() const { return *menu.SubMenus()[1]; }
    CIconMenu menu;
};

TEST_F(IconMenuTest, BarStaysTextAndSubmenusAreOwnerDrawn)
{
    ASSERT_EQ(2u, menu.SubMenus().size());
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_SUBMENU;
    ASSERT_TRUE(::GetMenuItemInfoW(menu.m_hMenu, 0, TRUE, &info));
    EXPECT_FALSE(info.fType & MFT_OWNERDRAW);
    EXPECT_EQ(File().m_hMenu, info.hSubMenu);

    ASSERT_EQ(4u, File().Items().size());
    for (UINT position = 0; position < 4; ++position) {
        ASSERT_TRUE(::GetMenuItemInfoW(File().m_hMenu, position, TRUE, &info));
        EXPECT_TRUE(info.fType & MFT_OWNERDRAW) << position;
    }
    EXPECT_TRUE(File().Items()[2]->flags & MF_SEPARATOR);
    EXPECT_EQ(403u, File().Items()[3]->commandId);
    EXPECT_EQ(L"&Koniec", File().Items()[3]->text);
    EXPECT_EQ(&File(), CIconMenu::FromIconMenuHandle(File().m_hMenu));
}

TEST_F(IconMenuTest, AcceleratorsOfALevelStartInOneColumn)
{
    HDC dc = ::GetDC(nullptr);
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    HFONT font = ::CreateFontIndirectW(&metrics.lfMenuFont);
    HGDIOBJ old = ::SelectObject(dc, font);
    auto labelWidth = [&](const std::wstring &text) {
        const std::wstring label = text.substr(0, text.find(L'\t'));
        SIZE size{};
        ::GetTextExtentPoint32W(dc, label.c_str(), (int)label.size(), &size);
        return (int)size.cx;
    };
    SIZE blank{};
    ::GetTextExtentPoint32W(dc, L" ", 1, &blank);
    const int first = labelWidth(File().Items()[0]->text);
    const int second = labelWidth(File().Items()[1]->text);
    ::SelectObject(dc, old);
    ::DeleteObject(font);
    ::ReleaseDC(nullptr, dc);

    EXPECT_NE(std::wstring::npos, File().Items()[0]->text.find(L"\tCtrl+N"));
    EXPECT_LE(std::abs(first - second), blank.cx);  // padded to the widest label
    EXPECT_EQ(L"&Koniec", File().Items()[3]->text); // no accelerator, no padding
}

TEST_F(IconMenuTest, SeparatorMeasuresHalfAMenuLine)
{
    MEASUREITEMSTRUCT measure{};
    measure.CtlType = ODT_MENU;
    measure.itemData = (ULONG_PTR)File().Items()[2].get();
    menu.MeasureItem(&measure);
    EXPECT_EQ(0u, measure.itemWidth);
    EXPECT_EQ((UINT)::GetSystemMetrics(SM_CYMENU) / 2, measure.itemHeight);

    measure.itemData = (ULONG_PTR)File().Items()[3].get();
    menu.MeasureItem(&measure);
    EXPECT_GT(measure.itemWidth, 2u * CIconMenu::ICON_WIDTH + 1);
    EXPECT_GE(measure.itemHeight, (UINT)CIconMenu::ICON_HEIGHT + 4);
}

TEST_F(IconMenuTest, ToolbarImagesReachTheCommandsInEverySubmenu)
{
    ASSERT_TRUE(menu.LoadToolbar(301));
    auto imageColour = [](const CIconMenuItem &item) {
        HDC screen = ::GetDC(nullptr);
        HDC memory = ::CreateCompatibleDC(screen);
        HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 16, 15);
        HGDIOBJ old = ::SelectObject(memory, bitmap);
        ::ImageList_Draw(item.imageList, item.imageIndex, memory, 0, 0, ILD_NORMAL);
        const COLORREF colour = ::GetPixel(memory, 8, 7);
        ::SelectObject(memory, old);
        ::DeleteObject(bitmap);
        ::DeleteDC(memory);
        ::ReleaseDC(nullptr, screen);
        return colour;
    };
    // 401 is the first button (red) and sits in both submenus; 404 the second image (green).
    ASSERT_NE(nullptr, File().Items()[0]->imageList);
    ASSERT_NE(nullptr, Edit().Items()[0]->imageList);
    EXPECT_EQ(RGB(255, 0, 0), imageColour(*File().Items()[0]));
    EXPECT_EQ(RGB(255, 0, 0), imageColour(*Edit().Items()[0]));
    EXPECT_EQ(RGB(0, 255, 0), imageColour(*Edit().Items()[1]));
    EXPECT_EQ(nullptr, File().Items()[1]->imageList); // not on the toolbar
    EXPECT_EQ(-1, File().Items()[3]->imageIndex);
}

TEST_F(IconMenuTest, DestroyForgetsEveryHandle)
{
    const HMENU file = File().m_hMenu;
    const HMENU edit = Edit().m_hMenu;
    menu.DestroyMenu();
    EXPECT_EQ(nullptr, CIconMenu::FromIconMenuHandle(file));
    EXPECT_EQ(nullptr, CIconMenu::FromIconMenuHandle(edit));
    EXPECT_FALSE(menu.LoadMenu(9999)); // a missing resource
}

TEST(IconMenu, AppendItemMakesSeparatorsAndOwnerDrawnCommands)
{
    CIconMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    ASSERT_TRUE(menu.AppendItem("Zapisz", 0, 501));
    ASSERT_TRUE(menu.AppendItem("", 0, 0));
    ASSERT_TRUE(menu.AppendItem("Wytnij", 0, 404, 301));
    EXPECT_EQ((UINT)MF_OWNERDRAW, menu.Items()[0]->flags);
    EXPECT_EQ((UINT)(MF_OWNERDRAW | MF_SEPARATOR), menu.Items()[1]->flags);
    EXPECT_EQ(L"Zapisz", menu.Items()[0]->text);
    EXPECT_EQ(1, menu.Items()[2]->imageIndex); // its button's image on toolbar 301
    EXPECT_EQ(301, menu.Items()[2]->bitmapId);
    ASSERT_TRUE(menu.AppendItem("Brak", 0, 502, 777)); // no such bitmap: no image
    EXPECT_EQ(-1, menu.Items()[3]->imageIndex);
    EXPECT_EQ(-1, menu.Items()[3]->bitmapId);
}
