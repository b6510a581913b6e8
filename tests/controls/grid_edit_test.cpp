#include "controls/grid/grid_cell_text_dlg.h"
#include "framework/ui/dialog.h"
#include "framework/ui/testhook.h"
#include "grid_fixture.h"

#include <vector>

namespace {

const int kEditBoxId = 8;
const int kListBoxId = 7;

// A grid shown and focused, its body columns edited by an edit box.
struct EditGrid : GridInWindow<> {
    EditGrid() : GridInWindow<>(4, 4)
    {
        for (int col = 1; col < 4; ++col)
            grid.SetColumnEditType(col, GVET_EDITBOX);
        grid.SetFocus();
        grid.SetFocusCell(1, 1);
    }
    HWND Editor(int id = kEditBoxId) const { return ::GetDlgItem(grid.m_hWnd, id); }
    CString EditorText() const
    {
        wchar_t text[256] = L"";
        ::GetWindowTextW(Editor(), text, 256);
        char narrow[512] = "";
        ::WideCharToMultiByte(1250, 0, text, -1, narrow, sizeof narrow, nullptr, nullptr);
        return narrow;
    }
    DWORD EditorSelection() const { return (DWORD)::SendMessageW(Editor(), EM_GETSEL, 0, 0); }
    // Ends the edit the way any click or scroll does: the grid takes the focus.
    void EndByFocus()
    {
        grid.SetFocus();
        PumpMessages();
    }
};

} // namespace

TEST(GridEditBox, TheKeyThatOpensTheEditDecidesTheStartingText)
{
    const struct {
        UINT key;
        const char *shown;
        DWORD selection; // MAKELONG(start, end)
    } cases[] = {
        {'x', "x", MAKELONG(1, 1)},         // a letter replaces the text
        {VK_RETURN, "1,1", MAKELONG(3, 3)}, // Enter keeps it, caret at the end
        {VK_BACK, "1,", MAKELONG(2, 2)},    // Backspace takes the last character
    };
    for (const auto &c : cases) {
        EditGrid g;
        g.grid.SendMessage(WM_CHAR, c.key, 1);
        ASSERT_NE(nullptr, g.Editor()) << c.key;
        EXPECT_EQ(::GetFocus(), g.Editor());
        EXPECT_STREQ(c.shown, g.EditorText()) << c.key;
        EXPECT_EQ(c.selection, g.EditorSelection()) << c.key;
        g.EndByFocus();
        EXPECT_EQ(nullptr, g.Editor());
        EXPECT_STREQ(c.shown, g.grid.GetItemText(1, 1)) << c.key;
    }
}

TEST(GridEditBox, EscapeRestoresTheTextBeforeTheEdit)
{
    EditGrid g;
    g.grid.SendMessage(WM_CHAR, 'z', 1);
    ::SendMessageW(g.Editor(), WM_CHAR, 'q', 1);
    EXPECT_STREQ("zq", g.EditorText());
    ::SendMessageW(g.Editor(), WM_KEYDOWN, VK_ESCAPE, 1);
    PumpMessages();
    EXPECT_EQ(nullptr, g.Editor());
    EXPECT_STREQ("1,1", g.grid.GetItemText(1, 1));
    EXPECT_EQ(::GetFocus(), g.grid.m_hWnd);
}

// The key-up of the Enter that opened the box must not end it; Enter pressed in the box does,
// and adds no line break to the one-line text.
TEST(GridEditBox, EnterPressedInTheBoxEndsItWithoutABreak)
{
    EditGrid g;
    g.grid.SendMessage(WM_CHAR, VK_RETURN, 1);
    ::SendMessageW(g.Editor(), WM_KEYUP, VK_RETURN, 1);
    ASSERT_NE(nullptr, g.Editor());
    ::SendMessageW(g.Editor(), WM_CHAR, '5', 1);
    ::SendMessageW(g.Editor(), WM_KEYDOWN, VK_RETURN, 1);
    ::SendMessageW(g.Editor(), WM_CHAR, VK_RETURN, 1);
    ::SendMessageW(g.Editor(), WM_KEYUP, VK_RETURN, 1);
    PumpMessages();
    EXPECT_EQ(nullptr, g.Editor());
    EXPECT_STREQ("1,15", g.grid.GetItemText(1, 1));
}

TEST(GridEditBox, ArrowsEndATypedEditAndGoOnInTheNextCellButMoveTheCaretInAClickedOne)
{
    EditGrid g;
    g.grid.SendMessage(WM_CHAR, 'a', 1);
    ::SendMessageW(g.Editor(), WM_KEYDOWN, VK_RIGHT, 1);
    PumpMessages();
    EXPECT_STREQ("a", g.grid.GetItemText(1, 1));
    EXPECT_EQ(CGridCellPos(1, 2), g.grid.GetFocusCell());
    ASSERT_NE(nullptr, g.Editor());
    EXPECT_STREQ("1,2", g.EditorText());
    EXPECT_EQ(MAKELONG(0, 3), (LONG)g.EditorSelection()); // all selected
    g.EndByFocus();

    // A click on the focus cell opens the edit; the arrows then stay inside it.
    g.Click(1, 2);
    ASSERT_NE(nullptr, g.Editor());
    ::SendMessageW(g.Editor(), WM_KEYDOWN, VK_LEFT, 1);
    PumpMessages();
    EXPECT_NE(nullptr, g.Editor());
    EXPECT_EQ(CGridCellPos(1, 2), g.grid.GetFocusCell());
    g.EndByFocus();
    EXPECT_STREQ("1,2", g.grid.GetItemText(1, 2));
}

TEST(GridEditBox, NothingOpensWhereTheCellCannotBeEdited)
{
    const struct {
        const char *what;
        int editType;
        BOOL editable;
    } cases[] = {
        {"edit type 0", GVET_NONE, TRUE},
        {"edit type 4", 4, TRUE},
        {"edit type 8", 8, TRUE},
        {"grid not editable", GVET_EDITBOX, FALSE},
    };
    CTestHook hook;
    int dialogs = 0;
    hook.onDialog = [&](CDialog &) { ++dialogs; };
    CTestHookScope scope(hook);
    for (const auto &c : cases) {
        EditGrid g;
        g.grid.SetColumnEditType(1, c.editType);
        g.grid.SetEditable(c.editable);
        g.grid.SendMessage(WM_CHAR, 'x', 1);
        g.grid.OnEditCell(1, 1, VK_LBUTTON);
        EXPECT_EQ(nullptr, ::GetWindow(g.grid.m_hWnd, GW_CHILD)) << c.what;
        EXPECT_STREQ("1,1", g.grid.GetItemText(1, 1)) << c.what;
    }
    EditGrid g;
    g.grid.OnEditCell(0, 1, VK_LBUTTON); // a heading
    g.grid.OnEditCell(9, 1, VK_LBUTTON); // outside
    EXPECT_EQ(nullptr, ::GetWindow(g.grid.m_hWnd, GW_CHILD));
    EXPECT_EQ(0, dialogs);
}

namespace {

class FruitGrid : public CGridCtrl {
public:
    void FillListItems(int, CListBox *pListBox) override
    {
        const char *names[] = {"gamma", "alfa", "beta"};
        for (int i = 0; i < 3; ++i)
            pListBox->SetItemData(pListBox->AddString(names[i]), 100 + i);
    }
};

struct ListGrid : GridInWindow<FruitGrid> {
    ListGrid() : GridInWindow<FruitGrid>(3, 3)
    {
        grid.SetColumnEditType(1, GVET_LISTBOX);
        grid.SetItemText(1, 1, "beta");
        grid.SetFocus();
        grid.SetFocusCell(1, 1);
    }
    HWND List() const { return ::GetDlgItem(grid.m_hWnd, kListBoxId); }
};

} // namespace

TEST(GridListBox, TheChosenItemGivesTheCellItsTextAndData)
{
    ListGrid g;
    g.grid.SendMessage(WM_CHAR, VK_RETURN, 1);
    ASSERT_NE(nullptr, g.List());
    EXPECT_EQ(3, (int)::SendMessageW(g.List(), LB_GETCOUNT, 0, 0));
    EXPECT_EQ(1, (int)::SendMessageW(g.List(), LB_GETCURSEL, 0, 0)); // sorted: alfa, beta, gamma
    ::SendMessageW(g.List(), WM_KEYDOWN, VK_DOWN, 1);
    ::SendMessageW(g.List(), WM_KEYDOWN, VK_RETURN, 1);
    ::SendMessageW(g.List(), WM_KEYUP, VK_RETURN, 1);
    PumpMessages();
    EXPECT_EQ(nullptr, g.List());
    EXPECT_STREQ("gamma", g.grid.GetItemText(1, 1));
    EXPECT_EQ(100, g.grid.GetItemData(1, 1));
}

TEST(GridListBox, EscapeKeepsTheSelectedItem)
{
    ListGrid g;
    g.grid.SendMessage(WM_CHAR, VK_RETURN, 1);
    ::SendMessageW(g.List(), WM_KEYDOWN, VK_UP, 1);
    ::SendMessageW(g.List(), WM_KEYDOWN, VK_ESCAPE, 1);
    PumpMessages();
    EXPECT_EQ(nullptr, g.List());
    EXPECT_STREQ("alfa", g.grid.GetItemText(1, 1));
    EXPECT_EQ(101, g.grid.GetItemData(1, 1));
}

TEST(GridListBox, WithoutItemsTheOldTextStays)
{
    EditGrid g;
    g.grid.SetColumnEditType(2, GVET_LISTBOX);
    g.grid.SetItemData(1, 2, 55);
    g.grid.SetFocusCell(1, 2);
    g.grid.SendMessage(WM_CHAR, VK_RETURN, 1);
    ASSERT_NE(nullptr, g.Editor(kListBoxId));
    g.EndByFocus();
    EXPECT_EQ(nullptr, g.Editor(kListBoxId));
    EXPECT_STREQ("1,2", g.grid.GetItemText(1, 2));
    EXPECT_EQ(0, g.grid.GetItemData(1, 2));
}

TEST(GridTextDialog, OkStoresTheTextAndFitsTheRowCancelChangesNothing)
{
    EditGrid g;
    g.grid.SetColumnEditType(2, GVET_TEXTDIALOG);
    g.grid.SetItemText(0, 2, "Opis\r\nprzedmiotu");
    g.grid.SetFocusCell(2, 2);

    CString title;
    CString shown;
    CTestHook hook;
    hook.onDialog = [&](CDialog &dlg) {
        dlg.GetWindowText(title);
        dlg.GetDlgItemText(IDC_GRID_CELL_TEXT, shown);
        dlg.SetDlgItemText(IDC_GRID_CELL_TEXT, "pierwsza\r\ndruga\r\ntrzecia");
        dlg.OnOK();
    };
    {
        CTestHookScope scope(hook);
        g.grid.SendMessage(WM_CHAR, VK_RETURN, 1);
    }
    EXPECT_STREQ("Opis przedmiotu", title);
    EXPECT_STREQ("2,2", shown);
    EXPECT_STREQ("pierwsza\r\ndruga\r\ntrzecia", g.grid.GetItemText(2, 2));
    EXPECT_EQ(46, g.grid.GetRowHeight(2));

    hook.onDialog = [&](CDialog &dlg) {
        dlg.SetDlgItemText(IDC_GRID_CELL_TEXT, "nie zapisze się");
        dlg.OnCancel();
    };
    {
        CTestHookScope scope(hook);
        g.grid.SendMessage(WM_CHAR, 'k', 1);
    }
    EXPECT_STREQ("pierwsza\r\ndruga\r\ntrzecia", g.grid.GetItemText(2, 2));
    EXPECT_EQ(46, g.grid.GetRowHeight(2));
}

TEST(GridTextDialog, ATypedLetterIsAddedAtTheEnd)
{
    EditGrid g;
    g.grid.SetColumnEditType(1, GVET_TEXTDIALOG);
    CString shown;
    CTestHook hook;
    hook.onDialog = [&](CDialog &dlg) {
        dlg.GetDlgItemText(IDC_GRID_CELL_TEXT, shown);
        dlg.OnOK();
    };
    CTestHookScope scope(hook);
    g.grid.SendMessage(WM_CHAR, 'Q', 1);
    EXPECT_STREQ("1,1Q", shown);
    EXPECT_STREQ("1,1Q", g.grid.GetItemText(1, 1));
    EXPECT_EQ(20, g.grid.GetRowHeight(1));
}
