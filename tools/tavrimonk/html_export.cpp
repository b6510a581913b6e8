#include "tools/tavrimonk/html_export.h"

#include <windows.h>

#include <cstdio>
#include <cwctype>

namespace {

const wchar_t kTablePlaceholder[] = L"<<table>>";
// Faces whose every character is as wide as the next: text tables drawn in them line up only
// with their blanks and lines kept.
const wchar_t *const kFixedPitchFaces[] = {L"Courier New", L"Courier", L"Lucida Console", L"Consolas",
                                           L"Liberation Mono"};

void AppendEscaped(std::string &html, const std::string &cp1250)
{
    for (char c : cp1250) {
        switch (c) {
        case '&':
            html += "&amp;";
            break;
        case '<':
            html += "&lt;";
            break;
        case '>':
            html += "&gt;";
            break;
        case '"':
            html += "&quot;";
            break;
        default:
            html += c;
            break;
        }
    }
}

// One character in code page 1250, or a numeric reference when the code page lacks it.
void AppendCharacter(std::string &html, unsigned codePoint)
{
    if (codePoint < 0x80) {
        AppendEscaped(html, std::string(1, static_cast<char>(codePoint)));
        return;
    }
    if (codePoint < 0x10000) {
        wchar_t wide = static_cast<wchar_t>(codePoint);
        char narrow[4];
        BOOL usedDefault = FALSE;
        int length =
            ::WideCharToMultiByte(1250, WC_NO_BEST_FIT_CHARS, &wide, 1, narrow, sizeof narrow, nullptr, &usedDefault);
        if (length == 1 && !usedDefault) {
            html += narrow[0];
            return;
        }
    }
    html += "&#" + std::to_string(codePoint) + ";";
}

// Preformatted text keeps its line breaks and tabs as they are.
void AppendText(std::string &html, const std::wstring &text, bool preformatted)
{
    for (size_t i = 0; i < text.size(); ++i) {
        unsigned c = text[i];
        if (preformatted && (c == L'\n' || c == L'\t')) {
            html += static_cast<char>(c);
        } else if (c == L'\n') {
            html += "<br>";
        } else if (c == L'\t') {
            html += ' ';
        } else if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000) {
            AppendCharacter(html, 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00));
            ++i;
        } else {
            AppendCharacter(html, c);
        }
    }
}

const char *AlignmentStyle(RichTextAlignment alignment)
{
    switch (alignment) {
    case RichTextAlignment::Center:
        return "text-align:center;";
    case RichTextAlignment::Right:
        return "text-align:right;";
    case RichTextAlignment::Justify:
        return "text-align:justify;";
    case RichTextAlignment::Left:
        break;
    }
    return "";
}

// Twips as CSS points, to the tenth.
std::string Points(int twips)
{
    char text[32];
    snprintf(text, sizeof text, "%gpt", twips / 20.0);
    return text;
}

// The paragraph's alignment, its indents (a numbered point's lines after the first stand under
// its text) and a page break before it, as a style attribute; empty when it needs none.
std::string ParagraphStyle(const RichTextParagraph &paragraph, bool pageBreakBefore)
{
    std::string style = AlignmentStyle(paragraph.alignment);
    if (paragraph.leftIndent != 0)
        style += "margin-left:" + Points(paragraph.leftIndent) + ";";
    if (paragraph.rightIndent != 0)
        style += "margin-right:" + Points(paragraph.rightIndent) + ";";
    if (paragraph.firstLineIndent != 0)
        style += "text-indent:" + Points(paragraph.firstLineIndent) + ";";
    if (pageBreakBefore)
        style += "page-break-before:always;";
    if (style.empty())
        return style;
    style.pop_back();
    return " style=\"" + style + "\"";
}

std::wstring ParagraphText(const RichTextParagraph &paragraph)
{
    std::wstring text;
    for (const RichTextRun &run : paragraph.runs)
        text += run.text;
    return text;
}

bool IsTablePlaceholder(const RichTextParagraph &paragraph)
{
    std::wstring text = ParagraphText(paragraph);
    size_t first = text.find_first_not_of(L" \t");
    size_t last = text.find_last_not_of(L" \t");
    return first != std::wstring::npos && text.compare(first, last - first + 1, kTablePlaceholder) == 0;
}

bool SameFace(const std::wstring &a, const wchar_t *b)
{
    size_t i = 0;
    for (; i < a.size() && b[i] != L'\0'; ++i)
        if (std::towlower(a[i]) != std::towlower(b[i]))
            return false;
    return i == a.size() && b[i] == L'\0';
}

bool IsFixedPitch(const RichTextDocument &document, const RichTextCharFormat &format)
{
    const int font = format.font >= 0 ? format.font : document.defaultFont;
    if (font < 0 || font >= static_cast<int>(document.fonts.size()))
        return false;
    for (const wchar_t *face : kFixedPitchFaces)
        if (SameFace(document.fonts[static_cast<size_t>(font)], face))
            return true;
    return false;
}

// A line of a text table: text, all of it in a fixed-pitch face.
bool IsFixedPitchLine(const RichTextDocument &document, const RichTextParagraph &paragraph)
{
    bool any = false;
    for (const RichTextRun &run : paragraph.runs) {
        if (run.text.empty())
            continue;
        if (run.picture >= 0 || !IsFixedPitch(document, run.format))
            return false;
        any = true;
    }
    return any;
}

void AppendParagraphContent(std::string &html, const RichTextParagraph &paragraph, bool preformatted = false)
{
    bool any = false;
    for (const RichTextRun &run : paragraph.runs) {
        if (run.text.empty())
            continue;
        any = true;
        const RichTextCharFormat &f = run.format;
        if (f.bold)
            html += "<b>";
        if (f.italic)
            html += "<i>";
        if (f.underline)
            html += "<u>";
        AppendText(html, run.text, preformatted);
        if (f.underline)
            html += "</u>";
        if (f.italic)
            html += "</i>";
        if (f.bold)
            html += "</b>";
    }
    if (!any && !preformatted)
        html += "&nbsp;";
}

void AppendParagraph(std::string &html, const RichTextParagraph &paragraph, bool pageBreakBefore)
{
    html += "<p";
    html += ParagraphStyle(paragraph, pageBreakBefore);
    html += '>';
    AppendParagraphContent(html, paragraph);
    html += "</p>\n";
}

// The cells of a text table end with a blank (continuation lines are joined by blanks).
std::string TrimBlanks(const std::string &text)
{
    size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return std::string();
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

void AppendTextTable(std::string &html, const TextTable &table)
{
    html += "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n";
    for (int row = 0; row < table.rows; ++row) {
        html += "<tr>";
        for (int column = 0; column < table.columns; ++column) {
            html += "<td>";
            std::string cell = TrimBlanks(table.Cell(row, column));
            if (cell.empty()) {
                html += "&nbsp;";
            } else {
                AppendEscaped(html, cell);
            }
            html += "</td>";
        }
        html += "</tr>\n";
    }
    html += "</table>\n";
}

void AppendRow(std::string &html, const RichTextRow &row)
{
    html += "<tr>";
    for (const RichTextCell &cell : row.cells) {
        html += "<td>";
        for (size_t i = 0; i < cell.paragraphs.size(); ++i) {
            if (i > 0)
                html += "<br>";
            AppendParagraphContent(html, cell.paragraphs[i]);
        }
        html += "</td>";
    }
    html += "</tr>\n";
}

// Consecutive lines of a text table at one indent become one preformatted block in the
// table's face, so that its columns stand as on screen.
void AppendFixedPitchLine(std::string &html, const RichTextParagraph &paragraph, bool pageBreakBefore,
                          const RichTextParagraph *&openBlock)
{
    if (openBlock != nullptr && !pageBreakBefore && openBlock->leftIndent == paragraph.leftIndent) {
        html += '\n';
    } else {
        if (openBlock != nullptr)
            html += "</pre>\n";
        html += "<pre style=\"";
        if (paragraph.leftIndent != 0)
            html += "margin-left:" + Points(paragraph.leftIndent) + ";";
        if (pageBreakBefore)
            html += "page-break-before:always;";
        html += "font-family:'Courier New',monospace\">";
    }
    openBlock = &paragraph;
    AppendParagraphContent(html, paragraph, true);
}

} // namespace

std::string DocumentToHtml(const RichTextDocument &document, const std::vector<TextTable> &tables)
{
    std::string html = "<!DOCTYPE html>\n<html>\n<head>\n"
                       "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1250\">\n"
                       "</head>\n<body>\n";
    size_t nextTable = 0;
    bool inRows = false;
    const RichTextParagraph *openBlock = nullptr; // the last line of the open preformatted block
    for (const RichTextBlock &block : document.blocks) {
        // The placeholder keeps the table's face: it is the side file's table all the same.
        const bool placeholder = !block.isRow && IsTablePlaceholder(block.paragraph) && nextTable < tables.size();
        const bool fixedPitchLine = !block.isRow && !placeholder && IsFixedPitchLine(document, block.paragraph);
        if (openBlock != nullptr && !fixedPitchLine) {
            html += "</pre>\n";
            openBlock = nullptr;
        }
        if (block.isRow != inRows) {
            html += block.isRow ? "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n" : "</table>\n";
            inRows = block.isRow;
        }
        if (placeholder) {
            AppendTextTable(html, tables[nextTable++]);
        } else if (fixedPitchLine) {
            AppendFixedPitchLine(html, block.paragraph, block.pageBreakBefore, openBlock);
        } else if (block.isRow) {
            AppendRow(html, block.row);
        } else {
            AppendParagraph(html, block.paragraph, block.pageBreakBefore);
        }
    }
    if (openBlock != nullptr)
        html += "</pre>\n";
    if (inRows)
        html += "</table>\n";
    html += "</body>\n</html>\n";
    return html;
}
