// The character the user clicked stays where it stood in the window while values are written:
// the control scrolls to every occurrence it changes, and putting the caret back only scrolls
// far enough to show the caret, not back to where the user was reading.
#pragma once

#include <windows.h>
#include <richedit.h>

class ScrollKeeper {
public:
    ScrollKeeper(HWND control, int position) : m_control(control), m_position(position), m_top(Top()) {}

    // Scrolls the control so that the character stands at its former height again.
    void Restore() const
    {
        const LONG moved = Top() - m_top;
        if (moved == 0)
            return;
        POINT scroll{};
        SendMessageW(m_control, EM_GETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&scroll));
        scroll.y += moved;
        SendMessageW(m_control, EM_SETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&scroll));
    }

private:
    LONG Top() const
    {
        POINTL point{};
        SendMessageW(m_control, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&point), m_position);
        return point.y;
    }

    HWND m_control;
    int m_position;
    LONG m_top;
};
