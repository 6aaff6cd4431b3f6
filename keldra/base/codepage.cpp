#include "base/codepage.h"

#include <cerrno>
#include <iconv.h>

namespace {

// One conversion with iconv.  Input that cannot be converted is skipped by
// the given number of bytes and replaced, so a damaged text never stops the
// conversion half way.
CodepageResult Convert(const char* to, const char* from, const char* in, size_t inLeft,
                       std::string_view replacement, size_t skipUnit)
{
    CodepageResult result;
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        result.failures = inLeft ? 1 : 0;
        return result;
    }
    char buffer[1024];
    char* src = const_cast<char*>(in);
    while (inLeft > 0) {
        char* dst = buffer;
        size_t outLeft = sizeof buffer;
        const size_t r = iconv(cd, &src, &inLeft, &dst, &outLeft);
        result.text.append(buffer, size_t(dst - buffer));
        if (r != size_t(-1))
            continue;
        if (errno == E2BIG)
            continue;
        // EILSEQ or EINVAL: skip the offending unit (a lead byte alone, or the
        // whole unit when it is complete) and go on.
        ++result.failures;
        result.text += replacement;
        size_t skip = skipUnit;
        if (skipUnit == 1 && inLeft >= 2 && IsCp932LeadByte(static_cast<unsigned char>(*src))) {
            const auto trail = static_cast<unsigned char>(src[1]);
            if (trail >= 0x40 && trail != 0x7F && trail <= 0xFC)
                skip = 2;
        }
        if (skipUnit == 2 && inLeft >= 4) {
            // An unmappable surrogate pair goes as one character.
            const unsigned unit =
                static_cast<unsigned char>(src[0]) | (static_cast<unsigned char>(src[1]) << 8);
            if (unit >= 0xD800 && unit <= 0xDBFF)
                skip = 4;
        }
        if (skipUnit == 0) {
            // UTF-8: skip one whole sequence when it looks like one.
            const auto lead = static_cast<unsigned char>(*src);
            skip = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
            size_t k = 1;
            while (k < skip && k < inLeft && (static_cast<unsigned char>(src[k]) & 0xC0) == 0x80)
                ++k;
            skip = k;
        }
        if (skip > inLeft)
            skip = inLeft;
        src += skip;
        inLeft -= skip;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    iconv_close(cd);
    return result;
}

} // namespace

CodepageResult Cp932ToUtf8(std::string_view cp932)
{
    return Convert("UTF-8", "CP932", cp932.data(), cp932.size(), "\xEF\xBF\xBD", 1);
}

CodepageResult Utf8ToCp932(std::string_view utf8)
{
    return Convert("CP932", "UTF-8", utf8.data(), utf8.size(), "?", 0);
}

CodepageResult Utf16LeToCp932(const uint8_t* data, size_t byteCount)
{
    return Convert("CP932", "UTF-16LE", reinterpret_cast<const char*>(data), byteCount & ~size_t(1),
                   "?", 2);
}

std::u16string Cp932ToUtf16(std::string_view cp932, int* failures)
{
    std::u16string out;
    int bad = 0;
    iconv_t cd = iconv_open("UTF-16LE", "CP932");
    const size_t n = cp932.size();
    for (size_t i = 0; i < n;) {
        const auto c = static_cast<unsigned char>(cp932[i]);
        if (c < 0x80) {
            out += char16_t(c);
            ++i;
            continue;
        }
        if (IsCp932Kana(c)) {
            out += char16_t(0xFF61 + (c - 0xA1));
            ++i;
            continue;
        }
        size_t len = 1;
        if (IsCp932LeadByte(c) && i + 1 < n) {
            const auto t = static_cast<unsigned char>(cp932[i + 1]);
            if (t >= 0x40 && t != 0x7F && t <= 0xFC)
                len = 2;
        }
        char16_t unit = 0xFFFD;
        if (len == 2 && cd != reinterpret_cast<iconv_t>(-1)) {
            char in[2] = {cp932[i], cp932[i + 1]};
            char outBytes[8];
            char* src = in;
            char* dst = outBytes;
            size_t inLeft = 2, outLeft = sizeof outBytes;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
            if (iconv(cd, &src, &inLeft, &dst, &outLeft) != size_t(-1) && dst - outBytes == 2)
                unit = char16_t(static_cast<unsigned char>(outBytes[0]) |
                                (static_cast<unsigned char>(outBytes[1]) << 8));
        }
        if (unit == 0xFFFD)
            ++bad;
        out += unit;
        i += len;
    }
    if (cd != reinterpret_cast<iconv_t>(-1))
        iconv_close(cd);
    if (failures)
        *failures = bad;
    return out;
}

bool Utf8ToCp932Exact(std::string_view utf8, std::string& cp932)
{
    const CodepageResult there = Utf8ToCp932(utf8);
    if (!there.Ok())
        return false;
    const CodepageResult back = Cp932ToUtf8(there.text);
    if (!back.Ok() || back.text != utf8)
        return false;
    cp932 = there.text;
    return true;
}
