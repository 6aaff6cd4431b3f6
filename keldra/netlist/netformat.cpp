// The format table and the writers its rows point at.  The writers build
// text only; the order of the sections is netlistbuild.cpp's.
#include "netlist/netformat.h"

#include <cstdlib>
#include <cstring>
#include <map>
#include <set>

#include "items/part.h"
#include "items/pin.h"

const char kHeadTitleLine[] = " Vireo Net List File";
const char kHeadFileLine[] = "   File : %s";
const char kHeadDateLine[] = "   Date : %s";

CString FillHeader(const CString& head, const std::vector<CString>& args)
{
    CString out;
    size_t next = 0;
    const std::string& s = head.str();
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '%' && i + 1 < s.size() && (s[i + 1] == '%' || s[i + 1] == 's')) {
            if (s[i + 1] == '%')
                out += '%';
            else if (next < args.size())
                out += args[next++];
            ++i;
        } else {
            out += s[i];
        }
    }
    return out;
}

CString CutToWidth(const CString& s, int width, bool pad)
{
    int end = 0;
    while (end < s.GetLength() && end + s.CharLengthAt(end) <= width)
        end += s.CharLengthAt(end);
    CString cut = s.Left(end);
    if (pad && cut.GetLength() < width)
        cut += CString(' ', width - cut.GetLength());
    return cut;
}

namespace {

// --- text helpers ---------------------------------------------------------------------------

// Removes trailing characters of the set (all of them single-byte and below
// 0x40, so never the trail byte of a double-byte character).
void StripTrailing(CString& s, const char* set)
{
    std::string& b = s.str();
    while (!b.empty() && std::strchr(set, b.back()))
        b.pop_back();
}

void TrimBlanksAndBreaks(CString& s)
{
    StripTrailing(s, " \t\r\n");
}

CString Blanks(int n)
{
    return CString(' ', n);
}

// The length of the line being written (after the last line end).
int LineLength(const CString& s)
{
    const size_t nl = s.str().rfind('\n');
    return int(nl == std::string::npos ? s.str().size() : s.str().size() - nl - 1);
}

// --- node texts -------------------------------------------------------------------------------

CString NodeParen(const CNodeText& n)
{
    return n.ref + "(" + n.pin + ")";
}
CString NodeDash(const CNodeText& n)
{
    return n.ref + "-" + n.pin;
}
CString NodeComma(const CNodeText& n)
{
    return n.ref + "," + n.pin;
}
CString NodeBlankLine(const CNodeText& n)
{
    return n.ref + " " + n.pin + "\n";
}
CString NodeCaret(const CNodeText& n)
{
    return n.ref + "^" + n.pin;
}
CString NodeDot(const CNodeText& n)
{
    return n.ref + "." + n.pin;
}
CString NodePinLine(const CNodeText& n)
{
    return CString::Formatted("PIN,1-1,%s,%d,%s\n", n.ref.c_str(), n.type == CPin::Output ? 21 : 23,
                              n.pin.c_str());
}
// Reference and pin fill 12 columns together; longer ones keep one blank.
CString NodeTwelve(const CNodeText& n)
{
    const int used = n.ref.GetLength() + n.pin.GetLength();
    return n.ref + Blanks(used < 12 ? 12 - used : used == 12 ? 0 : 1) + n.pin;
}
CString NodeBackslash(const CNodeText& n)
{
    return "\\" + n.ref + "\\-\\" + n.pin + "\\";
}
CString NodeFifteen(const CNodeText& n)
{
    return CutToWidth(n.ref + "-" + n.pin, 15, true);
}
CString NodeNone(const CNodeText&)
{
    return CString();
}

// --- net records ------------------------------------------------------------------------------

// Every node followed by after.
CString Each(const std::vector<CString>& nodes, const char* after)
{
    CString out;
    for (const CString& n : nodes)
        out += n + after;
    return out;
}

// The nodes with sep between them.
CString Joined(const std::vector<CString>& nodes, const char* sep)
{
    CString out;
    for (size_t i = 0; i < nodes.size(); ++i)
        out += (i ? sep : "") + nodes[i];
    return out;
}

// Nodes each followed by sep; after every breakEvery-th node the line is
// trimmed and continued as cont.
void NodesWithBreaks(CString& out, const CNetRecord& r, const char* sep, size_t breakEvery,
                     const CString& cont)
{
    for (size_t i = 0; i < r.nodes.size(); ++i) {
        out += r.nodes[i] + sep;
        if ((i + 1) % breakEvery == 0) {
            out.TrimRight();
            out += cont;
        }
    }
}

void RecordCcf(CString& out, const CNetRecord& r)
{
    out += Blanks(8) + CString::Formatted("%9s : ", r.name.c_str());
    NodesWithBreaks(out, r, " , ", 5, "\n" + Blanks(20));
    StripTrailing(out, ", \t\r\n");
    out += " ;\n";
}

void RecordFullStop(CString& out, const CNetRecord& r)
{
    CString rec = CString::Formatted("%9s : ", r.name.c_str());
    NodesWithBreaks(rec, r, " , ", 5, "\n" + Blanks(12));
    TrimBlanksAndBreaks(rec);
    const int comma = rec.ReverseFind(',');
    if (comma >= 0)
        rec.SetAt(comma, '.');
    out += rec + "\n";
}

void RecordBraces(CString& out, const CNetRecord& r)
{
    CString rec = CString::Formatted("%8s = {", r.name.c_str());
    NodesWithBreaks(rec, r, " , ", 5, "\n" + Blanks(12));
    TrimBlanksAndBreaks(rec);
    if (!rec.IsEmpty())
        rec = rec.Left(rec.GetLength() - 1);
    out += rec + "};\n";
}

void RecordParenLines(CString& out, const CNetRecord& r)
{
    out += "(\n" + r.name + "\n" + Each(r.nodes, "\n") + ")\n";
}

void RecordQuotedGroups(CString& out, const CNetRecord& r)
{
    for (size_t i = 0; i < r.nodes.size(); i += 5) {
        out += CString::Formatted("NET '%s' ", r.name.c_str());
        for (size_t k = i; k < r.nodes.size() && k < i + 5; ++k)
            out += r.nodes[k] + " ";
        out += "\n";
    }
}

void RecordAddTer(CString& out, const CNetRecord& r)
{
    out += ".ADD_TER " + r.firstRef + " " + r.firstPin + " " + r.name + "\n";
    for (size_t i = 1; i < r.nodes.size(); ++i)
        out += (i == 1 ? ".TER   " : "       ") + r.nodes[i];
}

void RecordNumbered(CString& out, const CNetRecord& r)
{
    out +=
        CString::Formatted("%04d %s ", int(r.number), r.name.c_str()) + Each(r.nodes, " ") + "\n";
}

void RecordSemicolon(CString& out, const CNetRecord& r)
{
    out += r.name + ";" + Joined(r.nodes, ",") + "\n";
}

void RecordFirstNode(CString& out, const CNetRecord& r)
{
    const CString cont = "\n" + Blanks(12);
    CString rec = CString::Formatted("%9s", r.name.c_str()) + " ; " + r.firstRef + "." +
                  r.firstPin + "," + cont;
    for (size_t i = 1; i < r.nodes.size(); ++i)
        rec += r.nodes[i] + "," + cont;
    StripTrailing(rec, ", \t\r\n");
    out += rec + "\n";
}

void RecordPackages(CString& out, const CNetRecord& r)
{
    CString rec = CString::Formatted("%9s ; ", r.name.c_str());
    NodesWithBreaks(rec, r, " ", 5, ",\n" + Blanks(12));
    TrimBlanksAndBreaks(rec);
    StripTrailing(rec, ",");
    TrimBlanksAndBreaks(rec);
    out += rec + "\n";
}

void RecordSignal(CString& out, const CNetRecord& r)
{
    out += CString::Formatted("(SIG,,%s,1-1,5,%s\n", r.name.c_str(), r.name.c_str()) +
           Each(r.nodes, "") + ")\n";
}

// The name line, then the nodes after a blank each; a node that takes the
// running count past 50 starts a new line.
void RecordCounted(CString& out, const char* prefix, const CNetRecord& r)
{
    out += prefix + r.name + "\n";
    int count = 0;
    bool lineHasNode = false;
    for (const CString& n : r.nodes) {
        const CString piece = " " + n;
        count += piece.GetLength();
        if (count > 50 && lineHasNode) {
            out += "\n";
            count = 0;
        }
        out += piece;
        lineHasNode = true;
    }
    out += "\n";
}
void RecordSig(CString& out, const CNetRecord& r)
{
    RecordCounted(out, "*Sig ", r);
}
void RecordSignalStar(CString& out, const CNetRecord& r)
{
    RecordCounted(out, "*SIGNAL* ", r);
}

void RecordNodeName(CString& out, const CNetRecord& r)
{
    out += (r.named ? "NODENAME " : "NODE     ") + CString::Formatted("%-16s $\n", r.name.c_str());
    for (size_t i = 0; i < r.nodes.size(); ++i) {
        if (i % 4 == 0)
            out += Blanks(4);
        out += r.nodes[i] + "  ";
        if (i % 4 == 3)
            out += " $\n";
    }
    if (!r.nodes.empty() && r.nodes.size() % 4 == 0)
        out = out.Left(out.GetLength() - 2) + "\n";
    else
        out += "\n";
}

void RecordLinePerNode(CString& out, const CNetRecord& r)
{
    for (const CString& n : r.nodes)
        out += r.name + " " + n;
}

void RecordSlash(CString& out, const CNetRecord& r)
{
    CString rec = CString::Formatted("/%-9s ", r.name.c_str());
    NodesWithBreaks(rec, r, " ", 8, ",\n" + Blanks(11));
    StripTrailing(rec, ", \t\r\n");
    out += rec + ";\n";
}

// Lines of at most 81 characters and 8 nodes, each keeping its final comma.
void RecordStarred(CString& out, const CNetRecord& r)
{
    out += "* " + r.name + "\n";
    CString line;
    int onLine = 0;
    auto close = [&]() {
        StripTrailing(line, " ");
        out += line + "\n";
        line.Empty();
        onLine = 0;
    };
    for (const CString& n : r.nodes) {
        const CString piece = n + ", ";
        if (onLine > 0 && line.GetLength() + piece.GetLength() >= 82)
            close();
        line += piece;
        if (++onLine == 8)
            close();
    }
    if (onLine > 0)
        close();
    out += "\n";
}

void RecordBackslash(CString& out, const CNetRecord& r)
{
    CString line = "\\" + r.name + "\\" + Blanks(4);
    for (const CString& n : r.nodes) {
        const CString piece = n + " ";
        if (line.GetLength() + piece.GetLength() > 79) {
            out += line + "\n";
            line = "*  ";
        }
        line += piece;
    }
    out += line + "\n";
}

void RecordJoint(CString& out, const CNetRecord& r)
{
    out += " " + r.name + Blanks(3);
    for (size_t i = 0; i < r.nodes.size(); ++i) {
        out += r.nodes[i] + Blanks(3);
        if ((i + 1) % 6 == 0 && i + 1 < r.nodes.size())
            out += "\n" + Blanks(12);
    }
    out += "\n";
}

void RecordParenNamed(CString& out, const CNetRecord& r)
{
    out += "(" + r.name + "\n" + Each(r.nodes, "\n") + ")\n";
}

void RecordBracket(CString& out, const CNetRecord& r)
{
    out += r.name + "[" + Joined(r.nodes, ",") + "]\n";
}

// Nodes after ", "; a node that would take the line to 81 characters, and
// every 10th node, begins a new line.
void RecordTenPerLine(CString& out, const CNetRecord& r)
{
    CString rec = CString::Formatted("%-8s ; ", r.name.c_str());
    for (size_t i = 0; i < r.nodes.size(); ++i) {
        const CString piece = r.nodes[i] + ", ";
        if (i > 0 && ((i + 1) % 10 == 0 || LineLength(rec) + piece.GetLength() >= 81))
            rec += "\n" + Blanks(11);
        rec += piece;
    }
    StripTrailing(rec, ", \t\r\n");
    out += rec + "\n";
}

void RecordNone(CString&, const CNetRecord&)
{
}

// --- part sections ----------------------------------------------------------------------------

CString PartComp(const CPartEntry& p)
{
    return CString::Formatted("            %-19s [%-20s]={%-9s,,,,};\n", p.ref.c_str(),
                              p.value.c_str(), p.board.c_str());
}
CString PartBracketBlock(const CPartEntry& p)
{
    return "[\n" + p.ref + "\n" + p.board + "\n" + p.partName + "\n" + p.valueText + "\n\n\n]\n";
}
CString PartMentor(const CPartEntry& p)
{
    return CString::Formatted("%-15s    PART %-20s  %s\n", p.ref.c_str(), p.partName.c_str(),
                              p.board.c_str());
}
CString PartAddCom(const CPartEntry& p)
{
    return ".ADD_COM   " + p.ref + "   " + p.partName + "\n";
}
CString PartPackage(const CPartEntry& p)
{
    return CString::Formatted("%-20s!%-10s; %-20s\n", p.board.c_str(), p.partName.c_str(),
                              p.ref.c_str());
}
CString PartRefValue(const CPartEntry& p)
{
    return CString::Formatted("%-6s %s\n", p.ref.c_str(), p.value.c_str());
}
CString PartCutValues(const CPartEntry& p)
{
    return CString::Formatted("%-17s %-15s %s\n", CutToWidth(p.value, 17, false).c_str(),
                              CutToWidth(p.value, 15, false).c_str(), p.ref.c_str());
}
CString PartColumns(const CPartEntry& p)
{
    return CString::Formatted("%-20s%-20s%-20s000     000     0\n", p.value.c_str(), p.ref.c_str(),
                              p.board.c_str());
}
CString PartVersion4(const CPartEntry& p)
{
    return p.ref + ", " + p.value + ", " + p.board + ", 0, 0, 270.00, " + p.partName + ";\n";
}
CString PartRefBoard(const CPartEntry& p)
{
    return p.ref + "," + p.board + "\n";
}
CString PartPts(const CPartEntry& p)
{
    return CString::Formatted("                !%-14s   ;%-s\n", p.value.c_str(), p.ref.c_str());
}

// Symbol blocks, numbered from 1 per reference; the gates after the first
// add the pins the block does not list yet.  Each part is marked with its
// symbol number for the node texts.
void PartSymbols(CString& out, std::vector<CPartEntry>& parts)
{
    int number = 0;
    CString blockRef;
    std::set<std::string> written;
    for (CPartEntry& p : parts) {
        if (number == 0 || p.ref.CompareNoCase(blockRef) != 0) {
            if (number > 0)
                out += ")\n";
            ++number;
            blockRef = p.ref;
            written.clear();
            out += CString::Formatted("(SYM,1-1,%d\n", number);
            out += "DATA,2," + p.ref + "\nDATA,3," + p.partName + "\nDATA,4," + p.value + "\n";
        }
        p.part->NewText(CString::Formatted("%s%d", kSymbolNumberTag, number), p.part->GetOrg(),
                        CText::kDefaultSize, CText::kDefaultAttr | CText::kHidden);
        for (const CPin& pin : p.part->Pins()) {
            CString label = pin.GetNo().IsEmpty() ? pin.GetName() : pin.GetNo();
            if (p.nodeUpper)
                label = Cp932Upper(label);
            if (label.IsEmpty() || !written.insert(label.str()).second)
                continue;
            out += CString::Formatted("DATA,%d,", pin.GetEleType() == CPin::Output ? 21 : 23) +
                   label + "\n";
        }
    }
    if (number > 0)
        out += ")\n";
}

// One line per type (value and board name): the type, then the references
// of its parts.  One part per reference; types in byte order, references in
// the section's reference order.
void PartTypes(CString& out, std::vector<CPartEntry>& parts)
{
    std::set<std::string> seen;
    std::map<std::string, CString> types; // type -> its references, in section order
    for (const CPartEntry& p : parts)
        if (seen.insert(Cp932Upper(p.ref).str()).second)
            types[(p.value + " " + p.board).str()] += " " + p.ref;
    for (const auto& [type, refs] : types)
        out += CString(type) + refs + "\n";
}

// --- the table ----------------------------------------------------------------------------------

using F = CNetFormat;
constexpr unsigned kParts = F::kPartSheet | F::kSortParts;

const std::vector<CNetFormat> kFormats = {
    // code, name, extension, flags, head, head lines, tail, node text, unnamed, numbering,
    // record, parts open, part line, parts body, parts close, skip repeated references
    {1, "CR3000", ".net", 0, "/*\n *%s\n *%s\n *%s\n */\n\n$CCF\n{\n  NET {\n", F::ThreeLines,
     "      }\n}\n\n", NodeParen, "NET%06u", F::UnnamedOnly, RecordCcf, nullptr, nullptr, nullptr,
     nullptr, true},
    {6, "VISULA", ".net", kParts, ".HEA\n.REM%s\n  %s\n  %s\n.EOR\n\n", F::ThreeLines, ".END\n",
     NodeBlankLine, "NET%04u", F::UnnamedOnly, RecordAddTer, nullptr, PartAddCom, nullptr, nullptr,
     true},
    {2, "ECAD", ".net", 0, "", F::NoLines, "", NodeDash, "NET%06u", F::UnnamedOnly, RecordFullStop,
     nullptr, nullptr, nullptr, nullptr, true},
    {7, "Computer Vision", ".net", 0, "", F::NoLines, "", NodeDash, "NET%04u", F::EveryNet,
     RecordNumbered, nullptr, nullptr, nullptr, nullptr, true},
    {4, "Tango", ".net", kParts | F::kPcbProperty, "#\n#%s\n#%s\n#\n\n", F::TwoLines, "", NodeComma,
     "NET%06d", F::UnnamedOnly, RecordParenLines, nullptr, PartBracketBlock, nullptr, nullptr,
     true},
    {10, "TELESIS", ".net", F::kPartSheet | F::kPcbProperty, "$PACKAGES\n", F::NoLines, "$END\n",
     NodeDot, "NET%06u", F::UnnamedOnly, RecordPackages, nullptr, PartPackage, nullptr, "$NETS\n",
     false},
    {9, "WORK VIEW", ".net", 0, "", F::NoLines, "", NodeDot, "NET%06u", F::UnnamedOnly,
     RecordFirstNode, nullptr, nullptr, nullptr, nullptr, true},
    {8, "POWER VIEW", ".net", 0, "", F::NoLines, "", NodeCaret, "NET%04d", F::UnnamedOnly,
     RecordSemicolon, nullptr, nullptr, nullptr, nullptr, true},
    {11, "FutureNet(NETC)", ".net", kParts,
     "NETLIST,2\n(DRAWING,VIREO.NET,1-1\nDATA,50,VIREO Generate Netlist\nDATA,51,%s\nDATA,54,Date "
     "%s\n)\n",
     F::NoLines, "", NodePinLine, "NET%d", F::UnnamedOnly, RecordSignal, nullptr, nullptr,
     PartSymbols, nullptr, false},
    {12, "PADS", ".net", 0, "*PADS-PCB\n*Net\n", F::NoLines, "*End\n", NodeDot, "NET%06u",
     F::UnnamedOnly, RecordSig, nullptr, nullptr, nullptr, nullptr, true},
    {13, "PADS-PCB", ".net", kParts, "*PADS-PCB*\n", F::NoLines, "*END*\n", NodeDot, "NET%06u",
     F::UnnamedOnly, RecordSignalStar, "*PART*\n", PartRefValue, nullptr, "\n*NET*\n", true},
    {14, "PADS-2000", ".net", 0, "*PADS2000*\n*NET*\n", F::NoLines, "*END*\n", NodeDot, "NET%06u",
     F::UnnamedOnly, RecordSignalStar, nullptr, nullptr, nullptr, nullptr, true},
    {15, "Scicards", ".net", kParts, "", F::NoLines, "EOS\n", NodeTwelve, "%u", F::EveryNet,
     RecordNodeName, "PART LIST\n\n", PartCutValues, nullptr, "EOS\nNET LIST\n\n", true},
    {3, "CADVANCE", ".net", kParts | F::kPcbProperty,
     "/*\n * %s\n * %s\n * %s\n */\n$NET_LIST [ MM ] {\n", F::ThreeLines, "\t}\n}\n", NodeDash,
     "NET%05d", F::UnnamedOnly, RecordBraces, "\tcomp {\n", PartComp, nullptr, "\t}\nnets {\n",
     true},
    {16, "CADLUS", ".net", 0, "", F::NoLines, "", NodeBlankLine, "NET%06u", F::EveryNet,
     RecordLinePerNode, nullptr, nullptr, nullptr, nullptr, true},
    {17, "Calay", ".net", kParts | F::kComponentFile | F::kPcbProperty, "", F::NoLines, "",
     NodeParen, "NET%06u", F::UnnamedOnly, RecordSlash, "", PartColumns, nullptr, "\n", true},
    {18, "ultiBOARD", ".net", kParts | F::kComponentFile | F::kPcbProperty,
     "++ %s\n++ %s\n++ %s\n\n", F::ThreeLines, "", NodeDash, "NET%06u", F::UnnamedOnly,
     RecordStarred, "* VERSION 4 1\n", PartVersion4, nullptr, "", true},
    {19, "PCAD", ".net", kParts | F::kPcbProperty | F::kNetIndex, "%%%% %s\n%%%% %s\n%%%% %s\n",
     F::ThreeLines, "}\n}\n", NodeNone, "NET%06u", F::NoNumber, RecordNone, nullptr, nullptr,
     nullptr, nullptr, true},
    {5, "Mentor", ".net", kParts | F::kComponentFile | F::kPcbProperty, "#\n#%s\n#%s\n#\n\n",
     F::TwoLines, "", NodeDash, "N%06u", F::UnnamedOnly, RecordQuotedGroups,
     "# VIREO Formatted Netlist for MENTOR\n# Reference        Value      PCB Property\n",
     PartMentor, nullptr, "", true},
    {20, "Expedition PCB", ".net", F::kPartSheet | F::kPcbProperty,
     ";; V4.1.0\n%%net\n%%page=0001\n%%Prior=0\n", F::NoLines, "", NodeBackslash, "XSIG%06u",
     F::UnnamedOnly, RecordBackslash, nullptr, nullptr, nullptr, nullptr, true},
    {21, "SPICE", ".cir", kParts | F::kNetIndex, "* %s\n* %s\n* %s\n", F::ThreeLines, "", NodeNone,
     "%u", F::NoNumber, RecordNone, nullptr, nullptr, nullptr, nullptr, true},
    {22, "VRC", ".net", kParts | F::kNetIndex, "/*\n * %s\n * %s\n * %s\n */\n", F::ThreeLines, "",
     NodeNone, "NET%06u", F::NoNumber, RecordNone, nullptr, nullptr, nullptr, nullptr, true},
    {23, "CR3000-DRN", ".net", F::kIgnoreNames, "/*\n *%s\n *%s\n *%s\n */\n\n$CCF\n{\n  NET {\n",
     F::ThreeLines, "      }\n}\n\n", NodeParen, "NET%06u", F::EveryNet, RecordCcf, nullptr,
     nullptr, nullptr, nullptr, true},
    {24, "CADLUS-PC(DIS)", ".net", F::kIgnoreNames,
     "\n=== JOINT NET LIST ===  [NETNAME  REF-PIN..]%s\n\n", F::DateLine, "", NodeFifteen, "S%07u",
     F::EveryNet, RecordJoint, nullptr, nullptr, nullptr, nullptr, true},
    {25, "EDWinXP PCB", ".net", kParts | F::kPcbProperty, "(PATH,VIREO()\n", F::NoLines,
     ")\n),VIREO\n", NodeComma, "NET%04d", F::UnnamedOnly, RecordParenNamed, "(COMPONENTS\n",
     PartRefBoard, nullptr, ")\n(NODES\n", true},
    {26, "DK-\x83\xb0/Magic", ".net", 0, "", F::NoLines, "", NodeDash, "%d", F::UnnamedOnly,
     RecordBracket, nullptr, nullptr, nullptr, nullptr, true},
    {27, "PowerPCB", ".asc", kParts, "!PADS-POWERPCB-V5.0-BASIC! DESIGN DATABASE ASCII FILE 1.0\n",
     F::NoLines, "*END*\n", NodeDot, "NET%06u", F::UnnamedOnly, RecordSignalStar, "*PART*\n",
     PartRefValue, nullptr, "\n*NET*\n", true},
    {28, "MM-2/MM-Colmo", ".net", kParts | F::kComponentFile | F::kPcbProperty | F::kPartsFirst,
     "$NET\n", F::NoLines, "$END\n$THM\n$END\n", NodeDash, "NET%05u", F::UnnamedOnly,
     RecordTenPerLine, "$PTS\n", PartPts, nullptr, "$END\n", true},
    {29, "Dream CAD", ".net", kParts | F::kPcbProperty | F::kPartsFirst, "$NET\n", F::NoLines,
     "$END\n", NodeDash, "NET%05u", F::UnnamedOnly, RecordTenPerLine, "$PART\n", nullptr, PartTypes,
     "$END\n", false},
};

} // namespace

const std::vector<CNetFormat>& NetFormats()
{
    return kFormats;
}

const CNetFormat* FindNetFormat(int code)
{
    for (const CNetFormat& f : kFormats)
        if (f.code == code)
            return &f;
    return nullptr;
}

const CNetFormat* FindNetFormat(const std::string& nameOrCode)
{
    if (!nameOrCode.empty() && nameOrCode.find_first_not_of("0123456789") == std::string::npos)
        return nameOrCode.size() <= 3 ? FindNetFormat(std::atoi(nameOrCode.c_str())) : nullptr;
    for (const CNetFormat& f : kFormats)
        if (CString(f.name).CompareNoCase(CString(nameOrCode)) == 0)
            return &f;
    return nullptr;
}
