// Conversions between the CP932 bytes kept inside the system and the UTF-8 or
// UTF-16 text met at its edges (widgets, paths, command lines, old archives).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/string.h"

struct CodepageResult {
    std::string text; // converted bytes
    int failures = 0; // characters that had no equivalent (replaced)
    bool Ok() const { return failures == 0; }
};

// CP932 to UTF-8; a byte sequence that is not CP932 becomes U+FFFD.
CodepageResult Cp932ToUtf8(std::string_view cp932);
// UTF-8 to CP932; a character CP932 cannot hold becomes '?'.
CodepageResult Utf8ToCp932(std::string_view utf8);
// UTF-8 to CP932 only where the way back gives the same text: two
// characters that share one CP932 code ("〜" and "～") or one that CP932
// keeps under another's code ("¥" becomes "\") would name another file.
// False when the text does not round-trip.
bool Utf8ToCp932Exact(std::string_view utf8, std::string& cp932);
// UTF-16 little-endian (byteCount bytes) to CP932; unmappable characters become '?'.
CodepageResult Utf16LeToCp932(const uint8_t* data, size_t byteCount);

inline std::string ToUtf8(const CString& s)
{
    return Cp932ToUtf8(s.str()).text;
}
inline CString FromUtf8(std::string_view s)
{
    return CString(Utf8ToCp932(s).text);
}

// CP932 to UTF-16 code units, one character at a time: a lead byte with its
// trail byte, a half-width katakana byte, or an ASCII byte each give one
// character; a lone lead byte at the end, a lead byte with an invalid trail
// and bytes that are no character become U+FFFD (counted in failures).
std::u16string Cp932ToUtf16(std::string_view cp932, int* failures = nullptr);
