// Splitting and trimming of the program's single-byte texts.
#pragma once

#include "framework/core/cstring.h"

// Split at every match of the separator; a further match is searched from one character after
// the start of the previous one, so every item after a match of a longer separator begins with
// the rest of that separator. The caller frees the array with delete[].
CString *SplitString(const CString &text, const CString &separator, int &count);          // drops empty items
CString *SplitStringKeepEmpty(const CString &text, const CString &separator, int &count); // keeps them

// The text without any of the characters at its start and then at its end.
CString TrimChars(const CString &text, const CString &characters);

// Spaces removed, then every "," made ".".
CString NormalizeNumberText(const CString &text);
