// The proceeding window's frame: its panes, the kind it gives the view, its update rules, the
// word-wrap marks, the closing sequence, the template restoring and the header and footer.
#include "frame_fixture.h"
#include "model/view_tables.h"

#include "model/file_utils.h"
#include "document/item_codes.h"
#include "framework/core/codepage.h"
#include "framework/ui/dialog.h"
#include "res/resource.h"

namespace {

bool IsMenuChecked(HMENU menu, UINT id)
{
    return (::GetMenuState(menu, id, MF_BYCOMMAND) & MF_CHECKED) != 0;
}

} // namespace

TEST_F(ProceedingWindowTest, CreationSplitsTheFrameIntoTreeAndViewAndLinksThem)
{
    CSplitterWnd &splitter = child->GetSplitter();
    EXPECT_EQ(splitter.GetRowCount(), 1);
    EXPECT_EQ(splitter.GetColumnCount(), 2);
    EXPECT_EQ(splitter.GetPane(0, 0), tree);
    EXPECT_EQ(splitter.GetPane(0, 1), static_cast<CWnd *>(view));
    int width = 0, minimum = -1;
    splitter.GetColumnInfo(0, width, minimum);
    EXPECT_EQ(width, 150);
    EXPECT_EQ(minimum, 0);
    EXPECT_EQ(child->GetActiveView(), tree);
    EXPECT_EQ(view->tree, tree);
    EXPECT_EQ(view->kind, 0);
    EXPECT_EQ(child->GetWrapMode(), 2);
    EXPECT_EQ(app.ProceedingWindow, child);

    // The application never keeps a window that is gone.
    child->DestroyWindow();
    EXPECT_EQ(app.ProceedingWindow, nullptr);
}

TEST_F(ProceedingWindowTest, TheViewTakesItsKindFromTheTemplateThatMadeTheWindow)
{
    CMultiDocTemplate *CMorvelankApp::*members[] = {&CMorvelankApp::ContractsTemplate, &CMorvelankApp::RemediesTemplate,
                                                    &CMorvelankApp::FormsTemplate, &CMorvelankApp::ZpTemplate};
    const int kinds[] = {3, 6, 8, -7}; // a template of no proceeding kind leaves the view's own
    for (int i = 0; i < 4; ++i) {
        auto *other = new CMultiDocTemplate(IDR_PROCEEDING, RUNTIME_CLASS(TestProceedingDoc),
                                            RUNTIME_CLASS(CChildFrame), RUNTIME_CLASS(FakeProceedingView));
        app.AddDocTemplate(other);
        app.*members[i] = other;
        ASSERT_NE(other->OpenDocumentFile(nullptr), nullptr);
        auto *window = dynamic_cast<CChildFrame *>(frame->MDIGetActive());
        ASSERT_NE(window, nullptr);
        ASSERT_NE(window, child);
        auto *otherView = dynamic_cast<FakeProceedingView *>(window->GetView());
        ASSERT_NE(otherView, nullptr);
        EXPECT_EQ(otherView->kind, kinds[i]) << i;
        window->DestroyWindow();
    }
}

TEST_F(ProceedingWindowTest, SaveAndTheKindZeroCommandsFollowTheKindAndTheModifiedFlag)
{
    FillTree();
    tree->GetTreeCtrl().SelectItem(FindItem(MakeItemCode(5, 0)));
    const struct {
        int kind;
        int modified;
        bool save;
        bool protect;
    } cases[] = {
        {0, 1, true, true},   {0, 0, false, true}, {1, 1, false, false}, {3, 1, true, false},
        {5, 1, false, false}, {6, 1, true, false}, {8, 1, true, false},  {8, 0, false, false},
    };
    for (const auto &c : cases) {
        view->kind = c.kind;
        view->modified = c.modified;
        EXPECT_EQ(Update(ID_ZAPISZ_POSTEPOWANIE).enabled, c.save ? 1 : 0) << c.kind << "/" << c.modified;
        EXPECT_EQ(Update(ID_ZABEZPIECZENIE_DOKUMENTU).enabled, c.protect ? 1 : 0) << c.kind;
    }

    view->modified = 1;
    view->kind = 0;
    Command(ID_ZAPISZ_POSTEPOWANIE);
    ASSERT_EQ(view->saves.size(), 1u);
    EXPECT_STREQ(view->saves[0], "0,0,0");
}

TEST_F(ProceedingWindowTest, ProtectionActsOnTheSelectedDocumentOnly)
{
    FillTree();
    view->kind = 0;
    tree->GetTreeCtrl().SelectItem(FindItem(MakeItemCode(0, 2), FindItem(MakeItemCode(0, 0))));
    EXPECT_EQ(Update(ID_ZABEZPIECZENIE_DOKUMENTU).enabled, 1);
    Command(ID_ZABEZPIECZENIE_DOKUMENTU);
    EXPECT_EQ(view->tables->m_documents[0].secured, 1);

    // Own files, their folder and the reserved code are no documents.
    for (int code : {kItemOwnFile, kItemMyDocuments, kItemReserved}) {
        CTreeCtrl &control = tree->GetTreeCtrl();
        HTREEITEM item = control.InsertItem("x", 0, 0, root);
        control.SetItemData(item, code);
        control.SelectItem(item);
        EXPECT_EQ(Update(ID_ZABEZPIECZENIE_DOKUMENTU).enabled, 0) << code;
        Command(ID_ZABEZPIECZENIE_DOKUMENTU);
    }
    EXPECT_EQ(view->tables->m_documents[0].secured, 1);
}

TEST_F(ProceedingWindowTest, SaveAsPasswordPropertiesArchiveAndPageSetUpReachTheViewForTheirKinds)
{
    const struct {
        int kind;
        bool saveAs;
        bool kindZero;
    } cases[] = {{0, true, true},   {1, false, false}, {3, true, false},
                 {5, false, false}, {6, true, false},  {8, true, false}};
    for (const auto &c : cases) {
        view->kind = c.kind;
        view->modified = 0; // Save As does not wait for a change
        EXPECT_EQ(Update(ID_ZAPISZ_JAKO).enabled, c.saveAs ? 1 : 0) << c.kind;
        EXPECT_EQ(Update(ID_ZMIEN_HASLO).enabled, c.kindZero ? 1 : 0) << c.kind;
        EXPECT_EQ(Update(ID_WLASNOSCI_DOKUMENTOW).enabled, c.kindZero ? 1 : 0) << c.kind;
        EXPECT_EQ(Update(ID_PRZENIES_DO_ARCHIWUM).enabled, c.kindZero ? 1 : 0) << c.kind;
    }

    view->kind = 0;
    for (UINT id : {UINT(ID_ZAPISZ_JAKO), UINT(ID_ZMIEN_HASLO), UINT(ID_WLASNOSCI_DOKUMENTOW), UINT(57606),
                    UINT(ID_PRZENIES_DO_ARCHIWUM), UINT(ID_EDYTOR_SZABLONOW)})
        Command(id); // 57606: "&Ustawienia strony"
    const std::vector<CString> expected = {"SaveProceedingAs", "ChangePassword", "EditDocumentProperties",
                                           "GetPageSize",      "MoveToArchive",  "StartTemplateEditor"};
    EXPECT_EQ(view->commands, expected);
}

TEST_F(ProceedingWindowTest, WordWrapCommandsMarkTheModeInForce)
{
    EXPECT_EQ(Update(ID_ZAWIJANIE_WYDRUK).checked, 1);
    EXPECT_EQ(Update(ID_ZAWIJANIE_OKNO).checked, 0);

    Command(ID_ZAWIJANIE_OKNO);
    EXPECT_EQ(view->wrapModes, std::vector<int>{1});
    EXPECT_EQ(frame->bars, std::vector<int>{1}); // main toolbar shown
    EXPECT_EQ(Update(ID_ZAWIJANIE_OKNO).checked, 1);
    EXPECT_EQ(Update(ID_ZAWIJANIE_WYDRUK).checked, 0);
    HMENU menu = ::GetMenu(frame->m_hWnd);
    EXPECT_TRUE(IsMenuChecked(menu, ID_ZAWIJANIE_OKNO));
    EXPECT_FALSE(IsMenuChecked(menu, ID_ZAWIJANIE_WYDRUK));

    Command(ID_ZAWIJANIE_BRAK);
    EXPECT_EQ(view->wrapModes, (std::vector<int>{1, 0}));
    EXPECT_EQ(Update(ID_ZAWIJANIE_OKNO).checked, 0);
    EXPECT_EQ(Update(ID_ZAWIJANIE_WYDRUK).checked, 0);
    EXPECT_FALSE(IsMenuChecked(menu, ID_ZAWIJANIE_OKNO));
}

TEST_F(ProceedingWindowTest, DocumentTreeMarkShowsWhetherTheTreeColumnIsOpen)
{
    EXPECT_EQ(Update(ID_DRZEWO_DOKUMENTOW).checked, 1);
    child->GetSplitter().SetColumnInfo(0, 0, 0);
    child->GetSplitter().RecalcLayout();
    EXPECT_EQ(Update(ID_DRZEWO_DOKUMENTOW).checked, 0);
}

TEST_F(ProceedingWindowTest, MultipartLayoutAndSpecificationRulesComeFromTheView)
{
    EXPECT_EQ(Update(ID_UKLAD_WIELOZADANIOWY).enabled, 0);
    view->multipartEnabled = true;
    EXPECT_EQ(Update(ID_UKLAD_WIELOZADANIOWY).enabled, 1);
    Command(ID_UKLAD_WIELOZADANIOWY);
    EXPECT_EQ(view->regenerations, 1);

    // The text-format bar is shown, and the wizard offered, exactly while the shown document
    // is the editable specification.
    view->currentDocument = 4;
    EXPECT_EQ(Update(ID_KREATOR_SPECYFIKACJI).enabled, 1);
    EXPECT_EQ(frame->formatBar.back(), 1);
    Command(ID_KREATOR_SPECYFIKACJI);
    view->currentDocument = 0;
    EXPECT_EQ(Update(ID_KREATOR_SPECYFIKACJI).enabled, 0);
    EXPECT_EQ(frame->formatBar.back(), 0);
    Command(ID_KREATOR_SPECYFIKACJI);
    EXPECT_EQ(view->specificationWizardRuns, 1);
}

TEST_F(ProceedingWindowTest, ClearingTemplatesCopiesOnlyForTheNewestVersionAfterYes)
{
    const CString installed = app.MainPath + "\\szablony_202509";
    ::CreateDirectoryW(Cp1250ToWide(installed).c_str(), nullptr);
    ::CreateDirectoryW(Cp1250ToWide(installed + "\\p130").c_str(), nullptr);
    ASSERT_TRUE(WriteTextFile(installed + "\\p130\\zapytanie.rtf", "{\\rtf1 oryginał}"));
    ::CreateDirectoryW(Cp1250ToWide(app.UserTemplatesPath).c_str(), nullptr);
    const CString privateOnly = app.UserTemplatesPath + "\\moj.rtf";
    ASSERT_TRUE(WriteTextFile(privateOnly, "{\\rtf1 mój}"));
    const CString restored = app.UserTemplatesPath + "\\p130\\zapytanie.rtf";

    const struct {
        int version;
        int answer;
        const char *text;
        const char *caption;
        bool copied;
    } cases[] = {
        {-1, IDYES, "Należy utworzyć nowe lub rozpocząć edycję postępowania przed edycją szablonów.", "Informacja",
         false},
        {113, IDYES,
         "Operację przywracania oryginalnych szablonów można przeprowadzić tylko dla najnowszej, ostatniej wersji "
         "dokumentacji.",
         "Informacja", false},
        {114, IDNO, "Czy skasować wszystkie prywatne szablony?\nUwaga! Operacja ta jest nieodwracalna!", "Pytanie",
         false},
        {114, IDYES, "Czy skasować wszystkie prywatne szablony?\nUwaga! Operacja ta jest nieodwracalna!", "Pytanie",
         true},
    };
    for (const auto &c : cases) {
        messages.clear();
        answer = c.answer;
        view->fileVersion = c.version;
        Command(ID_WYCZYSC_SZABLONY);
        ASSERT_EQ(messages.size(), 1u) << c.version;
        EXPECT_STREQ(messages[0].text, c.text);
        EXPECT_STREQ(messages[0].caption, c.caption);
        EXPECT_EQ(FileExists(restored), c.copied) << c.version << "/" << c.answer;
    }
    EXPECT_STREQ(ReadFileToString(restored), "{\\rtf1 oryginał}");
    EXPECT_TRUE(FileExists(privateOnly)); // private templates with no installed twin stay
}

TEST_F(ProceedingWindowTest, ClosingAsksTheViewAndStaysWhenTheUserCancels)
{
    const HWND window = child->m_hWnd;
    view->modified = 1;
    answer = IDCANCEL;
    Command(ID_ZAMKNIJ_POSTEPOWANIE);
    EXPECT_TRUE(::IsWindow(window));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_STREQ(messages[0].text, "Zachować zmiany w 'Przetarg'?");
    EXPECT_TRUE(frame->statusTexts.empty());

    answer = IDNO;
    child->SendMessage(WM_CLOSE);
    EXPECT_FALSE(::IsWindow(window));
    EXPECT_EQ(frame->progress, std::vector<int>{0});
    EXPECT_EQ(frame->statusTexts, (std::vector<CString>{"0:", "1:", "2:", "3:"}));
}

TEST_F(ProceedingWindowTest, HeaderAndFooterGoIntoTheRecordOnlyOnOk)
{
    view->project.m_strHeader = "Stary nagłówek";
    view->project.m_strFooter = "Stara stopka";
    view->project.m_nPageNumbering = 0;
    CString shownHeader;
    for (bool ok : {false, true}) {
        hook.onDialog = [&](CDialog &dialog) {
            dialog.GetDlgItemText(IDC_HEADER_TEXT, shownHeader);
            dialog.SetDlgItemText(IDC_HEADER_TEXT, "Gmina Dębowo");
            dialog.SetDlgItemText(IDC_FOOTER_TEXT, "Strona");
            dialog.GetDlgItem(IDC_PAGE_NUMBERING)->SendMessage(BM_SETCHECK, BST_CHECKED);
            dialog.SendMessage(WM_COMMAND, ok ? IDOK : IDCANCEL);
        };
        Command(ID_NAGLOWEK_I_STOPKA);
        EXPECT_STREQ(shownHeader, "Stary nagłówek");
        if (!ok) {
            EXPECT_STREQ(view->project.m_strHeader, "Stary nagłówek");
            EXPECT_EQ(view->modified, 0);
        }
    }
    EXPECT_STREQ(view->project.m_strHeader, "Gmina Dębowo");
    EXPECT_STREQ(view->project.m_strFooter, "Strona");
    EXPECT_EQ(view->project.m_nPageNumbering, 1);
    EXPECT_EQ(view->modified, 1);
}

TEST_F(ProceedingWindowTest, ActivatingTheWindowRefreshesTheViewsStatusPanes)
{
    ASSERT_NE(proceedingTemplate->OpenDocumentFile(nullptr), nullptr);
    auto *second = dynamic_cast<CChildFrame *>(frame->MDIGetActive());
    ASSERT_NE(second, child);
    const int before = view->statusUpdates;
    frame->MDIActivate(child);
    EXPECT_GT(view->statusUpdates, before);
    EXPECT_EQ(frame->MDIGetActive(), child);
}
