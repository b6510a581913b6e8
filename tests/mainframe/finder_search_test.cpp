// The finder's file search: what counts as a match, which files and folders are visited, and
// the descriptions of found files.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "framework/core/codepage.h"
#include "mainframe/tools/finder_search.h"
#include "tests/support/test_folder.h"

namespace {

void MakeFolder(const CString &path)
{
    ::CreateDirectoryW(Cp1250ToWide(path).c_str(), nullptr);
}

std::vector<std::string> Sorted(const std::vector<CString> &entries)
{
    std::vector<std::string> sorted;
    for (const CString &entry : entries)
        sorted.push_back((LPCSTR)entry);
    std::sort(sorted.begin(), sorted.end());
    return sorted;
}

TEST(FinderContent, MatchesThePrintableTextOfTheFile)
{
    // Printable text "x" * 99,998 then "abcd": "abcd" straddles the first 100,000-character block.
    const std::string straddling = std::string(kFinderBlock - 2, 'x') + "abcd";
    const struct {
        const char *what;
        std::string content;
        const char *text;
        bool matchCase;
        bool found;
    } cases[] = {
        {"case folded", "Dostawa ABC", "abc", false, true},
        {"case kept", "Dostawa ABC", "abc", true, false},
        {"case kept, same case", "Dostawa ABC", "ABC", true, true},
        {"Polish letters folded", "Zażółć gęślą jaźń", "ZAŻÓŁĆ GĘŚLĄ", false, true},
        {"line break dropped", "ab\r\ncd", "abcd", false, true},
        {"control and 127 bytes dropped",
         std::string("a\x01\x7f"
                     "b\0c",
                     6),
         "abc", true, true},
        {"across a block boundary", straddling, "abcd", false, true},
        {"across a boundary after dropped bytes", std::string(kFinderBlock - 1, 'y') + "\n\n" + "zz" + "q", "yzzq",
         true, true},
        {"absent", "Dostawa tonerów", "papier", false, false},
        {"empty file", "", "a", false, false},
    };
    TestFolder root;
    for (const auto &c : cases) {
        root.WriteBytes(root / "plik.dat", c.content);
        EXPECT_EQ(FileContainsText(root / "plik.dat", c.text, c.matchCase), c.found) << c.what;
    }
    EXPECT_FALSE(FileContainsText(root / "brak.dat", "", false));
}

TEST(FinderContent, LockedFileDoesNotMatch)
{
    TestFolder root;
    root.WriteBytes(root / "zajety.dat", "tekst");
    HANDLE locked = ::CreateFileW(Cp1250ToWide(root / "zajety.dat").c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(locked, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(FileContainsText(root / "zajety.dat", "tekst", false));
    ::CloseHandle(locked);
}

// Current proceedings: old single files in the folder itself, proceedings one level down.
TEST(FinderFolders, CurrentFolderIsSearchedOneLevelDeep)
{
    TestFolder root;
    const CString working = root / "biezace";
    MakeFolder(working);
    root.WriteBytes(working + "\\stary.npn", "Dostawa mebli");
    root.WriteBytes(working + "\\inny.wpw", "mebli");
    root.WriteBytes(working + "\\notatka.txt", "mebli");
    root.WriteBytes(working + "\\bez.npw", "papier");
    MakeFolder(working + "\\katalog.opn"); // a folder named like a proceeding file
    MakeFolder(working + "\\Meble biurowe");
    root.WriteBytes(working + "\\Meble biurowe\\Meble biurowe.dat", "dostawa MEBLI");
    root.WriteBytes(working + "\\Meble biurowe\\Meble biurowe.baz", "");
    root.WriteBytes(working + "\\Meble biurowe\\spec.dat", "mebli"); // no record: cannot be opened
    MakeFolder(working + "\\Meble biurowe\\glebiej");
    root.WriteBytes(working + "\\Meble biurowe\\glebiej\\x.dat", "mebli");
    root.WriteBytes(working + "\\Meble biurowe\\glebiej\\x.baz", "");
    MakeFolder(working + "\\Papier");
    root.WriteBytes(working + "\\Papier\\Papier.dat", "papier");
    root.WriteBytes(working + "\\Papier\\Papier.baz", "");

    const FinderResult found = FindProceedingFiles(working, kFinderCurrent, "mebli", false);
    EXPECT_TRUE(found.folderFound);
    ASSERT_EQ(found.entries.size(), 3u);
    // Old files come first, in the order of their kinds.
    EXPECT_EQ(found.entries[0], "stary.npn");
    EXPECT_EQ(found.entries[1], "inny.wpw");
    EXPECT_EQ(found.entries[2], "Meble biurowe\\Meble biurowe.baz");

    EXPECT_EQ(Sorted(FindProceedingFiles(working, kFinderCurrent, "MEBLI", true).entries),
              std::vector<std::string>{"Meble biurowe\\Meble biurowe.baz"});
}

TEST(FinderFolders, ArchiveFolderTakesOldArchiveFilesAndArchivedProceedings)
{
    TestFolder root;
    const CString archive = root / "archiwum";
    MakeFolder(archive);
    root.WriteBytes(archive + "\\stare.ar1", "umowa na remont");
    root.WriteBytes(archive + "\\stare.npn", "remont");
    MakeFolder(archive + "\\ZP-1-2024.ar40");
    root.WriteBytes(archive + "\\ZP-1-2024.ar40\\Remont.dat", "remont dachu");
    root.WriteBytes(archive + "\\ZP-1-2024.ar40\\Remont.baz", "");

    EXPECT_EQ(Sorted(FindProceedingFiles(archive, kFinderArchive, "Remont", false).entries),
              (std::vector<std::string>{"ZP-1-2024.ar40\\Remont.baz", "stare.ar1"}));
}

TEST(FinderFolders, MissingFolderIsToldAndLockedFilesPassedOver)
{
    TestFolder root;
    const FinderResult missing = FindProceedingFiles(root / "brak", kFinderCurrent, "a", false);
    EXPECT_FALSE(missing.folderFound);
    EXPECT_TRUE(missing.entries.empty());

    MakeFolder(root / "P");
    root.WriteBytes(root / "P\\P.dat", "szukane");
    root.WriteBytes(root / "P\\P.baz", "");
    root.WriteBytes(root / "stary.npn", "szukane");
    HANDLE locked = ::CreateFileW(Cp1250ToWide(root / "stary.npn").c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
    const FinderResult found = FindProceedingFiles(root.Path(), kFinderCurrent, "szukane", false);
    ::CloseHandle(locked);
    EXPECT_EQ(Sorted(found.entries), std::vector<std::string>{"P\\P.baz"});
}

TEST(FinderDescriptions, OldKindsByExtension)
{
    const struct {
        const char *entry;
        const char *description;
    } cases[] = {
        {"a.npn", "Przetarg nieogran. pon. 30000 EURO"},
        {"a.NPW", "Przetarg nieogran. pow. 30000 EURO"},
        {"a.opw", "Przetarg ogranicz. pow. 30000 EURO"},
        {"a.dpw", "Przetarg dwustopn. pow. 30000 EURO"},
        {"a.wpn", "Zam. z wolnej ręki pon. 30000 EURO"},
        {"a.wpw", "Zam. z wolnej ręki pow. 30000 EURO"},
        {"P\\P.baz", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(DescribeCurrentEntry(c.entry), c.description) << c.entry;
}

TEST(FinderDescriptions, ArchiveFileDescriptionFollowsTheTwoLengthPrefixedFields)
{
    std::string bytes(14, '\x11');
    bytes += std::string("\x03\x02", 2) + "abc" + "de" + "\x07";
    bytes += std::string(1, '\x0c') + "Remont dachu";
    TestFolder root;
    root.WriteBytes(root / "a.ar1", bytes);
    CString description;
    ASSERT_TRUE(ReadArchiveDescription(root / "a.ar1", description));
    EXPECT_EQ(description, "Remont dachu");

    for (size_t cut : {size_t(0), size_t(15), size_t(20), bytes.size() - 1}) {
        root.WriteBytes(root / "a.ar1", bytes.substr(0, cut));
        EXPECT_FALSE(ReadArchiveDescription(root / "a.ar1", description)) << cut;
        EXPECT_TRUE(description.IsEmpty());
    }
    EXPECT_FALSE(ReadArchiveDescription(root / "brak.ar1", description));
}

} // namespace
