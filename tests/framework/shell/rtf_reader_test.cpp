#include "framework/shell/rich_text_document.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::wstring Text(const std::string &rtf)
{
    return RichTextDocument::FromRtf(rtf).PlainText();
}

// The format of every visible character, in order.
std::vector<std::pair<wchar_t, RichTextCharFormat>> Characters(const RichTextDocument &document)
{
    std::vector<std::pair<wchar_t, RichTextCharFormat>> result;
    for (const RichTextBlock &block : document.blocks)
        for (const RichTextRun &run : block.paragraph.runs)
            for (wchar_t ch : run.text)
                result.emplace_back(ch, run.format);
    return result;
}

TEST(RtfReaderTest, ReadsVisibleText)
{
    const struct {
        const char *rtf;
        const wchar_t *text;
    } cases[] = {
        {"{\\rtf1\\ansi\\ansicpg1250 Za\\'bf\\'f3\\'b3\\'e6 g\\'ea\\'9cl\\'b9 ja\\'9f\\'f1\\par}",
         L"Zażółć gęślą jaźń\n"},
        {"{\\rtf1 \\'a3\\'f3d\\'9f\\par}", L"Łódź\n"}, // code page 1250 when none is named
        {"{\\rtf1\\uc1 \\u321?\\u243?d\\u378?\\par}", L"Łódź\n"},
        {"{\\rtf1 {\\uc2\\u322 ab}c\\par}", L"łc\n"},
        {"{\\rtf1 \\u322\\'b3\\u-10179?\\u-8704?\\par}", L"ł\xD83D\xDE00\n"},
        {"{\\rtf1 \\uc0\\u8364 x\\par}", L"€x\n"},
        {"{\\rtf1 widoczny {\\v ukryty}koniec \\v tak\\v0 nie\\par}", L"widoczny koniec nie\n"},
        {"{\\rtf1 \\{ \\} \\\\ a\\~b\\par}", L"{ } \\ a\xA0"
                                             L"b\n"},
        {"{\\rtf1 a\\tab b\\line c\\par}", L"a\tb\nc\n"},
        {"{\\rtf1 {\\*\\foo bar}{\\stylesheet{\\s0 Normal;}}{\\info{\\title t}}x\\par}", L"x\n"},
        {"{\\rtf1 {\\pict\\bin2 }}}ok\\par}", L"ok\n"},
        {"{\\rtf1 {\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt link}}\\par}", L"link\n"},
        {"{\\rtf1 pierwszy\\par\r\ndrugi}", L"pierwszy\ndrugi\n"},
        {"{\\rtf1 \\par\\par}", L"\n\n"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.text, Text(c.rtf)) << c.rtf;
}

TEST(RtfReaderTest, ReadsCharacterFormats)
{
    const RichTextDocument document = RichTextDocument::FromRtf(
        "{\\rtf1\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset238 Arial;}{\\f1\\froman Times New Roman;}}"
        "{\\colortbl;\\red255\\green0\\blue0;}"
        "A\\f1\\fs32 B{\\b C}{\\i D}{\\ul E\\ulnone F}{\\strike G}{\\cf1 H}\\cf7 I\\plain J}");
    ASSERT_EQ((std::vector<std::wstring>{L"Arial", L"Times New Roman"}), document.fonts);
    EXPECT_EQ(0, document.defaultFont);
    struct Expected {
        wchar_t ch;
        int font, halfPoints;
        bool bold, italic, underline, strikeOut;
        COLORREF color;
    };
    const Expected expected[] = {
        {L'A', 0, 24, false, false, false, false, RGB(0, 0, 0)},
        {L'B', 1, 32, false, false, false, false, RGB(0, 0, 0)},
        {L'C', 1, 32, true, false, false, false, RGB(0, 0, 0)},
        {L'D', 1, 32, false, true, false, false, RGB(0, 0, 0)},
        {L'E', 1, 32, false, false, true, false, RGB(0, 0, 0)},
        {L'F', 1, 32, false, false, false, false, RGB(0, 0, 0)},
        {L'G', 1, 32, false, false, false, true, RGB(0, 0, 0)},
        {L'H', 1, 32, false, false, false, false, RGB(255, 0, 0)},
        {L'I', 1, 32, false, false, false, false, RGB(0, 0, 0)}, // a colour the table lacks
        {L'J', 0, 24, false, false, false, false, RGB(0, 0, 0)},
    };
    const auto characters = Characters(document);
    ASSERT_EQ(std::size(expected), characters.size());
    for (size_t i = 0; i < characters.size(); ++i) {
        const Expected &e = expected[i];
        const RichTextCharFormat &f = characters[i].second;
        EXPECT_EQ(e.ch, characters[i].first);
        EXPECT_EQ(e.font, f.font) << static_cast<char>(e.ch);
        EXPECT_EQ(e.halfPoints, f.halfPoints) << static_cast<char>(e.ch);
        EXPECT_EQ(e.bold, f.bold) << static_cast<char>(e.ch);
        EXPECT_EQ(e.italic, f.italic) << static_cast<char>(e.ch);
        EXPECT_EQ(e.underline, f.underline) << static_cast<char>(e.ch);
        EXPECT_EQ(e.strikeOut, f.strikeOut) << static_cast<char>(e.ch);
        EXPECT_EQ(e.color, f.color) << static_cast<char>(e.ch);
    }
}

TEST(RtfReaderTest, ParagraphPropertiesHoldUntilPard)
{
    const RichTextDocument document =
        RichTextDocument::FromRtf("{\\rtf1\\qc\\li720\\ri360\\fi-360\\sb120\\sa240\\tx2880\\tx1440 a\\par"
                                  "\\qj b\\par\\pard c\\par{\\qr d\\par}e\\par}");
    ASSERT_EQ(5u, document.blocks.size());
    const RichTextParagraph &first = document.blocks[0].paragraph;
    EXPECT_EQ(RichTextAlignment::Center, first.alignment);
    EXPECT_EQ(720, first.leftIndent);
    EXPECT_EQ(360, first.rightIndent);
    EXPECT_EQ(-360, first.firstLineIndent);
    EXPECT_EQ(120, first.spaceBefore);
    EXPECT_EQ(240, first.spaceAfter);
    EXPECT_EQ((std::vector<int>{1440, 2880}), first.tabStops);
    EXPECT_EQ(RichTextAlignment::Justify, document.blocks[1].paragraph.alignment);
    EXPECT_EQ(720, document.blocks[1].paragraph.leftIndent);
    const RichTextParagraph &reset = document.blocks[2].paragraph;
    EXPECT_EQ(RichTextAlignment::Left, reset.alignment);
    EXPECT_EQ(0, reset.leftIndent);
    EXPECT_TRUE(reset.tabStops.empty());
    EXPECT_EQ(RichTextAlignment::Right, document.blocks[3].paragraph.alignment);
    EXPECT_EQ(RichTextAlignment::Left, document.blocks[4].paragraph.alignment);
}

TEST(RtfReaderTest, PageBreaksStartTheNextBlock)
{
    const RichTextDocument document =
        RichTextDocument::FromRtf("{\\rtf1 a\\page b\\par c\\par\\pard\\pagebb d\\par\\pard\\page}");
    ASSERT_EQ(4u, document.blocks.size());
    EXPECT_EQ(L"a\nb\nc\nd\n", document.PlainText());
    const bool breaks[] = {false, true, false, true};
    for (size_t i = 0; i < 4; ++i)
        EXPECT_EQ(breaks[i], document.blocks[i].pageBreakBefore) << i;
}

TEST(RtfReaderTest, ReadsTableRowsWithAndWithoutIntbl)
{
    // The first row as the rich-edit control writes it (no \intbl), the second with \intbl,
    // two paragraphs in a cell, borders, and a cell the row did not define.
    const RichTextDocument document = RichTextDocument::FromRtf(
        "{\\rtf1 przed\\par"
        "\\trowd\\trgaph108\\cellx2000\\cellx5000 A1\\cell B1\\cell \\row"
        "\\trowd\\trleft-"
        "108\\clbrdrt\\brdrs\\brdrw30\\clbrdrb\\brdrs\\cellx3000\\clbrdrl\\brdrnone\\cellx6000"
        "\\pard\\intbl A2\\par druga\\cell B2\\cell C2\\cell\\row"
        "\\pard po\\par}");
    ASSERT_EQ(4u, document.blocks.size());
    EXPECT_EQ(L"przed\nA1\tB1\t\nA2\ndruga\tB2\tC2\t\npo\n", document.PlainText());

    const RichTextRow &first = document.blocks[1].row;
    ASSERT_TRUE(document.blocks[1].isRow);
    EXPECT_EQ(108, first.gap);
    ASSERT_EQ(2u, first.cells.size());
    EXPECT_EQ(2000, first.cells[0].right);
    EXPECT_EQ(5000, first.cells[1].right);

    const RichTextRow &second = document.blocks[2].row;
    EXPECT_EQ(-108, second.left);
    ASSERT_EQ(3u, second.cells.size());
    EXPECT_EQ(2u, second.cells[0].paragraphs.size());
    EXPECT_EQ(unsigned(kRichTextBorderTop | kRichTextBorderBottom), second.cells[0].borders);
    EXPECT_EQ(30, second.cells[0].borderWidth);
    EXPECT_EQ(0u, second.cells[1].borders);
    EXPECT_EQ(6000 + 1440, second.cells[2].right);
    EXPECT_FALSE(document.blocks[3].isRow);

    // A row's cells do not take the properties of the paragraph before it, as the control
    // writes them.
    const RichTextDocument indented =
        RichTextDocument::FromRtf("{\\rtf1\\pard\\li567\\qc\\tx900 a\\par\\trowd\\cellx2000 b\\cell\\row}");
    ASSERT_EQ(2u, indented.blocks.size());
    const RichTextParagraph &cell = indented.blocks[1].row.cells.at(0).paragraphs.at(0);
    EXPECT_EQ(0, cell.leftIndent);
    EXPECT_EQ(RichTextAlignment::Left, cell.alignment);
    EXPECT_TRUE(cell.tabStops.empty());
}

TEST(RtfReaderTest, ReadsKeepsAndTabKinds)
{
    const RichTextDocument document = RichTextDocument::FromRtf(
        "{\\rtf1\\keepn a\\par\\keep b\\par\\pard\\tqr\\tx5000\\tqdec\\tx3000\\tqc\\tx4000\\tx1000 c\\par}");
    ASSERT_EQ(3u, document.blocks.size());
    EXPECT_TRUE(document.blocks[0].paragraph.keepWithNext);
    EXPECT_FALSE(document.blocks[0].paragraph.keepTogether);
    EXPECT_TRUE(document.blocks[1].paragraph.keepWithNext);
    EXPECT_TRUE(document.blocks[1].paragraph.keepTogether);
    const RichTextParagraph &tabs = document.blocks[2].paragraph;
    EXPECT_FALSE(tabs.keepWithNext || tabs.keepTogether);
    EXPECT_EQ((std::vector<int>{1000, 3000, 4000, 5000}), tabs.tabStops);
    using Tab = RichTextTabAlignment;
    EXPECT_EQ((std::vector<Tab>{Tab::Left, Tab::Decimal, Tab::Center, Tab::Right}), tabs.tabAlignments);
}

TEST(RtfReaderTest, ReadsThePageSetUp)
{
    const struct {
        const char *words;
        RichTextPageSetup setup;
    } cases[] = {
        {"", {0, 0, -1, -1, -1, -1, false}},
        {"\\paperw11906\\paperh16838\\margl1134\\margr1135\\margt1136\\margb1137",
         {11906, 16838, 1134, 1136, 1135, 1137, false}},
        {"\\margl0\\landscape", {0, 0, 0, -1, -1, -1, true}},
        // The first section's sizes win over the document's; later sections' are not read.
        {"\\paperw12240\\margl1800\\sectd\\pgwsxn16838\\pghsxn11906\\lndscpsxn\\marglsxn700 a\\sect\\sectd\\pgwsxn5000",
         {16838, 11906, 700, -1, -1, -1, true}},
        {"\\paperw-5\\margl99999999", {0, 0, 1440 * 60, -1, -1, -1, false}},
    };
    for (const auto &c : cases) {
        const RichTextPageSetup setup = RichTextDocument::FromRtf(std::string("{\\rtf1") + c.words + " x\\par}").pageSetup;
        EXPECT_EQ(c.setup.paperWidth, setup.paperWidth) << c.words;
        EXPECT_EQ(c.setup.paperHeight, setup.paperHeight) << c.words;
        EXPECT_EQ(c.setup.marginLeft, setup.marginLeft) << c.words;
        EXPECT_EQ(c.setup.marginTop, setup.marginTop) << c.words;
        EXPECT_EQ(c.setup.marginRight, setup.marginRight) << c.words;
        EXPECT_EQ(c.setup.marginBottom, setup.marginBottom) << c.words;
        EXPECT_EQ(c.setup.landscape, setup.landscape) << c.words;
    }
}

TEST(RtfReaderTest, ReadsPicturesWhereTheyShow)
{
    using Kind = RichTextPicture::Kind;
    const struct {
        const char *rtf;
        std::vector<Kind> kinds; // the pictures read, in order
        const wchar_t *text;
    } cases[] = {
        {"a{\\pict\\pngblip\\picw2\\pich3\\picwgoal30\\pichgoal45\\picscalex50\\picscaley200 0a0B\\par 0c}b\\par",
         {Kind::Png},
         L"a\uFFFCb\n"},
        {"{\\pict\\jpegblip ff}{\\pict\\emfblip ff}{\\pict\\wmetafile8 ff}{\\pict\\dibitmap0 ff}{\\pict\\wbitmap0 ff}\\par",
         {Kind::Jpeg, Kind::Emf, Kind::Wmf, Kind::Dib, Kind::Ddb},
         L"\uFFFC\uFFFC\uFFFC\uFFFC\uFFFC\n"},
        // Binary data, and a picture's own groups.
        {"{\\pict{\\*\\blipuid 0102}\\pngblip\\bin3 {}\\}\\par", {Kind::Png}, L"\uFFFC\n"},
        // The shape's picture, not its alternative for readers without shapes.
        {"{\\*\\shppict{\\pict\\emfblip 01}}{\\nonshppict{\\pict\\wmetafile8 02}}\\par", {Kind::Emf}, L"\uFFFC\n"},
        {"{\\shp{\\*\\shpinst\\shpleft0{\\sp{\\sn pib}{\\sv{\\pict\\pngblip 01}}}{\\shptxt ramka}}{\\shprslt{\\pict\\wmetafile8 02}}}x\\par",
         {Kind::Png},
         L"\uFFFCx\n"},
        // An object shows its result.
        {"{\\object\\objemb{\\*\\objclass Paint}{\\*\\objdata 0102}{\\result{\\pict\\jpegblip 03}}}\\par", {Kind::Jpeg}, L"\uFFFC\n"},
        // Not shown: hidden, of a kind not drawn, without data.
        {"{\\v{\\pict\\pngblip 01}}{\\pict\\macpict 01}{\\pict\\pngblip}{\\pict\\pngblip zz}x\\par", {}, L"x\n"},
    };
    for (const auto &c : cases) {
        const RichTextDocument document = RichTextDocument::FromRtf(std::string("{\\rtf1 ") + c.rtf + "}");
        std::vector<Kind> kinds;
        for (const RichTextPicture &picture : document.pictures)
            kinds.push_back(picture.kind);
        EXPECT_EQ(c.kinds, kinds) << c.rtf;
        EXPECT_EQ(c.text, document.PlainText()) << c.rtf;
    }
    const RichTextDocument first = RichTextDocument::FromRtf(std::string("{\\rtf1 ") + cases[0].rtf + "}");
    ASSERT_EQ(1u, first.pictures.size());
    const RichTextPicture &picture = first.pictures[0];
    EXPECT_EQ((std::vector<unsigned char>{0x0A, 0x0B, 0x0C}), picture.data);
    EXPECT_EQ(2, picture.width);
    EXPECT_EQ(3, picture.height);
    EXPECT_EQ(30, picture.goalWidth);
    EXPECT_EQ(45, picture.goalHeight);
    EXPECT_EQ(50, picture.scaleX);
    EXPECT_EQ(200, picture.scaleY);
    const RichTextRun &run = first.blocks[0].paragraph.runs.at(1);
    EXPECT_EQ(0, run.picture);
    const RichTextDocument binary =
        RichTextDocument::FromRtf(std::string("{\\rtf1 ") + cases[2].rtf + "}");
    EXPECT_EQ((std::vector<unsigned char>{'{', '}', '\\'}), binary.pictures.at(0).data);
}

TEST(RtfReaderTest, DamagedInputNeverCrashesAndKeepsWhatItCan)
{
    const struct {
        std::string rtf;
        const wchar_t *text;
    } cases[] = {
        {"", L""},
        {"{", L""},
        {"}}}a{{{", L"a\n"},
        {"{\\rtf1 a\\'", L"a\n"},
        {"{\\rtf1 a\\'4", L"a\n"},
        {"{\\rtf1 a\\'zzb", L"azzb\n"},
        {"{\\rtf1 a\\", L"a\n"},
        {"{\\rtf1 a\\u", L"a\n"},
        {"{\\rtf1 a\\u99999999999999999999 bc", L"ac\n"},
        {"{\\rtf1 \\fs99999999999 \\li-99999999999 \\cellx99999999999 a\\cell\\row", L"a\t\n"},
        {"{\\rtf1 \\uc99999\\u322 abcdefghijk", L"łijk\n"},
        {"{\\rtf1 \\bin999999999 abc", L""},
        {"{\\rtf1 \\bin-5 abc", L"abc\n"},
        {"{\\rtf1{\\fonttbl{\\f0 Arial", L""},
        {"{\\rtf1{\\colortbl;\\red999\\green-4;}\\cf-3 a\\cf99999999 b}", L"ab\n"},
        {"{\\rtf1 " + std::string(100000, '{') + "x" + std::string(100000, '}') + "\\par}", L"x\n"},
        {"{\\rtf1 \\verylongcontrolwordthatnoreaderknowsaboutatallreally7 x\\par}", L"x\n"},
        {"{\\rtf1 " + std::string(3000, 'x') + "\\par}", nullptr},
    };
    for (const auto &c : cases) {
        const RichTextDocument document = RichTextDocument::FromRtf(c.rtf);
        if (c.text) {
            EXPECT_EQ(c.text, document.PlainText()) << c.rtf.substr(0, 80);
        }
    }
    EXPECT_TRUE(RichTextDocument::FromRtf(nullptr, 10).blocks.empty());
}

} // namespace
