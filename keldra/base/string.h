// CString: a value string of CP932 (Shift-JIS) bytes.
//
// Every item text, reference and output line is held in the code page the
// files are written in.  All operations that look at characters step over
// double-byte characters whole: a trail byte may equal '\\', '[', '~', '|' or
// an ASCII letter, and must never be matched, split or re-cased on its own.
// Lengths and positions are byte counts.
#pragma once

#include <cstdarg>
#include <cstdint>
#include <string>
#include <string_view>

// True for a byte that starts a double-byte CP932 character.
constexpr bool IsCp932LeadByte(unsigned char c)
{
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// True for the single-byte (half-width) katakana range.
constexpr bool IsCp932Kana(unsigned char c)
{
    return c >= 0xA1 && c <= 0xDF;
}

class CString {
public:
    CString() = default;
    CString(const char* s) : m_s(s ? s : "") {}
    CString(const char* s, int length) : m_s(s, length > 0 ? size_t(length) : 0) {}
    CString(std::string s) : m_s(std::move(s)) {}
    CString(std::string_view s) : m_s(s) {}
    CString(char ch, int repeat) : m_s(repeat > 0 ? size_t(repeat) : 0, ch) {}

    int GetLength() const { return int(m_s.size()); }
    bool IsEmpty() const { return m_s.empty(); }
    void Empty() { m_s.clear(); }

    const char* c_str() const { return m_s.c_str(); }
    const std::string& str() const { return m_s; }
    std::string& str() { return m_s; }

    // Byte access; out-of-range reads give 0.
    char GetAt(int i) const { return i >= 0 && i < GetLength() ? m_s[size_t(i)] : '\0'; }
    char operator[](int i) const { return GetAt(i); }
    void SetAt(int i, char ch);

    // Byte length of the character that starts at byte i (1 or 2; 1 for a
    // lead byte at the very end of the string).
    int CharLengthAt(int i) const;
    // True when byte i is the first byte of a character.
    bool IsCharBoundary(int i) const;
    // Byte position of the last character, or -1 for an empty string.
    int LastCharPos() const;
    // True when the last character is a double-byte character.
    bool EndsWithDoubleByte() const;
    // True when the string holds a double-byte lead byte or a half-width kana.
    bool HasJapanese() const;

    CString Left(int count) const;
    CString Right(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;

    // Searches start and match only at character boundaries.  They return a
    // byte position or -1.
    int Find(char ch, int start = 0) const;
    int Find(const CString& sub, int start = 0) const;
    int ReverseFind(char ch) const;
    int FindOneOf(const CString& chars) const;

    // Replaces non-overlapping occurrences (left to right); returns the count.
    int Replace(const CString& oldText, const CString& newText);
    int Replace(char oldCh, char newCh);
    int Remove(char ch);
    int Insert(int index, const CString& text);
    int Delete(int index, int count = 1);

    // Whitespace trimming (blank, tab, CR, LF, VT, FF) and trimming of one
    // given single-byte character; a trail byte is never trimmed.
    CString& TrimLeft();
    CString& TrimRight();
    CString& Trim();
    CString& TrimLeft(char ch);
    CString& TrimRight(char ch);

    // ASCII letters only; double-byte characters and kana are left alone.
    CString& MakeUpper();
    CString& MakeLower();
    CString& MakeReverse();

    int Compare(const CString& other) const;
    int CompareNoCase(const CString& other) const;

    // printf semantics; widths count bytes.
    void Format(const char* format, ...) __attribute__((format(printf, 2, 3)));
    void AppendFormat(const char* format, ...) __attribute__((format(printf, 2, 3)));
    void FormatV(const char* format, va_list args);
    static CString Formatted(const char* format, ...) __attribute__((format(printf, 1, 2)));

    CString& operator+=(const CString& other)
    {
        m_s += other.m_s;
        return *this;
    }
    CString& operator+=(const char* other)
    {
        m_s += other ? other : "";
        return *this;
    }
    CString& operator+=(char ch)
    {
        m_s += ch;
        return *this;
    }

    friend CString operator+(const CString& a, const CString& b) { return CString(a.m_s + b.m_s); }
    friend CString operator+(const CString& a, const char* b) { return a + CString(b); }
    friend CString operator+(const char* a, const CString& b) { return CString(a) + b; }
    friend CString operator+(const CString& a, char b) { return CString(a.m_s + b); }

    friend bool operator==(const CString& a, const CString& b) { return a.m_s == b.m_s; }
    friend bool operator==(const CString& a, const char* b) { return a.m_s == (b ? b : ""); }
    friend bool operator<(const CString& a, const CString& b) { return a.m_s < b.m_s; }

private:
    std::string m_s;
};

// Converts the ASCII letters of one CP932 string to upper case; see MakeUpper.
CString Cp932Upper(const CString& s);
