#include "controls/color_list_ctrl.h"
#include "test_window.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

const COLORREF kRed = RGB(255, 0, 0);

struct RowPixels {
    int ink = 0;       // pixels that are not the row's most common colour
    int red = 0;       // pure-ish red text pixels
    int highlight = 0; // pixels in the selection background colour
};

// The list painted into a bitmap, so that the custom draw's effect is read from real pixels.
class PaintedList {
public:
    explicit PaintedList(CListCtrl &list) : m_list(list)
    {
        RECT client;
        list.GetClientRect(&client);
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
        m_dc = ::CreateCompatibleDC(screen);
        ::ReleaseDC(nullptr, screen);
        m_bitmap = ::CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, reinterpret_cast<void **>(&m_bits), nullptr, 0);
        m_old = ::SelectObject(m_dc, m_bitmap);
        ::FillRect(m_dc, &client, (HBRUSH)::GetStockObject(WHITE_BRUSH));
        list.SendMessage(WM_PRINTCLIENT, (WPARAM)m_dc, PRF_CLIENT | PRF_ERASEBKGND);
        ::GdiFlush();
    }
    ~PaintedList()
    {
        ::SelectObject(m_dc, m_old);
        ::DeleteObject(m_bitmap);
        ::DeleteDC(m_dc);
    }

    // Counts over the text area of item `item`, sub-item `subItem` (-1: the whole row).
    RowPixels Count(int item, int subItem = -1) const
    {
        RECT rect{};
        if (subItem < 0) {
            rect.left = LVIR_BOUNDS;
            m_list.SendMessage(LVM_GETITEMRECT, item, (LPARAM)&rect);
        } else {
            m_list.GetSubItemRect(item, subItem, LVIR_LABEL, rect);
        }
        const COLORREF highlight = ::GetSysColor(COLOR_HIGHLIGHT);
        std::vector<COLORREF> pixels;
        for (int y = std::max(0L, rect.top); y < std::min((long)m_height, rect.bottom); ++y)
            for (int x = std::max(0L, rect.left); x < std::min((long)m_width, rect.right); ++x)
                pixels.push_back(Pixel(x, y));
        const COLORREF background = pixels.empty() ? 0 : MostCommon(pixels);
        RowPixels counts;
        for (COLORREF pixel : pixels) {
            if (pixel != background)
                ++counts.ink;
            if (GetRValue(pixel) > 160 && GetGValue(pixel) < 90 && GetBValue(pixel) < 90)
                ++counts.red;
            if (pixel == highlight)
                ++counts.highlight;
        }
        return counts;
    }

private:
    COLORREF Pixel(int x, int y) const
    {
        const DWORD bgra = m_bits[y * m_width + x];
        return RGB((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF);
    }
    static COLORREF MostCommon(const std::vector<COLORREF> &pixels)
    {
        COLORREF best = pixels[0];
        int bestCount = 0;
        for (COLORREF candidate : {pixels.front(), pixels.back(), pixels[pixels.size() / 2]}) {
            int count = 0;
            for (COLORREF pixel : pixels)
                count += pixel == candidate;
            if (count > bestCount) {
                best = candidate;
                bestCount = count;
            }
        }
        return best;
    }

    CListCtrl &m_list;
    int m_width = 0;
    int m_height = 0;
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_old = nullptr;
    DWORD *m_bits = nullptr;
};

class ColorListCtrlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_recordsBefore = ItemFormat::LiveRecords();
        list = std::make_unique<CColorListCtrl>();
        ASSERT_TRUE(list->Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SINGLESEL,
                                 CRect(0, 0, 380, 200), &parent, 1066));
        list->SetExtendedStyle(list->GetExtendedStyle() | LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
        list->InsertColumn(0, "Nazwa kryterium", LVCFMT_LEFT, 200);
        list->InsertColumn(1, "L. punktów", LVCFMT_LEFT, 100);
    }
    void TearDown() override
    {
        list.reset();
        EXPECT_EQ(m_recordsBefore, ItemFormat::LiveRecords()) << "format records left behind";
    }

    // The offer-points list: "cena", the total drawn bold and red, and the same text plain.
    void FillPointsList()
    {
        AddRow("cena", "50");
        AddRow("Suma punktów", "88.5");
        AddRow("Suma punktów", "88.5");
        list->SetItemFontStyle(1, ItemFormat::kBold);
        list->SetItemTextColor(1, kRed);
    }
    void AddRow(const char *name, const char *points)
    {
        const int row = list->InsertItem(list->GetItemCount(), name);
        list->SetItemText(row, 1, points);
    }
    int RecordsNow() const { return ItemFormat::LiveRecords() - m_recordsBefore; }

    TestParentWindow parent;
    std::unique_ptr<CColorListCtrl> list;

private:
    int m_recordsBefore = 0;
};

TEST_F(ColorListCtrlTest, TotalsRowIsBoldAndRedInEveryColumn)
{
    FillPointsList();
    PaintedList painted(*list);
    for (int column : {0, 1}) {
        SCOPED_TRACE(column);
        EXPECT_GT(painted.Count(1, column).red, 0);
        EXPECT_EQ(0, painted.Count(2, column).red);
        EXPECT_EQ(0, painted.Count(0, column).red);
        // Same text, so more ink means the heavier font.
        EXPECT_GT(painted.Count(1, column).ink, painted.Count(2, column).ink * 11 / 10);
    }
}

TEST_F(ColorListCtrlTest, SelectedRowIsDrawnInSelectionColoursAndStaysSelected)
{
    FillPointsList();
    for (int selected : {0, 1}) {
        SCOPED_TRACE(selected);
        list->SetItemState(selected, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        PaintedList painted(*list);
        EXPECT_EQ((UINT)LVIS_SELECTED, list->GetItemState(selected, LVIS_SELECTED));
        EXPECT_EQ(selected, list->GetNextItem(-1, LVNI_SELECTED));
        EXPECT_GT(painted.Count(selected).highlight, 0);
        EXPECT_EQ(0, painted.Count(selected).red) << "selection colours win over the row's colour";
        EXPECT_EQ(0, painted.Count(2).highlight);
    }
}

TEST_F(ColorListCtrlTest, InsertedColumnKeepsSubItemRecordsWithTheirColumns)
{
    AddRow("a", "1");
    AddRow("b", "2");
    ItemFormat *oldSecondColumn[] = {list->GetSubItemFormat(0, 1), list->GetSubItemFormat(1, 1)};
    ASSERT_NE(nullptr, oldSecondColumn[0]);

    ASSERT_EQ(1, list->InsertColumn(1, "nowa", LVCFMT_LEFT, 50));
    ASSERT_EQ(3, list->InsertColumn(3, "ostatnia", LVCFMT_LEFT, 50));
    for (int item : {0, 1}) {
        SCOPED_TRACE(item);
        EXPECT_EQ(oldSecondColumn[item], list->GetSubItemFormat(item, 2));
        EXPECT_NE(nullptr, list->GetSubItemFormat(item, 1));
        EXPECT_NE(oldSecondColumn[item], list->GetSubItemFormat(item, 1));
        EXPECT_NE(nullptr, list->GetSubItemFormat(item, 3));
        EXPECT_EQ(nullptr, list->GetSubItemFormat(item, 4));
    }
    // A row inserted now has a record for each of the four columns.
    AddRow("c", "3");
    EXPECT_EQ(3u, list->GetItemFormat(2)->subItems.size());
}

TEST_F(ColorListCtrlTest, CallerItemDataIsKeptInTheRecord)
{
    const int row = list->InsertItem(LVIF_TEXT | LVIF_PARAM, 0, "a", 0, 0, 0, 4711);
    const int plain = list->InsertItem(1, "b");
    EXPECT_EQ(4711, list->GetItemFormat(row)->callerData);
    EXPECT_EQ(1, list->GetItemFormat(row)->hasCallerData);
    EXPECT_EQ(0, list->GetItemFormat(plain)->hasCallerData);
    EXPECT_STREQ("a", list->GetItemText(row, 0));
}

TEST_F(ColorListCtrlTest, DeletingFreesEveryRecordOfTheItem)
{
    FillPointsList();
    EXPECT_EQ(3 * 2 + 1, RecordsNow()); // item + one sub-item each, one row format
    ItemFormat *last = list->GetItemFormat(2);

    EXPECT_TRUE(list->DeleteItem(1));
    EXPECT_EQ(2 * 2, RecordsNow());
    EXPECT_EQ(last, list->GetItemFormat(1));
    EXPECT_FALSE(list->DeleteItem(5));
    EXPECT_EQ(2 * 2, RecordsNow());

    EXPECT_TRUE(list->DeleteAllItems());
    EXPECT_EQ(0, RecordsNow());
    EXPECT_EQ(0, list->GetItemCount());
}

TEST_F(ColorListCtrlTest, DestroyingTheWindowFreesEveryRecord)
{
    FillPointsList();
    PaintedList painted(*list); // fonts made for the paint go too
    list->DestroyWindow();
    EXPECT_EQ(0, RecordsNow());
}

TEST_F(ColorListCtrlTest, DestroyingTheObjectWithItsWindowOpenFreesEveryRecord)
{
    FillPointsList();
    list.reset();
    EXPECT_EQ(0, RecordsNow());
}

TEST_F(ColorListCtrlTest, BadIndicesAreRefusedQuietly)
{
    AddRow("a", "1");
    list->SetItemFontStyle(7, ItemFormat::kBold);
    list->SetItemTextColor(-1, kRed);
    EXPECT_EQ(nullptr, list->GetItemFormat(7));
    EXPECT_EQ(nullptr, list->GetSubItemFormat(0, 5));
    EXPECT_EQ(nullptr, list->GetItemFormat(0)->rowFormat);
}

} // namespace
