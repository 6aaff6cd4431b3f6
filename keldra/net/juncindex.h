// The junctions of a sheet that lie on a wire's stroke, in list order (the
// order a net takes them in), found through the sheet's junction index
// instead of a walk over every junction.
#pragma once

#include <algorithm>
#include <unordered_map>
#include <vector>

#include "base/itemlist.h"
#include "items/junc.h"
#include "items/line.h"
#include "sheet/lineindex.h"
#include "sheet/wirecontacts.h"

class JuncIndex {
public:
    explicit JuncIndex(const CItemList<CJunc>& juncs) : m_index(juncs)
    {
        for (const CJunc& j : juncs) {
            m_order.emplace(&j, int(m_points.size()));
            m_points.push_back(j.GetPoint());
        }
    }
    // Positions in the junction list of the junctions on w, ascending.
    std::vector<int> OnWire(const CLine& w) const
    {
        std::vector<CContact> hits;
        m_index.Touching(CContact::Of(w), hits);
        std::vector<int> on;
        on.reserve(hits.size());
        for (const CContact& hit : hits)
            on.push_back(m_order.at(hit.id));
        std::sort(on.begin(), on.end());
        return on;
    }
    const CPoint& Point(int i) const { return m_points[size_t(i)]; }

private:
    CJuncIndex m_index;
    std::unordered_map<const void*, int> m_order;
    std::vector<CPoint> m_points;
};
