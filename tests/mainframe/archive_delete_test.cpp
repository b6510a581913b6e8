// Deleting a proceeding's folder: everything inside goes, nothing outside it ever does.
#include "archive_fixture.h"

#include "mainframe/archive/archive_delete.h"

namespace {

class ArchiveDeleteTest : public ArchiveFolderTest {
protected:
    static bool Exists(const CString &path)
    {
        return ::GetFileAttributesW(Wide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
    }
};

TEST_F(ArchiveDeleteTest, OnlyPlainFolderNamesPass)
{
    const struct {
        const char *name;
        bool accepted;
    } cases[] = {
        {"Remont szkoły", true},
        {"Przetarg 1.2024", true},
        {"..a", true},
        {"", false},
        {".", false},
        {"..", false},
        {"...", false},
        {"..\\biezace", false},
        {"a\\b", false},
        {"a/b", false},
        {"/a", false},
        {"C:\\Windows", false},
        {"C:x", false},
        {"\\\\serwer\\x", false},
        {"*", false},
        {"a?", false},
        {"nazwa.", false},
        {"nazwa ", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(IsProceedingFolderName(c.name), c.accepted) << c.name;
}

TEST_F(ArchiveDeleteTest, DeletesTheFolderWithEverythingInside)
{
    MakeProceeding(current, "Remont", "Remont", 0, 114);
    MakeFolder(current + "\\Remont\\załączniki");
    WriteBytes(current + "\\Remont\\załączniki\\oferta.pdf", {'%'});
    const CString readOnly = current + "\\Remont\\spec.dat";
    WriteBytes(readOnly, {'x'});
    ::SetFileAttributesW(Wide(readOnly).c_str(), FILE_ATTRIBUTE_READONLY);
    MakeProceeding(current, "Remont 2", "Remont 2", 0, 114);

    EXPECT_TRUE(DeleteProceedingFolder(current, "Remont"));
    EXPECT_FALSE(Exists(current + "\\Remont"));
    EXPECT_TRUE(Exists(current + "\\Remont 2\\Remont 2.baz"));
}

TEST_F(ArchiveDeleteTest, RefusedNamesAndParentsDeleteNothing)
{
    MakeProceeding(current, "Remont", "Remont", 0, 114);
    MakeProceeding(archive, "Stary", "Stary", 0, 114);
    const struct {
        CString parent, name;
    } cases[] = {
        {current, ".."}, {current, "..\\archiwum"}, {current, archive},  {current, ""},
        {current, "."},  {"", "biezace"},           {current, "nie ma"}, {current, "Remont\\Remont.baz"},
    };
    for (const auto &c : cases) {
        EXPECT_FALSE(DeleteProceedingFolder(c.parent, c.name)) << (LPCSTR)c.name;
        EXPECT_TRUE(Exists(current + "\\Remont\\Remont.baz"));
        EXPECT_TRUE(Exists(archive + "\\Stary\\Stary.baz"));
    }
}

// A link inside a proceeding's folder goes with it; what it points to stays.
TEST_F(ArchiveDeleteTest, LinksAreRemovedNeverFollowed)
{
    MakeProceeding(current, "Remont", "Remont", 0, 114);
    MakeProceeding(archive, "Stary", "Stary", 0, 114);
    const CString link = current + "\\Remont\\do archiwum";
    if (!::CreateSymbolicLinkW(Wide(link).c_str(), Wide(archive).c_str(), SYMBOLIC_LINK_FLAG_DIRECTORY))
        GTEST_SKIP() << "no symbolic links here";

    EXPECT_TRUE(DeleteProceedingFolder(current, "Remont"));
    EXPECT_FALSE(Exists(current + "\\Remont"));
    EXPECT_TRUE(Exists(archive + "\\Stary\\Stary.baz"));
}

TEST_F(ArchiveDeleteTest, FileInUseKeepsTheFolderAndReportsFailure)
{
    MakeProceeding(current, "Remont", "Remont", 0, 114);
    const CString record = current + "\\Remont\\Remont.baz";
    HANDLE open =
        ::CreateFileW(Wide(record).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(open, INVALID_HANDLE_VALUE);
    const bool deleted = DeleteProceedingFolder(current, "Remont");
    ::CloseHandle(open);
    EXPECT_FALSE(deleted);
    EXPECT_TRUE(Exists(record));
}

} // namespace
