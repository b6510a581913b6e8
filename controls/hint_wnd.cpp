#include "controls/hint_wnd.h"

#include "controls/hint_layout.h"
#include "framework/ui/ddx.h"

namespace {
const COLORREF kHintBackground = RGB(255, 255, 180);
} // namespace

CPoint CHintWnd::s_offset(10, 5);

BEGIN_MESSAGE_MAP(CHintWnd, CDialog)
    ON_WM_TIMER()
    ON_WM_PAINT()
    ON_WM_CTLCOLOR()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

CHintWnd::CHintWnd(CWnd *pOwner) : m_pOwner(pOwner)
{
    m_font.CreateFont(14, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_STRING_PRECIS,
                      CLIP_CHARACTER_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "ARIAL");
    m_backgroundBrush.CreateSolidBrush(kHintBackground);
}

BOOL CHintWnd::OnInitDialog()
{
    // The dialog has no controls of its own: the text lives in this one static.
    m_textStatic.Create("hint", WS_CHILD | WS_VISIBLE, CRect(0, 0, 450, 150), this, IDC_HINT_TEXT);
    m_textStatic.SetFont(&m_font, FALSE);
    return CDialog::OnInitDialog();
}

void CHintWnd::DoDataExchange(CDataExchange *pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_HINT_TEXT, m_shownText);
}

void CHintWnd::ShowAtCursor(const CString &text)
{
    if (m_timerId != 0)
        KillTimer(m_timerId);
    m_timerId = SetTimer(IDT_HINT_DELAY, m_delay);
    m_text = text;
    ::GetCursorPos(&m_cursor);
}

void CHintWnd::HideHint()
{
    // A wait still running would show the hint after the owner asked for it to go.
    if (m_timerId != 0)
        KillTimer(m_timerId);
    m_timerId = 0;
    if (!m_bShown)
        return;
    ShowWindow(SW_HIDE);
    m_bShown = false;
}

void CHintWnd::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != IDT_HINT_DELAY) {
        CDialog::OnTimer(nIDEvent);
        return;
    }
    KillTimer(IDT_HINT_DELAY);
    m_timerId = 0;
    CPoint now;
    ::GetCursorPos(&now);
    if (now == m_cursor)
        LayOutAndShow();
}

void CHintWnd::LayOutAndShow()
{
    const CString text = ExpandHintLineBreaks(m_text);
    std::vector<int> widths;
    int lineHeight = 0;
    int screenWidth = 0;
    {
        CClientDC dc(this);
        CFont *oldFont = dc.SelectObject(&m_font);
        lineHeight = dc.GetTextExtent("I").cy;
        for (const CString &line : SplitHintLines(text))
            widths.push_back(dc.GetTextExtent(line).cx);
        screenWidth = dc.GetDeviceCaps(HORZRES);
        dc.SelectObject(oldFont);
    }
    m_size = HintTextSize(widths, lineHeight);

    m_shownText = text;
    UpdateData(FALSE);

    const CRect rect = HintWindowRect(m_cursor, m_size, screenWidth, s_offset);
    SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(), SWP_SHOWWINDOW | SWP_NOACTIVATE);
    m_leaveRect = CRect(m_cursor.x - 2, m_cursor.y - 2, m_cursor.x + 2, m_cursor.y + 2);
    m_bShown = true;
}

void CHintWnd::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(&client, kHintBackground);
}

HBRUSH CHintWnd::OnCtlColor(CDC *pDC, CWnd *, UINT)
{
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(RGB(0, 0, 0));
    return m_backgroundBrush;
}

void CHintWnd::OnMouseMove(UINT, CPoint point)
{
    ClientToScreen(&point);
    if (!m_leaveRect.PtInRect(point))
        HideHint();
}

void CHintWnd::OnLButtonDown(UINT, CPoint)
{
    HideHint();
}
