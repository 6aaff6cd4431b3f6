// The text library: a whole library as editable text.
//
//     # VIREO Text Library File Ver 1.02
//     (four comment lines, the date line "# Date : ..." in Japan time)
//     Package Name "NAME"
//     Package Total N
//     #
//     Package [1]
//     Part ...           a gate in the sheet text form, up to PartEnd
//     ...                (Package [2] ... for the further gates)
//     Package End
//
// Reading collects all gates of a package from the lines between its first
// "Part" line and "Package End", and reads them as sheet text.  The whole
// text is parsed before anything is written, so a malformed text library
// leaves the library untouched.
#pragma once

#include <cstdint>
#include <ctime>
#include <vector>

#include "base/string.h"
#include "library/libraryimage.h"

namespace textlib {

// The date of the date line: SOURCE_DATE_EPOCH when it is set, else now, in
// Japan time, "YYYY/MM/DD hh:mm:ss" whatever the locale.
CString DateLine();
CString FormatDate(std::time_t t);

// The text library of an image.  CArchiveException when the image or a gate
// is damaged.
std::vector<uint8_t> Write(const CLibraryImage& image, const CString& date);

// What parsing found.
struct ParseResult {
    enum Status { Ok, NotTextLibrary, FormatError };
    Status status = Ok;
    int errorLine = 0;              // FormatError: the line number (the first line is 1)
    std::vector<uint8_t> library;   // Ok: the library file bytes
    int packages = 0;               // Ok: the number of package records
};
ParseResult Parse(const std::vector<uint8_t>& text);

}  // namespace textlib
