// Saving through a temporary file in the target's folder: the target is replaced only once
// everything was written, so a failed save leaves the old file as it was.
#pragma once

#include "framework/core/cstring.h"

class TempFileSave {
public:
    explicit TempFileSave(const CString &target);
    ~TempFileSave(); // removes the temporary file unless it replaced the target
    TempFileSave(const TempFileSave &) = delete;
    TempFileSave &operator=(const TempFileSave &) = delete;

    // The temporary file was created (empty) and waits to be written.
    bool IsReady() const { return !m_tempPath.IsEmpty(); }
    const CString &GetTempPath() const { return m_tempPath; }

    // Replaces the target with the written temporary file; false leaves the target untouched.
    bool Commit();

private:
    CString m_target;
    CString m_tempPath;
    bool m_committed = false;
};
