#include <gtest/gtest.h>

#include <string>

#include "app/morvelank_app.h"
#include "tests/support/test_folder.h"

namespace {

// Each case starts without the program's key and in a folder of its own as the current one.
class Settings : public ::testing::Test {
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

    static CString Stored(const char *valueName)
    {
        return CMorvelankApp::ReadRegString(kSettingsKey, valueName, HKEY_CURRENT_USER);
    }
    static bool IsStored(const char *valueName)
    {
        HKEY key;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
            return false;
        const bool present = RegQueryValueExA(key, valueName, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
        RegCloseKey(key);
        return present;
    }
    static void Store(const char *valueName, const CString &text)
    {
        CMorvelankApp::WriteRegString(valueName, text, HKEY_CURRENT_USER, kSettingsKey);
    }

    TestFolder m_folder;
    char m_previousFolder[MAX_PATH] = "";
    CMorvelankApp m_app;
};

TEST_F(Settings, FirstStartGivesDefaultsAndWritesTheFoldersBack)
{
    m_app.WczytajUstawieniaProgramu();

    const CString main = m_folder.Path();
    EXPECT_EQ(m_app.MainPath, main);
    EXPECT_EQ(m_app.ArchivePath, main + "\\archiwum");
    EXPECT_EQ(m_app.BackupPath, main + "\\backup");
    EXPECT_EQ(m_app.SchedulePath, main + "\\terminarz");
    EXPECT_EQ(m_app.ExamplePath, main + "\\example");
    EXPECT_EQ(m_app.UserTemplatesPath, main + "\\szablony_moje");
    EXPECT_EQ(m_app.ExportPath.Right(16), "\\MorvelankExport");
    EXPECT_NE(GetFileAttributesA(m_app.ExportPath), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(m_app.WorkingPath, "");
    EXPECT_EQ(m_app.EuroRate, 43100); // 4,31 zł
    EXPECT_EQ(m_app.AutoSaveOn, 0);
    EXPECT_EQ(m_app.AutoSaveInterval, 60);
    EXPECT_TRUE(m_app.Greetings);
    EXPECT_EQ(m_app.WordPath, "");
    EXPECT_EQ(m_app.QuvPath, "");
    const char *labels[9] = {"Nazwa zamawiającego", "Ulica", "Kod", "Miejscowość", "Telefon", "E-mail", "Strona WWW",
                             "Godziny urzędowania", "Fax"};
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(m_app.BuyerData[i], labels[i]);

    EXPECT_EQ(Stored("MainPath"), main);
    EXPECT_EQ(Stored("ArchivePath"), main + "\\archiwum");
    EXPECT_EQ(Stored("BackupPath"), main + "\\backup");
    EXPECT_EQ(Stored("SchedulePath"), main + "\\terminarz");
    EXPECT_EQ(Stored("ExportPath"), m_app.ExportPath);
    for (const char *absent : {"WorkingPath", "EURO", "AutoSave", "greetings", "zamawiajacy1"})
        EXPECT_FALSE(IsStored(absent)) << absent;
}

TEST_F(Settings, StoredValuesAndTheirEdges)
{
    struct Case {
        const char *value;
        const char *text;
        void (*check)(const CMorvelankApp &app, const CString &main);
    } cases[] = {
        {"EURO", "43210", [](const CMorvelankApp &a, const CString &) { EXPECT_EQ(a.EuroRate, 43210); }},
        {"EURO", "kurs", [](const CMorvelankApp &a, const CString &) { EXPECT_EQ(a.EuroRate, 0); }},
        // The default test sees the blanks, the trimming after it empties the folder.
        {"ArchivePath", "   ",
         [](const CMorvelankApp &a, const CString &) {
             EXPECT_EQ(a.ArchivePath, "");
             EXPECT_EQ(Stored("ArchivePath"), "   ");
         }},
        {"SchedulePath", "  ",
         [](const CMorvelankApp &a, const CString &main) { EXPECT_EQ(a.SchedulePath, main + "\\terminarz"); }},
        {"WorkingPath", "D:\\Przetargi  ",
         [](const CMorvelankApp &a, const CString &) { EXPECT_EQ(a.WorkingPath, "D:\\Przetargi"); }},
        {"AutoSave", " 15 ",
         [](const CMorvelankApp &a, const CString &) {
             EXPECT_EQ(a.AutoSaveOn, 1);
             EXPECT_EQ(a.AutoSaveInterval, 15);
         }},
        {"AutoSave", "abc",
         [](const CMorvelankApp &a, const CString &) {
             EXPECT_EQ(a.AutoSaveOn, 1);
             EXPECT_EQ(a.AutoSaveInterval, 0);
         }},
        {"greetings", "0", [](const CMorvelankApp &a, const CString &) { EXPECT_FALSE(a.Greetings); }},
        {"greetings", "", [](const CMorvelankApp &a, const CString &) { EXPECT_TRUE(a.Greetings); }},
        {"zamawiajacy4", "Łódź",
         [](const CMorvelankApp &a, const CString &) {
             EXPECT_EQ(a.BuyerData[3], "Łódź");
             EXPECT_EQ(a.BuyerData[4], "Telefon");
         }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.value) + "=\"" + c.text + "\"");
        RegDeleteTreeA(HKEY_CURRENT_USER, kSettingsKey);
        Store(c.value, c.text);
        CMorvelankApp app;
        app.WczytajUstawieniaProgramu();
        c.check(app, m_folder.Path());
    }
}

TEST_F(Settings, ATextOf999CharactersReadsBackWhole)
{
    const CString text(std::string(998, 'a').append("ż").c_str());
    Store("WorkingPath", text);
    EXPECT_EQ(Stored("WorkingPath"), text);
}

TEST_F(Settings, TheNewestWordInstallationWins)
{
    const char *const keys[] = {"Software\\Microsoft\\Office\\11.0\\Word\\InstallRoot",
                                "Software\\Microsoft\\Office\\16.0\\Word\\InstallRoot"};
    CMorvelankApp::WriteRegString("Path", "C:\\Office11\\", HKEY_LOCAL_MACHINE, keys[0]);
    CMorvelankApp::WriteRegString("Path", "\"C:\\Program Files\\Office16\\\"", HKEY_LOCAL_MACHINE, keys[1]);
    m_app.WczytajUstawieniaProgramu();
    for (const char *key : keys)
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, key);
    EXPECT_EQ(m_app.WordPath, "C:\\Program Files\\Office16\\");
}

TEST_F(Settings, SavedValuesLoadAgain)
{
    m_app.WczytajUstawieniaProgramu();
    m_app.EuroRate = 45000;
    m_app.WorkingPath = "E:\\Postępowania";
    m_app.ArchivePath = "E:\\Archiwum";
    m_app.AutoSaveOn = 1;
    m_app.AutoSaveInterval = 20;
    m_app.SaveSettings();
    EXPECT_EQ(Stored("AutoSave"), "20");

    CMorvelankApp reloaded;
    reloaded.WczytajUstawieniaProgramu();
    EXPECT_EQ(reloaded.EuroRate, 45000);
    EXPECT_EQ(reloaded.WorkingPath, "E:\\Postępowania");
    EXPECT_EQ(reloaded.ArchivePath, "E:\\Archiwum");
    EXPECT_EQ(reloaded.AutoSaveOn, 1);
    EXPECT_EQ(reloaded.AutoSaveInterval, 20);

    reloaded.AutoSaveOn = 0;
    reloaded.SaveSettings();
    EXPECT_TRUE(IsStored("AutoSave"));
    EXPECT_EQ(Stored("AutoSave"), "");
    CMorvelankApp off;
    off.WczytajUstawieniaProgramu();
    EXPECT_EQ(off.AutoSaveOn, 0);
    EXPECT_EQ(off.AutoSaveInterval, 60);
}

} // namespace
