#include <gtest/gtest.h>

#include <memory>

#include "model/view_tables.h"

namespace {

TEST(ViewTables, ExtentsFollowTheLoadedVersion)
{
    struct Case {
        int version, count, first;
    };
    const Case cases[] = {{-1, 9000, 3000}, {0, 6000, 2000}, {73, 6000, 2000}, {74, 9000, 3000}, {114, 9000, 3000}};
    auto tables = std::make_unique<ViewTables>();
    for (const Case &c : cases) {
        tables->m_nLoadedVersion = c.version;
        EXPECT_EQ(c.count, tables->GetVariableCount()) << c.version;
        EXPECT_EQ(c.first, tables->GetFirstVariableIndex()) << c.version;
    }
}

// Numbers read from templates and files reach the tables only through bounds-checked access.
TEST(ViewTables, OutOfRangeNumbersGiveNoSlot)
{
    auto tables = std::make_unique<ViewTables>();
    tables->m_nLoadedVersion = 73;
    EXPECT_FALSE(tables->IsVariableNumber(6000));
    EXPECT_FALSE(tables->IsVariableNumber(-1));
    EXPECT_TRUE(tables->IsVariableNumber(5999));

    OccurrenceBlock *block = tables->m_occurrences.Block(139);
    ASSERT_NE(nullptr, block);
    EXPECT_EQ(nullptr, block->Heading(kHeadingVariable));
    EXPECT_EQ(nullptr, block->Heading(999));
    EXPECT_NE(nullptr, block->Heading(1000));
    EXPECT_NE(nullptr, block->Heading(5099));
    EXPECT_EQ(nullptr, block->Variable(kVariableOccurrences));
    EXPECT_EQ(nullptr, block->Variable(-1));
    // More than 1000 variable occurrences never reach the headings.
    block->Variable(1001)->position = 7;
    EXPECT_EQ(0, block->Heading(1001)->position);

    tables->m_nNextDynamicVariable = 2005;
    EXPECT_EQ(&tables->m_dynamicVariables[4], tables->FindDynamicVariable(2004));
    EXPECT_EQ(nullptr, tables->FindDynamicVariable(2005));
    EXPECT_EQ(nullptr, tables->FindDynamicVariable(1999));
}

TEST(ViewTables, ResetVariables)
{
    auto tables = std::make_unique<ViewTables>();
    tables->m_nLoadedVersion = 73;
    VariableSlot &slot = tables->m_variables[10];
    slot.value = "x";
    slot.type = 4;
    slot.untouched = 0;
    slot.insertedLength = 12;
    tables->m_variables[7000].value = "past the count";
    tables->m_instanceFlags[0] = 1;
    tables->m_instanceFlags[5] = 1;
    VariableOccurrence *occurrence = tables->m_occurrences.Block(80)->Variable(3);
    occurrence->name = "n";
    occurrence->hint = "h";
    occurrence->enabled = 1;
    tables->m_nLastHeadingSlot = 1002;

    tables->ResetVariables();
    EXPECT_STREQ("", slot.value);
    EXPECT_EQ(-1, slot.type);
    EXPECT_EQ(1, slot.untouched);
    EXPECT_EQ(12, slot.insertedLength);
    EXPECT_STREQ("past the count", tables->m_variables[7000].value);
    EXPECT_EQ(1, tables->m_instanceFlags[0]);
    EXPECT_EQ(0, tables->m_instanceFlags[5]);
    EXPECT_STREQ("", occurrence->name);
    EXPECT_STREQ("h", occurrence->hint);
    EXPECT_EQ(-1, occurrence->enabled);
    EXPECT_EQ(0, tables->m_nLastHeadingSlot);
}

} // namespace
