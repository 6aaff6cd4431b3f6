// Conversions at the edges: CP932 <-> UTF-8 and UTF-16LE -> CP932.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "base/codepage.h"
#include "support/printers.h"

namespace {

const std::string kReplacement = "\xEF\xBF\xBD"; // U+FFFD in UTF-8

std::vector<uint8_t> Utf16Le(std::initializer_list<uint16_t> units)
{
    std::vector<uint8_t> bytes;
    for (uint16_t u : units) {
        bytes.push_back(uint8_t(u & 0xFF));
        bytes.push_back(uint8_t(u >> 8));
    }
    return bytes;
}

} // namespace

TEST(Codepage, JapaneseTextRoundTripsThroughUtf8)
{
    // Kanji, hiragana, katakana with '\\'-like trail bytes, the long vowel
    // mark, full-width letters and digits, half-width kana, ASCII.
    const std::string utf8 = "回路図ファイル ソ表ー Ａ０９ ｱｲｳ R1~\\n";
    const CodepageResult cp932 = Utf8ToCp932(utf8);
    ASSERT_TRUE(cp932.Ok());
    EXPECT_NE(cp932.text.find("\x83\x5C\x95\x5C\x81\x5B"), std::string::npos); // ソ表ー
    EXPECT_NE(cp932.text.find("\x82\x60\x82\x4F\x82\x58"), std::string::npos); // Ａ０９
    EXPECT_NE(cp932.text.find("\xB1\xB2\xB3"), std::string::npos);             // ｱｲｳ
    EXPECT_NE(cp932.text.find("R1~\\n"), std::string::npos);                   // ASCII stays ASCII

    const CodepageResult back = Cp932ToUtf8(cp932.text);
    EXPECT_TRUE(back.Ok());
    EXPECT_EQ(back.text, utf8);

    EXPECT_EQ(ToUtf8(FromUtf8(utf8)), utf8);
    EXPECT_TRUE(Utf8ToCp932("").Ok());
    EXPECT_EQ(Cp932ToUtf8("").text, "");
}

TEST(Codepage, UnconvertibleCharactersAreCountedAndReplaced)
{
    // Hangul and an emoji have no CP932 form; the rest converts.
    const CodepageResult toCp932 = Utf8ToCp932("A한B😀C表");
    EXPECT_EQ(toCp932.failures, 2);
    EXPECT_FALSE(toCp932.Ok());
    EXPECT_EQ(toCp932.text, "A?B?C\x95\x5C");

    // Broken UTF-8: a lead byte without its continuation.
    const CodepageResult broken = Utf8ToCp932("x\xC3(y");
    EXPECT_EQ(broken.failures, 1);
    EXPECT_EQ(broken.text, "x?(y");

    // Bytes that are no CP932 characters: 0x80, a lead byte with an
    // unassigned code, and a lead byte cut off at the end.
    const CodepageResult toUtf8 = Cp932ToUtf8("A\x80"
                                              "B\x85\x40"
                                              "C\x83");
    EXPECT_EQ(toUtf8.failures, 3);
    EXPECT_EQ(toUtf8.text, "A" + kReplacement + "B" + kReplacement + "C" + kReplacement);
}

TEST(Codepage, Utf16LittleEndianToCp932)
{
    // "テスト" + 'A' + U+FF5E (full-width tilde, CP932 0x81 0x60).
    std::vector<uint8_t> text = Utf16Le({0x30C6, 0x30B9, 0x30C8, 0x0041, 0xFF5E});
    CodepageResult r = Utf16LeToCp932(text.data(), text.size());
    EXPECT_TRUE(r.Ok());
    EXPECT_EQ(r.text, FromUtf8("テスト").str() + "A\x81\x60");

    // Hangul, a surrogate pair (one emoji) and a lone surrogate each give one
    // '?', and an odd trailing byte is ignored.
    text = Utf16Le({0x0041, 0xD55C, 0xD83D, 0xDE00, 0x0042, 0xDC00, 0x0043});
    text.push_back(0x44);
    r = Utf16LeToCp932(text.data(), text.size());
    EXPECT_EQ(r.failures, 3);
    EXPECT_EQ(r.text, "A??B?C");

    EXPECT_EQ(Utf16LeToCp932(nullptr, 0).text, "");
}
