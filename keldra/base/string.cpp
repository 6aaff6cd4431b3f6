#include "base/string.h"

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

bool IsBlank(unsigned char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

char ToLowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

// Byte positions where characters start, plus the length at the end.
std::vector<int> CharStarts(const std::string& s)
{
    std::vector<int> starts;
    starts.reserve(s.size() + 1);
    size_t i = 0;
    while (i < s.size()) {
        starts.push_back(int(i));
        i += (IsCp932LeadByte(static_cast<unsigned char>(s[i])) && i + 1 < s.size()) ? 2 : 1;
    }
    starts.push_back(int(s.size()));
    return starts;
}

// True when sub occurs at character boundary p of s and ends on one too, so
// that a search string ending in a lead byte never takes half a character.
bool MatchesAt(const CString& s, int p, const CString& sub)
{
    const int n = sub.GetLength();
    if (p + n > s.GetLength() || s.str().compare(size_t(p), size_t(n), sub.str()) != 0)
        return false;
    int q = p;
    while (q < p + n)
        q += s.CharLengthAt(q);
    return q == p + n;
}

}  // namespace

void CString::SetAt(int i, char ch)
{
    if (i >= 0 && i < GetLength())
        m_s[size_t(i)] = ch;
}

int CString::CharLengthAt(int i) const
{
    if (i < 0 || i >= GetLength())
        return 0;
    return IsCp932LeadByte(static_cast<unsigned char>(m_s[size_t(i)])) && i + 1 < GetLength() ? 2 : 1;
}

bool CString::IsCharBoundary(int i) const
{
    if (i < 0 || i > GetLength())
        return false;
    int p = 0;
    while (p < i)
        p += CharLengthAt(p);
    return p == i;
}

int CString::LastCharPos() const
{
    int last = -1;
    for (int p = 0; p < GetLength(); p += CharLengthAt(p))
        last = p;
    return last;
}

bool CString::EndsWithDoubleByte() const
{
    int last = LastCharPos();
    return last >= 0 && CharLengthAt(last) == 2;
}

bool CString::HasJapanese() const
{
    for (unsigned char c : m_s)
        if (IsCp932LeadByte(c) || IsCp932Kana(c))
            return true;
    return false;
}

CString CString::Left(int count) const
{
    if (count <= 0)
        return CString();
    return CString(m_s.substr(0, size_t(count)));
}

CString CString::Right(int count) const
{
    if (count <= 0)
        return CString();
    if (count >= GetLength())
        return *this;
    return CString(m_s.substr(m_s.size() - size_t(count)));
}

CString CString::Mid(int first) const
{
    return Mid(first, GetLength());
}

CString CString::Mid(int first, int count) const
{
    if (first < 0)
        first = 0;
    if (first >= GetLength() || count <= 0)
        return CString();
    return CString(m_s.substr(size_t(first), size_t(count)));
}

int CString::Find(char ch, int start) const
{
    if (start < 0)
        start = 0;
    for (int p = 0; p < GetLength(); p += CharLengthAt(p))
        if (p >= start && CharLengthAt(p) == 1 && m_s[size_t(p)] == ch)
            return p;
    return -1;
}

int CString::Find(const CString& sub, int start) const
{
    if (start < 0)
        start = 0;
    const int n = sub.GetLength();
    for (int p = 0; p <= GetLength(); p += (p < GetLength() ? CharLengthAt(p) : 1)) {
        if (p < start)
            continue;
        if (p + n > GetLength())
            return -1;
        if (MatchesAt(*this, p, sub))
            return p;
    }
    return -1;
}

int CString::ReverseFind(char ch) const
{
    int found = -1;
    for (int p = 0; p < GetLength(); p += CharLengthAt(p))
        if (CharLengthAt(p) == 1 && m_s[size_t(p)] == ch)
            found = p;
    return found;
}

int CString::FindOneOf(const CString& chars) const
{
    for (int p = 0; p < GetLength(); p += CharLengthAt(p))
        if (CharLengthAt(p) == 1 && chars.Find(m_s[size_t(p)]) >= 0)
            return p;
    return -1;
}

int CString::Replace(const CString& oldText, const CString& newText)
{
    if (oldText.IsEmpty())
        return 0;
    std::string out;
    int count = 0;
    int p = 0;
    while (p < GetLength()) {
        if (MatchesAt(*this, p, oldText)) {
            out += newText.m_s;
            p += oldText.GetLength();
            ++count;
        } else {
            const int len = CharLengthAt(p);
            out.append(m_s, size_t(p), size_t(len));
            p += len;
        }
    }
    if (count)
        m_s = std::move(out);
    return count;
}

int CString::Replace(char oldCh, char newCh)
{
    int count = 0;
    for (int p = 0; p < GetLength(); p += CharLengthAt(p)) {
        if (CharLengthAt(p) == 1 && m_s[size_t(p)] == oldCh) {
            m_s[size_t(p)] = newCh;
            ++count;
        }
    }
    return count;
}

int CString::Remove(char ch)
{
    std::string out;
    int count = 0;
    for (int p = 0; p < GetLength(); p += CharLengthAt(p)) {
        const int len = CharLengthAt(p);
        if (len == 1 && m_s[size_t(p)] == ch)
            ++count;
        else
            out.append(m_s, size_t(p), size_t(len));
    }
    m_s = std::move(out);
    return count;
}

int CString::Insert(int index, const CString& text)
{
    if (index < 0)
        index = 0;
    if (index > GetLength())
        index = GetLength();
    m_s.insert(size_t(index), text.m_s);
    return GetLength();
}

int CString::Delete(int index, int count)
{
    if (index < 0)
        index = 0;
    if (count > 0 && index < GetLength())
        m_s.erase(size_t(index), size_t(count));
    return GetLength();
}

CString& CString::TrimLeft()
{
    size_t i = 0;
    while (i < m_s.size() && IsBlank(static_cast<unsigned char>(m_s[i])))
        ++i;
    m_s.erase(0, i);
    return *this;
}

CString& CString::TrimRight()
{
    // Whitespace bytes are below 0x40 and never trail bytes, but a lead byte
    // right before them would claim one; walk characters to stay exact.
    int keep = 0;
    for (int p = 0; p < GetLength(); p += CharLengthAt(p))
        if (CharLengthAt(p) == 2 || !IsBlank(static_cast<unsigned char>(m_s[size_t(p)])))
            keep = p + CharLengthAt(p);
    m_s.resize(size_t(keep));
    return *this;
}

CString& CString::Trim()
{
    TrimRight();
    return TrimLeft();
}

CString& CString::TrimLeft(char ch)
{
    int p = 0;
    while (p < GetLength() && CharLengthAt(p) == 1 && m_s[size_t(p)] == ch)
        ++p;
    m_s.erase(0, size_t(p));
    return *this;
}

CString& CString::TrimRight(char ch)
{
    int keep = 0;
    for (int p = 0; p < GetLength(); p += CharLengthAt(p))
        if (CharLengthAt(p) == 2 || m_s[size_t(p)] != ch)
            keep = p + CharLengthAt(p);
    m_s.resize(size_t(keep));
    return *this;
}

CString& CString::MakeUpper()
{
    for (int p = 0; p < GetLength(); p += CharLengthAt(p)) {
        char& c = m_s[size_t(p)];
        if (CharLengthAt(p) == 1 && c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    }
    return *this;
}

CString& CString::MakeLower()
{
    for (int p = 0; p < GetLength(); p += CharLengthAt(p)) {
        char& c = m_s[size_t(p)];
        if (CharLengthAt(p) == 1)
            c = ToLowerAscii(c);
    }
    return *this;
}

CString& CString::MakeReverse()
{
    std::vector<int> starts = CharStarts(m_s);
    std::string out;
    out.reserve(m_s.size());
    for (size_t k = starts.size() - 1; k > 0; --k)
        out.append(m_s, size_t(starts[k - 1]), size_t(starts[k] - starts[k - 1]));
    m_s = std::move(out);
    return *this;
}

int CString::Compare(const CString& other) const
{
    const int r = m_s.compare(other.m_s);
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

int CString::CompareNoCase(const CString& other) const
{
    CString a(*this), b(other);
    a.MakeLower();
    b.MakeLower();
    return a.Compare(b);
}

void CString::FormatV(const char* format, va_list args)
{
    va_list copy;
    va_copy(copy, args);
    char small[256];
    const int n = std::vsnprintf(small, sizeof small, format, copy);
    va_end(copy);
    if (n < 0) {
        m_s.clear();
        return;
    }
    if (size_t(n) < sizeof small) {
        m_s.assign(small, size_t(n));
        return;
    }
    std::string big(size_t(n) + 1, '\0');
    std::vsnprintf(big.data(), big.size(), format, args);
    big.resize(size_t(n));
    m_s = std::move(big);
}

void CString::Format(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    FormatV(format, args);
    va_end(args);
}

void CString::AppendFormat(const char* format, ...)
{
    CString tail;
    va_list args;
    va_start(args, format);
    tail.FormatV(format, args);
    va_end(args);
    m_s += tail.m_s;
}

CString CString::Formatted(const char* format, ...)
{
    CString s;
    va_list args;
    va_start(args, format);
    s.FormatV(format, args);
    va_end(args);
    return s;
}

CString Cp932Upper(const CString& s)
{
    CString u(s);
    u.MakeUpper();
    return u;
}
