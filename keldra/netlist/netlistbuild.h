// BuildNetlistText: the text of a whole netlist, in memory, from the merged
// and sorted nets of a design and a sheet holding all of its parts.
//
// The sections come in this order: for the formats that put them first,
// the part section; the header (path and date filled in); the part section
// of the other formats; the format's own additions (symbol numbers, joined
// gates, the board header file, the simulator template around the circuit
// lines, the C defines); the record of every real net; for the joint-list
// format the open-pin and floating-wire groups; the tail; and, for the
// format that groups parts by board name, those groups.
//
// Line ends are "\n"; the caller decides what they become in the file.
#pragma once

#include <string>
#include <vector>

#include "base/itemlist.h"
#include "net/netbuild.h"
#include "netlist/netformat.h"

class CSheet;

struct CNetlistRequest {
    int format = 0;
    unsigned startNo = 1;
    CNetWriteStyle style;
    CString path;               // the netlist path, for the header
    CString date;               // "%Y/%m/%d  %H:%M:%S"
    CString baseName;           // the netlist's file name without folder and extension
    bool componentFile = false; // the part section goes to a file of its own
    std::string boardHeader;    // the board tool's header file, for the component list format
    bool hasSimulatorTemplate = false;
    std::string simulatorTemplate; // a circuit file with a "$NETLIST$" line
};

struct CNetlistText {
    CString netlist;
    CString component;
    CNetCounts counts;
    std::vector<CString> warnings; // what the writer noticed on the way
};

// Writes the netlist of nets.  partSheet holds the parts of every sheet
// (with their tags); it is sorted and marked as the format needs, and may be
// null for the formats without the kPartSheet flag.  Returns 1 when the
// user cancelled, else 0.
int BuildNetlistText(const CItemList<CNet>& nets, CSheet* partSheet, const CNetlistRequest& request,
                     CNetlistText& out);

// What could go wrong in a board tool reading this netlist: nets that are
// written under one name (case aside), node texts that name two pins, No
// Connect pins that are wired to other pins, references that two parts carry
// (with the sheets given, also parts whose pins all share nets with their twin).
std::vector<CString> PreflightWarnings(const CItemList<CNet>& nets, const CNetlistRequest& request,
                                       const std::vector<CNetSheet>* sheets = nullptr,
                                       const CNetContext* context = nullptr);
