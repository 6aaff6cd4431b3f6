// Save Other Format: the drawing as a Tango schematic or a DXF file.
//
// Both files are built whole in memory and replace the target in one step;
// a DXF export first reads its header file, so that a missing header file
// stops it before anything is created.  The bitmap formats of the same
// dialog need a raster device and belong to the editor.
#include "app/datafolder.h"
#include "app/fileaccess.h"
#include "app/outputfile.h"
#include "app/settings.h"
#include "app/vireodoc.h"
#include "base/host.h"
#include "base/profile.h"
#include "export/drawcontext.h"
#include "export/dxf.h"
#include "export/tango.h"

std::filesystem::path CVIREODoc::OtherFormatPath(const std::filesystem::path& chosen,
                                                 OtherFormat format)
{
    switch (format) {
    case OtherFormat::Tango:
        return chosen;
    case OtherFormat::Dxf:
        return WithExtension(chosen, ".dxf");
    default:
        return WithExtension(chosen, ".bmp");
    }
}

std::vector<uint8_t> CVIREODoc::TangoBytes()
{
    ReturnSelection();
    CTangoSheet header;
    header.width = m_header.width;
    header.height = m_header.height;
    header.sizeIndex = m_header.sizeCode;
    header.visibleArea = m_header.visibleArea;
    return WriteTango(m_main, header);
}

std::vector<uint8_t> CVIREODoc::DxfBytes(const CDxfHeader& header)
{
    ReturnSelection();
    CDrawContext ctx;
    ctx.LoadSettings(Profile());
    ctx.output = CDrawContext::Output::Print;
    const bool withTitle = SettingInt("Sheet", "TitleDisp") != 0;
    return WriteDxf(header, m_main, withTitle ? &m_title : nullptr, m_header.width, m_header.height,
                    ctx);
}

bool CVIREODoc::LoadDxfHeader(const std::filesystem::path& headerFile, CDxfHeader& header)
{
    const std::filesystem::path path =
        headerFile.empty() ? DataFolder() / "DXF_HDR.DAT" : headerFile;
    // Read as the document reads its files: a folder or a pipe named here is
    // no header file (and must not hang the export).
    std::vector<uint8_t> bytes;
    std::string error;
    if (!ReadRegularFile(path, bytes, error)) {
        Host().Message(DxfHeaderMissingMessage() + CString(path.string() + " (" + error + ")"),
                       CHost::Error);
        return false;
    }
    header = CDxfHeader::Parse(std::string(bytes.begin(), bytes.end()));
    return true;
}

bool CVIREODoc::SaveTango(const std::filesystem::path& path)
{
    return WriteOutputFile(path, TangoBytes());
}

bool CVIREODoc::SaveDxf(const std::filesystem::path& path, const std::filesystem::path& headerFile)
{
    CDxfHeader header;
    if (!LoadDxfHeader(headerFile, header))
        return false;
    return WriteOutputFile(path, DxfBytes(header));
}
