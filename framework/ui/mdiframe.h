#pragma once
// CMDIFrameWnd and CMDIChildWnd: the main window with its MDI client, and the child frames
// inside it.
//
// The MDI frame's client is the system's "MDICLIENT" with the frame menu's window popup (the
// one that holds the tile/cascade commands) as its window list. A child frame shows its
// template's menu while it is active, or the MDI frame's m_hMenuDefault when the template has
// none. Commands go to the active child (its view, document, template and the child itself),
// then the MDI frame, then the application.

#include "framework/ui/framewnd.h"

class CMDIChildWnd;

class CMDIFrameWnd : public CFrameWnd {
    DECLARE_DYNCREATE(CMDIFrameWnd)

public:
    HWND m_hWndMDIClient = nullptr;

    BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                   CWnd *pParentWnd = nullptr, CCreateContext *pContext = nullptr) override;
    // Makes the MDI client; pWindowMenu becomes its window list (may be null).
    virtual BOOL CreateClient(LPCREATESTRUCT lpCreateStruct, CMenu *pWindowMenu);
    BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext *pContext) override;
    // The popup of the frame's menu that lists the windows.
    virtual HMENU GetWindowMenuPopup(HMENU hMenuBar);

    CMDIChildWnd *MDIGetActive(BOOL *pbMaximized = nullptr) const;
    void MDIActivate(CWnd *pWndActivate);
    void MDIMaximize(CWnd *pWnd);
    void MDIRestore(CWnd *pWnd);
    void MDINext();
    void MDIPrev();
    void MDICascade();
    void MDITile(int nType = MDITILE_HORIZONTAL);
    void MDIIconArrange();
    CMenu *MDISetMenu(CMenu *pFrameMenu, CMenu *pWindowMenu);

    CFrameWnd *GetActiveFrame() override;
    CDocument *GetActiveDocument() override;
    void OnUpdateFrameTitle(BOOL bAddToTitle) override;
    void RecalcLayout(BOOL bNotify = TRUE) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void *pExtra, AFX_CMDHANDLERINFO *pHandlerInfo) override;
    BOOL PreTranslateMessage(MSG *pMsg) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    void OnSize(UINT nType, int cx, int cy);
    BOOL OnMDIWindowCmd(UINT nID);
    void OnUpdateMDIWindowCmd(CCmdUI *pCmdUI);

    DECLARE_MESSAGE_MAP()

public:
};

class CMDIChildWnd : public CFrameWnd {
    DECLARE_DYNCREATE(CMDIChildWnd)

public:
    // pParentWnd is the MDI frame; null means the application's main window.
    BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_CHILD | WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                   CWnd *pParentWnd = nullptr, CCreateContext *pContext = nullptr) override;
    BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle = WS_CHILD | WS_OVERLAPPEDWINDOW,
                const RECT &rect = rectDefault, CMDIFrameWnd *pParentWnd = nullptr, CCreateContext *pContext = nullptr);

    CMDIFrameWnd *GetMDIFrame() const;
    void MDIActivate();
    void MDIDestroy();
    void MDIMaximize();
    void MDIRestore();

    void ActivateFrame(int nCmdShow = -1) override;
    // Shows the template's menu (or the MDI frame's default) while this child is active.
    virtual void OnUpdateFrameMenu(BOOL bActive, CWnd *pActiveWnd, HMENU hMenuAlt);
    void OnUpdateFrameTitle(BOOL bAddToTitle) override;
    BOOL DestroyWindow() override;
    BOOL PreCreateWindow(CREATESTRUCT &cs) override;
    BOOL PreTranslateMessage(MSG *pMsg) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    void OnMDIActivate(BOOL bActivate, CWnd *pActivateWnd, CWnd *pDeactivateWnd);
    int OnMouseActivate(CWnd *pDesktopWnd, UINT nHitTest, UINT message);
    void OnSize(UINT nType, int cx, int cy);

    DECLARE_MESSAGE_MAP()

public:
    HMENU m_hMenuShared = nullptr; // the template's menu, shown while active
    HACCEL m_hAccelShared = nullptr;

private:
    friend class CMDIFrameWnd;
    BOOL RouteAsActiveChild(UINT nID, int nCode, void *pExtra, AFX_CMDHANDLERINFO *pHandlerInfo)
    {
        return RouteToViewAndSelf(nID, nCode, pExtra, pHandlerInfo);
    }
};
