#include "netlist/netreport.h"

#include <cstdint>
#include <map>
#include <string>

#include "base/codepage.h"
#include "base/hundredths.h"
#include "net/net.h"
#include "net/netcontext.h"
#include "netlist/netformat.h"

namespace {

CString Counts(const char* format, const CNetCounts& c)
{
    return CString::Formatted(format, unsigned(c.nets), unsigned(c.connections),
                              unsigned(c.nets + c.connections));
}

// The name an HTML entry shows for a net.
CString EntryNetName(const CNet& net)
{
    const std::vector<CString>& names = net.Names();
    if (names.size() >= 2)
        return names.front();
    CString name = names.empty() ? CString() : names.front();
    const CString marker(kNetMarker);
    if (name.Left(marker.GetLength()).CompareNoCase(marker) == 0)
        name = name.Mid(marker.GetLength());
    return name.IsEmpty() ? CString("Open Wire") : name;
}

// One entry of a list block, filled from a net (or none) and a node (or none).
CString FillEntry(const CString& entry, const CNet* net, const CNetName* node, int serial,
                  const CNetContext* context)
{
    std::map<std::string, CString> v;
    CString alias;
    if (net)
        for (size_t i = 1; i < net->Names().size(); ++i)
            alias += net->Names()[i] + " ";
    v["$NETNAME$"] = net ? EntryNetName(*net) : CString();
    v["$ALIAS$"] = alias;
    v["$SERNO$"] = CString::Formatted("%d", serial);
    if (node) {
        const CPoint p = node->GetPin().GetStartPoint();
        v["$REF$"] = node->GetRefName();
        v["$PARTNAME$"] = node->GetPartName();
        v["$PINNO$"] = node->GetPinNo();
        v["$PINNAME$"] = node->GetPinName();
        v["$PINELECT$"] = node->GetPin().GetEleName();
        v["$PATH$"] = node->GetFileName();
        v["$DOCNO$"] =
            CString::Formatted("%d", context ? context->GetSheetNo(node->GetFileName()) : 0);
        v["$FILE$"] = CHtmlTemplate::FileName(node->GetFileName());
        v["$X$"] = FormatHundredths(p.x);
        v["$Y$"] = FormatHundredths(p.y);
        v["$TAGJUMP$"] = CHtmlTemplate::TagJump(p);
        v["$VIREOLINK$"] = CHtmlTemplate::VireoLink(node->GetFileName(), p);
    } else {
        for (const char* key : {"$REF$", "$PARTNAME$", "$PINNO$", "$PINNAME$", "$PINELECT$",
                                "$PATH$", "$DOCNO$", "$FILE$", "$X$", "$Y$", "$TAGJUMP$",
                                "$VIREOLINK$"})
            v[key] = CString();
    }
    for (auto& entryValue : v)
        entryValue.second = CHtmlTemplate::Escape(entryValue.second);
    return CHtmlTemplate::Expand(entry, v);
}

} // namespace

CNetReportLists CNetReportLists::Of(const CItemList<CNet>& nets)
{
    CNetReportLists lists;
    for (const CNet& net : nets) {
        const bool real = net.CheckNet();
        if (!real && net.CheckAliasNet())
            lists.open.push_back(&net);
        if (!real && !net.CheckAliasNet())
            lists.openAlias.push_back(&net);
        if (real && !net.CheckAliasNet())
            lists.alias.push_back(&net);
        const int code = net.CheckPinDRC();
        for (int i = 0; i < CNet::kDrcCodeCount; ++i)
            if (code & (1 << i))
                lists.drc[i].push_back(&net);
    }
    return lists;
}

CString MakeNetReportText(const CItemList<CNet>& nets, const CNetReportInfo& info)
{
    const CNetReportLists lists = CNetReportLists::Of(nets);
    CNetWriteStyle style;
    style.context = info.context;
    CString out = "VIREO Net Infomation file Ver 1.11\n";
    out += FromUtf8("作成日時 ") + info.date + "\n\n";
    out += Counts(
        FromUtf8("ネットグループ数 %6u\n配線総数　       %6u\n接続ピン合計 　  %6u\n\n").c_str(),
        info.counts);
    auto lines = [&](const std::vector<const CNet*>& list, unsigned kind) {
        for (const CNet* net : list) {
            unsigned k = kind;
            out += net->MakeString(0, k, style);
        }
    };
    out += "Open Net(s)\n";
    lines(lists.open, 0);
    // Nets of two names or more are listed with the alias line.
    out += "\nOpen Alias Net(s)\n";
    lines(lists.openAlias, 1);
    out += "\nAlias Net(s)\n";
    lines(lists.alias, 1);
    out += "\n";
    for (int i = 0; i < CNet::kDrcCodeCount; ++i) {
        out += CString::Formatted("[DRC %s]\n", CNet::DrcName(i));
        if (lists.drc[i].empty())
            out += "\n";
        unsigned mask = 1u << i;
        for (const CNet* net : lists.drc[i])
            out += net->MakeString(-1, mask, info.context);
    }
    if (!info.warnings.empty()) {
        out += "[Warning(s)]\n";
        for (const CString& w : info.warnings)
            out += w + "\n";
    }
    out += "\n";
    return out;
}

bool MakeNetReportHtml(const CItemList<CNet>& nets, const CNetReportInfo& info,
                       const CHtmlTemplate& html, CString& out, CString& error)
{
    CHtmlTemplate::ListBlock block;
    if (!html.List("$RPT$", block, error))
        return false;
    const CNetReportLists lists = CNetReportLists::Of(nets);
    out = CHtmlTemplate::Expand(
        html.Head(),
        {{"$FILELIST$", CHtmlTemplate::FileList(info.fileList)},
         {"$TITLE$", CHtmlTemplate::Escape(FromUtf8("ＶＩＲＥＯ－ネットレポートファイル"))},
         {"$DATE$", CHtmlTemplate::Escape(info.date)}});
    out += CHtmlTemplate::Expand(
        html.Block("$RPT_HEAD$"),
        {{"$NETGROUP$", CString::Formatted("%6u", unsigned(info.counts.nets))},
         {"$NETNODE$", CString::Formatted("%6u", unsigned(info.counts.connections))},
         {"$NETTOTAL$",
          CString::Formatted("%6u", unsigned(info.counts.nets + info.counts.connections))}});
    int serial = 0;
    auto open = [&](const CString& title) {
        out += CHtmlTemplate::Expand(block.title, {{"$BLOCKTITLE$", CHtmlTemplate::Escape(title)}});
    };
    auto netBlock = [&](const char* title, const std::vector<const CNet*>& list) {
        open(title);
        for (const CNet* net : list)
            out +=
                FillEntry(block.entry, net, net->Nodes().empty() ? nullptr : &net->Nodes().front(),
                          serial++, info.context);
        out += block.end;
    };
    std::vector<const CNet*> openWithNodes;
    for (const CNet* net : lists.open)
        if (!net->Nodes().empty())
            openWithNodes.push_back(net);
    netBlock("Open Net(s)", openWithNodes);
    netBlock("Open Alias Net(s)", lists.openAlias);
    netBlock("Alias Net(s)", lists.alias);
    for (int i = 0; i < CNet::kDrcCodeCount; ++i) {
        open(CString("DRC ") + CNet::DrcName(i));
        for (const CNet* net : lists.drc[i])
            for (const CNetName& node : net->Nodes())
                if (node.CheckDRC(1 << i))
                    out += FillEntry(block.entry, nullptr, &node, serial++, info.context);
        out += block.end;
    }
    if (!info.warnings.empty()) {
        open("Warning(s)");
        for (const CString& w : info.warnings) {
            CNet shown;
            shown.SetNetName(w);
            out += FillEntry(block.entry, &shown, nullptr, serial++, info.context);
        }
        out += block.end;
    }
    out += html.Tail();
    return true;
}
