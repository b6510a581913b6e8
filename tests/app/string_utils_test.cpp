#include <gtest/gtest.h>

#include <string>

#include "model/string_utils.h"

namespace {

// The items as "[a][b]", so that tables can spell them out.
std::string Items(CString *items, int count)
{
    std::string shown;
    for (int i = 0; i < count; ++i)
        shown += "[" + std::string(items[i]) + "]";
    delete[] items;
    return shown;
}

} // namespace

TEST(SplitString, ItemsOfBothVariants)
{
    const struct {
        const char *text, *separator, *dropEmpty, *keepEmpty;
    } cases[] = {
        {"a;;b", ";", "[a][b]", "[a][][b]"},
        {"a;", ";", "[a]", "[a][]"},
        {";a;", ";", "[a]", "[][a][]"},
        {";", ";", "", "[][]"},
        {"", ";", "", "[]"},
        {"abc", ";", "[abc]", "[abc]"},
        // A match is searched again one character after the previous start, so items after a
        // longer separator keep the rest of it, and overlapping matches count.
        {"x||y||z", "||", "[x][|y][|z]", "[x][|y][|z]"},
        {"a|||b", "||", "[a][|b]", "[a][][|b]"},
        {"D:\\a\\b\\", "\\", "[D:][a][b]", "[D:][a][b][]"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "\"" << c.text << "\" at \"" << c.separator << "\"");
        int count = -1;
        CString *items = SplitString(c.text, c.separator, count);
        EXPECT_EQ(c.dropEmpty, Items(items, count));
        items = SplitStringKeepEmpty(c.text, c.separator, count);
        EXPECT_EQ(c.keepEmpty, Items(items, count));
    }
}

TEST(TrimChars, RemovesTheSetFromBothEnds)
{
    EXPECT_STREQ("E:\\P", TrimChars(" E:\\P\\ ", " \\"));
    EXPECT_STREQ("a b", TrimChars("||a b|", "|"));
    EXPECT_STREQ("", TrimChars("\\\\", "\\"));
    EXPECT_STREQ("abc", TrimChars("abc", ""));
}

TEST(NormalizeNumberText, DropsSpacesAndReadsCommaAsPoint)
{
    EXPECT_STREQ("1000.5", NormalizeNumberText(" 1 000,5 "));
    EXPECT_STREQ("1.234.5", NormalizeNumberText("1,234,5"));
}
