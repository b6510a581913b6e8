// Paths as the shell's folder browser gives them: "Dokumenty" comes with a closing backslash,
// and a folder that is there is taken in whatever form it was given.
#include "controls/folder_dialog.h"
#include "framework/core/codepage.h"
#include "framework/ui/testhook.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

CString TempFolderPath()
{
    wchar_t temp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, temp);
    CString path = WideToCp1250(temp);
    path.TrimRight('\\');
    return path;
}

TEST(WithoutTrailingSeparator, DropsClosingBackslashesButKeepsADriveRoot)
{
    const struct {
        const char *given;
        const char *expected;
    } cases[] = {
        {"C:\\users\\root\\Documents\\", "C:\\users\\root\\Documents"},
        {"D:\\Dane\\\\", "D:\\Dane"},
        {"C:\\", "C:\\"},
        {"C:\\Przetargi", "C:\\Przetargi"},
        {"\\\\serwer\\udział\\", "\\\\serwer\\udział"},
        {"", ""},
    };
    for (const auto &c : cases)
        EXPECT_STREQ(c.expected, CFolderDialog::WithoutTrailingSeparator(c.given)) << c.given;
}

class ExistingFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        hook.onMessageBox = [this](const CString &text, const CString &, UINT) {
            boxes.push_back(text);
            return IDNO;
        };
    }
    CTestHook hook;
    CTestHookScope scope{hook};
    std::vector<CString> boxes;
};

// An existing folder in a form the creation checks refuse is still a folder the user can use.
TEST_F(ExistingFolderTest, IsTakenWithoutAQuestionInAnyForm)
{
    CFolderDialog dialog("Wybór", "Katalog", nullptr, nullptr);
    for (const CString &path : {TempFolderPath() + "\\", TempFolderPath() + "\\.", CString("C:\\")}) {
        EXPECT_EQ(0, dialog.ConfirmFolder(path)) << (LPCTSTR)path;
    }
    EXPECT_TRUE(boxes.empty());
}

TEST_F(ExistingFolderTest, ChosenWithAClosingBackslashComesBackWithoutIt)
{
    CFolderDialog chooser("Wybór", "Katalog", TempFolderPath() + "\\", nullptr);
    EXPECT_EQ(1, chooser.DoModal());
    EXPECT_STREQ(TempFolderPath(), chooser.GetPath());
    EXPECT_TRUE(boxes.empty());
}

} // namespace
