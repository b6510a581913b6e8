#include "framework/shell/html_page.h"

#include "framework/shell/html_entities.h"

#include <algorithm>
#include <cwctype>
#include <map>

namespace {

const int blockSpacing = 120; // twips after paragraphs, headings, lists, tables
const int listIndent = 360;   // twips per list level
const int quoteIndent = 720;  // twips for quotations and definitions
const int maxIndent = 10 * listIndent;
// Deeper nesting than this is read as if the extra tags were not there, so a page of a
// million unclosed tags costs no more than one of a few.
const size_t maxOpenElements = 256;
const size_t maxTableColumnChars = 40;
// A row gets stops for its own cells only, and no more than this many, so a page of wide and
// ragged tables costs stops in proportion to its rows.
const size_t maxTableTabStops = 32;
const int twipsPerChar = 110;

bool IsHtmlSpace(wchar_t c)
{
    return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n' || c == L'\f';
}

bool IsHeading(const std::wstring &name)
{
    return name.size() == 2 && name[0] == L'h' && name[1] >= L'1' && name[1] <= L'6';
}

bool IsOneOf(const std::wstring &name, std::initializer_list<const wchar_t *> names)
{
    for (const wchar_t *candidate : names)
        if (name == candidate)
            return true;
    return false;
}

// Elements whose content is not markup: read to their end tag in one piece.
bool IsRawText(const std::wstring &name)
{
    return IsOneOf(name, {L"script", L"style", L"title", L"textarea", L"xmp"});
}

unsigned InlineStyle(const std::wstring &name)
{
    if (IsOneOf(name, {L"b", L"strong"}))
        return htmlBold;
    if (IsOneOf(name, {L"i", L"em", L"cite", L"var", L"dfn"}))
        return htmlItalic;
    if (IsOneOf(name, {L"u", L"ins"}))
        return htmlUnderline;
    if (IsOneOf(name, {L"s", L"strike", L"del"}))
        return htmlStrike;
    if (IsOneOf(name, {L"tt", L"code", L"kbd", L"samp"}))
        return htmlMonospace;
    if (name == L"sup")
        return htmlSuperscript;
    if (name == L"sub")
        return htmlSubscript;
    return 0;
}

// Blocks with room after them, and blocks that only start a new line.
bool IsSpacedBlock(const std::wstring &name)
{
    return IsHeading(name) || IsOneOf(name, {L"p", L"ul", L"ol", L"dl", L"pre", L"blockquote", L"table"});
}
bool IsPlainBlock(const std::wstring &name)
{
    return IsOneOf(name, {L"div", L"center", L"li", L"dt", L"dd", L"tr", L"caption", L"section", L"article", L"header",
                          L"footer", L"nav", L"main", L"aside", L"address", L"form", L"figure", L"body"});
}

struct Attribute {
    std::wstring name;
    std::wstring value;
};

struct Tag {
    std::wstring name;
    std::vector<Attribute> attributes;

    const std::wstring *Find(const wchar_t *attributeName) const
    {
        for (const Attribute &attribute : attributes)
            if (attribute.name == attributeName)
                return &attribute.value;
        return nullptr;
    }
};

struct OpenElement {
    std::wstring name;
    unsigned style = 0;
    int fontSize = 0;
    int link = -1;
    int indent = 0;
    bool hasAlign = false;
    HtmlAlign align = HtmlAlign::left;
    bool preformatted = false;
    bool numbered = false; // an ordered list
    int counter = 0;       // the last number an ordered list gave
};

// The number an ordered list starts at, kept within reason.
int ListStart(const std::wstring &value)
{
    const long long limit = 1000000;
    size_t i = value.find_first_not_of(L" \t");
    bool negative = i != std::wstring::npos && value[i] == L'-';
    if (i != std::wstring::npos && (value[i] == L'-' || value[i] == L'+'))
        ++i;
    long long number = 0;
    for (; i < value.size() && iswdigit(value[i]); ++i)
        number = std::min(number * 10 + (value[i] - L'0'), limit);
    return (int)(negative ? -number : number);
}

std::wstring Lower(std::wstring text)
{
    for (wchar_t &c : text)
        c = (wchar_t)towlower(c);
    return text;
}

// Position of "</name" (any case) from `from`, or npos.
size_t FindEndTag(const std::wstring &html, size_t from, const std::wstring &name)
{
    for (size_t i = html.find(L"</", from); i != std::wstring::npos; i = html.find(L"</", i + 2)) {
        size_t k = 0;
        while (k < name.size() && i + 2 + k < html.size() && towlower(html[i + 2 + k]) == name[k])
            ++k;
        if (k == name.size())
            return i;
    }
    return std::wstring::npos;
}

class PageBuilder {
public:
    HtmlPage Build(const std::wstring &html);

private:
    void ReadStartTag(const std::wstring &html, size_t &i);
    void ReadEndTag(const std::wstring &html, size_t &i);
    void ReadRawText(const std::wstring &html, size_t &i, const std::wstring &name);

    void OpenTag(const Tag &tag);
    void CloseTag(const std::wstring &name);
    bool Push(OpenElement element);
    void PopTo(size_t index);
    // Closes the nearest open element named one of `names`, not looking past `stops`.
    bool CloseInScope(std::initializer_list<const wchar_t *> names, std::initializer_list<const wchar_t *> stops);
    void OpenListItem();
    void OpenCell(bool header);

    void Text(const std::wstring &decoded);
    void Emit(const std::wstring &text, bool raw = false);
    void StartParagraph();
    void FinishParagraph(int spaceAfter, bool evenIfEmpty);
    void BlockBoundary(int spaceAfter);
    void LineBreak();

    bool Preformatted() const;
    // A list inside another list has no room around it.
    bool IsNestedList(const std::wstring &name) const;
    bool InCell() const;
    long CurrentOffset() const;
    void MeasureLinks();
    void SetTableTabStops();

    HtmlPage m_page;
    std::vector<OpenElement> m_open;
    HtmlParagraph m_paragraph;
    bool m_paragraphStarted = false;
    long m_paragraphLength = 0;
    long m_finishedLength = 0; // plain-text length of the finished paragraphs and their ends
    bool m_pendingSpace = false;
    std::wstring m_pendingMarker;
    std::vector<std::wstring> m_pendingAnchors; // placed at the next text
    bool m_skipNewline = false;                 // the line break that opens a <pre>

    struct OpenTable {
        int index;
        int cellsInRow;
    };
    std::vector<OpenTable> m_tables;
    int m_tableCount = 0;
    std::vector<int> m_paragraphTable; // the table of each finished paragraph, -1 for none
    int m_currentTable = -1;
};

HtmlPage PageBuilder::Build(const std::wstring &html)
{
    size_t i = 0;
    while (i < html.size()) {
        if (html[i] != L'<') {
            size_t next = html.find(L'<', i);
            if (next == std::wstring::npos)
                next = html.size();
            Text(DecodeHtmlEntities(html.substr(i, next - i)));
            i = next;
            continue;
        }
        wchar_t next = i + 1 < html.size() ? html[i + 1] : L'\0';
        if (html.compare(i, 4, L"<!--") == 0) {
            size_t end = html.find(L"-->", i + 4);
            i = end == std::wstring::npos ? html.size() : end + 3;
        } else if (next == L'!' || next == L'?') {
            size_t end = html.find(L'>', i);
            i = end == std::wstring::npos ? html.size() : end + 1;
        } else if (next == L'/') {
            ReadEndTag(html, i);
        } else if (iswalpha(next) && next < 0x80) {
            ReadStartTag(html, i);
        } else {
            Text(L"<");
            ++i;
        }
    }
    FinishParagraph(0, false);
    // Anchors after the last text point at the page's end, not past it.
    const long pageEnd = std::max(0L, m_finishedLength - 1);
    for (const std::wstring &name : m_pendingAnchors)
        m_page.anchors.emplace_back(name, pageEnd);
    MeasureLinks();
    SetTableTabStops();
    return std::move(m_page);
}

void PageBuilder::ReadStartTag(const std::wstring &html, size_t &i)
{
    Tag tag;
    size_t p = i + 1;
    while (p < html.size() && !IsHtmlSpace(html[p]) && html[p] != L'>' && html[p] != L'/')
        tag.name += (wchar_t)towlower(html[p++]);
    for (;;) {
        while (p < html.size() && (IsHtmlSpace(html[p]) || html[p] == L'/'))
            ++p;
        if (p >= html.size()) {
            i = html.size(); // a tag cut off by the end of the page is dropped
            return;
        }
        if (html[p] == L'>')
            break;
        Attribute attribute;
        while (p < html.size() && !IsHtmlSpace(html[p]) && html[p] != L'=' && html[p] != L'>' && html[p] != L'/')
            attribute.name += (wchar_t)towlower(html[p++]);
        while (p < html.size() && IsHtmlSpace(html[p]))
            ++p;
        if (p < html.size() && html[p] == L'=') {
            ++p;
            while (p < html.size() && IsHtmlSpace(html[p]))
                ++p;
            size_t start = p;
            if (p < html.size() && (html[p] == L'"' || html[p] == L'\'')) {
                size_t close = html.find(html[p], p + 1);
                if (close == std::wstring::npos)
                    close = html.size();
                start = p + 1;
                p = close;
                attribute.value = DecodeHtmlEntities(html.substr(start, p - start));
                if (p < html.size())
                    ++p;
            } else {
                while (p < html.size() && !IsHtmlSpace(html[p]) && html[p] != L'>')
                    ++p;
                attribute.value = DecodeHtmlEntities(html.substr(start, p - start));
            }
        }
        if (!attribute.name.empty())
            tag.attributes.push_back(std::move(attribute));
    }
    i = p + 1;
    if (IsRawText(tag.name)) {
        ReadRawText(html, i, tag.name);
        return;
    }
    OpenTag(tag);
}

void PageBuilder::ReadEndTag(const std::wstring &html, size_t &i)
{
    size_t p = i + 2;
    std::wstring name;
    while (p < html.size() && !IsHtmlSpace(html[p]) && html[p] != L'>' && html[p] != L'/')
        name += (wchar_t)towlower(html[p++]);
    size_t end = html.find(L'>', p);
    i = end == std::wstring::npos ? html.size() : end + 1;
    if (!name.empty() && iswalpha(name[0]))
        CloseTag(name);
}

void PageBuilder::ReadRawText(const std::wstring &html, size_t &i, const std::wstring &name)
{
    size_t end = FindEndTag(html, i, name);
    if (end == std::wstring::npos)
        end = html.size();
    std::wstring content = html.substr(i, end - i);
    size_t close = html.find(L'>', end);
    i = close == std::wstring::npos ? html.size() : close + 1;
    if (name == L"title") {
        std::wstring title;
        for (wchar_t c : DecodeHtmlEntities(content)) {
            if (IsHtmlSpace(c)) {
                if (!title.empty() && title.back() != L' ')
                    title += L' ';
            } else {
                title += c;
            }
        }
        while (!title.empty() && title.back() == L' ')
            title.pop_back();
        m_page.title = title;
    } else if (name == L"textarea" || name == L"xmp") {
        Text(name == L"xmp" ? content : DecodeHtmlEntities(content));
    }
}

void PageBuilder::OpenTag(const Tag &tag)
{
    const std::wstring &name = tag.name;
    if (const std::wstring *id = tag.Find(L"id"))
        m_pendingAnchors.push_back(*id);

    if (name == L"br")
        return LineBreak();
    if (name == L"hr") {
        CloseInScope({L"p"}, {L"table", L"td", L"th", L"caption"});
        return BlockBoundary(blockSpacing);
    }
    if (name == L"img") {
        if (const std::wstring *alt = tag.Find(L"alt"))
            Text(*alt);
        return;
    }
    if (name == L"li")
        return OpenListItem();
    // Cells and rows outside any table are ignored, as browsers do.
    if (IsOneOf(name, {L"td", L"th", L"tr"}) && m_tables.empty())
        return;
    if (name == L"td" || name == L"th")
        return OpenCell(name == L"th");

    OpenElement element;
    element.name = name;
    if (const std::wstring *align = tag.Find(L"align")) {
        std::wstring value = Lower(*align);
        element.hasAlign = value == L"center" || value == L"right" || value == L"left";
        element.align = value == L"center" ? HtmlAlign::center : value == L"right" ? HtmlAlign::right : HtmlAlign::left;
    }

    if (IsSpacedBlock(name) || IsPlainBlock(name)) {
        if (name == L"dt" || name == L"dd")
            CloseInScope({L"dt", L"dd"}, {L"dl", L"table"});
        if (name == L"tr") {
            CloseInScope({L"tr"}, {L"table"});
            if (!m_tables.empty())
                m_tables.back().cellsInRow = 0;
            FinishParagraph(0, false);
        } else if (name != L"dt" && name != L"dd") {
            CloseInScope({L"p"}, {L"table", L"td", L"th", L"caption"});
        }
        if (name != L"tr")
            BlockBoundary(IsSpacedBlock(name) && !IsNestedList(name) ? blockSpacing : 0);
        if (name == L"center") {
            element.hasAlign = true;
            element.align = HtmlAlign::center;
        }
        if (IsHeading(name)) {
            static const int headingSizes[6] = {32, 28, 24, 22, 20, 18};
            element.style = htmlBold;
            element.fontSize = headingSizes[name[1] - L'1'];
        }
        if (name == L"ul" || name == L"ol") {
            element.indent = listIndent;
            element.numbered = name == L"ol";
            if (const std::wstring *start = tag.Find(L"start"))
                element.counter = ListStart(*start) - 1;
        }
        if (name == L"blockquote" || name == L"dd")
            element.indent = quoteIndent;
        if (name == L"pre") {
            element.style = htmlMonospace;
            element.preformatted = true;
            m_skipNewline = true;
        }
        if (Push(element) && name == L"table")
            m_tables.push_back({m_tableCount++, 0});
        return;
    }

    if (name == L"a") {
        CloseInScope({L"a"}, {});
        if (const std::wstring *anchorName = tag.Find(L"name"))
            m_pendingAnchors.push_back(*anchorName);
        if (const std::wstring *href = tag.Find(L"href")) {
            element.link = (int)m_page.links.size();
            m_page.links.push_back(HtmlLink{*href, 0, 0});
        }
        Push(element);
        return;
    }
    element.style = InlineStyle(name);
    if (element.style != 0)
        Push(element);
}

void PageBuilder::CloseTag(const std::wstring &name)
{
    if (name == L"br")
        return LineBreak();
    for (size_t k = m_open.size(); k-- > 0;) {
        if (m_open[k].name != name)
            continue;
        PopTo(k);
        if (IsSpacedBlock(name))
            BlockBoundary(IsNestedList(name) ? 0 : blockSpacing);
        else if (IsPlainBlock(name))
            BlockBoundary(0);
        return;
    }
}

bool PageBuilder::Push(OpenElement element)
{
    if (m_open.size() >= maxOpenElements)
        return false;
    m_open.push_back(std::move(element));
    return true;
}

void PageBuilder::PopTo(size_t index)
{
    while (m_open.size() > index) {
        if (m_open.back().name == L"table" && !m_tables.empty())
            m_tables.pop_back();
        m_open.pop_back();
    }
}

bool PageBuilder::CloseInScope(std::initializer_list<const wchar_t *> names,
                               std::initializer_list<const wchar_t *> stops)
{
    for (size_t k = m_open.size(); k-- > 0;) {
        if (IsOneOf(m_open[k].name, stops))
            return false;
        if (IsOneOf(m_open[k].name, names)) {
            PopTo(k);
            return true;
        }
    }
    return false;
}

void PageBuilder::OpenListItem()
{
    CloseInScope({L"li"}, {L"ul", L"ol", L"table"});
    BlockBoundary(0);
    m_pendingMarker = L"\x2022 ";
    for (size_t k = m_open.size(); k-- > 0;) {
        if (m_open[k].name != L"ul" && m_open[k].name != L"ol")
            continue;
        if (m_open[k].numbered)
            m_pendingMarker = std::to_wstring(++m_open[k].counter) + L". ";
        break;
    }
    OpenElement element;
    element.name = L"li";
    Push(element);
}

void PageBuilder::OpenCell(bool header)
{
    CloseInScope({L"td", L"th"}, {L"tr", L"table"});
    if (!m_tables.empty() && m_tables.back().cellsInRow++ > 0)
        Emit(L"\t", true);
    m_pendingSpace = false;
    OpenElement element;
    element.name = header ? L"th" : L"td";
    element.style = header ? (unsigned)htmlBold : 0u;
    Push(element);
}

void PageBuilder::Text(const std::wstring &decoded)
{
    std::wstring chunk;
    bool skipNewline = m_skipNewline;
    m_skipNewline = false;
    if (Preformatted()) {
        size_t first = 0;
        if (skipNewline && decoded.compare(0, 2, L"\r\n") == 0)
            first = 2;
        else if (skipNewline && !decoded.empty() && (decoded[0] == L'\n' || decoded[0] == L'\r'))
            first = 1;
        for (size_t i = first; i < decoded.size(); ++i) {
            wchar_t c = decoded[i];
            if (c == L'\r' || c == L'\n') {
                if (c == L'\r' && i + 1 < decoded.size() && decoded[i + 1] == L'\n')
                    ++i;
                Emit(chunk, true);
                chunk.clear();
                LineBreak();
            } else if (c == L'\t' || c >= 0x20) {
                chunk += c;
            }
        }
        Emit(chunk, true);
        return;
    }
    for (wchar_t c : decoded) {
        if (IsHtmlSpace(c)) {
            Emit(chunk);
            chunk.clear();
            m_pendingSpace = true;
        } else if (c >= 0x20 && c != 0x7F) {
            chunk += c;
        }
    }
    Emit(chunk);
}

// Appends text in the style of the open elements. A pending space goes first unless the
// paragraph is empty or already ends in blank space (raw text takes it as it is); it joins the
// run before it, unless only that run is a link: link underlining stops at the words.
void PageBuilder::Emit(const std::wstring &text, bool raw)
{
    if (text.empty())
        return;
    StartParagraph();
    HtmlRun run;
    for (const OpenElement &element : m_open) {
        run.style |= element.style;
        if (element.fontSize != 0)
            run.fontSize = element.fontSize;
        if (element.link >= 0)
            run.link = element.link;
    }
    std::vector<HtmlRun> &runs = m_paragraph.runs;
    std::wstring piece;
    if (!raw && m_pendingSpace && m_paragraphLength > 0) {
        HtmlRun &last = runs.back();
        if (last.text.back() != L' ' && last.text.back() != L'\t') {
            if (last.link >= 0 && run.link < 0)
                piece = L" ";
            else
                last.text += L' ';
            ++m_paragraphLength;
        }
    }
    m_pendingSpace = false;
    for (const std::wstring &name : m_pendingAnchors)
        m_page.anchors.emplace_back(name, CurrentOffset());
    m_pendingAnchors.clear();
    piece += text;

    if (!runs.empty() && runs.back().style == run.style && runs.back().fontSize == run.fontSize
        && runs.back().link == run.link) {
        runs.back().text += piece;
    } else {
        run.text = piece;
        runs.push_back(std::move(run));
    }
    m_paragraphLength += (long)text.size();
}

void PageBuilder::StartParagraph()
{
    if (m_paragraphStarted)
        return;
    m_paragraphStarted = true;
    int indent = 0;
    for (const OpenElement &element : m_open) {
        indent += element.indent;
        if (element.hasAlign)
            m_paragraph.align = element.align;
    }
    m_paragraph.leftIndent = std::min(indent, maxIndent);
    bool inRow = InCell() || (!m_open.empty() && m_open.back().name == L"tr");
    m_currentTable = inRow && !m_tables.empty() ? m_tables.back().index : -1;
    if (!m_pendingMarker.empty()) {
        m_paragraph.leftIndent = std::min(indent, maxIndent) + listIndent;
        m_paragraph.firstLineIndent = -listIndent;
        HtmlRun marker;
        marker.text = m_pendingMarker;
        m_paragraph.runs.push_back(marker);
        m_paragraphLength += (long)marker.text.size();
        m_pendingMarker.clear();
    }
}

void PageBuilder::FinishParagraph(int spaceAfter, bool evenIfEmpty)
{
    m_pendingSpace = false;
    if (m_paragraphLength == 0 && !evenIfEmpty) {
        if (!m_page.paragraphs.empty())
            m_page.paragraphs.back().spaceAfter = std::max(m_page.paragraphs.back().spaceAfter, spaceAfter);
        return;
    }
    StartParagraph();
    m_paragraph.spaceAfter = spaceAfter;
    m_page.paragraphs.push_back(std::move(m_paragraph));
    m_paragraphTable.push_back(m_currentTable);
    m_finishedLength += m_paragraphLength + 1;
    m_paragraph = HtmlParagraph();
    m_paragraphStarted = false;
    m_paragraphLength = 0;
}

// Inside a table cell a new block only separates words, so the row stays one paragraph.
void PageBuilder::BlockBoundary(int spaceAfter)
{
    if (InCell())
        m_pendingSpace = true;
    else
        FinishParagraph(spaceAfter, false);
}

void PageBuilder::LineBreak()
{
    if (InCell())
        m_pendingSpace = true;
    else
        FinishParagraph(0, true);
}

bool PageBuilder::Preformatted() const
{
    return std::any_of(m_open.begin(), m_open.end(), [](const OpenElement &e) { return e.preformatted; });
}

bool PageBuilder::IsNestedList(const std::wstring &name) const
{
    return (name == L"ul" || name == L"ol") && std::any_of(m_open.begin(), m_open.end(), [](const OpenElement &e) {
               return e.name == L"ul" || e.name == L"ol";
           });
}

bool PageBuilder::InCell() const
{
    for (size_t k = m_open.size(); k-- > 0;) {
        if (m_open[k].name == L"td" || m_open[k].name == L"th")
            return true;
        if (m_open[k].name == L"table")
            return false;
    }
    return false;
}

long PageBuilder::CurrentOffset() const
{
    return m_finishedLength + m_paragraphLength;
}

void PageBuilder::MeasureLinks()
{
    long offset = 0;
    for (const HtmlParagraph &paragraph : m_page.paragraphs) {
        for (const HtmlRun &run : paragraph.runs) {
            long end = offset + (long)run.text.size();
            if (run.link >= 0) {
                HtmlLink &link = m_page.links[run.link];
                if (link.length == 0)
                    link.start = offset;
                link.length = end - link.start;
            }
            offset = end;
        }
        ++offset;
    }
}

// Each table's columns get widths for their widest cells (within reason); each row gets the
// stops of its own cells.
void PageBuilder::SetTableTabStops()
{
    std::map<int, std::vector<size_t>> columnWidths;
    std::vector<size_t> rowColumns(m_page.paragraphs.size(), 0);
    for (size_t p = 0; p < m_page.paragraphs.size(); ++p) {
        if (m_paragraphTable[p] < 0)
            continue;
        std::vector<size_t> &widths = columnWidths[m_paragraphTable[p]];
        std::wstring text = m_page.paragraphs[p].Text();
        size_t column = 0, start = 0;
        for (size_t i = 0; i <= text.size(); ++i) {
            if (i < text.size() && text[i] != L'\t')
                continue;
            if (column <= maxTableTabStops) {
                if (widths.size() <= column)
                    widths.resize(column + 1, 0);
                widths[column] = std::max(widths[column], std::min(i - start, maxTableColumnChars));
            }
            ++column;
            start = i + 1;
        }
        rowColumns[p] = column;
    }
    for (size_t p = 0; p < m_page.paragraphs.size(); ++p) {
        if (m_paragraphTable[p] < 0)
            continue;
        HtmlParagraph &paragraph = m_page.paragraphs[p];
        const std::vector<size_t> &widths = columnWidths[m_paragraphTable[p]];
        const size_t stops = std::min(rowColumns[p] - 1, maxTableTabStops);
        int stop = paragraph.leftIndent;
        for (size_t column = 0; column < stops; ++column) {
            stop += (int)widths[column] * twipsPerChar + listIndent;
            paragraph.tabStops.push_back(stop);
        }
    }
}

} // namespace

std::wstring HtmlParagraph::Text() const
{
    std::wstring text;
    for (const HtmlRun &run : runs)
        text += run.text;
    return text;
}

std::wstring HtmlPage::PlainText() const
{
    std::wstring text;
    for (size_t i = 0; i < paragraphs.size(); ++i) {
        if (i > 0)
            text += L'\r';
        text += paragraphs[i].Text();
    }
    return text;
}

HtmlPage ParseHtmlPage(const std::wstring &html)
{
    return PageBuilder().Build(html);
}
