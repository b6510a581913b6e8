#include "mainframe/tools/backup_pack.h"

#include <windows.h>

#include <vector>

#include "model/file_utils.h"
#include "framework/core/temp_file_save.h"
#include "framework/core/archive.h"
#include "framework/core/codepage.h"
#include "framework/core/file.h"
#include "framework/core/filefind.h"
#include "mainframe/tools/backup_format.h"
#include "mainframe/tools/backup_header.h"

namespace {

struct PackedEntry {
    BackupEntryKind kind;
    CString relative;
};

CString FullPath(const CString &path)
{
    wchar_t full[MAX_PATH * 2];
    const DWORD length = GetFullPathNameW(Cp1250ToWide(path).c_str(), MAX_PATH * 2, full, nullptr);
    CString result = length > 0 && length < MAX_PATH * 2 ? WideToCp1250(full) : path;
    result.TrimRight('\\');
    return result;
}

// Depth first, folders before what they hold, so restoring can make them in order.
void ListEntries(const CString &folder, const CString &relative, const CString &skipped,
                 std::vector<PackedEntry> &entries)
{
    CFileFind find;
    BOOL more = find.FindFile(folder + "\\*");
    while (more) {
        more = find.FindNextFile();
        if (find.IsDots())
            continue;
        const CString name = relative.IsEmpty() ? find.GetFileName() : relative + "\\" + find.GetFileName();
        const CString path = folder + "\\" + find.GetFileName();
        if (find.IsDirectory()) {
            // A linked folder may lead back up the tree.
            if (find.MatchesMask(FILE_ATTRIBUTE_REPARSE_POINT) || FullPath(path).CompareNoCase(skipped) == 0)
                continue;
            entries.push_back({kBackupFolder, name});
            ListEntries(path, name, skipped, entries);
        } else {
            entries.push_back({kBackupFile, name});
        }
    }
}

// Copies the whole file into the archive as its size and bytes; false when it cannot be read.
bool StoreFile(CArchive &ar, const CString &path)
{
    CFile file;
    if (!file.Open(path, CFile::modeRead | CFile::shareDenyWrite))
        return false;
    const ULONGLONG size = file.GetLength();
    ar << size;
    std::vector<char> chunk(kBackupCopyChunk);
    for (ULONGLONG left = size; left > 0;) {
        const UINT wanted = left < kBackupCopyChunk ? static_cast<UINT>(left) : kBackupCopyChunk;
        if (file.Read(chunk.data(), wanted) != wanted)
            return false;
        ar.Write(chunk.data(), wanted);
        left -= wanted;
    }
    return true;
}

} // namespace

CString NewBackupFileName(const CString &backupFolder)
{
    const CString base = "kopia_" + CTime::GetCurrentTime().Format("%Y-%m-%d_%H-%M-%S");
    CString name = base + ".bkp";
    for (int serial = 2; FileExists(backupFolder + "\\" + name); ++serial)
        name.Format("%s_%d.bkp", (LPCSTR)base, serial);
    return name;
}

BackupPackResult PackFolder(const CString &source, const CString &backupFolder, const CString &description)
{
    BackupPackResult result;
    if (!DirectoryExists(source)) {
        result.message = "Nie znaleziono katalogu bieżących postępowań:\n" + source;
        return result;
    }
    if (!DirectoryExists(backupFolder) && !CreateDirectoryPath(backupFolder)) {
        result.message = "Nie można utworzyć katalogu kopii zapasowych:\n" + backupFolder;
        return result;
    }
    std::vector<PackedEntry> entries;
    ListEntries(source, "", FullPath(backupFolder), entries);

    const CString target = backupFolder + "\\" + NewBackupFileName(backupFolder);
    TempFileSave save(target);
    CFile file;
    if (!save.IsReady()
        || !file.Open(save.GetTempPath(), CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive)) {
        result.message = "Nie można zapisać kopii zapasowej:\n" + target;
        return result;
    }
    CString unreadable;
    try {
        CArchive ar(&file, CArchive::store, 4096);
        CBackupHeader header;
        header.m_description = description;
        header.Serialize(ar);
        ar << static_cast<int>(entries.size());
        for (const PackedEntry &entry : entries) {
            ar << static_cast<BYTE>(entry.kind) << entry.relative;
            if (entry.kind == kBackupFile && !StoreFile(ar, source + "\\" + entry.relative)) {
                unreadable = source + "\\" + entry.relative;
                break;
            }
            if (entry.kind == kBackupFile)
                ++result.files;
        }
        if (unreadable.IsEmpty())
            ar.Close();
        else
            ar.Abort();
        file.Close();
    } catch (CException *e) {
        e->Delete();
        file.Abort();
        result.message = "Nie można zapisać kopii zapasowej:\n" + target;
        return result;
    }
    if (!unreadable.IsEmpty()) {
        result.message = "Nie można odczytać pliku:\n" + unreadable + "\n\nKopia zapasowa nie została wykonana.";
        return result;
    }
    if (!save.Commit()) {
        result.message = "Nie można zapisać kopii zapasowej:\n" + target;
        return result;
    }
    result.packed = true;
    result.backupPath = target;
    return result;
}
