#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "model/file_utils.h"
#include "proceeding/editors/cpv_dictionary.h"
#include "proceeding/editors/cpv_dlg.h"
#include "proceeding/editors/definition_list_dlg.h"
#include "proceeding/editors/text_editor_dlg.h"
#include "res/editors_ids.h"
#include "tests/support/dialog_driver.h"
#include "tests/support/test_folder.h"

namespace {

// The test folder holds "cpv\cpv.dat" (eight codes of three groups, sorted, CP1250, CR LF, a
// blank line) and "cpv\cpv_uzup.dat" (two codes), as a program folder would.
CString FixtureProgramFolder()
{
    const char *folder = std::getenv("MORVELANK_TEST_SOURCE_DIR");
    CString path = CString("Z:") + (folder ? folder : "");
    path.Replace('/', '\\');
    return path;
}

std::vector<std::string> Codes(const std::vector<CpvEntry> &entries)
{
    std::vector<std::string> codes;
    for (const CpvEntry &entry : entries)
        codes.push_back((const char *)entry.code);
    return codes;
}

// ---- Dictionary text ------------------------------------------------------------------------

TEST(CpvDictionaryText, OnlyLinesOfThreeNonEmptyFieldsGiveACodeAndAName)
{
    struct Row {
        const char *code;
        const char *name;
    };
    const struct {
        const char *text;
        std::vector<Row> rows;
    } cases[] = {
        {"1|03111000-2|Nasiona\r\n", {{"03111000-2", "Nasiona"}}},
        {" 1 | 03111000-2 |  Nasiona \r", {{"03111000-2", "Nasiona"}}},
        {"03111000-2|Nasiona\r\n", {}},
        {"1|03111000-2|Nasiona|zbędne\r\n", {}},
        // Empty fields are dropped before counting.
        {"1||03111000-2|Nasiona\r\n", {{"03111000-2", "Nasiona"}}},
        {"1|03111000-2||\r\n", {}},
        {"\r\n\r\n   \r\n\n", {}},
        {"1|A|a\n\n2|B|b", {{"A", "a"}, {"B", "b"}}},
        {"1|15000000-8|Żywność, napoje\r\n", {{"15000000-8", "Żywność, napoje"}}},
        {"", {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        const std::vector<CpvEntry> entries = ParseCpvDictionary(c.text, "");
        ASSERT_EQ(entries.size(), c.rows.size());
        for (size_t i = 0; i < entries.size(); ++i) {
            EXPECT_EQ(entries[i].code, c.rows[i].code);
            EXPECT_EQ(entries[i].name, c.rows[i].name);
        }
    }
}

TEST(CpvDictionaryText, SearchFindsAFragmentOfTheCodeOrTheNameInAnyCase)
{
    const struct {
        const char *typed;
        std::vector<std::string> codes;
    } cases[] = {
        {"",
         {"03000000-1", "03100000-2", "03110000-5", "03111000-2", "09000000-3", "09100000-0", "15000000-8",
          "15800000-6"}},
        {"  nasiona ", {"03111000-2"}},
        {"NASIONA", {"03111000-2"}},
        {"ŻYWNOŚĆ", {"15000000-8"}},
        {"0311", {"03110000-5", "03111000-2"}},
        {"-2", {"03100000-2", "03111000-2"}},
        {"produkty", {"03000000-1", "03100000-2", "03110000-5", "09000000-3", "15800000-6"}},
        {"kawa", {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.typed);
        const CpvDictionaryFile file =
            ReadCpvDictionary(FixtureProgramFolder(), kCpvMainDictionary, NormalizeCpvSearch(c.typed));
        EXPECT_TRUE(file.problem.IsEmpty());
        EXPECT_EQ(Codes(file.entries), c.codes);
    }
}

TEST(CpvDictionaryText, EachDictionaryHasItsOwnFile)
{
    EXPECT_EQ(CpvDictionaryPath("C:\\Program", kCpvMainDictionary), "C:\\Program\\cpv\\cpv.dat");
    EXPECT_EQ(CpvDictionaryPath("C:\\Program", kCpvSupplementaryDictionary), "C:\\Program\\cpv\\cpv_uzup.dat");
    const CpvDictionaryFile file = ReadCpvDictionary(FixtureProgramFolder(), kCpvSupplementaryDictionary, "");
    EXPECT_EQ(Codes(file.entries), (std::vector<std::string>{"AA01-1", "AA02-4"}));
}

TEST(CpvDictionaryFile, MissingAndDamagedFilesAreReportedWithWhatCouldBeRead)
{
    TestFolder folder;
    const CString path = CpvDictionaryPath(folder.Path(), kCpvMainDictionary);

    CpvDictionaryFile file = ReadCpvDictionary(folder.Path(), kCpvMainDictionary, "");
    EXPECT_TRUE(file.entries.empty());
    EXPECT_TRUE(file.missing);
    EXPECT_EQ(file.problem, "Nie znaleziono pliku słownika CPV \"" + path + "\". Lista kodów jest pusta.");

    CreateDirectoryPath(folder / "cpv");
    TestFolder::WriteBytes(path, std::string("1|A|a\r\n2|B|b", 12) + std::string(1, '\0') + "3|C|c\r\n");
    file = ReadCpvDictionary(folder.Path(), kCpvMainDictionary, "");
    EXPECT_EQ(Codes(file.entries), (std::vector<std::string>{"A", "B"}));
    EXPECT_FALSE(file.missing);
    EXPECT_EQ(file.problem,
              "Plik słownika CPV \"" + path + "\" jest uszkodzony. Lista zawiera tylko kody sprzed uszkodzenia.");

    // An empty dictionary is no damage: the list is simply empty.
    TestFolder::WriteBytes(path, "");
    file = ReadCpvDictionary(folder.Path(), kCpvMainDictionary, "");
    EXPECT_TRUE(file.entries.empty());
    EXPECT_TRUE(file.problem.IsEmpty());
}

// ---- Tree by code prefix --------------------------------------------------------------------

struct Node {
    const char *code;
    int parent;
};

void ExpectTree(const std::vector<CpvTreeNode> &tree, const std::vector<CpvEntry> &entries,
                const std::vector<Node> &expected)
{
    ASSERT_EQ(tree.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(tree[i].text, CString(expected[i].code) + " " + entries[i].name) << i;
        EXPECT_EQ(tree[i].parent, expected[i].parent) << expected[i].code;
    }
}

TEST(CpvTree, GroupsByTheFirstTwoThenTheThirdThenTheFourthCharacter)
{
    const std::vector<CpvEntry> all = ReadCpvDictionary(FixtureProgramFolder(), kCpvMainDictionary, "").entries;
    ExpectTree(BuildCpvTree(all), all,
               {{"03000000-1", -1},
                {"03100000-2", 0},
                {"03110000-5", 1},
                {"03111000-2", 2},
                {"09000000-3", -1},
                {"09100000-0", 4},
                {"15000000-8", -1},
                {"15800000-6", 6}});

    // Filtered: a kept line that starts a group is at the root though it is not the group's
    // first line in the file.
    const std::vector<CpvEntry> kept =
        ReadCpvDictionary(FixtureProgramFolder(), kCpvMainDictionary, "produkty").entries;
    ExpectTree(BuildCpvTree(kept), kept,
               {{"03000000-1", -1}, {"03100000-2", 0}, {"03110000-5", 1}, {"09000000-3", -1}, {"15800000-6", -1}});
}

TEST(CpvTree, ShortCodesStayInTheirOwnGroup)
{
    const std::vector<CpvEntry> entries = {
        {"03000000", "a"}, {"03100000", "b"}, {"03110000", "c"}, {"04", "d"}, {"04", "e"}, {"041", "f"}, {"041", "g"},
    };
    ExpectTree(BuildCpvTree(entries), entries,
               {{"03000000", -1}, {"03100000", 0}, {"03110000", 1}, {"04", -1}, {"04", 3}, {"041", 3}, {"041", 5}});
}

// ---- The dialog -----------------------------------------------------------------------------

void DoubleClickRow(CCPVDlg &dialog, int row)
{
    dialog.m_list.SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    NMITEMACTIVATE click{};
    click.hdr.hwndFrom = dialog.m_list.m_hWnd;
    click.hdr.idFrom = IDC_CPV_LIST;
    click.hdr.code = NM_DBLCLK;
    click.iItem = row;
    dialog.SendMessage(WM_NOTIFY, IDC_CPV_LIST, (LPARAM)&click);
}

void ChooseTab(CCPVDlg &dialog, int tab)
{
    dialog.m_tabs.SetCurSel(tab);
    NMHDR change{dialog.m_tabs.m_hWnd, IDC_CPV_TABS, (UINT)TCN_SELCHANGE};
    dialog.SendMessage(WM_NOTIFY, IDC_CPV_TABS, (LPARAM)&change);
}

std::vector<std::string> ListCodes(CCPVDlg &dialog)
{
    std::vector<std::string> codes;
    for (int row = 0; row < dialog.m_list.GetItemCount(); ++row)
        codes.push_back((const char *)dialog.m_list.GetItemText(row, 0));
    return codes;
}

TEST(CpvDialog, ListsTheMainDictionaryAndADoubleClickHandsBackCodeTabName)
{
    CCPVDlg dialog;
    dialog.m_strMainPath = FixtureProgramFolder();
    DialogDriver driver;
    CString caption, tab0, tab1;
    int rows = 0, codeWidth = 0, nameWidth = 0;
    bool listShown = false, treeShown = true;
    const INT_PTR result = driver.Run(dialog, [&](CDialog &d) {
        d.GetWindowText(caption);
        rows = dialog.m_list.GetItemCount();
        codeWidth = dialog.m_list.GetColumnWidth(0);
        nameWidth = dialog.m_list.GetColumnWidth(1);
        listShown = DialogDriver::IsShown(d, IDC_CPV_LIST);
        treeShown = DialogDriver::IsShown(d, IDC_CPV_TREE);
        EXPECT_EQ(dialog.m_tabs.GetCurSel(), kCpvMainDictionary);
        EXPECT_EQ(dialog.m_list.GetItemText(7, 1), "Różne produkty spożywcze");
        DoubleClickRow(dialog, 3);
    });
    EXPECT_EQ(caption, "Wspólny Słownik Zamówień");
    EXPECT_EQ(rows, 8);
    EXPECT_EQ(codeWidth, 95);
    EXPECT_EQ(nameWidth, 425);
    EXPECT_TRUE(listShown);
    EXPECT_FALSE(treeShown);
    EXPECT_TRUE(driver.messages.empty());
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dialog.m_strResult, "03111000-2\tNasiona\r\n");
}

TEST(CpvDialog, SearchAndTabChangeReloadAndCloseHandsBackNothing)
{
    CCPVDlg dialog;
    dialog.m_strMainPath = FixtureProgramFolder();
    DialogDriver driver;
    std::vector<std::string> found, supplementary, noRowChosen;
    CString box;
    const INT_PTR result = driver.Run(dialog, [&](CDialog &d) {
        d.SetDlgItemText(IDC_CPV_SEARCH_TEXT, " PALIW ");
        DialogDriver::Press(d, IDC_CPV_SEARCH_BUTTON);
        found = ListCodes(dialog);
        d.GetDlgItemText(IDC_CPV_SEARCH_TEXT, box);
        d.SetDlgItemText(IDC_CPV_SEARCH_TEXT, "");
        ChooseTab(dialog, kCpvSupplementaryDictionary);
        supplementary = ListCodes(dialog);
        DoubleClickRow(dialog, -1); // no row selected: stays open
        noRowChosen.push_back(dialog.m_strResult.IsEmpty() ? "empty" : "chosen");
        DialogDriver::Press(d, IDC_CPV_CLOSE);
    });
    EXPECT_EQ(found, (std::vector<std::string>{"09000000-3", "09100000-0"}));
    EXPECT_EQ(box, " PALIW ");
    EXPECT_EQ(supplementary, (std::vector<std::string>{"AA01-1", "AA02-4"}));
    EXPECT_EQ(noRowChosen, (std::vector<std::string>{"empty"}));
    EXPECT_EQ(result, IDOK);
    EXPECT_TRUE(dialog.m_strResult.IsEmpty());
}

TEST(CpvDialog, TreeModeShowsTheTreeByPrefixInsteadOfTheList)
{
    CCPVDlg dialog;
    dialog.m_strMainPath = FixtureProgramFolder();
    DialogDriver driver;
    std::vector<std::string> roots, under03;
    bool listShown = true, treeShown = false;
    UINT nodes = 0;
    driver.Run(dialog, [&](CDialog &d) {
        d.CheckRadioButton(IDC_CPV_LIST_MODE, IDC_CPV_TREE_MODE, IDC_CPV_TREE_MODE);
        DialogDriver::Press(d, IDC_CPV_TREE_MODE);
        listShown = DialogDriver::IsShown(d, IDC_CPV_LIST);
        treeShown = DialogDriver::IsShown(d, IDC_CPV_TREE);
        nodes = dialog.m_tree.GetCount();
        for (HTREEITEM item = dialog.m_tree.GetRootItem(); item; item = dialog.m_tree.GetNextSiblingItem(item))
            roots.push_back((const char *)dialog.m_tree.GetItemText(item));
        HTREEITEM child = dialog.m_tree.GetChildItem(dialog.m_tree.GetRootItem());
        for (; child; child = dialog.m_tree.GetChildItem(child))
            under03.push_back((const char *)dialog.m_tree.GetItemText(child));
    });
    EXPECT_FALSE(listShown);
    EXPECT_TRUE(treeShown);
    EXPECT_EQ(dialog.m_nViewMode, CCPVDlg::kTreeView);
    EXPECT_EQ(nodes, 8u);
    EXPECT_EQ(roots,
              (std::vector<std::string>{"03000000-1 Produkty rolnictwa, hodowli, rybołówstwa, leśnictwa i podobne",
                                        "09000000-3 Produkty naftowe, paliwo, energia elektryczna",
                                        "15000000-8 Żywność, napoje, tytoń i podobne"}));
    EXPECT_EQ(under03, (std::vector<std::string>{"03100000-2 Produkty rolnictwa i ogrodnictwa",
                                                 "03110000-5 Uprawy, produkty szklarniowe", "03111000-2 Nasiona"}));
}

TEST(CpvDialog, AMissingDictionaryIsExplainedOnceAndLeavesAnEmptyList)
{
    TestFolder folder;
    CCPVDlg dialog;
    dialog.m_strMainPath = folder.Path();
    DialogDriver driver;
    int rows = -1;
    driver.Run(dialog, [&](CDialog &d) {
        DialogDriver::Press(d, IDC_CPV_SEARCH_BUTTON);
        ChooseTab(dialog, kCpvSupplementaryDictionary);
        ChooseTab(dialog, kCpvMainDictionary);
        rows = dialog.m_list.GetItemCount();
    });
    EXPECT_EQ(rows, 0);
    ASSERT_EQ(driver.messages.size(), 2u);
    EXPECT_EQ(driver.messages[0].text,
              "Nie znaleziono pliku słownika CPV \"" + folder.Path() + "\\cpv\\cpv.dat\". Lista kodów jest pusta.");
    EXPECT_EQ(driver.messages[0].caption, "Informacja");
    EXPECT_EQ(driver.messages[0].type & MB_ICONMASK, (UINT)MB_ICONINFORMATION);
    EXPECT_GE(driver.messages[1].text.Find("cpv_uzup.dat"), 0);
}

// ---- The text editor's dictionary button ----------------------------------------------------

TEST(TextEditorDictionary, NextItemNumberFollowsTheLastNumberedLine)
{
    const struct {
        const char *text;
        int next;
    } cases[] = {
        {"", 1},
        {"bez numerów", 1},
        {"1) a\r2) b", 3},
        {"Wstęp\r\n3) trzecia", 4},
        {"a\n7) b", 8},
        {"1) a\r12a) b", 2}, // "12a" is no number: the search goes on backwards
        {"12a) b", 1},
        {"2) a (zob. b)", 3}, // a bracket inside the line is passed over
        {"x 5) y", 1},        // digits not at a line start
        {"99999999999) a", 1},
    };
    for (const auto &c : cases)
        EXPECT_EQ(NextItemNumber(c.text), c.next) << c.text;
}

// Runs the text editor on the value with the selection given, presses its dictionary button
// and lets `answer` handle the dialog the button opens.
struct DictionaryRun {
    CString text;
    long selStart = -1, selEnd = -1;
    CDialog *inner = nullptr;
    bool buttonEnabled = false;
};

DictionaryRun RunDictionaryButton(const char *variable, const char *value, long start, long end,
                                  const std::function<void(CDialog &)> &answer)
{
    DictionaryRun run;
    CTextEditorDlg editor;
    editor.m_strVariableName = variable;
    editor.m_strValue = value;
    CTestHook hook;
    hook.onDialog = [&](CDialog &shown) {
        if (&shown != &editor) {
            run.inner = &shown;
            answer(shown);
            return;
        }
        run.buttonEnabled = DialogDriver::IsEnabled(editor, IDC_EDITOR_DICTIONARY);
        editor.m_richEdit.SetSel(start, end);
        DialogDriver::Press(editor, IDC_EDITOR_DICTIONARY);
        run.text = editor.m_richEdit.GetTextEx();
        editor.m_richEdit.GetSel(run.selStart, run.selEnd);
    };
    hook.onMessageBox = [](const CString &, const CString &, UINT) { return IDOK; };
    CTestHookScope scope(hook);
    editor.DoModal();
    return run;
}

TEST(TextEditorDictionary, CpvCodeReplacesTheSelectionAndClosingWithoutOneKeepsIt)
{
    const struct {
        int row; // the row double-clicked; -1 closes with "Zamknij"
        const char *text;
    } cases[] = {
        {3, "Kod: 03111000-2\tNasiona\r koniec"},
        {-1, "Kod: XXX koniec"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.row);
        const DictionaryRun run = RunDictionaryButton("Kod CPV", "Kod: XXX koniec", 5, 8, [&](CDialog &shown) {
            CCPVDlg &cpv = dynamic_cast<CCPVDlg &>(shown);
            cpv.m_strMainPath = FixtureProgramFolder();
            DialogDriver::Press(cpv, IDC_CPV_SEARCH_BUTTON);
            if (c.row >= 0)
                DoubleClickRow(cpv, c.row);
            else
                DialogDriver::Press(cpv, IDC_CPV_CLOSE);
        });
        EXPECT_TRUE(run.buttonEnabled);
        ASSERT_NE(run.inner, nullptr);
        EXPECT_EQ(run.text, c.text);
    }
}

TEST(TextEditorDictionary, DefinitionsAndScopesGoInAtTheCaretOrNumberedAtTheEnd)
{
    const struct {
        const char *variable;
        int mode;
        const char *value;
        long caret;
        int addNumber;
        const char *chosen;
        const char *text;
    } cases[] = {
        {"Definicje umów", kDefinitionsMode, "Wstęp\r1) Umowa: a\r2) Strony: b", 3, 1, "Zamawiający: podmiot",
         "Wstęp\r1) Umowa: a\r2) Strony: b\r3) Zamawiający: podmiot"},
        {"Definicje umów", kDefinitionsMode, "Wstęp koniec", 5, 0, "Zamawiający: podmiot",
         "Wstęp\rZamawiający: podmiot koniec"},
        // Scopes are never numbered, whatever the list's number box held.
        {"Zakres usług świadczonych przez wykonawcę", kContractScopesMode, "Zakres", 6, 1,
         "Usługi sprzątania\r\nSprzątanie biur.", "Zakres\rUsługi sprzątania\rSprzątanie biur."},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        int mode = -1;
        const DictionaryRun run = RunDictionaryButton(c.variable, c.value, c.caret, c.caret, [&](CDialog &shown) {
            CDefinitionListDlg &list = dynamic_cast<CDefinitionListDlg &>(shown);
            mode = list.m_nMode;
            list.m_strChosenText = c.chosen;
            list.m_nAddNumber = c.addNumber;
            list.EndDialog(IDOK);
        });
        EXPECT_TRUE(run.buttonEnabled);
        EXPECT_EQ(mode, c.mode);
        EXPECT_EQ(run.text, c.text);
        EXPECT_EQ(run.selStart, c.caret);
        EXPECT_EQ(run.selEnd, c.caret);
    }

    // Cancelled: nothing goes in.
    const DictionaryRun cancelled =
        RunDictionaryButton("Definicje umów", "Wstęp", 2, 2, [](CDialog &shown) { shown.EndDialog(IDCANCEL); });
    EXPECT_EQ(cancelled.text, "Wstęp");
}

TEST(TextEditorDictionary, OtherVariablesHaveTheButtonDisabled)
{
    const DictionaryRun run = RunDictionaryButton("Nazwa zadania", "abc", 1, 1, [](CDialog &) {});
    EXPECT_FALSE(run.buttonEnabled);
    EXPECT_EQ(run.inner, nullptr);
    EXPECT_EQ(run.text, "abc");
}

} // namespace
