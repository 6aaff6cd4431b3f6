#include "sheet/lineindex.h"

#include <algorithm>
#include <unordered_set>

#include "sheet/sheet.h"

bool AxisLineKey(const CPoint& a, const CPoint& b, uint64_t& key)
{
    if (a.y == b.y && a.x != b.x) {
        key = uint32_t(a.y);
        return true;
    }
    if (a.x == b.x && a.y != b.y) {
        key = (uint64_t(1) << 32) | uint32_t(a.x);
        return true;
    }
    return false;
}

namespace {

template <class T>
void EraseOne(std::vector<T>& v, const T& x)
{
    const auto it = std::find(v.begin(), v.end(), x);
    if (it != v.end())
        v.erase(it);
}

template <class T>
void AddContacts(const std::vector<T*>* items, const CContact& c, std::vector<CContact>& out)
{
    if (!items)
        return;
    for (const T* item : *items) {
        const CContact other = CContact::Of(*item);
        if (other.id != c.id && Touching(c, other))
            out.push_back(other);
    }
}

}  // namespace

// --- lines ------------------------------------------------------------------------------------

CLineIndex::CLineIndex(CItemList<CLine>& list) : m_list(list)
{
    int order = 0;
    for (POSITION pos = list.GetHeadPosition(); pos;) {
        const POSITION at = pos;
        CLine* line = list.GetNext(pos);
        m_order.emplace(line, Entry{order++, at});
        uint64_t key;
        if (AxisLineKey(line->GetStartPoint(), line->GetEndPoint(), key))
            m_collinear[key].push_back(line);
        AddEnd(line->GetStartPoint(), line);
        AddEnd(line->GetEndPoint(), line);
    }
}

std::vector<CLine*>* CLineIndex::Collinear(const CLine& line)
{
    uint64_t key;
    if (!AxisLineKey(line.GetStartPoint(), line.GetEndPoint(), key))
        return nullptr;
    const auto it = m_collinear.find(key);
    return it == m_collinear.end() ? nullptr : &it->second;
}

void CLineIndex::AddEnd(const CPoint& p, CLine* line)
{
    std::vector<CLine*>& v = m_ends[PointKey(p)];
    // A zero-length line has both ends here; it is listed once.
    if (v.empty() || v.back() != line)
        v.push_back(line);
}

void CLineIndex::RemoveEnd(const CPoint& p, CLine* line)
{
    const auto it = m_ends.find(PointKey(p));
    if (it == m_ends.end())
        return;
    EraseOne(it->second, line);
    if (it->second.empty())
        m_ends.erase(it);
}

void CLineIndex::Moved(CLine* line, const CPoint& oldStart, const CPoint& oldEnd)
{
    RemoveEnd(oldStart, line);
    RemoveEnd(oldEnd, line);
    AddEnd(line->GetStartPoint(), line);
    AddEnd(line->GetEndPoint(), line);
}

void CLineIndex::Remove(CLine* line)
{
    const auto entry = m_order.find(line);
    if (entry == m_order.end())
        return;
    if (std::vector<CLine*>* collinear = Collinear(*line))
        EraseOne(*collinear, line);
    RemoveEnd(line->GetStartPoint(), line);
    RemoveEnd(line->GetEndPoint(), line);
    const POSITION pos = entry->second.pos;
    m_order.erase(entry);
    m_list.RemoveAt(pos);
}

const std::vector<CLine*>* CLineIndex::EndsAt(const CPoint& p) const
{
    const auto it = m_ends.find(PointKey(p));
    return it == m_ends.end() ? nullptr : &it->second;
}

void CLineIndex::Touching(const CContact& c, std::vector<CContact>& out) const
{
    // Lines sharing an end point, and lines overlapping on the same axis line.
    AddContacts(EndsAt(c.a), c, out);
    if (c.b != c.a)
        AddContacts(EndsAt(c.b), c, out);
    uint64_t key;
    if (AxisLineKey(c.a, c.b, key)) {
        const auto it = m_collinear.find(key);
        if (it != m_collinear.end())
            AddContacts(&it->second, c, out);
    }
}

// --- junctions --------------------------------------------------------------------------------

CJuncIndex::CJuncIndex(const CItemList<CJunc>& juncs)
{
    for (const CJunc& junc : juncs) {
        const CPoint& p = junc.GetPoint();
        ++m_points[PointKey(p)];
        m_rows[p.y].emplace_back(p.x, &junc);
        m_columns[p.x].emplace_back(p.y, &junc);
    }
    for (auto* lines : {&m_rows, &m_columns})
        for (auto& [coord, entries] : *lines)
            std::stable_sort(entries.begin(), entries.end(),
                             [](const auto& x, const auto& y) { return x.first < y.first; });
}

void CJuncIndex::Touching(const CContact& c, std::vector<CContact>& out) const
{
    // Every junction a wire's stroke can reach lies in its box grown by the
    // width; the exact test follows.
    const int64_t w = std::max(c.width, 0);
    const int64_t left = int64_t(std::min(c.a.x, c.b.x)) - w, right = int64_t(std::max(c.a.x, c.b.x)) + w;
    const int64_t bottom = int64_t(std::min(c.a.y, c.b.y)) - w, top = int64_t(std::max(c.a.y, c.b.y)) + w;
    // Walk the lines across the short side of the box.
    const bool byRows = top - bottom <= right - left;
    const auto& lines = byRows ? m_rows : m_columns;
    const int64_t lo = byRows ? bottom : left, hi = byRows ? top : right;
    const int64_t from = byRows ? left : bottom, to = byRows ? right : top;
    for (auto it = lines.lower_bound(int32_t(std::max<int64_t>(lo, INT32_MIN)));
         it != lines.end() && it->first <= hi; ++it) {
        const auto& entries = it->second;
        auto e = std::lower_bound(entries.begin(), entries.end(), from,
                                  [](const auto& entry, int64_t v) { return entry.first < v; });
        for (; e != entries.end() && e->first <= to; ++e) {
            const CContact junc = CContact::Of(*e->second);
            if (::Touching(c, junc))
                out.push_back(junc);
        }
    }
}

// --- pins -------------------------------------------------------------------------------------

CPinIndex::CPinIndex(const CSheet& sheet)
{
    auto add = [this](const CPin& pin) {
        if (!pin.IsDisp())
            return;
        m_tips[PointKey(pin.GetPoint())].push_back(&pin);
        uint64_t key;
        if (AxisLineKey(pin.GetStartPoint(), pin.GetPoint(), key))
            m_axis[key].push_back(&pin);
    };
    for (const CPart& part : sheet.Parts())
        for (const CPin& pin : part.Pins())
            add(pin);
    for (const CPin& pin : sheet.Pins())
        add(pin);
}

const std::vector<const CPin*>* CPinIndex::OnAxisLine(const CPoint& a, const CPoint& b) const
{
    uint64_t key;
    if (!AxisLineKey(a, b, key))
        return nullptr;
    const auto it = m_axis.find(key);
    return it == m_axis.end() ? nullptr : &it->second;
}

void CPinIndex::Touching(const CContact& c, std::vector<CContact>& out) const
{
    for (const CPoint& p : {c.a, c.b}) {
        const auto it = m_tips.find(PointKey(p));
        if (it != m_tips.end())
            AddContacts(&it->second, c, out);
        if (c.b == c.a)
            break;
    }
    AddContacts(OnAxisLine(c.a, c.b), c, out);
}

// --- the connection check ---------------------------------------------------------------------

bool CContactFinder::Allows(const std::vector<CContact>& before, const std::vector<CContact>& after) const
{
    std::vector<CContact> found;
    for (const auto* side : {&before, &after}) {
        for (const CContact& c : *side) {
            m_lines.Touching(c, found);
            m_juncs.Touching(c, found);
            if (m_pins)
                m_pins->Touching(c, found);
        }
    }
    // Each item once, the changed lines themselves left out.
    std::unordered_set<const void*> seen;
    for (const CContact& c : before)
        seen.insert(c.id);
    std::vector<CContact> neighbours;
    for (const CContact& c : found)
        if (seen.insert(c.id).second)
            neighbours.push_back(c);
    return KeepsGrouping(neighbours, before, after);
}
