// Carvinhold: the backup program that the backup manager starts. "PACK" packs the current
// proceedings into a new backup; anything else names a backup to restore. It tells the user
// the outcome itself, as the manager does not wait for it.

#include <windows.h>

#include "app/morvelank_app.h"
#include "framework/core/codepage.h"
#include "mainframe/tools/backup_program.h"

namespace {

// The command line after the program's own name, which may be quoted and hold blanks.
CString ArgumentsAfterProgramName()
{
    const wchar_t *line = ::GetCommandLineW();
    if (*line == L'"') {
        ++line;
        while (*line != L'\0' && *line != L'"')
            ++line;
        if (*line == L'"')
            ++line;
    } else {
        while (*line != L'\0' && *line != L' ' && *line != L'\t')
            ++line;
    }
    while (*line == L' ' || *line == L'\t')
        ++line;
    return WideToCp1250(line);
}

} // namespace

int main()
{
    return RunBackupProgram(ArgumentsAfterProgramName(), ReadBackupProgramFolders(CMorvelankApp::GetProgramFolder()));
}
