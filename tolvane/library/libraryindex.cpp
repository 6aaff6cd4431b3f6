#include "library/libraryindex.h"

#include "base/archive.h"
#include "base/exception.h"
#include "sheet/sheet.h"

namespace libindex {

std::vector<CLibIndexEntry> FromOutline(const CSheet& outline)
{
    std::vector<CLibIndexEntry> entries;
    POSITION pos = outline.GetFirstPartPos();
    while (pos) {
        const CPart& part = *outline.GetNextPart(pos);
        CLibIndexEntry e;
        e.package = part.GetPartName();
        e.gateCount = part.GetOrg().x;
        if (e.gateCount > 1) {
            e.reference = part.GetRefName();
            if (!e.reference.IsEmpty())
                e.attr = part.GetAttr();
            else if (const CText* first = part.Texts().GetHead())
                e.gateName = first->GetName();
            else
                e.gateName = part.GetPartName();
        }
        entries.push_back(e);
    }
    return entries;
}

std::vector<uint8_t> Build(const CSheet& outline)
{
    const std::vector<CLibIndexEntry> entries = FromOutline(outline);
    CArchive ar;
    ar << CString(kHeader) << int32_t(entries.size());
    for (const CLibIndexEntry& e : entries) {
        ar << e.package << int32_t(e.gateCount);
        if (e.gateCount > 1) {
            ar << e.reference;
            if (!e.reference.IsEmpty())
                ar << int32_t(e.attr);
            else
                ar << e.gateName;
        }
    }
    return ar.Bytes();
}

bool Parse(const uint8_t* data, size_t size, std::vector<CLibIndexEntry>& entries)
{
    entries.clear();
    try {
        CArchive ar(data, size);
        if (!(ar.ReadCString() == kHeader))
            return false;
        // The smallest entry: an empty name and the gate count.
        const int32_t count = ar.ReadCount(1 + 4);
        entries.reserve(size_t(count));
        for (int32_t i = 0; i < count; ++i) {
            CLibIndexEntry e;
            ar >> e.package;
            e.gateCount = ar.ReadInt();
            if (e.gateCount > 1) {
                ar >> e.reference;
                if (!e.reference.IsEmpty())
                    e.attr = ar.ReadInt();
                else
                    ar >> e.gateName;
            }
            entries.push_back(e);
        }
        return true;
    } catch (const CArchiveException&) {
        entries.clear();
        return false;
    }
}

}  // namespace libindex
