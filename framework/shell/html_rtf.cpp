#include "framework/shell/html_rtf.h"

namespace {

const int bodyFontSize = 20; // half-points

void AppendText(std::string &rtf, const std::wstring &text)
{
    for (wchar_t c : text) {
        if (c == L'\\' || c == L'{' || c == L'}') {
            rtf += '\\';
            rtf += (char)c;
        } else if (c == L'\t') {
            rtf += "\\tab ";
        } else if (c >= 0x20 && c < 0x7F) {
            rtf += (char)c;
        } else {
            rtf += "\\u" + std::to_string((int)(short)c) + "?";
        }
    }
}

void AppendRun(std::string &rtf, const HtmlRun &run)
{
    rtf += (run.style & htmlMonospace) ? "{\\f1" : "{\\f0";
    rtf += "\\fs" + std::to_string(run.fontSize != 0 ? run.fontSize : bodyFontSize);
    if (run.style & htmlBold)
        rtf += "\\b";
    if (run.style & htmlItalic)
        rtf += "\\i";
    if ((run.style & htmlUnderline) || run.link >= 0)
        rtf += "\\ul";
    if (run.style & htmlStrike)
        rtf += "\\strike";
    if (run.style & htmlSuperscript)
        rtf += "\\super";
    if (run.style & htmlSubscript)
        rtf += "\\sub";
    if (run.link >= 0)
        rtf += "\\cf1";
    rtf += ' ';
    AppendText(rtf, run.text);
    rtf += '}';
}

void AppendParagraphFormat(std::string &rtf, const HtmlParagraph &paragraph)
{
    rtf += "\\pard";
    if (paragraph.leftIndent != 0)
        rtf += "\\li" + std::to_string(paragraph.leftIndent);
    if (paragraph.firstLineIndent != 0)
        rtf += "\\fi" + std::to_string(paragraph.firstLineIndent);
    if (paragraph.align == HtmlAlign::center)
        rtf += "\\qc";
    if (paragraph.align == HtmlAlign::right)
        rtf += "\\qr";
    rtf += "\\sa" + std::to_string(paragraph.spaceAfter);
    for (int stop : paragraph.tabStops)
        rtf += "\\tx" + std::to_string(stop);
    rtf += ' ';
}

} // namespace

std::string HtmlPageToRtf(const HtmlPage &page)
{
    std::string rtf = "{\\rtf1\\ansi\\ansicpg1250\\deff0\\uc1"
                      "{\\fonttbl{\\f0\\fswiss\\fcharset238 Arial;}{\\f1\\fmodern\\fcharset238 Courier New;}}"
                      "{\\colortbl;\\red0\\green0\\blue255;}\n";
    for (size_t i = 0; i < page.paragraphs.size(); ++i) {
        AppendParagraphFormat(rtf, page.paragraphs[i]);
        for (const HtmlRun &run : page.paragraphs[i].runs)
            AppendRun(rtf, run);
        if (i + 1 < page.paragraphs.size())
            rtf += "\\par\n";
    }
    rtf += "}";
    return rtf;
}
