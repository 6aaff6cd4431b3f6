// CLibraryImage: the bytes of one library file with its package records
// found once.
//
// A scan walks the whole image a single time and keeps every package record
// and, for each package name compared without case, the first record of that
// name (the one every reader takes).  Looking a package up is then one hash
// look-up instead of a walk over the file, which matters when a sheet places
// many parts from a large library.  An image whose walk breaks off is kept
// with the records found before the damage and marked damaged: readers can
// still take those packages, writers refuse it.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "library/libraryrecords.h"

class CLibraryImage {
public:
    CLibraryImage() = default;
    explicit CLibraryImage(std::vector<uint8_t> bytes);

    const std::vector<uint8_t>& Bytes() const { return m_bytes; }
    const uint8_t* Data() const { return m_bytes.data(); }
    bool IsEmpty() const { return m_bytes.empty(); }

    // Package records in file order.
    const std::vector<CLibraryRecord>& Packages() const { return m_packages; }
    // The first package record of the name (case ignored); with an empty name
    // the first package of the image.  Null when there is none.
    const CLibraryRecord* Find(const CString& name) const;

    bool IsDamaged() const { return !m_damage.empty(); }
    // What is wrong (empty when nothing is).
    const std::string& Damage() const { return m_damage; }
    // Where the end marker starts; only meaningful when not damaged.
    size_t EndOffset() const { return m_endOffset; }

    // The image without the given byte ranges (sorted, not overlapping).
    std::vector<uint8_t> Without(const std::vector<const CLibraryRecord*>& records) const;

private:
    std::vector<uint8_t> m_bytes;
    std::vector<CLibraryRecord> m_packages;
    std::unordered_map<std::string, size_t> m_byName;  // upper-case name -> index in m_packages
    std::string m_damage;
    size_t m_endOffset = 0;
};
