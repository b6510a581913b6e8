#include <gtest/gtest.h>

#include "framework/ui/ui.h"
#include "proceeding/editors/editor_runner.h"
#include "tests/support/dialog_driver.h"

namespace {

// The runner's editors answered through the test hook: what the view asked reaches the dialog
// and the dialog's result comes back, a cancelled one leaving the request as it was.
class EditorRunnerTest : public ::testing::Test {
protected:
    void Answer(const std::function<void(CDialog &)> &answer)
    {
        hook.onDialog = answer;
        hook.onMessageBox = [](const CString &, const CString &, UINT) { return IDOK; };
    }

    CTestHook hook;
    DialogEditorRunner runner;
};

TEST_F(EditorRunnerTest, TextEditorTakesTheKeyAtTheClickAndReturnsTheText)
{
    Answer([](CDialog &dialog) { DialogDriver::Press(dialog, IDOK); });
    CTestHookScope scope(hook);
    TextEditRequest request;
    request.variableName = "opis";
    request.value = "abcd...";
    request.keyChar = 'x';
    request.clickOffset = 2;
    ASSERT_TRUE(runner.EditText(request));
    EXPECT_STREQ("abxcd", request.value);
}

TEST_F(EditorRunnerTest, CancelledEditorsLeaveTheRequest)
{
    Answer([](CDialog &dialog) { DialogDriver::Press(dialog, IDCANCEL); });
    CTestHookScope scope(hook);
    TextEditRequest text;
    text.value = "abc";
    EXPECT_FALSE(runner.EditText(text));
    EXPECT_STREQ("abc", text.value);
    PriceEditRequest price;
    price.value = "12";
    EXPECT_FALSE(runner.EditPrice(price));
    EXPECT_STREQ("12", price.value);
    DateEditRequest date;
    date.value = "2025-01-02";
    EXPECT_FALSE(runner.EditDate(date));
    EXPECT_STREQ("2025-01-02", date.value);
}

TEST_F(EditorRunnerTest, PriceAndDateEditorsGetCaptionAndValue)
{
    CString caption;
    Answer([&](CDialog &dialog) {
        dialog.GetWindowText(caption);
        DialogDriver::Press(dialog, IDOK);
    });
    CTestHookScope scope(hook);

    PriceEditRequest price;
    price.caption = "cena brutto";
    price.value = "1234,5";
    ASSERT_TRUE(runner.EditPrice(price));
    EXPECT_STREQ("cena brutto", caption);
    EXPECT_STREQ("1 234.5", price.value);

    DateEditRequest date;
    date.variableName = "termin";
    date.value = "2025-03-04";
    date.mode = 1;
    ASSERT_TRUE(runner.EditDate(date));
    EXPECT_STREQ("Edytor - termin", caption);
    EXPECT_STREQ("2025-03-04", date.value);
}

TEST(EditorRunnerRegistration, TheProgramRunnerIsRegisteredForTheView)
{
    SetValueEditorRunner(nullptr);
    RegisterDialogEditorRunner();
    EXPECT_NE(nullptr, dynamic_cast<DialogEditorRunner *>(GetValueEditorRunner()));
    SetValueEditorRunner(nullptr);
}

} // namespace
