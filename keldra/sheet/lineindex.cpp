#include "sheet/lineindex.h"

#include <algorithm>
#include <climits>

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

uint64_t RowKey(int32_t y)
{
    return uint32_t(y);
}

uint64_t ColumnKey(int32_t x)
{
    return (uint64_t(1) << 32) | uint32_t(x);
}

template <class T> void AddContact(const T& item, const CContact& c, std::vector<CContact>& out)
{
    const CContact other = CContact::Of(item);
    if (other.id != c.id && Touching(c, other))
        out.push_back(other);
}

} // namespace

// --- lines ------------------------------------------------------------------------------------

CLineIndex::CLineIndex(CItemList<CLine>& list, std::pmr::memory_resource* arena)
    : m_list(list), m_order(arena), m_collinear(arena), m_odd(arena)
{
    m_initial.reserve(size_t(list.GetCount()));
    m_order.reserve(size_t(list.GetCount()));
    int order = 0;
    for (POSITION pos = list.GetHeadPosition(); pos;) {
        const POSITION at = pos;
        CLine* line = list.GetNext(pos);
        m_initial.push_back(line);
        m_order.emplace(line, Entry{order, at});
        uint64_t key;
        if (AxisLineKey(line->GetStartPoint(), line->GetEndPoint(), key)) {
            const auto [lo, hi] = Stretch(line->GetStartPoint(), line->GetEndPoint());
            m_collinear[key].Add(line, order, lo, hi);
        } else {
            m_odd.emplace(PointKey(line->GetStartPoint()), line);
            if (line->GetEndPoint() != line->GetStartPoint())
                m_odd.emplace(PointKey(line->GetEndPoint()), line);
        }
        ++order;
    }
}

const CAxisRanges<CLine>* CLineIndex::RangesOf(uint64_t key) const
{
    const auto it = m_collinear.find(key);
    return it == m_collinear.end() ? nullptr : &it->second;
}

const CAxisRanges<CLine>* CLineIndex::Collinear(const CLine& line) const
{
    uint64_t key;
    return AxisLineKey(line.GetStartPoint(), line.GetEndPoint(), key) ? RangesOf(key) : nullptr;
}

void CLineIndex::Moved(CLine* line, const CPoint& oldStart, const CPoint& oldEnd)
{
    // The passes only ever move a line along its axis line.
    uint64_t key;
    if (!AxisLineKey(oldStart, oldEnd, key))
        return;
    CAxisRanges<CLine>& ranges = m_collinear[key];
    ranges.Remove(line, Stretch(oldStart, oldEnd).first);
    const auto [lo, hi] = Stretch(line->GetStartPoint(), line->GetEndPoint());
    ranges.Add(line, Order(line), lo, hi);
}

void CLineIndex::Remove(CLine* line)
{
    const auto entry = m_order.find(line);
    if (entry == m_order.end())
        return;
    uint64_t key;
    if (AxisLineKey(line->GetStartPoint(), line->GetEndPoint(), key)) {
        m_collinear[key].Remove(line, Stretch(line->GetStartPoint(), line->GetEndPoint()).first);
    } else {
        for (auto it = m_odd.begin(); it != m_odd.end();)
            it = it->second == line ? m_odd.erase(it) : std::next(it);
    }
    const POSITION pos = entry->second.pos;
    m_order.erase(entry);
    m_list.RemoveAt(pos);
}

void CLineIndex::Touching(const CContact& c, std::vector<CContact>& out) const
{
    // Lines with an end at one of c's ends lie on the row or the column
    // through that end (or are odd lines); lines overlapping c lie on its
    // axis line.  Touching() then decides.
    auto consider = [&](int, CLine* line) { AddContact(*line, c, out); };
    uint64_t axis;
    const bool onAxis = AxisLineKey(c.a, c.b, axis);
    for (const CPoint& p : {c.a, c.b}) {
        if (const CAxisRanges<CLine>* row = RangesOf(RowKey(p.y));
            row && !(onAxis && axis == RowKey(p.y)))
            row->Meeting(p.x, p.x, -1, consider);
        if (const CAxisRanges<CLine>* column = RangesOf(ColumnKey(p.x));
            column && !(onAxis && axis == ColumnKey(p.x)))
            column->Meeting(p.y, p.y, -1, consider);
        for (auto [it, end] = m_odd.equal_range(PointKey(p)); it != end; ++it)
            AddContact(*it->second, c, out);
        if (c.b == c.a)
            break;
    }
    if (onAxis)
        if (const CAxisRanges<CLine>* ranges = RangesOf(axis)) {
            const auto [lo, hi] = Stretch(c.a, c.b);
            ranges->Meeting(lo, hi, -1, consider);
        }
}

bool CLineIndex::OtherEndAt(const CPoint& p, const CLine* x, const CLine* y) const
{
    bool found = false;
    auto check = [&](int, CLine* line) {
        if (line != x && line != y && (line->GetStartPoint() == p || line->GetEndPoint() == p))
            found = true;
    };
    if (const CAxisRanges<CLine>* row = RangesOf(RowKey(p.y)))
        row->Meeting(p.x, p.x, -1, check);
    if (const CAxisRanges<CLine>* column = RangesOf(ColumnKey(p.x)); column && !found)
        column->Meeting(p.y, p.y, -1, check);
    for (auto [it, end] = m_odd.equal_range(PointKey(p)); it != end && !found; ++it)
        check(0, it->second);
    return found;
}

// --- junctions --------------------------------------------------------------------------------

CJuncIndex::CJuncIndex(const CItemList<CJunc>& juncs)
{
    m_rows.reserve(size_t(juncs.GetCount()));
    m_columns.reserve(size_t(juncs.GetCount()));
    for (const CJunc& junc : juncs) {
        const CPoint& p = junc.GetPoint();
        m_rows.push_back({p.y, p.x, &junc});
        m_columns.push_back({p.x, p.y, &junc});
    }
    std::stable_sort(m_rows.begin(), m_rows.end());
    std::stable_sort(m_columns.begin(), m_columns.end());
}

bool CJuncIndex::At(const CPoint& p) const
{
    const Entry key{p.y, p.x, nullptr};
    const auto it = std::lower_bound(m_rows.begin(), m_rows.end(), key);
    return it != m_rows.end() && it->across == p.y && it->along == p.x;
}

void CJuncIndex::Touching(const CContact& c, std::vector<CContact>& out) const
{
    // Every junction a wire's stroke can reach lies in its box grown by the
    // width; the exact test follows.  Walk the lines across the short side.
    const int64_t w = std::max(c.width, 0);
    const int64_t left = int64_t(std::min(c.a.x, c.b.x)) - w,
                  right = int64_t(std::max(c.a.x, c.b.x)) + w;
    const int64_t bottom = int64_t(std::min(c.a.y, c.b.y)) - w,
                  top = int64_t(std::max(c.a.y, c.b.y)) + w;
    const bool byRows = top - bottom <= right - left;
    const std::vector<Entry>& entries = byRows ? m_rows : m_columns;
    auto clamp = [](int64_t v) { return int32_t(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX)); };
    const int32_t acrossLo = clamp(byRows ? bottom : left), acrossHi = clamp(byRows ? top : right);
    const int32_t alongLo = clamp(byRows ? left : bottom), alongHi = clamp(byRows ? right : top);
    auto it = std::lower_bound(entries.begin(), entries.end(), Entry{acrossLo, alongLo, nullptr});
    while (it != entries.end() && it->across <= acrossHi) {
        if (it->along > alongHi) {
            // On to the next line across.
            if (it->across == INT32_MAX)
                break;
            it = std::lower_bound(it, entries.end(), Entry{it->across + 1, alongLo, nullptr});
            continue;
        }
        AddContact(*it->junc, c, out);
        ++it;
    }
}

// --- pins -------------------------------------------------------------------------------------

CPinIndex::CPinIndex(const CSheet& sheet)
{
    int order = 0;
    auto add = [this, &order](const CPin& pin) {
        if (!pin.IsDisp())
            return;
        m_tips.emplace_back(PointKey(pin.GetPoint()), &pin);
        uint64_t key;
        if (AxisLineKey(pin.GetStartPoint(), pin.GetPoint(), key)) {
            const auto [lo, hi] = Stretch(pin.GetStartPoint(), pin.GetPoint());
            m_strokes.push_back({key, lo, hi, order, &pin});
        }
        ++order;
    };
    for (const CPart& part : sheet.Parts())
        for (const CPin& pin : part.Pins())
            add(pin);
    for (const CPin& pin : sheet.Pins())
        add(pin);
    // Tips are only ever asked whether they are there: ties may fall in any order.
    std::sort(m_tips.begin(), m_tips.end());
    std::sort(m_strokes.begin(), m_strokes.end(), [](const Stroke& x, const Stroke& y) {
        return x.key != y.key ? x.key < y.key : x.lo != y.lo ? x.lo < y.lo : x.order < y.order;
    });
    for (size_t i = 0; i < m_strokes.size(); ++i) {
        auto [it, fresh] = m_lines.try_emplace(m_strokes[i].key, Line{i, i + 1, 0});
        it->second.end = i + 1;
        it->second.maxLength = std::max(it->second.maxLength, m_strokes[i].hi - m_strokes[i].lo);
    }
}

void CPinIndex::Touching(const CContact& c, std::vector<CContact>& out) const
{
    for (const CPoint& p : {c.a, c.b}) {
        const uint64_t key = PointKey(p);
        auto it = std::lower_bound(m_tips.begin(), m_tips.end(), key,
                                   [](const auto& entry, uint64_t k) { return entry.first < k; });
        for (; it != m_tips.end() && it->first == key; ++it)
            AddContact(*it->second, c, out);
        if (c.b == c.a)
            break;
    }
    const auto [lo, hi] = Stretch(c.a, c.b);
    Meeting(c.a, c.b, lo, hi, -1, [&](int, const CPin* pin) { AddContact(*pin, c, out); });
}

bool CPinIndex::AnyAt(const CPoint& p) const
{
    const uint64_t key = PointKey(p);
    const auto tip =
        std::lower_bound(m_tips.begin(), m_tips.end(), key,
                         [](const auto& entry, uint64_t k) { return entry.first < k; });
    if (tip != m_tips.end() && tip->first == key)
        return true;
    bool found = false;
    auto hit = [&found](int, const CPin*) { found = true; };
    // Any horizontal stroke on p's row, or vertical one on its column, through p.
    Meeting(p, CPoint(p.x + 1, p.y), p.x, p.x, -1, hit);
    Meeting(p, CPoint(p.x, p.y + 1), p.y, p.y, -1, hit);
    return found;
}

// --- the connection check ---------------------------------------------------------------------

bool CContactFinder::Allows(std::span<const CContact> before, std::span<const CContact> after) const
{
    m_found.clear();
    for (const auto side : {before, after}) {
        for (const CContact& c : side) {
            m_lines.Touching(c, m_found);
            m_juncs.Touching(c, m_found);
            if (m_pins)
                m_pins->Touching(c, m_found);
        }
    }
    // Each item once, the changed lines themselves left out.
    m_neighbours.clear();
    for (const CContact& c : m_found) {
        auto same = [&c](const CContact& x) { return x.id == c.id; };
        if (std::none_of(before.begin(), before.end(), same) &&
            std::none_of(m_neighbours.begin(), m_neighbours.end(), same))
            m_neighbours.push_back(c);
    }
    return KeepsConnections(m_neighbours, before, after);
}

bool CContactFinder::MergeIsClean(const CLine& a, const CContact& oldA, const CLine& b,
                                  const CContact& oldB) const
{
    // The merged line covers what the two covered, with the same width: every
    // junction and every overlapping line touches it exactly when it touched
    // one of them, and the ends it keeps keep what they touched.  Only what
    // met an end that is gone could be cut off; with nothing there, nothing is.
    if (oldA.width != oldB.width || a.GetLineWidth() != oldA.width)
        return false;
    const auto [aLo, aHi] = Stretch(oldA.a, oldA.b);
    const auto [bLo, bHi] = Stretch(oldB.a, oldB.b);
    if (Stretch(a.GetStartPoint(), a.GetEndPoint()) !=
        std::pair(std::min(aLo, bLo), std::max(aHi, bHi)))
        return false;
    for (const CPoint& p : {oldA.a, oldA.b, oldB.a, oldB.b}) {
        if (p == a.GetStartPoint() || p == a.GetEndPoint())
            continue;
        if (m_lines.OtherEndAt(p, &a, &b) || (m_pins && m_pins->AnyAt(p)))
            return false;
    }
    return true;
}
