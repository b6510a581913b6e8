// The summary of proceedings on a program folder of its own: its main database made from the
// shipped schema and filled by the program's own export of proceeding records, listed, exported
// for the spreadsheet program and printed; a database that is missing or unreadable.
#include "tests/app/database_fixture.h"

#include <cstdint>
#include <functional>

#include "app/procedure_catalogue.h"
#include "model/project.h"
#include "framework/ui/commondlg.h"
#include "mainframe/summary/summary_command.h"
#include "mainframe/summary/zestawienie_przetargow_dlg.h"
#include "res/summary_proceedings_ids.h"

namespace {

// The case number a proceeding's view hands the database; no other field is filled.
class CaseNumberOnly : public ProceedingVariables {
public:
    explicit CaseNumberOnly(const char *caseNumber) : m_caseNumber(caseNumber) {}
    CString GetDatabaseFieldName(int) const override { return ""; }
    CString LookUpVariableValue(const CString &name) override
    {
        return name == "numer sprawy" ? m_caseNumber : CString();
    }

private:
    CString m_caseNumber;
};

// One cell record of "export.dat".
struct ExportRecord {
    int32_t row, column;
    std::string text;
    int32_t values[6];
};

int32_t IntAt(const std::string &bytes, size_t at)
{
    return (int32_t)((uint8_t)bytes[at] | (uint8_t)bytes[at + 1] << 8 | (uint8_t)bytes[at + 2] << 16
                     | (uint32_t)(uint8_t)bytes[at + 3] << 24);
}

std::vector<ExportRecord> ReadExport(const std::string &bytes)
{
    std::vector<ExportRecord> records;
    size_t at = 0;
    while (at + 12 <= bytes.size()) {
        ExportRecord record;
        record.row = IntAt(bytes, at);
        record.column = IntAt(bytes, at + 4);
        const int32_t length = IntAt(bytes, at + 8);
        at += 12;
        if (length < 0 || at + length + 24 > bytes.size())
            break;
        record.text = bytes.substr(at, length);
        at += length;
        for (int32_t &value : record.values) {
            value = IntAt(bytes, at);
            at += 4;
        }
        records.push_back(record);
    }
    EXPECT_EQ(bytes.size(), at) << "trailing bytes";
    return records;
}

class SummaryTest : public DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        m_app.ExportPath = m_folder / "eksport";
        ASSERT_EQ(1, m_app.OpenMainDB());
    }
    void TearDown() override { m_app.CloseMainDB(); }

    // A proceeding recorded as the program records a saved one.
    void Record(int id, int procedureCode, const char *caseNumber, const CTime &created, const CTime &modified)
    {
        CProject project;
        project.m_nDatabaseId = id;
        project.m_nProcedureCode = procedureCode;
        project.m_nOrderType = 1;
        project.m_timeCreated = created;
        project.m_timeModified = modified;
        CaseNumberOnly view(caseNumber);
        m_app.ExportToMDB(&project, &view);
    }

    // Runs the summary; act sees it open.
    INT_PTR Run(const std::function<void(CZestawieniePrzetargow &)> &act)
    {
        CZestawieniePrzetargow dialog;
        m_hook.onDialog = [&](CDialog &shown) {
            if (&shown == &dialog)
                act(dialog);
        };
        const INT_PTR result = dialog.DoModal();
        m_hook.onDialog = nullptr;
        return result;
    }

    static CString Row(CGridCtrl &grid, int row)
    {
        CString text;
        for (int col = 0; col < grid.GetColumnCount(); ++col)
            text += (col ? "|" : "") + grid.GetItemText(row, col);
        return text;
    }

    static void Press(CWnd &dialog, int command) { dialog.SendMessage(WM_COMMAND, MAKEWPARAM(command, 0), 0); }

    std::vector<CString> Texts() const
    {
        std::vector<CString> texts;
        for (const ShownMessage &message : m_messages)
            texts.push_back(message.text);
        return texts;
    }
};

} // namespace

TEST_F(SummaryTest, ListsEveryProceedingByIdWithEmptyCellsForNulls)
{
    Record(7, 45, "ZP.271.7.2025", CTime(2025, 3, 1, 9, 30, 0), CTime(2025, 4, 2, 10, 0, 0));
    Record(3, 164, "ZP/3/2024", CTime(2024, 1, 5, 8, 0, 0), CTime(2024, 1, 6, 12, 15, 0));
    Execute("insert into [postepowanie] ([id]) values (5)");

    Run([&](CZestawieniePrzetargow &d) {
        CGridCtrl &grid = d.m_Grid;
        ASSERT_EQ(4, grid.GetRowCount());
        ASSERT_EQ(6, grid.GetColumnCount());
        EXPECT_EQ(1, grid.GetFixedRowCount());
        EXPECT_EQ(1, grid.GetFixedColumnCount());
        EXPECT_EQ("|Sygnatura|Data utworzenia|Data modyfikacji|Tryb postępowania|Tryb", Row(grid, 0));
        const int widths[] = {25, 100, 100, 100, 280, 54};
        for (int col = 0; col < 6; ++col)
            EXPECT_EQ(widths[col], grid.GetColumnWidth(col)) << col;

        // "Tryb" names the mode shortly, as the archive's list does.
        EXPECT_EQ("1|ZP/3/2024|2024-01-05 08:00|2024-01-06 12:15|Od roku 2021, Tryb podstawowy bez negocjacji poniżej "
                  "progów unijnych (art. 275 pkt 1)|Od 2021r.,Tryb podst.bez negocj.poniżej progów unijnych",
                  Row(grid, 1));
        // A row the program never filled: empty texts, and its numbers read as 0.
        EXPECT_EQ("2||||" + ProcedureCatalogue::GetProcedureName(0, 0) + "|"
                      + ProcedureCatalogue::GetProcedureShortName(0, 0),
                  Row(grid, 2));
        EXPECT_EQ("3|ZP.271.7.2025|2025-03-01 09:30|2025-04-02 10:00|" + ProcedureCatalogue::GetProcedureName(114, 45)
                      + "|" + ProcedureCatalogue::GetProcedureShortName(114, 45),
                  Row(grid, 3));
        // Names too long for their columns show their start, not a piece of their middle.
        for (int col : {4, 5})
            EXPECT_EQ((UINT)(DT_LEFT | DT_END_ELLIPSIS), grid.GetItemFormat(1, col) & (DT_CENTER | DT_END_ELLIPSIS))
                << col;
    });
    EXPECT_TRUE(m_messages.empty());
}

TEST_F(SummaryTest, AnEmptyTableShowsOnlyTheHeadingRow)
{
    Run([](CZestawieniePrzetargow &d) { EXPECT_EQ(1, d.m_Grid.GetRowCount()); });
    EXPECT_TRUE(m_messages.empty());
}

TEST_F(SummaryTest, ExportWritesEveryCellWithTheHeadingRowOnLightYellowThroughATemporaryFile)
{
    Record(3, 45, "ZP/3/2024", CTime(2024, 1, 5, 8, 0, 0), CTime(2024, 1, 6, 12, 15, 0));
    CreateDirectoryA(m_app.ExportPath, nullptr);
    TestFolder::WriteBytes(m_app.ExportPath + "\\export.dat", "stary eksport");

    Run([&](CZestawieniePrzetargow &d) { Press(d, ID_SUMMARY_PROCEEDINGS_EXPORT); });

    const std::vector<ExportRecord> records = ReadExport(TestFolder::ReadBytes(m_app.ExportPath + "\\export.dat"));
    ASSERT_EQ(12u, records.size());
    for (size_t i = 0; i < records.size(); ++i) {
        const ExportRecord &record = records[i];
        EXPECT_EQ((int32_t)(i / 6), record.row);
        EXPECT_EQ((int32_t)(i % 6), record.column);
        const int32_t colour = record.row == 0 ? 0x00D5FFFF : 0x00FFFFFF;
        const int32_t values[6] = {0, 0, 0, colour, 0, 0};
        EXPECT_EQ(0, memcmp(values, record.values, sizeof values)) << i;
    }
    EXPECT_EQ("Data modyfikacji", records[3].text);
    EXPECT_EQ("1", records[6].text);
    EXPECT_EQ("ZP/3/2024", records[7].text);
    EXPECT_EQ("Licytacja elektroniczna", records[11].text) << "the workbook's \"Tryb\" names the mode";
    // The old file was replaced whole and no temporary file is left beside it.
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(m_app.ExportPath + "\\*", &found);
    std::string names;
    do
        if (found.cFileName[0] != '.')
            names += std::string(names.empty() ? "" : "|") + found.cFileName;
    while (FindNextFileA(search, &found));
    FindClose(search);
    EXPECT_EQ("export.dat", names);

    // No spreadsheet program in this folder: said, not passed over.
    ASSERT_EQ(1u, m_messages.size());
    EXPECT_EQ("Nie można uruchomić programu eksportu do arkusza kalkulacyjnego " + m_folder.Path() + "\\Quendral.exe",
              m_messages[0].text);
}

TEST_F(SummaryTest, AnExportThatCannotBeWrittenIsReported)
{
    // The export folder's place is taken by a file.
    TestFolder::WriteBytes(m_app.ExportPath, "plik");
    Run([&](CZestawieniePrzetargow &d) { Press(d, ID_SUMMARY_PROCEEDINGS_EXPORT); });
    ASSERT_EQ(1u, m_messages.size());
    EXPECT_EQ("Nie można zapisać pliku eksportu " + m_app.ExportPath + "\\export.dat", m_messages[0].text);
    EXPECT_EQ("plik", TestFolder::ReadBytes(m_app.ExportPath));
}

TEST_F(SummaryTest, AMissingOrUnreadableDatabaseIsReportedAndNothingIsListed)
{
    // A database without the proceedings table.
    m_app.CloseMainDB();
    TestFolder::WriteBytes(m_folder / "DB\\morvelank.mdb", "");
    ASSERT_EQ(1, m_app.OpenMainDB());
    Run([](CZestawieniePrzetargow &d) { EXPECT_EQ(1, d.m_Grid.GetRowCount()); });
    ASSERT_EQ(2u, m_messages.size());
    EXPECT_EQ(0, m_messages[0].text.Find("Wyjątek COM: "));
    EXPECT_EQ("Nie udało się odczytać zestawienia postępowań z bazy danych.", m_messages[1].text);

    // No database at all: the command says so and opens no window.
    m_messages.clear();
    m_app.CloseMainDB();
    DeleteFileA(m_folder / "DB\\morvelank.mdb");
    int windows = 0;
    m_hook.onDialog = [&](CDialog &) { ++windows; };
    RunProceedingsSummary(nullptr);
    EXPECT_EQ(0, windows);
    ASSERT_EQ(1u, m_messages.size());
    EXPECT_NE(-1, m_messages[0].text.Find("nie istnieje lub nie można go odczytać"));

    // A window given no connection says so too.
    m_messages.clear();
    Run([](CZestawieniePrzetargow &d) { EXPECT_EQ(1, d.m_Grid.GetRowCount()); });
    ASSERT_EQ(1u, m_messages.size());
    EXPECT_EQ("Baza danych postępowań nie jest otwarta. Zestawienia nie można odczytać.", m_messages[0].text);
}

TEST_F(SummaryTest, ThePrintCommandOpensThePrintDialogAndAnEmptySummaryPrintsNothing)
{
    int printDialogs = 0;
    m_hook.onCommonDialog = [&](CCommonDialog &) -> INT_PTR {
        ++printDialogs;
        return IDCANCEL;
    };
    Run([&](CZestawieniePrzetargow &d) { Press(d, ID_SUMMARY_PROCEEDINGS_PRINT); });
    EXPECT_EQ(0, printDialogs);
    ASSERT_EQ(1u, m_messages.size());
    EXPECT_EQ("Tabela nie zawiera wierszy do wydrukowania.", m_messages[0].text);

    m_messages.clear();
    Record(3, 45, "ZP/3/2024", CTime(2024, 1, 5, 8, 0, 0), CTime(2024, 1, 6, 12, 15, 0));
    Run([&](CZestawieniePrzetargow &d) { Press(d, ID_SUMMARY_PROCEEDINGS_PRINT); });
    EXPECT_EQ(1, printDialogs);
    EXPECT_TRUE(m_messages.empty());
}
