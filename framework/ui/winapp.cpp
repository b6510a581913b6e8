#include "framework/ui/winapp.h"

#include "framework/core/codepage.h"
#include "framework/core/module.h"
#include "framework/ui/docmanager.h"
#include "framework/ui/gdi.h"
#include "framework/ui/menu.h"

#include <shellapi.h>

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)
IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

namespace {
CWinApp *theApp = nullptr;

// The string the class library keeps the application's title under.
const UINT appTitleStringId = 0xE000;
} // namespace

CWinApp *AfxGetApp()
{
    return theApp;
}
CWinThread *AfxGetThread()
{
    return theApp;
}
CWnd *AfxGetMainWnd()
{
    return theApp ? theApp->GetMainWnd() : nullptr;
}
HINSTANCE AfxGetInstanceHandle()
{
    return ::GetModuleHandleW(nullptr);
}

// ---- CWinThread ------------------------------------------------------------------------------

BOOL CWinThread::InitInstance()
{
    return FALSE;
}
int CWinThread::ExitInstance()
{
    return (int)m_msgCur.wParam;
}
CWnd *CWinThread::GetMainWnd()
{
    return m_pMainWnd;
}

BOOL CWinThread::PreTranslateMessage(MSG *pMsg)
{
    HWND mainWnd = m_pMainWnd ? m_pMainWnd->GetSafeHwnd() : nullptr;
    if (CWnd::WalkPreTranslateTree(mainWnd, pMsg))
        return TRUE;
    // A message for a window outside the main window still gets the main window's accelerators.
    if (mainWnd != nullptr && pMsg->hwnd != mainWnd && !::IsChild(mainWnd, pMsg->hwnd))
        return m_pMainWnd->PreTranslateMessage(pMsg);
    return FALSE;
}

BOOL CWinThread::OnIdle(LONG lCount)
{
    if (lCount <= 0 && m_pMainWnd != nullptr && m_pMainWnd->IsWindowVisible()) {
        // Toolbars, status bars and dialog bars update their commands' state here.
        m_pMainWnd->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
        m_pMainWnd->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
    }
    if (lCount >= 1) {
        // Temporary wrappers live until the application is idle.
        CWnd::DeleteTempMap();
        CGdiObject::DeleteTempMap();
        CDC::DeleteTempMap();
        CMenu::DeleteTempMap();
    }
    return lCount < 1;
}

BOOL CWinThread::IsIdleMessage(MSG *pMsg)
{
    if (pMsg->message == WM_MOUSEMOVE || pMsg->message == WM_NCMOUSEMOVE) {
        if (pMsg->pt.x == m_ptCursorLast.x && pMsg->pt.y == m_ptCursorLast.y && pMsg->message == m_nMsgLast)
            return FALSE;
        m_ptCursorLast = pMsg->pt;
        m_nMsgLast = pMsg->message;
        return TRUE;
    }
    return pMsg->message != WM_PAINT && pMsg->message != WM_TIMER && pMsg->message != WM_IDLEUPDATECMDUI;
}

BOOL CWinThread::PumpMessage()
{
    if (!::GetMessageW(&m_msgCur, nullptr, 0, 0))
        return FALSE;
    if (!PreTranslateMessage(&m_msgCur)) {
        ::TranslateMessage(&m_msgCur);
        ::DispatchMessageW(&m_msgCur);
    }
    return TRUE;
}

int CWinThread::Run()
{
    BOOL idle = TRUE;
    LONG idleCount = 0;
    MSG peeked;
    for (;;) {
        while (idle && !::PeekMessageW(&peeked, nullptr, 0, 0, PM_NOREMOVE)) {
            if (!OnIdle(idleCount++))
                idle = FALSE;
        }
        do {
            if (!PumpMessage())
                return ExitInstance();
            if (IsIdleMessage(&m_msgCur)) {
                idle = TRUE;
                idleCount = 0;
            }
        } while (::PeekMessageW(&peeked, nullptr, 0, 0, PM_NOREMOVE));
    }
}

// ---- CWinApp ---------------------------------------------------------------------------------

CWinApp::CWinApp(LPCTSTR lpszAppName)
{
    theApp = this;
    m_hInstance = AfxGetInstanceHandle();
    wchar_t path[MAX_PATH] = L"";
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    CString exe = WideToCp1250(path);
    exe = exe.Mid(exe.ReverseFind('\\') + 1);
    int dot = exe.ReverseFind('.');
    m_strExeName = dot > 0 ? exe.Left(dot) : exe;
    m_pszExeName = m_strExeName;
    if (lpszAppName != nullptr) {
        m_strAppName = lpszAppName;
    } else if (!m_strAppName.LoadString(appTitleStringId)) {
        m_strAppName = m_strExeName;
    }
    m_pszAppName = m_strAppName;
    m_strProfileName = m_strAppName;
    m_pszProfileName = m_strProfileName;
}

CWinApp::~CWinApp()
{
    delete m_pDocManager;
    delete m_pRecentFileList;
    SelectPrinter(nullptr, nullptr);
    if (theApp == this)
        theApp = nullptr;
}

HCURSOR CWinApp::LoadCursor(UINT nIDResource) const
{
    return ::LoadCursorW(AfxGetResourceHandle(), MAKEINTRESOURCEW(nIDResource));
}
HCURSOR CWinApp::LoadStandardCursor(LPCTSTR lpszCursorName) const
{
    return ::LoadCursorW(nullptr, (LPCWSTR)lpszCursorName);
}
HICON CWinApp::LoadIcon(UINT nIDResource) const
{
    return ::LoadIconW(AfxGetResourceHandle(), MAKEINTRESOURCEW(nIDResource));
}
HICON CWinApp::LoadStandardIcon(LPCTSTR lpszIconName) const
{
    return ::LoadIconW(nullptr, (LPCWSTR)lpszIconName);
}

void CWinApp::ParseCommandLine(CCommandLineInfo &rCmdInfo)
{
    int count = 0;
    LPWSTR *arguments = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (arguments == nullptr)
        return;
    for (int i = 1; i < count; ++i) {
        CString argument = WideToCp1250(arguments[i]);
        BOOL flag = !argument.IsEmpty() && (argument[0] == '/' || argument[0] == '-');
        if (flag)
            argument = argument.Mid(1);
        rCmdInfo.ParseParam(argument, flag, i == count - 1);
    }
    ::LocalFree(arguments);
}

void CCommandLineInfo::ParseParam(const char *pszParam, BOOL bFlag, BOOL)
{
    if (bFlag) {
        CString flag = pszParam;
        if (flag.CompareNoCase("pt") == 0) {
            m_nShellCommand = FilePrintTo;
        } else if (flag.CompareNoCase("p") == 0) {
            m_nShellCommand = FilePrint;
        } else if (flag.CompareNoCase("dde") == 0) {
            m_nShellCommand = FileDDE;
        } else if (flag.CompareNoCase("embedding") == 0) {
            m_bRunEmbedded = TRUE;
            m_bShowSplash = FALSE;
        } else if (flag.CompareNoCase("automation") == 0) {
            m_bRunAutomated = TRUE;
            m_bShowSplash = FALSE;
        } else if (flag.CompareNoCase("regserver") == 0 || flag.CompareNoCase("register") == 0) {
            m_nShellCommand = AppRegister;
        } else if (flag.CompareNoCase("unregserver") == 0 || flag.CompareNoCase("unregister") == 0) {
            m_nShellCommand = AppUnregister;
        }
        return;
    }
    // The file comes first; /pt takes printer, driver and port after it.
    if (m_strFileName.IsEmpty()) {
        m_strFileName = pszParam;
        if (m_nShellCommand == FileNew)
            m_nShellCommand = FileOpen;
        m_bShowSplash = m_bShowSplash && m_nShellCommand == FileOpen;
    } else if (m_nShellCommand == FilePrintTo) {
        if (m_strPrinterName.IsEmpty()) {
            m_strPrinterName = pszParam;
        } else if (m_strDriverName.IsEmpty()) {
            m_strDriverName = pszParam;
        } else if (m_strPortName.IsEmpty()) {
            m_strPortName = pszParam;
        }
    }
}

int AfxWinMain(HINSTANCE hInstance, LPTSTR lpCmdLine, int nCmdShow)
{
    CWinApp *app = AfxGetApp();
    if (app == nullptr)
        return -1;
    app->m_hInstance = hInstance;
    app->m_lpCmdLine = lpCmdLine;
    app->m_nCmdShow = nCmdShow;
    if (!app->InitInstance()) {
        if (app->m_pMainWnd != nullptr)
            app->m_pMainWnd->DestroyWindow();
        return app->ExitInstance();
    }
    return app->Run();
}
