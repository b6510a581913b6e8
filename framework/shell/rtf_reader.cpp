// RTF reader of the page renderer. It trusts nothing in its input: every number is clamped,
// every escape may be cut short, braces may not balance, and nesting is bounded.

#include "framework/shell/rich_text_document.h"

#include <algorithm>
#include <cstring>
#include <map>

namespace {

constexpr int kMaxGroupDepth = 256;
constexpr int kMaxLength = 1440 * 60; // sixty inches: more than any page
constexpr int kMaxHalfPoints = 3276;
constexpr int kMaxTabStops = 64;
constexpr int kMaxCellsInRow = 64;
constexpr long long kParameterLimit = 1000000000;
constexpr size_t kMaxPictureBytes = 64u * 1024 * 1024;

// Picture: a \pict's data and size. Shape: a drawing object, of which only its pictures show.
enum class Destination { Text, FontTable, ColorTable, Picture, Shape, Skip };

// What a group inherits from its parent and loses at its closing brace.
struct GroupState {
    Destination destination = Destination::Text;
    int fontNumber = -1; // the RTF font number; -1: the document's default font
    RichTextCharFormat format;
    bool hidden = false;
    int unicodeSkip = 1;
    RichTextParagraph paragraph; // properties only, never runs
    bool inTable = false;
    bool pageBreakBefore = false;
    RichTextTabAlignment nextTabAlignment = RichTextTabAlignment::Left; // of the next tab stop
};

// Destinations whose content is never shown.
const char *const kSkippedDestinations[] = {
    "stylesheet",
    "info",
    "header",
    "headerl",
    "headerr",
    "headerf",
    "footer",
    "footerl",
    "footerr",
    "footerf",
    "footnote",
    "xe",
    "tc",
    "listtable",
    "listoverridetable",
    "rsidtbl",
    "generator",
    "filetbl",
    "revtbl",
    "pn",
    "nonshppict",
    "themedata",
    "datastore",
    "fldinst",
    "bkmkstart",
    "bkmkend",
    "latentstyles",
    "colorschememapping",
    "template",
    "userprops",
};

struct Symbol {
    const char *word;
    wchar_t ch;
};

const Symbol kSymbols[] = {
    {"tab", L'\t'},        {"line", L'\n'},     {"emdash", 0x2014},  {"endash", 0x2013},
    {"bullet", 0x2022},    {"lquote", 0x2018},  {"rquote", 0x2019},  {"ldblquote", 0x201C},
    {"rdblquote", 0x201D}, {"emspace", 0x2003}, {"enspace", 0x2002}, {"qmspace", 0x2005},
};

int Clamp(long long value, int low, int high)
{
    return static_cast<int>(std::max<long long>(low, std::min<long long>(high, value)));
}

int ClampLength(int value)
{
    return Clamp(value, -kMaxLength, kMaxLength);
}

int HexDigit(unsigned char ch)
{
    if (ch >= '0' && ch <= '9')
        return ch - '0';
    if (ch >= 'a' && ch <= 'f')
        return ch - 'a' + 10;
    if (ch >= 'A' && ch <= 'F')
        return ch - 'A' + 10;
    return -1;
}

bool IsLetter(unsigned char ch)
{
    return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z');
}

class RtfReader {
public:
    RtfReader(const char *rtf, size_t length)
        : m_pos(reinterpret_cast<const unsigned char *>(rtf)), m_end(m_pos + (rtf ? length : 0))
    {
    }

    RichTextDocument Read();

private:
    void OpenGroup();
    void CloseGroup();
    void ReadControl();
    void ReadHexEscape();
    void OnControlSymbol(unsigned char symbol);
    void OnControlWord(const std::string &word, bool hasParameter, int parameter);
    bool OnCharacterProperty(const std::string &word, bool hasParameter, int parameter);
    bool OnParagraphProperty(const std::string &word, int parameter);
    bool OnTableProperty(const std::string &word, int parameter);
    bool OnPageProperty(const std::string &word, int parameter);
    void OnPictureWord(const std::string &word, bool hasParameter, int parameter);
    void OnPictureByte(unsigned char byte);
    void EndPicture();
    void OnByte(unsigned char byte);
    void FlushBytes();
    void OnChar(wchar_t ch);
    void OnFontTableChar(wchar_t ch);
    void OnColorTableChar(wchar_t ch);
    int FontIndex(int fontNumber) const;
    void EndParagraph(bool intoCell);
    void EndCell();
    void EndRow();
    void PushBlock(RichTextBlock block);
    bool InRow() const { return m_state.inTable || m_rowOpen || !m_cells.empty(); }

    const unsigned char *m_pos;
    const unsigned char *m_end;
    RichTextDocument m_document;

    GroupState m_state;
    std::vector<GroupState> m_stack;
    int m_ignoredDepth = 0; // groups opened beyond kMaxGroupDepth
    bool m_ignorableNext = false;
    int m_skipChars = 0; // replacement characters still to drop after \u
    std::string m_bytes; // text in the document's code page, not yet decoded
    UINT m_codePage = 1250;

    int m_defaultFontNumber = 0;
    std::map<int, int> m_fontIndexByNumber;
    int m_fontTableNumber = 0;
    std::wstring m_fontName;
    std::vector<COLORREF> m_colors;
    int m_red = 0, m_green = 0, m_blue = 0;

    RichTextParagraph m_paragraph; // runs of the paragraph being read
    bool m_pageBreakPending = false;
    bool m_rowOpen = false;
    RichTextRow m_rowDefinition; // cells carry edges and borders only
    unsigned m_borderSide = 0;   // the cell side that border words describe now
    unsigned m_cellBorders = 0;
    int m_cellBorderWidth = 15;
    RichTextCell m_cell; // paragraphs of the cell being read
    std::vector<RichTextCell> m_cells;

    RichTextPicture m_picture; // the picture being read
    int m_pictureNibble = -1;  // the high half of a byte whose low half is still to come
    bool m_pictureTooLarge = false;

    RichTextPageSetup m_sectionSetup; // of the first section, which overrides the document's
    bool m_firstSection = true;
};

RichTextDocument RtfReader::Read()
{
    while (m_pos < m_end) {
        const unsigned char ch = *m_pos++;
        switch (ch) {
        case '{':
            OpenGroup();
            break;
        case '}':
            CloseGroup();
            break;
        case '\\':
            ReadControl();
            break;
        case '\r':
        case '\n':
        case '\0':
            break;
        case '\t':
            FlushBytes();
            OnChar(L'\t');
            break;
        default:
            OnByte(ch);
            break;
        }
    }
    FlushBytes();
    if (!m_paragraph.runs.empty())
        EndParagraph(InRow());
    if (!m_cell.paragraphs.empty() || !m_cells.empty())
        EndRow();
    m_document.defaultFont = FontIndex(-1);
    RichTextPageSetup &setup = m_document.pageSetup;
    const RichTextPageSetup &section = m_sectionSetup;
    for (auto field : {&RichTextPageSetup::paperWidth, &RichTextPageSetup::paperHeight}) {
        if (section.*field > 0)
            setup.*field = section.*field;
    }
    for (auto field : {&RichTextPageSetup::marginLeft, &RichTextPageSetup::marginTop, &RichTextPageSetup::marginRight,
                       &RichTextPageSetup::marginBottom}) {
        if (section.*field >= 0)
            setup.*field = section.*field;
    }
    setup.landscape = setup.landscape || section.landscape;
    return std::move(m_document);
}

void RtfReader::OpenGroup()
{
    FlushBytes();
    m_skipChars = 0;
    if (m_stack.size() >= static_cast<size_t>(kMaxGroupDepth)) {
        ++m_ignoredDepth;
        return;
    }
    m_stack.push_back(m_state);
}

void RtfReader::CloseGroup()
{
    FlushBytes();
    m_skipChars = 0;
    m_ignorableNext = false;
    if (m_ignoredDepth > 0) {
        --m_ignoredDepth;
        return;
    }
    if (m_stack.empty())
        return; // an unbalanced closing brace
    if (m_state.destination == Destination::FontTable && !m_fontName.empty())
        OnFontTableChar(L';');
    const bool endsPicture = m_state.destination == Destination::Picture;
    m_state = m_stack.back();
    m_stack.pop_back();
    if (endsPicture && m_state.destination != Destination::Picture)
        EndPicture();
}

void RtfReader::ReadControl()
{
    if (m_pos >= m_end)
        return;
    if (!IsLetter(*m_pos)) {
        const unsigned char symbol = *m_pos++;
        if (symbol == '\'') {
            ReadHexEscape();
            return;
        }
        FlushBytes();
        if (m_skipChars > 0) {
            m_skipChars = 0;
            if (symbol == '{' || symbol == '}' || symbol == '\\')
                return; // the replacement
        }
        OnControlSymbol(symbol);
        return;
    }
    std::string word;
    while (m_pos < m_end && IsLetter(*m_pos)) {
        if (word.size() < 32)
            word += static_cast<char>(*m_pos);
        ++m_pos;
    }
    bool negative = false;
    if (m_pos + 1 < m_end && *m_pos == '-' && *(m_pos + 1) >= '0' && *(m_pos + 1) <= '9') {
        negative = true;
        ++m_pos;
    }
    bool hasParameter = false;
    long long value = 0;
    while (m_pos < m_end && *m_pos >= '0' && *m_pos <= '9') {
        hasParameter = true;
        if (value < kParameterLimit)
            value = value * 10 + (*m_pos - '0');
        ++m_pos;
    }
    value = std::min(value, kParameterLimit);
    if (m_pos < m_end && *m_pos == ' ')
        ++m_pos;
    FlushBytes();
    m_skipChars = 0;
    OnControlWord(word, hasParameter, static_cast<int>(negative ? -value : value));
}

void RtfReader::ReadHexEscape()
{
    const int high = m_pos < m_end ? HexDigit(*m_pos) : -1;
    const int low = m_pos + 1 < m_end ? HexDigit(*(m_pos + 1)) : -1;
    if (high < 0 || low < 0) { // a cut-short escape: drop it, keep what follows
        if (high >= 0)
            ++m_pos;
        return;
    }
    m_pos += 2;
    if (m_skipChars > 0) {
        --m_skipChars;
        return;
    }
    m_bytes += static_cast<char>(high * 16 + low);
}

void RtfReader::OnByte(unsigned char byte)
{
    if (m_state.destination == Destination::Picture) {
        OnPictureByte(byte);
        return;
    }
    if (m_skipChars > 0) {
        --m_skipChars;
        return;
    }
    m_bytes += static_cast<char>(byte);
}

void RtfReader::FlushBytes()
{
    if (m_bytes.empty())
        return;
    const int length = static_cast<int>(m_bytes.size());
    UINT codePage = m_codePage;
    int wideLength = MultiByteToWideChar(codePage, 0, m_bytes.data(), length, nullptr, 0);
    if (wideLength <= 0) {
        codePage = 1250;
        wideLength = MultiByteToWideChar(codePage, 0, m_bytes.data(), length, nullptr, 0);
    }
    std::wstring wide(static_cast<size_t>(std::max(wideLength, 0)), L'\0');
    if (wideLength > 0)
        MultiByteToWideChar(codePage, 0, m_bytes.data(), length, &wide[0], wideLength);
    m_bytes.clear();
    for (wchar_t ch : wide)
        OnChar(ch);
}

void RtfReader::OnControlSymbol(unsigned char symbol)
{
    switch (symbol) {
    case '*':
        m_ignorableNext = true;
        break;
    case '\\':
    case '{':
    case '}':
        OnChar(static_cast<wchar_t>(symbol));
        break;
    case '~':
        OnChar(0x00A0);
        break;
    case '_':
        OnChar(0x2011);
        break;
    case '\r':
    case '\n':
        EndParagraph(InRow());
        break;
    default:
        break; // \- optional hyphen, \| \: and the unknown
    }
}

void RtfReader::OnControlWord(const std::string &word, bool hasParameter, int parameter)
{
    const bool ignorable = m_ignorableNext;
    m_ignorableNext = false;
    if (word == "bin") { // binary data: a picture's, or skipped whatever the destination
        const size_t left = static_cast<size_t>(m_end - m_pos);
        const size_t count = std::min(left, static_cast<size_t>(std::max(parameter, 0)));
        if (m_state.destination == Destination::Picture && m_pictureNibble < 0) {
            if (m_picture.data.size() + count > kMaxPictureBytes)
                m_pictureTooLarge = true;
            else
                m_picture.data.insert(m_picture.data.end(), m_pos, m_pos + count);
        }
        m_pos += count;
        return;
    }
    if (m_state.destination == Destination::Skip)
        return;
    if (m_state.destination == Destination::Picture) {
        if (ignorable)
            m_state.destination = Destination::Skip;
        else
            OnPictureWord(word, hasParameter, parameter);
        return;
    }
    // Pictures: a \pict anywhere text or a shape is read, the one of \shppict (the RTF gives
    // \nonshppict, skipped, for readers without shapes) and an object's \result.
    if (word == "pict") {
        m_state.destination = Destination::Picture;
        m_picture = RichTextPicture();
        m_pictureNibble = -1;
        m_pictureTooLarge = false;
        return;
    }
    if (word == "shppict")
        return;
    if (m_state.destination == Destination::Shape) {
        // A shape's text box and its result for readers without shapes are not shown.
        if (word == "shptxt" || word == "shprslt")
            m_state.destination = Destination::Skip;
        return;
    }
    if (word == "shp" || word == "shpgrp") {
        m_state.destination = Destination::Shape;
        return;
    }
    if (word == "fonttbl") {
        m_state.destination = Destination::FontTable;
        return;
    }
    if (word == "colortbl") {
        m_state.destination = Destination::ColorTable;
        m_colors.clear();
        return;
    }
    if (ignorable
        || std::any_of(std::begin(kSkippedDestinations), std::end(kSkippedDestinations),
                       [&](const char *name) { return word == name; })) {
        m_state.destination = Destination::Skip;
        return;
    }
    if (m_state.destination == Destination::FontTable) {
        if (word == "f") {
            m_fontTableNumber = parameter;
            m_fontName.clear();
        }
        return;
    }
    if (m_state.destination == Destination::ColorTable) {
        const int component = Clamp(parameter, 0, 255);
        if (word == "red")
            m_red = component;
        if (word == "green")
            m_green = component;
        if (word == "blue")
            m_blue = component;
        return;
    }

    if (word == "u") {
        // Negative values are the upper half of the 16-bit range; others are damage.
        if (hasParameter && parameter >= -32768 && parameter <= 65535)
            OnChar(static_cast<wchar_t>(static_cast<unsigned short>(parameter)));
        m_skipChars = m_state.unicodeSkip;
        return;
    }
    if (word == "uc") {
        m_state.unicodeSkip = Clamp(parameter, 0, 8);
        return;
    }
    if (word == "ansicpg") {
        if (parameter > 0 && IsValidCodePage(static_cast<UINT>(parameter)))
            m_codePage = static_cast<UINT>(parameter);
        return;
    }
    if (word == "deff") {
        m_defaultFontNumber = parameter;
        return;
    }
    if (word == "deftab") {
        if (parameter > 0)
            m_document.defaultTabWidth = Clamp(parameter, 20, kMaxLength);
        return;
    }
    if (word == "par") {
        EndParagraph(InRow());
        return;
    }
    if (word == "sect") {
        m_firstSection = false;
        if (!m_paragraph.runs.empty())
            EndParagraph(InRow());
        return;
    }
    if (word == "page") {
        if (!m_paragraph.runs.empty() && !InRow())
            EndParagraph(false);
        m_pageBreakPending = true;
        return;
    }
    if (word == "cell") {
        EndCell();
        return;
    }
    if (word == "row") {
        EndRow();
        return;
    }
    for (const Symbol &symbol : kSymbols) {
        if (word == symbol.word) {
            OnChar(symbol.ch);
            return;
        }
    }
    if (OnCharacterProperty(word, hasParameter, parameter))
        return;
    if (OnParagraphProperty(word, parameter))
        return;
    if (OnPageProperty(word, parameter))
        return;
    OnTableProperty(word, parameter);
}

bool RtfReader::OnPageProperty(const std::string &word, int parameter)
{
    // Sizes of the document, or of its first section, which a word processor lets win.
    const bool section = word.size() > 3 && word.compare(word.size() - 3, 3, "sxn") == 0;
    if (section && !m_firstSection)
        return true;
    RichTextPageSetup &setup = section ? m_sectionSetup : m_document.pageSetup;
    return ApplyPageSetupWord(setup, section ? word.substr(0, word.size() - 3) : word, parameter);
}

void RtfReader::OnPictureWord(const std::string &word, bool hasParameter, int parameter)
{
    using Kind = RichTextPicture::Kind;
    RichTextPicture &picture = m_picture;
    const int size = Clamp(parameter, 0, kMaxLength);
    if (word == "pngblip") {
        picture.kind = Kind::Png;
    } else if (word == "jpegblip") {
        picture.kind = Kind::Jpeg;
    } else if (word == "emfblip") {
        picture.kind = Kind::Emf;
    } else if (word == "wmetafile") {
        picture.kind = Kind::Wmf;
        picture.metafileMapping = hasParameter ? Clamp(parameter, 1, 8) : 8;
    } else if (word == "dibitmap") {
        picture.kind = Kind::Dib;
    } else if (word == "wbitmap") {
        picture.kind = Kind::Ddb;
    } else if (word == "macpict" || word == "pmmetafile") {
        picture.kind = Kind::Unknown;
    } else if (word == "picw") {
        picture.width = size;
    } else if (word == "pich") {
        picture.height = size;
    } else if (word == "picwgoal") {
        picture.goalWidth = size;
    } else if (word == "pichgoal") {
        picture.goalHeight = size;
    } else if (word == "picscalex") {
        picture.scaleX = Clamp(parameter, 1, 1000);
    } else if (word == "picscaley") {
        picture.scaleY = Clamp(parameter, 1, 1000);
    } else if (word == "wbmbitspixel") {
        picture.ddbBitsPerPixel = Clamp(parameter, 1, 32);
    } else if (word == "wbmplanes") {
        picture.ddbPlanes = Clamp(parameter, 1, 8);
    } else if (word == "wbmwidthbytes") {
        picture.ddbWidthBytes = size;
    }
}

void RtfReader::OnPictureByte(unsigned char byte)
{
    const int digit = HexDigit(byte);
    if (digit < 0)
        return; // line ends and blanks between the digits
    if (m_pictureNibble < 0) {
        m_pictureNibble = digit;
        return;
    }
    if (m_picture.data.size() < kMaxPictureBytes)
        m_picture.data.push_back(static_cast<unsigned char>(m_pictureNibble * 16 + digit));
    else
        m_pictureTooLarge = true;
    m_pictureNibble = -1;
}

// A picture goes into the text where its group ends, as a run of its own, unless it is hidden,
// of a kind not drawn, or its data cannot be whole.
void RtfReader::EndPicture()
{
    RichTextPicture picture = std::move(m_picture);
    m_picture = RichTextPicture();
    if (m_pictureTooLarge || picture.data.empty() || picture.kind == RichTextPicture::Kind::Unknown)
        return;
    if (m_state.destination != Destination::Text && m_state.destination != Destination::Shape)
        return;
    if (m_state.hidden)
        return;
    RichTextCharFormat format = m_state.format;
    format.font = FontIndex(m_state.fontNumber);
    m_paragraph.runs.push_back(
        RichTextRun{L"\uFFFC", format, static_cast<int>(m_document.pictures.size())});
    m_document.pictures.push_back(std::move(picture));
}

bool RtfReader::OnCharacterProperty(const std::string &word, bool hasParameter, int parameter)
{
    RichTextCharFormat &format = m_state.format;
    const bool on = !hasParameter || parameter != 0;
    if (word == "plain") {
        format = RichTextCharFormat();
        m_state.fontNumber = -1;
        m_state.hidden = false;
    } else if (word == "b") {
        format.bold = on;
    } else if (word == "i") {
        format.italic = on;
    } else if (word == "strike" || word == "striked") {
        format.strikeOut = on;
    } else if (word == "ulnone") {
        format.underline = false;
    } else if (word.compare(0, 2, "ul") == 0 && word != "ulc") {
        format.underline = on; // \ul and its dotted, double, word... kinds
    } else if (word == "v") {
        m_state.hidden = on;
    } else if (word == "f") {
        m_state.fontNumber = parameter;
    } else if (word == "fs") {
        format.halfPoints = hasParameter ? Clamp(parameter, 1, kMaxHalfPoints) : 24;
    } else if (word == "cf") {
        const bool known = parameter >= 0 && static_cast<size_t>(parameter) < m_colors.size();
        format.color = known ? m_colors[static_cast<size_t>(parameter)] : RGB(0, 0, 0);
    } else {
        return false;
    }
    return true;
}

bool RtfReader::OnParagraphProperty(const std::string &word, int parameter)
{
    RichTextParagraph &paragraph = m_state.paragraph;
    if (word == "pard") {
        paragraph = RichTextParagraph();
        m_state.inTable = false;
        m_state.pageBreakBefore = false;
        m_state.nextTabAlignment = RichTextTabAlignment::Left;
    } else if (word == "ql") {
        paragraph.alignment = RichTextAlignment::Left;
    } else if (word == "qc") {
        paragraph.alignment = RichTextAlignment::Center;
    } else if (word == "qr") {
        paragraph.alignment = RichTextAlignment::Right;
    } else if (word == "qj") {
        paragraph.alignment = RichTextAlignment::Justify;
    } else if (word == "li") {
        paragraph.leftIndent = ClampLength(parameter);
    } else if (word == "ri") {
        paragraph.rightIndent = ClampLength(parameter);
    } else if (word == "fi") {
        paragraph.firstLineIndent = ClampLength(parameter);
    } else if (word == "sb") {
        paragraph.spaceBefore = Clamp(parameter, 0, kMaxLength);
    } else if (word == "sa") {
        paragraph.spaceAfter = Clamp(parameter, 0, kMaxLength);
    } else if (word == "sl") {
        paragraph.lineSpacing = ClampLength(parameter);
    } else if (word == "slmult") {
        paragraph.lineSpacingMultiple = parameter != 0;
    } else if (word == "tqr") {
        m_state.nextTabAlignment = RichTextTabAlignment::Right;
    } else if (word == "tqc") {
        m_state.nextTabAlignment = RichTextTabAlignment::Center;
    } else if (word == "tqdec") {
        m_state.nextTabAlignment = RichTextTabAlignment::Decimal;
    } else if (word == "tx") {
        std::vector<int> &stops = paragraph.tabStops;
        std::vector<RichTextTabAlignment> &alignments = paragraph.tabAlignments;
        const int stop = Clamp(parameter, 0, kMaxLength);
        if (stops.size() < static_cast<size_t>(kMaxTabStops)
            && std::find(stops.begin(), stops.end(), stop) == stops.end()) {
            const auto at = std::upper_bound(stops.begin(), stops.end(), stop);
            alignments.resize(stops.size(), RichTextTabAlignment::Left);
            alignments.insert(alignments.begin() + (at - stops.begin()), m_state.nextTabAlignment);
            stops.insert(at, stop);
        }
        m_state.nextTabAlignment = RichTextTabAlignment::Left;
    } else if (word == "keepn") {
        paragraph.keepWithNext = true;
    } else if (word == "keep") {
        paragraph.keepTogether = true;
    } else if (word == "intbl") {
        m_state.inTable = true;
    } else if (word == "pagebb") {
        m_state.pageBreakBefore = true;
    } else {
        return false;
    }
    return true;
}

bool RtfReader::OnTableProperty(const std::string &word, int parameter)
{
    if (word == "trowd") {
        // Cell paragraphs start from the default properties: the rich-edit control writes no
        // \pard inside a row, so the properties before the row are not theirs.
        m_state.paragraph = RichTextParagraph();
        m_state.nextTabAlignment = RichTextTabAlignment::Left;
        m_rowDefinition = RichTextRow();
        m_rowOpen = true;
        m_borderSide = 0;
        m_cellBorders = 0;
        m_cellBorderWidth = 15;
    } else if (word == "trleft") {
        m_rowDefinition.left = ClampLength(parameter);
    } else if (word == "trgaph") {
        m_rowDefinition.gap = Clamp(parameter, 0, 1440);
    } else if (word == "cellx") {
        if (m_rowDefinition.cells.size() < static_cast<size_t>(kMaxCellsInRow)) {
            RichTextCell cell;
            cell.right = ClampLength(parameter);
            cell.borders = m_cellBorders;
            cell.borderWidth = m_cellBorderWidth;
            m_rowDefinition.cells.push_back(cell);
        }
        m_borderSide = 0;
        m_cellBorders = 0;
        m_cellBorderWidth = 15;
    } else if (word == "clbrdrl") {
        m_borderSide = kRichTextBorderLeft;
    } else if (word == "clbrdrt") {
        m_borderSide = kRichTextBorderTop;
    } else if (word == "clbrdrr") {
        m_borderSide = kRichTextBorderRight;
    } else if (word == "clbrdrb") {
        m_borderSide = kRichTextBorderBottom;
    } else if (word == "brdrw") {
        if (m_borderSide != 0)
            m_cellBorderWidth = Clamp(parameter, 1, 255);
    } else if (word == "brdrnone" || word == "brdrnil") {
        m_cellBorders &= ~m_borderSide;
    } else if (word == "brdrt" || word == "brdrb" || word == "brdrl" || word == "brdrr" || word == "brdrbtw"
               || word == "brdrbar" || word == "box" || word.compare(0, 6, "trbrdr") == 0) {
        m_borderSide = 0; // paragraph and row borders are not drawn
    } else if (word.compare(0, 4, "brdr") == 0 && word != "brdrcf" && word != "brdrsp") {
        m_cellBorders |= m_borderSide; // a line style: \brdrs, \brdrdb, \brdrth...
    } else {
        return false;
    }
    return true;
}

void RtfReader::OnChar(wchar_t ch)
{
    switch (m_state.destination) {
    case Destination::Text:
        break;
    case Destination::FontTable:
        OnFontTableChar(ch);
        return;
    case Destination::ColorTable:
        OnColorTableChar(ch);
        return;
    case Destination::Picture:
    case Destination::Shape:
    case Destination::Skip:
        return;
    }
    if (m_state.hidden)
        return;
    RichTextCharFormat format = m_state.format;
    format.font = FontIndex(m_state.fontNumber);
    std::vector<RichTextRun> &runs = m_paragraph.runs;
    if (runs.empty() || runs.back().format != format || runs.back().picture >= 0)
        runs.push_back(RichTextRun{L"", format});
    runs.back().text += ch;
}

void RtfReader::OnFontTableChar(wchar_t ch)
{
    if (ch != L';') {
        m_fontName += ch;
        return;
    }
    const size_t first = m_fontName.find_first_not_of(L' ');
    const size_t last = m_fontName.find_last_not_of(L' ');
    const std::wstring name = first == std::wstring::npos ? std::wstring() : m_fontName.substr(first, last - first + 1);
    m_fontName.clear();
    if (name.empty() || m_fontIndexByNumber.count(m_fontTableNumber))
        return;
    m_fontIndexByNumber[m_fontTableNumber] = static_cast<int>(m_document.fonts.size());
    m_document.fonts.push_back(name);
}

void RtfReader::OnColorTableChar(wchar_t ch)
{
    if (ch != L';')
        return;
    m_colors.push_back(RGB(m_red, m_green, m_blue));
    m_red = m_green = m_blue = 0;
}

int RtfReader::FontIndex(int fontNumber) const
{
    auto found = m_fontIndexByNumber.find(fontNumber);
    if (found == m_fontIndexByNumber.end())
        found = m_fontIndexByNumber.find(m_defaultFontNumber);
    if (found != m_fontIndexByNumber.end())
        return found->second;
    return m_document.fonts.empty() ? -1 : 0;
}

void RtfReader::EndParagraph(bool intoCell)
{
    RichTextParagraph paragraph = m_state.paragraph;
    paragraph.runs = std::move(m_paragraph.runs);
    paragraph.markFormat = m_state.format;
    paragraph.markFormat.font = FontIndex(m_state.fontNumber);
    m_paragraph.runs.clear();
    if (intoCell) {
        m_cell.paragraphs.push_back(std::move(paragraph));
        return;
    }
    RichTextBlock block;
    block.pageBreakBefore = m_state.pageBreakBefore;
    block.paragraph = std::move(paragraph);
    PushBlock(std::move(block));
}

void RtfReader::EndCell()
{
    EndParagraph(true);
    if (m_cells.size() < static_cast<size_t>(kMaxCellsInRow))
        m_cells.push_back(std::move(m_cell));
    m_cell = RichTextCell();
}

void RtfReader::EndRow()
{
    if (!m_paragraph.runs.empty() || !m_cell.paragraphs.empty())
        EndCell();
    m_rowOpen = false;
    if (m_cells.empty())
        return;
    RichTextBlock block;
    block.isRow = true;
    block.row.left = m_rowDefinition.left;
    block.row.gap = m_rowDefinition.gap;
    const std::vector<RichTextCell> &defined = m_rowDefinition.cells;
    int right = m_rowDefinition.left;
    for (size_t i = 0; i < m_cells.size(); ++i) {
        RichTextCell cell = std::move(m_cells[i]);
        if (i < defined.size() && defined[i].right > right) {
            cell.right = defined[i].right;
            cell.borders = defined[i].borders;
            cell.borderWidth = defined[i].borderWidth;
        } else {
            cell.right = std::min(right + 1440, kMaxLength); // a cell the row did not define
        }
        right = cell.right;
        block.row.cells.push_back(std::move(cell));
    }
    m_cells.clear();
    PushBlock(std::move(block));
}

void RtfReader::PushBlock(RichTextBlock block)
{
    block.pageBreakBefore = block.pageBreakBefore || m_pageBreakPending;
    m_pageBreakPending = false;
    m_document.blocks.push_back(std::move(block));
}

void AppendParagraphText(const RichTextParagraph &paragraph, std::wstring &text)
{
    for (const RichTextRun &run : paragraph.runs)
        text += run.text;
}

} // namespace

bool ApplyPageSetupWord(RichTextPageSetup &setup, const std::string &word, int parameter)
{
    const int length = Clamp(parameter, 0, kMaxLength);
    if (word == "paperw" || word == "pgw")
        setup.paperWidth = length;
    else if (word == "paperh" || word == "pgh")
        setup.paperHeight = length;
    else if (word == "margl")
        setup.marginLeft = length;
    else if (word == "margr")
        setup.marginRight = length;
    else if (word == "margt")
        setup.marginTop = length;
    else if (word == "margb")
        setup.marginBottom = length;
    else if (word == "landscape" || word == "lndscp")
        setup.landscape = true;
    else
        return false;
    return true;
}

RichTextDocument RichTextDocument::FromRtf(const char *rtf, size_t length)
{
    return RtfReader(rtf, length).Read();
}

std::wstring RichTextDocument::PlainText() const
{
    std::wstring text;
    for (const RichTextBlock &block : blocks) {
        if (!block.isRow) {
            AppendParagraphText(block.paragraph, text);
        } else {
            for (const RichTextCell &cell : block.row.cells) {
                for (size_t i = 0; i < cell.paragraphs.size(); ++i) {
                    if (i > 0)
                        text += L'\n';
                    AppendParagraphText(cell.paragraphs[i], text);
                }
                text += L'\t';
            }
        }
        text += L'\n';
    }
    return text;
}
