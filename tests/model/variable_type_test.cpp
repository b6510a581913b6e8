#include <gtest/gtest.h>

#include <cstdint>
#include <set>

#include "model/variable_type.h"

namespace {

std::set<int> Codes(int first, int last)
{
    std::set<int> codes;
    for (int code = first; code <= last; ++code)
        codes.insert(code);
    return codes;
}

} // namespace

// Every stored code, the unnamed and out-of-range ones among them, against the codes each
// class holds: a code that slips into or out of a class changes how a file is read or which
// editor opens.
TEST(VariableType, ClassesOverEveryCode)
{
    const struct {
        const char *name;
        bool (*isIn)(VariableType);
        std::set<int> codes;
    } classes[] = {
        {"in type range", IsInTypeRange, Codes(0, 36)},
        {"has editor", HasEditor, {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 13, 14,
                                   15, 16, 17, 18, 20, 21, 30, 31, 32, 33, 34, 35, 36}},
        {"option", IsOptionType, {1, 3}},
        {"date", IsDateType, {2, 16, 17}},
        {"amount", IsAmountType, {32, 34}},
        {"list", IsListType, {4, 5, 6, 7, 8, 9, 10, 18, 21, 33}},
        {"text table", IsTextTableType, {4, 5, 6, 7, 8, 9, 10, 11, 12, 18, 21, 33}},
        {"document list", IsDocumentListType, {13, 14, 15}},
        {"grid table", IsGridTableType, {30, 31, 36}},
    };
    std::set<int> codes = Codes(-3, 40);
    codes.insert({INT16_MIN, INT16_MAX});
    for (const auto &c : classes)
        for (int code : codes) {
            SCOPED_TRACE(testing::Message() << c.name << ", code " << code);
            EXPECT_EQ(c.codes.count(code) == 1, c.isIn(VariableTypeOf(code)));
        }
}

// Files hold the numbers: every name keeps its own.
TEST(VariableType, NamesKeepTheStoredCodes)
{
    const struct {
        VariableType type;
        int code;
    } cases[] = {
        {VariableType::None, -1},
        {VariableType::Text, 0},
        {VariableType::Option, 1},
        {VariableType::Date, 2},
        {VariableType::CheckBox, 3},
        {VariableType::Criteria, 4},
        {VariableType::Offers, 5},
        {VariableType::OfferPrices, 6},
        {VariableType::PreliminaryOffers, 7},
        {VariableType::OfferIndex, 8},
        {VariableType::NumberedRows, 9},
        {VariableType::Points, 10},
        {VariableType::OffersSummary, 11},
        {VariableType::CriteriaMethodTable, 12},
        {VariableType::DashList, 13},
        {VariableType::LetteredList, 14},
        {VariableType::NumberedList, 15},
        {VariableType::ScheduleDate, 16},
        {VariableType::DeadlineDate, 17},
        {VariableType::CriteriaMethod, 18},
        {VariableType::HelpLink, 20},
        {VariableType::Persons, 21},
        {VariableType::NumberedTable, 30},
        {VariableType::Table, 31},
        {VariableType::AmountZloty, 32},
        {VariableType::OfferParts, 33},
        {VariableType::AmountEuro, 34},
        {VariableType::RtfTable, 35},
        {VariableType::ColumnTable, 36},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "code " << c.code);
        EXPECT_EQ(c.code, VariableTypeCode(c.type));
        EXPECT_EQ(c.type, VariableTypeOf(c.code));
    }
}

// The text tables lay out kinds 0..10, with 14, 17 and 29 standing for 8, 9 and 10: the types
// must reach exactly those.
TEST(VariableType, TextTablesReachTheirKinds)
{
    const struct {
        VariableType type;
        int kind;
    } cases[] = {
        {VariableType::Criteria, 0},
        {VariableType::Offers, 1},
        {VariableType::OfferPrices, 2},
        {VariableType::PreliminaryOffers, 3},
        {VariableType::OfferIndex, 4},
        {VariableType::NumberedRows, 5},
        {VariableType::Points, 6},
        {VariableType::OffersSummary, 7},
        {VariableType::CriteriaMethodTable, 8},
        {VariableType::CriteriaMethod, 14},
        {VariableType::Persons, 17},
        {VariableType::OfferParts, 29},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "kind " << c.kind);
        EXPECT_TRUE(IsTextTableType(c.type));
        EXPECT_EQ(c.kind, TableKindOf(c.type));
    }
}
