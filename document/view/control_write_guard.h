// While values are written the control is hidden, silent towards its parent and writable;
// afterwards it is as it was, with the selection highlight hidden.
#pragma once

#include <windows.h>
#include <richedit.h>

class ControlWriteGuard {
public:
    explicit ControlWriteGuard(HWND control)
        : m_control(control), m_visible(IsWindowVisible(control) != FALSE),
          m_readOnly((GetWindowLongW(control, GWL_STYLE) & ES_READONLY) != 0),
          m_eventMask(static_cast<DWORD>(SendMessageW(control, EM_GETEVENTMASK, 0, 0)))
    {
        if (m_visible)
            ShowWindow(m_control, SW_HIDE);
        SendMessageW(m_control, EM_SETEVENTMASK, 0, 0);
        SendMessageW(m_control, EM_SETREADONLY, FALSE, 0);
    }
    ~ControlWriteGuard()
    {
        SendMessageW(m_control, EM_SETREADONLY, m_readOnly, 0);
        SendMessageW(m_control, EM_SETEVENTMASK, 0, m_eventMask);
        SendMessageW(m_control, EM_HIDESELECTION, TRUE, 0);
        if (m_visible)
            ShowWindow(m_control, SW_SHOW);
    }
    ControlWriteGuard(const ControlWriteGuard &) = delete;
    ControlWriteGuard &operator=(const ControlWriteGuard &) = delete;

private:
    HWND m_control;
    bool m_visible;
    bool m_readOnly;
    DWORD m_eventMask;
};
