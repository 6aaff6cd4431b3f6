// Wire upkeep: the operations that keep the wire, bus and line lists of a
// sheet in their canonical form.
#include <cstdint>
#include <utility>

#include "base/selectionsort.h"
#include "sheet/sheet.h"

void CSheet::SortLine(int code)
{
    CItemList<CLine>& list = code == 24 || code == 25 ? m_wires : code == 26 || code == 27 ? m_buses : m_lines;
    const bool horizontal = code == 24 || code == 26 || code == 28;
    SelectionSortList(list, [horizontal](const CLine& line) {
        const CPoint& p = line.GetStartPoint();
        // Larger y first: order by -y, in 64 bits so that INT_MIN stays in order.
        return horizontal ? std::pair<int64_t, int64_t>(-int64_t(p.y), p.x) : std::pair<int64_t, int64_t>(p.x, p.y);
    });
}
