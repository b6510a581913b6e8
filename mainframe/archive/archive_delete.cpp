#include "mainframe/archive/archive_delete.h"

#include <windows.h>

#include <string>

#include "framework/core/codepage.h"

namespace {

bool IsLink(DWORD attributes)
{
    return (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

bool DeleteEntry(const std::wstring &path, DWORD attributes);

// Empties the folder and removes it; names stay wide so that none is lost to the code page.
bool DeleteTree(const std::wstring &folder)
{
    bool deleted = true;
    WIN32_FIND_DATAW found;
    HANDLE search = ::FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name != L"." && name != L"..")
                deleted = DeleteEntry(folder + L"\\" + name, found.dwFileAttributes) && deleted;
        } while (::FindNextFileW(search, &found));
        ::FindClose(search);
    }
    return ::RemoveDirectoryW(folder.c_str()) != 0 && deleted;
}

bool DeleteEntry(const std::wstring &path, DWORD attributes)
{
    if (attributes & FILE_ATTRIBUTE_READONLY)
        ::SetFileAttributesW(path.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY))
        return ::DeleteFileW(path.c_str()) != 0;
    if (IsLink(attributes))
        return ::RemoveDirectoryW(path.c_str()) != 0;
    return DeleteTree(path);
}

} // namespace

bool IsProceedingFolderName(const CString &name)
{
    if (name.IsEmpty() || name == "." || name == "..")
        return false;
    if (name.FindOneOf("\\/:*?\"<>|") >= 0)
        return false;
    const char last = name[name.GetLength() - 1];
    return last != '.' && last != ' ';
}

bool DeleteProceedingFolder(const CString &parent, const CString &name)
{
    if (parent.IsEmpty() || !IsProceedingFolderName(name))
        return false;
    const std::wstring folder = Cp1250ToWide(parent + "\\" + name);
    const DWORD attributes = ::GetFileAttributesW(folder.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
        return false;
    return DeleteEntry(folder, attributes);
}
