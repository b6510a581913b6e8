#pragma once
// The program's text is code page 1250; the databases hold UTF-8, so that any SQLite tool
// reads them right. A character that code page 1250 lacks reads as '?'; bytes that are not
// UTF-8 read as '?' too.
#include <string>

#include "framework/core/cstring.h"

std::string Utf8FromCp1250(const CString &text);
CString Cp1250FromUtf8(const std::string &text);
