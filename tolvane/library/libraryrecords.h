// The records of a part library file, and the one walker every reader uses.
//
// A library file is a sequence of records closed by an end marker:
//
//     int32 tag       200 or 202 for a package record; 0 or -1 end the file;
//                     any other tag is a record of an unknown kind
//     CString name    the package name
//     int32 length    bytes that follow, up to the end of the record
//     data            package records: int32 gate count, then the gates as
//                     part records (tag 200 in part format 6, 202 in format 8)
//     ...
//     int32 0         end marker
//
// The file is hostile input: a length must lie between 0 and what remains,
// and a non-empty image must reach its end marker.  Gates are read through an
// archive that ends with their record, so a damaged gate can never read into
// the next record.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "base/string.h"
#include "items/part.h"

namespace libformat {
constexpr int32_t kTagOldPackage = 200;
constexpr int32_t kTagPackage = 202;
}  // namespace libformat

struct CLibraryRecord {
    int32_t tag = 0;
    CString name;
    size_t begin = 0;  // offset of the tag
    size_t data = 0;   // offset of the data (just after the length field)
    size_t end = 0;    // offset just after the data

    bool IsPackage() const { return tag == libformat::kTagOldPackage || tag == libformat::kTagPackage; }
    // The part format version the gates of this record are stored in.
    int PartVersion() const { return tag == libformat::kTagOldPackage ? 6 : 8; }
};

class CRecordWalker {
public:
    CRecordWalker(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}

    // Reads the record at the current offset and steps over it.  Returns false
    // at the end marker, and at once for an empty image.  Raises
    // CArchiveException when a record is cut short, its length is negative or
    // reaches past the image, or a non-empty image ends without its marker.
    bool Next(CLibraryRecord& record);
    // Once Next returned false: where the end marker starts (0 for an empty
    // image), which is where a new record goes.
    size_t EndOffset() const { return m_pos; }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_pos = 0;
};

// Calls f(part, gateNumber, gateCount) for each gate of a package record,
// gates numbered from 1.  full false reads the short form (header and name
// texts).  CArchiveException on a damaged record.
template <class F>
void ReadGates(const uint8_t* image, const CLibraryRecord& record, bool full, F f);

// The bytes of one package record (tag 202) holding the given gates.
std::vector<uint8_t> PackageRecordBytes(const CString& name, const std::vector<const CPart*>& gates);
// Appends the end marker.
void AppendEndMarker(std::vector<uint8_t>& bytes);

#include "base/archive.h"

template <class F>
void ReadGates(const uint8_t* image, const CLibraryRecord& record, bool full, F f)
{
    CArchive ar(image + record.data, record.end - record.data);
    const int32_t count = ar.ReadCount(CPart::kMinStoredSize);
    for (int32_t i = 1; i <= count; ++i) {
        CPart part;
        part.DataRead(ar, full, record.PartVersion());
        f(part, int(i), int(count));
    }
}
