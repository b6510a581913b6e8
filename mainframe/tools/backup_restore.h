// Restoring a backup file into a folder. The whole file is checked before anything is written:
// a damaged or cut-short backup, or one naming a path outside the folder, changes nothing.
#pragma once

#include <functional>
#include <vector>

#include "framework/core/cstring.h"

struct BackupEntry {
    bool folder = false;
    CString path; // relative to the restored folder
    unsigned long long size = 0;
};

// True for a path that stays inside the folder it is restored into: relative, no drive, no
// "." or ".." level, no empty level, no characters a file name cannot hold.
bool IsSafeBackupPath(const CString &path);

// Reads and checks the whole backup; false with the message when it cannot be used.
bool ReadBackupEntries(const CString &backupPath, std::vector<BackupEntry> &entries, CString &message);

struct BackupRestoreResult {
    bool restored = false;
    bool cancelled = false; // the user declined to overwrite; nothing written
    int files = 0;
    CString message; // why it failed
};

// Writes the backup's folders and files under target (made when missing). When files of the
// same names exist there, confirmOverwrite is asked with their count first. Each file is written
// through a temporary file, so none is ever left half-written.
BackupRestoreResult RestoreBackup(const CString &backupPath, const CString &target,
                                  const std::function<bool(int existing)> &confirmOverwrite);
