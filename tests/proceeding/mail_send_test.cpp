// The e-mail command of a proceeding window with the real view: the ticked documents written
// through the view's export into "<MainPath>\temp\", the message a stand-in mail program gets,
// what a refusal or a missing mail interface tells the user, and which files stay behind.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "model/file_utils.h"
#include "model/law_versions.h"
#include "app/morvelank_app.h"
#include "model/data_file.h"
#include "model/view_tables.h"
#include "document/files/document_files.h"
#include "document/view/morvelank_doc.h"
#include "document/view/morvelank_view.h"
#include "framework/ui/docview.h"
#include "framework/ui/testhook.h"
#include "proceeding/frame/child_frame.h"
#include "proceeding/mail/document_choice_dlg.h"
#include "proceeding/mail/send_documents.h"
#include "res/resource.h"
#include "tests/support/test_folder.h"

namespace {

const int kCode = 140;

// What the stand-in mail program was given, and how it answers.
struct MailProgram {
    bool available = true;
    unsigned long result = kMailSuccess;
    int opened = 0;
    std::vector<MapiMessage> sent;
    std::vector<unsigned long> flags;
    std::vector<std::string> attachedBytes; // read while the mail program held them
};

class FakeMailSender : public MailSender {
public:
    explicit FakeMailSender(MailProgram &program) : m_program(program) {}
    bool IsAvailable() const override { return m_program.available; }
    bool Send(const MapiMessage &message, unsigned long flags) override
    {
        m_program.sent.push_back(message);
        m_program.flags.push_back(flags);
        for (const CString &path : message.AttachmentPaths)
            m_program.attachedBytes.push_back(TestFolder::ReadBytes(path));
        return m_program.result == kMailSuccess;
    }
    unsigned long GetLastError() const override { return m_program.result; }

private:
    MailProgram &m_program;
};

class SendDocumentsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        hook.onMessageBox = [this](const CString &text, const CString &caption, UINT type) {
            messages.push_back(caption + "|" + text);
            types.push_back(type);
            return IDOK;
        };
        hook.onDialog = [this](CDialog &dialog) {
            auto *choice = dynamic_cast<CWyborDokumentow *>(&dialog);
            ASSERT_NE(choice, nullptr) << "unexpected dialog";
            offered = choice->m_list.GetItemCount();
            choose(*choice);
        };
        scope = std::make_unique<CTestHookScope>(hook);

        app.MainPath = m_main / "program";
        app.WorkingPath = m_main / "prace";
        app.UserTemplatesPath = app.MainPath + "\\szablony_moje";
        ASSERT_TRUE(CreateDirectoryPath(app.WorkingPath));
        InstallKind();

        auto *proceedings = new CMultiDocTemplate(IDR_PROCEEDING, RUNTIME_CLASS(CMorvelankDoc),
                                                  RUNTIME_CLASS(CChildFrame), RUNTIME_CLASS(CMorvelankView));
        app.AddDocTemplate(proceedings);
        app.ProceedingTemplate = proceedings;
        frame = new CMDIFrameWnd;
        ASSERT_TRUE(frame->LoadFrame(IDR_PROCEEDING));
        app.m_pMainWnd = frame;
        frame->MoveWindow(0, 0, 900, 700);
        ASSERT_TRUE(proceedings->OpenDocumentFile(nullptr));
        child = dynamic_cast<CChildFrame *>(frame->MDIGetActive());
        ASSERT_NE(child, nullptr);
        view = dynamic_cast<CMorvelankView *>(child->GetView());
        ASSERT_NE(view, nullptr);
        ASSERT_EQ(view->CreateProceeding(0, "Dostawa łóżek", -1, 0, 0, DefaultValues()), 1)
            << (messages.empty() ? "" : (LPCSTR)messages.front());
        view->ShowDocument(1, -1);
        messages.clear();
        types.clear();
    }

    void TearDown() override
    {
        frame->DestroyWindow();
        app.m_pMainWnd = nullptr;
    }

    // Three documents: two generated from RTF templates, one Word file that is not offered.
    void InstallKind()
    {
        auto tables = std::make_unique<ViewTables>();
        DataFileHeader header;
        header.version = LawVersions::kNewest;
        header.procedureCode = kCode;
        const CString data = LawVersions::GetDataFilePath(app.MainPath, kCode);
        ASSERT_TRUE(CreateDirectoryPath(GetParentFolder(data)));
        ASSERT_EQ(ProceedingDataFile().Write(data, "", *tables, header), 1);
        const CString config = LawVersions::GetConfigFilePath(app.MainPath, LawVersions::kNewest, kCode);
        ASSERT_TRUE(CreateDirectoryPath(GetParentFolder(config)));
        TestFolder::WriteBytes(config, "ogłoszenie.rtf;Ogłoszenie o zamówieniu\r\n"
                                       "umowa.rtf;Wzór umowy\r\n"
                                       "wniosek.doc;Wniosek\r\n");
        const CString folder = LawVersions::GetTemplateFolder(app.MainPath, app.UserTemplatesPath, LawVersions::kNewest)
                               + "\\" + GetCodeSubfolder(kCode);
        ASSERT_TRUE(CreateDirectoryPath(folder));
        TestFolder::WriteBytes(folder + "\\ogłoszenie.rtf", "{\\rtf1\\ansi OGLOSZENIE-TRESC\\par}");
        TestFolder::WriteBytes(folder + "\\umowa.rtf", "{\\rtf1\\ansi UMOWA-TRESC\\par}");
    }

    void Send()
    {
        SendDocumentsByEmail(child, view, [this] {
            ++program.opened;
            return std::unique_ptr<MailSender>(new FakeMailSender(program));
        });
    }

    CString Temp(const char *name) const { return app.MainPath + "\\temp\\" + name; }

    CString ShownText() const
    {
        CString text;
        view->GetWindowText(text);
        return text;
    }

    TestFolder m_main;
    CMorvelankApp app;
    CTestHook hook;
    std::unique_ptr<CTestHookScope> scope;
    std::vector<CString> messages; // "caption|text"
    std::vector<UINT> types;
    std::function<void(CWyborDokumentow &)> choose = [](CWyborDokumentow &dialog) {
        dialog.SendMessage(WM_COMMAND, IDC_MAIL_TICK_ALL);
        dialog.SendMessage(WM_COMMAND, IDOK);
    };
    int offered = -1;
    MailProgram program;
    CMDIFrameWnd *frame = nullptr;
    CChildFrame *child = nullptr;
    CMorvelankView *view = nullptr;
};

TEST_F(SendDocumentsTest, ChosenDocumentsReachTheMailProgramAsRtfFilesThatAreRemovedAfterwards)
{
    Send();

    EXPECT_EQ(offered, 2);
    EXPECT_TRUE(messages.empty()) << (messages.empty() ? "" : (LPCSTR)messages[0]);
    ASSERT_EQ(program.sent.size(), 1u);
    const MapiMessage &message = program.sent[0];
    EXPECT_EQ(program.flags[0], kMailDialog);
    EXPECT_TRUE(message.To.empty() && message.Cc.empty() && message.Bcc.empty());
    EXPECT_STREQ(message.Subject, "dot. Dostawa łóżek");
    EXPECT_STREQ(message.Text, "Dzień dobry.\nNieniejszym przesyłam pliki postępowania.\n\n\n"
                               "Z poważaniem\n<imie i nazwisko>\n\n");
    ASSERT_EQ(message.AttachmentPaths.size(), 2u);
    EXPECT_STREQ(message.AttachmentPaths[0], Temp("ogłoszenie.rtf"));
    EXPECT_STREQ(message.AttachmentPaths[1], Temp("umowa.rtf"));
    ASSERT_EQ(message.AttachmentTitles.size(), 2u);
    EXPECT_STREQ(message.AttachmentTitles[0], "ogłoszenie.rtf");
    EXPECT_STREQ(message.AttachmentTitles[1], "umowa.rtf");

    // Each file holds its own document, generated for it while the view was hidden.
    ASSERT_EQ(program.attachedBytes.size(), 2u);
    EXPECT_EQ(program.attachedBytes[0].rfind("{\\rtf", 0), 0u);
    EXPECT_NE(program.attachedBytes[0].find("OGLOSZENIE-TRESC"), std::string::npos);
    EXPECT_EQ(program.attachedBytes[0].find("UMOWA-TRESC"), std::string::npos);
    EXPECT_NE(program.attachedBytes[1].find("UMOWA-TRESC"), std::string::npos);

    EXPECT_FALSE(FileExists(Temp("ogłoszenie.rtf")));
    EXPECT_FALSE(FileExists(Temp("umowa.rtf")));
    // The document shown before is shown again.
    EXPECT_EQ(view->GetCurrentDocument(), 1);
    EXPECT_NE(ShownText().Find("UMOWA-TRESC"), -1);
    EXPECT_TRUE(::GetWindowLongW(view->m_hWnd, GWL_STYLE) & WS_VISIBLE);
}

TEST_F(SendDocumentsTest, WithoutAMailInterfaceTheWrittenFilesStayForTheUser)
{
    program.available = false;
    Send();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_STREQ(messages[0], "Błąd|Biblioteka dostępu do poczty MAPI nie jest zainstalowana. "
                              "Operacja nie może być kontynuowana.");
    EXPECT_EQ(types[0], UINT(MB_OK | MB_ICONERROR));
    EXPECT_TRUE(program.sent.empty());
    EXPECT_TRUE(FileExists(Temp("ogłoszenie.rtf")));
    EXPECT_TRUE(FileExists(Temp("umowa.rtf")));
}

TEST_F(SendDocumentsTest, RefusedSendIsReportedWithItsReasonUnlessTheUserCancelled)
{
    const struct {
        unsigned long result;
        const char *message; // "" for none
    } cases[] = {
        {11, "Błąd|Nie udało się przekazać dokumentów do programu pocztowego: nie znaleziono pliku załącznika."},
        {77, "Błąd|Nie udało się przekazać dokumentów do programu pocztowego: nieznany błąd poczty (kod 77)."},
        {kMailUserAbort, ""},
    };
    for (const auto &c : cases) {
        program.result = c.result;
        messages.clear();
        Send();
        if (*c.message) {
            ASSERT_EQ(messages.size(), 1u) << c.result;
            EXPECT_STREQ(messages[0], c.message);
        } else {
            EXPECT_TRUE(messages.empty()) << c.result;
        }
        EXPECT_FALSE(FileExists(Temp("ogłoszenie.rtf"))) << c.result;
        EXPECT_FALSE(FileExists(Temp("umowa.rtf"))) << c.result;
    }
}

TEST_F(SendDocumentsTest, NothingIsSentWhenTheChoiceIsCancelledOrAFileCannotBeWritten)
{
    // Through the window's menu command; cancelled before any mail interface is opened.
    choose = [](CWyborDokumentow &dialog) { dialog.EndDialog(IDCANCEL); };
    child->SendMessage(WM_COMMAND, ID_WYSLIJ_EMAIL);
    EXPECT_EQ(offered, 2);
    EXPECT_TRUE(messages.empty());
    EXPECT_FALSE(DirectoryExists(app.MainPath + "\\temp"));

    // A file where the folder should be: the export says so, and a message short of one of
    // the chosen documents is not offered to the user.
    TestFolder::WriteBytes(app.MainPath + "\\temp", "plik");
    choose = [](CWyborDokumentow &dialog) {
        dialog.m_list.SetCheck(0);
        dialog.SendMessage(WM_COMMAND, IDOK);
    };
    Send();
    EXPECT_EQ(program.opened, 0);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].Find("Błąd|Wystąpił błąd podczas zapisu pliku eksportu."), 0) << (LPCSTR)messages[0];
    EXPECT_EQ(view->GetCurrentDocument(), 1);
    EXPECT_TRUE(::GetWindowLongW(view->m_hWnd, GWL_STYLE) & WS_VISIBLE);
}

TEST(AttachmentPathTest, OnlyTheFileNameIsTakenIntoTheTempFolder)
{
    const struct {
        const char *fileName;
        const char *path;
    } cases[] = {
        {"umowa.rtf", "C:\\p\\temp\\umowa.rtf"},
        {"..\\..\\Windows\\umowa.rtf", "C:\\p\\temp\\umowa.rtf"},
        {"D:\\inne\\ogłoszenie.rtf", "C:\\p\\temp\\ogłoszenie.rtf"},
        {"C:umowa.rtf", "C:\\p\\temp\\umowa.rtf"},
        {"podkatalog/umowa.rtf", "C:\\p\\temp\\umowa.rtf"},
    };
    for (const auto &c : cases)
        EXPECT_STREQ(AttachmentPath("C:\\p\\temp\\", c.fileName), c.path) << c.fileName;
}

} // namespace
