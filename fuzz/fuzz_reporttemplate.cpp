// Feeds bytes to the readers of the netlist job's data files: the HTML
// report template, and the circuit template and board header that are
// copied into netlists line by line.
//
// Besides the sanitizers: a template that parses yields a report page that
// ends with the template's page tail, and the copied files never lose the
// netlist's own lines.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "net/netbuild.h"
#include "netlist/netlistbuild.h"
#include "netlist/netreport.h"
#include "sheet/sheet.h"

namespace {

// Two resistors in series and an open input: a real net, an open net.
struct Design {
    CSheet sheet{CSheet::kDrawing};
    CSheet parts;
    CItemList<CNet> nets;
    Design()
    {
        for (int k = 0; k < 2; ++k) {
            CPart part(CPoint(), CPoint(), CPoint(), 1, 1, 0, 0);
            part.SetRefName(CString::Formatted("R%d", k + 1));
            part.NewPin(CPoint(100, k * 500), CPoint(0, k * 500), CPin::Input)->SetNo("1");
            sheet.NewPart(part);
            parts.NewPart(part);
        }
        sheet.NewWire(CPoint(0, 0), CPoint(0, 500));
        BuildNets({{"f.dcd", 1, &sheet}}, nets);
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Design design;
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    CHtmlTemplate html;
    CString error, page;
    if (html.Parse(bytes, error)) {
        CNetReportInfo info;
        info.fileList = {CString(bytes.substr(0, 64))};
        if (MakeNetReportHtml(design.nets, info, html, page, error)) {
            const std::string& tail = html.Tail().str();
            if (page.str().size() < tail.size() ||
                page.str().compare(page.str().size() - tail.size(), tail.size(), tail) != 0)
                std::abort();
        }
    }

    for (int format : {19, 21}) {
        CSheet parts;
        parts += design.parts;
        CNetlistRequest request;
        request.format = format;
        request.boardHeader = bytes;
        request.simulatorTemplate = bytes;
        request.hasSimulatorTemplate = true;
        CNetlistText text;
        if (BuildNetlistText(design.nets, &parts, request, text) != 0)
            std::abort();
        if (text.netlist.Find(format == 19 ? "{SUBCOMP\n" : "R1 ") < 0)
            std::abort();
    }
    return 0;
}
