#include "document/output/output_paragraphs.h"

#include <windows.h>
#include <richedit.h>

#include <algorithm>
#include <cstring>
#include <map>

#include "document/engine/rich_edit_text.h"

namespace {

// A list number at the start of a paragraph: "12.", "3)" or "b)" before a tab or a blank.
struct ListLabel {
    bool found = false;
    bool letter = false;
    char separator = 0;
    int value = 0;
    int start = 0;
    int length = 0;
};

ListLabel FindLabel(const CString &text)
{
    ListLabel label;
    int i = 0;
    while (i < text.GetLength() && text[i] == ' ')
        ++i;
    label.start = i;
    if (i < text.GetLength() && text[i] >= 'a' && text[i] <= 'z') {
        label.letter = true;
        label.value = text[i] - 'a' + 1;
        ++i;
    } else {
        while (i < text.GetLength() && i - label.start < 3 && text[i] >= '0' && text[i] <= '9')
            label.value = label.value * 10 + (text[i++] - '0');
    }
    if (i == label.start || i + 1 >= text.GetLength())
        return label;
    const char separator = text[i];
    const char after = text[i + 1];
    if (!(separator == ')' || (separator == '.' && !label.letter)) || (after != '\t' && after != ' '))
        return label;
    label.found = true;
    label.separator = separator;
    label.length = i + 1 - label.start;
    return label;
}

CString LabelText(const ListLabel &label, int value)
{
    CString text;
    if (label.letter)
        text.Format("%c%c", static_cast<char>('a' + (value - 1) % 26), label.separator);
    else
        text.Format("%d%c", value, label.separator);
    return text;
}

bool IsFiller(char ch)
{
    // Blanks, digits, punctuation and the dashes of code page 1250 (en and em dash, no-break
    // space): a number left of a point is no sentence.
    return strchr(" \t.,:;-()0123456789", ch) != nullptr || ch == '\x96' || ch == '\x97' || ch == '\xA0';
}

bool HasWords(const CString &text, int from, int to)
{
    for (int i = std::max(from, 0); i < std::min(to, text.GetLength()); ++i)
        if (!IsFiller(text[i]))
            return true;
    return false;
}

// What the output left of a paragraph's text.
struct ParagraphContent {
    bool removed = false;    // a variable was taken out of it
    bool words = false;      // text of the template or of a value, beside list number and amounts
    bool valueWords = false; // words of a shown value among them
    bool values = false;     // any shown value or amount
};

ParagraphContent ContentOf(const OutputParagraph &paragraph, const ListLabel &label,
                           const std::vector<OutputRange> &ranges)
{
    ParagraphContent content;
    const int length = paragraph.text.GetLength();
    std::vector<bool> covered(static_cast<size_t>(length), false);
    if (label.found)
        std::fill(covered.begin() + label.start, covered.begin() + label.start + label.length, true);
    for (const OutputRange &range : ranges) {
        const int from = std::max(range.start - paragraph.start, 0);
        const int to = std::min(range.end - paragraph.start, length);
        if (from >= to)
            continue;
        content.removed = content.removed || range.kind == OutputRangeKind::Removed;
        content.values = content.values || range.kind != OutputRangeKind::Removed;
        if (range.kind == OutputRangeKind::Value && HasWords(paragraph.text, from, to))
            content.words = content.valueWords = true;
        std::fill(covered.begin() + from, covered.begin() + to, true);
    }
    for (int i = 0; i < length && !content.words; ++i)
        content.words = !covered[static_cast<size_t>(i)] && !IsFiller(paragraph.text[i]);
    return content;
}

bool LabelIsTemplateText(const OutputParagraph &paragraph, const ListLabel &label,
                         const std::vector<OutputRange> &ranges)
{
    const int from = paragraph.start + label.start;
    const int to = from + label.length;
    for (const OutputRange &range : ranges)
        if (range.start < to && range.end > from)
            return false;
    return true;
}

// A numbered list at one indent: its first original number, the last one seen and the next
// number to write.
struct ListRun {
    bool letter = false;
    char separator = 0;
    int lastOriginal = 0;
    int next = 0;
};

} // namespace

std::vector<OutputEdit> PlanOutputParagraphs(const std::vector<OutputParagraph> &paragraphs,
                                             const std::vector<OutputRange> &ranges)
{
    std::vector<OutputEdit> edits(paragraphs.size());
    std::map<int, ListRun> runs; // by indent
    int droppedIndent = -1;      // the indent of the disabled block being dropped, -1 none
    bool droppedPoint = false;   // that block is a numbered point
    for (size_t i = 0; i < paragraphs.size(); ++i) {
        const OutputParagraph &paragraph = paragraphs[i];
        ListLabel label = FindLabel(paragraph.text);
        if (label.found && !LabelIsTemplateText(paragraph, label, ranges))
            label = ListLabel();
        const ParagraphContent content = ContentOf(paragraph, label, ranges);
        OutputEdit &edit = edits[i];
        // The deeper paragraphs of a disabled block go with it, and so do those that continue a
        // disabled point at its own indent (repeated lines of its parts) unless a value of the
        // user's speaks in them.
        const bool continuesPoint =
            droppedPoint && paragraph.indent == droppedIndent && !label.found && content.values && !content.valueWords;
        if (droppedIndent >= 0 && (paragraph.indent > droppedIndent || continuesPoint)) {
            edit.drop = true;
        } else {
            edit.drop = content.removed && !content.words;
            droppedIndent = edit.drop ? paragraph.indent : -1;
            droppedPoint = edit.drop && label.found;
        }

        // Lists deeper than this paragraph have ended.
        runs.erase(runs.upper_bound(paragraph.indent), runs.end());
        if (!label.found)
            continue;
        auto run = runs.find(paragraph.indent);
        const bool continues = run != runs.end() && run->second.letter == label.letter
                               && run->second.separator == label.separator
                               && run->second.lastOriginal + 1 == label.value;
        if (!continues) {
            ListRun started;
            started.letter = label.letter;
            started.separator = label.separator;
            started.next = label.value;
            run = runs.insert_or_assign(paragraph.indent, started).first;
        }
        run->second.lastOriginal = label.value;
        if (edit.drop)
            continue;
        if (run->second.next != label.value) {
            edit.numberStart = label.start;
            edit.numberLength = label.length;
            edit.number = LabelText(label, run->second.next);
        }
        ++run->second.next;
    }
    return edits;
}

namespace {

int LeftIndent(const RichEditText &control, int position)
{
    control.SetSel(position, position);
    PARAFORMAT2 format = {};
    format.cbSize = sizeof format;
    SendMessageW(control.GetHwnd(), EM_GETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&format));
    // The first line starts at dxStartIndent; the following lines dxOffset further.
    return format.dxStartIndent + format.dxOffset;
}

void Replace(const RichEditText &control, int start, int end, const CString &text)
{
    control.SetSel(start, end);
    control.ReplaceSel(text);
}

} // namespace

std::vector<TextSpan> MarkerDeletions(const CString &text, std::vector<TextSpan> markers)
{
    std::sort(markers.begin(), markers.end(), [](const TextSpan &a, const TextSpan &b) { return a.start > b.start; });
    const int length = text.GetLength();
    std::vector<TextSpan> deletions;
    for (size_t i = 0; i < markers.size();) {
        TextSpan run = markers[i++];
        while (i < markers.size() && markers[i].end >= run.start)
            run.start = std::min(run.start, markers[i++].start);
        run.end = std::min(run.end, length);
        const char before = run.start > 0 ? text[run.start - 1] : '\t';
        const char after = run.end < length ? text[run.end] : '\0';
        if (after == ' ' && (before == ' ' || before == '\t'))
            ++run.end;
        else if (before == ' ' && (after == '\0' || strchr(".,;:)", after) != nullptr))
            --run.start;
        deletions.push_back(run);
    }
    return deletions;
}

void CleanOutputParagraphs(const RichEditText &control, const std::vector<OutputRange> &ranges)
{
    const CString text = control.GetPlainText();
    std::vector<OutputParagraph> paragraphs;
    for (int start = 0; start < text.GetLength();) {
        int end = text.Find('\r', start);
        if (end < 0)
            end = text.GetLength();
        OutputParagraph paragraph;
        paragraph.start = start;
        paragraph.text = text.Mid(start, end - start);
        paragraph.indent = LeftIndent(control, start);
        paragraphs.push_back(paragraph);
        start = end + 1;
    }
    const std::vector<OutputEdit> edits = PlanOutputParagraphs(paragraphs, ranges);

    // From the end, so that the positions still to be edited stay where they were.
    for (size_t i = paragraphs.size(); i-- > 0;) {
        const OutputParagraph &paragraph = paragraphs[i];
        const int end = paragraph.start + paragraph.text.GetLength();
        if (edits[i].drop) {
            Replace(control, paragraph.start, std::min(end + 1, text.GetLength()), "");
            continue;
        }
        std::vector<TextSpan> markers;
        for (const OutputRange &range : ranges)
            if (range.kind == OutputRangeKind::Removed && range.start >= paragraph.start && range.start <= end)
                markers.push_back(TextSpan{range.start - paragraph.start, range.end - paragraph.start});
        for (const TextSpan &deletion : MarkerDeletions(paragraph.text, markers))
            Replace(control, paragraph.start + deletion.start, paragraph.start + deletion.end, "");
        if (edits[i].numberStart >= 0) {
            const int numberAt = paragraph.start + edits[i].numberStart;
            Replace(control, numberAt, numberAt + edits[i].numberLength, edits[i].number);
        }
    }
}
