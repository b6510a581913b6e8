// The header of a proceeding that the archive browser lists.
#pragma once

#include <cstdint>

#include "framework/core/cstring.h"
#include "framework/core/ctime.h"

struct ProceedingHeader {
    CString fileName; // "<name>.baz"
    int32_t procedureCode = 0;
    int32_t orderType = 0;
    CTime created;
    CTime modified;
    int32_t databaseId = -1;
    int32_t lawVersion = 28;
};

// Reads the header of the proceeding in a folder.
class ProceedingHeaderReader {
public:
    virtual ~ProceedingHeaderReader() = default;
    // 1 and the header of the proceeding in the folder; 0 and the defaults when none loads.
    virtual int ReadProceedingHeader(const CString &folder, ProceedingHeader &header) = 0;
};

// The application object's reader; null without one.
ProceedingHeaderReader *GetProgramProceedingHeaderReader();
