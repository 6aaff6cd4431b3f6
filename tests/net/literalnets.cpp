#include "net/literalnets.h"

#include <memory>

#include "sheet/sheet.h"

namespace {

CNet* FirstWhere(CItemList<CNet>& nets, const auto& pred)
{
    for (CNet& n : nets)
        if (pred(n))
            return &n;
    return nullptr;
}

void AddCopy(CItemList<CNet>& nets, const CNet& net)
{
    nets.AddTail(std::make_unique<CNet>(net));
}

// Merges the first pair (a, later b) that matches, restarting from the head
// after every merge, until no pair matches.
template <class Match, class Merge>
void MergeRestarting(CItemList<CNet>& nets, Match match, Merge merge)
{
    bool merged = true;
    while (merged) {
        merged = false;
        for (POSITION pa = nets.GetHeadPosition(); pa && !merged;) {
            CNet* a = nets.GetNext(pa);
            for (POSITION pb = pa; pb;) {
                const POSITION at = pb;
                CNet* b = nets.GetNext(pb);
                if (match(*a, *b)) {
                    merge(*a, *b);
                    nets.RemoveAt(at);
                    merged = true;
                    break;
                }
            }
        }
    }
}

template <class T, class Less> void LiteralSelectionSort(std::vector<T>& v, Less less)
{
    for (size_t i = 0; i < v.size(); ++i) {
        size_t best = i;
        for (size_t j = i + 1; j < v.size(); ++j)
            if (less(v[j], v[best]))
                best = j;
        std::swap(v[i], v[best]);
    }
}

} // namespace

void LiteralWireGroup(const CSheet& sheet, CItemList<CNet>& nets)
{
    if (sheet.Parts().IsEmpty())
        return;
    for (const CLine& w : sheet.Wires()) {
        CNet t;
        t.Add(w);
        for (const CJunc& j : sheet.Juncs())
            if (w.CheckStroke(j.GetPoint()))
                t.Add(j);
        const CString& name = w.GetName();
        CNet* n = nullptr;
        if (!name.IsEmpty()) {
            n = FirstWhere(nets, [&](const CNet& x) { return x.CheckNetName(name); });
            if (!n) {
                n = FirstWhere(nets, [&](const CNet& x) { return x.CheckPoint(t); });
                if (n)
                    n->SetNetName(name);
            }
            if (!n)
                t.SetNetName(name);
        } else {
            n = FirstWhere(nets, [&](const CNet& x) { return x.CheckPoint(t); });
        }
        if (n)
            n->Append(t);
        else
            AddCopy(nets, t);
    }
    LiteralCorrection(nets, 1);
}

void LiteralPinGroup(const CSheet& sheet, CItemList<CNet>& nets, const CString& docName,
                     const CNetContext* context)
{
    std::vector<const CPart*> treated;
    for (const CPart& part : sheet.Parts()) {
        const CString file = part.GetProperty("FILE");
        if (!file.IsEmpty() && context && context->IsProjectSheet(file, docName))
            continue;
        treated.push_back(&part);
    }
    for (const CPart* part : treated) {
        if (!part->GetRefName().IsEmpty())
            continue;
        for (const CPin& pin : part->Pins()) {
            const CString label = pin.GetName().IsEmpty() ? pin.GetNo() : pin.GetName();
            if (label.IsEmpty() || (!pin.IsDisp() && !pin.IsPower()))
                continue;
            const CPoint p = pin.GetPoint();
            if (CNet* n = FirstWhere(nets, [&](const CNet& x) { return x.CheckPoint(p); })) {
                if (pin.IsDisp()) {
                    n->Add(CJunc(p));
                    n->SetNetName(label);
                }
                if (pin.IsPower())
                    n->SetPower(true);
            } else {
                CNet net;
                net.Add(CJunc(p));
                net.SetNetName(label);
                net.SetPower(pin.IsPower());
                AddCopy(nets, net);
            }
        }
    }
    LiteralCorrection(nets, 1);
    for (const CPart* part : treated) {
        if (part->GetRefName().IsEmpty())
            continue;
        const CString ref = part->GetPackageMax() < 2 ? part->GetRefName() : part->GetRefNameA();
        for (const CPin& pin : part->Pins()) {
            const CNetName node(docName, part->GetPartName(), ref, pin);
            auto single = [&](const CString& name) {
                CNet net;
                net.Add(node);
                if (!name.IsEmpty())
                    net.SetNetName(name);
                AddCopy(nets, net);
            };
            if (!pin.IsDisp()) {
                if (pin.IsElect(CPin::NoConnect))
                    continue;
                if (!pin.IsPower()) {
                    single(kOpenPin2Name);
                    continue;
                }
                const CString label = pin.GetName().IsEmpty() ? pin.GetNo() : pin.GetName();
                if (label.IsEmpty()) {
                    single(kOpenPin2Name);
                    continue;
                }
                if (CNet* n =
                        FirstWhere(nets, [&](const CNet& x) { return x.CheckNetName(label); }))
                    n->Add(node);
                else
                    single(label);
                continue;
            }
            const CPoint p = pin.GetPoint();
            if (CNet* n = FirstWhere(nets, [&](const CNet& x) { return x.CheckPoint(p); })) {
                n->Add(node);
                continue;
            }
            bool shared = false;
            for (const CPart* other : treated)
                for (const CPin& q : other->Pins())
                    shared = shared || (&q != &pin && q.IsDisp() && q.GetPoint() == p);
            if (shared)
                single(CString());
            else if (!pin.IsElect(CPin::NoConnect))
                single(kOpenPin1Name);
        }
    }
}

void LiteralCorrection(CItemList<CNet>& nets, int withWires)
{
    MergeRestarting(
        nets,
        [](const CNet& a, const CNet& b) { return a.GetNameCount() > 0 && a.CheckNetName(b); },
        [&](CNet& a, const CNet& b) {
            if (withWires)
                a.Append(b);
            else
                a.Append2(b);
        });
    if (withWires) {
        MergeRestarting(
            nets, [](const CNet& a, const CNet& b) { return a.CheckPoint(b); },
            [](CNet& a, const CNet& b) { a.Append(b); });
        for (CNet& n : nets)
            n.NetCorrection();
        return;
    }
    for (CNet& n : nets)
        n.NetRefPinCorrection();
    for (CNet& n : nets) {
        std::vector<CNetName>& nodes = n.Nodes();
        for (size_t i = 0; i < nodes.size();) {
            bool shown = false;
            if (!nodes[i].GetPin().IsDisp())
                for (const CNet& m : nets)
                    for (const CNetName& v : m.Nodes())
                        shown = shown ||
                                (v.GetPin().IsDisp() && v.GetRefName() == nodes[i].GetRefName() &&
                                 v.GetPinNo() == nodes[i].GetPinNo());
            if (shown)
                nodes.erase(nodes.begin() + long(i));
            else
                ++i;
        }
    }
}

void LiteralSortNet(CItemList<CNet>& nets)
{
    for (CNet& n : nets) {
        if (!n.CheckNet())
            continue;
        for (CNetName& node : n.Nodes())
            node.BreakPartRef();
        LiteralSelectionSort(n.Nodes(),
                             [](const CNetName& a, const CNetName& b) { return a.Compare(b) < 0; });
    }
    for (POSITION p1 = nets.GetHeadPosition(); p1;) {
        const POSITION at = p1;
        if (!nets.GetNext(p1)->CheckNet())
            continue;
        POSITION best = at;
        for (POSITION p2 = p1; p2;) {
            const POSITION here = p2;
            const CNet* b = nets.GetNext(p2);
            if (b->CheckNet() && b->Compare(*nets.GetAt(best)) < 0)
                best = here;
        }
        nets.SwapAt(at, best);
    }
}

void LiteralBuild(const std::vector<CNetSheet>& sheets, CItemList<CNet>& nets)
{
    const CSheetSetContext context(sheets);
    for (const CNetSheet& s : sheets) {
        CItemList<CNet> own;
        LiteralWireGroup(*s.sheet, own);
        LiteralPinGroup(*s.sheet, own, s.docName, &context);
        while (!own.IsEmpty())
            nets.AddTail(own.Detach(own.GetHeadPosition()));
    }
    LiteralCorrection(nets, 0);
    LiteralSortNet(nets);
}

std::string DescribeNets(const CItemList<CNet>& nets)
{
    std::string text;
    for (const CNet& n : nets) {
        text += "net";
        for (const CString& name : n.Names())
            text += " '" + name.str() + "'";
        text += n.GetPower() ? " power:" : ":";
        for (const CNetName& node : n.Nodes()) {
            const CPin& pin = node.GetPin();
            text += " " + node.GetFileName().str() + "/" + node.GetRefName().str() + "-" +
                    node.GetPinNo().str() + (pin.IsDisp() ? "" : "h") + "@" +
                    std::to_string(pin.GetPoint().x) + "," + std::to_string(pin.GetPoint().y);
        }
        text += " |";
        for (const CLine& w : n.Wires())
            text += " " + std::to_string(w.GetStartPoint().x) + "," +
                    std::to_string(w.GetStartPoint().y) + "-" + std::to_string(w.GetEndPoint().x) +
                    "," + std::to_string(w.GetEndPoint().y);
        text += " |";
        for (const CJunc& j : n.Juncs())
            text += " " + std::to_string(j.GetPoint().x) + "," + std::to_string(j.GetPoint().y);
        text += "\n";
    }
    return text;
}
