// The rich-edit stream callbacks through which RTF text moves between a string and a control
// (EDITSTREAM::pfnCallback, with the string's address as dwCookie).
#pragma once

#include <windows.h>

// Hands the control the string's next bytes and keeps only the rest in the string, so the
// stream ends when the string is empty: pass a copy that may be consumed.
DWORD CALLBACK StreamInFromString(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG *got);
// Appends the control's bytes to the string.
DWORD CALLBACK StreamOutToString(DWORD_PTR cookie, LPBYTE bytes, LONG count, LONG *written);
