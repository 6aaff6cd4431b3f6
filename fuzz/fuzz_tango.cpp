// Feeds bytes to the Tango schematic reader.
//
// Besides the sanitizers: what was read can be written again, drawn, and
// exported to PDF and DXF, and once written text has been read and written
// again nothing drifts any further.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

#include "base/host.h"
#include "base/memoryprofile.h"
#include "base/profile.h"
#include "base/recordingdc.h"
#include "exercise.h"
#include "export/drawcontext.h"
#include "export/dxf.h"
#include "export/pdfexport.h"
#include "export/tango.h"
#include "sheet/sheet.h"

namespace {

bool Setup()
{
    SetProfile(std::make_unique<MemoryProfile>());
    SetHost(std::make_unique<CSilentHost>());
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool ready = Setup();
    (void)ready;
    CSheet sheet(CSheet::kDrawing);
    CTangoSheet header;
    ReadTango(std::vector<uint8_t>(data, data + size), sheet, header);
    ExerciseSheet(sheet);

    CDrawContext ctx;
    CRecordingDC dc;
    sheet.DrawSheet(dc, ctx, true);
    CDxfWriter dxf;
    sheet.SerializeDXF(dxf, CDxfLayers(), true, ctx);
    CPdfSheet page{&sheet, nullptr, 2, header.width, header.height};
    CPdfOptions options;
    options.created = 1;
    RenderSheetsToPdf({page}, options, ctx);

    const std::vector<uint8_t> first = WriteTango(sheet, header);
    CSheet second(CSheet::kDrawing);
    CTangoSheet secondHeader;
    ReadTango(first, second, secondHeader);
    const std::vector<uint8_t> again = WriteTango(second, secondHeader);
    CSheet third(CSheet::kDrawing);
    CTangoSheet thirdHeader;
    ReadTango(again, third, thirdHeader);
    if (WriteTango(third, thirdHeader) != again)
        std::abort();
    return 0;
}
