// Export files and the text tables of an exported document: byte layouts of "export.dat" and
// "$table.dat", the parser on the engine's own table layout, the scan over a document whose
// record list ends like a table, the converter's command line and the output cleaning.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "document/output/export_file.h"
#include "document/output/export_tables.h"
#include "document/output/export_text.h"
#include "document/engine/rich_edit_text.h"
#include "document/engine/text_tables.h"
#include "framework/core/codepage.h"

namespace {

std::string Int32(int32_t value)
{
    return std::string(reinterpret_cast<const char *>(&value), 4);
}
std::string Text(const std::string &text)
{
    return Int32(static_cast<int32_t>(text.size())) + text;
}

class ExportFilesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        path.Format("%smorvelank_export_%lu.dat", (const char *)WideToCp1250(temp), GetCurrentProcessId());
    }
    void TearDown() override { DeleteFileW(Cp1250ToWide(path).c_str()); }

    std::string Bytes() const
    {
        std::string bytes;
        FILE *file = _wfopen(Cp1250ToWide(path).c_str(), L"rb");
        if (!file)
            return bytes;
        char buffer[4096];
        size_t count;
        while ((count = fread(buffer, 1, sizeof buffer, file)) > 0)
            bytes.append(buffer, count);
        fclose(file);
        return bytes;
    }

    CString path;
};

TEST_F(ExportFilesTest, ExportDataFileHoldsOneRecordPerCellHeadingRowYellow)
{
    {
        CExportFile file(path, true);
        ASSERT_TRUE(file.IsOpen());
        for (int row = 0; row < 2; ++row)
            for (int column = 0; column < 3; ++column)
                file.WriteRecord(row, column, row == 0 ? "Nazwa" : "Łódź", 0, 0, 0, CExportFile::RowColour(row), 0, 0);
    }
    std::string expected;
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < 3; ++column) {
            expected += Int32(row) + Int32(column) + Text(row == 0 ? "Nazwa" : "Łódź");
            expected += Int32(0) + Int32(0) + Int32(0);
            expected += row == 0 ? std::string("\xff\xff\xd5\x00", 4) : std::string("\xff\xff\xff\x00", 4);
            expected += Int32(0) + Int32(0);
        }
    }
    EXPECT_EQ(expected, Bytes());
}

TEST_F(ExportFilesTest, UnopenedExportFileWritesNothing)
{
    CExportFile file("Z:\\brak\\folderu\\export.dat", true);
    EXPECT_FALSE(file.IsOpen());
    file.WriteRecord(0, 0, "x", 0, 0, 0, 0, 0, 0);
}

TEST_F(ExportFilesTest, StringTableWritesCountsThenCellsRowByRowAndIgnoresOutsideIndices)
{
    StringTable2D table;
    table.Create(2, 2);
    table.SetRow({"a", "b", "dropped"}, 0);
    table.SetCell(1, 1, "d");
    table.SetCell(2, 0, "outside");
    table.SetCell(-1, 0, "outside");
    EXPECT_EQ("", table.GetCell(5, 5));
    FILE *file = _wfopen(Cp1250ToWide(path).c_str(), L"wb");
    table.Write(file);
    table.Write(nullptr);
    fclose(file);
    EXPECT_EQ(Int32(2) + Int32(2) + Text("a") + Text("b") + Text("") + Text("d"), Bytes());
}

// A hidden rich-edit 5.0 control holding an exported document's text.
class TextTablesTest : public ExportFilesTest {
protected:
    static void SetUpTestSuite() { ASSERT_NE(nullptr, LoadLibraryW(L"MSFTEDIT.DLL")); }

    void SetUp() override
    {
        ExportFilesTest::SetUp();
        control = CreateWindowExW(0, L"RICHEDIT50W", L"", WS_POPUP | ES_MULTILINE, 0, 0, 600, 400, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(nullptr, control);
        text = RichEditText(control);
    }
    void TearDown() override
    {
        DestroyWindow(control);
        ExportFilesTest::TearDown();
    }

    // Paragraphs as the view generates them: each line of text one paragraph.
    void SetText(CString plain)
    {
        NormalizeNewlines(plain);
        text.SelectAll();
        text.ReplaceSel(plain);
    }

    HWND control = nullptr;
    RichEditText text;
};

// The people table (three columns) with a long cell the engine wraps over several lines.
const char kPeople[] = "1|Jan Kowalski|Przygotowanie opisu przedmiotu zamówienia oraz ocena ofert złożonych w "
                       "postępowaniu\n2|Anna Nowak|Sekretarz\n";

TEST_F(TextTablesTest, ParserReadsTheEnginesOwnLayoutWithWrappedCellsJoined)
{
    const CString laidOut = BuildDocumentTable(kPeople, 9, -1);
    CString block = "\r\r" + laidOut + "\r";
    block.Replace("\n", "\r");
    StringTable2D table;
    ASSERT_TRUE(ParseTextTable(block, table));
    ASSERT_EQ(3, table.GetRows());
    ASSERT_EQ(3, table.GetColumns());
    EXPECT_EQ(CString("Lp "), table.GetCell(0, 0));
    EXPECT_EQ(CString("Zakres odpowiedzialności "), table.GetCell(0, 2));
    // Continuation lines add their (empty) cells too: only the end is a blank for sure.
    EXPECT_EQ(CString("Jan Kowalski"), table.GetCell(1, 1).Trim());
    CString wrapped = table.GetCell(1, 2);
    EXPECT_GT(laidOut.Find("\n|   |"), 0) << "the cell must wrap for this case to mean anything";
    EXPECT_EQ(CString("Przygotowanie opisu przedmiotu zamówienia oraz ocena ofert złożonych w postępowaniu "), wrapped);
    EXPECT_EQ(CString("Sekretarz "), table.GetCell(2, 2));
}

TEST_F(TextTablesTest, ParserEdges)
{
    const CString sep = SeparatorLine;
    StringTable2D table;
    EXPECT_FALSE(ParseTextTable("\r\rbez tabeli\r\r", table));
    EXPECT_FALSE(ParseTextTable("\r\r" + sep + "\r\r", table));

    // A row line of 120 cells keeps 99; a later shorter row leaves its last cells empty.
    CString wide = "|";
    for (int i = 0; i < 120; ++i)
        wide += "x|";
    ASSERT_TRUE(ParseTextTable("\r\r" + sep + "\r" + wide + "\r" + sep + "\r|a|b|\r" + sep + "\r\r", table));
    EXPECT_EQ(99, table.GetColumns());
    EXPECT_EQ(CString("b "), table.GetCell(1, 1));
    EXPECT_EQ(CString(""), table.GetCell(1, 2));
}

TEST_F(TextTablesTest, DocumentWithoutTablesGivesJustTheMark)
{
    SetText("Zawiadomienie\n\nTreść bez tabel.\n" + CString(SeparatorLine) + "\n");
    ASSERT_TRUE(WriteTextWithTables(text, path));
    EXPECT_EQ(Int32(43), Bytes());
}

// A record list ends with a rule line and an empty line, so its end looks like a table's end
// before the first table starts. Searching that end from the text's start matched backwards
// and never finished; the tables must come out whole and the record list stay.
TEST_F(TextTablesTest, RecordListBeforeTablesNeitherLoopsNorSwallowsText)
{
    const CString recordList = BuildRecordList("Dane zamawiającego", "Nazwa=Gmina\nAdres=Rynek 1");
    const CString people = BuildDocumentTable(kPeople, 9, -1);
    const CString criteria = BuildDocumentTable("Cena|60\nTermin|40\n", 0, -1);
    SetText("Protokół\n" + recordList + "\nKomisja:\n\n" + people + "\nKryteria:\n\n" + criteria + "\nKoniec\n");

    ASSERT_TRUE(WriteTextWithTables(text, path));
    const CString after = text.GetPlainText();
    const int first = after.Find("<<table>>");
    EXPECT_GE(first, 0);
    EXPECT_GT(after.Find("<<table>>", first + 1), first);
    EXPECT_GE(after.Find("Rynek 1"), 0) << (const char *)after;
    EXPECT_LT(after.Find("Jan Kowalski"), 0);
    EXPECT_GE(after.Find("Koniec"), 0);

    const std::string bytes = Bytes();
    ASSERT_GT(bytes.size(), 12u);
    EXPECT_EQ(Int32(43) + Int32(3) + Int32(3), bytes.substr(0, 12));
    const size_t second = bytes.find(Int32(3) + Int32(2) + Text("Nazwa kryterium "));
    EXPECT_NE(std::string::npos, second);
    EXPECT_NE(std::string::npos, bytes.find(Text("Termin "), second));
}

TEST_F(TextTablesTest, StartWithoutEndStopsTheScan)
{
    const CString original = "Wstęp\n\n" + CString(SeparatorLine) + "\n|a|b|\nkoniec bez linii\n";
    SetText(original);
    const CString before = text.GetPlainText();
    ASSERT_TRUE(WriteTextWithTables(text, path));
    EXPECT_EQ(before, text.GetPlainText());
    EXPECT_EQ(Int32(43), Bytes());
}

TEST_F(TextTablesTest, UncreatableTableFileLeavesTheTextAlone)
{
    SetText("\n\n" + BuildDocumentTable(kPeople, 9, -1) + "\n");
    const CString before = text.GetPlainText();
    EXPECT_FALSE(WriteTextWithTables(text, "Z:\\brak\\folderu\\$table.dat"));
    EXPECT_EQ(before, text.GetPlainText());
}

TEST(ConverterCommandLine, EveryPathQuoted)
{
    EXPECT_EQ(CString("\"C:\\Program Files\\Morvelank\\Tavrimonk.exe\" 1 \"C:\\Moje dane\\eksport\\$zeksp_v20.rtf\" "
                      "\"C:\\Dokumenty\\Zawiadomienie o wyborze.html\" \"C:\\Moje dane\\eksport\\$table.dat\""),
              ConverterCommandLine("C:\\Program Files\\Morvelank", 1, "C:\\Moje dane\\eksport",
                                   "C:\\Dokumenty\\Zawiadomienie o wyborze.html"));
}

// A text table's rows line up only while none wraps: its height comes down by half points
// until its widest line fits the width beside its indent.
TEST(FittingTableHeight, WidestLineFitsTheWidth)
{
    const CString table = BuildDocumentTable(kPeople, 9, -1); // its widest rows hold 77 characters
    const struct {
        const char *name;
        CString text;
        int available;
        int height;
        int fitting;
    } cases[] = {
        {"fits as it is", table, 10470 - 567, 200, 200},
        {"A4 between 2.5 cm margins, indented", table, 9072 - 567, 200, 180},
        {"exactly as wide as the width", CString('x', 50), 6000, 200, 200},
        {"a little wider", CString('x', 51), 6000, 200, 190},
        {"lines split by either line end", "ab\r" + CString('x', 100) + "\ncd", 6000, 200, 100},
        {"never below half a point", CString('x', 100), 10, 200, 10},
        {"no text", "", 100, 240, 240},
    };
    for (const auto &c : cases) {
        const int fitting = FittingTableHeight(c.text, c.available, c.height);
        EXPECT_EQ(c.fitting, fitting) << c.name;
    }
}

TEST_F(TextTablesTest, CleaningRemovesPageBreakLinesAndEmptyRuns)
{
    const CString dots = "........................................................";
    SetText("Tytuł\n ala\n Ala ma\nTreść końcowa\n" + dots + "podział strony" + dots + "\nDalej\n\n\n\n\n\nKoniec");
    CleanExportText(text);
    EXPECT_EQ(CString("Tytuł\rala\rAla ma\rTreść końcowa\r") + PageBreakStandIn + "\rDalej\r\rKoniec",
              text.GetPlainText());
}

} // namespace
