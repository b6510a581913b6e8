#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "model/archive_file.h"
#include "app/database_access.h"
#include "app/database_upgrade.h"
#include "model/project.h"
#include "database_fixture.h"

namespace {

// ---- Connections ------------------------------------------------------------------------------

using Connections = DatabaseTest;

TEST_F(Connections, BothOpenOnceAndCloseTwiceQuietly)
{
    EXPECT_EQ(m_app.OpenMainDB(), 1);
    EXPECT_EQ(m_app.OpenRejestryDB(), 1);
    EXPECT_EQ(m_app.OpenMainDB(), 0);
    EXPECT_EQ(m_app.OpenRejestryDB(), 0);
    EXPECT_TRUE(m_messages.empty());
    EXPECT_TRUE(m_app.GetMainConnection()->IsOpen());

    m_app.CloseMainDB();
    m_app.CloseMainDB();
    m_app.CloseRejestryDB();
    EXPECT_FALSE(m_app.GetMainConnection());
    EXPECT_FALSE(m_app.GetRegistersConnection());
    EXPECT_EQ(m_app.OpenMainDB(), 1);
}

struct OpenFailure {
    const char *name;
    bool registers;
    std::string contents; // "" removes the file
    bool readOnly;
    const char *expectedStart;
    bool withDetails;
};

TEST_F(Connections, FailuresAreReportedWithThePathAndLeaveNoConnection)
{
    const OpenFailure cases[] = {
        {"main missing", false, "", false, "Błąd otwarcia bazy danych.\nPlik ", true},
        {"main damaged", false, std::string(4096, 'x'), false,
         "Błąd otwarcia bazy danych.\nNależy zainstalować uaktualnienie MDAC2.8 oraz Jet4.0.", true},
        {"registers missing", true, "", false, "Błąd otwarcia bazy danych rejestrów.\nPlik ", true},
        {"registers damaged", true, std::string(4096, 'x'), false,
         "Błąd otwarcia bazy danych rejestrów.\nNależy zainstalować uaktualnienie MDAC2.8 oraz Jet4.0.", true},
        {"main read-only", false, "keep", true, "Błąd otwarcia bazy danych.\nPlik ", false},
    };
    for (const OpenFailure &c : cases) {
        SCOPED_TRACE(c.name);
        TestFolder folder;
        CreateDirectoryA(folder / "DB", nullptr);
        const CString path = folder / (c.registers ? "DB\\rejestry.mdb" : "DB\\morvelank.mdb");
        if (c.contents == "keep")
            CreateDatabase(path, c.registers ? "rejestry" : "morvelank");
        else if (!c.contents.empty())
            TestFolder::WriteBytes(path, c.contents);
        if (c.readOnly)
            SetFileAttributesA(path, FILE_ATTRIBUTE_READONLY);
        CMorvelankApp app;
        app.MainPath = folder.Path();
        m_messages.clear();

        EXPECT_EQ(c.registers ? app.OpenRejestryDB() : app.OpenMainDB(), 0);

        ASSERT_EQ(m_messages.size(), 1u);
        const std::string text = (LPCSTR)m_messages[0].text;
        EXPECT_EQ(text.rfind(c.expectedStart, 0), 0u) << text;
        if (c.contents.empty()) {
            EXPECT_NE(text.find(std::string((LPCSTR)path) + " nie istnieje lub nie można go odczytać."),
                      std::string::npos)
                << text;
        }
        if (c.readOnly) {
            EXPECT_EQ(text, "Błąd otwarcia bazy danych.\nPlik " + std::string((LPCSTR)path)
                                + " jest plikiem tylko do odczytu.");
        }
        EXPECT_EQ(text.find("\nSzczegóły błędu: ") != std::string::npos, c.withDetails) << text;
        EXPECT_EQ(m_messages[0].caption, "Błąd");
        EXPECT_EQ(m_messages[0].type, static_cast<UINT>(MB_ICONERROR));
        if (!c.readOnly) {
            EXPECT_FALSE(c.registers ? app.GetRegistersConnection() : app.GetMainConnection());
        }
        app.CloseMainDB();
        SetFileAttributesA(path, FILE_ATTRIBUTE_NORMAL);
    }
}

// The registers database of an older installation lies in the program's own folder.
class OldRegistersDatabase : public DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        m_programFolder = CMorvelankApp::GetProgramFolder();
        m_oldPath = m_programFolder + "rejestry.mdb";
        m_newPath = m_programFolder + "DB\\rejestry.mdb";
        CreateDirectoryA(m_programFolder + "DB", nullptr);
    }
    void TearDown() override
    {
        DeleteFileA(m_oldPath);
        DeleteFileA(m_newPath);
        RemoveDirectoryA(m_programFolder + "DB");
    }

    // Both files with their own contents, the old one written `oldAge` seconds before the new.
    void PlaceBoth(int oldAge)
    {
        TestFolder::WriteBytes(m_oldPath, "old");
        TestFolder::WriteBytes(m_newPath, "new");
        SetAge(m_oldPath, oldAge > 0 ? oldAge : 0);
        SetAge(m_newPath, oldAge > 0 ? 0 : -oldAge);
    }
    static void SetAge(const CString &path, int seconds)
    {
        HANDLE file = CreateFileA(path, FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        FILETIME now;
        GetSystemTimeAsFileTime(&now);
        ULARGE_INTEGER time{{now.dwLowDateTime, now.dwHighDateTime}};
        time.QuadPart -= 10000000ULL * static_cast<unsigned>(seconds + 100);
        FILETIME written{time.LowPart, time.HighPart};
        SetFileTime(file, nullptr, nullptr, &written);
        CloseHandle(file);
    }

    CString m_programFolder, m_oldPath, m_newPath;
};

TEST_F(OldRegistersDatabase, MovesIntoAnEmptyDbFolder)
{
    TestFolder::WriteBytes(m_oldPath, "old");
    m_app.OpenRejestryDB();
    EXPECT_EQ(TestFolder::ReadBytes(m_newPath), "old");
    EXPECT_EQ(GetFileAttributesA(m_oldPath), INVALID_FILE_ATTRIBUTES);
}

TEST_F(OldRegistersDatabase, ANewerOldCopyReplacesTheDbFolderOne)
{
    PlaceBoth(-3600);
    m_app.OpenRejestryDB();
    EXPECT_EQ(TestFolder::ReadBytes(m_newPath), "old");
    EXPECT_EQ(GetFileAttributesA(m_oldPath), INVALID_FILE_ATTRIBUTES);
    for (const ShownMessage &message : m_messages)
        EXPECT_NE(message.caption, "Ostrzeżenie") << message.text;
}

TEST_F(OldRegistersDatabase, AStaleCopyNeverReplacesTheLiveRegisterAndWarnsOnce)
{
    PlaceBoth(3600);
    m_app.OpenRejestryDB();
    EXPECT_EQ(TestFolder::ReadBytes(m_newPath), "new");
    EXPECT_EQ(TestFolder::ReadBytes(m_oldPath), "old");
    int warnings = 0;
    for (const ShownMessage &message : m_messages)
        if (message.caption == "Ostrzeżenie") {
            ++warnings;
            EXPECT_NE(message.text.Find(m_oldPath), -1) << message.text;
            EXPECT_NE(message.text.Find(m_newPath), -1) << message.text;
            EXPECT_EQ(message.type, static_cast<UINT>(MB_ICONWARNING));
        }
    EXPECT_EQ(warnings, 1);
}

// ---- Access routines --------------------------------------------------------------------------

class AccessRoutines : public DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        ASSERT_EQ(m_app.OpenMainDB(), 1);
    }
};

TEST_F(AccessRoutines, SelectIntReadsTheFirstFieldAndGivesZeroForNullOrNoRow)
{
    Execute("insert into postepowanie(id, tryb) values (3, 7)");
    const ConnectionPtr db = m_app.GetMainConnection();
    EXPECT_EQ(SelectInt(db, "select tryb from postepowanie where id=3"), 7);
    EXPECT_EQ(SelectInt(db, "select max(maxid) as c from maxid"), 0);
    EXPECT_EQ(SelectInt(db, "select tryb from postepowanie where id=4"), 0);
    EXPECT_EQ(SelectInt(db, "select id from postepowanie where [sygnatura]=?", {"O'Brien"}), 0);
    EXPECT_TRUE(m_messages.empty());
}

TEST_F(AccessRoutines, AFailingStatementShowsTheErrorThenTheStatement)
{
    const ConnectionPtr db = m_app.GetMainConnection();
    struct Case {
        const char *sql;
        bool query;
    } cases[] = {{"select nothing from nowhere", true}, {"update nowhere set a=1", false}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.sql);
        m_messages.clear();
        if (c.query)
            EXPECT_EQ(SelectInt(db, c.sql), 0);
        else
            EXPECT_FALSE(ExecuteSql(db, c.sql));
        ASSERT_EQ(m_messages.size(), 2u);
        EXPECT_EQ(std::string((LPCSTR)m_messages[0].text).rfind("Wyjątek COM: ", 0), 0u);
        EXPECT_GT(m_messages[0].text.GetLength(), 13);
        EXPECT_EQ(m_messages[1].text, c.sql);
    }
}

TEST(AccessValues, TextNumbersAndQuoting)
{
    EXPECT_EQ(VariantToString(Variant::MakeNull()), "");
    EXPECT_EQ(VariantToString(Variant(7)), "7");
    EXPECT_EQ(VariantToString(Variant("Łódź")), "Łódź");
    EXPECT_EQ(VariantToInt(Variant::MakeNull()), 0);
    EXPECT_EQ(VariantToInt(Variant(41)), 41);
    EXPECT_EQ(QuoteSql("O'Brien"), "O''Brien");
    EXPECT_EQ(QuoteSql("''"), "''''");
    EXPECT_EQ(QuoteSql("bez apostrofu"), "bez apostrofu");
}

TEST_F(AccessRoutines, NextIdCountsOnFromTableMaxid)
{
    CProject project;
    project.NextId();
    EXPECT_EQ(project.m_nDatabaseId, 1);
    EXPECT_EQ(Rows("select maxid from maxid"), "1");

    Execute("update maxid set maxid=41");
    project.NextId();
    EXPECT_EQ(project.m_nDatabaseId, 42);
    EXPECT_EQ(Rows("select maxid from maxid"), "42");
    EXPECT_TRUE(m_messages.empty());
}

TEST_F(AccessRoutines, NextIdKeepsTheIdWhenTheDatabaseFails)
{
    CProject project;
    project.m_nDatabaseId = 17;
    Execute("drop table maxid");
    project.NextId();
    EXPECT_EQ(project.m_nDatabaseId, 17);
    EXPECT_FALSE(m_messages.empty());

    m_app.CloseMainDB();
    project.NextId();
    EXPECT_EQ(project.m_nDatabaseId, 17);
}

// ---- Export of a proceeding into [postepowanie] -----------------------------------------------

class FakeView : public ProceedingVariables {
public:
    CString names[kDatabaseFields];
    CString GetDatabaseFieldName(int index) const override { return names[index]; }
    CString LookUpVariableValue(const CString &name) override
    {
        if (name == "numer sprawy")
            return "ZP/1/'25";
        return "wartość " + name;
    }
};

class Export : public AccessRoutines {
protected:
    void SetUp() override
    {
        AccessRoutines::SetUp();
        m_project.m_nDatabaseId = 9;
        m_project.m_nProcedureCode = 203;
        m_project.m_nOrderType = 2;
        m_project.m_timeCreated = CTime(2024, 3, 5, 8, 7, 0);
        m_project.m_timeModified = CTime(2041, 12, 31, 23, 59, 0);
    }
    CProject m_project;
};

TEST_F(Export, WithoutAViewWritesCodesAndDatesOnly)
{
    Execute("insert into postepowanie(id, pole0, [sygnatura]) values (9, 'stare', 'S/1')");
    m_app.ExportToMDB(&m_project, nullptr);
    EXPECT_EQ(Rows("select id, wersja, tryb, tryb2, pole0, [sygnatura], [data_utworzenia], [data_ost_modyf] "
                   "from postepowanie"),
              "9|114|3|2|stare|S/1|2024-03-05 08:07|2041-12-31 23:59");
    EXPECT_TRUE(m_messages.empty());
}

TEST_F(Export, WithAViewInsertsOnceAndStoresApostrophesAsTyped)
{
    FakeView view;
    view.names[0] = "nazwa zamawiającego";
    view.names[1] = "   ";
    view.names[2] = " przedmiot ";
    view.names[9] = "Wykonawca O'Brien";
    m_app.ExportToMDB(&m_project, &view);
    m_app.ExportToMDB(&m_project, &view);

    EXPECT_EQ(Rows("select count(*) from postepowanie"), "1");
    EXPECT_EQ(Rows("select pole0, pole1, pole2, pole9, [sygnatura] from postepowanie where id=9"),
              "wartość nazwa zamawiającego||wartość przedmiot|wartość Wykonawca O'Brien|ZP/1/'25");
    EXPECT_TRUE(m_messages.empty());
}

// ---- Records read from their folders ----------------------------------------------------------

class ProceedingFolders : public AccessRoutines {
protected:
    // A record file <name>.baz (with its <name>.dat when asked) in a subfolder of the folder.
    CString Proceeding(const CString &folder, const char *name, int id, bool withData = true,
                       const char *title = "Przetarg na dostawę")
    {
        CreateDirectoryA(folder, nullptr);
        CProject project;
        project.m_strName = title;
        project.m_nDatabaseId = id;
        project.m_nProcedureCode = 101;
        project.m_nLawVersion = 114;
        EXPECT_EQ(WriteProjectFile(project, folder + "\\" + name + ".baz"), 1);
        if (withData)
            TestFolder::WriteBytes(folder + "\\" + name + ".dat", "dane");
        return folder;
    }
};

TEST_F(ProceedingFolders, LoadProjectTakesTheGreatestNameWithItsOwnDataFile)
{
    const CString folder = m_folder / "P1";
    Proceeding(folder, "b", 2, true, "b");
    Proceeding(folder, "a", 1, true, "a");
    Proceeding(folder, "c", 3, true, "c");
    std::unique_ptr<CProject> project(m_app.LoadProject(folder));
    ASSERT_TRUE(project);
    EXPECT_EQ(project->m_strName, "c");
    EXPECT_EQ(project->GetFileName(), "c");
    EXPECT_EQ(project->m_strExtension, "dat");

    DeleteFileA(folder + "\\c.dat");
    EXPECT_EQ(m_app.LoadProject(folder), nullptr);
}

TEST_F(ProceedingFolders, ProceedingHeaderOrItsDefaults)
{
    const CString folder = Proceeding(m_folder / "P2", "zadanie", 12);
    ProceedingHeader header;
    EXPECT_EQ(m_app.ReadProceedingHeader(folder, header), 1);
    EXPECT_EQ(header.fileName, "zadanie.baz");
    EXPECT_EQ(header.procedureCode, 101);
    EXPECT_EQ(header.databaseId, 12);
    EXPECT_EQ(header.lawVersion, 114);

    const CString withoutRecord = m_folder / "pusty";
    CreateDirectoryA(withoutRecord, nullptr);
    EXPECT_EQ(m_app.ReadProceedingHeader(withoutRecord, header), 0);
    EXPECT_EQ(header.fileName, "");
    EXPECT_EQ(header.procedureCode, 0);
    EXPECT_EQ(header.orderType, 0);
    EXPECT_EQ(header.databaseId, -1);
    EXPECT_EQ(header.lawVersion, 28);
}

TEST_F(ProceedingFolders, StartUpRegistersOnlyProceedingsTheDatabaseNeverSaw)
{
    m_app.WorkingPath = m_folder / "biezace";
    CreateDirectoryA(m_app.WorkingPath, nullptr);
    Execute("insert into maxid values (30)");
    Proceeding(m_app.WorkingPath + "\\stare", "stare", -1, true, "Remont szkoły O'Neilla");
    Proceeding(m_app.WorkingPath + "\\bez_id", "bez_id", 0);
    Proceeding(m_app.WorkingPath + "\\znane", "znane", 5);
    // Files lying in the folder itself are no proceedings.
    Proceeding(m_app.WorkingPath, "luzem", -1);

    UpdateMorvelankDatabase(m_app.GetMainConnection());
    ImportAllMorvelank(m_app);

    EXPECT_EQ(Rows("select id, tryb from postepowanie order by id"), "31|1;32|1");
    CProject reread;
    ASSERT_EQ(ReadProjectFile(reread, m_app.WorkingPath + "\\stare\\stare.baz"), 1);
    EXPECT_EQ(reread.m_strName, "Remont szkoły O'Neilla");
    EXPECT_TRUE(reread.m_nDatabaseId == 31 || reread.m_nDatabaseId == 32);
    ASSERT_EQ(ReadProjectFile(reread, m_app.WorkingPath + "\\znane\\znane.baz"), 1);
    EXPECT_EQ(reread.m_nDatabaseId, 5);
    ASSERT_EQ(ReadProjectFile(reread, m_app.WorkingPath + "\\luzem.baz"), 1);
    EXPECT_EQ(reread.m_nDatabaseId, -1);
    EXPECT_TRUE(m_messages.empty());

    // The next start finds nothing more to register.
    ImportAllMorvelank(m_app);
    EXPECT_EQ(Rows("select count(*) from postepowanie"), "2");
}

} // namespace
