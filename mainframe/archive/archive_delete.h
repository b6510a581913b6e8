// Deleting a proceeding's folder from the browsed folder: never anything outside it.
#pragma once

#include "framework/core/cstring.h"

// True for a single, plain folder name: not empty, not "." or "..", no drive, separator or
// wildcard, and no trailing dot or blank (Windows would drop them and name another folder).
bool IsProceedingFolderName(const CString &name);

// Deletes <parent>\<name> with everything in it, read-only files too. Links inside (and the
// folder itself, when it is one) are removed as links and never followed. False when the name or
// the parent is refused, when there is no such folder, or when anything could not be deleted.
bool DeleteProceedingFolder(const CString &parent, const CString &name);
