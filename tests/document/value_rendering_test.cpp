#include <gtest/gtest.h>

#include "document/engine/value_rendering.h"

TEST(ValueRendering, Lists)
{
    struct Case {
        int type;
        const char *value;
        const char *rendered;
    };
    const Case cases[] = {
        {13, "a|b ", "-      a\n-      b"},
        {13, "a||\r\n", "-      a\n-      \n-      "},
        {14, "a|b|c", "f)      a\ng)      b\nh)      c"},
        {14, "1|2|3|4|5|6|7|8|9|10|11|12|13|14|15|16|17|18|19|",
         "f)      1\ng)      2\nh)      3\ni)      4\nj)      5\nk)      6\nl)      7\nm)      8\nn)      9\n"
         "o)      10\np)      11\nr)      12\ns)      13\nt)      14\nu)      15\nv)      16\nw)      17\n"
         "x)      18\nx)      19"},
        {15, "a||b|", "T\n  1. a\n  2. b\n"},
        {15, "", "T\n"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.value);
        const CString rendered = c.type == 13   ? RenderDashList(c.value)
                                 : c.type == 14 ? RenderLetteredList(c.value)
                                                : RenderNumberedList("T", c.value);
        EXPECT_STREQ(c.rendered, rendered);
    }
}

TEST(ValueRendering, TableValue)
{
    EXPECT_STREQ("a|b\r\nc|d", TableValueText("a | b\r\nc | d\r\n\n"));
}

TEST(ValueRendering, SpecificationNamesOfBothActs)
{
    const struct {
        const char *name;
        bool specification;
    } cases[] = {
        {"  Specyfikacja Istotnych Warunków Zamówienia ", true},
        {"SPECYFIKACJĄ ISTOTNYCH WARUNKÓW ZAMÓWIENIA", true},
        {"Specyfikacja Warunków Zamówienia (SWZ)", true}, // the name in the set of the act of 2019
        {"specyfikacja warunków zamówienia", true},
        {"Specyfikacja techniczna", false},
        {"Wyjaśnienia treści SWZ", false},
        {"Specyfikacja Warunków Zamówienia (SWZ) - zmiana", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.specification, IsSiwzName(c.name)) << c.name;
}
