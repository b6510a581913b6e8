// The renderer reads the RTF that the rich-edit control writes, which is what gets printed.

#include "rich_text_test_support.h"

#include "framework/shell/rich_edit_print.h"

#include <gtest/gtest.h>
#include <richedit.h>

#include <cstdio>
#include <string>

namespace {

struct Stream {
    std::string data;
    size_t position = 0;
};

DWORD CALLBACK ReadStream(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG *done)
{
    Stream &stream = *reinterpret_cast<Stream *>(cookie);
    const size_t count = std::min(static_cast<size_t>(size), stream.data.size() - stream.position);
    memcpy(buffer, stream.data.data() + stream.position, count);
    stream.position += count;
    *done = static_cast<LONG>(count);
    return 0;
}

DWORD CALLBACK WriteStream(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG *done)
{
    reinterpret_cast<Stream *>(cookie)->data.append(reinterpret_cast<const char *>(buffer), size);
    *done = size;
    return 0;
}

// Streams RTF into a real rich-edit 5.0 control and back out.
std::string ThroughRichEdit(const std::string &rtf)
{
    LoadLibraryW(L"MSFTEDIT.DLL");
    HWND edit = CreateWindowExW(0, L"RICHEDIT50W", L"", WS_POPUP | ES_MULTILINE, 0, 0, 600, 400, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    if (!edit)
        return std::string();
    Stream in{rtf};
    EDITSTREAM streamIn = {reinterpret_cast<DWORD_PTR>(&in), 0, ReadStream};
    SendMessageW(edit, EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&streamIn));
    Stream out;
    EDITSTREAM streamOut = {reinterpret_cast<DWORD_PTR>(&out), 0, WriteStream};
    SendMessageW(edit, EM_STREAMOUT, SF_RTF, reinterpret_cast<LPARAM>(&streamOut));
    DestroyWindow(edit);
    return out.data;
}

TEST(RichEditOutputTest, RendersWhatTheControlStreamsOut)
{
    const std::string fixture = ReadFixture("protokol.rtf");
    ASSERT_FALSE(fixture.empty());
    const std::string rtf = ThroughRichEdit(fixture);
    ASSERT_EQ(0u, rtf.find("{\\rtf1")) << rtf.substr(0, 200);
    const RichTextDocument document = RichTextDocument::FromRtf(rtf);

    const std::wstring text = document.PlainText();
    EXPECT_NE(std::wstring::npos, text.find(L"Protokół postępowania\n"));
    EXPECT_NE(std::wstring::npos,
              text.find(L"Zamawiający ogłasza przetarg nieograniczony na dostawę sprzętu. Termin: Środa.\n"));
    EXPECT_NE(std::wstring::npos, text.find(L"Wartość:\t1000 zł\n"));
    EXPECT_EQ(std::wstring::npos, text.find(L"UKRYTY"));

    // Formats survive the control: the bold word, the red one, the centred title.
    bool boldFound = false;
    bool redFound = false;
    for (const RichTextBlock &block : document.blocks) {
        for (const RichTextRun &run : block.paragraph.runs) {
            if (run.text == L"Zamawiający")
                boldFound = run.format.bold;
            if (run.text.find(L"Środa") == 0)
                redFound = run.format.color == RGB(255, 0, 0);
        }
    }
    EXPECT_TRUE(boldFound);
    EXPECT_TRUE(redFound);
    ASSERT_FALSE(document.blocks.empty());
    EXPECT_EQ(RichTextAlignment::Center, document.blocks[0].paragraph.alignment);

    // The table comes back as two rows of two cells with their edges.
    int rows = 0;
    for (const RichTextBlock &block : document.blocks) {
        if (!block.isRow)
            continue;
        ++rows;
        ASSERT_EQ(2u, block.row.cells.size());
        EXPECT_EQ(3000, block.row.cells[0].right);
        EXPECT_EQ(7000, block.row.cells[1].right);
    }
    EXPECT_EQ(2, rows);

    MemoryDC dc;
    const RichTextLayout layout(document, A4Page(), dc);
    ASSERT_EQ(1, layout.PageCount());
    const std::wstring page = layout.PageText(1);
    EXPECT_NE(std::wstring::npos, page.find(L"Łódź S.A.\n123,45\n")) << page;
    EXPECT_NE(std::wstring::npos, page.find(L"Koniec.\n")) << page;
}

// Indents read back as they went in, hanging ones (a numbered point) above all.
TEST(RichEditOutputTest, IndentsSurviveTheControl)
{
    struct Case {
        int left;
        int first;
    };
    const Case cases[] = {{567, -283}, {720, 0}, {0, 360}, {720, 360}, {567, -567}, {0, 0}};
    std::string rtf = "{\\rtf1\\ansi\\ansicpg1250 ";
    for (const Case &c : cases)
        rtf += "\\pard\\li" + std::to_string(c.left) + "\\fi" + std::to_string(c.first) + " x\\par";
    rtf += "}";
    const RichTextDocument document = RichTextDocument::FromRtf(CorrectWineParagraphIndents(ThroughRichEdit(rtf)));
    ASSERT_GE(document.blocks.size(), std::size(cases));
    for (size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(cases[i].left, document.blocks[i].paragraph.leftIndent) << i;
        EXPECT_EQ(cases[i].first, document.blocks[i].paragraph.firstLineIndent) << i;
    }
    const std::string other = "{\\rtf1 \\pard\\li567\\fi-283 x\\par}";
    EXPECT_EQ(other, CorrectWineParagraphIndents(other)) << "only the control's own RTF is corrected";
}

// A picture the control holds comes out of it as an enhanced metafile in a shape's picture
// group, and reaches the page at its size.
TEST(RichEditOutputTest, PicturesInTheControlReachThePage)
{
    for (const char *fixture : {"picture_emf.rtf", "picture_wmf.rtf"}) {
        const std::string rtf = ThroughRichEdit(ReadFixture(fixture));
        const RichTextDocument document = RichTextDocument::FromRtf(rtf);
        ASSERT_EQ(1u, document.pictures.size()) << fixture << "\n" << rtf.substr(0, 300);
        MemoryDC dc;
        const RichTextLayout layout(document, A4Page(), dc);
        const std::vector<RichTextLineInfo> lines = layout.PageLines(1);
        ASSERT_EQ(3u, lines.size()) << fixture;
        EXPECT_EQ(L"\uFFFC", lines[1].text) << fixture;
        EXPECT_NEAR(2268, lines[1].box.right - lines[1].box.left, 30) << fixture;
    }
}

// The criteria table of a notice after an indented paragraph, as the control writes it: its
// narrow columns still hold their words.
TEST(RichEditOutputTest, TablesAfterIndentedParagraphsKeepTheirColumns)
{
    std::string rtf = "{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset238 Arial;}}"
                      "\\pard\\li567\\sa60\\f0\\fs20 Kryteria oceny ofert:\\par";
    const char *const rows[] = {"\\b Lp.\\cell Nazwa kryterium\\cell Waga (%)\\cell Spos\\'f3b oceny\\cell\\b0",
                                "1\\cell Cena\\cell 60\\cell (cena najni\\'bfsza / cena badanej oferty) x 60 pkt\\cell"};
    for (const char *row : rows)
        rtf += std::string("\\trowd\\trgaph108\\trleft-108\\cellx450\\cellx4050\\cellx4950\\cellx9000"
                           "\\pard\\intbl ")
               + row + "\\row";
    rtf += "\\pard\\li567 Koniec.\\par}";
    const std::string streamed = CorrectWineParagraphIndents(SeparateCellEdgesFromText(ThroughRichEdit(rtf), 11906));
    MemoryDC dc;
    CRichEditPages pages;
    pages.Paginate(streamed, CSize(11906, 16838), CRect(1417, 1417, 1417, 1417), dc);
    const std::vector<RichTextLineInfo> lines = pages.Layout()->PageLines(1);
    auto lineStarting = [&](const std::wstring &text) {
        for (const RichTextLineInfo &line : lines)
            if (line.text.compare(0, text.size(), text) == 0)
                return line;
        ADD_FAILURE() << "no line starts with this text";
        return RichTextLineInfo{};
    };
    EXPECT_EQ(1417, lineStarting(L"Lp.").box.left);
    EXPECT_EQ(1417 + 4050 + 108, lineStarting(L"Waga").box.left);
    for (const RichTextLineInfo &line : lines)
        EXPECT_TRUE(line.text.size() > 2 || line.text == L"1" || line.text == L"60") << "a letter a line";
}

} // namespace

// The page set-up goes into the header, before the text, whatever the text starts with; the
// page renderer reads it back.
TEST(RichEditOutputTest, PageSetUpIsStatedBeforeTheText)
{
    const std::string words = PageSetupWords(CSize(16838, 11906), CRect(1417, 850, 1134, 567));
    EXPECT_EQ("\\paperw16838\\paperh11906\\margl1417\\margr1134\\margt850\\margb567\\landscape", words);
    EXPECT_EQ(std::string::npos, PageSetupWords(CSize(11906, 16838), CRect()).find("landscape"));
    struct Case {
        std::string rtf;
        std::string expected;
    };
    const Case cases[] = {
        {"{\\rtf1{\\fonttbl{\\f0 Arial;}}\r\n{\\*\\generator Wine Riched20 2.0;}\r\n\\pard a\\par}",
         "{\\rtf1{\\fonttbl{\\f0 Arial;}}\r\n{\\*\\generator Wine Riched20 2.0;}\r\n" + words + "\\pard a\\par}"},
        {"{\\rtf1{\\colortbl;\\red0\\green0\\blue0;}\\trowd\\cellx900 a\\cell\\row}",
         "{\\rtf1{\\colortbl;\\red0\\green0\\blue0;}" + words + "\\trowd\\cellx900 a\\cell\\row}"},
        {"{\\rtf1\\ansi{\\fonttbl{\\f0 \\{\\pard\\}}}}", "{\\rtf1\\ansi{\\fonttbl{\\f0 \\{\\pard\\}}}" + words + "}"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(c.expected, WithDocumentWords(c.rtf, words)) << c.rtf;
    const RichTextPageSetup page = RichTextDocument::FromRtf(WithDocumentWords(cases[0].rtf, words)).pageSetup;
    EXPECT_EQ(16838, page.paperWidth);
    EXPECT_EQ(567, page.marginBottom);
    EXPECT_TRUE(page.landscape);
}

// The control writes no \pard before a row whose first cell's paragraph is laid out as the one
// before it: a word processor would give the cells that paragraph's indents.
TEST(RichEditOutputTest, EveryTableRowStartsItsFirstCellsParagraph)
{
    const std::string streamed =
        ThroughRichEdit("{\\rtf1\\ansi\\pard Przed\\par\\trowd\\cellx1000\\cellx5000\\pard\\intbl Lp.\\cell Waga (%)"
                        "\\cell\\row\\trowd\\cellx1000\\cellx5000\\pard\\intbl 1\\cell 60\\cell\\row\\pard Po\\par}");
    const std::string rtf = StartWineTableCellParagraphs(SeparateCellEdgesFromText(streamed, 11906));
    size_t rows = 0;
    for (size_t row = rtf.find("\\trowd"); row != std::string::npos; row = rtf.find("\\trowd", row + 1), ++rows)
        EXPECT_LT(rtf.find("\\pard\\intbl", row), rtf.find("\\cell ", row)) << rtf.substr(row, 80);
    EXPECT_EQ(2u, rows) << rtf;
    const std::string other = "{\\rtf1 \\trowd\\cellx900 a\\cell\\row}";
    EXPECT_EQ(other, StartWineTableCellParagraphs(other)) << "only the control's own RTF is corrected";
}
