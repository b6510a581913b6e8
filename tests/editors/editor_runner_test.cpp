#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/ui/ui.h"
#include "model/project.h"
#include "proceeding/editors/editor_runner.h"
#include "proceeding/editors/grid_table_editor_dlg.h"
#include "proceeding/editors/list_editor_dlg.h"
#include "proceeding/editors/price_editor_dlg.h"
#include "proceeding/editors/table_editor_dlg.h"
#include "res/editors_ids.h"
#include "res/list_editor_ids.h"
#include "res/table_editors_ids.h"
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
        // The price editor groups the amount as the user leaves its edit for "Zapisz".
        if (dynamic_cast<CPriceEditorDlg *>(&dialog) != nullptr)
            DialogDriver::LeaveEdit(dialog, IDC_EDITOR_VALUE);
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

TEST_F(EditorRunnerTest, ListEditorGetsKindPartsAndRowsAndReturnsTheRows)
{
    std::vector<int> columns;
    Answer([&](CDialog &dialog) {
        auto *editor = dynamic_cast<CListEditorDlg *>(&dialog);
        ASSERT_NE(nullptr, editor);
        columns.push_back(static_cast<int>(
            ::SendMessageW(reinterpret_cast<HWND>(editor->m_list.SendMessage(LVM_GETHEADER)), HDM_GETITEMCOUNT, 0, 0)));
        DialogDriver::Press(dialog, IDC_LIST_EDITOR_OK);
    });
    CTestHookScope scope(hook);
    ListEditRequest request;
    request.listKind = 2;
    request.partCount = 3;
    request.value = "1|Firma|Adres|100|brak|2";
    ASSERT_TRUE(runner.EditList(request));
    EXPECT_STREQ("1|Firma|Adres|100|brak|2\n", request.value);

    // Weights short of 100 keep the editor open, so it ends as cancelled.
    request.listKind = 0;
    request.value = "Cena|50\n";
    EXPECT_FALSE(runner.EditList(request));
    EXPECT_STREQ("Cena|50\n", request.value);
    EXPECT_EQ((std::vector<int>{6, 2}), columns) << "the divided summary has the part column";
}

TEST_F(EditorRunnerTest, DocumentListAndTableEditorsGetCaptionAndValueAndReturnTheValue)
{
    std::vector<std::string> captions;
    bool criteriaShown = false;
    int gridMode = -1;
    Answer([&](CDialog &dialog) {
        CString caption;
        dialog.GetWindowText(caption);
        captions.push_back(caption.GetString());
        if (auto *grid = dynamic_cast<CGridTableEditorDlg *>(&dialog))
            gridMode = grid->m_nMode;
        if (dynamic_cast<CTableEditorDlg *>(&dialog))
            criteriaShown = DialogDriver::IsShown(dialog, IDC_TABLE_EDITOR_CRITERIA);
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    CTestHookScope scope(hook);

    DocumentListEditRequest documents;
    documents.caption = "Załączniki";
    documents.value = "Wniosek|Oferta|";
    ASSERT_TRUE(runner.EditDocumentList(documents));
    EXPECT_STREQ("Wniosek|Oferta|", documents.value);

    GridTableEditRequest grid;
    grid.mode = 1;
    grid.caption = "Komisja";
    grid.value = "Lp|Nazwisko\nLp=1|Nazwisko=Nowak\n";
    ASSERT_TRUE(runner.EditGridTable(grid));
    EXPECT_STREQ("Lp|Nazwisko\nLp=1|Nazwisko=Nowak\n", grid.value);
    EXPECT_EQ(1, gridMode);

    CProject project;
    TableEditRequest table;
    table.project = &project;
    table.name = "Kryteria oceny ofert";
    table.value = "1;-1;-1;Nazwa;1;;Cena;";
    ASSERT_TRUE(runner.EditTable(table));
    EXPECT_STREQ("1;-1;-1;Nazwa;", table.value.Left(14));
    EXPECT_STREQ(";;Cena;", table.value.Right(7));
    EXPECT_TRUE(criteriaShown) << "the record was handed to the editor";

    EXPECT_EQ((std::vector<std::string>{"Załączniki", "Komisja", "Edycja tabeli: Kryteria oceny ofert"}), captions);
}

TEST(EditorRunnerRegistration, TheProgramRunnerIsRegisteredForTheView)
{
    SetValueEditorRunner(nullptr);
    RegisterDialogEditorRunner();
    EXPECT_NE(nullptr, dynamic_cast<DialogEditorRunner *>(GetValueEditorRunner()));
    SetValueEditorRunner(nullptr);
}

} // namespace
