#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "proceeding/editors/list_kinds.h"

namespace {

std::vector<std::string> Joined(const std::vector<ListRow> &rows)
{
    std::vector<std::string> lines;
    for (const ListRow &row : rows) {
        std::string line;
        for (size_t i = 0; i < row.size(); ++i)
            line += (i ? "|" : "") + std::string(row[i]);
        lines.push_back(line);
    }
    return lines;
}

TEST(ListKinds, ColumnsAndWidthsFollowTheKind)
{
    // 397 pixels: products with a fraction are cut before the division, the others are
    // integer arithmetic in order.
    const struct {
        int kind;
        bool divided;
        std::vector<std::string> headings;
        std::vector<int> widths;
    } cases[] = {
        {0, false, {"Nazwa kryterium", "Wartość (%)"}, {317, 78}},
        {1, false, {"Nr oferty", "Nazwa oferenta", "Adres oferenta", "Data złożenia"}, {51, 119, 118, 78}},
        {1,
         true,
         {"Nr oferty", "Nazwa oferenta", "Adres oferenta", "Data złożenia", "Nr zadania"},
         {51, 119, 118, 78, 78}},
        {2,
         true,
         {"Nr oferty", "Nazwa oferenta", "Adres oferenta", "Cena", "Uwagi", "Nr zadania"},
         {43, 119, 78, 38, 118, 38}},
        {3, true, {"Nr oferenta", "Nazwa i adres oferenta"}, {39, 356}},
        {5, false, {"Nr", "Nazwa kryterium"}, {79, 317}},
        {6, false, {"Nr oferty", "Suma punktów"}, {59, 337}},
        {14, false, {"Nr kryterium", "Nazwa kryterium", "Wartość (%)", "Sposób punktowania"}, {67, 131, 78, 118}},
        {17, false, {"Lp", "Imię i nazwisko", "Zakres odpowiedzialności"}, {39, 158, 198}},
        {29,
         false,
         {"Nr oferty", "Zadanie", "Nazwa oferenta", "Adres oferenta", "Cena", "Uwagi"},
         {51, 51, 119, 78, 38, 118}},
        {7, false, {}, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.kind);
        std::vector<std::string> headings;
        std::vector<int> widths;
        for (const ListColumn &column : ListKindColumns(c.kind, c.divided, 397)) {
            headings.push_back(column.heading);
            widths.push_back(column.width);
        }
        EXPECT_EQ(c.headings, headings);
        EXPECT_EQ(c.widths, widths);
        EXPECT_EQ(static_cast<int>(c.headings.size()), ListKindColumnCount(c.kind, c.divided));
        EXPECT_EQ(!c.headings.empty(), IsListKind(c.kind));
    }
}

TEST(ListKinds, ANarrowColumnTakesTheRoomItsHeadingNeedsFromTheWidest)
{
    const struct {
        const char *what;
        std::vector<int> widths, needed, fitted;
    } cases[] = {
        {"every heading fits", {39, 356}, {30, 120}, {39, 356}},
        {"the number column widened", {39, 356}, {67, 120}, {67, 328}},
        {"two columns widened, the widest gives both",
         {62, 171, 113, 56, 170, 56},
         {66, 90, 90, 40, 50, 67},
         {66, 156, 113, 56, 170, 67}},
        {"the widest gives no more than it can spare", {20, 50}, {40, 40}, {40, 40}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<ListColumn> columns;
        for (int width : c.widths)
            columns.push_back({"", width});
        WidenToHeadings(columns, c.needed);
        std::vector<int> fitted;
        for (const ListColumn &column : columns)
            fitted.push_back(column.width);
        EXPECT_EQ(c.fitted, fitted);
    }
}

TEST(ListKinds, RowsTextIsReadIntoTheColumns)
{
    const struct {
        const char *what;
        const char *text;
        int columns;
        std::vector<std::string> rows;
    } cases[] = {
        {"empty text", "", 4, {}},
        {"short line fills the rightmost columns", "a|b", 4, {"||a|b"}},
        {"cells trimmed, empty lines skipped",
         " 1 | Firma |Adres| 2024-01-02 \n\n\n2|X|Y|Z\n",
         4,
         {"1|Firma|Adres|2024-01-02", "2|X|Y|Z"}},
        {"an empty cell keeps its place", "1|Firma||2024-01-02\n", 4, {"1|Firma||2024-01-02"}},
        {"empty first and last cells", "|b|\n", 3, {"|b|"}},
        {"cells past the last column go", "a|b|c\n", 2, {"a|b"}},
        {"CR LF line ends", "Cena|60\r\nTermin|40\r\n\r\n", 2, {"Cena|60", "Termin|40"}},
        {"a line without a bar is the last cell", "Kowalski\n", 3, {"||Kowalski"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.rows, Joined(ReadListRows(c.text, c.columns)));
    }
}

TEST(ListKinds, WrittenRowsReadBackUnchanged)
{
    const char text[] = "1|Firma A||2024-01-02|1\n||Adres|2024-02-03|\n";
    const std::vector<ListRow> rows = ReadListRows(text, 5);
    EXPECT_STREQ(text, WriteListRows(rows));
    EXPECT_STREQ("", WriteListRows({}));
}

TEST(ListKinds, TypedTextCannotSplitACellOrARow)
{
    EXPECT_STREQ("Dach , pokrycie", ListCellText("Dach | pokrycie"));
    EXPECT_STREQ("ul. Polna 1 00-001", ListCellText("ul. Polna 1\r\n00-001"));
    EXPECT_STREQ("a b c", ListCellText("a\nb\rc"));
}

TEST(ListKinds, WeightsMustTotalExactlyOneHundred)
{
    const struct {
        std::vector<const char *> weights;
        const char *total;
        bool complete;
    } cases[] = {
        {{"60", "40"}, "100.00", true},
        {{"60", "39.99"}, "99.99", false},
        {{}, "0.00", true},
        {{"33.33", "33.33", "33.34"}, "100.00", true},
        {{"50,5", "49,5"}, "100.00", true},
        {{"120"}, "120.00", false},
        {{"abc", "100"}, "100.00", true},
    };
    for (const auto &c : cases) {
        std::vector<ListRow> rows;
        for (const char *weight : c.weights)
            rows.push_back({"kryterium", weight});
        SCOPED_TRACE(c.total);
        EXPECT_STREQ(c.total, ListWeightTotal(rows, 1));
        EXPECT_EQ(c.complete, ListWeightsComplete(rows, 1));
    }
    // A list without a weight column is never refused.
    EXPECT_TRUE(ListWeightsComplete({{"1", "Firma"}}, ListWeightColumn(3)));
    EXPECT_EQ(1, ListWeightColumn(0));
    EXPECT_EQ(2, ListWeightColumn(14));
}

TEST(ListKinds, WeightFieldTakesDigitsAndPoints)
{
    EXPECT_TRUE(IsWeightFieldText(""));
    EXPECT_TRUE(IsWeightFieldText("12.5"));
    EXPECT_FALSE(IsWeightFieldText("12a"));
    EXPECT_FALSE(IsWeightFieldText("12,5"));
    EXPECT_FALSE(IsWeightFieldText("-1"));
}

TEST(ListKinds, OfferInputLabelsAndTheFieldOfEachColumn)
{
    const OfferInputLayout added = OfferInputFor(29, false, false);
    EXPECT_STREQ("Nr zadania", added.labels[5]);
    const std::vector<int> fields(added.fieldOfColumn, added.fieldOfColumn + 6);
    EXPECT_EQ((std::vector<int>{0, 5, 1, 2, 3, 4}), fields) << "the part goes second";

    const OfferInputLayout undivided = OfferInputFor(1, false, false);
    EXPECT_STREQ("Data złożenia:", undivided.labels[3]);
    EXPECT_STREQ("", undivided.labels[4]);
    EXPECT_STREQ("Nr zadania:", OfferInputFor(1, true, false).labels[4]);

    const OfferInputLayout modified = OfferInputFor(1, true, true);
    EXPECT_STREQ("Numer", modified.labels[0]);
    EXPECT_STREQ("Nazwa ofer.", modified.labels[1]);
    EXPECT_STREQ("Adres ofer.", modified.labels[2]);
    EXPECT_STREQ("Data złożenia", modified.labels[3]);
    EXPECT_STREQ("Nr zadania:", modified.labels[4]);
    EXPECT_STREQ("Nazwa i adr.", OfferInputFor(4, false, true).labels[1]) << "other kinds keep their labels";
    EXPECT_STREQ("", OfferInputFor(2, false, false).labels[5]);
}

} // namespace
