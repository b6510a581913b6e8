// The page renderer lays a document out as a word processor would: the RTF's paper and margins,
// centre, right and decimal tab stops, numbers hanging in front of their indented text, tables
// whose columns hold their words, and paragraphs kept with the next one or kept whole.
#include "rich_text_test_support.h"

#include "framework/shell/rich_edit_print.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr int kMargin = 1417; // the left margin of A4Page()

std::vector<RichTextLineInfo> Lines(const std::string &body)
{
    return LayOut(Rtf(body)).PageLines(1);
}

TEST(RichTextPaperLayoutTest, CentreAndRightTabStopsPlaceTheTextAfterThem)
{
    // The body is 11906 - 2 * 1417 = 9072 twips wide.
    const struct {
        const char *rtf;
        int lines;
        int rightEdge; // of the line, from the left margin; 0: not checked
        int tolerance; // how close
    } cases[] = {
        // A place-and-date line: the date ends at the right stop, on the same line.
        {"\\tqr\\tx9072 Znak sprawy: ZP.271.1.2025\\tab Wierzbnica, dnia 12.03.2025 r.\\par", 1, 9072, 30},
        {"\\tqr\\tx6000 a\\tab bbbb\\par", 1, 6000, 30},
        // Centred on the stop: half the text after it.
        {"\\tqc\\tx4536 a\\tab bbbbbbbb\\par", 1, 0, 0},
        // Blanks after the text do not push it away from the stop.
        {"\\tqr\\tx6000 a\\tab bbbb   \\par", 1, 6000, 30},
        // A left stop stays where it was.
        {"\\tx6000 a\\tab bbbb\\par", 1, 0, 0},
        // Without a decimal separator a decimal stop is a right one.
        {"\\tqdec\\tx6000 a\\tab 1234\\par", 1, 6000, 30},
    };
    for (const auto &c : cases) {
        const std::vector<RichTextLineInfo> lines = Lines(c.rtf);
        ASSERT_EQ(static_cast<size_t>(c.lines), lines.size()) << c.rtf;
        if (c.rightEdge > 0) {
            EXPECT_NEAR(kMargin + c.rightEdge, lines[0].box.right, c.tolerance) << c.rtf;
        }
    }
    // The centred text: as much of it before the stop as after.
    const RichTextLineInfo centred = Lines("\\tqc\\tx4536 a\\tab bbbbbbbb\\par").at(0);
    const RichTextLineInfo leftStop = Lines("\\tx4536 a\\tab bbbbbbbb\\par").at(0);
    const int textWidth = leftStop.box.right - (kMargin + 4536);
    EXPECT_NEAR(kMargin + 4536 + textWidth / 2, centred.box.right, 30);

    // A decimal stop: the comma (or the full stop) at the stop, what follows it after it.
    auto rightEdge = [](const char *rtf) { return Lines(rtf).at(0).box.right; };
    const int fraction = rightEdge("\\tx6000 a\\tab 1234,56\\par") - rightEdge("\\tx6000 a\\tab 1234\\par");
    EXPECT_GT(fraction, 100);
    EXPECT_NEAR(kMargin + 6000 + fraction, rightEdge("\\tqdec\\tx6000 a\\tab 1 234,56\\par"), 30);
    EXPECT_NEAR(kMargin + 6000 + fraction, rightEdge("\\tqdec\\tx6000 a\\tab 1234.56\\par"), 30);
}

// Single lines are as far apart as the font's ascent, descent and line gap (a 12-point Times New
// Roman line: 13.8 points); line spacing in the RTF changes that.
TEST(RichTextPaperLayoutTest, LinesAreSpacedAsTheParagraphSays)
{
    auto pitch = [](const std::string &properties) {
        const std::vector<RichTextLineInfo> lines = Lines("\\pard" + properties + " a\\line b\\par");
        return lines.at(1).box.top - lines.at(0).box.top;
    };
    const int single = pitch("");
    EXPECT_NEAR(276, single, 3);
    const struct {
        const char *properties;
        int pitch;
    } cases[] = {
        {"\\sl-240\\slmult1", single}, // what the control writes for single spacing
        {"\\sl360\\slmult1", single * 3 / 2},
        {"\\sl480\\slmult1", single * 2},
        {"\\sl600", 600},                // at least
        {"\\sl100", single},
        {"\\sl-400", 400},               // exactly
        {"\\sl-200", 200},
    };
    for (const auto &c : cases)
        EXPECT_NEAR(c.pitch, pitch(c.properties), 2) << c.properties;
}

// A place-and-date line as the letters have it: the RTF's margins give the line its width, the
// right stop at that width keeps the date on the line, flush right.
TEST(RichTextPaperLayoutTest, RightTabLinesOfLettersStayOnOneLine)
{
    const std::string rtf = "{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset238 Arial;}}"
                            "\\paperw11906\\paperh16838\\margl1134\\margr1134\\margt1134\\margb1134"
                            "\\pard\\f0\\fs20\\tqr\\tx9638 Znak sprawy: ZP.271.12.2026 \\'85\\'85\\'85\\'85\\'85\\'85"
                            "\\tab Zalesie Wielkie, dnia 2026-12-11\\par"
                            "\\pard\\sb240 Zamawiaj\\'b9cy\\par}";
    MemoryDC dc;
    CRichEditPages pages;
    pages.Paginate(rtf, CSize(11906, 16838), CRect(1417, 1417, 1417, 1417), dc);
    const std::vector<RichTextLineInfo> lines = pages.Layout()->PageLines(1);
    ASSERT_EQ(2u, lines.size());
    EXPECT_EQ(L"Znak sprawy: ZP.271.12.2026 \u2026\u2026\u2026\u2026\u2026\u2026\tZalesie Wielkie, dnia 2026-12-11",
              lines[0].text);
    EXPECT_EQ(1134, lines[0].box.left);
    EXPECT_NEAR(1134 + 9638, lines[0].box.right, 30);
    EXPECT_EQ(1134, lines[1].box.top - (lines[0].box.bottom - lines[0].box.top) - 240);
}

TEST(RichTextPaperLayoutTest, PaperAndMarginsComeFromTheRtfWhereItStatesThem)
{
    RichTextPageSize defaults; // A4 with margins of 1417
    const struct {
        const char *words;
        int width;
        int height;
        RECT margins;
    } cases[] = {
        {"", 11906, 16838, {1417, 1417, 1417, 1417}},
        {"\\margl1134\\margr1134\\margt1134\\margb1134", 11906, 16838, {1134, 1134, 1134, 1134}},
        {"\\paperw12240\\paperh15840\\margl1800", 12240, 15840, {1800, 1417, 1417, 1417}},
        {"\\paperw16838\\paperh11906\\landscape", 16838, 11906, {1417, 1417, 1417, 1417}},
        {"\\landscape\\margt0", 16838, 11906, {1417, 0, 1417, 1417}}, // A4 turned
        {"\\pgwsxn8391\\pghsxn11906\\marglsxn567\\margrsxn567", 8391, 11906, {567, 1417, 567, 1417}},
    };
    for (const auto &c : cases) {
        const std::string rtf = std::string("{\\rtf1") + c.words + " tekst\\par}";
        const RichTextPageSize page = PageSizeOf(RichTextDocument::FromRtf(rtf).pageSetup, defaults);
        EXPECT_EQ(c.width, page.width) << c.words;
        EXPECT_EQ(c.height, page.height) << c.words;
        EXPECT_EQ(c.margins.left, page.margins.left) << c.words;
        EXPECT_EQ(c.margins.top, page.margins.top) << c.words;
        EXPECT_EQ(c.margins.right, page.margins.right) << c.words;
        EXPECT_EQ(c.margins.bottom, page.margins.bottom) << c.words;

        // Printing lays the text out on that page.
        MemoryDC dc;
        CRichEditPages pages;
        pages.Paginate(rtf, CSize(defaults.width, defaults.height), CRect(defaults.margins), dc);
        const RichTextLineInfo line = pages.Layout()->PageLines(1).at(0);
        EXPECT_EQ(c.margins.left, line.box.left) << c.words;
        EXPECT_EQ(c.margins.top, line.box.top) << c.words;
        EXPECT_EQ(c.width, pages.Layout()->PageSize().width) << c.words;
    }
}

TEST(RichTextPaperLayoutTest, HangingNumberLinesUpItsTextAtTheIndent)
{
    // "1." hangs in front of the text; the text after the tab and every further line start at
    // the left indent, with or without an explicit stop there.
    for (const char *stop : {"\\tx567", ""}) {
        std::string words;
        for (int i = 0; i < 60; ++i)
            words += " wyraz";
        const RichTextLayout layout = LayOut(Rtf(std::string("\\li567\\fi-283") + stop + " 1.\\tab" + words + "\\par"));
        const std::vector<RichTextLineInfo> lines = layout.PageLines(1);
        ASSERT_GE(lines.size(), 2u) << stop;
        EXPECT_EQ(kMargin + 284, lines[0].box.left) << stop;
        EXPECT_EQ(kMargin + 567, lines[1].box.left) << stop;
        EXPECT_EQ(L"1.\t", lines[0].text.substr(0, 3)) << stop;
    }
}

TEST(RichTextPaperLayoutTest, ParagraphsKeptWithTheNextMoveToItsPage)
{
    // A small page holds a few lines; the body fills it up to its last line.
    const RichTextPageSize page = SmallPage(8000, 4000, 1000);
    std::string filler;
    int lines = 0;
    for (;;) {
        const std::string more = filler + "wiersz " + std::to_string(lines) + "\\par";
        if (LayOut(Rtf(more + "x\\par"), page).PageCount() > 1)
            break;
        filler = more;
        ++lines;
    }
    ASSERT_GT(lines, 3);
    const struct {
        const char *tail; // the last line that fits, then one on the next page
        const wchar_t *secondPageStarts;
    } cases[] = {
        {"\\keepn Rozdzial\\par\\pard Tekst\\par", L"Rozdzial\n"},
        {"Rozdzial\\par\\pard Tekst\\par", L"Tekst\n"},
        // A signature line goes with its caption.
        {"\\qr ..........................\\par\\fs16 podpis wykonawcy\\par", L"..........................\n"},
        // A chain of paragraphs kept with the next goes whole.
        {"\\keepn Rozdzial\\par Punkt\\par\\pard Tekst\\par", L"Rozdzial\nPunkt\n"},
        // Kept whole: all its lines go.
        {"\\keep Pierwsza\\line druga\\par", L"Pierwsza\ndruga\n"},
        {"Pierwsza\\line druga\\par", L"druga\n"},
    };
    for (const auto &c : cases) {
        const RichTextLayout layout = LayOut(Rtf(filler + c.tail), page);
        ASSERT_EQ(2, layout.PageCount()) << c.tail;
        EXPECT_EQ(0u, layout.PageText(2).find(c.secondPageStarts)) << c.tail;
    }
}

// What is kept together but is longer than a page breaks as if it were not kept: no page is
// left empty in front of it.
TEST(RichTextPaperLayoutTest, WhatIsKeptButLongerThanAPageJustBreaks)
{
    const RichTextPageSize page = SmallPage(8000, 4000, 1000);
    std::string lines;
    std::string chain;
    std::string paragraphs;
    for (int i = 0; i < 30; ++i) {
        lines += "wiersz " + std::to_string(i) + "\\line ";
        chain += "\\keepn wiersz " + std::to_string(i) + "\\par ";
        paragraphs += "wiersz " + std::to_string(i) + "\\par ";
    }
    const struct {
        std::string kept;
        std::string plain;
    } cases[] = {
        {"\\keep " + lines + "koniec\\par", lines + "koniec\\par"},
        {chain + "\\pard koniec\\par", paragraphs + "koniec\\par"},
    };
    for (const auto &c : cases) {
        const RichTextLayout kept = LayOut(Rtf("Wst\\'eap\\par " + c.kept), page);
        const RichTextLayout plain = LayOut(Rtf("Wst\\'eap\\par " + c.plain), page);
        ASSERT_GT(plain.PageCount(), 2);
        EXPECT_EQ(plain.PageCount(), kept.PageCount());
        EXPECT_EQ(plain.PageText(1), kept.PageText(1));
    }
}

// A page break's own empty paragraph does not start the next page with an empty line; empty
// lines after it are the document's own.
TEST(RichTextPaperLayoutTest, APageBreakStartsItsPageWithText)
{
    const struct {
        const char *body;
        std::vector<std::wstring> pages;
    } cases[] = {
        {"a\\par\\page\\par b\\par", {L"a\n", L"b\n"}},
        {"a\\par\\page \\par\\par b\\par", {L"a\n", L"\nb\n"}},
        {"a\\par\\page\\par", {L"a\n"}},
    };
    for (const auto &c : cases) {
        const RichTextLayout layout = LayOut(Rtf(c.body));
        std::vector<std::wstring> pages;
        for (int p = 1; p <= layout.PageCount(); ++p)
            pages.push_back(layout.PageText(p));
        EXPECT_EQ(c.pages, pages) << c.body;
    }
}

// A column narrower than its longest word is widened, from what the other columns spare or the
// page beside the table: no word is cut into letters; columns that hold their words keep their
// edges.
TEST(RichTextPaperLayoutTest, TableColumnsHoldTheirLongestWord)
{
    const std::string narrowCriteria =
        "\\trowd\\trgaph108\\trleft-108\\cellx150\\cellx4050\\cellx4400\\cellx9000"
        "\\pard\\intbl\\b Lp.\\cell Nazwa kryterium\\cell Waga (%)\\cell Spos\\'f3b oceny\\cell\\b0\\row"
        "\\trowd\\trgaph108\\trleft-108\\cellx150\\cellx4050\\cellx4400\\cellx9000"
        "\\pard\\intbl 1\\cell Cena\\cell 60\\cell (cena najni\\'bfsza / cena badanej oferty) x 60 pkt\\cell\\row";
    const std::string narrowTable = "\\trowd\\trgaph108\\cellx300\\cellx600 Przedmiot\\cell Zam\\'f3wienie\\cell\\row";
    const struct {
        std::string body;
        std::vector<std::wstring> words; // each must stand whole on a line
    } cases[] = {
        {narrowCriteria, {L"Lp.", L"Nazwa", L"kryterium", L"Waga", L"(%)", L"Sposób", L"oceny", L"najniższa"}},
        // Nothing to spare in the table: it grows into the page.
        {narrowTable, {L"Przedmiot", L"Zamówienie"}},
    };
    for (const auto &c : cases) {
        const std::vector<RichTextLineInfo> lines = LayOut(Rtf(c.body)).PageLines(1);
        for (const std::wstring &word : c.words) {
            bool whole = false;
            for (const RichTextLineInfo &line : lines) {
                whole = whole || line.text.find(word) != std::wstring::npos;
                EXPECT_LE(line.box.right, kMargin + 9072) << c.body.substr(0, 40);
            }
            EXPECT_TRUE(whole) << c.body.substr(0, 40) << " " << word.size();
        }
    }
    // The criteria table keeps its width; the wide columns gave what the narrow ones needed.
    const std::vector<RichTextLineInfo> lines = LayOut(Rtf(narrowCriteria)).PageLines(1);
    int right = 0;
    for (const RichTextLineInfo &line : lines)
        right = std::max<int>(right, line.box.right);
    EXPECT_LE(right, kMargin + 9000 - 108);
    // A word wider than the page is still cut, at the page's edge.
    const std::vector<RichTextLineInfo> cut =
        LayOut(Rtf("\\trowd\\trgaph108\\cellx1000\\cellx2000 " + std::string(400, 'W') + "\\cell x\\cell\\row")).PageLines(1);
    ASSERT_GT(cut.size(), 3u);
    for (const RichTextLineInfo &line : cut)
        EXPECT_LE(line.box.right, kMargin + 9072);
}

} // namespace
