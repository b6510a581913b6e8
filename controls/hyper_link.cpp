#include "controls/hyper_link.h"

#include "controls/shell_open.h"
#include "framework/core/module.h"

BEGIN_MESSAGE_MAP(CHyperLink, CStatic)
    ON_WM_PAINT()
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSELEAVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CHyperLink::CHyperLink()
    : m_handCursor(::LoadCursorW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDC_LINK_CURSOR))),
      m_arrowCursor(::LoadCursorW(nullptr, (LPCWSTR)IDC_ARROW))
{
    // Without the program's own cursor the system's hand still tells a link apart.
    if (m_handCursor == nullptr)
        m_handCursor = ::LoadCursorW(nullptr, (LPCWSTR)IDC_HAND);
}

void CHyperLink::PreSubclassWindow()
{
    CStatic::PreSubclassWindow();
    // A static without SS_NOTIFY is transparent to the mouse.
    ModifyStyle(0, SS_NOTIFY);
    GetWindowText(m_linkText);
}

void CHyperLink::EnsureFont()
{
    if (m_fontMade)
        return;
    LOGFONT logFont{};
    CWnd *parent = GetParent();
    CFont *parentFont = parent != nullptr ? parent->GetFont() : nullptr;
    if (parentFont != nullptr) {
        parentFont->GetLogFont(&logFont);
    } else {
        CFont::FromHandle((HFONT)::GetStockObject(DEFAULT_GUI_FONT))->GetLogFont(&logFont);
    }
    logFont.lfUnderline = TRUE;
    m_fontMade = m_font.CreateFontIndirect(&logFont) != FALSE;
}

void CHyperLink::OnPaint()
{
    CPaintDC dc(this);
    EnsureFont();
    CFont *oldFont = m_fontMade ? dc.SelectObject(&m_font) : nullptr;
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(0, 0, 255));
    dc.TextOut(0, 0, m_linkText);
    if (oldFont != nullptr)
        dc.SelectObject(oldFont);
}

bool CHyperLink::IsOnText(CPoint point)
{
    if (!m_extentMeasured) {
        EnsureFont();
        CClientDC dc(this);
        CFont *oldFont = m_fontMade ? dc.SelectObject(&m_font) : nullptr;
        m_textExtent = dc.GetTextExtent(m_linkText);
        if (oldFont != nullptr)
            dc.SelectObject(oldFont);
        m_extentMeasured = true;
    }
    return point.x >= 0 && point.x < m_textExtent.cx && point.y >= 0 && point.y < m_textExtent.cy;
}

void CHyperLink::OnMouseMove(UINT, CPoint point)
{
    if (!m_hovering) {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, m_hWnd, 0};
        ::TrackMouseEvent(&track);
        m_hovering = true;
    }
    ::SetCursor(IsOnText(point) ? m_handCursor : m_arrowCursor);
}

void CHyperLink::OnMouseLeave()
{
    m_hovering = false;
    ::SetCursor(m_arrowCursor);
}

void CHyperLink::OnLButtonDown(UINT, CPoint point)
{
    if (IsOnText(point))
        ShellOpen(m_target);
}

void CHyperLink::OnDestroy()
{
    m_font.DeleteObject();
    m_fontMade = false;
    m_extentMeasured = false;
    CStatic::OnDestroy();
}
