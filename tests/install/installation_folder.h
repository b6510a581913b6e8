// The build's installation folder as Wine sees it, and the files of the template sets in it.
#pragma once

#include <cstdlib>
#include <vector>

#include "framework/core/cstring.h"
#include "framework/core/filefind.h"
#include "model/law_versions.h"

// The template sets the installation ships: the act of 2019 in the newest generation, and the
// act of 2004 in the last generation issued while it was in force (listopad 2020), for
// proceedings started before 2021.
struct InstalledLaw {
    bool act2019;
    int version;
};
const InstalledLaw kInstalledLaws[] = {{true, LawVersions::kNewest}, {false, 92}};

// The folder an environment variable names, as Wine sees it; "" when the variable is not set.
inline CString FolderFromEnvironment(const char *name)
{
    const char *unixPath = std::getenv(name);
    if (!unixPath)
        return CString();
    CString path = CString("Z:") + unixPath;
    path.Replace('/', '\\');
    return path;
}

inline CString InstallationFolder()
{
    return FolderFromEnvironment("MORVELANK_INSTALLATION");
}

// Where a suite leaves its RTF exports and "<name>.pages" lists of their printed page counts
// for a word processor's layout to be compared with them; "" when not asked to.
inline CString LayoutOutputFolder()
{
    return FolderFromEnvironment("MORVELANK_LAYOUT_OUTPUT");
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
