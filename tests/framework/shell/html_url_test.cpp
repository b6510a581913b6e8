#include "framework/shell/html_url.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

struct ResolveCase {
    const wchar_t *base;
    const wchar_t *href;
    const wchar_t *resolved;
};

class HtmlUrlResolve : public testing::TestWithParam<ResolveCase> {};

TEST_P(HtmlUrlResolve, LikeABrowser)
{
    EXPECT_EQ(ResolveHtmlUrl(GetParam().base, GetParam().href), GetParam().resolved) << GetParam().href;
}

const wchar_t *const page = L"file:///C:/Morvelank/pomoc/index.htm";

const ResolveCase resolveCases[] = {
    {page, L"0.htm", L"file:///C:/Morvelank/pomoc/0.htm"},
    {page, L"../reklama/powitanie.htm", L"file:///C:/Morvelank/reklama/powitanie.htm"},
    {page, L"./rozdz\\art 1.htm#ust2", L"file:///C:/Morvelank/pomoc/rozdz/art 1.htm#ust2"},
    {page, L"#top", L"file:///C:/Morvelank/pomoc/index.htm#top"},
    {page, L"", L"file:///C:/Morvelank/pomoc/index.htm"},
    {page, L"  app:nowe  ", L"app:nowe"},
    {page, L"APP:Otworz", L"APP:Otworz"},
    {page, L"http://example.pl/a b?x=1", L"http://example.pl/a b?x=1"},
    {page, L"mailto:biuro@example.pl", L"mailto:biuro@example.pl"},
    {page, L"D:\\Inny\\a.htm", L"file:///D:/Inny/a.htm"},
    {page, L"/glowna.htm", L"file:///C:/glowna.htm"},
    {page, L"a%20b%C5%BC.htm", L"file:///C:/Morvelank/pomoc/a bż.htm"},
    {page, L"a%20b%BF.htm", L"file:///C:/Morvelank/pomoc/a bż.htm"}, // escapes in code page 1250
    {page, L"../../../../x.htm", L"file:///C:/x.htm"},
    {page, L"100%.htm", L"file:///C:/Morvelank/pomoc/100%.htm"},
    {L"", L"file:///C:\\Morvelank\\reklama\\powitanie.htm", L"file:///C:/Morvelank/reklama/powitanie.htm"},
    {L"", L"file://C:/a.htm", L"file:///C:/a.htm"},
    {L"", L"FILE:///c:/A.HTM", L"file:///c:/A.HTM"},
    {L"", L"file://serwer/udzial/a.htm", L"file://serwer/udzial/a.htm"},
    {L"file://serwer/udzial/x/a.htm", L"../../../b.htm", L"file://serwer/b.htm"},
};
INSTANTIATE_TEST_SUITE_P(Table, HtmlUrlResolve, testing::ValuesIn(resolveCases));

TEST(HtmlUrl, RelativeAddressWithoutAPageIsTakenFromTheCurrentFolder)
{
    wchar_t folder[MAX_PATH];
    DWORD length = ::GetCurrentDirectoryW(MAX_PATH, folder);
    std::wstring expected = L"file:///" + std::wstring(folder, length) + L"\\reklama\\powitanie.htm";
    for (wchar_t &c : expected)
        if (c == L'\\')
            c = L'/';
    EXPECT_EQ(ResolveHtmlUrl(L"", L"reklama\\powitanie.htm"), expected);
}

TEST(HtmlUrl, SchemesAndPaths)
{
    EXPECT_EQ(HtmlUrlScheme(L"App:x"), L"app");
    EXPECT_EQ(HtmlUrlScheme(L"C:\\x.htm"), L"");
    EXPECT_EQ(HtmlUrlScheme(L"a b:c"), L"");
    EXPECT_EQ(HtmlUrlScheme(L"pomoc.htm"), L"");
    EXPECT_EQ(LocalPathOfHtmlUrl(L"file:///C:/M/a%20b.htm?x#y"), L"C:\\M\\a b.htm");
    EXPECT_EQ(LocalPathOfHtmlUrl(L"file://serwer/u/a.htm"), L"\\\\serwer\\u\\a.htm");
    EXPECT_EQ(LocalPathOfHtmlUrl(L"http://example.pl/a.htm"), L"");
    EXPECT_EQ(HtmlUrlFragment(L"a.htm#ust2"), L"ust2");
    EXPECT_EQ(HtmlUrlFragment(L"a.htm"), L"");
}

} // namespace
