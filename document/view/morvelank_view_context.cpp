// The view's context menu "Edytor" and its page-break commands: a marker put at the caret or
// taken away from under it.
#include "document/files/document_sets.h"
#include "document/view/morvelank_view.h"
#include "document/view/page_break_edit.h"
#include "framework/ui/menu.h"
#include "framework/ui/winapp.h"
#include "framework/ui/msgbox.h"
#include "res/document_ids.h"

void CMorvelankView::OnRButtonUp(UINT, CPoint point)
{
    // The menu's commands work at the caret: a click outside the selection moves it there.
    POINTL at{point.x, point.y};
    const int clicked = static_cast<int>(SendMessage(EM_CHARFROMPOS, 0, reinterpret_cast<LPARAM>(&at)));
    long start = 0, end = 0;
    GetRichEditCtrl().GetSel(start, end);
    if (clicked < start || clicked > end)
        GetRichEditCtrl().SetSel(clicked, clicked);
    ClientToScreen(&point);
    OnContextMenu(this, point);
}

void CMorvelankView::OnContextMenu(CWnd *, CPoint point)
{
    if (m_hint.GetSafeHwnd())
        m_hint.HideHint();
    CMenu menu;
    if (!menu.LoadMenu(IDR_VIEW_CONTEXT_MENU))
        return;
    if (CMenu *popup = menu.GetSubMenu(0))
        popup->TrackPopupMenu(TPM_CENTERALIGN, point.x + 98, point.y, AfxGetMainWnd());
}

bool CMorvelankView::MayEditPageBreaks() const
{
    return m_proceeding.m_nProceedingKind == kKindProceeding && GetDocumentState(-1) == kStateGenerated;
}

void CMorvelankView::EditPageBreak(bool insert)
{
    const int document = GetCurrentDocument();
    const DocumentSlot *slot = Slot(document);
    const int kind = m_proceeding.m_nProceedingKind;
    if (!slot || kind == kKindArchive || kind == kKindExample || slot->secured || slot->state != kStateGenerated)
        return;
    long start = 0, end = 0;
    GetRichEditCtrl().GetSel(start, end);
    const int caret = static_cast<int>(end);
    PageBreakEdit edit(m_hWnd, *m_proceeding.m_tables, document);
    ShowWindow(SW_HIDE);
    const PageBreakEditResult result = insert ? edit.Insert(caret) : edit.Remove(caret);
    ShowWindow(SW_SHOW);
    if (result == PageBreakEditResult::Done)
        m_proceeding.m_bModified = 1;
    else if (result == PageBreakEditResult::TableFull)
        AfxShowMessageBox(GetSafeHwnd(),
                          "Nie można wstawić kolejnego znaku podziału strony: postępowanie ma ich już 100.",
                          "Informacja", MB_ICONINFORMATION);
    GetRichEditCtrl().SetSel(caret, caret);
    SetFocus();
}

void CMorvelankView::OnInsertPageBreak()
{
    EditPageBreak(true);
}

void CMorvelankView::OnRemovePageBreak()
{
    EditPageBreak(false);
}

void CMorvelankView::OnUpdatePageBreakInsert(CCmdUI *pCmdUI)
{
    pCmdUI->Enable(!m_bOverVariable && !m_bOverPageBreak && MayEditPageBreaks());
}

void CMorvelankView::OnUpdatePageBreakRemove(CCmdUI *pCmdUI)
{
    pCmdUI->Enable(!m_bOverVariable && m_bOverPageBreak && MayEditPageBreaks());
}
