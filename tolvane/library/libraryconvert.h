// The conversion between a library file and a text library file, as the
// conversion dialog runs it: type 0 library to text, type 1 text to library.
// The names and the type are kept in the settings section "Library Convert"
// after a successful conversion.
#pragma once

#include "base/string.h"

struct CLibConvertJob {
    CString source;
    CString destination;
    int type = 0;

    // The values of the last successful conversion.
    void LoadSettings();
    // Checks the names, asks before replacing an existing destination, runs
    // the conversion and reports "変換終了".  False when it did not convert.
    bool Run();
};
