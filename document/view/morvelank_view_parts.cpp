// The layout of a proceeding divided into parts: the parts' names and active flags edited in
// the layout dialog, and the shown document generated again with them.
#include <algorithm>

#include "model/data_file.h"
#include "model/view_tables.h"
#include "document/view/morvelank_view.h"
#include "document/view/proceeding_prompts.h"

void CMorvelankView::RegenerateDocument()
{
    ProceedingPrompts *prompts = GetProceedingPrompts();
    if (prompts == nullptr)
        return;
    ViewTables &tables = *m_proceeding.m_tables;
    PartLayout layout;
    const int parts = std::min(tables.m_nParts, kMaxPartNames);
    for (int part = 0; part < parts; ++part) {
        layout.names.push_back(tables.m_partNames[part]);
        layout.active.push_back(tables.m_partFlags[part]);
    }
    if (!prompts->EditPartLayout(this, false, layout))
        return;
    // The data file holds at most kMaxPartNames parts; an undivided proceeding given no part
    // stays undivided.
    const int count =
        std::min({static_cast<int>(layout.names.size()), static_cast<int>(layout.active.size()), kMaxPartNames});
    if (count == 0)
        return;
    tables.m_nParts = count;
    for (int part = 0; part < count; ++part) {
        tables.m_partNames[part] = layout.names[part];
        tables.m_partFlags[part] = layout.active[part];
    }
    m_proceeding.m_bModified = 1;

    const int document = GetCurrentDocument();
    if (document < 0)
        return;
    ShowWindow(SW_HIDE);
    if (OccurrenceBlock *block = tables.m_occurrences.Block(document))
        block->Reset();
    ShowDocument(document, -1);
    ShowWindow(SW_SHOW);
}
