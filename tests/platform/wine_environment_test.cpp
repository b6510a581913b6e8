// The ground every Polish text stands on: Wine runs with code page 1250 and the compiler
// turns UTF-8 sources into CP1250 literals.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

TEST(WineEnvironment, AnsiCodePageIs1250)
{
    EXPECT_EQ(GetACP(), 1250u);
}

TEST(WineEnvironment, PolishLiteralIsCp1250)
{
    const std::string literal = "zażółć gęślą jaźń ZAŻÓŁĆ";
    const std::string expected =
        "za\xBF\xF3\xB3\xE6 g\xEA\x9Cl\xB9 ja\x9F\xF1 ZA\xAF\xD3\xA3\xC6";
    EXPECT_EQ(literal, expected);
}
