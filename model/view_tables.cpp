#include "model/view_tables.h"

int ViewTables::GetVariableCount() const
{
    return m_nLoadedVersion >= 0 && m_nLoadedVersion <= 73 ? 6000 : 9000;
}

int ViewTables::GetFirstVariableIndex() const
{
    return m_nLoadedVersion >= 0 && m_nLoadedVersion <= 73 ? 2000 : 3000;
}

bool ViewTables::IsVariableNumber(int number) const
{
    return number >= 0 && number < GetVariableCount();
}

DynamicVariable *ViewTables::FindDynamicVariable(int number)
{
    int poolIndex = number - GetFirstVariableIndex();
    if (poolIndex < 0 || number >= m_nNextDynamicVariable || poolIndex >= kDynamicVariableSlots)
        return nullptr;
    return &m_dynamicVariables[poolIndex];
}

void ViewTables::ResetVariables()
{
    const int count = GetVariableCount();
    for (int i = 0; i < count; ++i)
        m_textPairs[i] = VariableTextPair();
    m_occurrences.ResetAll();
    for (int i = 0; i < count; ++i) {
        VariableSlot &slot = m_variables[i];
        slot.number = -1;
        slot.value.Empty();
        slot.type = -1;
        slot.extraText.Empty();
        slot.labelNumber = -1;
        slot.groupNumber = -1;
        slot.selected = -1;
        slot.untouched = 1;
        slot.extra = -1;
    }
    for (int i = 1; i < count; ++i)
        m_instanceFlags[i] = 0;
    m_nLastHeadingSlot = 0;
}
