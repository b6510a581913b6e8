#include "framework/shell/html_charset.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The same Polish words in the three encodings pages come in. Narrow literals are code page
// 1250 in this build; u8 literals stay UTF-8.
const std::string cp1250Text = "Zażółć gęślą jaźń";
const std::string utf8Text = u8"Zażółć gęślą jaźń";
const std::wstring expected = L"Zażółć gęślą jaźń";

struct CharsetCase {
    const char *what;
    std::string bytes;
    UINT codePage;
};

class HtmlCharset : public testing::TestWithParam<CharsetCase> {};

TEST_P(HtmlCharset, PolishTextComesOutRight)
{
    const CharsetCase &c = GetParam();
    EXPECT_EQ(HtmlPageCodePage(c.bytes), c.codePage) << c.what;
    std::wstring page = DecodeHtmlPage(c.bytes);
    EXPECT_NE(page.find(expected), std::wstring::npos) << c.what;
    EXPECT_NE(page.find(L"<p>"), std::wstring::npos) << c.what;
}

const CharsetCase charsetCases[] = {
    {"meta charset utf-8", "<meta charset=\"utf-8\"><p>" + utf8Text, CP_UTF8},
    {"meta http-equiv windows-1250",
     "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=windows-1250\"><p>" + cp1250Text, 1250},
    {"no meta, valid UTF-8", "<p>" + utf8Text, CP_UTF8},
    {"no meta, code page 1250", "<p>" + cp1250Text, 1250},
    {"byte-order mark wins over meta", "\xEF\xBB\xBF<meta charset=windows-1250><p>" + utf8Text, CP_UTF8},
    {"meta naming an unknown charset", "<meta charset=klingon><p>" + cp1250Text, 1250},
    {"meta without charset, then one with it",
     "<meta name=author content=x><meta content='text/html;charset=utf-8'><p>" + utf8Text, CP_UTF8},
};
INSTANTIATE_TEST_SUITE_P(Table, HtmlCharset, testing::ValuesIn(charsetCases),
                         [](const testing::TestParamInfo<CharsetCase> &info) {
                             return "case" + std::to_string(info.index);
                         });

TEST(HtmlCharsetFixed, Iso88592DecodesItsOwnLetters)
{
    // ą, ś, ź sit at other bytes in ISO 8859-2 than in code page 1250.
    EXPECT_EQ(DecodeHtmlPage("<meta charset=iso-8859-2>\xB1\xB6\xBC"), L"<meta charset=iso-8859-2>ąśź");
}

TEST(HtmlCharsetFixed, Utf16WithByteOrderMark)
{
    std::string bytes("\xFF\xFE<\0p\0>\0\x05\x01", 10);
    EXPECT_EQ(DecodeHtmlPage(bytes), L"<p>ą");
}

TEST(HtmlCharsetFixed, EmptyAndOddLengthInput)
{
    EXPECT_EQ(DecodeHtmlPage(""), L"");
    EXPECT_EQ(DecodeHtmlPage(std::string("\xFF\xFE"
                                         "a",
                                         3)),
              L"");
}

} // namespace
