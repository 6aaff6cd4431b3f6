#include "app/designdiff.h"

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <unordered_map>
#include <unordered_set>

#include "base/codepage.h"
#include "base/selectionsort.h"
#include "net/netbuild.h"
#include "netlist/htmltemplate.h"
#include "sheet/sheet.h"

namespace {

std::string Upper(const CString& s)
{
    return Cp932Upper(s).str();
}

// One side's parts and nets.
struct Side {
    CSheet parts;
    std::vector<const CPart*> numbered;
    CItemList<CNet> nets;
    int unnumbered = 0;
};

CString SheetOf(const CPart& part)
{
    CString doc = PartDocumentText(part);
    if (DocumentNumberOfTag(doc) > 0)
        doc = doc.Left(doc.ReverseFind('[')).TrimRight();
    return CHtmlTemplate::FileName(doc);
}

bool Load(const std::vector<CJobDocument>& docs, Side& side)
{
    const std::vector<CNetSheet> sheets = JobNetSheets(docs);
    const CSheetSetContext context(sheets);
    if (CombineSheets(docs, context, side.parts) || BuildNets(sheets, side.nets, &context))
        return false;
    for (const CPart& part : side.parts.Parts()) {
        if (part.GetRefName().Find('?') >= 0)
            ++side.unnumbered;
        else
            side.numbered.push_back(&part);
    }
    return true;
}

// The part's own properties, tags left out: upper-case name -> value.
std::map<std::string, CString> Properties(const CPart& part)
{
    std::map<std::string, CString> props;
    for (const CText& text : part.Texts())
        if (text.IsProperty() && text.GetName().Left(6) != "{VIREO")
            props.emplace(Upper(text.GetPropertyName()), text.GetPropertyVal(0));
    return props;
}

std::vector<CString> PartChanges(const CPart& a, const CPart& b)
{
    std::vector<CString> what;
    const auto compare = [&what](const char* label, const CString& x, const CString& y) {
        if (x != y)
            what.push_back(CString(label) + " " + x + " -> " + y);
    };
    compare("part name", a.GetPartName(), b.GetPartName());
    compare("value", a.GetValName(), b.GetValName());
    const auto pa = Properties(a), pb = Properties(b);
    for (const auto& [name, value] : pa) {
        const auto it = pb.find(name);
        if (it == pb.end())
            what.push_back("property " + CString(name) + " removed");
        else if (it->second != value)
            what.push_back("property " + CString(name) + " " + value + " -> " + it->second);
    }
    for (const auto& [name, value] : pb)
        if (!pa.count(name))
            what.push_back("property " + CString(name) + " added");
    return what;
}

CDiffPart DiffPartOf(const CPart& part)
{
    return {part.GetRefName(), part.GetPartName(), part.GetValName(), SheetOf(part)};
}

// A net as the diff sees it: its name and its pins (upper case, sorted).
struct NetView {
    CString name;
    std::vector<CString> pins;    // as written
    std::vector<std::string> ids; // matching keys, sorted
};

// The pins of one side as matching keys, with the references of the old side
// renamed.
std::vector<std::vector<std::pair<CString, std::string>>>
NetPins(const CItemList<CNet>& nets, const std::unordered_map<std::string, CString>* renamed)
{
    std::vector<std::vector<std::pair<CString, std::string>>> pins;
    for (const CNet& net : nets) {
        auto& list = pins.emplace_back();
        for (const CNetName& node : net.Nodes()) {
            CString ref = node.GetRefName();
            if (renamed) {
                auto it = renamed->find(Upper(ref + "-" + node.GetPinNo()));
                if (it == renamed->end())
                    it = renamed->find(Upper(ref));
                if (it != renamed->end())
                    ref = it->second;
            }
            const CString pin = ref + "-" + node.GetPinNo();
            list.emplace_back(pin, Upper(pin));
        }
    }
    return pins;
}

// Keys that name no single pin: those of unnumbered parts ("U?-1") and those
// that occur more than once on a side (duplicate references R5 and r5).
void AddAmbiguous(const std::vector<std::vector<std::pair<CString, std::string>>>& side,
                  std::unordered_set<std::string>& ambiguous)
{
    std::unordered_set<std::string> seen;
    for (const auto& net : side)
        for (const auto& [pin, id] : net)
            if (id.find('?') != std::string::npos || !seen.insert(id).second)
                ambiguous.insert(id);
}

std::vector<NetView> NetViews(const CItemList<CNet>& nets,
                              const std::vector<std::vector<std::pair<CString, std::string>>>& pins,
                              const std::unordered_set<std::string>& ambiguous)
{
    std::vector<NetView> views;
    size_t index = 0;
    for (const CNet& net : nets) {
        const auto& list = pins[index++];
        NetView v;
        for (const auto& [pin, id] : list) {
            if (ambiguous.count(id))
                continue;
            v.pins.push_back(pin);
            v.ids.push_back(id);
        }
        if (v.ids.empty())
            continue; // nothing on it can be told apart
        std::sort(v.ids.begin(), v.ids.end());
        v.ids.erase(std::unique(v.ids.begin(), v.ids.end()), v.ids.end());
        // The names the net builder gives open pins are its own, not the user's.
        const bool named = !net.Names().empty() && net.Names().front().Left(7) != "{VIREO}";
        v.name = named ? net.Names().front() : CString("(unnamed)");
        views.push_back(std::move(v));
    }
    return views;
}

// Pins of a that b lacks, as a writes them.
std::vector<CString> PinsMissingFrom(const NetView& a, const NetView& b)
{
    std::vector<CString> out;
    std::set<CString> seen;
    for (const CString& pin : a.pins)
        if (!std::binary_search(b.ids.begin(), b.ids.end(), Upper(pin)) && seen.insert(pin).second)
            out.push_back(pin);
    return out;
}

void DiffNets(const std::vector<NetView>& old, const std::vector<NetView>& now, CDesignDiff& out)
{
    // Overlaps through the pins: a pin lies on one net per side.
    std::unordered_map<std::string, size_t> netOfPin;
    for (size_t j = 0; j < now.size(); ++j)
        for (const std::string& id : now[j].ids)
            netOfPin.emplace(id, j);
    std::map<std::pair<size_t, size_t>, int> shared;
    for (size_t i = 0; i < old.size(); ++i)
        for (const std::string& id : old[i].ids)
            if (const auto it = netOfPin.find(id); it != netOfPin.end())
                ++shared[{i, it->second}];
    std::vector<std::tuple<int, size_t, size_t>> pairs;
    for (const auto& [ij, n] : shared)
        pairs.emplace_back(-n, ij.first, ij.second);
    std::sort(pairs.begin(), pairs.end());
    std::vector<int> partner(old.size(), -1);
    std::vector<bool> taken(now.size());
    for (const auto& [n, i, j] : pairs) {
        if (partner[i] >= 0 || taken[j])
            continue;
        partner[i] = int(j);
        taken[j] = true;
    }
    for (size_t i = 0; i < old.size(); ++i) {
        if (partner[i] < 0) {
            out.netsRemoved.push_back({old[i].name, old[i].pins});
            continue;
        }
        const NetView& n = now[size_t(partner[i])];
        CDiffNetChange change{old[i].name, n.name, PinsMissingFrom(n, old[i]),
                              PinsMissingFrom(old[i], n)};
        if (!change.added.empty() || !change.removed.empty() || change.before != change.after)
            out.netsChanged.push_back(std::move(change));
    }
    for (size_t j = 0; j < now.size(); ++j)
        if (!taken[j])
            out.netsAdded.push_back({now[j].name, now[j].pins});
}

template <class T, class Name> void SortByReference(std::vector<T>& list, Name name)
{
    std::vector<std::tuple<std::string, int, std::string>> keys;
    for (const T& item : list) {
        CString prefix, suffix;
        int number;
        CPart::SplitRef(name(item), prefix, suffix, number);
        keys.emplace_back(prefix.MakeLower().str(), number, suffix.MakeLower().str());
    }
    ApplyOrder(list, SelectionSortOrder(keys, std::less<>()));
}

} // namespace

bool CDesignDiff::Empty() const
{
    return renamed.empty() && partsAdded.empty() && partsRemoved.empty() && partsChanged.empty() &&
           netsAdded.empty() && netsRemoved.empty() && netsChanged.empty();
}

bool DiffDesigns(const std::vector<CJobDocument>& before, const std::vector<CJobDocument>& after,
                 CDesignDiff& out)
{
    out = CDesignDiff();
    Side a, b;
    if (!Load(before, a) || !Load(after, b))
        return true;
    out.unnumberedBefore = a.unnumbered;
    out.unnumberedAfter = b.unnumbered;

    // Parts by reference; what is left is matched by sheet, centre and part name.
    std::unordered_map<std::string, std::vector<size_t>> byRef;
    for (size_t j = 0; j < b.numbered.size(); ++j)
        byRef[Upper(b.numbered[j]->GetRefName())].push_back(j);
    std::vector<bool> matchedB(b.numbered.size());
    std::vector<size_t> leftA;
    for (size_t i = 0; i < a.numbered.size(); ++i) {
        std::vector<size_t>& candidates = byRef[Upper(a.numbered[i]->GetRefName())];
        if (candidates.empty()) {
            leftA.push_back(i);
            continue;
        }
        const size_t j = candidates.front();
        candidates.erase(candidates.begin());
        matchedB[j] = true;
        std::vector<CString> what = PartChanges(*a.numbered[i], *b.numbered[j]);
        if (!what.empty())
            out.partsChanged.push_back({b.numbered[j]->GetRefName(), std::move(what)});
    }
    const auto placeKey = [](const CPart& part) {
        const CPoint c = part.GetCenter();
        return Upper(SheetOf(part)) + '\x01' + std::to_string(c.x) + ',' + std::to_string(c.y) +
               '\x01' + part.GetPartName().str();
    };
    std::unordered_map<std::string, std::vector<size_t>> byPlace;
    for (size_t j = 0; j < b.numbered.size(); ++j)
        if (!matchedB[j])
            byPlace[placeKey(*b.numbered[j])].push_back(j);
    std::unordered_map<std::string, CString> renamed; // old reference (upper) -> new
    for (size_t i : leftA) {
        const CPart& old = *a.numbered[i];
        std::vector<size_t>& candidates = byPlace[placeKey(old)];
        if (candidates.empty()) {
            out.partsRemoved.push_back(DiffPartOf(old));
            continue;
        }
        const CPart& now = *b.numbered[candidates.front()];
        matchedB[candidates.front()] = true;
        candidates.erase(candidates.begin());
        out.renamed.push_back({old.GetRefName(), now.GetRefName(), SheetOf(now)});
        renamed.emplace(Upper(old.GetRefName()), now.GetRefName());
        // The nets know a gate's pins by the package: each pin goes to the
        // package its own gate went to, not where the first gate went.
        if (old.GetPackageMax() >= 2)
            for (const CPin& pin : old.Pins())
                renamed.emplace(Upper(old.GetRefNameA() + "-" + pin.GetNo()), now.GetRefNameA());
        std::vector<CString> what = PartChanges(old, now);
        if (!what.empty())
            out.partsChanged.push_back({now.GetRefName(), std::move(what)});
    }
    for (size_t j = 0; j < b.numbered.size(); ++j)
        if (!matchedB[j])
            out.partsAdded.push_back(DiffPartOf(*b.numbered[j]));

    const auto pinsA = NetPins(a.nets, &renamed), pinsB = NetPins(b.nets, nullptr);
    std::unordered_set<std::string> ambiguous;
    AddAmbiguous(pinsA, ambiguous);
    AddAmbiguous(pinsB, ambiguous);
    DiffNets(NetViews(a.nets, pinsA, ambiguous), NetViews(b.nets, pinsB, ambiguous), out);

    SortByReference(out.renamed, [](const CDiffRename& r) { return r.before; });
    SortByReference(out.partsAdded, [](const CDiffPart& p) { return p.ref; });
    SortByReference(out.partsRemoved, [](const CDiffPart& p) { return p.ref; });
    SortByReference(out.partsChanged, [](const CDiffPartChange& p) { return p.ref; });
    const auto byName = [](const auto& x, const auto& y) { return x.name < y.name; };
    std::stable_sort(out.netsAdded.begin(), out.netsAdded.end(), byName);
    std::stable_sort(out.netsRemoved.begin(), out.netsRemoved.end(), byName);
    std::stable_sort(
        out.netsChanged.begin(), out.netsChanged.end(),
        [](const CDiffNetChange& x, const CDiffNetChange& y) { return x.after < y.after; });
    return false;
}

CString DiffText(const CDesignDiff& d)
{
    CString out;
    const auto join = [](const std::vector<CString>& items, const char* mark) {
        CString text;
        for (const CString& s : items)
            text += CString(text.IsEmpty() ? "" : " ") + mark + s;
        return text;
    };
    for (const CDiffRename& r : d.renamed)
        out += "part renamed: " + r.before + " -> " + r.after + " (" + r.sheet + ")\n";
    for (const CDiffPart& p : d.partsAdded)
        out += "part added: " + p.ref + " " + p.partName + " " + p.value + " (" + p.sheet + ")\n";
    for (const CDiffPart& p : d.partsRemoved)
        out += "part removed: " + p.ref + " " + p.partName + " " + p.value + " (" + p.sheet + ")\n";
    for (const CDiffPartChange& c : d.partsChanged)
        for (const CString& what : c.what)
            out += "part changed: " + c.ref + " " + what + "\n";
    for (const CDiffNet& n : d.netsAdded)
        out += "net added: " + n.name + " (" + join(n.pins, "") + ")\n";
    for (const CDiffNet& n : d.netsRemoved)
        out += "net removed: " + n.name + " (" + join(n.pins, "") + ")\n";
    for (const CDiffNetChange& c : d.netsChanged) {
        if (c.before != c.after)
            out += "net renamed: " + c.before + " -> " + c.after + "\n";
        if (!c.added.empty() || !c.removed.empty()) {
            CString pins = join(c.added, "+");
            const CString removed = join(c.removed, "-");
            pins += CString(pins.IsEmpty() || removed.IsEmpty() ? "" : " ") + removed;
            out += "net changed: " + c.after + " (" + pins + ")\n";
        }
    }
    if (d.unnumberedBefore || d.unnumberedAfter)
        out += CString::Formatted("unnumbered parts not compared: %d before, %d after\n",
                                  d.unnumberedBefore, d.unnumberedAfter);
    return out;
}

bool DiffWasIs(const CDesignDiff& d, CString& out, CString& error)
{
    out = "# Reference changes\n";
    std::unordered_map<std::string, CString> packageGoesTo; // old package (upper) -> new
    std::unordered_set<std::string> listed;
    for (const CDiffRename& r : d.renamed) {
        // Gates of one package are written once, as the package.
        CPart a, b;
        a.SetRefName(r.before);
        b.SetRefName(r.after);
        CString before = r.before, after = r.after;
        CString pa, sa, pb, sb;
        int na, nb;
        CPart::SplitRef(before, pa, sa, na);
        CPart::SplitRef(after, pb, sb, nb);
        if (!sa.IsEmpty() && sa == sb) {
            before = a.GetRefNameA();
            after = b.GetRefNameA();
        }
        // A simple line renames every gate of a package alike: gates that
        // went to different packages cannot be written so.
        const auto [it, fresh] = packageGoesTo.emplace(Upper(before), after);
        if (!fresh && it->second.CompareNoCase(after) != 0) {
            error = "the gates of " + before + " went to " + it->second + " and " + after +
                    ": a simple Was-Is file cannot say so; renumber them with annotate instead";
            return false;
        }
        if (listed.insert(Upper(before)).second)
            out += before + "\t" + after + "\n";
    }
    return true;
}
