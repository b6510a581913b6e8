// The first start as a new user meets it: the splash stays while the main window loads and
// hands over to the start-up page once that window is up; the settings take the folder the
// shell's chooser gives and make the missing default folders after a single question.
#include "main_frame_fixture.h"

#include <cstdlib>

#include "mainframe/preview_dlg.h"
#include "mainframe/settings_dlg.h"
#include "mainframe/splash_wnd.h"

namespace {

bool FolderExists(const CString &path)
{
    const DWORD attributes = ::GetFileAttributesW(Wide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

class SplashHandOverTest : public MainFrameTest {
protected:
    void SetUp() override
    {
        MainFrameTest::SetUp();
        const char *source = std::getenv("MORVELANK_TEST_SOURCE_DIR");
        CString page = CString("Z:") + (source ? source : "") + "/../../install/reklama/powitanie.htm";
        page.Replace('/', '\\');
        ::CreateDirectoryW(Wide(folder.Path() + "\\reklama").c_str(), nullptr);
        ASSERT_TRUE(::CopyFileW(Wide(page).c_str(), Wide(folder.Path() + "\\reklama\\powitanie.htm").c_str(), FALSE));
        app.Greetings = true;
        hook.onDialog = [this](CDialog &dialog) {
            CString caption;
            dialog.GetWindowText(caption);
            dialogs.push_back(caption);
            dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED));
        };
        CreateFrame();
        CSplashWnd::EnableSplashScreen(TRUE);
    }

    void TearDown() override
    {
        if (CSplashWnd::Current())
            CSplashWnd::Current()->DestroyWindow();
        CSplashWnd::EnableSplashScreen(FALSE);
        MainFrameTest::TearDown();
    }

    void Tick() { ::SendMessageW(CSplashWnd::Current()->m_hWnd, WM_TIMER, CSplashWnd::kTimer, 0); }

    std::vector<CString> dialogs;
};

TEST_F(SplashHandOverTest, StaysWhileTheMainWindowLoadsAndGoesOnceItIsUp)
{
    frame->ShowWindow(SW_HIDE);
    CSplashWnd::ShowSplashScreen(frame);
    ASSERT_NE(CSplashWnd::Current(), nullptr);
    EXPECT_TRUE(::IsWindowVisible(CSplashWnd::Current()->m_hWnd));

    Tick();
    ASSERT_NE(CSplashWnd::Current(), nullptr);
    EXPECT_TRUE(dialogs.empty());

    frame->ShowWindow(SW_SHOW);
    Tick();
    EXPECT_EQ(CSplashWnd::Current(), nullptr);
    ASSERT_FALSE(dialogs.empty());
    EXPECT_EQ(dialogs[0], "Informacja"); // the start-up page, then the wizard
}

class FirstStartSettingsTest : public MainFrameTest {
protected:
    // The settings of a first start: the current folder chosen, the defaults of the others.
    INT_PTR RunWithOk(const CString &current)
    {
        hook.onDialog = [&](CDialog &dialog) {
            auto &settings = dynamic_cast<CUstawieniaDlg &>(dialog);
            settings.SetDlgItemText(IDC_FOLDER_CURRENT, current);
            settings.OnOK();
        };
        CUstawieniaDlg settings;
        return settings.DoModal();
    }

    void SetUp() override
    {
        MainFrameTest::SetUp();
        app.WorkingPath = "";
        app.ArchivePath = folder.Path() + "\\archiwum";
        app.SchedulePath = folder.Path() + "\\terminarz2";
        app.BackupPath = folder.Path() + "\\backup";
        app.ExportPath = folder.Path();
    }
};

TEST_F(FirstStartSettingsTest, MissingDefaultFoldersTakeOneQuestion)
{
    for (int answerGiven : {IDNO, IDYES}) {
        messages.clear();
        answer = answerGiven;
        EXPECT_EQ(RunWithOk(folder.Path()), answerGiven == IDYES ? IDOK : IDCANCEL);
        ASSERT_EQ(messages.size(), 1u) << answerGiven;
        EXPECT_EQ(messages[0].text, "Czy utworzyć katalogi :\n'" + app.ArchivePath + "'\n'" + app.SchedulePath + "'\n'"
                                        + app.BackupPath + "' ?");
        EXPECT_EQ(messages[0].caption, "Pytanie");
        for (const CString &made :
             {folder.Path() + "\\archiwum", folder.Path() + "\\terminarz2", folder.Path() + "\\backup"})
            EXPECT_EQ(FolderExists(made), answerGiven == IDYES) << (LPCSTR)made;
        EXPECT_EQ(app.WorkingPath, answerGiven == IDYES ? folder.Path() : CString());
    }
    // Made once: the next OK asks nothing.
    messages.clear();
    EXPECT_EQ(RunWithOk(folder.Path()), IDOK);
    EXPECT_TRUE(messages.empty());
}

// "Dokumenty" picked in the shell's chooser arrives as "...\Documents\".
TEST_F(FirstStartSettingsTest, FolderWithAClosingBackslashIsTakenAsItIs)
{
    for (const char *name : {"archiwum", "terminarz2", "backup"})
        ::CreateDirectoryW(Wide(folder.Path() + "\\" + name).c_str(), nullptr);
    EXPECT_EQ(RunWithOk(folder.Path() + "\\"), IDOK);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(app.WorkingPath, folder.Path());
}

} // namespace
