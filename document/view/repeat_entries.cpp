#include "document/view/repeat_entries.h"

#include "model/view_tables.h"

namespace {

// Pool indexes of the live instances of each entry of the block, in entry order, up to the
// first entry number that has none.
std::vector<std::vector<int>> EntryInstances(const ViewTables &tables, int blockVariable)
{
    int poolEnd = tables.m_nNextDynamicVariable - tables.GetFirstVariableIndex();
    if (poolEnd > kDynamicVariableSlots)
        poolEnd = kDynamicVariableSlots;
    std::vector<std::vector<int>> entries;
    for (int entry = 0;; ++entry) {
        std::vector<int> instances;
        for (int k = 0; k < poolEnd; ++k) {
            const DynamicVariable &instance = tables.m_dynamicVariables[k];
            if (tables.m_instanceFlags[k] != 0 && instance.blockKind == kPerEntryBlock
                && instance.blockVariable == blockVariable && instance.repetition == entry)
                instances.push_back(k);
        }
        if (instances.empty())
            return entries;
        entries.push_back(instances);
    }
}

} // namespace

PartLayout CollectRepeatEntries(const ViewTables &tables, int blockVariable)
{
    PartLayout layout;
    for (const std::vector<int> &instances : EntryInstances(tables, blockVariable)) {
        layout.names.push_back(tables.m_dynamicVariables[instances.front()].label);
        layout.active.push_back(1);
    }
    return layout;
}

EntriesResult ApplyRepeatEntries(ViewTables &tables, int blockVariable, const PartLayout &edited)
{
    const std::vector<std::vector<int>> entries = EntryInstances(tables, blockVariable);
    const int rows =
        static_cast<int>(edited.names.size() < edited.active.size() ? edited.names.size() : edited.active.size());
    const int existing = static_cast<int>(entries.size());
    if (existing == 0)
        return EntriesResult::Changed;

    int added = 0;
    for (int row = existing; row < rows; ++row)
        added += edited.active[row] != 0 ? 1 : 0;
    const int first = tables.GetFirstVariableIndex();
    const long needed = static_cast<long>(added) * static_cast<long>(entries.front().size());
    const int limit = tables.GetVariableCount() < first + kDynamicVariableSlots ? tables.GetVariableCount()
                                                                                : first + kDynamicVariableSlots;
    if (tables.m_nNextDynamicVariable + needed > limit)
        return EntriesResult::PoolFull;

    int number = 0;
    for (int entry = 0; entry < existing; ++entry) {
        const bool kept = entry == 0 || entry >= rows || edited.active[entry] != 0;
        for (int k : entries[entry]) {
            DynamicVariable &instance = tables.m_dynamicVariables[k];
            instance.repetition = static_cast<int16_t>(kept ? number : kDetachedEntry);
            if (kept && entry < rows)
                instance.label = edited.names[entry];
        }
        number += kept ? 1 : 0;
    }

    // A new entry takes the instances of the first: the same variables of the template, whose
    // values the next generation sets up from the template as for any new instance.
    for (int row = existing; row < rows; ++row) {
        if (edited.active[row] == 0)
            continue;
        for (int k : entries.front()) {
            const DynamicVariable &model = tables.m_dynamicVariables[k];
            const int index = tables.m_nNextDynamicVariable - first;
            DynamicVariable &instance = tables.m_dynamicVariables[index];
            instance.blockVariable = blockVariable;
            instance.label = edited.names[row];
            instance.repetition = static_cast<int16_t>(number);
            instance.templateVariable = model.templateVariable;
            instance.blockKind = kPerEntryBlock;
            tables.m_instanceFlags[index] = 1;
            tables.m_variables[tables.m_nNextDynamicVariable] = VariableSlot();
            ++tables.m_nNextDynamicVariable;
        }
        ++number;
    }
    return EntriesResult::Changed;
}
