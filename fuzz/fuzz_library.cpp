// Feeds bytes to the library file reader: the record walk, every gate in the
// full and the short form, the outline and the text library writer.
//
// Property: when the walk and every gate read cleanly, the text library is
// written, unless a text holds what the text form cannot (a NUL byte, half a
// double-byte character), which is refused with that reason; a text library
// written reads back as a library that is not damaged.
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "base/exception.h"
#include "library/libraryimage.h"
#include "library/textlibrary.h"
#include "quiet.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool ready = QuietSetup();
    (void)ready;
    const CLibraryImage image(std::vector<uint8_t>(data, data + size));
    for (const CString& name : {CString(), CString("A"), CString("a")})
        image.Find(name);
    bool clean = !image.IsDamaged();
    for (const CLibraryRecord& record : image.Packages()) {
        for (bool full : {false, true}) {
            try {
                ReadGates(image.Data(), record, full, [](CPart& part, int, int) { part.CalcBoundRect(); });
            } catch (const CArchiveException&) {
                clean = false;
            }
        }
    }
    std::vector<uint8_t> text;
    try {
        text = textlib::Write(image, "2000/01/01 00:00:00");
    } catch (const CArchiveException& e) {
        // A clean image converts, or names the text the form cannot hold.
        if (clean && std::string_view(e.what()).find("the text form cannot hold") == std::string_view::npos)
            std::abort();
        return 0;
    }
    const textlib::ParseResult back = textlib::Parse(text);
    if (back.status == textlib::ParseResult::Ok && CLibraryImage(back.library).IsDamaged())
        std::abort();
    return 0;
}
