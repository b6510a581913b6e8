#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/file_utils.h"
#include "framework/core/codepage.h"
#include "proceeding/editors/tech_spec.h"
#include "proceeding/editors/tech_spec_dlg.h"
#include "tests/support/dialog_driver.h"
#include "tests/support/test_folder.h"

namespace {

TEST(TechSpecFiles, HeadingsAreTheNonEmptyLinesTrimmed)
{
    const struct {
        const char *text;
        std::vector<CString> headings;
    } cases[] = {
        {"1. Wymagania\r\n2. Materiały\n", {"1. Wymagania", "2. Materiały"}},
        {" , 3. Roboty ,\r\n\r\n,,\n \n", {"3. Roboty"}},
        {"Odbi\rór", {"Odbiór"}},
        {"", {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ParseSpecificationHeadings(c.text), c.headings);
    }
}

TEST(TechSpecFiles, DefinitionsArePairsAfterTheFirstItem)
{
    const struct {
        const char *text;
        std::vector<std::string> definitions;
    } cases[] = {
        {"x|A|a text|B", {"A=a text"}},
        {"nagłówek||A||tekst A|", {"A=tekst A"}},
        {"nagłówek|\r\n Zakres \r\n|\r\n Zakres robót.\r\n|", {"Zakres=Zakres robót."}},
        {"tylko nagłówek", {}},
        {"", {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        std::vector<std::string> read;
        for (const DefinitionEntry &definition : ParseSpecificationDefinitions(c.text))
            read.push_back(std::string(definition.name) + "=" + std::string(definition.text));
        EXPECT_EQ(read, c.definitions);
    }

    CString many = "nagłówek";
    for (int pair = 1; pair <= 120; ++pair)
        many.AppendFormat("|N%d|T%d", pair, pair);
    const std::vector<DefinitionEntry> first = ParseSpecificationDefinitions(many);
    ASSERT_EQ(first.size(), 100u);
    EXPECT_EQ(first.back().name, "N100");
    EXPECT_EQ(first.back().text, "T100");
}

TEST(TechSpecFiles, PathsLieUnderTheProgramFolder)
{
    EXPECT_EQ(SpecificationHeadingsPath("C:\\Morvelank"), "C:\\Morvelank\\cnf\\202509\\specyfikacja_techniczna.cnf");
    EXPECT_EQ(SpecificationDefinitionsPath("C:\\Morvelank", 12), "C:\\Morvelank\\specyfikacja\\12.txt");
}

TEST(TechSpecInsertions, AHeadingGoesInWithoutItsNumber)
{
    const struct {
        const char *heading;
        const char *inserted;
    } cases[] = {
        {"1. Wymagania ogólne", "Wymagania ogólne\n"},
        {"12.3. Roboty. Zakres", "Roboty. Zakres\n"},
        // Only a number is cut off.
        {"Wymagania dot. materiałów", "Wymagania dot. materiałów\n"},
        {"1.Bez odstępu", "1.Bez odstępu\n"},
        {"Odbiór", "Odbiór\n"},
    };
    for (const auto &c : cases) {
        const SpecificationInsertion insertion = HeadingInsertion(kAtDocumentEnd, c.heading);
        EXPECT_EQ(insertion.text, c.inserted);
        EXPECT_EQ(insertion.format, kSpecificationName);
        EXPECT_EQ(insertion.position, kAtDocumentEnd);
    }
}

// The view's insertion as it acts on the shown document: -1 puts the caret at the start, 1 at
// the end, 0 leaves it where the selection starts; the text goes in there and is selected.
struct FakeView {
    void InsertTextAt(int position, const CString &inserted, int format)
    {
        if (position == kAtDocumentStart)
            start = 0;
        else if (position == kAtDocumentEnd)
            start = text.size();
        text.insert(start, std::string(inserted));
        formats.insert(start, std::string(inserted.GetLength(), format == kSpecificationName ? 'N' : 't'));
        calls.push_back(position);
    }
    InsertTextFunction Function()
    {
        return [this](int position, const CString &inserted, int format) { InsertTextAt(position, inserted, format); };
    }

    std::string text;
    std::string formats; // one letter per character: N name, t text
    size_t start = 0;    // where the selection starts
    std::vector<int> calls;
};

TEST(TechSpecInsertions, DefinitionsReadInTheOrderChosenWherePut)
{
    const std::vector<DefinitionEntry> chosen = {{"A", "a1"}, {"B", "b1"}};
    const std::string inserted = "A - a1\n\nB - b1\n\n";
    const struct {
        int position;
        std::string text;
    } cases[] = {
        {kAtCaret, "<" + inserted + ">"},
        {kAtDocumentStart, inserted + "<>"},
        {kAtDocumentEnd, "<>" + inserted},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.position);
        FakeView view;
        view.text = "<>";
        view.formats = "tt";
        view.start = 1;
        for (const SpecificationInsertion &insertion : DefinitionInsertions(c.position, chosen))
            view.InsertTextAt(insertion.position, insertion.text, insertion.format);
        EXPECT_EQ(view.text, c.text);
        EXPECT_EQ(view.calls, std::vector<int>(4, c.position));
        // Names in the name format, the rest as text.
        const size_t name = view.text.find("B - ");
        EXPECT_EQ(view.formats.substr(name, 4), "Nttt");
    }
}

// ---- The wizard ---------------------------------------------------------------------------------

class TechSpecWizard : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CreateDirectoryPath(folder / "cnf\\202509"));
        ASSERT_TRUE(CreateDirectoryPath(folder / "specyfikacja"));
        TestFolder::WriteBytes(SpecificationHeadingsPath(folder.Path()),
                               "1. Wymagania ogólne\r\n2. Materiały\r\n\r\n3. Wykonanie dot. robót\r\n");
        TestFolder::WriteBytes(
            SpecificationDefinitionsPath(folder.Path(), 1),
            "Wymagania ogólne|Zakres|Zakres robót.|Jakość|\r\nMateriały dobrej jakości\r\n|Bez tekstu");
        TestFolder::WriteBytes(SpecificationDefinitionsPath(folder.Path(), 3), "Wykonanie|Odbiór|Odbiór robót.");
        wizard.m_strMainPath = folder.Path();
        wizard.m_insertText = view.Function();
    }

    static void SelectHeading(CSpecyfikacjaTechniczna &d, int heading)
    {
        d.m_headings.SetCurSel(heading);
        d.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_TECH_SPEC_HEADINGS, LBN_SELCHANGE), (LPARAM)d.m_headings.m_hWnd);
    }

    static void ClickDefinition(CSpecyfikacjaTechniczna &d, int item)
    {
        d.m_definitionNames.SetSel(item, TRUE);
        d.m_definitionNames.SendMessage(LB_SETCARETINDEX, item);
        d.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_TECH_SPEC_DEFINITIONS, LBN_SELCHANGE),
                      (LPARAM)d.m_definitionNames.m_hWnd);
    }

    static std::vector<std::string> Items(const CListBox &list)
    {
        std::vector<std::string> items;
        for (int i = 0; i < list.GetCount(); ++i) {
            CString text;
            list.GetText(i, text);
            items.push_back(std::string(text));
        }
        return items;
    }

    static std::string Clipboard()
    {
        std::string text;
        if (!OpenClipboard(nullptr))
            return text;
        if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
            text = std::string(WideToCp1250(static_cast<const wchar_t *>(GlobalLock(data))));
            GlobalUnlock(data);
        }
        CloseClipboard();
        return text;
    }

    TestFolder folder;
    FakeView view;
    CSpecyfikacjaTechniczna wizard;
    DialogDriver driver;
};

TEST_F(TechSpecWizard, PutsTheChosenDefinitionsAndHeadingsIntoTheDocument)
{
    std::vector<std::string> headings, definitions, afterMissing;
    std::string shown, copied, shownAfterMissing;
    int selectedAfterAdding = -1;
    bool caretChosen = false;
    const INT_PTR result = driver.Run(wizard, [&](CDialog &) {
        CSpecyfikacjaTechniczna &d = wizard;
        headings = Items(d.m_headings);
        caretChosen = d.IsDlgButtonChecked(IDC_TECH_SPEC_AT_CARET) == BST_CHECKED;
        SelectHeading(d, 0);
        definitions = Items(d.m_definitionNames);
        ClickDefinition(d, 0);
        ClickDefinition(d, 1);
        shown = std::string(d.m_text.GetTextEx());
        d.CheckRadioButton(IDC_TECH_SPEC_AT_CARET, IDC_TECH_SPEC_AT_END, IDC_TECH_SPEC_AT_END);
        DialogDriver::Press(d, IDC_TECH_SPEC_ADD_DEFINITION);
        selectedAfterAdding = d.m_definitionNames.GetSelCount();
        DialogDriver::Press(d, IDC_TECH_SPEC_ADD_HEADING);
        copied = Clipboard();

        // A heading without definitions offers none, not those of the heading before.
        SelectHeading(d, 1);
        afterMissing = Items(d.m_definitionNames);
        shownAfterMissing = std::string(d.m_text.GetTextEx());
        DialogDriver::Press(d, IDC_TECH_SPEC_ADD_DEFINITION);

        SelectHeading(d, 2);
        d.CheckRadioButton(IDC_TECH_SPEC_AT_CARET, IDC_TECH_SPEC_AT_END, IDC_TECH_SPEC_AT_START);
        DialogDriver::Press(d, IDC_TECH_SPEC_ADD_HEADING);
        DialogDriver::Press(d, IDC_TECH_SPEC_CLOSE);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(headings, (std::vector<std::string>{"1. Wymagania ogólne", "2. Materiały", "3. Wykonanie dot. robót"}));
    EXPECT_TRUE(caretChosen);
    EXPECT_EQ(definitions, (std::vector<std::string>{"Zakres", "Jakość"}));
    EXPECT_EQ(shown, "Materiały dobrej jakości");
    EXPECT_EQ(selectedAfterAdding, 0);
    EXPECT_EQ(copied, "Materiały dobrej jakości");
    EXPECT_TRUE(afterMissing.empty());
    EXPECT_EQ(shownAfterMissing, "");
    EXPECT_EQ(view.text, "Wykonanie dot. robót\n"
                         "Zakres - Zakres robót.\n\nJakość - Materiały dobrej jakości\n\n"
                         "Wymagania ogólne\n");
    EXPECT_EQ(view.calls, (std::vector<int>{1, 1, 1, 1, 1, -1}));
    EXPECT_TRUE(driver.messages.empty());
}

TEST_F(TechSpecWizard, WithoutItsFilesTheWizardOffersNothingAndSaysNothing)
{
    wizard.m_strMainPath = folder / "brak";
    std::vector<std::string> headings = {"?"};
    driver.Run(wizard, [&](CDialog &) {
        headings = Items(wizard.m_headings);
        DialogDriver::Press(wizard, IDC_TECH_SPEC_ADD_HEADING);
        DialogDriver::Press(wizard, IDC_TECH_SPEC_ADD_DEFINITION);
    });
    EXPECT_TRUE(headings.empty());
    EXPECT_TRUE(view.calls.empty());
    EXPECT_TRUE(driver.messages.empty());
}

} // namespace
