// Where an exported document's layout leaves its template's: the page set-up, and the
// justification of the template's paragraphs.
#pragma once

#include <map>
#include <string>

#include "framework/core/codepage.h"
#include "framework/shell/rich_text_document.h"

namespace output_layout {

inline std::wstring ParagraphText(const RichTextParagraph &paragraph)
{
    std::wstring text;
    for (const RichTextRun &run : paragraph.runs)
        text += run.text;
    const size_t first = text.find_first_not_of(L" \t");
    const size_t last = text.find_last_not_of(L" \t");
    return first == std::wstring::npos ? std::wstring() : text.substr(first, last - first + 1);
}

// The paragraphs of a document by their text; a text that stands in differently aligned
// paragraphs is left out.
inline std::map<std::wstring, RichTextAlignment> AlignmentsByText(const RichTextDocument &document)
{
    std::map<std::wstring, RichTextAlignment> alignments;
    std::map<std::wstring, bool> ambiguous;
    for (const RichTextBlock &block : document.blocks) {
        if (block.isRow)
            continue;
        const std::wstring text = ParagraphText(block.paragraph);
        const auto found = alignments.find(text);
        if (found != alignments.end() && found->second != block.paragraph.alignment)
            ambiguous[text] = true;
        alignments[text] = block.paragraph.alignment;
    }
    for (const auto &text : ambiguous)
        alignments.erase(text.first);
    return alignments;
}

// "" when the export states the template's paper and margins (A4 paper where the template
// states none) and justifies every paragraph the template justifies that reaches it as the
// template has it: text with no tag in it, long enough to be the template's own sentence.
inline std::string LayoutFaults(const std::string &templateRtf, const std::string &exportedRtf)
{
    const RichTextDocument source = RichTextDocument::FromRtf(templateRtf);
    const RichTextDocument exported = RichTextDocument::FromRtf(exportedRtf);
    std::string faults;
    const RichTextPageSetup &wanted = source.pageSetup;
    const RichTextPageSetup &page = exported.pageSetup;
    const int width = wanted.paperWidth > 0 ? wanted.paperWidth : 11906;
    const int height = wanted.paperHeight > 0 ? wanted.paperHeight : 16838;
    if (page.paperWidth != width || page.paperHeight != height || page.landscape != wanted.landscape)
        faults += " paper " + std::to_string(page.paperWidth) + "x" + std::to_string(page.paperHeight) + ";";
    const int margins[][2] = {{wanted.marginLeft, page.marginLeft},
                              {wanted.marginRight, page.marginRight},
                              {wanted.marginTop, page.marginTop},
                              {wanted.marginBottom, page.marginBottom}};
    for (const auto &margin : margins)
        if (margin[1] < 0 || (margin[0] >= 0 && margin[0] != margin[1]))
            faults += " margin " + std::to_string(margin[1]) + " for " + std::to_string(margin[0]) + ";";
    const std::map<std::wstring, RichTextAlignment> shown = AlignmentsByText(exported);
    for (const auto &paragraph : AlignmentsByText(source)) {
        const std::wstring &text = paragraph.first;
        if (paragraph.second != RichTextAlignment::Justify || text.size() < 40 || text.find(L'<') != std::wstring::npos)
            continue;
        const auto found = shown.find(text);
        if (found != shown.end() && found->second != RichTextAlignment::Justify)
            faults += " not justified: \"" + std::string(WideToCp1250(text.substr(0, 50)).GetString()) + "\";";
    }
    return faults;
}

} // namespace output_layout
