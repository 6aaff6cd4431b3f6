// How GoogleTest shows the framework's value types in failure messages.
//
// Include this in every test that compares CStrings, CPoints or CRects, so
// that a failure reads "\"A13\"" instead of a dump of object bytes.  CP932
// text is shown as UTF-8 when it converts cleanly, and as escaped bytes
// otherwise.
#pragma once

#include <cstdio>
#include <ostream>

#include "base/codepage.h"
#include "base/rect.h"
#include "base/string.h"

inline void PrintTo(const CString& s, std::ostream* os)
{
    const CodepageResult utf8 = Cp932ToUtf8(s.str());
    *os << '"';
    if (utf8.Ok()) {
        *os << utf8.text;
    } else {
        for (unsigned char c : s.str()) {
            if (c >= 0x20 && c < 0x7F) {
                *os << char(c);
            } else {
                char hex[8];
                std::snprintf(hex, sizeof hex, "\\x%02X", c);
                *os << hex;
            }
        }
    }
    *os << '"';
}

inline void PrintTo(const CPoint& p, std::ostream* os)
{
    *os << '(' << p.x << ", " << p.y << ')';
}

inline void PrintTo(const CRect& r, std::ostream* os)
{
    *os << '(' << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ')';
}
