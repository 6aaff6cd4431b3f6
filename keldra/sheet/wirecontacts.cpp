#include "sheet/wirecontacts.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <vector>

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

// Connected sets of a small group of items, as one label per item (the
// index of the set's root).
void Groups(const std::vector<const CContact*>& items, std::vector<int>& label)
{
    label.resize(items.size());
    std::iota(label.begin(), label.end(), 0);
    auto find = [&label](int i) {
        while (label[i] != i)
            i = label[i] = label[label[i]];
        return i;
    };
    for (size_t i = 0; i < items.size(); ++i)
        for (size_t j = i + 1; j < items.size(); ++j)
            if (find(int(i)) != find(int(j)) && Touching(*items[i], *items[j]))
                label[find(int(i))] = find(int(j));
    for (size_t i = 0; i < items.size(); ++i)
        label[i] = find(int(i));
}

bool SameId(std::span<const CContact> list, const void* id)
{
    return std::any_of(list.begin(), list.end(), [id](const CContact& c) { return c.id == id; });
}

}  // namespace

bool KeepsGrouping(std::span<const CContact> neighbours, std::span<const CContact> before,
                   std::span<const CContact> after)
{
    // Both groupings are taken over the neighbours followed by the changed
    // lines that still exist afterwards; a deleted line takes part only in
    // the grouping before (it comes last there, outside the comparison).
    thread_local std::vector<const CContact*> itemsBefore, itemsAfter;
    thread_local std::vector<int> groupBefore, groupAfter, forward, backward;
    itemsBefore.clear();
    itemsAfter.clear();
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
        if (!SameId(after, c.id))
            itemsBefore.push_back(&c);

    Groups(itemsBefore, groupBefore);
    Groups(itemsAfter, groupAfter);
    // The same partition: the labels (root indices) correspond one to one.
    forward.assign(itemsBefore.size(), -1);
    backward.assign(itemsAfter.size(), -1);
    for (size_t i = 0; i < compared; ++i) {
        int& f = forward[groupBefore[i]];
        int& b = backward[groupAfter[i]];
        if (f < 0 && b < 0) {
            f = groupAfter[i];
            b = groupBefore[i];
        } else if (f != groupAfter[i] || b != groupBefore[i]) {
            return false;
        }
    }
    return true;
}
