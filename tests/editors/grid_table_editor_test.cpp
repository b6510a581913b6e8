#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "controls/grid/grid_cell_text_dlg.h"
#include "framework/ui/ui.h"
#include "proceeding/editors/grid_table_editor_dlg.h"
#include "proceeding/editors/grid_table_editor_text.h"
#include "proceeding/merge/contractor_list_dlg.h"
#include "res/editors_ids.h"
#include "res/grid_ids.h"
#include "res/table_editors_ids.h"
#include "tests/support/dialog_driver.h"
#include "tests/support/test_folder.h"

namespace {

using Rows = std::vector<std::vector<std::string>>;

Rows AsStrings(const std::vector<GridTableRow> &rows)
{
    Rows result;
    for (const GridTableRow &row : rows) {
        result.emplace_back();
        for (const CString &cell : row)
            result.back().push_back(cell.GetString());
    }
    return result;
}

TEST(GridTableText, StoredTextIsReadIntoHeadingsAndCells)
{
    const struct {
        const char *what;
        const char *value;
        Rows rows;
    } cases[] = {
        {"empty", "", {}},
        {"headings and a row", "A|B\nA=1|B=x{}y\n", {{"A", "B"}, {"1", "x|y"}}},
        {"line break written as backslash n", "A\nA=a\\nb", {{"A"}, {"a\r\nb"}}},
        {"blanks, empty cells and empty lines", " A | B \n\n A= | B=2 \n", {{"A", "B"}, {"", "2"}}},
        {"one blank is an empty heading", "A| \nA=1|=2", {{"A", ""}, {"1", "2"}}},
        {"a cell without its heading", "A|B\n1|B=2", {{"A", "B"}, {"1", "2"}}},
        {"a heading holding =", "a=b|C\na=b=x|C=y=z", {{"a=b", "C"}, {"x", "y=z"}}},
        {"a longer row widens the table", "A|B\nA=1|B=2|=3\nA=4", {{"A", "B", ""}, {"1", "2", "3"}, {"4", "", ""}}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.rows, AsStrings(ParseGridTable(c.value).rows));
    }
}

TEST(GridTableText, CellsAreWrittenWithTheirHeadingsAndEscapes)
{
    const struct {
        const char *what;
        std::vector<GridTableRow> rows;
        const char *value;
    } cases[] = {
        {"empty", {}, ""},
        {"headings and a row", {{"A", "B"}, {"1", "x|y"}}, "A|B\nA=1|B=x{}y\n"},
        {"line breaks", {{"A"}, {"a\r\nb\nc"}}, "A\nA=a\\nb\\nc\n"},
        {"blanks trimmed, empty heading a blank", {{" A ", ""}, {" 1 ", ""}}, "A| \nA=1|=\n"},
        {"a heading holding | and a line break", {{"x|y\r\nz"}, {"1"}}, "x{}y\\nz\nx{}y\\nz=1\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_STREQ(c.value, WriteGridTable(c.rows));
    }
}

TEST(GridTableText, WrittenTextReadsBackUnchanged)
{
    for (const char *value : {"A|B\nA=1|B=x{}y\n", "Lp|Nazwa\nLp=1|Nazwa=a\\nb\nLp=2|Nazwa=\n", "a=b|C\na=b=x|C=y\n"}) {
        SCOPED_TRACE(value);
        EXPECT_STREQ(value, WriteGridTable(ParseGridTable(value).rows));
    }
}

TEST(GridTableText, ColumnWidthFollowsTheLongestLine)
{
    const struct {
        const char *text;
        int width;
    } cases[] = {
        {"ab\ncdef", 37}, {"", 13}, {"abc \n\n ", 29}, {"12345678901", 93}, {"12345678901234567890", 100},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.width, ColumnWidthForText(c.text)) << c.text;
    // The stored cell with its heading decides, the last row last.
    EXPECT_EQ((std::vector<int>{93, 37}), ParseGridTable("A|B\nA=x|B=y\nNazwa=Firma|B=ab\\ncdef").widths);
}

TEST(GridTableText, ContractorBecomesOneCell)
{
    const struct {
        CString texts[5];
        const char *cell;
    } cases[] = {
        {{"Firma", "Polna 1", "", "biuro@firma.pl", ""}, "Firma, Polna 1, biuro@firma.pl"},
        {{", Firma ,", "", "", "", "Jan Nowak, "}, "Firma ,, Jan Nowak"},
        {{"", "", "", "", ""}, ""},
    };
    for (const auto &c : cases)
        EXPECT_STREQ(c.cell, ContractorCellText(c.texts));
}

TEST(GridTableText, ExportFileHoldsOneRecordPerCell)
{
    TestFolder folder;
    ASSERT_TRUE(WriteGridExportFile(folder / "export.dat", {{"A"}, {"xy"}}));
    const std::string expected = std::string("\0\0\0\0\0\0\0\0\1\0\0\0A", 13) + std::string(12, '\0')
                                 + std::string("\xFF\xFF\xD5\0", 4) + std::string(8, '\0')
                                 + std::string("\1\0\0\0\0\0\0\0\2\0\0\0xy", 14) + std::string(12, '\0')
                                 + std::string("\xFF\xFF\xFF\0", 4) + std::string(8, '\0');
    EXPECT_EQ(expected, TestFolder::ReadBytes(folder / "export.dat"));
    EXPECT_FALSE(WriteGridExportFile(folder / "brak\\export.dat", {{"A"}}));
}

// The editor under the test hook: the test's script acts on it; the dialogs it opens take the
// queued answers (none left: they stay open and end as cancelled); message boxes are recorded
// and answered by the queued replies (IDOK when none is queued).
class GridTableEditorTest : public ::testing::Test {
protected:
    using Answer = std::function<void(CDialog &)>;

    INT_PTR Run(const std::function<void(CGridTableEditorDlg &)> &script)
    {
        CTestHook hook;
        hook.onDialog = [&](CDialog &shown) {
            if (&shown == &dialog) {
                script(dialog);
                return;
            }
            if (answers.empty())
                return;
            const Answer answer = answers.front();
            answers.pop_front();
            answer(shown);
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

    // A click on the toolbar's button, as the mouse gives it.
    static void Click(CGridTableEditorDlg &d, int id)
    {
        CRect button;
        ASSERT_TRUE(d.m_toolBar.GetToolBarCtrl().GetRect(id, &button));
        const LPARAM centre = MAKELPARAM(button.CenterPoint().x, button.CenterPoint().y);
        d.m_toolBar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, centre);
        d.m_toolBar.SendMessage(WM_LBUTTONUP, 0, centre);
    }
    // The command itself, whether its button is enabled or not.
    static void Command(CGridTableEditorDlg &d, int id)
    {
        d.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)d.m_toolBar.m_hWnd);
    }
    static Rows Cells(CGridTableEditorDlg &d) { return AsStrings(d.Rows()); }

    CGridTableEditorDlg dialog;
    std::deque<Answer> answers;
    std::deque<int> replies;
    std::vector<ShownMessage> messages;
};

TEST_F(GridTableEditorTest, TableIsShownUnderTheToolbarAndEachModeHasItsButtons)
{
    const struct {
        int mode;
        int fixedColumns;
        std::vector<int> editTypes;
        bool columnButtons;
    } cases[] = {
        {0, 0, {GVET_TEXTDIALOG, GVET_TEXTDIALOG}, false},
        {1, 1, {GVET_NONE, GVET_TEXTDIALOG}, false},
        {2, 0, {GVET_TEXTDIALOG, GVET_TEXTDIALOG}, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.mode);
        dialog.m_nMode = c.mode;
        dialog.m_strCaption = "Skład komisji";
        dialog.m_strValue = "Lp|Imię i nazwisko\nLp=1|Imię i nazwisko=Jan\\nKowalski\n";
        Run([&](CGridTableEditorDlg &d) {
            EXPECT_EQ((Rows{{"Lp", "Imię i nazwisko"}, {"1", "Jan\r\nKowalski"}}), Cells(d));
            EXPECT_EQ(2, d.m_nColumns);
            EXPECT_EQ(1, d.m_grid.GetFixedRowCount());
            EXPECT_EQ(c.fixedColumns, d.m_grid.GetFixedColumnCount());
            EXPECT_EQ(c.editTypes, (std::vector<int>{d.m_grid.GetColumnEditType(0), d.m_grid.GetColumnEditType(1)}));
            EXPECT_EQ(CGridCtrl::GetTextRowHeight("a\nb"), d.m_grid.GetRowHeight(1)) << "two lines high";
            CString caption;
            d.GetWindowText(caption);
            EXPECT_STREQ("Skład komisji", caption);

            // The narrow columns are widened to fill the grid.
            CRect grid, bar;
            d.m_grid.GetClientRect(&grid);
            int total = 0;
            for (int column = 0; column < 2; ++column)
                total += d.m_grid.GetColumnWidth(column);
            EXPECT_NEAR(grid.Width() - 20, total, 2);

            d.m_toolBar.GetWindowRect(&bar);
            d.ScreenToClient(&bar);
            d.m_grid.GetWindowRect(&grid);
            d.ScreenToClient(&grid);
            EXPECT_EQ(0, bar.top);
            EXPECT_EQ(bar.bottom, grid.top) << "the grid moved down by the toolbar's height";

            CToolBarCtrl &buttons = d.m_toolBar.GetToolBarCtrl();
            EXPECT_TRUE(buttons.IsButtonEnabled(ID_GRID_TABLE_ADD_ROW));
            EXPECT_EQ(c.columnButtons, buttons.IsButtonEnabled(ID_GRID_TABLE_ADD_COLUMN) != 0);
            EXPECT_EQ(c.columnButtons, buttons.IsButtonEnabled(ID_GRID_TABLE_DELETE_COLUMN) != 0);
            EXPECT_EQ(c.mode == 1, buttons.IsButtonEnabled(ID_GRID_TABLE_CONTRACTORS) != 0);
            EXPECT_TRUE(buttons.IsButtonEnabled(ID_GRID_TABLE_PRINT));
        });
    }
}

TEST_F(GridTableEditorTest, EditedCellsAreWrittenBackOnSaveAndKeptOnExit)
{
    for (const int command : {ID_GRID_TABLE_SAVE, ID_GRID_TABLE_EXIT}) {
        SCOPED_TRACE(command);
        dialog.m_strValue = "A|B\nA=1|B=x{}y\n";
        answers.push_back([](CDialog &cellText) {
            ASSERT_NE(nullptr, dynamic_cast<CGridCellTextDlg *>(&cellText));
            cellText.SetDlgItemText(IDC_GRID_CELL_TEXT, "nowy\r\ntekst | dalej");
            DialogDriver::Press(cellText, IDOK);
        });
        const INT_PTR result = Run([&](CGridTableEditorDlg &d) {
            d.m_grid.SetFocusCell(1, 1);
            d.m_grid.OnEditCell(1, 1, VK_LBUTTON);
            Click(d, command);
        });
        EXPECT_TRUE(answers.empty()) << "the cell's text dialog was opened";
        if (command == ID_GRID_TABLE_SAVE) {
            EXPECT_EQ(IDOK, result);
            EXPECT_STREQ("A|B\nA=1|B=nowy\\ntekst {} dalej\n", dialog.m_strValue);
        } else {
            EXPECT_EQ(IDCANCEL, result);
            EXPECT_STREQ("A|B\nA=1|B=x{}y\n", dialog.m_strValue);
        }
    }
}

TEST_F(GridTableEditorTest, RowsAreAddedByButtonAndEnterAndDeletedBelowTheHeadings)
{
    dialog.m_strValue = "A|B\nA=1|B=2\nA=3|B=4\n";
    Run([&](CGridTableEditorDlg &d) {
        Click(d, ID_GRID_TABLE_ADD_ROW);
        MSG enter = {d.m_grid.m_hWnd, WM_KEYDOWN, VK_RETURN, 0, 0, {0, 0}};
        EXPECT_TRUE(d.PreTranslateMessage(&enter));
        EXPECT_EQ(5, d.m_grid.GetRowCount());

        d.m_grid.SetFocusCell(1, 0);
        Click(d, ID_GRID_TABLE_DELETE_ROW);
        d.m_grid.SetFocusCell(0, 1);
        Click(d, ID_GRID_TABLE_DELETE_ROW); // the headings stay
        Click(d, ID_GRID_TABLE_SAVE);
    });
    EXPECT_STREQ("A|B\nA=3|B=4\nA=|B=\nA=|B=\n", dialog.m_strValue);
}

TEST_F(GridTableEditorTest, NumberedRowsCountOnWithoutGaps)
{
    dialog.m_nMode = 1;
    dialog.m_strValue = "Lp|Nazwa\nLp=1|Nazwa=a\nLp=2|Nazwa=b\nLp=3|Nazwa=c\n";
    Run([&](CGridTableEditorDlg &d) {
        d.m_grid.SetFocusCell(2, 1);
        Click(d, ID_GRID_TABLE_DELETE_ROW);
        Click(d, ID_GRID_TABLE_ADD_ROW);
        EXPECT_EQ((Rows{{"Lp", "Nazwa"}, {"1", "a"}, {"2", "c"}, {"3", ""}}), Cells(d));
    });
}

TEST_F(GridTableEditorTest, ChosenContractorGoesIntoTheFocusRowOrANewOne)
{
    const auto choose = [this](const char *name) {
        answers.push_back([name](CDialog &d) {
            auto *list = dynamic_cast<CContractorListDlg *>(&d);
            ASSERT_NE(nullptr, list);
            list->m_strName = name;
            list->m_strAddress = "Polna 1";
            list->m_strContact = "Jan Nowak";
            list->EndDialog(IDOK);
        });
    };
    dialog.m_nMode = 1;
    dialog.m_strValue = "Lp|Wykonawca\nLp=1|Wykonawca=A\n";
    choose("Firma B");
    choose("Firma C");
    choose("");
    Run([&](CGridTableEditorDlg &d) {
        d.m_grid.SetFocusCell(1, 0);
        Click(d, ID_GRID_TABLE_CONTRACTORS);
        d.m_grid.SetFocusCell(0, 1);
        Click(d, ID_GRID_TABLE_CONTRACTORS);
        Click(d, ID_GRID_TABLE_CONTRACTORS); // no name chosen: nothing changes
        EXPECT_EQ(
            (Rows{{"Lp", "Wykonawca"}, {"1", "Firma B, Polna 1, Jan Nowak"}, {"2", "Firma C, Polna 1, Jan Nowak"}}),
            Cells(d));
    });
    EXPECT_TRUE(answers.empty());
}

TEST_F(GridTableEditorTest, ColumnsAreAddedAndTheLastDeletedInModeTwoOnly)
{
    const auto name = [this](const char *typed) {
        answers.push_back([typed](CDialog &d) {
            CString caption;
            d.GetWindowText(caption);
            EXPECT_STREQ("Kolumna", caption);
            CString label;
            d.GetDlgItemText(IDC_TEXT_VALUE_LABEL, label);
            EXPECT_STREQ("Podaj nazwę kolumny", label);
            d.SetDlgItemText(IDC_TEXT_VALUE, typed);
            DialogDriver::Press(d, IDOK);
        });
    };

    dialog.m_nMode = 2;
    dialog.m_strValue = "A\nA=1\n";
    name("Cena");
    name("   ");
    replies = {IDOK, IDNO, IDYES};
    Run([&](CGridTableEditorDlg &d) {
        Click(d, ID_GRID_TABLE_ADD_COLUMN);
        EXPECT_EQ(GVET_TEXTDIALOG, d.m_grid.GetColumnEditType(1));
        EXPECT_EQ(120, d.m_grid.GetColumnWidth(1));
        Click(d, ID_GRID_TABLE_ADD_COLUMN);    // a blank name is refused
        Click(d, ID_GRID_TABLE_DELETE_COLUMN); // "Nie"
        EXPECT_EQ(2, d.m_grid.GetColumnCount());
        Click(d, ID_GRID_TABLE_DELETE_COLUMN); // "Tak"
        Click(d, ID_GRID_TABLE_DELETE_COLUMN); // the only column stays
        EXPECT_EQ(1, d.m_grid.GetColumnCount());
        Click(d, ID_GRID_TABLE_ADD_COLUMN);
        Click(d, ID_GRID_TABLE_SAVE);
    });
    EXPECT_STREQ("A\nA=1\n", dialog.m_strValue);
    ASSERT_EQ(4u, messages.size());
    EXPECT_STREQ("Nazwa kolumny nie może być pusta", messages[0].text);
    EXPECT_EQ((UINT)MB_ICONERROR, messages[0].type);
    EXPECT_STREQ("Czy na pewno usunąć ostatnią kolumnę?", messages[1].text);
    EXPECT_STREQ("Potwierdzenie", messages[1].caption);
    EXPECT_EQ((UINT)(MB_YESNO | MB_ICONQUESTION), messages[1].type);
    EXPECT_STREQ("Nie można usunąć wszystkich kolumn", messages[3].text);
    EXPECT_STREQ("Błąd", messages[3].caption);

    // Other modes keep their columns even when the command reaches them.
    dialog.m_nMode = 0;
    dialog.m_strValue = "A|B\nA=1|B=2\n";
    answers.clear();
    Run([&](CGridTableEditorDlg &d) {
        Command(d, ID_GRID_TABLE_DELETE_COLUMN);
        Command(d, ID_GRID_TABLE_SAVE);
    });
    EXPECT_STREQ("A|B\nA=1|B=2\n", dialog.m_strValue);
}

TEST_F(GridTableEditorTest, EmptyValueOpensWithAHeadingRowToAddTo)
{
    dialog.m_nMode = 2;
    dialog.m_strValue = "";
    answers.push_back([](CDialog &d) {
        d.SetDlgItemText(IDC_TEXT_VALUE, "Nazwa");
        DialogDriver::Press(d, IDOK);
    });
    Run([&](CGridTableEditorDlg &d) {
        Command(d, ID_GRID_TABLE_ADD_COLUMN);
        Command(d, ID_GRID_TABLE_ADD_ROW);
        d.m_grid.SetItemText(1, 1, "Firma");
        Command(d, ID_GRID_TABLE_SAVE);
    });
    EXPECT_STREQ(" |Nazwa\n=|Nazwa=Firma\n", dialog.m_strValue);
}

TEST_F(GridTableEditorTest, TooltipsNameTheButtons)
{
    Run([&](CGridTableEditorDlg &d) {
        const struct {
            int command;
            const wchar_t *tip;
        } cases[] = {{ID_GRID_TABLE_ADD_ROW, L"Nowy dokument"},
                     {ID_GRID_TABLE_DELETE_ROW, L"Usuń wiersz"},
                     {ID_GRID_TABLE_EXPORT, L"Eksport do formatu Excel"},
                     {ID_GRID_TABLE_EXIT, L"Wyjście z edytora"}};
        for (const auto &c : cases) {
            NMTTDISPINFOW info = {};
            info.hdr = {d.m_toolBar.m_hWnd, static_cast<UINT_PTR>(c.command), static_cast<UINT>(TTN_NEEDTEXTW)};
            d.m_toolBar.SendMessage(WM_NOTIFY, 0, (LPARAM)&info);
            EXPECT_STREQ(c.tip, info.szText);
        }
        NMTTDISPINFOA narrow = {};
        narrow.hdr = {d.m_toolBar.m_hWnd, ID_GRID_TABLE_ADD_COLUMN, static_cast<UINT>(TTN_NEEDTEXTA)};
        d.SendMessage(WM_NOTIFY, 0, (LPARAM)&narrow);
        EXPECT_STREQ("Dodaj kolumnę na końcu", narrow.szText);
    });
}

TEST_F(GridTableEditorTest, ExportWritesTheDataFileAndSaysWhenTheExporterIsMissing)
{
    TestFolder folder;
    dialog.m_strExportPath = folder.Path();
    dialog.m_strMainPath = folder.Path();
    dialog.m_strValue = "A\nA=1\n";
    Run([&](CGridTableEditorDlg &d) { Command(d, ID_GRID_TABLE_EXPORT); });
    EXPECT_EQ(2 * 37u, TestFolder::ReadBytes(folder / "export.dat").size());
    ASSERT_EQ(1u, messages.size());
    EXPECT_STREQ("Nie można uruchomić programu eksportu do arkusza kalkulacyjnego " + folder.Path() + "\\Quendral.exe",
                 messages[0].text);

    messages.clear();
    dialog.m_strExportPath = folder / "brak";
    Run([&](CGridTableEditorDlg &d) { Command(d, ID_GRID_TABLE_EXPORT); });
    ASSERT_EQ(1u, messages.size());
    EXPECT_STREQ("Nie można zapisać pliku eksportu " + folder.Path() + "\\brak\\export.dat", messages[0].text);
}

} // namespace
