#include "framework/ui/framewnd.h"

#include "framework/core/codepage.h"
#include "framework/core/module.h"
#include "framework/ui/statusbar.h"
#include "framework/ui/document.h"
#include "framework/ui/menu.h"
#include "framework/ui/view.h"
#include "framework/ui/winapp.h"

#include <shellapi.h>

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_CLOSE()
    ON_WM_DESTROY()
    ON_WM_SIZE()
    ON_WM_SETFOCUS()
    ON_WM_ACTIVATE()
    ON_WM_INITMENUPOPUP()
    ON_WM_DROPFILES()
    ON_MESSAGE(WM_MENUSELECT, OnMenuSelect)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
    ON_NOTIFY_EX_RANGE(TTN_GETDISPINFOW, 0, 0xFFFF, OnToolTipText)
    ON_NOTIFY_EX_RANGE(TBN_HOTITEMCHANGE, 0, 0xFFFF, OnToolbarHotItem)
    ON_COMMAND_EX(ID_VIEW_TOOLBAR, OnBarCheck)
    ON_COMMAND_EX(ID_VIEW_STATUS_BAR, OnBarCheck)
    ON_UPDATE_COMMAND_UI(ID_VIEW_TOOLBAR, OnUpdateControlBarMenu)
    ON_UPDATE_COMMAND_UI(ID_VIEW_STATUS_BAR, OnUpdateControlBarMenu)
END_MESSAGE_MAP()

const RECT CFrameWnd::rectDefault = {CW_USEDEFAULT, CW_USEDEFAULT, 0, 0};

namespace {

bool HasResource(UINT nID, LPCWSTR type)
{
    return ::FindResourceW(AfxGetResourceHandle(), MAKEINTRESOURCEW(nID), type) != nullptr;
}

bool HasString(UINT nID)
{
    return HasResource(nID / 16 + 1, (LPCWSTR)RT_STRING);
}

} // namespace

// ---- Creation ------------------------------------------------------------------------------

LPCTSTR CFrameWnd::PrepareResources(UINT nIDResource, HMENU &hMenu)
{
    m_nIDHelp = nIDResource;
    HINSTANCE module = AfxGetResourceHandle();
    if (HasString(nIDResource)) {
        CString text;
        text.LoadString(nIDResource);
        int newline = text.Find('\n');
        m_strTitle = newline < 0 ? text : text.Left(newline);
    }
    hMenu = HasResource(nIDResource, (LPCWSTR)RT_MENU) ? ::LoadMenuW(module, MAKEINTRESOURCEW(nIDResource)) : nullptr;
    if (HasResource(nIDResource, (LPCWSTR)RT_ACCELERATOR))
        LoadAccelTable(nIDResource);
    HICON icon =
        HasResource(nIDResource, (LPCWSTR)RT_GROUP_ICON) ? ::LoadIconW(module, MAKEINTRESOURCEW(nIDResource)) : nullptr;
    return AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorW(nullptr, (LPCWSTR)IDC_ARROW), (HBRUSH)(COLOR_WINDOW + 1),
                               icon);
}

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd *pParentWnd, CCreateContext *pContext)
{
    HMENU menu = nullptr;
    LPCTSTR className = PrepareResources(nIDResource, menu);
    m_hMenuDefault = menu;
    m_pPendingContext = pContext;
    HWND parent = pParentWnd ? pParentWnd->m_hWnd : nullptr;
    const RECT &r = rectDefault;
    BOOL created = CWnd::CreateEx(0, className, m_strTitle, dwDefaultStyle, r.left, r.top, r.right, r.bottom, parent,
                                  menu, nullptr);
    m_pPendingContext = nullptr;
    if (!created) {
        if (menu != nullptr && !::IsWindow(m_hWnd))
            ::DestroyMenu(menu);
        return FALSE;
    }
    // A frame made without a template's context updates its views now.
    if (pContext == nullptr)
        SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
    return TRUE;
}

BOOL CFrameWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT &rect, CWnd *pParentWnd,
                       LPCTSTR lpszMenuName, DWORD dwExStyle, CCreateContext *pContext)
{
    HMENU menu = nullptr;
    if (lpszMenuName != nullptr) {
        menu = IS_INTRESOURCE(lpszMenuName) ? ::LoadMenuW(AfxGetResourceHandle(), (LPCWSTR)lpszMenuName)
                                            : ::LoadMenuW(AfxGetResourceHandle(), Cp1250ToWide(lpszMenuName).c_str());
        m_hMenuDefault = menu;
    }
    m_strTitle = lpszWindowName ? lpszWindowName : "";
    m_pPendingContext = pContext;
    BOOL created =
        CWnd::CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top, rect.right - rect.left,
                       rect.bottom - rect.top, pParentWnd ? pParentWnd->m_hWnd : nullptr, menu, nullptr);
    m_pPendingContext = nullptr;
    return created;
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCT &cs)
{
    if (cs.lpszClass == nullptr) {
        cs.lpszClass =
            AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorW(nullptr, (LPCWSTR)IDC_ARROW), (HBRUSH)(COLOR_WINDOW + 1));
    }
    return TRUE;
}

int CFrameWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    return OnCreateHelper(lpCreateStruct, m_pPendingContext) ? 0 : -1;
}

BOOL CFrameWnd::OnCreateHelper(LPCREATESTRUCT lpcs, CCreateContext *pContext)
{
    if (CWnd::OnCreate(lpcs) == -1)
        return FALSE;
    if (!OnCreateClient(lpcs, pContext))
        return FALSE;
    RecalcLayout();
    return TRUE;
}

BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCT, CCreateContext *pContext)
{
    if (pContext != nullptr && pContext->m_pNewViewClass != nullptr)
        return CreateView(pContext, AFX_IDW_PANE_FIRST) != nullptr;
    return TRUE;
}

CWnd *CFrameWnd::CreateView(CCreateContext *pContext, UINT nID)
{
    CObject *object = pContext->m_pNewViewClass->CreateObject();
    CView *view = dynamic_cast<CView *>(object);
    if (view == nullptr) {
        delete object;
        return nullptr;
    }
    // A view that fails deletes itself when its window goes; one that never got a window not.
    if (!view->Create(nullptr, nullptr, AFX_WS_DEFAULT_VIEW, CRect(0, 0, 0, 0), this, nID, pContext)) {
        if (view->m_hWnd == nullptr && !::IsWindow(view->m_hWnd))
            delete view;
        return nullptr;
    }
    return view;
}

void CFrameWnd::PostNcDestroy()
{
    CWinApp *app = AfxGetApp();
    if (app != nullptr && app->m_pMainWnd == this) {
        app->m_pMainWnd = nullptr;
        ::PostQuitMessage(0);
    }
    delete this;
}

// ---- Views and the initial update ----------------------------------------------------------

void CFrameWnd::SetActiveView(CView *pViewNew, BOOL bNotify)
{
    CView *old = m_pViewActive;
    if (pViewNew == old)
        return;
    m_pViewActive = pViewNew;
    if (!bNotify)
        return;
    if (old != nullptr)
        old->OnActivateView(FALSE, pViewNew, old);
    if (pViewNew != nullptr)
        pViewNew->OnActivateView(TRUE, pViewNew, old);
}

CDocument *CFrameWnd::GetActiveDocument()
{
    CView *view = GetActiveView();
    return view ? view->GetDocument() : nullptr;
}

void CFrameWnd::InitialUpdateFrame(CDocument *pDoc, BOOL bMakeVisible)
{
    CView *view = GetActiveView();
    if (view == nullptr) {
        // No pane chose itself: the one that fills the frame (or the first of a splitter).
        CWnd *pane = GetDlgItem(AFX_IDW_PANE_FIRST);
        view = dynamic_cast<CView *>(CWnd::FromHandlePermanent(pane ? pane->m_hWnd : nullptr));
        if (view == nullptr && pane != nullptr) {
            HWND first = ::GetDlgItem(pane->m_hWnd, AFX_IDW_PANE_FIRST);
            view = dynamic_cast<CView *>(CWnd::FromHandlePermanent(first));
        }
        if (view != nullptr)
            SetActiveView(view, FALSE);
    }
    if (bMakeVisible) {
        SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
        ActivateFrame();
        view = GetActiveView();
        if (view != nullptr)
            view->OnActivateView(TRUE, view, view);
    }
    if (pDoc != nullptr)
        pDoc->UpdateFrameCounts();
    OnUpdateFrameTitle(TRUE);
}

void CFrameWnd::ActivateFrame(int nCmdShow)
{
    if (nCmdShow == -1)
        nCmdShow = IsIconic() ? SW_RESTORE : SW_SHOW;
    ShowWindow(nCmdShow);
    BringWindowToTop();
    if (GetStyle() & WS_CHILD)
        return;
    ::SetForegroundWindow(m_hWnd);
}

// ---- Title ---------------------------------------------------------------------------------

void CFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    if (!(GetStyle() & FWS_ADDTOTITLE))
        return;
    CDocument *doc = GetActiveDocument();
    UpdateFrameTitleForDocument(bAddToTitle && doc != nullptr ? (LPCTSTR)doc->GetTitle() : nullptr);
}

void CFrameWnd::UpdateFrameTitleForDocument(LPCTSTR lpszDocName)
{
    CString title = m_strTitle;
    if (lpszDocName != nullptr && *lpszDocName != '\0') {
        CString document = lpszDocName;
        if (m_nWindow > 0)
            document.AppendFormat(":%d", m_nWindow);
        if (GetStyle() & FWS_PREFIXTITLE) {
            title = m_strTitle.IsEmpty() ? document : document + " - " + m_strTitle;
        } else {
            title = m_strTitle.IsEmpty() ? document : m_strTitle + " - " + document;
        }
    }
    CString current;
    GetWindowText(current);
    if (current != title)
        SetWindowText(title);
}

// ---- Closing -------------------------------------------------------------------------------

BOOL CFrameWnd::CloseApplicationDocuments()
{
    CWinApp *app = AfxGetApp();
    if (!app->SaveAllModified())
        return FALSE;
    app->CloseAllDocuments(FALSE);
    return TRUE;
}

void CFrameWnd::OnClose()
{
    CWinApp *app = AfxGetApp();
    if (app != nullptr && app->m_pMainWnd == this) {
        // Every document is asked once, then all of them close with the program.
        if (!CloseApplicationDocuments())
            return;
        DestroyWindow();
        return;
    }
    CDocument *doc = GetActiveDocument();
    if (doc != nullptr && !doc->CanCloseFrame(this))
        return;
    if (doc != nullptr && doc->m_bAutoDelete) {
        bool otherFrame = false;
        POSITION pos = doc->GetFirstViewPosition();
        while (pos != nullptr) {
            CFrameWnd *frame = doc->GetNextView(pos)->GetParentFrame();
            if (frame != nullptr && frame != this)
                otherFrame = true;
        }
        if (!otherFrame) {
            doc->OnCloseDocument(); // destroys this frame with the document's others
            return;
        }
        doc->PreCloseFrame(this);
    }
    DestroyWindow();
}

void CFrameWnd::OnDestroy()
{
    // Bars are members of derived frames: forget them before they go.
    while (!m_listControlBars.IsEmpty()) {
        CControlBar *bar = static_cast<CControlBar *>(m_listControlBars.GetHead());
        m_listControlBars.RemoveHead();
        bar->m_pDockSite = nullptr;
    }
    m_pViewActive = nullptr;
    if (m_hMenuDefault != nullptr && ::GetMenu(m_hWnd) != m_hMenuDefault) {
        // The window destroys the menu it shows; a default not on show is ours to free.
        ::DestroyMenu(m_hMenuDefault);
    }
    m_hMenuDefault = nullptr;
    CWnd::OnDestroy();
}

// ---- Messages ------------------------------------------------------------------------------

void CFrameWnd::OnSize(UINT nType, int, int)
{
    Default(); // MDI children keep their maximised state through it
    if (nType != SIZE_MINIMIZED)
        RecalcLayout();
}

void CFrameWnd::OnSetFocus(CWnd *)
{
    Default();
    if (m_pViewActive != nullptr && m_pViewActive->m_hWnd != nullptr)
        m_pViewActive->SetFocus();
}

void CFrameWnd::OnActivate(UINT nState, CWnd *pWndOther, BOOL bMinimized)
{
    CWnd::OnActivate(nState, pWndOther, bMinimized);
    CFrameWnd *active = GetActiveFrame();
    CView *view = active ? active->GetActiveView() : nullptr;
    if (view != nullptr)
        view->OnActivateFrame(nState, active);
    if (nState != WA_INACTIVE && view != nullptr && !bMinimized)
        view->SetFocus();
}

void CFrameWnd::OnInitMenuPopup(CMenu *pPopupMenu, UINT, BOOL bSysMenu)
{
    if (bSysMenu)
        return;
    AfxUpdateMenuCmdUI(pPopupMenu, this, m_bAutoMenuEnable);
}

void CFrameWnd::OnDropFiles(HDROP hDropInfo)
{
    ::SetActiveWindow(m_hWnd);
    CWinApp *app = AfxGetApp();
    UINT count = ::DragQueryFileW(hDropInfo, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count && app != nullptr; ++i) {
        wchar_t path[MAX_PATH * 2] = L"";
        ::DragQueryFileW(hDropInfo, i, path, MAX_PATH * 2);
        app->OpenDocumentFile(WideToCp1250(path));
    }
    ::DragFinish(hDropInfo);
}

LRESULT CFrameWnd::OnIdleUpdateCmdUI(WPARAM, LPARAM)
{
    if (m_bRecalcPending) {
        m_bRecalcPending = FALSE;
        RecalcLayout();
    }
    if (m_bTitlePending) {
        m_bTitlePending = FALSE;
        OnUpdateFrameTitle(TRUE);
    }
    return 0;
}

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void *pExtra, AFX_CMDHANDLERINFO *pHandlerInfo)
{
    if (RouteToViewAndSelf(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    CWinApp *app = AfxGetApp();
    return app != nullptr && app->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CFrameWnd::RouteToViewAndSelf(UINT nID, int nCode, void *pExtra, AFX_CMDHANDLERINFO *pHandlerInfo)
{
    CView *view = GetActiveView();
    if (view != nullptr && view->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

// ---- Status texts: prompts and tooltips from the string table -----------------------------

void CFrameWnd::GetMessageString(UINT nID, CString &rMessage) const
{
    rMessage.Empty();
    if (nID == 0 || !HasString(nID))
        return;
    CString text;
    text.LoadString(nID);
    int newline = text.Find('\n');
    rMessage = newline < 0 ? text : text.Left(newline);
}

CWnd *CFrameWnd::GetMessageBar() const
{
    return CWnd::FromHandlePermanent(::GetDlgItem(m_hWnd, AFX_IDW_STATUS_BAR));
}

void CFrameWnd::SetMessageText(LPCTSTR lpszText)
{
    CStatusBar *bar = dynamic_cast<CStatusBar *>(GetMessageBar());
    if (bar != nullptr)
        bar->SetPaneText(0, lpszText);
}

void CFrameWnd::ShowFlyByPrompt(UINT nID)
{
    CStatusBar *bar = dynamic_cast<CStatusBar *>(GetMessageBar());
    if (bar == nullptr)
        return;
    if (!m_bFlyBy) {
        m_strTextBeforeFlyBy = bar->GetPaneText(0);
        m_bFlyBy = TRUE;
    }
    CString prompt;
    GetMessageString(nID, prompt);
    bar->SetPaneText(0, prompt);
}

void CFrameWnd::EndFlyByPrompt()
{
    if (!m_bFlyBy)
        return;
    m_bFlyBy = FALSE;
    SetMessageText(m_strTextBeforeFlyBy);
}

LRESULT CFrameWnd::OnMenuSelect(WPARAM wParam, LPARAM lParam)
{
    UINT item = LOWORD(wParam);
    UINT flags = HIWORD(wParam);
    if (flags == 0xFFFF && lParam == 0) {
        EndFlyByPrompt(); // the menu closed
    } else if (!(flags & (MF_POPUP | MF_SEPARATOR | MF_SYSMENU))) {
        ShowFlyByPrompt(item);
    }
    return 0;
}

BOOL CFrameWnd::OnToolbarHotItem(UINT, NMHDR *pNMHDR, LRESULT *)
{
    CControlBar *bar = dynamic_cast<CControlBar *>(CWnd::FromHandlePermanent(pNMHDR->hwndFrom));
    if (bar == nullptr || !(bar->GetBarStyle() & CBRS_FLYBY))
        return FALSE;
    NMTBHOTITEM *hot = reinterpret_cast<NMTBHOTITEM *>(pNMHDR);
    if ((hot->dwFlags & HICF_LEAVING) || hot->idNew == 0) {
        EndFlyByPrompt();
    } else {
        ShowFlyByPrompt(hot->idNew);
    }
    return FALSE; // the toolbar goes on with its own hot tracking
}

BOOL CFrameWnd::OnToolTipText(UINT, NMHDR *pNMHDR, LRESULT *pResult)
{
    NMTTDISPINFOW *info = reinterpret_cast<NMTTDISPINFOW *>(pNMHDR);
    UINT id = (UINT)pNMHDR->idFrom;
    if (info->uFlags & TTF_IDISHWND)
        id = ::GetDlgCtrlID((HWND)pNMHDR->idFrom);
    if (id == 0 || !HasString(id))
        return FALSE;
    CString text;
    text.LoadString(id);
    int newline = text.Find('\n');
    m_tipText = Cp1250ToWide(newline < 0 ? text : text.Mid(newline + 1));
    info->lpszText = &m_tipText[0];
    info->hinst = nullptr;
    *pResult = 0;
    return TRUE;
}

// ---- Control bars and layout ---------------------------------------------------------------

void CFrameWnd::EnableDocking(DWORD dwDockStyle)
{
    m_dwDockStyle |= dwDockStyle & CBRS_ALIGN_ANY;
}

void CFrameWnd::DockControlBar(CControlBar *pBar, UINT nDockBarID, LPCRECT)
{
    DWORD allowed = pBar->m_dwDockStyle & m_dwDockStyle;
    DWORD side = 0;
    switch (nDockBarID) {
    case AFX_IDW_DOCKBAR_TOP:
        side = CBRS_ALIGN_TOP;
        break;
    case AFX_IDW_DOCKBAR_BOTTOM:
        side = CBRS_ALIGN_BOTTOM;
        break;
    case AFX_IDW_DOCKBAR_LEFT:
        side = CBRS_ALIGN_LEFT;
        break;
    case AFX_IDW_DOCKBAR_RIGHT:
        side = CBRS_ALIGN_RIGHT;
        break;
    default: {
        // Keep the bar's own side when it may dock there; else the first allowed one.
        DWORD own = pBar->m_dwStyle & CBRS_ALIGN_ANY & allowed;
        const DWORD order[] = {CBRS_ALIGN_TOP, CBRS_ALIGN_BOTTOM, CBRS_ALIGN_LEFT, CBRS_ALIGN_RIGHT};
        for (DWORD candidate : order) {
            if ((own ? own : allowed) & candidate) {
                side = candidate;
                break;
            }
        }
    }
    }
    if (side == 0 || !(allowed & side))
        return;
    pBar->SetBarStyle((pBar->m_dwStyle & ~CBRS_ALIGN_ANY) | side);
    // Docked bars lie inside the bars placed by their creation alone (the status bar).
    POSITION found = m_listControlBars.Find(pBar);
    if (found != nullptr)
        m_listControlBars.RemoveAt(found);
    m_listControlBars.AddTail(pBar);
    RecalcLayout();
}

void CFrameWnd::ShowControlBar(CControlBar *pBar, BOOL bShow, BOOL bDelay)
{
    if (pBar == nullptr || pBar->m_hWnd == nullptr)
        return;
    pBar->ShowWindow(bShow ? SW_SHOWNA : SW_HIDE);
    if (bDelay) {
        DelayRecalcLayout();
    } else {
        RecalcLayout();
    }
}

CControlBar *CFrameWnd::GetControlBar(UINT nID) const
{
    POSITION pos = m_listControlBars.GetHeadPosition();
    while (pos != nullptr) {
        CControlBar *bar = static_cast<CControlBar *>(m_listControlBars.GetNext(pos));
        if (bar->m_hWnd != nullptr && (UINT)bar->GetDlgCtrlID() == nID)
            return bar;
    }
    return nullptr;
}

BOOL CFrameWnd::OnBarCheck(UINT nID)
{
    CControlBar *bar = GetControlBar(nID);
    if (bar == nullptr)
        return FALSE;
    ShowControlBar(bar, !(bar->GetStyle() & WS_VISIBLE), FALSE);
    return TRUE;
}

void CFrameWnd::OnUpdateControlBarMenu(CCmdUI *pCmdUI)
{
    CControlBar *bar = GetControlBar(pCmdUI->m_nID);
    if (bar == nullptr) {
        pCmdUI->ContinueRouting();
        return;
    }
    pCmdUI->SetCheck((bar->GetStyle() & WS_VISIBLE) != 0);
}

void CFrameWnd::RecalcLayout(BOOL)
{
    if (m_bInRecalcLayout || m_hWnd == nullptr)
        return;
    m_bInRecalcLayout = TRUE;
    CRect rest;
    GetClientRect(&rest);
    POSITION pos = m_listControlBars.GetHeadPosition();
    while (pos != nullptr) {
        CControlBar *bar = static_cast<CControlBar *>(m_listControlBars.GetNext(pos));
        DWORD side = bar->m_dwStyle & CBRS_ALIGN_ANY;
        if (bar->m_hWnd == nullptr || !(bar->GetStyle() & WS_VISIBLE) || side == 0)
            continue;
        BOOL horizontal = (side & (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)) != 0;
        CSize size = bar->CalcFixedLayout(TRUE, horizontal);
        CRect place = rest;
        if (side & CBRS_ALIGN_TOP) {
            place.bottom = place.top + size.cy;
            rest.top = place.bottom;
        } else if (side & CBRS_ALIGN_BOTTOM) {
            place.top = place.bottom - size.cy;
            rest.bottom = place.top;
        } else if (side & CBRS_ALIGN_LEFT) {
            place.right = place.left + size.cx;
            rest.left = place.right;
        } else {
            place.left = place.right - size.cx;
            rest.right = place.left;
        }
        bar->MoveWindow(&place);
    }
    if (rest.right < rest.left)
        rest.right = rest.left;
    if (rest.bottom < rest.top)
        rest.bottom = rest.top;
    HWND pane = ::GetDlgItem(m_hWnd, AFX_IDW_PANE_FIRST);
    if (pane != nullptr) {
        ::MoveWindow(pane, rest.left, rest.top, rest.Width(), rest.Height(), TRUE);
    }
    m_bInRecalcLayout = FALSE;
}
