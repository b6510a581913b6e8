// A proceeding save cut short at every change it makes to the disk, in this process and by
// killing a child process that saves, then opened with the program's own opening code: the
// folder always holds one whole version, the old or the new, and nothing left beside it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <random>
#include <string>

#include "model/file_utils.h"
#include "model/view_tables.h"
#include "model/law_versions.h"
#include "model/project.h"
#include "data_file_fixture.h"
#include "document/files/file_set_replace.h"
#include "document/files/proceeding_open.h"
#include "document/files/proceeding_save.h"
#include "fixture_path.h"
#include "framework/core/codepage.h"
#include "framework/core/file_steps.h"
#include "tests/support/own_child.h"

namespace {

const int kCode = 62;
const int kVersion = 114;
const char kFolderVariable[] = "MORVELANK_SAVE_TEST_FOLDER";
const char kKillStepVariable[] = "MORVELANK_SAVE_TEST_KILL_STEP";
const char kChildTest[] = "InterruptedSaveChild.DISABLED_SavesUntilKilled";

CString VersionText(const char *what, int version)
{
    CString text;
    text.Format("%s %d", what, version);
    return text;
}

// A proceeding of one installation folder, saved in versions that differ in each of its files.
class SavedProceeding {
public:
    explicit SavedProceeding(const CString &main) : m_main(main), m_installation(main) {}

    CString Folder() const { return m_main + "\\prace\\Przetarg"; }

    void Create()
    {
        const CString config = LawVersions::GetConfigFilePath(m_main, kVersion, kCode);
        CreateDirectoryPath(GetParentFolder(config));
        TestFolder::WriteBytes(config, TestFolder::ReadBytes(FixturePath("small_set.cnf")));
        const CString starting = m_main + "\\starting.wy";
        DataFileHeader startingHeader;
        startingHeader.version = kVersion;
        startingHeader.procedureCode = kCode;
        ProceedingDataFile file;
        ASSERT_EQ(file.Write(starting, "", *FreshTables(), startingHeader), 1);

        m_project.m_nProcedureCode = kCode;
        m_project.m_strName = "Przetarg";
        ProceedingOpen open(m_main, m_installation);
        ASSERT_EQ(open.Load(kLoadNewProceeding, starting, m_project, DefaultValues(), *m_tables, m_header, nullptr), 1);
        m_project.SetFolder(Folder());
        m_project.SetFileName("Przetarg", "dat");
        CreateDirectoryPath(Folder());
    }

    // The saved proceeding as the program opens it.
    void Open()
    {
        ProceedingOpen open(m_main, m_installation);
        ASSERT_EQ(open.ReadRecord(m_project, Folder(), "Przetarg"), 1);
        ASSERT_EQ(open.Load(kLoadOwnFile, m_project.GetDocumentPath(), m_project, DefaultValues(), *m_tables, m_header,
                            nullptr),
                  1);
    }

    int Save(int version)
    {
        m_tables->m_variables[5].type = 0;
        m_tables->m_variables[5].value = VersionText("Wartość", version);
        m_project.m_strHeader = VersionText("Nagłówek", version);
        m_project.m_strPassword = VersionText("hasło", version);
        const CString rtf = VersionText("{\\rtf1 opis", version) + "}";
        ProceedingSaveRequest request;
        request.loaded = true;
        request.header = m_header;
        request.editableRtf = &rtf;
        ProceedingSave save(*m_tables, m_project, nullptr);
        return save.Save(request);
    }

    // The version the folder opens as, after checking that every file is of it; 0 when it
    // does not open or its files are of different versions.
    int OpenedVersion(CString &problem)
    {
        CProject project;
        auto tables = FreshTables();
        DataFileHeader header;
        ProceedingOpen open(m_main, m_installation);
        CString stored;
        if (!open.ReadRecord(project, Folder(), "Przetarg") || !open.ReadPassword(project.GetDocumentPath(), stored)
            || !open.Load(kLoadOwnFile, project.GetDocumentPath(), project, DefaultValues(), *tables, header,
                          nullptr)) {
            problem = open.GetMessages().empty() ? CString("?") : open.GetMessages()[0].text;
            return 0;
        }
        for (int version = 1; version <= 2; ++version) {
            if (tables->m_variables[5].value != VersionText("Wartość", version))
                continue;
            const CString rtf = VersionText("{\\rtf1 opis", version) + "}";
            if (project.m_strHeader != VersionText("Nagłówek", version) || stored != VersionText("hasło", version)
                || ReadFileToString(project.GetSpecPath()) != rtf) {
                problem = "pliki różnych wersji: " + project.m_strHeader + " / " + stored + " / "
                          + tables->m_variables[5].value;
                return 0;
            }
            return version;
        }
        problem = "nieznana wartość: " + tables->m_variables[5].value;
        return 0;
    }

    // Files in the folder besides the proceeding's three.
    int LeftoverCount() const
    {
        WIN32_FIND_DATAW found;
        int count = 0;
        HANDLE search = FindFirstFileW(Cp1250ToWide(Folder() + "\\*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE)
            return -1;
        do {
            const CString name = WideToCp1250(found.cFileName);
            if (name != "." && name != ".." && name != "Przetarg.dat" && name != "Przetarg.baz" && name != "spec.dat")
                ++count;
        } while (FindNextFileW(search, &found));
        FindClose(search);
        return count;
    }

private:
    CString m_main;
    FakeInstallation m_installation;
    CProject m_project;
    std::unique_ptr<ViewTables> m_tables = FreshTables();
    DataFileHeader m_header;
};

int StepsOfOneSave(SavedProceeding &proceeding)
{
    int steps = 0;
    SetFileStepGate([&] {
        ++steps;
        return true;
    });
    EXPECT_EQ(proceeding.Save(2), 1);
    SetFileStepGate(nullptr);
    EXPECT_EQ(proceeding.Save(1), 1);
    return steps;
}

class InterruptedSave : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_proceeding.Create();
        ASSERT_EQ(m_proceeding.Save(1), 1);
    }
    void TearDown() override { SetFileStepGate(nullptr); }

    TestFolder m_main;
    SavedProceeding m_proceeding{m_main.Path()};
};

TEST_F(InterruptedSave, SaveStoppedBeforeAnyStepOpensAsOneWholeVersion)
{
    const int steps = StepsOfOneSave(m_proceeding);
    ASSERT_GE(steps, 10);
    int newer = 0;
    for (int stop = 0; stop <= steps; ++stop) {
        SCOPED_TRACE(stop);
        int step = 0;
        SetFileStepGate([&] { return step++ < stop; });
        m_proceeding.Save(2);
        SetFileStepGate(nullptr);

        CString problem;
        const int version = m_proceeding.OpenedVersion(problem);
        ASSERT_NE(version, 0) << (LPCSTR)problem;
        newer += version == 2;
        EXPECT_EQ(m_proceeding.LeftoverCount(), 0);
        ASSERT_EQ(m_proceeding.Save(1), 1);
    }
    // Once the commit record is whole the opening completes the save.
    EXPECT_GT(newer, 0);
    EXPECT_LT(newer, steps + 1);
    std::printf("save of %d steps stopped before each: %d opened new, %d old, none torn\n", steps, newer,
                steps + 1 - newer);
}

TEST_F(InterruptedSave, DamagedCommitRecordLeavesTheOldVersion)
{
    const CString record = m_proceeding.Folder() + "\\Przetarg.dat.mvkzapis.tmp";
    const std::string cases[] = {
        "",
        "MVKZAPIS 1\r\n",
        "MVKZAPIS 1\r\nPrzetarg.dat.mvk1.tmp\tPrzetarg.dat\t\r\n",
        "MVKZAPIS 1\r\n..\\..\\x.mvk1.tmp\t..\\..\\x\t\r\nKONIEC\r\n",
        "MVKZAPIS 1\r\nPrzetarg.baz\tPrzetarg.dat\t\r\nKONIEC\r\n",
        std::string(70000, 'x'),
    };
    for (const std::string &bytes : cases) {
        SCOPED_TRACE(bytes.substr(0, 60));
        TestFolder::WriteBytes(m_proceeding.Folder() + "\\Przetarg.dat.mvk1.tmp", "nowe");
        TestFolder::WriteBytes(record, bytes);
        CString problem;
        EXPECT_EQ(m_proceeding.OpenedVersion(problem), 1) << (LPCSTR)problem;
        EXPECT_EQ(m_proceeding.LeftoverCount(), 0);
    }
}

TEST_F(InterruptedSave, SaveThatCannotBeCompletedStopsTheOpeningWithItsMessage)
{
    // Whatever the record names, a folder in place of the data file stops the completion.
    const CString data = m_proceeding.Folder() + "\\Przetarg.dat";
    TestFolder::WriteBytes(m_proceeding.Folder() + "\\Przetarg.dat.mvkzapis.tmp",
                           "MVKZAPIS 1\r\nPrzetarg.dat.mvk1.tmp\tPrzetarg.dat\t\r\nKONIEC\r\n");
    TestFolder::WriteBytes(data + ".mvk1.tmp", "nowe");
    DeleteFileW(Cp1250ToWide(data).c_str());
    CreateDirectoryW(Cp1250ToWide(data).c_str(), nullptr);
    CreateDirectoryW(Cp1250ToWide(data + "\\w").c_str(), nullptr);
    CString problem;
    EXPECT_EQ(m_proceeding.OpenedVersion(problem), 0);
    EXPECT_EQ(problem.Find("Nie udało się dokończyć przerwanego zapisu postępowania: "), 0) << (LPCSTR)problem;
}

TEST_F(InterruptedSave, FolderLongerThanAPathMayBeSaysSoWithoutWriting)
{
    CString folder = m_main.Path();
    while (folder.GetLength() < 400)
        folder += "\\bardzo_dlugi_folder_postepowania";
    CProject project;
    project.m_strName = "Długi";
    project.SetFolder(folder);
    project.SetFileName("Długi", "dat");
    CreateDirectoryPath(folder);
    auto tables = FreshTables();
    ProceedingSaveRequest request;
    request.loaded = true;
    ProceedingSave save(*tables, project, nullptr);
    // Either the system takes the path and the save is whole, or it says which file it could not write.
    if (save.Save(request) == 0) {
        ASSERT_FALSE(save.GetMessages().empty());
        EXPECT_NE(save.GetMessages()[0].text.Find("Długi.dat"), -1) << (LPCSTR)save.GetMessages()[0].text;
    } else {
        EXPECT_TRUE(FileExists(project.GetDocumentPath()));
    }
}

// The kill tests: the child opens the proceeding the parent prepared and saves it, versions 2
// and 1 in turn, until it is killed, by itself before a chosen step or by the parent.
class KilledSave : public InterruptedSave {
protected:
    // Starts this test program as the saving child; its process handle.
    HANDLE StartChild(int killStep)
    {
        CString environment;
        environment.Format("%s=%s", kFolderVariable, (LPCSTR)m_main.Path());
        _putenv(environment);
        environment.Format("%s=%d", kKillStepVariable, killStep);
        _putenv(environment);
        StartChildrenUnsharded();
        wchar_t program[32768];
        GetModuleFileNameW(nullptr, program, 32768);
        std::wstring command = L"\"" + std::wstring(program) + L"\" --gtest_also_run_disabled_tests --gtest_filter="
                               + Cp1250ToWide(kChildTest);
        // The child's own test report would only clutter this one's.
        SECURITY_ATTRIBUTES inherited = {};
        inherited.nLength = sizeof inherited;
        inherited.bInheritHandle = TRUE;
        HANDLE nothing = CreateFileW(L"NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                     &inherited, OPEN_EXISTING, 0, nullptr);
        STARTUPINFOW startup = {};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = startup.hStdOutput = startup.hStdError = nothing;
        // Under heavy load Wine now and then fails to lay out a new process ("failed to map the
        // shared user data") and the start fails before the child runs a line: start it again.
        PROCESS_INFORMATION process = {};
        BOOL started = FALSE;
        for (int attempt = 0; attempt < 3 && !started; ++attempt)
            started = CreateProcessW(nullptr, &command[0], nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr,
                                     &startup, &process);
        CloseHandle(nothing);
        if (!started)
            return nullptr;
        CloseHandle(process.hThread);
        return process.hProcess;
    }

    void ExpectWholeVersion(int &newer)
    {
        CString problem;
        const int version = m_proceeding.OpenedVersion(problem);
        ASSERT_NE(version, 0) << (LPCSTR)problem;
        newer += version == 2;
        EXPECT_EQ(m_proceeding.LeftoverCount(), 0);
    }
};

TEST_F(KilledSave, ChildKilledBeforeEachStepLeavesAProceedingThatOpens)
{
    const int steps = StepsOfOneSave(m_proceeding);
    int newer = 0;
    for (int kill = 1; kill <= steps; ++kill) {
        SCOPED_TRACE(kill);
        HANDLE child = StartChild(kill);
        ASSERT_NE(child, nullptr);
        ASSERT_EQ(WaitForSingleObject(child, 60000), WAIT_OBJECT_0);
        DWORD code = 0;
        GetExitCodeProcess(child, &code);
        CloseHandle(child);
        ASSERT_EQ(code, 3u) << "the child was not killed at its step";
        ExpectWholeVersion(newer);
    }
    std::printf("child killed before each of %d steps: %d opened new, %d old, none torn\n", steps, newer,
                steps - newer);
}

TEST_F(KilledSave, ChildKilledAtRandomMomentsLeavesAProceedingThatOpens)
{
    const int kills = 25;
    std::mt19937 random(17);
    int newer = 0;
    for (int kill = 0; kill < kills; ++kill) {
        SCOPED_TRACE(kill);
        HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, L"MorvelankSaveChildReady");
        HANDLE child = StartChild(0);
        ASSERT_NE(child, nullptr);
        HANDLE waits[] = {ready, child};
        ASSERT_EQ(WaitForMultipleObjects(2, waits, FALSE, 60000), WAIT_OBJECT_0) << "the child did not start saving";
        Sleep(std::uniform_int_distribution<int>(0, 120)(random));
        TerminateProcess(child, 9);
        WaitForSingleObject(child, 60000);
        CloseHandle(child);
        CloseHandle(ready);
        ExpectWholeVersion(newer);
    }
    std::printf("child killed at %d random moments: %d opened new, %d old, none torn\n", kills, newer, kills - newer);
}

// Run only as the child of the tests above.
TEST(InterruptedSaveChild, DISABLED_SavesUntilKilled)
{
    const char *folder = getenv(kFolderVariable);
    const char *killStep = getenv(kKillStepVariable);
    ASSERT_TRUE(folder && killStep);
    SavedProceeding proceeding(folder);
    proceeding.Open();
    const int stop = atoi(killStep);
    int step = 0;
    if (stop > 0) {
        SetFileStepGate([&] {
            if (++step == stop)
                TerminateProcess(GetCurrentProcess(), 3);
            return true;
        });
        proceeding.Save(2);
        return;
    }
    HANDLE ready = OpenEventW(EVENT_MODIFY_STATE, FALSE, L"MorvelankSaveChildReady");
    SetEvent(ready);
    for (int version = 2;; version = 3 - version)
        proceeding.Save(version);
}

} // namespace
