#pragma once
// What the collection templates need of their elements: stored form, hashing, comparison.
//
// Elements that are plain bytes (numbers, PODs) are stored as their raw bytes. Any other
// element type is stored with `ar << element` and read with `ar >> element`, so a program type
// such as a pair of strings only needs those two operators to be serialisable in a collection.

#include "framework/core/archive.h"
#include "framework/core/cstring.h"

#include <windows.h>

#include <type_traits>

// Iteration state of lists and maps: an opaque cursor, nullptr past the end.
struct MorvelankPositionTag;
typedef MorvelankPositionTag *POSITION;

template <class TYPE>
void SerializeElements(CArchive &ar, TYPE *elements, INT_PTR count)
{
    if constexpr (std::is_trivially_copyable_v<TYPE>) {
        const ULONGLONG bytes = static_cast<ULONGLONG>(count) * sizeof(TYPE);
        if (ar.IsStoring()) {
            ar.Write(elements, static_cast<UINT>(bytes));
        } else {
            ar.CheckRemaining(bytes);
            if (ar.Read(elements, static_cast<UINT>(bytes)) != bytes)
                AfxThrowArchiveException(CArchiveException::endOfFile, ar.m_strFileName);
        }
    } else {
        for (INT_PTR i = 0; i < count; ++i) {
            if (ar.IsStoring())
                ar << elements[i];
            else
                ar >> elements[i];
        }
    }
}

// The fewest bytes one stored element takes, to check a stored count before allocating.
template <class TYPE>
constexpr ULONGLONG StoredElementSize()
{
    return std::is_trivially_copyable_v<TYPE> ? sizeof(TYPE) : 1;
}

// Reads a collection's element count and checks that the file can hold that many elements.
template <class TYPE>
INT_PTR ReadElementCount(CArchive &ar)
{
    const DWORD_PTR count = ar.ReadCount();
    ar.CheckRemaining(static_cast<ULONGLONG>(count) * StoredElementSize<TYPE>());
    return static_cast<INT_PTR>(count);
}

template <class KEY>
UINT HashKey(const KEY &key)
{
    if constexpr (std::is_pointer_v<KEY>)
        return static_cast<UINT>(reinterpret_cast<DWORD_PTR>(key) >> 4);
    else
        return static_cast<UINT>(key);
}

inline UINT HashKey(const char *key)
{
    UINT hash = 0;
    for (; key && *key; ++key)
        hash = (hash << 5) + hash + static_cast<unsigned char>(*key);
    return hash;
}

inline UINT HashKey(const CString &key)
{
    return HashKey(key.GetString());
}
