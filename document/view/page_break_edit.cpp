#include "document/view/page_break_edit.h"

#include "document/engine/page_break_marker.h"
#include "document/view/variable_dispatch.h"
#include "model/view_tables.h"

PageBreakEdit::PageBreakEdit(HWND control, ViewTables &tables, int document)
    : m_control(control), m_tables(tables), m_document(document)
{
}

int PageBreakEdit::FindMark(int position) const
{
    for (int r = 0; r < m_tables.m_nPageBreaks && r < kPageBreakMarks; ++r) {
        const PageBreakMark &mark = m_tables.m_pageBreaks[r];
        if (mark.document == m_document && mark.position > 0 && mark.length > 0 && mark.position <= position
            && position < mark.position + mark.length)
            return r;
    }
    return -1;
}

bool PageBreakEdit::IsOnVariable(int position) const
{
    DispatchContext context;
    context.currentDocument = m_document;
    int modified = 0;
    return VariableDispatch(m_control.GetHwnd(), m_tables, context, nullptr, modified).FindOccurrence(position) >= 0;
}

PageBreakEditResult PageBreakEdit::Insert(int position)
{
    // A marker at the very start could never be found again to be removed.
    if (position <= 0 || !m_tables.m_occurrences.Block(m_document) || IsOnVariable(position) || FindMark(position) >= 0)
        return PageBreakEditResult::Refused;
    if (m_tables.m_nPageBreaks >= kPageBreakMarks)
        return PageBreakEditResult::TableFull;
    const int added = InsertPageBreakMarker(m_control, position);
    if (added <= 0)
        return PageBreakEditResult::Refused;
    ShiftFrom(position, added);
    // The document's marks stay in position order: generation puts them back one after the
    // other, each into the text that holds the ones before it.
    int place = 0;
    while (
        place < m_tables.m_nPageBreaks
        && !(m_tables.m_pageBreaks[place].document == m_document && m_tables.m_pageBreaks[place].position > position))
        ++place;
    for (int later = m_tables.m_nPageBreaks; later > place; --later)
        m_tables.m_pageBreaks[later] = m_tables.m_pageBreaks[later - 1];
    PageBreakMark &mark = m_tables.m_pageBreaks[place];
    mark.document = static_cast<int16_t>(m_document);
    mark.position = position;
    mark.length = added;
    ++m_tables.m_nPageBreaks;
    return PageBreakEditResult::Done;
}

PageBreakEditResult PageBreakEdit::Remove(int position)
{
    if (IsOnVariable(position))
        return PageBreakEditResult::Refused;
    const int r = FindMark(position);
    if (r < 0)
        return PageBreakEditResult::Refused;
    const PageBreakMark mark = m_tables.m_pageBreaks[r];
    m_control.SetSel(mark.position, mark.position + mark.length);
    m_control.ReplaceSel("");
    const int marks = m_tables.m_nPageBreaks < kPageBreakMarks ? m_tables.m_nPageBreaks : kPageBreakMarks;
    for (int later = r; later + 1 < marks; ++later)
        m_tables.m_pageBreaks[later] = m_tables.m_pageBreaks[later + 1];
    m_tables.m_pageBreaks[marks - 1] = PageBreakMark();
    m_tables.m_nPageBreaks = marks - 1;
    ShiftFrom(mark.position + mark.length, -mark.length);
    return PageBreakEditResult::Done;
}

void PageBreakEdit::ShiftFrom(int from, int delta)
{
    for (int r = 0; r < m_tables.m_nPageBreaks && r < kPageBreakMarks; ++r) {
        PageBreakMark &mark = m_tables.m_pageBreaks[r];
        if (mark.document == m_document && mark.position >= from)
            mark.position += delta;
    }
    OccurrenceBlock *block = m_tables.m_occurrences.Block(m_document);
    if (!block)
        return;
    for (int slot = 0; slot < kVariableOccurrences; ++slot) {
        VariableOccurrence *occurrence = block->Variable(slot);
        if (occurrence->position >= from)
            occurrence->position += delta;
    }
    for (int slot = kFirstHeadingSlot; slot < kHeadingSlotEnd; ++slot) {
        VariableOccurrence *heading = block->Heading(slot);
        if (heading->position >= from)
            heading->position += delta;
    }
}
