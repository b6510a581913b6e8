#include "document/files/database_row_values.h"

#include "app/number_format.h"
#include "document/engine/variable_tags.h"
#include "model/view_tables.h"

CString DatabaseRowValues::GetDatabaseFieldName(int index) const
{
    return index >= 0 && index < kMdbNames ? m_tables.m_mdbList[index] : CString();
}

CString DatabaseRowValues::LookUpVariableValue(const CString &name)
{
    const int number = DecodeVariableId(name);
    if (IntToStr(number) == name)
        return number >= 0 && number < m_tables.GetVariableCount() ? m_tables.m_variables[number].value : CString();
    bool found = false;
    CString value = ValueOfOccurrence(m_shownDocument, name, found);
    for (int document = 0; !found && document < m_tables.m_nDocumentCount; ++document)
        if (document != m_shownDocument)
            value = ValueOfOccurrence(document, name, found);
    return value;
}

CString DatabaseRowValues::ValueOfOccurrence(int document, const CString &name, bool &found) const
{
    const OccurrenceTable &occurrences = m_tables.m_occurrences;
    const OccurrenceBlock *block = document >= 0 ? occurrences.Block(document) : nullptr;
    if (!block)
        return CString();
    for (int index = 0; index < kVariableOccurrences; ++index) {
        const VariableOccurrence *occurrence = block->Variable(index);
        if (occurrence->name != name)
            continue;
        found = true;
        return m_tables.IsVariableNumber(occurrence->variable) ? m_tables.m_variables[occurrence->variable].value
                                                               : CString();
    }
    return CString();
}
