#include "controls/blink_static.h"

BEGIN_MESSAGE_MAP(CBlinkStatic, CStatic)
    ON_WM_CTLCOLOR_REFLECT()
    ON_WM_TIMER()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CBlinkStatic::CBlinkStatic()
    : m_textColor(::GetSysColor(COLOR_BTNTEXT)), m_blinkTextColors{m_textColor, m_textColor},
      m_backgroundColor(::GetSysColor(COLOR_BTNFACE)), m_blinkBackgroundColors{m_backgroundColor, m_backgroundColor}
{
    m_backgroundBrush.CreateSolidBrush(m_backgroundColor);
    m_blinkBrushes[0].CreateSolidBrush(m_backgroundColor);
    m_blinkBrushes[1].CreateSolidBrush(m_backgroundColor);
}

void CBlinkStatic::SetBackgroundColor(COLORREF color)
{
    m_backgroundColor = color;
    m_backgroundBrush.DeleteObject();
    m_backgroundBrush.CreateSolidBrush(color);
}

void CBlinkStatic::SetBlinkTextColors(COLORREF state0, COLORREF state1)
{
    m_blinkTextColors[0] = state0;
    m_blinkTextColors[1] = state1;
}

void CBlinkStatic::SetBlinkBackgroundColors(COLORREF state0, COLORREF state1)
{
    m_blinkBackgroundColors[0] = state0;
    m_blinkBackgroundColors[1] = state1;
    for (int state = 0; state < 2; ++state) {
        m_blinkBrushes[state].DeleteObject();
        m_blinkBrushes[state].CreateSolidBrush(m_blinkBackgroundColors[state]);
    }
}

void CBlinkStatic::StartBlinking(UINT_PTR nTimerId, UINT nElapse)
{
    if (m_timerId != 0)
        KillTimer(m_timerId);
    m_timerId = SetTimer(nTimerId, nElapse) != 0 ? nTimerId : 0;
}

HBRUSH CBlinkStatic::CtlColor(CDC *pDC, UINT)
{
    pDC->SetTextColor(m_textBlinking ? m_blinkTextColors[m_textState] : m_textColor);
    if (m_backgroundBlinking) {
        pDC->SetBkColor(m_blinkBackgroundColors[m_backgroundState]);
        return m_blinkBrushes[m_backgroundState];
    }
    pDC->SetBkColor(m_backgroundColor);
    return m_backgroundBrush;
}

void CBlinkStatic::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != m_timerId || m_timerId == 0 || (!m_textBlinking && !m_backgroundBlinking)) {
        CStatic::OnTimer(nIDEvent);
        return;
    }
    if (m_textBlinking)
        m_textState = !m_textState;
    if (m_backgroundBlinking)
        m_backgroundState = !m_backgroundState;
    Invalidate();
    // A state left at 1 by blinking that has since been switched off does not count.
    const bool lit = (m_textBlinking && m_textState == 1) || (m_backgroundBlinking && m_backgroundState == 1);
    if (m_notifyWnd != nullptr && lit)
        m_notifyWnd->PostMessage(m_notifyMessage, (WPARAM)GetDlgCtrlID(), 0);
}

void CBlinkStatic::OnDestroy()
{
    if (m_timerId != 0)
        KillTimer(m_timerId);
    m_timerId = 0;
    m_backgroundBrush.DeleteObject();
    m_blinkBrushes[0].DeleteObject();
    m_blinkBrushes[1].DeleteObject();
    CStatic::OnDestroy();
}
