// The net extraction rules written as the plain loops they are stated as -
// restart-from-the-head merges, "the first net that ...", swapping selection
// sorts - for the property tests that hold the fast passes to them.  Slow on
// purpose; tests only.
#pragma once

#include <string>
#include <vector>

#include "base/itemlist.h"
#include "net/net.h"
#include "net/netcontext.h"

class CSheet;

void LiteralWireGroup(const CSheet& sheet, CItemList<CNet>& nets);
void LiteralPinGroup(const CSheet& sheet, CItemList<CNet>& nets, const CString& docName,
                     const CNetContext* context);
void LiteralCorrection(CItemList<CNet>& nets, int withWires);
void LiteralSortNet(CItemList<CNet>& nets);
void LiteralBuild(const std::vector<CNetSheet>& sheets, CItemList<CNet>& nets);

// A net list as text, one line per net: names, power flag, nodes, wires and
// junctions, all in list order - for comparisons that show what differs.
std::string DescribeNets(const CItemList<CNet>& nets);
