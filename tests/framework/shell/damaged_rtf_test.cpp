// Damaged RTF and absurd pages must never crash, hang or draw outside the page.

#include "rich_text_test_support.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

const char kSample[] = "{\\rtf1\\ansi\\ansicpg1250\\uc1\\deff0{\\fonttbl{\\f0\\fcharset238 Arial;}{\\f1 Times New "
                       "Roman;}}"
                       "{\\colortbl;\\red255\\green0\\blue0;}{\\*\\generator x;}"
                       "\\pard\\qc\\li360\\fi-180\\sa120\\tx2000\\b\\fs28 Protok\\'f3\\'b3\\b0\\fs20\\par"
                       "\\pard\\qj {\\i Zamawiaj\\'b9cy}\\tab {\\v ukryte}\\u346?roda {\\cf1 czerwony}\\line "
                       "dalej\\par"
                       "\\trowd\\trgaph108\\clbrdrt\\brdrs\\cellx3000\\cellx7000\\pard\\intbl A\\cell B\\par "
                       "C\\cell\\row"
                       "\\pard\\page {\\pict\\bin2 {}}\\f1 Koniec\\par}";

// Deterministic, so a failure can be replayed.
class Random {
public:
    uint32_t Next(uint32_t bound)
    {
        m_state = m_state * 1664525u + 1013904223u;
        return (m_state >> 8) % bound;
    }

private:
    uint32_t m_state = 12345;
};

TEST(DamagedRtfTest, MutatedDocumentsLayOutWithoutCrashing)
{
    const char *const pieces[] = {"{",
                                  "}",
                                  "\\",
                                  "\\'",
                                  "\\'9",
                                  "\\u",
                                  "\\u-99999999 ",
                                  "\\uc9 ",
                                  "\\cellx",
                                  "\\cellx-999999999 ",
                                  "\\cell ",
                                  "\\row ",
                                  "\\trowd ",
                                  "\\page ",
                                  "\\bin",
                                  "\\bin99 ",
                                  "99999999999999",
                                  "\\fs0 ",
                                  "\\fs99999 ",
                                  "\\li-9999999 ",
                                  "\\fi9999999 ",
                                  "\\tx1 ",
                                  "\\*",
                                  "\\v ",
                                  "\\par ",
                                  "\\line ",
                                  "\\tab ",
                                  "\\deftab1 ",
                                  "{\\fonttbl"};
    Random random;
    const std::string sample = kSample;
    for (int round = 0; round < 2000; ++round) {
        std::string rtf = sample;
        const uint32_t edits = 1 + random.Next(6);
        for (uint32_t i = 0; i < edits; ++i) {
            const size_t at = random.Next(static_cast<uint32_t>(rtf.size() + 1));
            switch (random.Next(3)) {
            case 0:
                rtf.insert(at, pieces[random.Next(std::size(pieces))]);
                break;
            case 1:
                rtf.erase(at, random.Next(12));
                break;
            default:
                rtf.resize(at);
                break;
            }
        }
        const RichTextLayout layout = LayOut(rtf, SmallPage(6000, 4000, 700));
        ASSERT_GE(layout.PageCount(), 1) << rtf;
        for (int page = 1; page <= layout.PageCount(); ++page)
            layout.PageText(page);
    }
}

TEST(DamagedRtfTest, AbsurdPagesStillProgress)
{
    const RichTextPageSize pages[] = {
        SmallPage(1000, 1000, 800), // margins wider than the sheet
        SmallPage(200, 200, 0),     // a line taller than the page
        SmallPage(1, 1, 0),
    };
    for (const RichTextPageSize &page : pages) {
        const RichTextLayout layout = LayOut(kSample, page);
        std::wstring text;
        for (int p = 1; p <= layout.PageCount(); ++p)
            text += layout.PageText(p);
        EXPECT_NE(std::wstring::npos, text.find(L"K")) << page.width;
        MemoryDC dc;
        layout.DrawPage(dc, 1, RECT{0, 0, 10, 10});
    }
}

} // namespace
