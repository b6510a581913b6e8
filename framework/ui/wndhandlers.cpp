// CWnd's default message handlers: what a handler gets by calling its base class.
#include "framework/ui/wnd.h"

#include "framework/ui/controls.h"
#include "framework/ui/gdi.h"
#include "framework/ui/menu.h"

int CWnd::OnCreate(LPCREATESTRUCT)
{
    return (int)Default();
}
void CWnd::OnDestroy()
{
    Default();
}
void CWnd::OnNcDestroy()
{
    Default();
}
void CWnd::OnClose()
{
    Default();
}
void CWnd::OnPaint()
{
    Default();
}
BOOL CWnd::OnEraseBkgnd(CDC *)
{
    return (BOOL)Default();
}
void CWnd::OnSize(UINT, int, int)
{
    Default();
}
void CWnd::OnMove(int, int)
{
    Default();
}
void CWnd::OnTimer(UINT_PTR)
{
    Default();
}
void CWnd::OnKeyDown(UINT, UINT, UINT)
{
    Default();
}
void CWnd::OnKeyUp(UINT, UINT, UINT)
{
    Default();
}
void CWnd::OnSysKeyDown(UINT, UINT, UINT)
{
    Default();
}
void CWnd::OnSysKeyUp(UINT, UINT, UINT)
{
    Default();
}
void CWnd::OnChar(UINT, UINT, UINT)
{
    Default();
}
void CWnd::OnLButtonDown(UINT, CPoint)
{
    Default();
}
void CWnd::OnLButtonUp(UINT, CPoint)
{
    Default();
}
void CWnd::OnLButtonDblClk(UINT, CPoint)
{
    Default();
}
void CWnd::OnRButtonDown(UINT, CPoint)
{
    Default();
}
void CWnd::OnRButtonUp(UINT, CPoint)
{
    Default();
}
void CWnd::OnRButtonDblClk(UINT, CPoint)
{
    Default();
}
void CWnd::OnMButtonDown(UINT, CPoint)
{
    Default();
}
void CWnd::OnMButtonUp(UINT, CPoint)
{
    Default();
}
void CWnd::OnMouseMove(UINT, CPoint)
{
    Default();
}
void CWnd::OnNcLButtonDown(UINT, CPoint)
{
    Default();
}
void CWnd::OnNcRButtonDown(UINT, CPoint)
{
    Default();
}
void CWnd::OnNcMButtonDown(UINT, CPoint)
{
    Default();
}
BOOL CWnd::OnMouseWheel(UINT, short, CPoint)
{
    return (BOOL)Default();
}
void CWnd::OnMouseLeave()
{
    Default();
}
int CWnd::OnMouseActivate(CWnd *, UINT, UINT)
{
    return (int)Default();
}
BOOL CWnd::OnSetCursor(CWnd *, UINT, UINT)
{
    return (BOOL)Default();
}
void CWnd::OnContextMenu(CWnd *, CPoint)
{
    Default();
}
void CWnd::OnSetFocus(CWnd *)
{
    Default();
}
void CWnd::OnKillFocus(CWnd *)
{
    Default();
}
void CWnd::OnCaptureChanged(CWnd *)
{
    Default();
}
UINT CWnd::OnGetDlgCode()
{
    return (UINT)Default();
}
void CWnd::OnActivate(UINT, CWnd *, BOOL)
{
    Default();
}
void CWnd::OnShowWindow(BOOL, UINT)
{
    Default();
}
void CWnd::OnGetMinMaxInfo(MINMAXINFO *)
{
    Default();
}
void CWnd::OnDropFiles(HDROP)
{
    Default();
}
void CWnd::OnSysColorChange()
{
    Default();
}
void CWnd::OnSettingChange(UINT, LPCTSTR)
{
    Default();
}
void CWnd::OnCancelMode()
{
    Default();
}
void CWnd::OnInitMenuPopup(CMenu *, UINT, BOOL)
{
    Default();
}
void CWnd::OnMDIActivate(BOOL, CWnd *, CWnd *)
{
    Default();
}
LRESULT CWnd::OnNcHitTest(CPoint)
{
    return Default();
}

// ---- Messages first offered to the control that sent them ----------------------------------

void CWnd::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar *pScrollBar)
{
    LRESULT result = 0;
    HWND bar = pScrollBar ? pScrollBar->m_hWnd : nullptr;
    if (bar && SendChildNotify(bar, WM_HSCROLL, MAKEWPARAM(nSBCode, nPos), (LPARAM)bar, &result))
        return;
    Default();
}

void CWnd::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar *pScrollBar)
{
    LRESULT result = 0;
    HWND bar = pScrollBar ? pScrollBar->m_hWnd : nullptr;
    if (bar && SendChildNotify(bar, WM_VSCROLL, MAKEWPARAM(nSBCode, nPos), (LPARAM)bar, &result))
        return;
    Default();
}

HBRUSH CWnd::OnCtlColor(CDC *pDC, CWnd *pWnd, UINT nCtlColor)
{
    LRESULT result = 0;
    if (pWnd != nullptr
        && SendChildNotify(pWnd->m_hWnd, WM_CTLCOLORMSGBOX + nCtlColor, (WPARAM)pDC->GetSafeHdc(), (LPARAM)pWnd->m_hWnd,
                           &result))
        return (HBRUSH)result;
    return (HBRUSH)Default();
}

void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (lpDrawItemStruct->CtlType == ODT_MENU) {
        CMenu *menu = CMenu::FromHandlePermanent((HMENU)lpDrawItemStruct->hwndItem);
        if (menu != nullptr) {
            menu->DrawItem(lpDrawItemStruct);
            return;
        }
    } else {
        LRESULT result = 0;
        if (SendChildNotify(lpDrawItemStruct->hwndItem, WM_DRAWITEM, lpDrawItemStruct->CtlID, (LPARAM)lpDrawItemStruct,
                            &result))
            return;
    }
    Default();
}

void CWnd::OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    if (lpMeasureItemStruct->CtlType == ODT_MENU) {
        CMenu *menu = CMenu::FindPermanentWithItem(lpMeasureItemStruct->itemID);
        if (menu != nullptr) {
            menu->MeasureItem(lpMeasureItemStruct);
            return;
        }
    } else {
        LRESULT result = 0;
        if (SendChildNotify(::GetDlgItem(m_hWnd, nIDCtl), WM_MEASUREITEM, nIDCtl, (LPARAM)lpMeasureItemStruct, &result))
            return;
    }
    Default();
}
