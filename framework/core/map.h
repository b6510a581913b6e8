#pragma once
// CMap and the string maps: a hash table walked with POSITION cursors in no particular order.
//
//   POSITION pos = map.GetStartPosition();
//   while (pos) { map.GetNextAssoc(pos, key, value); ... }

#include "framework/core/collection_elements.h"
#include "framework/core/cstring.h"
#include "framework/core/exceptions.h"
#include "framework/core/object.h"

#include <vector>

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
class CMap : public CObject {
public:
    CMap() = default;
    ~CMap() override { RemoveAll(); }

    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    BOOL Lookup(ARG_KEY key, VALUE &value) const
    {
        const Assoc *assoc = Find(key);
        if (!assoc)
            return FALSE;
        value = assoc->value;
        return TRUE;
    }
    // The value of key, added value-initialised when missing.
    VALUE &operator[](ARG_KEY key)
    {
        if (Assoc *assoc = Find(key))
            return assoc->value;
        if (m_buckets.empty())
            InitHashTable(17);
        const UINT hash = HashKey(key);
        Assoc *&bucket = m_buckets[hash % m_buckets.size()];
        bucket = new Assoc{bucket, hash, KEY(key), VALUE()};
        ++m_nCount;
        return bucket->value;
    }
    void SetAt(ARG_KEY key, ARG_VALUE value) { (*this)[key] = value; }
    BOOL RemoveKey(ARG_KEY key)
    {
        if (m_buckets.empty())
            return FALSE;
        for (Assoc **link = &m_buckets[HashKey(key) % m_buckets.size()]; *link; link = &(*link)->next) {
            if ((*link)->key == key) {
                Assoc *removed = *link;
                *link = removed->next;
                delete removed;
                --m_nCount;
                return TRUE;
            }
        }
        return FALSE;
    }
    void RemoveAll()
    {
        for (Assoc *&bucket : m_buckets) {
            while (bucket) {
                Assoc *next = bucket->next;
                delete bucket;
                bucket = next;
            }
        }
        m_nCount = 0;
    }

    POSITION GetStartPosition() const { return AsPosition(FirstFrom(0)); }
    void GetNextAssoc(POSITION &pos, KEY &key, VALUE &value) const
    {
        const Assoc *assoc = reinterpret_cast<const Assoc *>(pos);
        if (!assoc)
            AfxThrowInvalidArgException();
        key = assoc->key;
        value = assoc->value;
        pos = AsPosition(assoc->next ? assoc->next : FirstFrom(assoc->hash % m_buckets.size() + 1));
    }

    UINT GetHashTableSize() const { return static_cast<UINT>(m_buckets.size()); }
    // Takes effect only while the map is empty.
    void InitHashTable(UINT size)
    {
        if (m_nCount == 0 && size > 0)
            m_buckets.assign(size, nullptr);
    }

private:
    struct Assoc {
        Assoc *next;
        UINT hash;
        KEY key;
        VALUE value;
    };

    static POSITION AsPosition(const Assoc *assoc) { return reinterpret_cast<POSITION>(const_cast<Assoc *>(assoc)); }
    Assoc *Find(ARG_KEY key) const
    {
        if (m_buckets.empty())
            return nullptr;
        for (Assoc *assoc = m_buckets[HashKey(key) % m_buckets.size()]; assoc; assoc = assoc->next)
            if (assoc->key == key)
                return assoc;
        return nullptr;
    }
    const Assoc *FirstFrom(size_t bucket) const
    {
        for (; bucket < m_buckets.size(); ++bucket)
            if (m_buckets[bucket])
                return m_buckets[bucket];
        return nullptr;
    }

    std::vector<Assoc *> m_buckets;
    INT_PTR m_nCount = 0;
};

class CMapStringToString : public CMap<CString, LPCSTR, CString, LPCSTR> {};
class CMapStringToPtr : public CMap<CString, LPCSTR, void *, void *> {};
