#include "document/engine/rtf_document_builder.h"

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cwchar>

#include "document/engine/page_break_marker.h"
#include "document/engine/rich_edit_text.h"

namespace {

const TextStyle kEveryStyle[] = {TextStyle::ExportText,   TextStyle::ExportPlain,   TextStyle::Black,
                                 TextStyle::Disabled,     TextStyle::Heading,       TextStyle::Value,
                                 TextStyle::Plain,        TextStyle::PlainDisabled, TextStyle::FixedText,
                                 TextStyle::DefaultValue, TextStyle::Table,         TextStyle::ExportTable,
                                 TextStyle::AddEntry,     TextStyle::InsertedText};
const COLORREF kAutoColor = CLR_INVALID;

bool StartsWith(const CString &text, int at, const char *prefix)
{
    const int length = static_cast<int>(strlen(prefix));
    return at + length <= text.GetLength() && strncmp(text.GetString() + at, prefix, length) == 0;
}

// A control word at the backslash: its name, its parameter and the offset past it.
struct Word {
    CString name;
    bool hasParameter = false;
    int parameter = 0;
    int end = 0;
};

Word ReadWord(const CString &rtf, int at)
{
    Word word;
    int i = at + 1;
    const int length = rtf.GetLength();
    while (i < length && isalpha(static_cast<unsigned char>(rtf[i])))
        word.name += rtf[i++];
    const int digits = i;
    if (i < length && rtf[i] == '-')
        ++i;
    while (i < length && isdigit(static_cast<unsigned char>(rtf[i])))
        ++i;
    if (i > digits && rtf[i - 1] != '-') {
        word.hasParameter = true;
        word.parameter = atoi(rtf.Mid(digits, i - digits));
    } else {
        i = digits;
    }
    if (i < length && rtf[i] == ' ')
        ++i;
    word.end = i;
    return word;
}

// The offset past the group that opens at the brace.
int SkipGroup(const CString &rtf, int at)
{
    int depth = 0;
    for (int i = at; i < rtf.GetLength(); ++i) {
        if (rtf[i] == '\\')
            ++i;
        else if (rtf[i] == '{')
            ++depth;
        else if (rtf[i] == '}' && --depth == 0)
            return i + 1;
    }
    return rtf.GetLength();
}

// The colours of an RTF document's colour table; an entry without colour words is automatic.
std::vector<COLORREF> ReadColorTable(const CString &rtf)
{
    std::vector<COLORREF> colors;
    const int table = rtf.Find("{\\colortbl");
    if (table < 0)
        return colors;
    const int end = SkipGroup(rtf, table);
    int red = 0, green = 0, blue = 0;
    bool named = false;
    for (int i = table + 10; i < end; ++i) {
        if (rtf[i] == '\\') {
            const Word word = ReadWord(rtf, i);
            named = named || word.name == "red" || word.name == "green" || word.name == "blue";
            if (word.name == "red")
                red = word.parameter;
            else if (word.name == "green")
                green = word.parameter;
            else if (word.name == "blue")
                blue = word.parameter;
            i = word.end - 1;
        } else if (rtf[i] == ';') {
            colors.push_back(named ? RGB(red, green, blue) : kAutoColor);
            red = green = blue = 0;
            named = false;
        }
    }
    return colors;
}

CString UnicodeWord(unsigned char byte)
{
    const char narrow = static_cast<char>(byte);
    wchar_t wide = L'?';
    MultiByteToWideChar(1250, 0, &narrow, 1, &wide, 1);
    CString word;
    word.Format("\\u%d?", static_cast<int>(static_cast<short>(wide)));
    return word;
}

// For each character of text made of repetitions of body, each changed only where a tag or a
// number was rewritten, the index in body of the character it repeats. A rewritten stretch
// repeats the body character it stands in place of.
std::vector<int> RepeatedPositions(const CString &body, const CString &text)
{
    const int kWindow = 32; // the longest stretch a rewriting adds or takes away
    const int kAgreement = 3;
    std::vector<int> positions(text.GetLength(), -1);
    const int n = body.GetLength();
    if (n == 0)
        return positions;
    auto agree = [&](int b, int t) {
        for (int k = 0; k < kAgreement && t + k < text.GetLength(); ++k)
            if (text[t + k] != body[(b + k) % n])
                return false;
        return true;
    };
    int i = 0;
    for (int j = 0; j < text.GetLength();) {
        if (text[j] == body[i]) {
            positions[j++] = i;
            i = (i + 1) % n;
            continue;
        }
        int skipBody = 0, skipText = 1;
        for (int sum = 1; sum <= 2 * kWindow; ++sum) {
            int found = -1;
            for (int dt = std::max(0, sum - kWindow); dt <= std::min(sum, kWindow) && found < 0; ++dt)
                if (j + dt <= text.GetLength() && agree(i + sum - dt, j + dt))
                    found = dt;
            if (found >= 0) {
                skipBody = sum - found;
                skipText = found;
                break;
            }
        }
        for (int k = 0; k < skipText && j < text.GetLength(); ++k)
            positions[j++] = i;
        i = (i + skipBody) % n;
    }
    return positions;
}

bool IsHeaderWord(const CString &name)
{
    static const char *const kHeader[] = {"rtf", "ansi", "ansicpg", "deff", "deflang", "deflangfe", "viewkind", "uc"};
    for (const char *header : kHeader)
        if (name == header)
            return true;
    return false;
}

} // namespace

RtfDocumentBuilder::RtfDocumentBuilder(const CString &templateRtf)
{
    if (StartsWith(templateRtf, 0, "{\\rtf"))
        m_source = templateRtf;
    else
        m_source = "{\\rtf1\\ansi\\ansicpg1250 " + EscapedText(templateRtf) + "}";
    m_model = std::make_unique<RtfPlainModel>(m_source);
    m_plain = m_model->PlainText();
    m_origins.reserve(m_plain.GetLength());
    for (int k = 0; k < m_model->GetLength(); ++k)
        m_origins.push_back({k, m_model->TokenOf(k).start, 0});
    m_chains.push_back({});
    SetUpHeader();
}

void RtfDocumentBuilder::SetUpHeader()
{
    auto addColor = [this](COLORREF color) {
        if (color != kAutoColor && std::find(m_colors.begin(), m_colors.end(), color) == m_colors.end())
            m_colors.push_back(color);
    };
    for (TextStyle style : kEveryStyle) {
        const CHARFORMAT2W format = MakeTextStyle(style);
        if (format.dwMask & CFM_COLOR)
            addColor(format.crTextColor);
        if (format.dwMask & CFM_BACKCOLOR)
            addColor(format.crBackColor);
    }
    for (COLORREF color : ReadColorTable(PageBreakMarkerRtf))
        addColor(color);

    m_arialFont = m_model->HighestFont() + 1;
    m_courierFont = m_arialFont + 1;
    CString fonts;
    fonts.Format("{\\f%d\\fswiss\\fcharset238 Arial;}{\\f%d\\fmodern\\fcharset238 Courier New;}", m_arialFont,
                 m_courierFont);
    CString colors;
    for (COLORREF color : m_colors)
        colors.AppendFormat("\\red%d\\green%d\\blue%d;", GetRValue(color), GetGValue(color), GetBValue(color));

    const int header = m_model->HeaderStart() >= 0 ? m_model->HeaderStart() : 0;
    if (m_model->FontTableEnd() >= 0)
        m_headerInsertions.push_back({m_model->FontTableEnd(), fonts});
    else
        m_headerInsertions.push_back({header, "{\\fonttbl" + fonts + "}"});
    if (m_model->ColorTableEnd() >= 0) {
        m_firstColor = m_model->ColorCount();
        m_headerInsertions.push_back({m_model->ColorTableEnd(), colors});
    } else {
        m_firstColor = 1;
        const int at = m_model->FontTableEnd() >= 0 ? m_model->FontTableEnd() + 1 : header;
        m_headerInsertions.push_back({at, "{\\colortbl ;" + colors + "}"});
    }
    std::stable_sort(
        m_headerInsertions.begin(), m_headerInsertions.end(),
        [](const std::pair<int, CString> &a, const std::pair<int, CString> &b) { return a.first < b.first; });
}

int RtfDocumentBuilder::ChainWith(int chain, TextStyle style)
{
    std::vector<TextStyle> styles = m_chains[chain];
    styles.push_back(style);
    for (size_t i = 0; i < m_chains.size(); ++i)
        if (m_chains[i] == styles)
            return static_cast<int>(i);
    m_chains.push_back(styles);
    return static_cast<int>(m_chains.size()) - 1;
}

RtfDocumentBuilder::Origin RtfDocumentBuilder::InsertionOrigin(int at) const
{
    if (at > 0 && at <= static_cast<int>(m_origins.size())) {
        const Origin &previous = m_origins[at - 1];
        if (previous.original >= 0)
            return {-1, m_model->TokenOf(previous.original).end, 0};
        return {-1, previous.anchor, previous.chain};
    }
    if (!m_origins.empty())
        return {-1, m_origins[0].anchor, m_origins[0].original >= 0 ? 0 : m_origins[0].chain};
    if (m_model->DroppedEnd() >= 0)
        return {-1, m_model->DroppedEnd(), 0};
    const int lastBrace = m_source.ReverseFind('}');
    return {-1, lastBrace >= 0 ? lastBrace : m_source.GetLength(), 0};
}

int RtfDocumentBuilder::ReplaceText(int start, int end, const CString &text)
{
    CString inserted = text;
    NormalizeNewlines(inserted);
    Origin origin = start < end ? m_origins[start] : InsertionOrigin(start);
    if (origin.original >= 0)
        origin.chain = 0;
    origin.original = -1;
    origin.repeats = -1;
    m_plain = m_plain.Left(start) + inserted + m_plain.Mid(end);
    m_origins.erase(m_origins.begin() + start, m_origins.begin() + end);
    m_origins.insert(m_origins.begin() + start, inserted.GetLength(), origin);
    return inserted.GetLength();
}

int RtfDocumentBuilder::SourceCharacter(int at) const
{
    const Origin &origin = m_origins[at];
    return origin.original >= 0 ? origin.original : origin.repeats;
}

CString RtfDocumentBuilder::CharacterWords(int source) const
{
    return source >= 0 ? CString(m_model->CharacterFormatOf(source).Words().c_str()) : CString();
}

int RtfDocumentBuilder::ReplaceByRepetitions(int start, int end, int bodyStart, int bodyEnd, const CString &text)
{
    const CString body = m_plain.Mid(bodyStart, bodyEnd - bodyStart);
    std::vector<int> sources;
    for (int i = bodyStart; i < bodyEnd; ++i)
        sources.push_back(SourceCharacter(i));
    const int length = ReplaceText(start, end, text);
    const std::vector<int> repeated = RepeatedPositions(body, m_plain.Mid(start, length));
    for (int k = 0; k < length; ++k)
        if (repeated[k] >= 0)
            m_origins[start + k].repeats = sources[repeated[k]];
    return length;
}

void RtfDocumentBuilder::InsertText(int at, const CString &text, TextStyle style)
{
    CString inserted = text;
    NormalizeNewlines(inserted);
    Origin origin = InsertionOrigin(at);
    origin.chain = ChainWith(origin.chain, style);
    origin.repeats = -1;
    m_plain = m_plain.Left(at) + inserted + m_plain.Mid(at);
    m_origins.insert(m_origins.begin() + at, inserted.GetLength(), origin);
}

int RtfDocumentBuilder::AddReplacement(int start, int end, const CString &text, TextStyle style)
{
    const Origin origin = start < end ? m_origins[start] : InsertionOrigin(start);
    const int chain = origin.original >= 0 ? 0 : origin.chain;
    const int repeats = origin.original >= 0 ? -1 : origin.repeats;
    m_replacements.push_back({start, end, origin.anchor, text, false, ChainWith(chain, style), repeats});
    return static_cast<int>(m_replacements.size()) - 1;
}

int RtfDocumentBuilder::AddRtfReplacement(int start, int end, const CString &rtf, TextStyle style)
{
    const int replacement = AddReplacement(start, end, rtf, style);
    m_replacements[replacement].isRtf = true;
    return replacement;
}

CString RtfDocumentBuilder::StyleWords(int chain) const
{
    CString words = "\\uc1";
    for (TextStyle style : m_chains[chain]) {
        const CHARFORMAT2W format = MakeTextStyle(style);
        if (format.dwMask & CFM_COLOR)
            words.AppendFormat("\\cf%d", ColorIndex(format.crTextColor));
        if (format.dwMask & CFM_BACKCOLOR)
            words.AppendFormat("\\highlight%d", ColorIndex(format.crBackColor));
        if (format.dwMask & CFM_FACE)
            words.AppendFormat("\\f%d", FontIndex(format.szFaceName));
        if (format.dwMask & CFM_BOLD)
            words += format.dwEffects & CFE_BOLD ? "\\b" : "\\b0";
        if (format.dwMask & CFM_ITALIC)
            words += format.dwEffects & CFE_ITALIC ? "\\i" : "\\i0";
        if (format.dwMask & CFM_STRIKEOUT)
            words += format.dwEffects & CFE_STRIKEOUT ? "\\strike" : "\\strike0";
    }
    return words + " ";
}

bool RtfDocumentBuilder::HasImprint(int chain) const
{
    bool imprint = false;
    for (TextStyle style : m_chains[chain]) {
        const CHARFORMAT2W format = MakeTextStyle(style);
        if (format.dwMask & CFM_IMPRINT)
            imprint = (format.dwEffects & CFE_IMPRINT) != 0;
    }
    return imprint;
}

int RtfDocumentBuilder::ColorIndex(COLORREF colour) const
{
    const auto found = std::find(m_colors.begin(), m_colors.end(), colour);
    return found == m_colors.end() ? 0 : m_firstColor + static_cast<int>(found - m_colors.begin());
}

int RtfDocumentBuilder::FontIndex(const wchar_t *face) const
{
    return wcscmp(face, L"Courier New") == 0 ? m_courierFont : m_arialFont;
}

CString RtfDocumentBuilder::EscapedText(const CString &text) const
{
    CString rtf;
    for (int i = 0; i < text.GetLength(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.GetLength() && text[i + 1] == '\n')
                ++i;
            rtf += "\\par ";
        } else if (c == '\t') {
            rtf += "\\tab ";
        } else if (c == '\\' || c == '{' || c == '}') {
            rtf += '\\';
            rtf += static_cast<char>(c);
        } else if (c >= 0x80) {
            rtf += UnicodeWord(c);
        } else if (c >= 0x20) {
            rtf += static_cast<char>(c);
        }
    }
    return rtf;
}

CString RtfDocumentBuilder::InsertedRtf(int from, int to, int chain) const
{
    const std::vector<RtfParagraph> &paragraphs = m_model->Paragraphs();
    CString rtf;
    const RtfCharacterFormat *format = nullptr;
    int chunk = from;
    for (int i = from; i < to; ++i) {
        const int source = SourceCharacter(i);
        if (source < 0)
            continue;
        const RtfCharacterFormat &sourceFormat = m_model->CharacterFormatOf(source);
        if (!format || sourceFormat != *format) {
            rtf += EscapedText(m_plain.Mid(chunk, i - chunk));
            rtf += CharacterWords(source) + StyleWords(chain);
            format = &sourceFormat;
            chunk = i;
        }
        if (m_plain[i] != '\r')
            continue;
        const auto paragraph =
            std::lower_bound(paragraphs.begin(), paragraphs.end(), source,
                             [](const RtfParagraph &candidate, int character) { return candidate.end < character; });
        if (paragraph == paragraphs.end() || paragraph->end != source)
            continue;
        rtf += EscapedText(m_plain.Mid(chunk, i - chunk));
        rtf += "\\pard";
        rtf += paragraph->words.c_str();
        rtf += "\\par ";
        chunk = i + 1;
    }
    return rtf + EscapedText(m_plain.Mid(chunk, to - chunk));
}

CString RtfDocumentBuilder::EmbeddedBody(const CString &rtf, const CHARFORMAT2W *style) const
{
    const DWORD styled = style ? style->dwMask : 0;
    const std::vector<COLORREF> colors = ReadColorTable(rtf);
    auto colorWord = [&](const char *name, int index) {
        CString word;
        const COLORREF color = index > 0 && index < static_cast<int>(colors.size()) ? colors[index] : kAutoColor;
        word.Format("\\%s%d", name, color == kAutoColor ? 0 : ColorIndex(color));
        return word;
    };
    CString body;
    int depth = 0;
    for (int i = 0; i < rtf.GetLength();) {
        const unsigned char c = static_cast<unsigned char>(rtf[i]);
        if (c == '{') {
            if (depth >= 1
                && (StartsWith(rtf, i + 1, "\\fonttbl") || StartsWith(rtf, i + 1, "\\colortbl")
                    || StartsWith(rtf, i + 1, "\\*") || StartsWith(rtf, i + 1, "\\stylesheet")
                    || StartsWith(rtf, i + 1, "\\info"))) {
                i = SkipGroup(rtf, i);
                continue;
            }
            if (++depth >= 2)
                body += '{';
            ++i;
        } else if (c == '}') {
            if (--depth >= 1)
                body += '}';
            ++i;
        } else if (c == '\\' && i + 1 < rtf.GetLength() && isalpha(static_cast<unsigned char>(rtf[i + 1]))) {
            const Word word = ReadWord(rtf, i);
            if (IsHeaderWord(word.name)) {
            } else if (word.name == "f") {
                if (!(styled & CFM_FACE))
                    body.AppendFormat("\\f%d ", m_arialFont);
            } else if (word.name == "cf") {
                if (!(styled & CFM_COLOR))
                    body += colorWord("cf", word.parameter) + " ";
            } else if (word.name == "highlight" || word.name == "cb") {
                if (!(styled & CFM_BACKCOLOR))
                    body += colorWord("highlight", word.parameter) + " ";
            } else if (word.name == "strike") {
                if (!(styled & CFM_STRIKEOUT))
                    body += rtf.Mid(i, word.end - i);
            } else {
                body += rtf.Mid(i, word.end - i);
            }
            i = word.end;
        } else if (c == '\\') {
            body += rtf.Mid(i, 2);
            i += 2;
        } else {
            if (c >= 0x80)
                body += UnicodeWord(c);
            else
                body += static_cast<char>(c);
            ++i;
        }
    }
    return body;
}

CString RtfDocumentBuilder::PageBreakMarkerGroup() const
{
    return "{\\uc1 " + EmbeddedBody(PageBreakMarkerRtf, nullptr) + "}";
}

void RtfDocumentBuilder::CopyRaw(int from, int to)
{
    while (m_nextHeaderInsertion < m_headerInsertions.size() && m_headerInsertions[m_nextHeaderInsertion].first < to) {
        const std::pair<int, CString> &insertion = m_headerInsertions[m_nextHeaderInsertion++];
        const int at = std::max(from, insertion.first);
        m_output.append(m_source.GetString() + from, at - from);
        m_output.append(insertion.second.GetString(), insertion.second.GetLength());
        from = at;
    }
    m_output.append(m_source.GetString() + from, to - from);
}

void RtfDocumentBuilder::CopyTo(int offset)
{
    const std::vector<RtfTextToken> &tokens = m_model->Tokens();
    while (m_nextToken < tokens.size() && tokens[m_nextToken].end <= offset) {
        const RtfTextToken &token = tokens[m_nextToken];
        if (m_dropped[m_nextToken] && token.start >= m_cursor) {
            CopyRaw(m_cursor, token.start);
            m_cursor = token.end;
        }
        ++m_nextToken;
    }
    if (offset > m_cursor) {
        CopyRaw(m_cursor, offset);
        m_cursor = offset;
    }
}

int RtfDocumentBuilder::WriteGroup(int anchor, const CString &characterWords, int chain, const CString &body,
                                   bool embedded, int &outputEnd)
{
    CopyTo(anchor);
    const int start = static_cast<int>(m_output.size());
    const CString group = "{" + characterWords + StyleWords(chain) + body + "}";
    m_output.append(group.GetString(), group.GetLength());
    outputEnd = static_cast<int>(m_output.size());
    if (embedded)
        m_outputFormats.push_back({start, outputEnd, MakeTextStyle(m_chains[chain].back())});
    if (HasImprint(chain)) {
        CHARFORMAT2W imprint = {};
        imprint.cbSize = sizeof imprint;
        imprint.dwMask = CFM_IMPRINT;
        imprint.dwEffects = CFE_IMPRINT;
        m_outputFormats.push_back({start, outputEnd, imprint});
    }
    return start;
}

CString RtfDocumentBuilder::Build()
{
    const std::vector<RtfTextToken> &tokens = m_model->Tokens();
    std::vector<bool> kept(m_model->GetLength(), false);
    const int length = m_plain.GetLength();
    size_t next = 0;
    for (int i = 0; i < length;) {
        if (next < m_replacements.size() && m_replacements[next].start == i) {
            i = std::max(i + 1, m_replacements[next++].end);
            continue;
        }
        if (m_origins[i].original >= 0)
            kept[m_origins[i].original] = true;
        ++i;
    }
    m_dropped.assign(tokens.size(), false);
    for (size_t t = 0; t < tokens.size(); ++t) {
        bool anyKept = false;
        for (int k = tokens[t].firstChar; k < tokens[t].firstChar + tokens[t].charCount; ++k)
            anyKept = anyKept || kept[k];
        m_dropped[t] = tokens[t].charCount > 0 && !anyKept;
    }

    m_output.clear();
    m_output.reserve(static_cast<size_t>(m_source.GetLength()) * 2);
    m_outputFormats.clear();
    m_cursor = 0;
    m_nextToken = 0;
    m_nextHeaderInsertion = 0;
    next = 0;
    for (int i = 0; i < length;) {
        if (next < m_replacements.size() && m_replacements[next].start == i) {
            Replacement &replacement = m_replacements[next++];
            const CHARFORMAT2W style = MakeTextStyle(m_chains[replacement.chain].back());
            const CString body =
                replacement.isRtf ? EmbeddedBody(replacement.content, &style) : EscapedText(replacement.content);
            replacement.outputStart = WriteGroup(replacement.anchor, CharacterWords(replacement.repeats),
                                                 replacement.chain, body, replacement.isRtf, replacement.outputEnd);
            i = std::max(i + 1, replacement.end);
            continue;
        }
        const Origin &origin = m_origins[i];
        if (origin.original >= 0) {
            CopyTo(m_model->TokenOf(origin.original).end);
            ++i;
            continue;
        }
        int j = i + 1;
        while (j < length && m_origins[j].original < 0 && m_origins[j].anchor == origin.anchor
               && m_origins[j].chain == origin.chain
               && !(next < m_replacements.size() && m_replacements[next].start == j))
            ++j;
        int unused = 0;
        WriteGroup(origin.anchor, CString(), origin.chain, InsertedRtf(i, j, origin.chain), false, unused);
        i = j;
    }
    CopyTo(m_source.GetLength());
    return CString(m_output.c_str(), static_cast<int>(m_output.size()));
}

void RtfDocumentBuilder::ReplacementRange(int replacement, const RtfPlainModel &finished, int &position,
                                          int &length) const
{
    const Replacement &r = m_replacements[replacement];
    position = finished.CharactersBefore(r.outputStart);
    length = finished.CharactersBefore(r.outputEnd) - position;
}

std::vector<FormatRange> RtfDocumentBuilder::FormatsAfterStreamIn(const RtfPlainModel &finished) const
{
    std::vector<FormatRange> ranges;
    for (const FormatRange &output : m_outputFormats) {
        const int position = finished.CharactersBefore(output.position);
        ranges.push_back({position, finished.CharactersBefore(output.length) - position, output.format});
    }
    return ranges;
}

CHARFORMAT2W RtfDocumentBuilder::ReplacementFormat(int replacement) const
{
    CHARFORMAT2W folded = {};
    folded.cbSize = sizeof folded;
    for (TextStyle style : m_chains[m_replacements[replacement].chain]) {
        const CHARFORMAT2W format = MakeTextStyle(style);
        const DWORD effects = CFM_BOLD | CFM_ITALIC | CFM_STRIKEOUT | CFM_IMPRINT;
        folded.dwEffects =
            (folded.dwEffects & ~(format.dwMask & effects)) | (format.dwEffects & format.dwMask & effects);
        if (format.dwMask & CFM_COLOR)
            folded.crTextColor = format.crTextColor;
        if (format.dwMask & CFM_BACKCOLOR)
            folded.crBackColor = format.crBackColor;
        if (format.dwMask & CFM_FACE)
            wcscpy(folded.szFaceName, format.szFaceName);
        folded.dwMask |= format.dwMask;
    }
    return folded;
}
