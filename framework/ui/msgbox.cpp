#include "framework/ui/msgbox.h"

#include "framework/core/codepage.h"
#include "framework/ui/testhook.h"
#include "framework/ui/winapp.h"

#include <string>

namespace {

// The answer of a box nobody sees: its default button.
int DefaultButton(UINT nType)
{
    static const int buttons[][3] = {
        {IDOK, IDOK, IDOK},                 // MB_OK
        {IDOK, IDCANCEL, IDCANCEL},         // MB_OKCANCEL
        {IDABORT, IDRETRY, IDIGNORE},       // MB_ABORTRETRYIGNORE
        {IDYES, IDNO, IDCANCEL},            // MB_YESNOCANCEL
        {IDYES, IDNO, IDNO},                // MB_YESNO
        {IDRETRY, IDCANCEL, IDCANCEL},      // MB_RETRYCANCEL
        {IDCANCEL, IDTRYAGAIN, IDCONTINUE}, // MB_CANCELTRYCONTINUE
    };
    UINT kind = nType & MB_TYPEMASK;
    UINT position = (nType & MB_DEFMASK) >> 8;
    if (kind >= sizeof buttons / sizeof buttons[0])
        kind = 0;
    if (position > 2)
        position = 0;
    return buttons[kind][position];
}

CString ApplicationCaption()
{
    if (CWinApp *app = AfxGetApp()) {
        if (app->m_pszAppName != nullptr)
            return app->m_pszAppName;
    }
    wchar_t path[MAX_PATH] = L"";
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    CString name = WideToCp1250(path);
    name = name.Mid(name.ReverseFind('\\') + 1);
    int dot = name.ReverseFind('.');
    return dot > 0 ? name.Left(dot) : name;
}

HWND DefaultOwner()
{
    HWND active = ::GetActiveWindow();
    if (active != nullptr)
        return active;
    CWnd *main = AfxGetMainWnd();
    return main != nullptr ? main->GetSafeHwnd() : nullptr;
}

// How far right the ink of the text reaches when drawn in the font, wrapped into width.
int InkRight(HFONT font, const std::wstring &text, int width)
{
    const UINT format = DT_NOPREFIX | DT_NOCLIP | DT_WORDBREAK | DT_EXPANDTABS;
    HDC dc = ::CreateCompatibleDC(nullptr);
    HGDIOBJ oldFont = ::SelectObject(dc, font);
    RECT box{0, 0, width, 0};
    ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box, format | DT_CALCRECT);
    const int canvasWidth = width + box.right + 64;
    const int canvasHeight = box.bottom + 8;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = canvasWidth;
    info.bmiHeader.biHeight = -canvasHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void *bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    int right = 0;
    if (bitmap != nullptr) {
        HGDIOBJ oldBitmap = ::SelectObject(dc, bitmap);
        RECT canvas{0, 0, canvasWidth, canvasHeight};
        ::FillRect(dc, &canvas, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
        ::SetBkMode(dc, TRANSPARENT);
        RECT drawn{0, 0, width, box.bottom};
        ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &drawn, format);
        ::GdiFlush();
        const auto *pixels = static_cast<const DWORD *>(bits);
        for (int y = 0; y < canvasHeight; ++y)
            for (int x = right; x < canvasWidth; ++x)
                if ((pixels[y * canvasWidth + x] & 0xFFFFFF) != 0xFFFFFF)
                    right = x + 1;
        ::SelectObject(dc, oldBitmap);
        ::DeleteObject(bitmap);
    }
    ::SelectObject(dc, oldFont);
    ::DeleteDC(dc);
    return right;
}

// Widens the box's text, and the box with it, by what its letters overflow.
void GiveTextRoom(HWND box)
{
    const int kTextId = 0xFFFF;
    HWND label = ::GetDlgItem(box, kTextId);
    if (label == nullptr)
        return;
    RECT client{};
    ::GetClientRect(label, &client);
    const int length = ::GetWindowTextLengthW(label);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(::GetWindowTextW(label, &text[0], length + 1)));
    HFONT font = reinterpret_cast<HFONT>(::SendMessageW(label, WM_GETFONT, 0, 0));
    const int overflow = InkRight(font, text, client.right) - client.right;
    if (overflow <= 0)
        return;
    RECT place{};
    ::GetWindowRect(label, &place);
    ::MapWindowPoints(nullptr, box, reinterpret_cast<POINT *>(&place), 2);
    ::SetWindowPos(label, nullptr, 0, 0, place.right - place.left + overflow, place.bottom - place.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // The box grows by as much, its buttons keep to its middle.
    for (HWND child = ::GetWindow(box, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        wchar_t kind[16] = L"";
        ::GetClassNameW(child, kind, 16);
        if (lstrcmpiW(kind, L"Button") != 0)
            continue;
        RECT button{};
        ::GetWindowRect(child, &button);
        ::MapWindowPoints(nullptr, box, reinterpret_cast<POINT *>(&button), 2);
        ::SetWindowPos(child, nullptr, button.left + overflow / 2, button.top, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    RECT frame{};
    ::GetWindowRect(box, &frame);
    ::SetWindowPos(box, nullptr, frame.left - overflow / 2, frame.top, frame.right - frame.left + overflow,
                   frame.bottom - frame.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

thread_local HHOOK t_boxHook = nullptr;

LRESULT CALLBACK BoxHook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE) {
        HWND window = reinterpret_cast<HWND>(wParam);
        wchar_t kind[16] = L"";
        ::GetClassNameW(window, kind, 16);
        if (lstrcmpW(kind, L"#32770") == 0)
            GiveTextRoom(window);
        ::UnhookWindowsHookEx(t_boxHook);
        t_boxHook = nullptr;
        return 0;
    }
    return ::CallNextHookEx(t_boxHook, code, wParam, lParam);
}

} // namespace

int ShowSystemMessageBox(HWND owner, const wchar_t *text, const wchar_t *caption, UINT type)
{
    if (t_boxHook == nullptr)
        t_boxHook = ::SetWindowsHookExW(WH_CBT, BoxHook, nullptr, ::GetCurrentThreadId());
    const int answer = ::MessageBoxW(owner, text, caption, type);
    if (t_boxHook != nullptr) {
        ::UnhookWindowsHookEx(t_boxHook);
        t_boxHook = nullptr;
    }
    return answer;
}

int AfxShowMessageBox(HWND hWndOwner, LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType)
{
    CString text = lpszText ? lpszText : "";
    CString caption = lpszCaption ? CString(lpszCaption) : ApplicationCaption();
    if (CTestHook *hook = AfxGetTestHook()) {
        return hook->onMessageBox ? hook->onMessageBox(text, caption, nType) : DefaultButton(nType);
    }
    return ShowSystemMessageBox(hWndOwner, Cp1250ToWide(text).c_str(), Cp1250ToWide(caption).c_str(), nType);
}

int AfxMessageBox(LPCTSTR lpszText, UINT nType, UINT)
{
    if ((nType & MB_ICONMASK) == 0) {
        UINT kind = nType & MB_TYPEMASK;
        nType |= (kind == MB_YESNO || kind == MB_YESNOCANCEL) ? MB_ICONQUESTION
                 : kind == MB_OK                              ? MB_ICONEXCLAMATION
                                                              : 0;
    }
    return AfxShowMessageBox(DefaultOwner(), lpszText, nullptr, nType);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    CString prompt;
    prompt.LoadString(nIDPrompt);
    return AfxMessageBox(prompt, nType, nIDHelp == (UINT)-1 ? nIDPrompt : nIDHelp);
}
