#include "evaluation/criteria/calculation_print.h"

#include <algorithm>

#include "model/string_utils.h"
#include "controls/print_page.h"
#include "controls/print_region.h"
#include "controls/print_table.h"
#include "evaluation/criteria/price_components.h"

namespace {

const char kFace[] = "Arial CE";
const int kPlain = 0x20;
const int kBold = 0x21;
const int kRight = PRINT_RIGHT;
const int kTextSize = 9;
const int kTitleSize = 20;

const double kRowsEnd = 10.0; // blocks that reach past this go on to a new page
const double kNewPageTop = 0.3;
const double kBlockRight = 7.4;
// Sums of tenths are not exact; a block ending at 10 must not count as past it.
const double kTolerance = 1e-9;

const char kCountLabel[] = "Liczba  ofert  podlegających  ocenie:  ";
const char kFormulaLine[] = "Wzór: LP =    ------------------------------------------------    x 100 %% x %s";

bool PastRowsEnd(double y)
{
    return y > kRowsEnd + kTolerance;
}

double PageHeightInches(CPrintPage &page)
{
    return page.UnitsToInchesY(page.Current().pageHeight);
}

CPrintRegion *MakeRegion(CPrintPage &page, double top, double left, double bottom, double right)
{
    return page.CreateRegion(top, left, bottom, right, 0);
}

// Texts go through "%s": a "%" typed into a field is printed, not read as a format. A region
// that could not be made on the page takes no text.
void PrintIn(CPrintPage &page, CPrintRegion *region, double y, double x, int attributes, const CString &text)
{
    if (region != nullptr)
        page.PrintInRegion(region, y, x, attributes, kTextSize, "%s", text.GetString());
}

// A region of its own at (top, left) two inches high with one text at (y, x) inside it.
void PrintLine(CPrintPage &page, double top, double left, double right, double y, double x, int attributes,
               const CString &text)
{
    PrintIn(page, MakeRegion(page, top, left, top + 2, right), y, x, attributes, text);
}

// The framed block of a row from y down by height, its bottom kept on the page.
CPrintRegion *MakeBlock(CPrintPage &page, double y, double bottom)
{
    CPrintRegion *block = MakeRegion(page, y, 0, bottom, kBlockRight);
    if (block != nullptr)
        block->DrawFrame();
    return block;
}

// Title, case number and date of every printout.
void PrintTitleBlock(CPrintPage &page, const char *title, const CString &caseNumber, const CString &date)
{
    page.PrintStyledAt(0.7, 1.0, kPlain, kTitleSize, "%s", title);
    PrintLine(page, 0, 0.2, 3.3, 0.3, 0, kPlain, "nr sprawy: " + caseNumber);
    PrintLine(page, 0, 0, 7.3, 0.3, 0, kRight, date);
}

struct CriterionTexts {
    const char *title;
    const char *overDashes;
    const char *underDashes;
    bool withUnit;
};

// The header of the price and delivery-term calculations; returns the y of the first row.
double PrintCriterionHeader(CPrintPage &page, const CriterionTexts &texts, const CalculationHeader &header)
{
    PrintTitleBlock(page, texts.title, header.caseNumber, header.date);
    double y = 1.6;
    PrintLine(page, y, 0.4, 5.3, 0, 0, kPlain, "Waga  kryterium:  " + header.weight + " ");
    if (texts.withUnit) {
        y += 0.4;
        PrintLine(page, y, 0.4, 5.3, 0, 0, kPlain, "Termin realizacji podany w:  " + header.termUnit);
    }
    y += 0.4;
    if (CPrintRegion *formula = MakeRegion(page, y, 0.4, y + 2, 5.3))
        page.PrintInRegion(formula, 0.0, 0.0, kPlain, kTextSize, kFormulaLine, header.weight.GetString());
    y -= 0.1;
    PrintLine(page, y, 1.2, 5.3, 0, 0, kPlain, texts.overDashes);
    y += 0.2;
    PrintLine(page, y, 1.4, 5.3, 0, 0, kPlain, texts.underDashes);
    y += 0.3;
    PrintLine(page, y, 0.4, 5.3, 0, 0, kPlain, kCountLabel + header.offerCount);
    return y + 0.4;
}

// The balance's header with its table of criteria; returns the y of the first row.
double PrintBalanceHeader(CPrintPage &page, const BalancePrint &print)
{
    PrintTitleBlock(page, "Bilans  punktowy  zastosowanych  kryteriów", print.caseNumber, print.date);

    const int criterionCount = static_cast<int>(print.criteria.size());
    CPrintTableDef table;
    table.inInches = 1;
    table.top = 2.0;
    table.left = 2.0;
    table.right = 6.0;
    table.columnCount = 2;
    table.rowCount = criterionCount + 2;
    table.pointSize = 10;
    table.lineWidth = 1;
    table.outerFrame = 1;
    table.headingFill = 0;
    table.equalWidths = 0;
    table.columns[0].width = 2.0;
    table.columns[0].heading = "Kryteria:";
    table.columns[1].width = 2.0;
    table.columns[1].heading = "Waga kryterium:";
    page.PrintTable(&table);
    auto cell = [&](int row, int column, const CString &text) {
        page.PrintTableCell(&table, row, column, 10, kPlain, " %s", text.GetString());
    };
    cell(0, 0, "cena");
    cell(0, 1, print.priceWeight);
    cell(1, 0, "termin realizacji");
    cell(1, 1, print.termWeight);
    for (int k = 0; k < criterionCount; ++k) {
        cell(k + 2, 0, print.criteria[k].name);
        cell(k + 2, 1, print.criteria[k].weight);
    }

    const double y = 2.7 + 0.55 * criterionCount;
    PrintLine(page, y, 0.4, 5.3, 0, 0, kPlain, kCountLabel + print.offerCount);
    return y + 0.4;
}

struct BlockRule {
    // The price blocks go on to a new page before they would pass 10 inches.
    bool heightTestFirst;
    // The balance leaves its last page open for the result sentence.
    bool endLastPage;
};

// Prints count blocks one below the other from y, starting a page at kNewPageTop whenever none
// is open, and ending the page once a block passes 10 inches. A block that would not fit on
// the rest of the page goes to the next one rather than being lost. Returns the y below the
// last block.
double PrintBlocks(CalculationPages &pages, double y, size_t count, const BlockRule &rule,
                   const std::function<double(size_t)> &height,
                   const std::function<double(CPrintPage &, double, size_t)> &print)
{
    for (size_t i = 0; i < count; ++i) {
        if (pages.IsOpen()) {
            const double bottom = y + height(i);
            if ((rule.heightTestFirst && PastRowsEnd(bottom)) || bottom > PageHeightInches(pages.Page()))
                pages.Close();
        }
        if (!pages.IsOpen()) {
            pages.Open();
            y = kNewPageTop;
        }
        y = print(pages.Page(), y, i);
        if (PastRowsEnd(y))
            pages.Close();
    }
    if (rule.endLastPage)
        pages.Close();
    return y;
}

} // namespace

CString TermUnitWord(int unit)
{
    switch (unit) {
    case 0:
        return "dniach";
    case 1:
        return "miesiącach";
    case 2:
        return "latach";
    default:
        return "";
    }
}

// ---- Pages --------------------------------------------------------------------------------------

CalculationPages::CalculationPages(CDC *dc, const RECT &pageRect, CalculationPageSink &sink)
    : m_dc(dc), m_pageRect(pageRect), m_sink(sink)
{
}

CalculationPages::~CalculationPages()
{
    Close();
}

CPrintPage &CalculationPages::Open()
{
    Close();
    m_sink.StartPage();
    m_page = std::make_unique<CPrintPage>(m_pageRect.left, m_pageRect.top, m_pageRect.right - m_pageRect.left,
                                          m_pageRect.bottom - m_pageRect.top, m_dc, MM_TEXT);
    m_page->SetFontName(kFace);
    return *m_page;
}

void CalculationPages::Close()
{
    if (m_page == nullptr)
        return;
    m_page.reset();
    m_sink.EndPage();
}

// ---- Row blocks ---------------------------------------------------------------------------------

double PriceRowHeight(const CString &components)
{
    int count = 0;
    CString *lines = SplitString(components, "\n", count);
    int filled = 0;
    for (int i = 0; i < count; ++i)
        if (!TrimChars(lines[i], " \r\n").IsEmpty())
            ++filled;
    delete[] lines;
    return filled > 0 ? (filled + 2) * 0.18 + 1.2 : 1.2;
}

double PrintPriceRow(CPrintPage &page, double y, const PriceRowPrint &row)
{
    const double bottom = std::min(y + PriceRowHeight(row.components), kRowsEnd);
    CPrintRegion *block = MakeBlock(page, y, bottom);
    if (block == nullptr)
        return bottom;
    PrintIn(page, block, 0.1, 0.05, kBold, "Oferta nr " + row.number);
    PrintIn(page, block, 0.1, 4.4, kPlain, "Cena brutto: " + row.price);
    PrintIn(page, block, 0.3, 4.4, kPlain, "Cena oferowana minimalna brutto: " + row.lowestPrice);
    PrintIn(page, block, 0.5, 4.4, kPlain, "Liczba punktów wg wzoru: " + row.points);
    if (!row.contractor.IsEmpty())
        PrintIn(page, block, 0.3, 0.05, kBold, "Wykonawca:\n" + row.contractor);

    // Read as the components dialog reads them, so the printout shows the same positions.
    const std::vector<PriceComponent> components = ReadPriceComponents(row.components);
    if (components.empty())
        return bottom;
    const double step = 0.18;
    double line = 1.0;
    PrintIn(page, block, line, 0.3, kBold, "Elementy składowe ceny brutto");
    line += step;
    PrintIn(page, block, line, 0.3, kBold, "Pozycja");
    PrintIn(page, block, line, 2, kBold, "Netto");
    PrintIn(page, block, line, 3, kBold, "VAT");
    PrintIn(page, block, line, 4, kBold, "Brutto");
    line += step;
    for (const PriceComponent &component : components) {
        PrintIn(page, block, line, 0.3, kPlain, component.name);
        PrintIn(page, block, line, 2, kPlain, component.net);
        PrintIn(page, block, line, 3, kPlain, component.vatRate);
        PrintIn(page, block, line, 4, kPlain, component.gross);
        line += step;
    }
    return bottom;
}

double PrintTermRow(CPrintPage &page, double y, const TermRowPrint &row)
{
    const double bottom = std::min(y + 0.9, PageHeightInches(page));
    CPrintRegion *block = MakeBlock(page, y, bottom);
    PrintIn(page, block, 0.1, 0.05, kBold, "Oferta nr " + row.number);
    PrintIn(page, block, 0.1, 2, kPlain, "Termin realizacji badanej oferty:  " + row.term);
    PrintIn(page, block, 0.3, 2, kPlain,
            "Najkrótszy oferowany termin realizacji spośród badanych ofert:  " + row.shortest);
    PrintIn(page, block, 0.5, 2, kPlain, "Liczba punktów wg wzoru:  " + row.points);
    return bottom;
}

double PrintBalanceRow(CPrintPage &page, double y, const BalanceRowPrint &row, int criterionCount)
{
    const double bottom = std::min(y + criterionCount * 0.2 + 0.7, PageHeightInches(page));
    CPrintRegion *block = MakeBlock(page, y, bottom);
    PrintIn(page, block, 0.1, 0.05, kBold, "Oferta nr " + row.number);
    const size_t count = row.lines.size();
    for (size_t j = 0; j < count; ++j) {
        const double line = 0.1 + 0.2 * static_cast<double>(j);
        const bool total = count > 1 && j == count - 1;
        const CString name = j == 0 ? CString("Liczba punktów w kryterium cena oferty") : row.lines[j].name;
        PrintIn(page, block, line, 2, total ? kBold : kPlain, name + ":");
        PrintIn(page, block, line, 6, total ? kBold : kPlain, row.lines[j].points);
    }
    return bottom;
}

// ---- Printouts ----------------------------------------------------------------------------------

void ComposePriceCalculation(CalculationPages &pages, const PriceCalculationPrint &print)
{
    const CriterionTexts texts = {"Obliczenie  punktacji  w  zakresie  kryterium  cena",
                                  "cena  oferowana  minimalna  brutto", "cena  badanej  oferty  brutto", false};
    const double y = PrintCriterionHeader(pages.Open(), texts, print.header);
    PrintBlocks(
        pages, y, print.rows.size(), BlockRule{true, true},
        [&](size_t i) { return PriceRowHeight(print.rows[i].components); },
        [&](CPrintPage &page, double top, size_t i) { return PrintPriceRow(page, top, print.rows[i]); });
}

void ComposeTermCalculation(CalculationPages &pages, const TermCalculationPrint &print)
{
    const CriterionTexts texts = {"Obliczenie  punktacji  w  zakresie  kryterium  termin  realizacji  zamówienia",
                                  "najkrótszy  oferowany  termin  realizacji", "termin  realizacji  badanej  oferty",
                                  true};
    const double y = PrintCriterionHeader(pages.Open(), texts, print.header);
    PrintBlocks(
        pages, y, print.rows.size(), BlockRule{false, true}, [](size_t) { return 0.9; },
        [&](CPrintPage &page, double top, size_t i) { return PrintTermRow(page, top, print.rows[i]); });
}

void ComposeBalance(CalculationPages &pages, const BalancePrint &print)
{
    double y = PrintBalanceHeader(pages.Open(), print);

    std::vector<const BalanceRowPrint *> shown;
    for (const BalanceRowPrint &row : print.rows)
        if (row.grossPrice > 0)
            shown.push_back(&row);
    const int criterionCount = static_cast<int>(print.criteria.size());
    y = PrintBlocks(
        pages, y, shown.size(), BlockRule{false, false}, [&](size_t) { return criterionCount * 0.2 + 0.7; },
        [&](CPrintPage &page, double top, size_t i) { return PrintBalanceRow(page, top, *shown[i], criterionCount); });

    if (!pages.IsOpen()) {
        pages.Open();
        y = kNewPageTop;
    }
    y += 1;
    CPrintRegion *result = MakeRegion(pages.Page(), y, 0.4, y + 2, 7.3);
    if (result == nullptr) {
        y = kNewPageTop;
        result = MakeRegion(pages.Open(), y, 0.4, y + 2, 7.3);
    }
    PrintIn(pages.Page(), result, 0, 0, kBold, print.resultSentence);
    pages.Close();
}
