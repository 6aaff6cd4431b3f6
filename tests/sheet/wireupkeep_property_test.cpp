// Properties of the document clean-up on random sheets:
//   - the indexed passes give, item for item, what the plain pairwise loops
//     give (the loops are written out here, the way the rules read);
//   - no pass changes which pins are connected to which.
#include <gtest/gtest.h>

#include <memory>
#include <numeric>
#include <random>
#include <sstream>
#include <string>
#include <unordered_set>
#include <vector>

#include "base/memoryprofile.h"
#include "base/profile.h"
#include "sheet/cleanup.h"
#include "sheet/sheet.h"
#include "sheet/wirecontacts.h"

namespace {

// --- the plain loops ------------------------------------------------------------------------

// Everything in the sheet that touches c: lines of the list, junctions and,
// for wires, visible pins.
void GatherTouching(const CSheet& sheet, const CItemList<CLine>& list, bool withPins, const CContact& c,
                    std::vector<CContact>& out)
{
    auto consider = [&](const CContact& other) {
        if (other.id != c.id && Touching(c, other))
            out.push_back(other);
    };
    for (const CLine& line : list)
        consider(CContact::Of(line));
    for (const CJunc& junc : sheet.Juncs())
        consider(CContact::Of(junc));
    if (!withPins)
        return;
    for (const CPart& part : sheet.Parts())
        for (const CPin& pin : part.Pins())
            if (pin.IsDisp())
                consider(CContact::Of(pin));
    for (const CPin& pin : sheet.Pins())
        if (pin.IsDisp())
            consider(CContact::Of(pin));
}

bool Allows(const CSheet& sheet, const CItemList<CLine>& list, bool withPins, const std::vector<CContact>& before,
            const std::vector<CContact>& after)
{
    std::vector<CContact> found;
    for (const auto* side : {&before, &after})
        for (const CContact& c : *side)
            GatherTouching(sheet, list, withPins, c, found);
    std::unordered_set<const void*> seen;
    for (const CContact& c : before)
        seen.insert(c.id);
    std::vector<CContact> neighbours;
    for (const CContact& c : found)
        if (seen.insert(c.id).second)
            neighbours.push_back(c);
    return KeepsGrouping(neighbours, before, after);
}

CContact At(const CLine& line, const CPoint& a, const CPoint& b)
{
    CContact c = CContact::Of(line);
    c.a = a;
    c.b = b;
    return c;
}

bool JunctionAt(const CSheet& sheet, const CPoint& p)
{
    for (const CJunc& junc : sheet.Juncs())
        if (junc.GetPoint() == p)
            return true;
    return false;
}

void DropOne(CSheet& sheet)
{
    sheet.SetItemCount(sheet.GetItemCount() - 1);
}

void PlainCleanLineList(CSheet& sheet, CItemList<CLine>& list, bool masks, bool guarded, bool withPins)
{
    for (POSITION posA = list.GetHeadPosition(); posA;) {
        CLine* a = list.GetAt(posA);
        for (;;) {
            bool merged = false;
            const int aBits = masks ? (JunctionAt(sheet, a->GetStartPoint()) ? 1 : 0) |
                                          (JunctionAt(sheet, a->GetEndPoint()) ? 2 : 0)
                                    : 0;
            POSITION posB = posA;
            list.GetNext(posB);
            while (posB) {
                const POSITION at = posB;
                CLine* b = list.GetNext(posB);
                int mask = -1;
                if (masks) {
                    const int bits = aBits | (JunctionAt(sheet, b->GetStartPoint()) ? 4 : 0) |
                                     (JunctionAt(sheet, b->GetEndPoint()) ? 8 : 0);
                    mask = bits ? bits : -1;
                }
                const CPoint a0 = a->GetStartPoint(), a1 = a->GetEndPoint();
                const CPoint b0 = b->GetStartPoint(), b1 = b->GetEndPoint();
                const bool redundant = a->Clean(*b, mask);
                const bool moved = a->GetStartPoint() != a0 || a->GetEndPoint() != a1 ||
                                   b->GetStartPoint() != b0 || b->GetEndPoint() != b1;
                if (!redundant && !moved)
                    continue;
                std::vector<CContact> after{CContact::Of(*a)};
                if (!redundant)
                    after.push_back(CContact::Of(*b));
                if (guarded && !Allows(sheet, list, withPins, {At(*a, a0, a1), At(*b, b0, b1)}, after)) {
                    a->SetPoint(a0, a1);
                    b->SetPoint(b0, b1);
                    continue;
                }
                if (!redundant)
                    continue;
                if (a->GetName().IsEmpty() && !b->GetName().IsEmpty())
                    a->SetName(b->GetNameText());
                list.RemoveAt(at);
                DropOne(sheet);
                merged = true;
            }
            if (!merged)
                break;
        }
        list.GetNext(posA);
    }
}

void PlainCheckOnPin(CSheet& sheet)
{
    std::vector<const CPin*> pins;
    for (const CPart& part : sheet.Parts())
        for (const CPin& pin : part.Pins())
            pins.push_back(&pin);
    for (const CPin& pin : sheet.Pins())
        pins.push_back(&pin);
    CItemList<CLine>& wires = sheet.Wires();
    for (POSITION pos = wires.GetHeadPosition(); pos;) {
        const POSITION at = pos;
        CLine* wire = wires.GetNext(pos);
        for (const CPin* pin : pins) {
            const CPoint s = wire->GetStartPoint(), e = wire->GetEndPoint();
            pin->CheckOnPin(*wire);
            if (wire->GetStartPoint() == s && wire->GetEndPoint() == e)
                continue;
            const bool vanished = wire->GetStartPoint() == wire->GetEndPoint();
            std::vector<CContact> after;
            if (!vanished)
                after.push_back(CContact::Of(*wire));
            if (!Allows(sheet, wires, true, {At(*wire, s, e)}, after)) {
                wire->SetPoint(s, e);
                continue;
            }
            if (vanished) {
                wires.RemoveAt(at);
                DropOne(sheet);
                break;
            }
        }
    }
}

template <class T, class Same, class Merge>
void PlainRemoveDuplicates(CSheet& sheet, CItemList<T>& list, Same same, Merge merge)
{
    for (POSITION posA = list.GetHeadPosition(); posA; list.GetNext(posA)) {
        T& a = *list.GetAt(posA);
        POSITION posB = posA;
        list.GetNext(posB);
        while (posB) {
            const POSITION at = posB;
            T& b = *list.GetNext(posB);
            if (!same(a, b))
                continue;
            merge(a, b);
            list.RemoveAt(at);
            DropOne(sheet);
        }
    }
}

void PlainCleanDupItem(CSheet& sheet)
{
    const auto sameLine = [](const CLine& a, const CLine& b) {
        return a == b && (a.GetName().IsEmpty() || b.GetName().IsEmpty() || a.GetName() == b.GetName());
    };
    const auto takeName = [](CLine& a, const CLine& b) {
        if (a.GetName().IsEmpty() && !b.GetName().IsEmpty())
            a.SetName(b.GetNameText());
    };
    for (CItemList<CLine>* list : {&sheet.Wires(), &sheet.Buses(), &sheet.Lines()})
        PlainRemoveDuplicates(sheet, *list, sameLine, takeName);
    const auto nothing = [](auto&, const auto&) {};
    const auto equal = [](const auto& a, const auto& b) { return a == b; };
    PlainRemoveDuplicates(sheet, sheet.Arcs(), equal, nothing);
    PlainRemoveDuplicates(sheet, sheet.Texts(), equal, nothing);
    PlainRemoveDuplicates(sheet, sheet.Juncs(), equal, nothing);
    PlainRemoveDuplicates(sheet, sheet.Pins(), [](const CPin& a, const CPin& b) { return a.Compare(b); }, nothing);
}

void PlainCleanUp(CSheet& sheet, const CCleanUpOptions& options)
{
    sheet.CleanNulItem();
    sheet.NormalizeLines();
    PlainCleanLineList(sheet, sheet.Wires(), options.wireJunc, true, true);
    PlainCleanLineList(sheet, sheet.Buses(), false, true, false);
    PlainCleanLineList(sheet, sheet.Lines(), false, false, false);
    PlainCheckOnPin(sheet);
    PlainCleanDupItem(sheet);
    sheet.RestoreLineDirections();
}

// --- random sheets --------------------------------------------------------------------------

struct RandomSheet {
    std::mt19937& random;

    int Pick(int n) { return int(random() % unsigned(n)); }
    int Grid() { return Pick(21) * 50; }

    CLine RandomLine(uint32_t kind)
    {
        const CPoint a(Grid(), Grid());
        CPoint b = a;
        const int shape = Pick(20);
        if (shape == 0) {
            // zero length
        } else if (shape == 1) {
            b = CPoint(Grid(), Grid());  // mostly oblique
        } else if (shape < 11) {
            b.x = Grid();
        } else {
            b.y = Grid();
        }
        uint32_t type = kind;
        if (kind == CLine::kWire && Pick(5) == 0)
            type |= CLine::kPower;
        CLine line(a, b, type);
        line.SetLineWidth(CLine::WidthFromSettings(type));
        if (Pick(7) == 0)
            line.SetName(Pick(2) ? "A" : "B", a, 0);
        return line;
    }

    CPin RandomPin()
    {
        const CPoint body(Grid(), Grid());
        const int length = 50 * (1 + Pick(6));
        static const CPoint kSteps[] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
        const CPoint step = kSteps[Pick(4)];
        const CPoint tip(body.x + step.x * length, body.y + step.y * length);
        return CPin(body, tip, Pick(10) == 0 ? CPin::kHidden : 0);
    }

    void Fill(CSheet& sheet)
    {
        for (int n = 5 + Pick(25); n > 0; --n)
            sheet.NewLine(RandomLine(CLine::kWire));
        for (int n = Pick(5); n > 0; --n)
            sheet.NewLine(RandomLine(CLine::kBus));
        for (int n = Pick(5); n > 0; --n)
            sheet.NewLine(RandomLine(CLine::kPlain));
        for (int n = Pick(9); n > 0; --n) {
            // Junctions often sit at wire ends.
            if (Pick(2) && sheet.GetCount(kind::kWire)) {
                int k = Pick(sheet.GetCount(kind::kWire));
                POSITION pos = sheet.GetFirstWirePos();
                const CLine* wire = nullptr;
                for (; k >= 0; --k)
                    wire = sheet.GetNextWire(pos);
                sheet.NewJunc(Pick(2) ? wire->GetStartPoint() : wire->GetEndPoint());
            } else {
                sheet.NewJunc(CPoint(Grid(), Grid()));
            }
        }
        for (int n = Pick(5); n > 0; --n) {
            CPart part;
            for (int p = 1 + Pick(3); p > 0; --p)
                part.NewPin(RandomPin());
            part.CalcBoundRect();
            sheet.NewPart(part);
        }
        for (int n = Pick(3); n > 0; --n)
            sheet.NewPin(RandomPin());
    }
};

std::string Dump(const CSheet& sheet)
{
    std::ostringstream out;
    const char* names[] = {"wire", "bus", "line"};
    int k = 0;
    for (const CItemList<CLine>* list : {&sheet.Wires(), &sheet.Buses(), &sheet.Lines()}) {
        for (const CLine& line : *list)
            out << names[k] << ' ' << line.GetStartPoint().x << ',' << line.GetStartPoint().y << ' '
                << line.GetEndPoint().x << ',' << line.GetEndPoint().y << " t" << line.GetType() << " '"
                << line.GetName().str() << "'\n";
        ++k;
    }
    for (const CJunc& junc : sheet.Juncs())
        out << "junc " << junc.GetPoint().x << ',' << junc.GetPoint().y << '\n';
    for (const CPin& pin : sheet.Pins())
        out << "pin " << pin.GetPoint().x << ',' << pin.GetPoint().y << '\n';
    out << "parts " << sheet.GetCount(kind::kPart) << " count " << sheet.GetItemCount() << '\n';
    return out.str();
}

// --- connectivity, written out independently ------------------------------------------------

bool OnAxisLine(const CPoint& a, const CPoint& b, const CPoint& c, const CPoint& d, bool& horizontal)
{
    if (a.y == b.y && a.x != b.x && c.y == a.y && d.y == a.y) {
        horizontal = true;
        return true;
    }
    if (a.x == b.x && a.y != b.y && c.x == a.x && d.x == a.x) {
        horizontal = false;
        return true;
    }
    return false;
}

// Pins (part pins in order, then loose pins) labelled by connected set.
std::vector<int> PinGroups(const CSheet& sheet)
{
    struct Node {
        int kind;  // 0 wire, 1 junction, 2 pin
        CPoint a, b;
        int width;
    };
    std::vector<Node> nodes;
    std::vector<int> pinNode;
    for (const CLine& wire : sheet.Wires())
        nodes.push_back({0, wire.GetStartPoint(), wire.GetEndPoint(), wire.GetLineWidth()});
    for (const CJunc& junc : sheet.Juncs())
        nodes.push_back({1, junc.GetPoint(), junc.GetPoint(), 0});
    auto addPin = [&](const CPin& pin) {
        pinNode.push_back(pin.IsDisp() ? int(nodes.size()) : -1);
        if (pin.IsDisp())
            nodes.push_back({2, pin.GetStartPoint(), pin.GetPoint(), 0});
    };
    for (const CPart& part : sheet.Parts())
        for (const CPin& pin : part.Pins())
            addPin(pin);
    for (const CPin& pin : sheet.Pins())
        addPin(pin);

    auto range = [](const CPoint& p, const CPoint& q, bool horizontal) {
        return horizontal ? std::pair<int64_t, int64_t>(std::min(p.x, q.x), std::max(p.x, q.x))
                          : std::pair<int64_t, int64_t>(std::min(p.y, q.y), std::max(p.y, q.y));
    };
    auto joined = [&](const Node& x, const Node& y) {
        if (x.kind == 0 && y.kind == 0) {
            if (x.a == y.a || x.a == y.b || x.b == y.a || x.b == y.b)
                return true;
            bool h;
            if (!OnAxisLine(x.a, x.b, y.a, y.b, h))
                return false;
            const auto [lo1, hi1] = range(x.a, x.b, h);
            const auto [lo2, hi2] = range(y.a, y.b, h);
            return std::max(lo1, lo2) < std::min(hi1, hi2);
        }
        if (x.kind == 0 && y.kind == 1)
            return CLine::CheckStroke(x.a, x.b, x.width, y.a);
        if (x.kind == 0 && y.kind == 2) {
            if (x.a == y.b || x.b == y.b)
                return true;
            bool h;
            if (!OnAxisLine(y.a, y.b, x.a, x.b, h))
                return false;
            const auto [plo, phi] = range(y.a, y.b, h);
            const auto [wlo, whi] = range(x.a, x.b, h);
            if (std::max(plo, wlo) >= std::min(phi, whi))
                return false;
            const int64_t s = h ? x.a.x : x.a.y, e = h ? x.b.x : x.b.y;
            return (s >= plo && s <= phi) || (e >= plo && e <= phi);
        }
        if (x.kind == 1 && y.kind == 1)
            return x.a == y.a;
        return x.b == y.b;  // junction or pin with a pin: at the tip
    };
    std::vector<int> parent(nodes.size());
    std::iota(parent.begin(), parent.end(), 0);
    std::function<int(int)> find = [&](int i) { return parent[i] == i ? i : parent[i] = find(parent[i]); };
    for (size_t i = 0; i < nodes.size(); ++i)
        for (size_t j = i + 1; j < nodes.size(); ++j) {
            const Node& x = nodes[i].kind <= nodes[j].kind ? nodes[i] : nodes[j];
            const Node& y = nodes[i].kind <= nodes[j].kind ? nodes[j] : nodes[i];
            if (joined(x, y))
                parent[find(int(i))] = find(int(j));
        }
    std::vector<int> groups;
    for (int n : pinNode)
        groups.push_back(n < 0 ? -1 - int(groups.size()) : find(n));
    return groups;
}

bool SamePartition(const std::vector<int>& a, const std::vector<int>& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        for (size_t j = i + 1; j < a.size(); ++j)
            if ((a[i] == a[j]) != (b[i] == b[j]))
                return false;
    return true;
}

}  // namespace

TEST(WireUpkeepProperty, IndexedCleanUpEqualsThePlainLoopsAndKeepsConnections)
{
    CScopedProfile profile{std::make_unique<MemoryProfile>()};
    std::mt19937 random(20261208);
    int changedSheets = 0;
    for (int round = 0; round < 600; ++round) {
        CSheet original(CSheet::kDrawing);
        RandomSheet{random}.Fill(original);
        CCleanUpOptions options;
        options.wireJunc = random() % 2 == 0;

        CSheet fast(CSheet::kDrawing), plain(CSheet::kDrawing);
        fast = original;
        plain = original;
        changedSheets += fast.CleanUpDocument(CSize(1000, 1000), options);
        PlainCleanUp(plain, options);
        ASSERT_EQ(Dump(fast), Dump(plain)) << "round " << round << "\n" << Dump(original);
        ASSERT_TRUE(SamePartition(PinGroups(original), PinGroups(fast))) << "round " << round << "\n"
                                                                          << Dump(original) << "->\n"
                                                                          << Dump(fast);
    }
    EXPECT_GT(changedSheets, 300);  // the sheets give the passes work to do
}
