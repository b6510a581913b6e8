// The program's entry until the application object takes over start-up: load the rich-edit
// library, open the main MDI window, run the message loop, end with 0 when it closes.
#include <windows.h>
#include <commctrl.h>

#include "res/resource.h"

namespace {

const wchar_t kFrameClass[] = L"MorvelankMainFrame";

// Program texts are code page 1250; Win32 gets them as UTF-16.
void ToWide(const char *text, wchar_t *out, int capacity)
{
    if (MultiByteToWideChar(1250, 0, text, -1, out, capacity) == 0)
        out[0] = L'\0';
}

HWND g_mdiClient = nullptr;

LRESULT CALLBACK FrameProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_CREATE: {
        CLIENTCREATESTRUCT ccs{};
        ccs.idFirstChild = 0xFF00;
        g_mdiClient = CreateWindowExW(WS_EX_CLIENTEDGE, L"MDICLIENT", nullptr,
                                      WS_CHILD | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL | WS_VISIBLE,
                                      0, 0, 0, 0, hwnd, nullptr, GetModuleHandleW(nullptr), &ccs);
        return g_mdiClient ? 0 : -1;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefFrameProcW(hwnd, g_mdiClient, msg, wParam, lParam);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    if (!LoadLibraryW(L"MSFTEDIT.DLL")) {
        MessageBoxW(nullptr, L"Could not load the RichControl Dll.", L"Morvelank", MB_ICONSTOP);
        return 1;
    }
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);

    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = FrameProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDR_MAINFRAME));
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
    wc.lpszMenuName = MAKEINTRESOURCEW(IDR_MAINFRAME);
    wc.lpszClassName = kFrameClass;
    if (!RegisterClassExW(&wc))
        return 1;

    wchar_t title[128];
    ToWide("Morvelank, wrzesień 2025", title, 128);
    HWND frame = CreateWindowExW(0, kFrameClass, title, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                 nullptr, nullptr, instance, nullptr);
    if (!frame)
        return 1;
    ShowWindow(frame, SW_SHOWMAXIMIZED);
    UpdateWindow(frame);

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (!TranslateMDISysAccel(g_mdiClient, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    return static_cast<int>(msg.wParam);
}
