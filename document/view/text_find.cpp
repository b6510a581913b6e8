#include "document/view/text_find.h"

int FindTextFrom(const CString &text, const CString &what, int from, bool matchCase)
{
    if (what.IsEmpty() || from < 0 || from > text.GetLength())
        return -1;
    if (matchCase)
        return text.Find(what, from);
    CString lowerText = text;
    CString lowerWhat = what;
    return lowerText.MakeLower().Find(lowerWhat.MakeLower(), from);
}
