#include "document/view/caret_navigation.h"

namespace {

const int kVariableSlotsShown = 1000; // occurrence slots of variables; headings lie above them
const char kPlainTextName[] = "to jest zwykly tekst";

bool IsTabStop(const VariableOccurrence &occurrence)
{
    return occurrence.position > 0 && occurrence.length > 0 && occurrence.enabled != 0
           && occurrence.name != kPlainTextName;
}

} // namespace

int NextTabSlot(const OccurrenceBlock &block, int caret)
{
    int first = -1;
    for (int slot = 0; slot < kVariableSlotsShown; ++slot) {
        const VariableOccurrence &occurrence = *block.Variable(slot);
        if (!IsTabStop(occurrence))
            continue;
        if (occurrence.position > caret)
            return slot;
        if (first < 0)
            first = slot;
    }
    return first;
}

int HeadingSlotAtCaret(const OccurrenceBlock &block, int lastHeadingSlot, int caret)
{
    if (lastHeadingSlot <= kFirstHeadingSlot)
        return 0;
    for (int slot = lastHeadingSlot; slot > kFirstHeadingSlot; --slot) {
        const VariableOccurrence *heading = block.Heading(slot);
        if (heading && heading->variable == kHeadingVariable && heading->position > 0 && heading->length > 0
            && heading->position <= caret)
            return slot;
    }
    return kFirstHeadingSlot + 1;
}
