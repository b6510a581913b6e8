// What a proceeding's contract is for, as the proceeding card chooses it: the option "Przedmiotem
// umowy są roboty budowlane" (variable 158) against its pair "... dostawy lub usługi" (159).
// That one choice drives everything that depends on works, the contract's clauses and the
// deadline calculator's preselected term alike.
#pragma once

#include "model/variable_type.h"
#include "model/view_tables.h"

const int kWorksOrderOption = 158;

inline bool IsWorksOrder(const ViewTables &tables)
{
    if (!tables.IsVariableNumber(kWorksOrderOption))
        return false;
    const VariableSlot &option = tables.m_variables[kWorksOrderOption];
    return VariableTypeOf(option.type) == VariableType::Option && option.selected == 1;
}
