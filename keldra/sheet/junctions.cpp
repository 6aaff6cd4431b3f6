// Where junction dots belong, and what lies at a point.
#include <algorithm>
#include <vector>

#include "sheet/lineindex.h"
#include "sheet/sheet.h"

bool CSheet::CheckOnPin(const CPoint& p) const
{
    for (const CPart& part : m_parts)
        for (const CPin& pin : part.Pins())
            if (pin.CheckPoint(p))
                return true;
    for (const CPin& pin : m_pins)
        if (pin.CheckPoint(p))
            return true;
    return false;
}

int CSheet::GetOnCount(const CPoint& p, int code) const
{
    int n = 0;
    switch (code) {
    case kind::kWire:
        for (const CLine& wire : m_wires)
            n += wire.CheckPoint(p) ? 1 : 0;
        break;
    case kind::kJunc:
        for (const CJunc& junc : m_juncs)
            n += junc.GetPoint() == p ? 1 : 0;
        break;
    case kind::kPartPins:
        for (const CPart& part : m_parts)
            for (const CPin& pin : part.Pins())
                n += pin.CheckPoint(p) ? 1 : 0;  // hidden pins never count
        break;
    case 32:
        for (const CLine& wire : m_wires)
            n += wire.GetStartPoint() == p || wire.GetEndPoint() == p ? 1 : 0;
        break;
    default: break;
    }
    return n;
}

int CSheet::CheckJunc(const CPoint& p, int pinsCount) const
{
    if (GetOnCount(p, kind::kJunc) > 0)
        return 0;
    const int wires = GetOnCount(p, kind::kWire);
    if (wires > 2)
        return 1;
    const int pins = GetOnCount(p, kind::kPartPins);
    if (pins > 2 || wires + pins > 2)
        return 1;
    if (wires != 2)
        return pinsCount != 0 && wires + pins == 2 ? 1 : 0;
    // Two wires: two that end here form a corner; one passing through makes
    // a branch or a crossing at the other's end.
    int ending = 0;
    for (const CLine& wire : m_wires) {
        if (wire.GetStartPoint() == p || wire.GetEndPoint() == p) {
            if (++ending == 2)
                return 0;
        }
    }
    return 1;
}

void CSheet::GetWireOnJuncPoint(const CLine& line, std::vector<int64_t>& points) const
{
    for (const CJunc& junc : m_juncs) {
        if (!line.CheckPoint(junc.GetPoint()))
            continue;
        const int64_t key = PackPoint(junc.GetPoint());
        if (std::find(points.begin(), points.end(), key) == points.end())
            points.push_back(key);
    }
}
