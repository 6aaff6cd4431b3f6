// Library files assembled field by field from the archive primitives (not by
// the library's own writer), and a fixture with a temporary folder, settings
// in memory and a scripted host.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "base/archive.h"
#include "base/codepage.h"
#include "base/fileio.h"
#include "base/memoryprofile.h"
#include "base/profile.h"
#include "library/library.h"
#include "library/librarycache.h"
#include "sheet/sheet.h"
#include "support/fakehost.h"
#include "support/tempdir.h"

using Bytes = std::vector<uint8_t>;

namespace libbytes {

inline void Append(Bytes& out, const Bytes& more)
{
    out.insert(out.end(), more.begin(), more.end());
}

// A part record with its header, a part name and an optional reference, and
// no pins, lines, arcs or texts.
inline Bytes Part(const std::string& name, int packageMax = 0, int package = 0, int attr = 0,
                  const std::string& ref = "")
{
    CArchive ar;
    ar << CPoint(100, 200) << CPoint(0, 0) << CPoint(0, 0) << int32_t(packageMax) << int32_t(package)
       << int32_t(0) << int32_t(attr) << int32_t((name.empty() ? 0 : 1) | (ref.empty() ? 0 : 2));
    for (const std::string* s : {&name, &ref}) {
        if (s->empty())
            continue;
        // text record: string, point, size, attribute, rectangle
        ar << CString(*s) << CPoint(100, 300) << int32_t(70) << uint32_t(8) << CRect(0, 0, 0, 0);
    }
    ar << int32_t(0) << int32_t(0) << int32_t(0) << int32_t(0);
    return ar.Bytes();
}

// A record with the given length field and data.
inline Bytes RawRecord(int32_t tag, const std::string& name, int32_t length, const Bytes& data)
{
    CArchive ar;
    ar << tag << CString(name) << length;
    Bytes out = ar.Bytes();
    Append(out, data);
    return out;
}

// A package record: gate count and gates, with the length they take.
inline Bytes Record(int32_t tag, const std::string& name, const std::vector<Bytes>& gates)
{
    CArchive data;
    data << int32_t(gates.size());
    for (const Bytes& g : gates)
        data.Write(g.data(), g.size());
    return RawRecord(tag, name, int32_t(data.Bytes().size()), data.Bytes());
}

inline Bytes End()
{
    return Bytes(4, 0);
}

inline Bytes Library(const std::vector<Bytes>& records)
{
    Bytes out;
    for (const Bytes& r : records)
        Append(out, r);
    Append(out, End());
    return out;
}

// What a library file holds, read back through the library: "PACKAGE: GATE..."
// with the part names of each package's gates, in file order.
inline std::vector<std::string> Contents(const std::string& path)
{
    ClearLibraryCache();
    CLibrary lib;
    lib.SetLibraryName(FromUtf8(path));
    std::vector<std::string> out;
    if (!lib.ReadFile())
        return out;
    for (const CLibraryRecord& r : lib.Image().Packages()) {
        std::string s = r.name.str() + ":";
        CSheet gates;
        lib.SetPackageName(r.name);
        lib.ReadPart(&gates, 0);
        for (POSITION pos = gates.GetFirstPartPos(); pos;)
            s += " " + gates.GetNextPart(pos)->GetPartName().str();
        out.push_back(s);
    }
    return out;
}

}  // namespace libbytes

class LibraryTest : public ::testing::Test {
protected:
    LibraryTest() { ClearLibraryCache(); }
    ~LibraryTest() override { ClearLibraryCache(); }

    std::string Path(const std::string& name) const { return (dir / name).string(); }
    void Put(const std::string& name, const Bytes& bytes) const { WriteFileAtomically(dir / name, bytes); }
    Bytes Get(const std::string& name) const { return ReadFileBytes(dir / name); }
    bool Exists(const std::string& name) const { return std::filesystem::exists(dir / name); }
    // True when a message mentions the text.
    bool Reported(const std::string& text) const
    {
        for (const auto& m : host->messages)
            if (m.text.str().find(text) != std::string::npos)
                return true;
        return false;
    }

    CTempDir dir;
    CScopedProfile profile{std::make_unique<MemoryProfile>()};
    CScopedFakeHost host;
};
