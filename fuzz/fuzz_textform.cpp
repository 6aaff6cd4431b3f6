// Feeds bytes to the plain text form reader.
//
// Besides the sanitizers, two properties are checked: once the text written
// from what was read has been read and written again, nothing drifts any
// further; and the sheet read is one the binary sheet record can store and
// read back.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

#include "base/archive.h"
#include "base/host.h"
#include "base/memoryprofile.h"
#include "base/profile.h"
#include "exercise.h"
#include "sheet/sheet.h"

namespace {

bool Setup()
{
    SetProfile(std::make_unique<MemoryProfile>());
    SetHost(std::make_unique<CSilentHost>());
    return true;
}

std::vector<uint8_t> TextOf(CSheet& sheet)
{
    CArchive out;
    sheet.SerializeText(out);
    return out.Bytes();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool ready = Setup();
    (void)ready;

    CSheet sheet;
    {
        CArchive ar(data, size);
        sheet.SerializeText(ar);
    }

    // After one more pass through the text form nothing may drift.  A text
    // the form cannot hold (a plain line ending in half a double-byte
    // character) is refused by the writer; such a sheet is checked below
    // only.
    std::vector<uint8_t> previous;
    bool writable = true;
    try {
        previous = TextOf(sheet);
    } catch (const CArchiveException&) {
        writable = false;
    }
    for (int pass = 0; writable && pass < 2; ++pass) {
        CSheet again;
        CArchive ar(previous);
        again.SerializeText(ar);
        std::vector<uint8_t> next = TextOf(again);
        if (pass == 1 && next != previous)
            std::abort();
        previous = std::move(next);
    }

    ExerciseSheet(sheet);

    CArchive binary;
    sheet.DataWrite(binary);
    CSheet stored;
    try {
        CArchive in(binary.Bytes());
        stored.DataRead(in, 8);
        if (!in.AtEnd())
            std::abort();
    } catch (const CArchiveException&) {
        std::abort(); // every sheet the text form gives must store and read back
    }
    return 0;
}
