// A text as one field of a terminal line: UTF-8, with tabs and line breaks
// (possible in texts from damaged or binary files) turned into blanks, so
// that a line stays a line and tab-separated columns stay columns.
#pragma once

#include <string>

#include "base/codepage.h"

inline std::string TerminalField(const CString& text)
{
    std::string out = ToUtf8(text);
    for (char& c : out)
        if (c == '\t' || c == '\n' || c == '\r')
            c = ' ';
    return out;
}
