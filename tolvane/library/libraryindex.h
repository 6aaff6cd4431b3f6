// The index file of a library: the outline of every gate, so that the
// browser can list a library without parsing its parts.
//
//     CString "VIREO LIBRARY INDEX Ver 0.01"
//     int32   entry count (one entry per gate, in file order)
//     entry:  CString package name
//             int32   gate count of the package
//             only when the gate count is above 1:
//             CString reference text of the gate; then, when it is not
//             empty, int32 attribute word, else CString gate name
#pragma once

#include <cstdint>
#include <vector>

#include "base/string.h"

class CSheet;

struct CLibIndexEntry {
    CString package;
    int gateCount = 0;
    CString reference;  // multi-gate packages only
    int attr = 0;       // when the reference is not empty
    CString gateName;   // when the reference is empty

    friend bool operator==(const CLibIndexEntry&, const CLibIndexEntry&) = default;
};

namespace libindex {
inline constexpr const char* kHeader = "VIREO LIBRARY INDEX Ver 0.01";

// The index bytes of an outline sheet (see CLibrary::ReadPartOutline).
std::vector<uint8_t> Build(const CSheet& outline);
// The entries of index bytes; false when the header is wrong or the bytes
// are damaged (entries then undefined).
bool Parse(const uint8_t* data, size_t size, std::vector<CLibIndexEntry>& entries);
// The entries of an outline sheet, as the index would hold them.
std::vector<CLibIndexEntry> FromOutline(const CSheet& outline);
}  // namespace libindex
