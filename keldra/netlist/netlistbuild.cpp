#include "netlist/netlistbuild.h"

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "base/host.h"
#include "net/net.h"
#include "net/netcontext.h"
#include "sheet/sheet.h"

namespace {

// The lines of a text file, without their line ends.
std::vector<CString> SplitLines(const std::string& text)
{
    std::vector<CString> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.emplace_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

// Everything a format's own additions need.
struct BuildState {
    const CItemList<CNet>& nets;
    CSheet* parts;
    const CNetlistRequest& request;
    CNetlistText& out;
    CNetWriteStyle style;
    std::unordered_map<std::string, int> symbolNumbers;
};

// --- additions before the nets ---------------------------------------------------------------

// The symbol numbers the part section gave, for the node texts.
int TakeSymbolNumbers(BuildState& s)
{
    const CString tag(kSymbolNumberTag);
    for (const CPart& part : s.parts->Parts())
        for (const CText& text : part.Texts())
            if (text.GetName().Left(tag.GetLength()) == tag) {
                CString ref = CSheet::PartSectionRef(part);
                s.symbolNumbers.emplace(ref.MakeLower().str(),
                                        std::atoi(text.GetName().Mid(tag.GetLength()).c_str()));
            }
    s.style.symbolNumbers = &s.symbolNumbers;
    return 0;
}

// The gates of one package become one part: the first gate takes the net
// index texts and the pins it lacks from the others, which go; its pins are
// put in number order.
void JoinGates(CSheet& sheet)
{
    // The first gate of each package, with the index texts it holds.
    struct Gate {
        CPart* part;
        std::set<std::string> indexTexts;
    };
    std::map<std::string, Gate> firstGate;
    const std::string_view tag(kNetIndexTag);
    auto isIndexText = [&tag](const CText& text) {
        return text.GetName().str().compare(0, tag.size(), tag) == 0;
    };
    for (POSITION pos = sheet.Parts().GetHeadPosition(); pos;) {
        const POSITION at = pos;
        CPart* part = sheet.Parts().GetNext(pos);
        if (part->GetPackageMax() < 2)
            continue;
        auto [it, first] = firstGate.emplace(part->GetRefNameA().str(), Gate{part, {}});
        if (first) {
            for (const CText& text : part->Texts())
                if (isIndexText(text))
                    it->second.indexTexts.insert(text.GetName().str());
            continue;
        }
        CPart* keep = it->second.part;
        // The gates of a package carry the same index texts: only new ones move.
        for (const CText& text : part->Texts())
            if (isIndexText(text) && it->second.indexTexts.insert(text.GetName().str()).second)
                keep->NewText(text);
        for (const CPin& pin : part->Pins()) {
            bool has = false;
            for (const CPin& own : keep->Pins())
                has = has || own.GetNo() == pin.GetNo();
            if (!has)
                keep->NewPin(pin);
        }
        sheet.Parts().RemoveAt(at);
    }
    for (auto& entry : firstGate)
        entry.second.part->SortPinNo();
}

int BoardComponents(BuildState& s)
{
    JoinGates(*s.parts);
    s.out.netlist += "\n{COMPOSNET " + s.request.baseName + ".PCB\n{ENVIRONMENT\n";
    for (const CString& line : SplitLines(s.request.boardHeader))
        s.out.netlist += line + "\n";
    return s.parts->NetWrite(-19, s.out.netlist, s.style) ? 1 : 0;
}

int CircuitLines(BuildState& s)
{
    JoinGates(*s.parts);
    const std::vector<CString> lines = SplitLines(s.request.simulatorTemplate);
    size_t i = 0;
    for (; i < lines.size() && lines[i].CompareNoCase("$NETLIST$") != 0; ++i)
        s.out.netlist += lines[i] + "\n";
    if (s.request.hasSimulatorTemplate && i == lines.size())
        s.out.warnings.push_back(
            "the circuit template has no $NETLIST$ line: the parts follow its last line");
    if (s.parts->NetWrite(-21, s.out.netlist, s.style))
        return 1;
    for (++i; i < lines.size(); ++i)
        s.out.netlist += lines[i] + "\n";
    return 0;
}

int Defines(BuildState& s)
{
    JoinGates(*s.parts);
    return s.parts->NetWrite(-22, s.out.netlist, s.style) ? 1 : 0;
}

// --- additions after the nets -----------------------------------------------------------------

// All nets of one kind joined into one, nodes in listing order.
CNet JoinNets(const CItemList<CNet>& nets, int (CNet::*is)() const)
{
    CNet joined;
    for (const CNet& net : nets)
        if ((net.*is)())
            joined.Append2(net);
    joined.Sort();
    return joined;
}

int OpenGroups(BuildState& s)
{
    unsigned unused = 0;
    const CString date = s.request.date;
    CString head = FillHeader(CNet::MakeHead(-24), {date});
    s.out.netlist += head + JoinNets(s.nets, &CNet::IsOpenPinNet).MakeString(-24, unused, s.style);
    head.Replace("OPEN", "FLOATING");
    s.out.netlist += head + JoinNets(s.nets, &CNet::IsOpenWireNet).MakeString(-24, unused, s.style);
    return 0;
}

// --- additions after the tail -----------------------------------------------------------------

// Parts grouped by the name the board tool knows them by.
int PartGroups(BuildState& s)
{
    CSheet& sheet = *s.parts;
    if (sheet.SortPartRef() == CSheet::kSortCancelled)
        return 1;
    s.out.netlist += "%Part\n";
    if (sheet.NetWrite(s.request.format, s.out.netlist, s.style))
        return 1;
    std::map<std::string, std::vector<CString>> groups; // byte order of the names
    std::set<std::string> seen;
    for (const CPart& part : sheet.Parts()) {
        const CString ref = CSheet::PartSectionRef(part);
        if (!seen.insert(Cp932Upper(ref).str()).second)
            continue;
        CString name = part.GetProperty(s.style.pcbProperty);
        if (name.IsEmpty())
            name = part.GetValName().IsEmpty() ? part.GetPartName() : part.GetValName();
        groups[name.str()].push_back(StyledText(ref, s.style.nodeUpper));
    }
    for (const auto& [name, refs] : groups) {
        CString line = "\\" + CString(name) + "\\    ";
        for (const CString& ref : refs) {
            const CString item = "\\" + ref + "\\ ";
            if (line.GetLength() + item.GetLength() > 79) {
                s.out.netlist += line + "\n";
                line = "*  ";
            }
            line += item;
        }
        s.out.netlist += line + "\n";
    }
    return 0;
}

// The additions a format makes beyond its table row.
struct Additions {
    int code;
    int (*beforeNets)(BuildState&);
    int (*afterNets)(BuildState&);
    int (*afterTail)(BuildState&);
};
const Additions kAdditions[] = {
    {11, TakeSymbolNumbers, nullptr, nullptr}, {19, BoardComponents, nullptr, nullptr},
    {20, nullptr, nullptr, PartGroups},        {21, CircuitLines, nullptr, nullptr},
    {22, Defines, nullptr, nullptr},           {24, nullptr, OpenGroups, nullptr},
};

const Additions* AdditionsOf(int code)
{
    for (const Additions& a : kAdditions)
        if (a.code == code)
            return &a;
    return nullptr;
}

} // namespace

int BuildNetlistText(const CItemList<CNet>& nets, CSheet* partSheet, const CNetlistRequest& request,
                     CNetlistText& out)
{
    const CNetFormat* row = FindNetFormat(request.format);
    if (!row)
        return 0;
    CSheet scratch;
    CSheet* parts = partSheet ? partSheet : &scratch;
    BuildState s{nets, parts, request, out, request.style, {}};
    const Additions* additions = AdditionsOf(row->code);

    if (row->Has(CNetFormat::kNetIndex) && parts->NetIndex(row->code, nets, int(request.startNo)))
        return 1;
    CString& partsOut =
        request.componentFile && row->Has(CNetFormat::kComponentFile) ? out.component : out.netlist;
    if (row->Has(CNetFormat::kPartsFirst) && parts->NetWrite(row->code, partsOut, s.style))
        return 1;
    const std::vector<CString> headArgs = row->headLines == CNetFormat::DateLine
                                              ? std::vector<CString>{request.date}
                                              : std::vector<CString>{request.path, request.date};
    out.netlist += FillHeader(CNet::MakeHead(row->code), headArgs);
    if (!row->Has(CNetFormat::kPartsFirst) && parts->NetWrite(row->code, partsOut, s.style))
        return 1;
    if (additions && additions->beforeNets && additions->beforeNets(s))
        return 1;

    BeginProgressPhase(ProgressPhase::Output, nets.GetCount());
    unsigned netNo = request.startNo;
    int step = 0;
    for (const CNet& net : nets) {
        Host().ProgressStep(step++);
        if (Host().IsCancelled()) {
            Host().ProgressEnd();
            return 1;
        }
        if (!net.CheckNet())
            continue;
        out.netlist += net.MakeString(row->code, netNo, s.style);
        ++out.counts.nets;
        out.counts.connections += net.GetNodeCount() - 1;
    }
    Host().ProgressEnd();
    if (additions && additions->afterNets && additions->afterNets(s))
        return 1;
    out.netlist += CNet::MakeTail(row->code);
    if (additions && additions->afterTail && additions->afterTail(s))
        return 1;
    return 0;
}

std::vector<CString> PreflightWarnings(const CItemList<CNet>& nets, const CNetlistRequest& request,
                                       const std::vector<CNetSheet>* sheets,
                                       const CNetContext* context)
{
    std::vector<CString> warnings;
    const CNetFormat* row = FindNetFormat(request.format);
    if (!row)
        return warnings;
    // Net names as the file spells them, compared as a board tool that
    // ignores case would.
    std::unordered_map<std::string, CString> names;     // upper-cased name -> first holder
    std::unordered_map<std::string, std::string> nodes; // upper-cased node text -> REF-PIN
    unsigned netNo = request.startNo;
    std::unordered_map<std::string, int> pinNet; // upper-cased REF-PIN -> its first net
    std::unordered_set<std::string> warnedRefs;
    int netIndex = 0;
    for (const CNet& net : nets) {
        // One shown pin in two nets: two parts carry one reference.  (The
        // gates of a package share their hidden pins.)
        for (const CNetName& node : net.Nodes()) {
            // Unnumbered parts ("R?") share their reference by nature.
            if (!node.GetPin().IsDisp() || node.GetRefName().Find('?') >= 0)
                continue;
            const std::string pin = Cp932Upper(node.GetRefName() + "-" + node.GetPinNo()).str();
            auto [it, fresh] = pinNet.emplace(pin, netIndex);
            if (!fresh && it->second != netIndex &&
                warnedRefs.insert(Cp932Upper(node.GetRefName()).str()).second)
                warnings.push_back("the reference " + node.GetRefName() +
                                   " is used by more than one part: its pin " + node.GetPinNo() +
                                   " is in two nets");
        }
        ++netIndex;
        if (!net.CheckNet())
            continue;
        const CString first =
            net.Nodes().front().GetRefName() + "-" + net.Nodes().front().GetPinNo();
        CString name;
        if (row->Has(CNetFormat::kNetIndex))
            name = StyledText(NetIndexName(net, row->code, netNo), request.style.netUpper);
        else if (row->netNumber != CNetFormat::NoNumber && !row->Has(CNetFormat::kIgnoreNames))
            name = net.MakeRecord(*row, netNo, request.style).name;
        if (!name.IsEmpty()) {
            auto [it, fresh] = names.emplace(Cp932Upper(name).str(), first);
            if (!fresh)
                warnings.push_back("the nets of " + it->second + " and " + first +
                                   " are both written as " + name +
                                   ": a board tool will join them");
        }
        for (const CNetName& node : net.Nodes()) {
            CString text = node.MakeString(row->code, request.style);
            text.TrimRight();
            if (text.IsEmpty())
                continue;
            const std::string pin = Cp932Upper(node.GetRefName() + "-" + node.GetPinNo()).str();
            auto [it, fresh] = nodes.emplace(Cp932Upper(text).str(), pin);
            if (!fresh && it->second != pin)
                warnings.push_back("the pins " + CString(it->second) + " and " + CString(pin) +
                                   " are both written as " + text);
        }
        if (net.GetNodeCount() >= 2) {
            // The net by the name the file gives it (or its own), and a pin
            // that is not the No Connect one.
            CString label = name;
            if (label.IsEmpty() && !net.Names().empty())
                label = net.Names().front();
            for (const CNetName& node : net.Nodes()) {
                if (node.GetPin().GetEleType() != CPin::NoConnect)
                    continue;
                const auto other = std::find_if(net.Nodes().begin(), net.Nodes().end(),
                                                [&node](const CNetName& n) { return &n != &node; });
                warnings.push_back("the No Connect pin " + node.GetRefName() + "-" +
                                   node.GetPinNo() + " is wired to other pins (" +
                                   (label.IsEmpty() ? CString() : "net " + label + ", ") + "with " +
                                   other->GetRefName() + "-" + other->GetPinNo() + ")");
            }
        }
    }
    // Parts of one reference whose pins never part company (side by side,
    // or with no pin wired at all) are told by the parts themselves.  Gates
    // of a package differ in their suffix; power symbols have no reference.
    if (sheets) {
        std::unordered_set<std::string> seen;
        for (const CNetSheet& s : *sheets) {
            for (const CPart& part : s.sheet->Parts()) {
                const CString& ref = part.GetRefName();
                if (ref.IsEmpty() || ref.Find('?') >= 0)
                    continue;
                if (context) {
                    const CString file = part.GetProperty("FILE");
                    if (!file.IsEmpty() && context->IsProjectSheet(file, s.docName))
                        continue;
                }
                bool shown = false;
                for (const CPin& pin : part.Pins())
                    shown = shown || pin.IsDisp();
                const std::string key = Cp932Upper(ref).str();
                if (shown && !seen.insert(key).second && warnedRefs.insert(key).second)
                    warnings.push_back("the reference " + ref + " is used by more than one part");
            }
        }
    }
    return warnings;
}
