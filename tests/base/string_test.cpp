// CP932 pitfalls of CString: a trail byte can look like '\\', '[', '~' or an
// ASCII letter, and no operation may match, split or re-case it on its own.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "base/string.h"
#include "support/printers.h"

namespace {

// Double-byte characters whose trail byte is a printable ASCII character.
const char kSo[] = "\x83\x5C";    // katakana SO, trail '\\'
const char kChoon[] = "\x81\x5B"; // long vowel mark, trail '['
const char kHyo[] = "\x95\x5C";   // kanji HYO, trail '\\'
const char kA[] = "\x83\x41";     // katakana A, trail 'A'
const char kDi[] = "\x83\x61";    // katakana DI, trail 'a'
const char kTimes[] = "\x81\x7E"; // multiplication sign, trail '~'
const char kHalfA[] = "\xB1";     // half-width katakana A (one byte)

CString S(std::initializer_list<const char*> parts)
{
    CString s;
    for (const char* p : parts)
        s += p;
    return s;
}

} // namespace

TEST(CStringCp932, CaseChangeLeavesDoubleByteCharactersIntact)
{
    const CString mixed = S({"ab", kDi, kA, "Cd", kHalfA, kSo, kChoon, "z"});

    CString upper = mixed;
    upper.MakeUpper();
    EXPECT_EQ(upper, S({"AB", kDi, kA, "CD", kHalfA, kSo, kChoon, "Z"}));
    EXPECT_EQ(Cp932Upper(mixed), upper);

    CString lower = mixed;
    lower.MakeLower();
    EXPECT_EQ(lower, S({"ab", kDi, kA, "cd", kHalfA, kSo, kChoon, "z"}));

    // A lead byte cut off at the very end is a character of its own; the
    // letter before it is still converted.
    CString cut = S({"a", "\x83"});
    cut.MakeUpper();
    EXPECT_EQ(cut, S({"A", "\x83"}));

    // Reversing keeps both bytes of a character together and in order.
    CString reversed = S({kA, "b", kSo});
    reversed.MakeReverse();
    EXPECT_EQ(reversed, S({kSo, "b", kA}));
}

TEST(CStringCp932, CompareNoCaseFoldsOnlyAsciiLetters)
{
    EXPECT_EQ(CString("Abc").CompareNoCase("aBC"), 0);
    EXPECT_LT(CString("a").CompareNoCase("B"), 0);
    EXPECT_GT(CString("b").CompareNoCase("A"), 0);
    // Katakana A and DI differ only in a trail byte 'A' / 'a': they are
    // different characters whatever the case folding.
    EXPECT_NE(CString(kA).CompareNoCase(kDi), 0);
    EXPECT_EQ(S({"x", kDi}).CompareNoCase(S({"X", kDi})), 0);
    // Bytes compare unsigned: a Japanese character sorts after ASCII.
    EXPECT_GT(CString(kSo).Compare("z"), 0);
    EXPECT_LT(CString("z"), CString(kSo));
}

TEST(CStringCp932, SearchesNeverMatchInsideADoubleByteCharacter)
{
    const CString so(kSo);
    EXPECT_EQ(so.Find("\\"), -1);
    EXPECT_EQ(so.Find('\\'), -1);
    EXPECT_EQ(so.ReverseFind('\\'), -1);
    EXPECT_EQ(so.FindOneOf("\\["), -1);

    // Bytes: 0-1 SO, 2 '\\', 3-4 HYO, 5 'a', 6-7 DI, 8 'a'.
    const CString text = S({kSo, "\\", kHyo, "a", kDi, "a"});
    EXPECT_EQ(text.Find('\\'), 2);
    EXPECT_EQ(text.Find("\\"), 2);
    EXPECT_EQ(text.ReverseFind('\\'), 2);
    EXPECT_EQ(text.Find('a'), 5);
    EXPECT_EQ(text.Find('a', 6), 8); // the trail byte at 7 is no 'a'
    EXPECT_EQ(text.Find("a", 6), 8);
    EXPECT_EQ(text.ReverseFind('a'), 8);
    EXPECT_EQ(text.FindOneOf("a\\"), 2);
    // A search string that spans the end of one character and the start of
    // the next matches nowhere.
    EXPECT_EQ(S({kSo, kSo}).Find(S({"\\", "\x83"})), -1);
    EXPECT_EQ(S({kA, "B"}).Find("AB"), -1);
    EXPECT_EQ(S({"x", kA, "B"}).Find(kA), 1);
    // Nor does one that ends with half of a character.
    EXPECT_EQ(so.Find("\x83"), -1);
    EXPECT_EQ(S({"x", kSo}).Find("x\x83"), -1);
    EXPECT_EQ(S({"x", kSo, "x\x83"}).Find("x\x83"), 3); // a cut-off lead byte at the end is whole
}

TEST(CStringCp932, EditingNeverTouchesATrailByte)
{
    CString path = S({kHyo, "\\", kSo, "\\x"});
    EXPECT_EQ(path.Replace("\\", "/"), 2);
    EXPECT_EQ(path, S({kHyo, "/", kSo, "/x"}));

    CString chars = S({kHyo, "\\", kSo});
    EXPECT_EQ(chars.Replace('\\', '/'), 1);
    EXPECT_EQ(chars, S({kHyo, "/", kSo}));

    CString brackets = S({kChoon, "[", kChoon});
    EXPECT_EQ(brackets.Remove('['), 1);
    EXPECT_EQ(brackets, S({kChoon, kChoon}));

    CString halves = S({kSo, "x", kSo});
    EXPECT_EQ(halves.Replace("\x83", "?"), 0);
    EXPECT_EQ(halves.Replace(S({"x", "\x83"}), "?"), 0);
    EXPECT_EQ(halves, S({kSo, "x", kSo}));

    CString letters = S({kA, "A", kDi});
    EXPECT_EQ(letters.Replace("A", "b"), 1);
    EXPECT_EQ(letters, S({kA, "b", kDi}));

    CString tilde = S({kTimes, "~~"});
    tilde.TrimRight('~');
    EXPECT_EQ(tilde, kTimes);
    tilde.TrimRight('~');
    EXPECT_EQ(tilde, kTimes);

    CString backslash(kSo);
    backslash.TrimRight('\\');
    EXPECT_EQ(backslash, kSo);

    CString blanks = S({" \t", kSo, " ", kHyo, " \r\n"});
    blanks.Trim();
    EXPECT_EQ(blanks, S({kSo, " ", kHyo}));
    CString left = S({"AA", kA});
    left.TrimLeft('A');
    EXPECT_EQ(left, kA);

    // Nothing found: the string stays as it was.
    CString none(kSo);
    EXPECT_EQ(none.Replace("\\", "/"), 0);
    EXPECT_EQ(none.Remove('\\'), 0);
    EXPECT_EQ(none, kSo);
}

TEST(CStringCp932, CharacterSteps)
{
    const CString s = S({"a", kSo, kHalfA});
    EXPECT_EQ(s.CharLengthAt(0), 1);
    EXPECT_EQ(s.CharLengthAt(1), 2);
    EXPECT_EQ(s.CharLengthAt(3), 1);
    EXPECT_EQ(s.CharLengthAt(4), 0);
    EXPECT_TRUE(s.IsCharBoundary(3));
    EXPECT_FALSE(s.IsCharBoundary(2));
    EXPECT_EQ(s.LastCharPos(), 3);
    EXPECT_FALSE(s.EndsWithDoubleByte());
    EXPECT_TRUE(S({"a", kSo}).EndsWithDoubleByte());
    EXPECT_EQ(CString().LastCharPos(), -1);
    EXPECT_FALSE(CString().EndsWithDoubleByte());
    // A lone lead byte at the end counts as one single-byte character.
    const CString cut("a\x83");
    EXPECT_EQ(cut.CharLengthAt(1), 1);
    EXPECT_FALSE(cut.EndsWithDoubleByte());
    EXPECT_TRUE(CString(kHalfA).HasJapanese());
    EXPECT_FALSE(CString("abc~\\").HasJapanese());
}

TEST(CStringFormat, WidthsCountBytes)
{
    CString s;
    s.Format("%-6s|", kSo);
    EXPECT_EQ(s, S({kSo, "    |"}));
    s.Format("%5d|%-3d|%03d", 42, 7, 5);
    EXPECT_EQ(s, "   42|7  |005");
    s.AppendFormat("+%s", "x");
    EXPECT_EQ(s, "   42|7  |005+x");
    // Longer than any small internal buffer.
    const std::string big(1000, 'x');
    s.Format("<%s>", big.c_str());
    EXPECT_EQ(s.GetLength(), 1002);
    EXPECT_EQ(s.Right(3), "xx>");
    EXPECT_EQ(CString::Formatted("%s=%d", "n", -3), "n=-3");
}

TEST(CStringBounds, LeftMidRightClampToTheString)
{
    const CString s("abcde");
    EXPECT_EQ(s.Left(-1), "");
    EXPECT_EQ(s.Left(0), "");
    EXPECT_EQ(s.Left(2), "ab");
    EXPECT_EQ(s.Left(99), "abcde");
    EXPECT_EQ(s.Right(-1), "");
    EXPECT_EQ(s.Right(2), "de");
    EXPECT_EQ(s.Right(99), "abcde");
    EXPECT_EQ(s.Mid(-3), "abcde");
    EXPECT_EQ(s.Mid(3), "de");
    EXPECT_EQ(s.Mid(5), "");
    EXPECT_EQ(s.Mid(99), "");
    EXPECT_EQ(s.Mid(1, 2), "bc");
    EXPECT_EQ(s.Mid(1, 99), "bcde");
    EXPECT_EQ(s.Mid(1, 0), "");
    EXPECT_EQ(s.Mid(1, -4), "");
    EXPECT_EQ(s.GetAt(-1), '\0');
    EXPECT_EQ(s.GetAt(5), '\0');
    CString t = s;
    t.SetAt(9, 'x'); // ignored
    EXPECT_EQ(t, s);
    t.Delete(3, 99);
    EXPECT_EQ(t, "abc");
    t.Insert(99, "Z");
    t.Insert(-5, "A");
    EXPECT_EQ(t, "AabcZ");
    EXPECT_EQ(CString(static_cast<const char*>(nullptr)), "");
    EXPECT_EQ(CString("xyz", -1), "");
    EXPECT_EQ(CString('-', 3), "---");
}
