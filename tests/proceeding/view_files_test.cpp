// A proceeding window with the real view and tree, its questions answered by the real dialogs
// under the test hook: Save As to a new folder, the password changed and asked again on
// opening, the documents' secured flags, and the page set-up command.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "model/file_utils.h"
#include "model/view_tables.h"
#include "model/law_versions.h"
#include "app/morvelank_app.h"
#include "dialog_test_support.h"
#include "model/data_file.h"
#include "document/view/morvelank_doc.h"
#include "document/view/morvelank_view.h"
#include "framework/ui/commondlg.h"
#include "framework/ui/docview.h"
#include "proceeding/dialogs/dialog_prompts.h"
#include "proceeding/dialogs/document_properties_dlg.h"
#include "proceeding/dialogs/password_dialogs.h"
#include "proceeding/dialogs/save_as_dlg.h"
#include "proceeding/frame/child_frame.h"
#include "res/resource.h"
#include "tests/support/test_folder.h"

namespace {

const int kCode = 140; // the wizard's first kind, without the variant

void Type(CDialog &dialog, int id, const char *text)
{
    ::SetDlgItemTextA(dialog.m_hWnd, id, text);
}

class ViewFilesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        hook.onMessageBox = [this](const CString &text, const CString &, UINT) {
            messages.push_back(text);
            return IDOK;
        };
        hook.onDialog = [this](CDialog &dialog) {
            ASSERT_FALSE(dialogActions.empty()) << "unexpected dialog";
            auto action = dialogActions.front();
            dialogActions.erase(dialogActions.begin());
            action(dialog);
        };
        scope = std::make_unique<CTestHookScope>(hook);
        InstallDialogPrompts();

        app.MainPath = m_main / "program";
        app.WorkingPath = m_main / "prace";
        app.UserTemplatesPath = app.MainPath + "\\szablony_moje";
        ASSERT_TRUE(CreateDirectoryPath(app.WorkingPath));
        InstallKind();

        proceedingTemplate = new CMultiDocTemplate(IDR_PROCEEDING, RUNTIME_CLASS(CMorvelankDoc),
                                                   RUNTIME_CLASS(CChildFrame), RUNTIME_CLASS(CMorvelankView));
        app.AddDocTemplate(proceedingTemplate);
        app.ProceedingTemplate = proceedingTemplate;
        frame = new CMDIFrameWnd;
        ASSERT_TRUE(frame->LoadFrame(IDR_PROCEEDING));
        app.m_pMainWnd = frame;
        frame->MoveWindow(0, 0, 900, 700);

        view = NewWindow();
        ASSERT_NE(view, nullptr);
        ASSERT_EQ(view->CreateProceeding(0, "Przetarg", -1, 0, 0, DefaultValues()), 1)
            << (messages.empty() ? "" : (LPCSTR)messages.front());
        ASSERT_TRUE(FileExists(Working("Przetarg\\Przetarg.baz")));
        messages.clear();
    }

    void TearDown() override
    {
        frame->DestroyWindow();
        app.m_pMainWnd = nullptr;
    }

    // The kind's starting data and configuration: two documents whose templates are not
    // installed, which shows them empty.
    void InstallKind()
    {
        auto tables = std::make_unique<ViewTables>();
        DataFileHeader header;
        header.version = LawVersions::kNewest;
        header.procedureCode = kCode;
        const CString data = LawVersions::GetDataFilePath(app.MainPath, kCode);
        ASSERT_TRUE(CreateDirectoryPath(GetParentFolder(data)));
        ProceedingDataFile file;
        ASSERT_EQ(file.Write(data, "", *tables, header), 1);
        const CString config = LawVersions::GetConfigFilePath(app.MainPath, LawVersions::kNewest, kCode);
        ASSERT_TRUE(CreateDirectoryPath(GetParentFolder(config)));
        TestFolder::WriteBytes(config, "ogloszenie.rtf;Ogloszenie\r\numowa.rtf;Umowa\r\n");
        ASSERT_TRUE(CreateDirectoryPath(
            LawVersions::GetTemplateFolder(app.MainPath, app.UserTemplatesPath, LawVersions::kNewest)));
    }

    CMorvelankView *NewWindow()
    {
        if (!proceedingTemplate->OpenDocumentFile(nullptr))
            return nullptr;
        auto *child = dynamic_cast<CChildFrame *>(frame->MDIGetActive());
        return child ? dynamic_cast<CMorvelankView *>(child->GetView()) : nullptr;
    }

    CString Working(const char *relative) const { return app.WorkingPath + "\\" + relative; }

    CString Title() const
    {
        CString title;
        view->GetParentFrame()->GetWindowText(title);
        return title;
    }

    // Opens the proceeding in a new window, typing the password when it is asked for.
    CMorvelankView *Reopen(const char *name, const char *password)
    {
        if (password)
            dialogActions.push_back([password](CDialog &dialog) {
                ASSERT_NE(dynamic_cast<CPasswordPromptDlg *>(&dialog), nullptr);
                Type(dialog, IDC_PASSWORD, password);
                PressOk(dialog);
            });
        CMorvelankView *opened = NewWindow();
        if (!opened || opened->OpenProceeding(0, 0, name, CString(name) + ".baz") != 1)
            return nullptr;
        EXPECT_TRUE(dialogActions.empty()) << "a question that was not asked";
        return opened;
    }

    TestFolder m_main;
    CMorvelankApp app;
    CTestHook hook;
    std::unique_ptr<CTestHookScope> scope;
    std::vector<CString> messages;
    std::vector<std::function<void(CDialog &)>> dialogActions;
    CMultiDocTemplate *proceedingTemplate = nullptr;
    CMDIFrameWnd *frame = nullptr;
    CMorvelankView *view = nullptr;
};

TEST_F(ViewFilesTest, SaveAsCopiesTheProceedingToItsNewFolderAndKeepsTheOldOne)
{
    // What the save does not write itself: the editable document's text and an own file.
    TestFolder::WriteBytes(Working("Przetarg\\spec.dat"), "{\\rtf1 opis}");
    TestFolder::WriteBytes(Working("Przetarg\\zalacznik.txt"), "moj plik");
    const std::string oldRecord = TestFolder::ReadBytes(Working("Przetarg\\Przetarg.baz"));
    const std::string oldData = TestFolder::ReadBytes(Working("Przetarg\\Przetarg.dat"));

    std::vector<CString> refusals;
    dialogActions.push_back([](CDialog &dialog) {
        ASSERT_NE(dynamic_cast<CProtectDocumentDlg *>(&dialog), nullptr);
        Type(dialog, IDC_PASSWORD, "abc");
        Type(dialog, IDC_PASSWORD_REPEAT, "abc");
        PressOk(dialog);
    });
    dialogActions.push_back([&](CDialog &dialog) {
        ASSERT_NE(dynamic_cast<CSaveAsDlg *>(&dialog), nullptr);
        // A name that exists and one that leads out of the working folder keep the dialog open.
        for (const char *refused : {"Przetarg", "..\\obok"}) {
            Type(dialog, IDC_PROCEEDING_NAME, refused);
            PressOk(dialog);
            refusals.push_back(messages.empty() ? CString() : messages.back());
        }
        Type(dialog, IDC_PROCEEDING_NAME, "Kopia");
        PressOk(dialog);
    });
    frame->MDIGetActive()->SendMessage(WM_COMMAND, ID_ZAPISZ_JAKO);

    EXPECT_TRUE(dialogActions.empty());
    ASSERT_EQ(refusals.size(), 2u);
    EXPECT_STREQ(refusals[0], "Katalog o nazwie: Przetarg już istnieje. Proszę wybrać inną nazwę postępowania.");
    EXPECT_EQ(refusals[1].Find("Nazwa: ..\\obok nie może być nazwą katalogu."), 0) << (LPCSTR)refusals[1];
    EXPECT_FALSE(DirectoryExists(m_main / "obok"));

    for (const char *file : {"Kopia\\Kopia.baz", "Kopia\\Kopia.dat", "Kopia\\spec.dat", "Kopia\\zalacznik.txt"})
        EXPECT_TRUE(FileExists(Working(file))) << file;
    EXPECT_FALSE(FileExists(Working("Kopia\\Przetarg.baz")));
    EXPECT_EQ(TestFolder::ReadBytes(Working("Kopia\\spec.dat")), "{\\rtf1 opis}");
    EXPECT_EQ(TestFolder::ReadBytes(Working("Przetarg\\Przetarg.baz")), oldRecord);
    EXPECT_EQ(TestFolder::ReadBytes(Working("Przetarg\\Przetarg.dat")), oldData);
    EXPECT_STREQ(view->m_proceeding.m_project.m_strName, "Kopia");
    EXPECT_EQ(view->m_proceeding.m_bModified, 0);
    // Long paths are shortened in the middle: the end names the new folder.
    EXPECT_EQ(Title().Find("Postępowanie::"), 0) << (LPCSTR)Title();
    EXPECT_EQ(Title().Right(12), "\\Kopia\\Kopia") << (LPCSTR)Title();

    // The copy opens with the password chosen on saving; the original still has none.
    CMorvelankView *copy = Reopen("Kopia", "abc");
    ASSERT_NE(copy, nullptr);
    EXPECT_STREQ(copy->m_proceeding.m_project.m_strPassword, "abc");
    ASSERT_NE(Reopen("Przetarg", nullptr), nullptr);
}

TEST_F(ViewFilesTest, CancelledSaveAsLeavesTheProceedingOnItsFiles)
{
    for (int i = 0; i < 2; ++i) // the password, then the name
        dialogActions.push_back([](CDialog &dialog) { dialog.EndDialog(IDCANCEL); });
    view->m_proceeding.m_bModified = 1;
    SaveOptions saveAs;
    saveAs.askPassword = true;
    saveAs.saveAs = true;
    EXPECT_EQ(view->SaveProceeding(saveAs), 0);
    EXPECT_STREQ(view->m_proceeding.m_project.m_strName, "Przetarg");
    EXPECT_STREQ(view->m_proceeding.m_project.GetProjectFilePath(), Working("Przetarg\\Przetarg.baz"));
    EXPECT_EQ(view->m_proceeding.m_bModified, 1);
}

TEST_F(ViewFilesTest, ChangedPasswordIsAskedWhenTheProceedingOpensAgain)
{
    dialogActions.push_back([](CDialog &dialog) {
        ASSERT_NE(dynamic_cast<CChangePasswordDlg *>(&dialog), nullptr);
        Type(dialog, IDC_PASSWORD, "sezam12345");
        Type(dialog, IDC_PASSWORD_REPEAT, "sezam12345");
        PressOk(dialog);
    });
    frame->MDIGetActive()->SendMessage(WM_COMMAND, ID_ZMIEN_HASLO);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_STREQ(messages[0], "Aby hasło zostało zmienione należy zachować dokument.");
    EXPECT_EQ(view->m_proceeding.m_bModified, 1);
    ASSERT_EQ(view->SaveProceeding(SaveOptions()), 1);

    // A wrong password keeps the prompt open; Cancel then refuses the opening.
    dialogActions.push_back([this](CDialog &dialog) {
        Type(dialog, IDC_PASSWORD, "sezam");
        PressOk(dialog);
        EXPECT_STREQ(messages.back(), "Błędne hasło");
        dialog.EndDialog(IDCANCEL);
    });
    CMorvelankView *refused = NewWindow();
    ASSERT_NE(refused, nullptr);
    EXPECT_EQ(refused->OpenProceeding(0, 0, "Przetarg", "Przetarg.baz"), 0);

    CMorvelankView *opened = Reopen("Przetarg", "sezam12345");
    ASSERT_NE(opened, nullptr);
    EXPECT_STREQ(opened->m_proceeding.m_project.m_strPassword, "sezam12345");

    // The old password must be typed to remove it; an empty new one removes the protection.
    dialogActions.push_back([](CDialog &dialog) {
        Type(dialog, IDC_OLD_PASSWORD, "sezam12345");
        PressOk(dialog);
    });
    opened->ChangePassword();
    ASSERT_EQ(opened->SaveProceeding(SaveOptions()), 1);
    ASSERT_NE(Reopen("Przetarg", nullptr), nullptr);
}

TEST_F(ViewFilesTest, PasswordIsNotChangedOutsideAnOpenProceeding)
{
    view->m_proceeding.m_nProceedingKind = 1; // an archived proceeding
    view->ChangePassword();
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(view->m_proceeding.m_project.m_strPassword.IsEmpty());
}

TEST_F(ViewFilesTest, SecuredFlagsFromThePropertiesSurviveSavingAndOpening)
{
    ASSERT_EQ(view->m_proceeding.m_tables->m_nDocumentCount, 2);
    dialogActions.push_back([](CDialog &dialog) {
        ASSERT_NE(dynamic_cast<CDocumentPropertiesDlg *>(&dialog), nullptr);
        Click(dialog, IDC_SECURE_ALL);
        PressOk(dialog);
    });
    frame->MDIGetActive()->SendMessage(WM_COMMAND, ID_WLASNOSCI_DOKUMENTOW);
    EXPECT_EQ(view->m_proceeding.m_tables->m_documents[0].secured, 1);
    EXPECT_EQ(view->m_proceeding.m_tables->m_documents[1].secured, 1);
    EXPECT_EQ(view->m_proceeding.m_bModified, 1);
    ASSERT_EQ(view->SaveProceeding(SaveOptions()), 1);

    CMorvelankView *opened = Reopen("Przetarg", nullptr);
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(opened->m_proceeding.m_tables->m_documents[0].secured, 1);
    EXPECT_EQ(opened->m_proceeding.m_tables->m_documents[1].secured, 1);

    // Closing the dialog with Cancel stores nothing.
    dialogActions.push_back([](CDialog &dialog) {
        Click(dialog, IDC_SECURE_ALL);
        dialog.EndDialog(IDCANCEL);
    });
    opened->m_proceeding.m_tables->m_documents[1].secured = 0;
    opened->m_proceeding.m_bModified = 0;
    opened->EditDocumentProperties();
    EXPECT_EQ(opened->m_proceeding.m_tables->m_documents[1].secured, 0);
    EXPECT_EQ(opened->m_proceeding.m_bModified, 0);
}

TEST_F(ViewFilesTest, PageSetUpCommandReachesTheViewInHundredthsOfAMillimetre)
{
    RECT offered = {};
    hook.onCommonDialog = [&](CCommonDialog &dialog) -> INT_PTR {
        auto *setup = dynamic_cast<CPageSetupDialog *>(&dialog);
        if (!setup)
            return IDCANCEL;
        offered = setup->m_psd.rtMargin;
        setup->m_psd.rtMargin = RECT{1000, 2540, 1000, 2540};
        return IDOK;
    };
    frame->MDIGetActive()->SendMessage(WM_COMMAND, 57606); // "&Ustawienia strony"
    hook.onCommonDialog = nullptr;
    EXPECT_EQ(offered.left, 1270); // 720 twips
    EXPECT_EQ(offered.top, 2510);  // 1420 twips
    const CRect margins = view->GetMargins();
    EXPECT_EQ(margins.left, 570);
    EXPECT_EQ(margins.top, 1440);
    EXPECT_EQ(margins.right, 570);
    EXPECT_EQ(margins.bottom, 1440);
}

} // namespace
