// The build's installation folder as Wine sees it, and the files of the newest law's sets in it.
#pragma once

#include <cstdlib>
#include <vector>

#include "framework/core/cstring.h"
#include "framework/core/filefind.h"

inline CString InstallationFolder()
{
    const char *unixPath = std::getenv("MORVELANK_INSTALLATION");
    if (!unixPath)
        return CString();
    CString path = CString("Z:") + unixPath;
    path.Replace('/', '\\');
    return path;
}

// Full paths of the files that match the pattern, in the order the folder lists them.
inline std::vector<CString> FindFiles(const CString &pattern)
{
    std::vector<CString> paths;
    CFileFind finder;
    BOOL more = finder.FindFile(pattern);
    while (more) {
        more = finder.FindNextFile();
        if (!finder.IsDirectory())
            paths.push_back(finder.GetFilePath());
    }
    return paths;
}

// N of "...\postepowanie<N>.<ext>".
inline int KindFileNumber(const CString &path)
{
    const int name = path.ReverseFind('\\') + 1;
    return atoi(path.Mid(name + static_cast<int>(sizeof "postepowanie") - 1));
}
