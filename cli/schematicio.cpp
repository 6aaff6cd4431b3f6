#include "schematicio.h"

#include <algorithm>
#include <cctype>

#include "app/vireodoc.h"
#include "base/archive.h"
#include "base/exception.h"
#include "base/fileio.h"
#include "base/host.h"

SchematicFormat FormatOfPath(const std::filesystem::path& path)
{
    std::string ext = path.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    if (ext == ".dcd")
        return SchematicFormat::Binary;
    if (ext == ".txt")
        return SchematicFormat::Text;
    return SchematicFormat::Unknown;
}

bool LoadSchematic(const std::filesystem::path& path, LoadedSchematic& out, std::string& error)
{
    std::vector<uint8_t> bytes;
    try {
        bytes = ReadFileBytes(path);
    } catch (const CFileException& e) {
        error = std::string("cannot read the file: ") + e.what();
        return false;
    }
    // A Tango schematic is known by its first line, whatever its name.
    static const std::string kTango = ";Tango";
    if (bytes.size() >= kTango.size() && std::equal(kTango.begin(), kTango.end(), bytes.begin())) {
        out.header = CSchematicFile::NewDocumentHeader();
        CVIREODoc::ReadTangoFile(bytes, out.header, out.main);
        return true;
    }
    SchematicFormat format = FormatOfPath(path);
    if (format == SchematicFormat::Unknown) {
        // Decide by content: the binary format starts with its header line.
        const std::string head(bytes.begin(), bytes.begin() + std::min<size_t>(bytes.size(), 64));
        format = head.find("VIREO") != std::string::npos ? SchematicFormat::Binary : SchematicFormat::Text;
    }
    try {
        // The reader's own messages are replaced by the one line the caller prints.
        const CScopedHost quiet(std::make_unique<CSilentHost>());
        CArchive ar(bytes.data(), bytes.size());
        if (format == SchematicFormat::Text) {
            out.header = CSchematicFile::NewDocumentHeader();
            out.main.SerializeText(ar);
            return true;
        }
        out.title.DeleteContents();
        switch (CSchematicFile::Read(ar, out.header, out.main, &out.title, &out.hasTitle)) {
        case CSchematicFile::ReadStatus::Ok: break;
        case CSchematicFile::ReadStatus::NotSchematic: error = "not a schematic file"; return false;
        case CSchematicFile::ReadStatus::UnsupportedVersion: {
            CArchive first(bytes.data(), bytes.size());
            CString line;
            first.ReadString(line);
            error = "unsupported format version " + std::to_string(CSchematicFile::ParseVersion(line)) +
                    " (written by a newer program; this one reads versions 0 to 8)";
            return false;
        }
        }
        return true;
    } catch (const CArchiveException& e) {
        error = std::string("damaged schematic file: ") + e.what();
        return false;
    }
}

bool SaveSchematic(const std::filesystem::path& path, LoadedSchematic& in, std::string& error)
{
    CArchive ar;
    try {
        switch (FormatOfPath(path)) {
        case SchematicFormat::Binary:
            CSchematicFile::Write(ar, in.header, in.main, in.hasTitle ? &in.title : nullptr);
            break;
        case SchematicFormat::Text: in.main.SerializeText(ar); break;
        case SchematicFormat::Unknown:
            error = "unknown output format (use .dcd or .txt)";
            return false;
        }
    } catch (const CArchiveException& e) {
        // Nothing is written: a partial or altered output would pass for the sheet.
        error = std::string("cannot write this sheet in that form: ") + e.what();
        return false;
    }
    try {
        WriteFileAtomically(path, ar.Bytes());
    } catch (const CFileException& e) {
        error = std::string("cannot write the file: ") + e.what();
        return false;
    }
    return true;
}
