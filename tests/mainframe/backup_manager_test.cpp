// The backup manager's list and buttons under the test hook; the backup program is never
// started, its command lines are recorded.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "app/morvelank_app.h"
#include "framework/core/codepage.h"
#include "framework/ui/testhook.h"
#include "mainframe/settings_dlg.h"
#include "mainframe/tools/backup_header.h"
#include "mainframe/tools/backup_manager_dlg.h"
#include "mainframe/tools/backup_pack.h"
#include "res/resource.h"
#include "tests/support/dialog_driver.h"
#include "tests/support/test_folder.h"

namespace {

CString Text(CWnd &dialog, int id)
{
    CString text;
    dialog.GetDlgItemText(id, text);
    return text;
}

struct Started {
    CString program;
    CString arguments;
};

class BackupManagerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        app.MainPath = root.Path();
        app.BackupPath = root / "kopie zapasowe";
        app.WorkingPath = root / "biezace";
        app.ArchivePath = root / "archiwum";
        app.SchedulePath = root / "terminarz";
        app.ExportPath = root / "eksport";
        for (const CString &folder :
             {app.WorkingPath, app.ArchivePath, app.SchedulePath, app.ExportPath, app.BackupPath})
            ::CreateDirectoryW(Cp1250ToWide(folder).c_str(), nullptr);
        app.EuroRate = 41749;
        app.AutoSaveInterval = 10;
    }

    // Runs the manager; `act` works on the open dialog. Message boxes are answered with `answer`.
    void Run(const std::function<void(CBackupManagerDlg &)> &act)
    {
        CTestHook hook;
        hook.onDialog = [&](CDialog &shown) {
            if (auto *manager = dynamic_cast<CBackupManagerDlg *>(&shown))
                act(*manager);
            else if (onOtherDialog)
                onOtherDialog(shown);
        };
        hook.onMessageBox = [&](const CString &text, const CString &caption, UINT type) {
            messages.push_back({text, caption, type});
            return answer;
        };
        CTestHookScope scope(hook);
        CBackupManagerDlg dialog;
        dialog.startProgram = [&](const CString &program, const CString &arguments) {
            started.push_back({program, arguments});
            return startSucceeds;
        };
        dialog.DoModal();
    }

    // The row of the file, -1 when not listed.
    static int RowOf(CBackupManagerDlg &dialog, const char *fileName)
    {
        for (int row = 0; row < dialog.List().GetItemCount(); ++row)
            if (dialog.List().GetItemText(row, 1) == fileName)
                return row;
        return -1;
    }

    CString MakeBackup(const char *description)
    {
        ::CreateDirectoryW(Cp1250ToWide(app.WorkingPath + "\\Przetarg").c_str(), nullptr);
        TestFolder::WriteBytes(app.WorkingPath + "\\Przetarg\\Przetarg.dat", "dane");
        const BackupPackResult packed = PackFolder(app.WorkingPath, app.BackupPath, description);
        EXPECT_TRUE(packed.packed);
        return packed.backupPath.Mid(packed.backupPath.ReverseFind('\\') + 1);
    }

    TestFolder root;
    CMorvelankApp app;
    std::vector<ShownMessage> messages;
    std::vector<Started> started;
    std::function<void(CDialog &)> onOtherDialog;
    int answer = IDYES;
    bool startSucceeds = true;
};

TEST_F(BackupManagerTest, ListsEveryBackupWithItsHeader)
{
    const CString good = MakeBackup("Kopia przed przetargiem");
    TestFolder::WriteBytes(app.BackupPath + "\\nowsza.bkp", std::string("\x02\x00\x00\x00", 4) + std::string(20, '\0'));
    TestFolder::WriteBytes(app.BackupPath + "\\uszkodzona.bkp", std::string("\x01\x00", 2));
    TestFolder::WriteBytes(app.BackupPath + "\\notatka.txt", "nie kopia");
    ::CreateDirectoryW(Cp1250ToWide(app.BackupPath + "\\katalog.bkp").c_str(), nullptr);

    Run([&](CBackupManagerDlg &dialog) {
        EXPECT_EQ(Text(dialog, IDC_BACKUP_FOLDER), app.BackupPath);
        ASSERT_EQ(dialog.List().GetItemCount(), 3);
        CBackupHeader header;
        ASSERT_EQ(ReadBackupHeader(app.BackupPath + "\\" + good, header), BackupHeaderStatus::Read);
        const struct {
            CString file;
            CString date;
            CString description;
        } rows[] = {
            {good, header.m_time.Format("%Y-%m-%d %H:%M"), "Kopia przed przetargiem"},
            {"nowsza.bkp", CTime(0).Format("%Y-%m-%d %H:%M"), ""},
            {"uszkodzona.bkp", "", "Uszkodzony plik kopii zapasowej"},
        };
        for (const auto &expected : rows) {
            const int row = RowOf(dialog, expected.file);
            ASSERT_GE(row, 0) << (LPCSTR)expected.file;
            EXPECT_EQ(dialog.List().GetItemText(row, 0), expected.date);
            EXPECT_EQ(dialog.List().GetItemText(row, 2), expected.description);
        }
    });
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Nieobsługiwana wersja pliku archiwum.");
    EXPECT_EQ(messages[0].caption, "Błąd");
}

TEST_F(BackupManagerTest, EmptyOrMissingFolderGivesAnEmptyList)
{
    for (const CString &folder : {app.BackupPath, root / "brak"}) {
        app.BackupPath = folder;
        Run([](CBackupManagerDlg &dialog) { EXPECT_EQ(dialog.List().GetItemCount(), 0); });
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(BackupManagerTest, ButtonsStartTheBackupProgramOnlyWhenConfirmed)
{
    const CString good = MakeBackup("opis");
    const CString program = root.Path() + "\\Carvinhold.exe";
    CString restoreArgument = app.BackupPath + "\\" + good;
    restoreArgument.Replace(' ', '@');
    const struct {
        const char *what;
        int button;
        bool select;
        int answer;
        std::vector<CString> questions;
        CString arguments; // empty: nothing started
    } cases[] = {
        {"backup yes",
         IDC_BACKUP_MAKE,
         false,
         IDYES,
         {"Czy wykonać kopię zapasową katalogu bieżących postępowań?"},
         "PACK"},
        {"backup no", IDC_BACKUP_MAKE, false, IDNO, {"Czy wykonać kopię zapasową katalogu bieżących postępowań?"}, ""},
        {"restore nothing chosen", IDC_BACKUP_RESTORE, false, IDYES, {"Brak wybranych elementów."}, ""},
        {"restore yes", IDC_BACKUP_RESTORE, true, IDYES, {"Czy odtworzyć wskazaną kopię zapasową?"}, restoreArgument},
        {"restore no", IDC_BACKUP_RESTORE, true, IDNO, {"Czy odtworzyć wskazaną kopię zapasową?"}, ""},
    };
    for (const auto &c : cases) {
        messages.clear();
        started.clear();
        answer = c.answer;
        Run([&](CBackupManagerDlg &dialog) {
            if (c.select)
                dialog.List().SetItemState(RowOf(dialog, good), LVIS_SELECTED, LVIS_SELECTED);
            DialogDriver::Press(dialog, c.button);
        });
        ASSERT_EQ(messages.size(), c.questions.size()) << c.what;
        for (size_t i = 0; i < c.questions.size(); ++i)
            EXPECT_EQ(messages[i].text, c.questions[i]) << c.what;
        if (c.arguments.IsEmpty()) {
            EXPECT_TRUE(started.empty()) << c.what;
        } else {
            ASSERT_EQ(started.size(), 1u) << c.what;
            EXPECT_EQ(started[0].program, program) << c.what;
            EXPECT_EQ(started[0].arguments, c.arguments) << c.what;
        }
    }
    EXPECT_EQ(restoreArgument.Find(' '), -1);
}

TEST_F(BackupManagerTest, ProgramThatCannotStartIsReported)
{
    startSucceeds = false;
    Run([](CBackupManagerDlg &dialog) { DialogDriver::Press(dialog, IDC_BACKUP_MAKE); });
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].text, "Nie można uruchomić programu kopii zapasowych:\n" + root.Path() + "\\Carvinhold.exe");
}

TEST_F(BackupManagerTest, NewFolderIsListedOnlyAfterRefresh)
{
    MakeBackup("stara");
    const CString newFolder = root / "nowe kopie";
    ::CreateDirectoryW(Cp1250ToWide(newFolder).c_str(), nullptr);
    onOtherDialog = [&](CDialog &shown) {
        auto &settings = dynamic_cast<CUstawieniaDlg &>(shown);
        EXPECT_EQ(settings.m_focusField, CUstawieniaDlg::FocusBackup);
        settings.SetDlgItemText(IDC_FOLDER_BACKUP, newFolder);
        settings.OnOK();
    };
    Run([&](CBackupManagerDlg &dialog) {
        DialogDriver::Press(dialog, IDC_BACKUP_CHANGE_FOLDER);
        EXPECT_EQ(Text(dialog, IDC_BACKUP_FOLDER), newFolder);
        EXPECT_EQ(dialog.List().GetItemCount(), 1);
        DialogDriver::Press(dialog, IDC_BACKUP_REFRESH);
        EXPECT_EQ(dialog.List().GetItemCount(), 0);
    });
    EXPECT_EQ(app.BackupPath, newFolder);
}

} // namespace
