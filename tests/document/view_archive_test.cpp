// Moving a proceeding to the archive: the files end up in the signature's folder with the same
// bytes and the record marked as archived, while the proceeding's own copy stays among the
// current ones; a file that does not copy is reported and the rest go on; a record lying in a
// shared folder takes nothing of the others; the view's refusal, dialog and new state.
#include <map>

#include "model/archive_file.h"
#include "model/view_tables.h"
#include "model/project.h"
#include "document/files/proceeding_archive.h"
#include "view_command_fixture.h"

namespace {

const char kNotMoved[] = "Postępowanie nie zostało przeniesione do archiwum; pozostało bez zmian w katalogu "
                         "bieżących postępowań.";

// A handle that keeps others from opening (share 0) or from deleting (share read) a file.
class HeldFile {
public:
    HeldFile(const CString &path, DWORD share)
        : m_handle(::CreateFileW(Cp1250ToWide(path).c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr))
    {
    }
    ~HeldFile()
    {
        if (m_handle != INVALID_HANDLE_VALUE)
            ::CloseHandle(m_handle);
    }
    bool IsOpen() const { return m_handle != INVALID_HANDLE_VALUE; }

private:
    HANDLE m_handle;
};

class ProceedingArchiveTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        working = m_main / "prace";
        archive = m_main / "archiwum";
        ASSERT_TRUE(CreateDirectoryPath(archive));
        tables = FreshTables();
        header.version = 114;
    }

    // A proceeding of its own folder, as the program makes them, with an attached file, an
    // unlisted note, the free-text document and a listed name that points out of the folder.
    void MakeOwnProceeding(const CString &name)
    {
        folder = working + "\\" + name;
        ASSERT_TRUE(CreateDirectoryPath(folder));
        project.m_strName = name;
        project.SetFileName(name, "dat");
        project.SetFolder(folder);
        project.m_nProcedureCode = 105;
        project.m_nDatabaseId = 17;
        project.m_nAttachedCount = 3;
        project.m_strAttachedFiles[0] = "załącznik 1.txt";
        project.m_strAttachedFiles[1] = "brak.txt";
        project.m_strAttachedFiles[2] = "..\\poza.txt";
        ASSERT_EQ(1, WriteProjectFile(project, folder + "\\" + name + ".baz"));
        TestFolder::WriteBytes(folder + "\\" + name + ".dat", "stare dane");
        for (const char *file : {"załącznik 1.txt", "notatka.txt", "spec.dat"})
            TestFolder::WriteBytes(folder + "\\" + file, std::string("treść ") + file);
        TestFolder::WriteBytes(working + "\\poza.txt", "cudze");
    }

    int Move(const CString &signature)
    {
        ArchiveMoveRequest request;
        request.workingPath = working;
        request.archivePath = archive;
        request.signature = signature;
        request.description = "Opis";
        request.header = header;
        ProceedingArchive move(*tables, project);
        const int result = move.Move(request);
        messages.clear();
        for (const DataFileMessage &message : move.GetMessages())
            messages.push_back(message.caption + ": " + message.text);
        return result;
    }

    TestFolder m_main;
    CString working, archive, folder;
    std::unique_ptr<ViewTables> tables;
    CProject project;
    DataFileHeader header;
    std::vector<CString> messages;
};

TEST_F(ProceedingArchiveTest, FilesGoToTheSignatureFolderAndTheOriginalsStay)
{
    MakeOwnProceeding("Przetarg ąę");
    const CString target = archive + "\\ZP 1 źż";
    std::map<std::string, std::string> contents;
    for (const char *file : {"załącznik 1.txt", "notatka.txt", "spec.dat"})
        contents[file] = TestFolder::ReadBytes(folder + "\\" + file);

    ASSERT_EQ(1, Move("ZP 1 źż"));
    EXPECT_TRUE(messages.empty()) << (messages.empty() ? "" : messages[0].GetString());
    for (const auto &file : contents)
        EXPECT_EQ(file.second, TestFolder::ReadBytes(target + "\\" + file.first.c_str())) << file.first;
    for (const auto &file : contents)
        EXPECT_EQ(file.second, TestFolder::ReadBytes(folder + "\\" + file.first.c_str())) << "stays: " << file.first;
    EXPECT_TRUE(FileExists(folder + "\\Przetarg ąę.baz"));
    EXPECT_TRUE(FileExists(working + "\\poza.txt")) << "a name leading out of the folder is never touched";
    EXPECT_FALSE(FileExists(archive + "\\poza.txt"));

    EXPECT_STREQ("ZP 1 źż", project.m_strName);
    EXPECT_STREQ(target, project.GetFolder());
    EXPECT_EQ(205, project.m_nProcedureCode);

    CProject archived;
    ASSERT_EQ(1, ReadProjectFile(archived, target + "\\Przetarg ąę.baz"));
    EXPECT_EQ(205, archived.m_nProcedureCode);
    EXPECT_EQ(17, archived.m_nDatabaseId);
    CString password;
    EXPECT_EQ(1, ProceedingDataFile().ReadHeader(target + "\\Przetarg ąę.dat", password));
}

TEST_F(ProceedingArchiveTest, FileThatDoesNotCopyIsReportedAndTheRestGoOn)
{
    MakeOwnProceeding("Przetarg");
    HeldFile held(folder + "\\notatka.txt", 0);
    ASSERT_TRUE(held.IsOpen());

    EXPECT_EQ(1, Move("ZP-2"));
    ASSERT_EQ(1u, messages.size());
    EXPECT_STREQ("Informacja: Błąd kopiowania pliku:\n" + folder + "\\notatka.txt\ndo:\n" + archive
                     + "\\ZP-2\\notatka.txt.",
                 messages[0]);
    EXPECT_FALSE(FileExists(archive + "\\ZP-2\\notatka.txt"));
    for (const char *file : {"Przetarg.baz", "Przetarg.dat", "załącznik 1.txt", "spec.dat"})
        EXPECT_TRUE(FileExists(archive + "\\ZP-2\\" + file)) << file;
    EXPECT_EQ(205, project.m_nProcedureCode);
}

TEST_F(ProceedingArchiveTest, RecordInASharedFolderTakesNothingOfTheOthers)
{
    ASSERT_TRUE(CreateDirectoryPath(working));
    folder = working;
    project.m_strName = "Stary";
    project.SetFileName("Stary", "dat");
    project.SetFolder(working);
    project.m_nProcedureCode = 3;
    project.m_nAttachedCount = 1;
    project.m_strAttachedFiles[0] = "plan.txt";
    ASSERT_EQ(1, WriteProjectFile(project, working + "\\Stary.baz"));
    TestFolder::WriteBytes(working + "\\Stary.dat", "dane");
    for (const char *file : {"plan.txt", "spec.dat", "inny.txt"})
        TestFolder::WriteBytes(working + "\\" + file, file);

    ASSERT_EQ(1, Move("S1"));
    for (const char *file : {"Stary.baz", "Stary.dat", "plan.txt", "spec.dat"})
        EXPECT_TRUE(FileExists(archive + "\\S1\\" + file)) << file;
    EXPECT_FALSE(FileExists(archive + "\\S1\\inny.txt"));
    for (const char *file : {"Stary.baz", "Stary.dat", "plan.txt", "spec.dat", "inny.txt"})
        EXPECT_TRUE(FileExists(working + "\\" + file)) << "stays: " << file;
}

TEST_F(ProceedingArchiveTest, ArchiveFolderThatCannotBeMadeStopsBeforeAnything)
{
    MakeOwnProceeding("Przetarg");
    ASSERT_TRUE(CreateDirectoryPath(archive + "\\Zajęty"));
    TestFolder::WriteBytes(archive + "\\Zajęty\\cudzy.txt", "x");
    const struct {
        const char *signature;
        const char *message;
    } cases[] = {
        {"", "Informacja: Błąd tworzenia katalogu (-23)"},
        {"Zajęty", "Informacja: Katalog o nazwie: Zajęty już istnieje. Proszę wybrać inną nazwę postępowania."},
        {"a\\b", nullptr},
        {"..", nullptr},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(0, Move(c.signature)) << c.signature;
        ASSERT_EQ(1u, messages.size()) << c.signature;
        const CString expected =
            c.message ? CString(c.message) : "Błąd: Błąd utworzenia katalogu: " + archive + "\\" + c.signature + ".";
        EXPECT_STREQ(expected, messages[0]);
    }
    EXPECT_TRUE(FileExists(archive + "\\Zajęty\\cudzy.txt")) << "an existing folder is left alone";
    EXPECT_TRUE(FileExists(folder + "\\Przetarg.baz"));

    archive = m_main / "brak";
    EXPECT_EQ(0, Move("ZP-4"));
    EXPECT_STREQ("Błąd: Błąd utworzenia katalogu: " + archive + "\\ZP-4.", messages[0]);
}

TEST(ArchiveNaming, ExtensionAndArchivedCode)
{
    const struct {
        int code;
        const char *extension;
        int archived;
    } cases[] = {
        {0, ".ar0", 200}, {105, ".ar5", 205}, {10, ".ara", 210}, {111, ".arb", 211}, {62, "", 262}, {162, "", 262},
    };
    for (const auto &c : cases) {
        EXPECT_STREQ(c.extension, ArchiveExtension(c.code)) << c.code;
        EXPECT_EQ(c.archived, ArchivedProcedureCode(c.code)) << c.code;
    }
}

TEST(ArchiveSecuring, OnlyUnsecuredGeneratedDocumentsBlock)
{
    const struct {
        const char *file;
        int state;
        int secured;
        bool movable;
    } cases[] = {
        {"siwz.rtf", kStateGenerated, 0, false},
        {"siwz.rtf", kStateGenerated, 1, true},
        {"umowa.doc", kStateGenerated, 0, true},
        {"wzor.pdf", kStateGenerated, 0, true},
        {"kosztorys.xls", kStateGenerated, 0, true},
        {"umowa.DOC", kStateGenerated, 0, false}, // compared with its letter case
        {"opis.rtf", kStateEditable, 0, true},
        {"link.rtf", kStateLink, 0, true},
    };
    auto tables = FreshTables();
    tables->m_nDocumentCount = 2;
    tables->m_documents[0] = DocumentSlot{"a.rtf", "A", kStateGenerated, 0, 0, 0, 1};
    for (const auto &c : cases) {
        DocumentSlot &slot = tables->m_documents[1];
        slot.fileName = c.file;
        slot.state = static_cast<int16_t>(c.state);
        slot.secured = static_cast<uint8_t>(c.secured);
        EXPECT_EQ(c.movable, AreDocumentsSecured(*tables)) << c.file << " " << c.state;
    }
}

class ViewArchiveTest : public ViewCommandTest {
protected:
    void SecureAll()
    {
        for (int i = 0; i < view->m_proceeding.m_tables->m_nDocumentCount; ++i)
            view->m_proceeding.m_tables->m_documents[i].secured = 1;
    }
};

TEST_F(ViewArchiveTest, UnsecuredDocumentRefusesBeforeAnyQuestion)
{
    view->MoveToArchive();
    EXPECT_EQ(0, prompts.archiveAsked);
    ASSERT_EQ(1u, messages.size());
    EXPECT_STREQ("Błąd: Nie wszystkie dokumenty związane z bieżącym trybem przetargowym zostały zabezpieczone "
                 "(zatwierdzone).\rAby przenieść dane postępowanie do archiwum należy zabezpieczyć wszystkiem "
                 "dokumenty postępowania.",
                 messages[0]);
    EXPECT_EQ(0, view->m_proceeding.m_nProceedingKind);
}

TEST_F(ViewArchiveTest, DialogIsFilledAndCancelChangesNothing)
{
    SecureAll();
    prompts.archiveAnswer = false;
    view->MoveToArchive();
    ASSERT_EQ(1, prompts.archiveAsked);
    EXPECT_STREQ("62", prompts.asked.suffix);
    EXPECT_STREQ(app.ArchivePath, prompts.asked.archivePath);
    EXPECT_STREQ("Przetarg", prompts.asked.signature);
    EXPECT_EQ(0, view->m_proceeding.m_nProceedingKind);
    EXPECT_TRUE(FileExists(app.WorkingPath + "\\Przetarg\\Przetarg.baz"));

    // A proceeding without a name is offered the archive extension of its kind.
    view->m_proceeding.m_project.m_strName.Empty();
    view->m_proceeding.m_nProcedureCode = 10;
    view->MoveToArchive();
    EXPECT_STREQ(".ara", prompts.asked.signature);
}

TEST_F(ViewArchiveTest, MovedProceedingIsShownAsArchivedAndOpensFromTheArchive)
{
    SecureAll();
    view->m_proceeding.m_bModified = 1; // unsaved changes go with it
    prompts.signature = "ZP/5 łąka";
    prompts.signature.Replace('/', '_');
    prompts.description = "Dostawa łąk";
    view->MoveToArchive();
    for (const CString &message : messages)
        EXPECT_EQ(-1, message.Find("archiwum")) << message;
    EXPECT_EQ(1, view->m_proceeding.m_nProceedingKind);
    EXPECT_EQ(0, view->m_proceeding.m_bModified);
    EXPECT_STREQ("ZP_5 łąka", view->m_proceeding.m_project.m_strName);
    EXPECT_TRUE(FileExists(app.WorkingPath + "\\Przetarg\\Przetarg.baz")) << "the current copy stays";

    view->OpenProceeding(1, 0, "ZP_5 łąka", "Przetarg.baz");
    EXPECT_EQ(1, view->m_proceeding.m_nProceedingKind);
    EXPECT_EQ(262, view->m_proceeding.m_project.m_nProcedureCode);
    EXPECT_GE(Text().Find("Wstęp"), 0);
}

} // namespace
