#include "sheet/wirecontacts.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <vector>

#include "base/string.h"
#include "items/junc.h"
#include "items/line.h"
#include "items/pin.h"

CContact CContact::Of(const CLine& line)
{
    const CString* name = line.GetName().IsEmpty() ? nullptr : &line.GetName();
    return CContact{Wire, line.GetStartPoint(), line.GetEndPoint(), line.GetLineWidth(), name,
                    &line};
}

CContact CContact::Of(const CJunc& junc)
{
    return CContact{Junc, junc.GetPoint(), junc.GetPoint(), 0, nullptr, &junc};
}

CContact CContact::Of(const CPin& pin)
{
    return CContact{Pin, pin.GetStartPoint(), pin.GetPoint(), 0, nullptr, &pin};
}

namespace {

bool IsHorizontal(const CContact& c)
{
    return c.a.y == c.b.y && c.a.x != c.b.x;
}

bool IsVertical(const CContact& c)
{
    return c.a.x == c.b.x && c.a.y != c.b.y;
}

// The ranges of two segments on one horizontal or vertical line (that of x),
// or false when they do not lie on one such line.
bool OnOneLine(const CContact& x, const CContact& y, int64_t& xLo, int64_t& xHi, int64_t& yLo,
               int64_t& yHi)
{
    bool horizontal;
    if (IsHorizontal(x) && y.a.y == x.a.y && y.b.y == x.a.y)
        horizontal = true;
    else if (IsVertical(x) && y.a.x == x.a.x && y.b.x == x.a.x)
        horizontal = false;
    else
        return false;
    auto along = [horizontal](const CPoint& p) { return int64_t(horizontal ? p.x : p.y); };
    xLo = std::min(along(x.a), along(x.b));
    xHi = std::max(along(x.a), along(x.b));
    yLo = std::min(along(y.a), along(y.b));
    yHi = std::max(along(y.a), along(y.b));
    return true;
}

CContactKind WiresContact(const CContact& x, const CContact& y)
{
    if (x.a == y.a || x.a == y.b || x.b == y.a || x.b == y.b)
        return CContactKind::Joined;
    int64_t xLo, xHi, yLo, yHi;
    if (OnOneLine(x, y, xLo, xHi, yLo, yHi) && std::max(xLo, yLo) < std::min(xHi, yHi))
        return CContactKind::Seen;
    return CContactKind::None;
}

CContactKind WirePinContact(const CContact& wire, const CContact& pin)
{
    if (wire.a == pin.b || wire.b == pin.b)
        return CContactKind::Joined;
    int64_t pinLo, pinHi, wireLo, wireHi;
    if (!OnOneLine(pin, wire, pinLo, pinHi, wireLo, wireHi))
        return CContactKind::None;
    // Along the stroke over a stretch, and on as far as the tip.
    const int64_t tip = IsHorizontal(pin) ? pin.b.x : pin.b.y;
    if (std::max(pinLo, wireLo) < std::min(pinHi, wireHi) && wireLo <= tip && tip <= wireHi)
        return CContactKind::Seen;
    return CContactKind::None;
}

CContactKind Joined(bool yes)
{
    return yes ? CContactKind::Joined : CContactKind::None;
}

bool SameName(const CString* x, const CString* y)
{
    return x && y && x->CompareNoCase(*y) == 0;
}

} // namespace

CContactKind ContactBetween(const CContact& x, const CContact& y)
{
    const CContact* p = &x;
    const CContact* q = &y;
    if (p->kind > q->kind)
        std::swap(p, q);
    switch (p->kind) {
    case CContact::Wire:
        switch (q->kind) {
        case CContact::Wire:
            return WiresContact(*p, *q);
        case CContact::Junc:
            return Joined(CLine::CheckStroke(p->a, p->b, p->width, q->a));
        case CContact::Pin:
            return WirePinContact(*p, *q);
        case CContact::Name:
            return Joined(SameName(p->name, q->name));
        }
        return CContactKind::None;
    case CContact::Junc:
        switch (q->kind) {
        case CContact::Junc:
            return Joined(p->a == q->a);
        case CContact::Pin:
            return Joined(p->a == q->b);
        default:
            return CContactKind::None;
        }
    case CContact::Pin:
        return Joined(q->kind == CContact::Pin && p->b == q->b);
    case CContact::Name:
        return CContactKind::None;
    }
    return CContactKind::None;
}

namespace {

int Find(std::vector<int>& label, int i)
{
    while (label[i] != i)
        i = label[i] = label[label[i]];
    return i;
}

// Connected sets of a small group of items, by joined contacts and by any
// contact, as one label per item (the index of the set's root).
void Groups(const std::vector<const CContact*>& items, std::vector<int>& joined,
            std::vector<int>& seen)
{
    joined.resize(items.size());
    seen.resize(items.size());
    std::iota(joined.begin(), joined.end(), 0);
    std::iota(seen.begin(), seen.end(), 0);
    for (size_t i = 0; i < items.size(); ++i) {
        for (size_t j = i + 1; j < items.size(); ++j) {
            const bool apartJoined = Find(joined, int(i)) != Find(joined, int(j));
            const bool apartSeen = Find(seen, int(i)) != Find(seen, int(j));
            if (!apartJoined && !apartSeen)
                continue;
            const CContactKind kind = ContactBetween(*items[i], *items[j]);
            if (kind == CContactKind::None)
                continue;
            if (apartSeen)
                seen[Find(seen, int(i))] = Find(seen, int(j));
            if (kind == CContactKind::Joined && apartJoined)
                joined[Find(joined, int(i))] = Find(joined, int(j));
        }
    }
    for (size_t i = 0; i < items.size(); ++i) {
        joined[i] = Find(joined, int(i));
        seen[i] = Find(seen, int(i));
    }
}

// Whether, over the first n items, every set of fine lies within one set of
// coarse.
bool Refines(const std::vector<int>& fine, const std::vector<int>& coarse, size_t n,
             std::vector<int>& map)
{
    map.assign(fine.size(), -1);
    for (size_t i = 0; i < n; ++i) {
        int& m = map[size_t(fine[i])];
        if (m < 0)
            m = coarse[i];
        else if (m != coarse[i])
            return false;
    }
    return true;
}

bool HasId(std::span<const CContact> list, const void* id)
{
    return std::any_of(list.begin(), list.end(), [id](const CContact& c) { return c.id == id; });
}

} // namespace

bool KeepsConnections(std::span<const CContact> neighbours, std::span<const CContact> before,
                      std::span<const CContact> after)
{
    // Both groupings are taken over the neighbours and the names, followed by
    // the changed lines that still exist afterwards; a deleted line takes part
    // only in the grouping before (it comes last there, outside the comparison).
    thread_local std::vector<const CContact*> itemsBefore, itemsAfter;
    thread_local std::vector<CContact> names;
    thread_local std::vector<int> joinedBefore, seenBefore, joinedAfter, seenAfter, map;
    static const char kNameIds[8] = {};
    names.clear();
    for (const auto side : {before, after}) {
        for (const CContact& c : side) {
            if (!c.name || std::any_of(names.begin(), names.end(), [&c](const CContact& n) {
                    return SameName(n.name, c.name);
                }))
                continue;
            if (names.size() == sizeof kNameIds)
                return false; // more names than a change of two lines can carry
            CContact name;
            name.kind = CContact::Name;
            name.name = c.name;
            name.id = &kNameIds[names.size()];
            names.push_back(name);
        }
    }
    itemsBefore.clear();
    itemsAfter.clear();
    for (const auto side : {neighbours, std::span<const CContact>(names)}) {
        for (const CContact& c : side) {
            itemsBefore.push_back(&c);
            itemsAfter.push_back(&c);
        }
    }
    for (const CContact& c : after) {
        const auto was = std::find_if(before.begin(), before.end(),
                                      [&c](const CContact& b) { return b.id == c.id; });
        if (was == before.end())
            return false; // a change never creates a line
        itemsBefore.push_back(&*was);
        itemsAfter.push_back(&c);
    }
    const size_t compared = itemsAfter.size();
    for (const CContact& c : before)
        if (!HasId(after, c.id))
            itemsBefore.push_back(&c);

    Groups(itemsBefore, joinedBefore, seenBefore);
    Groups(itemsAfter, joinedAfter, seenAfter);
    // Nothing extraction joined is parted, and what the user sees joined
    // stays exactly as it was (so nothing unseen is joined either).
    return Refines(joinedBefore, joinedAfter, compared, map) &&
           Refines(seenBefore, seenAfter, compared, map) &&
           Refines(seenAfter, seenBefore, compared, map);
}
