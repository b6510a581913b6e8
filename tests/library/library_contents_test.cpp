// The library's configuration lines, the choice of program for a document, and the libraries
// the installation ships.
#include <gtest/gtest.h>

#include "library_test_support.h"
#include "mainframe/library/library_config.h"
#include "mainframe/library/library_tree.h"

namespace {

CString Describe(const std::vector<LibraryEntry> &entries)
{
    CString text;
    for (const LibraryEntry &entry : entries)
        text += "[" + entry.name + "|" + entry.title + "]";
    return text;
}

} // namespace

TEST(LibraryConfig, LinesBecomeEntriesByTheirFields)
{
    struct Case {
        const char *text;
        const char *entries;
    } cases[] = {
        {"a.rtf;Tytuł\nb.pdf;Drugi", "[a.rtf|Tytuł][b.pdf|Drugi]"},
        {"bez średnika\n\n  \na.rtf;A", "[a.rtf|A]"},
        {"nazwa;", "[nazwa|]"},
        {"  +$ x.doc  ;Tytuł z odstępem;uwagi\r\n", "[+$ x.doc|Tytuł z odstępem]"},
        {";Nagłówek bez nazwy\n$;Grupa", "[|Nagłówek bez nazwy][$|Grupa]"},
        {"a;b\r\nc;d\r\n", "[a|b][c|d]"},
        {"", ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(Describe(ParseLibraryConfig(c.text)), c.entries) << c.text;
}

TEST(LibraryConfig, ReadingStopsAtTheThreeHundredthEntry)
{
    CString text;
    for (int i = 1; i <= 305; ++i)
        text.AppendFormat("d%d.rtf;Dokument %d\n", i, i);
    const std::vector<LibraryEntry> entries = ParseLibraryConfig(text);
    ASSERT_EQ(entries.size(), 300u);
    EXPECT_EQ(entries.back().title, "Dokument 300");
}

TEST(LibraryConfig, FilesByMode)
{
    EXPECT_EQ(LibraryConfigPath("C:\\M", kLibraryZp), "C:\\M\\cnf\\202509\\zp.cnf");
    EXPECT_EQ(LibraryConfigPath("C:\\M", kLibraryArticles), "C:\\M\\cnf\\202509\\ciekawe_artykuly.cnf");
    EXPECT_EQ(LibraryConfigPath("C:\\M", kLibraryRulings), "C:\\M\\cnf\\202509\\orzeczenia_kio.cnf");
}

TEST(LibraryOpening, DocumentsGoToTheirProgramOrTheShell)
{
    struct Case {
        const char *path;
        const char *officeFolder;
        bool exists;
        LibraryOpening::Kind kind;
        const char *text;
    } cases[] = {
        {"C:\\M\\zp\\brak.doc", "C:\\Office", false, LibraryOpening::Missing, "C:\\M\\zp\\brak.doc"},
        {"C:\\M\\zp\\a.pdf", "C:\\Office", true, LibraryOpening::Shell, "C:\\M\\zp\\a.pdf"},
        {"C:\\M\\zp\\a.xls", "C:\\Office", true, LibraryOpening::CommandLine,
         "C:\\Office\\Excel.exe \"C:\\M\\zp\\a.xls\""},
        {"C:\\M\\zp\\A.XLS", "C:\\Office", true, LibraryOpening::CommandLine,
         "C:\\Office\\Excel.exe \"C:\\M\\zp\\A.XLS\""},
        {"C:\\M\\zp\\a.doc", "C:\\Office", true, LibraryOpening::CommandLine,
         "C:\\Office\\WinWord.exe \"C:\\M\\zp\\a.doc\""},
        {"C:\\M\\zp\\a.rtf", "C:\\Office", true, LibraryOpening::CommandLine,
         "C:\\Office\\WinWord.exe \"C:\\M\\zp\\a.rtf\""},
        {"C:\\M\\zp\\a.doc", "", true, LibraryOpening::Shell, "C:\\M\\zp\\a.doc"},
        {"C:\\M\\zp\\a.xls", "", true, LibraryOpening::Shell, "C:\\M\\zp\\a.xls"},
    };
    for (const Case &c : cases) {
        const LibraryOpening opening = ChooseLibraryOpening(c.path, c.officeFolder, c.exists);
        EXPECT_EQ(opening.kind, c.kind) << c.path << " " << c.officeFolder;
        EXPECT_EQ(opening.text, c.text) << c.path << " " << c.officeFolder;
    }
}

TEST(LibraryOpening, ExtensionIsTheFileNames)
{
    EXPECT_EQ(LibraryFileExtension("C:\\a.b\\plik"), "");
    EXPECT_EQ(LibraryFileExtension("C:\\a\\plik.tar.pdf"), "pdf");
    EXPECT_TRUE(IsOpenedDocument("x.XLT"));
    EXPECT_FALSE(IsOpenedDocument("strona.htm"));
}

// Every shipped library reads, and every document it names is in the installation.
TEST(ShippedLibraries, EveryEntryHasItsDocument)
{
    const CString installation = InstallationFolder();
    ASSERT_FALSE(installation.IsEmpty());
    for (int mode : {kLibraryZp, kLibraryArticles, kLibraryRulings}) {
        int failed = 1;
        const CString text = ReadFileContents(LibraryConfigPath(installation, mode), failed);
        ASSERT_EQ(failed, 0) << LibraryConfigFileName(mode);
        const std::vector<LibraryEntry> entries = ParseLibraryConfig(text);
        ASSERT_FALSE(entries.empty()) << LibraryConfigFileName(mode);
        EXPECT_GE(entries[0].name.GetLength(), 2) << "the view shows the first entry's document";
        for (const LibraryEntry &entry : entries) {
            CString name = entry.name;
            if (name.GetLength() < 2)
                continue;
            name.TrimLeft('+');
            name.TrimLeft('$');
            const CString path = installation + "\\zp\\" + name;
            EXPECT_TRUE(FileExists(path)) << path;
            EXPECT_EQ(ReadFileToString(path).Left(5), "{\\rtf") << path;
        }
    }
}
