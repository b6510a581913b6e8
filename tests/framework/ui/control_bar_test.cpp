// The main frame's bars: layout along the sides, the toolbar from its resource, idle updates,
// drop-down buttons, tooltips and fly-by prompts, status panes and a progress bar over one.
#include "docview_fixture.h"

namespace {

CRect ClientRectIn(CWnd *frame, HWND window)
{
    CRect rect;
    ::GetWindowRect(window, &rect);
    frame->ScreenToClient(&rect);
    return rect;
}

} // namespace

TEST_F(DocViewTest, BarsTakeTheirSidesAndTheClientGetsTheRest)
{
    CRect client;
    frame->GetClientRect(&client);
    CRect toolbar = ClientRectIn(frame, frame->m_toolBar.m_hWnd);
    CRect status = ClientRectIn(frame, frame->m_statusBar.m_hWnd);
    CRect dialogBar = ClientRectIn(frame, frame->m_dialogBar.m_hWnd);
    CRect mdi = ClientRectIn(frame, frame->m_hWndMDIClient);

    // Status bar and dialog bar in their creation order, then the docked toolbar inside them.
    EXPECT_EQ(status.bottom, client.bottom);
    EXPECT_EQ(status.Width(), client.Width());
    EXPECT_GT(status.Height(), 0);
    EXPECT_EQ(dialogBar.left, 0);
    EXPECT_EQ(dialogBar.top, 0);
    EXPECT_EQ(dialogBar.bottom, status.top);
    EXPECT_EQ(toolbar.top, 0);
    EXPECT_EQ(toolbar.left, dialogBar.right);
    EXPECT_EQ(toolbar.right, client.right);
    EXPECT_GT(toolbar.Height(), 15);
    EXPECT_EQ(mdi, CRect(dialogBar.right, toolbar.bottom, client.right, status.top));

    // Hidden, a bar gives its strip back; docked elsewhere, it moves there.
    frame->ShowControlBar(&frame->m_toolBar, FALSE, FALSE);
    EXPECT_EQ(ClientRectIn(frame, frame->m_hWndMDIClient).top, 0);
    frame->ShowControlBar(&frame->m_toolBar, TRUE, FALSE);
    frame->DockControlBar(&frame->m_toolBar, AFX_IDW_DOCKBAR_BOTTOM);
    toolbar = ClientRectIn(frame, frame->m_toolBar.m_hWnd);
    EXPECT_EQ(toolbar.bottom, ClientRectIn(frame, frame->m_statusBar.m_hWnd).top);
    EXPECT_EQ(ClientRectIn(frame, frame->m_hWndMDIClient).top, 0);

    // A side the bar may not dock to changes nothing.
    frame->m_toolBar.EnableDocking(CBRS_ALIGN_BOTTOM);
    frame->DockControlBar(&frame->m_toolBar, AFX_IDW_DOCKBAR_LEFT);
    EXPECT_TRUE(frame->m_toolBar.GetBarStyle() & CBRS_ALIGN_BOTTOM);

    // The menu's toggle command shows and hides the status bar.
    frame->SendMessage(WM_COMMAND, ID_VIEW_STATUS_BAR);
    EXPECT_FALSE(frame->m_statusBar.IsVisible());
    frame->SendMessage(WM_COMMAND, ID_VIEW_STATUS_BAR);
    EXPECT_TRUE(frame->m_statusBar.IsVisible());
}

TEST_F(DocViewTest, ToolbarComesFromItsResourceAndFollowsTheUpdateHandlers)
{
    CToolBar &bar = frame->m_toolBar;
    CToolBarCtrl &control = bar.GetToolBarCtrl();
    ASSERT_EQ(control.GetButtonCount(), 4);
    const UINT ids[] = {ID_TEST_ROUTED, ID_SEPARATOR, ID_TEST_DROPDOWN, ID_TEST_DISABLED};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(bar.GetItemID(i), ids[i]) << i;
    EXPECT_TRUE(bar.GetButtonStyle(2) & TBBS_DROPDOWN);

    // Idle time: a handler disables one, no handler disables another, a handler enables one.
    frame->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
    EXPECT_FALSE(control.IsButtonEnabled(ID_TEST_DISABLED));
    EXPECT_FALSE(control.IsButtonEnabled(ID_TEST_DROPDOWN));
    EXPECT_TRUE(control.IsButtonEnabled(ID_TEST_ROUTED));

    // Pressing a button sends its command to the frame's route.
    CRect button;
    bar.GetItemRect(0, &button);
    bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(button.CenterPoint().x, button.CenterPoint().y));
    bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(button.CenterPoint().x, button.CenterPoint().y));
    ASSERT_EQ(TheCommandLog().entries.size(), 0u); // no child: the view is not there to take it
    namedTemplate->OpenDocumentFile(nullptr);
    bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(button.CenterPoint().x, button.CenterPoint().y));
    bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(button.CenterPoint().x, button.CenterPoint().y));
    ASSERT_EQ(TheCommandLog().entries.size(), 1u);
    EXPECT_STREQ(TheCommandLog().entries[0], "view:34000");

    // The drop-down arrow reaches the frame's TBN_DROPDOWN handler with the button's id.
    control.EnableButton(ID_TEST_DROPDOWN, TRUE);
    CRect dropDown;
    bar.GetItemRect(2, &dropDown);
    POINT arrow{dropDown.right - 3, dropDown.CenterPoint().y};
    bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(arrow.x, arrow.y));
    bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(arrow.x, arrow.y));
    ASSERT_EQ(frame->m_dropDowns.size(), 1u);
    EXPECT_EQ(frame->m_dropDowns[0], (UINT)ID_TEST_DROPDOWN);
}

TEST_F(DocViewTest, TipsAndPromptsComeFromTheCommandsStrings)
{
    NMTTDISPINFOW info{};
    info.hdr.hwndFrom = frame->m_toolBar.m_hWnd;
    info.hdr.idFrom = ID_TEST_ROUTED;
    info.hdr.code = TTN_GETDISPINFOW;
    frame->SendMessage(WM_NOTIFY, 0, (LPARAM)&info);
    ASSERT_NE(info.lpszText, nullptr);
    EXPECT_EQ(std::wstring(info.lpszText), L"Polecenie testowe");

    // Fly-by: the prompt shows in pane 0 and the program's own text comes back after.
    CStatusBar &status = frame->m_statusBar;
    status.SetPaneText(0, "Gotowe do pracy");
    NMTBHOTITEM hot{};
    hot.hdr.hwndFrom = frame->m_toolBar.m_hWnd;
    hot.hdr.idFrom = AFX_IDW_TOOLBAR;
    hot.hdr.code = TBN_HOTITEMCHANGE;
    hot.idNew = ID_TEST_DROPDOWN;
    frame->SendMessage(WM_NOTIFY, AFX_IDW_TOOLBAR, (LPARAM)&hot);
    EXPECT_STREQ(status.GetPaneText(0), "Rozwija listę");
    hot.idNew = ID_TEST_ROUTED;
    frame->SendMessage(WM_NOTIFY, AFX_IDW_TOOLBAR, (LPARAM)&hot);
    EXPECT_STREQ(status.GetPaneText(0), "Wykonuje polecenie testowe");
    hot.dwFlags = HICF_LEAVING;
    frame->SendMessage(WM_NOTIFY, AFX_IDW_TOOLBAR, (LPARAM)&hot);
    EXPECT_STREQ(status.GetPaneText(0), "Gotowe do pracy");
}

TEST_F(DocViewTest, StatusPanesHoldTheirTextsAndTheProgressBarStaysOverPaneOne)
{
    CStatusBar &status = frame->m_statusBar;
    ASSERT_EQ(status.GetCount(), 3);
    EXPECT_EQ(status.CommandToIndex(ID_INDICATOR_TEST2), 2);
    for (int pane = 0; pane < 3; ++pane)
        EXPECT_STREQ(status.GetPaneText(pane), "") << pane;

    struct Case {
        int pane;
        const char *text;
        BOOL accepted;
    };
    const Case cases[] = {{0, "Wczytuje plik konfiguracyjny...", TRUE},
                          {2, "Przetarg nieograniczony – dostawy", TRUE},
                          {3, "poza paskiem", FALSE},
                          {-1, "przed paskiem", FALSE}};
    for (const Case &c : cases) {
        EXPECT_EQ(status.SetPaneText(c.pane, c.text), c.accepted) << c.pane;
        if (c.accepted) {
            EXPECT_STREQ(status.GetPaneText(c.pane), c.text);
            wchar_t shown[128] = L"";
            status.SendMessage(SB_GETTEXTW, c.pane, (LPARAM)shown);
            EXPECT_EQ(std::wstring(shown), Cp1250ToWide(c.text)) << c.pane;
        }
    }

    // Fixed panes are as wide as their sizing strings; pane 0 takes the rest.
    CRect pane0, pane1, pane2, bar;
    status.GetItemRect(0, &pane0);
    status.GetItemRect(1, &pane1);
    status.GetItemRect(2, &pane2);
    status.GetClientRect(&bar);
    EXPECT_GT(pane1.Width(), 50);
    EXPECT_GT(pane0.Width(), pane1.Width());

    CRect progress = ClientRectIn(&status, frame->m_progress.m_hWnd);
    EXPECT_EQ(progress, pane1);
    frame->MoveWindow(0, 0, 600, 500);
    status.GetItemRect(1, &pane1);
    EXPECT_EQ(ClientRectIn(&status, frame->m_progress.m_hWnd), pane1);
    frame->m_progress.SetPos(40);
    EXPECT_EQ(frame->m_progress.GetPos(), 40);
}

TEST_F(DocViewTest, DialogBarButtonsCommandTheFrameAndGreyWithoutAHandler)
{
    frame->m_dialogBar.SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    EXPECT_TRUE(frame->m_dialogBar.GetDlgItem(ID_TEST_BAR_BUTTON)->IsWindowEnabled());
    EXPECT_FALSE(frame->m_dialogBar.GetDlgItem(ID_TEST_UNHANDLED)->IsWindowEnabled());
    frame->m_dialogBar.GetDlgItem(ID_TEST_BAR_BUTTON)->SendMessage(BM_CLICK);
    ASSERT_EQ(TheCommandLog().entries.size(), 1u);
    EXPECT_STREQ(TheCommandLog().entries[0], "frame:34004");
}
