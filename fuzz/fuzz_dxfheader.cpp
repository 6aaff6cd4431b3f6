// Feeds bytes to the reader of the DXF header file (DXF_HDR.DAT, or the file
// a user names with vireo-cli dxf --header).
//
// Besides the sanitizers: whatever the file says, the layers and lines it
// gives must make a DXF of a sheet with every item kind whose entities all
// lie between the SECTION and EOF groups the writer puts around them.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "base/host.h"
#include "base/memoryprofile.h"
#include "base/profile.h"
#include "export/drawcontext.h"
#include "export/dxf.h"
#include "sheet/sheet.h"

namespace {

bool Setup()
{
    SetProfile(std::make_unique<MemoryProfile>());
    SetHost(std::make_unique<CSilentHost>());
    return true;
}

const CSheet& Drawing()
{
    static const CSheet* sheet = [] {
        auto* s = new CSheet(CSheet::kDrawing);
        s->NewWire(CPoint(0, 0), CPoint(1000, 0))->SetName("N", CPoint(0, 0), 0);
        s->NewBus(CPoint(0, 100), CPoint(1000, 100));
        s->NewLine(CPoint(0, 200), CPoint(1000, 200))->SetArrow(0, 100);
        s->NewArc(CPoint(500, 500), 100, 0, 90, 0, 8);
        s->NewJunc(CPoint(500, 0));
        s->NewText("T", CPoint(0, 300), 70, 8);
        CPart part(CPoint(2000, 0), CPoint(2000, 0), CPoint(2400, 400), 1, 1, 0, 0);
        part.SetRefName("U1", CPoint(2000, 500), 8);
        part.NewPin(CPoint(2400, 200), CPoint(2600, 200), 0)->SetNo("1");
        part.CalcBoundRect(1);
        s->NewPart(part);
        return s;
    }();
    return *sheet;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool ready = Setup();
    (void)ready;
    const CDxfHeader header = CDxfHeader::Parse(std::string(reinterpret_cast<const char*>(data), size));
    const std::vector<uint8_t> out = WriteDxf(header, Drawing(), &Drawing(), 11000, 8000, CDrawContext());
    const std::string text(out.begin(), out.end());
    static const std::string tail = "  0\nENDSEC\n  0\nEOF\n";
    if (text.size() < tail.size() || text.compare(text.size() - tail.size(), tail.size(), tail) != 0)
        std::abort();
    return 0;
}
