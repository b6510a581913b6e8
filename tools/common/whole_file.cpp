#include "tools/common/whole_file.h"

#include <windows.h>

#include <cstdio>

bool ReadWholeFile(const std::wstring &path, std::string &bytes)
{
    FILE *file = _wfopen(path.c_str(), L"rb");
    if (!file)
        return false;
    char buffer[65536];
    size_t count;
    while ((count = fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes.append(buffer, count);
    const bool ok = !ferror(file);
    fclose(file);
    return ok;
}

bool WriteThroughTemporary(const std::wstring &path, const std::string &bytes)
{
    const std::wstring temporary = path + L".tmp";
    FILE *file = _wfopen(temporary.c_str(), L"wb");
    if (!file)
        return false;
    const bool written = fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (fclose(file) != 0 || !written
        || !MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileW(temporary.c_str());
        return false;
    }
    return true;
}
