#include "controls/mask_edit.h"
#include "controls/numeric_edit.h"
#include "test_window.h"

#include <gtest/gtest.h>

TEST(MaskAcceptsKey, EachMaskCharacterAcceptsItsKeys)
{
    struct Case {
        char mask;
        const wchar_t *accepted;
        const wchar_t *refused;
    };
    const Case cases[] = {
        {'0', L"0459", L" aZ-"},          {'9', L"09 ", L"a-"},  {'#', L"07 km", L"aK-"},
        {'?', L"aZ \u0105\u0141", L"0-"}, // ą and Ł are letters
        {'L', L"aZ\u017c", L" 0-"},       {'A', L"aZ09", L" -"}, {'a', L"aZ09 ", L"-."},
        {'&', L"a0 -.\u0107", L""},       {'x', L"", L"x0a "}, // not a mask character: nothing
    };
    for (const Case &c : cases) {
        for (const wchar_t *key = c.accepted; *key; ++key)
            EXPECT_TRUE(MaskAcceptsKey(c.mask, *key)) << c.mask << " should take " << (int)*key;
        for (const wchar_t *key = c.refused; *key; ++key)
            EXPECT_FALSE(MaskAcceptsKey(c.mask, *key)) << c.mask << " should refuse " << (int)*key;
    }
}

class DateEditTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 24), &parent, 100)); }
    TestParentWindow parent;
    CDateEdit edit;
};

TEST_F(DateEditTest, TypedDigitsGetTheDashesFromTheControl)
{
    TypeChars(edit, L"20240517");
    EXPECT_STREQ("2024-05-17", TextOf(edit));
}

TEST_F(DateEditTest, TypingOverwritesInsteadOfInserting)
{
    edit.SetDate(COleDateTime(2024, 5, 17, 0, 0, 0));
    edit.SetSel(0, 0);
    TypeChars(edit, L"19");
    EXPECT_STREQ("1924-05-17", TextOf(edit));
    EXPECT_STREQ("1924-05-17", edit.m_str); // the text copy follows the typed keys
}

TEST_F(DateEditTest, RefusedAndSwallowedKeysChangeNothing)
{
    edit.SetDate(COleDateTime(2024, 5, 17, 0, 0, 0));
    edit.SetSel(2, 2);
    TypeChars(edit, L"x"); // a letter where the mask wants a digit
    edit.SendMessage(WM_CHAR, VK_BACK, 1);
    edit.SetSel(10, 10);
    TypeChars(edit, L"1"); // beyond the mask
    edit.SetSel(0, 0);
    edit.SendMessage(WM_KEYDOWN, VK_DELETE, 1);
    edit.SendMessage(WM_KEYDOWN, VK_INSERT, 1);
    EXPECT_STREQ("2024-05-17", TextOf(edit));
}

TEST_F(DateEditTest, LockedEditIgnoresEveryKey)
{
    edit.SetDate(COleDateTime(2024, 5, 17, 0, 0, 0));
    edit.SetLocked(1);
    edit.SetSel(0, 0);
    TypeChars(edit, L"1999");
    edit.SendMessage(WM_KEYDOWN, VK_DELETE, 1);
    edit.SendMessage(WM_KEYDOWN, VK_END, 1);
    EXPECT_STREQ("2024-05-17", TextOf(edit));
    int start = -1, end = -1;
    edit.GetSel(start, end);
    EXPECT_EQ(0, start); // not even the caret moved
}

TEST_F(DateEditTest, ZeroDateEmptiesTheBox)
{
    edit.SetDate(COleDateTime(2024, 5, 17, 0, 0, 0));
    edit.SetDate(COleDateTime());
    EXPECT_STREQ("", TextOf(edit));
    EXPECT_STREQ("", edit.m_str);
}

TEST(FormatDateTime, KindsChooseTheFormat)
{
    const COleDateTime date(2007, 3, 9, 14, 5, 0);
    EXPECT_STREQ("07-03-09", FormatDateTime(date, 8));
    EXPECT_STREQ("14:05", FormatDateTime(date, 5));
    EXPECT_STREQ("2007-03-09", FormatDateTime(date, 10));
    EXPECT_STREQ("2007-03-09", FormatDateTime(date, 0));
    EXPECT_STREQ("", FormatDateTime(COleDateTime(), 10));
}

TEST(MaskEdit, AlwaysValidKeysPassAnywhere)
{
    TestParentWindow parent;
    CMaskEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD, CRect(0, 0, 200, 24), &parent, 100));
    edit.SetMask("00", "__", "+");
    TypeChars(edit, L"1+x");
    EXPECT_STREQ("1+", TextOf(edit));
}

TEST(NumericEdit, AcceptsOnlyAnUnsignedDecimalNumber)
{
    struct Case {
        const wchar_t *typed;
        const char *shown;
    };
    const Case cases[] = {
        {L".", "0."},         // a separator first becomes "0."
        {L".5", "0.5"},       // and the caret stands after it
        {L"12.5.1", "12.51"}, // a second separator is ignored
        {L"-3a,4", "34"},     // sign, letters and another separator are ignored
        {L"7\b8", "8"},       // backspace works
    };
    for (const Case &c : cases) {
        TestParentWindow parent;
        CNumericEdit edit;
        ASSERT_TRUE(edit.Create(WS_CHILD, CRect(0, 0, 200, 24), &parent, 100));
        TypeChars(edit, c.typed);
        EXPECT_STREQ(c.shown, TextOf(edit)) << (const char *)CString(c.shown);
    }
}

TEST(NumericEdit, CommaSeparator)
{
    TestParentWindow parent;
    CNumericEdit edit;
    edit.m_strDecimalSeparator = ",";
    ASSERT_TRUE(edit.Create(WS_CHILD, CRect(0, 0, 200, 24), &parent, 100));
    TypeChars(edit, L",25.");
    EXPECT_STREQ("0,25", TextOf(edit));
}
