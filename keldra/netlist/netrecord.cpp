// The netlist texts of nets and nodes: header and tail templates, net
// records and node texts, laid out by the writers of the format table.
#include <string>

#include "base/hundredths.h"
#include "net/net.h"
#include "net/netcontext.h"
#include "netlist/netformat.h"

namespace {

// A name without its leading internal marker; "Open Wire" for none.
CString ReportName(const CString& name)
{
    CString shown = name;
    const CString marker(kNetMarker);
    if (shown.Left(marker.GetLength()).CompareNoCase(marker) == 0)
        shown = shown.Mid(marker.GetLength());
    return shown.IsEmpty() ? CString("Open Wire") : shown;
}

CString OpenNetLine(const CNet& net, const CNetWriteStyle& style)
{
    const CNetName& node = net.Nodes().front();
    const CPin& pin = node.GetPin();
    const int type = pin.GetEleType();
    const int sheetNo = style.context ? style.context->GetSheetNo(node.GetFileName()) : 0;
    CString line = CString::Formatted(
        "%9s: ", ReportName(net.Names().empty() ? CString() : net.Names().front()).c_str());
    line += node.MakeString(0, style);
    line += type == CPin::Input   ? " - Input pin"
            : type == CPin::Power ? " - Power pin"
                                  : "            ";
    line += CString::Formatted(" %s [%d]\tX:%s Y:%s\n", node.GetFileName().c_str(), sheetNo,
                               FormatHundredths(pin.GetStartPoint().x).c_str(),
                               FormatHundredths(pin.GetStartPoint().y).c_str());
    return line;
}

CString AliasLine(const CNet& net)
{
    const std::vector<CString>& names = net.Names();
    CString line = CString::Formatted("%9s => ", names.front().c_str());
    for (size_t i = 0; i < names.size(); ++i) {
        line += CString::Formatted("%9s, ", names[i].c_str());
        if ((i + 1) % 5 == 0)
            line += "\n" + CString(' ', 14);
    }
    line.TrimRight();
    if (line.GetLength() > 0 && line[line.GetLength() - 1] == ',')
        line.SetAt(line.GetLength() - 1, ';');
    return line + "\n";
}

} // namespace

CNetRecord CNet::MakeRecord(const CNetFormat& format, unsigned& netNo,
                            const CNetWriteStyle& style) const
{
    CNetRecord r;
    r.number = netNo;
    r.named = !m_names.empty() && !format.Has(CNetFormat::kIgnoreNames);
    if (r.named) {
        r.name = StyledText(m_names.front(), style.netUpper);
        if (format.netNumber == CNetFormat::EveryNet)
            ++netNo;
    } else {
        r.name = CString::Formatted(format.unnamed, netNo);
        if (format.netNumber != CNetFormat::NoNumber)
            ++netNo;
    }
    r.nodes.reserve(m_nodes.size());
    for (const CNetName& node : m_nodes)
        r.nodes.push_back(node.MakeString(format.code, style));
    if (!m_nodes.empty()) {
        r.firstRef = StyledText(m_nodes.front().GetRefName(), style.nodeUpper);
        r.firstPin = StyledText(m_nodes.front().GetPinNo(), style.nodeUpper);
    }
    return r;
}

CString CNet::MakeString(int format, unsigned& netNo, const CNetWriteStyle& style) const
{
    if (format == -1)
        return MakeString(-1, netNo, style.context);
    if (format == 0) {
        if (netNo == 0 && !m_nodes.empty() && m_names.size() < 2)
            return OpenNetLine(*this, style);
        if (netNo == 1 && m_names.size() >= 2)
            return AliasLine(*this);
        return CString();
    }
    const CNetFormat* row = FindNetFormat(format < 0 ? -format : format);
    if (!row || (format < 0 && format != -24))
        return CString();
    CString out;
    if (format == -24) {
        unsigned unused = 0;
        CNetRecord r = MakeRecord(*row, unused, style);
        r.name = "********";
        row->record(out, r);
    } else {
        row->record(out, MakeRecord(*row, netNo, style));
    }
    return out;
}

CString CNet::MakeHead(int format)
{
    const CNetFormat* row = FindNetFormat(format < 0 ? -format : format);
    if (!row || (format < 0 && format != -24))
        return CString();
    CString head;
    switch (row->headLines) {
    case CNetFormat::NoLines:
        head = row->head;
        break;
    case CNetFormat::TwoLines:
        head = CString::Formatted(row->head, kHeadTitleLine, kHeadFileLine);
        break;
    case CNetFormat::ThreeLines:
        head = CString::Formatted(row->head, kHeadTitleLine, kHeadFileLine, kHeadDateLine);
        break;
    case CNetFormat::DateLine:
        head = CString::Formatted(row->head, kHeadDateLine) + CString('-', 124) + "\n";
        break;
    }
    if (format == -24)
        head.Replace("=== JOINT NET LIST ===", "=== OPEN NET LIST ===");
    return head;
}

CString CNet::MakeTail(int format)
{
    const CNetFormat* row = FindNetFormat(format);
    return row ? CString(row->tail) : CString();
}

CString CNetName::MakeString(int format, const CNetWriteStyle& style) const
{
    CNodeText n;
    n.pinName = GetPinName();
    n.type = m_pin.GetEleType();
    if (format == 0) {
        // The report shows references as they are drawn.
        return CString::Formatted("%4s(%4s) %12s", m_refName.c_str(), GetPinNo().c_str(),
                                  n.pinName.c_str());
    }
    const CNetFormat* row = FindNetFormat(format < 0 ? -format : format);
    if (!row || (format < 0 && format != -24))
        return CString();
    n.ref = StyledText(m_refName, style.nodeUpper);
    n.pin = StyledText(GetPinNo(), style.nodeUpper);
    if (style.symbolNumbers) {
        CString key(m_refName);
        auto it = style.symbolNumbers->find(key.MakeLower().str());
        if (it != style.symbolNumbers->end())
            n.ref = CString::Formatted("%d,", it->second) + n.ref;
    }
    return row->nodeText(n);
}
