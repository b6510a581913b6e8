#include "framework/ui/mdiframe.h"

#include "framework/core/codepage.h"
#include "framework/ui/doctemplate.h"
#include "framework/ui/document.h"
#include "framework/ui/menu.h"
#include "framework/ui/view.h"
#include "framework/ui/winapp.h"

IMPLEMENT_DYNCREATE(CMDIFrameWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMDIFrameWnd, CFrameWnd)
    ON_WM_SIZE()
    ON_COMMAND_EX_RANGE(ID_WINDOW_ARRANGE, ID_WINDOW_TILE_VERT, OnMDIWindowCmd)
    ON_UPDATE_COMMAND_UI_RANGE(ID_WINDOW_ARRANGE, ID_WINDOW_TILE_VERT, OnUpdateMDIWindowCmd)
END_MESSAGE_MAP()

BOOL CMDIFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd *pParentWnd, CCreateContext *pContext)
{
    return CFrameWnd::LoadFrame(nIDResource, dwDefaultStyle | WS_CLIPCHILDREN, pParentWnd, pContext);
}

HMENU CMDIFrameWnd::GetWindowMenuPopup(HMENU hMenuBar)
{
    if (hMenuBar == nullptr)
        return nullptr;
    int count = ::GetMenuItemCount(hMenuBar);
    for (int i = 0; i < count; ++i) {
        HMENU popup = ::GetSubMenu(hMenuBar, i);
        if (popup == nullptr)
            continue;
        int items = ::GetMenuItemCount(popup);
        for (int j = 0; j < items; ++j) {
            UINT id = ::GetMenuItemID(popup, j);
            if (id >= ID_WINDOW_NEW && id <= ID_WINDOW_TILE_VERT)
                return popup;
        }
    }
    return nullptr;
}

BOOL CMDIFrameWnd::OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext *)
{
    HMENU windowMenu = GetWindowMenuPopup(::GetMenu(m_hWnd));
    return CreateClient(lpcs, windowMenu ? CMenu::FromHandle(windowMenu) : nullptr);
}

BOOL CMDIFrameWnd::CreateClient(LPCREATESTRUCT, CMenu *pWindowMenu)
{
    CLIENTCREATESTRUCT client{};
    client.hWindowMenu = pWindowMenu ? pWindowMenu->m_hMenu : nullptr;
    client.idFirstChild = AFX_IDM_FIRST_MDICHILD;
    m_hWndMDIClient = ::CreateWindowExW(
        WS_EX_CLIENTEDGE, L"MDICLIENT", nullptr,
        WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_VSCROLL | WS_HSCROLL | MDIS_ALLCHILDSTYLES, 0, 0,
        0, 0, m_hWnd, (HMENU)(UINT_PTR)AFX_IDW_PANE_FIRST, ::GetModuleHandleW(nullptr), &client);
    return m_hWndMDIClient != nullptr;
}

// The frame's class procedure is the plain default one: the MDI default must replace it.
LRESULT CMDIFrameWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::DefFrameProcW(m_hWnd, m_hWndMDIClient, message, wParam, lParam);
}

void CMDIFrameWnd::OnSize(UINT nType, int, int)
{
    // No default here: it would stretch the MDI client over the bars.
    if (nType != SIZE_MINIMIZED)
        RecalcLayout();
}

void CMDIFrameWnd::RecalcLayout(BOOL bNotify)
{
    CFrameWnd::RecalcLayout(bNotify);
}

CMDIChildWnd *CMDIFrameWnd::MDIGetActive(BOOL *pbMaximized) const
{
    if (m_hWndMDIClient == nullptr)
        return nullptr;
    BOOL maximized = FALSE;
    HWND active = (HWND)::SendMessageW(m_hWndMDIClient, WM_MDIGETACTIVE, 0, (LPARAM)&maximized);
    if (pbMaximized != nullptr)
        *pbMaximized = maximized;
    return dynamic_cast<CMDIChildWnd *>(CWnd::FromHandlePermanent(active));
}

void CMDIFrameWnd::MDIActivate(CWnd *pWndActivate)
{
    if (pWndActivate != nullptr)
        ::SendMessageW(m_hWndMDIClient, WM_MDIACTIVATE, (WPARAM)pWndActivate->m_hWnd, 0);
}
void CMDIFrameWnd::MDIMaximize(CWnd *pWnd)
{
    ::SendMessageW(m_hWndMDIClient, WM_MDIMAXIMIZE, (WPARAM)pWnd->m_hWnd, 0);
}
void CMDIFrameWnd::MDIRestore(CWnd *pWnd)
{
    ::SendMessageW(m_hWndMDIClient, WM_MDIRESTORE, (WPARAM)pWnd->m_hWnd, 0);
}
void CMDIFrameWnd::MDINext()
{
    ::SendMessageW(m_hWndMDIClient, WM_MDINEXT, 0, 0);
}
void CMDIFrameWnd::MDIPrev()
{
    ::SendMessageW(m_hWndMDIClient, WM_MDINEXT, 0, 1);
}
void CMDIFrameWnd::MDICascade()
{
    ::SendMessageW(m_hWndMDIClient, WM_MDICASCADE, 0, 0);
}
void CMDIFrameWnd::MDITile(int nType)
{
    ::SendMessageW(m_hWndMDIClient, WM_MDITILE, nType, 0);
}
void CMDIFrameWnd::MDIIconArrange()
{
    ::SendMessageW(m_hWndMDIClient, WM_MDIICONARRANGE, 0, 0);
}

CMenu *CMDIFrameWnd::MDISetMenu(CMenu *pFrameMenu, CMenu *pWindowMenu)
{
    HMENU old =
        (HMENU)::SendMessageW(m_hWndMDIClient, WM_MDISETMENU, (WPARAM)(pFrameMenu ? pFrameMenu->m_hMenu : nullptr),
                              (LPARAM)(pWindowMenu ? pWindowMenu->m_hMenu : nullptr));
    ::DrawMenuBar(m_hWnd);
    return CMenu::FromHandle(old);
}

BOOL CMDIFrameWnd::OnMDIWindowCmd(UINT nID)
{
    switch (nID) {
    case ID_WINDOW_ARRANGE:
        MDIIconArrange();
        return TRUE;
    case ID_WINDOW_CASCADE:
        MDICascade();
        return TRUE;
    case ID_WINDOW_TILE_HORZ:
        MDITile(MDITILE_HORIZONTAL);
        return TRUE;
    case ID_WINDOW_TILE_VERT:
        MDITile(MDITILE_VERTICAL);
        return TRUE;
    default:
        return FALSE;
    }
}

void CMDIFrameWnd::OnUpdateMDIWindowCmd(CCmdUI *pCmdUI)
{
    pCmdUI->Enable(MDIGetActive() != nullptr);
}

CFrameWnd *CMDIFrameWnd::GetActiveFrame()
{
    CMDIChildWnd *child = MDIGetActive();
    return child ? static_cast<CFrameWnd *>(child) : this;
}

CDocument *CMDIFrameWnd::GetActiveDocument()
{
    CMDIChildWnd *child = MDIGetActive();
    return child ? child->GetActiveDocument() : nullptr;
}

void CMDIFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    if (!(GetStyle() & FWS_ADDTOTITLE))
        return;
    CMDIChildWnd *child = MDIGetActive();
    CDocument *doc = child ? child->GetActiveDocument() : nullptr;
    // The system adds "[child]" itself while a child is maximised.
    BOOL maximized = FALSE;
    MDIGetActive(&maximized);
    UpdateFrameTitleForDocument(bAddToTitle && doc != nullptr && !maximized ? (LPCTSTR)doc->GetTitle() : nullptr);
}

BOOL CMDIFrameWnd::OnCmdMsg(UINT nID, int nCode, void *pExtra, AFX_CMDHANDLERINFO *pHandlerInfo)
{
    CMDIChildWnd *child = MDIGetActive();
    if (child != nullptr && child->RouteAsActiveChild(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CMDIFrameWnd::PreTranslateMessage(MSG *pMsg)
{
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST) {
        CMDIChildWnd *child = MDIGetActive();
        if (child != nullptr && child->m_hAccelShared != nullptr
            && ::TranslateAcceleratorW(m_hWnd, child->m_hAccelShared, pMsg))
            return TRUE;
        if (m_hWndMDIClient != nullptr && ::TranslateMDISysAccel(m_hWndMDIClient, pMsg))
            return TRUE;
    }
    return CFrameWnd::PreTranslateMessage(pMsg);
}

// ---- CMDIChildWnd ----------------------------------------------------------------------------

IMPLEMENT_DYNCREATE(CMDIChildWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMDIChildWnd, CFrameWnd)
    ON_WM_MDIACTIVATE()
    ON_WM_MOUSEACTIVATE()
    ON_WM_SIZE()
END_MESSAGE_MAP()

namespace {

// The MDI child being created on this thread; the system may wrap the creation parameter of
// an MDI child, so the hook recognises it by its parent, the MDI client.
struct PendingChild {
    CMDIChildWnd *child = nullptr;
    HWND client = nullptr;
};
thread_local PendingChild pendingChild;

LRESULT CALLBACK ChildCreationHook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND && pendingChild.child != nullptr) {
        const CREATESTRUCTW *cs = reinterpret_cast<CBT_CREATEWNDW *>(lParam)->lpcs;
        if (cs->hwndParent == pendingChild.client && (cs->dwExStyle & WS_EX_MDICHILD)) {
            CMDIChildWnd *child = pendingChild.child;
            pendingChild.child = nullptr;
            child->SubclassWindow((HWND)wParam);
        }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace

CMDIFrameWnd *CMDIChildWnd::GetMDIFrame() const
{
    HWND client = ::GetParent(m_hWnd);
    return dynamic_cast<CMDIFrameWnd *>(CWnd::FromHandlePermanent(client ? ::GetParent(client) : nullptr));
}

BOOL CMDIChildWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd *pParentWnd, CCreateContext *pContext)
{
    CMDIFrameWnd *frame = dynamic_cast<CMDIFrameWnd *>(pParentWnd ? pParentWnd : AfxGetMainWnd());
    if (frame == nullptr || frame->m_hWndMDIClient == nullptr) {
        delete this; // there is no window to take this frame with it
        return FALSE;
    }
    HMENU menu = nullptr;
    LPCTSTR className = PrepareResources(nIDResource, menu);
    if (menu != nullptr)
        ::DestroyMenu(menu); // a child shows its template's menu, never its own
    CMultiDocTemplate *docTemplate =
        pContext ? dynamic_cast<CMultiDocTemplate *>(pContext->m_pNewDocTemplate) : nullptr;
    if (docTemplate != nullptr) {
        m_hMenuShared = docTemplate->m_hMenuShared;
        m_hAccelShared = docTemplate->m_hAccelTable;
    }
    return Create(className, m_strTitle, dwDefaultStyle, rectDefault, frame, pContext);
}

BOOL CMDIChildWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT &rect,
                          CMDIFrameWnd *pParentWnd, CCreateContext *pContext)
{
    if (pParentWnd == nullptr)
        pParentWnd = dynamic_cast<CMDIFrameWnd *>(AfxGetMainWnd());
    if (pParentWnd == nullptr || pParentWnd->m_hWndMDIClient == nullptr || m_hWnd != nullptr)
        return FALSE;
    if (lpszWindowName != nullptr)
        m_strTitle = lpszWindowName;
    CREATESTRUCT cs{};
    cs.dwExStyle = WS_EX_MDICHILD;
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.style = dwStyle | WS_CHILD;
    cs.x = rect.left;
    cs.y = rect.top;
    cs.cx = rect.left == CW_USEDEFAULT ? CW_USEDEFAULT : rect.right - rect.left;
    cs.cy = rect.left == CW_USEDEFAULT ? CW_USEDEFAULT : rect.bottom - rect.top;
    cs.hwndParent = pParentWnd->m_hWndMDIClient;
    cs.hInstance = ::GetModuleHandleW(nullptr);
    if (!PreCreateWindow(cs))
        return FALSE;
    if (cs.lpszClass == nullptr)
        return FALSE;
    // An MDI child hidden at first keeps the client's maximised child as it is.
    BOOL maximized = FALSE;
    pParentWnd->MDIGetActive(&maximized);
    if (maximized)
        cs.style |= WS_MAXIMIZE;

    std::wstring className = Cp1250ToWide(cs.lpszClass);
    std::wstring title = Cp1250ToWide(cs.lpszName ? cs.lpszName : "");
    PendingChild saved = pendingChild;
    pendingChild = {this, cs.hwndParent};
    m_pPendingContext = pContext;
    HHOOK hook = ::SetWindowsHookExW(WH_CBT, ChildCreationHook, nullptr, ::GetCurrentThreadId());
    HWND hWnd = ::CreateWindowExW(cs.dwExStyle, className.c_str(), title.c_str(), cs.style, cs.x, cs.y, cs.cx, cs.cy,
                                  cs.hwndParent, nullptr, cs.hInstance, nullptr);
    if (hook)
        ::UnhookWindowsHookEx(hook);
    pendingChild = saved;
    if (hWnd == nullptr)
        return FALSE; // the window went; PostNcDestroy deleted the object
    m_pPendingContext = nullptr;
    return m_hWnd == hWnd;
}

BOOL CMDIChildWnd::PreCreateWindow(CREATESTRUCT &cs)
{
    // The system's MDI child styles; frame bits of our own stay in the low word.
    cs.style |= WS_CHILD | WS_CLIPSIBLINGS;
    return CFrameWnd::PreCreateWindow(cs);
}

LRESULT CMDIChildWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::DefMDIChildProcW(m_hWnd, message, wParam, lParam);
}

BOOL CMDIChildWnd::DestroyWindow()
{
    if (m_hWnd == nullptr)
        return FALSE;
    HWND client = ::GetParent(m_hWnd);
    if (client != nullptr && ::IsWindow(client)) {
        // Through the client, so it updates its window list and activates the next child.
        ::SendMessageW(client, WM_MDIDESTROY, (WPARAM)m_hWnd, 0);
        return TRUE;
    }
    return CFrameWnd::DestroyWindow();
}

void CMDIChildWnd::MDIActivate()
{
    HWND client = ::GetParent(m_hWnd);
    ::SendMessageW(client, WM_MDIACTIVATE, (WPARAM)m_hWnd, 0);
}
void CMDIChildWnd::MDIDestroy()
{
    DestroyWindow();
}
void CMDIChildWnd::MDIMaximize()
{
    ::SendMessageW(::GetParent(m_hWnd), WM_MDIMAXIMIZE, (WPARAM)m_hWnd, 0);
}
void CMDIChildWnd::MDIRestore()
{
    ::SendMessageW(::GetParent(m_hWnd), WM_MDIRESTORE, (WPARAM)m_hWnd, 0);
}

void CMDIChildWnd::ActivateFrame(int nCmdShow)
{
    if (nCmdShow == -1)
        nCmdShow = IsIconic() ? SW_RESTORE : SW_SHOW;
    ShowWindow(nCmdShow);
    MDIActivate();
}

void CMDIChildWnd::OnUpdateFrameMenu(BOOL bActive, CWnd *, HMENU hMenuAlt)
{
    CMDIFrameWnd *frame = GetMDIFrame();
    if (frame == nullptr)
        return;
    HMENU menu = hMenuAlt;
    if (menu == nullptr && bActive)
        menu = m_hMenuShared;
    if (menu == nullptr)
        menu = frame->m_hMenuDefault;
    if (menu == nullptr || menu == ::GetMenu(frame->m_hWnd))
        return;
    HMENU windowMenu = frame->GetWindowMenuPopup(menu);
    ::SendMessageW(frame->m_hWndMDIClient, WM_MDISETMENU, (WPARAM)menu, (LPARAM)windowMenu);
    ::DrawMenuBar(frame->m_hWnd);
}

void CMDIChildWnd::OnMDIActivate(BOOL bActivate, CWnd *pActivateWnd, CWnd *pDeactivateWnd)
{
    Default();
    // The last child going leaves the frame's own menu; a child coming brings its own.
    if (bActivate || pActivateWnd == nullptr)
        OnUpdateFrameMenu(bActivate, pActivateWnd, nullptr);
    (void)pDeactivateWnd;
    CView *view = GetActiveView();
    if (view != nullptr)
        view->OnActivateView(bActivate, view, view);
    CMDIFrameWnd *frame = GetMDIFrame();
    if (frame != nullptr)
        frame->OnUpdateFrameTitle(TRUE);
}

int CMDIChildWnd::OnMouseActivate(CWnd *pDesktopWnd, UINT nHitTest, UINT message)
{
    int result = CFrameWnd::OnMouseActivate(pDesktopWnd, nHitTest, message);
    CMDIFrameWnd *frame = GetMDIFrame();
    if (frame != nullptr && frame->MDIGetActive() != this)
        MDIActivate();
    return result;
}

void CMDIChildWnd::OnSize(UINT nType, int cx, int cy)
{
    CFrameWnd::OnSize(nType, cx, cy);
    // Maximising or restoring a child changes whether the MDI frame names its document.
    CMDIFrameWnd *frame = GetMDIFrame();
    if (frame != nullptr)
        frame->DelayUpdateFrameTitle();
}

void CMDIChildWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    if (!(GetStyle() & FWS_ADDTOTITLE))
        return;
    CDocument *doc = GetActiveDocument();
    if (!bAddToTitle || doc == nullptr)
        return;
    CString title = doc->GetTitle();
    if (m_nWindow > 0)
        title.AppendFormat(":%d", m_nWindow);
    CString current;
    GetWindowText(current);
    if (current != title)
        SetWindowText(title);
}

BOOL CMDIChildWnd::PreTranslateMessage(MSG *pMsg)
{
    // The child's accelerators are translated by the MDI frame, where its commands go.
    (void)pMsg;
    return FALSE;
}
