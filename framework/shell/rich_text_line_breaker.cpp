// Breaks a paragraph into lines: at spaces and tabs where possible, inside a word only when the
// word alone is wider than the line.

#include "framework/shell/rich_text_lines.h"

#include <algorithm>
#include <cstdlib>

namespace {

// Longer words are measured in pieces, which keeps every width far from overflowing.
constexpr size_t kMaxPieceLength = 256;

enum class AtomKind { Word, Space, Tab, Break, Picture };

struct Atom {
    AtomKind kind;
    std::wstring text;
    const RichTextCharFormat *format;
    int picture;
};

AtomKind KindOf(wchar_t ch)
{
    if (ch == L' ')
        return AtomKind::Space;
    if (ch == L'\t')
        return AtomKind::Tab;
    if (ch == L'\n')
        return AtomKind::Break;
    return AtomKind::Word;
}

std::vector<Atom> SplitIntoAtoms(const RichTextParagraph &paragraph)
{
    std::vector<Atom> atoms;
    for (const RichTextRun &run : paragraph.runs) {
        if (run.picture >= 0) {
            atoms.push_back(Atom{AtomKind::Picture, run.text, &run.format, run.picture});
            continue;
        }
        for (size_t i = 0; i < run.text.size();) {
            const AtomKind kind = KindOf(run.text[i]);
            size_t end = i + 1;
            if (kind == AtomKind::Word || kind == AtomKind::Space) {
                while (end < run.text.size() && end - i < kMaxPieceLength && KindOf(run.text[end]) == kind)
                    ++end;
            }
            atoms.push_back(Atom{kind, run.text.substr(i, end - i), &run.format, -1});
            i = end;
        }
    }
    return atoms;
}

class LineBuilder {
public:
    LineBuilder(const RichTextParagraph &paragraph, int width, int defaultTabWidth, RichTextMeasurer &measurer)
        : m_paragraph(paragraph), m_right(width - paragraph.rightIndent),
          m_defaultTabWidth(std::max(defaultTabWidth, 20)), m_measurer(measurer), m_y(paragraph.spaceBefore)
    {
    }

    std::vector<RichTextLine> Build(int &height)
    {
        StartLine();
        for (const Atom &atom : SplitIntoAtoms(m_paragraph)) {
            switch (atom.kind) {
            case AtomKind::Word:
                AddWord(atom.text, *atom.format);
                break;
            case AtomKind::Space:
                AddFragment(atom.text, *atom.format, true);
                break;
            case AtomKind::Tab:
                AddTab(*atom.format);
                break;
            case AtomKind::Break:
                EndLine(true);
                StartLine();
                break;
            case AtomKind::Picture:
                AddPicture(atom.picture, *atom.format);
                break;
            }
        }
        EndLine(true);
        height = m_y + m_paragraph.spaceAfter;
        return std::move(m_lines);
    }

private:
    void StartLine()
    {
        m_pendingTab = kNoPendingTab;
        m_start = m_paragraph.leftIndent + (m_lines.empty() ? m_paragraph.firstLineIndent : 0);
        m_lineRight = std::max(m_right, m_start + 1);
        m_x = m_start;
        m_breakAfter = 0;
        m_line = RichTextLine();
    }

    void AddFragment(const std::wstring &text, const RichTextCharFormat &format, bool isBreak)
    {
        RichTextFragment fragment;
        fragment.text = text;
        fragment.format = format;
        fragment.x = m_x;
        fragment.width = m_measurer.Measure(text, format, fragment.extents);
        m_x += fragment.width;
        m_line.fragments.push_back(std::move(fragment));
        if (isBreak)
            m_breakAfter = m_line.fragments.size();
    }

    void AddWord(std::wstring text, const RichTextCharFormat &format)
    {
        std::vector<int> extents;
        int width = m_measurer.Measure(text, format, extents);
        if (m_x + width > m_lineRight && m_breakAfter > 0)
            WrapAtLastBreak();
        while (m_x + width > m_lineRight && !text.empty()) {
            // The word is wider than a whole line: put as much of it here as fits.
            const int room = m_lineRight - m_x;
            size_t fitting = 0;
            while (fitting < extents.size() && extents[fitting] <= room)
                ++fitting;
            if (fitting == 0 && !m_line.fragments.empty()) {
                EndLine(false);
                StartLine();
                continue;
            }
            fitting = std::max<size_t>(fitting, 1);
            AddFragment(text.substr(0, fitting), format, false);
            text.erase(0, fitting);
            if (text.empty())
                return;
            EndLine(false);
            StartLine();
            width = m_measurer.Measure(text, format, extents);
        }
        if (!text.empty())
            AddFragment(text, format, false);
    }

    // A picture stands like a word of its own; one wider than the frame shrinks to it.
    void AddPicture(int picture, const RichTextCharFormat &format)
    {
        SIZE size = m_measurer.PictureSize(picture);
        if (size.cx <= 0 || size.cy <= 0)
            return;
        const int room = std::max(m_lineRight - m_start, 1);
        if (size.cx > room) {
            size.cy = std::max(MulDiv(size.cy, room, size.cx), 1);
            size.cx = room;
        }
        if (m_x + size.cx > m_lineRight && !m_line.fragments.empty()) {
            EndLine(false);
            StartLine();
        }
        RichTextFragment fragment;
        fragment.text = L"\uFFFC";
        fragment.format = format;
        fragment.x = m_x;
        fragment.width = size.cx;
        fragment.extents.assign(1, size.cx);
        fragment.picture = picture;
        fragment.pictureHeight = size.cy;
        m_x += size.cx;
        m_line.fragments.push_back(std::move(fragment));
        m_breakAfter = m_line.fragments.size();
    }

    // Moves the word being built, which began after the last space or tab, to a new line.
    void WrapAtLastBreak()
    {
        std::vector<RichTextFragment> moved(m_line.fragments.begin() + m_breakAfter, m_line.fragments.end());
        m_line.fragments.resize(m_breakAfter);
        EndLine(false);
        StartLine();
        for (RichTextFragment &fragment : moved) {
            fragment.x = m_x;
            m_x += fragment.width;
            m_line.fragments.push_back(std::move(fragment));
        }
    }

    void AddTab(const RichTextCharFormat &format)
    {
        PlacePendingTab();
        const std::vector<int> &stops = m_paragraph.tabStops;
        const auto next = std::upper_bound(stops.begin(), stops.end(), m_x);
        RichTextTabAlignment alignment = RichTextTabAlignment::Left;
        int stop = 0;
        if (next != stops.end()) {
            stop = *next;
            const size_t index = static_cast<size_t>(next - stops.begin());
            if (index < m_paragraph.tabAlignments.size())
                alignment = m_paragraph.tabAlignments[index];
        } else if (m_lines.empty() && m_x < m_paragraph.leftIndent) {
            // A hanging first line: its number and the text after the tab line up at the indent.
            stop = m_paragraph.leftIndent;
        } else {
            stop = (std::max(m_x, 0) / m_defaultTabWidth + 1) * m_defaultTabWidth;
        }
        stop = std::max(m_x, std::min(stop, m_lineRight));
        RichTextFragment fragment;
        fragment.text = L"\t";
        fragment.format = format;
        fragment.x = m_x;
        fragment.width = stop - m_x;
        if (alignment != RichTextTabAlignment::Left) {
            // The text after it is placed once it is known; until then the tab takes no room.
            fragment.width = 0;
            m_pendingTab = m_line.fragments.size();
            m_pendingStop = stop;
            m_pendingAlignment = alignment;
        }
        fragment.extents.assign(1, fragment.width);
        m_x += fragment.width;
        m_line.fragments.push_back(std::move(fragment));
        m_breakAfter = m_line.fragments.size();
    }

    // Widens a centre, right or decimal tab so that the text after it is centred on its stop,
    // ends there or has its decimal separator there, as far as the line has room.
    void PlacePendingTab()
    {
        if (m_pendingTab == kNoPendingTab)
            return;
        std::vector<RichTextFragment> &fragments = m_line.fragments;
        const size_t tab = m_pendingTab;
        m_pendingTab = kNoPendingTab;
        if (tab >= fragments.size())
            return;
        int textWidth = 0;
        for (size_t i = tab + 1; i < fragments.size(); ++i)
            textWidth += fragments[i].width;
        int wanted = m_pendingStop - textWidth;
        if (m_pendingAlignment == RichTextTabAlignment::Center)
            wanted = m_pendingStop - textWidth / 2;
        else if (m_pendingAlignment == RichTextTabAlignment::Decimal)
            wanted = m_pendingStop - WidthBeforeSeparator(tab + 1, textWidth);
        const int start = fragments[tab].x;
        const int width = std::max(0, std::min(wanted, m_lineRight - textWidth) - start);
        fragments[tab].width = width;
        fragments[tab].extents.assign(1, width);
        for (size_t i = tab + 1; i < fragments.size(); ++i)
            fragments[i].x += width;
        m_x += width;
    }

    // The width of the text from fragment `first` up to its decimal separator: the first comma,
    // or without one the first full stop; without either, the whole text.
    int WidthBeforeSeparator(size_t first, int textWidth) const
    {
        const std::vector<RichTextFragment> &fragments = m_line.fragments;
        for (wchar_t separator : {L',', L'.'}) {
            int before = 0;
            for (size_t i = first; i < fragments.size(); ++i) {
                const RichTextFragment &fragment = fragments[i];
                const size_t at = fragment.picture < 0 ? fragment.text.find(separator) : std::wstring::npos;
                if (at != std::wstring::npos)
                    return before + (at > 0 ? fragment.extents[at - 1] : 0);
                before += fragment.width;
            }
        }
        return textWidth;
    }

    void EndLine(bool lastOfParagraph)
    {
        std::vector<RichTextFragment> &fragments = m_line.fragments;
        // Blanks that end the line take no part in where a tab puts the text before them.
        const size_t kept = m_pendingTab == kNoPendingTab ? 0 : m_pendingTab + 1;
        while (fragments.size() > kept && fragments.back().text.find_first_not_of(L' ') == std::wstring::npos) {
            m_x -= fragments.back().width;
            fragments.pop_back();
        }
        PlacePendingTab();
        while (!fragments.empty() && fragments.back().text.find_first_not_of(L' ') == std::wstring::npos)
            fragments.pop_back();
        int ascent = 0;
        int descent = 0;
        if (fragments.empty()) {
            m_measurer.Metrics(m_paragraph.markFormat, ascent, descent);
        }
        for (const RichTextFragment &fragment : fragments) {
            int fragmentAscent = 0;
            int fragmentDescent = 0;
            m_measurer.Metrics(fragment.format, fragmentAscent, fragmentDescent);
            ascent = std::max({ascent, fragmentAscent, fragment.pictureHeight});
            descent = std::max(descent, fragmentDescent);
        }
        Align(lastOfParagraph);
        // Line spacing other than single changes the room above the text.
        int height = std::max(ascent + descent, 1);
        const int spacing = m_paragraph.lineSpacing;
        if (spacing != 0 && m_paragraph.lineSpacingMultiple)
            height = std::max(static_cast<int>(static_cast<long long>(height) * std::abs(spacing) / 240), 1);
        else if (spacing > 0)
            height = std::max(height, spacing);
        else if (spacing < 0)
            height = -spacing;
        ascent = height - descent;
        m_line.y = m_y;
        m_line.ascent = ascent;
        m_line.height = height;
        m_y += m_line.height;
        m_lines.push_back(std::move(m_line));
    }

    void Align(bool lastOfParagraph)
    {
        std::vector<RichTextFragment> &fragments = m_line.fragments;
        if (fragments.empty())
            return;
        const int end = fragments.back().x + fragments.back().width;
        const int spare = m_lineRight - end;
        if (spare <= 0)
            return;
        int shift = 0;
        switch (m_paragraph.alignment) {
        case RichTextAlignment::Left:
            return;
        case RichTextAlignment::Center:
            shift = spare / 2;
            break;
        case RichTextAlignment::Right:
            shift = spare;
            break;
        case RichTextAlignment::Justify:
            if (!lastOfParagraph)
                Justify(spare);
            return;
        }
        for (RichTextFragment &fragment : fragments)
            fragment.x += shift;
    }

    // Widens the spaces after the last tab so the line ends at the right edge.
    void Justify(int spare)
    {
        std::vector<RichTextFragment> &fragments = m_line.fragments;
        size_t first = 0;
        for (size_t i = 0; i < fragments.size(); ++i)
            if (fragments[i].text == L"\t")
                first = i + 1;
        int gaps = 0;
        for (size_t i = first; i < fragments.size(); ++i)
            if (fragments[i].text[0] == L' ')
                ++gaps;
        if (gaps == 0)
            return;
        int shift = 0;
        int gap = 0;
        for (size_t i = first; i < fragments.size(); ++i) {
            RichTextFragment &fragment = fragments[i];
            fragment.x += shift;
            if (fragment.text[0] != L' ')
                continue;
            ++gap;
            const int widened = static_cast<int>(static_cast<long long>(spare) * gap / gaps)
                                - static_cast<int>(static_cast<long long>(spare) * (gap - 1) / gaps);
            fragment.width += widened;
            fragment.extents.back() += widened;
            shift += widened;
        }
    }

    const RichTextParagraph &m_paragraph;
    const int m_right;
    const int m_defaultTabWidth;
    RichTextMeasurer &m_measurer;
    std::vector<RichTextLine> m_lines;
    RichTextLine m_line;
    int m_y;
    int m_start = 0;
    int m_lineRight = 0;
    int m_x = 0;
    size_t m_breakAfter = 0; // fragments before the last place the line may break; 0: none
    static constexpr size_t kNoPendingTab = static_cast<size_t>(-1);
    size_t m_pendingTab = kNoPendingTab; // a centre or right tab of this line not yet placed
    int m_pendingStop = 0;
    RichTextTabAlignment m_pendingAlignment = RichTextTabAlignment::Left;
};

} // namespace

std::vector<RichTextLine> LayOutParagraph(const RichTextParagraph &paragraph, int width, int defaultTabWidth,
                                          RichTextMeasurer &measurer, int &height)
{
    return LineBuilder(paragraph, width, defaultTabWidth, measurer).Build(height);
}

int WidestWord(const RichTextParagraph &paragraph, RichTextMeasurer &measurer)
{
    int widest = 0;
    int word = 0; // the word so far, which may run over several formats
    std::vector<int> extents;
    for (const Atom &atom : SplitIntoAtoms(paragraph)) {
        if (atom.kind == AtomKind::Word) {
            word += measurer.Measure(atom.text, *atom.format, extents);
        } else {
            widest = std::max(widest, word);
            word = 0;
        }
    }
    widest = std::max(widest, word);
    const int indent = paragraph.leftIndent + std::max(paragraph.firstLineIndent, 0);
    return widest + std::max(indent, 0) + std::max(paragraph.rightIndent, 0);
}
