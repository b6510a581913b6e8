// Pages whose tables are wide or ragged, and damaged pages: the RTF the HTML view is given grows
// in proportion to the page, and every anchor lies within the page's text.
#include <gtest/gtest.h>

#include <string>

#include "framework/core/codepage.h"
#include "framework/shell/html_charset.h"
#include "framework/shell/html_page.h"
#include "framework/shell/html_rtf.h"
#include "tests/support/damaged_copies.h"

namespace {

// A table of `rows` rows, the first of them `wide` cells wide, the others two.
std::wstring RaggedTable(int rows, int wide)
{
    std::wstring html = L"<table><tr>";
    for (int cell = 0; cell < wide; ++cell)
        html += L"<td>k" + std::to_wstring(cell);
    for (int row = 1; row < rows; ++row)
        html += L"<tr><td>a<td>b";
    return html + L"</table>";
}

TEST(HtmlPageGrowth, RowsGetStopsForTheirOwnCellsOnly)
{
    HtmlPage page = ParseHtmlPage(RaggedTable(3, 5));
    ASSERT_EQ(page.paragraphs.size(), 3u);
    EXPECT_EQ(page.paragraphs[0].tabStops.size(), 4u);
    ASSERT_EQ(page.paragraphs[1].tabStops.size(), 1u);
    EXPECT_EQ(page.paragraphs[1].tabStops[0], page.paragraphs[0].tabStops[0]); // columns still line up
    HtmlPage wide = ParseHtmlPage(RaggedTable(1, 500));
    EXPECT_EQ(wide.paragraphs[0].tabStops.size(), 32u);
}

TEST(HtmlPageGrowth, RtfGrowsInProportionToThePage)
{
    // The page that once gave 35 MB: a row of many cells over many short rows.
    const std::wstring html = RaggedTable(1500, 1500);
    const std::string rtf = HtmlPageToRtf(ParseHtmlPage(html));
    EXPECT_LT(rtf.size(), 40 * html.size());
    const std::wstring twice = RaggedTable(3000, 1500);
    EXPECT_LT(HtmlPageToRtf(ParseHtmlPage(twice)).size(), 2.5 * rtf.size());
}

TEST(HtmlPageGrowth, AnchorsAtTheEndPointAtTheEndOfTheText)
{
    for (const wchar_t *html : {L"<p>tekst</p><a name=koniec></a>", L"<p>tekst</p><h2 id=k></h2>", L"<a name=k></a>"}) {
        HtmlPage page = ParseHtmlPage(html);
        ASSERT_EQ(page.anchors.size(), 1u);
        EXPECT_EQ(page.anchors[0].second, (long)page.PlainText().size()) << WideToCp1250(html).GetString();
    }
}

TEST(HtmlPageGrowth, EveryCutAndChangedByteOfAPageEndsInAPage)
{
    const std::string good =
        "<html><head><meta charset=windows-1250><title>Pomoc</title></head><body><h1 id=a>Tytu\xB3</h1>"
        "<p>Tekst <b>gruby <i>pochy\xB3y</b></i> &amp; &#261; &nbsp;<a href='#a'>link</a></p>"
        "<table border=1><tr><th>A<th>B<th>C</tr><tr><td>1<td>2<td>3</tr><tr><td colspan=2>x</table>"
        "<ol start=3><li>jeden<li>dwa<ul><li>trzy</ul></ol><pre>  sta\xB3"
        "a\tszeroko\x9C\xE6</pre>"
        "<dl><dt>termin<dd>opis</dl><blockquote>cytat</blockquote><a name=z></a></body></html>";
    int pages = 0;
    for (const std::string &bytes : DamagedCopies(good, 600)) {
        const HtmlPage page = ParseHtmlPage(DecodeHtmlPage(bytes));
        const long length = (long)page.PlainText().size();
        for (const auto &anchor : page.anchors)
            ASSERT_LE(anchor.second, length);
        for (const HtmlLink &link : page.links)
            ASSERT_LE(link.start + link.length, length);
        ASSERT_LT(HtmlPageToRtf(page).size(), 200 * (bytes.size() + 16));
        ++pages;
    }
    EXPECT_GT(pages, 600);
}

} // namespace
