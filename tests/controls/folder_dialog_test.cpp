#include "controls/folder_dialog.h"
#include "framework/core/codepage.h"
#include "framework/ui/testhook.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

CString TempFolder()
{
    wchar_t temp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, temp);
    CString path = WideToCp1250(temp);
    path.TrimRight('\\');
    return path;
}

bool FolderExists(const CString &path)
{
    const DWORD attributes = ::GetFileAttributesW(Cp1250ToWide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// A folder name of this test run under the temporary folder, removed afterwards (two levels).
class FreshFolder {
public:
    FreshFolder() { m_base.Format("%s\\morvelank_folder_test_%lu", (LPCTSTR)TempFolder(), ::GetCurrentProcessId()); }
    ~FreshFolder()
    {
        ::RemoveDirectoryW(Cp1250ToWide(m_base + "\\Część 2").c_str());
        ::RemoveDirectoryW(Cp1250ToWide(m_base).c_str());
    }
    const CString &Base() const { return m_base; }

private:
    CString m_base;
};

} // namespace

TEST(CreateFolder, ChecksThePathWithoutCreating)
{
    struct Case {
        const char *path;
        int outcome;
    };
    const Case cases[] = {
        {"C:\\", 0},
        {"z:\\", 0},
        {"C:\\Przetargi\\2025", 0},
        {"C:\\Przetargi\\wersja 1.2", 0}, // a full stop inside a name is fine
        {"", 1},
        {"C:", 1},
        {"C:a", 1},
        {"1:\\x", 1},
        {"\\\\serwer\\udział", 1},
        {"C:\\Przetargi\\", 1},
        {"C:\\ Przetargi", 1},
        {"C:\\Przetargi.", 1},
        {"C:\\Przetargi\\..", 1},
        {"C:\\a\\\\b", 1},
        {"C:\\a\tb\\c\t", 1},
        {"C:\\co?", 1},
        {"C:\\a:b", 1},
        {"C:\\a/b", 1},
        {"C:\\\"a\"", 1},
    };
    for (const Case &c : cases)
        EXPECT_EQ(c.outcome, CFolderDialog::CreateFolder(c.path, true)) << c.path;
}

TEST(CreateFolder, CreatesEveryMissingLevel)
{
    FreshFolder folder;
    const CString path = folder.Base() + "\\Część 2";
    EXPECT_EQ(0, CFolderDialog::CreateFolder(path, false));
    EXPECT_TRUE(FolderExists(path));
    EXPECT_EQ(1, CFolderDialog::CreateFolder(folder.Base() + "\\zły?\\x", false));
    // A file in the way cannot become a folder.
    const CString file = folder.Base() + "\\plik";
    HANDLE handle = ::CreateFileW(Cp1250ToWide(file).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
    ::CloseHandle(handle);
    EXPECT_EQ(2, CFolderDialog::CreateFolder(file + "\\pod", false));
    ::DeleteFileW(Cp1250ToWide(file).c_str());
}

class ConfirmFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        hook.onMessageBox = [this](const CString &text, const CString &caption, UINT type) {
            boxes.push_back(text);
            captions.push_back(caption);
            types.push_back(type);
            return answer;
        };
    }
    CTestHook hook;
    CTestHookScope scope{hook};
    int answer = IDYES;
    std::vector<CString> boxes, captions;
    std::vector<UINT> types;
    CFolderDialog dialog{"Wybór katalogu", "Katalog roboczy", nullptr, nullptr};
    FreshFolder folder;
};

TEST_F(ConfirmFolderTest, ExistingFolderIsTakenWithoutAQuestion)
{
    EXPECT_EQ(0, dialog.ConfirmFolder(TempFolder()));
    EXPECT_TRUE(boxes.empty());
}

TEST_F(ConfirmFolderTest, MissingFolderIsCreatedOnlyAfterYes)
{
    const CString path = folder.Base() + "\\Część 2";
    answer = IDNO;
    EXPECT_EQ(-1, dialog.ConfirmFolder(path));
    EXPECT_FALSE(FolderExists(folder.Base()));
    ASSERT_EQ(1u, boxes.size());
    EXPECT_STREQ("Katalog :\n\n" + path + "\n\nnie istnieje. Czy chcesz utworzyć ten katalog?", boxes[0]);
    EXPECT_EQ((UINT)(MB_YESNO | MB_ICONQUESTION), types[0]);

    answer = IDYES;
    EXPECT_EQ(0, dialog.ConfirmFolder(path));
    EXPECT_TRUE(FolderExists(path));
}

TEST_F(ConfirmFolderTest, BadPathsAreReported)
{
    EXPECT_EQ(1, dialog.ConfirmFolder("C:\\zły|katalog"));
    ASSERT_EQ(1u, boxes.size());
    EXPECT_STREQ("Katalog:\n\nC:\\zły|katalog\n\njest nieprawidłowy. Proszę wprowadzić inny katalog.", boxes[0]);
    EXPECT_TRUE(types[0] & MB_ICONEXCLAMATION);
    EXPECT_STREQ("Błąd", captions[0]);

    boxes.clear();
    const CString file = TempFolder() + "\\morvelank_folder_test_file";
    HANDLE handle = ::CreateFileW(Cp1250ToWide(file).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
    ::CloseHandle(handle);
    EXPECT_EQ(2, dialog.ConfirmFolder(file)); // asked, then it cannot be made
    ::DeleteFileW(Cp1250ToWide(file).c_str());
    ASSERT_EQ(2u, boxes.size());
    EXPECT_STREQ("Katalog:\n\n" + file + "\n\nnie może być utworzony. Proszę wprowadzić inny katalog.", boxes[1]);
}

TEST_F(ConfirmFolderTest, DoModalUnderTheHookTakesTheInitialFolder)
{
    CFolderDialog chooser("Wybór", "Katalog", TempFolder(), nullptr);
    EXPECT_EQ(1, chooser.DoModal());
    EXPECT_STREQ(TempFolder(), chooser.GetPath());

    CFolderDialog declined("Wybór", "Katalog", folder.Base(), nullptr);
    answer = IDNO;
    EXPECT_EQ(-1, declined.DoModal());
}
