#include "framework/core/array.h"
#include "framework/core/list.h"

void CObArray::Serialize(CArchive &ar)
{
    if (ar.IsStoring()) {
        ar.WriteCount(static_cast<DWORD_PTR>(GetSize()));
        for (INT_PTR i = 0; i < GetSize(); ++i)
            ar.WriteObject(GetAt(i));
    } else {
        const INT_PTR count = ReadElementCount<WORD>(ar); // each object takes a tag at least
        RemoveAll();
        for (INT_PTR i = 0; i < count; ++i)
            Add(ar.ReadObject(nullptr));
    }
}

void CObList::Serialize(CArchive &ar)
{
    if (ar.IsStoring()) {
        ar.WriteCount(static_cast<DWORD_PTR>(GetCount()));
        for (POSITION pos = GetHeadPosition(); pos;)
            ar.WriteObject(GetNext(pos));
    } else {
        const INT_PTR count = ReadElementCount<WORD>(ar);
        RemoveAll();
        for (INT_PTR i = 0; i < count; ++i)
            AddTail(ar.ReadObject(nullptr));
    }
}
