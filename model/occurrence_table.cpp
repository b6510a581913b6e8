#include "model/occurrence_table.h"

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
