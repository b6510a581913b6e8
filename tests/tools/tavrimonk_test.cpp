// The converter stand-in: DOC and HTML output of a small exported document, damaged side
// files and command lines refused with the target left alone, and a run of the real exe
// with the command line the program builds.

#include "document/output/export_tables.h"
#include "document/engine/string_table_2d.h"
#include "framework/core/codepage.h"
#include "tools/tavrimonk/converter.h"
#include "tools/tavrimonk/html_export.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

std::wstring Wide(const CString &text)
{
    return Cp1250ToWide(text);
}

CString WindowsPath(const char *linuxPath)
{
    CString path = CString("Z:") + linuxPath;
    path.Replace('/', '\\');
    return path;
}

std::string ReadBytes(const CString &path)
{
    std::string bytes;
    FILE *file = _wfopen(Wide(path).c_str(), L"rb");
    if (!file)
        return bytes;
    char buffer[4096];
    size_t count;
    while ((count = fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes.append(buffer, count);
    fclose(file);
    return bytes;
}

void WriteBytes(const CString &path, const std::string &bytes)
{
    FILE *file = _wfopen(Wide(path).c_str(), L"wb");
    fwrite(bytes.data(), 1, bytes.size(), file);
    fclose(file);
}

bool Exists(const CString &path)
{
    return GetFileAttributesW(Wide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string Int32(int32_t value)
{
    return std::string(reinterpret_cast<const char *>(&value), 4);
}
std::string Text(const std::string &text)
{
    return Int32(static_cast<int32_t>(text.size())) + text;
}

class ConverterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        // Blanks and Polish letters: the paths must reach the converter whole.
        m_folder.Format("%seksport tavrimonk ąę %lu", (const char *)WideToCp1250(temp), GetCurrentProcessId());
        CreateDirectoryW(Wide(m_folder).c_str(), nullptr);
        m_rtf = m_folder + "\\$zeksp_v20.rtf";
        m_tables = m_folder + "\\$table.dat";
        WriteBytes(m_rtf, ReadBytes(WindowsPath(getenv("MORVELANK_TEST_SOURCE_DIR")) + "\\fixtures\\letter.rtf"));
        WriteTableFile();
    }
    void TearDown() override
    {
        for (const char *name : {"\\$zeksp_v20.rtf", "\\$table.dat", "\\wynik.html", "\\wynik.doc", "\\Tavrimonk.exe"})
            DeleteFileW(Wide(m_folder + name).c_str());
        RemoveDirectoryW(Wide(m_folder).c_str());
    }

    // One table as the export writes it: the heading row and one row with Polish letters.
    void WriteTableFile()
    {
        FILE *file = _wfopen(Wide(m_tables).c_str(), L"wb");
        fwrite(Int32(kTableFileMark).data(), 1, 4, file);
        StringTable2D table;
        table.Create(2, 2);
        table.SetRow({"Lp. ", "Nazwa "}, 0);
        table.SetRow({"1 ", "Łódź <centrum> "}, 1);
        table.Write(file);
        fclose(file);
    }

    std::string Convert(const char *format, const CString &target)
    {
        return RunConversion({Wide(format), Wide(m_rtf), Wide(target), Wide(m_tables)});
    }

    CString m_folder;
    CString m_rtf;
    CString m_tables;
};

// The DOC is the exported rich text with the side file's table where its placeholder stood; a
// placeholder with no table left for it stays as text.
TEST_F(ConverterTest, DocIsTheExportedRtfWithItsTablesInPlace)
{
    const CString target = m_folder + "\\wynik.doc";
    ASSERT_EQ("", Convert("0", target));
    const std::string rtf = ReadBytes(m_rtf);
    const std::string doc = ReadBytes(target);
    const size_t placeholder = rtf.find("<<table>>");
    ASSERT_NE(std::string::npos, placeholder);
    EXPECT_EQ(rtf.substr(0, placeholder), doc.substr(0, placeholder));
    for (const char *expected : {
             "\\trowd\\trgaph108\\clbrdrt\\brdrs\\brdrw10",
             "\\pard\\intbl Lp.\\cell \\pard\\intbl Nazwa\\cell \\row ",
             "\\pard\\intbl 1\\cell \\pard\\intbl \\'a3\\'f3d\\'9f <centrum>\\cell \\row ",
         })
        EXPECT_NE(std::string::npos, doc.find(expected)) << expected << "\n" << doc;
    const size_t left = doc.find("<<table>>");
    EXPECT_NE(std::string::npos, left);
    EXPECT_EQ(std::string::npos, doc.find("<<table>>", left + 1));
}

TEST_F(ConverterTest, HtmlHoldsTheTextItsFormatsAndTheTables)
{
    const CString target = m_folder + "\\wynik.html";
    ASSERT_EQ("", Convert("1", target));
    const std::string html = ReadBytes(target);

    EXPECT_NE(std::string::npos, html.find("charset=windows-1250")) << html;
    for (const char *expected : {
             "<p style=\"text-align:center\"><b>Specyfikacja</b></p>",
             "<p>Zamówienie <i>pilne</i> i <u>ważne</u> &lt;a &amp; b&gt;</p>",
             "<p style=\"text-align:right\">Koniec</p>",
             "<tr><td>Lp.</td><td>Nazwa</td></tr>",
             "<tr><td>1</td><td>Łódź &lt;centrum&gt;</td></tr>",
             // A placeholder with no table left for it stays as text.
             "<p>&lt;&lt;table&gt;&gt;</p>",
         }) {
        EXPECT_NE(std::string::npos, html.find(expected)) << expected << "\n" << html;
    }
    EXPECT_EQ(std::string::npos, html.find("ukryte"));
}

TEST_F(ConverterTest, DamagedTableFileIsRefusedAndNoTargetWritten)
{
    const struct {
        const char *name;
        std::string bytes;
    } cases[] = {
        {"wrong mark", Int32(42)},
        {"too short for the mark", std::string("\x2b\x00", 2)},
        {"more cells than bytes", Int32(43) + Int32(100000) + Int32(100000)},
        {"negative rows", Int32(43) + Int32(-1) + Int32(1) + Text("a")},
        {"rows without a column", Int32(43) + Int32(0x7FFFFFFF) + Int32(0)},
        {"string beyond the end", Int32(43) + Int32(1) + Int32(1) + Int32(50) + "abc"},
        {"second table cut short", Int32(43) + Int32(1) + Int32(1) + Text("a") + Int32(1)},
    };
    const CString target = m_folder + "\\wynik.html";
    for (const auto &c : cases) {
        WriteBytes(m_tables, c.bytes);
        EXPECT_NE("", Convert("1", target)) << c.name;
        EXPECT_FALSE(Exists(target)) << c.name;
    }
}

TEST_F(ConverterTest, BadCommandLinesAreRefused)
{
    const CString target = m_folder + "\\wynik.html";
    EXPECT_NE("", RunConversion({}));
    EXPECT_NE("", RunConversion({L"1", Wide(m_rtf), Wide(target)}));
    EXPECT_NE("", Convert("2", target));
    EXPECT_NE("", RunConversion({L"1", Wide(m_folder + "\\brak.rtf"), Wide(target), Wide(m_tables)}));
    EXPECT_FALSE(Exists(target));
}

TEST_F(ConverterTest, ProgramsCommandLineRunsTheExeWithPathsHoldingBlanks)
{
    // The program's folder holds blanks too: the exe is copied there.
    ASSERT_TRUE(CopyFileW(Wide(WindowsPath(getenv("TAVRIMONK_EXE"))).c_str(),
                          Wide(m_folder + "\\Tavrimonk.exe").c_str(), FALSE));
    const CString target = m_folder + "\\wynik.html";
    CString commandLine = ConverterCommandLine(m_folder, 1, m_folder, target);

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::wstring line = Wide(commandLine);
    ASSERT_TRUE(CreateProcessW(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        << (const char *)commandLine;
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(process.hProcess, 30000));
    DWORD exitCode = 1;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    EXPECT_EQ(0u, exitCode);
    EXPECT_NE(std::string::npos, ReadBytes(target).find("Łódź"));
}

} // namespace

// A numbered point keeps its hanging indent in HTML, and a page break its new page.
TEST(HtmlExportTest, IndentsAndPageBreaks)
{
    const std::string html = DocumentToHtml(
        RichTextDocument::FromRtf("{\\rtf1\\ansi \\pard\\qj\\li567\\fi-283 1.\\tab Punkt\\par\\pard\\page Dalej\\par}"),
        {});
    EXPECT_NE(std::string::npos,
              html.find("<p style=\"text-align:justify;margin-left:28.35pt;text-indent:-14.15pt\">1. Punkt</p>"))
        << html;
    EXPECT_NE(std::string::npos, html.find("<p style=\"page-break-before:always\">Dalej</p>")) << html;
}

// A text table left in the text (its lines in a fixed-pitch face) keeps its blanks and lines
// as one preformatted block per indent; other text ends the block. A placeholder in the
// table's face is still the side file's table.
TEST(HtmlExportTest, FixedPitchLinesStayAsOnePreformattedBlock)
{
    TextTable side;
    side.rows = 1;
    side.columns = 1;
    side.cells = {"Cena "};
    const std::string html =
        DocumentToHtml(RichTextDocument::FromRtf("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}{\\f1 Courier New;}}"
                                                 "\\pard\\f0 Oferty:\\par"
                                                 "\\pard\\li567\\f1 ------\\par |1 |a  b|\\par ------\\par"
                                                 "\\pard\\f1 |2 |\\tab c|\\par"
                                                 "\\pard\\f0 Dalej  za\\f1 |x|\\par"
                                                 "\\pard\\f1\\par <<table>>\\par}"),
                       {side});
    for (const char *expected : {
             "<p>Oferty:</p>\n<pre style=\"margin-left:28.35pt;font-family:'Courier New',monospace\">------\n"
             "|1 |a  b|\n------</pre>\n",
             "<pre style=\"font-family:'Courier New',monospace\">|2 |\tc|</pre>\n<p>Dalej  za|x|</p>\n<p>&nbsp;</p>\n"
             "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n<tr><td>Cena</td></tr>\n</table>",
         })
        EXPECT_NE(std::string::npos, html.find(expected)) << expected << "\n" << html;
}
