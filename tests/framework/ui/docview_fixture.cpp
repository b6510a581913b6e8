#include "docview_fixture.h"

CommandLog &TheCommandLog()
{
    static CommandLog log;
    return log;
}

IMPLEMENT_DYNCREATE(TestDoc, CDocument)
BEGIN_MESSAGE_MAP(TestDoc, CDocument)
    ON_COMMAND(ID_TEST_DOC_CMD, OnDocCommand)
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(TestView, CView)
BEGIN_MESSAGE_MAP(TestView, CView)
    ON_COMMAND(ID_TEST_ROUTED, OnRouted)
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(TestApp, CWinApp)
    ON_COMMAND(ID_TEST_APP_CMD, OnAppCommand)
    ON_COMMAND(ID_FILE_NEW, CWinApp::OnFileNew)
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(TestMainFrame, CMDIFrameWnd)
BEGIN_MESSAGE_MAP(TestMainFrame, CMDIFrameWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_COMMAND(ID_TEST_FRAME_CMD, OnFrameCommand)
    ON_COMMAND(ID_TEST_BAR_BUTTON, OnBarButton)
    ON_UPDATE_COMMAND_UI(ID_TEST_DISABLED, OnUpdateDisabled)
    ON_UPDATE_COMMAND_UI(ID_TEST_ROUTED, OnUpdateRouted)
    ON_NOTIFY(TBN_DROPDOWN, AFX_IDW_TOOLBAR, OnDropDown)
END_MESSAGE_MAP()

namespace {
const UINT indicators[] = {ID_SEPARATOR, ID_INDICATOR_TEST1, ID_INDICATOR_TEST2};
}

int TestMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CMDIFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!m_toolBar.CreateEx(this, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_TOOLTIPS | CBRS_FLYBY)
        || !m_toolBar.LoadToolBar(IDR_TEST_MAINFRAME))
        return -1;
    m_toolBar.GetToolBarCtrl().SetExtendedStyle(TBSTYLE_EX_DRAWDDARROWS);
    m_toolBar.SetButtonStyle(m_toolBar.CommandToIndex(ID_TEST_DROPDOWN),
                             m_toolBar.GetButtonStyle(m_toolBar.CommandToIndex(ID_TEST_DROPDOWN)) | TBBS_DROPDOWN);
    if (!m_statusBar.Create(this) || !m_statusBar.SetIndicators(indicators, 3))
        return -1;
    if (!m_dialogBar.Create(this, IDD_TEST_DIALOGBAR, WS_CHILD | WS_VISIBLE | CBRS_LEFT, AFX_IDW_DIALOGBAR))
        return -1;
    m_toolBar.EnableDocking(CBRS_ALIGN_ANY);
    EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(&m_toolBar);
    CRect pane;
    m_statusBar.GetItemRect(1, &pane);
    m_progress.Create(WS_CHILD | WS_VISIBLE, pane, &m_statusBar, 321);
    m_progress.SetRange(0, 100);
    return 0;
}

void TestMainFrame::OnSize(UINT nType, int cx, int cy)
{
    CMDIFrameWnd::OnSize(nType, cx, cy);
    if (m_progress.m_hWnd != nullptr && m_statusBar.m_hWnd != nullptr) {
        CRect pane;
        m_statusBar.GetItemRect(1, &pane);
        m_progress.SetWindowPos(nullptr, pane.left, pane.top, pane.Width(), pane.Height(), 0);
    }
}

void TestMainFrame::OnDropDown(NMHDR *pNMHDR, LRESULT *pResult)
{
    m_dropDowns.push_back(reinterpret_cast<NMTOOLBARW *>(pNMHDR)->iItem);
    *pResult = TBDDRET_DEFAULT;
}

void DocViewTest::SetUp()
{
    TheCommandLog().entries.clear();
    namedTemplate = new CMultiDocTemplate(IDR_TEST_NAMED_DOC, RUNTIME_CLASS(TestDoc), RUNTIME_CLASS(CMDIChildWnd),
                                          RUNTIME_CLASS(TestView));
    plainTemplate = new CMultiDocTemplate(IDR_TEST_PLAIN_DOC, RUNTIME_CLASS(TestDoc), RUNTIME_CLASS(CMDIChildWnd),
                                          RUNTIME_CLASS(TestView));
    plainTemplate->SetContainerInfo(6);
    app.AddDocTemplate(plainTemplate);
    app.AddDocTemplate(namedTemplate);
    frame = new TestMainFrame;
    ASSERT_TRUE(frame->LoadFrame(IDR_TEST_MAINFRAME));
    app.m_pMainWnd = frame;
    frame->MoveWindow(0, 0, 900, 700);
    frame->ShowWindow(SW_SHOW);
    frame->UpdateWindow();
}

void DocViewTest::TearDown()
{
    if (frame != nullptr && ::IsWindow(frame->m_hWnd))
        frame->DestroyWindow();
    // The main window's end posts WM_QUIT; it must not reach the next test's pump.
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {}
}
