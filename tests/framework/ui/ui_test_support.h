// Helpers shared by the window tests.
#pragma once

#include "framework/core/codepage.h"
#include "framework/core/exceptions.h"
#include "framework/ui/ui.h"

#include <windows.h>

#include <functional>
#include <string>

// Processes this thread's messages until done() holds or the time runs out; returns done().
inline bool PumpUntil(const std::function<bool()> &done, DWORD timeoutMs = 3000)
{
    DWORD start = ::GetTickCount();
    while (!done()) {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        if (done())
            break;
        if (::GetTickCount() - start > timeoutMs)
            return false;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}

// The UTF-16 text Win32 itself holds for a window.
inline std::wstring WideWindowText(HWND hWnd)
{
    wchar_t text[256] = L"";
    ::GetWindowTextW(hWnd, text, 256);
    return text;
}
