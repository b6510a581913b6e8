#include "document/view/repeat_entries.h"

#include "model/view_tables.h"

namespace {

// Pool indexes of the instances of each entry of the block, in entry order, up to the first
// entry number that has none.
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
            if (instance.blockKind == kPerEntryBlock && instance.blockVariable == blockVariable
                && instance.repetition == entry)
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
        layout.active.push_back(tables.m_instanceFlags[instances.front()] != 0 ? 1 : 0);
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

    const int added = rows > existing ? rows - existing : 0;
    const int first = tables.GetFirstVariableIndex();
    const long needed = static_cast<long>(added) * static_cast<long>(entries.front().size());
    const int limit = tables.GetVariableCount() < first + kDynamicVariableSlots ? tables.GetVariableCount()
                                                                                : first + kDynamicVariableSlots;
    if (tables.m_nNextDynamicVariable + needed > limit)
        return EntriesResult::PoolFull;

    for (int entry = 0; entry < existing && entry < rows; ++entry) {
        const int shown = entry == 0 || edited.active[entry] != 0 ? 1 : 0;
        for (int k : entries[entry]) {
            tables.m_dynamicVariables[k].label = edited.names[entry];
            tables.m_instanceFlags[k] = shown;
        }
    }

    // A new entry takes the instances of the first: the same variables of the template, whose
    // values the next generation sets up from the template as for any new instance.
    for (int row = existing; row < rows; ++row) {
        for (int k : entries.front()) {
            const DynamicVariable &model = tables.m_dynamicVariables[k];
            const int index = tables.m_nNextDynamicVariable - first;
            DynamicVariable &instance = tables.m_dynamicVariables[index];
            instance.blockVariable = blockVariable;
            instance.label = edited.names[row];
            instance.repetition = static_cast<int16_t>(row);
            instance.templateVariable = model.templateVariable;
            instance.blockKind = kPerEntryBlock;
            tables.m_instanceFlags[index] = edited.active[row] != 0 ? 1 : 0;
            tables.m_variables[tables.m_nNextDynamicVariable] = VariableSlot();
            ++tables.m_nNextDynamicVariable;
        }
    }
    return EntriesResult::Changed;
}
