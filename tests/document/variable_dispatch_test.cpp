#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/project.h"
#include "model/view_tables.h"
#include "document/engine/text_tables.h"
#include "document/view/value_editor_runner.h"
#include "document/engine/value_rendering.h"
#include "document/view/variable_dispatch.h"
#include "engine_fixture.h"
#include "framework/ui/testhook.h"

namespace {

// Editors that answer at once: what they were asked is kept, the answer given or cancelled.
class ScriptedEditors : public ValueEditorRunner {
public:
    bool EditText(TextEditRequest &request) override
    {
        calls.push_back("text");
        text = request;
        return Answer(request.value);
    }
    bool EditPrice(PriceEditRequest &request) override
    {
        calls.push_back("price");
        price = request;
        return Answer(request.value);
    }
    bool EditDate(DateEditRequest &request) override
    {
        calls.push_back("date");
        date = request;
        return Answer(request.value);
    }
    bool EditList(ListEditRequest &request) override
    {
        calls.push_back("list");
        list = request;
        return Answer(request.value);
    }
    bool EditOffersSummary(OffersSummaryEditRequest &request) override
    {
        calls.push_back("summary");
        summary = request;
        return Answer(request.value);
    }
    bool EditDocumentList(DocumentListEditRequest &request) override
    {
        calls.push_back("documents");
        documents = request;
        return Answer(request.value);
    }
    bool EditGridTable(GridTableEditRequest &request) override
    {
        calls.push_back("grid");
        grid = request;
        return Answer(request.value);
    }
    bool EditTable(TableEditRequest &request) override
    {
        calls.push_back("table");
        table = request;
        return Answer(request.value);
    }

    CString answer;
    bool confirm = true;
    std::vector<std::string> calls;
    TextEditRequest text;
    PriceEditRequest price;
    DateEditRequest date;
    ListEditRequest list;
    OffersSummaryEditRequest summary;
    DocumentListEditRequest documents;
    GridTableEditRequest grid;
    TableEditRequest table;

private:
    bool Answer(CString &value)
    {
        if (confirm)
            value = answer;
        return confirm;
    }
};

// dispatch.rtf: variable 1005 three times (twice before a heading, once after), an enabled and
// a disabled occurrence around them, a price pair, a list, and dates with their dependants.
class VariableDispatchTest : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        UseTemplate("dispatch.rtf");
        Variable(1005, 0, "Kowalski");
        Variable(1006, 0, "inny");
        tables->m_variables[1007].type = 1;
        tables->m_variables[1007].selected = 0;
        Variable(1008, 0, "Nowak");
        Variable(1009, 0, "zwykly");
        Variable(1010, 32, "100").groupNumber = 1010;
        Variable(1011, 34, "24").groupNumber = 1010;
        Variable(1012, 13, "a");
        Variable(1014, 2, "2025-03-03");
        Variable(1015, 2, "2025-04-02");
        Variable(1016, 16, "2025-01-01");
        Variable(1017, 2, "2025-01-15");
        engine->ShowDocument(0, -1);
        context.currentDocument = 0;
        context.mainPath = "C:\\Morvelank";
        context.schedulePath = "C:\\terminarz";
    }

    EditOutcome EditAt(int position, int character = 0)
    {
        VariableDispatch dispatch(control, *tables, context, &editors, modified);
        return dispatch.EditVariableAt(position, character);
    }
    // A position inside the occurrence slot.
    int Inside(int slot, int offset = 1) { return Occurrence(slot).position + offset; }
    // Every occurrence of the variable shows the text where the table says it is.
    void ExpectShownEverywhere(int variable, const std::string &text)
    {
        int found = 0;
        for (int slot = 0; slot < 20; ++slot) {
            const VariableOccurrence &o = Occurrence(slot);
            if (o.variable != variable || o.length == 0)
                continue;
            ++found;
            EXPECT_EQ(text, TextAt(o.position, o.length)) << "slot " << slot;
            EXPECT_EQ(static_cast<int>(text.size()), o.length);
        }
        EXPECT_GT(found, 0);
    }
    // Every occurrence and heading still covers the text it had before the edit.
    void ExpectTableInStep(const std::vector<std::pair<int, std::string>> &slots)
    {
        for (const auto &[slot, text] : slots) {
            const VariableOccurrence &o = Occurrence(slot);
            EXPECT_EQ(text, TextAt(o.position, o.length)) << "slot " << slot;
        }
    }

    ScriptedEditors editors;
    DispatchContext context;
    int modified = 0;
};

TEST_F(VariableDispatchTest, TextGoesIntoEveryOccurrenceAndLaterPositionsMove)
{
    ASSERT_EQ("A Kowalski B inny C Kowalski\r", Plain().substr(0, 29));
    tables->m_defaultTexts[4] = "2001;1005;";
    editors.answer = "Jan\r\nMaria\nNowak";
    const int clicked = Inside(2, 3);

    EXPECT_EQ(EditOutcome::Written, EditAt(clicked, 'x'));
    int start = 0, end = 0;
    RichEditText(control).GetSel(start, end);
    EXPECT_EQ(clicked, start) << "the caret is back where it was";
    EXPECT_EQ(clicked, end);

    EXPECT_EQ(1, modified);
    EXPECT_EQ(0, tables->m_variables[1005].untouched);
    EXPECT_STREQ("Jan\rMaria\rNowak", tables->m_variables[1005].value);
    ExpectShownEverywhere(1005, "Jan\rMaria\rNowak");
    ExpectTableInStep({{1, "inny"},
                       {3, "Nowak"},
                       {6, "100"},
                       {7, "24"},
                       {kFirstHeadingSlot + 2, "Drugi"},
                       {9, "2025-03-03"},
                       {12, "2025-01-15"}});
    EXPECT_EQ(0u, Plain().find("A Jan\rMaria\rNowak B inny C Jan\rMaria\rNowak\r"));

    // What the editor was given: a touched value opens with the typed key at the click.
    ASSERT_EQ(std::vector<std::string>{"text"}, editors.calls);
    EXPECT_STREQ("Kowalski", editors.text.value);
    EXPECT_EQ('x', editors.text.keyChar);
    EXPECT_EQ(3, editors.text.clickOffset);
    EXPECT_STREQ("nazwa", editors.text.variableName);
    EXPECT_STREQ("C:\\Morvelank", editors.text.helpFolder);
    EXPECT_EQ(4, editors.text.propagationIndex);
    EXPECT_EQ(0, editors.text.windowWidth);

    // The written text is a value's: blue, not struck out.
    RichEditText text(control);
    const VariableOccurrence &last = Occurrence(5);
    text.SetSel(last.position, last.position + last.length);
    const CHARFORMAT2W format = text.GetSelectionFormat();
    EXPECT_EQ(RGB(0, 0, 255), format.crTextColor);
    EXPECT_EQ(0u, format.dwEffects & CFE_STRIKEOUT);
}

TEST_F(VariableDispatchTest, ShorterTextAndPageBreaksMoveBack)
{
    tables->m_pageBreaks[0] = {0, Occurrence(6).position - 1, 129};
    tables->m_pageBreaks[1] = {3, Occurrence(6).position - 1, 129};
    tables->m_nPageBreaks = 2;
    const int before = tables->m_pageBreaks[0].position;
    editors.answer = "Li";

    EXPECT_EQ(EditOutcome::Written, EditAt(Inside(0)));

    ExpectShownEverywhere(1005, "Li");
    ExpectTableInStep({{1, "inny"}, {6, "100"}, {kFirstHeadingSlot + 2, "Drugi"}});
    EXPECT_EQ(before - 3 * 6, tables->m_pageBreaks[0].position) << "three occurrences, six shorter each";
    EXPECT_EQ(before, tables->m_pageBreaks[1].position) << "another document's mark stays";
}

TEST_F(VariableDispatchTest, EmptyTextIsShownAsARowOfFullStops)
{
    editors.answer = "";
    EXPECT_EQ(EditOutcome::Written, EditAt(Inside(0)));
    ExpectShownEverywhere(1005, std::string(30, '.'));
    ExpectTableInStep({{1, "inny"}, {kFirstHeadingSlot + 2, "Drugi"}});
}

// The value an untouched variable's editor opens with, and whether it takes the typed key.
TEST_F(VariableDispatchTest, UntouchedValueOpensAsTheBuyerDataOrEmpty)
{
    CString buyer[9] = {"Gmina Przykładowa", "", "00-001"};
    struct Case {
        const char *what;
        int procedureCode;
        int mapped; // the variable in column 2 of the buyer-data map
        const char *value;
        int keyChar;
        int width;
    } cases[] = {
        {"buyer data", 3, 1006, "00-001", 0, 0},
        {"nothing mapped", 3, 0, "", 0, 0},
        {"contracts keep the value", 198, 1006, "inny", 'k', 580},
        {"legal remedies keep the value", 196, 1006, "inny", 'k', 580},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        tables->m_variables[1006].untouched = 1;
        tables->m_nBuyerDataRows = 2;
        tables->m_buyerDataMap[1][1] = 1006; // column 1 is empty in the buyer data
        tables->m_buyerDataMap[1][2] = static_cast<int16_t>(c.mapped);
        context.buyerData = buyer;
        context.procedureCode = c.procedureCode;
        editors.confirm = false;

        EXPECT_EQ(EditOutcome::Cancelled, EditAt(Inside(1), 'k'));
        EXPECT_STREQ(c.value, editors.text.value);
        EXPECT_EQ(c.keyChar, editors.text.keyChar);
        EXPECT_EQ(c.width, editors.text.windowWidth);
        EXPECT_EQ(1, tables->m_variables[1006].untouched) << "a cancelled editor leaves it untouched";
    }
}

TEST_F(VariableDispatchTest, CancelledEditorKeepsValueAndText)
{
    const std::string plain = Plain();
    editors.confirm = false;
    EXPECT_EQ(EditOutcome::Cancelled, EditAt(Inside(1, 2)));
    int start = 0, end = 0;
    RichEditText(control).GetSel(start, end);
    EXPECT_EQ(Inside(1, 2), start);
    EXPECT_EQ(plain, Plain());
    EXPECT_STREQ("inny", tables->m_variables[1006].value);
    EXPECT_EQ(1, modified) << "set before the editor opens";
}

TEST_F(VariableDispatchTest, RefusedPositionsChangeNoText)
{
    struct Case {
        const char *what;
        int kind;
        int secured;
        int position; // -1: inside the slot below
        int slot;
        EditOutcome outcome;
        int modified;
    } cases[] = {
        {"plain text", 0, 0, 1, 0, EditOutcome::Refused, 1},
        {"just past an occurrence", 0, 0, -2, 0, EditOutcome::Refused, 1},
        {"disabled occurrence", 0, 0, -1, 3, EditOutcome::NotEditable, 1},
        {"plain-text occurrence", 0, 0, -1, 4, EditOutcome::NotEditable, 1},
        {"archive", 1, 0, -1, 0, EditOutcome::Refused, 0},
        {"example", 5, 0, -1, 0, EditOutcome::Refused, 0},
        {"secured document", 0, 1, -1, 0, EditOutcome::Refused, 0},
    };
    const std::string plain = Plain();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        context.proceedingKind = c.kind;
        tables->m_documents[0].secured = static_cast<uint8_t>(c.secured);
        modified = 0;
        const VariableOccurrence &o = Occurrence(c.slot);
        const int position = c.position == -1 ? o.position + 1 : c.position == -2 ? o.position + o.length : c.position;
        EXPECT_EQ(c.outcome, EditAt(position));
        EXPECT_EQ(c.modified, modified);
        EXPECT_TRUE(editors.calls.empty());
        EXPECT_EQ(plain, Plain());
    }
}

TEST_F(VariableDispatchTest, OccurrenceAtTheVeryStartIsNeverFound)
{
    VariableOccurrence &first = *tables->m_occurrences.Block(0)->Variable(0);
    first.length += first.position;
    first.position = 0;
    EXPECT_EQ(EditOutcome::Refused, EditAt(0));
    EXPECT_TRUE(editors.calls.empty());
}

TEST_F(VariableDispatchTest, TypesWithoutAnEditorOpenNothing)
{
    const std::string plain = Plain();
    const struct {
        int type;
        EditOutcome outcome;
    } cases[] = {{12, EditOutcome::NothingToDo},
                 {19, EditOutcome::NothingToDo},
                 {22, EditOutcome::NothingToDo},
                 {29, EditOutcome::NothingToDo},
                 {37, EditOutcome::NothingToDo}};
    for (const auto &c : cases) {
        tables->m_variables[1012].type = static_cast<int16_t>(c.type);
        EXPECT_EQ(c.outcome, EditAt(Inside(8))) << c.type;
    }
    EXPECT_TRUE(editors.calls.empty());
    EXPECT_EQ(plain, Plain());

    // Without a registered runner even a text variable has no editor to open.
    VariableDispatch dispatch(control, *tables, context, nullptr, modified);
    EXPECT_EQ(EditOutcome::NothingToDo, dispatch.EditVariableAt(Inside(0), 0));
    EXPECT_EQ(plain, Plain());
}

TEST_F(VariableDispatchTest, PriceFillsItsPairFromTheRate)
{
    struct Case {
        int slot;
        int rate;
        const char *answer;
        const char *zloty;
        const char *euro;
    } cases[] = {
        {6, 41749, "1 000", "1 000", "239.53"},
        {7, 41749, "1 000", "4 174.90", "1 000"},
        {6, 0, "2 000", "2 000", "1 000"}, // no rate: the other amount stays
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.answer);
        context.euroRate = c.rate;
        editors.answer = c.answer;
        EXPECT_EQ(EditOutcome::Written, EditAt(Inside(c.slot)));
        EXPECT_STREQ(c.slot == 6 ? "cena" : "euro", editors.price.caption);
        EXPECT_STREQ(c.zloty, tables->m_variables[1010].value);
        EXPECT_STREQ(c.euro, tables->m_variables[1011].value);
        ExpectShownEverywhere(1010, c.zloty);
        ExpectShownEverywhere(1011, c.euro);
        ExpectTableInStep({{8, "-      a"}, {9, "2025-03-03"}});
    }
}

TEST_F(VariableDispatchTest, UngroupedPriceChangesOnlyItself)
{
    tables->m_variables[1010].groupNumber = -1;
    tables->m_variables[1011].groupNumber = -1;
    context.euroRate = 41749;
    editors.answer = "5";
    EXPECT_EQ(EditOutcome::Written, EditAt(Inside(6)));
    EXPECT_STREQ("5", tables->m_variables[1010].value);
    EXPECT_STREQ("24", tables->m_variables[1011].value);
}

TEST_F(VariableDispatchTest, OfferDateSetsValidityAndDependentDate)
{
    tables->m_dateDefaults[0] = {1014, 1017, 14};
    tables->m_dateDefaults[1] = {1014, 1016, 99}; // only the first row counts
    tables->m_nDateDefaultRows = 2;
    editors.answer = "2025-12-20";

    EXPECT_EQ(EditOutcome::Written, EditAt(Inside(9)));

    EXPECT_EQ(0, editors.date.mode);
    EXPECT_STREQ("2025-03-03", editors.date.value);
    EXPECT_STREQ("C:\\terminarz", editors.date.schedulePath);
    ExpectShownEverywhere(1014, "2025-12-20");
    ExpectShownEverywhere(1015, "2026-01-19"); // + 30 days, both occurrences
    // + 14 days is Saturday 3 January: the dependent date ends a period the act caps (the
    // binding period), so it stays there rather than run past the cap.
    ExpectShownEverywhere(1017, "2026-01-03");
    EXPECT_STREQ("2025-01-01", tables->m_variables[1016].value);
}

TEST_F(VariableDispatchTest, OfferValidityTakesTheChosenDayCount)
{
    // A selected option of the shown document whose hint names the day count gives it.
    VariableOccurrence &option = *tables->m_occurrences.Block(0)->Variable(8);
    option.hint = " Wskaż ilość dni związania ofertą ";
    tables->m_variables[1012].type = 1;
    tables->m_variables[1012].selected = 1;
    tables->m_variables[1012].value = "60";
    editors.answer = "2025-01-01";
    EXPECT_EQ(EditOutcome::Written, EditAt(Inside(9)));
    ExpectShownEverywhere(1015, "2025-03-02");
}

TEST_F(VariableDispatchTest, DateModeFollowsTheType)
{
    const struct {
        int type;
        int mode;
    } cases[] = {{2, 0}, {16, 1}, {17, 2}};
    editors.confirm = false;
    for (const auto &c : cases) {
        tables->m_variables[1016].type = static_cast<int16_t>(c.type);
        EditAt(Inside(11));
        EXPECT_EQ(c.mode, editors.date.mode) << c.type;
    }
}

// The proceeding card's one choice of the order's kind tells the deadline calculator which
// term to preselect.
TEST_F(VariableDispatchTest, TheCardsWorksOptionReachesTheDeadlineCalculator)
{
    editors.confirm = false;
    tables->m_variables[1016].type = 17;
    tables->m_variables[158].type = 1;
    for (int selected : {1, 0}) {
        tables->m_variables[158].selected = selected;
        EditAt(Inside(11));
        EXPECT_EQ(selected == 1, editors.date.worksOrder) << selected;
    }
}

TEST_F(VariableDispatchTest, ListRowsGoIntoEveryOccurrenceAsTheirTable)
{
    tables->m_variables[1005].type = 5; // the list of offers
    tables->m_nParts = 2;
    editors.answer = "1|Firma A|Polna 1|2024-01-02|1\n2|Firma B|Leśna 2|2024-01-03|2\n";

    EXPECT_EQ(EditOutcome::Written, EditAt(Inside(2)));

    ASSERT_EQ(std::vector<std::string>{"list"}, editors.calls);
    EXPECT_EQ(1, editors.list.listKind);
    EXPECT_EQ(2, editors.list.partCount);
    EXPECT_STREQ("Kowalski", editors.list.value);
    EXPECT_STREQ(editors.answer, tables->m_variables[1005].value) << "the rows are the value";
    EXPECT_EQ(0, tables->m_variables[1005].untouched);
    CString table = BuildDocumentTable(TableValueText(editors.answer), 1, 2);
    NormalizeNewlines(table);
    ASSERT_GT(table.GetLength(), 100);
    ExpectShownEverywhere(1005, table.GetString());
    ExpectTableInStep({{1, "inny"},
                       {3, "Nowak"},
                       {6, "100"},
                       {7, "24"},
                       {kFirstHeadingSlot + 2, "Drugi"},
                       {9, "2025-03-03"},
                       {12, "2025-01-15"}});

    // A table is set in the fixed-pitch face of tables.
    RichEditText text(control);
    const VariableOccurrence &last = Occurrence(5);
    text.SetSel(last.position, last.position + last.length);
    const CHARFORMAT2W format = text.GetSelectionFormat();
    EXPECT_STREQ(L"Courier New", format.szFaceName);
    EXPECT_EQ(RGB(0, 0, 255), format.crTextColor);
}

TEST_F(VariableDispatchTest, ListKindIsTheTypeLessFourAndAnUntouchedListOpensEmpty)
{
    const struct {
        int type;
        int kind;
    } cases[] = {{4, 0}, {10, 6}, {18, 14}, {21, 17}, {33, 29}};
    const std::string plain = Plain();
    editors.confirm = false;
    tables->m_variables[1005].untouched = 1;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.type);
        tables->m_variables[1005].type = static_cast<int16_t>(c.type);
        EXPECT_EQ(EditOutcome::Cancelled, EditAt(Inside(0)));
        EXPECT_EQ(c.kind, editors.list.listKind);
        EXPECT_EQ(-1, editors.list.partCount);
        EXPECT_STREQ("", editors.list.value);
    }
    EXPECT_EQ(plain, Plain());
    EXPECT_STREQ("Kowalski", tables->m_variables[1005].value);
    EXPECT_EQ(1, tables->m_variables[1005].untouched);

    context.procedureCode = 198; // contracts always show the stored rows
    EditAt(Inside(0));
    EXPECT_STREQ("Kowalski", editors.list.value);
}

// The offers summary opens with the stored offers even while they are the template's, and every
// occurrence shows them as the table of offers with their criterion points.
TEST_F(VariableDispatchTest, OffersSummaryIsShownAsTheTableOfOffersAndTheirPoints)
{
    tables->m_variables[1005].type = 11;
    tables->m_variables[1005].untouched = 1;
    const std::string plain = Plain();
    editors.confirm = false;
    EXPECT_EQ(EditOutcome::Cancelled, EditAt(Inside(0)));
    EXPECT_EQ(plain, Plain());
    EXPECT_EQ(1, tables->m_variables[1005].untouched);

    editors.confirm = true;
    editors.answer = "1 | Cena=90 | Termin=10 | Suma=100.00\n2 | Cena=70 | Termin=5  | Suma=75.00 \n";
    EXPECT_EQ(EditOutcome::Written, EditAt(Inside(2)));
    EXPECT_EQ((std::vector<std::string>{"summary", "summary"}), editors.calls);
    EXPECT_STREQ("Kowalski", editors.summary.value);
    EXPECT_STREQ(editors.answer, tables->m_variables[1005].value);
    EXPECT_EQ(0, tables->m_variables[1005].untouched);
    CString table = BuildDocumentTable(TableValueText(editors.answer), 7, -1);
    NormalizeNewlines(table);
    // Offer 1: its first criterion beside the total, the second on a line of its own.
    EXPECT_NE(-1, table.Find("| 1  | Cena ")) << table.GetString();
    EXPECT_NE(-1, table.Find("| 90      | 100.00  |")) << table.GetString();
    EXPECT_NE(-1, table.Find("|    | Termin ")) << table.GetString();
    ExpectShownEverywhere(1005, table.GetString());
    ExpectTableInStep({{1, "inny"}, {3, "Nowak"}, {6, "100"}, {7, "24"}, {kFirstHeadingSlot + 2, "Drugi"}});
}

// A row of the selected offers with another number of cells than the first is reported, once
// for each such row, when it is edited and when the document is generated; the table is shown
// all the same.
TEST_F(VariableDispatchTest, SelectedOfferRowsOfAnotherCellCountAreReportedAndStillShown)
{
    std::vector<CString> shown;
    CTestHook hook;
    hook.onMessageBox = [&](const CString &text, const CString &caption, UINT) {
        shown.push_back(caption + ": " + text);
        return IDOK;
    };
    CTestHookScope scope(hook);
    const CString message = "Błąd: Błąd konwersji tabeli 'Lista wybranych ofert'";
    const std::vector<CString> twice(2, message);
    tables->m_variables[1005].type = 11;

    editors.answer = "1 | Cena=90 | Termin=10 | Suma=100.00\n2 | Cena=70 | Suma=70.00\n"
                     "3 | Cena=50 | Termin=5 | Gwarancja=5 | Suma=60.00\n";
    EXPECT_EQ(EditOutcome::Written, EditAt(Inside(0)));
    EXPECT_EQ(twice, shown);
    CString table = BuildDocumentTable(TableValueText(editors.answer), 7, -1);
    NormalizeNewlines(table);
    ExpectShownEverywhere(1005, table.GetString());

    shown.clear();
    engine->ShowDocument(0, -1);
    EXPECT_EQ(std::vector<CString>(6, message), shown) << "generation lays the table out in each of its three places";

    shown.clear();
    editors.answer = "1 | Cena=90 | Suma=90.00\n2 | Cena=70 | Suma=70.00\n";
    EXPECT_EQ(EditOutcome::Written, EditAt(Inside(0)));
    engine->ShowDocument(0, -1);
    EXPECT_TRUE(shown.empty());
}

// Every occurrence of the variable shows the list its type makes; a numbered list is headed by
// the name of its own occurrence.
TEST_F(VariableDispatchTest, DocumentListsAreWrittenAsDashLetteredAndNumberedLists)
{
    std::string twenty;
    for (int item = 1; item <= 20; ++item)
        twenty += "d" + std::to_string(item) + "|";
    const struct {
        int type;
        std::string value;
        std::string shown;     // slots 0 and 2, named "nazwa"
        std::string shownLast; // slot 5, renamed "spis"
    } cases[] = {
        {13, "Wniosek|Oferta|", "-      Wniosek\r-      Oferta", "-      Wniosek\r-      Oferta"},
        {14, "Wniosek|Oferta|", "f)      Wniosek\rg)      Oferta", "f)      Wniosek\rg)      Oferta"},
        {15, "Wniosek||Oferta|", "nazwa\r  1. Wniosek\r  2. Oferta\r", "spis\r  1. Wniosek\r  2. Oferta\r"},
        {14, twenty,
         "f)      d1\rg)      d2\rh)      d3\ri)      d4\rj)      d5\rk)      d6\rl)      d7\rm)      d8\r"
         "n)      d9\ro)      d10\rp)      d11\rr)      d12\rs)      d13\rt)      d14\ru)      d15\r"
         "v)      d16\rw)      d17\rx)      d18\rx)      d19\rx)      d20",
         ""},
    };
    tables->m_occurrences.Block(0)->Variable(5)->name = "spis";
    for (const auto &c : cases) {
        SCOPED_TRACE(c.shown);
        tables->m_variables[1005].type = static_cast<int16_t>(c.type);
        editors.answer = c.value.c_str();
        EXPECT_EQ(EditOutcome::Written, EditAt(Inside(2)));
        EXPECT_EQ("documents", editors.calls.back());
        EXPECT_STREQ("nazwa", editors.documents.caption);
        EXPECT_STREQ(c.value.c_str(), tables->m_variables[1005].value);
        EXPECT_EQ(c.shown, TextAt(Occurrence(0).position, Occurrence(0).length));
        EXPECT_EQ(c.shown, TextAt(Occurrence(2).position, Occurrence(2).length));
        EXPECT_EQ(c.shownLast.empty() ? c.shown : c.shownLast, TextAt(Occurrence(5).position, Occurrence(5).length));
        ExpectTableInStep(
            {{1, "inny"}, {3, "Nowak"}, {6, "100"}, {kFirstHeadingSlot + 2, "Drugi"}, {12, "2025-01-15"}});
    }
}

TEST_F(VariableDispatchTest, DocumentListOpensByTheUntouchedRuleAndCancelKeepsIt)
{
    const std::string plain = Plain();
    tables->m_variables[1012].untouched = 1;
    tables->m_variables[1012].value = "Szablon|";
    editors.confirm = false;
    EXPECT_EQ(EditOutcome::Cancelled, EditAt(Inside(8)));
    EXPECT_STREQ("", editors.documents.value);
    EXPECT_STREQ("lista", editors.documents.caption);
    EXPECT_EQ(plain, Plain());
    EXPECT_STREQ("Szablon|", tables->m_variables[1012].value);
    EXPECT_EQ(1, tables->m_variables[1012].untouched);

    context.procedureCode = 196;
    EditAt(Inside(8));
    EXPECT_STREQ("Szablon|", editors.documents.value);
}

TEST_F(VariableDispatchTest, GridTableIsShownAsTheRecordListOfEachOccurrence)
{
    const struct {
        int type;
        int mode;
    } cases[] = {{30, 1}, {31, 0}, {36, 2}};
    const std::string rule(75, '-');
    const std::string records =
        "Nazwa: " + std::string(23, ' ') + "Firma A\r" + "Adres: " + std::string(23, ' ') + "Polna 1\rul. 2\r\r\r";
    tables->m_occurrences.Block(0)->Variable(5)->name = "";
    for (const auto &c : cases) {
        SCOPED_TRACE(c.type);
        tables->m_variables[1005].type = static_cast<int16_t>(c.type);
        tables->m_variables[1005].untouched = 1; // the grid always opens with the stored value
        editors.answer = "Nazwa|Adres\nNazwa=Firma A|Adres=Polna 1\\nul. 2\n";
        const CString stored = tables->m_variables[1005].value;

        EXPECT_EQ(EditOutcome::Written, EditAt(Inside(0)));
        EXPECT_EQ(c.mode, editors.grid.mode);
        EXPECT_STREQ("nazwa", editors.grid.caption);
        EXPECT_STREQ(stored, editors.grid.value);
        EXPECT_STREQ(editors.answer, tables->m_variables[1005].value);
        EXPECT_EQ(0, tables->m_variables[1005].untouched);
        EXPECT_EQ("nazwa\r" + rule + "\r\r" + records, TextAt(Occurrence(2).position, Occurrence(2).length));
        EXPECT_EQ(rule + "\r\r" + records, TextAt(Occurrence(5).position, Occurrence(5).length))
            << "an occurrence without a name has no heading";
        ExpectTableInStep(
            {{1, "inny"}, {3, "Nowak"}, {6, "100"}, {kFirstHeadingSlot + 2, "Drugi"}, {12, "2025-01-15"}});
    }
}

// The RTF table stands in paragraphs of its own, as templates place it.
TEST_F(VariableDispatchTest, TableEditorResultIsInsertedAsAnRtfTableInEveryOccurrence)
{
    Variable(1013, 35, "1;-1;-1;H;1;;");
    engine->ShowDocument(0, -1);
    CProject project;
    context.project = &project;
    editors.answer = "2;-1;-1;Nazwa;1;;Waga;1;;Cena;60;";

    EXPECT_EQ(EditOutcome::Written, EditAt(Inside(14)));

    EXPECT_EQ(&project, editors.table.project);
    EXPECT_STREQ("tabela", editors.table.name);
    EXPECT_STREQ("1;-1;-1;H;1;;", editors.table.value);
    EXPECT_STREQ(editors.answer, tables->m_variables[1013].value);
    const std::string table = "\r\nNazwa\tWaga\t\r\n\r\nCena\t60\t\r\n#1013";
    EXPECT_EQ(table, TextAt(Occurrence(14).position, Occurrence(14).length));
    EXPECT_EQ(table, TextAt(Occurrence(15).position, Occurrence(15).length));
    EXPECT_EQ(static_cast<int>(table.size()), tables->m_variables[1013].insertedLength);
    EXPECT_NE(std::string::npos, Plain().find("\rpomiedzy\r"));
    ExpectTableInStep({{1, "inny"}, {12, "2025-01-15"}});

    // Cancelled: nothing changes.
    const std::string plain = Plain();
    editors.confirm = false;
    EXPECT_EQ(EditOutcome::Cancelled, EditAt(Inside(15)));
    EXPECT_EQ(plain, Plain());
}

TEST(AddDaysToDateText, CountsAcrossMonthsAndYearsAndRefusesNonDates)
{
    EXPECT_STREQ("2024-03-01", AddDaysToDateText("2024-02-28", 2));
    EXPECT_STREQ("2026-01-19", AddDaysToDateText("2025-12-20", 30));
    EXPECT_STREQ("2025-02-28", AddDaysToDateText("2025-03-01", -1));
    EXPECT_STREQ("", AddDaysToDateText("1.1.2025", 3));
    EXPECT_STREQ("", AddDaysToDateText("2025-13-01", 3));
}

} // namespace
