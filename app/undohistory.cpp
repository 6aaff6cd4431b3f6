#include "app/undohistory.h"

#include <unordered_map>
#include <vector>

namespace {

// Record slots, in the order a record lists its counts.
enum Slot { kWires, kBuses, kLines, kPins, kParts, kArcs, kJuncs, kTexts, kTotal };

int LineSlot(const CLine& line)
{
    switch (line.GetType() & 3) {
    case 1:
        return kLines;
    case 2:
        return kBuses;
    default:
        return kWires;
    }
}

// Calls f with every item of a sheet, list by list.
template <class F> void ForEachItem(const CSheet& sheet, F f)
{
    for (const CLine& x : sheet.Wires())
        f(CItemRef(x));
    for (const CLine& x : sheet.Buses())
        f(CItemRef(x));
    for (const CLine& x : sheet.Lines())
        f(CItemRef(x));
    for (const CPin& x : sheet.Pins())
        f(CItemRef(x));
    for (const CPart& x : sheet.Parts())
        f(CItemRef(x));
    for (const CArc& x : sheet.Arcs())
        f(CItemRef(x));
    for (const CJunc& x : sheet.Juncs())
        f(CItemRef(x));
    for (const CText& x : sheet.Texts())
        f(CItemRef(x));
}

} // namespace

namespace {

uint64_t LineKey(const CLine& line)
{
    const auto key = [](const CPoint& p) {
        return (uint64_t(uint32_t(p.x)) << 32) | uint32_t(p.y);
    };
    return key(line.GetStartPoint()) * 0x9E3779B97F4A7C15ull ^ key(line.GetEndPoint());
}

// Removes from list the first line equal to each of pending, as deleting
// them one by one would, in one walk of the list: a moved or restored
// selection lies at the end of a big drawing, where a search from the head
// for every one of its lines would cost the whole drawing each time.
void RemoveEqualLines(CSheet& sheet, CItemList<CLine>& list,
                      const std::vector<const CLine*>& pending, CSheet* removed)
{
    if (pending.empty())
        return;
    std::unordered_multimap<uint64_t, size_t> byKey;
    for (size_t i = 0; i < pending.size(); ++i)
        byKey.emplace(LineKey(*pending[i]), i);
    std::vector<bool> used(pending.size(), false);
    size_t left = pending.size();
    for (POSITION pos = list.GetHeadPosition(); pos && left > 0;) {
        const POSITION here = pos;
        const CLine* x = list.GetNext(pos);
        const auto [first, last] = byKey.equal_range(LineKey(*x));
        for (auto it = first; it != last; ++it) {
            if (used[it->second] || !x->Compare(*pending[it->second]))
                continue;
            used[it->second] = true;
            --left;
            if (removed)
                removed->NewLine(*x);
            const bool wire = &list == &sheet.Wires();
            list.RemoveAt(here);
            if (sheet.GetItemCount() > 0)
                sheet.SetItemCount(sheet.GetItemCount() - 1);
            if (wire && sheet.GetSheetType() == CSheet::kDrawing)
                sheet.SetCalcOpenMode(1); // the open pins are to be found again
            break;
        }
    }
}

} // namespace

void RemoveEqualItems(CSheet& sheet, const CSheet& items, CSheet* removed)
{
    std::vector<const CLine*> pending[3];
    CItemList<CLine>* lists[3] = {&sheet.Wires(), &sheet.Buses(), &sheet.Lines()};
    ForEachItem(items, [&](const CItemRef& item) {
        if (item.kind == CItemRef::Line) {
            const CLine* line = static_cast<const CLine*>(item.item);
            const int slot = LineSlot(*line);
            pending[slot == kWires ? 0 : slot == kBuses ? 1 : 2].push_back(line);
        } else if (sheet.DeleteItem(item) && removed) {
            removed->AddItem(item);
        }
    });
    for (int k = 0; k < 3; ++k)
        RemoveEqualLines(sheet, *lists[k], pending[k], removed);
}

CUndoHistory::CUndoHistory() = default;

void CUndoHistory::Clear()
{
    for (Stack* s : {&m_undo, &m_redo}) {
        s->items.DeleteContents();
        s->records.clear();
        s->ids.clear();
        std::fill(std::begin(s->counters), std::end(s->counters), 0);
    }
    m_update = CRect();
}

void CUndoHistory::Add(Stack& stack, const CItemRef& item)
{
    int slot = -1;
    switch (item.kind) {
    case CItemRef::Sheet:
        Add(stack, *static_cast<const CSheet*>(item.item));
        return;
    case CItemRef::Line:
        slot = LineSlot(*static_cast<const CLine*>(item.item));
        break;
    case CItemRef::Pin:
        slot = kPins;
        break;
    case CItemRef::Part:
        slot = kParts;
        break;
    case CItemRef::Arc:
        slot = kArcs;
        break;
    case CItemRef::Junc:
        slot = kJuncs;
        break;
    case CItemRef::Text:
        slot = kTexts;
        break;
    case CItemRef::None:
        return;
    }
    stack.items.AddItem(item);
    ++stack.counters[slot];
    ++stack.counters[kTotal];
}

void CUndoHistory::Add(Stack& stack, const CSheet& items)
{
    ForEachItem(items, [&stack](const CItemRef& item) { Add(stack, item); });
}

void CUndoHistory::Close(Stack& stack, int kind, uint64_t id)
{
    for (int& c : stack.counters) {
        stack.records.push_back(uint32_t(c));
        c = 0;
    }
    stack.records.push_back(uint32_t(kSlots));
    stack.records.push_back(uint32_t(kind));
    stack.ids.push_back(id);
}

int CUndoHistory::Pop(Stack& stack, CSheet& work, uint64_t& id)
{
    const size_t n = stack.records.size();
    if (n < size_t(kRecordInts) || stack.ids.empty())
        return -1;
    const uint32_t* r = stack.records.data() + n - kRecordInts;
    // GetItemTail wants the total first, then the lists from texts back to wires.
    const int counts[kSlots] = {int(r[kTotal]), int(r[kTexts]), int(r[kJuncs]),
                                int(r[kArcs]),  int(r[kParts]), int(r[kPins]),
                                int(r[kLines]), int(r[kBuses]), int(r[kWires])};
    const int kind = int(r[kRecordInts - 1]);
    stack.items.GetItemTail(counts, work);
    stack.records.resize(n - kRecordInts);
    id = stack.ids.back();
    stack.ids.pop_back();
    return kind;
}

void CUndoHistory::Closed(int kind)
{
    if (onRecordClosed)
        onRecordClosed(kind);
}

void CUndoHistory::Record(const CSheet& items, int kind)
{
    m_redo.items.DeleteContents();
    m_redo.records.clear();
    m_redo.ids.clear();
    Add(m_undo, items);
    if (kind != kOpen) {
        Close(m_undo, kind, m_nextId++);
        Closed(kind);
    }
}

void CUndoHistory::Record(const CItemRef& item, int kind)
{
    CSheet one;
    one.AddItem(item);
    Record(one, kind);
}

int CUndoHistory::Step(Stack& from, Stack& to, CSheet& main, CSheet& reselect, bool notify)
{
    // Undo and redo are the same step between the two stacks: a record of
    // added items takes them away again, a change swaps the new copies for
    // the old, anything else puts its items back.  The record pushed on the
    // other stack says what the step did, so that it can be stepped back.
    const auto push = [&](const CSheet& items, int kind, uint64_t id) {
        Add(to, items);
        Close(to, kind, id);
        if (notify)
            Closed(kind);
    };
    CSheet work;
    uint64_t id = 0;
    const int kind = Pop(from, work, id);
    if (kind < 0)
        return -1;
    m_update = work.GetBoundingRect();
    if (kind == kAdded) {
        RemoveEqualItems(main, work);
        reselect.DeleteContents();
        push(work, kRemoved, id);
        return kind;
    }
    if (kind == kNew) {
        RemoveEqualItems(main, work);
        push(work, kOld, id);
        const size_t n = from.records.size();
        if (n < size_t(kRecordInts) || from.records[n - 1] != uint32_t(kOld))
            return kind;
        work.DeleteContents();
        Pop(from, work, id);
        m_update |= work.GetBoundingRect();
        push(work, kNew, id);
    } else {
        push(work, kAdded, id);
    }
    main += work;
    reselect = work;
    return kind;
}

int CUndoHistory::Undo(CSheet& main, CSheet& reselect)
{
    return Step(m_undo, m_redo, main, reselect, false);
}

int CUndoHistory::Redo(CSheet& main, CSheet& reselect)
{
    // A redone record is closed as any record is (autosave counts it).
    return Step(m_redo, m_undo, main, reselect, true);
}

int CUndoHistory::TakeLastRecord(CSheet& into, bool dropJunctions, CSheet& main)
{
    const size_t n = m_undo.records.size();
    if (n < size_t(kRecordInts) || m_undo.records[n - 1] == uint32_t(kRemoved))
        return -1;
    CSheet work;
    uint64_t id = 0;
    const int kind = Pop(m_undo, work, id);
    if (dropJunctions) {
        while (!work.Juncs().IsEmpty())
            work.DeleteJunc(*work.Juncs().GetHead());
        RemoveEqualItems(main, work);
    }
    into += work;
    return kind;
}
