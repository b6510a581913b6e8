// The handle map, the window-procedure thunk and the creation hook of CWnd.
#include "framework/ui/wnd.h"

#include "framework/core/codepage.h"
#include "framework/core/exceptions.h"
#include "framework/ui/msgbox.h"

#include <commctrl.h>

#include <memory>
#include <unordered_map>

namespace {

// What CreateEx is creating, so the creation hook can tell its window from any other window
// (the IME window, say) created on the thread meanwhile.
struct PendingCreation {
    CWnd *window = nullptr;
    HWND parent = nullptr;
    HMENU menu = nullptr;
    LPVOID param = nullptr;
};

struct ThreadWindows {
    std::unordered_map<HWND, CWnd *> permanent;
    std::unordered_map<HWND, std::unique_ptr<CWnd>> temporary;
    PendingCreation pending;

    ~ThreadWindows()
    {
        for (auto &entry : temporary)
            entry.second->m_hWnd = nullptr;
    }
};

thread_local ThreadWindows windows;

// The message being handled now, for Default().
struct CurrentMessage {
    HWND hWnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};
thread_local CurrentMessage current{};

// A handler must not unwind through Win32's frames: report what escaped and go on.
LRESULT ReportEscapedException(UINT message, const CString &text)
{
    AfxMessageBox(text, MB_OK | MB_ICONERROR);
    return message == WM_CREATE ? -1 : 0;
}

} // namespace

CWnd *CWnd::FromHandlePermanent(HWND hWnd)
{
    auto found = windows.permanent.find(hWnd);
    return found == windows.permanent.end() ? nullptr : found->second;
}

CWnd *CWnd::FromHandle(HWND hWnd)
{
    if (hWnd == nullptr)
        return nullptr;
    if (CWnd *permanent = FromHandlePermanent(hWnd))
        return permanent;
    std::unique_ptr<CWnd> &temporary = windows.temporary[hWnd];
    if (!temporary) {
        temporary = std::make_unique<CWnd>();
        temporary->m_hWnd = hWnd;
    }
    return temporary.get();
}

void CWnd::DeleteTempMap()
{
    for (auto &entry : windows.temporary)
        entry.second->m_hWnd = nullptr;
    windows.temporary.clear();
}

BOOL CWnd::Attach(HWND hWnd)
{
    if (hWnd == nullptr || m_hWnd != nullptr || FromHandlePermanent(hWnd) != nullptr)
        return FALSE;
    m_hWnd = hWnd;
    windows.permanent[hWnd] = this;
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hWnd = m_hWnd;
    if (hWnd != nullptr) {
        auto found = windows.permanent.find(hWnd);
        if (found != windows.permanent.end() && found->second == this)
            windows.permanent.erase(found);
    }
    m_hWnd = nullptr;
    return hWnd;
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!::IsWindow(hWnd) || !Attach(hWnd))
        return FALSE;
    PreSubclassWindow();
    m_pfnSuper = (WNDPROC)::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, (LONG_PTR)WindowProcThunk);
    if (m_pfnSuper == WindowProcThunk)
        m_pfnSuper = nullptr; // a class of ours: no super
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd *pParent)
{
    return pParent != nullptr && SubclassWindow(::GetDlgItem(pParent->m_hWnd, nID));
}

HWND CWnd::UnsubclassWindow()
{
    if (m_hWnd == nullptr)
        return nullptr;
    if (m_pfnSuper != nullptr)
        ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, (LONG_PTR)m_pfnSuper);
    m_pfnSuper = nullptr;
    return Detach();
}

CWnd::~CWnd()
{
    if (m_hWnd != nullptr && FromHandlePermanent(m_hWnd) == this) {
        ::DestroyWindow(m_hWnd);
        // A window of another thread cannot be destroyed from here: forget it.
        if (m_hWnd != nullptr)
            UnsubclassWindow();
    }
}

LRESULT CALLBACK CWnd::CreationHook(int code, WPARAM wParam, LPARAM lParam)
{
    PendingCreation &pending = windows.pending;
    if (code == HCBT_CREATEWND && pending.window != nullptr) {
        const CREATESTRUCTW *cs = reinterpret_cast<CBT_CREATEWNDW *>(lParam)->lpcs;
        if (cs->hwndParent == pending.parent && cs->hMenu == pending.menu && cs->lpCreateParams == pending.param) {
            CWnd *window = pending.window;
            pending.window = nullptr;
            window->SubclassWindow((HWND)wParam);
        }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, int x, int y,
                    int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam)
{
    if (m_hWnd != nullptr)
        return FALSE;
    CREATESTRUCT cs{};
    cs.dwExStyle = dwExStyle;
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.style = dwStyle;
    cs.x = x;
    cs.y = y;
    cs.cx = nWidth;
    cs.cy = nHeight;
    cs.hwndParent = hWndParent;
    cs.hMenu = nIDorHMenu;
    cs.hInstance = ::GetModuleHandleW(nullptr);
    cs.lpCreateParams = lpParam;
    AfxEnsureCommonControls();
    if (!PreCreateWindow(cs)) {
        PostNcDestroy();
        return FALSE;
    }
    std::wstring className;
    LPCWSTR classArgument = (LPCWSTR)cs.lpszClass; // an atom passes as it is
    if (!IS_INTRESOURCE(cs.lpszClass)) {
        className = Cp1250ToWide(cs.lpszClass);
        classArgument = className.c_str();
    }
    std::wstring windowName = Cp1250ToWide(cs.lpszName ? cs.lpszName : "");

    PendingCreation saved = windows.pending;
    windows.pending = {this, cs.hwndParent, cs.hMenu, cs.lpCreateParams};
    HHOOK hook = ::SetWindowsHookExW(WH_CBT, CreationHook, nullptr, ::GetCurrentThreadId());
    HWND hWnd = ::CreateWindowExW(cs.dwExStyle, classArgument, windowName.c_str(), cs.style, cs.x, cs.y, cs.cx, cs.cy,
                                  cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    if (hook)
        ::UnhookWindowsHookEx(hook);
    windows.pending = saved;

    if (hWnd == nullptr)
        return FALSE; // a failed WM_CREATE already detached us
    if (m_hWnd == nullptr)
        SubclassWindow(hWnd); // the hook did not see it
    return m_hWnd == hWnd;
}

LRESULT CALLBACK WindowProcThunk(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd *window = CWnd::FromHandlePermanent(hWnd);
    if (window == nullptr || window->m_hWnd != hWnd)
        return ::DefWindowProcW(hWnd, message, wParam, lParam);
    return window->DispatchThunkedMessage(message, wParam, lParam);
}

LRESULT CWnd::DispatchThunkedMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    CurrentMessage saved = current;
    current = {m_hWnd, message, wParam, lParam};
    LRESULT result = 0;
    try {
        result = WindowProc(message, wParam, lParam);
    } catch (CException *e) {
        char text[512] = "";
        e->GetErrorMessage(text, sizeof text);
        e->Delete();
        result = ReportEscapedException(message, text);
    } catch (...) {
        result = ReportEscapedException(message, "Nieobsłużony wyjątek");
    }
    current = saved;
    if (message == WM_NCDESTROY)
        FinishNcDestroy();
    return result;
}

void CWnd::FinishNcDestroy()
{
    if (m_hWnd == nullptr)
        return;
    UnsubclassWindow();
    PostNcDestroy();
}

LRESULT CWnd::Default()
{
    if (current.hWnd != m_hWnd)
        return 0;
    return DefWindowProc(current.message, current.wParam, current.lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper != nullptr)
        return ::CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

LPCTSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon)
{
    static thread_local std::unordered_map<std::string, CString> registered;
    CString name;
    name.Format("Morvelank:%x:%p:%p:%p", nClassStyle, (void *)hCursor, (void *)hbrBackground, (void *)hIcon);
    CString &stored = registered[name.GetString()];
    if (stored.IsEmpty()) {
        std::wstring wideName = Cp1250ToWide(name);
        WNDCLASSW wc{};
        HINSTANCE instance = ::GetModuleHandleW(nullptr);
        if (!::GetClassInfoW(instance, wideName.c_str(), &wc)) {
            wc = WNDCLASSW{};
            wc.style = nClassStyle;
            wc.lpfnWndProc = ::DefWindowProcW;
            wc.hInstance = instance;
            wc.hCursor = hCursor;
            wc.hbrBackground = hbrBackground;
            wc.hIcon = hIcon;
            wc.lpszClassName = wideName.c_str();
            if (!::RegisterClassW(&wc))
                return nullptr;
        }
        stored = name;
    }
    return stored;
}

void AfxEnsureCommonControls()
{
    static const BOOL registered = [] {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_TAB_CLASSES
                                                           | ICC_PROGRESS_CLASS | ICC_UPDOWN_CLASS
                                                           | ICC_STANDARD_CLASSES};
        return ::InitCommonControlsEx(&controls);
    }();
    (void)registered;
}
