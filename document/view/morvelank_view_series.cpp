// Series correspondence: the values of the shown document's correspondence fields kept aside,
// each addressee's texts written into the fields, and the kept values written back.
#include <algorithm>

#include "document/view/morvelank_view.h"
#include "model/view_tables.h"
#include "document/engine/rich_edit_text.h"
#include "document/engine/text_styles.h"

namespace {

const char *const kSeriesMarkers[] = {"[KORESPONDENCJA1]", "[KORESPONDENCJA2]", "[KORESPONDENCJA3]",
                                      "[KORESPONDENCJA4]"};
const int kSeriesFields = 4;

// A slot the last generation filled; a cleared slot keeps its old hint and must not count.
bool IsLiveOccurrence(const VariableOccurrence &occurrence, int variableCount)
{
    return (occurrence.enabled != -1 || occurrence.length > 0) && occurrence.variable >= 0
           && occurrence.variable < variableCount;
}

// The first occurrence whose hint carries the field's marker after its first character.
VariableOccurrence *FieldOccurrence(OccurrenceBlock &block, int slots, int variableCount, int field)
{
    for (int j = 0; j < slots; ++j) {
        VariableOccurrence &occurrence = *block.Variable(j);
        if (IsLiveOccurrence(occurrence, variableCount) && occurrence.hint.Find(kSeriesMarkers[field]) > 0)
            return &occurrence;
    }
    return nullptr;
}

// While the fields are written the control takes text even in a read-only document and tells
// its parent nothing.
class SeriesWriteScope {
public:
    explicit SeriesWriteScope(HWND control)
        : m_control(control), m_readOnly((GetWindowLongW(control, GWL_STYLE) & ES_READONLY) != 0),
          m_eventMask(static_cast<DWORD>(SendMessageW(control, EM_GETEVENTMASK, 0, 0)))
    {
        SendMessageW(m_control, EM_SETEVENTMASK, 0, 0);
        SendMessageW(m_control, EM_SETREADONLY, FALSE, 0);
    }
    ~SeriesWriteScope()
    {
        SendMessageW(m_control, EM_SETREADONLY, m_readOnly, 0);
        SendMessageW(m_control, EM_SETEVENTMASK, 0, m_eventMask);
    }
    SeriesWriteScope(const SeriesWriteScope &) = delete;
    SeriesWriteScope &operator=(const SeriesWriteScope &) = delete;

private:
    HWND m_control;
    bool m_readOnly;
    DWORD m_eventMask;
};

} // namespace

void CMorvelankView::StoreSeriesTexts()
{
    OccurrenceBlock *block = m_proceeding.m_tables->m_occurrences.Block(GetCurrentDocument());
    if (block == nullptr)
        return;
    const int variableCount = GetVariableCount();
    const int slots = std::min(variableCount, kVariableOccurrences);
    for (int field = 0; field < kSeriesFields; ++field) {
        const VariableOccurrence *occurrence = FieldOccurrence(*block, slots, variableCount, field);
        if (occurrence == nullptr)
            return;
        m_seriesTexts[field] = m_proceeding.m_tables->m_variables[occurrence->variable].value;
    }
}

void CMorvelankView::FillCorrespondence(const CString &text1, const CString &text2, const CString &text3,
                                        const CString &text4)
{
    const int document = GetCurrentDocument();
    OccurrenceBlock *block = m_proceeding.m_tables->m_occurrences.Block(document);
    if (block == nullptr)
        return;
    const int variableCount = GetVariableCount();
    const int slots = std::min(variableCount, kVariableOccurrences);
    const CString *texts[kSeriesFields] = {&text1, &text2, &text3, &text4};
    RichEditText control(m_hWnd);
    SeriesWriteScope scope(m_hWnd);

    for (int field = 0; field < kSeriesFields; ++field) {
        const VariableOccurrence *first = FieldOccurrence(*block, slots, variableCount, field);
        if (first == nullptr)
            return;
        CString text = *texts[field];
        // The control keeps a paragraph end as one "\r"; lengths are counted in its terms.
        NormalizeNewlines(text);
        const int variable = first->variable;
        m_proceeding.m_tables->m_variables[variable].value = text;

        for (int j = 0; j < slots; ++j) {
            VariableOccurrence &occurrence = *block->Variable(j);
            if (!IsLiveOccurrence(occurrence, variableCount) || occurrence.variable != variable)
                continue;
            const int start = occurrence.position;
            control.SetSel(start, start + occurrence.length);
            control.ReplaceSel(text);
            control.SetSel(start, start + text.GetLength());
            control.SetSelectionFormat(MakeTextStyle(occurrence.enabled != 0 ? TextStyle::Value : TextStyle::Disabled));
            const int shift = text.GetLength() - occurrence.length;
            occurrence.length = text.GetLength();
            if (shift == 0)
                continue;
            // Everything recorded behind the replaced text moves with it: the other
            // occurrences, the headings the tree follows and the page breaks.
            for (int k = 0; k < slots; ++k) {
                VariableOccurrence &other = *block->Variable(k);
                if (&other != &occurrence && other.position > start)
                    other.position += shift;
            }
            for (int slot = kFirstHeadingSlot; slot < kHeadingSlotEnd; ++slot) {
                VariableOccurrence &heading = *block->Heading(slot);
                if (heading.position > start)
                    heading.position += shift;
            }
            for (int r = 0; r < m_proceeding.m_tables->m_nPageBreaks && r < kPageBreakMarks; ++r) {
                PageBreakMark &mark = m_proceeding.m_tables->m_pageBreaks[r];
                if (mark.document == document && mark.position > start)
                    mark.position += shift;
            }
        }
    }
}

void CMorvelankView::RestoreSeriesTexts()
{
    FillCorrespondence(m_seriesTexts[0], m_seriesTexts[1], m_seriesTexts[2], m_seriesTexts[3]);
}
