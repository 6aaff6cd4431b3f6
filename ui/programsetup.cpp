#include "ui/programsetup.h"

#include "app/vireodoc.h"
#include "base/archive.h"
#include "export/tango.h"

void InstallDocumentReaders()
{
    CVIREODoc::SetTangoReader([](CArchive& ar, CSheet& sheet) {
        std::vector<uint8_t> bytes(ar.Remaining());
        ar.Read(bytes.data(), bytes.size());
        CTangoSheet header;
        ReadTango(bytes, sheet, header);
        return true;
    });
}
