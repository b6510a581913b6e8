#include "mainframe/tools/backup_restore.h"

#include <windows.h>

#include <map>
#include <string>

#include "model/file_utils.h"
#include "framework/core/temp_file_save.h"
#include "framework/core/archive.h"
#include "framework/core/file.h"
#include "mainframe/tools/backup_format.h"
#include "mainframe/tools/backup_header.h"

namespace {

CString DamagedMessage(const CString &backupPath)
{
    return "Plik kopii zapasowej jest uszkodzony lub niekompletny:\n" + backupPath
           + "\n\nŻaden plik nie został zmieniony.";
}

bool OpenBackup(CFile &file, const CString &backupPath, CString &message)
{
    if (file.Open(backupPath, CFile::modeRead | CFile::shareDenyWrite))
        return true;
    message = "Nie można otworzyć pliku kopii zapasowej:\n" + backupPath;
    return false;
}

// The header and the entry count, the count checked against what is left of the file.
int ReadPreamble(CArchive &ar)
{
    CBackupHeader header;
    header.Serialize(ar);
    int count = 0;
    ar >> count;
    if (count < 0)
        throw new CArchiveException(CArchiveException::genericException, ar.m_strFileName);
    ar.CheckRemaining(static_cast<ULONGLONG>(count) * kSmallestBackupEntry);
    return count;
}

void ReadEntry(CArchive &ar, BackupEntry &entry)
{
    BYTE kind = 0;
    ar >> kind >> entry.path;
    if (kind != kBackupFile && kind != kBackupFolder)
        throw new CArchiveException(CArchiveException::genericException, ar.m_strFileName);
    entry.folder = kind == kBackupFolder;
    entry.size = 0;
    if (!entry.folder) {
        ULONGLONG size = 0;
        ar >> size;
        ar.CheckRemaining(size);
        entry.size = size;
    }
}

void SkipBytes(CArchive &ar, ULONGLONG count)
{
    std::vector<char> chunk(kBackupCopyChunk);
    while (count > 0) {
        const UINT wanted = count < kBackupCopyChunk ? static_cast<UINT>(count) : kBackupCopyChunk;
        if (ar.Read(chunk.data(), wanted) != wanted)
            throw new CArchiveException(CArchiveException::endOfFile, ar.m_strFileName);
        count -= wanted;
    }
}

// Copies the entry's bytes from the archive into the file through a temporary file.
bool WriteEntryFile(CArchive &ar, const BackupEntry &entry, const CString &path)
{
    TempFileSave save(path);
    CFile file;
    if (!save.IsReady() || !file.Open(save.GetTempPath(), CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive))
        return false;
    std::vector<char> chunk(kBackupCopyChunk);
    try {
        for (ULONGLONG left = entry.size; left > 0;) {
            const UINT wanted = left < kBackupCopyChunk ? static_cast<UINT>(left) : kBackupCopyChunk;
            if (ar.Read(chunk.data(), wanted) != wanted)
                throw new CArchiveException(CArchiveException::endOfFile, ar.m_strFileName);
            file.Write(chunk.data(), wanted);
            left -= wanted;
        }
        file.Close();
    } catch (CFileException *e) {
        e->Delete();
        file.Abort();
        return false;
    }
    return save.Commit();
}

// Names Windows keeps for devices in every folder, with any extension ("con.txt" too).
bool IsDeviceName(const CString &level)
{
    CString base = level;
    const int dot = base.Find('.');
    if (dot >= 0)
        base = base.Left(dot);
    base.TrimRight(' ');
    base.MakeUpper();
    static const char *const devices[] = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$", "CLOCK$"};
    for (const char *device : devices)
        if (base == device)
            return true;
    return base.GetLength() == 4 && (base.Left(3) == "COM" || base.Left(3) == "LPT") && base[3] >= '0'
           && base[3] <= '9';
}

// The first entry whose name is a file in one place and a folder in another (a folder being
// every level above an entry); "" when there is none.
CString FindNameClash(const std::vector<BackupEntry> &entries)
{
    std::map<std::string, bool> isFolder;
    auto settle = [&](CString name, bool folder) {
        name.MakeLower();
        const auto placed = isFolder.emplace(std::string((LPCSTR)name), folder);
        return placed.second || placed.first->second == folder;
    };
    for (const BackupEntry &entry : entries) {
        for (int slash = entry.path.Find('\\'); slash >= 0; slash = entry.path.Find('\\', slash + 1))
            if (!settle(entry.path.Left(slash), true))
                return entry.path;
        if (!settle(entry.path, entry.folder))
            return entry.path;
    }
    return CString();
}

// The first path under target that the entries cannot take because the folder already holds a
// file where a folder must go, or a folder where a file must go; "" when all fit.
CString FindTargetClash(const std::vector<BackupEntry> &entries, const CString &target)
{
    for (const BackupEntry &entry : entries) {
        for (int slash = entry.path.Find('\\'); slash >= 0; slash = entry.path.Find('\\', slash + 1)) {
            const CString level = target + "\\" + entry.path.Left(slash);
            if (FileExists(level))
                return level;
        }
        const CString path = target + "\\" + entry.path;
        if (entry.folder ? FileExists(path) : DirectoryExists(path))
            return path;
    }
    return CString();
}

// The first entry whose path under target is too long for the system, leaving room for the
// temporary file written beside it; "" when every one fits.
CString FindTooLongPath(const std::vector<BackupEntry> &entries, const CString &target)
{
    const int temporarySuffix = 16; // ".mvk" + 8 hex digits + ".tmp"
    for (const BackupEntry &entry : entries)
        if (target.GetLength() + 1 + entry.path.GetLength() + temporarySuffix >= MAX_PATH)
            return entry.path;
    return CString();
}

} // namespace

bool IsSafeBackupPath(const CString &path)
{
    if (path.IsEmpty() || path.FindOneOf(":*?\"<>|/") >= 0)
        return false;
    for (int i = 0; i < path.GetLength(); ++i)
        if (static_cast<unsigned char>(path[i]) < 32)
            return false;
    int start = 0;
    while (start <= path.GetLength()) {
        int end = path.Find('\\', start);
        if (end < 0)
            end = path.GetLength();
        const CString level = path.Mid(start, end - start);
        // Windows drops trailing dots and blanks, so ". ." or "..." could still mean "..".
        if (level.IsEmpty() || level[level.GetLength() - 1] == '.' || level[level.GetLength() - 1] == ' '
            || IsDeviceName(level))
            return false;
        start = end + 1;
    }
    return true;
}

bool ReadBackupEntries(const CString &backupPath, std::vector<BackupEntry> &entries, CString &message)
{
    entries.clear();
    CFile file;
    if (!OpenBackup(file, backupPath, message))
        return false;
    CArchive ar(&file, CArchive::load, 4096);
    ar.m_strFileName = backupPath;
    try {
        const int count = ReadPreamble(ar);
        for (int i = 0; i < count; ++i) {
            BackupEntry entry;
            ReadEntry(ar, entry);
            if (!IsSafeBackupPath(entry.path)) {
                entries.clear();
                message = "Kopia zapasowa zawiera ścieżkę spoza katalogu docelowego:\n" + entry.path
                          + "\n\nŻaden plik nie został zmieniony.";
                return false;
            }
            SkipBytes(ar, entry.size);
            entries.push_back(entry);
        }
        char extra;
        if (ar.Read(&extra, 1) != 0)
            throw new CArchiveException(CArchiveException::genericException, backupPath);
        const CString clash = FindNameClash(entries);
        if (!clash.IsEmpty()) {
            entries.clear();
            message = "Kopia zapasowa zawiera plik i katalog o tej samej nazwie:\n" + clash
                      + "\n\nŻaden plik nie został zmieniony.";
            return false;
        }
    } catch (CArchiveException *e) {
        const bool newer = e->m_cause == CArchiveException::badSchema;
        e->Delete();
        entries.clear();
        message = newer ? CString("Nieobsługiwana wersja pliku archiwum.") : DamagedMessage(backupPath);
        return false;
    } catch (CException *e) {
        e->Delete();
        entries.clear();
        message = DamagedMessage(backupPath);
        return false;
    }
    return true;
}

BackupRestoreResult RestoreBackup(const CString &backupPath, const CString &target,
                                  const std::function<bool(int existing)> &confirmOverwrite)
{
    BackupRestoreResult result;
    std::vector<BackupEntry> entries;
    if (!ReadBackupEntries(backupPath, entries, result.message))
        return result;
    const CString tooLong = FindTooLongPath(entries, target);
    if (!tooLong.IsEmpty()) {
        result.message = "Ścieżka z kopii zapasowej jest za długa, by odtworzyć ją w katalogu:\n" + target + "\n\n"
                         + tooLong + "\n\nŻaden plik nie został zmieniony.";
        return result;
    }

    int existing = 0;
    for (const BackupEntry &entry : entries)
        if (!entry.folder && FileExists(target + "\\" + entry.path))
            ++existing;
    if (existing > 0 && !confirmOverwrite(existing)) {
        result.cancelled = true;
        return result;
    }
    const CString clash = FindTargetClash(entries, target);
    if (!clash.IsEmpty()) {
        result.message = "Nie można zapisać pliku:\n" + clash + "\n\nŻaden plik nie został zmieniony.";
        return result;
    }
    if (!DirectoryExists(target) && !CreateDirectoryPath(target)) {
        result.message = "Nie można utworzyć katalogu:\n" + target + "\n\nŻaden plik nie został zmieniony.";
        return result;
    }

    CFile file;
    if (!OpenBackup(file, backupPath, result.message))
        return result;
    CArchive ar(&file, CArchive::load, 4096);
    ar.m_strFileName = backupPath;
    CString failed;
    bool unreadable = false;
    try {
        if (ReadPreamble(ar) != static_cast<int>(entries.size()))
            throw new CArchiveException(CArchiveException::genericException, backupPath);
        for (const BackupEntry &checked : entries) {
            BackupEntry entry;
            ReadEntry(ar, entry);
            if (entry.path != checked.path || entry.folder != checked.folder || entry.size != checked.size)
                throw new CArchiveException(CArchiveException::genericException, backupPath);
            const CString path = target + "\\" + entry.path;
            if (entry.folder) {
                if (!DirectoryExists(path) && !CreateDirectoryPath(path)) {
                    failed = path;
                    break;
                }
            } else if (!CreateDirectoryPath(GetParentFolder(path)) || !WriteEntryFile(ar, entry, path)) {
                failed = path;
                break;
            } else {
                ++result.files;
            }
        }
    } catch (CException *e) {
        // The file changed since it was checked.
        e->Delete();
        unreadable = true;
    }
    if (unreadable || !failed.IsEmpty()) {
        CString count;
        count.Format("\n\nOdtworzono plików: %d.", result.files);
        result.message =
            (unreadable ? "Błąd odczytu pliku kopii zapasowej:\n" + backupPath : "Nie można zapisać pliku:\n" + failed)
            + count;
        return result;
    }
    result.restored = true;
    return result;
}
