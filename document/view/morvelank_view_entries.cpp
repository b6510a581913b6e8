// The entries the user adds to a repeated block through its add-entry link (committee members,
// questions and answers): named, added and left out in the layout dialog, then the shown
// document generated again with them. Other documents that repeat the block find the same
// instances when they are generated.
#include "document/view/morvelank_view.h"
#include "model/view_tables.h"

#include "document/view/proceeding_prompts.h"
#include "document/view/repeat_entries.h"
#include "framework/ui/msgbox.h"

void CMorvelankView::EditRepeatInstances(int blockVariable)
{
    ProceedingPrompts *prompts = GetProceedingPrompts();
    PartLayout entries = CollectRepeatEntries(*m_proceeding.m_tables, blockVariable);
    if (prompts == nullptr || entries.names.empty())
        return;
    // The first entry is the one the block was made with: it may be renamed, never left out.
    if (!prompts->EditPartLayout(this, true, entries))
        return;
    if (ApplyRepeatEntries(*m_proceeding.m_tables, blockVariable, entries) == EntriesResult::PoolFull) {
        AfxShowMessageBox(GetSafeHwnd(), "Zbyt duża ilość zmiennych", "Błąd", MB_OK | MB_ICONSTOP);
        return;
    }
    m_proceeding.m_bModified = 1;

    const int document = GetCurrentDocument();
    if (document < 0)
        return;
    CRichEditCtrl &control = GetRichEditCtrl();
    ShowWindow(SW_HIDE);
    const int firstLine = static_cast<int>(control.SendMessage(EM_GETFIRSTVISIBLELINE, 0, 0));
    if (OccurrenceBlock *block = m_proceeding.m_tables->m_occurrences.Block(document))
        block->Reset();
    ShowDocument(document, GetCurrentPart());
    control.SendMessage(EM_LINESCROLL, 0, -10000);
    control.SendMessage(EM_LINESCROLL, 0, firstLine);
    ShowWindow(SW_SHOW);
}
