// Wire upkeep: the operations that keep the wire, bus and line lists of a
// sheet in their canonical form - collinear pieces merged, wires cut back at
// pin tips, duplicates, empty items and items off the sheet removed - and
// the document's clean-up sequence that runs them in order.
//
// Each pass gives exactly the result of its plain loop over the list (pairs
// in list order, restarts as the loop restarts), but looks only at the lines
// on one axis line and at the pins on it (see lineindex.h), so a sheet of ten
// thousand parts tidies in milliseconds.  Every merge and trim is checked
// with the contact model of wirecontacts.h first and is not made when it
// would join or part anything.
#include <functional>
#include <memory_resource>
#include <optional>
#include <set>
#include <unordered_map>
#include <utility>
#include <vector>

#include "base/profile.h"
#include "base/selectionsort.h"
#include "sheet/cleanup.h"
#include "sheet/lineindex.h"
#include "sheet/sheet.h"

CCleanUpOptions CCleanUpOptions::FromSettings()
{
    CProfile& profile = Profile();
    CCleanUpOptions options;
    options.cleanLine = profile.GetInt("CleanSection", "CleanLine", 1) != 0;
    options.wireJunc = profile.GetInt("CleanSection", "WireJunc", 0) != 0;
    options.over = profile.GetInt("CleanSection", "Over", 0) != 0;
    return options;
}

void CSheet::SortLine(int code)
{
    CItemList<CLine>& list = code == 24 || code == 25   ? m_wires
                             : code == 26 || code == 27 ? m_buses
                                                        : m_lines;
    const bool horizontal = code == 24 || code == 26 || code == 28;
    SelectionSortList(list, [horizontal](const CLine& line) {
        const CPoint& p = line.GetStartPoint();
        // Larger y first: order by -y, in 64 bits so that INT_MIN stays in order.
        return horizontal ? std::pair<int64_t, int64_t>(-int64_t(p.y), p.x)
                          : std::pair<int64_t, int64_t>(p.x, p.y);
    });
}

// --- normal direction -------------------------------------------------------------------------

void CSheet::NormalizeLines()
{
    for (CItemList<CLine>* list : {&m_wires, &m_buses, &m_lines})
        for (CLine& line : *list)
            if (line.NormalPoint())
                line.ModifyType(0, CLine::kWorkMark2);
}

void CSheet::RestoreLineDirections()
{
    for (CItemList<CLine>* list : {&m_wires, &m_buses, &m_lines}) {
        for (CLine& line : *list) {
            if (line.GetType() & CLine::kWorkMark2) {
                line.Swap();
                line.ModifyType(CLine::kWorkMark2, 0);
            }
        }
    }
}

// --- merging collinear lines ------------------------------------------------------------------

namespace {

// Far more than a sheet ever needs; a bound all the same.
constexpr int kMaxTidyRounds = 16;

CContact ContactAt(const CLine& line, const CPoint& start, const CPoint& end)
{
    CContact c = CContact::Of(line);
    c.a = start;
    c.b = end;
    return c;
}

} // namespace

// One list of CleanLine.  pins: the sheet's pins for the wire list, else
// null; guarded: whether connections are checked (not for plain lines).
int CSheet::CleanLineList(CLineIndex& index, bool junctionMasks, const CJuncIndex& juncs,
                          const CPinIndex* pins, bool guarded, int& merged, CCleanUpReport* report,
                          CTidyRound* round)
{
    std::optional<CContactFinder> guard;
    if (guarded)
        guard.emplace(index, juncs, pins);

    // The partners of a that the plain loop over its followers would change:
    // lines on its axis line whose stretch meets a's, after `after` in list
    // order, taken in list order.  a's stretch grows only when it takes a
    // line in; the lines it then reaches are added to those still to come.
    std::set<std::pair<int, CLine*>> pending;
    auto enqueue = [&pending](const CAxisRanges<CLine>& collinear, const CLine& a, int after) {
        const auto [lo, hi] = Stretch(a.GetStartPoint(), a.GetEndPoint());
        collinear.Meeting(lo, hi, after,
                          [&pending](int order, CLine* b) { pending.emplace(order, b); });
    };

    int result = 0;
    for (CLine* a : index.InitialOrder()) {
        if (!index.Contains(a))
            continue; // taken in by an earlier line
        if (round && !round->Looks(a->GetStartPoint(), a->GetEndPoint()))
            continue; // nothing can have changed for it
        const CAxisRanges<CLine>* collinear = index.Collinear(*a);
        if (!collinear)
            continue; // oblique or zero-length: nothing to merge
        const int orderA = index.Order(a);
        for (;;) {
            bool mergedAny = false;
            const int aBits = junctionMasks ? (juncs.At(a->GetStartPoint()) ? 1 : 0) |
                                                  (juncs.At(a->GetEndPoint()) ? 2 : 0)
                                            : 0;
            pending.clear();
            enqueue(*collinear, *a, orderA);
            while (!pending.empty()) {
                const auto [orderB, b] = *pending.begin();
                pending.erase(pending.begin());
                int mask = -1;
                if (junctionMasks) {
                    const int bits = aBits | (juncs.At(b->GetStartPoint()) ? 4 : 0) |
                                     (juncs.At(b->GetEndPoint()) ? 8 : 0);
                    mask = bits ? bits : -1;
                }
                const CPoint a0 = a->GetStartPoint(), a1 = a->GetEndPoint();
                const CPoint b0 = b->GetStartPoint(), b1 = b->GetEndPoint();
                const bool redundant = a->Clean(*b, mask);
                const bool aMoved = a->GetStartPoint() != a0 || a->GetEndPoint() != a1;
                const bool bMoved = b->GetStartPoint() != b0 || b->GetEndPoint() != b1;
                if (!redundant && !aMoved && !bMoved)
                    continue;
                if (guard) {
                    const CContact before[] = {ContactAt(*a, a0, a1), ContactAt(*b, b0, b1)};
                    CContact after[] = {CContact::Of(*a), CContact::Of(*b)};
                    if (redundant && !after[0].name)
                        after[0].name = after[1].name; // a takes b's name
                    const bool clean =
                        redundant && guard->MergeIsClean(*a, before[0], *b, before[1]);
                    if (!clean && !guard->Allows(before, std::span(after, redundant ? 1 : 2))) {
                        if (round)
                            round->Mark({a0, a1, b0, b1});
                        a->SetPoint(a0, a1);
                        b->SetPoint(b0, b1);
                        if (report)
                            ++report->keptForConnections;
                        continue;
                    }
                }
                result = 1;
                if (round)
                    round->Mark({a0, a1, b0, b1, a->GetStartPoint(), a->GetEndPoint(),
                                 b->GetStartPoint(), b->GetEndPoint()});
                if (aMoved)
                    index.Moved(a, a0, a1);
                if (!redundant) {
                    if (bMoved)
                        index.Moved(b, b0, b1);
                    if (report)
                        ++report->cutBackLines;
                    continue;
                }
                // b is part of a now; its name goes with it when a has none.
                if (a->GetName().IsEmpty() && !b->GetName().IsEmpty())
                    a->SetName(b->GetNameText());
                index.Remove(b);
                if (m_count > 0)
                    --m_count;
                ++merged;
                mergedAny = true;
                if (aMoved)
                    enqueue(*collinear, *a, orderB);
            }
            if (!mergedAny)
                break;
        }
    }
    return result;
}

int CSheet::CleanLine()
{
    return CleanLine(CCleanUpOptions::FromSettings());
}

int CSheet::CleanLine(const CCleanUpOptions& options, CCleanUpReport* report)
{
    if (!options.cleanLine)
        return 0;
    std::pmr::monotonic_buffer_resource arena;
    const CJuncIndex juncs(m_juncs);
    const CPinIndex pins(*this);
    CLineIndex wires(m_wires, &arena);
    return CleanLine(options, wires, juncs, pins, report);
}

int CSheet::CleanLine(const CCleanUpOptions& options, CLineIndex& wires, const CJuncIndex& juncs,
                      const CPinIndex& pins, CCleanUpReport* report, CTidyRound* round)
{
    CCleanUpReport scratch;
    CCleanUpReport& account = report ? *report : scratch;
    int result = CleanLineList(wires, options.wireJunc, juncs, &pins, true, account.mergedWires,
                               &account, round);
    if (result)
        MarkOpenPinsStale();
    std::pmr::monotonic_buffer_resource arena;
    CLineIndex buses(m_buses, &arena);
    result |=
        CleanLineList(buses, false, juncs, nullptr, true, account.mergedBuses, &account, round);
    CLineIndex lines(m_lines, &arena);
    result |=
        CleanLineList(lines, false, juncs, nullptr, false, account.mergedLines, &account, round);
    return result;
}

// --- wires along pins -------------------------------------------------------------------------

int CSheet::CheckOnPin(CCleanUpReport* report)
{
    std::pmr::monotonic_buffer_resource arena;
    CLineIndex wires(m_wires, &arena);
    const CJuncIndex juncs(m_juncs);
    const CPinIndex pins(*this);
    return CheckOnPin(wires, juncs, pins, report);
}

int CSheet::CheckOnPin(CLineIndex& index, const CJuncIndex& juncs, const CPinIndex& pins,
                       CCleanUpReport* report, CTidyRound* round)
{
    const CContactFinder guard(index, juncs, &pins);

    // As with the merges: the pins whose stroke meets the wire's stretch, in
    // pin order; a wire cut back to a tip can reach further pins.
    std::set<std::pair<int, const CPin*>> pending;
    auto enqueue = [&](const CLine& wire, int after) {
        const auto [lo, hi] = Stretch(wire.GetStartPoint(), wire.GetEndPoint());
        pins.Meeting(wire.GetStartPoint(), wire.GetEndPoint(), lo, hi, after,
                     [&pending](int order, const CPin* pin) { pending.emplace(order, pin); });
    };

    int result = 0;
    for (CLine* wire : index.InitialOrder()) {
        if (!index.Contains(wire))
            continue;
        if (round && !round->Looks(wire->GetStartPoint(), wire->GetEndPoint()))
            continue;
        pending.clear();
        enqueue(*wire, -1);
        while (!pending.empty()) {
            const auto [pinOrder, pin] = *pending.begin();
            pending.erase(pending.begin());
            const CPoint s = wire->GetStartPoint(), e = wire->GetEndPoint();
            pin->CheckOnPin(*wire);
            if (wire->GetStartPoint() == s && wire->GetEndPoint() == e)
                continue;
            const bool vanished = wire->GetStartPoint() == wire->GetEndPoint();
            // A name joins nets: a named wire never goes with it.
            if (vanished && !wire->GetName().IsEmpty()) {
                if (round)
                    round->Mark({s, e});
                wire->SetPoint(s, e);
                if (report)
                    ++report->keptForConnections;
                continue;
            }
            const CContact before[] = {ContactAt(*wire, s, e)};
            const CContact after[] = {CContact::Of(*wire)};
            if (!guard.Allows(before, std::span(after, vanished ? 0 : 1))) {
                if (round)
                    round->Mark({s, e});
                wire->SetPoint(s, e);
                if (report)
                    ++report->keptForConnections;
                continue;
            }
            result = 1;
            if (round)
                round->Mark({s, e, wire->GetStartPoint(), wire->GetEndPoint()});
            if (vanished) {
                // The index files a line under the axis line it lay on;
                // a point has none of its own.
                wire->SetPoint(s, e);
                index.Remove(wire);
                if (m_count > 0)
                    --m_count;
                if (report)
                    ++report->pinTrimDeletions;
                break;
            }
            index.Moved(wire, s, e);
            if (report)
                ++report->pinTrims;
            enqueue(*wire, pinOrder);
        }
    }
    if (result)
        MarkOpenPinsStale();
    return result;
}

// --- duplicates, empty items, items off the sheet ---------------------------------------------

namespace {

size_t Mix(size_t h, uint64_t v)
{
    return h ^ (std::hash<uint64_t>()(v) + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2));
}

// Removes every item equal to an earlier one, exactly as the pairwise loop
// does, but compares only items whose keys agree (equal items always have
// equal keys): sorted by key, and by list order within a key, each group of
// equal keys runs the pairwise loop on its own.  merge(a, b) runs before b
// goes.  Returns how many went.
template <class T, class Key, class Same, class Merge>
int RemoveDuplicates(CItemList<T>& list, Key key, Same same, Merge merge)
{
    struct Entry {
        size_t key;
        POSITION pos;
    };
    std::vector<Entry> entries;
    entries.reserve(size_t(list.GetCount()));
    for (POSITION pos = list.GetHeadPosition(); pos;) {
        const POSITION at = pos;
        entries.push_back({key(*list.GetNext(pos)), at});
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const Entry& x, const Entry& y) { return x.key < y.key; });
    int removed = 0;
    for (size_t first = 0; first < entries.size();) {
        size_t last = first + 1;
        while (last < entries.size() && entries[last].key == entries[first].key)
            ++last;
        for (size_t i = first; i < last; ++i) {
            if (!entries[i].pos)
                continue;
            T& a = *list.GetAt(entries[i].pos);
            for (size_t j = i + 1; j < last; ++j) {
                if (!entries[j].pos || !same(a, *list.GetAt(entries[j].pos)))
                    continue;
                merge(a, *list.GetAt(entries[j].pos));
                list.RemoveAt(entries[j].pos);
                entries[j].pos = nullptr;
                ++removed;
            }
        }
        first = last;
    }
    return removed;
}

size_t LineKey(const CLine& line)
{
    return Mix(Mix(PointKey(line.GetStartPoint()), PointKey(line.GetEndPoint())),
               line.GetType() & CLine::kStoredMask);
}

} // namespace

int CSheet::CleanDupItem(CCleanUpReport* report)
{
    int removed = 0;
    // Two lines with different names are two nets' pieces, not duplicates.
    const auto sameLine = [](const CLine& a, const CLine& b) {
        return a == b &&
               (a.GetName().IsEmpty() || b.GetName().IsEmpty() || a.GetName() == b.GetName());
    };
    const auto takeName = [](CLine& a, const CLine& b) {
        if (a.GetName().IsEmpty() && !b.GetName().IsEmpty())
            a.SetName(b.GetNameText());
    };
    const int wires = RemoveDuplicates(m_wires, LineKey, sameLine, takeName);
    removed += wires;
    removed += RemoveDuplicates(m_buses, LineKey, sameLine, takeName);
    removed += RemoveDuplicates(m_lines, LineKey, sameLine, takeName);
    const auto nothing = [](auto&, const auto&) {};
    removed += RemoveDuplicates(
        m_arcs, [](const CArc& a) { return Mix(PointKey(a.GetCenter()), uint32_t(a.GetRadial())); },
        [](const CArc& a, const CArc& b) { return a == b; }, nothing);
    removed += RemoveDuplicates(
        m_texts,
        [](const CText& t) {
            // Empty texts are all equal to each other, wherever they are.
            return t.IsEmpty()
                       ? size_t(0)
                       : Mix(std::hash<std::string>()(t.GetName().str()), PointKey(t.GetPoint()));
        },
        [](const CText& a, const CText& b) { return a == b; }, nothing);
    const int juncs = RemoveDuplicates(
        m_juncs, [](const CJunc& j) { return std::hash<uint64_t>()(PointKey(j.GetPoint())); },
        [](const CJunc& a, const CJunc& b) { return a == b; }, nothing);
    removed += juncs;
    removed += RemoveDuplicates(
        m_pins,
        [](const CPin& p) { return Mix(PointKey(p.GetStartPoint()), PointKey(p.GetPoint())); },
        [](const CPin& a, const CPin& b) { return a.Compare(b); }, nothing);
    if (!removed)
        return 0;
    m_count = m_count > uint32_t(removed) ? m_count - uint32_t(removed) : 0;
    if (wires || juncs)
        MarkOpenPinsStale();
    if (report)
        report->duplicates += removed;
    return 1;
}

namespace {

// Removes each item pred accepts; returns how many went.
template <class T, class Pred> int RemoveIf(CItemList<T>& list, Pred pred)
{
    int removed = 0;
    for (POSITION pos = list.GetHeadPosition(); pos;) {
        const POSITION at = pos;
        if (pred(*list.GetNext(pos))) {
            list.RemoveAt(at);
            ++removed;
        }
    }
    return removed;
}

} // namespace

namespace {

// A wire that can carry the name of a zero-length wire at p: one with an
// end at p that has no name or the same one.
CLine* NameTakerAt(CItemList<CLine>& wires, const CLine& dot)
{
    const CPoint& p = dot.GetStartPoint();
    for (CLine& wire : wires) {
        if (&wire == &dot || wire.GetStartPoint() == wire.GetEndPoint())
            continue;
        if (wire.GetStartPoint() != p && wire.GetEndPoint() != p)
            continue;
        if (wire.GetName().IsEmpty() || wire.GetName().CompareNoCase(dot.GetName()) == 0)
            return &wire;
    }
    return nullptr;
}

} // namespace

int CSheet::CleanNulItem(CCleanUpReport* report)
{
    const auto pointLike = [](const CLine& line) {
        return line.GetStartPoint() == line.GetEndPoint();
    };
    // A zero-length wire joins nothing by itself, but its name joins its
    // point to the equally named nets: it goes only when a wire ending there
    // carries the name on.
    const int wires = RemoveIf(m_wires, [this, &pointLike](CLine& line) {
        if (!pointLike(line))
            return false;
        if (line.GetName().IsEmpty())
            return true;
        CLine* taker = NameTakerAt(m_wires, line);
        if (!taker)
            return false;
        if (taker->GetName().IsEmpty())
            taker->SetName(line.GetNameText());
        return true;
    });
    int removed = wires + RemoveIf(m_buses, pointLike) + RemoveIf(m_lines, pointLike);
    removed += RemoveIf(m_arcs, [](const CArc& arc) { return arc.GetRadial() < 1; });
    removed += RemoveIf(m_texts, [](const CText& text) { return text.IsEmpty(); });
    m_count = m_count > uint32_t(removed) ? m_count - uint32_t(removed) : 0;
    if (wires)
        MarkOpenPinsStale();
    if (report)
        report->emptyItems += removed;
    return removed ? 1 : 0;
}

namespace {

// Whether an item meets the sheet area.  Items with a box of some area are
// judged by it as the user sees them: a box that only touches the edge is
// outside.  Items whose box has no area - a zero-width line, a hidden text or
// pin - are judged by their geometry, edges included, so that nothing on the
// sheet goes only because it cannot be seen.
bool MeetsArea(const CRect& box, const CRect& geometry, const CRect& area)
{
    if (!box.IsRectEmpty()) {
        CRect common;
        return common.IntersectRect(box, area);
    }
    const CRect g = geometry.Normalized();
    return g.left <= area.right && g.right >= area.left && g.top <= area.bottom &&
           g.bottom >= area.top;
}

CRect PointBox(const CPoint& a, const CPoint& b)
{
    return CRect(a.x, a.y, b.x, b.y).Normalized();
}

} // namespace

int CSheet::CleanOutItem(const CSize& sheetSize, CCleanUpReport* report)
{
    // A sheet without an area has nothing outside it.
    if (sheetSize.cx <= 0 || sheetSize.cy <= 0)
        return 0;
    const CRect area(0, 0, sheetSize.cx, sheetSize.cy);
    const auto lineOut = [&area](const CLine& line) {
        return !MeetsArea(line.GetBoundingRect(),
                          PointBox(line.GetStartPoint(), line.GetEndPoint()), area);
    };
    const int wires = RemoveIf(m_wires, lineOut);
    int removed = wires + RemoveIf(m_buses, lineOut) + RemoveIf(m_lines, lineOut);
    removed += RemoveIf(m_arcs, [&area](const CArc& arc) {
        return !MeetsArea(arc.GetBoundingRect(), PointBox(arc.GetCenter(), arc.GetCenter()), area);
    });
    removed += RemoveIf(m_texts, [&area](const CText& text) {
        const CRect drawn = text.GetTextBoundingRect();
        return !MeetsArea(text.GetBoundingRect(),
                          drawn.IsRectNull() ? PointBox(text.GetPoint(), text.GetPoint()) : drawn,
                          area);
    });
    const int juncs = RemoveIf(m_juncs, [&area](const CJunc& junc) {
        return !MeetsArea(junc.GetBoundingRect(), PointBox(junc.GetPoint(), junc.GetPoint()), area);
    });
    removed += juncs;
    const int parts = RemoveIf(m_parts, [&area](const CPart& part) {
        return !MeetsArea(part.GetBoundingRect(), PointBox(part.GetOrg(), part.GetOrg()), area);
    });
    removed += parts;
    removed += RemoveIf(m_pins, [&area](const CPin& pin) {
        return !MeetsArea(pin.GetBoundingRect(), PointBox(pin.GetStartPoint(), pin.GetPoint()),
                          area);
    });
    if (!removed)
        return 0;
    m_count = m_count > uint32_t(removed) ? m_count - uint32_t(removed) : 0;
    if (wires || juncs || parts)
        MarkOpenPinsStale();
    if (report)
        report->outside += removed;
    return 1;
}

// --- the document's clean-up ------------------------------------------------------------------

int CSheet::CleanUpDocument(const CSize& sheetSize)
{
    return CleanUpDocument(sheetSize, CCleanUpOptions::FromSettings());
}

int CSheet::CleanUpDocument(const CSize& sheetSize, const CCleanUpOptions& options,
                            CCleanUpReport* report)
{
    int changed = CleanNulItem(report);
    NormalizeLines();
    {
        // The merges and the pin trims share their indexes: junctions and
        // pins stay as they are, and the wire index follows the merges.
        std::pmr::monotonic_buffer_resource arena;
        const CJuncIndex juncs(m_juncs);
        const CPinIndex pins(*this);
        CLineIndex wires(m_wires, &arena);
        // A cut at a pin or a merge made possible by another one can open
        // the way for further merges: the passes run until nothing changes,
        // so that tidying a tidy sheet changes nothing.  Every change removes
        // a line or shortens one, so this ends.
        std::vector<uint64_t> marked;
        for (int round = 0; round < kMaxTidyRounds; ++round) {
            // What was kept back counts once: as the last round left it.
            CCleanUpReport account;
            CTidyRound tidyRound(round == 0 ? nullptr : &marked);
            int roundChanged = 0;
            if (options.cleanLine)
                roundChanged |= CleanLine(options, wires, juncs, pins, &account, &tidyRound);
            roundChanged |= CheckOnPin(wires, juncs, pins, &account, &tidyRound);
            changed |= roundChanged;
            if (report) {
                report->mergedWires += account.mergedWires;
                report->mergedBuses += account.mergedBuses;
                report->mergedLines += account.mergedLines;
                report->cutBackLines += account.cutBackLines;
                report->pinTrims += account.pinTrims;
                report->pinTrimDeletions += account.pinTrimDeletions;
                report->keptForConnections = account.keptForConnections;
            }
            if (!roundChanged)
                break;
            marked = tidyRound.TakeMarks();
        }
    }
    changed |= CleanDupItem(report);
    if (options.over)
        changed |= CleanOutItem(sheetSize, report);
    RestoreLineDirections();
    return changed;
}
