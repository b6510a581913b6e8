// The document view's preview bar: every button gets its picture, and the one/two-page button
// follows the pages shown, disabled for a one-page document and while zoomed in.

#include "mainframe/my_preview_view.h"

#include "framework/ui/docview.h"
#include "framework/ui/printinfo.h"
#include "res/resource.h"

#include <gtest/gtest.h>

namespace {

// A document of a fixed number of pages that draws nothing; no printer is asked for.
class PagesView : public CView {
public:
    explicit PagesView(UINT pages) : m_pages(pages) {}
    BOOL OnPreparePrinting(CPrintInfo *) override { return TRUE; }
    void OnBeginPrinting(CDC *, CPrintInfo *pInfo) override { pInfo->SetMaxPage(m_pages); }
    void OnPrint(CDC *, CPrintInfo *) override {}

private:
    UINT m_pages;
};

class MyPreviewViewTest : public ::testing::Test {
protected:
    void Open(UINT pages)
    {
        frame = new CFrameWnd;
        ASSERT_TRUE(frame->Create(nullptr, "Podgląd", WS_OVERLAPPEDWINDOW, CRect(0, 0, 800, 600)));
        view = new PagesView(pages);
        ASSERT_TRUE(
            view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), frame, AFX_IDW_PANE_FIRST));
        frame->SetActiveView(view, FALSE);
        CPrintPreviewState *state = new CPrintPreviewState;
        ASSERT_TRUE(view->DoPrintPreview(IDD_PREVIEW_BAR, view, RUNTIME_CLASS(CMyPreviewView), state));
        preview = dynamic_cast<CMyPreviewView *>(frame->GetActiveView());
        ASSERT_NE(nullptr, preview);
    }
    void TearDown() override
    {
        if (frame != nullptr)
            frame->DestroyWindow();
    }
    void Command(UINT id) { frame->SendMessage(WM_COMMAND, id, 0); }
    bool TwoPageButtonEnabled()
    {
        preview->m_pToolBar->SendMessage(WM_IDLEUPDATECMDUI, TRUE, 0);
        return preview->m_numPage.IsWindowEnabled() != FALSE;
    }

    CFrameWnd *frame = nullptr;
    PagesView *view = nullptr;
    CMyPreviewView *preview = nullptr;
};

TEST_F(MyPreviewViewTest, EveryBarButtonHasItsPicture)
{
    Open(3);
    for (CMappedBitmapButton *button : {&preview->m_print, &preview->m_next, &preview->m_prev, &preview->m_numPage,
                                        &preview->m_zoomIn, &preview->m_zoomOut}) {
        EXPECT_NE(nullptr, button->GetImageList());
    }
    EXPECT_TRUE(preview->m_pToolBar->GetBarStyle() & CBRS_TOOLTIPS);
}

TEST_F(MyPreviewViewTest, OnePageDocumentKeepsTheTwoPageButtonDisabled)
{
    Open(1);
    EXPECT_FALSE(TwoPageButtonEnabled());
    EXPECT_EQ(0, preview->m_bTwoPage);
}

TEST_F(MyPreviewViewTest, TwoPagePictureFollowsThePagesShownAndZoomDisablesWithoutChangingIt)
{
    Open(3);
    EXPECT_TRUE(TwoPageButtonEnabled());
    EXPECT_EQ(0, preview->m_bTwoPage);
    Command(AFX_ID_PREVIEW_NUMPAGE);
    EXPECT_TRUE(TwoPageButtonEnabled());
    EXPECT_EQ(1, preview->m_bTwoPage);
    Command(AFX_ID_PREVIEW_ZOOMIN);
    EXPECT_FALSE(TwoPageButtonEnabled());
    EXPECT_EQ(1, preview->m_bTwoPage);
    Command(AFX_ID_PREVIEW_ZOOMOUT);
    Command(AFX_ID_PREVIEW_NUMPAGE);
    EXPECT_TRUE(TwoPageButtonEnabled());
    EXPECT_EQ(0, preview->m_bTwoPage);
}

} // namespace
