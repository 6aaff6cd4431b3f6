// The electrical rule check of one net: which pin types meet, the code mask
// they raise, and the detail text of one code.
#include <iterator>

#include "base/hundredths.h"
#include "net/net.h"
#include "net/netcontext.h"

const char* CNet::DrcName(int index)
{
    static const char* const kNames[kDrcCodeCount] = {
        "Output-Output", "Output-In Out", "Output-Open L", "Output-Open H", "Output-3 State",
        "Output-Power",  "Open L-Open H", "Open L-Power",  "Open H-In Out", "Open H-Open H",
        "Open H-Power",  "3 State-Power", "In Out-Power",  "All Input",     "All OpenL",
        "All 3 State",   "Open pin",
    };
    static_assert(std::size(kNames) == kDrcCodeCount);
    return index >= 0 && index < kDrcCodeCount ? kNames[index] : "";
}

int CNet::CheckPinDRC() const
{
    int count[16] = {};
    for (const CNetName& node : m_nodes)
        ++count[node.GetPin().GetEleType()];
    const int n = int(m_nodes.size());
    const int output = count[CPin::Output], inOut = count[CPin::InOut],
              openLow = count[CPin::OpenLow];
    const int openHigh = count[CPin::OpenHigh], power = count[CPin::Power],
              threeState = count[CPin::ThreeState];
    int code = 0;
    if (output) {
        code |= output >= 2 ? 0x1 : 0;
        code |= inOut ? 0x2 : 0;
        code |= openLow ? 0x4 : 0;
        code |= openHigh ? 0x8 : 0;
        code |= power ? 0x20 : 0;
    }
    if (openLow) {
        code |= openHigh ? 0x40 : 0;
        code |= power ? 0x80 : 0;
    }
    if (openHigh) {
        code |= inOut ? 0x100 : 0;
        code |= openHigh >= 2 ? 0x200 : 0;
        code |= power ? 0x400 : 0;
    }
    code |= threeState && power ? 0x800 : 0;
    code |= inOut && power ? 0x1000 : 0;
    if (n > 1) {
        code |= count[CPin::Input] == n ? 0x2000 : 0;
        code |= openLow == n ? 0x4000 : 0;
        code |= threeState == n ? 0x8000 : 0;
    }
    const int noConnect = count[CPin::NoConnect];
    code |= noConnect && noConnect < n ? 0x10000 : 0;
    return code;
}

CString CNet::MakeDRCSubString(const CNetName& node, const CNetContext* context) const
{
    const CPin& pin = node.GetPin();
    const int sheetNo = context ? context->GetSheetNo(node.GetFileName()) : 0;
    return CString::Formatted(" %4s(%4s)\t%s\t%s\t%s [%d]\tX:%s Y:%s\n", node.GetRefName().c_str(),
                              node.GetPinNo().c_str(), node.GetPinName().c_str(),
                              pin.GetEleName().c_str(), node.GetFileName().c_str(), sheetNo,
                              FormatHundredths(pin.GetStartPoint().x).c_str(),
                              FormatHundredths(pin.GetStartPoint().y).c_str());
}

CString CNet::MakeString(int format, unsigned& code, const CNetContext* context) const
{
    CString text;
    if (format != -1)
        return text;
    for (const CNetName& node : m_nodes)
        if (node.CheckDRC(int(code)))
            text += MakeDRCSubString(node, context);
    text += "\n";
    return text;
}
