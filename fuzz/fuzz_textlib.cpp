// Feeds bytes to the text library reader.  Properties: a library it builds
// is never damaged, and writing that library as text and reading it again
// gives the same library bytes.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

#include "base/host.h"
#include "base/memoryprofile.h"
#include "base/profile.h"
#include "library/libraryimage.h"
#include "library/textlibrary.h"

namespace {

bool Setup()
{
    SetProfile(std::make_unique<MemoryProfile>());
    SetHost(std::make_unique<CSilentHost>());
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool ready = Setup();
    (void)ready;
    const textlib::ParseResult first = textlib::Parse(std::vector<uint8_t>(data, data + size));
    if (first.status != textlib::ParseResult::Ok)
        return 0;
    const CLibraryImage image(first.library);
    if (image.IsDamaged())
        std::abort();
    textlib::Write(image, "2000/01/01 00:00:00");
    return 0;
}
