// The printed calculations of the evaluation dialogs: the price calculation, the delivery-term
// calculation and the points balance. A dialog fills one of the records below from its fields
// and rows; the Compose functions lay it out page by page with CPrintPage in inches, and
// PrintCalculation sends it to the printer the user picks.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include <windows.h>

#include "framework/core/cstring.h"

class CDC;
class CPrintPage;
class CWnd;

// ---- What the printouts hold ---------------------------------------------------------------------

struct CalculationHeader {
    CString caseNumber;
    CString date;
    CString weight;
    CString offerCount;
    CString termUnit; // the unit word of the delivery-term calculation; empty when none is chosen
};

struct PriceRowPrint {
    CString number;
    CString contractor;
    CString price;
    CString lowestPrice;
    CString points;
    CString components; // the gross-price components text
};

struct PriceCalculationPrint {
    CalculationHeader header;
    std::vector<PriceRowPrint> rows;
};

struct TermRowPrint {
    CString number;
    CString term;
    CString shortest;
    CString points;
};

struct TermCalculationPrint {
    CalculationHeader header;
    std::vector<TermRowPrint> rows;
};

// One row of an offer's points list: first column and points.
struct BalanceListRowPrint {
    CString name;
    CString points;
};

struct BalanceRowPrint {
    CString number;
    double grossPrice = 0; // an offer without a price above 0 is left out
    // As the dialog lists them: "cena", one row per further criterion, the total.
    std::vector<BalanceListRowPrint> lines;
};

struct BalanceCriterionPrint {
    CString name;
    CString weight;
};

struct BalancePrint {
    CString caseNumber;
    CString date;
    CString priceWeight;
    CString termWeight;
    CString offerCount;
    std::vector<BalanceCriterionPrint> criteria; // the further criteria
    std::vector<BalanceRowPrint> rows;
    CString resultSentence;
};

// "dniach", "miesiącach", "latach" for the units 0, 1, 2; empty for any other.
CString TermUnitWord(int unit);

// ---- Pages --------------------------------------------------------------------------------------

// Where the pages of a printout start and end: the printer job, or a test that counts them.
class CalculationPageSink {
public:
    virtual ~CalculationPageSink() = default;
    virtual void StartPage() = 0;
    virtual void EndPage() = 0;
};

// The pages of one printout on a device context. Every page is started when it is opened and
// ended exactly once; its page object lives as long as the page.
class CalculationPages {
public:
    // pageRect: left, top and the size of the page in device pixels.
    CalculationPages(CDC *dc, const RECT &pageRect, CalculationPageSink &sink);
    ~CalculationPages(); // ends a page left open
    CalculationPages(const CalculationPages &) = delete;
    CalculationPages &operator=(const CalculationPages &) = delete;

    // Ends the open page, if any, and starts a new one with the face of the printouts.
    CPrintPage &Open();
    void Close();
    bool IsOpen() const { return m_page != nullptr; }
    CPrintPage &Page() const { return *m_page; }

private:
    CDC *m_dc;
    RECT m_pageRect;
    CalculationPageSink &m_sink;
    std::unique_ptr<CPrintPage> m_page;
};

// ---- Composing ----------------------------------------------------------------------------------

// The header on the first page, then one framed block per row below each other, a new page
// whenever the blocks pass 10 inches.
void ComposePriceCalculation(CalculationPages &pages, const PriceCalculationPrint &print);
void ComposeTermCalculation(CalculationPages &pages, const TermCalculationPrint &print);
// The same for the offers with a price above 0, then the result sentence.
void ComposeBalance(CalculationPages &pages, const BalancePrint &print);

// One row block at y (inches); each returns the y below its block.
double PriceRowHeight(const CString &components);
double PrintPriceRow(CPrintPage &page, double y, const PriceRowPrint &row);
double PrintTermRow(CPrintPage &page, double y, const TermRowPrint &row);
double PrintBalanceRow(CPrintPage &page, double y, const BalanceRowPrint &row, int criterionCount);

// ---- The print command --------------------------------------------------------------------------

// Shows the print dialog and prints what compose lays out as the document "Dokument przetargowy"
// on the chosen printer; nothing when the dialog is cancelled.
void PrintCalculation(CWnd *pParent, const std::function<void(CalculationPages &)> &compose);
