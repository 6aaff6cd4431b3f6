// The Tango records of items and sheets.
#include "base/archive.h"
#include "export/itemgeometry.h"
#include "export/tango.h"
#include "items/arc.h"
#include "items/junc.h"
#include "items/line.h"
#include "items/part.h"
#include "items/pin.h"
#include "items/text.h"
#include "sheet/sheet.h"

namespace {

// Anchor -> Tango alignment.
int TangoAlignment(uint32_t org)
{
    switch (org) {
    case 24: return 1;
    case 0: return 2;
    case 14: return 4;
    case 30: return 5;
    case 6: return 6;
    case 10: return 8;
    case 26: return 9;
    case 2: return 10;
    default: return 0;
    }
}

void PutLine(CArchive& ar, const CPoint& a, const CPoint& b)
{
    ar.WriteString(CString::Formatted("LINE %d %d %d %d 0 0\n", a.x, a.y, b.x, b.y));
}

void PutStrokes(CArchive& ar, const std::vector<CSegment>& strokes)
{
    for (const CSegment& s : strokes)
        PutLine(ar, s.a, s.b);
}

}  // namespace

CString TangoClean(const CString& text)
{
    std::string s = text.str();
    for (char& c : s) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = ' ';
        else if (c == '"')
            c = '\'';
    }
    return CString(s);
}

int CText::GetTangoAngle() const
{
    return TangoAlignment(GetOrg()) * 16 + int((m_attr >> 8) & 3);
}

uint32_t CText::AttrFromTangoAngle(int angle)
{
    static constexpr uint32_t kAnchor[11] = {8, 24, 0, 8, 14, 30, 6, 8, 10, 26, 2};
    const int alignment = (angle >> 4) & 0xF;
    const uint32_t org = alignment <= 10 ? kAnchor[alignment] : 8;
    return org | (uint32_t(angle & 3) << 8);
}

CString CText::ConvTangoString() const
{
    return CString::Formatted("\"%s\" %d %d %d 0 %d\n", TangoClean(m_string).c_str(), m_point.x, m_point.y,
                              GetTangoAngle(), (m_attr & kHidden) ? 0 : 3);
}

void CText::SerializeTango(CArchive& ar) const
{
    if (!ar.IsStoring() || IsEmpty() || IsProperty())
        return;
    ar.WriteString(CString::Formatted("TEXT %d ", m_size) + ConvTangoString());
    for (const CPolyline& line : FrameOutline(m_frameRect, GetFrame(), GetDir()))
        for (size_t i = 1; i < line.size(); ++i)
            PutLine(ar, line[i - 1], line[i]);
}

void CJunc::SerializeTango(CArchive& ar) const
{
    if (ar.IsStoring())
        ar.WriteString(CString::Formatted("JUNC %d %d\n", m_point.x, m_point.y));
}

void CLine::SerializeTango(CArchive& ar) const
{
    if (!ar.IsStoring())
        return;
    const char* keyword = IsBus() ? "BUS" : IsPlain() ? "LINE" : "WIRE";
    ar.WriteString(CString::Formatted("%s %d %d %d %d%s\n", keyword, m_start.x, m_start.y, m_end.x, m_end.y,
                                      IsPlain() ? " 0 0" : ""));
    if (!m_name.IsEmpty())
        ar.WriteString(CString::Formatted("ATTR \"NAME\" %d ", IsWire() ? 20 : 3) + m_name.ConvTangoString());
    PutStrokes(ar, LineArrowStrokes(*this));
}

void CArc::SerializeTango(CArchive& ar) const
{
    if (!ar.IsStoring())
        return;
    int sweep = 0;
    if (!IsCircle()) {
        sweep = int((int64_t(m_endAngle) - m_startAngle) % 360);
        if (sweep < 0)
            sweep += 360;
    }
    ar.WriteString(
        CString::Formatted("ARC %d %d %d %d %d 0\n", m_center.x, m_center.y, m_radius, m_startAngle, sweep));
    for (int which = 0; which < 2; ++which) {
        if (!(which == 0 ? m_startArrow : m_endArrow))
            continue;
        const auto poly = GetArrowPolygon(which == 0);
        PutLine(ar, poly[2], poly[1]);
        PutLine(ar, poly[2], poly[3]);
    }
}

int CPin::TangoPinType(int type)
{
    switch (type) {
    case Input: return 1;
    case Output: return 2;
    case ThreeState: return 3;
    case InOut: return 4;
    case OpenLow: return 5;
    case OpenHigh: return 6;
    case PassiveDown: return 8;
    case PassiveUp: return 9;
    case Power: return 7;
    default: return 0;
    }
}

uint32_t CPin::TypeFromTango(int code)
{
    switch (code) {
    case 1: case 2: case 3: case 4: case 5: case 6: return uint32_t(code);
    case 7: return Power;
    case 8: return PassiveDown;
    case 9: return PassiveUp;
    default: return Passive;
    }
}

void CPin::SerializeTango(CArchive& ar, int gate) const
{
    if (!ar.IsStoring())
        return;
    int side = 0;
    switch (GetDir()) {
    case 0x200: side = 1; break;
    case 0x300: side = 2; break;
    case 0x100: side = 3; break;
    default: break;
    }
    ar.WriteString(CString::Formatted("PIN %d %d %d %d %d %d %d 0 %d 0 %d 0\n", m_body.x, m_body.y, m_tip.x, m_tip.y,
                                      TangoPinType(GetEleType()), side, (m_elect & 0x30) == 0x10 ? 1 : 0,
                                      (m_elect & kClock) ? 1 : 0, IsDisp() ? 0 : 1));
    ar.WriteString(CString("ATTR \"NAME\" 10 ") + m_name.ConvTangoString());
    ar.WriteString(CString::Formatted("PINDES %d \"%s\" %d %d %d 0 %d\n", gate ? gate : 1,
                                      TangoClean(m_no.GetName()).c_str(), m_no.GetPoint().x, m_no.GetPoint().y,
                                      m_no.GetTangoAngle(), (m_no.GetAngle() & CText::kHidden) ? 0 : 3));
}

void CPart::SerializeTango(CArchive& ar) const
{
    if (!ar.IsStoring())
        return;
    static constexpr int kDegrees[4] = {0, 90, 180, 270};
    ar.WriteString(CString::Formatted("PART %d %d %d %d %d %d %d 0 %d 0 0 0 0 %d 0\n", m_org.x, m_org.y, m_corner1.x,
                                      m_corner1.y, m_corner2.x, m_corner2.y, kDegrees[(m_angle >> 8) & 3],
                                      m_packageMax, m_package));
    if (!m_partName.IsEmpty())
        ar.WriteString(CString("ATTR \"TYPE\" 9 ") + m_partName.ConvTangoString());
    if (!m_ref.IsEmpty())
        ar.WriteString(CString("ATTR \"DESIGNATOR\" 9 ") + m_ref.ConvTangoString());
    if (!m_value.IsEmpty())
        ar.WriteString(CString("ATTR \"VALUE\" 9 ") + m_value.ConvTangoString());
    for (const CLine& line : m_lines)
        line.SerializeTango(ar);
    for (const CArc& arc : m_arcs)
        arc.SerializeTango(ar);
    for (const CText& text : m_texts)
        text.SerializeTango(ar);
    for (const CPin& pin : m_pins)
        pin.SerializeTango(ar, m_package);
    ar.WriteString("PARTEND\n");
}

void CSheet::SerializeTango(CArchive& ar) const
{
    if (!ar.IsStoring())
        return;
    for (const CJunc& junc : m_juncs)
        junc.SerializeTango(ar);
    for (const CLine& line : m_lines)
        line.SerializeTango(ar);
    for (const CText& text : m_texts)
        text.SerializeTango(ar);
    for (const CPart& part : m_parts)
        part.SerializeTango(ar);
    for (const CLine& line : m_wires)
        line.SerializeTango(ar);
    for (const CLine& line : m_buses)
        line.SerializeTango(ar);
}
