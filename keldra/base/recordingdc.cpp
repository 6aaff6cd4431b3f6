#include "base/recordingdc.h"

#include <cstdio>


namespace {

std::string Pt(const CPoint& p)
{
    return std::to_string(p.x) + " " + std::to_string(p.y);
}

std::string Box(const CRect& r)
{
    return std::to_string(r.left) + " " + std::to_string(r.top) + " " + std::to_string(r.right) + " " +
           std::to_string(r.bottom);
}

std::string Color(COLORREF c)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "#%02X%02X%02X", GetRValue(c), GetGValue(c), GetBValue(c));
    return buf;
}

}  // namespace

std::string CRecordingDC::PenText() const
{
    return "pen=" + std::to_string(m_pen.style) + "/" + std::to_string(m_pen.width) + "/" + Color(m_pen.color);
}




CPoint CRecordingDC::MoveTo(const CPoint& p)
{
    CPoint old = m_current;
    m_current = p;
    Record("MoveTo " + Pt(p));
    return old;
}

void CRecordingDC::LineTo(const CPoint& p)
{
    Record("LineTo " + Pt(p) + " " + PenText() + (m_rop == R2_XORPEN ? " xor" : ""));
    m_current = p;
}

void CRecordingDC::Arc(const CRect& box, const CPoint& start, const CPoint& end)
{
    Record("Arc " + Box(box) + " " + Pt(start) + " " + Pt(end) + " " + PenText() +
           (m_arcDirection == AD_CLOCKWISE ? " cw" : " ccw"));
}

void CRecordingDC::Pie(const CRect& box, const CPoint& start, const CPoint& end)
{
    Record("Pie " + Box(box) + " " + Pt(start) + " " + Pt(end) + " " + PenText() + " brush=" + Color(m_brush.color));
}

void CRecordingDC::Ellipse(const CRect& box)
{
    Record("Ellipse " + Box(box) + " " + PenText() + " brush=" + Color(m_brush.color));
}

void CRecordingDC::Polygon(const CPoint* points, int count)
{
    std::string line = "Polygon";
    for (int i = 0; i < count; ++i)
        line += " " + Pt(points[i]);
    Record(line + " " + PenText() + " brush=" + Color(m_brush.color));
}

void CRecordingDC::DrawFocusRect(const CRect& r)
{
    Record("FocusRect " + Box(r));
}






void CRecordingDC::TextOut(const CPoint& p, const CString& text)
{
    Record("TextOut " + Pt(p) + " \"" + text.str() + "\" align=" + std::to_string(m_align) +
           " color=" + Color(m_textColor) + " esc=" + std::to_string(m_font.lfEscapement) +
           " height=" + std::to_string(m_font.lfHeight) + (m_font.lfStrikeOut ? " strike" : ""));
}



bool CRecordingDC::RectVisible(const CRect& r) const
{
    if (!m_clip)
        return true;
    // Edges count: the rectangle of a horizontal or vertical line has no
    // area, and the line must still be drawn.
    const CRect a = r.Normalized();
    const CRect v = m_visible.Normalized();
    return a.left <= v.right && a.right >= v.left && a.top <= v.bottom && a.bottom >= v.top;
}
