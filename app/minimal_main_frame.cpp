#include "app/minimal_main_frame.h"

#include "app/database_upgrade.h"
#include "app/morvelank_app.h"
#include "framework/ui/msgbox.h"
#include "res/resource.h"

BEGIN_MESSAGE_MAP(CMinimalMainFrame, CWnd)
    ON_WM_CREATE()
    ON_WM_CLOSE()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace {
const UINT kFirstMdiChild = 0xFF00;
}

BOOL CMinimalMainFrame::CreateFrame()
{
    HINSTANCE instance = AfxGetInstanceHandle();
    LPCTSTR windowClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorW(nullptr, (LPCWSTR)IDC_ARROW),
                                              (HBRUSH)(COLOR_APPWORKSPACE + 1),
                                              ::LoadIconW(instance, MAKEINTRESOURCEW(IDR_MAINFRAME)));
    HMENU menu = ::LoadMenuW(instance, MAKEINTRESOURCEW(IDR_MAINFRAME));
    if (!CreateEx(0, windowClass, CMorvelankApp::GetTitle(), WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, menu)) {
        if (menu)
            ::DestroyMenu(menu);
        return FALSE;
    }
    return TRUE;
}

int CMinimalMainFrame::OnCreate(LPCREATESTRUCT)
{
    CLIENTCREATESTRUCT client{};
    client.idFirstChild = kFirstMdiChild;
    m_hWndMDIClient = ::CreateWindowExW(WS_EX_CLIENTEDGE, L"MDICLIENT", nullptr,
                                        WS_CHILD | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL | WS_VISIBLE,
                                        0, 0, 0, 0, m_hWnd, nullptr, AfxGetInstanceHandle(), &client);
    if (!m_hWndMDIClient)
        return -1;
    OpenDatabases();
    return 0;
}

void CMinimalMainFrame::OpenDatabases()
{
    if (!m_app.OpenMainDB()) {
        AfxShowMessageBox(nullptr, "Błąd podczas otwierania bazy danych.", "Błąd", MB_ICONERROR);
        ::ExitProcess(1);
    }
    UpdateMorvelankDatabase(m_app.GetMainConnection());
    ImportAllMorvelank(m_app);
    m_app.OpenRejestryDB();
}

void CMinimalMainFrame::OnClose()
{
    m_app.CloseMainDB();
    m_app.CloseRejestryDB();
    DestroyWindow();
}

void CMinimalMainFrame::OnDestroy()
{
    ::PostQuitMessage(0);
}

void CMinimalMainFrame::SetAutosaveTimer()
{
    KillTimer(kAutosaveTimer);
    if (!m_app.AutoSaveOn)
        return;
    if (m_app.AutoSaveInterval < kShortestAutosave)
        m_app.AutoSaveInterval = kShortestAutosave;
    if (m_app.AutoSaveInterval > kLongestAutosave)
        m_app.AutoSaveInterval = kLongestAutosave;
    SetTimer(kAutosaveTimer, static_cast<UINT>(m_app.AutoSaveInterval) * 60000u);
}

// Commands the frame does not handle go to the application (the About box).
BOOL CMinimalMainFrame::OnCmdMsg(UINT nID, int nCode, void *pExtra, AFX_CMDHANDLERINFO *pHandlerInfo)
{
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return m_app.OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

LRESULT CMinimalMainFrame::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::DefFrameProcW(m_hWnd, m_hWndMDIClient, message, wParam, lParam);
}
