#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "proceeding/editors/criteria_list_dlg.h"
#include "proceeding/editors/offers_summary.h"
#include "proceeding/editors/offers_summary_dlg.h"
#include "res/editors_ids.h"
#include "tests/support/dialog_driver.h"

namespace {

// A table as one string: the criteria, then each row's cells, "|" between cells.
std::string Describe(const OffersSummaryTable &table)
{
    std::string text = "[";
    for (size_t i = 0; i < table.criteria.size(); ++i)
        text += (i ? "," : "") + std::string(table.criteria[i]);
    text += "]";
    for (const OffersSummaryRow &row : table.rows) {
        text += " ";
        for (size_t i = 0; i < row.size(); ++i)
            text += (i ? "|" : "") + std::string(row[i]);
    }
    return text;
}

TEST(OffersSummaryText, ReadingTakesTheCriteriaFromTheFirstLine)
{
    const struct {
        const char *text;
        const char *table;
        bool damaged;
    } cases[] = {
        {"1 | Cena=90 | Termin=10 | Suma=100", "[Cena,Termin] 1|90|10|100", false},
        {"", "[]", false},
        {"\n1 | Cena=90 | Suma=90\n", "[]", false},
        // A blank line ends the offers.
        {"1 | A=1 | Suma=1\n\n2 | A=2 | Suma=2\n", "[A] 1|1|1", false},
        // The last offer counts also without a line end after it.
        {"1 | A=1 | Suma=1\n2 | A=2 | Suma=2", "[A] 1|1|1 2|2|2", false},
        {"1 | A=1 | Suma=1\r\n2 | A=2 | Suma=2\r\n", "[A] 1|1|1 2|2|2", false},
        // Names are trimmed; cells keep their blanks; the offer number loses its part up to "=".
        {"Nr=7 |  Cena jedn. = 4,5  | Suma=4.50 ", "[Cena jedn.] 7| 4,5 |4.50 ", false},
        // A criterion without "=" is named by its whole text and keeps its column.
        {"1 | Cena | Termin=5 | Suma=5", "[Cena,Termin] 1|Cena|5|5", true},
        // Short offers leave cells empty; a long one keeps the rest in its sum.
        {"1 | A=1 | B=2 | Suma=3\n2 | A=4\n3 | A=1 | B=1 | Suma=2 | X=9\n", "[A,B] 1|1|2|3 2|4|| 3|1|1|2 | X=9", false},
        {"bez kolumn\n", "[] bez kolumn|", false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        const OffersSummaryReading reading = ReadOffersSummary(c.text);
        EXPECT_EQ(Describe(reading.table), c.table);
        EXPECT_EQ(reading.damagedHeader, c.damaged);
    }
}

TEST(OffersSummaryText, WritingPadsTheColumnsAndReadsBackTheSame)
{
    OffersSummaryTable table;
    table.criteria = {"Cena", "Termin"};
    table.rows = {MakeOffersSummaryRow("1", {"90", "10"}), MakeOffersSummaryRow("12", {"8.5", "0"})};
    const CString written = WriteOffersSummary(table);
    EXPECT_EQ(written, "1  | Cena=90  | Termin=10 | Suma=100.00\n"
                       "12 | Cena=8.5 | Termin=0  | Suma=8.50  \n");

    // The filler blanks stay in the cells, change no sum and come out the same.
    const OffersSummaryReading reading = ReadOffersSummary(written);
    EXPECT_EQ(Describe(reading.table), "[Cena,Termin] 1 |90 |10|100.00 12|8.5|0 |8.50  ");
    EXPECT_EQ(OffersSummarySum(reading.table.rows[1]), "8.50");
    EXPECT_EQ(WriteOffersSummary(reading.table), written);

    EXPECT_EQ(WriteOffersSummary(OffersSummaryTable{{"Cena"}, {}}), "");
}

TEST(OffersSummaryText, SumsCountWhatIsNoNumberAsZero)
{
    const struct {
        std::vector<CString> values;
        const char *sum;
    } cases[] = {
        {{}, "0.00"},
        {{"1.5", "2,25"}, "3.75"},
        {{"abc", "", "-2"}, "-2.00"},
        {{" 10 ", "0.5"}, "10.50"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(MakeOffersSummaryRow("1", c.values).back(), c.sum);
}

TEST(OffersSummaryText, ChangedCriteriaKeepTheirPoints)
{
    const char *start =
        "1 | Cena=60 | Termin=30 | Gwarancja=10 | Suma=100\n2 | Cena=50 | Termin= | Gwarancja=5 | Suma=55\n";
    const struct {
        std::vector<CString> names;
        const char *table;
    } cases[] = {
        {{"Cena", "Termin"}, "[Cena,Termin] 1|60|30|90.00 2|50|0|50.00"},
        // Removing the first criterion does not move the others' points under its name.
        {{"Termin", "Gwarancja"}, "[Termin,Gwarancja] 1|30|10|40.00 2|0|5|5.00"},
        // A renamed criterion keeps its place and its points.
        {{"Cena", "Okres", "Gwarancja"}, "[Cena,Okres,Gwarancja] 1|60|30|10|100.00 2|50|0|5|55.00"},
        // A criterion put in place of a removed one starts at 0.
        {{"Termin", "Serwis"}, "[Termin,Serwis] 1|30|0|30.00 2|0|0|0.00"},
        {{"Cena", "Termin", "Gwarancja", "Serwis"},
         "[Cena,Termin,Gwarancja,Serwis] 1|60|30|10|0|100.00 2|50|0|5|0|55.00"},
        {{}, "[] 1|0.00 2|0.00"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.table);
        OffersSummaryTable table = ReadOffersSummary(start).table;
        SetOffersSummaryCriteria(table, c.names);
        EXPECT_EQ(Describe(table), c.table);
    }
}

TEST(OffersSummaryText, TypedTextsCannotSplitACell)
{
    EXPECT_EQ(OffersSummaryCellText("a | b=c\r\nd"), "a , b-c d");
}

// ---- The dialog ---------------------------------------------------------------------------------

using Answer = std::function<void(CDialog &)>;

const int kCriterionEdits[] = {IDC_CRITERION_1, IDC_CRITERION_2, IDC_CRITERION_3, IDC_CRITERION_4, IDC_CRITERION_5,
                               IDC_CRITERION_6, IDC_CRITERION_7, IDC_CRITERION_8, IDC_CRITERION_9, IDC_CRITERION_10};

struct SummaryRun {
    // Each dialog the summary opens takes the next answer.
    INT_PTR Run(CZestawienieOfertDlg &dialog, const std::function<void(CZestawienieOfertDlg &)> &script)
    {
        CTestHook hook;
        hook.onDialog = [&](CDialog &shown) {
            if (&shown == &dialog) {
                script(dialog);
                return;
            }
            ASSERT_FALSE(answers.empty()) << "a dialog nobody answers";
            const Answer answer = answers.front();
            answers.pop_front();
            answer(shown);
        };
        hook.onMessageBox = [this](const CString &text, const CString &caption, UINT type) {
            messages.push_back({text, caption, type});
            return IDOK;
        };
        CTestHookScope scope(hook);
        return dialog.DoModal();
    }

    // Fills "Edycja kryteriów" and saves; records what it offered first.
    Answer Offer(const char *number, std::vector<const char *> values)
    {
        return [this, number, values](CDialog &d) {
            std::string shown;
            CString text;
            d.GetDlgItemText(IDC_OFFER_NUMBER, text);
            shown += std::string(text);
            for (int edit : kCriterionEdits) {
                d.GetDlgItemText(edit, text);
                shown += "|" + std::string(text) + (d.GetDlgItem(edit)->IsWindowEnabled() ? "" : "-");
            }
            offered.push_back(shown);
            d.SetDlgItemText(IDC_OFFER_NUMBER, number);
            for (size_t i = 0; i < values.size(); ++i)
                d.SetDlgItemText(kCriterionEdits[i], values[i]);
            DialogDriver::Press(d, IDOK);
        };
    }

    static std::vector<std::string> Rows(CZestawienieOfertDlg &d)
    {
        const int columns = static_cast<int>(d.m_table.criteria.size()) + 2;
        std::vector<std::string> rows;
        for (int row = 0; row < d.m_list.GetItemCount(); ++row) {
            std::string line;
            for (int column = 0; column < columns; ++column)
                line += (column ? "|" : "") + std::string(d.m_list.GetItemText(row, column));
            rows.push_back(line);
        }
        return rows;
    }

    static std::vector<std::string> Headings(CZestawienieOfertDlg &d)
    {
        std::vector<std::string> headings;
        HWND header = (HWND)d.m_list.SendMessage(LVM_GETHEADER);
        const int count = (int)::SendMessageW(header, HDM_GETITEMCOUNT, 0, 0);
        for (int column = 0; column < count; ++column) {
            WCHAR text[100] = L"";
            LVCOLUMNW info = {};
            info.mask = LVCF_TEXT | LVCF_WIDTH;
            info.pszText = text;
            info.cchTextMax = 100;
            d.m_list.SendMessage(LVM_GETCOLUMNW, column, (LPARAM)&info);
            char narrow[200] = "";
            WideCharToMultiByte(1250, 0, text, -1, narrow, sizeof narrow, nullptr, nullptr);
            headings.push_back(std::string(narrow) + ":" + std::to_string(info.cx));
        }
        return headings;
    }

    static void Select(CZestawienieOfertDlg &d, int row) { d.m_list.SetItemState(row, LVIS_SELECTED, LVIS_SELECTED); }

    std::deque<Answer> answers;
    std::vector<std::string> offered;
    std::vector<ShownMessage> messages;
};

const char kTwoOffers[] = "1 | Cena=90 | Termin=10 | Suma=100\n2 | Cena=70 | Termin=5 | Suma=75\n";

TEST(OffersSummaryDialog, ShowsTheCriteriaAsColumnsAndTheOffersAsRows)
{
    CZestawienieOfertDlg dialog;
    dialog.m_strText = kTwoOffers;
    SummaryRun run;
    std::vector<std::string> headings, rows;
    const INT_PTR result = run.Run(dialog, [&](CZestawienieOfertDlg &d) {
        headings = SummaryRun::Headings(d);
        rows = SummaryRun::Rows(d);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(headings, (std::vector<std::string>{"Nr oferty:57", "Cena:48", "Termin:48", "Suma:40"}));
    EXPECT_EQ(rows, (std::vector<std::string>{"1|90|10|100", "2|70|5|75"}));
    EXPECT_TRUE(run.messages.empty());
    EXPECT_EQ(dialog.m_strText, kTwoOffers);
}

TEST(OffersSummaryDialog, AHeaderCellWithoutPointsIsReportedAndKept)
{
    CZestawienieOfertDlg dialog;
    dialog.m_strText = "1 | Cena | Suma=0\n";
    SummaryRun run;
    run.Run(dialog, [](CZestawienieOfertDlg &d) { DialogDriver::Press(d, IDC_OFFERS_SUMMARY_OK); });
    ASSERT_EQ(run.messages.size(), 1u);
    EXPECT_EQ(run.messages[0].text, "Błąd konwersji pliku");
    EXPECT_EQ(run.messages[0].caption, "Błąd");
    EXPECT_EQ(run.messages[0].type & MB_ICONMASK, (UINT)MB_ICONWARNING);
    EXPECT_EQ(dialog.m_strText, "1 | Cena=Cena | Suma=0\n");
}

TEST(OffersSummaryDialog, OffersAreAddedChangedAndDeleted)
{
    CZestawienieOfertDlg dialog;
    dialog.m_strText = kTwoOffers;
    SummaryRun run;
    run.answers = {run.Offer("3", {"1,5", "2"}), run.Offer("2a", {"71", "6"})};
    std::vector<std::string> rows;
    const INT_PTR result = run.Run(dialog, [&](CZestawienieOfertDlg &d) {
        DialogDriver::Press(d, IDC_OFFERS_SUMMARY_MODIFY); // nothing selected: no dialog
        DialogDriver::Press(d, IDC_OFFERS_SUMMARY_DELETE);
        DialogDriver::Press(d, IDC_OFFERS_SUMMARY_ADD);
        SummaryRun::Select(d, 1);
        DialogDriver::Press(d, IDC_OFFERS_SUMMARY_MODIFY);
        rows = SummaryRun::Rows(d);
        d.m_list.SetItemState(-1, 0, LVIS_SELECTED);
        SummaryRun::Select(d, 0);
        DialogDriver::Press(d, IDC_OFFERS_SUMMARY_DELETE);
        DialogDriver::Press(d, IDC_OFFERS_SUMMARY_OK);
    });
    EXPECT_EQ(result, IDOK);
    // A new offer starts at 0 points; a changed one offers its own texts without the filler.
    EXPECT_EQ(run.offered, (std::vector<std::string>{"|0|0|-|-|-|-|-|-|-|-", "2|70|5|-|-|-|-|-|-|-|-"}));
    EXPECT_EQ(rows, (std::vector<std::string>{"1|90|10|100", "2a|71|6|77.00", "3|1.5|2|3.50"}));
    EXPECT_TRUE(run.messages.empty());
    EXPECT_EQ(dialog.m_strText, "2a | Cena=71  | Termin=6 | Suma=77.00\n"
                                "3  | Cena=1.5 | Termin=2 | Suma=3.50 \n");
}

TEST(OffersSummaryDialog, AWrittenSummaryCanBeChangedAgain)
{
    CZestawienieOfertDlg dialog;
    dialog.m_strText = "1  | Cena=90.5 | Suma=90.5\n12 | Cena=8    | Suma=8   \n";
    SummaryRun run;
    run.answers = {[](CDialog &d) { DialogDriver::Press(d, IDOK); }};
    run.Run(dialog, [](CZestawienieOfertDlg &d) {
        SummaryRun::Select(d, 1);
        DialogDriver::Press(d, IDC_OFFERS_SUMMARY_MODIFY);
        DialogDriver::Press(d, IDC_OFFERS_SUMMARY_OK);
    });
    EXPECT_TRUE(run.messages.empty());
    EXPECT_EQ(dialog.m_strText, "1  | Cena=90.5 | Suma=90.5\n12 | Cena=8    | Suma=8.00\n");
}

TEST(OffersSummaryDialog, TheCriteriaListChangesTheColumns)
{
    CZestawienieOfertDlg dialog;
    dialog.m_strText = kTwoOffers;
    SummaryRun run;
    std::vector<std::string> listed;
    run.answers = {
        [&](CDialog &d) {
            auto &list = static_cast<CListaKryteriowDlg &>(d);
            for (int i = 0; i < list.m_list.GetCount(); ++i) {
                CString name;
                list.m_list.GetText(i, name);
                listed.push_back(std::string(name));
            }
            list.m_list.SetCurSel(0);
            DialogDriver::Press(d, IDC_CRITERIA_LIST_DELETE);
            DialogDriver::Press(d, IDC_CRITERIA_LIST_ADD);
            DialogDriver::Press(d, IDOK);
        },
        [](CDialog &d) {
            d.SetDlgItemText(IDC_EDITOR_VALUE, "Gwarancja=lata");
            DialogDriver::Press(d, IDOK);
        },
    };
    std::vector<std::string> headings, rows;
    run.Run(dialog, [&](CZestawienieOfertDlg &d) {
        DialogDriver::Press(d, IDC_OFFERS_SUMMARY_CRITERIA);
        headings = SummaryRun::Headings(d);
        rows = SummaryRun::Rows(d);
        DialogDriver::Press(d, IDC_OFFERS_SUMMARY_OK);
    });
    EXPECT_EQ(listed, (std::vector<std::string>{"Cena", "Termin"}));
    EXPECT_EQ(headings, (std::vector<std::string>{"Nr oferty:57", "Termin:48", "Gwarancja-lata:48", "Suma:40"}));
    EXPECT_EQ(rows, (std::vector<std::string>{"1|10|0|10.00", "2|5|0|5.00"}));
    EXPECT_EQ(dialog.m_strText, "1 | Termin=10 | Gwarancja-lata=0 | Suma=10.00\n"
                                "2 | Termin=5  | Gwarancja-lata=0 | Suma=5.00 \n");
}

// A text with more criteria than the dialogs reach keeps the further ones: a new offer gets 0
// there, and the criteria list leaves them in place.
TEST(OffersSummaryDialog, CriteriaBeyondTheTenthAreKept)
{
    CString line = "1";
    for (int criterion = 1; criterion <= 11; ++criterion)
        line.AppendFormat(" | K%d=1", criterion);
    CZestawienieOfertDlg dialog;
    dialog.m_strText = line + " | Suma=11\n";
    SummaryRun run;
    int listed = 0;
    run.answers = {run.Offer("2", {"2", "2", "2", "2", "2", "2", "2", "2", "2", "2"}), [&](CDialog &d) {
                       listed = static_cast<CListaKryteriowDlg &>(d).m_list.GetCount();
                       DialogDriver::Press(d, IDOK);
                   }};
    run.Run(dialog, [](CZestawienieOfertDlg &d) {
        DialogDriver::Press(d, IDC_OFFERS_SUMMARY_ADD);
        DialogDriver::Press(d, IDC_OFFERS_SUMMARY_CRITERIA);
        DialogDriver::Press(d, IDC_OFFERS_SUMMARY_OK);
    });
    EXPECT_EQ(listed, 10);
    const OffersSummaryTable table = ReadOffersSummary(dialog.m_strText).table;
    ASSERT_EQ(table.criteria.size(), 11u);
    EXPECT_EQ(table.criteria[10], "K11");
    ASSERT_EQ(table.rows.size(), 2u);
    EXPECT_EQ(table.rows[0][11], "1");
    EXPECT_EQ(table.rows[1][11], "0");
    EXPECT_EQ(table.rows[1][12], "20.00");
}

TEST(OffersSummaryDialog, CancelKeepsTheText)
{
    CZestawienieOfertDlg dialog;
    dialog.m_strText = kTwoOffers;
    SummaryRun run;
    const INT_PTR result = run.Run(dialog, [](CZestawienieOfertDlg &d) {
        SummaryRun::Select(d, 0);
        DialogDriver::Press(d, IDC_OFFERS_SUMMARY_DELETE);
        DialogDriver::Press(d, IDCANCEL);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(dialog.m_strText, kTwoOffers);
}

} // namespace
