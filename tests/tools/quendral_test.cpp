// The spreadsheet exporter: records read from "export.dat" (damaged files refused), cell texts
// taken as numbers only where they are numbers, and the workbook's parts as a spreadsheet
// program reads them, unpacked again with zlib.

#include "tools/quendral/cell_value.h"
#include "tools/quendral/export_records.h"
#include "tools/quendral/workbook_export.h"
#include "tools/quendral/xlsx_workbook.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <zlib.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>

namespace {

std::string Int32(int32_t value)
{
    return std::string(reinterpret_cast<const char *>(&value), 4);
}

std::string Record(int32_t row, int32_t column, const std::string &text, int32_t colour = 0xFFFFFF)
{
    return Int32(row) + Int32(column) + Int32(static_cast<int32_t>(text.size())) + text + Int32(0) + Int32(0) + Int32(0)
           + Int32(colour) + Int32(0) + Int32(0);
}

uint32_t Read32(const std::string &bytes, size_t at)
{
    uint32_t value;
    std::memcpy(&value, bytes.data() + at, 4);
    return value;
}

uint16_t Read16(const std::string &bytes, size_t at)
{
    uint16_t value;
    std::memcpy(&value, bytes.data() + at, 2);
    return value;
}

// Every entry of the archive by name, inflated and its checksum checked.
std::map<std::string, std::string> Unzip(const std::string &zip)
{
    std::map<std::string, std::string> files;
    size_t at = 0;
    while (at + 30 <= zip.size() && Read32(zip, at) == 0x04034b50) {
        const uint32_t crc = Read32(zip, at + 14);
        const uint32_t packed = Read32(zip, at + 18);
        const uint32_t size = Read32(zip, at + 22);
        const uint16_t nameLength = Read16(zip, at + 26);
        const std::string name = zip.substr(at + 30, nameLength);
        std::string content(size, '\0');
        z_stream stream{};
        inflateInit2(&stream, -MAX_WBITS);
        stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(zip.data() + at + 30 + nameLength));
        stream.avail_in = packed;
        stream.next_out = reinterpret_cast<Bytef *>(&content[0]);
        stream.avail_out = size;
        EXPECT_EQ(inflate(&stream, Z_FINISH), Z_STREAM_END) << name;
        inflateEnd(&stream);
        EXPECT_EQ(crc32(0L, reinterpret_cast<const Bytef *>(content.data()), size), crc) << name;
        files[name] = content;
        at += 30 + nameLength + packed;
    }
    EXPECT_EQ(Read32(zip, at), 0x02014b50u) << "no central directory after the entries";
    return files;
}

TEST(QuendralRecords, ReadsCellsInRowOrderAndKeepsTheLastOfATwiceGivenCell)
{
    const std::string bytes = Record(1, 1, "b") + Record(0, 1, "Nazwa", 0xD5FFFF) + Record(1, 0, "a")
                              + Record(0, 0, "Lp.", 0xD5FFFF) + Record(1, 1, "nowe");
    std::vector<ExportCell> cells;
    std::string error;
    ASSERT_TRUE(ReadExportRecords(bytes, cells, error)) << error;
    ASSERT_EQ(cells.size(), 4u);
    EXPECT_EQ(cells[0].text, "Lp.");
    EXPECT_EQ(cells[0].colour, 0xD5FFFFu);
    EXPECT_EQ(cells[1].text, "Nazwa");
    EXPECT_EQ(cells[2].text, "a");
    EXPECT_EQ(cells[3].text, "nowe");
}

TEST(QuendralRecords, RefusesDamagedFilesWithAMessageAndNoCells)
{
    const std::string good = Record(0, 0, "Lp.");
    const struct {
        const char *what;
        std::string bytes;
        const char *message;
    } cases[] = {
        {"empty", "", "pusty"},
        {"cut in the six values", good.substr(0, good.size() - 3), "uszkodzony (komórka 1)"},
        {"cut in the text", good + good.substr(0, 14), "uszkodzony (komórka 2)"},
        {"text longer than the file", Int32(0) + Int32(0) + Int32(1000000) + "abc", "uszkodzony"},
        {"negative text length", Int32(0) + Int32(0) + Int32(-4) + std::string(24, '\0'), "uszkodzony"},
        {"negative row", Record(-1, 0, "x"), "uszkodzony"},
        {"column past the sheet", Record(0, kMaxExportColumns, "x"), "uszkodzony"},
        {"row past the sheet", Record(kMaxExportRows, 0, "x"), "uszkodzony"},
    };
    for (const auto &c : cases) {
        std::vector<ExportCell> cells;
        std::string error;
        EXPECT_FALSE(ReadExportRecords(c.bytes, cells, error)) << c.what;
        EXPECT_NE(error.find(c.message), std::string::npos) << c.what << ": " << error;
        EXPECT_TRUE(cells.empty()) << c.what;
    }
}

TEST(QuendralCellValue, TakesNumbersAndDatesAsTheProgramWritesThemAndLeavesTheRestText)
{
    const struct {
        const char *text;
        const char *number; // nullptr: stays text
        NumberFormat format;
    } cases[] = {
        {"1234", "1234", NumberFormat::General},
        {" 0 ", "0", NumberFormat::General},
        {"-12,5", "-12.5", NumberFormat::General},
        {"0,50", "0.50", NumberFormat::TwoPlaces},
        {"1234.56", "1234.56", NumberFormat::TwoPlaces},
        {"12 300,00", "12300.00", NumberFormat::TwoPlaces},
        {"1\xA0"
         "200 300,10",
         "1200300.10", NumberFormat::TwoPlaces},
        {"12 300,00 z\xB3", "12300.00", NumberFormat::Zloty},
        {"130 000 z\xB3", "130000", NumberFormat::Zloty},
        {"601 234 567", nullptr, NumberFormat::General},
        {"007", nullptr, NumberFormat::General},
        {"2025-01-05", "45662", NumberFormat::Date},
        {"2024-02-29", "45351", NumberFormat::Date},
        {"2025-09-12 14:30", "45912.6041666667", NumberFormat::DateTime},
        {"2025-09-12 00:00:30", "45912.0003472222", NumberFormat::DateTime},
        {"2025-02-29", nullptr, NumberFormat::General},
        {"2025-13-01", nullptr, NumberFormat::General},
        {"2025-09-12 24:00", nullptr, NumberFormat::General},
        {"12.09.2025", nullptr, NumberFormat::General},
        {"12,", nullptr, NumberFormat::General},
        {"1 23,00", nullptr, NumberFormat::General},
        {"1234 567,00", nullptr, NumberFormat::General},
        {"12345678901234567", nullptr, NumberFormat::General},
        {"ZP.271.1.2025", nullptr, NumberFormat::General},
        {"-", nullptr, NumberFormat::General},
        {"", nullptr, NumberFormat::General},
    };
    for (const auto &c : cases) {
        const CellValue value = ReadCellValue(c.text);
        EXPECT_EQ(value.isNumber, c.number != nullptr) << c.text;
        if (c.number) {
            EXPECT_EQ(value.number, c.number) << c.text;
            EXPECT_EQ(value.format, c.format) << c.text;
        }
    }
}

TEST(QuendralWorkbook, HoldsHeadingsNumbersColoursAndWidths)
{
    std::vector<ExportCell> cells = {
        {0, 0, "Sygnatura", 0xD5FFFF},
        {0, 1, "Warto\x9C\xE6 netto", 0xD5FFFF},
        {1, 0, "ZP.271.1.2025 <roboty> & \"drogi\"\x01", 0xFFFFFF},
        {1, 1, "12 300,00 z\xB3", 0xFFFFFF},
        {2, 1, "linia pierwsza\r\nlinia", 0xFFFFFF},
        {3, 0, "2025-09-12 14:30", 0xFFFFFF},
    };
    std::string bytes;
    ASSERT_TRUE(BuildXlsx(cells, bytes));
    std::map<std::string, std::string> files = Unzip(bytes);
    for (const char *part : {"[Content_Types].xml", "_rels/.rels", "xl/workbook.xml", "xl/_rels/workbook.xml.rels",
                             "xl/worksheets/sheet1.xml", "xl/styles.xml"})
        EXPECT_EQ(files.count(part), 1u) << part;

    const std::string &sheet = files["xl/worksheets/sheet1.xml"];
    EXPECT_NE(
        sheet.find("<c r=\"B1\" s=\"1\" t=\"inlineStr\"><is><t xml:space=\"preserve\">Warto\xC5\x9B\xC4\x87 netto</t>"),
        std::string::npos)
        << sheet;
    EXPECT_NE(sheet.find(">ZP.271.1.2025 &lt;roboty&gt; &amp; &quot;drogi&quot;</t>"), std::string::npos) << sheet;
    EXPECT_NE(sheet.find("<c r=\"B2\" s=\"3\"><v>12300.00</v></c>"), std::string::npos) << sheet;
    EXPECT_NE(sheet.find(">linia pierwsza\nlinia</t>"), std::string::npos) << sheet;
    EXPECT_NE(sheet.find("<c r=\"A4\" s=\"5\"><v>45912.6041666667</v></c>"), std::string::npos) << sheet;
    EXPECT_NE(sheet.find("<row r=\"3\" ht=\"25.50\" customHeight=\"1\">"), std::string::npos) << sheet;
    EXPECT_NE(sheet.find("<row r=\"2\">"), std::string::npos) << sheet;
    EXPECT_NE(sheet.find("state=\"frozen\""), std::string::npos);
    char width[64];
    snprintf(width, sizeof width, "<col min=\"1\" max=\"1\" width=\"%.2f\"", ColumnWidth(cells[2].text.size()));
    EXPECT_NE(sheet.find(width), std::string::npos) << sheet;

    const std::string &styles = files["xl/styles.xml"];
    EXPECT_NE(styles.find("<fgColor rgb=\"FFFFFFD5\"/>"), std::string::npos) << styles;
    EXPECT_NE(styles.find("numFmtId=\"164\" fontId=\"0\""), std::string::npos) << styles;
    EXPECT_NE(styles.find("<numFmt numFmtId=\"166\" formatCode=\"yyyy\\-mm\\-dd\\ hh:mm\"/>"), std::string::npos)
        << styles;
    EXPECT_NE(styles.find("numFmtId=\"166\" fontId=\"0\""), std::string::npos) << styles;
    EXPECT_NE(styles.find("wrapText=\"1\""), std::string::npos) << styles;
}

TEST(QuendralWorkbook, ColumnsAreNeitherTooNarrowNorTooWide)
{
    EXPECT_EQ(ColumnWidth(0), 8);
    EXPECT_GT(ColumnWidth(20), 20);
    EXPECT_EQ(ColumnWidth(500), 60);
}

class QuendralFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        m_folder = std::wstring(temp) + L"quendral eksport \u0142\u00f3d\u017a";
        Clear();
        CreateDirectoryW(m_folder.c_str(), nullptr);
    }
    void TearDown() override { Clear(); }

    void Clear()
    {
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW((m_folder + L"\\*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do
                DeleteFileW((m_folder + L"\\" + found.cFileName).c_str());
            while (FindNextFileW(search, &found));
            FindClose(search);
        }
        RemoveDirectoryW(m_folder.c_str());
    }

    void Write(const std::wstring &name, const std::string &bytes)
    {
        FILE *file = _wfopen((m_folder + L"\\" + name).c_str(), L"wb");
        fwrite(bytes.data(), 1, bytes.size(), file);
        fclose(file);
    }

    std::string Read(const std::wstring &name)
    {
        std::string bytes;
        FILE *file = _wfopen((m_folder + L"\\" + name).c_str(), L"rb");
        if (!file)
            return bytes;
        char buffer[4096];
        size_t count;
        while ((count = fread(buffer, 1, sizeof buffer, file)) > 0)
            bytes.append(buffer, count);
        fclose(file);
        return bytes;
    }

    std::wstring m_folder;
};

// Each export is named after what it holds, so the summary's and the register's never meet.
TEST_F(QuendralFolder, AWorkbookIsNamedAfterWhatItHolds)
{
    const struct {
        std::string headings;
        const wchar_t *name;
    } cases[] = {
        {Record(0, 0, "") + Record(0, 1, "Sygnatura") + Record(0, 2, "Data utworzenia") + Record(0, 3, "Data modyfikacji")
             + Record(0, 4, "Tryb post\xEApowania") + Record(0, 5, "Tryb"),
         L"Zestawienie post\u0119powa\u0144"},
        {Record(0, 0, "Lp.") + Record(0, 1, "Data") + Record(0, 2, "Przedmiot zam\xF3wienia") + Record(0, 5, "Wykonawca")
             + Record(0, 7, "Znak sprawy"),
         L"Ewidencja zam\u00f3wie\u0144 publicznych"},
        {Record(0, 0, "Lp.") + Record(0, 1, "Nazwa"), L"Tabela"},
    };
    for (const auto &c : cases) {
        Write(L"export.dat", c.headings + Record(1, 0, "1"));
        Workbook workbook;
        std::string error;
        ASSERT_TRUE(ReadExportWorkbook(m_folder, workbook, error)) << error;
        EXPECT_EQ(workbook.name, c.name);
        EXPECT_NE(Unzip(workbook.bytes)["xl/worksheets/sheet1.xml"].find("<v>1</v>"), std::string::npos);
    }
}

TEST_F(QuendralFolder, AnEarlierWorkbookIsKeptUnderItsNameWhenAsked)
{
    const std::wstring name = L"Zestawienie post\u0119powa\u0144";
    EXPECT_EQ(WorkbookPath(m_folder, name, true), m_folder + L"\\" + name + L".xlsx");
    Write(name + L".xlsx", "zmieniony przez u\xBFytkownika");
    Write(name + L" (2).xlsx", "drugi");
    EXPECT_EQ(WorkbookPath(m_folder, name, false), m_folder + L"\\" + name + L".xlsx");
    EXPECT_EQ(WorkbookPath(m_folder, name, true), m_folder + L"\\" + name + L" (3).xlsx");

    Workbook workbook{name, "PK nowy"};
    std::string error;
    ASSERT_TRUE(WriteWorkbook(WorkbookPath(m_folder, name, true), workbook, error)) << error;
    EXPECT_EQ(Read(name + L".xlsx"), "zmieniony przez u\xBFytkownika");
    EXPECT_EQ(Read(name + L" (3).xlsx"), "PK nowy");
}

TEST_F(QuendralFolder, ADamagedOrMissingExportFileGivesAMessage)
{
    Workbook workbook;
    std::string error;
    EXPECT_FALSE(ReadExportWorkbook(m_folder, workbook, error));
    EXPECT_EQ(error.rfind("Nie można odczytać pliku eksportu:", 0), 0u) << error;

    Write(L"export.dat", Record(0, 0, "Lp.").substr(0, 20));
    EXPECT_FALSE(ReadExportWorkbook(m_folder, workbook, error));
    EXPECT_NE(error.find("uszkodzony"), std::string::npos) << error;
}

} // namespace
