// What follows the main window's creation: the splash window takes the first key or click and
// hands over to the start-up page; the page's HTML control gives "app:" links to its handler.
#include "main_frame_fixture.h"

#include <richedit.h>

#include <cstdlib>

#include "mainframe/preview_dlg.h"
#include "mainframe/splash_wnd.h"

namespace {

// A file of the source tree, as Wine sees it.
CString SourcePath(const char *relative)
{
    const char *source = std::getenv("MORVELANK_TEST_SOURCE_DIR");
    CString path = CString("Z:") + (source ? source : "") + "/" + relative;
    path.Replace('/', '\\');
    return path;
}

void PumpMessages()
{
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT)
            break;
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

class StartupTest : public MainFrameTest {
protected:
    void SetUp() override
    {
        MainFrameTest::SetUp();
        ::CreateDirectoryW(Wide(folder.Path() + "\\reklama").c_str(), nullptr);
        ASSERT_TRUE(::CopyFileW(Wide(SourcePath("../../install/reklama/powitanie.htm")).c_str(),
                                Wide(folder.Path() + "\\reklama\\powitanie.htm").c_str(), FALSE));
        app.Greetings = true;
        hook.onDialog = [this](CDialog &dialog) {
            auto *page = dynamic_cast<CPreview *>(&dialog);
            if (!page)
                return;
            CString caption;
            page->GetWindowText(caption);
            pages.push_back(caption);
            page->HtmlControl().GetRichEditCtrl().GetWindowText(pageText);
            tickedAtOpening = page->IsDlgButtonChecked(IDC_PREVIEW_SHOW_NEXT_TIME) != 0;
            page->CheckDlgButton(IDC_PREVIEW_SHOW_NEXT_TIME, keepShowing ? BST_CHECKED : BST_UNCHECKED);
            page->SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED));
        };
        CreateFrame();
    }

    void TearDown() override
    {
        if (CSplashWnd::Current())
            CSplashWnd::Current()->DestroyWindow();
        CSplashWnd::EnableSplashScreen(FALSE);
        MainFrameTest::TearDown();
    }

    void ShowSplash()
    {
        CSplashWnd::EnableSplashScreen(TRUE);
        CSplashWnd::ShowSplashScreen(frame);
    }

    BOOL Offer(UINT message)
    {
        MSG msg{frame->m_hWnd, message, 0, 0, 0, {0, 0}};
        return app.PreTranslateMessage(&msg);
    }

    std::vector<CString> pages;
    CString pageText;
    bool tickedAtOpening = false;
    bool keepShowing = true;
};

TEST_F(StartupTest, SplashTakesTheFirstKeyOrClickAndShowsTheStartUpPage)
{
    const UINT taken[] = {WM_KEYDOWN,     WM_SYSKEYDOWN,    WM_LBUTTONDOWN,   WM_RBUTTONDOWN,
                          WM_MBUTTONDOWN, WM_NCLBUTTONDOWN, WM_NCRBUTTONDOWN, WM_NCMBUTTONDOWN};
    for (UINT message : taken) {
        pages.clear();
        ShowSplash();
        ASSERT_NE(CSplashWnd::Current(), nullptr);
        EXPECT_TRUE(Offer(message)) << message;
        EXPECT_EQ(CSplashWnd::Current(), nullptr) << message;
        EXPECT_EQ(pages, std::vector<CString>{"Informacja"}) << message;
        // The splash is gone: the next key is the program's.
        EXPECT_FALSE(Offer(message)) << message;
    }
}

TEST_F(StartupTest, SplashLetsOtherMessagesPass)
{
    ShowSplash();
    for (UINT message : {WM_MOUSEMOVE, WM_KEYUP, WM_CHAR, WM_LBUTTONUP, WM_TIMER}) {
        EXPECT_FALSE(Offer(message)) << message;
        EXPECT_NE(CSplashWnd::Current(), nullptr) << message;
    }
    EXPECT_TRUE(pages.empty());
}

TEST_F(StartupTest, WithTheSplashSwitchedOffNothingIsShown)
{
    CSplashWnd::EnableSplashScreen(FALSE);
    CSplashWnd::ShowSplashScreen(frame);
    EXPECT_EQ(CSplashWnd::Current(), nullptr);
    EXPECT_FALSE(Offer(WM_LBUTTONDOWN));
    EXPECT_TRUE(pages.empty());
}

TEST_F(StartupTest, StartUpPageShowsTheShippedGreetingTicked)
{
    frame->ShowStartupPage();
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_TRUE(tickedAtOpening);
    EXPECT_GE(pageText.Find("Witamy w programie Morvelank"), 0);
    EXPECT_TRUE(app.Greetings);
}

TEST_F(StartupTest, UntickedStartUpPageIsNotShownAgain)
{
    keepShowing = false;
    frame->ShowStartupPage();
    EXPECT_FALSE(app.Greetings);
    EXPECT_EQ(CMorvelankApp::ReadRegString(kSettingsKey, "greetings", HKEY_CURRENT_USER), "0");

    pages.clear();
    frame->ShowStartupPage();
    EXPECT_TRUE(pages.empty());
    CMorvelankApp::WriteRegString("greetings", "1", HKEY_CURRENT_USER, kSettingsKey);
}

TEST_F(StartupTest, MissingStartUpPageShowsNothing)
{
    ::DeleteFileW(Wide(folder.Path() + "\\reklama\\powitanie.htm").c_str());
    frame->ShowStartupPage();
    EXPECT_TRUE(pages.empty());
}

class RecordingHtmlCtrl : public CHtmlCtrl {
public:
    void OnAppCmd(LPCTSTR lpszWhere) override { commands.push_back(lpszWhere); }
    std::vector<CString> commands;
};

// A click on an "app:" link, in either letter case, reaches the handler with the text after
// "app:" and leaves the page where it was.
TEST_F(StartupTest, AppLinksReachTheHandlerAndGoNowhere)
{
    const int kPlaceholder = IDC_PREVIEW_PLACEHOLDER;
    HWND placeholder = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 10, 20, 600, 400, frame->m_hWnd,
                                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(kPlaceholder)), nullptr, nullptr);
    ASSERT_NE(placeholder, nullptr);
    RecordingHtmlCtrl page;
    EXPECT_FALSE(page.CreateFromStatic(kPlaceholder + 1, frame));
    ASSERT_TRUE(page.CreateFromStatic(kPlaceholder, frame));
    EXPECT_FALSE(::IsWindow(placeholder));
    EXPECT_EQ(::GetDlgCtrlID(page.m_hWnd), kPlaceholder);
    CRect place;
    page.GetWindowRect(&place);
    frame->ScreenToClient(&place);
    EXPECT_EQ(place, CRect(10, 20, 610, 420));

    page.Navigate2(SourcePath("fixtures/linki.htm"));
    const CString shown = page.GetLocationURL();
    ASSERT_EQ(page.GetLinkCount(), 2);
    CRichEditCtrl &text = page.GetRichEditCtrl();
    for (int link = 0; link < 2; ++link) {
        const CHARRANGE range = page.GetLinkRange(link);
        POINTL at{};
        text.SendMessage(EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&at), range.cpMin + 1);
        const LPARAM where = MAKELPARAM(at.x + 1, at.y + 2);
        text.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, where);
        text.SendMessage(WM_LBUTTONUP, 0, where);
        PumpMessages();
    }
    EXPECT_EQ(page.commands, (std::vector<CString>{"nowe", "oferta"}));
    EXPECT_EQ(page.GetLocationURL(), shown);
    page.DestroyWindow();
}

} // namespace
