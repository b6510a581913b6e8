// The printed calculations composed onto a recording DC of 100 x 120 dots per inch (different on
// the two axes, so a value converted on the wrong axis shows) and an 8 x 11 inch page: the texts,
// the row blocks and the pages are read back.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "app/number_format.h"
#include "evaluation/criteria/calculation_print.h"
#include "controls/print_page.h"
#include "print_record_dc.h"

namespace {

const int DPI_X = 100;
const int DPI_Y = 120;
const RECT PAGE = {0, 0, 8 * DPI_X, 11 * DPI_Y};

int X(double inches)
{
    return static_cast<int>(inches * DPI_X);
}
int Y(double inches)
{
    return static_cast<int>(inches * DPI_Y);
}
int FontHeight(int points)
{
    return -MulDiv(points, DPI_Y, 72);
}

// One printout on a fresh recording; Done() ends it and reads the recording back.
struct Printout {
    RecordingDC dc{DPI_X, DPI_Y};
    RecordingPages sink{dc};
    std::unique_ptr<CalculationPages> pages = std::make_unique<CalculationPages>(&dc, PAGE, sink);

    void Done()
    {
        pages.reset();
        dc.Finish();
    }
    // The frames of the row blocks, in drawing order.
    std::vector<RecordedBox> Blocks() const
    {
        std::vector<RecordedBox> blocks;
        for (const RecordedBox &box : dc.boxes)
            if (box.bounds.left == 0 && box.bounds.right == X(7.4))
                blocks.push_back(box);
        return blocks;
    }
    const RecordedText &Only(const std::string &text) const
    {
        static const RecordedText none;
        const std::vector<RecordedText> found = dc.Find(text);
        EXPECT_EQ(1u, found.size()) << text;
        return found.empty() ? none : *std::find_if(dc.texts.begin(), dc.texts.end(), [&](const RecordedText &t) {
            return t.text == text;
        });
    }
    bool Has(const std::string &text) const { return dc.Has(text); }
    // The texts of the given font height run together without blanks, the title wrapped over
    // lines included.
    std::string Joined(int height) const
    {
        std::string joined;
        for (const RecordedText &t : dc.texts)
            if (t.height == height)
                for (char ch : t.text)
                    if (ch != ' ')
                        joined += ch;
        return joined;
    }
    bool Contains(const std::string &part) const
    {
        return std::any_of(dc.texts.begin(), dc.texts.end(),
                           [&](const RecordedText &t) { return t.text.find(part) != std::string::npos; });
    }
};

CalculationHeader Header()
{
    CalculationHeader header;
    header.caseNumber = "ZP.271.5.2026";
    header.date = "2026-03-15";
    header.weight = "80";
    header.offerCount = "0";
    return header;
}

PriceRowPrint PriceRow(int number, const char *components = "")
{
    return {IntToStr(number), "", "100.00", "100.00", "80.00", components};
}

TermRowPrint TermRow(int number)
{
    return {IntToStr(number), "30", "30", "20"};
}

// A balance offer listing "cena", the criteria and the total.
BalanceRowPrint BalanceRow(int number, double price, int criterionCount)
{
    BalanceRowPrint row;
    row.number = IntToStr(number);
    row.grossPrice = price;
    row.lines.push_back({"cena", "50"});
    for (int k = 0; k < criterionCount; ++k)
        row.lines.push_back({"Kryterium " + IntToStr(k + 1), "10"});
    row.lines.push_back({"Suma punktów uzyskanych we wszystkich  kryteriach", "90"});
    return row;
}

BalancePrint Balance(int criterionCount, std::vector<double> prices)
{
    BalancePrint print;
    print.caseNumber = "ZP.271.5.2026";
    print.date = "2026-03-15";
    print.priceWeight = "60";
    print.termWeight = "";
    print.offerCount = IntToStr(static_cast<int>(prices.size()));
    for (int k = 0; k < criterionCount; ++k)
        print.criteria.push_back({"Kryterium " + IntToStr(k + 1), "10"});
    for (size_t i = 0; i < prices.size(); ++i)
        print.rows.push_back(BalanceRow(static_cast<int>(i) + 1, prices[i], criterionCount));
    print.resultSentence = "Najkorzystniejszą ofertą jest oferta nr 1.";
    return print;
}

} // namespace

// ---- Headers ------------------------------------------------------------------------------------

TEST(CalculationPrintHeader, PriceCalculationWithoutOffersIsOneHeaderPage)
{
    Printout out;
    PriceCalculationPrint print{Header(), {}};
    print.header.weight = "80%"; // a "%" typed into a field is printed as it is
    ComposePriceCalculation(*out.pages, print);
    out.Done();

    EXPECT_EQ(1, out.sink.started);
    EXPECT_EQ(1, out.sink.ended);
    EXPECT_EQ(0, out.sink.misuses);
    EXPECT_TRUE(out.Blocks().empty());
    EXPECT_FALSE(out.Contains("Oferta nr"));

    EXPECT_EQ("Obliczeniepunktacjiwzakresiekryteriumcena", out.Joined(FontHeight(20)));
    const RecordedText &title = out.dc.texts.front();
    EXPECT_EQ(FontHeight(20), title.height);
    EXPECT_NEAR(Y(0.7), title.y, 1);
    EXPECT_NEAR(X(1), title.x, 1);
    const RecordedText &number = out.Only("nr sprawy: ZP.271.5.2026");
    EXPECT_NEAR(Y(0.3) + 1, number.y, 1);
    EXPECT_NEAR(X(0.2) + 1, number.x, 1);
    const RecordedText &date = out.Only("2026-03-15");
    EXPECT_GT(date.x, X(6.5)) << "right-aligned at 7.3 inches";
    EXPECT_TRUE(out.Contains("Waga  kryterium:  80%"));
    EXPECT_TRUE(out.Contains("x 100 % x 80%"));
    EXPECT_TRUE(out.Has("cena  oferowana  minimalna  brutto"));
    EXPECT_TRUE(out.Has("cena  badanej  oferty  brutto"));
    const RecordedText &count = out.Only("Liczba  ofert  podlegających  ocenie:  0");
    EXPECT_NEAR(Y(2.4) + 1, count.y, 1);
    for (const RecordedText &text : out.dc.texts) {
        EXPECT_EQ("Arial CE", text.face) << text.text;
        EXPECT_EQ(0, text.page) << text.text;
        if (text.height != FontHeight(20)) {
            EXPECT_EQ(FontHeight(9), text.height) << text.text;
        }
    }
}

TEST(CalculationPrintHeader, TermCalculationNamesItsUnitAndMovesTheFormulaDown)
{
    Printout out;
    TermCalculationPrint print{Header(), {TermRow(1)}};
    print.header.termUnit = TermUnitWord(1);
    ComposeTermCalculation(*out.pages, print);
    out.Done();

    EXPECT_EQ("Obliczeniepunktacjiwzakresiekryteriumterminrealizacjizamówienia", out.Joined(FontHeight(20)));
    EXPECT_NEAR(Y(2.0) + 1, out.Only("Termin realizacji podany w:  miesiącach").y, 1);
    EXPECT_TRUE(out.Has("najkrótszy  oferowany  termin  realizacji"));
    EXPECT_TRUE(out.Has("termin  realizacji  badanej  oferty"));
    EXPECT_NEAR(Y(2.8) + 1, out.Only("Liczba  ofert  podlegających  ocenie:  0").y, 1);
    const std::vector<RecordedBox> blocks = out.Blocks();
    ASSERT_EQ(1u, blocks.size());
    EXPECT_NEAR(Y(3.2), blocks[0].bounds.top, 1);
    EXPECT_NEAR(Y(4.1), blocks[0].bounds.bottom, 1);
    EXPECT_TRUE(out.Has("Najkrótszy oferowany termin realizacji spośród badanych ofert:  30"));

    EXPECT_EQ("dniach", std::string(TermUnitWord(0).GetString()));
    EXPECT_EQ("latach", std::string(TermUnitWord(2).GetString()));
    EXPECT_TRUE(TermUnitWord(-1).IsEmpty());
}

// ---- Price rows ---------------------------------------------------------------------------------

TEST(CalculationPrintPriceRow, HeightFollowsTheComponentLines)
{
    struct Case {
        const char *components;
        double top;
        double bottom;
    };
    const Case cases[] = {
        {"", 1.0, 2.2},
        {"a|1|23|1.23\nb|2|8|2.16\nc|3|0|3\n", 1.0, 3.1},
        // Blank lines are not lines; a line of too few fields still takes its place.
        {"a|1|23|1.23\n\n  \r\nb|2\n", 1.0, 2.92},
        // Never below 10 inches.
        {"a|1|23|1.23\nb|2|8|2.16\nc|3|0|3\n", 9.5, 10.0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.components);
        Printout out;
        CPrintPage &page = out.pages->Open();
        EXPECT_NEAR(c.bottom, PrintPriceRow(page, c.top, PriceRow(1, c.components)), 1e-9);
        out.Done();
        const std::vector<RecordedBox> blocks = out.Blocks();
        ASSERT_EQ(1u, blocks.size());
        EXPECT_NEAR(Y(c.top), blocks[0].bounds.top, 1);
        EXPECT_NEAR(Y(c.bottom), blocks[0].bounds.bottom, 1);
    }
    EXPECT_NEAR(2.1, PriceRowHeight("a|1|23|1.23\nb|2|8|2.16\nc|3|0|3\n"), 1e-12);
}

TEST(CalculationPrintPriceRow, PrintsOfferContractorAndTheComponentsTable)
{
    Printout out;
    PriceRowPrint row{"3",      "Firma 50% Sp. z o.o.",
                      "123.00", "100.00",
                      "65.04",  "Dostawa|100.00|23|123.00\nzla linia|1\n|5.00|8|5.40\n"};
    const double top = 1.0;
    PrintPriceRow(out.pages->Open(), top, row);
    out.Done();

    const int inner = Y(top) + 1;
    EXPECT_EQ(FW_BOLD, out.Only("Oferta nr 3").weight);
    EXPECT_NEAR(inner + Y(0.1), out.Only("Cena brutto: 123.00").y, 1);
    EXPECT_NEAR(X(4.4) + 1, out.Only("Cena brutto: 123.00").x, 1);
    EXPECT_TRUE(out.Has("Cena oferowana minimalna brutto: 100.00"));
    EXPECT_TRUE(out.Has("Liczba punktów wg wzoru: 65.04"));
    const RecordedText &label = out.Only("Wykonawca:");
    EXPECT_EQ(FW_BOLD, label.weight);
    EXPECT_TRUE(out.Contains("Firma 50% Sp. z o.o."));

    const RecordedText &heading = out.Only("Elementy składowe ceny brutto");
    EXPECT_EQ(FW_BOLD, heading.weight);
    EXPECT_NEAR(inner + Y(1.0), heading.y, 1);
    struct Cell {
        const char *text;
        double y, x;
        int weight;
    };
    const Cell cells[] = {
        {"Pozycja", 1.18, 0.3, FW_BOLD},
        {"Netto", 1.18, 2, FW_BOLD},
        {"VAT", 1.18, 3, FW_BOLD},
        {"Brutto", 1.18, 4, FW_BOLD},
        {"Dostawa", 1.36, 0.3, FW_NORMAL},
        {"100.00", 1.36, 2, FW_NORMAL},
        {"23", 1.36, 3, FW_NORMAL},
        {"123.00", 1.36, 4, FW_NORMAL},
        // The short line is left out; a component without a name keeps its amounts in their columns.
        {"5.00", 1.54, 2, FW_NORMAL},
        {"8", 1.54, 3, FW_NORMAL},
        {"5.40", 1.54, 4, FW_NORMAL},
    };
    for (const Cell &cell : cells) {
        SCOPED_TRACE(cell.text);
        const RecordedText &text = out.Only(cell.text);
        EXPECT_NEAR(inner + Y(cell.y), text.y, 2);
        EXPECT_NEAR(X(cell.x) + 1, text.x, 1);
        EXPECT_EQ(cell.weight, text.weight);
    }
    EXPECT_FALSE(out.Contains("zla linia"));
}

TEST(CalculationPrintPriceRow, NoContractorNoComponentsPrintNeither)
{
    Printout out;
    PrintPriceRow(out.pages->Open(), 1.0, PriceRow(1, "tylko|dwa\n"));
    out.Done();
    EXPECT_FALSE(out.Contains("Wykonawca"));
    EXPECT_FALSE(out.Contains("Elementy"));
    EXPECT_FALSE(out.Contains("tylko"));
}

// ---- Pages --------------------------------------------------------------------------------------

TEST(CalculationPrintPages, RowsGoOnToANewPageWhenTheyPassTenInches)
{
    struct Case {
        const char *name;
        int rows;
        int pages;
        int lastOnFirstPage; // the number of the last offer on the first page
    };
    // Price blocks of 1.2 inches from 2.8: the sixth ends exactly at 10 and the seventh would
    // pass it. Delivery-term blocks of 0.9 from 3.2: the eighth passes 10.
    const Case cases[] = {
        {"price", 6, 1, 6}, {"price", 7, 2, 6}, {"price", 20, 3, 6},
        {"term", 8, 1, 8},  {"term", 9, 2, 8},  {"term", 20, 3, 8},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.name << " x " << c.rows);
        Printout out;
        const bool price = std::string(c.name) == "price";
        if (price) {
            PriceCalculationPrint print{Header(), {}};
            for (int i = 1; i <= c.rows; ++i)
                print.rows.push_back(PriceRow(i));
            ComposePriceCalculation(*out.pages, print);
        } else {
            TermCalculationPrint print{Header(), {}};
            for (int i = 1; i <= c.rows; ++i)
                print.rows.push_back(TermRow(i));
            ComposeTermCalculation(*out.pages, print);
        }
        EXPECT_FALSE(out.sink.open) << "every page ended";
        out.Done();
        EXPECT_EQ(c.pages, out.sink.started);
        EXPECT_EQ(c.pages, out.sink.ended);
        EXPECT_EQ(0, out.sink.misuses);

        const std::vector<RecordedBox> blocks = out.Blocks();
        ASSERT_EQ(static_cast<size_t>(c.rows), blocks.size());
        for (int i = 0; i < c.rows; ++i) {
            const int expectedPage = i < c.lastOnFirstPage ? 0 : 1 + (i - c.lastOnFirstPage) / (price ? 8 : 11);
            EXPECT_EQ(expectedPage, blocks[i].page) << "offer " << i + 1;
            EXPECT_LE(blocks[i].bounds.bottom, Y(10.4) + 1) << "offer " << i + 1;
            EXPECT_EQ(expectedPage, out.Only("Oferta nr " + std::string(IntToStr(i + 1).GetString())).page);
        }
        if (c.rows > c.lastOnFirstPage) {
            EXPECT_NEAR(Y(0.3), blocks[c.lastOnFirstPage].bounds.top, 1);
        }
    }
}

TEST(CalculationPrintPages, ATallPriceRowStartsANewPageInsteadOfBeingCut)
{
    Printout out;
    PriceCalculationPrint print{Header(), {PriceRow(1), PriceRow(2), PriceRow(3), PriceRow(4), PriceRow(5)}};
    // 2.8 + 4 x 1.2 = 7.6; a row of ten component lines (3.36 inches) would pass 10.
    CString components;
    for (int i = 0; i < 10; ++i)
        components += "poz|1|23|1.23\n";
    print.rows[4].components = components;
    ComposePriceCalculation(*out.pages, print);
    out.Done();
    const std::vector<RecordedBox> blocks = out.Blocks();
    ASSERT_EQ(5u, blocks.size());
    EXPECT_EQ(1, blocks[4].page);
    EXPECT_NEAR(Y(0.3), blocks[4].bounds.top, 1);
    EXPECT_NEAR(Y(0.3 + 3.36), blocks[4].bounds.bottom, 1);
    EXPECT_EQ(2, out.sink.ended);
}

// ---- Points balance -----------------------------------------------------------------------------

TEST(CalculationPrintBalance, PrintsOffersWithAPriceInBlocksAndTheResultAfterThem)
{
    Printout out;
    // Offers 2 and 4 have no price above 0.
    ComposeBalance(*out.pages, Balance(4, {1000, 0, 800, -5}));
    out.Done();

    EXPECT_TRUE(out.Has("Oferta nr 1"));
    EXPECT_TRUE(out.Has("Oferta nr 3"));
    EXPECT_FALSE(out.Has("Oferta nr 2"));
    EXPECT_FALSE(out.Has("Oferta nr 4"));

    // Header: the criteria table and the count line below it.
    for (const char *cell : {" cena", " 60", " termin realizacji", " Kryterium 1", " Kryterium 4", " 10"})
        EXPECT_TRUE(out.Has(cell)) << cell;
    EXPECT_TRUE(out.Has("Kryteria:"));
    EXPECT_TRUE(out.Has("Waga kryterium:"));
    const double rowsTop = 2.7 + 0.55 * 4 + 0.4;
    EXPECT_NEAR(Y(rowsTop - 0.4) + 1, out.Only("Liczba  ofert  podlegających  ocenie:  4").y, 1);

    // 4 criteria: blocks of 1.5 inches, one below the other.
    const std::vector<RecordedBox> blocks = out.Blocks();
    ASSERT_EQ(2u, blocks.size());
    EXPECT_NEAR(Y(rowsTop), blocks[0].bounds.top, 1);
    EXPECT_NEAR(Y(rowsTop + 1.5), blocks[0].bounds.bottom, 1);
    EXPECT_NEAR(Y(rowsTop + 1.5), blocks[1].bounds.top, 1);
    EXPECT_NEAR(Y(rowsTop + 3.0), blocks[1].bounds.bottom, 1);

    // The list rows of an offer: the price row named in full, the total in bold.
    const std::vector<RecordedText> priceLines = out.dc.Find("Liczba punktów w kryterium cena oferty:");
    ASSERT_EQ(2u, priceLines.size());
    EXPECT_NEAR(Y(rowsTop) + 1 + Y(0.1), priceLines[0].y, 1);
    EXPECT_NEAR(X(2) + 1, priceLines[0].x, 1);
    EXPECT_EQ(FW_NORMAL, priceLines[0].weight);
    const std::vector<RecordedText> fourth = out.dc.Find("Kryterium 4:");
    ASSERT_EQ(2u, fourth.size());
    EXPECT_NEAR(Y(rowsTop) + 1 + Y(0.9), fourth[0].y, 1);
    const std::vector<RecordedText> totals = out.dc.Find("Suma punktów uzyskanych we wszystkich  kryteriach:");
    ASSERT_EQ(2u, totals.size());
    EXPECT_EQ(FW_BOLD, totals[0].weight);
    EXPECT_NEAR(Y(rowsTop) + 1 + Y(1.1), totals[0].y, 1);
    const std::vector<RecordedText> totalPoints = out.dc.Find("90");
    ASSERT_EQ(2u, totalPoints.size());
    EXPECT_EQ(FW_BOLD, totalPoints[0].weight);
    EXPECT_NEAR(X(6) + 1, totalPoints[0].x, 1);

    // From 9.3 the sentence would run off the page: it goes to the top of a new one.
    EXPECT_EQ(2, out.sink.started);
    EXPECT_EQ(2, out.sink.ended);
    const RecordedText &result = out.Only("Najkorzystniejszą ofertą jest oferta nr 1.");
    EXPECT_EQ(FW_BOLD, result.weight);
    EXPECT_EQ(1, result.page);
    EXPECT_NEAR(Y(0.3) + 1, result.y, 1);
}

TEST(CalculationPrintBalance, ResultSentenceGoesWhereThereIsRoomForIt)
{
    struct Case {
        int offers;
        int pages;
        double resultTop; // on the last page
    };
    // No further criteria: blocks of 0.7 inches from 3.1.
    const Case cases[] = {
        {7, 1, 8.0 + 1},  // its region ends at the page's bottom, 11 inches
        {8, 2, 0.3},      // from 9.7 it would not fit: a new page, at its top
        {10, 2, 0.3 + 1}, // the rows ended the page at 10.1: the sentence follows on a new one
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.offers);
        Printout out;
        ComposeBalance(*out.pages, Balance(0, std::vector<double>(c.offers, 100.0)));
        EXPECT_FALSE(out.sink.open);
        out.Done();
        EXPECT_EQ(c.pages, out.sink.started);
        EXPECT_EQ(c.pages, out.sink.ended);
        EXPECT_EQ(0, out.sink.misuses);
        const RecordedText &result = out.Only("Najkorzystniejszą ofertą jest oferta nr 1.");
        EXPECT_EQ(c.pages - 1, result.page);
        EXPECT_NEAR(Y(c.resultTop) + 1, result.y, 1);
    }
}

TEST(CalculationPrintBalance, ABlockThatWouldRunOffThePageGoesOnTheNextOne)
{
    Printout out;
    // 10 criteria: blocks of 2.7 inches from 8.6, which would end below the 11-inch page.
    ComposeBalance(*out.pages, Balance(10, {100, 200}));
    out.Done();
    const std::vector<RecordedBox> blocks = out.Blocks();
    ASSERT_EQ(2u, blocks.size());
    EXPECT_EQ(1, blocks[0].page);
    EXPECT_NEAR(Y(0.3), blocks[0].bounds.top, 1);
    EXPECT_NEAR(Y(3.0), blocks[0].bounds.bottom, 1);
    EXPECT_EQ(1, out.Only("Oferta nr 1").page);
    EXPECT_EQ(1, out.Only("Oferta nr 2").page);
    EXPECT_EQ(2, out.sink.ended);
    EXPECT_EQ(0, out.sink.misuses);
}
