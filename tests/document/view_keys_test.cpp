// The view's keyboard and mouse filter on a proceeding made from fixtures: Tab from variable to
// variable, the tree following the caret's point, the hint hidden on keys and scrolling, what
// typing and clicking may change in a generated and in an editable document, copying.
#include <gtest/gtest.h>

#include "res/mainframe_ids.h"
#include "model/view_tables.h"

#include <windows.h>

#include <memory>

#include "model/file_utils.h"
#include "model/law_versions.h"
#include "app/morvelank_app.h"
#include "data_file_fixture.h"
#include "document/view/caret_navigation.h"
#include "document/view/morvelank_doc.h"
#include "document/view/morvelank_view.h"
#include "document/view/value_editor_runner.h"
#include "fixture_path.h"
#include "framework/ui/testhook.h"
#include "tests/document/proceeding_view_window.h"

namespace {

const int kCode = 162; // templates in the version's folder "63"
const int kVersion = 114;

// Every editor cancels: a key on a variable opens it and changes nothing.
class CancellingEditors : public ValueEditorRunner {
public:
    bool EditText(TextEditRequest &) override
    {
        ++opened;
        return false;
    }
    bool EditPrice(PriceEditRequest &) override { return false; }
    bool EditDate(DateEditRequest &) override { return false; }
    int opened = 0;
};

class ViewKeysTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        app.MainPath = m_main.Path();
        app.WorkingPath = m_main / "prace";
        app.UserTemplatesPath = m_main / "szablony_moje";
        ASSERT_TRUE(CreateDirectoryPath(app.WorkingPath));
        InstallKind();
        hook.onMessageBox = [](const CString &, const CString &, UINT) { return IDOK; };
        scope = std::make_unique<CTestHookScope>(hook);
        SetValueEditorRunner(&editors);
        ASSERT_TRUE(
            parent.CreateEx(0, nullptr, "postepowanie", WS_POPUP | WS_VISIBLE, 0, 0, 900, 300, nullptr, nullptr));

        view = MakeProceedingView(parent, tree, 300);
        ASSERT_NE(view, nullptr);
        ASSERT_EQ(1, view->CreateProceeding(1, "Przetarg", -1, 0, 0, DefaultValues()));
        ASSERT_EQ(0, view->GetCurrentDocument());
        block = view->m_proceeding.m_tables->m_occurrences.Block(0);
        ASSERT_NE(block, nullptr);
    }

    void TearDown() override
    {
        parent.DestroyWindow();
        scope.reset();
        SetValueEditorRunner(nullptr);
    }

    void InstallKind() { InstallTabStopsKind(app.MainPath, app.UserTemplatesPath, kVersion, kCode); }

    BOOL Filter(UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
    {
        MSG msg{view->GetSafeHwnd(), message, wParam, lParam, 0, {}};
        return view->PreTranslateMessage(&msg);
    }

    void PutCaret(int position) { view->GetRichEditCtrl().SetSel(position, position); }

    CHARRANGE Selection()
    {
        CHARRANGE range{};
        view->GetRichEditCtrl().GetSel(range);
        return range;
    }

    CString Text() { return RichEditText(view->GetSafeHwnd()).GetPlainText(); }

    DWORD_PTR SelectedCode()
    {
        HTREEITEM selected = tree->GetTreeCtrl().GetSelectedItem();
        return selected ? tree->GetTreeCtrl().GetItemData(selected) : static_cast<DWORD_PTR>(-1);
    }

    // Shows the hint over the first variable at once.
    void ShowHint()
    {
        const VariableOccurrence &name = *block->Variable(0);
        POINTL first{};
        view->SendMessage(EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&first), name.position + 1);
        Filter(WM_MOUSEMOVE, 0, MAKELPARAM(first.x + 1, first.y + 5));
        view->m_hint.SendMessage(WM_TIMER, CHintWnd::IDT_HINT_DELAY);
    }

    TestFolder m_main;
    CMorvelankApp app;
    CTestHook hook;
    std::unique_ptr<CTestHookScope> scope;
    CancellingEditors editors;
    CWnd parent;
    CTreeView *tree = nullptr;
    CMorvelankView *view = nullptr;
    OccurrenceBlock *block = nullptr;
};

TEST_F(ViewKeysTest, TabSelectsTheNextVariableThatCanBeEdited)
{
    // Slots 0, 1 and 2 are <!A05>, <!A06> and <!A07> in text order.
    const VariableOccurrence &a05 = *block->Variable(0), &a06 = *block->Variable(1), &a07 = *block->Variable(2);
    ASSERT_EQ(1005, a05.variable);
    ASSERT_EQ(1006, a06.variable);
    ASSERT_EQ(1007, a07.variable);
    const struct {
        int caret;
        int disabledSlot; // -1 none
        const VariableOccurrence *selected;
    } cases[] = {
        {0, -1, &a05},
        {a05.position, -1, &a06}, // the variable the caret is in is passed
        {a05.position + a05.length, -1, &a06},
        {a05.position + a05.length, 1, &a07}, // a disabled occurrence is skipped
        {a07.position + 1, -1, &a05},         // after the last: back to the first
        {a07.position + 1, 0, &a06},          // ... that can be edited
    };
    for (const auto &c : cases) {
        for (int slot = 0; slot < 3; ++slot)
            block->Variable(slot)->enabled = slot == c.disabledSlot ? 0 : 1;
        PutCaret(c.caret);
        EXPECT_FALSE(Filter(WM_KEYDOWN, VK_TAB)) << "the key goes on to the control";
        const CHARRANGE range = Selection();
        EXPECT_EQ(c.selected->position, range.cpMin) << c.caret << " " << c.disabledSlot;
        EXPECT_EQ(c.selected->position + c.selected->length, range.cpMax) << c.caret << " " << c.disabledSlot;
    }
}

TEST(CaretNavigation, DocumentWithoutTabStopsOrHeadings)
{
    auto blocks = std::make_unique<OccurrenceTable>();
    OccurrenceBlock &block = *blocks->Block(0);
    EXPECT_EQ(-1, NextTabSlot(block, 0));
    // A plain-text link is no tab stop.
    VariableOccurrence &link = *block.Variable(0);
    link = VariableOccurrence{5, 10, 4, "", "to jest zwykly tekst", 1, -1};
    EXPECT_EQ(-1, NextTabSlot(block, 0));
    EXPECT_EQ(0, HeadingSlotAtCaret(block, 0, 100));
}

TEST_F(ViewKeysTest, TreeFollowsThePointTheCaretStandsIn)
{
    const VariableOccurrence &a05 = *block->Variable(0), &a07 = *block->Variable(2);
    HTREEITEM root = tree->GetTreeCtrl().GetRootItem();
    ASSERT_NE(root, nullptr);

    // Tab onto the variable under point 2, then the click in point 1, then before the first heading.
    PutCaret(a05.position + a05.length);
    block->Variable(1)->enabled = 0;
    Filter(WM_KEYDOWN, VK_TAB);
    ASSERT_EQ(a07.position, Selection().cpMin);
    EXPECT_EQ(2u, SelectedCode());
    EXPECT_FALSE(view->IsTreeSyncing()) << "cleared once the tree is in step";

    PutCaret(a05.position);
    Filter(WM_LBUTTONUP);
    EXPECT_EQ(1u, SelectedCode());

    tree->GetTreeCtrl().SelectItem(root);
    PutCaret(1);
    Filter(WM_LBUTTONUP);
    EXPECT_EQ(1u, SelectedCode()) << "before the first heading the first point is taken";

    // A key in another window leaves the tree alone.
    tree->GetTreeCtrl().SelectItem(root);
    MSG elsewhere{tree->GetSafeHwnd(), WM_KEYDOWN, VK_DOWN, 0, 0, {}};
    view->PreTranslateMessage(&elsewhere);
    EXPECT_EQ(tree->GetTreeCtrl().GetItemData(root), SelectedCode());
}

TEST_F(ViewKeysTest, HintHidesOnKeysWheelAndScrolling)
{
    const struct {
        const char *what;
        UINT message;
        WPARAM wParam;
        bool filtered; // through the message filter, else sent to the control
    } cases[] = {
        {"key", WM_KEYDOWN, VK_DOWN, true},
        {"wheel", WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), true},
        {"scroll bar", WM_VSCROLL, SB_LINEDOWN, false},
    };
    for (const auto &c : cases) {
        view->SendMessage(EM_LINESCROLL, 0, -1000);
        ShowHint();
        ASSERT_TRUE(view->m_hint.IsShown()) << c.what;
        if (c.filtered)
            Filter(c.message, c.wParam);
        else
            view->SendMessage(c.message, c.wParam);
        EXPECT_FALSE(view->m_hint.IsShown()) << c.what;
    }
}

TEST_F(ViewKeysTest, TypingChangesOnlyAnEditableDocument)
{
    const CString generated = Text();
    PutCaret(block->Variable(0)->position + 1);
    view->SendMessage(WM_CHAR, 'x', 1);
    Filter(WM_LBUTTONDOWN);
    EXPECT_EQ(generated, Text()) << "a key opens the variable's editor instead";
    EXPECT_EQ(1, editors.opened);

    // The editable document: its sample text goes at the first click only, then typing counts.
    view->m_proceeding.m_tables->m_documents[1].state = kStateEditable;
    view->ShowDocument(1, -1);
    ASSERT_EQ(1, view->GetCurrentDocument());
    ASSERT_GE(Text().Find("Tu wpisz opis"), 0);
    view->m_proceeding.m_bModified = 0;
    Filter(WM_LBUTTONDOWN);
    EXPECT_EQ(-1, Text().Find("Tu wpisz opis"));
    EXPECT_EQ(1, view->m_proceeding.m_bModified);
    view->SendMessage(WM_CHAR, 'x', 1);
    view->m_proceeding.m_bModified = 0;
    Filter(WM_LBUTTONDOWN);
    view->SendMessage(WM_CHAR, 'y', 1);
    EXPECT_EQ(0, Text().Find("xy")) << "the second click keeps the text";
    EXPECT_EQ(1, view->m_proceeding.m_bModified);
    EXPECT_EQ(1, editors.opened);
}

TEST_F(ViewKeysTest, EditCommandOpensTheEditorOfTheVariableAtTheCaret)
{
    // The command is offered while the mouse is over a variable.
    PutCaret(block->Variable(0)->position + 1);
    view->SendMessage(WM_COMMAND, ID_EDYCJA);
    EXPECT_EQ(0, editors.opened) << "not over a variable: the command is disabled";

    view->m_bOverVariable = 1;
    view->SendMessage(WM_COMMAND, ID_EDYCJA);
    EXPECT_EQ(1, editors.opened);

    PutCaret(0);
    view->SendMessage(WM_COMMAND, ID_EDYCJA);
    EXPECT_EQ(1, editors.opened) << "no variable at the caret: nothing opens";
}

TEST_F(ViewKeysTest, CopyPutsTheSelectionOnTheClipboard)
{
    auto clipboardText = [this]() {
        CString text;
        if (!::OpenClipboard(view->GetSafeHwnd()))
            return text;
        if (HANDLE data = ::GetClipboardData(CF_TEXT)) {
            text = static_cast<const char *>(::GlobalLock(data));
            ::GlobalUnlock(data);
        }
        ::CloseClipboard();
        return text;
    };
    const VariableOccurrence &a05 = *block->Variable(0);
    view->GetRichEditCtrl().SetSel(a05.position, a05.position + a05.length);
    view->CopySelection();
    EXPECT_STREQ("wartość", clipboardText());

    // The whole document is copied and the selection stays.
    view->CopyAll();
    EXPECT_EQ(0, clipboardText().Find("Wstęp"));
    EXPECT_EQ(a05.position, Selection().cpMin);
    EXPECT_EQ(a05.position + a05.length, Selection().cpMax);

    view->SelectAllText();
    EXPECT_EQ(0, Selection().cpMin);
    EXPECT_GE(Selection().cpMax, Text().GetLength()) << "up to the last paragraph's end";
}

} // namespace
