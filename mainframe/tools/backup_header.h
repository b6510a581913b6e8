// The header at the start of every backup file: when it was made and what it holds.
#pragma once

#include <cstdint>

#include "framework/core/archive.h"
#include "framework/core/ctime.h"
#include "framework/core/cstring.h"
#include "framework/core/object.h"

class CBackupHeader : public CObject {
    DECLARE_SERIAL(CBackupHeader)

public:
    static constexpr int32_t kVersion = 1;

    // Storing stamps the current time first. Loading throws CArchiveException: badSchema for a
    // version above kVersion, genericException for a negative one, endOfFile when cut short.
    void Serialize(CArchive &ar) override;

    CTime m_time;
    CString m_description;
    int32_t m_extra = 0; // kept as read
};

enum class BackupHeaderStatus { Read, CannotOpen, UnsupportedVersion, Damaged };

// The header of the backup file; on any status but Read the header is left empty (time 0).
BackupHeaderStatus ReadBackupHeader(const CString &path, CBackupHeader &header);
