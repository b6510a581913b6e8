#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "model/project.h"
#include "framework/core/codepage.h"
#include "framework/ui/ui.h"
#include "proceeding/editors/table_editor_dlg.h"
#include "proceeding/editors/table_editor_item_dlg.h"
#include "proceeding/editors/table_editor_text.h"
#include "res/table_editors_ids.h"
#include "tests/support/dialog_driver.h"

namespace {

using Rows = std::vector<std::vector<std::string>>;

Rows AsStrings(const std::vector<EditorTableRow> &rows)
{
    Rows result;
    for (const EditorTableRow &row : rows) {
        result.emplace_back();
        for (const CString &cell : row)
            result.back().push_back(cell.GetString());
    }
    return result;
}

TEST(EditorTableText, TableTextIsReadIntoColumnsAndRows)
{
    const struct {
        const char *what;
        const char *value;
        std::vector<std::string> headings;
        Rows rows;
        bool numbered;
    } cases[] = {
        {"numbered", "2;-1;-1;Lp;10;l;Nazwa;30;;1;x;2;y;", {"Lp", "Nazwa"}, {{"1", "x"}, {"2", "y"}}, true},
        {"headings only", "1;-1;-1;H;1;x;", {"H"}, {}, false},
        {"a short last row", "2;-1;-1;A;1;;B;1;;a1;b1;a2;", {"A", "B"}, {{"a1", "b1"}, {"a2", ""}}, false},
        {"no closing ;", "1;-1;-1;A;1;;c1;c2", {"A"}, {{"c1"}, {"c2"}}, false},
        {"empty cells kept", "2;-1;-1;A;1;;B;1;;;b1;;;", {"A", "B"}, {{"", "b1"}, {"", ""}}, false},
        {"| and line breaks are cell text", "1;-1;-1;A;1;;x|y;a\r\nb;", {"A"}, {{"x|y"}, {"a\r\nb"}}, false},
        {"more columns said than described", "3;-1;-1;A;1;;B;1;;", {"A", "B"}, {}, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        EditorTable table;
        ASSERT_TRUE(ParseEditorTable(c.value, table));
        std::vector<std::string> headings;
        for (const EditorTableColumn &column : table.columns)
            headings.push_back(column.heading.GetString());
        EXPECT_EQ(c.headings, headings);
        EXPECT_EQ(c.rows, AsStrings(table.rows));
        EXPECT_EQ(c.numbered, table.numbered);
    }
}

TEST(EditorTableText, TextWithoutATableIsRefused)
{
    for (const char *value : {"", "3", "1;-1;-1", "1;-1;-1;", "0;-1;-1;A;1;;", "-2;-1;-1;A;1;;x;", "x;-1;-1;A;1;;"}) {
        EditorTable table;
        EXPECT_FALSE(ParseEditorTable(value, table)) << value;
        EXPECT_TRUE(table.columns.empty());
    }
}

TEST(EditorTableText, WrittenTextReadsBackUnchanged)
{
    for (const char *value : {"2;-1;-1;Lp;10;l;Nazwa;30;;1;x;2;y;", "1;-1;-1;H;100;x;", "2;-1;-1;A;1;;B;1;;a1;;;b2;"}) {
        SCOPED_TRACE(value);
        EditorTable table;
        ASSERT_TRUE(ParseEditorTable(value, table));
        EXPECT_STREQ(value, WriteEditorTable(table));
    }
}

TEST(EditorTableText, ColumnsShareTheWidthByWeight)
{
    const struct {
        std::vector<int> weights;
        std::vector<int> widths;
    } cases[] = {
        {{10, 30}, {100, 300}},
        {{0, 0}, {200, 200}}, // no weights: equal shares, never a division by zero
        {{-5, 1}, {0, 400}},
        {{1, 1, 1}, {133, 133, 133}},
    };
    for (const auto &c : cases) {
        std::vector<EditorTableColumn> columns;
        for (int weight : c.weights)
            columns.push_back({"", weight, ""});
        EXPECT_EQ(c.widths, ColumnPixelWidths(columns, 400));
    }
}

TEST(EditorTableText, CriteriaComeFromTheNameAndWeightColumns)
{
    CCriteriaData criteria;
    criteria.m_nCriteriaCount = 3;
    criteria.m_strPriceWeight = "100";
    GenerateCriteria({{"1", " Cena ", "60"}, {"2", "Termin dostawy", "30"}, {"3", "Gwarancja"}, {"4"}}, criteria);
    EXPECT_STREQ("60", criteria.m_strPriceWeight);
    ASSERT_EQ(3, criteria.m_nCriteriaCount);
    EXPECT_STREQ("Termin dostawy", criteria.m_strCriterionName[0]);
    EXPECT_STREQ("30", criteria.m_strCriterionWeight[0]);
    EXPECT_STREQ("Gwarancja", criteria.m_strCriterionName[1]);
    EXPECT_STREQ("", criteria.m_strCriterionWeight[1]);
    EXPECT_STREQ("", criteria.m_strCriterionName[2]);

    // The record holds 100 criteria; further rows are left out rather than written past it.
    std::vector<EditorTableRow> many(CCriteriaData::kMaxCriteria + 5, EditorTableRow{"", "K", "1"});
    GenerateCriteria(many, criteria);
    EXPECT_EQ(CCriteriaData::kMaxCriteria, criteria.m_nCriteriaCount);
}

TEST(EditorTableText, PriceFormComputesTheAmounts)
{
    const struct {
        const char *quantity, *unitPrice, *tax;
        PriceFormFields fields;
    } cases[] = {
        {"2", "1000", "460", {"1 000.00", "2 000.00", "460.00", "2 460.00"}},
        {"1,5", "10,5", "", {"10.50", "15.75", "0.00", "15.75"}},
        {"3", "1 234,50", "1 000.00", {"1 234.50", "3 703.50", "1 000.00", "4 703.50"}},
        {"3", "  ", "5", {"", "0.00", "5.00", "5.00"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.unitPrice);
        const PriceFormFields fields = ComputePriceForm(c.quantity, c.unitPrice, c.tax);
        EXPECT_STREQ(c.fields.unitPrice, fields.unitPrice);
        EXPECT_STREQ(c.fields.netValue, fields.netValue);
        EXPECT_STREQ(c.fields.tax, fields.tax);
        EXPECT_STREQ(c.fields.grossValue, fields.grossValue);
    }
}

std::vector<std::string> Headings(CListCtrl &list)
{
    std::vector<std::string> headings;
    HWND header = (HWND)list.SendMessage(LVM_GETHEADER);
    const int count = (int)::SendMessageW(header, HDM_GETITEMCOUNT, 0, 0);
    for (int column = 0; column < count; ++column) {
        WCHAR text[100] = L"";
        LVCOLUMNW info = {};
        info.mask = LVCF_TEXT;
        info.pszText = text;
        info.cchTextMax = 100;
        list.SendMessage(LVM_GETCOLUMNW, column, (LPARAM)&info);
        headings.push_back(WideToCp1250(text).GetString());
    }
    return headings;
}

// The table editor under the test hook; each row dialog it opens takes the next queued answer
// (none left: it stays open and ends as cancelled); message boxes are recorded and answered by
// the queued replies.
class TableEditorTest : public ::testing::Test {
protected:
    using Answer = std::function<void(CTableEditorItemDlg &)>;

    INT_PTR Run(const std::function<void(CTableEditorDlg &)> &script)
    {
        CTestHook hook;
        hook.onDialog = [&](CDialog &shown) {
            if (&shown == &dialog) {
                script(dialog);
                return;
            }
            auto *item = dynamic_cast<CTableEditorItemDlg *>(&shown);
            ASSERT_NE(nullptr, item);
            items.push_back(item);
            if (answers.empty())
                return;
            const Answer answer = answers.front();
            answers.pop_front();
            answer(*item);
        };
        hook.onMessageBox = [this](const CString &text, const CString &caption, UINT type) {
            messages.push_back({text, caption, type});
            if (replies.empty())
                return IDOK;
            const int reply = replies.front();
            replies.pop_front();
            return reply;
        };
        CTestHookScope scope(hook);
        return dialog.DoModal();
    }

    // Types the values into the row dialog's fields (nullptr leaves a field) and presses the
    // button (0: none).
    static Answer Fill(std::vector<const char *> values, int button = IDOK)
    {
        return [=](CTableEditorItemDlg &d) {
            for (size_t k = 0; k < values.size(); ++k)
                if (values[k])
                    d.Edit(static_cast<int>(k))->SetWindowText(values[k]);
            if (button != 0)
                DialogDriver::Press(d, button);
        };
    }
    static std::string Text(CTableEditorItemDlg &d, int column)
    {
        CString text;
        d.Edit(column)->GetWindowText(text);
        return text.GetString();
    }
    void Select(int row) { dialog.m_list.SetItemState(row, LVIS_SELECTED, LVIS_SELECTED); }

    CTableEditorDlg dialog;
    std::deque<Answer> answers;
    std::deque<int> replies;
    std::vector<CTableEditorItemDlg *> items;
    std::vector<ShownMessage> messages;
};

TEST_F(TableEditorTest, TableOpensAsAListAndIsSavedWithItsPixelWidths)
{
    dialog.m_strName = "Skład komisji";
    dialog.m_strValue = "2;-1;-1;Lp;10;l;Nazwa;30;;1;x;2;y;";
    std::vector<int> widths;
    const INT_PTR result = Run([&](CTableEditorDlg &d) {
        CString caption;
        d.GetWindowText(caption);
        EXPECT_STREQ("Edycja tabeli: Skład komisji", caption);
        EXPECT_EQ((std::vector<std::string>{"Lp", "Nazwa"}), Headings(d.m_list));
        EXPECT_EQ((Rows{{"1", "x"}, {"2", "y"}}), AsStrings(d.Rows()));
        EXPECT_TRUE(d.m_bNumbered);
        EXPECT_FALSE(DialogDriver::IsShown(d, IDC_TABLE_EDITOR_CRITERIA));
        const DWORD extended = d.m_list.GetExtendedStyle();
        EXPECT_EQ((DWORD)(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT),
                  extended & (LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT));
        widths = {d.m_list.GetColumnWidth(0), d.m_list.GetColumnWidth(1)};
        DialogDriver::Press(d, IDOK);
    });
    EXPECT_EQ(IDOK, result);
    ASSERT_EQ(2u, widths.size());
    EXPECT_NEAR(3 * widths[0], widths[1], 3) << "the weights 10 and 30";
    CString expected;
    expected.Format("2;-1;-1;Lp;%d;l;Nazwa;%d;;1;x;2;y;", widths[0], widths[1]);
    EXPECT_STREQ(expected, dialog.m_strValue);
}

TEST_F(TableEditorTest, CancelKeepsTheValueAndATextWithoutATableComesBackAsItWas)
{
    dialog.m_strValue = "1;-1;-1;A;1;;a;";
    answers.push_back(Fill({"b"}));
    EXPECT_EQ(IDCANCEL, Run([](CTableEditorDlg &d) {
                  DialogDriver::Press(d, IDC_TABLE_EDITOR_ADD);
                  DialogDriver::Press(d, IDCANCEL);
              }));
    EXPECT_STREQ("1;-1;-1;A;1;;a;", dialog.m_strValue);

    for (const char *value : {"", "uszkodzona;tabela"}) {
        dialog.m_strValue = value;
        EXPECT_EQ(IDOK, Run([](CTableEditorDlg &d) {
                      EXPECT_EQ(0, d.m_list.GetItemCount());
                      DialogDriver::Press(d, IDC_TABLE_EDITOR_ADD); // no columns: the row dialog refuses
                      DialogDriver::Press(d, IDOK);
                  }));
        EXPECT_STREQ(value, dialog.m_strValue);
    }
}

TEST_F(TableEditorTest, RowsAreAddedOneAfterAnotherAndNumbered)
{
    dialog.m_strName = "Wykaz";
    dialog.m_strValue = "3;-1;-1;Lp.;1;l;Nazwa;2;;Uwagi;2;;1;a;;";
    answers.push_back([](CTableEditorItemDlg &d) {
        CString caption;
        d.GetWindowText(caption);
        EXPECT_STREQ("Edycja elementu tabeli: Wykaz", caption);
        EXPECT_EQ("2", Text(d, 0));
        EXPECT_FALSE(d.Edit(0)->IsWindowEnabled());
        EXPECT_TRUE(d.Edit(0)->GetStyle() & ES_NUMBER);
        EXPECT_EQ(d.Edit(1)->m_hWnd, ::GetFocus());
        EXPECT_TRUE(DialogDriver::IsEnabled(d, IDC_TABLE_EDITOR_ITEM_ADD_NEXT));
        Fill({nullptr, "b", "pilne"}, IDC_TABLE_EDITOR_ITEM_ADD_NEXT)(d);
    });
    answers.push_back([](CTableEditorItemDlg &d) {
        EXPECT_EQ("3", Text(d, 0));
        Fill({nullptr, "c"})(d);
    });
    Run([&](CTableEditorDlg &d) {
        DialogDriver::Press(d, IDC_TABLE_EDITOR_ADD);
        EXPECT_EQ((Rows{{"1", "a", ""}, {"2", "b", "pilne"}, {"3", "c", ""}}), AsStrings(d.Rows()));

        Select(0);
        DialogDriver::Press(d, IDC_TABLE_EDITOR_DELETE);
        EXPECT_EQ((Rows{{"1", "b", "pilne"}, {"2", "c", ""}}), AsStrings(d.Rows()));
    });
    EXPECT_EQ(2u, items.size());
}

TEST_F(TableEditorTest, SelectedRowIsModifiedInItsDialog)
{
    dialog.m_strValue = "2;-1;-1;Lp;1;l;Nazwa;1;;1;a;2;b;";
    answers.push_back([](CTableEditorItemDlg &d) {
        EXPECT_EQ("2", Text(d, 0));
        EXPECT_EQ("b", Text(d, 1));
        EXPECT_FALSE(DialogDriver::IsEnabled(d, IDC_TABLE_EDITOR_ITEM_ADD_NEXT));
        Fill({nullptr, "zmienione"})(d);
    });
    answers.push_back(Fill({nullptr, "anulowane"}, IDCANCEL));
    Run([&](CTableEditorDlg &d) {
        DialogDriver::Press(d, IDC_TABLE_EDITOR_MODIFY); // nothing selected: nothing opens
        Select(1);
        NMHDR notify = {d.m_list.m_hWnd, IDC_TABLE_EDITOR_LIST, static_cast<UINT>(NM_DBLCLK)};
        d.SendMessage(WM_NOTIFY, IDC_TABLE_EDITOR_LIST, (LPARAM)&notify);
        DialogDriver::Press(d, IDC_TABLE_EDITOR_MODIFY);
        EXPECT_EQ((Rows{{"1", "a"}, {"2", "zmienione"}}), AsStrings(d.Rows()));
    });
    EXPECT_EQ(2u, items.size());
}

TEST_F(TableEditorTest, RowDialogRefusesASemicolonAndKeepsTheRow)
{
    dialog.m_strValue = "1;-1;-1;A;1;;a;";
    answers.push_back([this](CTableEditorItemDlg &d) {
        Fill({"x;y"})(d);
        EXPECT_EQ(1u, messages.size()) << "the dialog stays open";
        Fill({"x,y"})(d);
    });
    Run([&](CTableEditorDlg &d) {
        DialogDriver::Press(d, IDC_TABLE_EDITOR_ADD);
        DialogDriver::Press(d, IDOK);
    });
    ASSERT_EQ(1u, messages.size());
    EXPECT_STREQ("Pole tabeli nie może zawierać znaku ';'", messages[0].text);
    EXPECT_STREQ("Błąd", messages[0].caption);
    EXPECT_STREQ("1;-1;-1;A;", dialog.m_strValue.Left(10));
    EXPECT_STREQ(";a;x,y;", dialog.m_strValue.Right(7));
}

TEST_F(TableEditorTest, PriceFormFillsItsAmountsWhenAFieldIsLeft)
{
    dialog.m_strName = "formularz cenowy";
    dialog.m_strValue = "7;-1;-1;Lp;1;l;Nazwa;1;;Ilość;1;;Cena jedn.;1;;Wartość netto;1;;VAT;1;;Brutto;1;;";
    answers.push_back([](CTableEditorItemDlg &d) {
        EXPECT_TRUE(d.m_bPriceForm);
        Fill({nullptr, "Papier", "2", "1000,5", nullptr, "460"}, 0)(d);
        d.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_TABLE_EDITOR_ITEM_FIRST + 3, EN_KILLFOCUS), (LPARAM)d.Edit(3)->m_hWnd);
        EXPECT_EQ("1 000.50", Text(d, 3));
        EXPECT_EQ("2 001.00", Text(d, 4));
        EXPECT_EQ("460.00", Text(d, 5));
        EXPECT_EQ("2 461.00", Text(d, 6));
        DialogDriver::Press(d, IDOK);
    });
    Run([&](CTableEditorDlg &d) {
        DialogDriver::Press(d, IDC_TABLE_EDITOR_ADD);
        EXPECT_EQ((Rows{{"1", "Papier", "2", "1 000.50", "2 001.00", "460.00", "2 461.00"}}), AsStrings(d.Rows()));
    });
}

TEST_F(TableEditorTest, CriteriaTableSetsTheProceedingsCriteriaWhenAsked)
{
    CProject project;
    project.m_pCriteria->m_nCriteriaCount = 1;
    project.m_pCriteria->m_strCriterionName[0] = "stare";
    dialog.SetTable(&project);
    dialog.m_strName = "Kryteria oceny ofert";
    dialog.m_strValue = "3;-1;-1;Lp;1;l;Kryterium;3;;Waga;1;;1;Cena;60;2;Termin;40;";

    replies = {IDNO, IDYES};
    Run([&](CTableEditorDlg &d) {
        EXPECT_TRUE(DialogDriver::IsShown(d, IDC_TABLE_EDITOR_CRITERIA));
        DialogDriver::Press(d, IDC_TABLE_EDITOR_CRITERIA);
        EXPECT_EQ(1, project.m_pCriteria->m_nCriteriaCount) << "\"Nie\" changes nothing";
        EXPECT_STREQ("stare", project.m_pCriteria->m_strCriterionName[0]);
        DialogDriver::Press(d, IDC_TABLE_EDITOR_CRITERIA);
    });
    EXPECT_STREQ("60", project.m_pCriteria->m_strPriceWeight);
    ASSERT_EQ(1, project.m_pCriteria->m_nCriteriaCount);
    EXPECT_STREQ("Termin", project.m_pCriteria->m_strCriterionName[0]);
    EXPECT_STREQ("40", project.m_pCriteria->m_strCriterionWeight[0]);
    ASSERT_EQ(3u, messages.size());
    EXPECT_STREQ("Czy chcesz zapisać kryteria oceny ofert na podstawie tabeli?", messages[0].text);
    EXPECT_STREQ("Pytanie", messages[0].caption);
    EXPECT_EQ((UINT)(MB_YESNO | MB_ICONQUESTION), messages[0].type);
    EXPECT_STREQ("Wygenerowano listę kryteriów oceny ofert", messages[2].text);
    EXPECT_STREQ("Informacja", messages[2].caption);

    // Without a proceeding there is no record to write the criteria into.
    dialog.SetTable(nullptr);
    Run([](CTableEditorDlg &d) { EXPECT_FALSE(DialogDriver::IsShown(d, IDC_TABLE_EDITOR_CRITERIA)); });
}

TEST(TableEditorItemDlg, RefusesToStartWithoutColumns)
{
    CTableEditorItemDlg dialog;
    DialogDriver driver;
    bool reached = false;
    EXPECT_EQ(IDCANCEL, driver.Run(dialog, [&](CDialog &) { reached = true; }));
    EXPECT_FALSE(reached);
}

} // namespace
