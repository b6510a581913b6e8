#include "model/string_utils.h"

namespace {

// Each item runs from one character after the previous match's start (or from the beginning)
// up to the next match's start; the last item runs to the end.
template <typename Visit>
void ForEachItem(const CString &text, const CString &separator, Visit visit)
{
    int itemStart = 0;
    if (!separator.IsEmpty()) {
        for (int match = text.Find(separator, 0); match >= 0; match = text.Find(separator, match + 1)) {
            visit(text.Mid(itemStart, match - itemStart));
            itemStart = match + 1;
        }
    }
    visit(text.Mid(itemStart));
}

CString *Split(const CString &text, const CString &separator, int &count, bool keepEmpty)
{
    int slots = 0;
    ForEachItem(text, separator, [&](const CString &item) {
        if (keepEmpty || !item.IsEmpty())
            ++slots;
    });
    CString *items = new CString[slots + 1];
    count = 0;
    ForEachItem(text, separator, [&](const CString &item) {
        if (keepEmpty || !item.IsEmpty())
            items[count++] = item;
    });
    return items;
}

} // namespace

CString *SplitString(const CString &text, const CString &separator, int &count)
{
    return Split(text, separator, count, false);
}

CString *SplitStringKeepEmpty(const CString &text, const CString &separator, int &count)
{
    return Split(text, separator, count, true);
}

CString TrimChars(const CString &text, const CString &characters)
{
    CString result = text;
    result.TrimLeft(characters);
    result.TrimRight(characters);
    return result;
}

CString NormalizeNumberText(const CString &text)
{
    CString result = text;
    result.Remove(' ');
    result.Replace(',', '.');
    return result;
}
