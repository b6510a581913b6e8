#include "framework/shell/html_page.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct TextCase {
    const char *what;
    const wchar_t *html;
    const wchar_t *text;
};

class HtmlPageText : public testing::TestWithParam<TextCase> {};

TEST_P(HtmlPageText, ReadsAsTheRichEditWillShowIt)
{
    EXPECT_EQ(ParseHtmlPage(GetParam().html).PlainText(), GetParam().text) << GetParam().what;
}

const TextCase layoutCases[] = {
    {"headings and paragraphs", L"<h1>Tytuł</h1><p>Akapit pierwszy.</p><p>Drugi", L"Tytuł\rAkapit pierwszy.\rDrugi"},
    {"blank space collapses", L"<p>  ala \n\t ma   kota  </p>", L"ala ma kota"},
    {"line breaks, a blank line from two", L"a<br>b<br/><br>c", L"a\rb\r\rc"},
    {"inline tags keep the line", L"x<b>y</b> <i>z</i><span>!</span>", L"xy z!"},
    {"space inside a closing inline tag", L"<b>gruby </b>zwykły", L"gruby zwykły"},
    {"bullets and numbers", L"<ul><li>jeden<li>dwa</ul><ol start=3><li>a</li><li>b</li></ol>",
     L"\x2022 jeden\r\x2022 dwa\r3. a\r4. b"},
    {"nested lists", L"<ol><li>a<ol><li>a1</ol><li>b</ol>", L"1. a\r1. a1\r2. b"},
    {"table rows and cells", L"<table><tr><th>Nazwa<th>Cena<tr><td>Pióro<td>5 zł</table>", L"Nazwa\tCena\rPióro\t5 zł"},
    {"empty first cell keeps its column", L"<table><tr><td></td><td>x</td></tr></table>", L"\tx"},
    {"blocks inside a cell stay on the row", L"<table><tr><td><p>a</p><p>b<br>c</p><td>d</table>", L"a b c\td"},
    {"preformatted text", L"<pre>\n  a  b\n\tc</pre>po", L"  a  b\r\tc\rpo"},
    {"head, scripts, styles and comments are not shown",
     L"<html><head><title>T</title><style>p{color:red}</style></head><body><!-- uwaga -->"
     L"<script>if (a<b) x();</script>ok</body></html>",
     L"ok"},
    {"image shows its alternative text", L"<p>x <img src=a.png alt=\"[logo]\"> y", L"x [logo] y"},
    {"divisions and centred blocks", L"<div>a</div><center>b</center><div><div>c</div></div>", L"a\rb\rc"},
    {"definition list", L"<dl><dt>Termin<dd>Opis</dl>", L"Termin\rOpis"},
};
INSTANTIATE_TEST_SUITE_P(Layout, HtmlPageText, testing::ValuesIn(layoutCases));

// Broken markup: what a browser would show, and never a failure.
const TextCase brokenCases[] = {
    {"stray '<'", L"a < b && c <3 <", L"a < b && c <3 <"},
    {"tags left open", L"<b>gruby <i>oba", L"gruby oba"},
    {"tag cut off by the end", L"abc <a href=\"x", L"abc"},
    {"end tags with no start", L"a</b></ul></table></p>b", L"ab"},
    {"comment never closed", L"a<!-- b <p>c", L"a"},
    {"script never closed", L"a<script>document.write('<p>')", L"a"},
    {"misnested inline tags", L"<b><i>x</b>y</i>", L"xy"},
    {"cells and rows outside a table", L"<td>a<td>b<tr>c", L"abc"},
    {"list items outside a list", L"<li>a<li>b", L"\x2022 a\r\x2022 b"},
    {"quote left open in an attribute", L"<a href=\"x>tekst</a> dalej", L""},
    {"end tag with blank and junk", L"a</ b>c</3>d", L"acd"},
    {"control characters dropped",
     L"a\x0001\x0008"
     L"b&#7;c",
     L"abc"},
};
INSTANTIATE_TEST_SUITE_P(Broken, HtmlPageText, testing::ValuesIn(brokenCases));

TEST(HtmlPage, TitleIsDecodedAndCollapsed)
{
    EXPECT_EQ(ParseHtmlPage(L"<title>\n  Pomoc &ndash;  spis\ttreści </title>").title, L"Pomoc \x2013 spis treści");
}

TEST(HtmlPage, StylesFollowTheOpenTags)
{
    HtmlPage page = ParseHtmlPage(L"<h1>H</h1><p><b>B<i>BI</i></b><u>U</u><s>S</s><code>C</code>"
                                  L"<sup>2</sup><a href=x>L</a> n</p>");
    ASSERT_EQ(page.paragraphs.size(), 2u);
    const HtmlRun &heading = page.paragraphs[0].runs[0];
    EXPECT_EQ(heading.style, (unsigned)htmlBold);
    EXPECT_EQ(heading.fontSize, 32);

    const std::vector<HtmlRun> &runs = page.paragraphs[1].runs;
    ASSERT_EQ(runs.size(), 8u);
    EXPECT_EQ(runs[0].style, (unsigned)htmlBold);
    EXPECT_EQ(runs[1].style, (unsigned)(htmlBold | htmlItalic));
    EXPECT_EQ(runs[2].style, (unsigned)htmlUnderline);
    EXPECT_EQ(runs[3].style, (unsigned)htmlStrike);
    EXPECT_EQ(runs[4].style, (unsigned)htmlMonospace);
    EXPECT_EQ(runs[5].style, (unsigned)htmlSuperscript);
    EXPECT_EQ(runs[6].link, 0);
    EXPECT_EQ(runs[7].text, L" n");
    EXPECT_EQ(runs[7].style, 0u);
    EXPECT_EQ(runs[7].link, -1);
    EXPECT_EQ(runs[7].fontSize, 0);
}

TEST(HtmlPage, ParagraphsGetIndentsAlignmentAndSpacing)
{
    HtmlPage page = ParseHtmlPage(L"<p align=center>środek</p><ul><li>a<ul><li>b</ul></ul>"
                                  L"<blockquote>cytat</blockquote><p>a<br>b</p>");
    ASSERT_EQ(page.paragraphs.size(), 6u);
    EXPECT_EQ(page.paragraphs[0].align, HtmlAlign::center);
    EXPECT_GT(page.paragraphs[0].spaceAfter, 0);
    const HtmlParagraph &outer = page.paragraphs[1];
    const HtmlParagraph &inner = page.paragraphs[2];
    EXPECT_LT(outer.firstLineIndent, 0); // the marker hangs
    EXPECT_GT(inner.leftIndent, outer.leftIndent);
    EXPECT_EQ(outer.spaceAfter, 0); // items follow one another closely
    EXPECT_GT(inner.spaceAfter, 0); // the list ends with room after it
    EXPECT_GT(page.paragraphs[3].leftIndent, 0);
    EXPECT_EQ(page.paragraphs[4].spaceAfter, 0); // a line break adds no room
}

TEST(HtmlPage, TableRowsShareTabStopsWideEnoughForTheirCells)
{
    HtmlPage page = ParseHtmlPage(L"<table><tr><td>a<td>b<td>c<tr><td>dłuższa komórka<td>e<td>f</table>");
    ASSERT_EQ(page.paragraphs.size(), 2u);
    const std::vector<int> &stops = page.paragraphs[0].tabStops;
    ASSERT_EQ(stops.size(), 2u);
    EXPECT_EQ(page.paragraphs[1].tabStops, stops);
    EXPECT_GT(stops[0], 15 * 100); // past "dłuższa komórka"
    EXPECT_GT(stops[1], stops[0]);
}

std::wstring LinkText(const HtmlPage &page, const HtmlLink &link)
{
    return page.PlainText().substr(link.start, link.length);
}

TEST(HtmlPage, LinksKnowWhereTheirTextIs)
{
    HtmlPage page = ParseHtmlPage(L"<h2>Witaj</h2><p>Zobacz <a href=\"app:nowe\">nowe <b>postępowanie</b></a> lub "
                                  L"<a href='pomoc.htm#a'>pomoc</a>.</p><ul><li><a href=c.htm>trzeci</a></ul>"
                                  L"<table><tr><td>x<td><a href=&quot;d&amp;e.htm&quot;>w tabeli</a></table>");
    ASSERT_EQ(page.links.size(), 4u);
    EXPECT_EQ(page.links[0].href, L"app:nowe");
    EXPECT_EQ(LinkText(page, page.links[0]), L"nowe postępowanie");
    EXPECT_EQ(page.links[1].href, L"pomoc.htm#a");
    EXPECT_EQ(LinkText(page, page.links[1]), L"pomoc");
    EXPECT_EQ(LinkText(page, page.links[2]), L"trzeci");
    EXPECT_EQ(page.links[3].href, L"\"d&e.htm\"");
    EXPECT_EQ(LinkText(page, page.links[3]), L"w tabeli");
}

TEST(HtmlPage, LinksWithoutTextAndLinksLeftOpen)
{
    HtmlPage page = ParseHtmlPage(L"<a href=pusty.htm></a><a href=1.htm>jeden<a href=2.htm>dwa</a> koniec");
    ASSERT_EQ(page.links.size(), 3u);
    EXPECT_EQ(page.links[0].length, 0);
    EXPECT_EQ(LinkText(page, page.links[1]), L"jeden"); // a new link ends the open one
    EXPECT_EQ(LinkText(page, page.links[2]), L"dwa");
}

TEST(HtmlPage, AnchorsPointAtTheTextThatFollowsThem)
{
    HtmlPage page = ParseHtmlPage(L"<p>wstęp</p><h2 id=art2>Artykuł 2</h2><p><a name=ust1></a>Ustęp</p>");
    std::wstring text = page.PlainText();
    ASSERT_EQ(page.anchors.size(), 2u);
    EXPECT_EQ(page.anchors[0].first, L"art2");
    EXPECT_EQ(text.substr(page.anchors[0].second, 8), L"Artykuł ");
    EXPECT_EQ(page.anchors[1].first, L"ust1");
    EXPECT_EQ(text.substr(page.anchors[1].second), L"Ustęp");
}

TEST(HtmlPage, DeepNestingIsBoundedAndKeepsTheText)
{
    std::wstring html;
    for (int i = 0; i < 100000; ++i)
        html += L"<ul><li><b><table><tr><td>";
    html += L"dno";
    HtmlPage page = ParseHtmlPage(html);
    EXPECT_NE(page.PlainText().find(L"dno"), std::wstring::npos);
    for (const HtmlParagraph &paragraph : page.paragraphs)
        EXPECT_LE(paragraph.leftIndent, 10 * 360 + 360);
}

TEST(HtmlPage, HugeNumbersInListsAndEntitiesDoNotOverflow)
{
    HtmlPage page = ParseHtmlPage(L"<ol start=99999999999999><li>a<li>b</ol>&#999999999999999999999;");
    EXPECT_EQ(page.PlainText(), L"1000000. a\r1000001. b\r\xFFFD");
}

} // namespace
