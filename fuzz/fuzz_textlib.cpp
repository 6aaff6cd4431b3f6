// Feeds bytes to the text library reader.  Property: a library it builds is
// never damaged and converts back to text (an exception escaping Write
// ends the run as a failure).
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "library/libraryimage.h"
#include "library/textlibrary.h"
#include "quiet.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool ready = QuietSetup();
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
