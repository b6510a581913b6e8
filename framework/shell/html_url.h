#pragma once
// Addresses the HTML view follows. Local pages are written "file:///C:/folder/page.htm";
// a link is resolved against the page it is on, as a browser does.

#include <string>

// The scheme in lower case ("http", "file", "app"), empty for a path ("C:\x" has none).
std::wstring HtmlUrlScheme(const std::wstring &url);

// The absolute address of href on the page at base (empty base: the current folder). Paths
// and "file:" addresses come out as "file:///..." with "." and ".." resolved and escapes
// such as "%20" decoded; addresses of other schemes come out as written.
std::wstring ResolveHtmlUrl(const std::wstring &base, const std::wstring &href);

// The file path of a "file:" address without its "#name"; empty for any other scheme.
std::wstring LocalPathOfHtmlUrl(const std::wstring &url);

// The "#name" part of an address without the '#', empty when none.
std::wstring HtmlUrlFragment(const std::wstring &url);
