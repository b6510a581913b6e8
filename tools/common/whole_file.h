// Whole files in and out for the small sibling programs: a file read at once, and a file
// written beside itself and moved over the old one, so a failed write leaves the old file.
#pragma once

#include <string>

bool ReadWholeFile(const std::wstring &path, std::string &bytes);
bool WriteThroughTemporary(const std::wstring &path, const std::string &bytes);
