#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/item_codes.h"
#include "document/engine/rtf_table.h"

namespace {

std::vector<std::string> CellEdges(const std::string &rtf)
{
    std::vector<std::string> edges;
    for (size_t at = rtf.find("\\cellx"); at != std::string::npos; at = rtf.find("\\cellx", at + 1))
        edges.push_back(rtf.substr(at + 6, rtf.find('\r', at) - at - 6));
    return edges;
}

// The cells in row order, as the text between "\intbl...\fs20 \r\n" and "\row".
std::vector<std::vector<std::string>> Rows(const std::string &rtf)
{
    std::vector<std::vector<std::string>> rows;
    for (size_t at = rtf.find("\\intbl"); at != std::string::npos; at = rtf.find("\\intbl", at + 1)) {
        const size_t start = rtf.find("\r\n", at) + 2;
        const size_t end = rtf.find("\\row", start);
        std::string body = rtf.substr(start, end - start);
        std::vector<std::string> cells;
        for (size_t cell = body.find("\\cell "); cell != std::string::npos; cell = body.find("\\cell ")) {
            cells.push_back(body.substr(0, cell));
            body = body.substr(cell + 6);
        }
        rows.push_back(cells);
    }
    return rows;
}

TEST(RtfTable, TableTextGivesHeadingAndDataRows)
{
    const std::string rtf = TableTextToRtf("3;-1;-1;A;1;x;B;1;x;K;2;x;a1;b1;c1;a2;", 7).GetString();
    // Every row states its cells.
    EXPECT_EQ((std::vector<std::string>{"2250", "4500", "9000", "2250", "4500", "9000", "2250", "4500", "9000"}),
              CellEdges(rtf));
    const std::vector<std::vector<std::string>> expected = {{"A", "B", "K"}, {"a1", "b1", "c1"}, {"a2", "", ""}};
    EXPECT_EQ(expected, Rows(rtf));
    EXPECT_NE(std::string::npos, rtf.find("\\intbl\\b\\f0\\fs20 \r\nA\\cell B\\cell K\\cell \\b0\\row"));
    EXPECT_EQ(0u, rtf.find("{\\rtf1\\ansi\\ansicpg1252\\deff0"));
    EXPECT_EQ(rtf.size() - 14, rtf.find("\\pard\\v #7\\v0}"));
}

TEST(RtfTable, ShapesOfTableText)
{
    const std::string oneColumn = TableTextToRtf("1;-1;-1;H;1;x;c1;c2", 1).GetString();
    EXPECT_EQ((std::vector<std::vector<std::string>>{{"H"}, {"c1"}, {"c2"}}), Rows(oneColumn));

    // Columns of no width share the width: no cell edge repeats the one before.
    EXPECT_EQ((std::vector<std::string>{"4500", "9000", "4500", "9000"}),
              CellEdges(TableTextToRtf("2;-1;-1;A;0;x;B;0;x;a;b", 1).GetString()));
    EXPECT_EQ((std::vector<std::string>{"50", "9000"}),
              CellEdges(TableTextToRtf("2;-1;-1;A;-5;x;B;1000000;x", 1).GetString()));

    // An empty cell keeps its place.
    EXPECT_EQ((std::vector<std::vector<std::string>>{{"A", "B"}, {"", "b"}}),
              Rows(TableTextToRtf("2;-1;-1;A;1;x;B;1;x;;b", 1).GetString()));

    const char *const noTable[] = {"1;-1;-1",        "", "0;-1;-1;A;1;x;a;b", "-2;-1;-1;A;1;x;a;b", "x;-1;-1;A;1;x",
                                   "9;-1;-1;A;1;x;a"};
    for (const char *text : noTable)
        EXPECT_STREQ("", TableTextToRtf(text, 1)) << text;
}

TEST(RtfTable, CellsAreEscaped)
{
    const std::string rtf = TableTextToRtf("1;-1;-1;{\\b x};1;x;a}b", 1).GetString();
    EXPECT_EQ((std::vector<std::vector<std::string>>{{"\\{\\\\b x\\}"}, {"a\\}b"}}), Rows(rtf));
    EXPECT_STREQ("", BuildRtfTable(0, 2, {}, {}, 9000, "1"));
    EXPECT_STREQ("", BuildRtfTable(2, 1, {1}, {"a", "b"}, 9000, "1"));
}

TEST(ItemCodes, CodesAndHeadingSlots)
{
    EXPECT_EQ(12003, MakeItemCode(12, 3));
    EXPECT_EQ(0, ItemCodeDocument(-5));
    EXPECT_EQ(0, ItemCodePart(-5));
    EXPECT_EQ(3, ItemCodePart(12003));
    EXPECT_EQ(12, ItemCodeDocument(12003));
    EXPECT_EQ(13003, ItemCodeNextDocument(12003));
    EXPECT_EQ(0, HeadingSlotToPoint(999));
    EXPECT_EQ(5, HeadingSlotToPoint(1005));
}

} // namespace
