#include "mainframe/archive/archive_listing.h"

#include <windows.h>

#include <algorithm>
#include <string>

#include "model/archive_file.h"
#include "model/file_utils.h"
#include "app/proceeding_header.h"
#include "app/procedure_catalogue.h"
#include "model/project.h"
#include "framework/core/codepage.h"
#include "framework/core/filefind.h"

const ArchiveKindFilter kArchiveKindFilters[] = {
    {"Wszystkie projekty", kAllKinds},
    {"Nieograniczony poniżej progów ustalonych na podstawie art. 11 ust. 8", 40},
    {"Nieograniczony powyżej progów ustalonych na podstawie art. 11 ust. 8", 41},
    {"Ograniczony poniżej progów ustalonych na podstawie art. 11 ust. 8", 46},
    {"Ograniczony powyżej progów ustalonych na podstawie art. 11 ust. 8", 47},
    {"Negocjacje z ogłoszeniem poniżej progów ustalonych na podstawie art. 11 ust. 8", 50},
    {"Negocjacje z ogłoszeniem powyżej progów ustalonych na podstawie art. 11 ust. 8", 51},
    {"Negocjacje bez ogłoszenia poniżej progów ustalonych na podstawie art. 11 ust. 8", 52},
    {"Negocjacje bez ogłoszenia powyżej progów ustalonych na podstawie art. 11 ust. 8", 53},
    {"Zamówienie z wolnej ręki poniżej progów ustalonych na podstawie art. 11 ust. 8", 48},
    {"Zamówienie z wolnej ręki powyżej progów ustalonych na podstawie art. 11 ust. 8", 49},
    {"Zapytanie o cenę poniżej progów ustalonych na podstawie art. 11 ust. 8", 42},
    {"Licytacja elektroniczna", 45},
    {"Poniżej 30 000 EURO", 44},
};
const int kArchiveKindFilterCount = sizeof kArchiveKindFilters / sizeof kArchiveKindFilters[0];

namespace {

const char *const kOldSingleFileKinds[] = {
    "Nieogran. pon. 60 000 EURO",
    "Nieogran. pow. 60 000 EURO",
    "Ogranicz. pon. 60 000 EURO",
    "Ogranicz. pow. 60 000 EURO",
    "Negoc. z ogłoszeniem pon. 60 000 EURO",
    "Negoc. z ogłoszeniem pow. 60 000 EURO",
    "Negoc. bez ogłoszenia pon. 60 000 EURO",
    "Negoc. bez ogłoszenia pow. 60 000 EURO",
    "Zamówienie z wolnej ręki pon. 60 000 EURO",
    "Zamówienie z wolnej ręki pow. 60 000 EURO",
    "Zapytanie o cenę pon. 60 000 EURO",
    "Zapytanie o cenę pow. 60 000 EURO",
};

const char kTimeFormat[] = "%Y-%m-%d %H:%M";
const char kDamagedKindName[] = "Uszkodzone postępowanie";

CString DescribeProceeding(const CString &location, int lawVersion, int procedureCode, const CTime &created,
                           const CTime &modified)
{
    return "Tryb: " + ProcedureCatalogue::GetProcedureName(lawVersion, procedureCode)
           + "\r\nUtworzono: " + created.Format(kTimeFormat) + "\r\nZmodyfikowano: " + modified.Format(kTimeFormat)
           + "\r\nPołożenie: " + location;
}

ArchiveEntry DamagedEntry(ArchiveEntryKind kind, const CString &name, const CString &path, const CString &location)
{
    ArchiveEntry entry;
    entry.kind = kind;
    entry.readable = false;
    entry.kindName = kDamagedKindName;
    entry.name = name;
    entry.path = path;
    entry.image = kind == ArchiveEntryKind::RecordFile ? kImageRecordFile : kImageProceedingFolder;
    entry.description = "Nie można odczytać postępowania: jego plik zapisu (.baz) lub plik danych (.dat) "
                        "jest uszkodzony albo go brak.\r\nPołożenie: "
                        + location;
    return entry;
}

// The first record file of the folder; empty when it holds none.
CString FirstRecordFile(const CString &folder)
{
    CFileFind finder;
    BOOL more = finder.FindFile(folder + "\\*.baz");
    while (more) {
        more = finder.FindNextFile();
        if (!finder.IsDirectory())
            return finder.GetFileName();
    }
    return CString();
}

// A sub-folder is a proceeding when it holds a record file; one that does not read is listed
// as damaged. Any other sub-folder is no proceeding and is passed over.
bool ListSubFolder(ProceedingHeaderReader &headers, const CString &folder, const CString &name, ArchiveEntry &entry)
{
    const CString location = folder + "\\" + name;
    ProceedingHeader header;
    if (!headers.ReadProceedingHeader(location, header)) {
        const CString record = FirstRecordFile(location);
        if (record.IsEmpty())
            return false;
        entry = DamagedEntry(ArchiveEntryKind::ProceedingFolder, name, name + "\\" + record, location);
        return true;
    }
    entry.kind = ArchiveEntryKind::ProceedingFolder;
    entry.kindName = ProcedureCatalogue::GetProcedureShortName(header.lawVersion, header.procedureCode);
    entry.name = name;
    entry.path = name + "\\" + header.fileName;
    entry.modified = header.modified.Format(kTimeFormat);
    entry.image = kImageProceedingFolder;
    entry.procedureCode = header.procedureCode;
    entry.description =
        DescribeProceeding(location, header.lawVersion, header.procedureCode, header.created, header.modified);
    return true;
}

ArchiveEntry ListRecordFile(const CString &folder, const CString &fileName)
{
    const CString location = folder + "\\" + fileName;
    CProject project;
    if (!ReadProjectFile(project, location))
        return DamagedEntry(ArchiveEntryKind::RecordFile, fileName, fileName, location);
    // The file's own name, not the one inside the record: a renamed file still opens.
    ArchiveEntry entry;
    entry.kind = ArchiveEntryKind::RecordFile;
    entry.kindName = ProcedureCatalogue::GetProcedureName(project.m_nLawVersion, project.m_nProcedureCode);
    entry.name = fileName;
    entry.path = fileName;
    entry.modified = project.m_timeModified.Format(kTimeFormat);
    entry.image = kImageRecordFile;
    entry.procedureCode = project.m_nProcedureCode;
    entry.description = DescribeProceeding(location, project.m_nLawVersion, project.m_nProcedureCode,
                                           project.m_timeCreated, project.m_timeModified);
    return entry;
}

// Polish alphabetical order, case ignored: "śmieci" between "sala" and "tory", whatever the
// user's own locale.
bool ComesBefore(const CString &a, const CString &b)
{
    static const LCID polish = MAKELCID(MAKELANGID(LANG_POLISH, SUBLANG_DEFAULT), SORT_DEFAULT);
    const std::wstring wideA = Cp1250ToWide(a), wideB = Cp1250ToWide(b);
    return ::CompareStringW(polish, NORM_IGNORECASE, wideA.c_str(), (int)wideA.size(), wideB.c_str(), (int)wideB.size())
           == CSTR_LESS_THAN;
}

bool PassesFilter(const ArchiveEntry &entry, int kindFilter)
{
    return kindFilter == kAllKinds
           || (entry.readable && entry.procedureCode >= 0 && entry.procedureCode % 100 == kindFilter);
}

} // namespace

CString OldSingleFileKindName(const CString &fileName)
{
    const CString extension = GetFileExtension(fileName);
    if (extension.IsEmpty())
        return CString();
    const char last = extension[extension.GetLength() - 1];
    int index = -1;
    if (last >= '0' && last <= '9')
        index = last - '0';
    else if (last == 'a' || last == 'A')
        index = 10;
    else if (last == 'b' || last == 'B')
        index = 11;
    return index < 0 ? CString() : CString(kOldSingleFileKinds[index]);
}

void SplitArchivePath(const CString &path, CString &proceedingFolder, CString &fileName)
{
    const int slash = path.Find('\\');
    proceedingFolder = slash < 0 ? CString() : path.Left(slash);
    fileName = slash < 0 ? path : path.Mid(slash + 1);
}

ArchiveListing ListArchiveFolder(ProceedingHeaderReader &headers, const CString &folder, int kindFilter)
{
    ArchiveListing listing;
    // An empty folder would list the root of the current drive.
    if (folder.IsEmpty() || !DirectoryExists(folder))
        return listing;
    listing.folderFound = true;
    CFileFind finder;
    BOOL more = finder.FindFile(folder + "\\*.*");
    while (more) {
        more = finder.FindNextFile();
        if (finder.IsDots())
            continue;
        const CString name = finder.GetFileName();
        ArchiveEntry entry;
        if (finder.IsDirectory()) {
            if (!ListSubFolder(headers, folder, name, entry))
                continue;
        } else if (GetFileExtension(name).CompareNoCase("baz") == 0) {
            entry = ListRecordFile(folder, name);
        } else {
            // Hidden system files ("Thumbs.db") are the shell's, never a proceeding.
            const CString kindName = OldSingleFileKindName(name);
            if (kindName.IsEmpty() || (finder.IsHidden() && finder.IsSystem()))
                continue;
            entry.kind = ArchiveEntryKind::OldSingleFile;
            entry.kindName = kindName;
            entry.name = name;
            entry.path = name;
            entry.image = kImageOldSingleFile;
            entry.description =
                "Postępowanie zapisane w starszym formacie jednoplikowym.\r\nPołożenie: " + folder + "\\" + name;
        }
        if (PassesFilter(entry, kindFilter))
            listing.entries.push_back(entry);
    }
    std::stable_sort(listing.entries.begin(), listing.entries.end(),
                     [](const ArchiveEntry &a, const ArchiveEntry &b) { return ComesBefore(a.name, b.name); });
    return listing;
}
