// A hidden top-level window to put the controls under test in, and a way to type into them.
#pragma once

#include "framework/ui/wnd.h"

#include <windows.h>

class TestParentWindow : public CWnd {
public:
    TestParentWindow()
    {
        CreateEx(0, AfxRegisterWndClass(0), "test", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr);
    }
};

// Types the keys as WM_CHAR messages, the way TranslateMessage hands them to a control.
inline void TypeChars(CWnd &control, const wchar_t *keys)
{
    for (const wchar_t *key = keys; *key != 0; ++key)
        control.SendMessage(WM_CHAR, *key, 1);
}

inline CString TextOf(const CWnd &control)
{
    CString text;
    control.GetWindowText(text);
    return text;
}
