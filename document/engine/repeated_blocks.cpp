#include "document/engine/repeated_blocks.h"

#include <vector>

#include "document/engine/rich_edit_text.h"
#include "document/engine/text_styles.h"
#include "document/engine/variable_tags.h"
#include "model/view_tables.h"

namespace {

const int kOpenerLength = 6; // "<&" or "<%", three characters of identifier, ">"

class BlockExpander {
public:
    BlockExpander(ViewTables &tables, int blockKind, int blockVariable)
        : m_tables(tables), m_kind(blockKind), m_blockVariable(blockVariable), m_first(tables.GetFirstVariableIndex())
    {
    }

    // One repetition of the body; false when the pool ran out.
    bool Repeat(const CString &body, int repetition, CString &result);
    bool LastTagFound() const { return m_lastTagFound; }
    bool AnyFound() const { return m_anyFound; }

private:
    int FindInstance(int templateVariable, int repetition) const;
    int NewInstance(int templateVariable, int repetition);
    bool InstanceFlag(int index) const;

    ViewTables &m_tables;
    const int m_kind;
    const int m_blockVariable;
    const int m_first;
    bool m_anyFound = false;     // some tag of this block found its instance
    bool m_lastTagFound = false; // the last tag of the last repetition did
};

CString BlockValue(const ViewTables &tables, int variable)
{
    return tables.IsVariableNumber(variable) ? tables.m_variables[variable].value : CString();
}

// The label after the first "|" of the block variable's value.
bool ValueLabel(const CString &value, CString &label)
{
    const int bar = value.Find('|');
    if (bar < 0)
        return false;
    label = value.Mid(bar + 1);
    return true;
}

bool BlockExpander::InstanceFlag(int index) const
{
    return index >= 0 && index < kVariableSlots && m_tables.m_instanceFlags[index] != 0;
}

int BlockExpander::FindInstance(int templateVariable, int repetition) const
{
    const int poolEnd = m_tables.m_nNextDynamicVariable - m_first;
    for (int k = 0; k < poolEnd && k < kDynamicVariableSlots; ++k) {
        const DynamicVariable &instance = m_tables.m_dynamicVariables[k];
        if (instance.blockKind == m_kind && instance.templateVariable == templateVariable
            && instance.repetition == repetition && (m_kind == kPerPartBlock || InstanceFlag(k)))
            return m_first + k;
    }
    return -1;
}

int BlockExpander::NewInstance(int templateVariable, int repetition)
{
    const int number = m_tables.m_nNextDynamicVariable;
    const int poolIndex = number - m_first;
    if (number >= m_tables.GetVariableCount() || poolIndex < 0 || poolIndex >= kDynamicVariableSlots)
        return -1;
    DynamicVariable &instance = m_tables.m_dynamicVariables[poolIndex];
    instance.blockVariable = m_blockVariable;
    instance.repetition = static_cast<int16_t>(repetition);
    instance.templateVariable = templateVariable;
    instance.blockKind = m_kind;
    if (!ValueLabel(BlockValue(m_tables, m_blockVariable), instance.label))
        instance.label = "Zadanie/Zadania";
    m_tables.m_instanceFlags[poolIndex] = 1;
    ++m_tables.m_nNextDynamicVariable;
    return number;
}

bool BlockExpander::Repeat(const CString &body, int repetition, CString &result)
{
    CString w = body;
    int lastPoolIndex = 0;
    m_lastTagFound = false;
    for (int tag = w.Find("<!"); tag >= 0; tag = w.Find("<!", tag + 1)) {
        const CString id = w.Mid(tag + 2, 3);
        if (w.Find("</" + id, tag + 1) < 0)
            continue;
        const int variable = DecodeVariableId(id);
        if (!m_tables.IsVariableNumber(variable))
            continue;
        int number = FindInstance(variable, repetition);
        const bool found = number >= 0;
        m_lastTagFound = found;
        if (found) {
            m_anyFound = true;
        } else if (m_kind == kPerEntryBlock && m_anyFound) {
            continue; // shown as the template variable itself
        } else {
            number = NewInstance(variable, repetition);
            if (number < 0)
                return false;
        }
        lastPoolIndex = number - m_first;

        const CString instance = FormatInstanceNumber(number);
        w = w.Left(tag) + "<!" + instance + w.Mid(tag + 5);
        const int closer = w.Find("</" + id, tag + 1);
        w = w.Left(closer) + "</" + instance + w.Mid(closer + 5);
        w.Replace("<+" + id + ">", "<+" + instance + ">");
    }
    CString number;
    if (m_kind == kPerPartBlock)
        number.Format("%d", repetition + 1);
    else if (lastPoolIndex >= 0 && lastPoolIndex < kDynamicVariableSlots)
        number = m_tables.m_dynamicVariables[lastPoolIndex].label;
    w.Replace("<#>", number);
    result = w;
    return true;
}

// The parts a per-part block is repeated for: every part, or only the document's own part.
std::vector<int> PartRepetitions(const ViewTables &tables, bool perPartDocument, int part)
{
    std::vector<int> repetitions;
    if (perPartDocument) {
        if (part >= tables.m_nParts)
            part = tables.m_nParts - 1;
        repetitions.push_back(part < 0 ? 0 : part);
        return repetitions;
    }
    const int parts = tables.m_nParts < 1 ? 1 : tables.m_nParts;
    for (int j = 0; j < parts; ++j)
        repetitions.push_back(j);
    return repetitions;
}

} // namespace

ExpandResult ExpandFirstBlock(const CString &plainText, int blockKind, bool perPartDocument, int part,
                              ViewTables &tables, BlockExpansion &expansion)
{
    const int opener = plainText.Find(blockKind == kPerPartBlock ? "<&" : "<%");
    if (opener < 0)
        return ExpandResult::NoBlock;
    const CString id = plainText.Mid(opener + 2, 3);
    const int closer = plainText.Find("<-" + id + ">", opener);
    if (closer < 0)
        return ExpandResult::NoBlock;
    const int blockVariable = DecodeVariableId(id);
    const CString body = plainText.Mid(opener + kOpenerLength, closer - opener - kOpenerLength);

    expansion = BlockExpansion();
    expansion.start = opener;
    expansion.end = closer + kOpenerLength;
    expansion.bodyStart = opener + kOpenerLength;
    expansion.bodyEnd = closer;
    BlockExpander expander(tables, blockKind, blockVariable);
    CString repetition;
    if (blockKind == kPerPartBlock) {
        for (int j : PartRepetitions(tables, perPartDocument, part)) {
            if (j >= kPartNames || tables.m_partFlags[j] == 0)
                continue;
            if (!expander.Repeat(body, j, repetition))
                return ExpandResult::PoolExhausted;
            expansion.text += RewriteVariableTags(repetition, j, tables);
        }
        return ExpandResult::Expanded;
    }

    // An entry left out keeps its number and is passed over; the first entry is always shown.
    // The part flags have nothing to do with entries.
    const int lastEntry = tables.m_nNextDynamicVariable - tables.GetFirstVariableIndex();
    bool skipped = false;
    for (int j = 0; j <= lastEntry && j < kVariableSlots; ++j) {
        if (j > 0 && !skipped && !expander.LastTagFound())
            break;
        const int first = j > 0 ? FirstEntryInstance(tables, blockVariable, j) : -1;
        skipped = first >= 0 && tables.m_instanceFlags[first] == 0;
        if (skipped)
            continue;
        if (!expander.Repeat(body, j, repetition))
            return ExpandResult::PoolExhausted;
        if (!expander.LastTagFound() && expander.AnyFound())
            break;
        expansion.text += RewriteVariableTags(repetition, j, tables);
    }

    CString label = "Kliknij aby zmienić wpisy";
    if (tables.IsVariableNumber(blockVariable)) {
        CString &value = tables.m_variables[blockVariable].value;
        if (ValueLabel(value, label))
            value = value.Left(value.Find('|'));
    }
    expansion.addEntryLink = "<!" + id + ">TUTAJ NOWA ZMIENNA;" + label + "</" + id + ">";
    // The link is a line of its own: the text after the block starts on the next one.
    if (expansion.end < plainText.GetLength() && plainText[expansion.end] != '\r')
        expansion.addEntryLink += "\r";
    return ExpandResult::Expanded;
}

int FirstEntryInstance(const ViewTables &tables, int blockVariable, int entry)
{
    const int poolEnd = tables.m_nNextDynamicVariable - tables.GetFirstVariableIndex();
    for (int k = 0; k < poolEnd && k < kDynamicVariableSlots; ++k) {
        const DynamicVariable &instance = tables.m_dynamicVariables[k];
        if (instance.blockKind == kPerEntryBlock && instance.blockVariable == blockVariable
            && instance.repetition == entry)
            return k;
    }
    return -1;
}

bool ExpandRepeatedBlocks(const RichEditText &control, ViewTables &tables, bool perPartDocument, int part)
{
    for (int kind : {kPerPartBlock, kPerEntryBlock}) {
        BlockExpansion expansion;
        for (;;) {
            const ExpandResult result =
                ExpandFirstBlock(control.GetPlainText(), kind, perPartDocument, part, tables, expansion);
            if (result == ExpandResult::NoBlock)
                break;
            if (result == ExpandResult::PoolExhausted)
                return false;
            control.SetSel(expansion.start, expansion.end);
            control.ReplaceSel(expansion.text);
            if (expansion.addEntryLink.IsEmpty())
                continue;
            int linkStart = 0, unused = 0;
            control.GetSel(unused, linkStart);
            control.SetSel(linkStart, linkStart);
            control.ReplaceSel(expansion.addEntryLink);
            int linkEnd = 0;
            control.GetSel(unused, linkEnd);
            control.SetSel(linkStart, linkEnd);
            control.SetSelectionFormat(MakeTextStyle(TextStyle::AddEntry));
        }
    }
    return true;
}
