// CWnd's message dispatch: the message map, command routing and reflection to controls.
#include "framework/ui/wnd.h"

#include "framework/core/exceptions.h"
#include "framework/core/module.h"
#include "framework/ui/ddx.h"
#include "framework/ui/gdi.h"
#include "framework/ui/menu.h"

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
    ON_WM_CTLCOLOR()
    ON_WM_DRAWITEM()
    ON_WM_MEASUREITEM()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
END_MESSAGE_MAP()

namespace {

bool IsCtlColor(UINT message)
{
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

// Remembers what an ON_UPDATE_COMMAND_UI handler decided about a command, without showing it.
class CTestCmdUI : public CCmdUI {
public:
    BOOL m_bEnabled = TRUE;
    void Enable(BOOL bOn) override
    {
        m_bEnabled = bOn;
        m_bEnableChanged = TRUE;
    }
    void SetCheck(int) override {}
    void SetRadio(BOOL) override {}
    void SetText(const char *) override {}
};

} // namespace

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result))
        result = DefWindowProc(message, wParam, lParam);
    return result;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT *pResult)
{
    if (message == WM_COMMAND) {
        if (!OnCommand(wParam, lParam))
            return FALSE;
        *pResult = 0;
        return TRUE;
    }
    if (message == WM_NOTIFY) {
        LRESULT result = 0;
        if (!OnNotify(wParam, lParam, &result))
            return FALSE;
        *pResult = result;
        return TRUE;
    }
    UINT lookup = message;
    UINT ctlColorKind = 0;
    if (IsCtlColor(message)) {
        lookup = WM_CTLCOLOR;
        ctlColorKind = message - WM_CTLCOLORMSGBOX;
    }
    const MessageMapEntry *entry = FindMessageEntry(lookup);
    if (entry == nullptr)
        return FALSE;
    HandlerArgs args{message, wParam, lParam, ctlColorKind, nullptr, 0};
    if (!entry->call(*this, args))
        return FALSE;
    *pResult = args.result;
    return TRUE;
}

BOOL CWnd::IsUpdateDisabled(UINT nID)
{
    CTestCmdUI state;
    state.m_nID = nID;
    OnCmdMsg(nID, CN_UPDATE_COMMAND_UI, &state, nullptr);
    return !state.m_bEnabled;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    UINT nID = LOWORD(wParam);
    HWND hWndCtrl = (HWND)lParam;
    int nCode = HIWORD(wParam);
    if (hWndCtrl == nullptr) {
        // A menu item or an accelerator: refuse a command its update handler disabled.
        nCode = CN_COMMAND;
        if (IsUpdateDisabled(nID))
            return TRUE;
    } else {
        LRESULT result = 0;
        if (SendChildNotify(hWndCtrl, WM_COMMAND, wParam, lParam, &result))
            return TRUE;
    }
    return OnCmdMsg(nID, nCode, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT *pResult)
{
    NMHDR *header = reinterpret_cast<NMHDR *>(lParam);
    if (header == nullptr)
        return FALSE;
    if (header->hwndFrom != nullptr && SendChildNotify(header->hwndFrom, WM_NOTIFY, wParam, lParam, pResult))
        return TRUE;
    AFX_NOTIFY notify{pResult, header};
    return OnCmdMsg((UINT)header->idFrom, MAKELONG(header->code, WM_NOTIFY), &notify, nullptr);
}

BOOL CWnd::SendChildNotify(HWND hWndChild, UINT message, WPARAM wParam, LPARAM lParam, LRESULT *pResult)
{
    CWnd *child = FromHandlePermanent(hWndChild);
    return child != nullptr && child->OnChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT *pResult)
{
    return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT *pResult)
{
    LRESULT ignored = 0;
    if (pResult == nullptr)
        pResult = &ignored;
    switch (message) {
    case WM_COMMAND:
        return OnCmdMsg(0, MAKELONG(HIWORD(wParam), WM_REFLECT_BASE + WM_COMMAND), nullptr, nullptr);
    case WM_NOTIFY: {
        NMHDR *header = reinterpret_cast<NMHDR *>(lParam);
        AFX_NOTIFY notify{pResult, header};
        return OnCmdMsg(0, MAKELONG(header->code, WM_REFLECT_BASE + WM_NOTIFY), &notify, nullptr);
    }
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_COMPAREITEM:
    case WM_DELETEITEM:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_PARENTNOTIFY:
        return OnWndMsg(WM_REFLECT_BASE + message, wParam, lParam, pResult);
    default:
        if (IsCtlColor(message))
            return OnWndMsg(WM_REFLECT_BASE + WM_CTLCOLOR, wParam, message - WM_CTLCOLORMSGBOX, pResult);
        return FALSE;
    }
}

BOOL CWnd::PreTranslateMessage(MSG *pMsg)
{
    if (m_hAccelTable != nullptr && pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST)
        return ::TranslateAcceleratorW(m_hWnd, m_hAccelTable, pMsg);
    return FALSE;
}

BOOL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG *pMsg)
{
    for (HWND hWnd = pMsg->hwnd; hWnd != nullptr; hWnd = ::GetParent(hWnd)) {
        CWnd *window = FromHandlePermanent(hWnd);
        if (window != nullptr && window->PreTranslateMessage(pMsg))
            return TRUE;
        if (hWnd == hWndStop)
            break;
    }
    return FALSE;
}

BOOL CWnd::LoadAccelTable(UINT nIDResource)
{
    m_hAccelTable = ::LoadAcceleratorsW(AfxGetResourceHandle(), MAKEINTRESOURCEW(nIDResource));
    return m_hAccelTable != nullptr;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT &cs)
{
    if (cs.lpszClass == nullptr) {
        cs.lpszClass =
            AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorW(nullptr, (LPCWSTR)IDC_ARROW), (HBRUSH)(COLOR_WINDOW + 1));
    }
    return TRUE;
}

void CWnd::PostNcDestroy() {}
void CWnd::PreSubclassWindow() {}

BOOL CWnd::DestroyWindow()
{
    if (m_hWnd == nullptr)
        return FALSE;
    if (FromHandlePermanent(m_hWnd) != this)
        return ::DestroyWindow(Detach());
    return ::DestroyWindow(m_hWnd);
}

BOOL CWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT &rect, CWnd *pParentWnd,
                  UINT nID, LPVOID lpParam)
{
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID, lpParam);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT &rect,
                    CWnd *pParentWnd, UINT nID, LPVOID lpParam)
{
    HWND parent = pParentWnd ? pParentWnd->m_hWnd : nullptr;
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top, parent, (dwStyle & WS_CHILD) ? (HMENU)(UINT_PTR)nID : nullptr, lpParam);
}

void CWnd::DoDataExchange(CDataExchange *) {}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    try {
        DoDataExchange(&dx);
    } catch (CUserException *e) {
        e->Delete();
        return FALSE;
    }
    return TRUE;
}

void CWnd::UpdateDialogControls(CCmdTarget *pTarget, BOOL bDisableIfNoHandler)
{
    CCmdUI state;
    for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        state.m_nID = ::GetDlgCtrlID(child);
        if (state.m_nID == 0 || state.m_nID == (UINT)-1)
            continue;
        state.m_hOtherWnd = child;
        state.m_pOther = FromHandle(child);
        // Static texts and group boxes carry no command of their own.
        WCHAR className[16] = L"";
        ::GetClassNameW(child, className, 16);
        bool isButton = lstrcmpiW(className, L"Button") == 0;
        DWORD kind = ::GetWindowLongW(child, GWL_STYLE) & BS_TYPEMASK;
        bool disableWithoutHandler = bDisableIfNoHandler && isButton && kind != BS_GROUPBOX && kind != BS_AUTOCHECKBOX
                                     && kind != BS_AUTO3STATE && kind != BS_AUTORADIOBUTTON;
        state.DoUpdate(pTarget, disableWithoutHandler);
    }
}
