// The MDI client of the main window: paints the empty area grey with the program's name.
#pragma once

#include "framework/ui/wnd.h"

class CMdiClient : public CWnd {
public:
    static constexpr COLORREF kBackground = RGB(128, 128, 128);
    static constexpr COLORREF kTextColor = RGB(192, 192, 192);
    static constexpr int kTextFromRight = 140;
    static constexpr int kTextFromBottom = 50;

protected:
    BOOL OnEraseBkgnd(CDC *pDC);
    void OnSize(UINT nType, int cx, int cy);

    DECLARE_MESSAGE_MAP()
};
