#include "framework/ui/dialogbar.h"

#include "framework/core/module.h"
#include "framework/ui/framewnd.h"

IMPLEMENT_DYNAMIC(CDialogBar, CControlBar)

BEGIN_MESSAGE_MAP(CDialogBar, CControlBar)
END_MESSAGE_MAP()

namespace {
thread_local CDialogBar *barBeingCreated = nullptr;
}

// Binds the dialog window to the bar being created; afterwards the bar's messages go through
// the window thunk and this procedure handles nothing.
INT_PTR CALLBACK DialogBarProc(HWND hWnd, UINT message, WPARAM, LPARAM lParam)
{
    if (message != WM_INITDIALOG)
        return FALSE;
    CDialogBar *bar = reinterpret_cast<CDialogBar *>(lParam);
    if (bar == nullptr || bar != barBeingCreated || bar->m_hWnd != nullptr)
        return FALSE;
    barBeingCreated = nullptr;
    bar->SubclassWindow(hWnd);
    return FALSE; // the frame keeps the focus
}

BOOL CDialogBar::Create(CWnd *pParentWnd, UINT nIDTemplate, UINT nStyle, UINT nID)
{
    if (pParentWnd == nullptr || m_hWnd != nullptr)
        return FALSE;
    HINSTANCE module = AfxGetResourceHandle();
    HRSRC found = ::FindResourceW(module, MAKEINTRESOURCEW(nIDTemplate), (LPCWSTR)RT_DIALOG);
    HGLOBAL loaded = found ? ::LoadResource(module, found) : nullptr;
    LPCDLGTEMPLATEW dialogTemplate = loaded ? static_cast<LPCDLGTEMPLATEW>(::LockResource(loaded)) : nullptr;
    if (dialogTemplate == nullptr)
        return FALSE;
    TakeBarStyle(nStyle, pParentWnd);
    AfxEnsureCommonControls();
    CDialogBar *saved = barBeingCreated;
    barBeingCreated = this;
    HWND hWnd = ::CreateDialogIndirectParamW(module, dialogTemplate, pParentWnd->m_hWnd, DialogBarProc, (LPARAM)this);
    barBeingCreated = saved;
    if (hWnd == nullptr || m_hWnd != hWnd) {
        if (hWnd != nullptr)
            ::DestroyWindow(hWnd);
        TakeBarStyle(0, nullptr);
        return FALSE;
    }
    SetDlgCtrlID((int)nID);
    CRect rect;
    GetWindowRect(&rect);
    m_sizeDefault = CSize(rect.Width(), rect.Height());
    if (nStyle & WS_VISIBLE)
        ShowWindow(SW_SHOWNA);
    if (m_pDockSite != nullptr)
        m_pDockSite->DelayRecalcLayout();
    return TRUE;
}

CSize CDialogBar::CalcFixedLayout(BOOL, BOOL bHorz)
{
    return bHorz ? CSize(32767, m_sizeDefault.cy) : CSize(m_sizeDefault.cx, 32767);
}

void CDialogBar::OnUpdateCmdUI(CFrameWnd *pTarget, BOOL bDisableIfNoHandler)
{
    UpdateDialogControls(pTarget, bDisableIfNoHandler);
}

BOOL CDialogBar::PreTranslateMessage(MSG *pMsg)
{
    // Tab and arrow keys move between the bar's controls while one of them has the focus.
    if (pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST)
        return FALSE;
    if (!::IsChild(m_hWnd, pMsg->hwnd))
        return FALSE;
    return ::IsDialogMessageW(m_hWnd, pMsg);
}
