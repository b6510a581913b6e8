// Message maps, command routing, update handlers, reflection and the window thunk.
#include "test_resource.h"
#include "ui_test_support.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

UINT registeredPing = ::RegisterWindowMessageW(L"Morvelank.Test.Ping");

// A document-like target that frames route commands to before themselves.
class Document : public CCmdTarget {
public:
    std::vector<UINT> handled;
    BOOL canSave = FALSE;

    void OnSave() { handled.push_back(ID_CMD_SAVE); }
    void OnUpdateSave(CCmdUI *pCmdUI) { pCmdUI->Enable(canSave); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(Document, CCmdTarget)
    ON_COMMAND(ID_CMD_SAVE, OnSave)
    ON_UPDATE_COMMAND_UI(ID_CMD_SAVE, OnUpdateSave)
END_MESSAGE_MAP()

class BaseWindow : public CWnd {
public:
    std::vector<CString> calls;
    void OnOpen() { calls.push_back("base:open"); }
    void OnClose() { calls.push_back("base:close"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(BaseWindow, CWnd)
    ON_COMMAND(ID_CMD_OPEN, OnOpen)
    ON_COMMAND(ID_CMD_CLOSE, OnClose)
END_MESSAGE_MAP()

class TestWindow : public BaseWindow {
public:
    Document *document = nullptr;
    std::vector<UINT> rangeIds;
    int timerTicks = 0;
    LPARAM lastPing = 0;
    CString lastText;

    BOOL Create() { return CreateEx(0, nullptr, "Okno próbne", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr); }
    // Routes to the document first, as a frame does to its active document.
    BOOL OnCmdMsg(UINT nID, int nCode, void *pExtra, AFX_CMDHANDLERINFO *pInfo) override
    {
        if (document && document->OnCmdMsg(nID, nCode, pExtra, pInfo))
            return TRUE;
        return CWnd::OnCmdMsg(nID, nCode, pExtra, pInfo);
    }

    void OnOpen() { calls.push_back("derived:open"); }
    void OnRange(UINT nID) { rangeIds.push_back(nID); }
    void OnTimer(UINT_PTR nIDEvent)
    {
        if (nIDEvent == 7)
            ++timerTicks;
    }
    LRESULT OnPing(WPARAM wParam, LPARAM lParam)
    {
        lastPing = lParam;
        return wParam + 1;
    }
    LRESULT OnUserText(WPARAM, LPARAM)
    {
        GetWindowText(lastText);
        return 0;
    }
    void OnInitMenuPopup(CMenu *pPopupMenu, UINT, BOOL) { AfxUpdateMenuCmdUI(pPopupMenu, this, TRUE); }
    LRESULT OnThrow(WPARAM, LPARAM) { AfxThrowNotSupportedException(); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TestWindow, BaseWindow)
    ON_COMMAND(ID_CMD_OPEN, OnOpen)
    ON_COMMAND_RANGE(ID_CMD_RANGE_FIRST, ID_CMD_RANGE_LAST, OnRange)
    ON_WM_TIMER()
    ON_WM_INITMENUPOPUP()
    ON_REGISTERED_MESSAGE(registeredPing, OnPing)
    ON_MESSAGE(WM_APP + 1, OnUserText)
    ON_MESSAGE(WM_APP + 2, OnThrow)
END_MESSAGE_MAP()

class MessageMapTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(window.Create()); }
    void Command(UINT id) { window.SendMessage(WM_COMMAND, MAKEWPARAM(id, 0), 0); }
    TestWindow window;
};

TEST_F(MessageMapTest, CommandsReachTheMostDerivedHandlerThenTheBase)
{
    Command(ID_CMD_OPEN);
    Command(ID_CMD_CLOSE);
    EXPECT_EQ(window.calls, (std::vector<CString>{"derived:open", "base:close"}));
}

TEST_F(MessageMapTest, RangeHandlerGetsTheCommandId)
{
    Command(ID_CMD_RANGE_FIRST);
    Command(ID_CMD_RANGE_LAST);
    Command(ID_CMD_RANGE_LAST + 1); // outside: nobody
    EXPECT_EQ(window.rangeIds, (std::vector<UINT>{ID_CMD_RANGE_FIRST, ID_CMD_RANGE_LAST}));
}

TEST_F(MessageMapTest, CommandIsRoutedToTheTargetThatHandlesIt)
{
    Document document;
    document.canSave = TRUE;
    window.document = &document;
    Command(ID_CMD_SAVE);
    Command(ID_CMD_OPEN);
    EXPECT_EQ(document.handled, (std::vector<UINT>{ID_CMD_SAVE}));
    EXPECT_EQ(window.calls, (std::vector<CString>{"derived:open"}));
}

TEST_F(MessageMapTest, MenuCommandDisabledByItsUpdateHandlerIsNotRun)
{
    Document document;
    window.document = &document;
    Command(ID_CMD_SAVE);
    EXPECT_TRUE(document.handled.empty());
    document.canSave = TRUE;
    Command(ID_CMD_SAVE);
    EXPECT_EQ(document.handled.size(), 1u);
}

TEST_F(MessageMapTest, UpdateHandlersEnableMenuItemsWhenThePopupOpens)
{
    Document document;
    window.document = &document;
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_TEST_MENU));
    CMenu *popup = menu.GetSubMenu(0);
    struct Case {
        BOOL canSave;
        UINT expectedSaveState;
    } cases[] = {{FALSE, MF_GRAYED}, {TRUE, MF_ENABLED}};
    for (const Case &c : cases) {
        document.canSave = c.canSave;
        window.SendMessage(WM_INITMENUPOPUP, (WPARAM)popup->m_hMenu, 0);
        EXPECT_EQ(popup->GetMenuState(ID_CMD_SAVE, MF_BYCOMMAND) & MF_GRAYED, c.expectedSaveState);
        // Handled without an update handler: enabled; no handler at all would be greyed.
        EXPECT_EQ(popup->GetMenuState(ID_CMD_OPEN, MF_BYCOMMAND) & MF_GRAYED, 0u);
    }
}

TEST_F(MessageMapTest, UserAndRegisteredMessagesReachTheirHandlers)
{
    EXPECT_EQ(window.SendMessage(registeredPing, 41, 99), 42);
    EXPECT_EQ(window.lastPing, 99);
    window.SetWindowText("Zażółć gęślą jaźń");
    window.SendMessage(WM_APP + 1);
    EXPECT_STREQ(window.lastText, "Zażółć gęślą jaźń");
}

TEST_F(MessageMapTest, TimerFires)
{
    window.SetTimer(7, 10);
    EXPECT_TRUE(PumpUntil([&] { return window.timerTicks >= 2; }));
    window.KillTimer(7);
}

TEST_F(MessageMapTest, AcceleratorBecomesACommand)
{
    Document document;
    document.canSave = TRUE;
    window.document = &document;
    ASSERT_TRUE(window.LoadAccelTable(IDR_TEST_ACCEL));
    MSG msg{window.m_hWnd, WM_KEYDOWN, 'S', 0, 0, {0, 0}};
    BYTE keys[256] = {};
    keys[VK_CONTROL] = 0x80;
    ::SetKeyboardState(keys);
    EXPECT_TRUE(CWnd::WalkPreTranslateTree(window.m_hWnd, &msg));
    keys[VK_CONTROL] = 0;
    ::SetKeyboardState(keys);
    EXPECT_EQ(document.handled, (std::vector<UINT>{ID_CMD_SAVE}));
}

TEST_F(MessageMapTest, ExceptionInAHandlerIsReportedNotPropagated)
{
    CString shown;
    CTestHook hook;
    hook.onMessageBox = [&](const CString &text, const CString &, UINT) {
        shown = text;
        return IDOK;
    };
    CTestHookScope scope(hook);
    EXPECT_EQ(window.SendMessage(WM_APP + 2), 0);
    EXPECT_FALSE(shown.IsEmpty());
}

// ---- The handle map and the thunk ------------------------------------------------------------

class SelfDeletingWindow : public CWnd {
public:
    explicit SelfDeletingWindow(bool &deleted) : m_deleted(deleted) {}
    ~SelfDeletingWindow() override { m_deleted = true; }
    void PostNcDestroy() override { delete this; }

private:
    bool &m_deleted;
};

TEST(WindowThunk, HandleMapFollowsTheWindowsLife)
{
    bool deleted = false;
    auto *window = new SelfDeletingWindow(deleted);
    ASSERT_TRUE(window->CreateEx(0, nullptr, "x", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    HWND hWnd = window->m_hWnd;
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), window);
    EXPECT_EQ(CWnd::FromHandle(hWnd), window);
    ::DestroyWindow(hWnd);
    EXPECT_TRUE(deleted);
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
}

TEST(WindowThunk, TemporaryObjectsWrapForeignWindowsUntilTheTempMapIsCleared)
{
    HWND raw = ::CreateWindowExW(0, L"STATIC", L"obcy", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    CWnd *temporary = CWnd::FromHandle(raw);
    ASSERT_NE(temporary, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(raw), nullptr);
    EXPECT_EQ(CWnd::FromHandle(raw), temporary);
    CString text;
    temporary->GetWindowText(text);
    EXPECT_STREQ(text, "obcy");
    CWnd::DeleteTempMap();
    EXPECT_TRUE(::IsWindow(raw)); // a temporary never destroys what it wraps
    ::DestroyWindow(raw);
}

class KeyCountingEdit : public CEdit {
public:
    int chars = 0;
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
    {
        ++chars;
        CEdit::OnChar(nChar, nRepCnt, nFlags);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(KeyCountingEdit, CEdit)
    ON_WM_CHAR()
END_MESSAGE_MAP()

TEST(WindowThunk, SubclassedWindowRunsThroughTheMapAndKeepsItsOwnBehaviour)
{
    HWND raw = ::CreateWindowExW(0, L"EDIT", L"", WS_POPUP, 0, 0, 100, 20, nullptr, nullptr, nullptr, nullptr);
    KeyCountingEdit edit;
    ASSERT_TRUE(edit.SubclassWindow(raw));
    edit.SendMessage(WM_CHAR, 'a');
    edit.SendMessage(WM_CHAR, 'b');
    EXPECT_EQ(edit.chars, 2);
    CString text;
    edit.GetWindowText(text);
    EXPECT_STREQ(text, "ab"); // Default() reached the edit control's own procedure
    EXPECT_EQ(edit.UnsubclassWindow(), raw);
    ::SendMessageW(raw, WM_CHAR, 'c', 0);
    EXPECT_EQ(edit.chars, 2);
    ::DestroyWindow(raw);
}

// ---- Reflection ------------------------------------------------------------------------------

class ReflectingButton : public CButton {
public:
    int clicks = 0;
    BOOL letParentSee = FALSE;
    BOOL OnClicked()
    {
        ++clicks;
        return !letParentSee;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ReflectingButton, CButton)
    ON_CONTROL_REFLECT_EX(BN_CLICKED, OnClicked)
END_MESSAGE_MAP()

class ReflectingList : public CListCtrl {
public:
    int notifications = 0;
    HBRUSH brush = ::CreateSolidBrush(RGB(1, 2, 3));
    ~ReflectingList() override { ::DeleteObject(brush); }
    void OnItemChanged(NMHDR *, LRESULT *pResult)
    {
        ++notifications;
        *pResult = 5;
    }
    HBRUSH CtlColor(CDC *, UINT) { return brush; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ReflectingList, CListCtrl)
    ON_NOTIFY_REFLECT(LVN_ITEMCHANGED, OnItemChanged)
    ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

class ParentWindow : public CWnd {
public:
    int buttonClicks = 0;
    int listNotifications = 0;
    void OnButton() { ++buttonClicks; }
    void OnListChanged(NMHDR *, LRESULT *) { ++listNotifications; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ParentWindow, CWnd)
    ON_BN_CLICKED(10, OnButton)
    ON_NOTIFY(LVN_ITEMCHANGED, 11, OnListChanged)
END_MESSAGE_MAP()

class ReflectionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(parent.CreateEx(0, nullptr, "rodzic", WS_OVERLAPPEDWINDOW, 0, 0, 300, 300, nullptr, nullptr));
        ASSERT_TRUE(button.Create("Przycisk", WS_VISIBLE | BS_PUSHBUTTON, RECT{0, 0, 80, 20}, &parent, 10));
        ASSERT_TRUE(list.Create(WS_VISIBLE | LVS_REPORT, RECT{0, 30, 200, 200}, &parent, 11));
    }
    ParentWindow parent;
    ReflectingButton button;
    ReflectingList list;
};

TEST_F(ReflectionTest, ControlNotificationGoesToTheControlFirst)
{
    button.Click();
    EXPECT_EQ(button.clicks, 1);
    EXPECT_EQ(parent.buttonClicks, 0);
    button.letParentSee = TRUE; // the _EX form may pass it on
    button.Click();
    EXPECT_EQ(button.clicks, 2);
    EXPECT_EQ(parent.buttonClicks, 1);
}

TEST_F(ReflectionTest, NotifyIsReflectedWithItsResult)
{
    list.InsertColumn(0, "Nazwa", LVCFMT_LEFT, 100);
    list.InsertItem(0, "pierwszy");
    int before = list.notifications;
    list.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED); // the control sends LVN_ITEMCHANGED
    EXPECT_GT(list.notifications, before);
    EXPECT_EQ(parent.listNotifications, 0);

    NMHDR header{list.m_hWnd, 11, (UINT)LVN_ITEMCHANGED};
    EXPECT_EQ(parent.SendMessage(WM_NOTIFY, 11, (LPARAM)&header), 5);
}

TEST_F(ReflectionTest, ControlChoosesItsOwnColours)
{
    HDC dc = ::GetDC(list.m_hWnd);
    LRESULT brush = parent.SendMessage(WM_CTLCOLOREDIT, (WPARAM)dc, (LPARAM)list.m_hWnd);
    ::ReleaseDC(list.m_hWnd, dc);
    EXPECT_EQ((HBRUSH)brush, list.brush);
}

} // namespace
