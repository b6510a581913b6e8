// The view's keyboard and mouse filter and its edit commands: Tab from variable to variable, the
// tree kept on the point the caret stands in, the first click into an editable document, the
// hint hidden on keys, clicks and scrolling; copying and selecting.
#include "document/view/caret_navigation.h"
#include "document/item_codes.h"
#include "document/view/morvelank_view.h"
#include "document/engine/rich_edit_text.h"
#include "framework/core/codepage.h"

namespace {

// A global block holding size bytes copied from data, for the clipboard; null when out of memory.
HGLOBAL ClipboardBlock(const void *data, size_t size)
{
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, size);
    if (!block)
        return nullptr;
    if (void *target = ::GlobalLock(block)) {
        memcpy(target, data, size);
        ::GlobalUnlock(block);
        return block;
    }
    ::GlobalFree(block);
    return nullptr;
}

void PutOnClipboard(UINT format, const void *data, size_t size)
{
    if (HGLOBAL block = ClipboardBlock(data, size))
        if (!::SetClipboardData(format, block))
            ::GlobalFree(block);
}

} // namespace

BOOL CMorvelankView::PreTranslateMessage(MSG *pMsg)
{
    const bool ours = pMsg->hwnd == m_hWnd;
    switch (pMsg->message) {
    case WM_KEYDOWN:
    case WM_LBUTTONUP: {
        if (m_hint.GetSafeHwnd())
            m_hint.HideHint();
        if (!ours)
            break;
        long start = 0, caret = 0;
        GetRichEditCtrl().GetSel(start, caret);
        const OccurrenceBlock *block = Occurrences(GetCurrentDocument());
        if (!block)
            break;
        if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_TAB) {
            const int slot = NextTabSlot(*block, static_cast<int>(caret));
            if (slot >= 0) {
                const VariableOccurrence &next = *block->Variable(slot);
                GetRichEditCtrl().SetSel(next.position, next.position + next.length);
                caret = next.position + next.length;
            }
        }
        // Other keys have not moved the caret yet: the tree follows where it stands now.
        const int heading = HeadingSlotAtCaret(*block, GetLastHeadingSlot(), static_cast<int>(caret));
        if (heading > kFirstHeadingSlot && m_pTree) {
            if (HTREEITEM root = m_pTree->GetTreeCtrl().GetRootItem()) {
                SyncTreeWithCaret(root, heading);
                SetFocus();
                m_bTreeSyncing = 0;
            }
        }
        break;
    }
    case WM_MOUSEWHEEL:
    case WM_LBUTTONDBLCLK:
        if (m_hint.GetSafeHwnd())
            m_hint.HideHint();
        break;
    case WM_MOUSEMOVE:
        if (ours)
            TrackMouseOverVariable(static_cast<short>(LOWORD(pMsg->lParam)), static_cast<short>(HIWORD(pMsg->lParam)),
                                   FALSE);
        else if (m_hint.GetSafeHwnd())
            m_hint.HideHint();
        break;
    case WM_LBUTTONDOWN:
        // An editable document shows its template's sample text until the user clicks into it.
        if (GetDocumentState(-1) == kStateEditable && m_proceeding.m_files.m_bClearOnFirstClick) {
            GetRichEditCtrl().SetSel(0, -1);
            SendMessage(WM_CLEAR);
            m_proceeding.m_files.m_bClearOnFirstClick = 0;
            m_proceeding.m_bModified = 1;
        }
        break;
    default:
        break;
    }
    return CRichEditView::PreTranslateMessage(pMsg);
}

void CMorvelankView::SyncTreeWithCaret(HTREEITEM item, int headingSlot)
{
    m_bTreeSyncing = 1;
    CTreeCtrl &tree = m_pTree->GetTreeCtrl();
    const int code = static_cast<int>(tree.GetItemData(item));
    const int current = GetCurrentDocument() < 0 ? 0 : GetCurrentDocument();
    if (headingSlot >= kFirstHeadingSlot && ItemCodePart(code) == headingSlot - kFirstHeadingSlot
        && ItemCodeDocument(code) == current) {
        tree.SelectItem(item);
        return;
    }
    HTREEITEM child = tree.GetChildItem(item);
    if (!child)
        return;
    tree.Expand(child, TVE_EXPAND);
    for (; child; child = tree.GetNextSiblingItem(child))
        SyncTreeWithCaret(child, headingSlot);
}

void CMorvelankView::OnScrolled()
{
    if (m_hint.GetSafeHwnd())
        m_hint.HideHint();
}

void CMorvelankView::CopySelection()
{
    const CString text = GetRichEditCtrl().GetSelText();
    if (!::OpenClipboard(m_hWnd))
        return;
    ::EmptyClipboard();
    PutOnClipboard(CF_TEXT, text.GetString(), static_cast<size_t>(text.GetLength()) + 1);
    // The same text for programs that read it in another code page.
    const std::wstring wide = Cp1250ToWide(text);
    PutOnClipboard(CF_UNICODETEXT, wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
    ::CloseClipboard();
}

void CMorvelankView::SelectAllText()
{
    SetFocus();
    GetRichEditCtrl().SetSel(0, -1);
}

void CMorvelankView::CopyAll()
{
    CHARRANGE kept{};
    GetRichEditCtrl().GetSel(kept);
    GetRichEditCtrl().SetSel(0, -1);
    SendMessage(WM_COPY);
    GetRichEditCtrl().SetSel(kept);
}

void CMorvelankView::OnLinkNotify(NMHDR *, LRESULT *pResult)
{
    *pResult = 0;
}
