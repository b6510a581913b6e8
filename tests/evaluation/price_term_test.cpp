// The price and delivery-term criterion dialogs, run for real under the test hook: the scores
// the rows show, what editing them changes, and what goes back into the record on closing.
#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <vector>

#include "model/criteria_data.h"
#include "evaluation/criteria/offer_scoring.h"
#include "evaluation/criteria/price_components_dlg.h"
#include "evaluation/criteria/price_criterion_dlg.h"
#include "evaluation/criteria/price_offer_row.h"
#include "evaluation/criteria/price_panel.h"
#include "evaluation/criteria/term_criterion_dlg.h"
#include "evaluation/criteria/term_offer_row.h"
#include "evaluation/criteria/term_panel.h"
#include "res/evaluation_ids.h"
#include "tests/support/dialog_driver.h"

namespace {

CString Text(const CWnd *window, int id)
{
    CString text;
    window->GetDlgItemText(id, text);
    return text;
}

// Types into a field and leaves it, as the user does by moving on.
void Enter(CWnd &window, int id, const char *text)
{
    window.SetDlgItemText(id, text);
    window.SendMessage(WM_COMMAND, MAKEWPARAM(id, EN_KILLFOCUS), (LPARAM)window.GetDlgItem(id)->m_hWnd);
}

// Types into a field without leaving it (the dialog is then closed with Enter).
void TypeOnly(CWnd &window, int id, const wchar_t *text)
{
    HWND edit = window.GetDlgItem(id)->m_hWnd;
    ::SendMessageW(edit, EM_SETSEL, 0, -1);
    ::SendMessageW(edit, EM_REPLACESEL, TRUE, (LPARAM)text);
}

CCriteriaData *Record(const char *weight, std::initializer_list<double> prices)
{
    auto *data = new CCriteriaData;
    data->m_strPriceWeight = weight;
    data->m_nOfferCount = (int)prices.size();
    int i = 0;
    for (double price : prices)
        data->m_offers[i++].grossPrice = price;
    return data;
}

// ---- Arithmetic ---------------------------------------------------------------------------

TEST(OfferScoring, LowestValueAboveZeroAndPoints)
{
    const struct {
        std::vector<double> values;
        double lowest;
    } lowest[] = {
        {{100, 200, 0}, 100}, {{0, 250.5, -3, 199}, 199}, {{0, -1}, -1}, {{}, -1}, {{7, 7}, 7},
    };
    for (const auto &c : lowest)
        EXPECT_EQ(LowestPositive(c.values), c.lowest);

    EXPECT_DOUBLE_EQ(CriterionPoints(100, 200, 80), 40);
    EXPECT_DOUBLE_EQ(CriterionPoints(7, 9, 10), 70.0 / 9);
    EXPECT_EQ(CriterionPoints(100, 0, 80), 0);
    EXPECT_EQ(CriterionPoints(100, -5, 80), 0);
}

// ---- Price criterion ----------------------------------------------------------------------

struct PriceDialog : ::testing::Test {
    // Runs the dialog on `data`; `act` works on the open dialog, which then closes.
    void Run(const std::function<void(CKryteriumCenaDlg &)> &act)
    {
        CKryteriumCenaDlg dialog(data.get());
        driver.Run(dialog, [&](CDialog &) { act(dialog); });
    }
    static COfertaCenaDlg &Row(CKryteriumCenaDlg &dialog, int i)
    {
        COfertaCenaDlg *row = dialog.GetPanel()->GetOfferRow(i);
        EXPECT_NE(row, nullptr);
        return *row;
    }
    // Lowest price and points of every row.
    static std::vector<CString> Scores(CKryteriumCenaDlg &dialog)
    {
        std::vector<CString> shown;
        for (int i = 0; i < dialog.GetPanel()->GetRowCount(); ++i) {
            shown.push_back(Text(&Row(dialog, i), IDC_EVAL_ROW_BEST));
            shown.push_back(Text(&Row(dialog, i), IDC_EVAL_ROW_POINTS));
        }
        return shown;
    }

    std::unique_ptr<CCriteriaData> data;
    DialogDriver driver;
};

TEST_F(PriceDialog, OpensWithTheRecordAndScoresEveryOfferAgainstTheLowestPrice)
{
    data.reset(Record("80", {100, 200, 0}));
    data->m_strDate = "2025-10-01";
    data->m_strCaseNumber = "ZP.1.2025";
    data->m_offers[1].contractor = "Firma B\r\nul. Krótka 2";
    Run([&](CKryteriumCenaDlg &d) {
        EXPECT_EQ(Text(&d, IDC_EVAL_DATE), "2025-10-01");
        EXPECT_EQ(Text(&d, IDC_EVAL_CASE_NUMBER), "ZP.1.2025");
        EXPECT_EQ(Text(&d, IDC_EVAL_OFFER_COUNT), "3");
        EXPECT_EQ(Text(&d, IDC_EVAL_WEIGHT), "80");
        EXPECT_EQ(Text(&d, IDC_EVAL_FORMULA_WEIGHT), "80");
        EXPECT_EQ(Text(&Row(d, 1), IDC_EVAL_ROW_NUMBER), "2");
        EXPECT_EQ(Text(&Row(d, 1), IDC_PRICE_ROW_CONTRACTOR), "Firma B\r\nul. Krótka 2");
        EXPECT_EQ(Text(&Row(d, 1), IDC_PRICE_ROW_PRICE), "200.00");
        EXPECT_EQ(Scores(d), (std::vector<CString>{"100.00", "80.00", "100.00", "40.00", "100.00", "0.00"}));

        Enter(d, IDC_EVAL_WEIGHT, "60");
        EXPECT_EQ(Text(&d, IDC_EVAL_FORMULA_WEIGHT), "60");
        EXPECT_EQ(Scores(d), (std::vector<CString>{"100.00", "60.00", "100.00", "30.00", "100.00", "0.00"}));
    });
    EXPECT_EQ(data->m_strPriceWeight, "60");
    EXPECT_EQ(data->m_offers[1].contractor, "Firma B\r\nul. Krótka 2");
}

TEST_F(PriceDialog, AnEditedPriceIsShownWithTwoDecimalsAndMovesTheLowestPrice)
{
    data.reset(Record("80", {100, 200, 0}));
    Run([&](CKryteriumCenaDlg &d) {
        Enter(Row(d, 2), IDC_PRICE_ROW_PRICE, "1234.5");
        EXPECT_EQ(Text(&Row(d, 2), IDC_PRICE_ROW_PRICE), "1234.50");
        Enter(Row(d, 1), IDC_PRICE_ROW_PRICE, "50");
        EXPECT_EQ(Scores(d), (std::vector<CString>{"50.00", "40.00", "50.00", "80.00", "50.00", "3.24"}));
        Enter(Row(d, 1), IDC_PRICE_ROW_PRICE, "abc");
        EXPECT_EQ(Text(&Row(d, 1), IDC_PRICE_ROW_PRICE), "0.00");
        EXPECT_EQ(Text(&Row(d, 1), IDC_EVAL_ROW_POINTS), "0.00");
        EXPECT_EQ(Text(&Row(d, 0), IDC_EVAL_ROW_BEST), "100.00");
        // A contractor typed and a price typed but never left are kept all the same.
        TypeOnly(Row(d, 0), IDC_PRICE_ROW_CONTRACTOR, L"Nowa firma");
        TypeOnly(Row(d, 0), IDC_PRICE_ROW_PRICE, L"99.5");
    });
    EXPECT_EQ(data->m_offers[0].grossPrice, 99.5);
    EXPECT_EQ(data->m_offers[0].contractor, "Nowa firma");
    EXPECT_EQ(data->m_offers[1].grossPrice, 0);
    EXPECT_EQ(data->m_offers[2].grossPrice, 1234.5);
}

TEST_F(PriceDialog, NoPriceAboveZeroScoresNothing)
{
    data.reset(Record("80", {0, 0}));
    Run([&](CKryteriumCenaDlg &d) { EXPECT_EQ(Scores(d), (std::vector<CString>{"0.00", "0.00", "0.00", "0.00"})); });
}

TEST_F(PriceDialog, FewerOffersAreStoredWhileTheRecordKeepsTheOthers)
{
    data.reset(Record("80", {300, 200, 400, 100, 500}));
    data->m_offers[4].contractor = "Piąty";
    Run([&](CKryteriumCenaDlg &d) {
        Enter(d, IDC_EVAL_OFFER_COUNT, "3");
        EXPECT_EQ(d.GetPanel()->GetRowCount(), 3);
        // The cheapest offer went with row 4: the rest score against 200 at once.
        EXPECT_EQ(Text(&Row(d, 0), IDC_EVAL_ROW_BEST), "200.00");
        EXPECT_EQ(Text(&Row(d, 1), IDC_EVAL_ROW_POINTS), "80.00");
    });
    EXPECT_EQ(data->m_nOfferCount, 3);
    EXPECT_EQ(data->m_offers[3].grossPrice, 100);
    EXPECT_EQ(data->m_offers[4].contractor, "Piąty");

    Run([&](CKryteriumCenaDlg &d) {
        Enter(d, IDC_EVAL_OFFER_COUNT, "5");
        EXPECT_EQ(Text(&Row(d, 4), IDC_PRICE_ROW_CONTRACTOR), "Piąty");
        EXPECT_EQ(Text(&Row(d, 4), IDC_EVAL_ROW_NUMBER), "5");
        // The lower stored price reaches every row.
        EXPECT_EQ(Text(&Row(d, 0), IDC_EVAL_ROW_BEST), "100.00");
    });
    EXPECT_EQ(data->m_nOfferCount, 5);
}

TEST_F(PriceDialog, AHundredOffersAreRefusedAndTheCountStays)
{
    data.reset(Record("80", {100, 200}));
    Run([&](CKryteriumCenaDlg &d) {
        Enter(d, IDC_EVAL_OFFER_COUNT, "100");
        EXPECT_EQ(Text(&d, IDC_EVAL_OFFER_COUNT), "2");
        EXPECT_EQ(d.GetPanel()->GetRowCount(), 2);
    });
    ASSERT_EQ(driver.messages.size(), 1u);
    EXPECT_EQ(driver.messages[0].text, "Maksymalna ilość ofert to 99");
    EXPECT_EQ(driver.messages[0].caption, "Błąd");
    EXPECT_EQ(driver.messages[0].type & MB_ICONMASK, (UINT)MB_ICONERROR);
    EXPECT_EQ(data->m_nOfferCount, 2);
}

TEST_F(PriceDialog, AddedRowsScoreWithTheWeightInTheField)
{
    data.reset(Record("80", {100, 200, 400}));
    data->m_nOfferCount = 1;
    Run([&](CKryteriumCenaDlg &d) {
        Enter(d, IDC_EVAL_WEIGHT, "50");
        Enter(d, IDC_EVAL_OFFER_COUNT, "3");
        EXPECT_EQ(Scores(d), (std::vector<CString>{"100.00", "50.00", "100.00", "25.00", "100.00", "12.50"}));
    });
}

TEST_F(PriceDialog, WithoutARecordItWorksAndStoresNothing)
{
    CKryteriumCenaDlg dialog(nullptr);
    driver.Run(dialog, [&](CDialog &d) {
        EXPECT_EQ(Text(&d, IDC_EVAL_OFFER_COUNT), "");
        Enter(d, IDC_EVAL_OFFER_COUNT, "2");
        Enter(d, IDC_EVAL_WEIGHT, "10");
        Enter(*dialog.GetPanel()->GetOfferRow(0), IDC_PRICE_ROW_PRICE, "20");
        EXPECT_EQ(Text(dialog.GetPanel()->GetOfferRow(0), IDC_EVAL_ROW_POINTS), "10.00");
    });
    EXPECT_EQ(dialog.m_pData, nullptr);
}

// The components dialog opened from a row is answered by `answer`.
struct PriceComponents : PriceDialog {
    void RunWithComponents(const std::function<void(CElementySkladoweKryteriumDlg &)> &answer)
    {
        CKryteriumCenaDlg dialog(data.get());
        CTestHook hook;
        hook.onDialog = [&](CDialog &shown) {
            if (auto *components = dynamic_cast<CElementySkladoweKryteriumDlg *>(&shown)) {
                received = components->m_strComponents;
                answer(*components);
            } else if (&shown == &dialog) {
                DialogDriver::Press(Row(dialog, 1), IDC_PRICE_ROW_COMPONENTS);
                scores = Scores(dialog);
                shownPrice = Text(&Row(dialog, 1), IDC_PRICE_ROW_PRICE);
            }
        };
        CTestHookScope scope(hook);
        dialog.DoModal();
    }

    CString received;
    std::vector<CString> scores;
    CString shownPrice;
};

TEST_F(PriceComponents, OkWithTransferSetsThePriceAndScoresAgain)
{
    data.reset(Record("80", {100, 200}));
    data->m_offers[1].priceComponents = "stara|10|23|12.30\n";
    RunWithComponents([](CElementySkladoweKryteriumDlg &c) {
        c.m_strComponents = "dostawa|40|23|49.20\n";
        c.m_strGrossTotal = "49.20";
        c.m_bTransferGross = TRUE;
        c.EndDialog(IDOK);
    });
    EXPECT_EQ(received, "stara|10|23|12.30\n");
    EXPECT_EQ(shownPrice, "49.20");
    EXPECT_EQ(scores, (std::vector<CString>{"49.20", "39.36", "49.20", "80.00"}));
    EXPECT_EQ(data->m_offers[1].priceComponents, "dostawa|40|23|49.20\n");
    EXPECT_DOUBLE_EQ(data->m_offers[1].grossPrice, 49.2);
}

TEST_F(PriceComponents, WithoutTransferOnlyTheComponentsChangeAndCancelChangesNothing)
{
    const struct {
        int result;
        BOOL transfer;
        const char *components;
    } cases[] = {
        {IDOK, FALSE, "nowa|1|23|1.23\n"},
        {IDCANCEL, TRUE, "stara|10|23|12.30\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.result);
        data.reset(Record("80", {100, 200}));
        data->m_offers[1].priceComponents = "stara|10|23|12.30\n";
        RunWithComponents([&](CElementySkladoweKryteriumDlg &dlg) {
            dlg.m_strComponents = "nowa|1|23|1.23\n";
            dlg.m_strGrossTotal = "1.23";
            dlg.m_bTransferGross = c.transfer;
            dlg.EndDialog(c.result);
        });
        EXPECT_EQ(shownPrice, "200.00");
        EXPECT_EQ(data->m_offers[1].priceComponents, c.components);
        EXPECT_EQ(data->m_offers[1].grossPrice, 200);
    }
}

// ---- Delivery term ------------------------------------------------------------------------

struct TermDialog : ::testing::Test {
    void Run(const std::function<void(CKryteriumTerminDlg &)> &act)
    {
        CKryteriumTerminDlg dialog(&data);
        driver.Run(dialog, [&](CDialog &) { act(dialog); });
    }
    static COfertaTerminDlg &Row(CKryteriumTerminDlg &dialog, int i)
    {
        COfertaTerminDlg *row = dialog.GetPanel()->GetOfferRow(i);
        EXPECT_NE(row, nullptr);
        return *row;
    }
    static std::vector<CString> Scores(CKryteriumTerminDlg &dialog)
    {
        std::vector<CString> shown;
        for (int i = 0; i < dialog.GetPanel()->GetRowCount(); ++i) {
            shown.push_back(Text(&Row(dialog, i), IDC_EVAL_ROW_BEST));
            shown.push_back(Text(&Row(dialog, i), IDC_EVAL_ROW_POINTS));
        }
        return shown;
    }
    void Terms(const char *weight, std::initializer_list<double> terms)
    {
        data.m_strTermWeight = weight;
        data.m_nOfferCount = (int)terms.size();
        int i = 0;
        for (double term : terms)
            data.m_offers[i++].term = term;
    }

    CCriteriaData data;
    DialogDriver driver;
};

TEST_F(TermDialog, ScoresEveryOfferAgainstTheShortestTerm)
{
    const struct {
        const char *weight;
        std::initializer_list<double> terms;
        std::vector<CString> scores;
    } cases[] = {
        {"20", {30, 60, 0}, {"30", "20", "30", "10", "30", "0"}},
        {"10", {7, 9}, {"7", "10", "7", "7.777"}},
        {"10", {0, 0}, {"0", "0", "0", "0"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.weight);
        Terms(c.weight, c.terms);
        Run([&](CKryteriumTerminDlg &d) {
            EXPECT_EQ(Text(&d, IDC_EVAL_FORMULA_WEIGHT), c.weight);
            EXPECT_EQ(Scores(d), c.scores);
        });
    }
}

TEST_F(TermDialog, EditedTermsAndWeightScoreAgain)
{
    Terms("20", {30, 60, 0});
    Run([&](CKryteriumTerminDlg &d) {
        Enter(Row(d, 0), IDC_TERM_ROW_TERM, "");
        EXPECT_EQ(Scores(d), (std::vector<CString>{"60", "0", "60", "20", "60", "0"}));
        Enter(Row(d, 2), IDC_TERM_ROW_TERM, "15");
        Enter(d, IDC_EVAL_WEIGHT, "40");
        EXPECT_EQ(Text(&d, IDC_EVAL_FORMULA_WEIGHT), "40");
        EXPECT_EQ(Scores(d), (std::vector<CString>{"15", "0", "15", "10", "15", "40"}));
        Enter(d, IDC_EVAL_OFFER_COUNT, "2");
        // The shortest term left with row 3.
        EXPECT_EQ(Scores(d), (std::vector<CString>{"60", "0", "60", "40"}));
    });
    EXPECT_EQ(data.m_nOfferCount, 2);
    EXPECT_EQ(data.m_offers[0].term, 0);
    // Offer 3 went before the dialog closed: the record keeps what it held.
    EXPECT_EQ(data.m_offers[2].term, 0);
    EXPECT_EQ(data.m_strTermWeight, "40");
}

TEST_F(TermDialog, AStoredFractionIsShownWholeAndKeptUntilEdited)
{
    Terms("10", {12.75, 20});
    Run([&](CKryteriumTerminDlg &d) {
        EXPECT_EQ(Text(&Row(d, 0), IDC_TERM_ROW_TERM), "12");
        TypeOnly(Row(d, 1), IDC_TERM_ROW_TERM, L"25");
    });
    EXPECT_EQ(data.m_offers[0].term, 12.75);
    EXPECT_EQ(data.m_offers[1].term, 25);
}

TEST_F(TermDialog, TheChosenUnitAndTheFieldsAreStored)
{
    Terms("", {5});
    data.m_nTermUnit = 1;
    data.m_strDate = "2025-01-02";
    Run([&](CKryteriumTerminDlg &d) {
        EXPECT_EQ(d.IsDlgButtonChecked(IDC_TERM_UNIT_MONTHS), (UINT)BST_CHECKED);
        EXPECT_EQ(Text(&Row(d, 0), IDC_EVAL_ROW_POINTS), "0");
        d.CheckDlgButton(IDC_TERM_UNIT_MONTHS, BST_UNCHECKED);
        d.CheckDlgButton(IDC_TERM_UNIT_YEARS, BST_CHECKED);
        d.SetDlgItemText(IDC_EVAL_DATE, "2025-02-03");
        d.SetDlgItemText(IDC_EVAL_CASE_NUMBER, "ZP.7");
    });
    EXPECT_EQ(data.m_nTermUnit, 2);
    EXPECT_EQ(data.m_strDate, "2025-02-03");
    EXPECT_EQ(data.m_strCaseNumber, "ZP.7");
}

TEST_F(TermDialog, AHundredOffersAreRefusedAndTheCountStays)
{
    Terms("10", {5, 6, 7});
    Run([&](CKryteriumTerminDlg &d) {
        Enter(d, IDC_EVAL_OFFER_COUNT, "150");
        EXPECT_EQ(Text(&d, IDC_EVAL_OFFER_COUNT), "3");
    });
    ASSERT_EQ(driver.messages.size(), 1u);
    EXPECT_EQ(driver.messages[0].text, "Maksymalna ilość ofert to 99");
    EXPECT_EQ(data.m_nOfferCount, 3);
}

TEST_F(TermDialog, WithoutARecordItWorksAndStoresNothing)
{
    CKryteriumTerminDlg dialog(nullptr);
    driver.Run(dialog, [&](CDialog &d) {
        Enter(d, IDC_EVAL_OFFER_COUNT, "2");
        Enter(d, IDC_EVAL_WEIGHT, "10");
        Enter(*dialog.GetPanel()->GetOfferRow(1), IDC_TERM_ROW_TERM, "4");
        EXPECT_EQ(Text(dialog.GetPanel()->GetOfferRow(1), IDC_EVAL_ROW_POINTS), "10");
    });
    EXPECT_EQ(dialog.m_pData, nullptr);
}

} // namespace
