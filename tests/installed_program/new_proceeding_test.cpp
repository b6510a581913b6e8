// The main road in one process: the wizard answered, the new proceeding's window with its first
// document, the files saved at once, the window closed and the proceeding opened again.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "model/file_utils.h"
#include "model/view_tables.h"
#include "app/folder_copy.h"
#include "app/morvelank_app.h"
#include "document/view/morvelank_view.h"
#include "document/engine/rich_edit_text.h"
#include "document/view/window_title.h"
#include "framework/ui/testhook.h"
#include "mainframe/main_frame.h"
#include "mainframe/wizard/kreator_dlg.h"
#include "proceeding/frame/child_frame.h"
#include "res/resource.h"
#include "res/wizard_ids.h"
#include "tests/support/dialog_driver.h"
#include "tests/installed_program/installed_main_window.h"
#include "tests/support/test_folder.h"

namespace {

struct ShownMessage {
    CString text;
    CString caption;
};

class MainRoad : public ::testing::Test {
protected:
    void SetUp() override
    {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        m_root.Format("%smorvelank_droga_%lu", temp, GetCurrentProcessId());
        TestFolder::RemoveTree(m_root);
        // A copy of the installation: the road writes the database's id counter.
        CopyInstallation(app, m_root);
        if (HasFatalFailure())
            return;
        app.SchedulePath = app.MainPath + "\\terminarz";
        CreateDirectoryPath(app.SchedulePath);

        hook.onMessageBox = [this](const CString &text, const CString &caption, UINT) {
            messages.push_back({text, caption});
            return IDOK;
        };
        hook.onDialog = [this](CDialog &dialog) {
            if (auto *wizard = dynamic_cast<CKreatorDlg *>(&dialog))
                AnswerWizard(*wizard);
        };
        scope = std::make_unique<CTestHookScope>(hook);

        frame = OpenMainWindow(app);
        ASSERT_NE(app.ProceedingTemplate, nullptr);
        ASSERT_NE(frame, nullptr);
    }

    void TearDown() override
    {
        CloseMainWindow(app, frame);
        scope.reset();
        TestFolder::RemoveTree(m_root);
    }

    // A proceeding of the 2019 act in the basic procedure without negotiations, in two parts.
    void AnswerWizard(CKreatorDlg &wizard)
    {
        auto page = [&wizard]() { return wizard.GetActivePage(); };
        DialogDriver::Press(wizard, IDC_WIZARD_NEXT);
        page()->CheckRadioButton(IDC_MODE_FIRST, IDC_MODE_LAST, IDC_MODE_3);
        DialogDriver::Press(wizard, IDC_WIZARD_NEXT);
        DialogDriver::Press(wizard, IDC_WIZARD_NEXT);
        page()->SetDlgItemText(IDC_PROJECT_NAME, kName);
        page()->CheckRadioButton(IDC_PROJECT_ONE_TASK, IDC_PROJECT_MANY_TASKS, IDC_PROJECT_MANY_TASKS);
        page()->SetDlgItemText(IDC_PROJECT_COUNT, "2");
        DialogDriver::Press(wizard, IDC_WIZARD_NEXT);
    }

    CMorvelankView *ActiveView() const
    {
        auto *child = dynamic_cast<CChildFrame *>(app.ProceedingWindow);
        return child ? dynamic_cast<CMorvelankView *>(child->GetView()) : nullptr;
    }

    CString Messages() const
    {
        CString all;
        for (const ShownMessage &message : messages)
            all += message.caption + ": " + message.text + "\n";
        return all;
    }

    static constexpr const char *kName = "Remont szkoły";
    // The first document of the kind, the proceeding's card, divided into parts.
    static constexpr const char *kKnownText = "KARTA POSTĘPOWANIA";
    static constexpr const char *kPartsText = "Części zamówienia:";
    CMorvelankApp app;
    CTestHook hook;
    std::unique_ptr<CTestHookScope> scope;
    CMainFrame *frame = nullptr;
    CString m_root;
    std::vector<ShownMessage> messages;
};

struct TableSnapshot {
    std::vector<std::string> variables;
    std::vector<std::string> documents;
    std::vector<std::string> parts;

    explicit TableSnapshot(const ViewTables &tables)
    {
        for (int i = 0; i < tables.GetVariableCount(); ++i) {
            const VariableSlot &v = tables.m_variables[i];
            CString line;
            line.Format("%d|%d|%d|%d|%s", i, v.type, v.groupNumber, v.selected, (LPCSTR)v.value);
            variables.push_back(line.GetString());
        }
        for (int d = 0; d < tables.m_nDocumentCount; ++d) {
            const DocumentSlot &slot = tables.m_documents[d];
            CString line;
            line.Format("%s|%s|%d|%d|%d", (LPCSTR)slot.fileName, (LPCSTR)slot.displayName, slot.state, slot.plus,
                        slot.perPart);
            documents.push_back(line.GetString());
        }
        for (int part = 0; part < tables.m_nParts; ++part)
            parts.push_back(tables.m_partNames[part].GetString());
    }
};

TEST_F(MainRoad, NewProceedingIsShownSavedClosedAndOpenedAgain)
{
    frame->NewProject();
    CMorvelankView *view = ActiveView();
    ASSERT_NE(view, nullptr) << Messages();
    EXPECT_TRUE(messages.empty()) << Messages();

    EXPECT_EQ(view->m_proceeding.m_nProcedureCode, 164);
    EXPECT_EQ(view->GetProceedingKind(), 0);
    EXPECT_EQ(view->GetCurrentDocument(), 0);
    const CString text = RichEditText(view->GetSafeHwnd()).GetPlainText();
    EXPECT_GT(text.GetLength(), 200);
    EXPECT_NE(text.Find(kKnownText), -1) << (LPCSTR)text.Left(400);
    EXPECT_NE(text.Find(kPartsText), -1);
    EXPECT_EQ(view->m_proceeding.m_tables->m_nParts, 2);
    EXPECT_STREQ(view->m_proceeding.m_tables->m_partNames[1], "Część postępowania 2");

    const CString folder = app.WorkingPath + "\\" + kName;
    for (const char *file : {".baz", ".dat"})
        EXPECT_TRUE(FileExists(folder + "\\" + kName + file)) << file;
    EXPECT_FALSE(view->IsModified());
    EXPECT_GE(view->m_proceeding.m_project.m_nDatabaseId, 1);
    CString title;
    view->GetParentFrame()->GetWindowText(title);
    EXPECT_EQ(title, "Postępowanie::" + ShortenTitleText(folder + "\\" + kName));

    const TableSnapshot saved(*view->m_proceeding.m_tables);
    const int32_t id = view->m_proceeding.m_project.m_nDatabaseId;
    app.ProceedingWindow->SendMessage(WM_CLOSE);
    EXPECT_FALSE(app.ProceedingTemplate->GetFirstDocPosition()) << "closed without a question";
    EXPECT_TRUE(messages.empty()) << Messages();

    frame->OpenProject(0, 0, kName, CString(kName) + ".baz");
    CMorvelankView *reopened = ActiveView();
    ASSERT_NE(reopened, nullptr) << Messages();
    EXPECT_TRUE(messages.empty()) << Messages();
    EXPECT_EQ(reopened->m_proceeding.m_project.m_nDatabaseId, id);
    EXPECT_EQ(reopened->m_proceeding.m_nProcedureCode, 164);
    const TableSnapshot read(*reopened->m_proceeding.m_tables);
    EXPECT_EQ(saved.variables, read.variables);
    EXPECT_EQ(saved.documents, read.documents);
    EXPECT_EQ(saved.parts, read.parts);
    EXPECT_EQ(RichEditText(reopened->GetSafeHwnd()).GetPlainText(), text);
}

TEST_F(MainRoad, SampleCommandOpensTheShippedExampleWithoutSavingIt)
{
    app.ExamplePath = app.MainPath + "\\example";
    const CString folder = app.ExamplePath + "\\Dostawa tonerów";
    const CString record = folder + "\\Dostawa tonerów.baz";
    ASSERT_TRUE(FileExists(record));
    WIN32_FILE_ATTRIBUTE_DATA before{};
    ASSERT_TRUE(GetFileAttributesExA(record, GetFileExInfoStandard, &before));

    frame->SendMessage(WM_COMMAND, ID_PRZYKLADOWE);
    CMorvelankView *view = ActiveView();
    ASSERT_NE(view, nullptr) << Messages();
    EXPECT_TRUE(messages.empty()) << Messages();
    EXPECT_EQ(view->GetProceedingKind(), 5);
    EXPECT_EQ(view->m_proceeding.m_nProcedureCode % 100, 64);
    EXPECT_NE(RichEditText(view->GetSafeHwnd()).GetPlainText().Find(kKnownText), -1);

    app.ProceedingWindow->SendMessage(WM_CLOSE);
    WIN32_FILE_ATTRIBUTE_DATA after{};
    ASSERT_TRUE(GetFileAttributesExA(record, GetFileExInfoStandard, &after));
    EXPECT_EQ(CompareFileTime(&before.ftLastWriteTime, &after.ftLastWriteTime), 0) << "the example was written";
}

} // namespace
