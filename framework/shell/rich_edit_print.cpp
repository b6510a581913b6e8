#include "framework/shell/rich_edit_print.h"

#include <richedit.h>

#include <cctype>
#include <cstdlib>
#include <string>
#include <utility>

namespace {

DWORD CALLBACK AppendRtf(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG *written)
{
    reinterpret_cast<std::string *>(cookie)->append(reinterpret_cast<const char *>(buffer), static_cast<size_t>(count));
    *written = count;
    return 0;
}

std::string StreamOutRtf(HWND control)
{
    std::string rtf;
    EDITSTREAM stream{};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(&rtf);
    stream.pfnCallback = AppendRtf;
    ::SendMessageW(control, EM_STREAMOUT, SF_RTF, reinterpret_cast<LPARAM>(&stream));
    return rtf;
}

} // namespace

std::string SeparateCellEdgesFromText(const std::string &rtf, int pageWidthTwips)
{
    static const char kEdge[] = "\\cellx";
    const size_t edgeLength = sizeof kEdge - 1;
    std::string result;
    size_t copied = 0;
    for (size_t at = rtf.find(kEdge); at != std::string::npos; at = rtf.find(kEdge, at + 1)) {
        const size_t digits = at + edgeLength;
        size_t end = digits;
        while (end < rtf.size() && end - digits < 12 && rtf[end] >= '0' && rtf[end] <= '9')
            ++end;
        long long value = 0;
        size_t within = digits; // the end of the longest leading part within the page
        for (size_t i = digits; i < end; ++i) {
            value = value * 10 + (rtf[i] - '0');
            if (value <= pageWidthTwips)
                within = i + 1;
        }
        if (within == end || within == digits)
            continue;
        result.append(rtf, copied, within - copied);
        result += ' ';
        copied = within;
    }
    result.append(rtf, copied, std::string::npos);
    return result;
}

namespace {

// A control word at `at` (its backslash): its letters and its number, if any.
struct ControlWord {
    std::string letters;
    long value = 0;
    size_t end = 0;
};

bool ReadControlWord(const std::string &rtf, size_t at, ControlWord &word)
{
    if (at + 1 >= rtf.size() || rtf[at] != '\\' || !isalpha(static_cast<unsigned char>(rtf[at + 1])))
        return false;
    size_t end = at + 1;
    while (end < rtf.size() && isalpha(static_cast<unsigned char>(rtf[end])))
        ++end;
    word.letters.assign(rtf, at + 1, end - at - 1);
    const size_t number = end;
    if (end < rtf.size() && rtf[end] == '-')
        ++end;
    while (end < rtf.size() && end - number < 10 && isdigit(static_cast<unsigned char>(rtf[end])))
        ++end;
    word.value = end > number ? strtol(rtf.c_str() + number, nullptr, 10) : 0;
    word.end = end;
    return true;
}

} // namespace

std::string CorrectWineParagraphIndents(const std::string &rtf)
{
    if (rtf.find("{\\*\\generator Wine Riched20") == std::string::npos)
        return rtf;
    static const char kPard[] = "\\pard";
    std::string result;
    size_t copied = 0;
    for (size_t at = rtf.find(kPard); at != std::string::npos; at = rtf.find(kPard, at + 1)) {
        // The control words that follow \pard up to the first text or blank.
        size_t end = at + sizeof kPard - 1;
        if (end < rtf.size() && isalpha(static_cast<unsigned char>(rtf[end])))
            continue;
        std::string kept;
        long writtenLeft = 0;
        long writtenFirst = 0;
        ControlWord word;
        while (ReadControlWord(rtf, end, word)) {
            if (word.letters == "li")
                writtenLeft = word.value;
            else if (word.letters == "fi")
                writtenFirst = word.value;
            else
                kept.append(rtf, end, word.end - end);
            end = word.end;
        }
        if (writtenLeft == 0 && writtenFirst == 0)
            continue;
        // Written as \li the offset of the lines after the first and as \fi where the first
        // line starts: the left indent is their sum and the first line starts back by the offset.
        const long left = writtenLeft + writtenFirst;
        const long first = -writtenLeft;
        result.append(rtf, copied, at + sizeof kPard - 1 - copied);
        result += kept;
        if (left != 0)
            result += "\\li" + std::to_string(left);
        if (first != 0)
            result += "\\fi" + std::to_string(first);
        copied = end;
    }
    result.append(rtf, copied, std::string::npos);
    return result;
}

std::string StartWineTableCellParagraphs(const std::string &rtf)
{
    if (rtf.find("{\\*\\generator Wine Riched20") == std::string::npos)
        return rtf;
    static const char kRowStart[] = "\\trowd";
    std::string result;
    size_t copied = 0;
    for (size_t at = rtf.find(kRowStart); at != std::string::npos; at = rtf.find(kRowStart, at + 1)) {
        // The row's definition runs up to the first text, or to the first cell's own \pard.
        size_t end = at;
        ControlWord word;
        while (ReadControlWord(rtf, end, word) && word.letters != "pard") {
            end = word.end;
            if (end < rtf.size() && rtf[end] == ' ')
                ++end;
            while (end < rtf.size() && (rtf[end] == '\r' || rtf[end] == '\n'))
                ++end;
        }
        if (word.letters == "pard")
            continue;
        result.append(rtf, copied, end - copied);
        result += "\\pard\\intbl ";
        copied = end;
    }
    result.append(rtf, copied, std::string::npos);
    return result;
}

std::string PageSetupWords(CSize paperTwips, const CRect &marginsTwips)
{
    const std::pair<const char *, LONG> lengths[] = {{"paperw", paperTwips.cx},    {"paperh", paperTwips.cy},
                                                     {"margl", marginsTwips.left}, {"margr", marginsTwips.right},
                                                     {"margt", marginsTwips.top},  {"margb", marginsTwips.bottom}};
    std::string words;
    for (const auto &length : lengths)
        words += std::string("\\") + length.first + std::to_string(length.second);
    if (paperTwips.cx > paperTwips.cy)
        words += "\\landscape";
    return words;
}

std::string WithDocumentWords(const std::string &rtf, const std::string &words)
{
    // The first \pard or \trowd outside the header's groups starts the text.
    int depth = 0;
    size_t at = 0;
    for (; at < rtf.size(); ++at) {
        const char c = rtf[at];
        if (c == '{') {
            ++depth;
        } else if (c == '}') {
            if (--depth == 0)
                break;
        } else if (c == '\\') {
            ControlWord word;
            if (depth == 1 && ReadControlWord(rtf, at, word) && (word.letters == "pard" || word.letters == "trowd"))
                break;
            ++at; // the escaped character or the word's first letter
        }
    }
    if (at >= rtf.size())
        return rtf;
    return rtf.substr(0, at) + words + rtf.substr(at);
}

std::string StreamOutRichEditRtf(HWND control, CSize paperTwips, const CRect &marginsTwips)
{
    const std::string rtf = SeparateCellEdgesFromText(StreamOutRtf(control), paperTwips.cx);
    return WithDocumentWords(CorrectWineParagraphIndents(StartWineTableCellParagraphs(rtf)),
                             PageSetupWords(paperTwips, marginsTwips));
}

void CRichEditPages::Paginate(HWND control, CSize paperTwips, const CRect &marginsTwips, HDC referenceDC)
{
    Paginate(StreamOutRichEditRtf(control, paperTwips, marginsTwips), paperTwips, marginsTwips, referenceDC);
}

void CRichEditPages::Paginate(const std::string &rtf, CSize paperTwips, const CRect &marginsTwips, HDC referenceDC)
{
    RichTextPageSize defaults;
    defaults.width = paperTwips.cx;
    defaults.height = paperTwips.cy;
    defaults.margins = marginsTwips;
    const RichTextDocument document = RichTextDocument::FromRtf(rtf);
    m_layout.reset(new RichTextLayout(document, PageSizeOf(document.pageSetup, defaults), referenceDC));
}

void CRichEditPages::SetPageTexts(RichTextPageText header, RichTextPageText footer)
{
    if (m_layout)
        m_layout->SetPageTexts(std::move(header), std::move(footer));
}

void CRichEditPages::DrawPage(HDC dc, int page, const RECT &sheet) const
{
    if (m_layout)
        m_layout->DrawPage(dc, page, sheet);
}

RECT PrinterSheet(HDC printerDC)
{
    const int offsetX = ::GetDeviceCaps(printerDC, PHYSICALOFFSETX);
    const int offsetY = ::GetDeviceCaps(printerDC, PHYSICALOFFSETY);
    return RECT{-offsetX, -offsetY, ::GetDeviceCaps(printerDC, PHYSICALWIDTH) - offsetX,
                ::GetDeviceCaps(printerDC, PHYSICALHEIGHT) - offsetY};
}
