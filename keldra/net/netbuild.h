// BuildNets: the nets of a design, ready for netlists, reports, check sheets
// and the editor's highlight.
#pragma once

#include <vector>

#include "base/itemlist.h"
#include "net/net.h"
#include "net/netcontext.h"

// Extracts every sheet into a net list of its own (wires, then pins), joins
// the lists in sheet order, merges nets of different sheets by name only -
// sheets never join by coordinates - and sorts nodes and nets.  Without a
// context the sheets answer for themselves (CSheetSetContext).  Returns 1 when
// the user cancelled (nets is then left empty), else 0; progress goes to the
// host and ends with the build.
int BuildNets(const std::vector<CNetSheet>& sheets, CItemList<CNet>& nets,
              const CNetContext* context = nullptr);

// The counts a netlist summary gives: real nets, and connections (each real
// net's nodes less one).
struct CNetCounts {
    int nets = 0;
    int connections = 0;
};
CNetCounts CountNets(const CItemList<CNet>& nets);
