#include "sheet/wirecontacts.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <unordered_map>

#include "items/junc.h"
#include "items/line.h"
#include "items/pin.h"

CContact CContact::Of(const CLine& line)
{
    return CContact{Wire, line.GetStartPoint(), line.GetEndPoint(), line.GetLineWidth(), &line};
}

CContact CContact::Of(const CJunc& junc)
{
    return CContact{Junc, junc.GetPoint(), junc.GetPoint(), 0, &junc};
}

CContact CContact::Of(const CPin& pin)
{
    return CContact{Pin, pin.GetStartPoint(), pin.GetPoint(), 0, &pin};
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

// The ranges of two segments on one horizontal or vertical line, or false
// when they do not lie on one such line.
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

bool WiresTouch(const CContact& x, const CContact& y)
{
    if (x.a == y.a || x.a == y.b || x.b == y.a || x.b == y.b)
        return true;
    int64_t xLo, xHi, yLo, yHi;
    return OnOneLine(x, y, xLo, xHi, yLo, yHi) && std::max(xLo, yLo) < std::min(xHi, yHi);
}

bool WireTouchesPin(const CContact& wire, const CContact& pin)
{
    if (wire.a == pin.b || wire.b == pin.b)
        return true;
    int64_t pinLo, pinHi, wireLo, wireHi;
    if (!OnOneLine(pin, wire, pinLo, pinHi, wireLo, wireHi))
        return false;
    if (std::max(pinLo, wireLo) >= std::min(pinHi, wireHi))
        return false;
    // An end of the wire on the stroke (the other end may lie anywhere).
    auto onStroke = [&](int64_t t) { return t >= pinLo && t <= pinHi; };
    const bool horizontal = IsHorizontal(pin);
    return onStroke(horizontal ? wire.a.x : wire.a.y) || onStroke(horizontal ? wire.b.x : wire.b.y);
}

}  // namespace

bool Touching(const CContact& x, const CContact& y)
{
    const CContact* p = &x;
    const CContact* q = &y;
    if (p->kind > q->kind)
        std::swap(p, q);
    switch (p->kind) {
    case CContact::Wire:
        switch (q->kind) {
        case CContact::Wire: return WiresTouch(*p, *q);
        case CContact::Junc: return CLine::CheckStroke(p->a, p->b, p->width, q->a);
        case CContact::Pin: return WireTouchesPin(*p, *q);
        }
        return false;
    case CContact::Junc: return q->kind == CContact::Junc ? p->a == q->a : p->a == q->b;
    case CContact::Pin: return p->b == q->b;
    }
    return false;
}

namespace {

// Connected sets of a small group of items, as one label per item.
std::vector<int> Groups(const std::vector<const CContact*>& items)
{
    std::vector<int> parent(items.size());
    std::iota(parent.begin(), parent.end(), 0);
    auto find = [&parent](int i) {
        while (parent[i] != i)
            i = parent[i] = parent[parent[i]];
        return i;
    };
    for (size_t i = 0; i < items.size(); ++i)
        for (size_t j = i + 1; j < items.size(); ++j)
            if (Touching(*items[i], *items[j]))
                parent[find(int(i))] = find(int(j));
    std::vector<int> label(items.size());
    for (size_t i = 0; i < items.size(); ++i)
        label[i] = find(int(i));
    return label;
}

}  // namespace

bool KeepsGrouping(const std::vector<CContact>& neighbours, const std::vector<CContact>& before,
                   const std::vector<CContact>& after)
{
    // Both groupings are taken over the neighbours followed by the changed
    // lines that still exist afterwards; a deleted line takes part only in
    // the grouping before (it comes last there, outside the comparison).
    std::vector<const CContact*> itemsBefore, itemsAfter;
    for (const CContact& c : neighbours) {
        itemsBefore.push_back(&c);
        itemsAfter.push_back(&c);
    }
    for (const CContact& c : after) {
        const auto was = std::find_if(before.begin(), before.end(),
                                      [&c](const CContact& b) { return b.id == c.id; });
        if (was == before.end())
            return false;  // a change never creates a line
        itemsBefore.push_back(&*was);
        itemsAfter.push_back(&c);
    }
    const size_t compared = itemsAfter.size();
    for (const CContact& c : before)
        if (std::none_of(after.begin(), after.end(), [&c](const CContact& a) { return a.id == c.id; }))
            itemsBefore.push_back(&c);

    const std::vector<int> groupBefore = Groups(itemsBefore);
    const std::vector<int> groupAfter = Groups(itemsAfter);
    // The same partition: the labels correspond one to one.
    std::unordered_map<int, int> forward, backward;
    for (size_t i = 0; i < compared; ++i) {
        const auto f = forward.emplace(groupBefore[i], groupAfter[i]).first;
        const auto b = backward.emplace(groupAfter[i], groupBefore[i]).first;
        if (f->second != groupAfter[i] || b->second != groupBefore[i])
            return false;
    }
    return true;
}
