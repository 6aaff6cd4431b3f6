// The open-pin marks: the cross drawn at the tip of a pin that nothing is
// connected to.  The rules look at each part's neighbourhood only - other
// parts, wires and junctions near it - so the neighbours come from a grid of
// cells instead of a walk over the whole sheet per part; they are visited in
// list order, as the plain loops visit them.
#include <algorithm>
#include <cstdint>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "base/profile.h"
#include "sheet/lineindex.h"
#include "sheet/sheet.h"

namespace {

// Items by the cells of a coarse grid their rectangles cover.
class CRectGrid {
public:
    static constexpr int64_t kCell = 1024;
    static constexpr int64_t kMaxCells = 64; // larger rectangles are always candidates

    void Add(int index, const CRect& rect)
    {
        m_rects.resize(std::max<size_t>(m_rects.size(), size_t(index) + 1));
        m_rects[index] = rect;
        if (!Cells(rect, [&](uint64_t cell) { m_cells[cell].push_back(index); }))
            m_large.push_back(index);
    }

    // Indices of items whose rectangle meets rect, ascending.
    std::vector<int> Meeting(const CRect& rect) const
    {
        std::vector<int> found(m_large);
        const bool small = Cells(rect, [&](uint64_t cell) {
            const auto it = m_cells.find(cell);
            if (it != m_cells.end())
                found.insert(found.end(), it->second.begin(), it->second.end());
        });
        if (!small) {
            found.resize(m_rects.size());
            for (size_t i = 0; i < found.size(); ++i)
                found[i] = int(i);
        }
        std::sort(found.begin(), found.end());
        found.erase(std::unique(found.begin(), found.end()), found.end());
        std::vector<int> meeting;
        for (int i : found) {
            CRect common;
            if (common.IntersectRect(m_rects[i], rect))
                meeting.push_back(i);
        }
        return meeting;
    }

private:
    // Calls f for each cell of rect; false (and no calls) when there are too many.
    template <class F> static bool Cells(const CRect& r, F f)
    {
        const CRect n = r.Normalized();
        const int64_t x0 = FloorDiv(n.left), x1 = FloorDiv(n.right);
        const int64_t y0 = FloorDiv(n.top), y1 = FloorDiv(n.bottom);
        if ((x1 - x0 + 1) * (y1 - y0 + 1) > kMaxCells)
            return false;
        for (int64_t x = x0; x <= x1; ++x)
            for (int64_t y = y0; y <= y1; ++y)
                f((uint64_t(uint32_t(int32_t(x))) << 32) | uint32_t(int32_t(y)));
        return true;
    }
    static int64_t FloorDiv(int64_t v) { return v >= 0 ? v / kCell : -((-v + kCell - 1) / kCell); }

    std::vector<CRect> m_rects;
    std::unordered_map<uint64_t, std::vector<int>> m_cells;
    std::vector<int> m_large;
};

} // namespace

void CSheet::CalcPinOpen()
{
    if (!m_calcOpen)
        return;
    CProfile& profile = Profile();
    const bool ncx = profile.GetInt("Default", "Pin NCX", 0) != 0;
    const bool openx = profile.GetInt("Default", "Pin OpenX", 0) != 0;
    auto isNoConnect = [](const CPin& pin) { return pin.GetEleType() == CPin::NoConnect; };

    for (CPart& part : m_parts) {
        for (CPin& pin : part.Pins()) {
            if (isNoConnect(pin)) {
                if (!ncx)
                    pin.ModifyElect(0, CPin::kOpenMark);
                else if (pin.IsDisp())
                    pin.ModifyElect(CPin::kOpenMark, 0);
            } else if (!openx) {
                pin.ModifyElect(0, CPin::kOpenMark);
            } else if (pin.IsDisp()) {
                pin.ModifyElect(CPin::kOpenMark, 0);
            }
        }
    }
    if (!openx) {
        m_calcOpen = 0;
        return;
    }

    // While "Pin NCX" is on, No Connect pins keep their mark whatever touches them.
    auto clear = [&](CPin& pin) {
        if (!(ncx && isNoConnect(pin)))
            pin.ModifyElect(0, CPin::kOpenMark);
    };
    auto marked = [](const CPin& pin) { return pin.IsDispX(); };

    std::vector<CPart*> parts;
    CRectGrid partGrid;
    for (CPart& part : m_parts) {
        partGrid.Add(int(parts.size()), part.GetBoundingRect());
        parts.push_back(&part);
    }
    std::vector<const CLine*> wires;
    CRectGrid wireGrid;
    for (const CLine& wire : m_wires) {
        wireGrid.Add(int(wires.size()), wire.GetBoundingRect());
        wires.push_back(&wire);
    }
    std::unordered_set<uint64_t> juncs;
    for (const CJunc& junc : m_juncs)
        juncs.insert(PointKey(junc.GetPoint()));

    for (size_t i = 0; i < parts.size(); ++i) {
        CPart& p = *parts[i];
        CRect around = p.GetBoundingRect();
        around.InflateRect(8, 8);
        std::vector<CPin*> pins;
        for (CPin& pin : p.Pins())
            pins.push_back(&pin);

        // a. Pins of the part that meet each other.  Hidden pins connect
        // nothing by position: a pin meeting only a hidden one stays open,
        // as the netlist has it.
        for (size_t x = 0; x < pins.size(); ++x) {
            for (size_t y = x + 1; y < pins.size(); ++y) {
                if (pins[x]->GetPoint() == pins[y]->GetPoint() && pins[x]->IsDisp() &&
                    pins[y]->IsDisp() && (marked(*pins[x]) || marked(*pins[y]))) {
                    clear(*pins[x]);
                    clear(*pins[y]);
                }
            }
        }
        // b. Pins of later parts nearby that meet a pin of this part.
        for (int j : partGrid.Meeting(around)) {
            if (size_t(j) <= i)
                continue;
            for (CPin& q : parts[j]->Pins()) {
                if (!marked(q))
                    continue;
                for (CPin* mine : pins) {
                    if (mine->IsDisp() && mine->GetPoint() == q.GetPoint()) {
                        clear(q);
                        clear(*mine);
                        break;
                    }
                }
            }
        }
        // c. Wires ending at a pin.
        for (int w : wireGrid.Meeting(around)) {
            const CLine& wire = *wires[w];
            int cleared = 0;
            for (CPin* mine : pins) {
                if (cleared == 2)
                    break;
                if (marked(*mine) && (mine->GetPoint() == wire.GetStartPoint() ||
                                      mine->GetPoint() == wire.GetEndPoint())) {
                    clear(*mine);
                    ++cleared;
                }
            }
        }
        // d. A junction at the tip on a wire that passes there.
        for (CPin* mine : pins) {
            if (!marked(*mine) || !juncs.count(PointKey(mine->GetPoint())))
                continue;
            const CPoint tip = mine->GetPoint();
            for (int w : wireGrid.Meeting(CRect(tip.x - 1, tip.y - 1, tip.x + 1, tip.y + 1))) {
                if (wires[w]->CheckStroke(tip)) {
                    clear(*mine);
                    break;
                }
            }
        }
    }
    m_calcOpen = 0;
}
