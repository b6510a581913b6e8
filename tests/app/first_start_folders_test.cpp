// The folders a first start names by default are made then, once; a folder the user named
// and later removed is left to the settings to ask about.
#include <gtest/gtest.h>

#include "model/file_utils.h"
#include "app/morvelank_app.h"
#include "tests/support/test_folder.h"

namespace {

class FirstStartFolders : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegDeleteTreeA(HKEY_CURRENT_USER, kSettingsKey);
        GetCurrentDirectoryA(MAX_PATH, m_previousFolder);
        SetCurrentDirectoryA(m_folder.Path() + "\\");
    }
    void TearDown() override
    {
        SetCurrentDirectoryA(m_previousFolder);
        RegDeleteTreeA(HKEY_CURRENT_USER, kSettingsKey);
    }

    TestFolder m_folder;
    char m_previousFolder[MAX_PATH] = "";
    CMorvelankApp m_app;
};

TEST_F(FirstStartFolders, DefaultsAreMadeAtTheFirstStartOnly)
{
    m_app.WczytajUstawieniaProgramu();
    for (const CString &folder : {m_app.ArchivePath, m_app.SchedulePath, m_app.BackupPath})
        EXPECT_TRUE(DirectoryExists(folder)) << (LPCSTR)folder;

    RemoveDirectoryA(m_app.BackupPath);
    CMorvelankApp again;
    again.WczytajUstawieniaProgramu();
    EXPECT_EQ(again.BackupPath, m_app.BackupPath);
    EXPECT_FALSE(DirectoryExists(again.BackupPath));
}

} // namespace
