#pragma once
// The bytes of a page as UTF-16. The code page comes from a byte-order mark, else from the
// charset a <meta> tag names, else UTF-8 when the bytes are valid UTF-8, else code page 1250
// (the program's own pages are Polish).

#include <windows.h>

#include <string>

UINT HtmlPageCodePage(const std::string &bytes);
std::wstring DecodeHtmlPage(const std::string &bytes);
