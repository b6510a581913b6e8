#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "model/archive_file.h"
#include "model/project.h"
#include "tests/evaluation/archive_bytes.h"
#include "tests/support/test_folder.h"

namespace {

// 2040-01-01 00:00:00 UTC: past the signed 32-bit end of time, so its low 32 bits have the top bit set.
const __time64_t kAfter2038 = 2208988800;

std::string Time32(__time64_t seconds)
{
    return ArchiveBytes().Int(static_cast<int32_t>(static_cast<uint32_t>(seconds))).Bytes();
}

// An empty evaluation record as schema 3 writes it.
std::string EmptyCriteria()
{
    return ArchiveBytes().Int(3).Str("").Str("").Str("").Int(0).Int(0).Int(0).Str("").Bytes();
}

// The items every layout starts with after its version number.
ArchiveBytes Opening(int version)
{
    ArchiveBytes bytes;
    if (version >= 0)
        bytes.Int(version);
    bytes.Str("Dostawa sprzętu").Int(101);
    if (version >= 3)
        bytes.Int(2);
    bytes.Str("zapas").Int(2).Str("oferta.pdf").Str("umowa.doc");
    return bytes;
}

// A record file of the given version, every item it holds set.
std::string RecordFile(int version)
{
    ArchiveBytes bytes = Opening(version);
    if (version >= 4)
        bytes.Raw(ArchiveBytes()
                      .Int(3)
                      .Str("d")
                      .Str("60")
                      .Str("")
                      .Int(0)
                      .Int(0)
                      .Int(1)
                      .Str("jakość")
                      .Str("40")
                      .Str("sprawa")
                      .Bytes());
    if (version >= 5)
        bytes.Int(77);
    if (version >= 6)
        bytes.Raw(Time32(kAfter2038)).Raw(Time32(kAfter2038 + 60));
    if (version >= 7)
        bytes.Str("nagłówek").Str("stopka").Int(1);
    if (version >= 8)
        bytes.Int(113);
    if (version >= 9)
        bytes.Int(5);
    return bytes.Bytes();
}

int LoadRecord(CProject &project, const std::string &bytes)
{
    int result = -1;
    LoadBytes(bytes, [&](CArchive &ar) { result = project.Serialize(ar, ""); });
    return result;
}

bool CounterGives42(int32_t &id)
{
    id = 42;
    return true;
}

bool CounterFails(int32_t &)
{
    return false;
}

class ProjectRecord : public testing::Test {
protected:
    void SetUp() override { CProject::SetIdCounter(CounterGives42); }
    void TearDown() override { CProject::SetIdCounter(nullptr); }
};

} // namespace

TEST_F(ProjectRecord, WritesVersion9ByteForByte)
{
    CProject project;
    project.m_strName = "Remont szkoły";
    project.m_nProcedureCode = 164;
    project.m_nOrderType = 2;
    project.m_strSpare = "s";
    project.m_nAttachedCount = 1;
    project.m_strAttachedFiles[0] = "plan.pdf";
    project.m_strAttachedFiles[1] = "not in use";
    project.m_nDatabaseId = 12;
    project.m_timeCreated = CTime(kAfter2038);
    project.m_strHeader = "H";
    project.m_strFooter = std::string(255, 'f').c_str();
    project.m_nPageNumbering = 1;
    project.m_nLawVersion = 114;
    project.m_nReserved = 3;
    project.m_strPassword = "tajne";

    const CTime before = CTime::GetCurrentTime();
    int result = 0;
    const std::string bytes = StoredBytes([&](CArchive &ar) { result = project.Serialize(ar, ""); });
    const CTime after = CTime::GetCurrentTime();
    EXPECT_EQ(1, result);
    EXPECT_LE(before, project.m_timeModified);
    EXPECT_GE(after, project.m_timeModified);

    const std::string expected = ArchiveBytes()
                                     .Int(9)
                                     .Str("Remont szkoły")
                                     .Int(164)
                                     .Int(2)
                                     .Str("s")
                                     .Int(1)
                                     .Str("plan.pdf")
                                     .Raw(EmptyCriteria())
                                     .Int(12)
                                     .Raw(Time32(kAfter2038))
                                     .Raw(Time32(project.m_timeModified.GetTime()))
                                     .Str("H")
                                     .Raw(std::string("\xFF\xFF\x00", 3) + std::string(255, 'f'))
                                     .Int(1)
                                     .Int(114)
                                     .Int(3)
                                     .Bytes();
    EXPECT_EQ(expected, bytes); // the password is not among them
}

TEST_F(ProjectRecord, FullRecordSurvivesTheRecordFile)
{
    TestFolder folder;
    const CString path = folder / "przetarg.baz";
    CProject project;
    project.m_strName = "Usługi sprzątania, część 2";
    project.m_nProcedureCode = 65;
    project.m_nOrderType = 1;
    project.m_strSpare = "zapas";
    project.m_nAttachedCount = CProject::kMaxAttachedFiles;
    for (int i = 0; i < CProject::kMaxAttachedFiles; ++i)
        project.m_strAttachedFiles[i].Format("załącznik %d.pdf", i);
    project.m_pCriteria->m_nOfferCount = 2;
    project.m_pCriteria->m_offers[1].grossPrice = 2500000.01;
    project.m_pCriteria->m_strCaseNumber = "ZP/7/2025";
    project.m_nDatabaseId = 9;
    project.m_timeCreated = CTime(kAfter2038);
    project.m_strHeader = "Nagłówek";
    project.m_strFooter = "Stopka";
    project.m_nPageNumbering = 1;
    project.m_nLawVersion = 114;
    project.m_nReserved = 6;
    ASSERT_EQ(1, WriteProjectFile(project, path));
    EXPECT_EQ("przetarg.baz", folder.Listing());

    CProject back;
    back.m_strPassword = "z pliku danych";
    ASSERT_EQ(1, ReadProjectFile(back, path));
    EXPECT_EQ(0, back.m_nLoadFailed);
    EXPECT_STREQ("Usługi sprzątania, część 2", back.m_strName);
    EXPECT_EQ(65, back.m_nProcedureCode);
    EXPECT_EQ(1, back.m_nOrderType);
    EXPECT_STREQ("zapas", back.m_strSpare);
    ASSERT_EQ(CProject::kMaxAttachedFiles, back.m_nAttachedCount);
    EXPECT_STREQ("załącznik 99.pdf", back.m_strAttachedFiles[99]);
    EXPECT_EQ(2, back.m_pCriteria->m_nOfferCount);
    EXPECT_DOUBLE_EQ(2500000.01, back.m_pCriteria->m_offers[1].grossPrice);
    EXPECT_STREQ("ZP/7/2025", back.m_pCriteria->m_strCaseNumber);
    EXPECT_EQ(9, back.m_nDatabaseId);
    EXPECT_EQ(kAfter2038, back.m_timeCreated.GetTime());
    EXPECT_EQ(project.m_timeModified, back.m_timeModified);
    EXPECT_STREQ("Nagłówek", back.m_strHeader);
    EXPECT_STREQ("Stopka", back.m_strFooter);
    EXPECT_EQ(1, back.m_nPageNumbering);
    EXPECT_EQ(114, back.m_nLawVersion);
    EXPECT_EQ(6, back.m_nReserved);
    EXPECT_STREQ("z pliku danych", back.m_strPassword);
}

TEST_F(ProjectRecord, OlderVersionsTakeTheDefaultsOfWhatTheyLack)
{
    const CTime placeholder = CProject::PlaceholderTime();
    for (int version = 0; version <= 9; ++version) {
        SCOPED_TRACE(testing::Message() << "version " << version);
        CProject project;
        project.m_nOrderType = 7;
        project.m_strHeader = "stary";
        project.m_nPageNumbering = 3;
        project.m_nReserved = 4;
        ASSERT_EQ(1, LoadRecord(project, RecordFile(version)));

        EXPECT_STREQ("Dostawa sprzętu", project.m_strName);
        EXPECT_EQ(101, project.m_nProcedureCode);
        EXPECT_STREQ("zapas", project.m_strSpare);
        ASSERT_EQ(2, project.m_nAttachedCount);
        EXPECT_STREQ("umowa.doc", project.m_strAttachedFiles[1]);
        EXPECT_EQ(version >= 3 ? 2 : 7, project.m_nOrderType);
        EXPECT_EQ(version >= 4 ? 1 : 0, project.m_pCriteria->m_nCriteriaCount);
        EXPECT_EQ(version >= 5 ? 77 : 42, project.m_nDatabaseId);
        EXPECT_EQ(version >= 6 ? CTime(kAfter2038) : placeholder, project.m_timeCreated);
        EXPECT_EQ(version >= 6 ? CTime(kAfter2038 + 60) : placeholder, project.m_timeModified);
        EXPECT_STREQ(version >= 7 ? "nagłówek" : "stary", project.m_strHeader);
        EXPECT_EQ(version >= 7 ? 1 : 3, project.m_nPageNumbering);
        EXPECT_EQ(version >= 8 ? 113 : 28, project.m_nLawVersion);
        EXPECT_EQ(version >= 9 ? 5 : 4, project.m_nReserved);
    }
}

TEST_F(ProjectRecord, VersionNumberAbove1000IsReadAsVersion0)
{
    CProject project;
    EXPECT_EQ(1, LoadRecord(project, ArchiveBytes().Int(1001).Raw(RecordFile(-1)).Bytes()));
    EXPECT_STREQ("Dostawa sprzętu", project.m_strName);
    EXPECT_EQ(28, project.m_nLawVersion);
}

TEST_F(ProjectRecord, OldestFilesAreReadByTheSecondPass)
{
    TestFolder folder;
    const CString path = folder / "stary.baz";
    TestFolder::WriteBytes(path, RecordFile(-1));
    CProject project;
    EXPECT_EQ(0, ReadProjectFile(project, path));
    EXPECT_EQ(1, project.m_nLoadFailed);
    EXPECT_STREQ("", project.m_strName);

    EXPECT_EQ(1, ReadProjectFile(project, path));
    EXPECT_STREQ("Dostawa sprzętu", project.m_strName);
    EXPECT_EQ(2, project.m_nAttachedCount);
    EXPECT_EQ(42, project.m_nDatabaseId);
    EXPECT_EQ(1, project.m_nLoadFailed); // only a new record clears the flag
}

TEST_F(ProjectRecord, TruncatedFilesFailWithoutAHalfReadRecord)
{
    const std::string whole = RecordFile(9);
    for (size_t length = 0; length < whole.size(); ++length) {
        SCOPED_TRACE(testing::Message() << length << " of " << whole.size() << " bytes");
        CProject project;
        project.m_nProcedureCode = 5;
        EXPECT_EQ(0, LoadRecord(project, whole.substr(0, length)));
        EXPECT_EQ(1, project.m_nLoadFailed);
        EXPECT_STREQ("", project.m_strName);
        EXPECT_EQ(0, project.m_nProcedureCode);
        EXPECT_EQ(0, project.m_nAttachedCount);
        EXPECT_EQ(0, project.m_pCriteria->m_nCriteriaCount);
    }
}

TEST_F(ProjectRecord, LyingCountsAndLengths)
{
    const struct {
        const char *what;
        std::string bytes;
        int result;
        int attachedCount;
    } cases[] = {
        {"101 attached files", ArchiveBytes().Int(9).Str("n").Int(0).Int(0).Str("").Int(101).Bytes(), 0, 0},
        {"a huge attached-file count", ArchiveBytes().Int(9).Str("n").Int(0).Int(0).Str("").Int(0x7FFFFFFF).Bytes(), 0,
         0},
        {"a negative attached-file count", ArchiveBytes().Int(2).Str("n").Int(0).Str("").Int(-5).Bytes(), 1, 0},
        {"a name longer than the file",
         ArchiveBytes()
             .Int(9)
             .Raw("\xFF\xF0\xFF"
                  "abc")
             .Bytes(),
         0, 0},
        {"500 offers",
         ArchiveBytes()
             .Int(4)
             .Str("n")
             .Int(0)
             .Int(0)
             .Str("")
             .Int(0)
             .Int(3)
             .Str("")
             .Str("")
             .Str("")
             .Int(500)
             .Int(0)
             .Int(0)
             .Bytes(),
         0, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        CProject project;
        EXPECT_EQ(c.result, LoadRecord(project, c.bytes));
        EXPECT_EQ(c.attachedCount, project.m_nAttachedCount);
    }
}

TEST_F(ProjectRecord, NextIdKeepsTheIdWhenTheCounterFails)
{
    CProject project;
    project.m_nDatabaseId = 17;
    CProject::SetIdCounter(CounterFails);
    project.NextId();
    EXPECT_EQ(17, project.m_nDatabaseId);
    CProject::SetIdCounter(CounterGives42);
    project.NextId();
    EXPECT_EQ(42, project.m_nDatabaseId);
}

TEST_F(ProjectRecord, FailedSaveLeavesTheOldFile)
{
    TestFolder folder;
    const CString path = folder / "p.baz";
    CProject project;
    project.m_strName = "stara nazwa";
    ASSERT_EQ(1, WriteProjectFile(project, path));
    const std::string old = TestFolder::ReadBytes(path);

    project.m_strName = "nowa nazwa";
    HANDLE held = CreateFileW(Cp1250ToWide(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    EXPECT_EQ(0, WriteProjectFile(project, path));
    CloseHandle(held);
    EXPECT_EQ(old, TestFolder::ReadBytes(path));
    EXPECT_EQ("p.baz", folder.Listing());

    EXPECT_EQ(0, WriteProjectFile(project, folder / "brak\\p.baz"));
}

TEST_F(ProjectRecord, StoreThatCannotWriteReportsFailure)
{
    CProject project;
    project.m_nAttachedCount = 100;
    for (CString &name : project.m_strAttachedFiles)
        name = "załącznik o długiej nazwie.pdf";
    BYTE block[256] = {};
    CMemFile full(block, sizeof block);
    CArchive ar(&full, CArchive::store, 128);
    EXPECT_EQ(0, project.Serialize(ar, ""));
    ar.Abort();
}

TEST_F(ProjectRecord, FirstStoreOfAnOldRecordTakesTheFileCreationTime)
{
    TestFolder folder;
    const CString path = folder / "p.baz";
    TestFolder::WriteBytes(path, RecordFile(5));
    CFileStatus status; // the creation time that the file system reports for the old file
    ASSERT_TRUE(CFile::GetStatus(path, status));

    CProject project;
    ASSERT_EQ(1, ReadProjectFile(project, path));
    EXPECT_EQ(CProject::PlaceholderTime(), project.m_timeCreated);
    ASSERT_EQ(1, WriteProjectFile(project, path));
    EXPECT_EQ(status.m_ctime, project.m_timeCreated);
}

TEST(ProjectPaths, FolderAndFileNames)
{
    CProject project;
    EXPECT_STREQ("dat", project.m_strExtension);
    EXPECT_FALSE(project.HasFileName());
    project.SetFolder(" E:\\P\\ ");
    EXPECT_STREQ("E:\\P", project.GetFolder());
    EXPECT_STREQ("", project.GetProjectFilePath());
    EXPECT_STREQ("", project.GetDocumentPath());
    EXPECT_STREQ("E:\\P\\spec.dat", project.GetSpecPath());

    project.SetFileName("x", "um");
    EXPECT_TRUE(project.HasFileName());
    EXPECT_STREQ("x", project.GetFileName());
    EXPECT_STREQ("E:\\P\\x.baz", project.GetProjectFilePath());
    EXPECT_STREQ("E:\\P\\x.um", project.GetDocumentPath());

    project.SetFolder("");
    EXPECT_STREQ("", project.GetProjectFilePath());
    EXPECT_STREQ("", project.GetSpecPath());
}

TEST(ProjectPaths, RegisteredForCreationByName)
{
    std::unique_ptr<CObject> made(CRuntimeClass::CreateObject("CProject"));
    ASSERT_NE(nullptr, made);
    EXPECT_TRUE(made->IsKindOf(RUNTIME_CLASS(CProject)));
    EXPECT_EQ(VERSIONABLE_SCHEMA | 2, RUNTIME_CLASS(CProject)->m_wSchema);
}
