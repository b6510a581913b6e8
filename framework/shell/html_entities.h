#pragma once
// Character references of HTML text and attribute values: "&amp;", "&oacute;", "&#261;",
// "&#x105;". Unknown names stay as they were written, as browsers leave them.

#include <string>

// Decodes the reference that starts at text[pos] (an '&'): appends its character to out and
// returns how many characters it took, or 0 when nothing there is a reference.
size_t DecodeHtmlEntity(const std::wstring &text, size_t pos, std::wstring &out);

// The text with every reference decoded.
std::wstring DecodeHtmlEntities(const std::wstring &text);
