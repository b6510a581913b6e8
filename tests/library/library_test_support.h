// Helpers of the library windows' tests: a temporary program folder and small files in it.
#pragma once

#include <cstdlib>

#include "model/file_utils.h"
#include "tests/mainframe/mainframe_test_support.h"

// The text written as it is (code page 1250 bytes), folders made on the way.
inline void WriteLibraryFile(const CString &path, const CString &text)
{
    CreateDirectoryPath(GetParentFolder(path));
    WriteBytes(path, std::vector<uint8_t>((const char *)text, (const char *)text + text.GetLength()));
}

// A one-paragraph RTF document.
inline CString SmallRtf(const char *text)
{
    return CString("{\\rtf1\\ansi\\ansicpg1250 ") + text + "\\par}";
}

// The installed program folder of the build, as a Windows path; "" when not given.
inline CString InstallationFolder()
{
    const char *installation = std::getenv("MORVELANK_INSTALLATION");
    if (!installation)
        return "";
    CString path = CString("Z:") + installation;
    path.Replace('/', '\\');
    return path;
}
