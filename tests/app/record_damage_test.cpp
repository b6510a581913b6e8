// Damaged record and comment files: whatever one holds, reading it ends in a whole record or a
// refusal, allocates no more than the file warrants, and a refusal leaves nothing half-read.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "model/archive_file.h"
#include "model/comment_table.h"
#include "model/file_utils.h"
#include "model/project.h"
#include "framework/core/codepage.h"
#include "tests/support/damaged_copies.h"
#include "tests/support/largest_allocation.h"
#include "tests/support/test_folder.h"

namespace {

// The archive's buffer, the evaluation record's fixed tables and a few strings of the file's
// own size, never more.
size_t Bound(const std::string &bytes)
{
    return 256 * 1024 + 4 * bytes.size();
}

std::string GoodRecordFile(const TestFolder &folder)
{
    CProject project;
    project.m_strName = "Dostawa ławek";
    project.m_nProcedureCode = 62;
    project.m_nOrderType = 2;
    project.m_nAttachedCount = 2;
    project.m_strAttachedFiles[0] = "oferta.pdf";
    project.m_strAttachedFiles[1] = "umowa.doc";
    project.m_strHeader = "nagłówek";
    project.m_strFooter = "stopka";
    project.m_nLawVersion = 114;
    const CString path = folder / "dobry.baz";
    EXPECT_EQ(WriteProjectFile(project, path), 1);
    return TestFolder::ReadBytes(path);
}

// Reads the record as the opening does: once more from the first byte when the first reading failed.
int ReadAsOpening(CProject &project, const CString &path)
{
    return ReadProjectFile(project, path) || (project.m_nLoadFailed == 1 && ReadProjectFile(project, path));
}

TEST(RecordDamage, ARecordCutShortIsRefusedByTheSecondReadingToo)
{
    TestFolder folder;
    const std::string good = GoodRecordFile(folder);
    const CString path = folder / "ucięty.baz";
    for (size_t length = 0; length < good.size(); ++length) {
        SCOPED_TRACE(length);
        TestFolder::WriteBytes(path, good.substr(0, length));
        CProject project;
        ASSERT_EQ(ReadAsOpening(project, path), 0);
        EXPECT_STREQ(project.m_strName, "");
        EXPECT_EQ(project.m_nProcedureCode, 0);
    }
}

bool CounterGives7(int32_t &id)
{
    id = 7;
    return true;
}

TEST(RecordDamage, EveryChangedByteEndsInAWholeRecordOrARefusal)
{
    // Older layouts take a new id; the database is not what is measured here.
    CProject::SetIdCounter(CounterGives7);
    TestFolder folder;
    const std::string good = GoodRecordFile(folder);
    const CString path = folder / "zmieniony.baz";
    int read = 0, refused = 0;
    for (const std::string &bytes : DamagedCopies(good, 400)) {
        TestFolder::WriteBytes(path, bytes);
        CProject project;
        largest_allocation::Reset();
        if (ReadAsOpening(project, path)) {
            ++read;
            ASSERT_GE(project.m_nAttachedCount, 0);
        } else {
            ++refused;
            ASSERT_STREQ(project.m_strName, "");
            ASSERT_EQ(project.m_nAttachedCount, 0);
        }
        ASSERT_LE(largest_allocation::Largest(), Bound(bytes));
    }
    CProject::SetIdCounter(nullptr);
    EXPECT_GT(refused, 0);
    std::printf("damaged record files: %d read whole, %d refused\n", read, refused);
}

TEST(RecordDamage, ACommentFileRefusedLeavesAnEmptyTable)
{
    TestFolder folder;
    const CString path = folder / "komentarz1.wy";
    auto good = std::make_unique<CKomentarz2>();
    good->m_nCount = 3;
    good->m_entries[0] = {"Termin składania ofert", 101};
    good->m_entries[1] = {CString('x', 300), 102};
    good->m_entries[2] = {"Wadium", 103};
    ASSERT_TRUE(WriteCommentFile(*good, path));
    const std::string bytes = TestFolder::ReadBytes(path);

    auto table = std::make_unique<CKomentarz2>();
    int read = 0, refused = 0;
    for (const std::string &damaged : DamagedCopies(bytes, 300)) {
        // What an earlier file left must not survive a refusal of this one.
        ASSERT_TRUE(WriteCommentFile(*good, path));
        ASSERT_TRUE(ReadCommentFile(*table, path));
        TestFolder::WriteBytes(path, damaged);
        largest_allocation::Reset();
        if (ReadCommentFile(*table, path)) {
            ++read;
        } else {
            ++refused;
            ASSERT_EQ(table->m_nCount, 0);
            for (int i = 0; i < 3; ++i)
                ASSERT_TRUE(table->m_entries[i].text.IsEmpty() && table->m_entries[i].id == -1) << i;
        }
        ASSERT_LE(largest_allocation::Largest(), Bound(damaged));
    }
    EXPECT_GT(refused, 0);
    std::printf("damaged comment files: %d read, %d refused\n", read, refused);
}

TEST(RecordDamage, ARecordSavedIntoAFolderLongerThanAPathMayBeIsWholeOrRefused)
{
    TestFolder folder;
    CString longFolder = folder.Path();
    while (longFolder.GetLength() < 346)
        longFolder += "\\folder_postepowania";
    CreateDirectoryPath(longFolder);
    CProject project;
    project.m_strName = "Długi";
    const CString path = longFolder + "\\Długi.baz";
    if (WriteProjectFile(project, path) == 1) {
        CProject back;
        EXPECT_EQ(ReadProjectFile(back, path), 1);
        EXPECT_STREQ(back.m_strName, "Długi");
    } else {
        EXPECT_EQ(GetFileAttributesW(Cp1250ToWide(path).c_str()), INVALID_FILE_ATTRIBUTES);
    }
}

} // namespace
