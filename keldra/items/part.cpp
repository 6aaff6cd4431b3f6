#include "items/part.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstdio>
#include <memory>
#include <set>
#include <vector>

#include "base/archive.h"
#include "base/selectionsort.h"
#include "items/geometry.h"
#include "items/recordline.h"

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Decimal value of a run of digits, saturated instead of overflowing.
int DigitsToInt(const CString& digits)
{
    long long value = 0;
    for (int i = 0; i < digits.GetLength(); ++i) {
        value = value * 10 + (digits[i] - '0');
        if (value > INT_MAX)
            return INT_MAX;
    }
    return int(value);
}

bool HasDigit(const CString& s)
{
    for (int p = 0; p < s.GetLength(); p += s.CharLengthAt(p))
        if (s.CharLengthAt(p) == 1 && IsDigit(s[p]))
            return true;
    return false;
}

// Character starts of a string, for walking it backwards.
std::vector<int> CharStarts(const CString& s)
{
    std::vector<int> starts;
    for (int p = 0; p < s.GetLength(); p += s.CharLengthAt(p))
        starts.push_back(p);
    return starts;
}

bool IsDigitChar(const CString& s, int p)
{
    return s.CharLengthAt(p) == 1 && IsDigit(s[p]);
}

// Trailing ASCII digits of a pin number as an integer (0 when it ends in a
// non-digit).
int TrailingNumber(const CString& s)
{
    const std::vector<int> starts = CharStarts(s);
    size_t k = starts.size();
    while (k > 0 && IsDigitChar(s, starts[k - 1]))
        --k;
    if (k == starts.size())
        return 0;
    return DigitsToInt(s.Mid(starts[k]));
}

bool TextHits(const CText& text, const CString& search, bool matchCase, bool wholeWord, bool includeHidden,
              CPoint& found)
{
    return text.Find(search, matchCase, wholeWord, includeHidden, found);
}

}  // namespace

// --- construction ---------------------------------------------------------------------

CPart::CPart() = default;

CPart::CPart(const CPoint& org, const CPoint& corner1, const CPoint& corner2, int packageMax, int package, int angle,
             int attr)
    : m_org(org), m_corner1(corner1), m_corner2(corner2), m_packageMax(packageMax), m_package(package),
      m_angle(angle), m_attr(attr)
{
}

CPart::CPart(const CPart& other)
{
    CopyFrom(other);
}

CPart& CPart::operator=(const CPart& other)
{
    if (this != &other)
        CopyFrom(other);
    return *this;
}

CPart::~CPart() = default;

void CPart::CopyFrom(const CPart& other)
{
    m_org = other.m_org;
    m_corner1 = other.m_corner1;
    m_corner2 = other.m_corner2;
    m_packageMax = other.m_packageMax;
    m_package = other.m_package;
    m_angle = other.m_angle;
    m_attr = other.m_attr;
    m_partName = other.m_partName;
    m_ref = other.m_ref;
    m_value = other.m_value;
    m_pins.RemoveAll();
    m_texts.RemoveAll();
    m_lines.RemoveAll();
    m_arcs.RemoveAll();
    for (const CPin& pin : other.m_pins)
        m_pins.AddTail(std::make_unique<CPin>(pin));
    for (const CText& text : other.m_texts)
        m_texts.AddTail(std::make_unique<CText>(text));
    for (const CLine& line : other.m_lines)
        m_lines.AddTail(std::make_unique<CLine>(line));
    for (const CArc& arc : other.m_arcs)
        m_arcs.AddTail(std::make_unique<CArc>(arc));
}

// --- name texts -------------------------------------------------------------------------

void CPart::SetPartName(const CString& name)
{
    m_partName.SetName(name, m_partName.GetPoint(), m_partName.GetSize(), m_partName.GetAngle());
}

void CPart::SetPartName(const CString& name, const CPoint& point, uint32_t attr)
{
    m_partName.SetName(name, point, m_partName.GetSize(), attr);
}

void CPart::SetRefName(const CString& ref)
{
    m_ref.SetName(ref, m_ref.GetPoint(), m_ref.GetSize(), m_ref.GetAngle());
}

void CPart::SetRefName(const CString& ref, const CPoint& point, uint32_t attr)
{
    m_ref.SetName(ref, point, m_ref.GetSize(), attr);
}

void CPart::SetValue(const CString& value)
{
    m_value.SetName(value, m_value.GetPoint(), m_value.GetSize(), m_value.GetAngle());
}

void CPart::SetValue(const CString& value, const CPoint& point, uint32_t attr)
{
    m_value.SetName(value, point, m_value.GetSize(), attr);
}

// --- owned items -------------------------------------------------------------------------

CPin* CPart::NewPin(const CPin& pin)
{
    return m_pins.GetAt(m_pins.AddTail(std::make_unique<CPin>(pin)));
}

CPin* CPart::NewPin(const CPoint& body, const CPoint& tip, uint32_t elect)
{
    return NewPin(CPin(body, tip, elect));
}

CLine* CPart::NewLine(const CLine& line)
{
    return m_lines.GetAt(m_lines.AddTail(std::make_unique<CLine>(line)));
}

CLine* CPart::NewLine(const CPoint& start, const CPoint& end, uint32_t type)
{
    return NewLine(CLine(start, end, type));
}

CArc* CPart::NewArc(const CArc& arc)
{
    return m_arcs.GetAt(m_arcs.AddTail(std::make_unique<CArc>(arc)));
}

CArc* CPart::NewArc(const CPoint& centre, int radius, int startAngle, int endAngle, int type, int width)
{
    return NewArc(CArc(centre, radius, startAngle, endAngle, type, width));
}

CText* CPart::NewText(const CText& text)
{
    return m_texts.GetAt(m_texts.AddTail(std::make_unique<CText>(text)));
}

CText* CPart::NewText(const CString& text, const CPoint& point, int size, uint32_t attr)
{
    return NewText(CText(text, point, size, attr));
}

// --- properties ---------------------------------------------------------------------------

CString CPart::GetProperty(const CString& name) const
{
    if (name.IsEmpty())
        return CString();
    for (const CText& text : m_texts)
        if (text.IsProperty() && text.GetPropertyName().CompareNoCase(name) == 0)
            return text.GetPropertyVal(0);
    return CString();
}

bool CPart::IsProperty(const CString& name) const
{
    return std::atoi(GetProperty(name).c_str()) != 0;
}

CString CPart::GetPropertyCSV(const CString& names) const
{
    CString value;
    int start = 0;
    while (start <= names.GetLength()) {
        int comma = names.Find(',', start);
        if (comma < 0)
            comma = names.GetLength();
        CString name = names.Mid(start, comma - start);
        name.Trim();
        value = GetProperty(name);
        if (!value.IsEmpty())
            return value;
        start = comma + 1;
    }
    return value;
}

void CPart::DeleteProperty(const CString& name)
{
    // "[NAME]" removes the shown properties of NAME; a plain name the hidden ones.
    // The closing bracket must be a character of its own: the trail byte of a
    // double-byte character can be 0x5D as well.
    const int last = name.LastCharPos();
    const bool bracketed = name.GetLength() >= 2 && name[0] == '[' &&
                           name.CharLengthAt(last) == 1 && name[last] == ']';
    const CString bare = bracketed ? name.Mid(1, name.GetLength() - 2) : name;
    POSITION pos = m_texts.GetHeadPosition();
    while (pos) {
        const POSITION at = pos;
        const CText* text = m_texts.GetNext(pos);
        if (!text->IsProperty() || text->GetPropertyName().CompareNoCase(bare) != 0)
            continue;
        if (text->IsDispProperty() == bracketed)
            m_texts.RemoveAt(at);
    }
}

void CPart::DeleteText(const CString& string)
{
    POSITION pos = m_texts.GetHeadPosition();
    while (pos) {
        const POSITION at = pos;
        if (m_texts.GetNext(pos)->GetName() == string)
            m_texts.RemoveAt(at);
    }
}

CText* CPart::HitProperty(const CPoint& p)
{
    for (CText& text : m_texts) {
        const CRect r = text.GetTextBoundingRect().Normalized();
        if (text.IsDispProperty() && p.x >= r.left && p.x <= r.right && p.y >= r.top && p.y <= r.bottom)
            return &text;
    }
    return nullptr;
}

bool CPart::IsSafeNumberFormat(const CString& format)
{
    // Exactly one %d or %i conversion with optional flags, width and
    // precision (each at most two digits); "%%" is a literal percent sign.
    // Anything else could read arguments that are not there.
    int conversions = 0;
    const int n = format.GetLength();
    for (int i = 0; i < n; ++i) {
        if (format[i] != '%')
            continue;
        ++i;
        if (i < n && format[i] == '%')
            continue;
        while (i < n && (format[i] == '-' || format[i] == '+' || format[i] == ' ' || format[i] == '#' ||
                         format[i] == '0'))
            ++i;
        int digits = 0;
        while (i < n && IsDigit(format[i])) {
            ++i;
            ++digits;
        }
        if (digits > 2)
            return false;
        if (i < n && format[i] == '.') {
            ++i;
            digits = 0;
            while (i < n && IsDigit(format[i])) {
                ++i;
                ++digits;
            }
            if (digits > 2)
                return false;
        }
        if (i >= n || (format[i] != 'd' && format[i] != 'i'))
            return false;
        ++conversions;
    }
    return conversions == 1;
}

CString CPart::GetRefFormat() const
{
    if (m_packageMax < 2) {
        const CString format = GetProperty("REFFORM");
        if (!format.IsEmpty() && IsSafeNumberFormat(format))
            return format;
    }
    return "%d";
}

// --- references ------------------------------------------------------------------------------

bool CPart::GetRefName(CString& prefix, CString& suffix, int& number) const
{
    return SplitRef(GetRefName(), prefix, suffix, number);
}

bool CPart::SplitRef(const CString& ref, CString& prefix, CString& suffix, int& number)
{
    prefix.Empty();
    suffix.Empty();
    number = 0;
    if (ref.IsEmpty())
        return false;
    const int question = ref.Find('?');
    if (question >= 0) {
        prefix = ref.Left(question);
        suffix = ref.Mid(question + 1);
        return true;
    }
    if (!HasDigit(ref)) {
        prefix = ref;
        return true;
    }
    const std::vector<int> starts = CharStarts(ref);
    // Trailing run of non-digits, then the digits before it.
    size_t end = starts.size();
    while (end > 0 && !IsDigitChar(ref, starts[end - 1]))
        --end;
    size_t begin = end;
    while (begin > 0 && IsDigitChar(ref, starts[begin - 1]))
        --begin;
    const int digitsStart = starts[begin];
    const int suffixStart = end < starts.size() ? starts[end] : ref.GetLength();
    prefix = ref.Left(digitsStart);
    suffix = ref.Mid(suffixStart);
    number = DigitsToInt(ref.Mid(digitsStart, suffixStart - digitsStart));
    return true;
}

CString CPart::GetRefNameA() const
{
    const CString& ref = GetRefName();
    int lastDigit = -1;
    for (int p = 0; p < ref.GetLength(); p += ref.CharLengthAt(p))
        if (IsDigitChar(ref, p))
            lastDigit = p;
    return lastDigit < 0 ? ref : ref.Left(lastDigit + 1);
}

int CPart::GetRefNo() const
{
    const CString& ref = GetRefName();
    if (ref.IsEmpty() || ref.Find('?') >= 0)
        return -1;
    CString prefix, suffix;
    int number;
    GetRefName(prefix, suffix, number);
    return number;
}

void CPart::SetRefNo(int number, int force)
{
    CString prefix, suffix;
    int old;
    // A negative number has no reference form; it changes nothing.
    if (number < 0 || !GetRefName(prefix, suffix, old))
        return;
    if (number == 0) {
        SetRefName(prefix + "?" + suffix);
        return;
    }
    if (GetRefName().Find('?') < 0 && force == 0)
        return;
    SetRefName(FormatRef(prefix, number, suffix));
}

CString CPart::FormatRef(const CString& prefix, int number, const CString& suffix) const
{
    // A number format must give a reference that reads back as the same
    // prefix, number and suffix: "N%02d" or "%-4d" would change the prefix
    // or the gate suffix that netlists and numbering look at.
    const CString format = GetRefFormat();
    if (format != "%d") {
        CString digits;
        digits.Format(format.c_str(), number);
        const CString candidate = prefix + digits + suffix;
        CString p, s;
        int n;
        if (SplitRef(candidate, p, s, n) && p == prefix && s == suffix && n == number)
            return candidate;
    }
    return prefix + CString::Formatted("%d", number) + suffix;
}

bool CPart::IncRefName(int step)
{
    const long long n = (long long)std::max(GetRefNo(), 0) + step;
    // A number beyond what a reference number can hold is refused, not cut.
    if (n > INT_MAX)
        return false;
    if (n >= 1)
        SetRefNo(int(n), 1);
    else
        SetRefNo(0, 0);
    CalcBoundRect();
    return true;
}

bool CPart::RefCheck() const
{
    const CString& ref = GetRefName();
    if (ref.Find('?') >= 0 || !HasDigit(ref))
        return false;
    CString prefix, suffix;
    int number;
    GetRefName(prefix, suffix, number);
    return !prefix.IsEmpty() || !suffix.IsEmpty();
}

int CPart::CompareRef(const CPart& other) const
{
    CString p1, s1, p2, s2;
    int n1, n2;
    GetRefName(p1, s1, n1);
    other.GetRefName(p2, s2, n2);
    if (const int c = p1.CompareNoCase(p2))
        return c;
    if (n1 != n2)
        return n1 < n2 ? -1 : 1;
    return s1.CompareNoCase(s2);
}

// --- comparison and sorting ---------------------------------------------------------------------

bool operator==(const CPart& a, const CPart& b)
{
    return a.m_org == b.m_org && a.m_corner1 == b.m_corner1 && a.m_corner2 == b.m_corner2 &&
           a.m_packageMax == b.m_packageMax && a.m_package == b.m_package;
}

bool CPart::Compare(CPart& other)
{
    if (!(*this == other) || m_partName != other.m_partName || m_ref != other.m_ref || m_value != other.m_value ||
        m_angle != other.m_angle || m_attr != other.m_attr)
        return false;
    if (m_texts.GetCount() != other.m_texts.GetCount() || m_pins.GetCount() != other.m_pins.GetCount())
        return false;
    for (auto a = m_texts.begin(), b = other.m_texts.begin(); a != m_texts.end(); ++a, ++b)
        if (*a != *b)
            return false;
    SortPin();
    other.SortPin();
    for (auto a = m_pins.begin(), b = other.m_pins.begin(); a != m_pins.end(); ++a, ++b)
        if (!a->Compare(*b))
            return false;
    return true;
}

void CPart::SortPin()
{
    // The swapping selection sort: the order of pins that compare equal is
    // the one users have always seen.
    SelectionSortList(m_pins, [](const CPin& pin) { return pin.ListingKey(); });
}

void CPart::SortPinNo()
{
    std::vector<std::unique_ptr<CPin>> pins;
    while (!m_pins.IsEmpty())
        pins.push_back(m_pins.Detach(m_pins.GetHeadPosition()));
    std::stable_sort(pins.begin(), pins.end(), [](const std::unique_ptr<CPin>& a, const std::unique_ptr<CPin>& b) {
        return TrailingNumber(a->GetNo()) < TrailingNumber(b->GetNo());
    });
    for (std::unique_ptr<CPin>& pin : pins)
        m_pins.AddTail(std::move(pin));
}

// --- transforms ----------------------------------------------------------------------------------

void CPart::Offset(const CPoint& d)
{
    m_org += d;
    m_corner1 += d;
    m_corner2 += d;
    m_partName.Offset(d);
    m_ref.Offset(d);
    m_value.Offset(d);
    for (CLine& line : m_lines) {
        line.SetCheck(0);
        line.Offset(d);
    }
    for (CPin& pin : m_pins)
        pin.Offset(d);
    for (CText& text : m_texts)
        text.Offset(d);
    for (CArc& arc : m_arcs) {
        arc.SetCheck(0);
        arc.Offset(d);
    }
    CalcBoundRect();
}

void CPart::Rotate(const CPoint& c, int dir)
{
    m_org = RotatePoint(m_org, c, dir);
    m_corner1 = RotatePoint(m_corner1, c, dir);
    m_corner2 = RotatePoint(m_corner2, c, dir);
    m_partName.Rotate(c, dir, 1);
    m_ref.Rotate(c, dir, 1);
    m_value.Rotate(c, dir, 1);
    for (CLine& line : m_lines)
        line.Rotate(c, dir);
    for (CPin& pin : m_pins)
        pin.Rotate(c, dir);
    for (CText& text : m_texts)
        text.Rotate(c, dir, 1);
    for (CArc& arc : m_arcs)
        arc.Rotate(c, dir);
    m_angle = (m_angle & ~kDirMask) | int(dir::Turn(uint32_t(m_angle), dir != 0));
    CalcBoundRect();
}

void CPart::Rotate(int dir)
{
    Rotate(m_org, dir);
}

void CPart::MirrorX(const CPoint& c)
{
    Mirror(c, true);
}

void CPart::MirrorY(const CPoint& c)
{
    Mirror(c, false);
}

void CPart::Mirror(const CPoint& c, bool acrossVertical)
{
    const auto point = [&](const CPoint& p) { return acrossVertical ? MirrorXPoint(p, c) : MirrorYPoint(p, c); };
    // Every owned item mirrors itself the same way; texts re-anchor.
    const auto item = [&](auto& x) { acrossVertical ? x.MirrorX(c) : x.MirrorY(c); };
    const auto text = [&](CText& t) { acrossVertical ? t.MirrorX(c, 1) : t.MirrorY(c, 1); };
    m_org = point(m_org);
    m_corner1 = point(m_corner1);
    m_corner2 = point(m_corner2);
    text(m_partName);
    text(m_ref);
    text(m_value);
    for (CLine& line : m_lines)
        item(line);
    for (CPin& pin : m_pins)
        item(pin);
    for (CText& t : m_texts)
        text(t);
    for (CArc& arc : m_arcs)
        item(arc);
    m_angle ^= acrossVertical ? kMirrorX : kMirrorY;
    CalcBoundRect();
}

void CPart::RotateText(const CPoint& c, int dir)
{
    m_partName.RotateText(c, dir);
    m_ref.RotateText(c, dir);
    m_value.RotateText(c, dir);
    for (CText& text : m_texts)
        text.RotateText(c, dir);
    for (CPin& pin : m_pins)
        pin.RotateText(c, dir);
    CalcBoundRect();
}

void CPart::MirrorXText(const CPoint& c)
{
    m_partName.MirrorXText(c);
    m_ref.MirrorXText(c);
    m_value.MirrorXText(c);
    for (CText& text : m_texts)
        text.MirrorXText(c);
    for (CPin& pin : m_pins)
        pin.MirrorXText(c);
    CalcBoundRect();
}

void CPart::MirrorYText(const CPoint& c)
{
    m_partName.MirrorYText(c);
    m_ref.MirrorYText(c);
    m_value.MirrorYText(c);
    for (CText& text : m_texts)
        text.MirrorYText(c);
    for (CPin& pin : m_pins)
        pin.MirrorYText(c);
    CalcBoundRect();
}

void CPart::OffsetAttr(const CPoint& d)
{
    m_partName.OffsetAttr(d);
    m_ref.OffsetAttr(d);
    m_value.OffsetAttr(d);
    for (CPin& pin : m_pins) {
        if (!pin.IsDisp())
            continue;
        // A selected pin moves whole; otherwise only its selected texts.
        if (pin.IsSelect())
            pin.Offset(d);
        else
            pin.OffsetAttr(d);
    }
    for (CText& text : m_texts)
        text.OffsetAttr(d);
    CalcBoundRect();
}

// --- rectangles and hit tests ---------------------------------------------------------------------

bool CPart::IsFrameText(const CText& text)
{
    return text.IsProperty() && !text.IsDispProperty() && text.GetPropertyName().Left(5).CompareNoCase("FRAME") == 0;
}

void CPart::CalcBoundRect(int recalcTexts)
{
    if (recalcTexts) {
        m_partName.CalcBoundRect();
        m_ref.CalcBoundRect();
        m_value.CalcBoundRect();
        for (CText& text : m_texts)
            text.CalcBoundRect();
        for (CLine& line : m_lines)
            line.GetNameText().CalcBoundRect();
        for (CPin& pin : m_pins) {
            pin.GetNameText().CalcBoundRect();
            pin.GetNoText().CalcBoundRect();
        }
    }
    CRect r;
    r.UnionRect(m_partName.GetBoundingRect(), m_ref.GetBoundingRect());
    r.UnionRect(r, m_value.GetBoundingRect());
    for (const CText& text : m_texts)
        r.UnionRect(r, IsFrameText(text) ? text.GetFrameBoundingRect() : text.GetBoundingRect());
    // Whole items: a line with its name, a pin with its name, number and marks.
    for (const CLine& line : m_lines)
        r.UnionRect(r, line.GetBoundingRect());
    for (const CArc& arc : m_arcs)
        r.UnionRect(r, arc.GetBoundingRect());
    for (const CPin& pin : m_pins)
        r.UnionRect(r, pin.GetBoundingRect());
    m_corner1 = CPoint(r.left, r.top);
    m_corner2 = CPoint(r.right, r.bottom);
}

CRect CPart::GetBoundingRect() const
{
    const CRect outline = CRect(m_corner1, m_corner2).Normalized();
    if (!outline.IsRectEmpty())
        return outline;
    CRect r;
    r.UnionRect(m_partName.GetTextBoundingRect(), m_ref.GetTextBoundingRect());
    r.UnionRect(r, m_value.GetTextBoundingRect());
    return r;
}

CRect CPart::GetSimpleBoundingRect() const
{
    CRect r;
    for (const CLine& line : m_lines)
        r.UnionRect(r, line.GetBoundingRect());
    for (const CArc& arc : m_arcs)
        r.UnionRect(r, arc.GetBoundingRect());
    for (const CPin& pin : m_pins) {
        if (!pin.IsDisp())
            continue;
        // The stroke only: this rectangle leaves the pin texts out.
        CRect stroke = CRect(pin.GetStartPoint(), pin.GetPoint()).Normalized();
        stroke.InflateRect(6, 6);
        r.UnionRect(r, stroke);
    }
    return r;
}

CPin* CPart::CheckOnPin(const CPoint& p) const
{
    for (CPin& pin : m_pins)
        if (pin.CheckOnPoint(p))
            return &pin;
    return nullptr;
}

bool CPart::CheckOnPin(const CPart& other) const
{
    for (const CPin& a : m_pins)
        for (const CPin& b : other.m_pins)
            if (a.CheckOnPin(b))
                return true;
    return false;
}

// --- display and editing ----------------------------------------------------------------------------

void CPart::SetDisp(int partName, int ref, int value)
{
    auto apply = [](CText& text, int mode) {
        if (text.IsEmpty())
            text.Disp(true);
        else if (mode != 2)
            text.Disp(mode != 0);
    };
    apply(m_partName, partName);
    apply(m_ref, ref);
    apply(m_value, value);

    if (!m_lines.IsEmpty() || !m_arcs.IsEmpty())
        return;
    for (const CPin& pin : m_pins)
        if (!pin.GetBoundingRect().IsRectEmpty())
            return;
    auto shows = [](const CText& text) { return text.IsDisp() && !text.IsEmpty(); };
    if (shows(m_partName) || shows(m_ref) || shows(m_value))
        return;
    for (const CText& text : m_texts)
        if (shows(text))
            return;
    // Nothing would be visible: the part name keeps the part findable.
    m_partName.Disp(true);
}

CRect CPart::IncName(int step)
{
    CRect changed;
    auto number = [&](CText& text) {
        if (!text.IsTextSel() || !text.IsDisp())
            return;
        changed.UnionRect(changed, text.GetBoundingRect());
        text.IncName(step);
        changed.UnionRect(changed, text.GetBoundingRect());
    };
    if (m_ref.IsTextSel() && m_ref.IsDisp()) {
        changed.UnionRect(changed, m_ref.GetBoundingRect());
        IncRefName(step);
        changed.UnionRect(changed, m_ref.GetBoundingRect());
    }
    number(m_partName);
    number(m_value);
    for (CText& text : m_texts)
        number(text);
    for (CPin& pin : m_pins) {
        number(pin.GetNameText());
        number(pin.GetNoText());
    }
    CalcBoundRect();
    return changed;
}

CRect CPart::ZoomData(int step)
{
    CRect changed;
    auto zoom = [&](CText& text) {
        if (!text.IsTextSel() || !text.IsDisp())
            return;
        changed.UnionRect(changed, text.GetBoundingRect());
        text.ChangeSize(step);
        changed.UnionRect(changed, text.GetBoundingRect());
    };
    zoom(m_ref);
    zoom(m_partName);
    zoom(m_value);
    for (CText& text : m_texts)
        zoom(text);
    for (CPin& pin : m_pins) {
        zoom(pin.GetNameText());
        zoom(pin.GetNoText());
    }
    CalcBoundRect();
    return changed;
}

bool CPart::FindString(const CString& text) const
{
    auto has = [&](const CText& t) { return !t.IsEmpty() && t.GetName().Find(text) >= 0; };
    if (has(m_partName) || has(m_ref) || has(m_value))
        return true;
    for (const CText& t : m_texts)
        if (has(t))
            return true;
    for (const CPin& pin : m_pins)
        if (has(pin.GetNameText()) || has(pin.GetNoText()))
            return true;
    return false;
}

bool CPart::Find(const CString& search, int mask, bool matchCase, bool wholeWord, bool includeHidden,
                 CPoint& found) const
{
    bool any = false;
    if ((mask & 0x1) && TextHits(m_partName, search, matchCase, wholeWord, includeHidden, found))
        any = true;
    if ((mask & 0x2) && TextHits(m_ref, search, matchCase, wholeWord, includeHidden, found))
        any = true;
    if ((mask & 0x4) && TextHits(m_value, search, matchCase, wholeWord, includeHidden, found))
        any = true;
    if (mask & 0x18) {
        for (const CPin& pin : m_pins) {
            if (pin.Find(search, mask & 0x18, matchCase, wholeWord, includeHidden, found)) {
                any = true;
                break;
            }
        }
    }
    if (mask & 0x20) {
        for (const CText& text : m_texts) {
            if (TextHits(text, search, matchCase, wholeWord, includeHidden, found)) {
                any = true;
                break;
            }
        }
    }
    return any;
}

CPartDialogCheck CPart::CheckDialogInput(const CPartDialogInput& in)
{
    auto fail = [](int id, CPartDialogCheck::Field field) { return CPartDialogCheck{id, field}; };
    if (in.partName.IsEmpty())
        return fail(2001, CPartDialogCheck::PartName);
    if (in.referenceEnabled && in.reference.IsEmpty())
        return fail(2002, CPartDialogCheck::Reference);
    if (in.reference.GetLength() > 0 && in.reference[0] == '?')
        return fail(2003, CPartDialogCheck::Reference);
    if (in.valueEnabled && in.value.IsEmpty())
        return fail(2004, CPartDialogCheck::Value);
    if (!in.symbolDefaults && (in.package > in.packageMax || (in.package == 0 && in.packageMax != 0)))
        return fail(2005, CPartDialogCheck::Package);
    if (!in.libraryEditing && in.symbolDefaults && in.inverted && in.partName == "***")
        return fail(2006, CPartDialogCheck::PartName);
    if (in.libraryEditing && in.inverted && (in.packageMax == 0 || in.package == 0))
        return fail(2007, CPartDialogCheck::PackageMax);
    int questions = 0;
    for (int p = 0; p < in.reference.GetLength(); p += in.reference.CharLengthAt(p))
        if (in.reference.CharLengthAt(p) == 1 && in.reference[p] == '?')
            ++questions;
    if (questions > 1)
        return fail(2008, CPartDialogCheck::Reference);
    return CPartDialogCheck{};
}

void CPart::ApplyDialog(const CPartDialogInput& in, const CItemList<CPin>* editedPins, bool existing)
{
    SetPartName(in.partName);
    m_partName.Disp(in.partNameDisp);
    SetRefName(in.reference);
    m_ref.Disp(in.referenceDisp);
    SetValue(in.value);
    m_value.Disp(in.valueDisp);
    if (editedPins) {
        m_pins.RemoveAll();
        for (const CPin& pin : *editedPins)
            m_pins.AddTail(std::make_unique<CPin>(pin));
    }
    if (in.libraryEditing) {
        ModifyAttr(kLibInverted, in.inverted ? kLibInverted : 0);
        m_package = in.package;
        m_packageMax = in.packageMax;
    } else {
        ModifyAttr(kInverted, in.inverted ? kInverted : 0);
    }
    if (existing) {
        SortPin();
        CalcBoundRect();
    }
}

CString CPart::FindDuplicatePinNo(const CItemList<CPin>& pins)
{
    std::set<std::string> seen;
    for (const CPin& pin : pins) {
        if (pin.GetNo().IsEmpty())
            continue;
        if (!seen.insert(pin.GetNo().str()).second)
            return pin.GetNo();
    }
    return CString();
}

bool CPart::HasOnlyOneKindPowerPin(const CItemList<CPin>& pins)
{
    std::set<std::string> names;
    for (const CPin& pin : pins)
        if (pin.IsPower())
            names.insert(pin.GetName().str());
    return names.size() == 1;
}

// --- stored forms ------------------------------------------------------------------------------------

void CPart::DataWrite(CArchive& ar) const
{
    ar << m_org << m_corner1 << m_corner2 << int32_t(m_packageMax) << int32_t(m_package) << int32_t(m_angle)
       << int32_t(m_attr);
    const int32_t flags = (m_partName.IsEmpty() ? 0 : 1) | (m_ref.IsEmpty() ? 0 : 2) | (m_value.IsEmpty() ? 0 : 4);
    ar << flags;
    if (flags & 1)
        m_partName.DataWrite(ar);
    if (flags & 2)
        m_ref.DataWrite(ar);
    if (flags & 4)
        m_value.DataWrite(ar);
    ar << int32_t(m_pins.GetCount());
    for (const CPin& pin : m_pins)
        pin.DataWrite(ar);
    ar << int32_t(m_lines.GetCount());
    for (const CLine& line : m_lines)
        line.DataWrite(ar, true);
    ar << int32_t(m_arcs.GetCount());
    for (const CArc& arc : m_arcs)
        arc.DataWrite(ar);
    ar << int32_t(m_texts.GetCount());
    for (const CText& text : m_texts)
        text.DataWrite(ar);
}

void CPart::DataRead(CArchive& ar, bool full, int version)
{
    ar >> m_org >> m_corner1 >> m_corner2;
    RequireStoredCoord(m_org);
    // The outline is derived from the items and may reach beyond their points.
    RequireStoredExtent(m_corner1);
    RequireStoredExtent(m_corner2);
    m_packageMax = ar.ReadInt();
    m_package = ar.ReadInt();
    m_angle = ar.ReadInt();
    m_attr = ar.ReadInt();
    const int32_t flags = ar.ReadInt();
    m_partName = CText();
    m_ref = CText();
    m_value = CText();
    if (flags & 1)
        m_partName.DataRead(ar, version);
    if (flags & 2)
        m_ref.DataRead(ar, version);
    if (flags & 4)
        m_value.DataRead(ar, version);
    m_pins.RemoveAll();
    m_lines.RemoveAll();
    m_arcs.RemoveAll();
    m_texts.RemoveAll();

    // Pin records carry nothing that changed between versions except the
    // own font of their texts, which every writer stores from version 6 on;
    // reading them with the file's version keeps such parts readable.
    for (int32_t n = ar.ReadCount(CPin::kMinStoredSize); n > 0; --n) {
        CPin pin;
        pin.DataRead(ar, version);
        if (full)
            m_pins.AddTail(std::make_unique<CPin>(pin));
    }
    const int lineVersion = version < 8 ? 0 : version;
    for (int32_t n = ar.ReadCount(CLine::kMinStoredSize); n > 0; --n) {
        CLine line;
        line.DataRead(ar, lineVersion);
        if (full)
            m_lines.AddTail(std::make_unique<CLine>(line));
    }
    for (int32_t n = ar.ReadCount(CArc::kMinStoredSize); n > 0; --n) {
        CArc arc;
        arc.DataRead(ar, version);
        if (full)
            m_arcs.AddTail(std::make_unique<CArc>(arc));
    }
    for (int32_t n = ar.ReadCount(CText::kMinStoredSize); n > 0; --n) {
        CText text;
        text.DataRead(ar, version);
        // Empty texts and the tags the netlist code leaves in parts are not kept.
        if (full && !text.IsEmpty() && text.GetName().Find("{VIREO") < 0)
            m_texts.AddTail(std::make_unique<CText>(text));
    }
}

void CPart::SerializeText(CArchive& ar) const
{
    CString line;
    line.Format("Part %d %d %d %d %d %d %d %d %d %d\n", m_org.x, m_org.y, m_corner1.x, m_corner1.y, m_corner2.x,
                m_corner2.y, m_packageMax, m_package, m_angle, m_attr);
    ar.WriteString(line);
    if (!m_partName.IsEmpty())
        m_partName.SerializeText(ar, "Name ");
    if (!m_ref.IsEmpty())
        m_ref.SerializeText(ar, "Ref ");
    if (!m_value.IsEmpty())
        m_value.SerializeText(ar, "Val ");
    for (const CPin& pin : m_pins)
        pin.SerializeText(ar);
    for (const CLine& l : m_lines)
        l.SerializeText(ar);
    for (const CArc& arc : m_arcs)
        arc.SerializeText(ar);
    for (const CText& text : m_texts)
        text.SerializeText(ar, "Text ");
    ar.WriteString("PartEnd\n");
}

void CPart::ReadTextRecord(const CString& line)
{
    // The origin is clamped into the coordinate range, the outline (derived
    // from the items) into the range of derived rectangles.
    int64_t v[10] = {m_org.x,     m_org.y,      m_corner1.x, m_corner1.y, m_corner2.x,
                     m_corner2.y, m_packageMax, m_package,   m_angle,     m_attr};
    ScanRecordNumbers(SkipRecordKeyword(line), v, 10);
    m_org = CPoint(ClampCoord(v[0]), ClampCoord(v[1]));
    m_corner1 = CPoint(ClampExtent(v[2]), ClampExtent(v[3]));
    m_corner2 = CPoint(ClampExtent(v[4]), ClampExtent(v[5]));
    m_packageMax = ClampInt32(v[6]);
    m_package = ClampInt32(v[7]);
    m_angle = ClampInt32(v[8]);
    m_attr = ClampInt32(v[9]);
}
