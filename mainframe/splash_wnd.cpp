#include "mainframe/splash_wnd.h"

#include "mainframe/main_frame.h"
#include "framework/ui/winapp.h"
#include "res/resource.h"

BOOL CSplashWnd::c_bShowSplashWnd = FALSE;
CSplashWnd *CSplashWnd::c_pSplashWnd = nullptr;

BEGIN_MESSAGE_MAP(CSplashWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_WM_TIMER()
END_MESSAGE_MAP()

void CSplashWnd::EnableSplashScreen(BOOL enable)
{
    c_bShowSplashWnd = enable;
}

void CSplashWnd::ShowSplashScreen(CWnd *parent)
{
    if (!c_bShowSplashWnd || c_pSplashWnd)
        return;
    c_pSplashWnd = new CSplashWnd;
    if (!c_pSplashWnd->Create(parent)) {
        delete c_pSplashWnd;
        return;
    }
    c_pSplashWnd->UpdateWindow();
    // Under Wine a painted window reaches the screen when the thread next looks at its queue;
    // loading keeps it busy, so look once now or the splash stays blank.
    MSG message;
    ::PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);
}

BOOL CSplashWnd::PreTranslateAppMessage(MSG *message)
{
    if (!c_pSplashWnd)
        return FALSE;
    switch (message->message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
        c_pSplashWnd->HideSplashScreen();
        return TRUE;
    default:
        return FALSE;
    }
}

CSplashWnd::~CSplashWnd()
{
    if (c_pSplashWnd == this)
        c_pSplashWnd = nullptr;
}

BOOL CSplashWnd::Create(CWnd *parent)
{
    if (!m_bitmap.LoadBitmap(IDB_SPLASH))
        return FALSE;
    BITMAP info{};
    m_bitmap.GetBitmap(&info);
    LPCTSTR windowClass = AfxRegisterWndClass(0, ::LoadCursorW(nullptr, (LPCWSTR)IDC_ARROW));
    return CreateEx(0, windowClass, nullptr, WS_POPUP | WS_VISIBLE, 0, 0, info.bmWidth, info.bmHeight,
                    parent ? parent->GetSafeHwnd() : nullptr, nullptr);
}

int CSplashWnd::OnCreate(LPCREATESTRUCT)
{
    CenterWindow();
    SetTimer(kTimer, kCheckPeriod);
    return 0;
}

void CSplashWnd::OnPaint()
{
    CPaintDC dc(this);
    CDC memory;
    if (!memory.CreateCompatibleDC(&dc))
        return;
    BITMAP info{};
    m_bitmap.GetBitmap(&info);
    CBitmap *previous = memory.SelectObject(&m_bitmap);
    dc.BitBlt(0, 0, info.bmWidth, info.bmHeight, &memory, 0, 0, SRCCOPY);
    memory.SelectObject(previous);
}

void CSplashWnd::OnTimer(UINT_PTR)
{
    // Timers run only once the program waits for messages. A message box of the start-up
    // waits too, before the main window is shown: the splash stays while loading goes on.
    CWnd *mainWindow = AfxGetMainWnd();
    if (mainWindow && mainWindow->IsWindowVisible())
        HideSplashScreen();
}

void CSplashWnd::HideSplashScreen()
{
    // Forgotten first, so nothing that follows sees a splash that is going.
    if (c_pSplashWnd == this)
        c_pSplashWnd = nullptr;
    CWnd *mainWindow = AfxGetMainWnd();
    DestroyWindow();
    if (!mainWindow)
        return;
    mainWindow->UpdateWindow();
    if (auto *frame = dynamic_cast<CMainFrame *>(mainWindow))
        frame->ShowStartupPage();
}

void CSplashWnd::PostNcDestroy()
{
    delete this;
}

BEGIN_MESSAGE_MAP(CSplashPictureDlg, CDialog)
    ON_WM_TIMER()
    ON_WM_KEYDOWN()
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

CSplashPictureDlg::CSplashPictureDlg(CWnd *parent) : CDialog(IDD_SPLASH_PICTURE, parent) {}

BOOL CSplashPictureDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetTimer(kTimer, 1000);
    m_ticks = 0;
    return TRUE;
}

void CSplashPictureDlg::OnTimer(UINT_PTR)
{
    if (m_ticks < 10 && ++m_ticks > 3)
        EndDialog(IDOK);
}

void CSplashPictureDlg::OnKeyDown(UINT, UINT, UINT)
{
    EndDialog(IDOK);
}

void CSplashPictureDlg::OnLButtonDown(UINT, CPoint)
{
    EndDialog(IDOK);
}
