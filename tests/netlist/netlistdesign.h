// The hand-made designs of the netlist tests (tests/data/netlist), read
// from their text form, with their nets and the sheet of all their parts as
// the Net List command builds them.
#pragma once

#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "base/archive.h"
#include "base/itemlist.h"
#include "net/netbuild.h"
#include "netlist/netlistbuild.h"
#include "sheet/sheet.h"

inline std::string ReadTestFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

struct NetlistDesign {
    CSheet sheet{CSheet::kDrawing};
    CItemList<CNet> nets;
    std::unique_ptr<CSheet> parts = std::make_unique<CSheet>();

    // docName is what the nodes carry as their file.
    explicit NetlistDesign(const std::string& textFile, const char* docName = "golden.dcd")
    {
        const std::string text = ReadTestFile(textFile);
        CArchive ar(std::vector<uint8_t>(text.begin(), text.end()));
        sheet.SerializeText(ar);
        BuildNets({{docName, 1, &sheet}}, nets);
        for (const CPart& part : sheet.Parts())
            if (!part.GetRefName().IsEmpty())
                parts->NewPart(part);
    }
};

// The request the golden files were written for.
inline CNetlistRequest GoldenRequest(int format)
{
    CNetlistRequest r;
    r.format = format;
    r.startNo = 1;
    r.style.pcbProperty = "FOOTPRINT";
    r.path = "/work/golden.net";
    r.date = "2024/01/02  03:04:05";
    r.baseName = "golden";
    r.boardHeader = "{PDIFVER 4.0}\n";
    r.hasSimulatorTemplate = true;
    r.simulatorTemplate = "* test circuit\r\n$netlist$\r\n.end\r\n";
    return r;
}
