// The header of a proceeding that the archive browser lists.
#pragma once

#include <cstdint>

#include "framework/core/cstring.h"
#include "framework/core/ctime.h"

struct ProceedingHeader {
    CString fileName;           // "<name>.baz"
    int32_t procedureCode = 0;
    int32_t orderType = 0;
    CTime created;
    CTime modified;
    int32_t databaseId = -1;
    int32_t lawVersion = 28;
};
