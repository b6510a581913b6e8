#pragma once
// A static in its own colour and font that can blink (its text or its background) on the
// owner's timer and, given SS_NOTIFY, opens its text as a link when clicked.

#include "framework/ui/controls.h"
#include "framework/ui/gdi.h"

class CColorLabel : public CStatic {
public:
    enum BlinkMode { BlinkNone = 0, BlinkText = 1, BlinkBackground = 2 };

    CColorLabel();

    void SetTextColor(COLORREF color);
    void SetFontBold(bool bold);
    // The background shown in the dark phase of background blinking.
    void SetBlinkBackgroundColor(COLORREF color);

    // Set by the owner, which also runs the timer whose ticks flip the blink state.
    int m_nBlinkMode = BlinkNone;
    CString m_strBlinkText;          // the text shown in the lit phase of text blinking
    HCURSOR m_hLinkCursor = nullptr; // shown over the label when set

protected:
    HBRUSH CtlColor(CDC *pDC, UINT nCtlColor);
    void OnTimer(UINT_PTR nIDEvent);
    void OnLButtonDown(UINT nFlags, CPoint point);
    BOOL OnSetCursor(CWnd *pWnd, UINT nHitTest, UINT message);
    DECLARE_MESSAGE_MAP()

private:
    void RemakeFont();
    void RedrawNow();

    COLORREF m_textColor;
    CBrush m_backgroundBrush;
    CBrush m_blinkBrush;
    LOGFONT m_logFont{};
    CFont m_font;
    int m_blinkState = 0;
};
