#include "controls/dialog_toolbar.h"

#include "framework/ui/frameids.h"

bool CreateToolBarOnTop(CWnd &dialog, CToolBar &bar, UINT resourceId, DWORD extraStyle)
{
    if (!bar.CreateEx(&dialog, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP | CBRS_TOOLTIPS | extraStyle,
                      CRect(0, 0, 0, 0), AFX_IDW_TOOLBAR)
        || !bar.LoadToolBar(resourceId))
        return false;

    const HWND owner = dialog.m_hWnd;
    const int height = bar.CalcFixedLayout(TRUE, TRUE).cy;
    for (HWND child = ::GetWindow(owner, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (child == bar.m_hWnd)
            continue;
        RECT rect;
        ::GetWindowRect(child, &rect);
        ::MapWindowPoints(nullptr, owner, reinterpret_cast<POINT *>(&rect), 2);
        ::SetWindowPos(child, nullptr, rect.left, rect.top + height, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    CRect window;
    dialog.GetWindowRect(&window);
    dialog.SetWindowPos(nullptr, 0, 0, window.Width(), window.Height() + height,
                        SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    CRect client;
    dialog.GetClientRect(&client);
    bar.MoveWindow(0, 0, client.Width(), height);
    return true;
}
