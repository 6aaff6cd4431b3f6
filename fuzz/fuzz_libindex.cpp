// Feeds bytes to the library index reader.  Property: what it accepts is
// what the index writer would write for those entries.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "library/libraryindex.h"
#include "sheet/sheet.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<CLibIndexEntry> entries;
    if (!libindex::Parse(data, size, entries))
        return 0;
    // Rebuild the outline sheet the entries stand for and index it again.
    CSheet outline;
    for (const CLibIndexEntry& e : entries) {
        CPart part;
        part.SetPartName(e.package);
        part.SetOrg(CPoint(e.gateCount, 0));
        if (e.gateCount > 1) {
            part.SetRefName(e.reference);
            part.SetAttr(e.attr);
            if (e.reference.IsEmpty())
                part.NewText(e.gateName, CPoint(0, 0), 70, 0);
        }
        outline.NewPart(part);
    }
    std::vector<CLibIndexEntry> again;
    const std::vector<uint8_t> bytes = libindex::Build(outline);
    if (!libindex::Parse(bytes.data(), bytes.size(), again))
        std::abort();
    // An empty gate name reads back as the package name; anything else must match.
    for (size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].gateCount > 1 && entries[i].reference.IsEmpty() && entries[i].gateName.IsEmpty())
            continue;
        if (!(again[i] == entries[i]))
            std::abort();
    }
    return 0;
}
