#include "mainframe/tools/backup_program.h"

#include <windows.h>

#include "model/file_utils.h"
#include "app/registry_text.h"
#include "framework/ui/msgbox.h"
#include "mainframe/tools/backup_pack.h"
#include "mainframe/tools/backup_restore.h"

namespace {

const char kCaption[] = "Kopia zapasowa";

int Pack(const BackupProgramFolders &folders)
{
    if (folders.workingPath.IsEmpty()) {
        AfxShowMessageBox(nullptr, "Nie ustawiono katalogu bieżących postępowań.", "Błąd", MB_OK | MB_ICONERROR);
        return 1;
    }
    const BackupPackResult packed =
        PackFolder(folders.workingPath, folders.backupPath, "Kopia katalogu " + folders.workingPath);
    if (!packed.packed) {
        AfxShowMessageBox(nullptr, packed.message, "Błąd", MB_OK | MB_ICONERROR);
        return 1;
    }
    CString done;
    done.Format("Kopia zapasowa została wykonana (plików: %d):\n%s", packed.files, (LPCSTR)packed.backupPath);
    AfxShowMessageBox(nullptr, done, kCaption, MB_OK | MB_ICONINFORMATION);
    return 0;
}

int Restore(const CString &backupPath, const BackupProgramFolders &folders)
{
    if (folders.workingPath.IsEmpty()) {
        AfxShowMessageBox(nullptr, "Nie ustawiono katalogu bieżących postępowań.", "Błąd", MB_OK | MB_ICONERROR);
        return 1;
    }
    const BackupRestoreResult restored = RestoreBackup(backupPath, folders.workingPath, [&](int existing) {
        CString question;
        question.Format("W katalogu %s istnieją pliki, które zostaną zastąpione plikami z kopii zapasowej "
                        "(plików: %d).\n\nCzy kontynuować odtwarzanie?",
                        (LPCSTR)folders.workingPath, existing);
        return AfxShowMessageBox(nullptr, question, "Pytanie", MB_YESNO | MB_ICONQUESTION) == IDYES;
    });
    if (restored.cancelled)
        return 1;
    if (!restored.restored) {
        AfxShowMessageBox(nullptr, restored.message, "Błąd", MB_OK | MB_ICONERROR);
        return 1;
    }
    CString done;
    done.Format("Odtworzono kopię zapasową (plików: %d) w katalogu:\n%s", restored.files, (LPCSTR)folders.workingPath);
    AfxShowMessageBox(nullptr, done, kCaption, MB_OK | MB_ICONINFORMATION);
    return 0;
}

} // namespace

BackupProgramFolders ReadBackupProgramFolders(const CString &programFolder)
{
    BackupProgramFolders folders;
    folders.workingPath = ReadRegistryText(kSettingsKey, "WorkingPath", HKEY_CURRENT_USER);
    folders.backupPath = ReadRegistryText(kSettingsKey, "BackupPath", HKEY_CURRENT_USER);
    if (folders.backupPath.IsEmpty()) {
        CString base = programFolder;
        base.TrimRight('\\');
        folders.backupPath = base + "\\backup";
    }
    return folders;
}

CString BackupPathFromCommandLine(const CString &arguments)
{
    CString given = arguments;
    given.Trim();
    CString blanks = given;
    blanks.Replace('@', ' ');
    return !FileExists(blanks) && FileExists(given) ? given : blanks;
}

int RunBackupProgram(const CString &arguments, const BackupProgramFolders &folders)
{
    CString command = arguments;
    command.Trim();
    if (command.IsEmpty()) {
        AfxShowMessageBox(nullptr, "Nie podano pliku kopii zapasowej.", "Błąd", MB_OK | MB_ICONERROR);
        return 1;
    }
    if (command == "PACK")
        return Pack(folders);
    return Restore(BackupPathFromCommandLine(command), folders);
}
