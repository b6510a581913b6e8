// The settings dialog: OK stores the folders only once every one is usable, asking before it
// creates a missing one; refusals keep the dialog open and the settings as they were.
#include "main_frame_fixture.h"

#include "mainframe/settings_dlg.h"

namespace {

class SettingsDialogTest : public MainFrameTest {
protected:
    void SetUp() override
    {
        MainFrameTest::SetUp();
        Reset();
    }

    // Five existing folders in the fields, the old settings in the application.
    void Reset()
    {
        fields.clear();
        messages.clear();
        for (const char *name : {"biezace", "archiwum", "terminarz2", "kopie", "eksport"}) {
            const CString path = folder.Path() + "\\" + name;
            ::CreateDirectoryW(Wide(path).c_str(), nullptr);
            fields.push_back(path);
        }
        app.WorkingPath = "C:\\stare";
        app.EuroRate = 41749;
        app.AutoSaveOn = 0;
        app.AutoSaveInterval = 10;
    }

    // Runs the dialog, types the five folders, the rate and the period, and presses OK.
    INT_PTR RunWithOk()
    {
        hook.onDialog = [this](CDialog &dialog) {
            auto &settings = dynamic_cast<CUstawieniaDlg &>(dialog);
            const int ids[] = {IDC_FOLDER_CURRENT, IDC_FOLDER_ARCHIVE, IDC_FOLDER_SCHEDULE, IDC_FOLDER_BACKUP,
                               IDC_FOLDER_EXPORT};
            for (int i = 0; i < 5; ++i)
                settings.SetDlgItemText(ids[i], "  " + fields[i] + " ");
            settings.SetDlgItemText(IDC_EURO_RATE, "4,5123");
            settings.CheckDlgButton(IDC_AUTOSAVE_ON, BST_CHECKED);
            settings.SetDlgItemText(IDC_AUTOSAVE_PERIOD, "90");
            settings.OnOK();
        };
        CUstawieniaDlg settings;
        return settings.DoModal();
    }

    std::vector<CString> fields;
};

TEST_F(SettingsDialogTest, OkStoresTrimmedFoldersRateAndClampedPeriod)
{
    EXPECT_EQ(RunWithOk(), IDOK);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(app.WorkingPath, fields[0]);
    EXPECT_EQ(app.ArchivePath, fields[1]);
    EXPECT_EQ(app.SchedulePath, fields[2]);
    EXPECT_EQ(app.BackupPath, fields[3]);
    EXPECT_EQ(app.ExportPath, fields[4]);
    EXPECT_EQ(app.EuroRate, 45123);
    EXPECT_EQ(app.AutoSaveOn, 1);
    EXPECT_EQ(app.AutoSaveInterval, 60);
}

TEST_F(SettingsDialogTest, RateIsShownAsItIsAndOkWithoutChangesKeepsIt)
{
    app.WorkingPath = fields[0];
    app.ArchivePath = fields[1];
    app.SchedulePath = fields[2];
    app.BackupPath = fields[3];
    app.ExportPath = fields[4];
    CString shown;
    hook.onDialog = [&shown](CDialog &settings) {
        settings.GetDlgItemText(IDC_EURO_RATE, shown);
        settings.OnOK();
    };
    CUstawieniaDlg settings;
    EXPECT_EQ(settings.DoModal(), IDOK);
    EXPECT_TRUE(messages.empty());
    EXPECT_STREQ("4.1749", shown);
    EXPECT_EQ(app.EuroRate, 41749);
}

TEST_F(SettingsDialogTest, MissingFolderIsCreatedOnlyAfterYes)
{
    const struct {
        int answer;
        INT_PTR result;
        bool created;
    } cases[] = {{IDYES, IDOK, true}, {IDNO, IDCANCEL, false}};
    for (const auto &c : cases) {
        Reset();
        answer = c.answer;
        const CString missing = folder.Path() + (c.created ? "\\nowe\\archiwum" : "\\odrzucone\\archiwum");
        fields[1] = missing;

        EXPECT_EQ(RunWithOk(), c.result) << c.answer;
        ASSERT_EQ(messages.size(), 1u) << c.answer;
        EXPECT_EQ(messages[0].text, "Czy utworzyć katalog : '" + missing + "' ?");
        EXPECT_EQ(messages[0].caption, "Pytanie");
        EXPECT_EQ(::GetFileAttributesW(Wide(missing).c_str()) != INVALID_FILE_ATTRIBUTES, c.created);
        EXPECT_EQ(app.WorkingPath, c.created ? fields[0] : CString("C:\\stare"));
    }
}

TEST_F(SettingsDialogTest, UnusableFolderKeepsTheDialogOpenWithNothingStored)
{
    const struct {
        int field;
        const char *typed;
        const char *message;
    } cases[] = {
        {2, "", "Proszę podać wszystkie wymagane katalogi"},
        {0, "   ", "Proszę podać wszystkie wymagane katalogi"},
        {3, "C:\\nie_ma_takiego\\..\\..\\inne", "Nieprawidłowa nazwa katalogu: 'C:\\nie_ma_takiego\\..\\..\\inne'"},
    };
    for (const auto &c : cases) {
        Reset();
        fields[c.field] = c.typed;
        EXPECT_EQ(RunWithOk(), IDCANCEL) << c.message;
        ASSERT_EQ(messages.size(), 1u) << c.message;
        EXPECT_EQ(messages[0].text, c.message);
        EXPECT_EQ(app.WorkingPath, "C:\\stare");
        EXPECT_EQ(app.EuroRate, 41749);
    }
}

// The application's folder question runs this dialog through the main window.
TEST_F(SettingsDialogTest, ChoosingTheCurrentFolderRunsTheDialogOfTheMainWindow)
{
    EXPECT_EQ(app.ChooseCurrentFolder(), 0); // no main window yet
    CreateFrame();
    int focused = 0;
    hook.onDialog = [&](CDialog &dialog) {
        focused = ::GetDlgCtrlID(::GetFocus());
        dialog.SetDlgItemText(IDC_FOLDER_CURRENT, fields[0]);
        dialog.SetDlgItemText(IDC_FOLDER_ARCHIVE, fields[1]);
        dialog.SetDlgItemText(IDC_FOLDER_SCHEDULE, fields[2]);
        dialog.SetDlgItemText(IDC_FOLDER_BACKUP, fields[3]);
        dialog.SetDlgItemText(IDC_FOLDER_EXPORT, fields[4]);
        dynamic_cast<CUstawieniaDlg &>(dialog).OnOK();
    };
    EXPECT_EQ(app.ChooseCurrentFolder(), 1);
    EXPECT_EQ(focused, IDC_FOLDER_CURRENT);
    EXPECT_EQ(app.WorkingPath, fields[0]);
}

} // namespace
