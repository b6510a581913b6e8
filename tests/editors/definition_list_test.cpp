#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/file_utils.h"
#include "proceeding/editors/definition_list.h"
#include "proceeding/editors/definition_list_dlg.h"
#include "tests/support/dialog_driver.h"
#include "tests/support/test_folder.h"

namespace {

struct Row {
    const char *name;
    const char *text;
};

void ExpectEntries(const std::vector<DefinitionEntry> &entries, const std::vector<Row> &expected)
{
    ASSERT_EQ(entries.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(entries[i].name, expected[i].name) << i;
        EXPECT_EQ(entries[i].text, expected[i].text) << i;
    }
}

TEST(DefinitionFileText, DefinitionLinesSplitAtTheFirstDash)
{
    const struct {
        const char *line;
        std::vector<Row> rows;
    } cases[] = {
        {"Zamawiający - podmiot\n", {{"Zamawiający", "podmiot"}}},
        // The whole name stays, also without a blank before the dash.
        {"Wykonawca-osoba", {{"Wykonawca", "osoba"}}},
        {"Okres - od 1-go do 5-go\r\n", {{"Okres", "od 1-go do 5-go"}}},
        {"-bez nazwy\n", {}},
        {"\xB7\t-bez nazwy\n", {}},
        {"bez myślnika\n\n\r\n", {}},
        {"\xB7 Umowa\t- pierwsza\\ndruga\tczęść \r\n", {{"Umowa", "pierwsza\r\ndruga część"}}},
        {"A - a\n\nB - b\n", {{"A", "a"}, {"B", "b"}}},
        {"", {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.line);
        ExpectEntries(ParseDefinitions(c.line), c.rows);
    }
}

TEST(DefinitionFileText, ScopeRecordsTakeTheirFirstLineAsTheName)
{
    const struct {
        const char *text;
        std::vector<Row> rows;
    } cases[] = {
        {"Usługi sprzątania\r\nSprzątanie biur.\r\nMycie okien.\r\n|",
         {{"Usługi sprzątania", "Sprzątanie biur.\r\nMycie okien."}}},
        {"Dostawa\nTekst\\nciąg dalszy\tX\n", {{"Dostawa", "Tekst\r\nciąg dalszy X"}}},
        // A record without a line break names nothing.
        {"Sam tytuł|", {}},
        {"|\r\n| \r\n|", {}},
        {"\r\n\xB7 A\r\na|B\nb||", {{"A", "a"}, {"B", "b"}}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        ExpectEntries(ParseContractScopes(c.text), c.rows);
    }
}

TEST(DefinitionFileText, ChosenTextJoinsNameAndTextByMode)
{
    const DefinitionEntry entry{"Umowa", "niniejsza umowa"};
    EXPECT_EQ(ChosenDefinitionText(kDefinitionsMode, entry), "Umowa: niniejsza umowa");
    EXPECT_EQ(ChosenDefinitionText(kContractScopesMode, entry), "Umowa\r\nniniejsza umowa");
}

// A program folder with the configuration files given.
class DefinitionFolder {
public:
    DefinitionFolder() { CreateDirectoryPath(folder / "cnf\\202509"); }
    void Write(int mode, const std::string &bytes)
    {
        TestFolder::WriteBytes(DefinitionFilePath(folder.Path(), mode), bytes);
    }
    const CString &Path() const { return folder.Path(); }

private:
    TestFolder folder;
};

TEST(DefinitionFileRead, MissingEmptyAndDamagedFilesAreReportedWithWhatCouldBeRead)
{
    DefinitionFolder folder;
    const CString definitions = DefinitionFilePath(folder.Path(), kDefinitionsMode);

    DefinitionFile file = ReadDefinitionFile(folder.Path() + "\\brak", kDefinitionsMode);
    EXPECT_TRUE(file.entries.empty());
    EXPECT_EQ(file.problem, "Nie można odczytać pliku \"" + folder.Path()
                                + "\\brak\\cnf\\202509\\definicje.cnf\". Lista jest pusta.");

    folder.Write(kDefinitionsMode, "A - a\nB - b\n");
    file = ReadDefinitionFile(folder.Path(), kDefinitionsMode);
    EXPECT_EQ(file.entries.size(), 2u);
    EXPECT_TRUE(file.problem.IsEmpty());

    folder.Write(kDefinitionsMode, "tylko tekst\n\n");
    file = ReadDefinitionFile(folder.Path(), kDefinitionsMode);
    EXPECT_TRUE(file.entries.empty());
    EXPECT_EQ(file.problem, "Plik \"" + definitions + "\" nie zawiera żadnej pozycji.");

    folder.Write(kDefinitionsMode, std::string("A - a\nB - b", 11) + std::string(1, '\0') + "\xFF\xFE - x\n");
    file = ReadDefinitionFile(folder.Path(), kDefinitionsMode);
    ExpectEntries(file.entries, {{"A", "a"}, {"B", "b"}});
    EXPECT_EQ(file.problem,
              "Plik \"" + definitions + "\" jest uszkodzony. Lista zawiera tylko pozycje sprzed uszkodzenia.");

    folder.Write(kContractScopesMode, "Dostawa\r\nTekst dostawy\r\n|");
    file = ReadDefinitionFile(folder.Path(), kContractScopesMode);
    ExpectEntries(file.entries, {{"Dostawa", "Tekst dostawy"}});
    EXPECT_TRUE(file.problem.IsEmpty());
}

// Clicks the list's row: the first column, a few pixels below the row's top.
void ClickRow(CMultilineList &list, int row)
{
    int y = list.GetListRect().top + 2;
    for (int r = 0; r < row; ++r)
        y += list.GetRowHeight(r);
    list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, y));
}

TEST(DefinitionListDialog, DefinitionsModeListsTheFileAndHandsBackTheClickedDefinition)
{
    DefinitionFolder folder;
    folder.Write(kDefinitionsMode, "Zamawiający - podmiot\nWykonawca - osoba\n");
    CDefinitionListDlg dialog;
    dialog.m_strMainPath = folder.Path();
    dialog.m_nAddNumber = 0;
    DialogDriver driver;
    CString caption, heading;
    bool checked = false, checkShown = false;
    int rows = 0;
    const INT_PTR result = driver.Run(dialog, [&](CDialog &d) {
        d.GetWindowText(caption);
        checked = d.IsDlgButtonChecked(IDC_DEFINITION_ADD_NUMBER) == BST_CHECKED;
        checkShown = DialogDriver::IsShown(d, IDC_DEFINITION_ADD_NUMBER);
        rows = dialog.m_list.GetRowCount();
        DialogDriver::Press(d, IDC_DEFINITION_TAKE); // nothing chosen yet: refused
        ClickRow(dialog.m_list, 1);
        d.CheckDlgButton(IDC_DEFINITION_ADD_NUMBER, BST_UNCHECKED);
        DialogDriver::Press(d, IDC_DEFINITION_TAKE);
    });
    EXPECT_EQ(caption, "Lista definicji");
    EXPECT_TRUE(checked);
    EXPECT_TRUE(checkShown);
    EXPECT_EQ(rows, 2);
    ASSERT_EQ(driver.messages.size(), 1u);
    EXPECT_EQ(driver.messages[0].text, "Nie wybrano żadnej definicji.");
    EXPECT_EQ(driver.messages[0].caption, "Błąd");
    EXPECT_EQ(driver.messages[0].type & MB_ICONMASK, (UINT)MB_ICONERROR);
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dialog.m_strChosenText, "Wykonawca: osoba");
    EXPECT_EQ(dialog.m_nAddNumber, 0);
}

TEST(DefinitionListDialog, ScopesModeHidesTheNumberBoxAndHandsBackNameAndTextOnTwoLines)
{
    DefinitionFolder folder;
    folder.Write(kContractScopesMode, "Usługi sprzątania\r\nSprzątanie biur.\r\n|Dostawa\r\nTekst\r\n|");
    CDefinitionListDlg dialog;
    dialog.m_strMainPath = folder.Path();
    dialog.m_nMode = kContractScopesMode;
    DialogDriver driver;
    CString caption;
    bool checkShown = true;
    const INT_PTR result = driver.Run(dialog, [&](CDialog &d) {
        d.GetWindowText(caption);
        checkShown = DialogDriver::IsShown(d, IDC_DEFINITION_ADD_NUMBER);
        ClickRow(dialog.m_list, 0);
        DialogDriver::Press(d, IDC_DEFINITION_TAKE);
    });
    EXPECT_EQ(caption, "Przykładowe zakresy umów");
    EXPECT_FALSE(checkShown);
    EXPECT_TRUE(driver.messages.empty());
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dialog.m_strChosenText, "Usługi sprzątania\r\nSprzątanie biur.");
}

TEST(DefinitionListDialog, AMissingFileIsReportedAndLeavesAnEmptyListThatOnlyCancels)
{
    TestFolder folder;
    CDefinitionListDlg dialog;
    dialog.m_strMainPath = folder.Path();
    DialogDriver driver;
    int rows = -1;
    const INT_PTR result = driver.Run(dialog, [&](CDialog &d) {
        rows = dialog.m_list.GetRowCount();
        ClickRow(dialog.m_list, 0);
        DialogDriver::Press(d, IDC_DEFINITION_TAKE);
    });
    EXPECT_EQ(rows, 0);
    EXPECT_EQ(result, IDCANCEL);
    ASSERT_EQ(driver.messages.size(), 2u);
    EXPECT_EQ(driver.messages[0].text,
              "Nie można odczytać pliku \"" + folder.Path() + "\\cnf\\202509\\definicje.cnf\". Lista jest pusta.");
    EXPECT_EQ(driver.messages[1].text, "Nie wybrano żadnej definicji.");
    EXPECT_TRUE(dialog.m_strChosenText.IsEmpty());
}

} // namespace
