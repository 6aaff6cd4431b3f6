// JuncIndex: the junctions of a sheet that lie on a wire's stroke, found
// through two sorted arrays of junction points (by row and by column) instead
// of a walk over every junction.
#pragma once

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

#include "base/itemlist.h"
#include "items/junc.h"
#include "items/line.h"

// Junction points sorted by one coordinate and then the other, for the
// junctions inside a box.
class JuncGrid {
public:
    JuncGrid(const CItemList<CJunc>& juncs, bool byRow) : m_byRow(byRow)
    {
        int index = 0;
        for (const CJunc& j : juncs) {
            const CPoint& p = j.GetPoint();
            m_entries.push_back({byRow ? p.y : p.x, byRow ? p.x : p.y, index++});
        }
        std::sort(m_entries.begin(), m_entries.end());
    }
    // Indexes of the junctions with major in [a0, a1] and minor in [b0, b1].
    void Query(int64_t a0, int64_t a1, int64_t b0, int64_t b1, std::vector<int>& out) const
    {
        auto it = Seek(a0, b0);
        while (it != m_entries.end() && it->a <= a1) {
            if (it->b < b0) {
                it = Seek(it->a, b0);
            } else if (it->b > b1) {
                it = Seek(int64_t(it->a) + 1, b0);
            } else {
                out.push_back(it->index);
                ++it;
            }
        }
    }
    bool ByRow() const { return m_byRow; }

private:
    struct Entry {
        int32_t a, b;
        int index;
        bool operator<(const Entry& o) const
        {
            return a != o.a ? a < o.a : b != o.b ? b < o.b : index < o.index;
        }
    };
    std::vector<Entry>::const_iterator Seek(int64_t a, int64_t b) const
    {
        return std::lower_bound(m_entries.begin(), m_entries.end(),
                                std::pair<int64_t, int64_t>(a, b),
                                [](const Entry& e, const std::pair<int64_t, int64_t>& key) {
                                    return e.a != key.first ? e.a < key.first : e.b < key.second;
                                });
    }
    bool m_byRow;
    std::vector<Entry> m_entries;
};

// The junctions of the sheet lying on one wire's stroke, in list order.
class JuncIndex {
public:
    explicit JuncIndex(const CItemList<CJunc>& juncs) : m_rows(juncs, true), m_columns(juncs, false)
    {
        for (const CJunc& j : juncs)
            m_points.push_back(j.GetPoint());
    }
    std::vector<int> OnWire(const CLine& w) const
    {
        const CPoint& s = w.GetStartPoint();
        const CPoint& e = w.GetEndPoint();
        const int64_t reach = std::max(w.GetLineWidth(), 0);
        const int64_t x0 = int64_t(std::min(s.x, e.x)) - reach,
                      x1 = int64_t(std::max(s.x, e.x)) + reach;
        const int64_t y0 = int64_t(std::min(s.y, e.y)) - reach,
                      y1 = int64_t(std::max(s.y, e.y)) + reach;
        std::vector<int> hits;
        if (y1 - y0 <= x1 - x0)
            m_rows.Query(y0, y1, x0, x1, hits);
        else
            m_columns.Query(x0, x1, y0, y1, hits);
        hits.erase(std::remove_if(hits.begin(), hits.end(),
                                  [&](int i) {
                                      return !CLine::CheckStroke(s, e, w.GetLineWidth(),
                                                                 m_points[i]);
                                  }),
                   hits.end());
        std::sort(hits.begin(), hits.end());
        return hits;
    }
    const CPoint& Point(int i) const { return m_points[i]; }

private:
    JuncGrid m_rows, m_columns;
    std::vector<CPoint> m_points;
};
