// CSheet::NetWrite: the part section of a netlist, and the formats that
// list their nets part by part (from the net index texts).
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "base/host.h"
#include "netlist/netformat.h"
#include "sheet/sheet.h"

namespace {

CPartEntry EntryOf(CPart& part, const CNetWriteStyle& style)
{
    CPartEntry e;
    e.part = &part;
    e.ref = StyledText(CSheet::PartSectionRef(part), style.nodeUpper);
    e.nodeUpper = style.nodeUpper;
    e.valueText = part.GetValName();
    e.partName = part.GetPartName();
    e.value = e.valueText.IsEmpty() ? e.partName : e.valueText;
    const CString board = part.GetProperty(style.pcbProperty);
    e.board = board.IsEmpty() ? style.pcbProperty : board;
    return e;
}

// The nets of a part's pins, by pin number, from its net index texts.
std::map<std::string, CString> IndexedNets(const CPart& part)
{
    // '&' is below the trail bytes of double-byte characters: a plain byte
    // search cannot land inside one.
    std::map<std::string, CString> nets;
    const std::string_view tag(kNetIndexTag);
    for (const CText& text : part.Texts()) {
        const std::string& s = text.GetName().str();
        if (s.compare(0, tag.size(), tag) != 0)
            continue;
        const size_t sep = s.find("&&", tag.size());
        if (sep != std::string::npos)
            nets.emplace(s.substr(tag.size(), sep - tag.size()), CString(s.substr(sep + 2)));
    }
    return nets;
}

// One step of the part loop; true when the user cancelled.
bool PartStep(int& step)
{
    Host().ProgressStep(step++);
    return Host().IsCancelled();
}

// Component-by-component nets for a board tool: each part with its pins
// and their nets ("?" for a pin on no net).
bool WriteSubComponents(CSheet& sheet, CString& out, const CNetWriteStyle& style)
{
    int step = 0;
    out += "{SUBCOMP\n";
    for (CPart& part : sheet.Parts()) {
        if (PartStep(step))
            return true;
        const CPartEntry e = EntryOf(part, style);
        const CString board = e.board.Find('.') >= 0 ? e.board : e.board + ".PRT";
        out += "{I " + board + " " + e.ref + "\n{CN\n";
        const auto nets = IndexedNets(part);
        for (const CPin& pin : part.Pins()) {
            auto it = nets.find(pin.GetNo().str());
            const CString net =
                it == nets.end() ? CString("?") : StyledText(it->second, style.netUpper);
            out += CString::Formatted("%6s ", StyledText(pin.GetNo(), style.nodeUpper).c_str()) +
                   net + "\n";
        }
        out += "}\n}\n";
    }
    out += "}\n";
    return false;
}

// Circuit lines: the reference, the node of each pin, the value; sources
// (parts with a "GENERATOR" property) first.  A pin on no net gets a node
// of its own, so that open pins are not all shorted together.
bool WriteCircuitLines(CSheet& sheet, CString& out, const CNetWriteStyle& style)
{
    int step = 0;
    for (bool generators : {true, false}) {
        for (CPart& part : sheet.Parts()) {
            if (part.GetProperty("GENERATOR").IsEmpty() == generators)
                continue;
            if (PartStep(step))
                return true;
            const CPartEntry e = EntryOf(part, style);
            const auto nets = IndexedNets(part);
            CString line = e.ref + " ";
            for (const CPin& pin : part.Pins()) {
                auto it = nets.find(pin.GetNo().str());
                line += (it == nets.end() ? "NC_" + e.ref + "_" + pin.GetNo() : it->second) + " ";
            }
            line += e.value;
            out += Cp932Upper(line) + "\n";
        }
    }
    return false;
}

// A C source per part: its pins defined as their nets around an include of
// the part's model.
bool WriteDefines(CSheet& sheet, CString& out, const CNetWriteStyle& style)
{
    int step = 0;
    for (CPart& part : sheet.Parts()) {
        if (PartStep(step))
            return true;
        const CPartEntry e = EntryOf(part, style);
        const auto nets = IndexedNets(part);
        out += "/* " + e.ref + " */\n";
        std::vector<CString> defined;
        for (const CPin& pin : part.Pins()) {
            auto it = nets.find(pin.GetNo().str());
            const CString net = it == nets.end() ? e.ref + "_" + pin.GetName()
                                                 : StyledText(it->second, style.netUpper);
            out += CString::Formatted("#define %6s ", pin.GetName().c_str()) + net + "\n";
            defined.push_back(pin.GetName());
        }
        const CString file = part.GetProperty("File");
        out += "#include \"" + (file.IsEmpty() ? e.partName + ".c" : file) + "\"\n";
        for (const CString& name : defined)
            out += CString::Formatted("#undef  %6s\n", name.c_str());
        out += "\n";
    }
    return false;
}

struct NetCarryingSection {
    int code;
    bool (*write)(CSheet&, CString&, const CNetWriteStyle&);
};
const NetCarryingSection kNetCarrying[] = {
    {-19, WriteSubComponents},
    {-21, WriteCircuitLines},
    {-22, WriteDefines},
};

} // namespace

CString CSheet::PartSectionRef(const CPart& part)
{
    return part.GetPackageMax() < 2 ? part.GetRefName() : part.GetRefNameA();
}

bool CSheet::NetWrite(int format, CString& out, const CNetWriteStyle& style)
{
    for (const NetCarryingSection& section : kNetCarrying)
        if (section.code == format) {
            BeginProgressPhase(ProgressPhase::Output, m_parts.GetCount());
            const bool cancelled = section.write(*this, out, style);
            Host().ProgressEnd();
            return cancelled;
        }
    const CNetFormat* row = format > 0 ? FindNetFormat(format) : nullptr;
    if (!row)
        return false;
    if (row->Has(CNetFormat::kSortParts) && SortPartRef() == kSortCancelled)
        return true;
    if (!row->partLine && !row->partsBody)
        return false;

    BeginProgressPhase(ProgressPhase::Output, m_parts.GetCount());
    std::vector<CPartEntry> entries;
    entries.reserve(size_t(m_parts.GetCount()));
    int step = 0;
    for (CPart& part : m_parts) {
        if (PartStep(step)) {
            Host().ProgressEnd();
            return true;
        }
        CPartEntry e = EntryOf(part, style);
        // A package of several gates is one part of the board.
        if (row->skipRepeatedRef && !entries.empty() &&
            CSheet::PartSectionRef(*entries.back().part)
                    .CompareNoCase(CSheet::PartSectionRef(part)) == 0)
            continue;
        entries.push_back(std::move(e));
    }
    Host().ProgressEnd();
    if (row->partsOpen)
        out += row->partsOpen;
    if (row->partsBody)
        row->partsBody(out, entries);
    else
        for (const CPartEntry& e : entries)
            out += row->partLine(e);
    if (row->partsClose)
        out += row->partsClose;
    return false;
}
