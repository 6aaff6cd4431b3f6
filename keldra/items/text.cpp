#include "items/text.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>

#include "base/archive.h"
#include "base/exception.h"
#include "base/profile.h"
#include "base/textmetrics.h"
#include "items/geometry.h"
#include "items/recordline.h"

namespace {

constexpr unsigned char kFullWidthLead = 0x82;
constexpr unsigned char kFullWidthZero = 0x4F;  // "０" is 0x82 0x4F ... "９" 0x82 0x58

bool IsFullWidthDigitAt(const CString& s, int p)
{
    return s.CharLengthAt(p) == 2 && static_cast<unsigned char>(s[p]) == kFullWidthLead &&
           static_cast<unsigned char>(s[p + 1]) >= kFullWidthZero &&
           static_cast<unsigned char>(s[p + 1]) <= kFullWidthZero + 9;
}

bool IsAsciiDigit(char c)
{
    return c >= '0' && c <= '9';
}

CString ToFullWidth(const CString& ascii)
{
    CString out;
    for (int i = 0; i < ascii.GetLength(); ++i) {
        const char c = ascii[i];
        if (IsAsciiDigit(c)) {
            out += char(kFullWidthLead);
            out += char(kFullWidthZero + (c - '0'));
        } else {
            out += c;
        }
    }
    return out;
}

// The trailing number of a text, as the numbering commands see it.
struct TrailingNumber {
    CString head;     // text before the number
    CString digits;   // the number in ASCII digits ("" when there is none)
    bool fullWidth = false;
    CString tilde;    // a trailing "~" set aside, or ""
};

TrailingNumber SplitTrailingNumber(const CString& text)
{
    TrailingNumber t;
    CString s = text;
    const int last = s.LastCharPos();
    if (last >= 0 && s.CharLengthAt(last) == 1 && s[last] == '~') {
        t.tilde = "~";
        s = s.Left(last);
    }
    // Character starts, so that the trailing run can be walked backwards.
    std::vector<int> starts;
    for (int p = 0; p < s.GetLength(); p += s.CharLengthAt(p))
        starts.push_back(p);
    t.fullWidth = s.EndsWithDoubleByte();
    size_t k = starts.size();
    while (k > 0) {
        const int p = starts[k - 1];
        const bool digit = t.fullWidth ? IsFullWidthDigitAt(s, p) : (s.CharLengthAt(p) == 1 && IsAsciiDigit(s[p]));
        if (!digit)
            break;
        --k;
    }
    const int numberStart = k < starts.size() ? starts[k] : s.GetLength();
    t.head = s.Left(numberStart);
    for (size_t i = k; i < starts.size(); ++i) {
        const int p = starts[i];
        t.digits += t.fullWidth ? char('0' + (static_cast<unsigned char>(s[p + 1]) - kFullWidthZero)) : s[p];
    }
    return t;
}

// Digits to a value; false when it does not fit.
bool DigitsValue(const CString& digits, long long& value)
{
    value = 0;
    for (int i = 0; i < digits.GetLength(); ++i) {
        if (value > (LLONG_MAX - 9) / 10)
            return false;
        value = value * 10 + (digits[i] - '0');
    }
    return true;
}

// True when the last byte of s is a lead byte with no trail byte after it.
bool EndsInLoneLeadByte(const CString& s)
{
    const int last = s.LastCharPos();
    return last >= 0 && s.CharLengthAt(last) == 1 &&
           IsCp932LeadByte(static_cast<unsigned char>(s[last]));
}

// The nine anchors by keypad position 1..9.
constexpr uint32_t kKeypadOrg[9] = {8, 14, 10, 24, 30, 26, 0, 6, 2};

// Frame kinds in the order FrameChange steps through them.
constexpr int kFrameCycle[15] = {0, 1, 2, 3, 4, 5, 13, 14, 6, 7, 8, 9, 10, 11, 12};



}  // namespace

CText::CText() = default;

CText::CText(const CString& text, const CPoint& point, int size, uint32_t attr)
    : m_string(text), m_point(point), m_size(size), m_attr(attr)
{
    CalcBoundRect();
}

void CText::SetName(const CString& text)
{
    const int first = text.Find('"');
    if (first < 0) {
        m_string = text;
    } else {
        const int last = text.ReverseFind('"');
        m_string = text.Mid(first + 1, last - first - 1);
        // The numbers after the last quote; the ones missing keep their values.
        // This is the text form, which may hold anything: position and size
        // are clamped into the coordinate range, the word (written signed)
        // into 32 bits.
        int64_t values[4] = {m_point.x, m_point.y, m_size, int32_t(m_attr)};
        ScanRecordNumbers(text.c_str() + last + 1, values, 4);
        m_point = CPoint(ClampCoord(values[0]), ClampCoord(values[1]));
        m_size = ClampCoord(values[2]);
        m_attr = uint32_t(ClampInt32(values[3]));
    }
    CalcBoundRect();
}

void CText::SetName(const CString& text, const CPoint& point, int size, uint32_t attr)
{
    m_string = text;
    m_point = point;
    m_size = size;
    m_attr = attr;
    CalcBoundRect();
}

void CText::SetPoint(const CPoint& point)
{
    const CPoint d = point - m_point;
    m_point = point;
    m_rect.OffsetRect(d);
    m_frameRect.OffsetRect(d);
}

void CText::SetSize(int size)
{
    m_size = size;
    CalcBoundRect();
}

void CText::SetAngle(uint32_t attr)
{
    m_attr = attr;
    CalcBoundRect();
}

void CText::ModifyAngle(uint32_t setBits, uint32_t clearMask)
{
    m_attr = (m_attr & ~clearMask) | setBits;
    CalcBoundRect();
}

bool CText::KeyToOrg(int key, uint32_t& org)
{
    if (key < 97 || key > 105)
        return false;
    org = kKeypadOrg[key - 97];
    return true;
}

void CText::SetOrg(int key)
{
    uint32_t org;
    if (!KeyToOrg(key, org) || !IsDisp() || IsEmpty())
        return;
    m_attr = (m_attr & ~anchor::kMask) | org;
    CalcBoundRect();
}

void CText::SetFrame(int kind)
{
    m_attr = (m_attr & ~kFrameMask) | ((uint32_t(kind) << kFrameShift) & kFrameMask);
    CalcBoundRect();
}

void CText::SetFont(const LOGFONT& font)
{
    m_font = font;
    CalcBoundRect();
}

// --- rectangles ----------------------------------------------------------------

std::vector<CString> CText::GetLines() const
{
    std::vector<CString> lines(1);
    const CString source = GetDispString();
    for (int p = 0; p < source.GetLength(); p += source.CharLengthAt(p)) {
        const char c = source[p];
        if (source.CharLengthAt(p) == 1 && c == '\\' && p + 1 < source.GetLength()) {
            const char next = source[p + 1];
            if (next == '\\') {
                lines.back() += '\\';
                ++p;
                continue;
            }
            if (next == 'n') {
                lines.emplace_back();
                ++p;
                continue;
            }
        }
        lines.back() += source.Mid(p, source.CharLengthAt(p));
    }
    return lines;
}

int CText::CalcLines() const
{
    return int(GetLines().size());
}

CString CText::GetDispString() const
{
    return IsDispProperty() ? GetPropertyVal(0) : m_string;
}

namespace {

// Rectangles are measured in 64 bits and only then brought back to the
// sheet range: a damaged file may pair a size near the limit of an int
// with a position near the other limit, and that must not overflow.
struct Box {
    long long left, top, right, bottom;
};

// Rectangles stay within the extent every stored rectangle may have, so that
// their widths and heights always fit 32 bits.
CRect ToRect(const Box& b)
{
    return CRect(ClampExtent(b.left), ClampExtent(b.top), ClampExtent(b.right), ClampExtent(b.bottom));
}

// Offset (dx, dy) in the text's own frame turned to the sheet for a direction.
void Turn(long long dx, long long dy, uint32_t direction, long long& x, long long& y)
{
    switch (direction) {
    case dir::k90: x = -dy, y = dx; break;
    case dir::k180: x = -dx, y = -dy; break;
    case dir::k270: x = dy, y = -dx; break;
    default: x = dx, y = dy;
    }
}

}  // namespace

void CText::MeasureLine(const CString& line, long long px, long long py, CRect& text,
                        CRect& frame) const
{
    const CTextMetrics& metrics = TextMetrics();
    const LOGFONT* font = HasOwnFont() ? &m_font : nullptr;
    CString measured = line;
    measured.Remove('~');  // overbar markers take no room
    const long long w = metrics.TextWidth(measured, m_size, font);
    const long long h = (long long)metrics.Ascent(m_size, font) + metrics.Descent(m_size, font);

    // The rectangle in the text's own frame, relative to the anchor.
    long long x0 = 0, y0 = 0;
    switch (GetOrg() & anchor::kHorzMask) {
    case anchor::kCenter: x0 = -w / 2; break;
    case anchor::kRight: x0 = -w; break;
    default: x0 = 0;
    }
    switch (GetOrg() & anchor::kVertMask) {
    case anchor::kMiddle: y0 = -h / 2; break;
    case anchor::kBottom: y0 = 0; break;
    default: y0 = -h;
    }
    const uint32_t direction = GetDir();
    long long ax, ay, bx, by;
    Turn(x0, y0, direction, ax, ay);
    Turn(x0 + w, y0 + h, direction, bx, by);
    Box box{px + std::min(ax, bx), py + std::min(ay, by), px + std::max(ax, bx),
            py + std::max(ay, by)};
    text = ToRect(box);

    frame = text;
    const int kind = GetFrame();
    if (kind == 0)
        return;
    const bool along = direction == dir::k0 || direction == dir::k180;  // text runs along x
    const long long inflateX = along ? 8 : 2, inflateY = along ? 2 : 8;
    box.left -= inflateX;
    box.right += inflateX;
    box.top -= inflateY;
    box.bottom += inflateY;
    // Pushes the low and the high end along the text's direction.
    auto push = [&](long long low, long long high) {
        if (along) {
            box.left -= low;
            box.right += high;
        } else {
            box.top -= low;
            box.bottom += high;
        }
    };
    switch (kind) {
    case 1:
    case 2: push(50, 50); break;
    case 3:
    case 6:
    case 8:
    case 9:
    case 10: push(100, 100); break;
    case 4:
    case 13:
        if (direction == dir::k0 || direction == dir::k90)
            push(50, 100);
        else
            push(100, 50);
        break;
    case 5:
    case 14:
        if (direction == dir::k0 || direction == dir::k90)
            push(100, 50);
        else
            push(50, 100);
        break;
    case 7: {
        const long long halfW = (box.right - box.left) / 2, halfH = (box.bottom - box.top) / 2;
        box.left -= halfW;
        box.right += halfW;
        box.top -= halfH;
        box.bottom += halfH;
        break;
    }
    default: break;
    }
    frame = ToRect(box);
}

void CText::CalcBoundRect()
{
    const std::vector<CString> lines = GetLines();
    if (lines.size() == 1) {
        if (lines[0].IsEmpty()) {
            m_rect = m_frameRect = CRect(m_point, m_point);
            return;
        }
        MeasureLine(lines[0], m_point.x, m_point.y, m_rect, m_frameRect);
        return;
    }
    // Each line one text size further "down" in the text's own frame.
    long long stepX, stepY;
    Turn(0, -(long long)m_size, GetDir(), stepX, stepY);
    long long px = m_point.x, py = m_point.y;
    bool first = true;
    for (CString line : lines) {
        line.TrimRight();
        if (line.IsEmpty())
            line = "A";
        CRect text, frame;
        MeasureLine(line, px, py, text, frame);
        if (first) {
            m_rect = text;
            m_frameRect = frame;
            first = false;
        } else {
            m_rect.UnionRect(m_rect, text);
            m_frameRect.UnionRect(m_frameRect, frame);
        }
        px += stepX;
        py += stepY;
    }
}

CRect CText::GetBoundingRect() const
{
    if (!IsDisp() || IsEmpty())
        return CRect();
    CRect r;
    r.UnionRect(m_rect, m_frameRect);
    return r;
}

// --- display, print, selection -------------------------------------------------

void CText::Disp(bool on)
{
    if (on)
        m_attr &= ~kHidden;
    else
        m_attr |= kHidden;
}

bool CText::IsDisp() const
{
    return IsDispProperty() || (m_attr & kHidden) == 0;
}

void CText::Print(bool on)
{
    if (on)
        m_attr &= ~kNoPrint;
    else
        m_attr |= kNoPrint;
    if (HasOwnFont())
        m_font.lfStrikeOut = on ? 0 : 1;
}

bool CText::SetTextSel(const CRect& rect)
{
    if (!IsDisp() || IsEmpty())
        return false;
    CRect overlap;
    if (!overlap.IntersectRect(GetBoundingRect().Normalized(), rect.Normalized()))
        return false;
    m_attr |= kSelected;
    return true;
}

bool CText::FrameChange(int backwards)
{
    if (!IsTextSel() || !IsDisp())
        return false;
    const int kind = GetFrame();
    constexpr int n = int(sizeof kFrameCycle / sizeof kFrameCycle[0]);
    for (int i = 0; i < n; ++i) {
        if (kFrameCycle[i] != kind)
            continue;
        SetFrame(kFrameCycle[backwards ? (i + n - 1) % n : (i + 1) % n]);
        return true;
    }
    return false;
}

bool CText::ChangeSize(int up)
{
    if (!IsDisp() || IsEmpty())
        return false;
    if (up >= 1) {
        if (m_size >= kMaxSize)
            return false;
        m_size = m_size + 5 > kMaxSize ? kMaxSize : m_size + 5;
    } else {
        if (m_size < kMinSize + 1)
            return false;
        m_size = m_size - 5 < kMinSize ? kMinSize : m_size - 5;
    }
    CalcBoundRect();
    return true;
}

// --- numbering -------------------------------------------------------------------

bool CText::IncName(int step)
{
    if (IsEmpty() || m_string.Find('?') >= 0 || step == 0)
        return false;
    const TrailingNumber t = SplitTrailingNumber(m_string);
    const CString withoutTilde = t.head + (t.fullWidth ? ToFullWidth(t.digits) : t.digits);
    CString number;
    if (!t.digits.IsEmpty()) {
        long long value;
        if (!DigitsValue(t.digits, value) || (step > 0 && value > LLONG_MAX - step))
            return false;
        value += step;
        if (value < 0) {
            number = CString('0', t.digits.GetLength() - 1);
        } else {
            number.Format("%lld", value);
            if (t.digits[0] == '0' && number.GetLength() < t.digits.GetLength())
                number = CString('0', t.digits.GetLength() - number.GetLength()) + number;
        }
    } else if (step > 0) {
        number.Format("%d", step);
    }
    if (t.fullWidth)
        number = ToFullWidth(number);
    const CString result = t.head + number + t.tilde;
    if (result.IsEmpty() || result == "~~" || result == "~") {
        // Back to the text without its trailing "~" - unless that leaves
        // nothing: a lone "~" stays, an empty text would drop off the sheet.
        if (!withoutTilde.IsEmpty())
            m_string = withoutTilde;
        CalcBoundRect();
        return false;
    }
    m_string = result;
    CalcBoundRect();
    return true;
}

int CText::GetNumberLen() const
{
    if (IsEmpty())
        return -1;
    return SplitTrailingNumber(m_string).digits.GetLength();
}

void CText::SetNumberLen(int digits)
{
    const TrailingNumber t = SplitTrailingNumber(m_string);
    long long value;
    if (t.digits.IsEmpty() || !DigitsValue(t.digits, value))
        return;
    // Widths beyond the digits a number can have would only pad with zeros
    // that no numbering reads back; "%01ld" is the plain number.
    const int width = std::clamp(digits, 1, kMaxNumberLen);
    CString number;
    number.Format("%0*lld", width, value);
    if (t.fullWidth)
        number = ToFullWidth(number);
    m_string = t.head + number + t.tilde;
    CalcBoundRect();
}

// --- transforms ------------------------------------------------------------------

void CText::Offset(const CPoint& d)
{
    if (IsEmpty())
        return;
    m_point += d;
    m_rect.OffsetRect(d);
    m_frameRect.OffsetRect(d);
}

void CText::OffsetAttr(const CPoint& d)
{
    if (IsTextSel())
        Offset(d);
}

void CText::Rotate(const CPoint& c, int dir, int reanchor)
{
    m_point = RotatePoint(m_point, c, dir);
    const uint32_t d = GetDir();
    if (d == dir::k0 || d == dir::k90) {
        const uint32_t turned = d == dir::k0 ? dir::k90 : dir::k0;
        uint32_t org = GetOrg();
        if (reanchor && ((d == dir::k90 && dir != 0) || (d == dir::k0 && dir == 0)))
            org = anchor::Reflect(org);
        m_attr = (m_attr & ~(dir::kMask | anchor::kMask)) | turned | org;
    }
    CalcBoundRect();
}

void CText::RotateA(const CPoint& c, int dir)
{
    m_point = RotatePoint(m_point, c, dir);
    m_attr = (m_attr & ~dir::kMask) | dir::Turn(GetDir(), dir != 0);
    CalcBoundRect();
}

void CText::RotateText(const CPoint& c, int dir)
{
    if (IsTextSel())
        Rotate(c, dir, 1);
}

void CText::MirrorX(const CPoint& c, int reanchor)
{
    m_point = MirrorXPoint(m_point, c);
    if (reanchor) {
        const uint32_t org = GetDir() == dir::k0 ? anchor::SwapLeftRight(GetOrg()) : anchor::SwapTopBottom(GetOrg());
        m_attr = (m_attr & ~anchor::kMask) | org;
    }
    CalcBoundRect();
}

void CText::MirrorY(const CPoint& c, int reanchor)
{
    m_point = MirrorYPoint(m_point, c);
    if (reanchor) {
        const uint32_t org = GetDir() == dir::k90 ? anchor::SwapLeftRight(GetOrg()) : anchor::SwapTopBottom(GetOrg());
        m_attr = (m_attr & ~anchor::kMask) | org;
    }
    CalcBoundRect();
}

void CText::MirrorXText(const CPoint& c)
{
    if (IsTextSel())
        MirrorX(c, 1);
}

void CText::MirrorYText(const CPoint& c)
{
    if (IsTextSel())
        MirrorY(c, 1);
}

// --- properties ------------------------------------------------------------------

// Fields after the leading "&", split at unescaped ampersands (escapes kept).
std::vector<CString> CText::SplitProperty() const
{
    std::vector<CString> fields;
    const int n = m_string.GetLength();
    if (n < 1 || m_string[0] != '&')
        return fields;
    // Whole stretches are copied at once: the screen asks this of every
    // property text on every redraw.
    const std::string& s = m_string.str();
    std::string field;
    for (int p = 1; p < n;) {
        const int len = m_string.CharLengthAt(p);
        const char c = s[size_t(p)];
        if (len == 1 && c == '\\' && m_string[p + 1] == '&') {
            field += "\\&";
            p += 2;
            continue;
        }
        if (len == 1 && c == '&') {
            fields.emplace_back(field);
            field.clear();
            ++p;
            continue;
        }
        field.append(s, size_t(p), size_t(len));
        p += len;
    }
    fields.emplace_back(field);
    return fields;
}

int CText::IsProperty() const
{
    const std::vector<CString> fields = SplitProperty();
    return fields.size() >= 2 ? int(fields.size()) - 1 : 0;
}

CString CText::GetPropertyName() const
{
    if (!IsProperty())
        return CString();
    CString name = SplitProperty()[0];
    return name.Trim();
}

CString CText::GetPropertyVal(int n) const
{
    const std::vector<CString> fields = SplitProperty();
    if (fields.size() < 2)
        return CString();
    const size_t index = n == 0 ? fields.size() - 1 : size_t(n);
    if (n < 0 || index >= fields.size())
        return CString();
    CString value = fields[index];
    value.Replace("\\&", "&");
    return value;
}

bool CText::IsDispProperty() const
{
    // IsProperty() && GetPropertyName() equals GetPropertyVal(1) without case.
    // Most property texts name a value that differs from the name: a first
    // look at the lengths of the two fields, without building them, settles
    // those (the screen asks this of every property text on every redraw).
    const int n = m_string.GetLength();
    if (n < 1 || m_string[0] != '&')
        return false;
    int field = 0, len0 = 0, blanks0 = 0, len1 = 0, amps1 = 0;
    for (int p = 1; p < n && field < 2;) {
        const int len = m_string.CharLengthAt(p);
        const char c = m_string[p];
        if (len == 1 && c == '&') {
            ++field;
            ++p;
            continue;
        }
        const int bytes = std::min(len == 1 && c == '\\' && m_string[p + 1] == '&' ? 2 : len, n - p);
        for (int i = p; i < p + bytes; ++i) {
            const unsigned char b = static_cast<unsigned char>(m_string[i]);
            if (field == 0)
                ++len0, blanks0 += b < 0x40;  // trimming removes only bytes below 0x40
            else
                ++len1, amps1 += b == '&';  // each "\\&" becomes one byte shorter
        }
        p += bytes;
    }
    if (field == 0 || len0 - blanks0 > len1 || len0 < len1 - amps1)
        return false;
    const std::vector<CString> fields = SplitProperty();
    if (fields.size() < 2)
        return false;
    CString name = fields[0];
    CString first = fields[1];
    first.Replace("\\&", "&");
    return name.Trim().CompareNoCase(first) == 0;
}

namespace {

CString EscapeAmpersands(CString value)
{
    value.Replace("&", "\\&");
    return value;
}

}  // namespace

void CText::SetProperty(const CString& name, const CString& value)
{
    CString n = name, v = value;
    n.Trim();
    v.Trim();
    m_string = "&" + n + "&" + EscapeAmpersands(v);
    m_attr |= kHidden;
    CalcBoundRect();
}

void CText::SetPropertyVal(int n, const CString& value)
{
    std::vector<CString> fields = SplitProperty();
    if (fields.size() < 2 || n < 0)
        return;
    const size_t index = n == 0 ? fields.size() - 1 : size_t(n);
    while (fields.size() <= index)
        fields.emplace_back();
    fields[index] = EscapeAmpersands(value);
    CString s;
    for (const CString& f : fields)
        s += "&" + f;
    m_string = s;
    CalcBoundRect();
}

// --- search ------------------------------------------------------------------------

bool CText::Find(const CString& search, bool matchCase, bool wholeWord, bool includeHidden, CPoint& found) const
{
    if (IsEmpty() || (!IsDisp() && !includeHidden))
        return false;
    const CString text = matchCase ? m_string : Cp932Upper(m_string);
    const bool hit = wholeWord ? text == search : text.Find(search) >= 0;
    if (hit)
        found = m_point;
    return hit;
}

// --- settings and the text dialog ---------------------------------------------------

void CText::SetAttribute() const
{
    CProfile& profile = Profile();
    if (!profile.GetInt("Text", "Remember Attr", 0))
        return;
    const uint32_t h = GetOrg() & anchor::kHorzMask;
    const uint32_t v = GetOrg() & anchor::kVertMask;
    profile.WriteInt("Text", "Text Height", m_size);
    profile.WriteInt("Text", "Text H Base", h == anchor::kCenter ? 1 : h == anchor::kRight ? 2 : 0);
    profile.WriteInt("Text", "Text V Base", v == anchor::kMiddle ? 1 : v == anchor::kBottom ? 2 : 0);
    profile.WriteInt("Text", "Text Direction", int(GetDir()));
    profile.WriteInt("Text", "Printable", IsPrint() ? 1 : 0);
    profile.WriteInt("Text", "Text Frame", GetFrame());
}

void CText::ApplyEdit(const CText& edited, bool isNew)
{
    m_string = edited.m_string;
    m_size = edited.m_size;
    m_attr = edited.m_attr;
    m_font = edited.m_font;
    if (isNew)
        m_point = edited.m_point;
    CalcBoundRect();
}

void CText::StoreEditSettings(const CText& edited, bool rememberAttr, int textFont)
{
    CProfile& profile = Profile();
    profile.WriteInt("Text", "Remember Attr", rememberAttr ? 1 : 0);
    profile.WriteInt("Text", "Text Font", textFont);
    uint8_t bytes[LOGFONT::kStoredSize];
    edited.m_font.ToBytes(bytes);
    profile.WriteBinary("Text", "Font", std::vector<uint8_t>(bytes, bytes + sizeof bytes));
    if (rememberAttr)
        edited.SetAttribute();
}

// --- stored forms ------------------------------------------------------------------------

void CText::DataWrite(CArchive& ar) const
{
    ar << m_string << m_point << int32_t(m_size) << m_attr << m_rect;
    if (HasOwnFont())
        ar << m_font;
}

void CText::DataRead(CArchive& ar, int version)
{
    ar >> m_string >> m_point;
    m_size = ar.ReadInt();
    RequireStoredCoord(m_point);
    RequireStoredCoord(m_size);
    ar >> m_attr >> m_rect;
    if (HasOwnFont() && version >= 6)
        ar >> m_font;
    // Older files kept "&NAME&NAME" for a property shown as itself; such a
    // property takes an empty second value.
    if (IsProperty() == 1 && GetPropertyName() == GetPropertyVal(1))
        m_string += "&";
    CalcBoundRect();
}

CString CText::TextFormString(const CString& s)
{
    // A raw line break (possible in binary files) would end the record: it is
    // written as the break a text shows, backslash + n.  After an odd run of
    // backslashes that "\n" would read as an escaped backslash followed by
    // 'n', so one more backslash keeps the run as it was shown.
    CString out;
    int backslashes = 0;
    for (int p = 0; p < s.GetLength(); p += s.CharLengthAt(p)) {
        const int n = s.CharLengthAt(p);
        const char c = s[p];
        if (n == 1 && c == '\0')
            throw CArchiveException(CArchiveException::genericException,
                                    "a text holds a NUL byte, which the text form cannot hold");
        // A lead byte with a break for its trail byte is no character at all.
        if (n == 2 && (s[p + 1] == '\0' || s[p + 1] == '\r' || s[p + 1] == '\n'))
            throw CArchiveException(
                CArchiveException::genericException,
                "a text holds a broken double-byte character, which the text form cannot hold");
        if (n == 1 && (c == '\r' || c == '\n')) {
            if (c == '\r' && s[p + 1] == '\n')
                ++p;
            if (backslashes % 2)
                out += '\\';
            out += "\\n";
            backslashes = 0;
            continue;
        }
        backslashes = n == 1 && c == '\\' ? backslashes + 1 : 0;
        out += s.Mid(p, n);
    }
    // A lead byte at the very end would take the closing quote for its trail
    // byte when the record is read.
    if (EndsInLoneLeadByte(s))
        throw CArchiveException(
            CArchiveException::genericException,
            "a text holds a broken double-byte character, which the text form cannot hold");
    return out;
}

void CText::SerializeText(CArchive& ar, const char* keyword) const
{
    CString line;
    line.Format("%s\"%s\" %d %d %d %d\n", keyword, TextFormString(m_string).c_str(), m_point.x,
                m_point.y, m_size, int(m_attr));
    ar.WriteString(line);
    if (!HasOwnFont())
        return;
    // A face name is never a text with line breaks, and one that holds a
    // break or ends in half a character cannot be written unchanged.
    const CString face = m_font.FaceName();
    if (face.str().find_first_of("\r\n") != std::string::npos || EndsInLoneLeadByte(face))
        throw CArchiveException(CArchiveException::genericException,
                                "a font name the text form cannot hold");
    const int style = (m_font.lfItalic ? 4 : 0) + (m_font.lfUnderline ? 2 : 0) + (m_font.lfStrikeOut ? 1 : 0);
    line.Format("Font \"%s\" %d %d %d %d %d %d %d %d %d %d\n", face.c_str(), m_font.lfWidth,
                m_font.lfEscapement, m_font.lfOrientation, m_font.lfWeight, style, m_font.lfCharSet,
                m_font.lfOutPrecision, m_font.lfClipPrecision, m_font.lfQuality, m_font.lfPitchAndFamily);
    ar.WriteString(line);
}

void CText::ReadFontRecord(const CString& line)
{
    if (!HasOwnFont())
        return;
    const int first = line.Find('"');
    const int last = line.ReverseFind('"');
    LOGFONT font;
    if (first >= 0 && last > first) {
        // At most 31 bytes fit the face field; a double-byte character is
        // never cut in half.
        CString face = line.Mid(first + 1, last - first - 1);
        if (face.GetLength() >= LOGFONT::kFaceSize) {
            int cut = LOGFONT::kFaceSize - 1;
            while (cut > 0 && !face.IsCharBoundary(cut))
                --cut;
            face = face.Left(cut);
        }
        font.SetFaceName(face);
    }
    int64_t v[10] = {};
    ScanRecordNumbers(line.c_str() + (last >= 0 ? last + 1 : line.GetLength()), v, 10);
    font.lfWidth = ClampInt32(v[0]);
    font.lfEscapement = ClampInt32(v[1]);
    font.lfOrientation = ClampInt32(v[2]);
    font.lfWeight = ClampInt32(v[3]);
    font.lfItalic = (v[4] & 4) ? 1 : 0;
    font.lfUnderline = (v[4] & 2) ? 1 : 0;
    font.lfStrikeOut = (v[4] & 1) ? 1 : 0;
    font.lfCharSet = uint8_t(v[5]);
    font.lfOutPrecision = uint8_t(v[6]);
    font.lfClipPrecision = uint8_t(v[7]);
    font.lfQuality = uint8_t(v[8]);
    font.lfPitchAndFamily = uint8_t(v[9]);
    font.lfHeight = -m_size;
    SetFont(font);
}

// --- comparison ------------------------------------------------------------------------

bool operator==(const CText& a, const CText& b)
{
    if (a.IsEmpty() && b.IsEmpty())
        return true;
    return a.m_point == b.m_point && (a.m_attr & ~CText::kSelected) == (b.m_attr & ~CText::kSelected) &&
           a.m_size == b.m_size && a.m_string == b.m_string;
}

bool operator<(const CText& a, const CText& b)
{
    if (a.m_point.y != b.m_point.y)
        return a.m_point.y > b.m_point.y;
    return a.m_point.x < b.m_point.x;
}
