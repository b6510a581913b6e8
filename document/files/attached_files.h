// The proceeding's own files: the names its record lists (at most 100), shown in the tree
// under "Moje dokumenty".
#pragma once

#include "framework/core/cstring.h"

class CProject;

// Index of the entry equal to name (letter case counting), -1 when none.
int FindAttachedFile(const CProject &project, const CString &name);

// Where the name goes in the list: its own entry when it is listed already, else the first
// free entry; -1 when the list is full.
int AttachedFileSlot(const CProject &project, const CString &name);

// Lists the name at AttachedFileSlot; false, with the list unchanged, when it is full.
bool ListAttachedFile(CProject &project, const CString &name);
