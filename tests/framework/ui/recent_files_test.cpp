// The recent-file list: order, limit, letter case, the profile and the menu.
#include "docview_fixture.h"

namespace {

class RecentApp : public CWinApp {
public:
    RecentApp() : CWinApp("Testy listy plików") {}
};

TEST(RecentFiles, MostRecentFirstWithoutRepeatsAndKeptInTheProfile)
{
    RecentApp app;
    app.SetRegistryKey("Dravo Test");
    app.LoadStdProfileSettings(4);
    ASSERT_NE(app.m_pRecentFileList, nullptr);
    for (const char *path : {"C:\\a.baz", "C:\\b.baz", "C:\\c.baz", "C:\\d.baz", "C:\\e.baz", "c:\\B.BAZ"})
        app.AddToRecentFileList(path);
    CRecentFileList &list = *app.m_pRecentFileList;
    // The same file in other letters moves up under the spelling given last.
    const char *expected[] = {"c:\\B.BAZ", "C:\\e.baz", "C:\\d.baz", "C:\\c.baz"};
    ASSERT_EQ(list.GetCount(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_STREQ(list[i], expected[i]) << i;

    app.SaveStdProfileSettings();
    EXPECT_STREQ(app.GetProfileString("Recent File List", "File1"), "c:\\B.BAZ");
    RecentApp again;
    again.SetRegistryKey("Dravo Test");
    again.LoadStdProfileSettings(4);
    ASSERT_EQ(again.m_pRecentFileList->GetCount(), 4);
    EXPECT_STREQ((*again.m_pRecentFileList)[3], "C:\\c.baz");
}

TEST(RecentFiles, MenuShowsTheEntriesOrItsOwnGreyedItemWhenEmpty)
{
    RecentApp app;
    app.LoadStdProfileSettings(4);
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_TEST_MAINFRAME));
    CMenu *file = menu.GetSubMenu(0);
    ASSERT_NE(file, nullptr);
    AfxUpdateMenuCmdUI(file, &app, TRUE);
    EXPECT_EQ(file->GetMenuItemCount(), 2u);
    EXPECT_TRUE(file->GetMenuState(ID_FILE_MRU_FILE1, MF_BYCOMMAND) & MF_GRAYED);

    app.AddToRecentFileList("C:\\przetargi\\pierwszy.baz");
    app.AddToRecentFileList("C:\\przetargi\\drugi.baz");
    AfxUpdateMenuCmdUI(file, &app, TRUE);
    ASSERT_EQ(file->GetMenuItemCount(), 3u);
    CString text;
    file->GetMenuString(ID_FILE_MRU_FILE1, text, MF_BYCOMMAND);
    EXPECT_STREQ(text, "&1 C:\\przetargi\\drugi.baz");
    file->GetMenuString(ID_FILE_MRU_FILE1 + 1, text, MF_BYCOMMAND);
    EXPECT_STREQ(text, "&2 C:\\przetargi\\pierwszy.baz");
    EXPECT_FALSE(file->GetMenuState(ID_FILE_MRU_FILE1, MF_BYCOMMAND) & MF_GRAYED);
}

TEST(RecentFiles, AnEmptyListKeepsAnOwnerDrawnItemAndGreysIt)
{
    RecentApp app;
    app.LoadStdProfileSettings(4);
    ASSERT_EQ(app.m_pRecentFileList->GetCount(), 0);
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_TEST_MAINFRAME));
    CMenu *file = menu.GetSubMenu(0);
    ASSERT_NE(file, nullptr);
    // An icon menu draws the item itself from its own record, named by the item data.
    ASSERT_TRUE(::ModifyMenuW(file->GetSafeHmenu(), ID_FILE_MRU_FILE1, MF_BYCOMMAND | MF_OWNERDRAW, ID_FILE_MRU_FILE1,
                              (LPCWSTR)42));
    AfxUpdateMenuCmdUI(file, &app, TRUE);
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_DATA | MIIM_STATE;
    ASSERT_TRUE(::GetMenuItemInfoW(file->GetSafeHmenu(), ID_FILE_MRU_FILE1, FALSE, &info));
    EXPECT_TRUE(info.fType & MFT_OWNERDRAW);
    EXPECT_EQ(info.dwItemData, 42u);
    EXPECT_TRUE(info.fState & MFS_GRAYED);
}

TEST(RecentFiles, ALongPathIsShortenedInItsMiddle)
{
    const struct {
        const char *path;
        const char *shown;
    } cases[] = {
        {"C:\\Dokumenty\\przetarg.baz", "C:\\Dokumenty\\przetarg.baz"},
        {"C:\\Dokumenty\\Przetargi 2025\\Dostawa papieru\\przetarg.baz", "C:\\Dokumenty\\...\\przetarg.baz"},
        {"C:\\Dok\\Przetargi 2025\\Papier\\a\\b.baz", "C:\\Dok\\...\\Papier\\a\\b.baz"},
        {"\\\\serwer\\dane\\przetargi\\2025\\wrzesien\\x.baz", "\\\\serwer\\dane\\...\\x.baz"},
        // No room for even the first folder and the name: the name alone, however long.
        {"C:\\Bardzo dluga nazwa folderu\\dwa\\przetarg.baz", "przetarg.baz"},
        {"C:\\Przetargi\\Dostawa papieru do biur gminy.baz", "Dostawa papieru do biur gminy.baz"},
    };
    for (const auto &c : cases)
        EXPECT_STREQ(AbbreviatePath(c.path, 30), c.shown) << c.path;

    RecentApp app;
    app.LoadStdProfileSettings(4);
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_TEST_MAINFRAME));
    CMenu *file = menu.GetSubMenu(0);
    ASSERT_NE(file, nullptr);
    app.AddToRecentFileList("C:\\Dokumenty\\Przetargi 2025\\Dostawa papieru & tonerów\\przetarg.baz");
    app.AddToRecentFileList("C:\\B&R\\a.baz");
    AfxUpdateMenuCmdUI(file, &app, TRUE);
    CString text;
    file->GetMenuString(ID_FILE_MRU_FILE1, text, MF_BYCOMMAND);
    EXPECT_STREQ(text, "&1 C:\\B&&R\\a.baz"); // "&" of a name is no mnemonic
    file->GetMenuString(ID_FILE_MRU_FILE1 + 1, text, MF_BYCOMMAND);
    EXPECT_STREQ(text, "&2 C:\\Dokumenty\\...\\przetarg.baz");
    // The full path still opens.
    EXPECT_STREQ((*app.m_pRecentFileList)[1], "C:\\Dokumenty\\Przetargi 2025\\Dostawa papieru & tonerów\\przetarg.baz");
}

} // namespace
