#include <gtest/gtest.h>

#include <memory>

#include "document/engine/variable_tags.h"
#include "model/view_tables.h"

namespace {

TEST(VariableTags, DecodeVariableId)
{
    struct Case {
        const char *identifier;
        int number;
    };
    const Case cases[] = {
        {"A05", 1005},
        {"Z99", 3599},
        {"P10", 2610},
        {"Q10", 2510},
        {"K00", 2000},
        {"\xA3"
         "01",
         3901}, // Ł
        {"\xA5"
         "02",
         3602}, // Ą
        {"\x8F"
         "99",
         4099}, // Ź
        {"a05", 0},
        {"Ax5", 1000},
        {"A105", 1005},
        {"02013", 2013},
        {"007", 7},
        {"", 0},
        {" 12x", 12},
        {"-5", -5},
    };
    for (const Case &c : cases)
        EXPECT_EQ(c.number, DecodeVariableId(c.identifier)) << c.identifier;
}

TEST(VariableTags, IdentifierLengths)
{
    EXPECT_EQ(3, VariableTagIdLength("<!A05>x</A05>", 0));
    EXPECT_EQ(4, VariableTagIdLength("<!1234>x</1234>", 0));
    EXPECT_EQ(5, VariableTagIdLength("<!02013>x</02013>", 0));
    // A ">" as the second character of the text reads as a five-character identifier.
    EXPECT_EQ(5, VariableTagIdLength("<!A05>a>b</A05>", 0));
    EXPECT_EQ(3, LinkTagIdLength("<!A05><+B01>t</A05>", 6));
    EXPECT_EQ(5, LinkTagIdLength("<!A05><+03001>t</A05>", 6));
}

class RewriteTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        tables = std::make_unique<ViewTables>();
        tables->m_nLoadedVersion = 50; // first dynamic number 2000
        tables->m_nNextDynamicVariable = 2008;
        DynamicVariable &instance = tables->m_dynamicVariables[7];
        instance.templateVariable = 1005;
        instance.repetition = 2;
        instance.blockKind = kPerEntryBlock; // not looked at
    }
    std::unique_ptr<ViewTables> tables;
};

TEST_F(RewriteTest, LinksPointAtTheRepetitionsInstance)
{
    EXPECT_STREQ("a<+02007>b<*02007>c", RewriteVariableTags("a<|A05>b<\\A05>c", 2, *tables));
    EXPECT_STREQ("a<|A05>b<\\A05>c", RewriteVariableTags("a<|A05>b<\\A05>c", 3, *tables));
    EXPECT_STREQ("<+02007><+02007>", RewriteVariableTags("<|A05><|A05>", 2, *tables));
}

TEST_F(RewriteTest, OnlyLiveInstanceNumbersAreSearched)
{
    tables->m_nNextDynamicVariable = 2007; // the record at pool index 7 is past the pool's end
    EXPECT_STREQ("<|A05>", RewriteVariableTags("<|A05>", 2, *tables));
}

} // namespace
