#include <gtest/gtest.h>

#include "dialog_test_support.h"
#include "framework/core/codepage.h"
#include "proceeding/dialogs/save_as_dlg.h"
#include "tests/support/test_folder.h"

namespace {

class SaveAsInFolder : public CSaveAsDlg {
public:
    explicit SaveAsInFolder(const CString &workingPath) : m_workingPath(workingPath) {}

protected:
    CString GetWorkingPath() const override { return m_workingPath; }

private:
    CString m_workingPath;
};

struct NameCase {
    const char *name;
    const char *start; // how the message begins
};

TEST(SaveAsDialog, NameThatIsNoFolderOfTheWorkingFolderIsRefused)
{
    const NameCase cases[] = {
        {"", "Proszę wybrać nazwę postępowania"},
        {"..", "Nazwa: .. nie może być nazwą katalogu."},
        {".", "Nazwa: . nie może być nazwą katalogu."},
        {"..\\poza", "Nazwa: ..\\poza nie może"},
        {"a\\b", "Nazwa: a\\b nie może"},
        {"a/b", "Nazwa: a/b nie może"},
        {"C:przetarg", "Nazwa: C:przetarg nie może"},
        {"co*", "Nazwa: co* nie może"},
        {"co?", "Nazwa: co? nie może"},
        {"\"cudzysłów\"", "Nazwa: \"cudzysłów\" nie może"},
        {"<a>", "Nazwa: <a> nie może"},
        {"a|b", "Nazwa: a|b nie może"},
        {"tab\tulator", "Nazwa: tab\tulator nie może"},
        {"kropka.", "Nazwa: kropka. nie może"},
        {"spacja ", "Nazwa: spacja  nie może"},
        {"CON", "Nazwa: CON nie może"},
        {"nul.txt", "Nazwa: nul.txt nie może"},
        {"Lpt1", "Nazwa: Lpt1 nie może"},
    };
    TestFolder working;
    for (const NameCase &c : cases) {
        SCOPED_TRACE(c.name);
        SaveAsInFolder dialog(working.Path());
        HWND focused = nullptr;
        const DialogRun run = RunDialog(dialog, [&](CDialog &d) {
            d.SetDlgItemText(IDC_PROCEEDING_NAME, c.name);
            PressOk(d);
            focused = ::GetFocus();
            if (*c.name) {
                EXPECT_EQ(focused, d.GetDlgItem(IDC_PROCEEDING_NAME)->m_hWnd);
            }
        });
        EXPECT_EQ(run.result, IDCANCEL);
        ASSERT_EQ(run.messages.size(), 1u);
        EXPECT_EQ(run.messages[0].text.Find(c.start), 0) << (LPCSTR)run.messages[0].text;
        EXPECT_STREQ(run.messages[0].caption, "Informacja");
        EXPECT_EQ(run.messages[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONINFORMATION));
    }
    EXPECT_EQ(working.Listing(), "");
}

TEST(SaveAsDialog, ExistingNameKeepsTheDialogOpenWithTheFocusInTheName)
{
    TestFolder working;
    CreateDirectoryW(Cp1250ToWide(working / "Przetarg").c_str(), nullptr);
    SaveAsInFolder dialog(working.Path());
    bool focusInName = false;
    const DialogRun run = RunDialog(dialog, [&](CDialog &d) {
        d.SetDlgItemText(IDC_PROCEEDING_NAME, "Przetarg");
        PressOk(d);
        focusInName = ::GetFocus() == d.GetDlgItem(IDC_PROCEEDING_NAME)->m_hWnd;
    });
    EXPECT_EQ(run.result, IDCANCEL);
    EXPECT_TRUE(focusInName);
    EXPECT_STREQ(run.FirstMessage(), "Katalog o nazwie: Przetarg już istnieje. Proszę wybrać inną nazwę postępowania.");
}

TEST(SaveAsDialog, GoodNameMakesTheFolderAndEndsTheDialog)
{
    const char *const names[] = {"Przetarg 2025", "Zażółć gęślą jaźń", "v1.2 dostawa", "CONSOLE", ".ukryty"};
    TestFolder working;
    for (const char *name : names) {
        SCOPED_TRACE(name);
        SaveAsInFolder dialog(working.Path());
        const DialogRun run = RunDialog(dialog, [&](CDialog &d) {
            d.SetDlgItemText(IDC_PROCEEDING_NAME, name);
            PressOk(d);
        });
        EXPECT_EQ(run.result, IDOK);
        EXPECT_TRUE(run.messages.empty()) << (LPCSTR)run.FirstMessage();
        EXPECT_STREQ(dialog.m_strName, name);
        const DWORD attributes = GetFileAttributesW(Cp1250ToWide(working / name).c_str());
        EXPECT_TRUE(attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY));
    }
}

TEST(SaveAsDialog, FolderThatCannotBeMadeIsReported)
{
    TestFolder working;
    SaveAsInFolder dialog(working / "brak");
    const DialogRun run = RunDialog(dialog, [&](CDialog &d) {
        d.SetDlgItemText(IDC_PROCEEDING_NAME, "Przetarg");
        PressOk(d);
    });
    EXPECT_EQ(run.result, IDCANCEL);
    EXPECT_STREQ(run.FirstMessage(), "Błąd utworzenia katalogu: " + (working / "brak") + "\\Przetarg.");
    EXPECT_STREQ(run.messages.front().caption, "Błąd");
}

TEST(SaveAsDialog, NoWorkingFolderMakesNothing)
{
    SaveAsInFolder dialog("");
    const DialogRun run = RunDialog(dialog, [&](CDialog &d) {
        d.SetDlgItemText(IDC_PROCEEDING_NAME, "Przetarg");
        PressOk(d);
    });
    EXPECT_EQ(run.result, IDCANCEL);
    EXPECT_EQ(run.messages.size(), 1u);
}

} // namespace
