#include <gtest/gtest.h>

#include <cstdlib>

#include "app/number_format.h"

TEST(NumberFormat, FormatAmountGroupsTheIntegerPart)
{
    const struct {
        const char *text, *shown;
    } cases[] = {
        {"1234567,891", "1 234 567.891"}, {"123", "123"},        {"1234", "1 234"}, {"-123456", "- 123 456"}, {"", ""},
        {"123456.5", "123 456.5"},        {".12345", ".12 345"}, // a leading point is not taken for the decimal point
    };
    for (const auto &c : cases)
        EXPECT_STREQ(c.shown, FormatAmount(c.text)) << c.text;
}

TEST(NumberFormat, DoubleToStrCutsToThreeDecimals)
{
    const struct {
        double value;
        const char *shown;
    } cases[] = {
        {1234.5, "1 234.5"},     {2.0, "2"}, {0.0004, "0"}, {1.9996, "1.999"}, {1234567.89, "1 234 567.89"},
        {-1234.25, "-1 234.25"},
    };
    for (const auto &c : cases)
        EXPECT_STREQ(c.shown, DoubleToStr(c.value)) << c.value;
    EXPECT_STREQ("1234567.89", DoubleToStr2(1234567.891));
    EXPECT_STREQ("-7", IntToStr(-7));
}

TEST(NumberFormat, StrToDoubleKeepsTheCentsOfLargeAmounts)
{
    EXPECT_DOUBLE_EQ(1234567.89, StrToDouble("1 234 567,89"));
    EXPECT_DOUBLE_EQ(98765432.01, StrToDouble("98765432.01 zł"));
    EXPECT_DOUBLE_EQ(0.0, StrToDouble("abc 12"));
    EXPECT_DOUBLE_EQ(0.0, StrToDouble(""));
    EXPECT_DOUBLE_EQ(-3.5, StrToDouble("-3,5"));
}

TEST(NumberFormat, ScaledNumbers)
{
    EXPECT_STREQ("4.1749", FormatScaledNumber(41749, ".4"));
    EXPECT_STREQ("12 345.68", FormatScaledNumber(123456789, ".2"));
    // 15 000 000.01 zł in ten-thousandths: a float would lose the grosz.
    EXPECT_STREQ("15 000 000.01", FormatScaledNumber(150000000100.0, ".2"));
}

TEST(NumberFormat, NormalizeAmountScalesAndDropsFurtherDecimals)
{
    const struct {
        const char *text;
        int digits, value;
    } cases[] = {
        {"4,1749", 4, 41749}, {"4.17", 4, 41700},
        {"5", 4, 50000},      {"4.174999", 4, 41749},
        {"12,5", 2, 1250},    {"abc", 4, 0},
        {"-1,5", 4, -15000},  {"99999999999", 4, 2147483647}, // held at the limit instead of wrapping
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.value, NormalizeAmount(c.text, c.digits)) << c.text;
}

TEST(NumberFormat, DupStringCopiesIntoTheHeap)
{
    char *copy = DupString("zażółć");
    ASSERT_NE(nullptr, copy);
    EXPECT_STREQ("zażółć", copy);
    free(copy);
}
