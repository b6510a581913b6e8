// CWnd's thin operations: each one Win32 call, text converted from and to code page 1250.
#include "framework/ui/wnd.h"

#include "framework/core/codepage.h"
#include "framework/ui/gdi.h"
#include "framework/ui/menu.h"
#include "framework/ui/msgbox.h"

#include <string>

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::SendMessageW(m_hWnd, message, wParam, lParam);
}
BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::PostMessageW(m_hWnd, message, wParam, lParam);
}
LRESULT CWnd::SendDlgItemMessage(int nID, UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::SendDlgItemMessageW(m_hWnd, nID, message, wParam, lParam);
}

void CWnd::SendMessageToDescendants(UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep, BOOL bOnlyPerm)
{
    for (HWND child = ::GetTopWindow(m_hWnd); child; child = ::GetNextWindow(child, GW_HWNDNEXT)) {
        CWnd *window = FromHandlePermanent(child);
        if (window != nullptr) {
            window->SendMessage(message, wParam, lParam);
        } else if (!bOnlyPerm) {
            ::SendMessageW(child, message, wParam, lParam);
        }
        if (bDeep && ::GetTopWindow(child) != nullptr) {
            CWnd *descendant = FromHandle(child);
            descendant->SendMessageToDescendants(message, wParam, lParam, bDeep, bOnlyPerm);
        }
    }
}

DWORD CWnd::GetStyle() const
{
    return (DWORD)::GetWindowLongPtrW(m_hWnd, GWL_STYLE);
}
DWORD CWnd::GetExStyle() const
{
    return (DWORD)::GetWindowLongPtrW(m_hWnd, GWL_EXSTYLE);
}

namespace {
BOOL ModifyLong(HWND hWnd, int index, DWORD remove, DWORD add, UINT flags)
{
    DWORD style = (DWORD)::GetWindowLongPtrW(hWnd, index);
    DWORD changed = (style & ~remove) | add;
    if (changed == style)
        return FALSE;
    ::SetWindowLongPtrW(hWnd, index, (LONG_PTR)changed);
    if (flags != 0) {
        ::SetWindowPos(hWnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | flags);
    }
    return TRUE;
}
} // namespace

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    return ModifyLong(m_hWnd, GWL_STYLE, dwRemove, dwAdd, nFlags);
}
BOOL CWnd::ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    return ModifyLong(m_hWnd, GWL_EXSTYLE, dwRemove, dwAdd, nFlags);
}

int CWnd::GetDlgCtrlID() const
{
    return ::GetDlgCtrlID(m_hWnd);
}
int CWnd::SetDlgCtrlID(int nID)
{
    return (int)::SetWindowLongPtrW(m_hWnd, GWLP_ID, nID);
}
CWnd *CWnd::GetParent() const
{
    return FromHandle(::GetParent(m_hWnd));
}
CWnd *CWnd::SetParent(CWnd *pWndNewParent)
{
    return FromHandle(::SetParent(m_hWnd, pWndNewParent ? pWndNewParent->m_hWnd : nullptr));
}
CWnd *CWnd::GetOwner() const
{
    return FromHandle(::GetWindow(m_hWnd, GW_OWNER));
}
void CWnd::SetOwner(CWnd *pOwnerWnd)
{
    ::SetWindowLongPtrW(m_hWnd, GWLP_HWNDPARENT, (LONG_PTR)(pOwnerWnd ? pOwnerWnd->m_hWnd : nullptr));
}
CWnd *CWnd::GetTopLevelParent() const
{
    return FromHandle(::GetAncestor(m_hWnd, GA_ROOT));
}
CWnd *CWnd::GetDlgItem(int nID) const
{
    return FromHandle(::GetDlgItem(m_hWnd, nID));
}
CWnd *CWnd::GetWindow(UINT nCmd) const
{
    return FromHandle(::GetWindow(m_hWnd, nCmd));
}
CWnd *CWnd::GetNextDlgTabItem(CWnd *pWndCtl, BOOL bPrevious) const
{
    return FromHandle(::GetNextDlgTabItem(m_hWnd, pWndCtl ? pWndCtl->m_hWnd : nullptr, bPrevious));
}
CWnd *CWnd::GetNextDlgGroupItem(CWnd *pWndCtl, BOOL bPrevious) const
{
    return FromHandle(::GetNextDlgGroupItem(m_hWnd, pWndCtl ? pWndCtl->m_hWnd : nullptr, bPrevious));
}
BOOL CWnd::IsChild(const CWnd *pWnd) const
{
    return pWnd && ::IsChild(m_hWnd, pWnd->m_hWnd);
}
BOOL CWnd::IsWindowVisible() const
{
    return ::IsWindowVisible(m_hWnd);
}
BOOL CWnd::IsWindowEnabled() const
{
    return ::IsWindowEnabled(m_hWnd);
}
BOOL CWnd::EnableWindow(BOOL bEnable)
{
    return ::EnableWindow(m_hWnd, bEnable);
}
BOOL CWnd::ShowWindow(int nCmdShow)
{
    return ::ShowWindow(m_hWnd, nCmdShow);
}
BOOL CWnd::IsIconic() const
{
    return ::IsIconic(m_hWnd);
}
BOOL CWnd::IsZoomed() const
{
    return ::IsZoomed(m_hWnd);
}
void CWnd::MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint)
{
    ::MoveWindow(m_hWnd, x, y, nWidth, nHeight, bRepaint);
}
void CWnd::MoveWindow(LPCRECT lpRect, BOOL bRepaint)
{
    MoveWindow(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top, bRepaint);
}
BOOL CWnd::SetWindowPos(const CWnd *pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags)
{
    HWND after = pWndInsertAfter ? pWndInsertAfter->m_hWnd : nullptr;
    return ::SetWindowPos(m_hWnd, after, x, y, cx, cy, nFlags);
}
void CWnd::GetWindowRect(LPRECT lpRect) const
{
    ::GetWindowRect(m_hWnd, lpRect);
}
void CWnd::GetClientRect(LPRECT lpRect) const
{
    ::GetClientRect(m_hWnd, lpRect);
}
void CWnd::ClientToScreen(LPPOINT lpPoint) const
{
    ::ClientToScreen(m_hWnd, lpPoint);
}
void CWnd::ClientToScreen(LPRECT lpRect) const
{
    ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<LPPOINT>(lpRect), 2);
}
void CWnd::ScreenToClient(LPPOINT lpPoint) const
{
    ::ScreenToClient(m_hWnd, lpPoint);
}
void CWnd::ScreenToClient(LPRECT lpRect) const
{
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<LPPOINT>(lpRect), 2);
}
void CWnd::MapWindowPoints(CWnd *pwndTo, LPRECT lpRect) const
{
    ::MapWindowPoints(m_hWnd, pwndTo ? pwndTo->m_hWnd : nullptr, reinterpret_cast<LPPOINT>(lpRect), 2);
}
void CWnd::MapWindowPoints(CWnd *pwndTo, LPPOINT lpPoint, UINT nCount) const
{
    ::MapWindowPoints(m_hWnd, pwndTo ? pwndTo->m_hWnd : nullptr, lpPoint, nCount);
}

void CWnd::CenterWindow(CWnd *pAlternateOwner)
{
    HWND around = pAlternateOwner ? pAlternateOwner->m_hWnd : ::GetWindow(m_hWnd, GW_OWNER);
    if (GetStyle() & WS_CHILD)
        around = ::GetParent(m_hWnd);
    RECT area{};
    RECT mine{};
    if (around != nullptr && ::IsWindowVisible(around) && !::IsIconic(around)) {
        ::GetWindowRect(around, &area);
    } else {
        ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    }
    ::GetWindowRect(m_hWnd, &mine);
    int width = mine.right - mine.left;
    int height = mine.bottom - mine.top;
    POINT topLeft{(area.left + area.right - width) / 2, (area.top + area.bottom - height) / 2};
    if (GetStyle() & WS_CHILD)
        ::ScreenToClient(::GetParent(m_hWnd), &topLeft);
    ::SetWindowPos(m_hWnd, nullptr, topLeft.x, topLeft.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CWnd::BringWindowToTop()
{
    ::BringWindowToTop(m_hWnd);
}
void CWnd::Invalidate(BOOL bErase)
{
    ::InvalidateRect(m_hWnd, nullptr, bErase);
}
void CWnd::InvalidateRect(LPCRECT lpRect, BOOL bErase)
{
    ::InvalidateRect(m_hWnd, lpRect, bErase);
}
void CWnd::ValidateRect(LPCRECT lpRect)
{
    ::ValidateRect(m_hWnd, lpRect);
}
void CWnd::UpdateWindow()
{
    ::UpdateWindow(m_hWnd);
}
BOOL CWnd::RedrawWindow(LPCRECT lpRectUpdate, HRGN hRgnUpdate, UINT flags)
{
    return ::RedrawWindow(m_hWnd, lpRectUpdate, hRgnUpdate, flags);
}
void CWnd::SetRedraw(BOOL bRedraw)
{
    SendMessage(WM_SETREDRAW, bRedraw);
}

// ---- Text ------------------------------------------------------------------------------------

void CWnd::SetWindowText(LPCTSTR lpszString)
{
    ::SetWindowTextW(m_hWnd, Cp1250ToWide(lpszString ? lpszString : "").c_str());
}

void CWnd::GetWindowText(CString &rString) const
{
    int length = ::GetWindowTextLengthW(m_hWnd);
    std::wstring text(length + 1, L'\0');
    length = ::GetWindowTextW(m_hWnd, &text[0], length + 1);
    rString = WideToCp1250(text.c_str(), length);
}

int CWnd::GetWindowText(LPTSTR lpszString, int nMaxCount) const
{
    if (nMaxCount <= 0)
        return 0;
    CString text;
    GetWindowText(text);
    int length = text.GetLength() < nMaxCount - 1 ? text.GetLength() : nMaxCount - 1;
    memcpy(lpszString, text.GetString(), length);
    lpszString[length] = '\0';
    return length;
}

int CWnd::GetWindowTextLength() const
{
    return ::GetWindowTextLengthW(m_hWnd);
}

void CWnd::SetDlgItemText(int nID, LPCTSTR lpszString)
{
    ::SetDlgItemTextW(m_hWnd, nID, Cp1250ToWide(lpszString ? lpszString : "").c_str());
}

int CWnd::GetDlgItemText(int nID, CString &rString) const
{
    rString.Empty();
    HWND item = ::GetDlgItem(m_hWnd, nID);
    if (item != nullptr)
        FromHandle(item)->GetWindowText(rString);
    return rString.GetLength();
}

int CWnd::GetDlgItemText(int nID, LPTSTR lpStr, int nMaxCount) const
{
    HWND item = ::GetDlgItem(m_hWnd, nID);
    if (item == nullptr) {
        if (nMaxCount > 0)
            lpStr[0] = '\0';
        return 0;
    }
    return FromHandle(item)->GetWindowText(lpStr, nMaxCount);
}

void CWnd::SetDlgItemInt(int nID, UINT nValue, BOOL bSigned)
{
    ::SetDlgItemInt(m_hWnd, nID, nValue, bSigned);
}
UINT CWnd::GetDlgItemInt(int nID, BOOL *lpTrans, BOOL bSigned) const
{
    return ::GetDlgItemInt(m_hWnd, nID, lpTrans, bSigned);
}
void CWnd::CheckDlgButton(int nIDButton, UINT nCheck)
{
    ::CheckDlgButton(m_hWnd, nIDButton, nCheck);
}
UINT CWnd::IsDlgButtonChecked(int nIDButton) const
{
    return ::IsDlgButtonChecked(m_hWnd, nIDButton);
}
void CWnd::CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton)
{
    ::CheckRadioButton(m_hWnd, nIDFirstButton, nIDLastButton, nIDCheckButton);
}
int CWnd::GetCheckedRadioButton(int nIDFirstButton, int nIDLastButton) const
{
    for (int id = nIDFirstButton; id <= nIDLastButton; ++id) {
        if (::IsDlgButtonChecked(m_hWnd, id) == BST_CHECKED)
            return id;
    }
    return 0;
}
void CWnd::SetFont(CFont *pFont, BOOL bRedraw)
{
    SendMessage(WM_SETFONT, (WPARAM)(pFont ? pFont->GetSafeHandle() : nullptr), bRedraw);
}
CFont *CWnd::GetFont() const
{
    return CFont::FromHandle((HFONT)SendMessage(WM_GETFONT));
}
HICON CWnd::SetIcon(HICON hIcon, BOOL bBigIcon)
{
    return (HICON)SendMessage(WM_SETICON, bBigIcon ? ICON_BIG : ICON_SMALL, (LPARAM)hIcon);
}

// ---- Timers, focus, capture ----------------------------------------------------------------

UINT_PTR CWnd::SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfnTimer)
{
    return ::SetTimer(m_hWnd, nIDEvent, nElapse, lpfnTimer);
}
BOOL CWnd::KillTimer(UINT_PTR nIDEvent)
{
    return ::KillTimer(m_hWnd, nIDEvent);
}
CWnd *CWnd::SetFocus()
{
    return FromHandle(::SetFocus(m_hWnd));
}
CWnd *CWnd::GetFocus()
{
    return FromHandle(::GetFocus());
}
CWnd *CWnd::SetCapture()
{
    return FromHandle(::SetCapture(m_hWnd));
}
CWnd *CWnd::GetCapture()
{
    return FromHandle(::GetCapture());
}
CWnd *CWnd::SetActiveWindow()
{
    return FromHandle(::SetActiveWindow(m_hWnd));
}
CWnd *CWnd::GetActiveWindow()
{
    return FromHandle(::GetActiveWindow());
}
BOOL CWnd::SetForegroundWindow()
{
    return ::SetForegroundWindow(m_hWnd);
}
CWnd *CWnd::GetDesktopWindow()
{
    return FromHandle(::GetDesktopWindow());
}
CWnd *CWnd::WindowFromPoint(POINT point)
{
    return FromHandle(::WindowFromPoint(point));
}

// ---- Scrolling -------------------------------------------------------------------------------

int CWnd::SetScrollPos(int nBar, int nPos, BOOL bRedraw)
{
    return ::SetScrollPos(m_hWnd, nBar, nPos, bRedraw);
}
int CWnd::GetScrollPos(int nBar) const
{
    return ::GetScrollPos(m_hWnd, nBar);
}
void CWnd::SetScrollRange(int nBar, int nMinPos, int nMaxPos, BOOL bRedraw)
{
    ::SetScrollRange(m_hWnd, nBar, nMinPos, nMaxPos, bRedraw);
}
void CWnd::GetScrollRange(int nBar, LPINT lpMinPos, LPINT lpMaxPos) const
{
    ::GetScrollRange(m_hWnd, nBar, lpMinPos, lpMaxPos);
}
BOOL CWnd::SetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, BOOL bRedraw)
{
    lpScrollInfo->cbSize = sizeof(SCROLLINFO);
    ::SetScrollInfo(m_hWnd, nBar, lpScrollInfo, bRedraw);
    return TRUE;
}
BOOL CWnd::GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask) const
{
    lpScrollInfo->cbSize = sizeof(SCROLLINFO);
    lpScrollInfo->fMask = nMask;
    return ::GetScrollInfo(m_hWnd, nBar, lpScrollInfo);
}
int CWnd::GetScrollLimit(int nBar) const
{
    SCROLLINFO info{};
    if (!GetScrollInfo(nBar, &info, SIF_RANGE | SIF_PAGE))
        return 0;
    int page = info.nPage > 0 ? (int)info.nPage - 1 : 0;
    return info.nMax - page > info.nMin ? info.nMax - page : info.nMin;
}
void CWnd::ScrollWindow(int xAmount, int yAmount, LPCRECT lpRect, LPCRECT lpClipRect)
{
    ::ScrollWindow(m_hWnd, xAmount, yAmount, lpRect, lpClipRect);
}
void CWnd::ShowScrollBar(UINT nBar, BOOL bShow)
{
    ::ShowScrollBar(m_hWnd, nBar, bShow);
}

// ---- Menus, drawing, message boxes ---------------------------------------------------------

CMenu *CWnd::GetMenu() const
{
    return CMenu::FromHandle(::GetMenu(m_hWnd));
}
BOOL CWnd::SetMenu(CMenu *pMenu)
{
    return ::SetMenu(m_hWnd, pMenu ? pMenu->m_hMenu : nullptr);
}
void CWnd::DrawMenuBar()
{
    ::DrawMenuBar(m_hWnd);
}
CMenu *CWnd::GetSystemMenu(BOOL bRevert) const
{
    return CMenu::FromHandle(::GetSystemMenu(m_hWnd, bRevert));
}
CDC *CWnd::GetDC()
{
    return CDC::FromHandle(::GetDC(m_hWnd));
}
CDC *CWnd::GetWindowDC()
{
    return CDC::FromHandle(::GetWindowDC(m_hWnd));
}
int CWnd::ReleaseDC(CDC *pDC)
{
    if (pDC == nullptr)
        return 0;
    return ::ReleaseDC(m_hWnd, pDC->Detach());
}
void CWnd::DragAcceptFiles(BOOL bAccept)
{
    ::DragAcceptFiles(m_hWnd, bAccept);
}

int CWnd::MessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType)
{
    return AfxShowMessageBox(m_hWnd, lpszText, lpszCaption, nType);
}

CString CWnd::SectionOfSettingChange(LPARAM lParam)
{
    return lParam ? WideToCp1250(reinterpret_cast<const wchar_t *>(lParam)) : CString();
}
