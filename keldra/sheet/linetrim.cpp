// The editor's line trims: the corner trim of a set of parallel lines, and
// cutting back the wires a part has been placed onto at its pins.  Both work
// on small scratch sheets (a selection), so they follow their rules plainly.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

#include "sheet/sheet.h"

namespace {

// Moves every item of from to the tail of to.
void AppendAll(CItemList<CLine>& from, CItemList<CLine>& to)
{
    while (!from.IsEmpty())
        to.AddTail(from.Detach(from.GetHeadPosition()));
}

}  // namespace

bool CSheet::TrimLine(bool reverse)
{
    // Each list becomes its horizontal lines (sorted) followed by its
    // vertical lines (sorted), each set cleaned of empty and doubled lines.
    for (int code = kind::kHWire; code <= kind::kVLine; ++code) {
        CSheet scratch(kScratch);
        scratch.MoveItem(*this, code);
        scratch.CleanNulItem();
        scratch.CleanDupItem();
        scratch.SortLine(code);
        CItemList<CLine>& from = code <= kind::kVWire ? scratch.m_wires
                                 : code <= kind::kVBus ? scratch.m_buses
                                                       : scratch.m_lines;
        CItemList<CLine>& to = code <= kind::kVWire ? m_wires : code <= kind::kVBus ? m_buses : m_lines;
        m_count += uint32_t(from.GetCount());
        AppendAll(from, to);
    }
    bool result = false;
    for (CItemList<CLine>* list : {&m_wires, &m_buses, &m_lines})
        result = TrimLine(*list, reverse) || result;
    if (result)
        MarkOpenPinsStale();
    return result;
}

bool CSheet::TrimLine(CItemList<CLine>& list, bool reverse)
{
    bool result = false;
    // Absorb: a line that another one can take in goes, and the scan starts over.
    for (POSITION pos = list.GetHeadPosition(); pos;) {
        const POSITION at = pos;
        CLine* l = list.GetNext(pos);
        bool absorbed = false;
        for (CLine& m : list) {
            if (&m != l && m.Trim(*l)) {
                absorbed = true;
                break;
            }
        }
        if (absorbed) {
            list.RemoveAt(at);
            if (m_count > 0)
                --m_count;
            result = true;
            pos = list.GetHeadPosition();
        }
    }

    std::vector<CLine*> lines;
    for (CLine& line : list)
        lines.push_back(&line);
    const auto firstVertical = std::find_if(lines.begin(), lines.end(), [](const CLine* l) { return l->IsVertical(); });
    if (firstVertical == lines.end() || firstVertical == lines.begin())
        return result;
    // Horizontal lines from the head up to the first vertical one; vertical
    // lines from there on (or back from the tail, up to the first horizontal
    // one met).  Pairs run out with the shorter side.
    std::vector<CLine*> horizontal, vertical;
    for (auto it = lines.begin(); it != firstVertical; ++it)
        if ((*it)->IsHorizontal())
            horizontal.push_back(*it);
    if (reverse) {
        for (auto it = lines.rbegin(); it != lines.rend() && !(*it)->IsHorizontal(); ++it)
            if ((*it)->IsVertical())
                vertical.push_back(*it);
    } else {
        for (auto it = firstVertical; it != lines.end(); ++it)
            if ((*it)->IsVertical())
                vertical.push_back(*it);
    }
    const size_t pairs = std::min(horizontal.size(), vertical.size());
    for (size_t i = 0; i < pairs; ++i) {
        TrimCrossLine(horizontal[i], vertical[i]);
        result = true;
    }
    return result;
}

void CSheet::TrimCrossLine(CLine* h, CLine* v)
{
    const bool hTurned = h->NormalPoint();
    const bool vTurned = v->NormalPoint();
    // x: h runs from a to b (a <= b) and must reach c = v.x.
    const int32_t a = h->GetStartPoint().x, b = h->GetEndPoint().x, c = v->GetStartPoint().x;
    CPoint hs = h->GetStartPoint(), he = h->GetEndPoint();
    if (c < a) {
        hs.x = c;
    } else if (c > b) {
        he.x = c;
    } else if (c != a && c != b) {
        if (int64_t(c) - a < int64_t(b) - c)
            hs.x = c;
        else
            he.x = c;
    }
    h->SetPoint(hs, he);
    // y: v runs down from its start (the larger y) to its end and must reach r = h.y.
    const int32_t top = v->GetStartPoint().y, bottom = v->GetEndPoint().y, r = h->GetStartPoint().y;
    CPoint vs = v->GetStartPoint(), ve = v->GetEndPoint();
    if (r > top) {
        vs.y = r;
    } else if (r < bottom) {
        ve.y = r;
    } else if (r != top && r != bottom) {
        if (int64_t(top) - r <= int64_t(r) - bottom)
            vs.y = r;
        else
            ve.y = r;
    }
    v->SetPoint(vs, ve);
    if (hTurned)
        h->Swap();
    if (vTurned)
        v->Swap();
}

// --- wires under a part -------------------------------------------------------------------------

bool CSheet::CheckTrimPart(const CPart* part, CSheet* hits, CSheet* rest) const
{
    if (!part)
        return false;
    const CRect outline = part->GetSimpleBoundingRect();
    const int before = hits ? hits->m_wires.GetCount() + hits->m_buses.GetCount() + hits->m_lines.GetCount() : 0;
    int found = 0;
    for (const CItemList<CLine>* list : {&m_wires, &m_buses, &m_lines}) {
        for (const CLine& line : *list) {
            bool touches = false;
            CRect common;
            if (common.IntersectRect(line.GetBoundingRect(), outline)) {
                for (const CPin& pin : part->Pins()) {
                    if (!pin.IsDisp())
                        continue;
                    CLine probe = line;
                    probe.NormalPoint();
                    CLine probe2 = probe;
                    if (pin.CheckOnPin(probe) || pin.CheckOverWire(probe2)) {
                        touches = true;
                        break;
                    }
                }
            }
            if (touches) {
                ++found;
                if (hits)
                    hits->NewLine(line);
            } else if (rest) {
                rest->NewLine(line);
            }
        }
    }
    return hits ? hits->m_wires.GetCount() + hits->m_buses.GetCount() + hits->m_lines.GetCount() > before
                : found > 0;
}

bool CSheet::TrimPartLine(const CPart* part, CSheet& out) const
{
    bool result = false;
    for (const CPin& pin : part->Pins()) {
        if (!pin.IsDisp())
            continue;
        for (const CItemList<CLine>* list : {&m_wires, &m_buses, &m_lines}) {
            for (const CLine& line : *list) {
                CLine copy = line;
                const bool over = pin.CheckOverWire(copy);
                const bool on = pin.CheckOnPin(copy);
                if (over || on) {
                    out.NewLine(copy);
                    result = true;
                    continue;
                }
                // A line meeting the tip from the side the pin points to.
                const uint32_t dir = pin.GetDir();
                if (((dir == 0x100 || dir == 0x200) && copy.GetEndPoint() == pin.GetPoint()) ||
                    ((dir == 0 || dir == 0x300) && copy.GetStartPoint() == pin.GetPoint()))
                    out.NewLine(copy);
            }
        }
    }
    return result;
}

void CSheet::TidyForTrim()
{
    NormalizeLines();
    CleanLine();
    CheckOnPin();
    CleanDupItem();
}

bool CSheet::TrimPartLine(CSheet& out)
{
    TidyForTrim();
    out = *this;
    bool trimmed = false;
    for (const CPart& part : m_parts) {
        CSheet hits(kScratch), rest(kScratch);
        out.CheckTrimPart(&part, &hits, &rest);
        CSheet cut(kScratch);
        trimmed = hits.TrimPartLine(&part, cut) || trimmed;
        out = cut;
        out += rest;
    }
    RestoreLineDirections();
    out.RestoreLineDirections();
    out.CleanLine();
    out.CheckOnPin();
    out.CleanDupItem();
    if (trimmed) {
        CSheet parts(kScratch);
        parts.MoveItem(*this, kind::kPart);
        out += parts;
    }
    return trimmed;
}
