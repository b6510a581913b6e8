#include "model/variable_type.h"

bool IsInTypeRange(VariableType type)
{
    return type >= VariableType::Text && type <= VariableType::ColumnTable;
}

bool HasEditor(VariableType type)
{
    switch (type) {
    case VariableType::None:
    case VariableType::CriteriaMethodTable:
        return false;
    case VariableType::Text:
    case VariableType::Option:
    case VariableType::Date:
    case VariableType::CheckBox:
    case VariableType::Criteria:
    case VariableType::Offers:
    case VariableType::OfferPrices:
    case VariableType::PreliminaryOffers:
    case VariableType::OfferIndex:
    case VariableType::NumberedRows:
    case VariableType::Points:
    case VariableType::OffersSummary:
    case VariableType::DashList:
    case VariableType::LetteredList:
    case VariableType::NumberedList:
    case VariableType::ScheduleDate:
    case VariableType::DeadlineDate:
    case VariableType::CriteriaMethod:
    case VariableType::HelpLink:
    case VariableType::Persons:
    case VariableType::NumberedTable:
    case VariableType::Table:
    case VariableType::AmountZloty:
    case VariableType::OfferParts:
    case VariableType::AmountEuro:
    case VariableType::RtfTable:
    case VariableType::ColumnTable:
        return true;
    }
    return false;
}

bool IsOptionType(VariableType type)
{
    return type == VariableType::Option || type == VariableType::CheckBox;
}

bool IsDateType(VariableType type)
{
    return type == VariableType::Date || type == VariableType::ScheduleDate || type == VariableType::DeadlineDate;
}

bool IsAmountType(VariableType type)
{
    return type == VariableType::AmountZloty || type == VariableType::AmountEuro;
}

bool IsListType(VariableType type)
{
    return (type >= VariableType::Criteria && type <= VariableType::Points) || type == VariableType::CriteriaMethod
           || type == VariableType::Persons || type == VariableType::OfferParts;
}

int TableKindOf(VariableType type)
{
    return VariableTypeCode(type) - VariableTypeCode(VariableType::Criteria);
}

bool IsTextTableType(VariableType type)
{
    return IsListType(type) || type == VariableType::OffersSummary || type == VariableType::CriteriaMethodTable;
}

bool IsDocumentListType(VariableType type)
{
    return type == VariableType::DashList || type == VariableType::LetteredList || type == VariableType::NumberedList;
}

bool IsGridTableType(VariableType type)
{
    return type == VariableType::NumberedTable || type == VariableType::Table || type == VariableType::ColumnTable;
}
