#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "document/engine/rich_edit_text.h"
#include "document/engine/rtf_table.h"
#include "document/engine/text_styles.h"

namespace {

// A hidden rich-edit 5.0 control, the kind the view uses.
class RichEditTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_NE(nullptr, LoadLibraryW(L"MSFTEDIT.DLL")); }

    void SetUp() override
    {
        control = CreateWindowExW(0, L"RICHEDIT50W", L"", WS_POPUP | ES_MULTILINE, 0, 0, 600, 400, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(nullptr, control);
        text = RichEditText(control);
    }
    void TearDown() override { DestroyWindow(control); }

    std::string Plain() const { return text.GetPlainText().GetString(); }

    HWND control = nullptr;
    RichEditText text;
};

// What the engine's positions rest on: the plain text read from the control, with positions
// that select exactly the characters found at them, and the length the control reports.
TEST_F(RichEditTest, PlainTextPositionsAreControlPositions)
{
    ASSERT_TRUE(text.StreamInRtf("{\\rtf1\\ansi a\\par b\\page c\\v ukryty\\v0 d\\par x}"));
    text.SetSel(1, 1);
    text.InsertRtf(TableTextToRtf("2;-1;-1;A;1;x;B;1;x;a1;b1;a2;", 7), false);
    const CString plain = text.GetPlainText();
    EXPECT_EQ(plain.GetLength(), text.GetTextLength());
    for (const char *piece : {"b\r", "ukryty", "a1", "b1\t", "#7", "x"}) {
        const int at = plain.Find(piece);
        ASSERT_GE(at, 0) << piece;
        text.SetSel(at, at + static_cast<int>(strlen(piece)));
        EXPECT_STREQ(piece, text.GetSelectedText());
    }
}

// A page break ends a paragraph and counts as one character; hidden text is plain text.
TEST_F(RichEditTest, PageBreakAndHiddenText)
{
    ASSERT_TRUE(text.StreamInRtf("{\\rtf1\\ansi a\\par b\\page c\\v ukryty\\v0 d}"));
    EXPECT_EQ("a\rb\rcukrytyd", Plain());
}

// An RTF table in plain text: each row is a row-start mark "\r\n", its cells each closed by
// a tab, and a row-end mark "\r\n"; the hidden "#" id follows the last row. InsertRtf counts
// every one of these characters.
TEST_F(RichEditTest, RtfTableInPlainText)
{
    ASSERT_TRUE(text.StreamInRtf("{\\rtf1\\ansi x\\par \\par y}"));
    text.SetSel(2, 2);
    const int added = text.InsertRtf(TableTextToRtf("2;-1;-1;A;1;x;B;1;x;a1;b1;a2;", 7), false);
    EXPECT_EQ("x\r\r\nA\tB\t\r\n\r\na1\tb1\t\r\n\r\na2\t\t\r\n#7\ry", Plain());
    EXPECT_EQ(28, added);

    // Text before the insertion point in the same paragraph moves into the first cell: a
    // table belongs in a paragraph of its own.
    ASSERT_TRUE(text.StreamInRtf("{\\rtf1\\ansi przed<tag>po}"));
    text.SetSel(5, 10);
    EXPECT_EQ(28, text.InsertRtf(TableTextToRtf("2;-1;-1;A;1;x;B;1;x;a1;b1;a2;", 7), true));
    EXPECT_EQ("\r\nprzedA\tB\t\r\n\r\na1\tb1\t\r\n\r\na2\t\t\r\n#7po", Plain());
}

TEST_F(RichEditTest, PolishTextRoundTrips)
{
    const CString polish = "Zażółć gęślą jaźń ĄĘŁŹ";
    text.ReplaceSel(polish);
    EXPECT_STREQ(polish, text.GetPlainText());
    EXPECT_EQ(polish.GetLength(), text.GetTextLength());

    ASSERT_TRUE(text.StreamInRtf(TableTextToRtf("1;-1;-1;Zażółć;1;x;{ĄĘ}\\", 3)));
    EXPECT_EQ(std::string("\r\nZażółć\t\r\n\r\n{ĄĘ}\\\t\r\n#3"), Plain());

    // The control's own RTF of the table keeps the text; Wine's control reads the table back as
    // plain paragraphs (its writer leaves out \intbl), so only the text is compared.
    ASSERT_TRUE(text.StreamInRtf(text.StreamOutRtf()));
    std::string roundTrip = Plain();
    for (const char *separator : {"\r", "\n", "\t"})
        for (size_t at = roundTrip.find(separator); at != std::string::npos; at = roundTrip.find(separator))
            roundTrip.erase(at, 1);
    EXPECT_EQ(std::string("Zażółć{ĄĘ}\\#3"), roundTrip);
}

TEST_F(RichEditTest, ReplaceAllEndsWhenTheReplacementHoldsTheSearchedText)
{
    struct Case {
        const char *text, *find, *replacement;
        const char *result;
        int count;
    };
    const Case cases[] = {
        {"Ala ma kota, ala", "ala", "[ala]", "[ala] ma kota, [ala]", 2},
        {"aa", "a", "bab", "babbab", 2},
        {"a", "a", "aa", "aa", 1},
        {"xyz", "q", "qq", "xyz", 0},
        {"a\rb", "\r", "\r\r", "a\r\rb", 1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        text.SelectAll();
        text.ReplaceSel(c.text);
        EXPECT_EQ(c.count, text.ReplaceAll(c.find, c.replacement, false));
        EXPECT_EQ(c.result, Plain());
    }
}

TEST_F(RichEditTest, StylesReadBack)
{
    struct Case {
        TextStyle style;
        COLORREF colour;
        DWORD effects;
        const wchar_t *face;
    };
    const Case cases[] = {
        {TextStyle::Value, RGB(0, 0, 255), 0, L"Arial"},
        {TextStyle::DefaultValue, RGB(128, 128, 255), 0, L"Arial"},
        {TextStyle::Disabled, RGB(95, 95, 95), CFE_STRIKEOUT, L"Arial"},
        {TextStyle::AddEntry, RGB(180, 0, 0), CFE_ITALIC | CFE_IMPRINT, L"Arial"},
        {TextStyle::FixedText, RGB(0, 135, 0), 0, L"Arial"},
        {TextStyle::Table, RGB(0, 0, 255), 0, L"Courier New"},
        {TextStyle::Heading, RGB(0, 0, 0), CFE_BOLD, nullptr},
        {TextStyle::PlainDisabled, RGB(95, 95, 95), CFE_STRIKEOUT, nullptr},
    };
    // The styles set only what their masks name; each case starts from plain black text.
    CHARFORMAT2W clean = {};
    clean.cbSize = sizeof clean;
    clean.dwMask = CFM_BOLD | CFM_ITALIC | CFM_STRIKEOUT | CFM_IMPRINT | CFM_COLOR;
    text.ReplaceSel("przed wartosc po");
    for (const Case &c : cases) {
        SCOPED_TRACE(static_cast<int>(c.style));
        text.SetSel(6, 13);
        text.SetSelectionFormat(clean);
        text.SetSelectionFormat(MakeTextStyle(c.style));
        const CHARFORMAT2W format = text.GetSelectionFormat();
        EXPECT_EQ(c.colour, format.crTextColor);
        const DWORD shown = CFE_BOLD | CFE_ITALIC | CFE_STRIKEOUT | CFE_IMPRINT;
        EXPECT_EQ(c.effects, format.dwEffects & shown);
        if (c.face) {
            EXPECT_STREQ(c.face, format.szFaceName);
        }
        text.SetSel(0, 5);
        EXPECT_EQ(0u, text.GetSelectionFormat().dwEffects & (CFE_STRIKEOUT | CFE_ITALIC)) << "text before stays";
    }
}

TEST(NewLines, NormalizeNewlines)
{
    CString text = "a\r\nb\nc\rd";
    NormalizeNewlines(text);
    EXPECT_STREQ("a\rb\rc\rd", text);
}

} // namespace
