#include "framework/ui/controls.h"

#include "framework/core/codepage.h"

#include <string>

IMPLEMENT_DYNAMIC(CStatic, CWnd)
IMPLEMENT_DYNAMIC(CButton, CWnd)
IMPLEMENT_DYNAMIC(CBitmapButton, CButton)
IMPLEMENT_DYNAMIC(CEdit, CWnd)
IMPLEMENT_DYNAMIC(CListBox, CWnd)
IMPLEMENT_DYNAMIC(CComboBox, CWnd)
IMPLEMENT_DYNAMIC(CScrollBar, CWnd)

BEGIN_MESSAGE_MAP(CStatic, CWnd)
    ON_WM_DRAWITEM_REFLECT()
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CButton, CWnd)
    ON_WM_DRAWITEM_REFLECT()
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CListBox, CWnd)
    ON_WM_DRAWITEM_REFLECT()
    ON_WM_MEASUREITEM_REFLECT()
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CComboBox, CWnd)
    ON_WM_DRAWITEM_REFLECT()
    ON_WM_MEASUREITEM_REFLECT()
END_MESSAGE_MAP()

namespace {

CString ItemText(const CWnd &control, UINT getLength, UINT getText, int index)
{
    LRESULT length = control.SendMessage(getLength, index);
    if (length < 0)
        return CString();
    std::wstring text(length + 1, L'\0');
    control.SendMessage(getText, index, (LPARAM)&text[0]);
    return WideToCp1250(text.c_str());
}

int SendText(const CWnd &control, UINT message, WPARAM wParam, LPCTSTR text)
{
    std::wstring wide = Cp1250ToWide(text ? text : "");
    return (int)control.SendMessage(message, wParam, (LPARAM)wide.c_str());
}

} // namespace

BOOL CStatic::Create(LPCTSTR lpszText, DWORD dwStyle, const RECT &rect, CWnd *pParentWnd, UINT nID)
{
    return CWnd::Create("STATIC", lpszText, dwStyle, rect, pParentWnd, nID);
}
void CStatic::DrawItem(LPDRAWITEMSTRUCT) {}

BOOL CButton::Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT &rect, CWnd *pParentWnd, UINT nID)
{
    return CWnd::Create("BUTTON", lpszCaption, dwStyle, rect, pParentWnd, nID);
}
void CButton::DrawItem(LPDRAWITEMSTRUCT) {}

// ---- CBitmapButton ---------------------------------------------------------------------------

BOOL CBitmapButton::LoadBitmaps(UINT nIDBitmapResource, UINT nIDBitmapResourceSel, UINT nIDBitmapResourceFocus,
                                UINT nIDBitmapResourceDisabled)
{
    m_bitmap.DeleteObject();
    m_bitmapSel.DeleteObject();
    m_bitmapFocus.DeleteObject();
    m_bitmapDisabled.DeleteObject();
    if (!m_bitmap.LoadBitmap(nIDBitmapResource))
        return FALSE;
    BOOL allLoaded = TRUE;
    if (nIDBitmapResourceSel != 0)
        allLoaded &= m_bitmapSel.LoadBitmap(nIDBitmapResourceSel);
    if (nIDBitmapResourceFocus != 0)
        allLoaded &= m_bitmapFocus.LoadBitmap(nIDBitmapResourceFocus);
    if (nIDBitmapResourceDisabled != 0)
        allLoaded &= m_bitmapDisabled.LoadBitmap(nIDBitmapResourceDisabled);
    return allLoaded;
}

void CBitmapButton::SizeToContent()
{
    BITMAP info{};
    if (m_bitmap.GetBitmap(&info) == 0)
        return;
    SetWindowPos(nullptr, 0, 0, info.bmWidth, info.bmHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CBitmapButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    CBitmap *shown = &m_bitmap;
    UINT state = lpDrawItemStruct->itemState;
    if ((state & ODS_SELECTED) && m_bitmapSel.GetSafeHandle()) {
        shown = &m_bitmapSel;
    } else if ((state & ODS_FOCUS) && m_bitmapFocus.GetSafeHandle()) {
        shown = &m_bitmapFocus;
    } else if ((state & ODS_DISABLED) && m_bitmapDisabled.GetSafeHandle()) {
        shown = &m_bitmapDisabled;
    }
    if (shown->GetSafeHandle() == nullptr)
        return;
    CDC *dc = CDC::FromHandle(lpDrawItemStruct->hDC);
    CDC memory;
    memory.CreateCompatibleDC(dc);
    CBitmap *previous = memory.SelectObject(shown);
    const RECT &area = lpDrawItemStruct->rcItem;
    dc->BitBlt(area.left, area.top, area.right - area.left, area.bottom - area.top, &memory, 0, 0, SRCCOPY);
    memory.SelectObject(previous);
}

// ---- CEdit -----------------------------------------------------------------------------------

BOOL CEdit::Create(DWORD dwStyle, const RECT &rect, CWnd *pParentWnd, UINT nID)
{
    return CWnd::Create("EDIT", nullptr, dwStyle, rect, pParentWnd, nID);
}

int CEdit::GetLine(int nIndex, CString &rString) const
{
    int length = (int)SendMessage(EM_LINELENGTH, SendMessage(EM_LINEINDEX, nIndex));
    std::wstring text(length + 2 > 2 ? length + 2 : 2, L'\0');
    *reinterpret_cast<WORD *>(&text[0]) = (WORD)(text.size() - 1);
    int copied = (int)SendMessage(EM_GETLINE, nIndex, (LPARAM)&text[0]);
    rString = WideToCp1250(text.c_str(), copied);
    return rString.GetLength();
}

void CEdit::ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo)
{
    SendText(*this, EM_REPLACESEL, bCanUndo, lpszNewText);
}

// ---- CListBox --------------------------------------------------------------------------------

BOOL CListBox::Create(DWORD dwStyle, const RECT &rect, CWnd *pParentWnd, UINT nID)
{
    return CWnd::Create("LISTBOX", nullptr, dwStyle, rect, pParentWnd, nID);
}
void CListBox::GetText(int nIndex, CString &rString) const
{
    rString = ItemText(*this, LB_GETTEXTLEN, LB_GETTEXT, nIndex);
}
int CListBox::AddString(LPCTSTR lpszItem)
{
    return SendText(*this, LB_ADDSTRING, 0, lpszItem);
}
int CListBox::InsertString(int nIndex, LPCTSTR lpszItem)
{
    return SendText(*this, LB_INSERTSTRING, nIndex, lpszItem);
}
int CListBox::FindString(int nStartAfter, LPCTSTR lpszItem) const
{
    return SendText(*this, LB_FINDSTRING, nStartAfter, lpszItem);
}
int CListBox::FindStringExact(int nIndexStart, LPCTSTR lpszFind) const
{
    return SendText(*this, LB_FINDSTRINGEXACT, nIndexStart, lpszFind);
}
int CListBox::SelectString(int nStartAfter, LPCTSTR lpszItem)
{
    return SendText(*this, LB_SELECTSTRING, nStartAfter, lpszItem);
}
void CListBox::DrawItem(LPDRAWITEMSTRUCT) {}
void CListBox::MeasureItem(LPMEASUREITEMSTRUCT) {}

// ---- CComboBox -------------------------------------------------------------------------------

BOOL CComboBox::Create(DWORD dwStyle, const RECT &rect, CWnd *pParentWnd, UINT nID)
{
    return CWnd::Create("COMBOBOX", nullptr, dwStyle, rect, pParentWnd, nID);
}
void CComboBox::GetLBText(int nIndex, CString &rString) const
{
    rString = ItemText(*this, CB_GETLBTEXTLEN, CB_GETLBTEXT, nIndex);
}
int CComboBox::AddString(LPCTSTR lpszString)
{
    return SendText(*this, CB_ADDSTRING, 0, lpszString);
}
int CComboBox::InsertString(int nIndex, LPCTSTR lpszString)
{
    return SendText(*this, CB_INSERTSTRING, nIndex, lpszString);
}
int CComboBox::FindString(int nStartAfter, LPCTSTR lpszString) const
{
    return SendText(*this, CB_FINDSTRING, nStartAfter, lpszString);
}
int CComboBox::FindStringExact(int nIndexStart, LPCTSTR lpszFind) const
{
    return SendText(*this, CB_FINDSTRINGEXACT, nIndexStart, lpszFind);
}
int CComboBox::SelectString(int nStartAfter, LPCTSTR lpszString)
{
    return SendText(*this, CB_SELECTSTRING, nStartAfter, lpszString);
}
void CComboBox::DrawItem(LPDRAWITEMSTRUCT) {}
void CComboBox::MeasureItem(LPMEASUREITEMSTRUCT) {}

BOOL CScrollBar::Create(DWORD dwStyle, const RECT &rect, CWnd *pParentWnd, UINT nID)
{
    return CWnd::Create("SCROLLBAR", nullptr, dwStyle, rect, pParentWnd, nID);
}
