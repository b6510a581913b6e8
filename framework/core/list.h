#pragma once
// CList and the typed lists: a doubly linked list walked with POSITION cursors.
//
//   POSITION pos = list.GetHeadPosition();
//   while (pos) { CString& item = list.GetNext(pos); ... }
//
// Taking the head or tail of an empty list, or a null position, throws CInvalidArgException.

#include "framework/core/archive.h"
#include "framework/core/collection_elements.h"
#include "framework/core/exceptions.h"
#include "framework/core/object.h"

template <class TYPE, class ARG_TYPE = const TYPE &>
class CList : public CObject {
public:
    CList() = default;
    ~CList() override { RemoveAll(); }

    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    TYPE &GetHead() { return Checked(m_pHead)->data; }
    const TYPE &GetHead() const { return Checked(m_pHead)->data; }
    TYPE &GetTail() { return Checked(m_pTail)->data; }
    const TYPE &GetTail() const { return Checked(m_pTail)->data; }

    TYPE RemoveHead()
    {
        Node *node = Checked(m_pHead);
        TYPE data(node->data);
        Unlink(node);
        return data;
    }
    TYPE RemoveTail()
    {
        Node *node = Checked(m_pTail);
        TYPE data(node->data);
        Unlink(node);
        return data;
    }

    POSITION AddHead(ARG_TYPE element) { return InsertBefore(nullptr, element); }
    POSITION AddTail(ARG_TYPE element) { return InsertAfter(nullptr, element); }
    // Counted walks, so a list can add itself.
    void AddHead(const CList *other)
    {
        POSITION pos = other->GetTailPosition();
        for (INT_PTR left = other->GetCount(); left > 0; --left)
            AddHead(other->GetPrev(pos));
    }
    void AddTail(const CList *other)
    {
        POSITION pos = other->GetHeadPosition();
        for (INT_PTR left = other->GetCount(); left > 0; --left)
            AddTail(other->GetNext(pos));
    }
    void RemoveAll()
    {
        while (m_pHead) {
            Node *next = m_pHead->next;
            delete m_pHead;
            m_pHead = next;
        }
        m_pTail = nullptr;
        m_nCount = 0;
    }

    POSITION GetHeadPosition() const { return AsPosition(m_pHead); }
    POSITION GetTailPosition() const { return AsPosition(m_pTail); }
    // The element at pos; pos moves to the next (or previous) one, nullptr after the last.
    TYPE &GetNext(POSITION &pos)
    {
        Node *node = Checked(AsNode(pos));
        pos = AsPosition(node->next);
        return node->data;
    }
    const TYPE &GetNext(POSITION &pos) const
    {
        Node *node = Checked(AsNode(pos));
        pos = AsPosition(node->next);
        return node->data;
    }
    TYPE &GetPrev(POSITION &pos)
    {
        Node *node = Checked(AsNode(pos));
        pos = AsPosition(node->prev);
        return node->data;
    }
    const TYPE &GetPrev(POSITION &pos) const
    {
        Node *node = Checked(AsNode(pos));
        pos = AsPosition(node->prev);
        return node->data;
    }
    TYPE &GetAt(POSITION pos) { return Checked(AsNode(pos))->data; }
    const TYPE &GetAt(POSITION pos) const { return Checked(AsNode(pos))->data; }
    void SetAt(POSITION pos, ARG_TYPE element) { Checked(AsNode(pos))->data = element; }
    void RemoveAt(POSITION pos) { Unlink(Checked(AsNode(pos))); }

    // A null position inserts at the head (InsertBefore) or the tail (InsertAfter).
    POSITION InsertBefore(POSITION pos, ARG_TYPE element)
    {
        Node *before = pos ? AsNode(pos) : m_pHead;
        Node *node = new Node{before, before ? before->prev : nullptr, element};
        Link(node);
        return AsPosition(node);
    }
    POSITION InsertAfter(POSITION pos, ARG_TYPE element)
    {
        Node *after = pos ? AsNode(pos) : m_pTail;
        Node *node = new Node{after ? after->next : nullptr, after, element};
        Link(node);
        return AsPosition(node);
    }

    // The first element equal to value after startAfter (from the head when null).
    POSITION Find(ARG_TYPE value, POSITION startAfter = nullptr) const
    {
        Node *node = startAfter ? AsNode(startAfter)->next : m_pHead;
        for (; node; node = node->next)
            if (node->data == value)
                return AsPosition(node);
        return nullptr;
    }
    POSITION FindIndex(INT_PTR index) const
    {
        if (index < 0 || index >= m_nCount)
            return nullptr;
        Node *node = m_pHead;
        while (index-- > 0)
            node = node->next;
        return AsPosition(node);
    }

    // The count (see CArchive::WriteCount), then the elements from head to tail; loading
    // appends to what the list holds.
    void Serialize(CArchive &ar) override
    {
        if (ar.IsStoring()) {
            ar.WriteCount(static_cast<DWORD_PTR>(m_nCount));
            for (Node *node = m_pHead; node; node = node->next)
                SerializeElements<TYPE>(ar, &node->data, 1);
        } else {
            // Appended only once every element has been read.
            const INT_PTR count = ReadElementCount<TYPE>(ar);
            CList loaded;
            for (INT_PTR i = 0; i < count; ++i) {
                TYPE element{};
                SerializeElements<TYPE>(ar, &element, 1);
                loaded.AddTail(element);
            }
            AddTail(&loaded);
        }
    }

private:
    struct Node {
        Node *next;
        Node *prev;
        TYPE data;
    };

    static POSITION AsPosition(Node *node) { return reinterpret_cast<POSITION>(node); }
    static Node *AsNode(POSITION pos) { return reinterpret_cast<Node *>(pos); }
    static Node *Checked(Node *node)
    {
        if (!node)
            AfxThrowInvalidArgException();
        return node;
    }

    // Splices in a node whose next and prev are already its neighbours.
    void Link(Node *node)
    {
        if (node->prev)
            node->prev->next = node;
        else
            m_pHead = node;
        if (node->next)
            node->next->prev = node;
        else
            m_pTail = node;
        ++m_nCount;
    }
    void Unlink(Node *node)
    {
        if (node->prev)
            node->prev->next = node->next;
        else
            m_pHead = node->next;
        if (node->next)
            node->next->prev = node->prev;
        else
            m_pTail = node->prev;
        delete node;
        --m_nCount;
    }

    Node *m_pHead = nullptr;
    Node *m_pTail = nullptr;
    INT_PTR m_nCount = 0;
};

class CStringList : public CList<CString, const CString &> {};
class CPtrList : public CList<void *, void *> {};

// Objects are stored with their class tags (CArchive::WriteObject); loading creates them, and
// the list's owner deletes them.
class CObList : public CList<CObject *, CObject *> {
public:
    void Serialize(CArchive &ar) override;
};
