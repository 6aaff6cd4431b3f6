#include "export/tango.h"

#include <memory>
#include <string>

#include "base/archive.h"
#include "items/geometry.h"
#include "items/recordline.h"
#include "sheet/sheet.h"

std::vector<uint8_t> WriteTango(const CSheet& sheet, const CTangoSheet& header)
{
    CArchive ar;
    ar.WriteString(";Tango-Schematic 1.42J Series II\n");
    ar.WriteString("TANGO_SCHEMATIC 1 1 A\n");
    const int code = header.sizeIndex == 0   ? 8
                     : header.sizeIndex == 1 ? 7
                     : header.sizeIndex == 2 ? 6
                                             : 10;
    ar.WriteString(CString::Formatted("SHEET 0 0 %d %d %d\n", header.width, header.height, code));
    const CRect& v = header.visibleArea;
    const int left = std::max(std::min(v.left, v.right), 1);
    const int bottom = std::max(std::min(v.top, v.bottom), 1);
    const int right = std::min(std::max(v.left, v.right), header.width - 1);
    const int top = std::min(std::max(v.top, v.bottom), header.height - 1);
    ar.WriteString(
        CString::Formatted("SIZE %d %d %d %d %d %d\n", left, bottom, right, top, left, bottom));
    sheet.SerializeTango(ar);
    return ar.Bytes();
}

namespace {

// One record: its first word, its quoted strings (taken out of the line)
// and the numbers that remain.
struct Record {
    std::string word;
    std::vector<CString> quoted;
    std::string rest; // the line after the word, quoted strings removed

    // Up to count numbers; the ones missing stay 0.  Values are clamped.
    std::vector<int64_t> Numbers(int count) const
    {
        std::vector<int64_t> v(size_t(count), 0);
        ScanRecordNumbers(rest.c_str(), v.data(), count);
        return v;
    }
};

Record Split(const std::string& line, int quotes)
{
    Record r;
    size_t p = line.find_first_not_of(" \t");
    if (p == std::string::npos)
        return r;
    const size_t end = line.find_first_of(" \t\"", p);
    r.word = line.substr(p, end == std::string::npos ? std::string::npos : end - p);
    std::string rest = end == std::string::npos ? std::string() : line.substr(end);
    for (int i = 0; i < quotes; ++i) {
        const size_t open = rest.find('"');
        if (open == std::string::npos)
            break;
        const size_t close = rest.find('"', open + 1);
        if (close == std::string::npos)
            break;
        r.quoted.emplace_back(rest.substr(open + 1, close - open - 1));
        rest.erase(open, close - open + 1);
    }
    r.rest = rest;
    return r;
}

int Coord(int64_t v)
{
    return ClampCoord(v);
}

CPoint Point(int64_t x, int64_t y)
{
    return CPoint(Coord(x), Coord(y));
}

// "\\" pairs made single, stepping over double-byte characters whole.
CString HalveBackslashes(const CString& s)
{
    CString out;
    for (int p = 0; p < s.GetLength(); p += s.CharLengthAt(p)) {
        out += s.Mid(p, s.CharLengthAt(p));
        if (s.CharLengthAt(p) == 1 && s[p] == '\\' && s[p + 1] == '\\')
            ++p;
    }
    return out;
}

uint32_t DirectionOfRotation(int64_t rotation)
{
    switch (rotation) {
    case 90:
        return 0x100;
    case 180:
        return 0x200;
    case 270:
        return 0x300;
    case 0x100:
    case 0x200:
    case 0x300:
        return uint32_t(rotation);
    default:
        return 0;
    }
}

class CTangoReader {
public:
    CTangoReader(CSheet& sheet, CTangoSheet& header) : m_sheet(sheet), m_header(header) {}

    void Line(const std::string& line)
    {
        Record r = Split(line, 0);
        const std::string& w = r.word;
        if (w == "ATTR")
            r = Split(line, 2);
        else if (line.find('"') != std::string::npos)
            r = Split(line, 1);
        if (w == "SHEET")
            Sheet(r);
        else if (w == "WIRE" || w == "BUS")
            Wire(r, w == "BUS");
        else if (w == "LINE")
            PlainLine(r);
        else if (w == "RECTAN")
            Rectangle(r);
        else if (w == "TEXT")
            Text(r);
        else if (w == "JUNC")
            Junc(r);
        else if (w == "ATTR")
            Attr(r);
        else if (w == "PIN")
            Pin(r);
        else if (w == "PINDES")
            PinDes(r);
        else if (w == "ARC")
            Arc(r);
        else if (w == "PART")
            Part(r);
        else if (w == "PARTEND")
            ClosePart();
        else if (w == "MODULE")
            Module(r);
        else if (w == "PORT")
            Port(r);
    }

    void Finish() { ClosePart(); }

private:
    void Sheet(const Record& r)
    {
        const auto n = r.Numbers(5);
        m_header.width = Coord(n[2]);
        m_header.height = Coord(n[3]);
        m_header.hasSize = true;
        m_header.hasSizeIndex = true;
        switch (n[4]) {
        case 8:
            m_header.sizeIndex = 0;
            break;
        case 7:
            m_header.sizeIndex = 1;
            break;
        case 6:
            m_header.sizeIndex = 2;
            break;
        case 10:
            // Every portrait size has this code: the sheet's long side tells
            // A2 (594 mm), A3 (420 mm) and A4 (297 mm) apart.
            {
                const int longSide = std::max(m_header.width, m_header.height);
                m_header.sizeIndex = longSide >= 20000 ? 3 : longSide >= 14000 ? 4 : 5;
            }
            break;
        default:
            m_header.hasSizeIndex = false;
            break;
        }
    }
    void Wire(const Record& r, bool bus)
    {
        const auto n = r.Numbers(4);
        CLine* line = bus ? m_sheet.NewBus(Point(n[0], n[1]), Point(n[2], n[3]))
                          : m_sheet.NewWire(Point(n[0], n[1]), Point(n[2], n[3]));
        m_wire = bus ? nullptr : line;
        m_named = bus ? line : nullptr;
    }
    void AddLine(const CPoint& a, const CPoint& b)
    {
        if (m_part)
            m_part->NewLine(a, b, CLine::kPlain);
        else
            m_sheet.NewLine(a, b);
    }
    void PlainLine(const Record& r)
    {
        const auto n = r.Numbers(4);
        AddLine(Point(n[0], n[1]), Point(n[2], n[3]));
        m_named = m_part ? m_part->Lines().GetTail() : m_sheet.GetTailLine(1);
    }
    void Rectangle(const Record& r)
    {
        const auto n = r.Numbers(4);
        const CPoint a = Point(n[0], n[1]), c = Point(n[2], n[3]);
        AddLine(a, CPoint(c.x, a.y));
        AddLine(CPoint(c.x, a.y), c);
        AddLine(c, CPoint(a.x, c.y));
        AddLine(CPoint(a.x, c.y), a);
    }
    void Text(const Record& r)
    {
        if (r.quoted.empty() || r.quoted[0].IsEmpty())
            return;
        std::vector<int64_t> n(6, 0);
        if (ScanRecordNumbers(r.rest.c_str(), n.data(), 6) < 6)
            n[5] = 3; // a record without the visibility field shows its text
        uint32_t attr = CText::AttrFromTangoAngle(int(n[3] & 0xFF));
        if (!(n[5] & 2))
            attr |= CText::kHidden;
        const CText text(r.quoted[0], Point(n[1], n[2]), std::max(1, Coord(n[0])), attr);
        if (m_part)
            m_part->NewText(text);
        else
            m_sheet.NewText(text);
    }
    void Junc(const Record& r)
    {
        const auto n = r.Numbers(2);
        m_sheet.NewJunc(Point(n[0], n[1]));
    }
    // Position, anchor and visibility of an attribute text.
    static void Place(CText& text, const CString& value, const std::vector<int64_t>& n)
    {
        uint32_t attr = CText::AttrFromTangoAngle(int(n[3] & 0xFF));
        if (!(n[5] & 2))
            attr |= CText::kHidden;
        text.SetName(value, Point(n[1], n[2]), text.GetSize(), attr);
    }
    void Attr(const Record& r)
    {
        if (r.quoted.size() < 2)
            return;
        const CString name = r.quoted[0], value = r.quoted[1];
        const auto n = r.Numbers(6);
        switch (n[0]) {
        case 8:
        case 9:
            if (!m_part)
                return;
            if (name == "DESIGNATOR") {
                Place(m_part->GetRefNameText(), value, n);
            } else if ((n[0] == 8 && name == "NAME") || (n[0] == 9 && name == "TYPE")) {
                Place(m_part->GetPartNameText(), value, n);
            } else if (n[0] == 9 && name == "VALUE") {
                Place(m_part->GetValNameText(), value, n);
            } else if (n[0] == 8 && name == "FILE") {
                CText text;
                text.SetSize(50);
                Place(text, "&FILE&" + HalveBackslashes(value), n);
                m_part->NewText(text);
            } else if (n[0] == 9) {
                CText text;
                text.SetSize(50);
                Place(text, value, n);
                m_part->NewText(text);
            }
            if (n[0] == 8)
                m_part->CalcBoundRect();
            break;
        case 10:
            if (m_pin)
                Place(m_pin->GetNameText(), value, n);
            break;
        case 14:
            if (!m_pin)
                return;
            if (name == "DESIGNATOR")
                Place(m_pin->GetNoText(), value, n);
            else if (name == "NAME")
                Place(m_pin->GetNameText(), value, n);
            if (m_part)
                m_part->CalcBoundRect();
            break;
        case 20:
            if (m_wire && name == "NAME")
                Place(m_wire->GetNameText(), value, n);
            break;
        case 3: // the name of a bus or a plain line, as the writer gives it
            if (m_named && name == "NAME")
                Place(m_named->GetNameText(), value, n);
            break;
        default:
            break;
        }
    }
    static uint32_t ElectFromNumbers(const std::vector<int64_t>& n, size_t first)
    {
        uint32_t e = CPin::TypeFromTango(int(n[first] & 0xFF));
        const int64_t dot = n[first + 2], angle = n[first + 3], clock = n[first + 4],
                      extra = n[first + 5];
        if (dot >= 1 && dot <= 3)
            e |= uint32_t(0x10 * dot);
        if (angle >= 1 && angle <= 6)
            e |= uint32_t(0x80 * angle);
        if (clock)
            e |= CPin::kClock;
        if (extra >= 1 && extra <= 6)
            e |= uint32_t(0x400 * extra);
        else if (extra >= 8 && extra <= 12)
            e |= uint32_t(0x400 * (extra - 1));
        if (n[first + 6])
            e |= CPin::kHidden;
        return e;
    }
    void Pin(const Record& r)
    {
        if (!m_part)
            return;
        const auto n = r.Numbers(12);
        m_pin = m_part->NewPin(Point(n[0], n[1]), Point(n[2], n[3]), ElectFromNumbers(n, 4));
    }
    void PinDes(const Record& r)
    {
        if (!m_pin)
            return;
        const auto n = r.Numbers(6);
        const CString number = r.quoted.empty() ? CString() : r.quoted[0];
        uint32_t attr = CText::AttrFromTangoAngle(int(n[3] & 0xFF));
        if (!(n[5] & 2))
            attr |= CText::kHidden;
        m_pin->GetNoText().SetName(number, Point(n[1], n[2]), m_pin->GetNoText().GetSize(), attr);
        if (m_part)
            m_part->CalcBoundRect();
    }
    void Arc(const Record& r)
    {
        if (!m_part)
            return;
        const auto n = r.Numbers(6);
        const int64_t start = ((n[3] % 360) + 360) % 360;
        const int64_t end = (((start + n[4] % 360) % 360) + 360) % 360;
        m_part->NewArc(Point(n[0], n[1]), std::max(0, Coord(n[2])), int(start), int(end),
                       int(n[5] & (CArc::kStyleMask | CArc::kFilled)), CArc::kDefaultWidth);
    }
    void Part(const Record& r)
    {
        ClosePart();
        const auto n = r.Numbers(15);
        int angle = int(DirectionOfRotation(n[6]));
        if (n[7] >= 1 && n[7] <= 3)
            angle |= int(0x1000 * n[7]);
        int attr = 0;
        if (n[9])
            attr |= CPart::kPinsHidden;
        if (n[10] == 1 || n[10] == 2)
            attr |= int(n[10]);
        if (n[12])
            attr |= 0x40;
        if (n[14])
            attr |= 0x80;
        m_part = std::make_unique<CPart>(Point(n[0], n[1]), Point(n[2], n[3]), Point(n[4], n[5]),
                                         ClampInt32(n[8]), ClampInt32(n[13]), angle, attr);
    }
    void Module(const Record& r)
    {
        ClosePart();
        const auto n = r.Numbers(5);
        const CPoint a = Point(n[0], n[1]), c = Point(n[2], n[3]);
        m_part = std::make_unique<CPart>(a, a, c, 0, 0, 0, 0);
        Rectangle(r);
    }
    void Port(const Record& r)
    {
        if (!m_part)
            return;
        const auto n = r.Numbers(5);
        const CPoint p = Point(n[0], n[1]);
        CPoint tip(ClampCoord(int64_t(p.x) + 150), p.y);
        switch (n[3]) {
        case 1:
            tip = CPoint(ClampCoord(int64_t(p.x) - 150), p.y);
            break;
        case 2:
            tip = CPoint(p.x, ClampCoord(int64_t(p.y) - 150));
            break;
        case 3:
            tip = CPoint(p.x, ClampCoord(int64_t(p.y) + 150));
            break;
        default:
            break;
        }
        m_pin = m_part->NewPin(p, tip, CPin::TypeFromTango(int(n[2] & 0xFF)));
    }
    void ClosePart()
    {
        m_pin = nullptr;
        m_named = nullptr;
        if (!m_part)
            return;
        m_part->CalcBoundRect(1);
        m_sheet.NewPart(*m_part);
        m_part.reset();
    }

    CSheet& m_sheet;
    CTangoSheet& m_header;
    std::unique_ptr<CPart> m_part;
    CPin* m_pin = nullptr;
    CLine* m_wire = nullptr;
    CLine* m_named = nullptr;
};

} // namespace

void ReadTango(const std::vector<uint8_t>& bytes, CSheet& sheet, CTangoSheet& header)
{
    CTangoReader reader(sheet, header);
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = start;
        while (end < bytes.size() && bytes[end] != '\n')
            ++end;
        std::string line(bytes.begin() + long(start), bytes.begin() + long(end));
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        reader.Line(line);
        start = end + 1;
    }
    reader.Finish();
}
