// The page renderer lays a document out as a word processor would: centre and right tab stops,
// numbers hanging in front of their indented text, and paragraphs kept with the next one.
#include "rich_text_test_support.h"

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
    };
    for (const auto &c : cases) {
        const RichTextLayout layout = LayOut(Rtf(filler + c.tail), page);
        ASSERT_EQ(2, layout.PageCount()) << c.tail;
        EXPECT_EQ(0u, layout.PageText(2).find(c.secondPageStarts)) << c.tail;
    }
}

} // namespace
