#pragma once
// The converter's one job: Tavrimonk.exe <format> "<RTF file>" "<target>" "<table file>",
// format 0 a DOC (the RTF under the target's name, which word processors open), 1 HTML.

#include <string>
#include <vector>

// Arguments after the program's name. Returns an empty string on success, otherwise the
// Polish message that says what went wrong; the target is then left as it was.
std::string RunConversion(const std::vector<std::wstring> &arguments);
