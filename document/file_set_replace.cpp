#include "document/file_set_replace.h"

#include <windows.h>

#include "framework/core/codepage.h"

namespace {

const DWORD kReplace = MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH;

std::wstring Wide(const CString &path)
{
    return Cp1250ToWide(path);
}

CString NewTempFileBeside(const CString &target)
{
    const int lastSlash = target.ReverseFind('\\');
    const CString folder = lastSlash < 0 ? CString(".") : target.Left(lastSlash + 1);
    wchar_t tempPath[MAX_PATH];
    if (GetTempFileNameW(Wide(folder).c_str(), L"mvk", 0, tempPath) == 0)
        return CString();
    return WideToCp1250(tempPath);
}

bool Exists(const CString &path)
{
    return GetFileAttributesW(Wide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

} // namespace

FileSetReplace::~FileSetReplace()
{
    for (const Entry &entry : m_entries) {
        if (!entry.placed && !entry.temp.IsEmpty())
            DeleteFileW(Wide(entry.temp).c_str());
        if (!entry.backup.IsEmpty())
            DeleteFileW(Wide(entry.backup).c_str());
    }
}

CString FileSetReplace::AddTarget(const CString &target)
{
    Entry entry;
    entry.target = target;
    entry.temp = NewTempFileBeside(target);
    m_entries.push_back(entry);
    return entry.temp;
}

void FileSetReplace::RollBack()
{
    for (Entry &entry : m_entries) {
        if (entry.placed) {
            // The new file goes back to its temporary name, to be removed with the others.
            MoveFileExW(Wide(entry.target).c_str(), Wide(entry.temp).c_str(), kReplace);
            entry.placed = false;
        }
        if (!entry.backup.IsEmpty() && MoveFileExW(Wide(entry.backup).c_str(), Wide(entry.target).c_str(), kReplace))
            entry.backup.Empty();
    }
}

bool FileSetReplace::Commit()
{
    for (const Entry &entry : m_entries)
        if (entry.temp.IsEmpty())
            return false;
    // The old files first step aside: a target that cannot move (locked, read-only) stops the
    // set while nothing has been replaced yet.
    for (Entry &entry : m_entries) {
        if (!Exists(entry.target))
            continue;
        const CString backup = NewTempFileBeside(entry.target);
        if (backup.IsEmpty() || !MoveFileExW(Wide(entry.target).c_str(), Wide(backup).c_str(), kReplace)) {
            if (!backup.IsEmpty())
                DeleteFileW(Wide(backup).c_str());
            RollBack();
            return false;
        }
        entry.backup = backup;
    }
    for (Entry &entry : m_entries) {
        if (!MoveFileExW(Wide(entry.temp).c_str(), Wide(entry.target).c_str(), kReplace)) {
            RollBack();
            return false;
        }
        entry.placed = true;
    }
    return true;
}
