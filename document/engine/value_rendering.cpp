#include "document/engine/value_rendering.h"

namespace {

CString WithoutTrailingLineEnds(CString text)
{
    text.TrimRight("\r\n");
    return text;
}

} // namespace

CString RenderDashList(const CString &value)
{
    CString items = value;
    items.TrimRight(' ');
    items.TrimRight('|');
    items.Replace("|", "\n-      ");
    return WithoutTrailingLineEnds("-      " + items);
}

CString RenderLetteredList(const CString &value)
{
    static const char kLetters[] = "fghijklmnoprstuvwx";
    const int letterCount = sizeof kLetters - 1;
    CString items = value;
    items.TrimRight('|');
    CString text;
    int index = 0;
    for (int start = 0; start <= items.GetLength(); ++index) {
        int bar = items.Find('|', start);
        if (bar < 0)
            bar = items.GetLength();
        if (index > 0)
            text += "\n";
        text += kLetters[index < letterCount ? index : letterCount - 1];
        text += ")      " + items.Mid(start, bar - start);
        start = bar + 1;
    }
    return WithoutTrailingLineEnds(text);
}

CString RenderNumberedList(const CString &templateText, const CString &value)
{
    CString items = value;
    items.TrimRight('|');
    CString text = templateText + "\n";
    int number = 0;
    for (int start = 0; start < items.GetLength();) {
        int bar = items.Find('|', start);
        if (bar < 0)
            bar = items.GetLength();
        if (bar > start) {
            CString line;
            line.Format("  %d. ", ++number);
            text += line + items.Mid(start, bar - start) + "\n";
        }
        start = bar + 1;
    }
    return text;
}

CString TableValueText(const CString &value)
{
    CString text = value;
    text.Replace(" | ", "|");
    return WithoutTrailingLineEnds(text);
}

bool IsSiwzName(const CString &displayName)
{
    // The act of 2019 calls it the specification of terms; its set names it with the abbreviation.
    static const char *const kNames[] = {
        "specyfikacja istotnych warunków zamówienia", "specyfikacją istotnych warunków zamówienia",
        "specyfikacja warunków zamówienia",           "specyfikacja warunków zamówienia (swz)",
    };
    CString name = displayName;
    name.MakeLower();
    name.Trim();
    for (const char *known : kNames)
        if (name == known)
            return true;
    return false;
}
