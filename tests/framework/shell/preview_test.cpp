// Print preview of a rich-edit view whose text makes several pages: the preview takes over the
// frame, pages through the document, shows one or two pages, zooms, prints and closes, and
// without a printer shows virtual A4 sheets.

#include "framework/shell/rich_edit_print.h"
#include "framework/ui/docview.h"
#include "framework/ui/msgmap.h"
#include "framework/ui/preview.h"
#include "framework/ui/printinfo.h"
#include "framework/ui/testhook.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <set>
#include <string>

namespace {

const CSize kPaper(11906, 16838);
const CRect kMargins(1417, 1417, 1417, 1417);

// Paginates its text with the page renderer, as the program's document view does.
class PagedView : public CRichEditView {
public:
    BOOL OnPreparePrinting(CPrintInfo *pInfo) override
    {
        ++prepared;
        if (refuse)
            return FALSE;
        // Without asking for a printer the print info has none, as on a machine without one.
        if (noPrinter)
            return TRUE;
        return DoPreparePrinting(pInfo);
    }
    void OnBeginPrinting(CDC *pDC, CPrintInfo *pInfo) override
    {
        ++begun;
        pages.Paginate(m_hWnd, kPaper, kMargins, pDC->m_hAttribDC);
        pInfo->SetMaxPage(static_cast<UINT>(pages.PageCount()));
    }
    void OnPrint(CDC *pDC, CPrintInfo *pInfo) override
    {
        const int offsetX = pDC->GetDeviceCaps(PHYSICALOFFSETX);
        const int offsetY = pDC->GetDeviceCaps(PHYSICALOFFSETY);
        const RECT sheet = {-offsetX, -offsetY, pDC->GetDeviceCaps(PHYSICALWIDTH) - offsetX,
                            pDC->GetDeviceCaps(PHYSICALHEIGHT) - offsetY};
        pages.DrawPage(pDC->m_hDC, static_cast<int>(pInfo->m_nCurPage), sheet);
        printed.insert(pInfo->m_nCurPage);
        sheetSeen = CSize(sheet.right - sheet.left, sheet.bottom - sheet.top);
        ppiSeen = pDC->GetDeviceCaps(LOGPIXELSX);
        previewFlagSeen = pInfo->m_bPreview;
    }
    void OnEndPrinting(CDC *, CPrintInfo *) override { ++ended; }
    void OnPrintCommand() { ++printCommands; }

    CRichEditPages pages;
    bool refuse = false;
    bool noPrinter = false;
    int prepared = 0;
    int begun = 0;
    int ended = 0;
    int printCommands = 0;
    std::set<UINT> printed;
    CSize sheetSeen;
    int ppiSeen = 0;
    BOOL previewFlagSeen = FALSE;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(PagedView, CRichEditView)
    ON_COMMAND(ID_FILE_PRINT, OnPrintCommand)
END_MESSAGE_MAP()

class PreviewTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_NE(nullptr, LoadLibraryW(L"MSFTEDIT.DLL")); }

    void SetUp() override
    {
        frame = new CFrameWnd;
        ASSERT_TRUE(frame->Create(nullptr, "Podgląd", WS_OVERLAPPEDWINDOW, CRect(0, 0, 800, 600)));
        menu = ::CreateMenu();
        ::AppendMenuW(menu, MF_STRING, ID_FILE_PRINT, L"Drukuj");
        ::SetMenu(frame->m_hWnd, menu);
        view = new PagedView;
        ASSERT_TRUE(
            view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), frame, AFX_IDW_PANE_FIRST));
        frame->SetActiveView(view, FALSE);
        frame->ShowWindow(SW_SHOW);
        frame->RecalcLayout();
    }
    void TearDown() override
    {
        if (frame != nullptr)
            frame->DestroyWindow();
    }

    void SetParagraphs(int count)
    {
        std::wstring text;
        for (int i = 1; i <= count; ++i)
            text += L"Akapit " + std::to_wstring(i) + L": Zażółć gęślą jaźń.\r";
        ::SetWindowTextW(view->m_hWnd, text.c_str());
    }
    // The pages the same text makes on its own, measured on the screen.
    int PagesOfText()
    {
        CRichEditPages pages;
        HDC screen = ::GetDC(nullptr);
        pages.Paginate(view->m_hWnd, kPaper, kMargins, screen);
        ::ReleaseDC(nullptr, screen);
        return pages.PageCount();
    }
    CPreviewView *StartPreview()
    {
        view->OnFilePrintPreview();
        return dynamic_cast<CPreviewView *>(frame->GetActiveView());
    }
    void Command(UINT id) { frame->SendMessage(WM_COMMAND, id, 0); }
    HWND Button(UINT id)
    {
        HWND bar = ::GetDlgItem(frame->m_hWnd, AFX_IDW_PREVIEW_BAR);
        if (bar == nullptr)
            return nullptr;
        ::SendMessageW(bar, WM_IDLEUPDATECMDUI, TRUE, 0);
        return ::GetDlgItem(bar, static_cast<int>(id));
    }
    bool Enabled(UINT id) { return ::IsWindowEnabled(Button(id)) != FALSE; }
    std::wstring Text(UINT id)
    {
        wchar_t text[64] = L"";
        ::GetWindowTextW(Button(id), text, 64);
        return text;
    }
    // Paints the preview now, as the user would see it.
    void Paint(CPreviewView *preview) { preview->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); }

    CFrameWnd *frame = nullptr;
    PagedView *view = nullptr;
    HMENU menu = nullptr;
};

TEST_F(PreviewTest, OpensOnTheFirstOfTheDocumentsPagesAndClosesBackToTheView)
{
    SetParagraphs(150);
    const int pageCount = PagesOfText();
    ASSERT_GE(pageCount, 3);

    CPreviewView *preview = StartPreview();
    ASSERT_NE(nullptr, preview);
    EXPECT_EQ(1, view->begun);
    EXPECT_EQ(static_cast<UINT>(pageCount), preview->m_pPreviewInfo->GetMaxPage());
    EXPECT_EQ(1u, preview->m_nCurrentPage);
    // The preview fills the frame in the view's place, the menu is put away.
    EXPECT_EQ(preview->m_hWnd, ::GetDlgItem(frame->m_hWnd, AFX_IDW_PANE_FIRST));
    EXPECT_FALSE(view->IsWindowVisible());
    EXPECT_EQ(nullptr, ::GetMenu(frame->m_hWnd));
    Paint(preview);
    EXPECT_EQ(std::set<UINT>{1}, view->printed);
    EXPECT_TRUE(view->previewFlagSeen);

    Command(AFX_ID_PREVIEW_CLOSE);
    EXPECT_EQ(1, view->ended);
    EXPECT_EQ(view, frame->GetActiveView());
    EXPECT_EQ(view->m_hWnd, ::GetDlgItem(frame->m_hWnd, AFX_IDW_PANE_FIRST));
    EXPECT_TRUE(view->IsWindowVisible());
    EXPECT_EQ(nullptr, ::GetDlgItem(frame->m_hWnd, AFX_IDW_PREVIEW_BAR));
    EXPECT_EQ(menu, ::GetMenu(frame->m_hWnd));
    CRect client, placed;
    frame->GetClientRect(&client);
    view->GetWindowRect(&placed);
    EXPECT_EQ(client.Width(), placed.Width());
}

TEST_F(PreviewTest, PagesThroughTheDocumentOneOrTwoAtATime)
{
    SetParagraphs(150);
    CPreviewView *preview = StartPreview();
    ASSERT_NE(nullptr, preview);
    const UINT last = preview->m_pPreviewInfo->GetMaxPage();
    EXPECT_FALSE(Enabled(AFX_ID_PREVIEW_PREV));
    EXPECT_TRUE(Enabled(AFX_ID_PREVIEW_NEXT));
    for (UINT page = 2; page <= last; ++page)
        Command(AFX_ID_PREVIEW_NEXT);
    EXPECT_EQ(last, preview->m_nCurrentPage);
    EXPECT_FALSE(Enabled(AFX_ID_PREVIEW_NEXT));
    EXPECT_TRUE(Enabled(AFX_ID_PREVIEW_PREV));
    Paint(preview);
    EXPECT_EQ(1u, view->printed.count(last));

    // Two pages: the last pair ends the paging one page earlier, and both are printed.
    Command(AFX_ID_PREVIEW_PREV);
    Command(AFX_ID_PREVIEW_PREV);
    ASSERT_TRUE(Enabled(AFX_ID_PREVIEW_NUMPAGE));
    EXPECT_EQ(L"&Dwie strony", Text(AFX_ID_PREVIEW_NUMPAGE));
    Command(AFX_ID_PREVIEW_NUMPAGE);
    EXPECT_EQ(2u, preview->m_nPages);
    EXPECT_EQ(L"&Jedna strona", Text(AFX_ID_PREVIEW_NUMPAGE));
    EXPECT_TRUE(Enabled(AFX_ID_PREVIEW_NEXT));
    Command(AFX_ID_PREVIEW_NEXT);
    EXPECT_FALSE(Enabled(AFX_ID_PREVIEW_NEXT));
    view->printed.clear();
    Paint(preview);
    EXPECT_EQ((std::set<UINT>{last - 1, last}), view->printed);
    const CRect left = preview->GetPageRect(0), right = preview->GetPageRect(1);
    EXPECT_LT(left.right, right.left);
    EXPECT_EQ(left.Height(), right.Height());

    Command(AFX_ID_PREVIEW_NUMPAGE);
    EXPECT_EQ(1u, preview->m_nPages);
    EXPECT_TRUE(preview->GetPageRect(1).IsRectEmpty());
}

TEST_F(PreviewTest, ZoomsInStepByStepAndBackToTheShownPages)
{
    SetParagraphs(150);
    CPreviewView *preview = StartPreview();
    ASSERT_NE(nullptr, preview);
    Command(AFX_ID_PREVIEW_NUMPAGE);
    ASSERT_EQ(2u, preview->m_nPages);
    const int fitted = preview->GetPageRect(0).Width();
    EXPECT_FALSE(Enabled(AFX_ID_PREVIEW_ZOOMOUT));

    struct Step {
        UINT command;
        UINT zoom;
        UINT pages;
        bool zoomIn, zoomOut, numPage;
    } steps[] = {
        {AFX_ID_PREVIEW_ZOOMIN, CPreviewView::ZOOM_MIDDLE, 1, true, true, false},
        {AFX_ID_PREVIEW_ZOOMIN, CPreviewView::ZOOM_IN, 1, false, true, false},
        {AFX_ID_PREVIEW_ZOOMIN, CPreviewView::ZOOM_IN, 1, false, true, false},
        {AFX_ID_PREVIEW_ZOOMOUT, CPreviewView::ZOOM_MIDDLE, 1, true, true, false},
        {AFX_ID_PREVIEW_ZOOMOUT, CPreviewView::ZOOM_OUT, 2, true, false, true},
    };
    int previousWidth = fitted;
    for (const Step &step : steps) {
        SCOPED_TRACE(testing::Message() << "zoom " << step.zoom);
        Command(step.command);
        EXPECT_EQ(step.zoom, preview->m_nZoomState);
        EXPECT_EQ(step.pages, preview->m_nPages);
        EXPECT_EQ(step.zoomIn, Enabled(AFX_ID_PREVIEW_ZOOMIN));
        EXPECT_EQ(step.zoomOut, Enabled(AFX_ID_PREVIEW_ZOOMOUT));
        EXPECT_EQ(step.numPage, Enabled(AFX_ID_PREVIEW_NUMPAGE));
        // Zoomed in, the button keeps saying what zooming out will show.
        EXPECT_EQ(L"&Jedna strona", Text(AFX_ID_PREVIEW_NUMPAGE));
        const int width = preview->GetPageRect(0).Width();
        // Zooming in never makes the page smaller, zooming out never larger.
        if (step.command == AFX_ID_PREVIEW_ZOOMIN) {
            EXPECT_GE(width, previousWidth);
        } else {
            EXPECT_LT(width, previousWidth);
        }
        previousWidth = width;
    }
    EXPECT_EQ(fitted, preview->GetPageRect(0).Width());
    // Zoomed in, the page is larger than the window and scrolls.
    Command(AFX_ID_PREVIEW_ZOOMIN);
    Command(AFX_ID_PREVIEW_ZOOMIN);
    CRect client;
    preview->GetClientRect(&client);
    EXPECT_GT(preview->GetPageRect(0).Height(), client.Height());
    EXPECT_TRUE(preview->GetStyle() & WS_VSCROLL);
}

TEST_F(PreviewTest, OnePageDocumentKeepsPagingAndTwoPagesDisabled)
{
    SetParagraphs(3);
    CPreviewView *preview = StartPreview();
    ASSERT_NE(nullptr, preview);
    EXPECT_EQ(1u, preview->m_pPreviewInfo->GetMaxPage());
    EXPECT_FALSE(Enabled(AFX_ID_PREVIEW_NEXT));
    EXPECT_FALSE(Enabled(AFX_ID_PREVIEW_PREV));
    EXPECT_FALSE(Enabled(AFX_ID_PREVIEW_NUMPAGE));
    EXPECT_TRUE(Enabled(AFX_ID_PREVIEW_ZOOMIN));
}

TEST_F(PreviewTest, WithoutAPrinterShowsVirtualA4Sheets)
{
    SetParagraphs(150);
    view->noPrinter = true;
    CPreviewView *preview = StartPreview();
    ASSERT_NE(nullptr, preview);
    EXPECT_TRUE(preview->IsVirtualPage());
    // The renderer paginates the same at any resolution: the pages are those of the text.
    EXPECT_EQ(static_cast<UINT>(PagesOfText()), preview->m_pPreviewInfo->GetMaxPage());
    Paint(preview);
    ASSERT_EQ(std::set<UINT>{1}, view->printed);
    ASSERT_GT(view->ppiSeen, 0);
    EXPECT_NEAR(210.0, view->sheetSeen.cx * 25.4 / view->ppiSeen, 0.5);
    EXPECT_NEAR(297.0, view->sheetSeen.cy * 25.4 / view->ppiSeen, 0.5);
    const CRect shown = preview->GetPageRect(0);
    EXPECT_NEAR(297.0 / 210.0, double(shown.Height()) / shown.Width(), 0.02);
    Command(AFX_ID_PREVIEW_CLOSE);
    EXPECT_EQ(1, view->ended);
    EXPECT_EQ(view, frame->GetActiveView());
}

TEST_F(PreviewTest, PrintCommandClosesThePreviewAndPrintsFromTheView)
{
    SetParagraphs(20);
    ASSERT_NE(nullptr, StartPreview());
    Command(AFX_ID_PREVIEW_PRINT);
    EXPECT_EQ(1, view->ended);
    EXPECT_EQ(view, frame->GetActiveView());
    EXPECT_EQ(1, view->printCommands);
}

TEST_F(PreviewTest, RefusedPreparationLeavesTheFrameAndSaysSo)
{
    SetParagraphs(20);
    view->refuse = true;
    CTestHook hook;
    CString said;
    hook.onMessageBox = [&](const CString &text, const CString &, UINT) {
        said = text;
        return IDOK;
    };
    CTestHookScope scope(hook);
    EXPECT_EQ(nullptr, StartPreview());
    EXPECT_EQ(1, view->prepared);
    EXPECT_EQ(0, view->begun);
    EXPECT_FALSE(said.IsEmpty());
    EXPECT_EQ(view, frame->GetActiveView());
    EXPECT_EQ(view->m_hWnd, ::GetDlgItem(frame->m_hWnd, AFX_IDW_PANE_FIRST));
    EXPECT_TRUE(view->IsWindowVisible());
    EXPECT_EQ(nullptr, ::GetDlgItem(frame->m_hWnd, AFX_IDW_PREVIEW_BAR));
    EXPECT_EQ(menu, ::GetMenu(frame->m_hWnd));
}

} // namespace
