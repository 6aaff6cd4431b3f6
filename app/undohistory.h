// CUndoHistory: the undo and redo records of a document.
//
// A record names a set of item copies kept in a store sheet and what happened
// to those items in the drawing:
//   1 added     the items were added to the drawing
//   2 removed   the items were removed from it
//   3 old       the items as they were before a change
//   4 new       the same items after the change (always right after its 3)
// Each record is eleven integers: the item counts of nine slots (wires,
// buses, plain lines, pins, parts, arcs, junctions, texts, all items), the
// number 9 and the kind.  The copies are the last items of each list of the
// store, in the counted numbers.  Redo records mirror undo records; a new
// change empties the redo history.
//
// Every record also carries an identity, kept across undo and redo, so that
// "is this the state that was saved?" is answered by the record on top and
// not by the depth alone: after Save, Undo and a new change the depth may be
// the same again, but the saved state can no longer be reached.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "base/rect.h"
#include "sheet/sheet.h"

class CUndoHistory {
public:
    enum Kind { kOpen = 0, kAdded = 1, kRemoved = 2, kOld = 3, kNew = 4 };
    static constexpr int kRecordInts = 11;

    CUndoHistory();

    // Adds copies of the items to the open record; a kind other than 0
    // closes the record with that kind.  Empties the redo history.
    void Record(const CSheet& items, int kind);
    void Record(const CItemRef& item, int kind);

    bool CanUndo() const { return !m_undo.records.empty(); }
    bool CanRedo() const { return !m_redo.records.empty(); }
    // Number of record integers (the depth the document compares).
    int UndoDepth() const { return int(m_undo.records.size()); }
    int RedoDepth() const { return int(m_redo.records.size()); }
    // The identity of the newest undo record; 0 for none.
    uint64_t StateId() const { return m_undo.ids.empty() ? 0 : m_undo.ids.back(); }

    // Reverts the newest record (a change: both of its records) on main and
    // refills reselect as the change demands.  Returns the kind undone, or -1.
    int Undo(CSheet& main, CSheet& reselect);
    // Re-applies the newest redo record.  Returns the kind of the redo record, or -1.
    int Redo(CSheet& main, CSheet& reselect);
    // Bounding rectangle of the items the last Undo or Redo touched.
    const CRect& UpdateRect() const { return m_update; }

    // Pops the newest undo record unless it is of kind 2 or there is none,
    // moving its items into into; with dropJunctions the junctions of into
    // are deleted and the items equal to its rest are removed from main.
    // Returns the kind, or -1.
    int TakeLastRecord(CSheet& into, bool dropJunctions, CSheet& main);

    // Called with the kind of every record closed (also by Redo).
    std::function<void(int kind)> onRecordClosed;

    // The store sheets, for tests and the document's size accounting.
    const CSheet& UndoStore() const { return m_undo.items; }
    const CSheet& RedoStore() const { return m_redo.items; }
    const std::vector<uint32_t>& UndoRecords() const { return m_undo.records; }

    void Clear();

private:
    static constexpr int kSlots = 9;
    struct Stack {
        CSheet items{CSheet::kScratch};
        std::vector<uint32_t> records;
        std::vector<uint64_t> ids;  // one per record
        int counters[kSlots] = {};
    };
    // Copies the items to a stack's store and counts them.
    static void Add(Stack& stack, const CSheet& items);
    static void Add(Stack& stack, const CItemRef& item);
    static void Close(Stack& stack, int kind, uint64_t id);
    // Pops the newest record of a stack into work; returns its kind (or -1).
    static int Pop(Stack& stack, CSheet& work, uint64_t& id);
    void Closed(int kind);
    int Step(Stack& from, Stack& to, CSheet& main, CSheet& reselect, bool notify);

    Stack m_undo;
    Stack m_redo;
    uint64_t m_nextId = 1;
    CRect m_update;
};

// Removes from sheet one item equal to each item of items; removed, when
// given, receives copies of what was found and removed.
void RemoveEqualItems(CSheet& sheet, const CSheet& items, CSheet* removed = nullptr);
