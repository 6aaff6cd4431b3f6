#include "sheet/sheet.h"

#include <cmath>
#include <memory>

CSheet::CSheet(int type) : m_type(type) {}

CSheet::~CSheet()
{
    DeleteContents();
}

CRect CSheet::DeleteContents()
{
    CRect r;
    for (const CLine& line : m_wires)
        r.UnionRect(r, line.GetBoundingRect());
    for (const CLine& line : m_buses)
        r.UnionRect(r, line.GetBoundingRect());
    for (const CLine& line : m_lines)
        r.UnionRect(r, line.GetBoundingRect());
    for (const CJunc& junc : m_juncs)
        r.UnionRect(r, junc.GetBoundingRect());
    for (const CArc& arc : m_arcs)
        r.UnionRect(r, arc.GetBoundingRect());
    for (const CText& text : m_texts)
        r.UnionRect(r, text.GetBoundingRect());
    for (const CPin& pin : m_pins)
        r.UnionRect(r, pin.GetBoundingRect());
    for (const CPart& part : m_parts)
        r.UnionRect(r, part.GetBoundingRect());
    m_wires.RemoveAll();
    m_buses.RemoveAll();
    m_lines.RemoveAll();
    m_juncs.RemoveAll();
    m_arcs.RemoveAll();
    m_texts.RemoveAll();
    m_pins.RemoveAll();
    m_parts.RemoveAll();
    m_count = 0;
    return r;
}

const CItemList<CLine>& CSheet::LineList(int selector) const
{
    switch (selector) {
    case 1:
    case kind::kHLine:
    case kind::kVLine: return m_lines;
    case 2:
    case kind::kHBus:
    case kind::kVBus: return m_buses;
    default: return m_wires;
    }
}

CItemList<CLine>& CSheet::ListOf(const CLine& line)
{
    switch (line.GetType() & CLine::kKindMask) {
    case CLine::kPlain: return m_lines;
    case CLine::kBus: return m_buses;
    default: return m_wires;
    }
}

// --- creation --------------------------------------------------------------------------------

namespace {

template <class T>
T* Append(CItemList<T>& list, const T& item, uint32_t& count)
{
    ++count;
    return list.GetAt(list.AddTail(std::make_unique<T>(item)));
}

}  // namespace

CLine* CSheet::NewWire(const CPoint& a, const CPoint& b)
{
    MarkOpenPinsStale();
    return Append(m_wires, CLine(a, b, CLine::kWire), m_count);
}

CLine* CSheet::NewWire(const CPoint& p)
{
    return NewWire(p, p);
}

CLine* CSheet::NewBus(const CPoint& a, const CPoint& b)
{
    return Append(m_buses, CLine(a, b, CLine::kBus), m_count);
}

CLine* CSheet::NewBus(const CPoint& p)
{
    return NewBus(p, p);
}

CLine* CSheet::NewLine(const CPoint& a, const CPoint& b)
{
    return Append(m_lines, CLine(a, b, CLine::kPlain), m_count);
}

CLine* CSheet::NewLine(const CPoint& p)
{
    return NewLine(p, p);
}

CLine* CSheet::NewLine(const CLine& line)
{
    CItemList<CLine>& list = ListOf(line);
    if (&list == &m_wires)
        MarkOpenPinsStale();
    return Append(list, line, m_count);
}

CArc* CSheet::NewArc(const CArc& arc)
{
    return Append(m_arcs, arc, m_count);
}

CArc* CSheet::NewArc(const CPoint& centre, unsigned radius, int startAngle, int endAngle, int type, int width)
{
    return NewArc(CArc(centre, int(radius), startAngle, endAngle, type, width));
}

CArc* CSheet::NewArc(const CLine& line)
{
    // A circle about the line's start through its end; both angles point at
    // the end so that the circle can be opened from there.
    const CPoint a = line.GetStartPoint();
    const CPoint b = line.GetEndPoint();
    const double dx = double(b.x) - a.x;
    const double dy = double(b.y) - a.y;
    const double length = std::sqrt(dx * dx + dy * dy);
    int angle = 0;
    if (length > 0) {
        angle = int(std::acos(dx / length) * 180.0 / 3.1415926535);
        if (a.y > b.y)
            angle = 360 - angle;
    }
    const int radius = length < 2147483647.0 ? int(length) : 2147483647;
    return NewArc(CArc(a, radius, angle, angle, int(line.GetType()), line.GetLineWidth()));
}

CJunc* CSheet::NewJunc(const CJunc& junc)
{
    MarkOpenPinsStale();
    return Append(m_juncs, junc, m_count);
}

CJunc* CSheet::NewJunc(const CPoint& p)
{
    return NewJunc(CJunc(p));
}

CJunc* CSheet::NewJuncCheck(const CPoint& p)
{
    for (CJunc& junc : m_juncs)
        if (junc.GetPoint() == p)
            return &junc;
    return NewJunc(p);
}

CPart* CSheet::NewPart(const CPart& part)
{
    MarkOpenPinsStale();
    return Append(m_parts, part, m_count);
}

CPart* CSheet::NewPart(const CPoint& org, const CPoint& corner1, const CPoint& corner2, unsigned packageMax,
                       unsigned package, unsigned char angle, unsigned char attr)
{
    return NewPart(CPart(org, corner1, corner2, int(packageMax), int(package), angle, attr));
}

CPin* CSheet::NewPin(const CPin& pin)
{
    return Append(m_pins, pin, m_count);
}

CPin* CSheet::NewPin(const CPoint& body, const CPoint& tip, int elect)
{
    return NewPin(CPin(body, tip, uint32_t(elect)));
}

CText* CSheet::NewText(const CText& text)
{
    return Append(m_texts, text, m_count);
}

CText* CSheet::NewText(const char* s, const CPoint& p, int size, int flags)
{
    CText* text = NewText(CText(s, p, size, CText::kDefaultAttr));
    if (flags != 0)
        text->SetAngle(uint32_t(flags));
    return text;
}
