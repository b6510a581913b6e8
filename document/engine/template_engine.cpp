#include "document/engine/template_engine.h"

#include "document/engine/paragraph_layouts.h"
#include "document/engine/repeated_blocks.h"
#include "document/engine/rtf_document_builder.h"
#include "document/engine/tag_replacement.h"
#include "document/engine/text_tables.h"
#include "document/engine/variable_tags.h"
#include "document/engine/value_rendering.h"
#include "model/view_tables.h"
#include "framework/ui/msgbox.h"

namespace {

const int kGenerationSteps = 4;

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

// The document is generated as RTF text and streamed into the control once: asking the
// control to select, replace and format each tag costs far more than the whole stream-in.
void TemplateEngine::ShowDocument(int index, int part)
{
    m_tables.m_nLastHeadingSlot = 0;
    if (index < 0 || index >= kDocumentSlots || m_tables.m_documents[index].state == kStateNotGenerated)
        return;
    const bool perPart = IsPartDocument(index) != 0;
    if (m_bHoldsCurrent)
        m_host.CaptureEditableText();
    m_host.SetProgressRange(kGenerationSteps);
    m_host.SetProgressPos(1);
    RtfDocumentBuilder document(m_host.ReadDocumentTemplate(index));
    ControlQuiet quiet(m_control.GetHwnd());
    m_bHoldsCurrent = false;

    ResolveDivisionBlocks(document);
    if (!ExpandBlocks(document, perPart, part)) {
        m_control.StreamInRtf(document.Build());
        AfxShowMessageBox(GetAncestor(m_control.GetHwnd(), GA_ROOT), "Zbyt duża ilość zmiennych", "Błąd",
                          MB_OK | MB_ICONSTOP);
        return;
    }
    m_host.SetProgressPos(2);
    int badTableRows = 0;
    const std::vector<TagPlacement> placements =
        ReplaceTags(document, m_tables, *m_tables.m_occurrences.Block(index), badTableRows);
    CString rtf = document.Build();
    m_shown = std::make_unique<RtfPlainModel>(rtf);
    for (const TagPlacement &placement : placements) {
        VariableOccurrence &occurrence = *placement.occurrence;
        document.ReplacementRange(placement.replacement, *m_shown, occurrence.position, occurrence.length);
        if (placement.insertedLengthOf)
            placement.insertedLengthOf->insertedLength = occurrence.length;
    }
    m_prediction.clear();
    std::vector<FormatRange> formats = document.FormatsAfterStreamIn(*m_shown);

    m_nCurrentDocument = index;
    m_nCurrentPart = part;
    m_bShownIsSiwz = IsSiwzName(m_tables.m_documents[index].displayName) ? 1 : 0;
    ReinsertPageBreaks(index, document.PageBreakMarkerGroup(), rtf, formats);
    for (const TagPlacement &placement : placements)
        m_prediction.push_back({placement.occurrence->position, placement.occurrence->length,
                                document.ReplacementFormat(placement.replacement)});
    m_host.SetProgressPos(3);
    m_control.StreamInRtf(rtf);
    ApplyFormats(formats);
    RestoreParagraphLayouts(m_control, *m_shown);
    m_control.SetReadOnly(m_tables.m_documents[index].state != kStateEditable);
    m_control.SetSel(0, 0);
    m_bHoldsCurrent = true;
    m_host.SetProgressPos(kGenerationSteps);
    m_host.UpdateStatusBar();
    ReportBadSelectedOfferRows(GetAncestor(m_control.GetHwnd(), GA_ROOT), badTableRows);
}

void TemplateEngine::ResolveDivisionBlocks(RtfDocumentBuilder &document)
{
    ResolveDivisionPair(document, "<wielozadaniowy>", "</wielozadaniowy>", m_tables.m_nParts != -1);
    ResolveDivisionPair(document, "<jednozadaniowy>", "</jednozadaniowy>", m_tables.m_nParts < 0);
}

// Each block of the pair loses its markers and keeps its text, or goes whole. The next search
// starts where the block stood, so a block right after a deleted one is found too.
void TemplateEngine::ResolveDivisionPair(RtfDocumentBuilder &document, const char *opener, const char *closer,
                                         bool keepText)
{
    const int openerLength = CString(opener).GetLength();
    const int closerLength = CString(closer).GetLength();
    for (int from = 0;;) {
        const CString &plain = document.PlainText();
        const int open = plain.Find(opener, from);
        if (open < 0)
            return;
        const int close = plain.Find(closer, open);
        if (close < 0)
            return;
        if (keepText) {
            document.ReplaceText(close, close + closerLength, "");
            document.ReplaceText(open, open + openerLength, "");
        } else {
            document.ReplaceText(open, close + closerLength, "");
        }
        from = open;
    }
}

// Every repeated block expanded, per-part blocks first, each add-entry link after the entries
// in its style; false when the pool of instances ran out.
bool TemplateEngine::ExpandBlocks(RtfDocumentBuilder &document, bool perPart, int part)
{
    for (int kind : {kPerPartBlock, kPerEntryBlock}) {
        BlockExpansion expansion;
        for (;;) {
            const ExpandResult result =
                ExpandFirstBlock(document.PlainText(), kind, perPart, part, m_tables, expansion);
            if (result == ExpandResult::NoBlock)
                break;
            if (result == ExpandResult::PoolExhausted)
                return false;
            const int added = document.ReplaceByRepetitions(expansion.start, expansion.end, expansion.bodyStart,
                                                            expansion.bodyEnd, expansion.text);
            if (!expansion.addEntryLink.IsEmpty())
                document.InsertText(expansion.start + added, expansion.addEntryLink, TextStyle::AddEntry);
        }
    }
    return true;
}

// Page breaks the user put into this document, each moving the occurrences after it.
void TemplateEngine::ReinsertPageBreaks(int index, const CString &marker, CString &rtf,
                                        std::vector<FormatRange> &formats)
{
    OccurrenceBlock &block = *m_tables.m_occurrences.Block(index);
    for (int i = 0; i < m_tables.m_nPageBreaks && i < kPageBreakMarks; ++i) {
        const PageBreakMark &mark = m_tables.m_pageBreaks[i];
        if (mark.document != index)
            continue;
        const int before = m_shown->GetLength();
        const int at = MarkerOffset(mark.position, rtf);
        rtf = rtf.Left(at) + marker + rtf.Mid(at);
        m_shown = std::make_unique<RtfPlainModel>(rtf);
        const int added = m_shown->GetLength() - before;
        for (int slot = 0; slot < kVariableOccurrences; ++slot)
            ShiftOccurrence(block.Variable(slot), mark.position, added);
        for (int slot = kFirstHeadingSlot; slot < kHeadingSlotEnd; ++slot)
            ShiftOccurrence(block.Heading(slot), mark.position, added);
        for (FormatRange &range : formats)
            if (range.position >= mark.position)
                range.position += added;
    }
}

// Where in the RTF a marker goes to stand at the position of the shown text.
int TemplateEngine::MarkerOffset(int position, const CString &rtf) const
{
    if (position < 0)
        position = 0;
    if (position < m_shown->GetLength())
        return m_shown->TokenOf(position).start;
    if (m_shown->DroppedEnd() >= 0)
        return m_shown->DroppedEnd();
    const int lastBrace = rtf.ReverseFind('}');
    return lastBrace >= 0 ? lastBrace : rtf.GetLength();
}

void TemplateEngine::ApplyFormats(const std::vector<FormatRange> &formats)
{
    for (const FormatRange &range : formats) {
        m_control.SetSel(range.position, range.position + range.length);
        m_control.SetSelectionFormat(range.format);
    }
}
