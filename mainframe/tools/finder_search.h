// The file search of the finder: which proceeding files of a folder hold a text, and the short
// description shown for a found one.
#pragma once

#include <vector>

#include "framework/core/cstring.h"

enum FinderMode { kFinderArchive = 0, kFinderCurrent = 1 };

// Printable bytes (32 and up, but 127) are collected from the file and searched in blocks of this
// many; the blocks overlap by the text's length less one, so a match is never cut in two.
constexpr int kFinderBlock = 100000;

// True when the file's printable text holds the text; upper and lower case alike unless
// matchCase. A file that cannot be opened holds nothing.
bool FileContainsText(const CString &path, const CString &text, bool matchCase);

struct FinderResult {
    bool folderFound = false;
    // A file of the folder itself by its name; a proceeding of a direct sub-folder as
    // "<sub-folder>\<name>.baz", the form in which it opens.
    std::vector<CString> entries;
};

// Searches the old single-file proceedings of the mode in the folder itself, then the data
// files of its direct sub-folders (deeper ones are not visited). Unreadable files and
// sub-folders are passed over.
FinderResult FindProceedingFiles(const CString &folder, int mode, const CString &text, bool matchCase);

// The kind of an old single-file proceeding by the entry's extension; "" for others.
CString DescribeCurrentEntry(const CString &entry);

// The description stored near the start of an old archive file; false when the file cannot
// be opened or ends before the description does.
bool ReadArchiveDescription(const CString &path, CString &description);
