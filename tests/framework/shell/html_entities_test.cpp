#include "framework/shell/html_entities.h"

#include <gtest/gtest.h>

namespace {

struct EntityCase {
    const wchar_t *written;
    const wchar_t *decoded;
};

class HtmlEntities : public testing::TestWithParam<EntityCase> {};

TEST_P(HtmlEntities, DecodeAsBrowsersDo)
{
    EXPECT_EQ(DecodeHtmlEntities(GetParam().written), GetParam().decoded) << GetParam().written;
}

const EntityCase entityCases[] = {
    {L"&amp;&lt;&gt;&quot;&apos;", L"&<>\"'"},
    {L"a&nbsp;b", L"a\x00A0"
                  L"b"},
    {L"&oacute;&Oacute;&eacute;&uuml;&szlig;&copy;&sect;&laquo;&raquo;", L"óÓéüß©§«»"},
    {L"&aogon;&Aogon;&cacute;&eogon;&lstrok;&Lstrok;&nacute;&sacute;&zacute;&zdot;&Zdot;", L"ąĄćęłŁńśźżŻ"},
    {L"&bdquo;cytat&rdquo; &ndash; &mdash; &hellip; &euro;", L"„cytat” – — … €"},
    {L"&#261;&#x105;&#X104;&#0380;", L"ąąĄż"},
    {L"&#150;&#128;", L"–€"}, // as Windows-1252 meant them
    {L"&#128512;", L"\xD83D\xDE00"},
    {L"&#0;&#x110000;&#55296;&#99999999999999999999;", L"\xFFFD\xFFFD\xFFFD\xFFFD"},
    {L"&amp &lt &nbsp;", L"& < \x00A0"}, // the old forms without ';'
    {L"&oacute &unknown; & x &#; &#xZ; &", L"&oacute &unknown; & x &#; &#xZ; &"},
    {L"&#65&#66;", L"AB"},
};
INSTANTIATE_TEST_SUITE_P(Table, HtmlEntities, testing::ValuesIn(entityCases));

} // namespace
