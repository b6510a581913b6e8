#pragma once
// An HTML page read into paragraphs of styled runs: the form the HTML view shows it in.
//
// Kept: the title, headings, paragraphs, line breaks, bold, italic, underlined, struck and
// monospace text, superscripts and subscripts, lists (marker and indent), definition lists and
// quotations (indent), centred blocks, simple tables (one paragraph per row, cells separated by
// tabs), links, named anchors and the alternative texts of images. Everything else is read past.
// Broken markup never fails: a stray '<' is text, unknown and unmatched tags are ignored, and
// what is left open ends with the page.

#include <string>
#include <utility>
#include <vector>

enum HtmlTextStyle : unsigned {
    htmlBold = 1,
    htmlItalic = 2,
    htmlUnderline = 4,
    htmlStrike = 8,
    htmlMonospace = 16,
    htmlSuperscript = 32,
    htmlSubscript = 64,
};

struct HtmlRun {
    std::wstring text;
    unsigned style = 0; // HtmlTextStyle bits
    int fontSize = 0;   // half-points; 0 for the body size
    int link = -1;      // index in HtmlPage::links
};

enum class HtmlAlign { left, center, right };

struct HtmlParagraph {
    std::vector<HtmlRun> runs;
    int leftIndent = 0;      // twips
    int firstLineIndent = 0; // twips; negative for a hanging list marker
    int spaceAfter = 0;      // twips
    HtmlAlign align = HtmlAlign::left;
    std::vector<int> tabStops; // twips, for the cells of a table row

    std::wstring Text() const;
};

struct HtmlLink {
    std::wstring href; // as written in the page, references decoded
    long start = 0;    // in the page's plain text
    long length = 0;   // 0 when the link has no text to click
};

struct HtmlPage {
    std::wstring title;
    std::vector<HtmlParagraph> paragraphs;
    std::vector<HtmlLink> links;
    // Targets of "#name" links: the name and its offset in the plain text.
    std::vector<std::pair<std::wstring, long>> anchors;

    // The paragraphs joined by "\r", as the rich edit counts them.
    std::wstring PlainText() const;
};

HtmlPage ParseHtmlPage(const std::wstring &html);
