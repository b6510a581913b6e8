#pragma once
// The text of an RTF template as a rich-edit control shows it, with the place in the RTF of
// each character, so that an edit of the text can be written back into the template's own RTF:
// the control's own RTF would drop the page set-up and change paragraph indents.

#include <string>
#include <vector>

struct RtfText {
    std::wstring text;          // '\r' ends a paragraph, '\t' is a tab
    std::vector<size_t> begin;  // per character: the first byte of what makes it in the RTF
    std::vector<size_t> end;    // per character: the byte after it, a control word's blank too
    size_t bodyEnd = 0;         // the closing brace of the document
};

// Reads the shown text of an RTF template in code page 1250 (\'xx, \uN, \par, \tab and the
// like); groups such as the font table add nothing to it.
RtfText ReadRtfText(const std::string &rtf);

// The template's RTF with its shown text changed from mapped.text to changed: the characters
// that differ are replaced in place; every control word and every byte outside them stays.
// New text takes the formatting of the text it replaces, or of the text before it (at the
// start of a paragraph: after it).
std::string ReplaceRtfText(const std::string &rtf, const RtfText &mapped, const std::wstring &changed);
