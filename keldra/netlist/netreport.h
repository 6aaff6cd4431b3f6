// The net information report: which nets are open, which carry several
// names, and which pins of which nets break the electrical rules - as text
// (".nrp", "\n" line ends) or through the HTML template (".nrp.html", bytes
// as they go into the file).
#pragma once

#include <vector>

#include "base/itemlist.h"
#include "net/netbuild.h"
#include "netlist/htmltemplate.h"

class CNet;
class CNetContext;

struct CNetReportInfo {
    CString date;                         // the netlist's creation date
    CNetCounts counts;                    // of the netlist
    const CNetContext* context = nullptr; // sheet numbers
    std::vector<CString> fileList;        // the page head's file list, in its order
    std::vector<CString> warnings;        // listed after the rule check when there are any
};

// The report's lists, from the merged nets.
struct CNetReportLists {
    std::vector<const CNet*> open;      // not real, fewer than two names
    std::vector<const CNet*> openAlias; // not real, two names or more
    std::vector<const CNet*> alias;     // real, two names or more
    std::vector<const CNet*> drc[17];   // by rule-check code bit
    static CNetReportLists Of(const CItemList<CNet>& nets);
};

CString MakeNetReportText(const CItemList<CNet>& nets, const CNetReportInfo& info);
// False with the reason when the template lacks a block the report needs.
bool MakeNetReportHtml(const CItemList<CNet>& nets, const CNetReportInfo& info,
                       const CHtmlTemplate& html, CString& out, CString& error);
