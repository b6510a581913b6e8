#pragma once
// CArray and the typed arrays: a growing array with the class library's index semantics.
// An index outside the array throws CInvalidArgException; SetAtGrow and InsertAt past the end
// grow the array with value-initialised elements.

#include "framework/core/archive.h"
#include "framework/core/collection_elements.h"
#include "framework/core/exceptions.h"
#include "framework/core/object.h"

#include <vector>

template <class TYPE, class ARG_TYPE = const TYPE &>
class CArray : public CObject {
public:
    CArray() = default;

    INT_PTR GetSize() const { return static_cast<INT_PTR>(m_data.size()); }
    INT_PTR GetCount() const { return GetSize(); }
    BOOL IsEmpty() const { return m_data.empty(); }
    INT_PTR GetUpperBound() const { return GetSize() - 1; }

    // growBy is accepted for the library's signature; growth is left to the vector.
    void SetSize(INT_PTR newSize, INT_PTR growBy = -1)
    {
        (void)growBy;
        if (newSize < 0)
            AfxThrowInvalidArgException();
        m_data.resize(static_cast<size_t>(newSize));
    }
    void FreeExtra() { m_data.shrink_to_fit(); }
    void RemoveAll() { m_data.clear(); }

    const TYPE &GetAt(INT_PTR index) const { return m_data[Checked(index)]; }
    TYPE &GetAt(INT_PTR index) { return m_data[Checked(index)]; }
    TYPE &ElementAt(INT_PTR index) { return m_data[Checked(index)]; }
    void SetAt(INT_PTR index, ARG_TYPE element) { m_data[Checked(index)] = element; }
    const TYPE &operator[](INT_PTR index) const { return GetAt(index); }
    TYPE &operator[](INT_PTR index) { return GetAt(index); }
    const TYPE *GetData() const { return m_data.data(); }
    TYPE *GetData() { return m_data.data(); }

    void SetAtGrow(INT_PTR index, ARG_TYPE element)
    {
        if (index < 0)
            AfxThrowInvalidArgException();
        TYPE copy(element); // the element may live in this array
        if (index >= GetSize())
            SetSize(index + 1);
        m_data[static_cast<size_t>(index)] = std::move(copy);
    }
    INT_PTR Add(ARG_TYPE element)
    {
        m_data.push_back(element);
        return GetUpperBound();
    }
    INT_PTR Append(const CArray &other)
    {
        const INT_PTR first = GetSize();
        m_data.insert(m_data.end(), other.m_data.begin(), other.m_data.end());
        return first;
    }
    void Copy(const CArray &other)
    {
        if (this != &other)
            m_data = other.m_data;
    }

    void InsertAt(INT_PTR index, ARG_TYPE element, INT_PTR count = 1)
    {
        if (index < 0 || count < 0)
            AfxThrowInvalidArgException();
        TYPE copy(element);
        if (index > GetSize())
            SetSize(index);
        m_data.insert(m_data.begin() + index, static_cast<size_t>(count), copy);
    }
    void InsertAt(INT_PTR start, const CArray *other)
    {
        if (start < 0 || !other)
            AfxThrowInvalidArgException();
        if (start > GetSize())
            SetSize(start);
        const std::vector<TYPE> copy(other->m_data);
        m_data.insert(m_data.begin() + start, copy.begin(), copy.end());
    }
    void RemoveAt(INT_PTR index, INT_PTR count = 1)
    {
        if (index < 0 || count < 0 || count > GetSize() - index)
            AfxThrowInvalidArgException();
        m_data.erase(m_data.begin() + index, m_data.begin() + index + count);
    }

    // The count (see CArchive::WriteCount), then the elements.
    void Serialize(CArchive &ar) override
    {
        if (ar.IsStoring()) {
            ar.WriteCount(static_cast<DWORD_PTR>(GetSize()));
            SerializeElements<TYPE>(ar, m_data.data(), GetSize());
        } else {
            const INT_PTR count = ReadElementCount<TYPE>(ar);
            std::vector<TYPE> loaded(static_cast<size_t>(count));
            SerializeElements<TYPE>(ar, loaded.data(), count);
            m_data.swap(loaded);
        }
    }

private:
    size_t Checked(INT_PTR index) const
    {
        if (index < 0 || index >= GetSize())
            AfxThrowInvalidArgException();
        return static_cast<size_t>(index);
    }

    std::vector<TYPE> m_data;
};

class CStringArray : public CArray<CString, const CString &> {};
class CPtrArray : public CArray<void *, void *> {};
class CDWordArray : public CArray<DWORD, DWORD> {};
class CWordArray : public CArray<WORD, WORD> {};
class CByteArray : public CArray<BYTE, BYTE> {};
class CUIntArray : public CArray<UINT, UINT> {};

// Objects are stored with their class tags (CArchive::WriteObject); loading creates them, and
// the array's owner deletes them.
class CObArray : public CArray<CObject *, CObject *> {
public:
    void Serialize(CArchive &ar) override;
};
