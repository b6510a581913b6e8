// The MDI frame: children of two templates, command routing, closing with the save question,
// opening files through the document manager.
#include "docview_fixture.h"

#include <string>

namespace {

// A folder of the test's own under the temporary folder.
CString TempFolder(const char *name)
{
    wchar_t path[MAX_PATH] = L"";
    ::GetTempPathW(MAX_PATH, path);
    CString folder = WideToCp1250(path);
    folder += name;
    ::CreateDirectoryW(Cp1250ToWide(folder).c_str(), nullptr);
    return folder;
}

CString WriteTestDocument(const CString &path, const CString &text)
{
    CFile file(path, CFile::modeCreate | CFile::modeWrite);
    CArchive ar(&file, CArchive::store);
    ar << text;
    ar.Close();
    return path;
}

int FilesIn(const CString &folder)
{
    WIN32_FIND_DATAW data;
    HANDLE find = ::FindFirstFileW(Cp1250ToWide(folder + "\\*").c_str(), &data);
    int count = 0;
    if (find == INVALID_HANDLE_VALUE)
        return 0;
    do {
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            ++count;
    } while (::FindNextFileW(find, &data));
    ::FindClose(find);
    return count;
}

TestView *ViewOf(CDocument *doc)
{
    POSITION pos = doc->GetFirstViewPosition();
    return pos ? dynamic_cast<TestView *>(doc->GetNextView(pos)) : nullptr;
}

int DocumentCount(CDocTemplate *docTemplate)
{
    int count = 0;
    POSITION pos = docTemplate->GetFirstDocPosition();
    while (pos != nullptr) {
        docTemplate->GetNextDoc(pos);
        ++count;
    }
    return count;
}

} // namespace

TEST_F(DocViewTest, ChildrenOfTwoTemplatesOpenAndTheActiveOneTakesTheCommands)
{
    CDocument *first = plainTemplate->OpenDocumentFile(nullptr);
    CDocument *second = namedTemplate->OpenDocumentFile(nullptr);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_STREQ(first->GetTitle(), "Bez tytułu1"); // no document name: the default one
    EXPECT_STREQ(second->GetTitle(), "Dokument1");

    TestView *firstView = ViewOf(first);
    TestView *secondView = ViewOf(second);
    ASSERT_NE(firstView, nullptr);
    ASSERT_NE(secondView, nullptr);
    EXPECT_EQ(firstView->m_nInitialUpdates, 1);
    EXPECT_EQ(secondView->m_nInitialUpdates, 1);
    EXPECT_GE(secondView->m_nActivations, 1);

    CMDIChildWnd *active = frame->MDIGetActive();
    ASSERT_NE(active, nullptr);
    EXPECT_EQ(active->GetActiveView(), secondView);
    EXPECT_EQ(frame->GetActiveDocument(), second);
    EXPECT_EQ(WideWindowText(active->m_hWnd), L"Dokument1");

    // Each command goes to the first of view, document, child, main frame, application.
    for (UINT id : {ID_TEST_ROUTED, ID_TEST_DOC_CMD, ID_TEST_FRAME_CMD, ID_TEST_APP_CMD})
        frame->SendMessage(WM_COMMAND, id);
    std::vector<CString> expected = {"view:34000", "doc:34005", "frame:34007", "app:34006"};
    ASSERT_EQ(TheCommandLog().entries.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_STREQ(TheCommandLog().entries[i], expected[i]);

    // Activating the other child moves the view command there.
    frame->MDIActivate(firstView->GetParentFrame());
    EXPECT_EQ(frame->GetActiveDocument(), first);
    EXPECT_EQ(::GetFocus(), firstView->m_hWnd);
    TheCommandLog().entries.clear();
    frame->SendMessage(WM_COMMAND, ID_TEST_ROUTED);
    ASSERT_EQ(TheCommandLog().entries.size(), 1u);
    EXPECT_EQ(firstView->GetParentFrame(), frame->MDIGetActive());

    frame->SendMessage(WM_COMMAND, ID_WINDOW_TILE_VERT);
    CRect a, b;
    firstView->GetParentFrame()->GetWindowRect(&a);
    secondView->GetParentFrame()->GetWindowRect(&b);
    EXPECT_EQ(a.top, b.top); // side by side
    EXPECT_NE(a.left, b.left);
}

TEST_F(DocViewTest, ClosingAChildAsksItsDocumentWhetherToSave)
{
    CString folder = TempFolder("morvelank-zamykanie");
    CString path = folder + "\\zamknięcie.mvt";
    struct Case {
        int answer;
        bool windowStays;
        bool saved;
    };
    const Case cases[] = {{IDCANCEL, true, false}, {IDNO, false, false}, {IDYES, false, true}};
    for (const Case &c : cases) {
        ::DeleteFileW(Cp1250ToWide(path).c_str());
        TestDoc *doc = dynamic_cast<TestDoc *>(namedTemplate->OpenDocumentFile(nullptr));
        ASSERT_NE(doc, nullptr);
        doc->SetPathName(path, FALSE);
        doc->m_text = "treść do zapisania";
        doc->SetModifiedFlag();
        CFrameWnd *child = ViewOf(doc)->GetParentFrame();
        HWND childWindow = child->m_hWnd;

        CTestHook hook;
        CString asked;
        hook.onMessageBox = [&](const CString &text, const CString &, UINT) {
            asked = text;
            return c.answer;
        };
        CTestHookScope scope(hook);
        ::SendMessageW(childWindow, WM_CLOSE, 0, 0);

        EXPECT_STREQ(asked, "Czy zapisać zmiany w dokumencie zamknięcie.mvt?") << c.answer;
        EXPECT_EQ(::IsWindow(childWindow) != FALSE, c.windowStays) << c.answer;
        EXPECT_EQ(DocumentCount(namedTemplate), c.windowStays ? 1 : 0) << c.answer;
        EXPECT_EQ(::GetFileAttributesW(Cp1250ToWide(path).c_str()) != INVALID_FILE_ATTRIBUTES, c.saved) << c.answer;
        if (c.windowStays) {
            doc->SetModifiedFlag(FALSE);
            ::SendMessageW(childWindow, WM_CLOSE, 0, 0);
            EXPECT_FALSE(::IsWindow(childWindow));
        }
    }
    // The saved file holds the text, and no temporary file was left beside it.
    CFile file(path, CFile::modeRead);
    CArchive ar(&file, CArchive::load);
    CString text;
    ar >> text;
    EXPECT_STREQ(text, "treść do zapisania");
    EXPECT_EQ(FilesIn(folder), 1);
}

TEST_F(DocViewTest, FilesOpenThroughTheTemplateThatFitsThemAndOnlyOnce)
{
    CString folder = TempFolder("morvelank-otwieranie");
    CString named = WriteTestDocument(folder + "\\wniosek.MVT", "z szablonu z rozszerzeniem");
    CString other = WriteTestDocument(folder + "\\postępowanie.baz", "z pierwszego szablonu");

    CCommandLineInfo command;
    command.ParseParam(named, FALSE, TRUE);
    EXPECT_TRUE(app.ProcessShellCommand(command));
    EXPECT_EQ(DocumentCount(namedTemplate), 1);
    TestDoc *doc = dynamic_cast<TestDoc *>(frame->GetActiveDocument());
    ASSERT_NE(doc, nullptr);
    EXPECT_STREQ(doc->m_text, "z szablonu z rozszerzeniem");
    EXPECT_STREQ(doc->GetTitle(), "wniosek.MVT");

    // No extension fits: the first template added takes it.
    EXPECT_NE(app.OpenDocumentFile(other), nullptr);
    EXPECT_EQ(DocumentCount(plainTemplate), 1);

    // Opening an open file again brings its window forward instead.
    EXPECT_EQ(app.OpenDocumentFile(named), doc);
    EXPECT_EQ(DocumentCount(namedTemplate), 1);
    EXPECT_EQ(frame->GetActiveDocument(), doc);

    // File New offers only the template with a document name.
    frame->SendMessage(WM_COMMAND, ID_FILE_NEW);
    EXPECT_EQ(DocumentCount(namedTemplate), 2);
    EXPECT_EQ(DocumentCount(plainTemplate), 1);
}

TEST_F(DocViewTest, FileThatCannotBeReadLeavesNoWindowAndSaysWhy)
{
    CString folder = TempFolder("morvelank-uszkodzony");
    CString damaged = folder + "\\uszkodzony.mvt";
    {
        CFile file(damaged, CFile::modeCreate | CFile::modeWrite);
        const char bytes[] = {'\xFF', '\x40', '\x00'}; // a length longer than the file
        file.Write(bytes, sizeof bytes);
    }
    struct Case {
        CString path;
    };
    const Case cases[] = {{folder + "\\brak.mvt"}, {damaged}};
    for (const Case &c : cases) {
        std::vector<CString> messages;
        CTestHook hook;
        hook.onMessageBox = [&](const CString &text, const CString &, UINT) {
            messages.push_back(text);
            return IDOK;
        };
        CTestHookScope scope(hook);
        EXPECT_EQ(app.OpenDocumentFile(c.path), nullptr) << c.path;
        ASSERT_EQ(messages.size(), 1u) << c.path;
        EXPECT_EQ(messages[0].Find("Nie udało się otworzyć dokumentu"), 0) << messages[0];
        EXPECT_EQ(DocumentCount(namedTemplate), 0);
        EXPECT_EQ(frame->MDIGetActive(), nullptr);
    }
    CCommandLineInfo command;
    command.ParseParam(folder + "\\brak.mvt", FALSE, TRUE);
    CTestHook quiet;
    CTestHookScope scope(quiet);
    EXPECT_FALSE(app.ProcessShellCommand(command));
}

TEST_F(DocViewTest, ClosingTheMainWindowClosesEveryDocumentUnlessOneRefuses)
{
    TestDoc *doc = dynamic_cast<TestDoc *>(namedTemplate->OpenDocumentFile(nullptr));
    ASSERT_NE(doc, nullptr);
    plainTemplate->OpenDocumentFile(nullptr);
    doc->SetModifiedFlag();
    HWND main = frame->m_hWnd;
    {
        CTestHook hook;
        hook.onMessageBox = [](const CString &, const CString &, UINT) { return IDCANCEL; };
        CTestHookScope scope(hook);
        ::SendMessageW(main, WM_CLOSE, 0, 0);
    }
    EXPECT_TRUE(::IsWindow(main));
    EXPECT_EQ(DocumentCount(namedTemplate), 1);
    {
        CTestHook hook;
        hook.onMessageBox = [](const CString &, const CString &, UINT) { return IDNO; };
        CTestHookScope scope(hook);
        ::SendMessageW(main, WM_CLOSE, 0, 0);
    }
    EXPECT_FALSE(::IsWindow(main));
    EXPECT_EQ(app.m_pMainWnd, nullptr);
    EXPECT_EQ(DocumentCount(namedTemplate) + DocumentCount(plainTemplate), 0);
    frame = nullptr;
}

// A program that names its child window itself keeps that name through idle time; a new
// document title still reaches the window.
TEST_F(DocViewTest, ChildTitleSetByTheProgramSurvivesIdleUntilTheDocumentTitleChanges)
{
    CDocument *doc = plainTemplate->OpenDocumentFile(nullptr);
    ASSERT_NE(doc, nullptr);
    CFrameWnd *child = ViewOf(doc)->GetParentFrame();
    child->SetWindowText("Postępowanie::przetarg");
    frame->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    frame->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
    EXPECT_EQ(WideWindowText(child->m_hWnd), L"Post\u0119powanie::przetarg");

    doc->SetTitle("umowa");
    EXPECT_EQ(WideWindowText(child->m_hWnd), L"umowa");
}
