#include "document/template_engine.h"

#include "document/page_break_marker.h"
#include "document/repeated_blocks.h"
#include "document/tag_replacement.h"
#include "document/value_rendering.h"
#include "document/view_tables.h"
#include "framework/ui/msgbox.h"

namespace {

void ShiftOccurrence(VariableOccurrence *occurrence, int from, int by)
{
    if (occurrence->position >= from)
        occurrence->position += by;
}

// Generation is no edit of the user's: the control neither paints nor notifies its parent
// until it ends. Wine's control repaints after every replacement of a shown document, so
// painting once at the end also makes generation several times faster.
class ControlQuiet {
public:
    explicit ControlQuiet(HWND control)
        : m_control(control), m_eventMask(static_cast<DWORD>(SendMessageW(control, EM_GETEVENTMASK, 0, 0)))
    {
        SendMessageW(m_control, EM_SETEVENTMASK, 0, 0);
        SendMessageW(m_control, WM_SETREDRAW, FALSE, 0);
    }
    ~ControlQuiet()
    {
        SendMessageW(m_control, WM_SETREDRAW, TRUE, 0);
        SendMessageW(m_control, EM_SETEVENTMASK, 0, m_eventMask);
        InvalidateRect(m_control, nullptr, TRUE);
    }
    ControlQuiet(const ControlQuiet &) = delete;
    ControlQuiet &operator=(const ControlQuiet &) = delete;

private:
    HWND m_control;
    DWORD m_eventMask;
};

} // namespace

TemplateEngine::TemplateEngine(HWND control, ViewTables &tables, GenerationHost &host)
    : m_control(control), m_tables(tables), m_host(host)
{
}

int TemplateEngine::IsPartDocument(int document) const
{
    if (document < 0 || document >= kDocumentSlots || m_tables.m_nParts < 0)
        return 0;
    return m_tables.m_documents[document].perPart;
}

void TemplateEngine::ShowDocument(int index, int part)
{
    m_tables.m_nLastHeadingSlot = 0;
    if (index < 0 || index >= kDocumentSlots || m_tables.m_documents[index].state == kStateNotGenerated)
        return;
    const bool perPart = IsPartDocument(index) != 0;
    if (m_bHoldsCurrent)
        m_host.CaptureEditableText();
    const CString text = m_host.ReadDocumentTemplate(index);
    ControlQuiet quiet(m_control.GetHwnd());
    m_bHoldsCurrent = false;
    m_control.SelectAll();
    m_control.ReplaceSel("");
    m_control.StreamInRtf(text);

    ResolveDivisionBlocks();
    if (!ExpandRepeatedBlocks(m_control, m_tables, perPart, part)) {
        AfxShowMessageBox(GetAncestor(m_control.GetHwnd(), GA_ROOT), "Zbyt duża ilość zmiennych", "Błąd",
                          MB_OK | MB_ICONSTOP);
        return;
    }
    ReplaceTags(m_control, m_tables, *m_tables.m_occurrences.Block(index), m_host);

    m_nCurrentDocument = index;
    m_nCurrentPart = part;
    m_bShownIsSiwz = IsSiwzName(m_tables.m_documents[index].displayName) ? 1 : 0;
    ReinsertPageBreaks(index);
    m_control.SelectAll();
    m_control.SetReadOnly(m_tables.m_documents[index].state != kStateEditable);
    m_control.SetSel(0, 0);
    m_bHoldsCurrent = true;
    m_host.UpdateStatusBar();
}

void TemplateEngine::ResolveDivisionBlocks()
{
    ResolveDivisionPair("<wielozadaniowy>", "</wielozadaniowy>", m_tables.m_nParts != -1);
    ResolveDivisionPair("<jednozadaniowy>", "</jednozadaniowy>", m_tables.m_nParts < 0);
}

// Each block of the pair loses its markers and keeps its text, or goes whole. The next search
// starts where the block stood, so a block right after a deleted one is found too.
void TemplateEngine::ResolveDivisionPair(const char *opener, const char *closer, bool keepText)
{
    const int openerLength = CString(opener).GetLength();
    const int closerLength = CString(closer).GetLength();
    for (int from = 0;;) {
        const CString plain = m_control.GetPlainText();
        const int open = plain.Find(opener, from);
        if (open < 0)
            return;
        const int close = plain.Find(closer, open);
        if (close < 0)
            return;
        if (keepText) {
            m_control.SetSel(close, close + closerLength);
            m_control.ReplaceSel("");
            m_control.SetSel(open, open + openerLength);
        } else {
            m_control.SetSel(open, close + closerLength);
        }
        m_control.ReplaceSel("");
        from = open;
    }
}

// Page breaks the user put into this document, each moving the occurrences after it.
void TemplateEngine::ReinsertPageBreaks(int index)
{
    OccurrenceBlock &block = *m_tables.m_occurrences.Block(index);
    for (int i = 0; i < m_tables.m_nPageBreaks && i < kPageBreakMarks; ++i) {
        const PageBreakMark &mark = m_tables.m_pageBreaks[i];
        if (mark.document != index)
            continue;
        const int added = InsertPageBreakMarker(m_control, mark.position);
        for (int slot = 0; slot < kVariableOccurrences; ++slot)
            ShiftOccurrence(block.Variable(slot), mark.position, added);
        for (int slot = kFirstHeadingSlot; slot < kHeadingSlotEnd; ++slot)
            ShiftOccurrence(block.Heading(slot), mark.position, added);
    }
}
