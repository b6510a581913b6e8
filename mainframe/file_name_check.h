// Names the user types that become file or folder names.
#pragma once

#include "framework/core/cstring.h"

// The name with every character a file name cannot hold (\ / * ' " ? | : < > and control
// characters) replaced by "_".
CString ReplaceForbiddenFileNameChars(const CString &name);
// A name that can stand alone as a file name: not empty, not "." or "..", no forbidden
// character, and no blank or full stop at its end.
bool IsUsableFileName(const CString &name);
