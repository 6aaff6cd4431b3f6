#include "net/netname.h"

#include <climits>
#include <string>
#include <unordered_map>

#include "items/part.h"

namespace {

bool IsAsciiDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The value of the run of digits at s[first...], saturated at INT_MAX;
// end receives the position after the run.
int DigitRun(const CString& s, int first, int& end)
{
    long long value = 0;
    end = first;
    while (end < s.GetLength() && IsAsciiDigit(s[end])) {
        value = value * 10 + (s[end] - '0');
        if (value > INT_MAX)
            value = INT_MAX;
        ++end;
    }
    return int(value);
}

std::string Lower(const CString& s)
{
    CString lower(s);
    lower.MakeLower();
    return lower.str();
}

} // namespace

bool operator==(const CNetName& a, const CNetName& b)
{
    return a.m_refName.CompareNoCase(b.m_refName) == 0 &&
           a.GetPinNo().CompareNoCase(b.GetPinNo()) == 0;
}

bool CNetName::IsAmbiguous() const
{
    return m_refName.IsEmpty() || m_refName.Find('?') >= 0 || GetPinNo().IsEmpty();
}

void CNetName::BreakPartRef()
{
    // The grammar lives with the part; a scratch part carries the reference.
    // A design repeats each reference on every pin of its part, so the split
    // is remembered (per thread, bounded).
    struct Split {
        CString prefix, suffix;
        int number = 0;
    };
    thread_local std::unordered_map<std::string, Split> known;
    auto it = known.find(m_refName.str());
    if (it == known.end()) {
        if (known.size() >= 65536)
            known.clear();
        Split split;
        CPart scratch;
        scratch.SetRefName(CText(m_refName, CPoint(), CText::kDefaultSize, CText::kDefaultAttr));
        scratch.GetRefName(split.prefix, split.suffix, split.number);
        it = known.emplace(m_refName.str(), std::move(split)).first;
    }
    m_refPrefix = it->second.prefix;
    m_refSuffix = it->second.suffix;
    m_refNo = it->second.number;
}

int CNetName::BreakPinNo(CString& s)
{
    for (int p = 0; p < s.GetLength(); p += s.CharLengthAt(p)) {
        if (s.CharLengthAt(p) != 1 || !IsAsciiDigit(s[p]))
            continue;
        int end;
        const int value = DigitRun(s, p, end);
        s = p == 0 ? s.Mid(end) : s.Left(p);
        return value;
    }
    return -1;
}

int CNetName::Compare(const CNetName& other) const
{
    const CNetNameKey a = CNetNameKey::Of(*this), b = CNetNameKey::Of(other);
    return a < b ? -1 : b < a ? 1 : 0;
}

CNetNameKey CNetNameKey::Of(const CNetName& node)
{
    CNetNameKey key;
    key.prefix = Lower(node.GetRefPrefix());
    key.number = node.GetPartNo();
    key.ref = Lower(node.GetRefName());
    CString pin = node.GetPinNo();
    key.pinValue = CNetName::BreakPinNo(pin);
    key.pinText = Lower(pin);
    return key;
}

bool operator<(const CNetNameKey& a, const CNetNameKey& b)
{
    if (int c = a.prefix.compare(b.prefix))
        return c < 0;
    if (a.number != b.number)
        return a.number < b.number;
    if (int c = a.ref.compare(b.ref))
        return c < 0;
    if (int c = a.pinText.compare(b.pinText))
        return c < 0;
    return a.pinValue < b.pinValue;
}

bool CNetName::CheckDRC(int code) const
{
    const int type = m_pin.GetEleType();
    auto is = [type](int t) { return type == t; };
    switch (code) {
    case 0x1:
        return is(CPin::Output);
    case 0x2:
        return is(CPin::Output) || is(CPin::InOut);
    case 0x4:
        return is(CPin::Output) || is(CPin::OpenLow);
    case 0x8:
        return is(CPin::Output) || is(CPin::OpenHigh);
    case 0x10:
        return is(CPin::Output) || is(CPin::ThreeState);
    case 0x20:
        return is(CPin::Output) || is(CPin::Power);
    case 0x40:
        return is(CPin::OpenLow) || is(CPin::OpenHigh);
    case 0x80:
        return is(CPin::OpenLow) || is(CPin::Power);
    case 0x100:
        return is(CPin::InOut) || is(CPin::OpenHigh);
    case 0x200:
        return is(CPin::OpenHigh);
    case 0x400:
        return is(CPin::OpenHigh) || is(CPin::Power);
    case 0x800:
        return is(CPin::ThreeState) || is(CPin::Power);
    case 0x1000:
        return is(CPin::InOut) || is(CPin::Power);
    case 0x2000:
    case 0x4000:
    case 0x8000:
        return true;
    case 0x10000:
        return is(CPin::NoConnect);
    default:
        return false;
    }
}
