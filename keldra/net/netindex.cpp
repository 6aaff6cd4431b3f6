// The net index: every pin of every part learns the name of its net, as a
// "{VIREO NETINDEX}" text of its part, for the netlist formats that list nets
// part by part.
#include <string>
#include <unordered_map>
#include <vector>

#include "base/host.h"
#include "net/net.h"
#include "sheet/sheet.h"

namespace {

bool StartsWithDigit(const CString& s)
{
    return s.GetLength() > 0 && s[0] >= '0' && s[0] <= '9';
}

} // namespace

CString NetIndexName(const CNet& net, int format, unsigned& counter)
{
    const std::vector<CString>& names = net.Names();
    if (format == 21) {
        for (const CString& name : names)
            if (StartsWithDigit(name))
                return name;
        if (!names.empty())
            return names.front();
        return CString::Formatted("%u", counter++);
    }
    if (!names.empty())
        return names.front();
    return CString::Formatted("NET%06u", counter++);
}

int CSheet::NetIndex(int format, const CItemList<CNet>& nets, int firstNo)
{
    BeginProgressPhase(ProgressPhase::NetIndex, nets.GetCount());
    // Parts by the reference nodes carry (the package reference for gates).
    std::unordered_map<std::string, std::vector<CPart*>> byRef;
    for (CPart& part : m_parts) {
        const CString ref = part.GetPackageMax() < 2 ? part.GetRefName() : part.GetRefNameA();
        byRef[ref.str()].push_back(&part);
    }
    unsigned counter = unsigned(firstNo);
    int step = 0;
    for (const CNet& net : nets) {
        Host().ProgressStep(step++);
        if (Host().IsCancelled())
            return 1;
        if (!net.CheckNet())
            continue;
        const CString name = NetIndexName(net, format, counter);
        for (const CNetName& node : net.Nodes()) {
            auto it = byRef.find(node.GetRefName().str());
            if (it == byRef.end())
                continue;
            // Laid out once, then moved to each part's origin.
            const CText text(CString("{VIREO NETINDEX}") +
                                 CString::Formatted("%s&&%s", node.GetPinNo().c_str(), name.c_str()),
                             CPoint(), CText::kDefaultSize, CText::kDefaultAttr | CText::kHidden);
            for (CPart* part : it->second)
                part->NewText(text)->Offset(part->GetOrg());
        }
    }
    return 0;
}
