#pragma once
// Text crosses into Win32 as UTF-16 converted from code page 1250 here, and comes back the
// same way, so Polish text is right whatever the machine's ANSI code page.
// Characters that code page 1250 lacks come back as '?'.

#include "framework/core/cstring.h"

#include <string>

std::wstring Cp1250ToWide(const char *text, int length = -1);
std::wstring Cp1250ToWide(const CString &text);
CString WideToCp1250(const wchar_t *text, int length = -1);
CString WideToCp1250(const std::wstring &text);
