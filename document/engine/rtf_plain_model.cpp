#include "document/engine/rtf_plain_model.h"

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <map>

#include "framework/core/codepage.h"

namespace {

enum class Destination { Text, Skipped, FontTable, ColorTable };

struct GroupState {
    Destination destination = Destination::Text;
    int unicodeSkip = 1;
    RtfCharacterFormat format;
};

struct ControlWord {
    std::string name;
    bool hasParameter = false;
    int parameter = 0;
    int end = 0; // past the word and its delimiting space
};

// Groups whose text the control never shows.
bool IsSkippedDestination(const std::string &word)
{
    static const char *const kSkipped[] = {"stylesheet",   "info",       "header",    "headerl",   "headerr",
                                           "headerf",      "footer",     "footerl",   "footerr",   "footerf",
                                           "pict",         "object",     "field",     "fldinst",   "fldrslt",
                                           "xe",           "tc",         "footnote",  "listtable", "listoverridetable",
                                           "revtbl",       "rsidtbl",    "generator", "themedata", "colorschememapping",
                                           "latentstyles", "datastore",  "pntext",    "pntxta",    "pntxtb",
                                           "pn",           "nonshppict", "bkmkstart", "bkmkend"};
    for (const char *skipped : kSkipped)
        if (word == skipped)
            return true;
    return false;
}

UINT CharsetCodePage(int charset, UINT fallback)
{
    switch (charset) {
    case 0:
        return 1252;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 163:
        return 1258;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    default:
        return fallback;
    }
}

wchar_t SpecialCharacter(const std::string &word)
{
    static const struct {
        const char *word;
        wchar_t character;
    } kSpecial[] = {{"tab", L'\t'},      {"emdash", 0x2014},  {"endash", 0x2013},    {"bullet", 0x2022},
                    {"lquote", 0x2018},  {"rquote", 0x2019},  {"ldblquote", 0x201C}, {"rdblquote", 0x201D},
                    {"emspace", 0x2003}, {"enspace", 0x2002}, {"line", L' '}};
    for (const auto &special : kSpecial)
        if (word == special.word)
            return special.character;
    return 0;
}

} // namespace

class RtfPlainParser {
public:
    RtfPlainParser(const CString &rtf, RtfPlainModel &model)
        : m_data(rtf.GetString()), m_length(rtf.GetLength()), m_model(model)
    {
    }

    void Run();

private:
    ControlWord ReadControlWord(int at) const;
    // The offset where reading goes on.
    int OnControlWord(const ControlWord &word, int start);
    void OnFontTableWord(const ControlWord &word);
    // A word of paragraph layout or page set-up; false for any other.
    bool OnLayoutWord(const ControlWord &word);
    // A word of character format; false for any other.
    bool OnCharacterWord(const ControlWord &word);
    // Characters made by RTF from start to end.
    void Emit(int start, int end, const wchar_t *characters, int count);
    void EmitParagraphEnd(int start, int end);
    void StartRowIfNeeded(int at);
    wchar_t Decode(unsigned char byte) const;
    // The fallback characters after \u, skipped; the offset past them.
    int SkipFallback(int at, int count) const;

    GroupState &State() { return m_stack.back(); }

    const char *m_data;
    const int m_length;
    RtfPlainModel &m_model;
    std::vector<GroupState> m_stack;
    UINT m_documentCodePage = 1252;
    std::map<int, int> m_fontCharsets;
    int m_tableFont = -1;
    int m_defaultFont = -1;
    bool m_inTableParagraph = false;
    bool m_inRow = false;
    bool m_lastIsParagraphEnd = false;
    int m_lastParagraphEndAt = -1;
    RtfParagraphLayout m_layout;
    std::string m_layoutWords;   // the paragraph's words since \pard
    LONG m_nextTabAlignment = 0; // set by \tqr, \tqc, \tqdec for the next \tx
    int m_paragraphStart = 0;
};

ControlWord RtfPlainParser::ReadControlWord(int at) const
{
    ControlWord word;
    int i = at + 1;
    while (i < m_length && isalpha(static_cast<unsigned char>(m_data[i])))
        word.name += m_data[i++];
    const int digitsFrom = i;
    if (i < m_length && m_data[i] == '-')
        ++i;
    while (i < m_length && isdigit(static_cast<unsigned char>(m_data[i])))
        ++i;
    if (i > digitsFrom && !(i == digitsFrom + 1 && m_data[digitsFrom] == '-')) {
        word.hasParameter = true;
        word.parameter = atoi(std::string(m_data + digitsFrom, i - digitsFrom).c_str());
    } else {
        i = digitsFrom;
    }
    if (i < m_length && m_data[i] == ' ')
        ++i;
    word.end = i;
    return word;
}

wchar_t RtfPlainParser::Decode(unsigned char code) const
{
    UINT codePage = m_documentCodePage;
    const auto charset = m_fontCharsets.find(m_stack.back().format.font);
    if (charset != m_fontCharsets.end())
        codePage = CharsetCodePage(charset->second, m_documentCodePage);
    wchar_t wide = L'?';
    const char narrow = static_cast<char>(code);
    if (MultiByteToWideChar(codePage, 0, &narrow, 1, &wide, 1) != 1)
        wide = L'?';
    return wide;
}

void RtfPlainParser::StartRowIfNeeded(int at)
{
    if (!m_inTableParagraph || m_inRow)
        return;
    m_inRow = true;
    const wchar_t rowStart[] = L"\r\n";
    Emit(at, at, rowStart, 2);
}

void RtfPlainParser::Emit(int start, int end, const wchar_t *characters, int count)
{
    RtfTextToken token;
    token.start = start;
    token.end = end;
    token.firstChar = m_model.GetLength();
    token.charCount = count;
    m_model.m_text.append(characters, count);
    for (int i = 0; i < count; ++i) {
        m_model.m_charTokens.push_back(static_cast<int>(m_model.m_tokens.size()));
        m_model.m_charFormats.push_back(m_stack.back().format);
    }
    m_model.m_tokens.push_back(token);
    m_lastIsParagraphEnd = false;
}

void RtfPlainParser::EmitParagraphEnd(int start, int end)
{
    StartRowIfNeeded(start);
    if (!m_inTableParagraph)
        m_model.m_paragraphs.push_back(RtfParagraph{m_paragraphStart, m_model.GetLength(), m_layout, m_layoutWords});
    const wchar_t paragraphEnd = L'\r';
    Emit(start, end, &paragraphEnd, 1);
    m_paragraphStart = m_model.GetLength();
    m_lastIsParagraphEnd = true;
    m_lastParagraphEndAt = start;
}

int RtfPlainParser::SkipFallback(int at, int count) const
{
    for (int skipped = 0; skipped < count && at < m_length; ++skipped) {
        if (m_data[at] == '{' || m_data[at] == '}')
            break;
        if (m_data[at] == '\\') {
            if (at + 3 < m_length && m_data[at + 1] == '\'')
                at += 4;
            else
                at = ReadControlWord(at).end;
        } else {
            ++at;
        }
    }
    return at;
}

void RtfPlainParser::OnFontTableWord(const ControlWord &word)
{
    if (word.name == "f" && word.hasParameter) {
        m_tableFont = word.parameter;
        m_model.m_highestFont = std::max(m_model.m_highestFont, word.parameter);
    } else if (word.name == "fcharset" && m_tableFont >= 0) {
        m_fontCharsets[m_tableFont] = word.parameter;
    }
}

bool RtfPlainParser::OnLayoutWord(const ControlWord &word)
{
    static const struct {
        const char *word;
        WORD alignment;
    } kAlignments[] = {{"ql", PFA_LEFT}, {"qc", PFA_CENTER}, {"qr", PFA_RIGHT}, {"qj", PFA_JUSTIFY}};
    static const struct {
        const char *word;
        LONG alignment;
    } kTabAlignments[] = {{"tqc", 1}, {"tqr", 2}, {"tqdec", 3}};
    static const struct {
        const char *word;
        WORD effect;
    } kEffects[] = {{"keep", PFE_KEEP}, {"keepn", PFE_KEEPNEXT}};

    static const char *const kParagraphWords[] = {
        "ql", "qc",  "qr",  "qj",    "li", "ri",   "fi",    "sb",     "sa",        "sl",         "slmult",
        "tx", "tqr", "tqc", "tqdec", "tb", "keep", "keepn", "pagebb", "widctlpar", "nowidctlpar"};
    const std::string &name = word.name;
    if (name == "pard") {
        m_layout = RtfParagraphLayout();
        m_layoutWords.clear();
        m_nextTabAlignment = 0;
        return false; // the table state hears of it too
    }
    for (const char *paragraphWord : kParagraphWords)
        if (name == paragraphWord) {
            m_layoutWords += "\\" + name;
            if (word.hasParameter)
                m_layoutWords += std::to_string(word.parameter);
            break;
        }
    for (const auto &alignment : kAlignments)
        if (name == alignment.word) {
            m_layout.alignment = alignment.alignment;
            return true;
        }
    for (const auto &alignment : kTabAlignments)
        if (name == alignment.word) {
            m_nextTabAlignment = alignment.alignment;
            return true;
        }
    if (name == "tx") {
        if (word.parameter >= 0 && word.parameter < 0x1000000 && m_layout.tabs.size() < MAX_TAB_STOPS)
            m_layout.tabs.push_back(word.parameter | (m_nextTabAlignment << 24));
        m_nextTabAlignment = 0;
        return true;
    }
    for (const auto &effect : kEffects)
        if (name == effect.word) {
            if (!word.hasParameter || word.parameter != 0)
                m_layout.effects |= effect.effect;
            else
                m_layout.effects &= static_cast<WORD>(~effect.effect);
            return true;
        }
    return ApplyPageSetupWord(m_model.m_pageSetup, name, word.parameter);
}

bool RtfPlainParser::OnCharacterWord(const ControlWord &word)
{
    RtfCharacterFormat &format = State().format;
    const bool on = !word.hasParameter || word.parameter != 0;
    const std::string &name = word.name;
    if (name == "b")
        format.bold = on;
    else if (name == "i")
        format.italic = on;
    else if (name == "ul")
        format.underline = on;
    else if (name == "ulnone")
        format.underline = false;
    else if (name == "fs" && word.hasParameter && word.parameter > 0)
        format.size = word.parameter;
    else if (name == "f" && word.hasParameter)
        format.font = word.parameter;
    else if (name == "plain")
        format = RtfCharacterFormat{false, false, false, 24, m_defaultFont};
    else
        return false;
    return true;
}

int RtfPlainParser::OnControlWord(const ControlWord &word, int start)
{
    GroupState &state = State();
    if (state.destination == Destination::FontTable) {
        OnFontTableWord(word);
        return word.end;
    }
    if (state.destination != Destination::Text)
        return word.end;
    if (OnLayoutWord(word) || OnCharacterWord(word))
        return word.end;
    const std::string &name = word.name;
    if (name == "fonttbl") {
        state.destination = Destination::FontTable;
    } else if (name == "colortbl") {
        state.destination = Destination::ColorTable;
        m_model.m_colorCount = 0;
    } else if (IsSkippedDestination(name)) {
        state.destination = Destination::Skipped;
    } else if (name == "rtf") {
        m_model.m_headerStart = word.end;
    } else if (name == "ansicpg") {
        m_documentCodePage = static_cast<UINT>(word.parameter);
    } else if (name == "deff") {
        m_defaultFont = word.parameter;
        state.format.font = word.parameter;
    } else if (name == "uc") {
        state.unicodeSkip = word.parameter;
    } else if (name == "u") {
        const int end = SkipFallback(word.end, state.unicodeSkip);
        StartRowIfNeeded(start);
        const wchar_t character = static_cast<wchar_t>(word.parameter < 0 ? word.parameter + 65536 : word.parameter);
        Emit(start, end, &character, 1);
        return end;
    } else if (name == "par" || name == "page" || name == "sect") {
        EmitParagraphEnd(start, word.end);
    } else if (name == "intbl") {
        m_inTableParagraph = true;
        StartRowIfNeeded(start);
    } else if (name == "pard") {
        m_inTableParagraph = false;
    } else if (name == "cell") {
        if (m_inTableParagraph) {
            StartRowIfNeeded(start);
            const wchar_t cellEnd = L'\t';
            Emit(start, word.end, &cellEnd, 1);
        }
    } else if (name == "row") {
        if (m_inRow) {
            const wchar_t rowEnd[] = L"\r\n";
            Emit(start, word.end, rowEnd, 2);
            m_inRow = false;
            m_paragraphStart = m_model.GetLength();
        }
    } else if (const wchar_t special = SpecialCharacter(name)) {
        StartRowIfNeeded(start);
        Emit(start, word.end, &special, 1);
    }
    return word.end;
}

void RtfPlainParser::Run()
{
    m_stack.push_back(GroupState());
    for (int i = 0; i < m_length;) {
        const char c = m_data[i];
        if (c == '{') {
            m_stack.push_back(State());
            ++i;
        } else if (c == '}') {
            if (State().destination == Destination::FontTable && m_stack.size() >= 2
                && m_stack[m_stack.size() - 2].destination != Destination::FontTable)
                m_model.m_fontTableEnd = i;
            if (State().destination == Destination::ColorTable)
                m_model.m_colorTableEnd = i;
            if (m_stack.size() > 1)
                m_stack.pop_back();
            ++i;
        } else if (c == '\\' && i + 1 < m_length) {
            const char next = m_data[i + 1];
            if (next == '\'' && i + 3 < m_length) {
                const unsigned char code =
                    static_cast<unsigned char>(strtol(std::string(m_data + i + 2, 2).c_str(), nullptr, 16));
                if (State().destination == Destination::Text) {
                    StartRowIfNeeded(i);
                    const wchar_t character = Decode(code);
                    Emit(i, i + 4, &character, 1);
                }
                i += 4;
            } else if (next == '*') {
                if (State().destination == Destination::Text)
                    State().destination = Destination::Skipped;
                i += 2;
            } else if (next == '\\' || next == '{' || next == '}' || next == '~' || next == '_') {
                if (State().destination == Destination::Text) {
                    StartRowIfNeeded(i);
                    const wchar_t character = next == '~' ? 0x00A0 : next == '_' ? 0x2011 : next;
                    Emit(i, i + 2, &character, 1);
                }
                i += 2;
            } else if (isalpha(static_cast<unsigned char>(next))) {
                const ControlWord word = ReadControlWord(i);
                if (word.name == "bin" && word.hasParameter) {
                    i = std::min(m_length, word.end + std::max(0, word.parameter));
                    continue;
                }
                i = OnControlWord(word, i);
            } else {
                i += 2; // a control symbol that shows nothing
            }
        } else if (c == '\r' || c == '\n' || c == '\0') {
            ++i;
        } else {
            if (State().destination == Destination::ColorTable && c == ';')
                ++m_model.m_colorCount;
            if (State().destination == Destination::Text) {
                StartRowIfNeeded(i);
                const wchar_t character = Decode(static_cast<unsigned char>(c));
                Emit(i, i + 1, &character, 1);
            }
            ++i;
        }
    }
    if (m_lastIsParagraphEnd) {
        m_model.m_text.pop_back();
        m_model.m_charTokens.pop_back();
        m_model.m_charFormats.pop_back();
        m_model.m_tokens.pop_back();
        m_model.m_droppedEnd = m_lastParagraphEndAt;
    } else if (!m_inTableParagraph && m_paragraphStart < m_model.GetLength()) {
        m_model.m_paragraphs.push_back(RtfParagraph{m_paragraphStart, m_model.GetLength(), m_layout, m_layoutWords});
    }
}

RtfPlainModel::RtfPlainModel(const CString &rtf)
{
    RtfPlainParser(rtf, *this).Run();
}

std::string RtfCharacterFormat::Words() const
{
    std::string words = bold ? "\\b" : "\\b0";
    words += italic ? "\\i" : "\\i0";
    words += underline ? "\\ul" : "\\ulnone";
    words += "\\fs" + std::to_string(size);
    if (font >= 0)
        words += "\\f" + std::to_string(font);
    return words;
}

CString RtfPlainModel::PlainText() const
{
    CString text;
    char *buffer = text.GetBuffer(GetLength());
    for (int i = 0; i < GetLength(); ++i) {
        const wchar_t character = m_text[i];
        char narrow = '?';
        BOOL defaulted = FALSE;
        if (character < 0x80)
            narrow = static_cast<char>(character);
        else if (WideCharToMultiByte(1250, 0, &character, 1, &narrow, 1, nullptr, &defaulted) != 1 || defaulted)
            narrow = '?';
        buffer[i] = narrow;
    }
    text.ReleaseBuffer(GetLength());
    return text;
}

int RtfPlainModel::CharactersBefore(int offset) const
{
    const auto after = std::lower_bound(m_tokens.begin(), m_tokens.end(), offset,
                                        [](const RtfTextToken &token, int at) { return token.start < at; });
    return after == m_tokens.end() ? GetLength() : after->firstChar;
}
