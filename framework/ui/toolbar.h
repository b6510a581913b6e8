#pragma once
// CToolBarCtrl: the common toolbar control, typed one-line messages.
// CToolBar: a control bar made from a toolbar resource: its button ids and the bitmap strip of
// the same id. The resource is read as the resource compiler stores it here: 32-bit width,
// height and count, then one 32-bit command id per button (0 for a separator); a resource
// whose size does not match its count is refused.
//
// A button press reaches the frame as WM_COMMAND with the button's id; tooltips and fly-by
// prompts come from the string of the same id ("prompt\ntip"). A drop-down button
// (TBBS_DROPDOWN with TBSTYLE_EX_DRAWDDARROWS) sends TBN_DROPDOWN to the frame, whose message
// map handles it with ON_NOTIFY(TBN_DROPDOWN, <bar id>, ...).

#include "framework/ui/commctrls.h"
#include "framework/ui/controlbar.h"

#include <vector>

class CToolBarCtrl : public CWnd {
    DECLARE_DYNAMIC(CToolBarCtrl)

public:
    int GetButtonCount() const { return (int)SendMessage(TB_BUTTONCOUNT); }
    BOOL GetButton(int nIndex, TBBUTTON *pButton) const
    {
        return (BOOL)SendMessage(TB_GETBUTTON, nIndex, (LPARAM)pButton);
    }
    int CommandToIndex(UINT nID) const { return (int)SendMessage(TB_COMMANDTOINDEX, nID); }
    BOOL EnableButton(int nID, BOOL bEnable = TRUE)
    {
        return (BOOL)SendMessage(TB_ENABLEBUTTON, nID, MAKELPARAM(bEnable, 0));
    }
    BOOL CheckButton(int nID, BOOL bCheck = TRUE)
    {
        return (BOOL)SendMessage(TB_CHECKBUTTON, nID, MAKELPARAM(bCheck, 0));
    }
    BOOL HideButton(int nID, BOOL bHide = TRUE) { return (BOOL)SendMessage(TB_HIDEBUTTON, nID, MAKELPARAM(bHide, 0)); }
    BOOL IsButtonEnabled(int nID) const { return (BOOL)SendMessage(TB_ISBUTTONENABLED, nID); }
    BOOL IsButtonChecked(int nID) const { return (BOOL)SendMessage(TB_ISBUTTONCHECKED, nID); }
    int GetState(int nID) const { return (int)SendMessage(TB_GETSTATE, nID); }
    BOOL SetState(int nID, UINT nState) { return (BOOL)SendMessage(TB_SETSTATE, nID, MAKELPARAM(nState, 0)); }
    BOOL GetItemRect(int nIndex, LPRECT lpRect) const
    {
        return (BOOL)SendMessage(TB_GETITEMRECT, nIndex, (LPARAM)lpRect);
    }
    BOOL GetRect(int nID, LPRECT lpRect) const { return (BOOL)SendMessage(TB_GETRECT, nID, (LPARAM)lpRect); }
    DWORD GetButtonSize() const { return (DWORD)SendMessage(TB_GETBUTTONSIZE); }
    BOOL SetButtonSize(SIZE size) { return (BOOL)SendMessage(TB_SETBUTTONSIZE, 0, MAKELPARAM(size.cx, size.cy)); }
    BOOL SetBitmapSize(SIZE size) { return (BOOL)SendMessage(TB_SETBITMAPSIZE, 0, MAKELPARAM(size.cx, size.cy)); }
    DWORD GetExtendedStyle() const { return (DWORD)SendMessage(TB_GETEXTENDEDSTYLE); }
    DWORD SetExtendedStyle(DWORD dwExStyle) { return (DWORD)SendMessage(TB_SETEXTENDEDSTYLE, 0, dwExStyle); }
    int GetHotItem() const { return (int)SendMessage(TB_GETHOTITEM); }
    int SetHotItem(int nHot) { return (int)SendMessage(TB_SETHOTITEM, nHot); }
    BOOL GetButtonInfo(int nID, TBBUTTONINFOW *ptbbi) const
    {
        ptbbi->cbSize = sizeof(TBBUTTONINFOW);
        return (BOOL)SendMessage(TB_GETBUTTONINFOW, nID, (LPARAM)ptbbi);
    }
    BOOL SetButtonInfo(int nID, TBBUTTONINFOW *ptbbi)
    {
        ptbbi->cbSize = sizeof(TBBUTTONINFOW);
        return (BOOL)SendMessage(TB_SETBUTTONINFOW, nID, (LPARAM)ptbbi);
    }
    // The lists are the caller's and must live as long as the control; returns the old list.
    HIMAGELIST SetImageList(CImageList *pImageList)
    {
        return (HIMAGELIST)SendMessage(TB_SETIMAGELIST, 0, (LPARAM)ListOf(pImageList));
    }
    HIMAGELIST SetHotImageList(CImageList *pImageList)
    {
        return (HIMAGELIST)SendMessage(TB_SETHOTIMAGELIST, 0, (LPARAM)ListOf(pImageList));
    }
    HIMAGELIST SetDisabledImageList(CImageList *pImageList)
    {
        return (HIMAGELIST)SendMessage(TB_SETDISABLEDIMAGELIST, 0, (LPARAM)ListOf(pImageList));
    }
    HIMAGELIST GetImageList() const { return (HIMAGELIST)SendMessage(TB_GETIMAGELIST); }
    HIMAGELIST GetHotImageList() const { return (HIMAGELIST)SendMessage(TB_GETHOTIMAGELIST); }
    HIMAGELIST GetDisabledImageList() const { return (HIMAGELIST)SendMessage(TB_GETDISABLEDIMAGELIST); }
    CWnd *GetToolTips() const { return CWnd::FromHandle((HWND)SendMessage(TB_GETTOOLTIPS)); }
    void AutoSize() { SendMessage(TB_AUTOSIZE); }

private:
    static HIMAGELIST ListOf(CImageList *list) { return list ? list->m_hImageList : nullptr; }
};

class CToolBar : public CControlBar {
    DECLARE_DYNAMIC(CToolBar)

public:
    CToolBar() = default;

    BOOL Create(CWnd *pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP, UINT nID = AFX_IDW_TOOLBAR);
    // dwCtrlStyle: the control's own styles (TBSTYLE_FLAT...); rcBorders: space around buttons.
    BOOL CreateEx(CWnd *pParentWnd, DWORD dwCtrlStyle = TBSTYLE_FLAT,
                  DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, CRect rcBorders = CRect(0, 0, 0, 0),
                  UINT nID = AFX_IDW_TOOLBAR);

    // The buttons of toolbar resource nID and its bitmap strip; FALSE when either is missing
    // or the resource is damaged.
    BOOL LoadToolBar(UINT nIDResource);
    BOOL LoadBitmap(UINT nIDResource);
    // Buttons from a list of ids; ID_SEPARATOR (0) makes a separator.
    BOOL SetButtons(const UINT *lpIDArray, int nIDCount);
    // sizeButton is the whole button, sizeImage one image of the strip.
    void SetSizes(SIZE sizeButton, SIZE sizeImage);

    int CommandToIndex(UINT nIDFind) const;
    UINT GetItemID(int nIndex) const;
    void GetItemRect(int nIndex, LPRECT lpRect) const;
    UINT GetButtonStyle(int nIndex) const;
    void SetButtonStyle(int nIndex, UINT nStyle);
    void GetButtonInfo(int nIndex, UINT &nID, UINT &nStyle, int &iImage) const;
    void SetButtonInfo(int nIndex, UINT nID, UINT nStyle, int iImage);
    BOOL SetButtonText(int nIndex, LPCTSTR lpszText);
    // The control itself: the same window, for its typed messages.
    CToolBarCtrl &GetToolBarCtrl() const;

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void OnUpdateCmdUI(CFrameWnd *pTarget, BOOL bDisableIfNoHandler) override;

    DECLARE_MESSAGE_MAP()

public:
    CSize m_sizeButton{23, 22};
    CSize m_sizeImage{16, 15};

private:
    // A vertical bar wraps after every button.
    void SetWrapping(BOOL bVertical);
    mutable CToolBarCtrl m_control; // shares the bar's window, never owns it
    BOOL m_bVertical = FALSE;
};
