#include "framework/ui/statusbar.h"

#include "framework/core/codepage.h"
#include "framework/core/module.h"
#include "framework/ui/framewnd.h"

#include <commctrl.h>

IMPLEMENT_DYNAMIC(CStatusBar, CControlBar)

BEGIN_MESSAGE_MAP(CStatusBar, CControlBar)
    ON_WM_SIZE()
END_MESSAGE_MAP()

namespace {

// Shows an indicator pane's text while its update handler enables it.
class CStatusCmdUI : public CCmdUI {
public:
    CStatusBar *m_pBar = nullptr;
    void Enable(BOOL bOn) override
    {
        m_bEnableChanged = TRUE;
        UINT style = m_pBar->GetPaneStyle(m_nIndex) & ~SBPS_DISABLED;
        m_pBar->SetPaneStyle(m_nIndex, bOn ? style : style | SBPS_DISABLED);
    }
    void SetCheck(int nCheck) override
    {
        UINT style = m_pBar->GetPaneStyle(m_nIndex) & ~SBPS_POPOUT;
        m_pBar->SetPaneStyle(m_nIndex, nCheck ? style | SBPS_POPOUT : style);
    }
    void SetRadio(BOOL bOn) override { SetCheck(bOn ? 1 : 0); }
    void SetText(const char *text) override { m_pBar->SetPaneText(m_nIndex, text); }
};

} // namespace

BOOL CStatusBar::Create(CWnd *pParentWnd, DWORD dwStyle, UINT nID)
{
    return CreateEx(pParentWnd, 0, dwStyle, nID);
}

BOOL CStatusBar::CreateEx(CWnd *pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, UINT nID)
{
    DWORD windowStyle = TakeBarStyle(dwStyle, pParentWnd) | dwCtrlStyle | WS_CHILD;
    // The control takes its natural height when it is made; the frame places it after that.
    if (!CWnd::CreateEx(0, "msctls_statusbar32", nullptr, windowStyle, CRect(0, 0, 0, 0), pParentWnd, nID)) {
        TakeBarStyle(0, nullptr);
        return FALSE;
    }
    CRect rect;
    GetWindowRect(&rect);
    m_nHeight = rect.Height();
    if (m_nHeight <= 0) {
        HDC dc = ::GetDC(m_hWnd);
        TEXTMETRICW metrics{};
        ::GetTextMetricsW(dc, &metrics);
        ::ReleaseDC(m_hWnd, dc);
        m_nHeight = metrics.tmHeight + 8;
    }
    ModifyStyle(0, CCS_NOPARENTALIGN | CCS_NORESIZE);
    if (m_pDockSite != nullptr)
        m_pDockSite->DelayRecalcLayout();
    return TRUE;
}

int CStatusBar::TextWidth(const CString &text) const
{
    HDC dc = ::GetDC(m_hWnd);
    HFONT font = (HFONT)SendMessage(WM_GETFONT);
    HGDIOBJ old = font ? ::SelectObject(dc, font) : nullptr;
    std::wstring wide = Cp1250ToWide(text);
    SIZE size{};
    ::GetTextExtentPoint32W(dc, wide.c_str(), (int)wide.size(), &size);
    if (old != nullptr)
        ::SelectObject(dc, old);
    ::ReleaseDC(m_hWnd, dc);
    return size.cx;
}

BOOL CStatusBar::SetIndicators(const UINT *lpIDArray, int nIDCount)
{
    if (m_hWnd == nullptr || nIDCount < 1 || nIDCount > 255 || lpIDArray == nullptr)
        return FALSE;
    m_panes.assign(nIDCount, Pane{});
    BOOL allFound = TRUE;
    for (int i = 0; i < nIDCount; ++i) {
        Pane &pane = m_panes[i];
        pane.id = lpIDArray[i];
        if (pane.id == ID_SEPARATOR) {
            pane.style = SBPS_STRETCH | SBPS_NOBORDERS;
            continue;
        }
        // The indicator's string only sizes its pane.
        CString sample;
        if (::FindResourceW(AfxGetResourceHandle(), MAKEINTRESOURCEW(pane.id / 16 + 1), (LPCWSTR)RT_STRING) != nullptr
            && sample.LoadString(pane.id)) {
            pane.width = TextWidth(sample) + 8;
        } else {
            allFound = FALSE;
        }
    }
    ApplyParts();
    return allFound;
}

void CStatusBar::ApplyParts()
{
    if (m_hWnd == nullptr || m_panes.empty())
        return;
    CRect client;
    GetClientRect(&client);
    int fixed = 0;
    int stretching = 0;
    for (const Pane &pane : m_panes) {
        if (pane.style & SBPS_STRETCH) {
            ++stretching;
        } else {
            fixed += pane.width;
        }
    }
    int grip = (GetStyle() & SBARS_SIZEGRIP) ? ::GetSystemMetrics(SM_CXVSCROLL) : 0;
    int spare = client.Width() - grip - fixed;
    if (spare < 0)
        spare = 0;
    std::vector<int> edges(m_panes.size());
    int right = 0;
    for (size_t i = 0; i < m_panes.size(); ++i) {
        const Pane &pane = m_panes[i];
        right += (pane.style & SBPS_STRETCH) ? spare / (stretching ? stretching : 1) : pane.width;
        edges[i] = right;
    }
    edges.back() = -1; // the last pane reaches the end
    SendMessage(SB_SETPARTS, (WPARAM)edges.size(), (LPARAM)edges.data());
    for (size_t i = 0; i < m_panes.size(); ++i) {
        const Pane &pane = m_panes[i];
        UINT drawing = pane.style & (SBT_NOBORDERS | SBT_POPOUT);
        std::wstring text = Cp1250ToWide(pane.style & SBPS_DISABLED ? CString() : pane.text);
        SendMessage(SB_SETTEXTW, (WPARAM)(i | drawing), (LPARAM)text.c_str());
    }
}

int CStatusBar::CommandToIndex(UINT nIDFind) const
{
    for (size_t i = 0; i < m_panes.size(); ++i) {
        if (m_panes[i].id == nIDFind)
            return (int)i;
    }
    return -1;
}

UINT CStatusBar::GetItemID(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetCount() ? m_panes[nIndex].id : 0;
}

void CStatusBar::GetItemRect(int nIndex, LPRECT lpRect) const
{
    if (nIndex < 0 || nIndex >= GetCount() || !SendMessage(SB_GETRECT, nIndex, (LPARAM)lpRect))
        ::SetRectEmpty(lpRect);
}

CString CStatusBar::GetPaneText(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetCount() ? m_panes[nIndex].text : CString();
}

BOOL CStatusBar::SetPaneText(int nIndex, LPCTSTR lpszNewText, BOOL bUpdate)
{
    if (nIndex < 0 || nIndex >= GetCount())
        return FALSE;
    Pane &pane = m_panes[nIndex];
    CString text = lpszNewText ? lpszNewText : "";
    if (pane.text == text)
        return TRUE;
    pane.text = text;
    UINT drawing = pane.style & (SBT_NOBORDERS | SBT_POPOUT);
    std::wstring wide = Cp1250ToWide(pane.style & SBPS_DISABLED ? CString() : text);
    SendMessage(SB_SETTEXTW, (WPARAM)(nIndex | drawing), (LPARAM)wide.c_str());
    if (bUpdate) {
        CRect rect;
        GetItemRect(nIndex, &rect);
        InvalidateRect(&rect, TRUE);
        UpdateWindow();
    }
    return TRUE;
}

void CStatusBar::GetPaneInfo(int nIndex, UINT &nID, UINT &nStyle, int &cxWidth) const
{
    if (nIndex < 0 || nIndex >= GetCount()) {
        nID = nStyle = 0;
        cxWidth = 0;
        return;
    }
    nID = m_panes[nIndex].id;
    nStyle = m_panes[nIndex].style;
    cxWidth = m_panes[nIndex].width;
}

void CStatusBar::SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth)
{
    if (nIndex < 0 || nIndex >= GetCount())
        return;
    m_panes[nIndex].id = nID;
    m_panes[nIndex].style = nStyle;
    m_panes[nIndex].width = cxWidth < 0 ? 0 : cxWidth;
    ApplyParts();
}

UINT CStatusBar::GetPaneStyle(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetCount() ? m_panes[nIndex].style : 0;
}

void CStatusBar::SetPaneStyle(int nIndex, UINT nStyle)
{
    if (nIndex < 0 || nIndex >= GetCount() || m_panes[nIndex].style == nStyle)
        return;
    m_panes[nIndex].style = nStyle;
    ApplyParts();
}

CSize CStatusBar::CalcFixedLayout(BOOL, BOOL bHorz)
{
    return bHorz ? CSize(32767, m_nHeight) : CSize(m_nHeight, 32767);
}

void CStatusBar::OnSize(UINT nType, int cx, int cy)
{
    CControlBar::OnSize(nType, cx, cy);
    ApplyParts();
}

void CStatusBar::OnUpdateCmdUI(CFrameWnd *pTarget, BOOL)
{
    CStatusCmdUI state;
    state.m_pBar = this;
    state.m_pOther = this;
    state.m_nIndexMax = (UINT)GetCount();
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex) {
        state.m_nID = m_panes[state.m_nIndex].id;
        // Panes keep what the program wrote unless a handler says otherwise.
        if (state.m_nID != ID_SEPARATOR)
            state.DoUpdate(pTarget, FALSE);
    }
}
