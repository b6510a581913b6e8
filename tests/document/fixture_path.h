// Paths of the test folder's fixtures as Windows paths (the folder is given as a Linux path).
#pragma once

#include <cstdlib>

#include "framework/core/cstring.h"

inline CString FixturePath(const char *name)
{
    const char *folder = getenv("MORVELANK_TEST_SOURCE_DIR");
    CString path = CString("Z:") + (folder ? folder : "") + "/fixtures/" + name;
    path.Replace('/', '\\');
    return path;
}
