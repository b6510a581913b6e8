// What the archive browser lists of one folder, without the window: the proceedings kept in
// sub-folders of their own, older single-file proceedings, and record files lying in the folder
// itself.
#pragma once

#include <vector>

#include "framework/core/cstring.h"

class ProceedingHeaderReader;

// The procedure filter, in the order the browser offers it.
struct ArchiveKindFilter {
    const char *text;
    int code; // -1 for all, else the procedure code modulo 100
};
extern const ArchiveKindFilter kArchiveKindFilters[];
extern const int kArchiveKindFilterCount;
const int kAllKinds = -1;

enum class ArchiveEntryKind {
    ProceedingFolder, // a sub-folder holding a record file
    OldSingleFile,    // an older proceeding kept in one file
    RecordFile,       // a record file in the listed folder itself
};

// Images of the proceeding tree's strip that the list shows.
const int kImageProceedingFolder = 7;
const int kImageRecordFile = 1;
const int kImageOldSingleFile = 14;

struct ArchiveEntry {
    ArchiveEntryKind kind = ArchiveEntryKind::ProceedingFolder;
    // False for a record that does not read: the row stays, so that the user sees it and may
    // delete it, but it is never offered under a procedure filter.
    bool readable = true;
    CString kindName;    // column "Tryb"
    CString name;        // column "Nazwa dokumentu": the sub-folder's or the file's name
    CString path;        // hidden column: "<sub-folder>\<record file>", or the file's name
    CString modified;    // column "Data modyfikacji", "%Y-%m-%d %H:%M"; empty when unknown
    CString description; // shown under the list when the row is selected
    int image = kImageProceedingFolder;
    int procedureCode = -1; // -1 when unknown
};

struct ArchiveListing {
    bool folderFound = false;
    std::vector<ArchiveEntry> entries; // sorted by name, case ignored
};

// Lists the folder; with a filter other than kAllKinds only the entries whose procedure code
// modulo 100 equals it. An unreadable entry never stops the listing.
ArchiveListing ListArchiveFolder(ProceedingHeaderReader &headers, const CString &folder, int kindFilter);

// The kind name of an older single-file proceeding from the last character of its file's
// extension ("0" to "b"); empty for any other file.
CString OldSingleFileKindName(const CString &fileName);

// Column 2's text cut at its first backslash: the proceeding's sub-folder (empty for a file in
// the listed folder itself) and the file name.
void SplitArchivePath(const CString &path, CString &proceedingFolder, CString &fileName);
