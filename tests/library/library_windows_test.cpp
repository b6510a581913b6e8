// The library windows in the real main window: registered at start-up, opened by their
// commands on their templates, filled from their configuration, single and re-activated.
#include <gtest/gtest.h>

#include <memory>

#include "app/morvelank_app.h"
#include "framework/ui/docview.h"
#include "framework/ui/testhook.h"
#include "library_test_support.h"
#include "mainframe/library/library_frames.h"
#include "mainframe/library/library_tree.h"
#include "mainframe/library/zp_tree_left_view.h"
#include "mainframe/library/zp_umowy_view.h"
#include "mainframe/main_frame.h"
#include "program/document_templates.h"
#include "res/resource.h"

namespace {

struct ShownMessage {
    CString text;
    CString caption;
    UINT type;
};

// Records whether the handler enabled the command.
class RecordingCmdUI : public CCmdUI {
public:
    void Enable(BOOL on) override { enabled = on; }
    BOOL enabled = -1;
};

struct Library {
    UINT command; // 0: reached through its template only
    CMultiDocTemplate *CMorvelankApp::*docTemplate;
    const char *configFile;
    const char *windowTitle;
    const char *rootText;
    const char *statusName;
};

const Library kLibraries[] = {
    {ID_DOKUMENTY_ZP, &CMorvelankApp::ZpTemplate, "zp.cnf", "ZP", "Dokumenty ZP", "ZP"},
    {ID_CIEKAWE_ARTYKULY, &CMorvelankApp::ArticlesTemplate, "ciekawe_artykuly.cnf", "Instrukcje, ciekawe artykuły",
     "Instrukcje, ciekawe artykuły", "Instrukcje, ciekawe artykuły"},
    {0, &CMorvelankApp::RulingsTemplate, "orzeczenia_kio.cnf", "Orzeczenia KIO", "Orzeczenia KIO", ""},
};

class LibraryWindowsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ::LoadLibraryA("MSFTEDIT.DLL");
        hook.onMessageBox = [this](const CString &text, const CString &caption, UINT type) {
            messages.push_back({text, caption, type});
            return IDOK;
        };
        hookScope = std::make_unique<CTestHookScope>(hook);
        app.MainPath = folder.Path();
        app.SchedulePath = folder.Path() + "\\terminarz";
        CreateDirectoryPath(app.SchedulePath);
        WriteLibraryFile(folder.Path() + "\\DB\\morvelank.mdb", "");
        WriteLibraryFile(folder.Path() + "\\DB\\rejestry.mdb", "");
        CreateDocumentTemplates(app);

        frame = new CMainFrame;
        app.m_pMainWnd = frame;
        ASSERT_TRUE(frame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW));
        frame->MoveWindow(0, 0, 1000, 700);
        frame->ShowWindow(SW_SHOW);
    }

    void TearDown() override
    {
        if (frame && ::IsWindow(frame->GetSafeHwnd()))
            frame->DestroyWindow();
        MSG quit;
        while (::PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {}
        app.CloseMainDB();
        app.CloseRejestryDB();
    }

    void WriteConfig(const char *file, const CString &text)
    {
        WriteLibraryFile(folder.Path() + "\\cnf\\202509\\" + file, text);
    }

    // A library of a first document shown in the view, a group and one more document.
    void WriteLibrary(const Library &library)
    {
        WriteConfig(library.configFile, CString("+wstep_") + library.configFile
                                            + ".rtf;Wstęp\n"
                                              "$;Grupa\n"
                                              "dalej.pdf;Dalej\n");
        WriteLibraryFile(folder.Path() + "\\zp\\wstep_" + library.configFile + ".rtf",
                         SmallRtf("Tre\\'9c\\'e6 biblioteki"));
    }

    CLibraryFrame *Open(const Library &library)
    {
        if (library.command)
            frame->SendMessage(WM_COMMAND, library.command);
        else
            (app.*library.docTemplate)->OpenDocumentFile(nullptr);
        return dynamic_cast<CLibraryFrame *>(frame->MDIGetActive());
    }

    int DocumentCount(CMultiDocTemplate *docTemplate) const
    {
        int count = 0;
        for (POSITION pos = docTemplate->GetFirstDocPosition(); pos; docTemplate->GetNextDoc(pos))
            ++count;
        return count;
    }

    CString ViewText(CLibraryFrame *library) const
    {
        CString text;
        library->GetView()->GetWindowText(text);
        return text;
    }

    CString Pane(int index) { return frame->StatusBar().GetPaneText(index); }

    TempFolder folder;
    CMorvelankApp app;
    CMainFrame *frame = nullptr;
    CTestHook hook;
    std::unique_ptr<CTestHookScope> hookScope;
    std::vector<ShownMessage> messages;
};

} // namespace

TEST_F(LibraryWindowsTest, StartUpRegistersTheSevenTemplatesInFieldOrder)
{
    struct Expected {
        UINT resource;
        const char *frame;
        const char *view;
    } expected[] = {
        {129, "CChildFrame", "CMorvelankView"},       {319, "CZPFrame", "CZPUmowyView"},
        {318, "CChildFrame", "CMorvelankView"},       {320, "CCiekaweFrame", "CZPUmowyView"},
        {320, "COrzeczeniaKIOFrame", "CZPUmowyView"}, {376, "CChildFrame", "CMorvelankView"},
        {379, "CChildFrame", "CMorvelankView"},
    };
    size_t index = 0;
    for (POSITION pos = app.GetFirstDocTemplatePosition(); pos; ++index) {
        CDocTemplate *docTemplate = app.GetNextDocTemplate(pos);
        ASSERT_LT(index, std::size(expected));
        EXPECT_EQ(docTemplate->m_nIDResource, expected[index].resource) << index;
        EXPECT_STREQ(docTemplate->m_pFrameClass->m_lpszClassName, expected[index].frame) << index;
        EXPECT_STREQ(docTemplate->m_pViewClass->m_lpszClassName, expected[index].view) << index;
        EXPECT_STREQ(docTemplate->m_pDocClass->m_lpszClassName, "CMorvelankDoc") << index;
        EXPECT_EQ(docTemplate->m_nIDContainerResource, 6u) << index;
    }
    EXPECT_EQ(index, std::size(expected));

    for (UINT command : {ID_DOKUMENTY_ZP, ID_CIEKAWE_ARTYKULY}) {
        RecordingCmdUI update;
        update.m_nID = command;
        update.DoUpdate(frame, FALSE);
        EXPECT_EQ(update.enabled, TRUE) << command;
    }
}

TEST_F(LibraryWindowsTest, EachLibraryOpensFilledFromItsConfiguration)
{
    for (const Library &library : kLibraries) {
        WriteLibrary(library);
        CLibraryFrame *window = Open(library);
        ASSERT_NE(window, nullptr) << library.windowTitle;
        EXPECT_NE((app.*library.docTemplate)->GetFirstDocPosition(), nullptr);

        CString title;
        window->GetWindowText(title);
        EXPECT_EQ(title, library.windowTitle);

        CTreeCtrl &tree = window->GetTree()->GetTreeCtrl();
        HTREEITEM root = tree.GetRootItem();
        EXPECT_EQ(tree.GetItemText(root), library.rootText);
        HTREEITEM first = tree.GetChildItem(root);
        ASSERT_NE(first, nullptr);
        EXPECT_EQ(tree.GetItemText(first), "Wstęp");
        EXPECT_EQ(tree.GetSelectedItem(), first);
        HTREEITEM group = tree.GetNextSiblingItem(first);
        ASSERT_NE(group, nullptr);
        EXPECT_EQ(tree.GetItemText(tree.GetChildItem(group)), "Dalej");

        EXPECT_EQ(ViewText(window).Find("Treść biblioteki"), 0) << library.windowTitle;
        EXPECT_EQ(window->GetView()->GetCurrentEntry(), 0);
        EXPECT_EQ(Pane(0), "Gotowe");
        EXPECT_EQ(Pane(1), "Wstęp");
        EXPECT_EQ(Pane(3), library.statusName);
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(LibraryWindowsTest, SecondCommandActivatesTheOpenWindow)
{
    for (const Library &library : kLibraries)
        WriteLibrary(library);
    CLibraryFrame *zp = Open(kLibraries[0]);
    CLibraryFrame *articles = Open(kLibraries[1]);
    ASSERT_NE(zp, nullptr);
    ASSERT_NE(articles, nullptr);
    EXPECT_NE(zp, articles);

    EXPECT_EQ(Open(kLibraries[0]), zp);
    EXPECT_EQ(Open(kLibraries[1]), articles);
    EXPECT_EQ(DocumentCount(app.ZpTemplate), 1);
    EXPECT_EQ(DocumentCount(app.ArticlesTemplate), 1);
    EXPECT_EQ(app.ZpWindow, zp);
    EXPECT_EQ(app.ArticlesWindow, articles);

    // Once closed, the remembered window is stale: the command opens a new one.
    zp->SendMessage(WM_CLOSE);
    EXPECT_EQ(DocumentCount(app.ZpTemplate), 0);
    CLibraryFrame *again = Open(kLibraries[0]);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(DocumentCount(app.ZpTemplate), 1);
    EXPECT_EQ(app.ZpWindow, again);
}

TEST_F(LibraryWindowsTest, MissingConfigurationIsReportedAndLeavesTheRootOnly)
{
    for (const Library &library : kLibraries) {
        messages.clear();
        CLibraryFrame *window = Open(library);
        ASSERT_NE(window, nullptr);
        ASSERT_EQ(messages.size(), 1u) << library.windowTitle;
        EXPECT_EQ(messages[0].text, "Błąd otwarcia pliku: " + folder.Path() + "\\cnf\\202509\\" + library.configFile);
        EXPECT_EQ(messages[0].caption, "Błąd");
        EXPECT_EQ(messages[0].type & MB_ICONMASK, (UINT)MB_ICONWARNING);
        CTreeCtrl &tree = window->GetTree()->GetTreeCtrl();
        EXPECT_EQ(tree.GetCount(), 1u);
        EXPECT_EQ(tree.GetItemText(tree.GetRootItem()), library.rootText);
        EXPECT_EQ(ViewText(window), "");
    }
}

TEST_F(LibraryWindowsTest, DoubleClickOpensOnlyDocumentsAndReportsMissingOnes)
{
    WriteConfig("zp.cnf", "x;Nagłówek\n"
                          "strona.htm;Strona\n"
                          "+$brak.doc;Brakujący wzór\n");
    CLibraryFrame *window = Open(kLibraries[0]);
    ASSERT_NE(window, nullptr);
    CTreeCtrl &tree = window->GetTree()->GetTreeCtrl();
    HTREEITEM heading = tree.GetChildItem(tree.GetRootItem());
    HTREEITEM page = tree.GetNextSiblingItem(heading);
    HTREEITEM missing = tree.GetChildItem(heading);
    ASSERT_NE(page, nullptr);
    ASSERT_NE(missing, nullptr);
    messages.clear();

    for (HTREEITEM quiet : {tree.GetRootItem(), heading, page}) {
        tree.SelectItem(quiet);
        window->GetTree()->OpenItem();
    }
    EXPECT_TRUE(messages.empty());

    tree.SelectItem(missing);
    NMHDR click = {tree.GetSafeHwnd(), (UINT_PTR)tree.GetDlgCtrlID(), (UINT)NM_DBLCLK};
    window->GetTree()->GetParent()->SendMessage(WM_NOTIFY, click.idFrom, (LPARAM)&click);
    ASSERT_EQ(messages.size(), 1u);
    // The marks are no part of the file's name.
    EXPECT_EQ(messages[0].text, "Plik: " + folder.Path() + "\\zp\\brak.doc nie istnieje");
    EXPECT_EQ(messages[0].caption, "Błąd");
    EXPECT_EQ(messages[0].type & MB_ICONMASK, (UINT)MB_ICONERROR);
}

TEST_F(LibraryWindowsTest, ClosingEmptiesTheLibraryPanes)
{
    WriteLibrary(kLibraries[0]);
    CLibraryFrame *window = Open(kLibraries[0]);
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(Pane(3), "ZP");
    window->SendMessage(WM_CLOSE);
    for (int pane = 1; pane <= 3; ++pane)
        EXPECT_EQ(Pane(pane), "") << pane;
}

TEST_F(LibraryWindowsTest, RulingsWindowRefreshesTheStatusWhenActivated)
{
    for (const Library &library : kLibraries)
        WriteLibrary(library);
    CLibraryFrame *rulings = Open(kLibraries[2]);
    ASSERT_NE(rulings, nullptr);
    EXPECT_EQ(rulings->GetStyle() & FWS_ADDTOTITLE, 0u);
    Open(kLibraries[0]);
    ASSERT_EQ(Pane(3), "ZP");
    frame->MDIActivate(rulings);
    EXPECT_EQ(Pane(1), "Wstęp");
    EXPECT_EQ(Pane(3), "");
}
