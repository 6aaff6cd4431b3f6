// Properties of the document clean-up on random sheets:
//   - the indexed passes give, item for item, what the plain pairwise loops
//     give (the loops are written out here, the way the rules read);
//   - judged by net extraction itself, the clean-up never parts pins that
//     were connected, and joins only pins the drawing showed joined (wires
//     overlapping on one line, a wire along a pin's stroke up to its tip);
//   - a second clean-up changes nothing.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <numeric>
#include <random>
#include <sstream>
#include <string>
#include <unordered_set>
#include <vector>

#include "base/memoryprofile.h"
#include "base/profile.h"
#include "net/netbuild.h"
#include "sheet/cleanup.h"
#include "sheet/sheet.h"
#include "sheet/wirecontacts.h"

namespace {

std::string Dump(const CSheet& sheet);

// --- the plain loops ------------------------------------------------------------------------

// Everything in the sheet that touches c: lines of the list, junctions and,
// for wires, visible pins.
void GatherTouching(const CSheet& sheet, const CItemList<CLine>& list, bool withPins,
                    const CContact& c, std::vector<CContact>& out)
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

bool Allows(const CSheet& sheet, const CItemList<CLine>& list, bool withPins,
            const std::vector<CContact>& before, const std::vector<CContact>& after)
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
    return KeepsConnections(neighbours, before, after);
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

void PlainCleanLineList(CSheet& sheet, CItemList<CLine>& list, bool masks, bool guarded,
                        bool withPins)
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
                else if (!after[0].name && !b->GetName().IsEmpty())
                    after[0].name = &b->GetName();
                if (guarded &&
                    !Allows(sheet, list, withPins, {At(*a, a0, a1), At(*b, b0, b1)}, after)) {
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

bool PlainCheckOnPin(CSheet& sheet)
{
    bool changed = false;
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
            if ((vanished && !wire->GetName().IsEmpty()) ||
                !Allows(sheet, wires, true, {At(*wire, s, e)}, after)) {
                wire->SetPoint(s, e);
                continue;
            }
            changed = true;
            if (vanished) {
                wires.RemoveAt(at);
                DropOne(sheet);
                break;
            }
        }
    }
    return changed;
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
        return a == b &&
               (a.GetName().IsEmpty() || b.GetName().IsEmpty() || a.GetName() == b.GetName());
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
    PlainRemoveDuplicates(
        sheet, sheet.Pins(), [](const CPin& a, const CPin& b) { return a.Compare(b); }, nothing);
}

void PlainCleanUp(CSheet& sheet, const CCleanUpOptions& options)
{
    sheet.CleanNulItem();
    sheet.NormalizeLines();
    for (int round = 0; round < 16; ++round) { // the bound the clean-up has
        const std::string was = Dump(sheet);
        PlainCleanLineList(sheet, sheet.Wires(), options.wireJunc, true, true);
        PlainCleanLineList(sheet, sheet.Buses(), false, true, false);
        PlainCleanLineList(sheet, sheet.Lines(), false, false, false);
        if (!PlainCheckOnPin(sheet) && Dump(sheet) == was)
            break;
    }
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
            b = CPoint(Grid(), Grid()); // mostly oblique
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

    CPin RandomPin(uint32_t elect)
    {
        const CPoint body(Grid(), Grid());
        const int length = 50 * (1 + Pick(6));
        static const CPoint kSteps[] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
        const CPoint step = kSteps[Pick(4)];
        const CPoint tip(body.x + step.x * length, body.y + step.y * length);
        return CPin(body, tip, elect);
    }

    // Parts with references and numbered pins (some hidden: passive ones
    // stay open, power ones join by name), and labels: parts without a
    // reference whose pin names the net at its tip.
    void AddParts(CSheet& sheet, int& nextRef)
    {
        CPart part(CPoint(), CPoint(), CPoint(), 1, 1, 0, 0);
        if (Pick(6) == 0) {
            CPin* pin = part.NewPin(RandomPin(CPin::Passive));
            pin->SetName(Pick(2) ? "A" : "B");
        } else {
            part.SetRefName(CString::Formatted("U%d", nextRef++));
            for (int p = 1 + Pick(3); p > 0; --p) {
                uint32_t elect = CPin::Passive;
                if (Pick(10) == 0)
                    elect =
                        CPin::kHidden | (Pick(2) ? uint32_t(CPin::Power) : uint32_t(CPin::Passive));
                CPin* pin = part.NewPin(RandomPin(elect));
                pin->SetNo(CString::Formatted("%d", p));
                if (elect & CPin::Power)
                    pin->SetName("A");
            }
        }
        part.CalcBoundRect();
        sheet.NewPart(part);
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
        int nextRef = 1;
        for (int n = 1 + Pick(5); n > 0; --n)
            AddParts(sheet, nextRef);
        for (int n = Pick(3); n > 0; --n)
            sheet.NewPin(RandomPin(Pick(10) == 0 ? CPin::kHidden : 0));
    }
};

std::string Dump(const CSheet& sheet)
{
    std::ostringstream out;
    // Inside the clean-up lines carry their normalisation mark; it is no change.
    const uint32_t mark = CLine::kWorkMark2;
    const char* names[] = {"wire", "bus", "line"};
    int k = 0;
    for (const CItemList<CLine>* list : {&sheet.Wires(), &sheet.Buses(), &sheet.Lines()}) {
        for (const CLine& line : *list)
            out << names[k] << ' ' << line.GetStartPoint().x << ',' << line.GetStartPoint().y << ' '
                << line.GetEndPoint().x << ',' << line.GetEndPoint().y << " t"
                << (line.GetType() & ~mark) << " '" << line.GetName().str() << "'\n";
        ++k;
    }
    for (const CJunc& junc : sheet.Juncs())
        out << "junc " << junc.GetPoint().x << ',' << junc.GetPoint().y << '\n';
    for (const CPin& pin : sheet.Pins())
        out << "pin " << pin.GetPoint().x << ',' << pin.GetPoint().y << '\n';
    out << "parts " << sheet.GetCount(kind::kPart) << " count " << sheet.GetItemCount() << '\n';
    return out.str();
}

// --- connectivity, as net extraction gives it -----------------------------------------------

// Each pin ("U3-2") with the index of its net.
using PinNets = std::map<std::string, int>;

PinNets PinsOf(const CItemList<CNet>& nets)
{
    PinNets pins;
    int index = 0;
    for (const CNet& net : nets) {
        for (const CNetName& node : net.Nodes())
            pins[node.GetRefName().str() + '-' + node.GetPinNo().str()] = index;
        ++index;
    }
    return pins;
}

bool Finer(const PinNets& fine, const PinNets& coarse)
{
    std::map<int, int> map;
    for (const auto& [pin, net] : fine) {
        const auto it = coarse.find(pin);
        if (it == coarse.end())
            return false;
        if (map.emplace(net, it->second).first->second != it->second)
            return false;
    }
    return true;
}

bool Along(const CPoint& a, const CPoint& b, const CPoint& c, const CPoint& d, int64_t& lo1,
           int64_t& hi1, int64_t& lo2, int64_t& hi2)
{
    int64_t s1, e1, s2, e2;
    if (a.y == b.y && a.x != b.x && c.y == a.y && d.y == a.y) {
        s1 = a.x, e1 = b.x, s2 = c.x, e2 = d.x;
    } else if (a.x == b.x && a.y != b.y && c.x == a.x && d.x == a.x) {
        s1 = a.y, e1 = b.y, s2 = c.y, e2 = d.y;
    } else {
        return false;
    }
    lo1 = std::min(s1, e1), hi1 = std::max(s1, e1), lo2 = std::min(s2, e2), hi2 = std::max(s2, e2);
    return true;
}

// What the user sees joined: the nets, and besides them two wires lying on
// one line over a stretch, and a wire lying along a pin's stroke as far as
// its tip (joined to whatever is at the tip).
PinNets SeenJoined(const CSheet& sheet, const CItemList<CNet>& nets)
{
    std::vector<const CNet*> byIndex;
    for (const CNet& net : nets)
        byIndex.push_back(&net);
    std::vector<int> parent(byIndex.size());
    std::iota(parent.begin(), parent.end(), 0);
    std::function<int(int)> find = [&](int i) {
        return parent[size_t(i)] == i ? i : parent[size_t(i)] = find(parent[size_t(i)]);
    };
    auto join = [&](int x, int y) {
        if (x >= 0 && y >= 0)
            parent[size_t(find(x))] = find(y);
    };
    auto netOfWire = [&](const CLine& wire) {
        for (size_t i = 0; i < byIndex.size(); ++i)
            for (const CLine& w : byIndex[i]->Wires())
                if (w.GetStartPoint() == wire.GetStartPoint() &&
                    w.GetEndPoint() == wire.GetEndPoint())
                    return int(i);
        return -1;
    };
    auto netAt = [&](const CPoint& p) {
        for (size_t i = 0; i < byIndex.size(); ++i)
            if (byIndex[i]->CheckPoint(p))
                return int(i);
        return -1;
    };
    std::vector<const CLine*> wires;
    for (const CLine& wire : sheet.Wires())
        wires.push_back(&wire);
    for (size_t i = 0; i < wires.size(); ++i)
        for (size_t j = i + 1; j < wires.size(); ++j) {
            int64_t lo1, hi1, lo2, hi2;
            if (Along(wires[i]->GetStartPoint(), wires[i]->GetEndPoint(), wires[j]->GetStartPoint(),
                      wires[j]->GetEndPoint(), lo1, hi1, lo2, hi2) &&
                std::max(lo1, lo2) < std::min(hi1, hi2))
                join(netOfWire(*wires[i]), netOfWire(*wires[j]));
        }
    for (const CPart& part : sheet.Parts())
        for (const CPin& pin : part.Pins()) {
            if (!pin.IsDisp())
                continue;
            const CPoint& tip = pin.GetPoint();
            for (const CLine* wire : wires) {
                int64_t plo, phi, wlo, whi;
                if (!Along(pin.GetStartPoint(), tip, wire->GetStartPoint(), wire->GetEndPoint(),
                           plo, phi, wlo, whi))
                    continue;
                const int64_t t = pin.GetStartPoint().y == tip.y ? tip.x : tip.y;
                if (std::max(plo, wlo) < std::min(phi, whi) && wlo <= t && t <= whi)
                    join(netOfWire(*wire), netAt(tip));
            }
        }
    PinNets pins = PinsOf(nets);
    for (auto& [pin, net] : pins)
        net = find(net);
    return pins;
}

} // namespace

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
    }
    EXPECT_GT(changedSheets, 300); // the sheets give the passes work to do
}

TEST(WireUpkeepProperty, TidyKeepsWhatExtractionJoinedAndJoinsOnlyWhatTheDrawingShowed)
{
    CScopedProfile profile{std::make_unique<MemoryProfile>()};
    std::mt19937 random(18);
    int joinedMore = 0;
    for (int round = 0; round < 1500; ++round) {
        CSheet before(CSheet::kDrawing);
        RandomSheet{random}.Fill(before);
        CCleanUpOptions options;
        options.wireJunc = random() % 2 == 0;
        CSheet after(CSheet::kDrawing);
        after = before;
        after.CleanUpDocument(CSize(1000, 1000), options);

        CItemList<CNet> netsBefore, netsAfter;
        ASSERT_EQ(BuildNets({{"t.dcd", 1, &before}}, netsBefore), 0);
        ASSERT_EQ(BuildNets({{"t.dcd", 1, &after}}, netsAfter), 0);
        const PinNets n0 = PinsOf(netsBefore), n1 = PinsOf(netsAfter);
        ASSERT_TRUE(Finer(n0, n1)) << "a net parted, round " << round << "\n"
                                   << Dump(before) << "->\n"
                                   << Dump(after);
        ASSERT_TRUE(Finer(n1, SeenJoined(before, netsBefore)))
            << "joined unseen, round " << round << "\n"
            << Dump(before) << "->\n"
            << Dump(after);
        joinedMore += !Finer(n1, n0);

        CSheet again(CSheet::kDrawing);
        again = after;
        EXPECT_EQ(again.CleanUpDocument(CSize(1000, 1000), options), 0) << "round " << round << "\n"
                                                                        << Dump(after);
        ASSERT_EQ(Dump(again), Dump(after)) << "round " << round;
    }
    EXPECT_GT(joinedMore, 10); // seen contacts were made real
}
