// The backup program's work, as the backup manager starts it: "PACK" packs the
// current-proceedings folder into a new backup in the backup folder; anything else is the path
// of a backup file, blanks written as "@", restored into the current-proceedings folder.
#pragma once

#include "framework/core/cstring.h"

struct BackupProgramFolders {
    CString workingPath; // the current proceedings
    CString backupPath;
};

// The folders from the program's settings; the backup folder defaults to programFolder\backup.
BackupProgramFolders ReadBackupProgramFolders(const CString &programFolder);

// The backup file a restoring command line names: "@" read as blanks, unless only the text as
// given names an existing file.
CString BackupPathFromCommandLine(const CString &arguments);

// Does the work and tells the outcome in a message box; 0 when done, 1 when not.
int RunBackupProgram(const CString &arguments, const BackupProgramFolders &folders);
