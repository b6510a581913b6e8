#pragma once
// Wrappers of the common controls: list view, tree view, tab, progress, up-down, date picker,
// tooltips and image lists. Each is an HWND plus typed one-line messages; item texts are code
// page 1250 on this side and travel as UTF-16 (the ...W messages).

#include "framework/core/cstring.h"
#include "framework/ui/gdi.h"
#include "framework/ui/wnd.h"

#include <commctrl.h>

class CImageList {
public:
    HIMAGELIST m_hImageList = nullptr;

    CImageList() = default;
    ~CImageList() { DeleteImageList(); }
    CImageList(const CImageList &) = delete;
    CImageList &operator=(const CImageList &) = delete;

    operator HIMAGELIST() const { return m_hImageList; }
    HIMAGELIST GetSafeHandle() const { return m_hImageList; }
    BOOL Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow);
    // A strip bitmap from the resources cut into cx-wide images; crMask is transparent.
    BOOL Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask);
    BOOL Attach(HIMAGELIST hImageList);
    HIMAGELIST Detach();
    BOOL DeleteImageList();
    int GetImageCount() const { return ImageList_GetImageCount(m_hImageList); }
    int Add(CBitmap *pbmImage, CBitmap *pbmMask);
    int Add(CBitmap *pbmImage, COLORREF crMask);
    int Add(HICON hIcon) { return ImageList_AddIcon(m_hImageList, hIcon); }
    BOOL Remove(int nImage) { return ImageList_Remove(m_hImageList, nImage); }
    COLORREF SetBkColor(COLORREF cr) { return ImageList_SetBkColor(m_hImageList, cr); }
    HICON ExtractIcon(int nImage) { return ImageList_GetIcon(m_hImageList, nImage, ILD_NORMAL); }
    BOOL Draw(CDC *pDC, int nImage, POINT pt, UINT nStyle)
    {
        return ImageList_Draw(m_hImageList, nImage, pDC->m_hDC, pt.x, pt.y, nStyle);
    }
};

class CListCtrl : public CWnd {
    DECLARE_DYNAMIC(CListCtrl)

public:
    BOOL Create(DWORD dwStyle, const RECT &rect, CWnd *pParentWnd, UINT nID);
    DWORD GetExtendedStyle() const { return (DWORD)SendMessage(LVM_GETEXTENDEDLISTVIEWSTYLE); }
    DWORD SetExtendedStyle(DWORD dwNewStyle) { return (DWORD)SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, dwNewStyle); }
    int GetItemCount() const { return (int)SendMessage(LVM_GETITEMCOUNT); }
    void SetItemCount(int nItems) { SendMessage(LVM_SETITEMCOUNT, nItems); }
    int GetSelectedCount() const { return (int)SendMessage(LVM_GETSELECTEDCOUNT); }
    int GetNextItem(int nItem, int nFlags) const { return (int)SendMessage(LVM_GETNEXTITEM, nItem, nFlags); }
    int GetTopIndex() const { return (int)SendMessage(LVM_GETTOPINDEX); }
    int GetCountPerPage() const { return (int)SendMessage(LVM_GETCOUNTPERPAGE); }
    BOOL EnsureVisible(int nItem, BOOL bPartialOK) { return (BOOL)SendMessage(LVM_ENSUREVISIBLE, nItem, bPartialOK); }
    BOOL GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const;
    BOOL GetSubItemRect(int iItem, int iSubItem, int nArea, RECT &ref) const;
    int HitTest(LVHITTESTINFO *pHitTestInfo) const { return (int)SendMessage(LVM_HITTEST, 0, (LPARAM)pHitTestInfo); }
    int SubItemHitTest(LVHITTESTINFO *pInfo) { return (int)SendMessage(LVM_SUBITEMHITTEST, 0, (LPARAM)pInfo); }

    int InsertColumn(int nCol, LPCTSTR lpszColumnHeading, int nFormat = LVCFMT_LEFT, int nWidth = -1,
                     int nSubItem = -1);
    BOOL DeleteColumn(int nCol) { return (BOOL)SendMessage(LVM_DELETECOLUMN, nCol); }
    int GetColumnWidth(int nCol) const { return (int)SendMessage(LVM_GETCOLUMNWIDTH, nCol); }
    BOOL SetColumnWidth(int nCol, int cx) { return (BOOL)SendMessage(LVM_SETCOLUMNWIDTH, nCol, cx); }
    // Width of the text in the list's font, in pixels.
    int GetStringWidth(LPCTSTR lpsz) const;
    CWnd *GetHeaderCtrl() const { return CWnd::FromHandle((HWND)SendMessage(LVM_GETHEADER)); }

    int InsertItem(int nItem, LPCTSTR lpszItem);
    int InsertItem(int nItem, LPCTSTR lpszItem, int nImage);
    BOOL DeleteItem(int nItem) { return (BOOL)SendMessage(LVM_DELETEITEM, nItem); }
    BOOL DeleteAllItems() { return (BOOL)SendMessage(LVM_DELETEALLITEMS); }
    BOOL SetItemText(int nItem, int nSubItem, LPCTSTR lpszText);
    CString GetItemText(int nItem, int nSubItem) const;
    BOOL SetItemData(int nItem, DWORD_PTR dwData);
    DWORD_PTR GetItemData(int nItem) const;
    BOOL SetItemState(int nItem, UINT nState, UINT nMask);
    UINT GetItemState(int nItem, UINT nMask) const { return (UINT)SendMessage(LVM_GETITEMSTATE, nItem, nMask); }
    BOOL SetCheck(int nItem, BOOL fCheck = TRUE)
    {
        return SetItemState(nItem, INDEXTOSTATEIMAGEMASK(fCheck ? 2 : 1), LVIS_STATEIMAGEMASK);
    }
    BOOL GetCheck(int nItem) const { return ((GetItemState(nItem, LVIS_STATEIMAGEMASK) >> 12) - 1) == 1; }
    CImageList *SetImageList(CImageList *pImageList, int nImageListType);
    COLORREF SetBkColor(COLORREF cr) { return (COLORREF)SendMessage(LVM_SETBKCOLOR, 0, cr); }
    COLORREF SetTextColor(COLORREF cr) { return (COLORREF)SendMessage(LVM_SETTEXTCOLOR, 0, cr); }
    COLORREF SetTextBkColor(COLORREF cr) { return (COLORREF)SendMessage(LVM_SETTEXTBKCOLOR, 0, cr); }
    BOOL SortItems(PFNLVCOMPARE pfnCompare, DWORD_PTR dwData)
    {
        return (BOOL)SendMessage(LVM_SORTITEMS, dwData, (LPARAM)pfnCompare);
    }
    BOOL RedrawItems(int nFirst, int nLast) { return (BOOL)SendMessage(LVM_REDRAWITEMS, nFirst, nLast); }
    CWnd *EditLabel(int nItem) { return CWnd::FromHandle((HWND)SendMessage(LVM_EDITLABELW, nItem)); }
};

class CTreeCtrl : public CWnd {
    DECLARE_DYNAMIC(CTreeCtrl)

public:
    BOOL Create(DWORD dwStyle, const RECT &rect, CWnd *pParentWnd, UINT nID);
    HTREEITEM InsertItem(LPCTSTR lpszItem, HTREEITEM hParent = TVI_ROOT, HTREEITEM hInsertAfter = TVI_LAST);
    HTREEITEM InsertItem(LPCTSTR lpszItem, int nImage, int nSelectedImage, HTREEITEM hParent = TVI_ROOT,
                         HTREEITEM hInsertAfter = TVI_LAST);
    BOOL DeleteItem(HTREEITEM hItem) { return (BOOL)SendMessage(TVM_DELETEITEM, 0, (LPARAM)hItem); }
    BOOL DeleteAllItems() { return DeleteItem(TVI_ROOT); }
    CString GetItemText(HTREEITEM hItem) const;
    BOOL SetItemText(HTREEITEM hItem, LPCTSTR lpszItem);
    DWORD_PTR GetItemData(HTREEITEM hItem) const;
    BOOL SetItemData(HTREEITEM hItem, DWORD_PTR dwData);
    BOOL SetItemImage(HTREEITEM hItem, int nImage, int nSelectedImage);
    UINT GetItemState(HTREEITEM hItem, UINT nStateMask) const
    {
        return (UINT)SendMessage(TVM_GETITEMSTATE, (WPARAM)hItem, nStateMask);
    }
    BOOL SetItemState(HTREEITEM hItem, UINT nState, UINT nStateMask);
    HTREEITEM GetNextItem(HTREEITEM hItem, UINT nCode) const
    {
        return (HTREEITEM)SendMessage(TVM_GETNEXTITEM, nCode, (LPARAM)hItem);
    }
    HTREEITEM GetRootItem() const { return GetNextItem(nullptr, TVGN_ROOT); }
    HTREEITEM GetChildItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_CHILD); }
    HTREEITEM GetNextSiblingItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_NEXT); }
    HTREEITEM GetPrevSiblingItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_PREVIOUS); }
    HTREEITEM GetParentItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_PARENT); }
    HTREEITEM GetSelectedItem() const { return GetNextItem(nullptr, TVGN_CARET); }
    BOOL ItemHasChildren(HTREEITEM hItem) const { return GetChildItem(hItem) != nullptr; }
    BOOL SelectItem(HTREEITEM hItem) { return (BOOL)SendMessage(TVM_SELECTITEM, TVGN_CARET, (LPARAM)hItem); }
    BOOL Expand(HTREEITEM hItem, UINT nCode) { return (BOOL)SendMessage(TVM_EXPAND, nCode, (LPARAM)hItem); }
    BOOL EnsureVisible(HTREEITEM hItem) { return (BOOL)SendMessage(TVM_ENSUREVISIBLE, 0, (LPARAM)hItem); }
    UINT GetCount() const { return (UINT)SendMessage(TVM_GETCOUNT); }
    HTREEITEM HitTest(POINT pt, UINT *pFlags = nullptr) const;
    BOOL GetItemRect(HTREEITEM hItem, LPRECT lpRect, BOOL bTextOnly) const;
    CImageList *SetImageList(CImageList *pImageList, int nImageListType);
    BOOL SortChildren(HTREEITEM hItem) { return (BOOL)SendMessage(TVM_SORTCHILDREN, 0, (LPARAM)hItem); }
    CWnd *EditLabel(HTREEITEM hItem) { return CWnd::FromHandle((HWND)SendMessage(TVM_EDITLABELW, 0, (LPARAM)hItem)); }
};

class CTabCtrl : public CWnd {
    DECLARE_DYNAMIC(CTabCtrl)

public:
    BOOL Create(DWORD dwStyle, const RECT &rect, CWnd *pParentWnd, UINT nID);
    LONG InsertItem(int nItem, LPCTSTR lpszItem);
    BOOL DeleteItem(int nItem) { return (BOOL)SendMessage(TCM_DELETEITEM, nItem); }
    BOOL DeleteAllItems() { return (BOOL)SendMessage(TCM_DELETEALLITEMS); }
    int GetItemCount() const { return (int)SendMessage(TCM_GETITEMCOUNT); }
    int GetCurSel() const { return (int)SendMessage(TCM_GETCURSEL); }
    int SetCurSel(int nItem) { return (int)SendMessage(TCM_SETCURSEL, nItem); }
    BOOL GetItemRect(int nItem, LPRECT lpRect) const
    {
        return (BOOL)SendMessage(TCM_GETITEMRECT, nItem, (LPARAM)lpRect);
    }
    // Converts between a window rectangle and the display area inside the tabs.
    void AdjustRect(BOOL bLarger, LPRECT lpRect) { SendMessage(TCM_ADJUSTRECT, bLarger, (LPARAM)lpRect); }
    CImageList *SetImageList(CImageList *pImageList);
};

class CProgressCtrl : public CWnd {
    DECLARE_DYNAMIC(CProgressCtrl)

public:
    BOOL Create(DWORD dwStyle, const RECT &rect, CWnd *pParentWnd, UINT nID);
    void SetRange(short nLower, short nUpper) { SendMessage(PBM_SETRANGE, 0, MAKELPARAM(nLower, nUpper)); }
    void SetRange32(int nLower, int nUpper) { SendMessage(PBM_SETRANGE32, nLower, nUpper); }
    int SetPos(int nPos) { return (int)SendMessage(PBM_SETPOS, nPos); }
    int GetPos() const { return (int)SendMessage(PBM_GETPOS); }
    int OffsetPos(int nPos) { return (int)SendMessage(PBM_DELTAPOS, nPos); }
    int SetStep(int nStep) { return (int)SendMessage(PBM_SETSTEP, nStep); }
    int StepIt() { return (int)SendMessage(PBM_STEPIT); }
};

class CSpinButtonCtrl : public CWnd {
    DECLARE_DYNAMIC(CSpinButtonCtrl)

public:
    BOOL Create(DWORD dwStyle, const RECT &rect, CWnd *pParentWnd, UINT nID);
    CWnd *SetBuddy(CWnd *pWndBuddy)
    {
        return CWnd::FromHandle((HWND)SendMessage(UDM_SETBUDDY, (WPARAM)pWndBuddy->GetSafeHwnd()));
    }
    CWnd *GetBuddy() const { return CWnd::FromHandle((HWND)SendMessage(UDM_GETBUDDY)); }
    void SetRange(short nLower, short nUpper) { SendMessage(UDM_SETRANGE, 0, MAKELPARAM(nUpper, nLower)); }
    void SetRange32(int nLower, int nUpper) { SendMessage(UDM_SETRANGE32, nLower, nUpper); }
    void GetRange32(int &lower, int &upper) const { SendMessage(UDM_GETRANGE32, (WPARAM)&lower, (LPARAM)&upper); }
    int SetPos(int nPos) { return (int)SendMessage(UDM_SETPOS32, 0, nPos); }
    int GetPos() const { return (int)SendMessage(UDM_GETPOS32); }
};

class CDateTimeCtrl : public CWnd {
    DECLARE_DYNAMIC(CDateTimeCtrl)

public:
    BOOL Create(DWORD dwStyle, const RECT &rect, CWnd *pParentWnd, UINT nID);
    // GDT_VALID, or GDT_NONE when a DTS_SHOWNONE control is unchecked.
    DWORD GetTime(SYSTEMTIME *pTimeDest) const { return (DWORD)SendMessage(DTM_GETSYSTEMTIME, 0, (LPARAM)pTimeDest); }
    BOOL SetTime(const SYSTEMTIME *pTimeNew)
    {
        return (BOOL)SendMessage(DTM_SETSYSTEMTIME, pTimeNew ? GDT_VALID : GDT_NONE, (LPARAM)pTimeNew);
    }
    BOOL SetRange(const SYSTEMTIME *pMin, const SYSTEMTIME *pMax);
    // The display format, as DTM_SETFORMAT takes it ("dd.MM.yyyy").
    BOOL SetFormat(LPCTSTR pstrFormat);
};

class CToolTipCtrl : public CWnd {
    DECLARE_DYNAMIC(CToolTipCtrl)

public:
    BOOL Create(CWnd *pParentWnd, DWORD dwStyle = 0);
    // Adds a tool: the whole window pWnd (lpRectTool null) or a rectangle of it with an id.
    BOOL AddTool(CWnd *pWnd, LPCTSTR lpszText, LPCRECT lpRectTool = nullptr, UINT_PTR nIDTool = 0);
    void DelTool(CWnd *pWnd, UINT_PTR nIDTool = 0);
    void UpdateTipText(LPCTSTR lpszText, CWnd *pWnd, UINT_PTR nIDTool = 0);
    CString GetText(CWnd *pWnd, UINT_PTR nIDTool = 0) const;
    void Activate(BOOL bActivate) { SendMessage(TTM_ACTIVATE, bActivate); }
    void RelayEvent(LPMSG lpMsg) { SendMessage(TTM_RELAYEVENT, 0, (LPARAM)lpMsg); }
    void Pop() { SendMessage(TTM_POP); }
    int SetMaxTipWidth(int iWidth) { return (int)SendMessage(TTM_SETMAXTIPWIDTH, 0, iWidth); }
    void SetDelayTime(UINT nDelay) { SendMessage(TTM_SETDELAYTIME, TTDT_AUTOMATIC, nDelay); }
    int GetToolCount() const { return (int)SendMessage(TTM_GETTOOLCOUNT); }
};
