#pragma once
// CControlBar: a bar along one side of a frame (toolbar, status bar, dialog bar).
//
// The CBRS_ bits given at creation say the side (CBRS_TOP...), the border and whether tooltips
// and fly-by prompts show; they are kept apart from the window style. The frame lays visible
// bars out in the order they were created (CFrameWnd::RecalcLayout); docking moves a bar to
// another side the frame and the bar both allow, and bars never float. At idle time each bar
// asks its frame's command route whether its buttons or panes are enabled, checked or have a
// new text (ON_UPDATE_COMMAND_UI).

#include "framework/core/geometry.h"
#include "framework/ui/frameids.h"
#include "framework/ui/wnd.h"

class CFrameWnd;

class CControlBar : public CWnd {
    DECLARE_DYNAMIC(CControlBar)

public:
    CControlBar() = default;
    ~CControlBar() override;

    // The size the bar wants: along its side it stretches (bStretch), across it is fixed.
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    // Updates the bar's items from pTarget's handlers.
    virtual void OnUpdateCmdUI(CFrameWnd *pTarget, BOOL bDisableIfNoHandler) = 0;

    void EnableDocking(DWORD dwDockStyle) { m_dwDockStyle = dwDockStyle & CBRS_ALIGN_ANY; }
    DWORD GetBarStyle() const { return m_dwStyle; }
    void SetBarStyle(DWORD dwStyle) { m_dwStyle = dwStyle; }
    BOOL IsVisible() const { return m_hWnd != nullptr && (GetStyle() & WS_VISIBLE) != 0; }
    CFrameWnd *GetDockingFrame() const { return m_pDockSite; }
    BOOL IsHorizontal() const { return (m_dwStyle & (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)) != 0; }

    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT *pResult) override;
    void PostNcDestroy() override;

    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    void OnDestroy();

    DECLARE_MESSAGE_MAP()

public:
    DWORD m_dwStyle = 0;     // CBRS_ bits
    DWORD m_dwDockStyle = 0; // the sides it may dock to
    CFrameWnd *m_pDockSite = nullptr;
    BOOL m_bAutoDelete = FALSE; // delete the object when its window goes
    CRect m_rectBorders;        // space kept around the bar's items

protected:
    // Splits a creation style into the window style and the CBRS_ bits, and joins the frame.
    DWORD TakeBarStyle(DWORD dwStyle, CWnd *pParentWnd);
    // The frame whose command route updates the bar: the owner frame's active one.
    CFrameWnd *UpdateTarget() const;
};
