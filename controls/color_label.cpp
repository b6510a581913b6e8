#include "controls/color_label.h"

#include "controls/shell_open.h"

BEGIN_MESSAGE_MAP(CColorLabel, CStatic)
    ON_WM_CTLCOLOR_REFLECT()
    ON_WM_TIMER()
    ON_WM_LBUTTONDOWN()
    ON_WM_SETCURSOR()
END_MESSAGE_MAP()

CColorLabel::CColorLabel() : m_textColor(::GetSysColor(COLOR_WINDOWTEXT))
{
    m_backgroundBrush.CreateSolidBrush(::GetSysColor(COLOR_BTNFACE));
    m_blinkBrush.CreateSolidBrush(::GetSysColor(COLOR_BTNFACE));
    CFont::FromHandle((HFONT)::GetStockObject(DEFAULT_GUI_FONT))->GetLogFont(&m_logFont);
    m_font.CreateFontIndirect(&m_logFont);
}

void CColorLabel::RedrawNow()
{
    if (m_hWnd != nullptr)
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
}

void CColorLabel::RemakeFont()
{
    m_font.DeleteObject();
    m_font.CreateFontIndirect(&m_logFont);
}

void CColorLabel::SetTextColor(COLORREF color)
{
    m_textColor = color;
    RedrawNow();
}

void CColorLabel::SetFontBold(bool bold)
{
    m_logFont.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    RemakeFont();
    RedrawNow();
}

void CColorLabel::SetBlinkBackgroundColor(COLORREF color)
{
    m_blinkBrush.DeleteObject();
    m_blinkBrush.CreateSolidBrush(color);
}

HBRUSH CColorLabel::CtlColor(CDC *pDC, UINT nCtlColor)
{
    if (nCtlColor != CTLCOLOR_STATIC)
        return nullptr;
    pDC->SelectObject(&m_font);
    pDC->SetTextColor(m_textColor);
    pDC->SetBkMode(TRANSPARENT);
    if (m_nBlinkMode == BlinkBackground && m_blinkState == 0)
        return m_blinkBrush;
    return m_backgroundBrush;
}

void CColorLabel::OnTimer(UINT_PTR)
{
    const int before = m_blinkState;
    m_blinkState = !m_blinkState;
    if (m_nBlinkMode == BlinkText) {
        SetWindowText(before ? (LPCTSTR)m_strBlinkText : "");
    } else if (m_nBlinkMode == BlinkBackground) {
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    }
}

void CColorLabel::OnLButtonDown(UINT, CPoint)
{
    CString text;
    GetWindowText(text);
    ShellOpen(text);
}

BOOL CColorLabel::OnSetCursor(CWnd *pWnd, UINT nHitTest, UINT message)
{
    if (m_hLinkCursor == nullptr)
        return CStatic::OnSetCursor(pWnd, nHitTest, message);
    ::SetCursor(m_hLinkCursor);
    return TRUE;
}
