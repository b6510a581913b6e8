// Packing a folder with everything under it into a new backup file.
#pragma once

#include "framework/core/cstring.h"

struct BackupPackResult {
    bool packed = false;
    CString backupPath; // the file written, when packed
    int files = 0;
    CString message; // why nothing was written, when not packed
};

// Writes every file and folder under source into backupFolder\<name>.bkp, the folder made when
// missing. The file appears only once complete; a file that cannot be read fails the whole
// backup. The backup folder itself and linked folders are passed over when they lie inside.
BackupPackResult PackFolder(const CString &source, const CString &backupFolder, const CString &description);

// "kopia_2025-09-14_08-30-05.bkp", with "_2", "_3" ... added when the name is taken.
CString NewBackupFileName(const CString &backupFolder);
