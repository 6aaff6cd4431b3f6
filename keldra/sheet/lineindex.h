// Indexes the wire upkeep works with, so that its passes over a big sheet
// look only at the few items that can matter instead of every pair.
//
// Merging and trimming only ever act on lines that lie on one horizontal or
// vertical line, so lines are grouped by that line ("axis line": horizontal
// lines by y, vertical ones by x) and kept in list order within each group;
// the passes run their rule on a group exactly as the plain loops would run
// it on the whole list, in the same order.  End points, junctions and pin
// tips are looked up by point.  The indexes follow every change the passes
// make.
#pragma once

#include <cstdint>
#include <map>
#include <unordered_map>
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

// The lines of one list.
class CLineIndex {
public:
    explicit CLineIndex(CItemList<CLine>& list);

    CItemList<CLine>& List() { return m_list; }
    // The lines on the axis line of line, in list order (null for none).
    std::vector<CLine*>* Collinear(const CLine& line);
    int Order(const CLine* line) const { return m_order.at(line).order; }
    // Call after a line's end points changed (it stays on its axis line).
    void Moved(CLine* line, const CPoint& oldStart, const CPoint& oldEnd);
    // Takes the line out of the index and deletes it from the list.
    void Remove(CLine* line);
    // Lines with an end at p.
    const std::vector<CLine*>* EndsAt(const CPoint& p) const;
    // Every line touching c, as contacts.
    void Touching(const CContact& c, std::vector<CContact>& out) const;

private:
    struct Entry {
        int order;
        POSITION pos;
    };
    void AddEnd(const CPoint& p, CLine* line);
    void RemoveEnd(const CPoint& p, CLine* line);

    CItemList<CLine>& m_list;
    std::unordered_map<const CLine*, Entry> m_order;
    std::unordered_map<uint64_t, std::vector<CLine*>> m_collinear;
    std::unordered_map<uint64_t, std::vector<CLine*>> m_ends;
};

// The junctions of a sheet (they do not change while the index lives).
class CJuncIndex {
public:
    explicit CJuncIndex(const CItemList<CJunc>& juncs);
    bool At(const CPoint& p) const { return m_points.count(PointKey(p)) != 0; }
    // Junctions lying on the stroke of the wire c.
    void Touching(const CContact& c, std::vector<CContact>& out) const;

private:
    std::unordered_map<uint64_t, int> m_points;
    std::map<int32_t, std::vector<std::pair<int32_t, const CJunc*>>> m_rows;  // by y, sorted by x
    std::map<int32_t, std::vector<std::pair<int32_t, const CJunc*>>> m_columns;  // by x, sorted by y
};

// The visible pins of a sheet: those of its parts in part order, then the
// loose pins.
class CPinIndex {
public:
    explicit CPinIndex(const CSheet& sheet);
    // Horizontal pins whose stroke lies on the axis line of a horizontal
    // segment (vertical likewise), in pin order.
    const std::vector<const CPin*>* OnAxisLine(const CPoint& a, const CPoint& b) const;
    // Pins touching the wire c.
    void Touching(const CContact& c, std::vector<CContact>& out) const;

private:
    std::unordered_map<uint64_t, std::vector<const CPin*>> m_tips;
    std::unordered_map<uint64_t, std::vector<const CPin*>> m_axis;
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
    bool Allows(const std::vector<CContact>& before, const std::vector<CContact>& after) const;

private:
    const CLineIndex& m_lines;
    const CJuncIndex& m_juncs;
    const CPinIndex* m_pins;
};
