#include "tools/szablony/template_store.h"

#include "framework/core/codepage.h"
#include "model/law_versions.h"
#include "tools/common/whole_file.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>

namespace {

bool IsFile(const std::wstring &path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool EndsWithRtf(const std::wstring &name)
{
    return name.size() > 4 && _wcsicmp(name.c_str() + name.size() - 4, L".rtf") == 0;
}

void Collect(const std::wstring &root, const std::wstring &relative, std::vector<std::wstring> &found)
{
    const std::wstring folder = relative.empty() ? root : root + L"\\" + relative;
    WIN32_FIND_DATAW entry;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        const std::wstring name = entry.cFileName;
        if (name == L"." || name == L"..")
            continue;
        const std::wstring path = relative.empty() ? name : relative + L"\\" + name;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            Collect(root, path, found);
        else if (EndsWithRtf(name))
            found.push_back(path);
    } while (FindNextFileW(search, &entry));
    FindClose(search);
}

bool MakeFolders(const std::wstring &path)
{
    const size_t slash = path.find_last_of(L'\\');
    if (slash == std::wstring::npos)
        return true;
    const std::wstring folder = path.substr(0, slash);
    const DWORD attributes = GetFileAttributesW(folder.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES)
        return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    return MakeFolders(folder) && CreateDirectoryW(folder.c_str(), nullptr);
}

} // namespace

std::wstring TemplateSet::UserFolder() const
{
    return Cp1250ToWide(LawVersions::GetUserTemplateFolder(WideToCp1250(mainPath + L"\\szablony_moje"),
                                                           WideToCp1250(Folder())));
}

std::wstring TemplateSet::ReadPath(const std::wstring &relative) const
{
    const std::wstring own = WritePath(relative);
    return IsFile(own) ? own : Folder() + L"\\" + relative;
}

std::vector<std::wstring> ListTemplates(const TemplateSet &set)
{
    std::vector<std::wstring> found;
    Collect(set.Folder(), std::wstring(), found);
    Collect(set.UserFolder(), std::wstring(), found);
    std::sort(found.begin(), found.end(),
              [](const std::wstring &a, const std::wstring &b) { return _wcsicmp(a.c_str(), b.c_str()) < 0; });
    found.erase(
        std::unique(found.begin(), found.end(),
                    [](const std::wstring &a, const std::wstring &b) { return _wcsicmp(a.c_str(), b.c_str()) == 0; }),
        found.end());
    return found;
}

bool SaveTemplate(const std::wstring &path, const std::string &bytes)
{
    if (!MakeFolders(path))
        return false;
    return WriteThroughTemporary(path, bytes);
}

bool IsPlainFolderName(const std::wstring &name)
{
    return !name.empty() && name != L"." && name != L".." && name.find_first_of(L"\\/:*?\"<>|") == std::wstring::npos;
}
