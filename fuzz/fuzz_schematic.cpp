// Feeds bytes to the schematic file reader.
//
// Besides the sanitizers, two properties are checked: our own output always
// reads back, and after it has been written and read once more nothing
// drifts any further.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

#include "base/archive.h"
#include "base/host.h"
#include "base/memoryprofile.h"
#include "base/profile.h"
#include "exercise.h"
#include "sheet/schematicfile.h"
#include "sheet/sheet.h"

namespace {

bool Setup()
{
    SetProfile(std::make_unique<MemoryProfile>());
    SetHost(std::make_unique<CSilentHost>());
    return true;
}

std::vector<uint8_t> WriteAll(const CDocumentHeader& header, const CSheet& main,
                              const CSheet& title)
{
    CArchive out;
    CSchematicFile::Write(out, header, main, &title);
    return out.Bytes();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool ready = Setup();
    (void)ready;

    CDocumentHeader header;
    CSheet main(CSheet::kDrawing);
    CSheet title(CSheet::kTitle);
    try {
        CArchive ar(data, size);
        if (CSchematicFile::Read(ar, header, main, &title) != CSchematicFile::ReadStatus::Ok)
            return 0;
    } catch (const CArchiveException&) {
        return 0;
    }

    // Our own output must read back; after one more pass it must be stable
    // (the first write may still drop what the format reads but never
    // writes, such as the cross names of lines).
    std::vector<uint8_t> previous = WriteAll(header, main, title);
    for (int pass = 0; pass < 2; ++pass) {
        CDocumentHeader header2;
        CSheet main2(CSheet::kDrawing);
        CSheet title2(CSheet::kTitle);
        try {
            CArchive in(previous);
            if (CSchematicFile::Read(in, header2, main2, &title2) !=
                    CSchematicFile::ReadStatus::Ok ||
                !in.AtEnd())
                std::abort();
        } catch (const CArchiveException&) {
            std::abort();
        }
        std::vector<uint8_t> next = WriteAll(header2, main2, title2);
        if (pass == 1 && next != previous)
            std::abort();
        previous = std::move(next);
    }

    ExerciseSheet(main);

    // The text form of whatever was read: either refused (a text it cannot
    // hold) or read back with every item where it was, none turned into a
    // stray free text.
    CArchive text;
    try {
        main.SerializeText(text);
    } catch (const CArchiveException&) {
        return 0;
    }
    CSheet back;
    CArchive in(text.Bytes());
    back.SerializeText(in);
    for (int code : {1, 3, 5, 7, 8, 11, 14, 22})
        if (back.GetCount(code) != main.GetCount(code))
            std::abort();
    return 0;
}
