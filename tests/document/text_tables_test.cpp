#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/engine/text_tables.h"

namespace {

const std::string kRule(75, '-');

std::vector<std::string> Lines(const CString &text)
{
    std::vector<std::string> lines;
    std::string all(text.GetString());
    size_t start = 0;
    for (size_t end = all.find('\n'); end != std::string::npos; end = all.find('\n', start)) {
        lines.push_back(all.substr(start, end - start));
        start = end + 1;
    }
    EXPECT_EQ(all.size(), start) << "a table ends with a line feed";
    return lines;
}

TEST(TextTables, EmptyTableIsRulesAndHeader)
{
    EXPECT_EQ(kRule + "\n| Nazwa kryterium                                                |Waga    |\n" + kRule + "\n",
              std::string(BuildDocumentTable("", 0, -1)));
    EXPECT_EQ(kRule + "\n" + kRule + "\n", std::string(BuildDocumentTable("", 5, -1)));
    EXPECT_STREQ("err. tabela 11", BuildDocumentTable("a", 11, -1));
    EXPECT_STREQ("err. tabela -4", BuildDocumentTable("a", -4, -1));
}

TEST(TextTables, RowsAreRuledAndPadded)
{
    const std::vector<std::string> lines = Lines(BuildDocumentTable("Cena|60\nTermin|40\n\nukryty|0", 0, -1));
    const std::vector<std::string> expected = {
        kRule, "| Nazwa kryterium                                                |Waga    |",
        kRule, "|Cena                                                            |60      |",
        kRule, "|Termin                                                          |40      |",
        kRule,
    };
    EXPECT_EQ(expected, lines);
}

TEST(TextTables, BodyWidthsPerKind)
{
    struct Case {
        int kind, parts;
        size_t width;
    };
    const Case cases[] = {{0, -1, 75}, {1, -1, 77},  {1, 2, 77},   {2, -1, 75},  {2, 2, 77},
                          {3, -1, 77}, {4, -1, 77},  {5, -1, 77},  {6, -1, 77},  {8, -1, 77},
                          {9, -1, 77}, {10, -1, 75}, {14, -1, 77}, {17, -1, 77}, {29, -1, 75}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.kind);
        const std::vector<std::string> lines = Lines(BuildDocumentTable("a|b|c|d|e|f", c.kind, c.parts));
        ASSERT_GE(lines.size(), 3u);
        EXPECT_EQ(c.width, lines[lines.size() - 2].size());
    }
}

TEST(TextTables, LongCellsWrapAtBreakCharacters)
{
    struct Case {
        const char *cell;
        std::vector<std::string> column; // the cell's column on each output line
    };
    // Kind 2 undivided: widths 3, 22, 21, 8, 15; the price column (width 8) is the fourth.
    const Case cases[] = {
        {"12345678", {"12345678"}},
        {"123,56789", {"123,    ", "56789   "}}, // the break character stays on the first line
        {"1234567890123456", {"1234567-", "8901234-", "56      "}},
        {",234567890", {",234567-", "890     "}}, // a break only at position 0 does not count
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.cell);
        const std::string cell = c.cell;
        const std::vector<std::string> lines = Lines(BuildDocumentTable(("1|n|a|" + cell + "|u").c_str(), 2, -1));
        ASSERT_EQ(3 + c.column.size() + 1, lines.size());
        for (size_t i = 0; i < c.column.size(); ++i)
            EXPECT_EQ(c.column[i], lines[3 + i].substr(1 + 4 + 23 + 22, 8));
        EXPECT_EQ("|1  |n                     |a                    |", lines[3].substr(0, 50));
        if (c.column.size() > 1) {
            EXPECT_EQ("|   |                      |                     |", lines[4].substr(0, 50));
        }
    }
}

TEST(TextTables, ThreeWordsInAnElevenWideColumn)
{
    // Kind 1 divided: widths 3, 31, 23, 11, 3; the date column is 11 wide.
    const std::vector<std::string> lines = Lines(BuildDocumentTable("1|n|a|aaaaaaa bbbbbbbbbb ccccccccc|2", 1, 3));
    ASSERT_EQ(7u, lines.size());
    EXPECT_EQ("|1  |n                              |a                      |aaaaaaa    |2  |", lines[3]);
    EXPECT_EQ("|   |                               |                       |bbbbbbbbbb |   |", lines[4]);
    EXPECT_EQ("|   |                               |                       |ccccccccc  |   |", lines[5]);
}

TEST(TextTables, OfferRowsGainMissingCells)
{
    struct Case {
        const char *text;
        int kind, parts;
        const char *normalised;
    };
    const Case cases[] = {
        {"n|a|d", 1, -1, "|n|a|d"},          {"1|n|a|d", 1, -1, "1|n|a|d"},
        {"n|a|d|c", 2, -1, "|n|a|d|c"},      {"1|n|a|d|c", 2, -1, "1|n|a|d|c"},
        {"n|a|d", 2, -1, "|n|a|d"},          {"n|a", 1, 0, "|n|a|"},
        {"n|a|d", 1, 0, "|n|a|d|"},          {"1|n|a|d|2", 1, 0, "1|n|a|d|2"},
        {"n|a|d|c", 2, 2, "|n|a|d|c|"},      {"x", 1, -1, "|x"},
        {"n|a|d\n\nn|a|d", 1, -1, "|n|a|d"},
    };
    for (const Case &c : cases)
        EXPECT_STREQ(c.normalised, NormaliseOfferRows(c.text, c.kind, c.parts)) << c.text;

    const std::vector<std::string> lines = Lines(BuildDocumentTable("Firma|Adres|2024-01-02", 1, -1));
    EXPECT_EQ("|   |Firma                           |Adres                     |2024-01-02 |", lines[3]);
}

TEST(TextTables, ExtraCellsDropAndMissingCellsPad)
{
    const std::vector<std::string> lines = Lines(BuildDocumentTable("1|a|b|c\n2", 3, -1));
    EXPECT_EQ("|1  |a" + std::string(70, ' ') + "|", lines[2 + 1]);
    EXPECT_EQ("|2  |" + std::string(71, ' ') + "|", lines[2 + 3]);
}

TEST(TextTables, SelectedOffers)
{
    int badRows = 0;
    const std::vector<std::string> lines =
        Lines(BuildDocumentTable("1|Cena=60|Termin=40|Suma=100\n2|Cena=50|Suma=50", 7, -1, &badRows));
    EXPECT_EQ(1, badRows);
    const std::vector<std::string> expected = {
        kRule,
        "|Nr  | Nazwa kryterium                                  |Wartość  | Suma    |",
        kRule,
        "| 1  | Cena                                             | 60      | 100     |",
        "|    | Termin                                           | 40      |         |",
        kRule,
        "| 2  | Cena                                             | 50      |         |",
        // The short row is laid out with the first row's cell count.
        "|    | Suma                                             | 50      |         |",
        kRule,
    };
    EXPECT_EQ(expected, lines);
    for (size_t i = 3; i < lines.size(); ++i)
        EXPECT_EQ(77u, lines[i].size() + (lines[i] == kRule ? 2 : 0));
}

TEST(TextTables, PaddingHelpers)
{
    EXPECT_STREQ("ab   ", PadRight("ab", 5));
    EXPECT_STREQ("abcdef", PadRight("abcdef", 5));
    EXPECT_STREQ("    ", PadLastLine("", 4));
    EXPECT_STREQ("a\nb   ", PadLastLine("a\n\nb", 4));
    EXPECT_STREQ("Cena   | 60 ", FormatPairCell("Cena=60", 6, 3));
    EXPECT_STREQ("       | 60 ", FormatPairCell("60", 6, 3));
}

TEST(TextTables, RecordList)
{
    EXPECT_EQ("Komisja\n" + kRule + "\n\n\n", std::string(BuildRecordList("Komisja", "naglowek")));
    EXPECT_EQ(kRule + "\n\n\n", std::string(BuildRecordList("", "")));
    const std::string list =
        BuildRecordList("K", "naglowek\nImie=Jan|Funkcja\\nw komisji=przewodniczacy{}sekretarz|bez etykiety")
            .GetString();
    const std::string expected = "K\n" + kRule + "\n\n" + "Imie: " + std::string(24, ' ') + "Jan\n"
                                 + "Funkcja\nw komisji: " + std::string(19, ' ') + "przewodniczacy|sekretarz\n"
                                 + "bez etykiety\n\n\n";
    EXPECT_EQ(expected, list);
}

} // namespace
