#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "evaluation/criteria/price_component_dlg.h"
#include "evaluation/criteria/price_components.h"
#include "evaluation/criteria/price_components_dlg.h"
#include "framework/ui/ui.h"
#include "res/price_components_ids.h"

namespace {

std::string Line(const PriceComponent &c)
{
    return std::string(c.name) + "|" + std::string(c.net) + "|" + std::string(c.vatRate) + "|" + std::string(c.gross);
}

std::vector<std::string> Lines(const std::vector<PriceComponent> &components)
{
    std::vector<std::string> lines;
    for (const PriceComponent &c : components)
        lines.push_back(Line(c));
    return lines;
}

TEST(PriceComponentsText, ReadsLinesOfFourFieldsAndSkipsTheRest)
{
    const struct {
        const char *text;
        std::vector<std::string> rows;
        const char *netTotal;
        const char *grossTotal;
    } cases[] = {
        {"", {}, "0.00", "0.00"},
        {"\n\n \n", {}, "0.00", "0.00"},
        {"Roboty|100.00|23|123.00\nMateriały|50|8|54\n",
         {"Roboty|100.00|23|123.00", "Materiały|50|8|54"},
         "150.00",
         "177.00"},
        // blanks and line ends around a line go, short lines are skipped
        {"  Dach|10|23|12.30 \r\n\nx|1|2\nPłot|1,5|0|1,5", {"Dach|10|23|12.30", "Płot|1,5|0|1,5"}, "11.50", "13.80"},
        // a fifth field is ignored
        {"a|1|5|1.05|reszta\n", {"a|1|5|1.05"}, "1.00", "1.05"},
        // amounts that are not numbers stay as written and count as 0
        {"Usługa|abc|23|x\n", {"Usługa|abc|23|x"}, "0.00", "0.00"},
        // a component saved without a name keeps its amounts in their columns
        {"|10.00|23|12.30\n", {"|10.00|23|12.30"}, "10.00", "12.30"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        const std::vector<PriceComponent> components = ReadPriceComponents(c.text);
        EXPECT_EQ(c.rows, Lines(components));
        const PriceComponentTotals totals = SumPriceComponents(components);
        EXPECT_STREQ(c.netTotal, totals.net);
        EXPECT_STREQ(c.grossTotal, totals.gross);
    }
}

TEST(PriceComponentsText, ANameWithABarIsStoredWithACommaAndReadsBackWhole)
{
    const std::vector<PriceComponent> written = {
        {ComponentName("Dach | pokrycie|obróbki"), "100.00", "23", "123.00"},
        {ComponentName(""), "1.00", "0", "1.00"},
    };
    const CString text = WritePriceComponents(written);
    EXPECT_STREQ("Dach , pokrycie,obróbki|100.00|23|123.00\n|1.00|0|1.00\n", text);
    EXPECT_EQ(Lines(written), Lines(ReadPriceComponents(text)));
}

TEST(PriceComponentsVat, ComboItemsAndStoredRates)
{
    const struct {
        const char *stored;
        int index;
        int rate;
    } cases[] = {
        {"23", 0, 23}, {"22", 0, 23}, {"8", 1, 8}, {"7", 1, 8},    {"5", 2, 5},
        {"0", 3, 0},   {"15", 0, 23}, {"", 0, 23}, {"23%", 0, 23},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.stored);
        const int index = VatComboIndexForRate(c.stored);
        EXPECT_EQ(c.index, index);
        EXPECT_EQ(c.rate, VatRateFromComboIndex(index));
    }
    for (int index : {-1, 4})
        EXPECT_EQ(23, VatRateFromComboIndex(index)) << index;
}

TEST(PriceComponentsAmounts, NetAndGrossThroughTheRate)
{
    enum Direction { kNetToGross, kGrossToNet };
    const struct {
        Direction direction;
        double amount;
        int rate;
        const char *expected;
    } cases[] = {
        {kNetToGross, 100, 23, "123.00"},
        {kNetToGross, 100, 0, "100.00"},
        {kNetToGross, 0.5, 23, "0.62"}, // 0.615 in binary is just below the half cent
        {kNetToGross, 1234567.89, 8, "1333333.32"},
        {kGrossToNet, 108, 8, "100.00"},
        {kGrossToNet, 123, 23, "100.00"},
        {kGrossToNet, 10, 23, "8.13"},
        {kGrossToNet, -0.001, 5, "0.00"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.amount);
        const double result =
            c.direction == kNetToGross ? GrossFromNet(c.amount, c.rate) : NetFromGross(c.amount, c.rate);
        EXPECT_STREQ(c.expected, AmountText(result));
    }
}

// ---- the dialogs, answered through the test hook ----

void Notify(CWnd &dialog, int id, int code)
{
    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(id, code), (LPARAM)dialog.GetDlgItem(id)->m_hWnd);
}

void Press(CWnd &dialog, int id)
{
    Notify(dialog, id, BN_CLICKED);
}

CString Text(CWnd &dialog, int id)
{
    CString text;
    dialog.GetDlgItemText(id, text);
    return text;
}

void ChooseVat(CElementSkladowyCenyBrutto &dialog, int index)
{
    dialog.m_vat.SetCurSel(index);
    Notify(dialog, IDC_COMPONENT_VAT, CBN_SELCHANGE);
}

// What the single component dialog showed when it opened.
struct ShownComponent {
    std::string name, net, gross;
    int vatIndex;
};

// Runs the list dialog; each single component dialog it opens is recorded and answered by the
// next answer queued (none left: it stays open and ends as Cancel).
class PriceComponentsDialogTest : public ::testing::Test {
protected:
    using Answer = std::function<void(CElementSkladowyCenyBrutto &)>;

    INT_PTR Run(const std::function<void(CElementySkladoweKryteriumDlg &)> &actions)
    {
        CTestHook hook;
        hook.onDialog = [&](CDialog &d) {
            if (auto *single = dynamic_cast<CElementSkladowyCenyBrutto *>(&d)) {
                shown.push_back({(LPCSTR)Text(d, IDC_COMPONENT_NAME), (LPCSTR)Text(d, IDC_COMPONENT_NET),
                                 (LPCSTR)Text(d, IDC_COMPONENT_GROSS), single->m_vat.GetCurSel()});
                if (answers.empty())
                    return;
                const Answer answer = answers.front();
                answers.pop_front();
                answer(*single);
                return;
            }
            if (&d == &dialog)
                actions(dialog);
        };
        CTestHookScope scope(hook);
        return dialog.DoModal();
    }

    std::vector<std::string> Rows()
    {
        std::vector<std::string> rows;
        for (int row = 0; row < dialog.m_list.GetItemCount(); ++row)
            rows.push_back(std::string(dialog.m_list.GetItemText(row, 0)) + "|"
                           + std::string(dialog.m_list.GetItemText(row, 1)) + "|"
                           + std::string(dialog.m_list.GetItemText(row, 2)) + "|"
                           + std::string(dialog.m_list.GetItemText(row, 3)));
        return rows;
    }
    std::string Totals()
    {
        return std::string(Text(dialog, IDC_COMPONENTS_NET_TOTAL)) + " / "
               + std::string(Text(dialog, IDC_COMPONENTS_GROSS_TOTAL));
    }
    void Select(int row) { dialog.m_list.SetItemState(row, LVIS_SELECTED, LVIS_SELECTED); }

    CElementySkladoweKryteriumDlg dialog;
    std::deque<Answer> answers;
    std::vector<ShownComponent> shown;
};

const char kTwoComponents[] = "Roboty|100.00|23|123.00\nMateriały|50.00|22|61.00\n";

TEST_F(PriceComponentsDialogTest, OpensWithTheRowsAndTotalsAndOkGivesThemBack)
{
    dialog.m_strComponents = "  Roboty|100.00|23|123.00\r\nzły wiersz\nMateriały|50.00|22|61.00";
    std::vector<std::string> rows;
    std::string totals;
    int checked = -1;
    const INT_PTR result = Run([&](CElementySkladoweKryteriumDlg &d) {
        rows = Rows();
        totals = Totals();
        checked = (int)d.IsDlgButtonChecked(IDC_COMPONENTS_TRANSFER_GROSS);
        d.OnOK();
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ((std::vector<std::string>{"Roboty|100.00|23|123.00", "Materiały|50.00|22|61.00"}), rows);
    EXPECT_EQ("150.00 / 184.00", totals);
    EXPECT_EQ(BST_CHECKED, checked);
    EXPECT_STREQ(kTwoComponents, dialog.m_strComponents);
    EXPECT_STREQ("150.00", dialog.m_strNetTotal);
    EXPECT_STREQ("184.00", dialog.m_strGrossTotal);
    EXPECT_TRUE(dialog.m_bTransferGross);
}

TEST_F(PriceComponentsDialogTest, EmptyTextGivesAnEmptyListAndZeroTotals)
{
    std::string totals;
    Run([&](CElementySkladoweKryteriumDlg &d) {
        totals = Totals();
        d.CheckDlgButton(IDC_COMPONENTS_TRANSFER_GROSS, BST_UNCHECKED);
        d.OnOK();
    });
    EXPECT_EQ("0.00 / 0.00", totals);
    EXPECT_STREQ("", dialog.m_strComponents);
    EXPECT_STREQ("0.00", dialog.m_strGrossTotal);
    EXPECT_FALSE(dialog.m_bTransferGross);
}

TEST_F(PriceComponentsDialogTest, AddAppendsTheTypedComponent)
{
    dialog.m_strComponents = "Roboty|100.00|23|123.00\n";
    answers.push_back([](CElementSkladowyCenyBrutto &d) {
        d.SetDlgItemText(IDC_COMPONENT_NAME, "Dach | pokrycie");
        d.SetDlgItemText(IDC_COMPONENT_NET, "200");
        Notify(d, IDC_COMPONENT_NET, EN_KILLFOCUS);
        ChooseVat(d, 1);
        d.OnOK();
    });
    answers.push_back([](CElementSkladowyCenyBrutto &) {}); // cancelled: nothing added
    std::string totals;
    Run([&](CElementySkladoweKryteriumDlg &d) {
        Press(d, IDC_COMPONENTS_ADD);
        Press(d, IDC_COMPONENTS_ADD);
        totals = Totals();
        d.OnOK();
    });
    ASSERT_EQ(2u, shown.size());
    EXPECT_EQ("", shown[0].name);
    EXPECT_EQ("", shown[0].net);
    EXPECT_EQ(3, shown[0].vatIndex); // "0%"
    EXPECT_EQ("300.00 / 339.00", totals);
    EXPECT_STREQ("Roboty|100.00|23|123.00\nDach , pokrycie|200.00|8|216.00\n", dialog.m_strComponents);
}

TEST_F(PriceComponentsDialogTest, EditRewritesTheSelectedRowAndAStoredTwentyTwoBecomesTwentyThree)
{
    dialog.m_strComponents = kTwoComponents;
    answers.push_back([](CElementSkladowyCenyBrutto &d) { d.OnOK(); });
    answers.push_back([](CElementSkladowyCenyBrutto &d) {
        ChooseVat(d, 1);
        d.SetDlgItemText(IDC_COMPONENT_GROSS, "108");
        Notify(d, IDC_COMPONENT_GROSS, EN_KILLFOCUS);
        d.OnOK();
    });
    std::vector<std::string> rows;
    std::string totals;
    Run([&](CElementySkladoweKryteriumDlg &d) {
        Press(d, IDC_COMPONENTS_EDIT); // no selection: no dialog
        Select(1);
        Press(d, IDC_COMPONENTS_EDIT);
        Select(0);
        Press(d, IDC_COMPONENTS_EDIT);
        rows = Rows();
        totals = Totals();
        d.OnOK();
    });
    ASSERT_EQ(2u, shown.size());
    EXPECT_EQ("Materiały", shown[0].name);
    EXPECT_EQ("50.00", shown[0].net);
    EXPECT_EQ("61.00", shown[0].gross);
    EXPECT_EQ(0, shown[0].vatIndex);
    EXPECT_EQ(0, shown[1].vatIndex);
    EXPECT_EQ((std::vector<std::string>{"Roboty|100.00|8|108.00", "Materiały|50.00|23|61.00"}), rows);
    EXPECT_EQ("150.00 / 169.00", totals);
    EXPECT_STREQ("Roboty|100.00|8|108.00\nMateriały|50.00|23|61.00\n", dialog.m_strComponents);
}

TEST_F(PriceComponentsDialogTest, DeleteRemovesTheSelectedRowWithoutAQuestion)
{
    dialog.m_strComponents = kTwoComponents;
    std::string totals;
    Run([&](CElementySkladoweKryteriumDlg &d) {
        Press(d, IDC_COMPONENTS_DELETE); // no selection: nothing
        Select(0);
        Press(d, IDC_COMPONENTS_DELETE);
        totals = Totals();
        d.OnOK();
    });
    EXPECT_EQ("50.00 / 61.00", totals);
    EXPECT_STREQ("Materiały|50.00|22|61.00\n", dialog.m_strComponents);
}

TEST_F(PriceComponentsDialogTest, CancelKeepsTheText)
{
    dialog.m_strComponents = kTwoComponents;
    const INT_PTR result = Run([&](CElementySkladoweKryteriumDlg &d) {
        Select(0);
        Press(d, IDC_COMPONENTS_DELETE);
    });
    EXPECT_EQ(IDCANCEL, result);
    EXPECT_STREQ(kTwoComponents, dialog.m_strComponents);
}

// The single dialog on its own: the amounts follow each other as the fields are left.
TEST(PriceComponentDialog, AmountsFollowTheRate)
{
    const struct {
        const char *what;
        std::function<void(CElementSkladowyCenyBrutto &)> actions;
        const char *netShown; // before OK
        const char *net;
        const char *gross;
        int rate;
    } cases[] = {
        {"net left at 23%",
         [](CElementSkladowyCenyBrutto &d) {
             ChooseVat(d, 0);
             d.SetDlgItemText(IDC_COMPONENT_NET, "100");
             Notify(d, IDC_COMPONENT_NET, EN_KILLFOCUS);
         },
         "100.00", "100.00", "123.00", 23},
        {"rate changed leaves the net as typed",
         [](CElementSkladowyCenyBrutto &d) {
             d.SetDlgItemText(IDC_COMPONENT_NET, "100,5");
             ChooseVat(d, 0);
         },
         "100,5", "100.50", "123.62", 23},
        {"gross left at 5%",
         [](CElementSkladowyCenyBrutto &d) {
             ChooseVat(d, 2);
             d.SetDlgItemText(IDC_COMPONENT_GROSS, "210");
             Notify(d, IDC_COMPONENT_GROSS, EN_KILLFOCUS);
         },
         "200.00", "200.00", "210.00", 5},
        {"Enter while still in the net field",
         [](CElementSkladowyCenyBrutto &d) {
             ChooseVat(d, 1);
             d.GetDlgItem(IDC_COMPONENT_NET)->SetFocus();
             d.SetDlgItemText(IDC_COMPONENT_NET, "50");
         },
         "50", "50.00", "54.00", 8},
        {"not a number reads as 0",
         [](CElementSkladowyCenyBrutto &d) {
             d.SetDlgItemText(IDC_COMPONENT_NET, "sto");
             Notify(d, IDC_COMPONENT_NET, EN_KILLFOCUS);
         },
         "0.00", "0.00", "0.00", 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        CElementSkladowyCenyBrutto dialog;
        CString netShown;
        CTestHook hook;
        hook.onDialog = [&](CDialog &d) {
            c.actions(dialog);
            netShown = Text(d, IDC_COMPONENT_NET);
            dialog.OnOK();
        };
        CTestHookScope scope(hook);
        ASSERT_EQ(IDOK, dialog.DoModal());
        EXPECT_STREQ(c.netShown, netShown);
        EXPECT_STREQ(c.net, dialog.m_strNet);
        EXPECT_STREQ(c.gross, dialog.m_strGross);
        EXPECT_EQ(c.rate, dialog.m_nVatRate);
    }
}

} // namespace
