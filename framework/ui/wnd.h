#pragma once
// CWnd: a window object bound to one HWND.
//
// A window created through Create/CreateEx, a subclassed window and a dialog all run through one
// window-procedure thunk that finds the object in this thread's handle map, checks that it still
// owns the handle, and calls WindowProc -> OnWndMsg -> the message map -> DefWindowProc.
// Text crosses into Win32 as UTF-16 converted from code page 1250.
//
// FromHandle on a handle that has no object returns a temporary object, deleted by the next
// DeleteTempMap (the application's idle time); keep such a pointer no longer than the call.

#include "framework/core/cstring.h"
#include "framework/core/geometry.h"
#include "framework/ui/msgmap.h"

#include <windows.h>

class CDC;
class CFont;
class CMenu;
class CScrollBar;
class CDataExchange;

class CWnd : public CCmdTarget {
    DECLARE_DYNCREATE(CWnd)

public:
    HWND m_hWnd = nullptr;

    CWnd() = default;
    ~CWnd() override;

    operator HWND() const { return m_hWnd; }
    HWND GetSafeHwnd() const { return m_hWnd; }

    // ---- Handle map -------------------------------------------------------------------------
    static CWnd *FromHandle(HWND hWnd);
    static CWnd *FromHandlePermanent(HWND hWnd);
    static void DeleteTempMap();
    BOOL Attach(HWND hWnd);
    HWND Detach();
    // Routes an existing window's messages through this object.
    BOOL SubclassWindow(HWND hWnd);
    BOOL SubclassDlgItem(UINT nID, CWnd *pParent);
    HWND UnsubclassWindow();

    // ---- Creation and destruction -----------------------------------------------------------
    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT &rect,
                        CWnd *pParentWnd, UINT nID, LPVOID lpParam = nullptr);
    virtual BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, int x, int y,
                          int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam = nullptr);
    BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT &rect,
                  CWnd *pParentWnd, UINT nID, LPVOID lpParam = nullptr);
    virtual BOOL PreCreateWindow(CREATESTRUCT &cs);
    virtual BOOL DestroyWindow();
    // Called after the window's last message; self-deleting windows `delete this` here.
    virtual void PostNcDestroy();
    // Called before a window is subclassed (also by DDX_Control).
    virtual void PreSubclassWindow();

    // ---- Message processing -----------------------------------------------------------------
    virtual BOOL PreTranslateMessage(MSG *pMsg);
    // Offers the message to each window from its target up to hWndStop.
    static BOOL WalkPreTranslateTree(HWND hWndStop, MSG *pMsg);
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT *pResult);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Default processing of the message being handled now.
    LRESULT Default();
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT *pResult);
    // A parent's notification offered to the control that sent it; TRUE when it took it.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT *pResult);
    BOOL ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT *pResult);
    // Offers a notification this window received to its child hWndChild.
    static BOOL SendChildNotify(HWND hWndChild, UINT message, WPARAM wParam, LPARAM lParam, LRESULT *pResult);

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    LRESULT SendDlgItemMessage(int nID, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    void SendMessageToDescendants(UINT message, WPARAM wParam = 0, LPARAM lParam = 0, BOOL bDeep = TRUE,
                                  BOOL bOnlyPerm = FALSE);

    // Keyboard accelerators translated by PreTranslateMessage for this window.
    BOOL LoadAccelTable(UINT nIDResource);
    HACCEL m_hAccelTable = nullptr;

    // ---- State, position, relatives ---------------------------------------------------------
    BOOL IsWindow() const { return ::IsWindow(m_hWnd); }
    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    BOOL ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    int GetDlgCtrlID() const;
    int SetDlgCtrlID(int nID);
    CWnd *GetParent() const;
    CWnd *SetParent(CWnd *pWndNewParent);
    CWnd *GetOwner() const;
    void SetOwner(CWnd *pOwnerWnd);
    CWnd *GetTopLevelParent() const;
    CWnd *GetDlgItem(int nID) const;
    CWnd *GetWindow(UINT nCmd) const;
    CWnd *GetNextDlgTabItem(CWnd *pWndCtl, BOOL bPrevious = FALSE) const;
    CWnd *GetNextDlgGroupItem(CWnd *pWndCtl, BOOL bPrevious = FALSE) const;
    BOOL IsChild(const CWnd *pWnd) const;
    BOOL IsWindowVisible() const;
    BOOL IsWindowEnabled() const;
    BOOL EnableWindow(BOOL bEnable = TRUE);
    BOOL ShowWindow(int nCmdShow);
    BOOL IsIconic() const;
    BOOL IsZoomed() const;
    void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
    void MoveWindow(LPCRECT lpRect, BOOL bRepaint = TRUE);
    BOOL SetWindowPos(const CWnd *pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);
    void GetWindowRect(LPRECT lpRect) const;
    void GetClientRect(LPRECT lpRect) const;
    void ClientToScreen(LPPOINT lpPoint) const;
    void ClientToScreen(LPRECT lpRect) const;
    void ScreenToClient(LPPOINT lpPoint) const;
    void ScreenToClient(LPRECT lpRect) const;
    void MapWindowPoints(CWnd *pwndTo, LPRECT lpRect) const;
    void MapWindowPoints(CWnd *pwndTo, LPPOINT lpPoint, UINT nCount) const;
    void CenterWindow(CWnd *pAlternateOwner = nullptr);
    void BringWindowToTop();

    void Invalidate(BOOL bErase = TRUE);
    void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE);
    void ValidateRect(LPCRECT lpRect);
    void UpdateWindow();
    BOOL RedrawWindow(LPCRECT lpRectUpdate = nullptr, HRGN hRgnUpdate = nullptr,
                      UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    void SetRedraw(BOOL bRedraw = TRUE);

    // ---- Text (code page 1250 on this side) ---------------------------------------------------
    void SetWindowText(LPCTSTR lpszString);
    int GetWindowText(LPTSTR lpszString, int nMaxCount) const;
    void GetWindowText(CString &rString) const;
    int GetWindowTextLength() const;
    void SetDlgItemText(int nID, LPCTSTR lpszString);
    int GetDlgItemText(int nID, CString &rString) const;
    int GetDlgItemText(int nID, LPTSTR lpStr, int nMaxCount) const;
    void SetDlgItemInt(int nID, UINT nValue, BOOL bSigned = TRUE);
    UINT GetDlgItemInt(int nID, BOOL *lpTrans = nullptr, BOOL bSigned = TRUE) const;
    void CheckDlgButton(int nIDButton, UINT nCheck);
    UINT IsDlgButtonChecked(int nIDButton) const;
    void CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton);
    int GetCheckedRadioButton(int nIDFirstButton, int nIDLastButton) const;
    void SetFont(CFont *pFont, BOOL bRedraw = TRUE);
    CFont *GetFont() const;
    HICON SetIcon(HICON hIcon, BOOL bBigIcon);

    // ---- Timers, focus, capture -------------------------------------------------------------
    UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfnTimer = nullptr);
    BOOL KillTimer(UINT_PTR nIDEvent);
    CWnd *SetFocus();
    static CWnd *GetFocus();
    CWnd *SetCapture();
    static CWnd *GetCapture();
    CWnd *SetActiveWindow();
    static CWnd *GetActiveWindow();
    BOOL SetForegroundWindow();
    static CWnd *GetDesktopWindow();
    static CWnd *WindowFromPoint(POINT point);

    // ---- Scrolling ---------------------------------------------------------------------------
    int SetScrollPos(int nBar, int nPos, BOOL bRedraw = TRUE);
    int GetScrollPos(int nBar) const;
    void SetScrollRange(int nBar, int nMinPos, int nMaxPos, BOOL bRedraw = TRUE);
    void GetScrollRange(int nBar, LPINT lpMinPos, LPINT lpMaxPos) const;
    BOOL SetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, BOOL bRedraw = TRUE);
    BOOL GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask = SIF_ALL) const;
    int GetScrollLimit(int nBar) const;
    void ScrollWindow(int xAmount, int yAmount, LPCRECT lpRect = nullptr, LPCRECT lpClipRect = nullptr);
    void ShowScrollBar(UINT nBar, BOOL bShow = TRUE);

    // ---- Menus, drawing, dialogs ------------------------------------------------------------
    CMenu *GetMenu() const;
    BOOL SetMenu(CMenu *pMenu);
    void DrawMenuBar();
    CMenu *GetSystemMenu(BOOL bRevert) const;
    CDC *GetDC();
    CDC *GetWindowDC();
    int ReleaseDC(CDC *pDC);
    void DragAcceptFiles(BOOL bAccept = TRUE);
    // Goes through the test hook when one is installed.
    int MessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption = nullptr, UINT nType = MB_OK);

    // Dialog data exchange: FALSE when a DDV check refused the input (it told the user).
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    virtual void DoDataExchange(CDataExchange *pDX);
    // Runs ON_UPDATE_COMMAND_UI for every child control, with pTarget's message map.
    void UpdateDialogControls(CCmdTarget *pTarget, BOOL bDisableIfNoHandler);

    // WM_SETTINGCHANGE names its section in UTF-16; handlers get it in code page 1250.
    static CString SectionOfSettingChange(LPARAM lParam);

    // ---- Default message handlers (called by the ON_WM_ entries; they do Default()) ----------
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnDestroy();
    void OnNcDestroy();
    void OnClose();
    void OnPaint();
    BOOL OnEraseBkgnd(CDC *pDC);
    void OnSize(UINT nType, int cx, int cy);
    void OnMove(int x, int y);
    void OnTimer(UINT_PTR nIDEvent);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnSysKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnRButtonDown(UINT nFlags, CPoint point);
    void OnRButtonUp(UINT nFlags, CPoint point);
    void OnRButtonDblClk(UINT nFlags, CPoint point);
    void OnMButtonDown(UINT nFlags, CPoint point);
    void OnMButtonUp(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnNcLButtonDown(UINT nHitTest, CPoint point);
    void OnNcRButtonDown(UINT nHitTest, CPoint point);
    void OnNcMButtonDown(UINT nHitTest, CPoint point);
    BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    void OnMouseLeave();
    int OnMouseActivate(CWnd *pDesktopWnd, UINT nHitTest, UINT message);
    BOOL OnSetCursor(CWnd *pWnd, UINT nHitTest, UINT message);
    void OnContextMenu(CWnd *pWnd, CPoint pos);
    void OnSetFocus(CWnd *pOldWnd);
    void OnKillFocus(CWnd *pNewWnd);
    void OnCaptureChanged(CWnd *pWnd);
    UINT OnGetDlgCode();
    void OnActivate(UINT nState, CWnd *pWndOther, BOOL bMinimized);
    void OnShowWindow(BOOL bShow, UINT nStatus);
    void OnGetMinMaxInfo(MINMAXINFO *lpMMI);
    void OnDropFiles(HDROP hDropInfo);
    void OnSysColorChange();
    void OnSettingChange(UINT uFlags, LPCTSTR lpszSection);
    void OnCancelMode();
    void OnInitMenuPopup(CMenu *pPopupMenu, UINT nIndex, BOOL bSysMenu);
    void OnMDIActivate(BOOL bActivate, CWnd *pActivateWnd, CWnd *pDeactivateWnd);
    LRESULT OnNcHitTest(CPoint point);
    // These first offer the message to the control that sent it (reflection).
    void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar *pScrollBar);
    void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar *pScrollBar);
    HBRUSH OnCtlColor(CDC *pDC, CWnd *pWnd, UINT nCtlColor);
    void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
    void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct);

    DECLARE_MESSAGE_MAP()

    // The original window procedure of a subclassed window (the class's own for controls).
    WNDPROC m_pfnSuper = nullptr;

    // Runs one message through WindowProc for the thunks, with Default() bound to it.
    LRESULT DispatchThunkedMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    friend LRESULT CALLBACK WindowProcThunk(HWND, UINT, WPARAM, LPARAM);
    static LRESULT CALLBACK CreationHook(int code, WPARAM wParam, LPARAM lParam);
    void FinishNcDestroy();
    BOOL IsUpdateDisabled(UINT nID);
};

// The window procedure every CWnd runs through (windows created here and subclassed ones).
LRESULT CALLBACK WindowProcThunk(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

// Registers (once) a window class with the given styles and returns its name; the class's
// procedure is DefWindowProc, and CreateEx routes the window through the thunk.
LPCTSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor = nullptr, HBRUSH hbrBackground = nullptr,
                            HICON hIcon = nullptr);

// Registers the common-control window classes once (list and tree views, date pickers, ...).
void AfxEnsureCommonControls();
