#include "app/folder_copy.h"

#include <windows.h>

#include <cwchar>

#include "framework/core/codepage.h"

namespace {

// Calls visit(name, isFolder) for every entry of the folder but "." and "..".
template <typename Visit>
void ForEachEntry(const CString &folder, Visit visit)
{
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(Cp1250ToWide(folder + "\\*.*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        if (wcscmp(found.cFileName, L".") != 0 && wcscmp(found.cFileName, L"..") != 0)
            visit(WideToCp1250(found.cFileName), (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0);
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

} // namespace

void CopyFolder(const CString &source, const CString &target, int recurse)
{
    CreateDirectoryW(Cp1250ToWide(target).c_str(), nullptr);
    ForEachEntry(source, [&](const CString &name, bool isFolder) {
        if (!isFolder)
            CopyFileW(Cp1250ToWide(source + "\\" + name).c_str(), Cp1250ToWide(target + "\\" + name).c_str(), FALSE);
        else if (recurse)
            CopyFolder(source + "\\" + name, target + "\\" + name, recurse);
    });
}

void DeleteFolder(const CString &folder)
{
    ForEachEntry(folder, [&](const CString &name, bool isFolder) {
        if (!isFolder)
            DeleteFileW(Cp1250ToWide(folder + "\\" + name).c_str());
    });
}
