// Copying and emptying folders. Failures of single entries are passed over.
#pragma once

#include "framework/core/cstring.h"

// Copies every file of the source into the target (created one level deep), overwriting, and
// the subfolders too when recurse is not 0.
void CopyFolder(const CString &source, const CString &target, int recurse);

// Deletes every file directly inside the folder; subfolders and the folder itself stay.
void DeleteFolder(const CString &folder);
