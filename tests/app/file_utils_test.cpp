#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "model/file_utils.h"
#include "framework/core/codepage.h"
#include "tests/support/test_folder.h"

namespace {

FILE *Open(const CString &path, const wchar_t *mode)
{
    return _wfopen(Cp1250ToWide(path).c_str(), mode);
}

} // namespace

TEST(LengthPrefixedString, ReadsWhatTheBytesSay)
{
    const struct {
        std::string bytes;
        const char *text;
        long positionAfter;
    } cases[] = {
        {std::string("\x03\0\0\0a\0b", 7), "a", 7}, // a zero byte ends the text, all bytes consumed
        {std::string("\0\0\0\0rest", 8), "", 4},
        {std::string("\xFF\xFF\xFF\xFFrest", 8), "", 4}, // negative length
        {std::string("\x10\0\0\0abc", 7), "abc", 7},     // lies about the length: what remains
        {std::string("\xFF\xFF\xFF\x7F", 4), "", 4},     // huge length, nothing behind it
        {std::string("\x02\0", 2), "", 2},               // no whole length
        {std::string("\x04\0\0\0\xB9\xEA\xF3\xBF", 8), "ąęóż", 8},
    };
    TestFolder folder;
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "expecting \"" << c.text << "\"");
        TestFolder::WriteBytes(folder / "s.bin", c.bytes);
        FILE *file = Open(folder / "s.bin", L"rb");
        ASSERT_NE(nullptr, file);
        EXPECT_STREQ(c.text, ReadStringFromFile(file));
        EXPECT_EQ(c.positionAfter, ftell(file));
        fclose(file);
    }
    EXPECT_STREQ("", ReadStringFromFile(nullptr));
}

TEST(LengthPrefixedString, WritesCountThenBytes)
{
    TestFolder folder;
    FILE *file = Open(folder / "s.bin", L"wb");
    ASSERT_NE(nullptr, file);
    EXPECT_TRUE(WriteStringToFile(file, ""));
    EXPECT_TRUE(WriteStringToFile(file, "zł"));
    fclose(file);
    EXPECT_EQ(std::string("\0\0\0\0\x02\0\0\0z\xB3", 10), TestFolder::ReadBytes(folder / "s.bin"));
    EXPECT_FALSE(WriteStringToFile(nullptr, "x"));
}

TEST(WholeFiles, ReadWriteAndAppend)
{
    TestFolder folder;
    const CString path = folder / "tekst.txt";
    EXPECT_TRUE(WriteTextFile(path, "a\r\nb\n"));
    EXPECT_TRUE(AppendTextFile(path, "ć"));
    EXPECT_EQ(6, GetFileSize(path));
    int failed = -1;
    EXPECT_STREQ("a\r\nb\nć", ReadFileContents(path, failed));
    EXPECT_EQ(0, failed);

    TestFolder::WriteBytes(path, std::string("ab\0cd", 5));
    EXPECT_STREQ("ab", ReadFileToString(path));
    EXPECT_EQ(5, GetFileSize(path));

    EXPECT_EQ(-1, GetFileSize(folder / "none.txt"));
    EXPECT_STREQ("", ReadFileContents(folder / "none.txt", failed));
    EXPECT_EQ(1, failed);
    EXPECT_STREQ("", ReadFileContents("", failed));
    EXPECT_EQ(1, failed);
    EXPECT_TRUE(AppendTextFile(folder / "new.txt", "x"));
    EXPECT_STREQ("x", ReadFileToString(folder / "new.txt"));
}

TEST(WholeFiles, FailedWriteLeavesTheOldFile)
{
    TestFolder folder;
    const CString path = folder / "stary.txt";
    ASSERT_TRUE(WriteTextFile(path, "old"));

    // Held open without sharing, the file cannot be replaced.
    HANDLE held = CreateFileW(Cp1250ToWide(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    EXPECT_FALSE(WriteTextFile(path, "new"));
    CloseHandle(held);

    EXPECT_STREQ("old", ReadFileToString(path));
    EXPECT_EQ("stary.txt", folder.Listing()); // no temporary file left behind
    EXPECT_FALSE(WriteTextFile(folder / "missing\\x.txt", "new"));
}

TEST(Folders, ExistenceTests)
{
    TestFolder folder;
    CreateDirectoryW(Cp1250ToWide(folder / "katalog").c_str(), nullptr);
    TestFolder::WriteBytes(folder / "a.txt", "a");

    EXPECT_TRUE(FileExists(folder / "a.txt"));
    EXPECT_TRUE(FileExists(folder / "*.txt"));
    EXPECT_FALSE(FileExists(folder / "*.doc"));
    EXPECT_FALSE(FileExists(folder / "katalog"));
    EXPECT_FALSE(FileExists(""));

    EXPECT_TRUE(DirectoryExists(folder / "katalog"));
    EXPECT_TRUE(DirectoryExists(folder / "katalog\\"));
    EXPECT_TRUE(DirectoryExists(folder.Path()));
    EXPECT_FALSE(DirectoryExists(folder / "a.txt"));
    EXPECT_FALSE(DirectoryExists(folder / "brak"));
    EXPECT_FALSE(DirectoryExists(""));
    EXPECT_FALSE(DirectoryExists("\\\\"));
}

TEST(Folders, CreateDirectoryPathMakesEveryMissingLevel)
{
    TestFolder folder;
    EXPECT_TRUE(CreateDirectoryPath(folder / "a\\b c\\d\\"));
    EXPECT_TRUE(DirectoryExists(folder / "a\\b c\\d"));
    EXPECT_TRUE(CreateDirectoryPath(folder / "a\\b c")); // already there
    EXPECT_TRUE(CreateDirectoryPath(""));

    TestFolder::WriteBytes(folder / "plik", "x");
    EXPECT_FALSE(CreateDirectoryPath(folder / "plik\\d\\e"));
    EXPECT_FALSE(DirectoryExists(folder / "plik\\d"));
}

TEST(Paths, PartsOfAPath)
{
    const struct {
        const char *path, *parent, *title, *extension;
    } cases[] = {
        {"D:\\a\\b\\c.txt", "D:\\a\\b", "c", "txt"},
        {"D:\\a\\b\\", "D:\\a", "b", ""},
        {"D:\\a\\x.tar.gz", "D:\\a", "x.tar", "gz"},
        {"x.txt", "", "x", "txt"},
        {".profile", "", ".profile", ""},
        {"D:\\a.b\\c", "D:\\a.b", "c", "b\\c"},
        {"", "", "", ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_STREQ(c.parent, GetParentFolder(c.path));
        EXPECT_STREQ(c.title, GetFileTitleNoExt(c.path));
        EXPECT_STREQ(c.extension, GetFileExtension(c.path));
    }
}
