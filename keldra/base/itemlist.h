// CItemList: the ordered, owning list that sheets and parts keep their items in.
//
// Positions are stable: a POSITION stays valid until its own entry is removed,
// whatever else is added or removed.  Removal at a position is O(1), and two
// entries can trade places (pointer swap) for the selection sorts.  The list
// deletes what it holds.  Stepping with a null position raises
// CInvalidArgException, as the iteration protocol demands.
#pragma once

#include <cstddef>
#include <memory>
#include <utility>

#include "base/exception.h"

// Opaque iteration position, shared by all lists.
struct CPositionTag;
using POSITION = CPositionTag*;

template <class T>
class CItemList {
    struct Node {
        std::unique_ptr<T> item;
        Node* prev = nullptr;
        Node* next = nullptr;
    };

public:
    CItemList() = default;
    CItemList(const CItemList&) = delete;
    CItemList& operator=(const CItemList&) = delete;
    ~CItemList() { RemoveAll(); }

    int GetCount() const { return m_count; }
    bool IsEmpty() const { return m_count == 0; }

    POSITION GetHeadPosition() const { return ToPos(m_head); }
    POSITION GetTailPosition() const { return ToPos(m_tail); }
    T* GetHead() const { return m_head ? m_head->item.get() : nullptr; }
    T* GetTail() const { return m_tail ? m_tail->item.get() : nullptr; }

    // Returns the item at pos and moves pos to the next (or previous) entry.
    T* GetNext(POSITION& pos) const
    {
        Node* n = Checked(pos);
        pos = ToPos(n->next);
        return n->item.get();
    }
    T* GetPrev(POSITION& pos) const
    {
        Node* n = Checked(pos);
        pos = ToPos(n->prev);
        return n->item.get();
    }
    T* GetAt(POSITION pos) const { return Checked(pos)->item.get(); }

    // Takes ownership of item; returns its position.
    POSITION AddTail(std::unique_ptr<T> item)
    {
        Node* n = new Node{std::move(item), m_tail, nullptr};
        if (m_tail)
            m_tail->next = n;
        else
            m_head = n;
        m_tail = n;
        ++m_count;
        return ToPos(n);
    }
    POSITION AddHead(std::unique_ptr<T> item)
    {
        Node* n = new Node{std::move(item), nullptr, m_head};
        if (m_head)
            m_head->prev = n;
        else
            m_tail = n;
        m_head = n;
        ++m_count;
        return ToPos(n);
    }
    // Inserts before pos (at the head for a null pos).
    POSITION InsertBefore(POSITION pos, std::unique_ptr<T> item)
    {
        Node* at = FromPos(pos);
        if (!at || at == m_head)
            return AddHead(std::move(item));
        Node* n = new Node{std::move(item), at->prev, at};
        at->prev->next = n;
        at->prev = n;
        ++m_count;
        return ToPos(n);
    }

    // Removes the entry and hands its item to the caller.
    std::unique_ptr<T> Detach(POSITION pos)
    {
        Node* n = Checked(pos);
        Unlink(n);
        std::unique_ptr<T> item = std::move(n->item);
        delete n;
        return item;
    }
    // Removes and deletes the entry's item.
    void RemoveAt(POSITION pos) { Detach(pos); }
    void RemoveAll()
    {
        Node* n = m_head;
        while (n) {
            Node* next = n->next;
            delete n;
            n = next;
        }
        m_head = m_tail = nullptr;
        m_count = 0;
    }

    // Position of this very object (identity), or null.
    POSITION Find(const T* item) const
    {
        for (Node* n = m_head; n; n = n->next)
            if (n->item.get() == item)
                return ToPos(n);
        return nullptr;
    }
    // Position of the first item equal in value by pred, or null.
    template <class Pred>
    POSITION FindIf(Pred pred) const
    {
        for (Node* n = m_head; n; n = n->next)
            if (pred(*n->item))
                return ToPos(n);
        return nullptr;
    }

    // Exchanges the items held at two positions (the positions stay put).
    void SwapAt(POSITION a, POSITION b) { std::swap(Checked(a)->item, Checked(b)->item); }

    // Range-for over the items.
    class iterator {
    public:
        explicit iterator(Node* n) : m_n(n) {}
        T& operator*() const { return *m_n->item; }
        T* operator->() const { return m_n->item.get(); }
        iterator& operator++()
        {
            m_n = m_n->next;
            return *this;
        }
        bool operator!=(const iterator& o) const { return m_n != o.m_n; }
        bool operator==(const iterator& o) const { return m_n == o.m_n; }

    private:
        Node* m_n;
    };
    iterator begin() const { return iterator(m_head); }
    iterator end() const { return iterator(nullptr); }

private:
    static POSITION ToPos(Node* n) { return reinterpret_cast<POSITION>(n); }
    static Node* FromPos(POSITION p) { return reinterpret_cast<Node*>(p); }
    static Node* Checked(POSITION p)
    {
        if (!p)
            throw CInvalidArgException();
        return FromPos(p);
    }
    void Unlink(Node* n)
    {
        if (n->prev)
            n->prev->next = n->next;
        else
            m_head = n->next;
        if (n->next)
            n->next->prev = n->prev;
        else
            m_tail = n->prev;
        --m_count;
    }

    Node* m_head = nullptr;
    Node* m_tail = nullptr;
    int m_count = 0;
};
