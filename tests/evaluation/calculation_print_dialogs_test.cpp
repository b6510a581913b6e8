// The "Drukuj" buttons of the three evaluation dialogs, run under the test hook: what each
// printout takes from the dialog's fields, panel and rows, and that the button opens the print
// dialog (and, with the PDF printer of the run, prints).
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <set>
#include <string>

#include "evaluation/criteria/balance_dlg.h"
#include "evaluation/criteria/calculation_print_dialogs.h"
#include "model/criteria_data.h"
#include "evaluation/criteria/price_criterion_dlg.h"
#include "evaluation/criteria/term_criterion_dlg.h"
#include "framework/core/codepage.h"
#include "framework/ui/ui.h"
#include "res/evaluation_balance_ids.h"
#include "res/evaluation_ids.h"

namespace {

std::string S(const CString &text)
{
    return text.GetString();
}

// Runs a dialog; act works on it once it is open. Print dialogs are answered by printDialog
// (cancelled when it is empty) and counted.
struct DialogRun {
    int printDialogs = 0;
    std::vector<std::string> messages;

    template <class Dialog>
    void operator()(Dialog &dialog, const std::function<void(Dialog &)> &act,
                    const std::function<INT_PTR(CCommonDialog &)> &printDialog = nullptr)
    {
        CTestHook hook;
        hook.onDialog = [&](CDialog &shown) {
            if (&shown == &dialog)
                act(dialog);
        };
        hook.onCommonDialog = [&](CCommonDialog &common) -> INT_PTR {
            ++printDialogs;
            EXPECT_NE(nullptr, dynamic_cast<CPrintDialog *>(&common));
            return printDialog ? printDialog(common) : IDCANCEL;
        };
        hook.onMessageBox = [&](const CString &text, const CString &, UINT) {
            messages.push_back(S(text));
            return IDOK;
        };
        CTestHookScope scope(hook);
        dialog.DoModal();
    }
};

void Press(CWnd &dialog, int id)
{
    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)dialog.GetDlgItem(id)->m_hWnd);
}

// Two offers of 100 and 200 at weight 80.
std::unique_ptr<CCriteriaData> PriceRecord()
{
    auto data = std::make_unique<CCriteriaData>();
    data->m_strDate = "2026-05-04";
    data->m_strCaseNumber = "ZP.271.7.2026";
    data->m_strPriceWeight = "80";
    data->m_nOfferCount = 2;
    data->m_offers[0].grossPrice = 100;
    data->m_offers[0].contractor = "Firma A";
    data->m_offers[1].grossPrice = 200;
    data->m_offers[1].priceComponents = "Dostawa|162.60|23|200.00\n";
    return data;
}

} // namespace

TEST(CalculationPrintDialogs, PricePrintoutTakesWhatTheDialogShows)
{
    auto data = PriceRecord();
    CKryteriumCenaDlg dialog(data.get());
    DialogRun run;
    PriceCalculationPrint print;
    run(dialog, std::function<void(CKryteriumCenaDlg &)>([&](CKryteriumCenaDlg &d) {
            // A weight typed but not yet left counts as it is shown.
            d.SetDlgItemText(IDC_EVAL_WEIGHT, "60");
            print = PriceCalculationOf(d);
            Press(d, IDC_PRICE_PRINT);
        }));
    EXPECT_EQ(1, run.printDialogs);
    EXPECT_EQ("ZP.271.7.2026", S(print.header.caseNumber));
    EXPECT_EQ("2026-05-04", S(print.header.date));
    EXPECT_EQ("60", S(print.header.weight));
    EXPECT_EQ("2", S(print.header.offerCount));
    ASSERT_EQ(2u, print.rows.size());
    EXPECT_EQ("1", S(print.rows[0].number));
    EXPECT_EQ("Firma A", S(print.rows[0].contractor));
    EXPECT_EQ("100.00", S(print.rows[0].price));
    EXPECT_EQ("100.00", S(print.rows[0].lowestPrice));
    EXPECT_EQ("80.00", S(print.rows[0].points));
    EXPECT_EQ("2", S(print.rows[1].number));
    EXPECT_EQ("200.00", S(print.rows[1].price));
    EXPECT_EQ("40.00", S(print.rows[1].points));
    EXPECT_EQ("Dostawa|162.60|23|200.00\n", S(print.rows[1].components));
}

TEST(CalculationPrintDialogs, TermPrintoutNamesTheCheckedUnit)
{
    CCriteriaData data;
    data.m_strTermWeight = "20";
    data.m_nTermUnit = 2;
    data.m_nOfferCount = 2;
    data.m_offers[0].term = 30;
    data.m_offers[1].term = 60;
    CKryteriumTerminDlg dialog(&data);
    DialogRun run;
    TermCalculationPrint print;
    run(dialog, std::function<void(CKryteriumTerminDlg &)>([&](CKryteriumTerminDlg &d) {
            d.SetDlgItemText(IDC_EVAL_WEIGHT, "20");
            d.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_EVAL_WEIGHT, EN_KILLFOCUS),
                          (LPARAM)d.GetDlgItem(IDC_EVAL_WEIGHT)->m_hWnd);
            print = TermCalculationOf(d);
            // The buttons' ids are not in order, so each is set on its own.
            d.CheckDlgButton(IDC_TERM_UNIT_YEARS, BST_UNCHECKED);
            d.CheckDlgButton(IDC_TERM_UNIT_DAYS, BST_CHECKED);
            EXPECT_EQ("dniach", S(TermCalculationOf(d).header.termUnit));
            Press(d, IDC_TERM_PRINT);
        }));
    EXPECT_EQ(1, run.printDialogs);
    EXPECT_EQ("latach", S(print.header.termUnit));
    EXPECT_EQ("20", S(print.header.weight));
    ASSERT_EQ(2u, print.rows.size());
    EXPECT_EQ("2", S(print.rows[1].number));
    EXPECT_EQ("60", S(print.rows[1].term));
    EXPECT_EQ("30", S(print.rows[1].shortest));
    EXPECT_EQ("10", S(print.rows[1].points));
}

TEST(CalculationPrintDialogs, BalancePrintoutTakesCriteriaRowsAndSentence)
{
    CCriteriaData data;
    data.m_strCaseNumber = "ZP.271.8.2026";
    data.m_strPriceWeight = "60";
    data.m_nCriteriaCount = 1;
    data.m_strCriterionName[0] = "jakość";
    data.m_strCriterionWeight[0] = "40";
    data.m_nOfferCount = 3;
    data.m_offers[0].grossPrice = 100;
    data.m_offers[0].points[0] = 30;
    data.m_offers[2].grossPrice = 150;
    data.m_offers[2].points[0] = 40;
    CBilansPunktowyDlg dialog(&data);
    DialogRun run;
    BalancePrint print;
    CString shownSentence;
    run(dialog, std::function<void(CBilansPunktowyDlg &)>([&](CBilansPunktowyDlg &d) {
            print = BalanceOf(d);
            d.GetDlgItemText(IDC_BALANCE_RESULT, shownSentence);
            Press(d, IDC_BALANCE_PRINT);
        }));
    EXPECT_EQ(1, run.printDialogs);
    EXPECT_EQ("ZP.271.8.2026", S(print.caseNumber));
    EXPECT_EQ("3", S(print.offerCount));
    EXPECT_EQ("60", S(print.priceWeight));
    ASSERT_EQ(1u, print.criteria.size());
    EXPECT_EQ("jakość", S(print.criteria[0].name));
    EXPECT_EQ("40", S(print.criteria[0].weight));
    EXPECT_FALSE(shownSentence.IsEmpty());
    EXPECT_EQ(S(shownSentence), S(print.resultSentence));

    ASSERT_EQ(3u, print.rows.size());
    EXPECT_EQ(0, print.rows[1].grossPrice) << "left out of the printout";
    EXPECT_EQ(150, print.rows[2].grossPrice);
    EXPECT_EQ("3", S(print.rows[2].number));
    // "cena" 40 points (100 / 150 x 60), "jakość" 40, total 80.
    ASSERT_EQ(3u, print.rows[2].lines.size());
    EXPECT_EQ("cena", S(print.rows[2].lines[0].name));
    EXPECT_EQ("40", S(print.rows[2].lines[0].points));
    EXPECT_EQ("jakość", S(print.rows[2].lines[1].name));
    EXPECT_EQ("80", S(print.rows[2].lines[2].points));
}

TEST(CalculationPrintDialogs, PriceDialogPrintsOnThePdfPrinter)
{
    const char *out = getenv("MORVELANK_PRINT_OUTPUT_DIR");
    if (out == nullptr || *out == '\0')
        GTEST_SKIP() << "no PDF printer in this run";
    std::wstring folder = L"Z:" + Cp1250ToWide(out);
    for (wchar_t &c : folder)
        c = c == L'/' ? L'\\' : c;
    auto countPdfs = [&] {
        int count = 0;
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW((folder + L"\\*.pdf").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE)
            return 0;
        do
            ++count;
        while (FindNextFileW(search, &found));
        FindClose(search);
        return count;
    };

    auto data = PriceRecord();
    CKryteriumCenaDlg dialog(data.get());
    DialogRun run;
    const int before = countPdfs();
    run(dialog, std::function<void(CKryteriumCenaDlg &)>([&](CKryteriumCenaDlg &d) { Press(d, IDC_PRICE_PRINT); }),
        [](CCommonDialog &) -> INT_PTR { return IDOK; });
    EXPECT_TRUE(run.messages.empty());
    int after = countPdfs();
    for (int tries = 0; tries < 300 && after == before; ++tries) {
        Sleep(100);
        after = countPdfs();
    }
    EXPECT_EQ(before + 1, after);
}
