#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/engine/text_styles.h"
#include "model/view_tables.h"
#include "engine_fixture.h"
#include "framework/ui/testhook.h"

namespace {

struct Expected {
    int slot;
    int variable;
    const char *text; // what the control shows at the occurrence
    const char *hint;
    const char *name;
    int enabled;
    int link;
};

} // namespace

class GenerationTest : public EngineTest {
protected:
    // Each occurrence stands where its text is found, searching on from the previous one.
    void ExpectOccurrences(const std::string &plain, const Expected *begin, const Expected *end)
    {
        size_t from = 0;
        for (const Expected *e = begin; e != end; ++e) {
            SCOPED_TRACE(e->slot);
            const VariableOccurrence &o = Occurrence(e->slot);
            const size_t at = plain.find(e->text, from);
            ASSERT_NE(std::string::npos, at) << e->text;
            from = at + 1;
            EXPECT_EQ(e->variable, o.variable);
            EXPECT_EQ(static_cast<int>(at), o.position);
            EXPECT_EQ(static_cast<int>(std::string(e->text).size()), o.length);
            EXPECT_EQ(e->text, TextAt(o.position, o.length)) << "the control agrees";
            EXPECT_STREQ(e->hint, o.hint);
            EXPECT_STREQ(e->name, o.name);
            EXPECT_EQ(e->enabled, o.enabled);
            EXPECT_EQ(e->link, o.link);
        }
    }

    void SetUpTagVariables()
    {
        Variable(1005, 0, "Kowalski");
        tables->m_variables[1007].selected = 0;
        Variable(1008, 0, "Nowak", 1);
        Variable(1013, 0, "tak", 1);
        Variable(1009, 1, "").selected = 1;
        Variable(1010, 3, "").selected = 0;
        Variable(1011, 20, "");
        Variable(1012, 19, "nigdy");
        Variable(1014, 0, "wartosc");
    }
};

// Every tag form, the malformed ones and those naming numbers outside the tables.
TEST_F(GenerationTest, EveryTagForm)
{
    UseTemplate("tags.rtf");
    SetUpTagVariables();
    engine->ShowDocument(0, -1);

    const std::string plain = Plain();
    EXPECT_EQ("Przedmiot\r"
              "Nazwa: Kowalski.\r"
              "zwykly|Nowak|tak\r"
              " [o] opcja [ ] pole\r"
              "stale < x <# <!A12>nieznany</A12> wartosc\r"
              "Druga <$-01>zla<?-01> <$002>bez konca\r"
              "<!99999>poza</99999> <!03999>instancja</03999> <!A05><+99999>zly link</A05>",
              plain);

    const Expected expected[] = {
        {0, 1005, "Kowalski", "Podpowiedź", "nazwa", 1, -1},
        {1, 1006, "zwykly", "", "to jest zwykly tekst", 0, 1007},
        {2, 1008, "Nowak", "", "powiazany", 0, 1007},
        {3, 1013, "tak", "", "wlaczony", 1, 1009},
        {4, 1009, " [o] opcja", "", "", -1, -1},
        {5, 1010, " [ ] pole", "", "", -1, -1},
        {6, 1011, "stale", "", "stale", 1, -1},
        {8, 1014, "wartosc", "", ";zaczyna", 1, -1},
    };
    ExpectOccurrences(plain, std::begin(expected), std::end(expected));
    const Expected headings[] = {
        {1001, kHeadingVariable, "Przedmiot", "naglowek", "", 1, -1},
        {2002, kHeadingVariable, "Druga", "naglowek", "", 1, -1},
    };
    ExpectOccurrences(plain, std::begin(headings), std::end(headings));

    // A tag of a type that is never shown keeps its slot number but writes nothing into it,
    // and so does an instance number past the pool; a tag left as text takes no slot.
    EXPECT_EQ(0, Occurrence(7).variable);
    EXPECT_EQ(0, Occurrence(9).variable);
    EXPECT_EQ(0, Occurrence(10).variable);
    EXPECT_EQ(-1, Occurrence(10).enabled);
    // The last heading opener decides, even one without its closer.
    EXPECT_EQ(1003, tables->m_nLastHeadingSlot);

    EXPECT_STREQ("opcja", tables->m_variables[1009].value) << "an option's value is its template text";
    EXPECT_EQ(1, tables->m_variables[1009].selected);
    EXPECT_EQ(0, engine->m_nCurrentDocument);
    EXPECT_EQ(-1, engine->m_nCurrentPart);
    EXPECT_NE(0, GetWindowLongW(control, GWL_STYLE) & ES_READONLY);
}

TEST_F(GenerationTest, StylesTellTheStateOfEachValue)
{
    UseTemplate("tags.rtf");
    SetUpTagVariables();
    engine->ShowDocument(0, -1);

    struct Case {
        int slot;
        COLORREF colour;
        DWORD effects;
    };
    const COLORREF grey = RGB(95, 95, 95), blue = RGB(0, 0, 255);
    const Case cases[] = {
        {0, blue, 0}, {1, grey, CFE_STRIKEOUT}, {2, grey, CFE_STRIKEOUT},       {3, RGB(128, 128, 255), 0},
        {4, blue, 0}, {6, RGB(0, 135, 0), 0},   {1001, RGB(0, 0, 0), CFE_BOLD},
    };
    RichEditText text(control);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.slot);
        const VariableOccurrence &o = Occurrence(c.slot);
        text.SetSel(o.position, o.position + o.length);
        const CHARFORMAT2W format = text.GetSelectionFormat();
        EXPECT_EQ(c.colour, format.crTextColor);
        EXPECT_EQ(c.effects, format.dwEffects & (CFE_BOLD | CFE_STRIKEOUT | CFE_ITALIC));
    }
}

TEST_F(GenerationTest, DivisionBlocks)
{
    struct Case {
        int parts;
        const char *plain;
    };
    const Case cases[] = {
        {-1, "ABjednoC<wielozadaniowy>bez konca"},
        {2, "AwieledwaBC<wielozadaniowy>bez konca"},
    };
    UseTemplate("division.rtf");
    for (const Case &c : cases) {
        SCOPED_TRACE(c.parts);
        tables->m_nParts = c.parts;
        engine->ShowDocument(0, -1);
        EXPECT_EQ(c.plain, Plain());
    }
}

// Per-part and per-entry blocks: instances numbered from the first dynamic number, the
// add-entry link after the entries, and the same instances found again by the next generation.
TEST_F(GenerationTest, RepeatedBlocksPerPartAndPerEntry)
{
    UseTemplate("blocks.rtf");
    tables->m_nParts = 2;
    tables->m_partFlags[1] = 1;
    Variable(1005, 0, "100");
    Variable(1006, 0, "..........", 1);
    Variable(1102, 0, "Dodaj osobe|Czlonkowie komisji", 1);
    engine->ShowDocument(0, -1);

    const std::string plain = Plain();
    EXPECT_EQ("Zadanie 1: 100\rZadanie 2: 100\rKomisja:\rOsoba: ..........\rDodaj osobe\rKoniec", plain);
    const Expected expected[] = {
        {0, 3000, "100", "", "cena", 1, -1},
        {1, 3001, "100", "", "cena", 1, -1},
        {2, 3002, "..........", "", "osoba", 1, -1},
        {3, 1102, "Dodaj osobe", "Czlonkowie komisji", "TUTAJ NOWA ZMIENNA", 1, -1},
    };
    ExpectOccurrences(plain, std::begin(expected), std::end(expected));
    EXPECT_EQ(3003, tables->m_nNextDynamicVariable);
    EXPECT_EQ(0, tables->m_variables[3001].type) << "the instance took over its template variable";

    RichEditText text(control);
    text.SetSel(Occurrence(3).position, Occurrence(3).position + Occurrence(3).length);
    EXPECT_EQ(RGB(180, 0, 0), text.GetSelectionFormat().crTextColor);

    engine->ShowDocument(0, -1);
    EXPECT_EQ(plain, Plain());
    EXPECT_EQ(3003, tables->m_nNextDynamicVariable);
    EXPECT_STREQ("Kliknij aby zmienić wpisy", Occurrence(3).hint);
}

TEST_F(GenerationTest, PoolExhaustedStopsWithTheMessage)
{
    UseTemplate("blocks.rtf");
    tables->m_nNextDynamicVariable = tables->GetVariableCount();
    CString shown;
    CTestHook hook;
    hook.onMessageBox = [&](const CString &text, const CString &, UINT) {
        shown = text;
        return IDOK;
    };
    CTestHookScope scope(hook);
    engine->ShowDocument(0, 4);
    EXPECT_STREQ("Zbyt duża ilość zmiennych", shown);
    EXPECT_EQ(-1, engine->m_nCurrentDocument);
}

TEST_F(GenerationTest, ListsAndTablesAndWhatFollowsThem)
{
    UseTemplate("lists.rtf");
    Variable(1013, 15, "a||b|");
    Variable(1014, 14, "a|b|c");
    Variable(1015, 13, "a|b ");
    Variable(1035, 35, "2;-1;-1;A;1;x;B;1;x;a1;b1;a2;");
    Variable(1005, 0, "koniec");
    engine->ShowDocument(0, -1);

    const std::string table = "\r\nA\tB\t\r\n\r\na1\tb1\t\r\n\r\na2\t\t\r\n#1035";
    const std::string plain = Plain();
    EXPECT_EQ("Lista: tytul\r  1. a\r  2. b\r|\r"
              "Litery: f)      a\rg)      b\rh)      c|\r"
              "Kreski: -      a\r-      b|\r"
              "Tabela:\r"
                  + table
                  + "\r"
                    "Po tabeli: koniec|",
              plain);
    const Expected expected[] = {
        {0, 1013, "tytul\r  1. a\r  2. b\r", "", "tytul", 1, -1},
        {1, 1014, "f)      a\rg)      b\rh)      c", "", "x", 1, -1},
        {2, 1015, "-      a\r-      b", "", "x", 1, -1},
        {3, 1035, table.c_str(), "", "t", 1, -1},
        {4, 1005, "koniec", "", "x", 1, -1},
    };
    ExpectOccurrences(plain, std::begin(expected), std::end(expected));
    EXPECT_EQ(static_cast<int>(table.size()), tables->m_variables[1035].insertedLength);
}

// A page break the user put in is streamed back in, and the values after it move with it.
TEST_F(GenerationTest, PageBreaksMoveTheValuesAfterThem)
{
    UseTemplate("pagebreak.rtf");
    Variable(1005, 0, "Kowalski");
    Variable(1006, 0, "Nowak");
    tables->m_pageBreaks[0] = {0, 16, 129};
    tables->m_pageBreaks[1] = {1, 0, 129}; // another document's
    tables->m_nPageBreaks = 2;
    engine->ShowDocument(0, -1);

    const std::string plain = Plain();
    EXPECT_EQ(0u, plain.find("Przed Kowalski|\r"));
    EXPECT_NE(std::string::npos, plain.find("podział strony"));
    EXPECT_EQ("Kowalski", TextAt(Occurrence(0).position, Occurrence(0).length));
    EXPECT_EQ("Nowak", TextAt(Occurrence(1).position, Occurrence(1).length));
    EXPECT_GT(Occurrence(1).position, 16 + 100);
}

TEST_F(GenerationTest, RefusedDocumentsLeaveTheControlAsItWas)
{
    UseTemplate("pagebreak.rtf", 1);
    tables->m_documents[1].state = kStateNotGenerated;
    RichEditText(control).ReplaceSel("poprzedni");
    for (int index : {-1, 1, kDocumentSlots}) {
        SCOPED_TRACE(index);
        engine->ShowDocument(index, -1);
        EXPECT_EQ("poprzedni", Plain());
        EXPECT_EQ(-1, host.requested);
        EXPECT_EQ(-1, engine->m_nCurrentDocument);
    }
}

// Every document has a block of its own, also past the first seventy.
TEST_F(GenerationTest, LateDocumentsKeepTheirOccurrences)
{
    UseTemplate("tags.rtf", 69);
    UseTemplate("pagebreak.rtf", 139);
    SetUpTagVariables();
    engine->ShowDocument(139, -1);
    engine->ShowDocument(69, -1);
    EXPECT_EQ(1005, Occurrence(0, 139).variable);
    EXPECT_EQ(6, Occurrence(0, 139).position);
    EXPECT_EQ(17, Occurrence(0, 69).position);
}

TEST_F(GenerationTest, EditableDocumentStaysWritable)
{
    UseTemplate("pagebreak.rtf");
    tables->m_documents[0].state = kStateEditable;
    engine->ShowDocument(0, -1);
    EXPECT_EQ(0, GetWindowLongW(control, GWL_STYLE) & ES_READONLY);
}

// The control reads \qj as left, no tab stop's alignment and keeps every paragraph after the
// first \keepn with the next: generation gives each paragraph the template's layout, and the
// page set-up the template states is known.
TEST_F(GenerationTest, ParagraphsTakeTheTemplatesLayout)
{
    UseTemplate("layout.rtf");
    Variable(1001, 0, "ZP.271.1.2026");
    Variable(1002, 0, "2026-12-11");
    Variable(1003, 0, "tekst wartości");
    engine->ShowDocument(0, -1);

    const LONG rightTab = 9638 | (2 << 24);
    struct Case {
        const char *start; // the paragraph's first words
        WORD alignment;
        WORD effects;
        std::vector<LONG> tabs;
    };
    const Case cases[] = {
        {"Znak sprawy: ZP.271.1.2026\tWierzbnica, dnia 2026-12-11", PFA_LEFT, 0, {rightTab}},
        {"TYTUŁ DOKUMENTU", PFA_CENTER, 0, {}},
        {"Nagłówek trzymany", PFA_LEFT, PFE_KEEPNEXT, {}},
        {"Tekst wyjustowany z wartością tekst wartości", PFA_JUSTIFY, 0, {}},
        {"Drugi akapit", PFA_JUSTIFY, 0, {}},
        {"1.\tPunkt przed tabelą", PFA_LEFT, 0, {567}},
        {"Akapit trzymany", PFA_LEFT, PFE_KEEP, {}},
        {"Podpis", PFA_RIGHT, 0, {}},
        {"Zwykły akapit", PFA_LEFT, 0, {}},
    };
    const std::string plain = Plain();
    RichEditText text(control);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.start);
        const size_t at = plain.find(c.start);
        ASSERT_NE(std::string::npos, at);
        text.SetSel(static_cast<int>(at), static_cast<int>(at));
        const PARAFORMAT2 format = text.GetSelectionParagraphFormat();
        EXPECT_EQ(c.alignment, format.wAlignment);
        EXPECT_EQ(c.effects, format.wEffects & (PFE_KEEP | PFE_KEEPNEXT));
        EXPECT_EQ(c.tabs, std::vector<LONG>(format.rgxTabs, format.rgxTabs + format.cTabCount));
    }

    const RichTextPageSetup page = engine->ShownPageSetup();
    EXPECT_EQ(16838, page.paperWidth);
    EXPECT_EQ(11906, page.paperHeight);
    EXPECT_EQ(1417, page.marginLeft);
    EXPECT_EQ(1134, page.marginRight);
    EXPECT_EQ(850, page.marginTop);
    EXPECT_EQ(567, page.marginBottom);
    EXPECT_TRUE(page.landscape);
}

// A repeated block's text goes in as text; each of its paragraphs is still laid out as the
// template's paragraph it repeats, and the text after the block as its own.
TEST_F(GenerationTest, RepeatedParagraphsKeepTheTemplatesLayout)
{
    UseTemplate("block_layout.rtf");
    tables->m_nParts = 2;
    tables->m_partFlags[1] = 1;
    Variable(1005, 0, "100");
    engine->ShowDocument(0, -1);

    const std::string plain = Plain();
    ASSERT_EQ("Umowa w częściach\rCzęść 1\r1.\tWynagrodzenie: 100 złotych brutto.\rCzęść 2\r"
              "1.\tWynagrodzenie: 100 złotych brutto.\rKoniec",
              plain);
    struct Case {
        size_t at;
        WORD alignment;
        WORD effects;
        LONG firstLine; // the first line's start and the other lines' offset from it
        LONG offset;
        std::vector<LONG> tabs;
    };
    const size_t point = plain.find("1.");
    const Case cases[] = {
        {plain.find("Umowa"), PFA_LEFT, 0, 0, 0, {}},
        {plain.find("Część 1"), PFA_CENTER, PFE_KEEPNEXT, 0, 0, {}},
        {point, PFA_JUSTIFY, 0, 284, 283, {567}},
        {plain.find("Część 2"), PFA_CENTER, PFE_KEEPNEXT, 0, 0, {}},
        {plain.find("1.", point + 1), PFA_JUSTIFY, 0, 284, 283, {567}},
        {plain.find("Koniec"), PFA_LEFT, 0, 0, 0, {}},
    };
    RichEditText text(control);
    for (const Case &c : cases) {
        SCOPED_TRACE(plain.substr(c.at, 12));
        text.SetSel(static_cast<int>(c.at), static_cast<int>(c.at));
        const PARAFORMAT2 format = text.GetSelectionParagraphFormat();
        EXPECT_EQ(c.alignment, format.wAlignment);
        EXPECT_EQ(c.effects, format.wEffects & (PFE_KEEP | PFE_KEEPNEXT));
        EXPECT_EQ(c.firstLine, format.dxStartIndent);
        EXPECT_EQ(c.offset, format.dxOffset);
        EXPECT_EQ(c.tabs, std::vector<LONG>(format.rgxTabs, format.rgxTabs + format.cTabCount));
    }
}

// A repeated block's characters keep the template's format, and so does a value inside a bold
// run; text before the template's first bold stays regular.
TEST_F(GenerationTest, RepeatedTextKeepsTheTemplatesCharacterFormat)
{
    UseTemplate("character_format.rtf");
    tables->m_nParts = 2;
    tables->m_partFlags[1] = 1;
    Variable(1001, 0, "ZP.271.1.2026");
    Variable(1005, 0, "Kowalski");
    engine->ShowDocument(0, -1);

    struct Case {
        const char *text;
        int occurrence; // which of the text's occurrences
        bool bold, italic, underline;
        LONG height; // twips
        const wchar_t *face;
    };
    const Case cases[] = {
        {"Znak sprawy", 0, false, false, false, 200, L"Arial"},
        {"NAGŁÓWEK", 0, true, false, false, 200, L"Arial"},
        {"Tekst zwykły", 0, false, false, false, 200, L"Arial"},
        {"§ 1. Część", 0, true, false, false, 240, L"Arial"},
        {"§ 2. Część", 0, true, false, false, 240, L"Arial"},
        {"Kowalski", 0, true, false, false, 200, L"Arial"},
        {"Kowalski", 1, true, false, false, 200, L"Arial"},
        {"kursywa", 1, false, true, false, 200, L"Arial"},
        {"podkreślenie", 1, false, false, true, 200, L"Arial"},
        {"inna czcionka", 1, false, false, false, 280, L"Times New Roman"},
        {"i zwykły tekst", 1, false, false, false, 200, L"Arial"},
        {"Koniec", 0, false, false, false, 200, L"Arial"},
    };
    const std::string plain = Plain();
    RichEditText text(control);
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.text) + " " + std::to_string(c.occurrence));
        size_t at = plain.find(c.text);
        for (int k = 0; k < c.occurrence && at != std::string::npos; ++k)
            at = plain.find(c.text, at + 1);
        ASSERT_NE(std::string::npos, at);
        text.SetSel(static_cast<int>(at), static_cast<int>(at + std::string(c.text).size()));
        const CHARFORMAT2W format = text.GetSelectionFormat();
        const DWORD mask = CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_SIZE | CFM_FACE;
        ASSERT_EQ(mask, format.dwMask & mask) << "one format over the whole text";
        EXPECT_EQ(c.bold, (format.dwEffects & CFE_BOLD) != 0);
        EXPECT_EQ(c.italic, (format.dwEffects & CFE_ITALIC) != 0);
        EXPECT_EQ(c.underline, (format.dwEffects & CFE_UNDERLINE) != 0);
        EXPECT_EQ(c.height, format.yHeight);
        EXPECT_STREQ(c.face, format.szFaceName);
    }
}
