// Finding a text in the plain text of the shown document.
#pragma once

#include "framework/core/cstring.h"

// The first position at or after from where what stands in text, the letter case of code page
// 1250 (Polish letters too) ignored unless matchCase; -1 when there is none or what is empty.
int FindTextFrom(const CString &text, const CString &what, int from, bool matchCase);
