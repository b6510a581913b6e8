#include "model/view_tables.h"

namespace {

void ResetOccurrence(VariableOccurrence &occurrence)
{
    occurrence.position = 0;
    occurrence.length = 0;
    occurrence.variable = 0;
    occurrence.name.Empty();
    occurrence.enabled = -1;
    occurrence.link = -1;
}

} // namespace

VariableOccurrence *OccurrenceBlock::Variable(int index)
{
    return index >= 0 && index < kVariableOccurrences ? &m_variables[index] : nullptr;
}

const VariableOccurrence *OccurrenceBlock::Variable(int index) const
{
    return index >= 0 && index < kVariableOccurrences ? &m_variables[index] : nullptr;
}

VariableOccurrence *OccurrenceBlock::Heading(int slot)
{
    return slot >= kFirstHeadingSlot && slot < kHeadingSlotEnd ? &m_headings[slot - kFirstHeadingSlot] : nullptr;
}

const VariableOccurrence *OccurrenceBlock::Heading(int slot) const
{
    return slot >= kFirstHeadingSlot && slot < kHeadingSlotEnd ? &m_headings[slot - kFirstHeadingSlot] : nullptr;
}

void OccurrenceBlock::Reset()
{
    for (VariableOccurrence &occurrence : m_variables)
        ResetOccurrence(occurrence);
    for (VariableOccurrence &occurrence : m_headings)
        ResetOccurrence(occurrence);
}

OccurrenceBlock *OccurrenceTable::Block(int document)
{
    if (document < 0 || document >= kDocumentSlots)
        return nullptr;
    if (!m_blocks[document])
        m_blocks[document] = std::make_unique<OccurrenceBlock>();
    return m_blocks[document].get();
}

const OccurrenceBlock *OccurrenceTable::Block(int document) const
{
    if (document < 0 || document >= kDocumentSlots)
        return nullptr;
    return m_blocks[document].get();
}

void OccurrenceTable::ResetAll()
{
    for (std::unique_ptr<OccurrenceBlock> &block : m_blocks)
        if (block)
            block->Reset();
}

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
