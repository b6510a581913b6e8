#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "model/archive_file.h"
#include "model/comment_table.h"
#include "tests/evaluation/archive_bytes.h"
#include "tests/support/test_folder.h"

TEST(CommentTable, StartsEmpty)
{
    auto table = std::make_unique<CKomentarz2>();
    EXPECT_EQ(0, table->m_nCount);
    EXPECT_EQ(-1, table->m_entries[0].id);
    EXPECT_EQ(-1, table->m_entries[CKomentarz2::kMaxEntries - 1].id);
    EXPECT_STREQ("", table->m_entries[12345].text);
}

TEST(CommentTable, StoredCounts)
{
    const struct {
        const char *what;
        std::string bytes;
        int count;
        size_t unread;
    } cases[] = {
        {"no entries", ArchiveBytes().Int(0).Bytes(), 0, 0},
        {"two entries", ArchiveBytes().Int(2).Str("a").Int(7).Str("b").Int(7).Bytes(), 2, 0},
        {"100000 entries", ArchiveBytes().Int(100000).Str("a").Int(7).Bytes(), 0, 6},
        {"a negative count", ArchiveBytes().Int(-3).Str("a").Int(7).Bytes(), 0, 6},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        auto table = std::make_unique<CKomentarz2>();
        EXPECT_EQ(c.unread, LoadBytes(c.bytes, [&](CArchive &ar) { table->Serialize(ar); }));
        EXPECT_EQ(c.count, table->m_nCount);
        EXPECT_STREQ(c.count ? "a" : "", table->m_entries[0].text);
    }
}

TEST(CommentTable, FileRoundTripAndItsFailures)
{
    TestFolder folder;
    const CString path = folder / "komentarz1.wy";
    auto table = std::make_unique<CKomentarz2>();
    table->m_nCount = 2;
    table->m_entries[0] = {"Termin składania ofert", 101};
    table->m_entries[1] = {CString('x', 300), 102};
    ASSERT_TRUE(WriteCommentFile(*table, path));

    auto back = std::make_unique<CKomentarz2>();
    ASSERT_TRUE(ReadCommentFile(*back, path));
    EXPECT_EQ(2, back->m_nCount);
    EXPECT_STREQ("Termin składania ofert", back->m_entries[0].text);
    EXPECT_EQ(300, back->m_entries[1].text.GetLength());
    EXPECT_EQ(102, back->m_entries[1].id);

    // A file that ends early leaves no entry in use.
    const std::string whole = TestFolder::ReadBytes(path);
    TestFolder::WriteBytes(path, whole.substr(0, whole.size() - 2));
    EXPECT_FALSE(ReadCommentFile(*back, path));
    EXPECT_EQ(0, back->m_nCount);
    EXPECT_FALSE(ReadCommentFile(*back, folder / "brak.wy"));

    // A save that cannot replace the file leaves it as it was.
    TestFolder::WriteBytes(path, whole);
    HANDLE held = CreateFileW(Cp1250ToWide(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    table->m_nCount = 1;
    EXPECT_FALSE(WriteCommentFile(*table, path));
    CloseHandle(held);
    EXPECT_EQ(whole, TestFolder::ReadBytes(path));
    EXPECT_EQ("komentarz1.wy", folder.Listing());
}
