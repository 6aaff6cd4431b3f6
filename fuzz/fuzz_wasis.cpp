// Feeds bytes to both Was-Is readers.
//
// Besides the sanitizers: every full record read back is written again as a
// record and must read back the same, and a fault always names a line of the
// input.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "app/wasisfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const int lines = int(std::count(text.begin(), text.end(), '\n')) + 1;
    std::vector<CWasIsRecord> records;
    CWasIsFault fault;
    if (!CWasIsFile::ParseFull(text, records, fault)) {
        if (fault.line < 0 || fault.line > lines)
            std::abort();
    } else {
        for (const CWasIsRecord& r : records) {
            const CString again = CWasIsFile::FullHead("") + "File:" + CWasIsFile::Quote(r.file) +
                                  "\nOld" +
                                  CWasIsFile::PartText(r.before.name, r.before.ref, r.before.value) +
                                  CString::Formatted(" x=%d y=%d\n", r.at.x, r.at.y) + "New" +
                                  CWasIsFile::PartText(r.after.name, r.after.ref, r.after.value) +
                                  "\n";
            std::vector<CWasIsRecord> back;
            if (r.file.Find('\n') >= 0 || r.file.Find('\r') >= 0)
                continue; // a file name cannot be written on one line
            if (!CWasIsFile::ParseFull(again.str(), back, fault) || back.size() != 1 ||
                back[0].before != r.before || back[0].after != r.after || back[0].at != r.at)
                std::abort();
        }
    }
    std::vector<CWasIsPair> pairs;
    CWasIsFile::ParseSimple(text, pairs, fault);
    return 0;
}
