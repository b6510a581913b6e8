#include "framework/ui/commctrls.h"

#include "framework/core/codepage.h"
#include "framework/core/module.h"
#include "framework/ui/whole_headings.h"

#include <string>
#include <vector>

IMPLEMENT_DYNAMIC(CListCtrl, CWnd)
IMPLEMENT_DYNAMIC(CTreeCtrl, CWnd)
IMPLEMENT_DYNAMIC(CTabCtrl, CWnd)
IMPLEMENT_DYNAMIC(CProgressCtrl, CWnd)
IMPLEMENT_DYNAMIC(CSpinButtonCtrl, CWnd)
IMPLEMENT_DYNAMIC(CDateTimeCtrl, CWnd)
IMPLEMENT_DYNAMIC(CToolTipCtrl, CWnd)

namespace {

// Long enough for any item text the program shows; the controls cut longer ones.
const int itemTextCapacity = 1024;

// A CImageList wrapping a handle handed back by a control; lives until the next call.
CImageList *PreviousImageList(HIMAGELIST hImageList)
{
    static thread_local CImageList previous;
    previous.Detach();
    if (hImageList == nullptr)
        return nullptr;
    previous.Attach(hImageList);
    return &previous;
}

} // namespace

// ---- CImageList ------------------------------------------------------------------------------

BOOL CImageList::Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow)
{
    return Attach(ImageList_Create(cx, cy, nFlags, nInitial, nGrow));
}

BOOL CImageList::Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask)
{
    return Attach(ImageList_LoadImageW(AfxGetResourceHandle(), MAKEINTRESOURCEW(nBitmapID), cx, nGrow, crMask,
                                       IMAGE_BITMAP, LR_CREATEDIBSECTION));
}

BOOL CImageList::Attach(HIMAGELIST hImageList)
{
    if (hImageList == nullptr || m_hImageList != nullptr)
        return FALSE;
    m_hImageList = hImageList;
    return TRUE;
}

HIMAGELIST CImageList::Detach()
{
    HIMAGELIST hImageList = m_hImageList;
    m_hImageList = nullptr;
    return hImageList;
}

BOOL CImageList::DeleteImageList()
{
    if (m_hImageList == nullptr)
        return FALSE;
    return ImageList_Destroy(Detach());
}

int CImageList::Add(CBitmap *pbmImage, CBitmap *pbmMask)
{
    return ImageList_Add(m_hImageList, (HBITMAP)pbmImage->GetSafeHandle(),
                         pbmMask ? (HBITMAP)pbmMask->GetSafeHandle() : nullptr);
}

int CImageList::Add(CBitmap *pbmImage, COLORREF crMask)
{
    return ImageList_AddMasked(m_hImageList, (HBITMAP)pbmImage->GetSafeHandle(), crMask);
}

// ---- CListCtrl -------------------------------------------------------------------------------

BOOL CListCtrl::Create(DWORD dwStyle, const RECT &rect, CWnd *pParentWnd, UINT nID)
{
    return CWnd::Create("SysListView32", nullptr, dwStyle, rect, pParentWnd, nID);
}

BOOL CListCtrl::GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const
{
    lpRect->left = (LONG)nCode;
    return (BOOL)SendMessage(LVM_GETITEMRECT, nItem, (LPARAM)lpRect);
}

BOOL CListCtrl::GetSubItemRect(int iItem, int iSubItem, int nArea, RECT &ref) const
{
    ref.top = iSubItem;
    ref.left = nArea;
    return (BOOL)SendMessage(LVM_GETSUBITEMRECT, iItem, (LPARAM)&ref);
}

int CListCtrl::InsertColumn(int nCol, LPCTSTR lpszColumnHeading, int nFormat, int nWidth, int nSubItem)
{
    std::wstring heading = Cp1250ToWide(lpszColumnHeading ? lpszColumnHeading : "");
    LVCOLUMNW column{};
    column.mask = LVCF_FMT | LVCF_TEXT;
    column.fmt = nFormat;
    column.pszText = &heading[0];
    if (nWidth != -1) {
        column.mask |= LVCF_WIDTH;
        column.cx = nWidth;
    }
    if (nSubItem != -1) {
        column.mask |= LVCF_SUBITEM;
        column.iSubItem = nSubItem;
    }
    const int inserted = (int)SendMessage(LVM_INSERTCOLUMNW, nCol, (LPARAM)&column);
    KeepHeadingsWhole(m_hWnd);
    return inserted;
}

int CListCtrl::InsertItem(int nItem, LPCTSTR lpszItem)
{
    std::wstring text = Cp1250ToWide(lpszItem ? lpszItem : "");
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = nItem;
    item.pszText = &text[0];
    return (int)SendMessage(LVM_INSERTITEMW, 0, (LPARAM)&item);
}

int CListCtrl::InsertItem(int nItem, LPCTSTR lpszItem, int nImage)
{
    std::wstring text = Cp1250ToWide(lpszItem ? lpszItem : "");
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = nItem;
    item.iImage = nImage;
    item.pszText = &text[0];
    return (int)SendMessage(LVM_INSERTITEMW, 0, (LPARAM)&item);
}

BOOL CListCtrl::SetItemText(int nItem, int nSubItem, LPCTSTR lpszText)
{
    std::wstring text = Cp1250ToWide(lpszText ? lpszText : "");
    LVITEMW item{};
    item.iSubItem = nSubItem;
    item.pszText = &text[0];
    return (BOOL)SendMessage(LVM_SETITEMTEXTW, nItem, (LPARAM)&item);
}

int CListCtrl::GetStringWidth(LPCTSTR lpsz) const
{
    const std::wstring text = Cp1250ToWide(lpsz ? lpsz : "");
    return (int)SendMessage(LVM_GETSTRINGWIDTHW, 0, (LPARAM)text.c_str());
}

CString CListCtrl::GetItemText(int nItem, int nSubItem) const
{
    std::vector<wchar_t> text(itemTextCapacity, L'\0');
    LVITEMW item{};
    item.iSubItem = nSubItem;
    item.pszText = text.data();
    item.cchTextMax = itemTextCapacity;
    int length = (int)SendMessage(LVM_GETITEMTEXTW, nItem, (LPARAM)&item);
    return WideToCp1250(text.data(), length);
}

BOOL CListCtrl::SetItemData(int nItem, DWORD_PTR dwData)
{
    LVITEMW item{};
    item.mask = LVIF_PARAM;
    item.iItem = nItem;
    item.lParam = (LPARAM)dwData;
    return (BOOL)SendMessage(LVM_SETITEMW, 0, (LPARAM)&item);
}

DWORD_PTR CListCtrl::GetItemData(int nItem) const
{
    LVITEMW item{};
    item.mask = LVIF_PARAM;
    item.iItem = nItem;
    SendMessage(LVM_GETITEMW, 0, (LPARAM)&item);
    return (DWORD_PTR)item.lParam;
}

BOOL CListCtrl::SetItemState(int nItem, UINT nState, UINT nMask)
{
    LVITEMW item{};
    item.state = nState;
    item.stateMask = nMask;
    return (BOOL)SendMessage(LVM_SETITEMSTATE, nItem, (LPARAM)&item);
}

CImageList *CListCtrl::SetImageList(CImageList *pImageList, int nImageListType)
{
    return PreviousImageList((HIMAGELIST)SendMessage(LVM_SETIMAGELIST, nImageListType,
                                                     (LPARAM)(pImageList ? pImageList->m_hImageList : nullptr)));
}

// ---- CTreeCtrl -------------------------------------------------------------------------------

BOOL CTreeCtrl::Create(DWORD dwStyle, const RECT &rect, CWnd *pParentWnd, UINT nID)
{
    return CWnd::Create("SysTreeView32", nullptr, dwStyle, rect, pParentWnd, nID);
}

HTREEITEM CTreeCtrl::InsertItem(LPCTSTR lpszItem, HTREEITEM hParent, HTREEITEM hInsertAfter)
{
    std::wstring text = Cp1250ToWide(lpszItem ? lpszItem : "");
    TVINSERTSTRUCTW insert{};
    insert.hParent = hParent;
    insert.hInsertAfter = hInsertAfter;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = &text[0];
    return (HTREEITEM)SendMessage(TVM_INSERTITEMW, 0, (LPARAM)&insert);
}

HTREEITEM CTreeCtrl::InsertItem(LPCTSTR lpszItem, int nImage, int nSelectedImage, HTREEITEM hParent,
                                HTREEITEM hInsertAfter)
{
    std::wstring text = Cp1250ToWide(lpszItem ? lpszItem : "");
    TVINSERTSTRUCTW insert{};
    insert.hParent = hParent;
    insert.hInsertAfter = hInsertAfter;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    insert.item.pszText = &text[0];
    insert.item.iImage = nImage;
    insert.item.iSelectedImage = nSelectedImage;
    return (HTREEITEM)SendMessage(TVM_INSERTITEMW, 0, (LPARAM)&insert);
}

CString CTreeCtrl::GetItemText(HTREEITEM hItem) const
{
    std::vector<wchar_t> text(itemTextCapacity, L'\0');
    TVITEMW item{};
    item.mask = TVIF_TEXT;
    item.hItem = hItem;
    item.pszText = text.data();
    item.cchTextMax = itemTextCapacity;
    if (!SendMessage(TVM_GETITEMW, 0, (LPARAM)&item))
        return CString();
    return WideToCp1250(item.pszText);
}

BOOL CTreeCtrl::SetItemText(HTREEITEM hItem, LPCTSTR lpszItem)
{
    std::wstring text = Cp1250ToWide(lpszItem ? lpszItem : "");
    TVITEMW item{};
    item.mask = TVIF_TEXT;
    item.hItem = hItem;
    item.pszText = &text[0];
    return (BOOL)SendMessage(TVM_SETITEMW, 0, (LPARAM)&item);
}

DWORD_PTR CTreeCtrl::GetItemData(HTREEITEM hItem) const
{
    TVITEMW item{};
    item.mask = TVIF_PARAM;
    item.hItem = hItem;
    SendMessage(TVM_GETITEMW, 0, (LPARAM)&item);
    return (DWORD_PTR)item.lParam;
}

BOOL CTreeCtrl::SetItemData(HTREEITEM hItem, DWORD_PTR dwData)
{
    TVITEMW item{};
    item.mask = TVIF_PARAM;
    item.hItem = hItem;
    item.lParam = (LPARAM)dwData;
    return (BOOL)SendMessage(TVM_SETITEMW, 0, (LPARAM)&item);
}

BOOL CTreeCtrl::SetItemImage(HTREEITEM hItem, int nImage, int nSelectedImage)
{
    TVITEMW item{};
    item.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    item.hItem = hItem;
    item.iImage = nImage;
    item.iSelectedImage = nSelectedImage;
    return (BOOL)SendMessage(TVM_SETITEMW, 0, (LPARAM)&item);
}

BOOL CTreeCtrl::SetItemState(HTREEITEM hItem, UINT nState, UINT nStateMask)
{
    TVITEMW item{};
    item.mask = TVIF_STATE;
    item.hItem = hItem;
    item.state = nState;
    item.stateMask = nStateMask;
    return (BOOL)SendMessage(TVM_SETITEMW, 0, (LPARAM)&item);
}

HTREEITEM CTreeCtrl::HitTest(POINT pt, UINT *pFlags) const
{
    TVHITTESTINFO info{};
    info.pt = pt;
    HTREEITEM hItem = (HTREEITEM)SendMessage(TVM_HITTEST, 0, (LPARAM)&info);
    if (pFlags)
        *pFlags = info.flags;
    return hItem;
}

BOOL CTreeCtrl::GetItemRect(HTREEITEM hItem, LPRECT lpRect, BOOL bTextOnly) const
{
    *reinterpret_cast<HTREEITEM *>(lpRect) = hItem;
    return (BOOL)SendMessage(TVM_GETITEMRECT, bTextOnly, (LPARAM)lpRect);
}

CImageList *CTreeCtrl::SetImageList(CImageList *pImageList, int nImageListType)
{
    return PreviousImageList((HIMAGELIST)SendMessage(TVM_SETIMAGELIST, nImageListType,
                                                     (LPARAM)(pImageList ? pImageList->m_hImageList : nullptr)));
}

// ---- Tab, progress, spin, date ---------------------------------------------------------------

BOOL CTabCtrl::Create(DWORD dwStyle, const RECT &rect, CWnd *pParentWnd, UINT nID)
{
    return CWnd::Create("SysTabControl32", nullptr, dwStyle, rect, pParentWnd, nID);
}

LONG CTabCtrl::InsertItem(int nItem, LPCTSTR lpszItem)
{
    std::wstring text = Cp1250ToWide(lpszItem ? lpszItem : "");
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = &text[0];
    return (LONG)SendMessage(TCM_INSERTITEMW, nItem, (LPARAM)&item);
}

CImageList *CTabCtrl::SetImageList(CImageList *pImageList)
{
    return PreviousImageList(
        (HIMAGELIST)SendMessage(TCM_SETIMAGELIST, 0, (LPARAM)(pImageList ? pImageList->m_hImageList : nullptr)));
}

BOOL CProgressCtrl::Create(DWORD dwStyle, const RECT &rect, CWnd *pParentWnd, UINT nID)
{
    return CWnd::Create("msctls_progress32", nullptr, dwStyle, rect, pParentWnd, nID);
}

BOOL CSpinButtonCtrl::Create(DWORD dwStyle, const RECT &rect, CWnd *pParentWnd, UINT nID)
{
    return CWnd::Create("msctls_updown32", nullptr, dwStyle, rect, pParentWnd, nID);
}

BOOL CDateTimeCtrl::Create(DWORD dwStyle, const RECT &rect, CWnd *pParentWnd, UINT nID)
{
    return CWnd::Create("SysDateTimePick32", nullptr, dwStyle, rect, pParentWnd, nID);
}

BOOL CDateTimeCtrl::SetRange(const SYSTEMTIME *pMin, const SYSTEMTIME *pMax)
{
    SYSTEMTIME range[2]{};
    WPARAM flags = 0;
    if (pMin) {
        range[0] = *pMin;
        flags |= GDTR_MIN;
    }
    if (pMax) {
        range[1] = *pMax;
        flags |= GDTR_MAX;
    }
    return (BOOL)SendMessage(DTM_SETRANGE, flags, (LPARAM)range);
}

BOOL CDateTimeCtrl::SetFormat(LPCTSTR pstrFormat)
{
    std::wstring format = Cp1250ToWide(pstrFormat ? pstrFormat : "");
    return (BOOL)SendMessage(DTM_SETFORMATW, 0, (LPARAM)(pstrFormat ? format.c_str() : nullptr));
}

// ---- CToolTipCtrl ----------------------------------------------------------------------------

namespace {
TTTOOLINFOW ToolInfo(HWND owner, UINT_PTR id, bool wholeWindow)
{
    TTTOOLINFOW info{};
    info.cbSize = sizeof info;
    info.hwnd = wholeWindow ? ::GetParent(owner) : owner;
    info.uId = wholeWindow ? (UINT_PTR)owner : id;
    info.uFlags = wholeWindow ? TTF_IDISHWND | TTF_SUBCLASS : TTF_SUBCLASS;
    if (info.hwnd == nullptr)
        info.hwnd = owner;
    return info;
}
} // namespace

BOOL CToolTipCtrl::Create(CWnd *pParentWnd, DWORD dwStyle)
{
    return CreateEx(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP | dwStyle,
                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                    pParentWnd ? pParentWnd->m_hWnd : nullptr, nullptr);
}

BOOL CToolTipCtrl::AddTool(CWnd *pWnd, LPCTSTR lpszText, LPCRECT lpRectTool, UINT_PTR nIDTool)
{
    std::wstring text = Cp1250ToWide(lpszText ? lpszText : "");
    TTTOOLINFOW info = ToolInfo(pWnd->m_hWnd, nIDTool, lpRectTool == nullptr);
    if (lpRectTool)
        info.rect = *lpRectTool;
    info.lpszText = &text[0];
    return (BOOL)SendMessage(TTM_ADDTOOLW, 0, (LPARAM)&info);
}

void CToolTipCtrl::DelTool(CWnd *pWnd, UINT_PTR nIDTool)
{
    TTTOOLINFOW info = ToolInfo(pWnd->m_hWnd, nIDTool, nIDTool == 0);
    SendMessage(TTM_DELTOOLW, 0, (LPARAM)&info);
}

void CToolTipCtrl::UpdateTipText(LPCTSTR lpszText, CWnd *pWnd, UINT_PTR nIDTool)
{
    std::wstring text = Cp1250ToWide(lpszText ? lpszText : "");
    TTTOOLINFOW info = ToolInfo(pWnd->m_hWnd, nIDTool, nIDTool == 0);
    info.lpszText = &text[0];
    SendMessage(TTM_UPDATETIPTEXTW, 0, (LPARAM)&info);
}

CString CToolTipCtrl::GetText(CWnd *pWnd, UINT_PTR nIDTool) const
{
    std::vector<wchar_t> text(itemTextCapacity, L'\0');
    TTTOOLINFOW info = ToolInfo(pWnd->m_hWnd, nIDTool, nIDTool == 0);
    info.lpszText = text.data();
    SendMessage(TTM_GETTEXTW, itemTextCapacity, (LPARAM)&info);
    return WideToCp1250(text.data());
}
