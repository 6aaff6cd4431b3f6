// Indexes the wire upkeep works with, so that its passes over a big sheet
// look only at the few items that can matter instead of every pair.
//
// Merging and trimming only ever act on two lines (or a line and a pin) that
// lie on one horizontal or vertical line and whose stretches along it meet;
// every other pair is left exactly as it is.  So lines and pins are grouped
// by that line ("axis line": horizontal ones by y, vertical ones by x) and,
// within it, found by their stretch; a pass asks for the partners that meet
// a line's stretch and takes them in list order, which is the order the
// plain loop over every pair would meet them in.  End points, junctions and
// pin tips are looked up by point.  The line index follows every change the
// passes make; junctions and pins do not change while a pass runs.
#pragma once

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <map>
#include <memory_resource>
#include <span>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "base/itemlist.h"
#include "base/point.h"
#include "sheet/wirecontacts.h"

class CLine;
class CJunc;
class CPin;
class CSheet;

// A point as one 64-bit key.
inline uint64_t PointKey(const CPoint& p)
{
    return (uint64_t(uint32_t(p.x)) << 32) | uint32_t(p.y);
}

// The axis line of a horizontal or vertical segment, as a key; false for an
// oblique or zero-length one.
bool AxisLineKey(const CPoint& a, const CPoint& b, uint64_t& key);

// The stretch of a segment along its axis line (x for horizontal segments, y
// for vertical ones), ends included.
inline std::pair<int64_t, int64_t> Stretch(const CPoint& a, const CPoint& b)
{
    const bool horizontal = a.y == b.y;
    const int64_t s = horizontal ? a.x : a.y, e = horizontal ? b.x : b.y;
    return {std::min(s, e), std::max(s, e)};
}

// Items on one axis line by their stretch, each with its place in list
// order; items may come and go.
template <class T> class CAxisRanges {
public:
    // Kept in the arena of the index that holds it.
    using allocator_type = std::pmr::polymorphic_allocator<std::byte>;
    CAxisRanges() = default;
    explicit CAxisRanges(const allocator_type& alloc) : m_byLo(alloc) {}
    CAxisRanges(const CAxisRanges& other, const allocator_type& alloc)
        : m_byLo(other.m_byLo, alloc), m_maxLength(other.m_maxLength)
    {
    }
    CAxisRanges(CAxisRanges&& other, const allocator_type& alloc)
        : m_byLo(std::move(other.m_byLo), alloc), m_maxLength(other.m_maxLength)
    {
    }

    void Add(T* item, int order, int64_t lo, int64_t hi)
    {
        m_byLo.emplace(lo, Entry{hi, order, item});
        m_maxLength = std::max(m_maxLength, hi - lo);
    }
    void Remove(T* item, int64_t lo)
    {
        for (auto [it, end] = m_byLo.equal_range(lo); it != end; ++it) {
            if (it->second.item == item) {
                m_byLo.erase(it);
                return;
            }
        }
    }
    // Items whose stretch meets [x, y] and that come after `after` in list
    // order, passed to f(order, item).
    template <class F> void Meeting(int64_t x, int64_t y, int after, F f) const
    {
        // Nothing starting before x - the longest stretch can reach x.
        for (auto it = m_byLo.lower_bound(x - m_maxLength); it != m_byLo.end() && it->first <= y;
             ++it)
            if (it->second.hi >= x && it->second.order > after)
                f(it->second.order, it->second.item);
    }

private:
    struct Entry {
        int64_t hi;
        int order;
        T* item;
    };
    std::pmr::multimap<int64_t, Entry> m_byLo;
    int64_t m_maxLength = 0; // never shrinks: an upper bound is all the search needs
};

// The indexes live for one pass (or one clean-up); their many small nodes
// come from an arena the caller owns, which is dropped in one piece.

// The lines of one list.
class CLineIndex {
public:
    CLineIndex(CItemList<CLine>& list, std::pmr::memory_resource* arena);

    // The lines on the axis line of line (null for an oblique or zero-length line).
    const CAxisRanges<CLine>* Collinear(const CLine& line) const;
    int Order(const CLine* line) const { return m_order.at(line).order; }
    bool Contains(const CLine* line) const { return m_order.count(line) != 0; }
    // The lines in list order, as they were when the index was made.
    const std::vector<CLine*>& InitialOrder() const { return m_initial; }
    // Call after a line's end points changed (it stays on its axis line).
    void Moved(CLine* line, const CPoint& oldStart, const CPoint& oldEnd);
    // Takes the line out of the index and deletes it from the list.
    void Remove(CLine* line);
    // Every line touching c, as contacts.
    void Touching(const CContact& c, std::vector<CContact>& out) const;
    // Whether a line other than x and y has an end at p.
    bool OtherEndAt(const CPoint& p, const CLine* x, const CLine* y) const;

private:
    struct Entry {
        int order;
        POSITION pos;
    };
    const CAxisRanges<CLine>* RangesOf(uint64_t key) const;

    CItemList<CLine>& m_list;
    std::vector<CLine*> m_initial;
    std::pmr::unordered_map<const CLine*, Entry> m_order;
    std::pmr::unordered_map<uint64_t, CAxisRanges<CLine>> m_collinear;
    // Oblique and zero-length lines by their end points (they are few).
    std::pmr::unordered_multimap<uint64_t, CLine*> m_odd;
};

// The junctions of a sheet.
class CJuncIndex {
public:
    explicit CJuncIndex(const CItemList<CJunc>& juncs);
    bool At(const CPoint& p) const;
    // Junctions lying on the stroke of the wire c.
    void Touching(const CContact& c, std::vector<CContact>& out) const;

private:
    struct Entry {
        int32_t across, along; // rows: y, x; columns: x, y
        const CJunc* junc;
        bool operator<(const Entry& o) const
        {
            return across != o.across ? across < o.across : along < o.along;
        }
    };
    std::vector<Entry> m_rows;
    std::vector<Entry> m_columns;
};

// The visible pins of a sheet: those of its parts in part order, then the
// loose pins.
class CPinIndex {
public:
    explicit CPinIndex(const CSheet& sheet);
    // Horizontal pins whose stroke lies on the axis line of a horizontal
    // segment (vertical likewise) and meets the stretch [x, y] of it, coming
    // after `after` in pin order, passed to f(order, pin).
    template <class F>
    void Meeting(const CPoint& a, const CPoint& b, int64_t x, int64_t y, int after, F f) const;
    // Pins touching the wire c.
    void Touching(const CContact& c, std::vector<CContact>& out) const;
    // Whether a pin's tip is at p or its stroke passes through p.
    bool AnyAt(const CPoint& p) const;

private:
    struct Stroke {
        uint64_t key;
        int64_t lo, hi;
        int order;
        const CPin* pin;
    };
    struct Line {
        size_t begin, end;
        int64_t maxLength;
    };
    std::vector<std::pair<uint64_t, const CPin*>> m_tips; // sorted by point
    std::vector<Stroke> m_strokes;                        // sorted by axis line, then lo
    std::unordered_map<uint64_t, Line> m_lines;
};

template <class F>
void CPinIndex::Meeting(const CPoint& a, const CPoint& b, int64_t x, int64_t y, int after,
                        F f) const
{
    uint64_t key;
    if (!AxisLineKey(a, b, key))
        return;
    const auto line = m_lines.find(key);
    if (line == m_lines.end())
        return;
    const auto first = m_strokes.begin() + ptrdiff_t(line->second.begin);
    const auto last = m_strokes.begin() + ptrdiff_t(line->second.end);
    const int64_t from = x - line->second.maxLength;
    for (auto it = std::lower_bound(first, last, from,
                                    [](const Stroke&s, int64_t v) { return s.lo < v; });
         it != last && it->lo <= y; ++it)
        if (it->hi >= x && it->order > after)
            f(it->order, it->pin);
}

// One round of the repeated clean-up passes.  A change (or a change held
// back) can open the way for another only on the axis lines through the
// points it moved: lines shrink or merge, and everything else touching was
// already looked at.  So a later round looks only at lines on the axis lines
// the round before marked (or the current round has marked so far).
class CTidyRound {
public:
    // only: the axis lines to look at (sorted), or null for every line.
    explicit CTidyRound(const std::vector<uint64_t>* only) : m_only(only) {}
    // The row and the column through each point.
    void Mark(std::initializer_list<CPoint> points)
    {
        for (const CPoint& p : points) {
            const uint64_t row = uint32_t(p.y), column = (uint64_t(1) << 32) | uint32_t(p.x);
            m_marks.push_back(row);
            m_marks.push_back(column);
            if (m_only) {
                m_recent.insert(row);
                m_recent.insert(column);
            }
        }
    }
    bool Looks(const CPoint& a, const CPoint& b) const
    {
        uint64_t key;
        return !m_only || !AxisLineKey(a, b, key) ||
               std::binary_search(m_only->begin(), m_only->end(), key) || m_recent.count(key);
    }
    // The axis lines marked, sorted, each once.
    std::vector<uint64_t> TakeMarks()
    {
        std::sort(m_marks.begin(), m_marks.end());
        m_marks.erase(std::unique(m_marks.begin(), m_marks.end()), m_marks.end());
        return std::move(m_marks);
    }

private:
    const std::vector<uint64_t>* m_only;
    std::vector<uint64_t> m_marks;
    std::unordered_set<uint64_t> m_recent; // marked in this round, when it looks at some only
};

// Everything a changed wire can touch: the lines of its list, the sheet's
// junctions and, for wires, the visible pins.
class CContactFinder {
public:
    CContactFinder(const CLineIndex& lines, const CJuncIndex& juncs, const CPinIndex* pins)
        : m_lines(lines), m_juncs(juncs), m_pins(pins)
    {
    }
    // Whether replacing the lines `before` by `after` keeps every connection.
    bool Allows(std::span<const CContact> before, std::span<const CContact> after) const;
    // A quick answer for the common merge: a has taken in b (both given as
    // they were) and covers exactly their joint stretch.  True only when
    // Allows would say so too; false means "ask Allows".
    bool MergeIsClean(const CLine& a, const CContact& oldA, const CLine& b,
                      const CContact& oldB) const;

private:
    const CLineIndex& m_lines;
    const CJuncIndex& m_juncs;
    const CPinIndex* m_pins;
    mutable std::vector<CContact> m_found; // scratch, kept to save allocations
    mutable std::vector<CContact> m_neighbours;
};
