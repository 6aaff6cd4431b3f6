#include "net/netbuild.h"

#include "base/host.h"
#include "sheet/sheet.h"

int BuildNets(const std::vector<CNetSheet>& sheets, CItemList<CNet>& nets,
              const CNetContext* context)
{
    const CSheetSetContext own(sheets);
    if (!context)
        context = &own;
    CNetWarningScope warnings;
    auto cancel = [&]() {
        nets.RemoveAll();
        Host().ProgressEnd();
        return 1;
    };
    for (const CNetSheet& s : sheets) {
        if (!s.sheet)
            continue;
        CItemList<CNet> sheetNets;
        if (s.sheet->CreateWireGroup(sheetNets) ||
            s.sheet->CreatePinGroup(sheetNets, s.docName, context))
            return cancel();
        while (!sheetNets.IsEmpty())
            nets.AddTail(sheetNets.Detach(sheetNets.GetHeadPosition()));
    }
    if (CSheet::NetCorrection(nets, 0) || CSheet::SortNet(nets))
        return cancel();
    Host().ProgressEnd();
    return 0;
}

CNetCounts CountNets(const CItemList<CNet>& nets)
{
    CNetCounts counts;
    for (const CNet& net : nets) {
        if (!net.CheckNet())
            continue;
        ++counts.nets;
        counts.connections += net.GetNodeCount() - 1;
    }
    return counts;
}
