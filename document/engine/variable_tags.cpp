#include "document/engine/variable_tags.h"

#include <cstdlib>

#include "model/view_tables.h"

namespace {

struct LetterBase {
    unsigned char letter;
    int base;
};

// P and Q are not in alphabetical order.
const LetterBase kLetterBases[] = {
    {'A', 1000},  {'B', 1100}, {'C', 1200}, {'D', 1300}, {'E', 1400}, {'F', 1500},  {'G', 1600},
    {'H', 1700},  {'I', 1800}, {'J', 1900}, {'K', 2000}, {'L', 2100}, {'M', 2200},  {'N', 2300},
    {'O', 2400},  {'Q', 2500}, {'P', 2600}, {'R', 2700}, {'S', 2800}, {'T', 2900},  {'U', 3000},
    {'V', 3100},  {'W', 3200}, {'X', 3300}, {'Y', 3400}, {'Z', 3500}, {0xA5, 3600}, // Ą
    {0xC6, 3700},                                                                   // Ć
    {0xCA, 3800},                                                                   // Ę
    {0xA3, 3900},                                                                   // Ł
    {0x8F, 4000},                                                                   // Ź
};

int FindInstance(const ViewTables &tables, int repetition, int templateVariable)
{
    const int first = tables.GetFirstVariableIndex();
    int poolEnd = tables.m_nNextDynamicVariable - first;
    if (poolEnd > kDynamicVariableSlots)
        poolEnd = kDynamicVariableSlots;
    for (int k = 0; k < poolEnd; ++k) {
        const DynamicVariable &instance = tables.m_dynamicVariables[k];
        if (instance.repetition == repetition && instance.templateVariable == templateVariable)
            return first + k;
    }
    return -1;
}

CString RewritePass(const CString &body, const char *tag, const char *newKind, int repetition, const ViewTables &tables)
{
    CString text = body;
    for (int p = text.Find(tag); p >= 0; p = text.Find(tag, p + 1)) {
        int number = FindInstance(tables, repetition, DecodeVariableId(text.Mid(p + 2, 3)));
        if (number < 0)
            continue;
        CString rewritten;
        rewritten.Format("%s%s%05d>%s", text.Left(p), newKind, number, text.Mid(p + 6));
        text = rewritten;
    }
    return text;
}

} // namespace

int DecodeVariableId(const CString &identifier)
{
    const int length = identifier.GetLength();
    const int lastTwo = atoi(length < 2 ? identifier.GetString() : identifier.GetString() + length - 2);
    const unsigned char first = static_cast<unsigned char>(identifier.GetAt(0));
    for (const LetterBase &entry : kLetterBases)
        if (entry.letter == first)
            return entry.base + lastTwo;
    return atoi(identifier);
}

int VariableTagIdLength(const CString &text, int tag)
{
    if (text.GetAt(tag + 7) == '>')
        return 5;
    if (text.GetAt(tag + 6) == '>')
        return 4;
    return 3;
}

int LinkTagIdLength(const CString &text, int tag)
{
    return text.GetAt(tag + 5) == '>' ? 3 : 5;
}

CString FormatInstanceNumber(int number)
{
    CString text;
    text.Format("%05d", number);
    return text;
}

CString RewriteVariableTags(const CString &body, int repetition, const ViewTables &tables)
{
    CString text = RewritePass(body, "<|", "<+", repetition, tables);
    return RewritePass(text, "<\\", "<*", repetition, tables);
}
