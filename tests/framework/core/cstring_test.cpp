#include "framework/core/codepage.h"
#include "framework/core/cstring.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

TEST(CStringTest, IsOnePointerWideAndEmptyStringsShareOneBlock)
{
    static_assert(sizeof(CString) == sizeof(void *), "CString must stay one pointer wide");
    CString a;
    CString b("");
    CString c("x", 0);
    EXPECT_EQ(a.GetString(), b.GetString());
    EXPECT_EQ(a.GetString(), c.GetString());
    EXPECT_TRUE(a.IsEmpty());
    EXPECT_STREQ("", a);
}

TEST(CStringTest, CopiesShareUntilOneIsWritten)
{
    CString a("zamówienie");
    CString b(a);
    EXPECT_EQ(a.GetString(), b.GetString());
    b.SetAt(0, 'Z');
    EXPECT_STREQ("zamówienie", a);
    EXPECT_STREQ("Zamówienie", b);
    b = a;
    b += "!";
    EXPECT_STREQ("zamówienie", a);
    a.MakeUpper();
    EXPECT_STREQ("zamówienie!", b);
}

TEST(CStringTest, AppendingItselfAndFormattingItselfAreSafe)
{
    CString a("ab");
    a += a;
    EXPECT_STREQ("abab", a);
    a.Format("[%s|%s]", a, a.GetString());
    EXPECT_STREQ("[abab|abab]", a);
    a.Replace("ab", a);
    EXPECT_STREQ("[[abab|abab][abab|abab]|[abab|abab][abab|abab]]", a);
}

struct SliceCase {
    const char *name;
    CString (*slice)(const CString &);
    const char *expected;
};

TEST(CStringTest, SlicesClampOutOfRangeArguments)
{
    const SliceCase cases[] = {
        {"Left(-1)", [](const CString &s) { return s.Left(-1); }, ""},
        {"Left(3)", [](const CString &s) { return s.Left(3); }, "abc"},
        {"Left(99)", [](const CString &s) { return s.Left(99); }, "abcdef"},
        {"Right(-5)", [](const CString &s) { return s.Right(-5); }, ""},
        {"Right(2)", [](const CString &s) { return s.Right(2); }, "ef"},
        {"Right(99)", [](const CString &s) { return s.Right(99); }, "abcdef"},
        {"Mid(-2)", [](const CString &s) { return s.Mid(-2); }, "abcdef"},
        {"Mid(4)", [](const CString &s) { return s.Mid(4); }, "ef"},
        {"Mid(6)", [](const CString &s) { return s.Mid(6); }, ""},
        {"Mid(99)", [](const CString &s) { return s.Mid(99); }, ""},
        {"Mid(2,2)", [](const CString &s) { return s.Mid(2, 2); }, "cd"},
        {"Mid(2,-1)", [](const CString &s) { return s.Mid(2, -1); }, ""},
        {"Mid(4,99)", [](const CString &s) { return s.Mid(4, 99); }, "ef"},
        {"Mid(-3,5)", [](const CString &s) { return s.Mid(-3, 5); }, "abcde"},
        {"Mid(1,INT_MAX)", [](const CString &s) { return s.Mid(1, 0x7fffffff); }, "bcdef"},
    };
    const CString text("abcdef");
    for (const auto &c : cases)
        EXPECT_STREQ(c.expected, c.slice(text)) << c.name;
}

TEST(CStringTest, FindHonoursStartAndReportsMisses)
{
    const CString s("a;b;;c");
    EXPECT_EQ(1, s.Find(';'));
    EXPECT_EQ(3, s.Find(';', 2));
    EXPECT_EQ(-1, s.Find(';', 6));
    EXPECT_EQ(-1, s.Find(';', 100));
    EXPECT_EQ(-1, s.Find(';', -1));
    EXPECT_EQ(3, s.Find(";;"));
    EXPECT_EQ(-1, s.Find(";;", 4));
    EXPECT_EQ(-1, s.Find("c", 7));
    EXPECT_EQ(6, s.Find("", 6));
    EXPECT_EQ(4, s.ReverseFind(';'));
    EXPECT_EQ(-1, s.ReverseFind('x'));
    EXPECT_EQ(2, s.FindOneOf("cb"));
    EXPECT_EQ(-1, s.FindOneOf(""));
}

TEST(CStringTest, ReplaceRemoveInsertDelete)
{
    CString s("a||b||c");
    EXPECT_EQ(0, s.Replace("", "x"));
    EXPECT_STREQ("a||b||c", s);
    EXPECT_EQ(2, s.Replace("||", "|"));
    EXPECT_STREQ("a|b|c", s);
    EXPECT_EQ(2, s.Replace("|", ""));
    EXPECT_STREQ("abc", s);
    EXPECT_EQ(0, s.Replace("zz", "y"));
    EXPECT_EQ(1, s.Replace('b', 'B'));
    EXPECT_STREQ("aBc", s);
    CString aaa("aaa");
    EXPECT_EQ(1, aaa.Replace("aa", "a"));
    EXPECT_STREQ("aa", aaa);

    CString r("x.y.z");
    EXPECT_EQ(2, r.Remove('.'));
    EXPECT_STREQ("xyz", r);
    EXPECT_EQ(5, r.Insert(-4, "<<"));
    EXPECT_STREQ("<<xyz", r);
    EXPECT_EQ(6, r.Insert(99, '>'));
    EXPECT_STREQ("<<xyz>", r);
    EXPECT_EQ(4, r.Delete(0, 2));
    EXPECT_STREQ("xyz>", r);
    EXPECT_EQ(2, r.Delete(2, 99));
    EXPECT_STREQ("xy", r);
    EXPECT_EQ(2, r.Delete(5, 1));
    EXPECT_EQ(2, r.Delete(0, -1));
}

TEST(CStringTest, TrimBlanksOrAGivenSet)
{
    CString a(" \t E:\\P\\ \r\n");
    a.Trim();
    EXPECT_STREQ("E:\\P\\", a);
    CString b(" E:\\P\\ ");
    b.Trim(" \\");
    EXPECT_STREQ("E:\\P", b);
    CString c("\\\\serwer\\dział\\");
    c.TrimLeft('\\');
    EXPECT_STREQ("serwer\\dział\\", c);
    c.TrimRight("\\");
    EXPECT_STREQ("serwer\\dział", c);
    CString d("|||");
    d.Trim('|');
    EXPECT_TRUE(d.IsEmpty());
    CString e("xx");
    e.Trim("");
    EXPECT_STREQ("xx", e);
}

TEST(CStringTest, SpansAndTokens)
{
    const CString s("123abc456");
    EXPECT_STREQ("123", s.SpanIncluding("0123456789"));
    EXPECT_STREQ("", s.SpanIncluding("abc"));
    EXPECT_STREQ("123", s.SpanExcluding("abc"));
    EXPECT_STREQ("123abc456", s.SpanExcluding(";"));

    const CString list(";;a;bb;;c;");
    int start = 0;
    std::string seen;
    for (CString token = list.Tokenize(";", start); start != -1; token = list.Tokenize(";", start))
        seen += std::string(token) + "/";
    EXPECT_EQ("a/bb/c/", seen);
    int past = 99;
    EXPECT_TRUE(list.Tokenize(";", past).IsEmpty());
    EXPECT_EQ(-1, past);
}

TEST(CStringTest, Cp1250CaseMappingCoversPolishLetters)
{
    CString upper("zażółć gęślą jaźń ŁÓDŹ šťžľ");
    upper.MakeUpper();
    EXPECT_STREQ("ZAŻÓŁĆ GĘŚLĄ JAŹŃ ŁÓDŹ ŠŤŽĽ", upper);
    CString lower("ZAŻÓŁĆ GĘŚLĄ JAŹŃ × ß");
    lower.MakeLower();
    EXPECT_STREQ("zażółć gęślą jaźń × ß", lower);
    EXPECT_EQ(0, CString("Łódź").CompareNoCase("ŁÓDŹ"));
    EXPECT_LT(CString("ala").CompareNoCase("ALB"), 0);
    EXPECT_GT(CString("b").Compare("a"), 0);
    EXPECT_TRUE(CString("a") < CString("b"));
    EXPECT_TRUE("a" == CString("a"));
}

TEST(CStringTest, FormatTakesCStringsAndLongOutput)
{
    CString s;
    const CString name("Łódź");
    s.Format("%s: %d, %.2f, %c, %05d", name, 42, 3.14159, 'x', 7);
    EXPECT_STREQ("Łódź: 42, 3.14, x, 00007", s);
    s.AppendFormat(" [%s]", CString("+"));
    EXPECT_STREQ("Łódź: 42, 3.14, x, 00007 [+]", s);

    const std::string longText(100000, 'q');
    s.Format("<%s>", longText.c_str());
    ASSERT_EQ(100002, s.GetLength());
    EXPECT_EQ('>', s[100001]);
    s.Format("%I64d", 1234567890123LL);
    EXPECT_STREQ("1234567890123", s);
}

TEST(CStringTest, BuffersSettleTheLength)
{
    CString s("abc");
    CString shared(s);
    char *buffer = s.GetBuffer(10);
    std::strcpy(buffer, "abcdefgh");
    s.ReleaseBuffer();
    EXPECT_STREQ("abcdefgh", s);
    EXPECT_STREQ("abc", shared);
    s.GetBuffer(0)[2] = '\0';
    s.ReleaseBuffer(5);
    EXPECT_EQ(5, s.GetLength());
    char *fixed = s.GetBufferSetLength(2);
    fixed[0] = 'X';
    s.ReleaseBuffer(2);
    EXPECT_STREQ("Xb", s);
}

TEST(CodePageTest, Cp1250AndUtf16RoundTrip)
{
    const CString polish("Zażółć gęślą jaźń ĄĆĘŁŃÓŚŹŻ");
    const std::wstring wide = Cp1250ToWide(polish);
    EXPECT_EQ(L"Za\u017c\u00f3\u0142\u0107 g\u0119\u015bl\u0105 ja\u017a\u0144 "
              L"\u0104\u0106\u0118\u0141\u0143\u00d3\u015a\u0179\u017b",
              wide);
    EXPECT_STREQ(polish, WideToCp1250(wide));
    EXPECT_STREQ("?", WideToCp1250(L"\u4e2d"));
    EXPECT_TRUE(Cp1250ToWide(nullptr).empty());
}

TEST(CStringTest, LoadStringConvertsTheResourceToCp1250)
{
    CString s("unchanged");
    EXPECT_FALSE(s.LoadString(65000));
    EXPECT_STREQ("unchanged", s);
    ASSERT_TRUE(s.LoadString(40001));
    EXPECT_STREQ("Nie można otworzyć pliku „zażółć”.", s);
}

} // namespace
