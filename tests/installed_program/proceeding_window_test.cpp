// The real main window with real proceeding and document-set windows: the one main menu every
// kind of window shows, the document commands that reach the view while the tree has the
// focus, and the database row a saved proceeding leaves for the summary of proceedings.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "model/file_utils.h"
#include "model/view_tables.h"
#include "app/morvelank_app.h"
#include "app/procedure_catalogue.h"
#include "document/view/morvelank_view.h"
#include "framework/core/codepage.h"
#include "framework/db/db.h"
#include "framework/ui/docmanager.h"
#include "framework/ui/testhook.h"
#include "mainframe/main_frame.h"
#include "mainframe/summary/zestawienie_przetargow_dlg.h"
#include "mainframe/wizard/kreator_dlg.h"
#include "proceeding/frame/child_frame.h"
#include "proceeding/frame/tree_left_view.h"
#include "res/resource.h"
#include "res/wizard_ids.h"
#include "tests/installed_program/installed_main_window.h"
#include "tests/support/dialog_driver.h"
#include "tests/support/program_windows.h"
#include "tests/support/query_rows.h"
#include "tests/support/test_folder.h"

namespace {

struct StateUI : CCmdUI {
    int enabled = -1;
    void Enable(BOOL bOn) override { enabled = bOn ? 1 : 0; }
    void SetCheck(int) override {}
};

class ProceedingWindowRoad : public ::testing::Test {
protected:
    void SetUp() override
    {
        CopyInstallation(app, m_root.Path());
        if (HasFatalFailure())
            return;
        app.SchedulePath = app.MainPath + "\\terminarz";
        CreateDirectoryPath(app.SchedulePath);
        hook.onMessageBox = [this](const CString &text, const CString &caption, UINT) {
            messages += caption + ": " + text + "\n";
            return IDOK;
        };
        hook.onDialog = [this](CDialog &dialog) {
            if (auto *wizard = dynamic_cast<CKreatorDlg *>(&dialog))
                AnswerWizard(*wizard);
            else if (onOtherDialog)
                onOtherDialog(dialog);
        };
        scope = std::make_unique<CTestHookScope>(hook);
        frame = OpenMainWindow(app);
        ASSERT_NE(frame, nullptr);
    }

    void TearDown() override
    {
        CloseMainWindow(app, frame);
        scope.reset();
    }

    // A one-part proceeding of the basic procedure of the 2019 act.
    static void AnswerWizard(CKreatorDlg &wizard)
    {
        auto page = [&wizard]() { return wizard.GetActivePage(); };
        DialogDriver::Press(wizard, IDC_WIZARD_NEXT);
        page()->CheckRadioButton(IDC_MODE_FIRST, IDC_MODE_LAST, IDC_MODE_3);
        DialogDriver::Press(wizard, IDC_WIZARD_NEXT);
        DialogDriver::Press(wizard, IDC_WIZARD_NEXT);
        page()->SetDlgItemText(IDC_PROJECT_NAME, "Remont dachu");
        DialogDriver::Press(wizard, IDC_WIZARD_NEXT);
    }

    CMorvelankView *NewProceeding()
    {
        frame->NewProject();
        auto *child = dynamic_cast<CChildFrame *>(app.ProceedingWindow);
        return child ? dynamic_cast<CMorvelankView *>(child->GetView()) : nullptr;
    }

    // Whether the command is enabled as the main window's menu would show it now.
    int Enabled(UINT id)
    {
        StateUI ui;
        ui.m_nID = id;
        ui.DoUpdate(frame, TRUE);
        return ui.enabled;
    }

    void Command(UINT id) { frame->SendMessage(WM_COMMAND, MAKEWPARAM(id, 0), 0); }

    std::string Rows(const CString &sql) { return QueryRows(app.GetMainConnection(), sql); }

    static CString ClipboardText()
    {
        CString text;
        if (!::OpenClipboard(nullptr))
            return text;
        if (HANDLE data = ::GetClipboardData(CF_UNICODETEXT)) {
            if (auto *wide = static_cast<const wchar_t *>(::GlobalLock(data))) {
                text = WideToCp1250(wide);
                ::GlobalUnlock(data);
            }
        }
        ::CloseClipboard();
        return text;
    }

    TestFolder m_root;
    CMorvelankApp app;
    CTestHook hook;
    std::unique_ptr<CTestHookScope> scope;
    std::function<void(CDialog &)> onOtherDialog;
    CMainFrame *frame = nullptr;
    CString messages;
};

TEST_F(ProceedingWindowRoad, EveryKindOfWindowShowsTheWholeMainMenu)
{
    const UINT everywhere[] = {ID_NOWY,           ID_OTWORZ,
                               ID_FILE_MRU_FILE1, ID_APP_EXIT,
                               ID_DOKUMENTY_ZP,   ID_TERMINARZ,
                               ID_ZESTAWIENIE,    ID_POMOC,
                               ID_ZAPISZ_JAKO,    ID_ZAMKNIJ_POSTEPOWANIE,
                               ID_ZMIEN_HASLO,    ID_NAGLOWEK_I_STOPKA,
                               ID_EKSPORT_RTF,    ID_ZAWIJANIE_WYDRUK,
                               ID_LISTA_OKIEN};
    const struct {
        const char *window;
        std::function<void()> open;
        int saveAs; // "Zapisz jako" enabled
    } kinds[] = {
        {"postępowanie", [this] { ASSERT_NE(NewProceeding(), nullptr) << messages; }, 1},
        {"umowy", [this] { Command(ID_UMOWY_NOWE); }, 1},
        {"środki ochrony prawnej", [this] { Command(ID_SRODKI_NOWE); }, 1},
        {"wzory dla wykonawców", [this] { Command(ID_WZORY_NOWE); }, 1},
        {"dokumenty ZP", [this] { Command(ID_DOKUMENTY_ZP); }, 0},
    };
    for (const auto &kind : kinds) {
        CMDIChildWnd *before = frame->MDIGetActive();
        kind.open();
        ASSERT_NE(frame->MDIGetActive(), before) << kind.window << "\n" << messages;
        HMENU menu = ::GetMenu(frame->m_hWnd);
        ASSERT_NE(menu, nullptr) << kind.window;
        for (UINT id : everywhere)
            EXPECT_NE(::GetMenuState(menu, id, MF_BYCOMMAND), (UINT)-1) << kind.window << ": " << id;
        EXPECT_EQ(Enabled(ID_ZAPISZ_JAKO), kind.saveAs) << kind.window;
        EXPECT_EQ(Enabled(ID_NOWY), 1) << kind.window;
        EXPECT_EQ(Enabled(ID_ZESTAWIENIE), 1) << kind.window;
    }
}

TEST_F(ProceedingWindowRoad, DocumentCommandsReachTheViewWhileTheTreeHasTheFocus)
{
    CMorvelankView *view = NewProceeding();
    ASSERT_NE(view, nullptr) << messages;
    auto *child = dynamic_cast<CChildFrame *>(app.ProceedingWindow);
    ASSERT_EQ(child->GetActiveView(), static_cast<CView *>(child->GetTree()));

    for (UINT id : {(UINT)ID_FILE_PRINT, (UINT)ID_FILE_PRINT_PREVIEW, (UINT)ID_DRUKUJ_WSZYSTKO, (UINT)ID_EKSPORT_DOC,
                    (UINT)ID_EKSPORT_RTF, (UINT)ID_EKSPORT_HTML, (UINT)ID_KOPIUJ_WSZYSTKO})
        EXPECT_EQ(Enabled(id), 1) << id;

    Command(ID_KOPIUJ_WSZYSTKO);
    EXPECT_NE(ClipboardText().Find("KARTA POSTĘPOWANIA"), -1);
    EXPECT_EQ(child->GetActiveView(), static_cast<CView *>(child->GetTree()));
}

TEST_F(ProceedingWindowRoad, ASavedProceedingGivesTheSummaryItsCaseNumberAndProcedure)
{
    CMorvelankView *view = NewProceeding();
    ASSERT_NE(view, nullptr) << messages;
    const int id = view->m_proceeding.m_project.m_nDatabaseId;
    ASSERT_GE(id, 1);
    // Variables 20 and 21 are the case number and the name of the contract ([MDB] 20;21;...).
    view->m_proceeding.m_tables->m_variables[20].value = "ZP.271.5.2026";
    view->m_proceeding.m_tables->m_variables[21].value = "Remont dachu szkoły";
    // The row must not depend on the document shown when saving.
    view->ShowDocument(1, -1);
    view->SetModified();
    Command(ID_ZAPISZ_POSTEPOWANIE);
    EXPECT_FALSE(view->IsModified()) << messages;

    CString where;
    where.Format(" from postepowanie where id=%d", id);
    EXPECT_EQ(Rows("select [sygnatura], tryb, pole0, pole1" + where),
              "ZP.271.5.2026|64|ZP.271.5.2026|Remont dachu szkoły");

    std::vector<std::vector<CString>> rows; // Sygnatura, dates, Tryb postępowania, Tryb
    std::vector<CString> dialogs;
    onOtherDialog = [&rows, &dialogs](CDialog &dialog) {
        CString caption;
        dialog.GetWindowText(caption);
        dialogs.push_back(caption);
        auto *summary = dynamic_cast<CZestawieniePrzetargow *>(&dialog);
        if (!summary)
            return;
        CGridCtrl &grid = summary->m_Grid;
        for (int row = 1; row < grid.GetRowCount(); ++row) {
            rows.emplace_back();
            for (int col = 1; col < grid.GetColumnCount(); ++col)
                rows.back().push_back(grid.GetItemText(row, col));
        }
        summary->EndDialog(IDCANCEL);
    };
    Command(ID_ZESTAWIENIE);
    ASSERT_EQ(rows.size(), 1u) << messages << ::testing::PrintToString(dialogs);
    ASSERT_EQ(rows[0].size(), 5u);
    EXPECT_EQ(rows[0][0], "ZP.271.5.2026");
    const CString procedure = ProcedureCatalogue::GetProcedureName(114, 64);
    EXPECT_FALSE(procedure.IsEmpty());
    EXPECT_EQ(rows[0][3], procedure);
    EXPECT_EQ(rows[0][4], ProcedureCatalogue::GetProcedureShortName(114, 64));
    EXPECT_FALSE(rows[0][4].IsEmpty());
}

// The specification of the act of 2019's set offers the legal help on each heading the topic
// file lists: the command is enabled there and starts the help on that heading's topic.
TEST_F(ProceedingWindowRoad, TheSpecificationOffersTheLegalHelpOnItsHeadings)
{
    CMorvelankView *view = NewProceeding();
    ASSERT_NE(view, nullptr) << messages;
    const ViewTables &tables = *view->m_proceeding.m_tables;
    int specification = -1;
    for (int i = 0; i < tables.m_nDocumentCount && specification < 0; ++i)
        if (tables.m_documents[i].displayName == "Specyfikacja Warunków Zamówienia (SWZ)")
            specification = i;
    ASSERT_GE(specification, 0);
    auto *child = dynamic_cast<CChildFrame *>(app.ProceedingWindow);
    CTreeCtrl &tree = child->GetTree()->GetTreeCtrl();
    HTREEITEM document = nullptr;
    for (HTREEITEM group = tree.GetChildItem(tree.GetRootItem()); group && !document;
         group = tree.GetNextSiblingItem(group))
        for (HTREEITEM item = tree.GetChildItem(group); item && !document; item = tree.GetNextSiblingItem(item))
            if (tree.GetItemData(item) == static_cast<DWORD_PTR>(specification) * 1000)
                document = item;
    ASSERT_NE(document, nullptr);
    HTREEITEM described = nullptr;
    for (HTREEITEM heading = tree.GetChildItem(document); heading && !described;
         heading = tree.GetNextSiblingItem(heading))
        if (tree.GetItemText(heading).Find("Opis przedmiotu zamówienia") >= 0)
            described = heading;
    ASSERT_NE(described, nullptr);

    // Choosing a heading shows its document at the heading.
    tree.SelectItem(tree.GetChildItem(tree.GetRootItem())); // the card
    EXPECT_EQ(Enabled(ID_POMOC_PRAWNA_TEMATU), 0) << "no specification shown";
    tree.SelectItem(described);
    EXPECT_EQ(view->GetCurrentDocument(), specification);
    EXPECT_EQ(view->LookUpTopic(), 4);
    ASSERT_EQ(Enabled(ID_POMOC_PRAWNA_TEMATU), 1);

    app.QuvPath = app.MainPath + "\\Quv.exe";
    Command(ID_POMOC_PRAWNA_TEMATU);
    HWND help = nullptr;
    EXPECT_TRUE(program_windows::WaitUntil(20000, [&help] {
        help = ::FindWindowW(nullptr, Cp1250ToWide("IV. Opis przedmiotu zamówienia").c_str());
        return help != nullptr;
    })) << "no help window on topic 4";
    if (help) {
        ::PostMessageW(help, WM_CLOSE, 0, 0);
        EXPECT_TRUE(program_windows::WaitUntil(20000, [help] { return !::IsWindow(help); }));
    }
}

TEST_F(ProceedingWindowRoad, RecentFilesNameTheRecordReadAndNeverTheExample)
{
    app.LoadStdProfileSettings(4);
    ASSERT_NE(app.m_pRecentFileList, nullptr);
    CRecentFileList &recent = *app.m_pRecentFileList;
    ASSERT_NE(NewProceeding(), nullptr) << messages;
    app.ProceedingWindow->SendMessage(WM_CLOSE);

    // Opened by the name the archive browser gives, relative to the current-proceedings folder.
    frame->OpenProject(0, 0, "Remont dachu", "Remont dachu.baz");
    ASSERT_NE(app.ProceedingWindow, nullptr) << messages;
    const CString record = app.WorkingPath + "\\Remont dachu\\Remont dachu.baz";
    ASSERT_GE(recent.GetCount(), 1);
    EXPECT_EQ(recent[0], record);
    EXPECT_TRUE(FileExists(recent[0]));

    app.ExamplePath = app.MainPath + "\\example";
    const int listed = recent.GetCount();
    Command(ID_PRZYKLADOWE);
    ASSERT_EQ(frame->MDIGetActive(), app.ProceedingWindow) << messages;
    EXPECT_EQ(recent.GetCount(), listed);
    EXPECT_EQ(recent[0], record);
}

} // namespace
