// Net extraction: from the drawing of a sheet to its nets, and from the nets
// of several sheets to one sorted net list.
//
// The rules are those of a plain loop over lists - "the first net that ..."
// - and the results (which nets, in which order, with which nodes and names
// in which order) are exactly what that loop gives.  The loop itself would be
// quadratic or worse; the phases below reach the same result with indexes.
//
// Contact.  These are the joined contacts of the contact model the wire
// upkeep checks its changes with (sheet/wirecontacts.h; the junctions on a
// wire come from its junction index).  A net touches a point when the point is an end of one of its
// wires, one of its junctions or the tip of one of its visible pins (exact
// equality).  A junction belongs to a wire when it lies on the wire's stroke
// (segment and width); name texts and arrow heads never connect.  A wire end
// on the middle of another wire does not connect without a junction there.
//
// Point look-up.  Nets are only ever appended and only ever gain points and
// names while a sheet is walked, so "the first net touching p" is the
// smallest index among the nets touching p: one hash map from each point (and
// one from each case-folded name) to the smallest net index holding it answers
// every question in O(1).  Junctions lying on a wire come from two sorted
// arrays of junction points (by row and by column), queried with the wire's
// box and checked against its stroke.
//
// Wire grouping.  Each wire, with the junctions on it, joins the first net
// holding its name, or else the first net it touches (which takes the name),
// or starts a net of its own at the tail.
//
// Merging.  "Merge every later net b that shares a name (or a point) with a
// net a into a, and after each merge start again from the head" settles into
// the connected components of the share-a-key graph; the survivor of each is
// its first net, and the order in which the others join it is always "the
// earliest net that touches what the survivor has become".  A min-heap of
// candidate positions per component gives exactly that order, each key is
// expanded once, and each net is moved once.  Names containing the internal
// marker never join nets.
//
// Pins.  Parts without a reference lend their pin labels as net names (and
// power flags) at their pins' tips; after a merge, each pin of a part with a
// reference becomes a node of the first net touching its tip - or of its own
// net, unnamed when another visible pin shares the tip, else an open-pin net.
// Hidden pins never connect by position: hidden power pins join by name,
// other hidden pins stay open.
//
// Sorting.  Nodes and nets are put in the order of the swapping selection
// sort (see selectionsort.h), computed in O(n log n).
#include <algorithm>
#include <memory>
#include <queue>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "base/host.h"
#include "base/selectionsort.h"
#include "net/juncindex.h"
#include "net/net.h"
#include "net/netcontext.h"
#include "sheet/sheet.h"

class CNetEngine {
public:
    using Nets = std::vector<std::unique_ptr<CNet>>;

    static Nets Take(CItemList<CNet>& list)
    {
        Nets nets;
        nets.reserve(list.GetCount());
        while (!list.IsEmpty())
            nets.push_back(list.Detach(list.GetHeadPosition()));
        return nets;
    }
    static void Put(CItemList<CNet>& list, Nets& nets)
    {
        for (std::unique_ptr<CNet>& net : nets)
            if (net)
                list.AddTail(std::move(net));
        nets.clear();
    }

    static std::string Fold(const CString& s)
    {
        CString lower(s);
        lower.MakeLower();
        return lower.str();
    }

    // The smallest index of a net holding each point / each folded name.
    struct FirstIndex {
        std::unordered_map<int64_t, int> points;
        std::unordered_map<std::string, int> names;

        void AddPoint(const CPoint& p, int net)
        {
            auto [it, inserted] = points.emplace(PackPoint(p), net);
            if (!inserted && net < it->second)
                it->second = net;
        }
        void AddName(const CString& name, int net)
        {
            auto [it, inserted] = names.emplace(Fold(name), net);
            if (!inserted && net < it->second)
                it->second = net;
        }
        int AtPoint(const CPoint& p) const
        {
            auto it = points.find(PackPoint(p));
            return it == points.end() ? -1 : it->second;
        }
        int WithName(const CString& name) const
        {
            auto it = names.find(Fold(name));
            return it == names.end() ? -1 : it->second;
        }
        void AddNet(const CNet& net, int index)
        {
            net.ForEachPoint([&](const CPoint& p) { AddPoint(p, index); });
            for (const CString& name : net.m_names)
                AddName(name, index);
        }
        static FirstIndex Of(const Nets& nets)
        {
            FirstIndex index;
            for (size_t i = 0; i < nets.size(); ++i)
                index.AddNet(*nets[i], int(i));
            return index;
        }
    };

    // Moves everything of from into to, as Append (withWires) or Append2
    // would leave it once repeats are removed; names go through the
    // survivor's set of folded names.
    static void Absorb(CNet& to, CNet& from, bool withWires, std::unordered_set<std::string>& names)
    {
        if (withWires) {
            Move(to.m_wires, from.m_wires);
            Move(to.m_juncs, from.m_juncs);
        }
        Move(to.m_nodes, from.m_nodes);
        for (CString& name : from.m_names)
            if (names.insert(Fold(name)).second)
                to.m_names.push_back(std::move(name));
        to.m_power = to.m_power || from.m_power;
    }
    template <class T> static void Move(std::vector<T>& to, std::vector<T>& from)
    {
        to.insert(to.end(), std::make_move_iterator(from.begin()),
                  std::make_move_iterator(from.end()));
        from.clear();
    }

    // The keys of each net (folded names or packed points) and the nets
    // holding each key, as sorted arrays; then the components, merged in
    // the order of the restarting scan.  Returns true when cancelled.
    template <class Key, class KeysOf>
    static bool MergeComponents(Nets& nets, bool withWires, KeysOf keysOf, bool stepProgress)
    {
        const int count = int(nets.size());
        std::vector<std::pair<Key, int>> entries;
        for (int i = 0; i < count; ++i)
            keysOf(*nets[i], [&](Key&& k) { entries.emplace_back(std::move(k), i); });
        std::sort(entries.begin(), entries.end());
        entries.erase(std::unique(entries.begin(), entries.end()), entries.end());
        // Groups of equal keys: the holders of group g are
        // entries[groupStart[g] .. groupStart[g + 1]).
        std::vector<int> groupStart, groupOf(entries.size());
        for (size_t e = 0; e < entries.size(); ++e) {
            if (e == 0 || entries[e].first != entries[e - 1].first)
                groupStart.push_back(int(e));
            groupOf[e] = int(groupStart.size()) - 1;
        }
        groupStart.push_back(int(entries.size()));
        // The groups of each net: netGroups[netStart[i] .. netStart[i + 1]).
        std::vector<int> netStart(count + 1, 0), netGroups(entries.size());
        for (const auto& entry : entries)
            ++netStart[entry.second + 1];
        for (int i = 0; i < count; ++i)
            netStart[i + 1] += netStart[i];
        std::vector<int> fill(netStart.begin(), netStart.end() - 1);
        for (size_t e = 0; e < entries.size(); ++e)
            netGroups[fill[entries[e].second]++] = groupOf[e];

        std::vector<char> gone(count, 0), expanded(groupStart.size(), 0);
        std::priority_queue<int, std::vector<int>, std::greater<int>> candidates;
        auto expand = [&](int net) {
            for (int k = netStart[net]; k < netStart[net + 1]; ++k) {
                const int g = netGroups[k];
                if (expanded[g])
                    continue;
                expanded[g] = 1;
                for (int e = groupStart[g]; e < groupStart[g + 1]; ++e)
                    if (!gone[entries[e].second])
                        candidates.push(entries[e].second);
            }
        };
        for (int i = 0; i < count; ++i) {
            if (stepProgress) {
                Host().ProgressStep(i);
                if (Host().IsCancelled())
                    return true;
            }
            if (gone[i] || netStart[i] == netStart[i + 1])
                continue;
            CNet& survivor = *nets[i];
            std::unordered_set<std::string> names;
            expand(i);
            while (!candidates.empty()) {
                const int j = candidates.top();
                candidates.pop();
                if (j == i || gone[j])
                    continue;
                if (names.empty())
                    for (const CString& name : survivor.m_names)
                        names.insert(Fold(name));
                gone[j] = 1;
                Absorb(survivor, *nets[j], withWires, names);
                expand(j);
            }
        }
        Nets kept;
        kept.reserve(count);
        for (int i = 0; i < count; ++i)
            if (!gone[i])
                kept.push_back(std::move(nets[i]));
        nets.swap(kept);
        return false;
    }

    static bool MergeByName(Nets& nets, bool withWires, bool stepProgress)
    {
        return MergeComponents<std::string>(
            nets, withWires,
            [](const CNet& net, auto emit) {
                for (const CString& name : net.m_names)
                    if (!IsInternalNetName(name))
                        emit(Fold(name));
            },
            stepProgress);
    }

    static void MergeByContact(Nets& nets)
    {
        MergeComponents<int64_t>(
            nets, true,
            [](const CNet& net, auto emit) {
                net.ForEachPoint([&](const CPoint& p) { emit(PackPoint(p)); });
            },
            false);
    }

    // The sheet-level or project-level tidy-up; true when cancelled.
    static bool Correct(Nets& nets, bool withWires)
    {
        BeginProgressPhase(ProgressPhase::Correction, int(nets.size()));
        if (MergeByName(nets, withWires, true))
            return true;
        if (withWires) {
            MergeByContact(nets);
            for (auto& net : nets)
                net->NetCorrection();
            return false;
        }
        // A pin that one gate shows and other gates of its package hide is
        // the shown one.
        std::unordered_set<std::string> shown;
        for (auto& net : nets) {
            net->NetRefPinCorrection();
            for (const CNetName& node : net->m_nodes)
                if (node.GetPin().IsDisp())
                    shown.insert(RefPinKey(node));
        }
        for (auto& net : nets) {
            std::vector<CNetName>& nodes = net->m_nodes;
            nodes.erase(std::remove_if(nodes.begin(), nodes.end(),
                                       [&](const CNetName& n) {
                                           return !n.GetPin().IsDisp() && shown.count(RefPinKey(n));
                                       }),
                        nodes.end());
        }
        return false;
    }
    // Reference and pin number, with case.
    static std::string RefPinKey(const CNetName& node)
    {
        return node.GetRefName().str() + '\0' + node.GetPinNo().str();
    }

    static std::unique_ptr<CNet> NewNet() { return std::make_unique<CNet>(); }
};

namespace {

using Nets = CNetEngine::Nets;

// Whether a part has a "FILE" property: its name is compared trimmed, as
// every reader of properties compares it.  Only texts starting with '&' are
// split.
bool MayHaveFileProperty(const CPart& part)
{
    for (const CText& text : part.Texts()) {
        const CString& s = text.GetName();
        if (s.GetLength() > 5 && s[0] == '&' && text.IsProperty() &&
            text.GetPropertyName().CompareNoCase("FILE") == 0)
            return true;
    }
    return false;
}

bool Step(int i)
{
    Host().ProgressStep(i);
    return Host().IsCancelled();
}

} // namespace

int CSheet::CreateWireGroup(CItemList<CNet>& nets) const
{
    if (m_parts.IsEmpty())
        return 0;
    Nets work = CNetEngine::Take(nets);
    CNetEngine::FirstIndex first = CNetEngine::FirstIndex::Of(work);
    const JuncIndex juncs(m_juncs);

    BeginProgressPhase(ProgressPhase::Wires, m_wires.GetCount());
    int step = 0;
    for (const CLine& w : m_wires) {
        if (Step(step++)) {
            CNetEngine::Put(nets, work);
            return 1;
        }
        const std::vector<int> on = juncs.OnWire(w);
        auto firstTouched = [&]() {
            int best = first.AtPoint(w.GetStartPoint());
            auto consider = [&](const CPoint& p) {
                const int n = first.AtPoint(p);
                if (n >= 0 && (best < 0 || n < best))
                    best = n;
            };
            consider(w.GetEndPoint());
            for (int j : on)
                consider(juncs.Point(j));
            return best;
        };
        const CString& name = w.GetName();
        int target = name.IsEmpty() ? -1 : first.WithName(name);
        if (target < 0)
            target = firstTouched();
        if (target < 0) {
            target = int(work.size());
            work.push_back(CNetEngine::NewNet());
        }
        CNet& net = *work[target];
        if (!name.IsEmpty() && !net.CheckNetName(name)) {
            net.m_names.push_back(name);
            first.AddName(name, target);
        }
        net.m_wires.push_back(w);
        first.AddPoint(w.GetStartPoint(), target);
        first.AddPoint(w.GetEndPoint(), target);
        for (int j : on) {
            net.m_juncs.emplace_back(juncs.Point(j));
            first.AddPoint(juncs.Point(j), target);
        }
    }
    const bool cancelled = CNetEngine::Correct(work, true);
    CNetEngine::Put(nets, work);
    return cancelled ? 1 : 0;
}

int CSheet::CreatePinGroup(CItemList<CNet>& nets, const CString& docName,
                           const CNetContext* context) const
{
    BeginProgressPhase(ProgressPhase::Pins, m_parts.GetCount());
    std::vector<const CPart*> treated;
    for (const CPart& part : m_parts) {
        if (context && MayHaveFileProperty(part)) {
            const CString file = part.GetProperty("FILE");
            if (!file.IsEmpty() && context->IsProjectSheet(file, docName))
                continue;
        }
        treated.push_back(&part);
    }
    Nets work = CNetEngine::Take(nets);
    int step = 0;

    // Labels of parts without a reference (power symbols, net labels).
    CNetEngine::FirstIndex first = CNetEngine::FirstIndex::Of(work);
    for (const CPart* part : treated) {
        if (!part->GetRefName().IsEmpty())
            continue;
        if (Step(step++)) {
            CNetEngine::Put(nets, work);
            return 1;
        }
        for (const CPin& pin : part->Pins()) {
            const CString& label = pin.GetName().IsEmpty() ? pin.GetNo() : pin.GetName();
            if (label.IsEmpty() || (!pin.IsDisp() && !pin.IsPower()))
                continue;
            const CPoint& p = pin.GetPoint();
            const int target = first.AtPoint(p);
            if (target >= 0) {
                CNet& net = *work[target];
                if (pin.IsDisp()) {
                    net.m_juncs.emplace_back(p);
                    net.SetNetName(label);
                }
                if (pin.IsPower())
                    net.m_power = true;
                continue;
            }
            auto net = CNetEngine::NewNet();
            net->m_juncs.emplace_back(p);
            net->m_names.push_back(label);
            net->m_power = pin.IsPower();
            first.AddPoint(p, int(work.size()));
            work.push_back(std::move(net));
        }
    }
    if (CNetEngine::Correct(work, true)) {
        CNetEngine::Put(nets, work);
        return 1;
    }
    BeginProgressPhase(ProgressPhase::Pins, m_parts.GetCount());

    // Nodes of parts with a reference.
    first = CNetEngine::FirstIndex::Of(work);
    std::unordered_map<int64_t, int> visibleAt;
    for (const CPart* part : treated)
        for (const CPin& pin : part->Pins())
            if (pin.IsDisp())
                ++visibleAt[PackPoint(pin.GetPoint())];
    // (net, reference, pin number) of every node, for Add's test of repeats.
    std::unordered_set<std::string> held;
    auto nodeKey = [](int net, const CNetName& node) {
        std::string key(reinterpret_cast<const char*>(&net), sizeof net);
        key += CNetEngine::Fold(node.GetRefName());
        key += '\0';
        key += CNetEngine::Fold(node.GetPinNo());
        return key;
    };
    for (size_t i = 0; i < work.size(); ++i)
        for (const CNetName& node : work[i]->m_nodes)
            held.insert(nodeKey(int(i), node));
    auto addNode = [&](int target, CNetName&& node) {
        if (held.insert(nodeKey(target, node)).second)
            work[target]->m_nodes.push_back(std::move(node));
        else
            WarnAmbiguousNodeDropped(node);
    };
    auto newNet = [&](CNetName&& node, const CString& name) {
        const int index = int(work.size());
        auto net = CNetEngine::NewNet();
        if (!name.IsEmpty()) {
            net->m_names.push_back(name);
            first.AddName(name, index);
        }
        if (node.GetPin().IsDisp())
            first.AddPoint(node.GetPin().GetPoint(), index);
        held.insert(nodeKey(index, node));
        net->m_nodes.push_back(std::move(node));
        work.push_back(std::move(net));
    };

    for (const CPart* part : treated) {
        if (part->GetRefName().IsEmpty())
            continue;
        if (Step(step++)) {
            CNetEngine::Put(nets, work);
            return 1;
        }
        const CString ref = part->GetPackageMax() < 2 ? part->GetRefName() : part->GetRefNameA();
        for (const CPin& pin : part->Pins()) {
            CNetName node(docName, part->GetPartName(), ref, pin);
            if (!pin.IsDisp()) {
                if (pin.IsElect(CPin::NoConnect))
                    continue;
                // A hidden power pin without a name goes by its number; with
                // neither it connects nothing (rather than everything).
                const CString label = !pin.IsPower()             ? CString()
                                      : !pin.GetName().IsEmpty() ? pin.GetName()
                                                                 : pin.GetNo();
                if (label.IsEmpty()) {
                    newNet(std::move(node), kOpenPin2Name);
                    continue;
                }
                const int target = first.WithName(label);
                if (target >= 0)
                    addNode(target, std::move(node));
                else
                    newNet(std::move(node), label);
                continue;
            }
            const CPoint& p = pin.GetPoint();
            const int target = first.AtPoint(p);
            if (target >= 0)
                addNode(target, std::move(node));
            else if (visibleAt[PackPoint(p)] >= 2)
                newNet(std::move(node), CString());
            else if (!pin.IsElect(CPin::NoConnect))
                newNet(std::move(node), kOpenPin1Name);
        }
    }
    CNetEngine::Put(nets, work);
    return 0;
}

int CSheet::NetCorrection(CItemList<CNet>& nets, int withWires)
{
    Nets work = CNetEngine::Take(nets);
    const bool cancelled = CNetEngine::Correct(work, withWires != 0);
    CNetEngine::Put(nets, work);
    return cancelled ? 1 : 0;
}

int CSheet::SortNet(CItemList<CNet>& nets)
{
    BeginProgressPhase(ProgressPhase::NetSort, nets.GetCount());
    Nets work = CNetEngine::Take(nets);
    int step = 0;
    for (auto& net : work) {
        if (Step(step++)) {
            CNetEngine::Put(nets, work);
            return 1;
        }
        net->Sort();
    }
    // Only real nets take part; the others keep their places.
    std::vector<int> places;
    std::vector<CNetNameKey> keys;
    for (size_t i = 0; i < work.size(); ++i) {
        if (!work[i]->CheckNet())
            continue;
        places.push_back(int(i));
        keys.push_back(CNetNameKey::Of(work[i]->Nodes().front()));
    }
    const std::vector<int> order = SelectionSortOrder(keys, std::less<>());
    Nets real;
    for (int k : order)
        real.push_back(std::move(work[places[k]]));
    for (size_t k = 0; k < places.size(); ++k)
        work[places[k]] = std::move(real[k]);
    CNetEngine::Put(nets, work);
    return 0;
}
