#include "rich_text_test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

int Width(const RECT &box)
{
    return box.right - box.left;
}

std::vector<RichTextLineInfo> AllLines(const RichTextLayout &layout)
{
    std::vector<RichTextLineInfo> lines;
    for (int page = 1; page <= layout.PageCount(); ++page)
        for (const RichTextLineInfo &line : layout.PageLines(page))
            lines.push_back(line);
    return lines;
}

std::string Words(int count)
{
    std::string text;
    for (int i = 1; i <= count; ++i)
        text += (i > 1 ? " s\\'b3owo" : "s\\'b3owo") + std::to_string(i);
    return text;
}

std::wstring WideWords(int count)
{
    std::wstring text;
    for (int i = 1; i <= count; ++i)
        text += (i > 1 ? L" słowo" : L"słowo") + std::to_wstring(i);
    return text;
}

TEST(RichTextLayoutTest, FormatsChangeMeasuredWidths)
{
    // Liberation Serif (Times New Roman here) sets this italic narrower and this bold wider.
    const std::string text = "abcdefghijklmnopqrstuvwxyz";
    auto width = [&](const std::string &format) {
        const RichTextLayout layout = LayOut(Rtf("{" + format + " " + text + "}\\par"));
        return Width(layout.PageLines(1).at(0).box);
    };
    const int plain = width("\\plain");
    EXPECT_GT(plain, 2000);
    EXPECT_GT(width("\\b"), plain);
    EXPECT_LT(width("\\i"), plain);
    EXPECT_EQ(plain, width("\\ul\\strike\\cf1")); // they change no widths
    const double doubled = static_cast<double>(width("\\fs48")) / plain;
    EXPECT_NEAR(2.0, doubled, 0.05);
}

TEST(RichTextLayoutTest, WrapsAtSpacesInsideTheBody)
{
    const RichTextPageSize page = SmallPage(5000, 20000, 1000);
    const RichTextLayout layout = LayOut(Rtf(Words(60) + "\\par"), page);
    const std::vector<RichTextLineInfo> lines = AllLines(layout);
    ASSERT_GT(lines.size(), 5u);
    std::wstring joined;
    for (const RichTextLineInfo &line : lines) {
        EXPECT_GE(line.box.left, 1000);
        EXPECT_LE(line.box.right, 4000) << line.text;
        joined += (joined.empty() ? L"" : L" ") + line.text;
    }
    EXPECT_EQ(WideWords(60), joined);
}

TEST(RichTextLayoutTest, SplitsAWordWiderThanTheLine)
{
    const RichTextLayout layout =
        LayOut(Rtf("kr\\'f3tko " + std::string(300, 'W') + "\\par"), SmallPage(3000, 20000, 500));
    const std::vector<RichTextLineInfo> lines = AllLines(layout);
    ASSERT_GT(lines.size(), 3u);
    EXPECT_EQ(L"krótko", lines[0].text);
    std::wstring word;
    for (size_t i = 1; i < lines.size(); ++i) {
        EXPECT_LE(lines[i].box.right, 2500);
        word += lines[i].text;
    }
    EXPECT_EQ(std::wstring(300, L'W'), word);
}

TEST(RichTextLayoutTest, AlignsAndIndentsLines)
{
    const RichTextPageSize page = SmallPage(6000, 30000, 1000); // body from 1000 to 5000
    const std::string text = Words(30);
    const struct {
        const char *properties;
        int line; // which line to check; -1: the last
        int left; // expected edges; -1: not checked
        int right;
        int center;
    } cases[] = {
        {"\\ql", 0, 1000, -1, -1},
        {"\\qr", 0, -1, 5000, -1},
        {"\\qr\\ri1000", 0, -1, 4000, -1},
        {"\\qc", 0, -1, -1, 3000},
        {"\\qj", 0, 1000, 5000, -1},
        {"\\qj", 1, 1000, 5000, -1},
        {"\\li720", 0, 1720, -1, -1},
        {"\\li720", 1, 1720, -1, -1},
        {"\\li720\\fi-720", 0, 1000, -1, -1},
        {"\\li720\\fi-720", 1, 1720, -1, -1},
        {"\\fi500", 0, 1500, -1, -1},
        {"\\fi500", 1, 1000, -1, -1},
    };
    for (const auto &c : cases) {
        const std::vector<RichTextLineInfo> lines =
            AllLines(LayOut(Rtf(std::string("\\pard") + c.properties + " " + text + "\\par"), page));
        ASSERT_GT(lines.size(), 2u);
        const RECT &box = lines[c.line < 0 ? lines.size() - 1 : static_cast<size_t>(c.line)].box;
        const int center = (box.left + box.right) / 2;
        EXPECT_NEAR(c.left < 0 ? box.left : c.left, box.left, 1) << c.properties << " " << c.line;
        EXPECT_NEAR(c.right < 0 ? box.right : c.right, box.right, 2) << c.properties << " " << c.line;
        EXPECT_NEAR(c.center < 0 ? center : c.center, center, 2) << c.properties << " " << c.line;
    }
    // The last line of a justified paragraph is not stretched.
    EXPECT_EQ(AllLines(LayOut(Rtf("\\ql " + text + "\\par"), page)).back().box.right,
              AllLines(LayOut(Rtf("\\qj " + text + "\\par"), page)).back().box.right);
}

TEST(RichTextLayoutTest, TabsGoToTheirStops)
{
    const struct {
        const char *rtf;
        int stop; // from the left margin
    } cases[] = {
        {"\\tx2880 a\\tab b\\par", 2880},
        {"a\\tab b\\par", 720}, // the default stops
        {"\\deftab1000 a\\tab b\\par", 1000},
        {"\\tx2880\\tx4000 a\\tab\\tab b\\par", 4000},
    };
    for (const auto &c : cases) {
        const RichTextLineInfo line = LayOut(Rtf(c.rtf)).PageLines(1).at(0);
        EXPECT_EQ(L"a\t", line.text.substr(0, 2)) << c.rtf;
        EXPECT_GT(line.box.right, 1417 + c.stop) << c.rtf;
        EXPECT_LT(line.box.right, 1417 + c.stop + 250) << c.rtf;
    }
}

TEST(RichTextLayoutTest, BreaksPagesBetweenLinesAndLosesNone)
{
    std::string body;
    for (int i = 1; i <= 120; ++i)
        body += "\\sa120 Akapit " + std::to_string(i) + " " + Words(i % 17) + "\\par";
    const RichTextPageSize page = SmallPage(8000, 6000, 1000);
    const RichTextLayout paged = LayOut(Rtf(body), page);
    const RichTextLayout single = LayOut(Rtf(body), SmallPage(8000, 1000000, 1000));
    ASSERT_EQ(1, single.PageCount());
    ASSERT_GT(paged.PageCount(), 5);

    std::vector<std::wstring> pagedTexts;
    for (int p = 1; p <= paged.PageCount(); ++p) {
        const std::vector<RichTextLineInfo> lines = paged.PageLines(p);
        ASSERT_FALSE(lines.empty()) << "page " << p;
        for (const RichTextLineInfo &line : lines) {
            EXPECT_GE(line.box.top, 1000) << "page " << p;
            EXPECT_LE(line.box.bottom, 5000) << "page " << p;
            pagedTexts.push_back(line.text);
        }
        // A page ends only where its next line would not fit.
        if (p < paged.PageCount()) {
            const RECT next = paged.PageLines(p + 1).front().box;
            EXPECT_GT(lines.back().box.bottom + (next.bottom - next.top), 5000 - 120) << "page " << p;
        }
    }
    std::vector<std::wstring> singleTexts;
    for (const RichTextLineInfo &line : single.PageLines(1))
        singleTexts.push_back(line.text);
    EXPECT_EQ(singleTexts, pagedTexts);
}

TEST(RichTextLayoutTest, PageBreaksStartNewPages)
{
    const struct {
        const char *body;
        std::vector<std::wstring> pages;
    } cases[] = {
        {"", {L""}},
        {"a\\par\\page b\\par c\\par", {L"a\n", L"b\nc\n"}},
        {"a\\page b\\par", {L"a\n", L"b\n"}},
        {"a\\par\\page", {L"a\n"}},  // no empty page at the end
        {"\\page a\\par", {L"a\n"}}, // nor at the start
        {"\\trowd\\cellx2000 x\\cell\\row\\page y\\par", {L"x\n", L"y\n"}},
    };
    for (const auto &c : cases) {
        const RichTextLayout layout = LayOut(Rtf(c.body));
        std::vector<std::wstring> pages;
        for (int p = 1; p <= layout.PageCount(); ++p)
            pages.push_back(layout.PageText(p));
        EXPECT_EQ(c.pages, pages) << c.body;
    }
}

TEST(RichTextLayoutTest, LaysTablesOutAsCells)
{
    const RichTextLayout layout = LayOut(Rtf("przed\\par"
                                             "\\trowd\\trgaph108\\cellx2000\\cellx5000 A1 "
                                             + Words(12)
                                             + "\\cell B1\\cell\\row"
                                               "\\trowd\\trgaph108\\cellx2000\\cellx5000 A2\\cell B2\\cell\\row "
                                               "po\\par"));
    const std::vector<RichTextLineInfo> lines = layout.PageLines(1);
    auto find = [&](const std::wstring &start) {
        for (const RichTextLineInfo &line : lines)
            if (line.text.compare(0, start.size(), start) == 0)
                return line.box;
        ADD_FAILURE() << "no line starts with this text";
        return RECT{};
    };
    const RECT before = find(L"przed");
    const RECT a1 = find(L"A1");
    const RECT b1 = find(L"B1");
    const RECT a2 = find(L"A2");
    const RECT b2 = find(L"B2");
    const RECT after = find(L"po");
    EXPECT_EQ(1417 + 108, a1.left);
    EXPECT_EQ(1417 + 2000 + 108, b1.left);
    EXPECT_EQ(a1.top, b1.top);
    EXPECT_GE(a1.top, before.bottom);
    // The long first cell wraps inside its own width and makes the row tall.
    int firstRowBottom = 0;
    for (const RichTextLineInfo &line : lines) {
        if (line.box.left == 1417 + 108 && line.box.top < a2.top) {
            EXPECT_LE(line.box.right, 1417 + 2000 - 108) << line.text;
            firstRowBottom = std::max<int>(firstRowBottom, line.box.bottom);
        }
    }
    EXPECT_GT(firstRowBottom - a1.top, 3 * (a1.bottom - a1.top));
    EXPECT_EQ(firstRowBottom, a2.top);
    EXPECT_EQ(a2.top, b2.top);
    EXPECT_EQ(1417 + 2000 + 108, b2.left);
    EXPECT_GE(after.top, a2.bottom);
    EXPECT_EQ(1417, after.left);
}

TEST(RichTextLayoutTest, KeepsARowThatFitsOnOnePage)
{
    std::string body;
    for (int i = 0; i < 12; ++i)
        body += "linia\\par ";
    body += "\\trowd\\cellx3000\\cellx6000 A\\par B\\par C\\par D\\cell E\\cell\\row";
    const RichTextLayout layout = LayOut(Rtf(body), SmallPage(8000, 6000, 1000));
    ASSERT_EQ(2, layout.PageCount());
    EXPECT_EQ(std::wstring::npos, layout.PageText(1).find(L"A\n"));
    EXPECT_EQ(L"A\nE\nB\nC\nD\n", layout.PageText(2));
}

TEST(RichTextLayoutTest, HeaderAndFooterSitInTheMarginsOfEveryPage)
{
    std::string body;
    for (int i = 0; i < 150; ++i)
        body += "Akapit\\par ";
    RichTextLayout layout = LayOut(Rtf(body));
    ASSERT_GT(layout.PageCount(), 1);
    const CString longHeader("Postępowanie o udzielenie zamówienia publicznego prowadzone w trybie "
                             "przetargu nieograniczonego na dostawę sprzętu komputerowego dla "
                             "jednostek organizacyjnych gminy");
    layout.SetPageTexts([&](int, int) { return longHeader; },
                        [](int page, int count) {
                            CString text;
                            text.Format("strona %d z %d", page, count);
                            return text;
                        });
    const RichTextPageSize &size = layout.PageSize();
    for (int p = 1; p <= layout.PageCount(); ++p) {
        const std::vector<RichTextLineInfo> lines = layout.PageLines(p);
        ASSERT_GT(lines.size(), 3u);
        // The long header wraps above the body instead of being cut to one line.
        EXPECT_EQ(L"Postępowanie", lines[0].text.substr(0, 12));
        EXPECT_NE(L"Akapit", lines[1].text);
        EXPECT_GE(lines[0].box.top, 0);
        EXPECT_LE(lines[1].box.bottom, size.margins.top);
        EXPECT_EQ(L"strona " + std::to_wstring(p) + L" z " + std::to_wstring(layout.PageCount()), lines.back().text);
        EXPECT_GE(lines.back().box.top, size.height - size.margins.bottom);
        EXPECT_LE(lines.back().box.bottom, size.height);
        EXPECT_NEAR(size.width / 2, (lines.back().box.left + lines.back().box.right) / 2, 2);
    }
}

TEST(RichTextLayoutTest, PagesOutOfRangeAreEmpty)
{
    const RichTextLayout layout = LayOut(Rtf("a\\par"));
    EXPECT_TRUE(layout.PageLines(0).empty());
    EXPECT_TRUE(layout.PageLines(2).empty());
    EXPECT_EQ(L"", layout.PageText(-1));
}

} // namespace
