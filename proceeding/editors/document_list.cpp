#include "proceeding/editors/document_list.h"

std::vector<CString> ParseDocumentList(const CString &value)
{
    std::vector<CString> names;
    int start = 0;
    while (start < value.GetLength()) {
        const int bar = value.Find('|', start);
        const CString name = bar < 0 ? value.Mid(start) : value.Mid(start, bar - start);
        if (name.IsEmpty())
            break;
        names.push_back(name);
        if (bar < 0)
            break;
        start = bar + 1;
    }
    return names;
}

CString JoinDocumentList(const std::vector<CString> &names)
{
    CString value;
    for (const CString &name : names)
        value += name + "|";
    return value;
}

CString CleanDocumentName(const CString &typed)
{
    CString name = typed;
    name.Replace('\n', ' ');
    name.Replace('\r', ' ');
    name.Replace('|', ' ');
    return name;
}
