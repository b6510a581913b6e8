// The scrolling offer panel on its own: rows stacked under each other, scrolling within the
// content, rows destroyed when shrinking, the offer count stored when the panel goes.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <stdexcept>

#include "app/number_format.h"
#include "model/criteria_data.h"
#include "evaluation/criteria/offer_panel.h"
#include "framework/ui/ui.h"
#include "res/evaluation_ids.h"

namespace {

// Plain rows from the delivery-term row template; row `failing` throws while being made.
class TestPanel : public COfferPanel {
public:
    TestPanel(CCriteriaData *data, CWnd *parent, int failing = -1)
        : COfferPanel(IDD_PANEL_CENA, data), m_failing(failing)
    {
        CreatePanel(parent);
    }

    int grown = 0;
    int removed = 0;
    int stored = 0;

protected:
    CDialog *CreateRow(int i) override
    {
        if (i == m_failing)
            throw std::runtime_error("row");
        auto row = std::make_unique<CDialog>();
        row->Create(IDD_OFERTA_TERMIN, this);
        return row.release();
    }
    void OnRowsGrown() override { ++grown; }
    void OnRowsRemoved() override { ++removed; }
    void StoreRow(int) override { ++stored; }

private:
    int m_failing;
};

// A hidden dialog that holds the frame the panel is moved onto.
struct PanelHost : ::testing::Test {
    void SetUp() override { ASSERT_TRUE(host.Create(IDD_KRYTERIUM_CENA, nullptr)); }
    void TearDown() override { host.DestroyWindow(); }

    int RowTop(TestPanel &panel, int i)
    {
        CRect rect;
        panel.GetRow(i)->GetWindowRect(&rect);
        panel.ScreenToClient(&rect);
        return rect.top;
    }

    CDialog host;
};

TEST_F(PanelHost, StacksTheRowsAndSizesTheContentToThem)
{
    CCriteriaData data;
    data.m_nOfferCount = 4;
    TestPanel panel(&data, &host);
    ASSERT_EQ(panel.GetRowCount(), 4);
    const CSize row = panel.GetRowSize();
    ASSERT_GT(row.cy, 0);
    EXPECT_EQ(panel.GetContentHeight(), 4 * row.cy);
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(RowTop(panel, i), i * row.cy);
        CString number;
        panel.GetRow(i)->GetDlgItemText(IDC_EVAL_ROW_NUMBER, number);
        EXPECT_EQ(number, IntToStr(i + 1));
        EXPECT_TRUE(panel.GetRow(i)->GetStyle() & WS_VISIBLE);
    }
    EXPECT_EQ(panel.grown, 1);
}

void VScroll(CWnd &panel, UINT code, int pos = 0)
{
    panel.SendMessage(WM_VSCROLL, MAKEWPARAM(code, pos), 0);
}

TEST_F(PanelHost, ScrollsByLinePageAndThumbWithinTheContent)
{
    CCriteriaData data;
    data.m_nOfferCount = 10;
    TestPanel panel(&data, &host);
    panel.MoveOntoFrame(&host, IDC_EVAL_PANEL_FRAME);
    // In the frame's place in the Tab order too.
    EXPECT_EQ(::GetWindow(host.GetDlgItem(IDC_EVAL_PANEL_FRAME)->m_hWnd, GW_HWNDNEXT), panel.m_hWnd);
    CRect client;
    panel.GetClientRect(&client);
    ASSERT_EQ(panel.GetPageHeight(), client.Height());
    const int limit = panel.GetContentHeight() - panel.GetPageHeight();
    ASSERT_GT(limit, 200) << "ten rows must not fit the frame";
    const int line = std::max(limit / 20, 5);
    const int page = std::max(limit / 10, 5);

    auto expectAt = [&](int pos) {
        EXPECT_EQ(panel.GetScrollPosition(), pos);
        EXPECT_EQ(panel.GetScrollPos(SB_VERT), pos);
        EXPECT_EQ(RowTop(panel, 0), -pos);
        EXPECT_EQ(RowTop(panel, 9), 9 * panel.GetRowSize().cy - pos);
    };
    VScroll(panel, SB_LINEUP);
    expectAt(0);
    VScroll(panel, SB_LINEDOWN);
    expectAt(line);
    VScroll(panel, SB_PAGEDOWN);
    expectAt(line + page);
    VScroll(panel, SB_PAGEUP);
    VScroll(panel, SB_PAGEUP);
    expectAt(0);
    for (int i = 0; i < 12; ++i)
        VScroll(panel, SB_PAGEDOWN);
    expectAt(limit);
    VScroll(panel, SB_LINEDOWN);
    expectAt(limit);
    VScroll(panel, SB_THUMBTRACK, 100);
    expectAt(100);
    VScroll(panel, SB_THUMBPOSITION, limit + 1);
    expectAt(limit);
    VScroll(panel, SB_ENDSCROLL);
    expectAt(limit);

    // Made tall enough for every row, the panel scrolls its rows back with the bar.
    panel.MoveWindow(0, 0, panel.GetRowSize().cx, panel.GetContentHeight() + 50);
    expectAt(0);
    VScroll(panel, SB_LINEDOWN);
    expectAt(0);
}

TEST_F(PanelHost, ShrinkingDestroysTheLastRowsAndNewRowsFollowTheScroll)
{
    CCriteriaData data;
    data.m_nOfferCount = 6;
    TestPanel panel(&data, &host);
    HWND fifth = panel.GetRow(4)->m_hWnd;
    panel.SetRowsWanted(3);
    panel.CreateRows();
    EXPECT_EQ(panel.GetRowCount(), 3);
    EXPECT_EQ(panel.GetRow(4), nullptr);
    EXPECT_FALSE(::IsWindow(fifth));
    EXPECT_EQ(panel.GetContentHeight(), 3 * panel.GetRowSize().cy);
    EXPECT_EQ(panel.removed, 1);

    panel.MoveOntoFrame(&host, IDC_EVAL_PANEL_FRAME);
    panel.SetRowsWanted(8);
    panel.CreateRows();
    panel.MoveOntoFrame(&host, IDC_EVAL_PANEL_FRAME);
    VScroll(panel, SB_PAGEDOWN);
    const int pos = panel.GetScrollPosition();
    ASSERT_GT(pos, 0);
    panel.SetRowsWanted(9);
    panel.CreateRows();
    panel.MoveOntoFrame(&host, IDC_EVAL_PANEL_FRAME);
    EXPECT_EQ(RowTop(panel, 8) - RowTop(panel, 0), 8 * panel.GetRowSize().cy);
    EXPECT_EQ(RowTop(panel, 0), -panel.GetScrollPosition());

    // Negative counts read as none; more than the table holds as the table.
    panel.SetRowsWanted(-2);
    panel.CreateRows();
    EXPECT_EQ(panel.GetRowCount(), 0);
    EXPECT_EQ(panel.GetContentHeight(), 0);
    panel.SetRowsWanted(COfferPanel::kMaxRows + 5);
    panel.CreateRows();
    EXPECT_EQ(panel.GetRowCount(), COfferPanel::kMaxRows);
}

TEST_F(PanelHost, ARowThatThrowsIsLeftOutAndTheOthersAreMade)
{
    CCriteriaData data;
    data.m_nOfferCount = 3;
    TestPanel panel(&data, &host, 1);
    ASSERT_EQ(panel.GetRowCount(), 3);
    EXPECT_NE(panel.GetRow(0), nullptr);
    EXPECT_EQ(panel.GetRow(1), nullptr);
    ASSERT_NE(panel.GetRow(2), nullptr);
    EXPECT_EQ(RowTop(panel, 2), 2 * panel.GetRowSize().cy);
    panel.DestroyWindow();
    EXPECT_EQ(panel.stored, 2);
    EXPECT_EQ(data.m_nOfferCount, 3);
}

TEST_F(PanelHost, DestroyedWithItsOwnerStoresTheRowCount)
{
    CCriteriaData data;
    data.m_nOfferCount = 5;
    auto panel = std::make_unique<TestPanel>(&data, &host);
    panel->SetRowsWanted(2);
    panel->CreateRows();
    host.DestroyWindow();
    EXPECT_EQ(panel->stored, 2);
    EXPECT_EQ(data.m_nOfferCount, 2);
}

TEST_F(PanelHost, WithoutARecordShowsNoRowsAndStoresNothing)
{
    TestPanel panel(nullptr, &host);
    EXPECT_EQ(panel.GetRowCount(), 0);
    panel.SetRowsWanted(2);
    panel.CreateRows();
    EXPECT_EQ(panel.GetRowCount(), 2);
    panel.DestroyWindow();
    EXPECT_EQ(panel.stored, 0);
}

} // namespace
