// Whether a proceeding's name can be the name of its folder inside the working folder.
#pragma once

#include "framework/core/cstring.h"

// True when the name is one folder name: not empty, no path separator, no character Windows
// forbids in a file name, no control character, not "." or "..", no dot or blank at its end
// (Windows would drop it and the folder would be named otherwise), and no device name such
// as "CON" or "LPT1".
bool IsValidFolderName(const CString &name);
