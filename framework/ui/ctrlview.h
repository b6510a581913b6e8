#pragma once
// Views whose window is a common control: CCtrlView makes the view's window of the control's
// class, and the control paints and handles input itself. CTreeView and CListView hand out
// the control's wrapper over the same window (GetTreeCtrl, GetListCtrl); the control's
// notifications come back to the view through reflection (ON_NOTIFY_REFLECT).

#include "framework/ui/commctrls.h"
#include "framework/ui/view.h"

class CCtrlView : public CView {
    DECLARE_DYNAMIC(CCtrlView)

public:
    CCtrlView(LPCTSTR lpszClass, DWORD dwStyle) : m_strClass(lpszClass), m_dwDefaultStyle(dwStyle) {}

    BOOL PreCreateWindow(CREATESTRUCT &cs) override;
    void OnDraw(CDC *pDC) override;
    void OnPaint();

    DECLARE_MESSAGE_MAP()

public:
    CString m_strClass;
    DWORD m_dwDefaultStyle;
};

class CTreeView : public CCtrlView {
    DECLARE_DYNCREATE(CTreeView)

public:
    CTreeView() : CCtrlView("SysTreeView32", AFX_WS_DEFAULT_VIEW) {}
    CTreeCtrl &GetTreeCtrl() const
    {
        m_control.m_hWnd = m_hWnd;
        return m_control;
    }

private:
    mutable CTreeCtrl m_control; // shares the view's window, never owns it
};

class CListView : public CCtrlView {
    DECLARE_DYNCREATE(CListView)

public:
    CListView() : CCtrlView("SysListView32", AFX_WS_DEFAULT_VIEW) {}
    CListCtrl &GetListCtrl() const
    {
        m_control.m_hWnd = m_hWnd;
        return m_control;
    }

private:
    mutable CListCtrl m_control;
};
