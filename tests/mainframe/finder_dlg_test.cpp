// The finder dialogs under the test hook, and the menu command that opens what was found.
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "app/morvelank_app.h"
#include "framework/core/codepage.h"
#include "framework/ui/testhook.h"
#include "mainframe/tools/finder_dlg.h"
#include "mainframe/tools/finder_search.h"
#include "mainframe/tools/text_find_dlg.h"
#include "mainframe/tools/tool_commands.h"
#include "res/resource.h"
#include "tests/support/dialog_driver.h"
#include "tests/support/test_folder.h"

namespace {

void MakeFolder(const CString &path)
{
    ::CreateDirectoryW(Cp1250ToWide(path).c_str(), nullptr);
}

CString ListText(CListBox &list, int index)
{
    CString text;
    list.GetText(index, text);
    return text;
}

CString Text(CWnd &dialog, int id)
{
    CString text;
    dialog.GetDlgItemText(id, text);
    return text;
}

// A main window that records what it is asked to open.
class RecordingMainWindow : public CWnd, public MainWindowServices {
public:
    HMENU BuildMainMenu() override { return nullptr; }
    void SetAutosaveTimer() override {}
    void SetStatusText(int pane, const CString &text) override { statusTexts.push_back({pane, text}); }
    void ShowProgress() override {}
    void SetProgressPos(int) override {}
    void SetProgressRange(int) override {}
    void ShowBar(int, int) override {}
    void ShowFormatBar(int) override {}
    void OpenProject(int folderKind, int sample, const CString &folder, const CString &fileName) override
    {
        CString call;
        call.Format("%d,%d,%s,%s", folderKind, sample, (LPCSTR)folder, (LPCSTR)fileName);
        opened.push_back(call);
    }
    BOOL PreTranslateAppMessage(MSG *) override { return FALSE; }

    std::vector<CString> opened; // "kind,sample,folder,name"
    std::vector<std::pair<int, CString>> statusTexts;
};

class FinderDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        app.WorkingPath = root / "biezace";
        app.ArchivePath = root / "archiwum";
        MakeFolder(app.WorkingPath);
        MakeFolder(app.ArchivePath);
        root.WriteBytes(app.WorkingPath + "\\stary.npw", "Dostawa mebli");
        MakeFolder(app.WorkingPath + "\\Meble");
        root.WriteBytes(app.WorkingPath + "\\Meble\\Meble.dat", "meble biurowe");
        root.WriteBytes(app.WorkingPath + "\\Meble\\Meble.baz", "");
        std::string archived(14, '\0');
        archived += std::string("\x00\x00\x00", 3) + "\x0b" + "Meble 2019r";
        root.WriteBytes(app.ArchivePath + "\\meble.ar1", archived);
        root.WriteBytes(app.ArchivePath + "\\obciete.ar1", "meble");
    }

    TestFolder root;
    CMorvelankApp app;
    DialogDriver driver;
};

TEST_F(FinderDialogTest, FindListsEntriesAndDescribesTheChosenOne)
{
    CZnajdzPlikiDlg dialog;
    dialog.m_mode = kFinderCurrent;
    dialog.m_folder = app.WorkingPath;
    const INT_PTR result = driver.Run(dialog, [&](CDialog &) {
        dialog.SetDlgItemText(IDC_FIND_TEXT, "MEBL");
        DialogDriver::Press(dialog, IDC_FIND_START);
        ASSERT_EQ(dialog.Files().GetCount(), 2);
        EXPECT_EQ(ListText(dialog.Files(), 0), "stary.npw");
        EXPECT_EQ(ListText(dialog.Files(), 1), "Meble\\Meble.baz");

        dialog.Files().SetCurSel(0);
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_FIND_FILES, LBN_SELCHANGE), (LPARAM)dialog.Files().m_hWnd);
        EXPECT_EQ(Text(dialog, IDC_FIND_DESCRIPTION), "Przetarg nieogran. pow. 30000 EURO");

        // With the case kept nothing matches, and the list is emptied first.
        dialog.CheckDlgButton(IDC_FIND_MATCH_CASE, BST_CHECKED);
        DialogDriver::Press(dialog, IDC_FIND_START);
        EXPECT_EQ(dialog.Files().GetCount(), 0);
        dialog.CheckDlgButton(IDC_FIND_MATCH_CASE, BST_UNCHECKED);
        DialogDriver::Press(dialog, IDC_FIND_START);
        dialog.Files().SetCurSel(1);
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_FIND_FILES, LBN_SELCHANGE), (LPARAM)dialog.Files().m_hWnd);
        DialogDriver::Press(dialog, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dialog.m_selected, "Meble\\Meble.baz");
    EXPECT_TRUE(driver.messages.empty());
}

TEST_F(FinderDialogTest, ArchiveDescriptionsAndUnreadableOnes)
{
    CZnajdzPlikiDlg dialog;
    dialog.m_mode = kFinderArchive;
    dialog.m_folder = app.ArchivePath;
    driver.Run(dialog, [&](CDialog &) {
        dialog.SetDlgItemText(IDC_FIND_TEXT, "meble");
        DialogDriver::Press(dialog, IDC_FIND_START);
        ASSERT_EQ(dialog.Files().GetCount(), 2);
        dialog.DescribeFile("meble.ar1");
        EXPECT_EQ(Text(dialog, IDC_FIND_DESCRIPTION), "Meble 2019r");
        dialog.DescribeFile("obciete.ar1");
        EXPECT_EQ(Text(dialog, IDC_FIND_DESCRIPTION), "");
    });
    ASSERT_EQ(driver.messages.size(), 1u);
    EXPECT_EQ(driver.messages[0].text, "Błąd odczytu pliku: " + app.ArchivePath + "\\obciete.ar1");
    EXPECT_EQ(driver.messages[0].caption, "Błąd");
}

TEST_F(FinderDialogTest, MissingFolderAndOpenWithoutChoiceAreTold)
{
    CZnajdzPlikiDlg dialog;
    dialog.m_mode = kFinderCurrent;
    dialog.m_folder = root / "brak";
    const INT_PTR result = driver.Run(dialog, [&](CDialog &) {
        DialogDriver::Press(dialog, IDC_FIND_START);
        DialogDriver::Press(dialog, IDOK);
    });
    EXPECT_EQ(result, IDCANCEL);
    ASSERT_EQ(driver.messages.size(), 2u);
    EXPECT_EQ(driver.messages[0].text, "Nie znaleziono katalogu: " + (root / "brak"));
    EXPECT_EQ(driver.messages[1].text, "Brak wybranych elementów.");
}

TEST(FinderEntry, SplitsAtTheFirstBackslash)
{
    const struct {
        const char *entry, *folder, *name;
    } cases[] = {
        {"Meble\\Meble.baz", "Meble", "Meble.baz"},
        {"stary.npw", "", "stary.npw"},
        {"\\x.baz", "", "\\x.baz"},
        {"a\\b\\c.baz", "a", "b\\c.baz"},
    };
    for (const auto &c : cases) {
        CString folder = "?", name = "?";
        SplitFoundEntry(c.entry, folder, name);
        EXPECT_EQ(folder, c.folder) << c.entry;
        EXPECT_EQ(name, c.name) << c.entry;
    }
}

TEST_F(FinderDialogTest, CommandOpensTheChosenProceedingThroughTheMainWindow)
{
    RecordingMainWindow main;
    ASSERT_TRUE(main.CreateEx(0, "STATIC", "", WS_POPUP, CRect(0, 0, 100, 100), nullptr, 0));
    app.m_pMainWnd = &main;
    for (const int archive : {0, 1}) {
        CTestHook hook;
        hook.onDialog = [&](CDialog &shown) {
            auto &dialog = dynamic_cast<CZnajdzPlikiDlg &>(shown);
            EXPECT_EQ(dialog.m_folder, archive ? app.ArchivePath : app.WorkingPath);
            dialog.SetDlgItemText(IDC_FIND_TEXT, archive ? "Meble 2019" : "biurowe");
            DialogDriver::Press(dialog, IDC_FIND_START);
            dialog.Files().SetCurSel(0);
            dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_FIND_FILES, LBN_SELCHANGE), (LPARAM)dialog.Files().m_hWnd);
            DialogDriver::Press(dialog, IDOK);
        };
        hook.onMessageBox = [](const CString &text, const CString &, UINT) {
            ADD_FAILURE() << (LPCSTR)text;
            return IDOK;
        };
        CTestHookScope scope(hook);
        RunFinder(&main, archive);
    }
    app.m_pMainWnd = nullptr;
    main.DestroyWindow();
    ASSERT_EQ(main.opened.size(), 2u);
    EXPECT_EQ(main.opened[0], "0,0,Meble,Meble.baz");
    EXPECT_EQ(main.opened[1], "1,0,,meble.ar1");
    ASSERT_EQ(main.statusTexts.size(), 2u);
    EXPECT_EQ(main.statusTexts[0].first, 0);
    EXPECT_EQ(main.statusTexts[0].second, "");
}

TEST(TextFindDialog, HandsBackTheTextAndTheCaseFlag)
{
    CZnajdzDlg dialog;
    DialogDriver driver;
    EXPECT_EQ(driver.Run(dialog,
                         [](CDialog &shown) {
                             shown.SetDlgItemText(IDC_FIND_TEXT, "wadium");
                             shown.CheckDlgButton(IDC_FIND_MATCH_CASE, BST_CHECKED);
                             shown.OnOK();
                         }),
              IDOK);
    EXPECT_EQ(dialog.m_text, "wadium");
    EXPECT_EQ(dialog.m_matchCase, 1);
}

} // namespace
