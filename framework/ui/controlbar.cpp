#include "framework/ui/controlbar.h"

#include "framework/ui/framewnd.h"
#include "framework/ui/view.h"

IMPLEMENT_DYNAMIC(CControlBar, CWnd)

BEGIN_MESSAGE_MAP(CControlBar, CWnd)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CControlBar::~CControlBar()
{
    if (m_pDockSite != nullptr) {
        POSITION found = m_pDockSite->m_listControlBars.Find(this);
        if (found != nullptr)
            m_pDockSite->m_listControlBars.RemoveAt(found);
    }
}

DWORD CControlBar::TakeBarStyle(DWORD dwStyle, CWnd *pParentWnd)
{
    m_dwStyle = dwStyle & CBRS_ALL;
    m_pDockSite = dynamic_cast<CFrameWnd *>(pParentWnd);
    if (m_pDockSite != nullptr && m_pDockSite->m_listControlBars.Find(this) == nullptr)
        m_pDockSite->m_listControlBars.AddTail(this);
    return dwStyle & ~CBRS_ALL;
}

CSize CControlBar::CalcFixedLayout(BOOL, BOOL bHorz)
{
    CRect rect;
    if (m_hWnd != nullptr)
        GetWindowRect(&rect);
    return bHorz ? CSize(32767, rect.Height()) : CSize(rect.Width(), 32767);
}

CFrameWnd *CControlBar::UpdateTarget() const
{
    CFrameWnd *frame = m_pDockSite ? m_pDockSite : AfxGetParentFrame(this);
    return frame;
}

LRESULT CControlBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
{
    CFrameWnd *target = UpdateTarget();
    if (target != nullptr && IsVisible())
        OnUpdateCmdUI(target, (BOOL)wParam);
    return 0;
}

BOOL CControlBar::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (CWnd::OnCommand(wParam, lParam))
        return TRUE;
    // The bar's own controls command the frame.
    CFrameWnd *frame = UpdateTarget();
    return frame != nullptr && frame->SendMessage(WM_COMMAND, wParam, lParam) == 0;
}

BOOL CControlBar::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT *pResult)
{
    if (CWnd::OnNotify(wParam, lParam, pResult))
        return TRUE;
    CFrameWnd *frame = UpdateTarget();
    if (frame == nullptr)
        return FALSE;
    *pResult = frame->SendMessage(WM_NOTIFY, wParam, lParam);
    return TRUE;
}

void CControlBar::OnDestroy()
{
    if (m_pDockSite != nullptr) {
        POSITION found = m_pDockSite->m_listControlBars.Find(this);
        if (found != nullptr)
            m_pDockSite->m_listControlBars.RemoveAt(found);
        m_pDockSite = nullptr;
    }
    CWnd::OnDestroy();
}

void CControlBar::PostNcDestroy()
{
    if (m_bAutoDelete)
        delete this;
}
