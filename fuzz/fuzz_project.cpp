// Feeds bytes to the project file reader and the property rewriter.
//
// Besides the sanitizers, two properties are checked: a project written from
// what was read reads back to the same sheets, and setting a property is either
// refused or keeps a project with the same sheets whose property reads back.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "app/projectfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CProjectContents contents;
    if (!CProjectFile::Parse(text, "/p/", contents))
        return 0;
    std::vector<CProjectSheet> sheets;
    for (const CProjectSheet& s : contents.sheets)
        if (s.path.find_first_of("\r\n") == std::string::npos)
            sheets.push_back(s);
    CProjectContents again;
    if (!CProjectFile::Parse(CProjectFile::Render("/p/", sheets, contents.tail), "/p/", again))
        std::abort();
    if (again.sheets.size() != sheets.size())
        std::abort();

    // Setting a property either is refused, or keeps the project with the
    // same sheets and gives the value back; the checks here are the
    // target's own, not the setter's.
    std::string updated, error;
    if (!CProjectFile::SetPropertyChecked(text, "FUZZ", "value", updated, error))
        return 0;
    CProjectContents afterSet;
    if (!CProjectFile::Parse(updated, "/p/", afterSet) || afterSet.sheets != contents.sheets)
        std::abort();
    bool found = false;
    for (const CString& line : CProjectFile::PropertyLinesOf(updated)) {
        CString name, value;
        if (CProjectFile::SplitPropertyLine(line, name, value) && name.CompareNoCase("FUZZ") == 0) {
            if (!(value == CString("value")))
                std::abort();
            found = true;
            break;
        }
    }
    if (!found)
        std::abort();
    return 0;
}
