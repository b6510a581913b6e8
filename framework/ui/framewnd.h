#pragma once
// CFrameWnd: a top-level (or MDI child) window that holds views and control bars.
//
// LoadFrame takes everything from one resource id: the title (the string's text up to its
// first '\n'), the menu, the accelerators and the icon; each may be missing. OnCreateClient
// makes the view a CCreateContext asks for; RecalcLayout gives each visible control bar a strip
// along its side, in the order the bars were created (a docked bar goes after those not
// docked, as in the order they were docked), and the rest to the pane with id
// AFX_IDW_PANE_FIRST (the view, a splitter or the MDI client).
//
// Commands are routed to the active view (and so its document and template), then the frame
// itself, then the application. Frames are made with new and delete themselves when their
// window goes; closing a frame asks its document first (CDocument::CanCloseFrame).

#include "framework/core/geometry.h"
#include "framework/core/list.h"
#include "framework/ui/frameids.h"
#include "framework/ui/wnd.h"

#include <string>

class CControlBar;
class CDocument;
class CView;
struct CCreateContext;

class CFrameWnd : public CWnd {
    DECLARE_DYNCREATE(CFrameWnd)

public:
    static const RECT rectDefault; // the system's default position and size

    CFrameWnd() = default;

    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd *pParentWnd = nullptr, CCreateContext *pContext = nullptr);
    BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle = WS_OVERLAPPEDWINDOW,
                const RECT &rect = rectDefault, CWnd *pParentWnd = nullptr, LPCTSTR lpszMenuName = nullptr,
                DWORD dwExStyle = 0, CCreateContext *pContext = nullptr);

    // ---- Views and documents -------------------------------------------------------------------
    virtual CView *GetActiveView() const { return m_pViewActive; }
    // Makes pViewNew the active view; with bNotify both views hear of it (OnActivateView).
    void SetActiveView(CView *pViewNew, BOOL bNotify = TRUE);
    // The frame whose view is active: this one, or the active MDI child of an MDI frame.
    virtual CFrameWnd *GetActiveFrame() { return this; }
    virtual CDocument *GetActiveDocument();
    // Shows the frame (nCmdShow -1: as it is, restored when minimised) and brings it forward.
    virtual void ActivateFrame(int nCmdShow = -1);
    // The initial-update sequence: active view, OnInitialUpdate of every view, then shown.
    void InitialUpdateFrame(CDocument *pDoc, BOOL bMakeVisible);
    virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext *pContext);
    CWnd *CreateView(CCreateContext *pContext, UINT nID = AFX_IDW_PANE_FIRST);

    // ---- Title ---------------------------------------------------------------------------------
    CString GetTitle() const { return m_strTitle; }
    void SetTitle(LPCTSTR lpszTitle) { m_strTitle = lpszTitle ? lpszTitle : ""; }
    // With FWS_ADDTOTITLE the window text names the active document.
    virtual void OnUpdateFrameTitle(BOOL bAddToTitle);
    // The title is brought up to date at the next idle time; a text the program set itself
    // stays until then.
    void DelayUpdateFrameTitle() { m_bTitlePending = TRUE; }
    void UpdateFrameTitleForDocument(LPCTSTR lpszDocName);

    // ---- Status texts ------------------------------------------------------------------------------
    // The prompt of a command: its string resource up to the first '\n'.
    virtual void GetMessageString(UINT nID, CString &rMessage) const;
    void SetMessageText(LPCTSTR lpszText);
    CWnd *GetMessageBar() const;

    // ---- Control bars --------------------------------------------------------------------------
    // The sides (CBRS_ALIGN_...) bars may dock to.
    void EnableDocking(DWORD dwDockStyle);
    // Docks a bar to a side (an AFX_IDW_DOCKBAR_ id, or 0 for the first side both allow).
    void DockControlBar(CControlBar *pBar, UINT nDockBarID = 0, LPCRECT lpRect = nullptr);
    void ShowControlBar(CControlBar *pBar, BOOL bShow, BOOL bDelay);
    CControlBar *GetControlBar(UINT nID) const;
    virtual void RecalcLayout(BOOL bNotify = TRUE);
    void DelayRecalcLayout() { m_bRecalcPending = TRUE; }

    BOOL OnCmdMsg(UINT nID, int nCode, void *pExtra, AFX_CMDHANDLERINFO *pHandlerInfo) override;
    BOOL PreCreateWindow(CREATESTRUCT &cs) override;
    void PostNcDestroy() override;

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnClose();
    void OnDestroy();
    void OnSize(UINT nType, int cx, int cy);
    void OnSetFocus(CWnd *pOldWnd);
    void OnActivate(UINT nState, CWnd *pWndOther, BOOL bMinimized);
    void OnInitMenuPopup(CMenu *pPopupMenu, UINT nIndex, BOOL bSysMenu);
    void OnDropFiles(HDROP hDropInfo);
    LRESULT OnMenuSelect(WPARAM wParam, LPARAM lParam);
    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    BOOL OnToolTipText(UINT nID, NMHDR *pNMHDR, LRESULT *pResult);
    BOOL OnToolbarHotItem(UINT nID, NMHDR *pNMHDR, LRESULT *pResult);
    BOOL OnBarCheck(UINT nID);
    void OnUpdateControlBarMenu(CCmdUI *pCmdUI);

    DECLARE_MESSAGE_MAP()

public:
    HMENU m_hMenuDefault = nullptr; // the menu shown when no child window brings its own
    UINT m_nIDHelp = 0;             // the resource id the frame was loaded from
    BOOL m_bAutoMenuEnable = TRUE;  // menu items nobody handles are greyed
    int m_nWindow = 0;              // ":n" of the title when several frames show one document
    CString m_strTitle;
    CView *m_pViewActive = nullptr;
    CPtrList m_listControlBars; // CControlBar*, in creation order
    DWORD m_dwDockStyle = 0;

protected:
    friend class CControlBar;
    // The view, then this frame's own map; no application. A frame with more than one view
    // may go on to the others.
    virtual BOOL RouteToViewAndSelf(UINT nID, int nCode, void *pExtra, AFX_CMDHANDLERINFO *pHandlerInfo);
    BOOL OnCreateHelper(LPCREATESTRUCT lpcs, CCreateContext *pContext);
    // Loads the title, menu, accelerators and icon of nIDResource; returns the class to register.
    LPCTSTR PrepareResources(UINT nIDResource, HMENU &hMenu);
    // Closes every document when the application's main window closes; FALSE when one refused.
    BOOL CloseApplicationDocuments();
    void ShowFlyByPrompt(UINT nID);
    void EndFlyByPrompt();

    CCreateContext *m_pPendingContext = nullptr; // the context of the creation under way
    BOOL m_bInRecalcLayout = FALSE;
    BOOL m_bRecalcPending = FALSE;
    BOOL m_bTitlePending = FALSE;
    BOOL m_bFlyBy = FALSE; // pane 0 shows a prompt; m_strTextBeforeFlyBy comes back
    CString m_strTextBeforeFlyBy;
    std::wstring m_tipText; // the text a tooltip was last given
};
