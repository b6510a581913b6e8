#pragma once
// A static whose text colour and background alternate between two colours on its own timer;
// on every lit tick it posts a message to the window that asked to be told.

#include "framework/ui/controls.h"
#include "framework/ui/gdi.h"

class CBlinkStatic : public CStatic {
public:
    CBlinkStatic();

    void SetTextColor(COLORREF color) { m_textColor = color; }
    void SetBackgroundColor(COLORREF color);
    // Colours of blink states 0 and 1.
    void SetBlinkTextColors(COLORREF state0, COLORREF state1);
    void SetBlinkBackgroundColors(COLORREF state0, COLORREF state1);
    void SetBlinkText(bool on) { m_textBlinking = on; }
    void SetBlinkBackground(bool on) { m_backgroundBlinking = on; }
    // Starts the blink timer (the control's own id among the window's timers).
    void StartBlinking(UINT_PTR nTimerId, UINT nElapse);
    // Posted with the control's id as WPARAM on every tick that leaves a blink state at 1.
    void SetNotify(CWnd *pWnd, UINT nMessage = WM_USER)
    {
        m_notifyWnd = pWnd;
        m_notifyMessage = nMessage;
    }

protected:
    HBRUSH CtlColor(CDC *pDC, UINT nCtlColor);
    void OnTimer(UINT_PTR nIDEvent);
    void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    UINT_PTR m_timerId = 0;
    COLORREF m_textColor;
    COLORREF m_blinkTextColors[2];
    bool m_textBlinking = false;
    int m_textState = 0;
    COLORREF m_backgroundColor;
    COLORREF m_blinkBackgroundColors[2];
    bool m_backgroundBlinking = false;
    int m_backgroundState = 0;
    CBrush m_backgroundBrush;
    CBrush m_blinkBrushes[2];
    CWnd *m_notifyWnd = nullptr;
    UINT m_notifyMessage = WM_USER;
};
