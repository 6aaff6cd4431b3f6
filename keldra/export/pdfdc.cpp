#include "export/pdfdc.h"

#include <cmath>

#include "base/textmetrics.h"
#include "export/itemgeometry.h"
#include "export/pdf.h"
#include "export/pdfpage.h"
#include "items/geometry.h"

namespace {

double AngleOf(const CPoint& centre, const CPoint& p)
{
    if (p == centre)
        return 0;
    return std::atan2(double(p.y) - centre.y, double(p.x) - centre.x) * 180 / 3.14159265358979;
}

} // namespace

void CPDFDC::PenSelected()
{
    m_page.SetPenStyle(m_pen.style == PS_NULL ? PS_SOLID : m_pen.style);
    m_page.SetPenWidth(m_pen.width);
    m_page.SetPenColor(m_pen.color);
}

void CPDFDC::BrushSelected()
{
    m_page.SetBrushColor(m_brush.color);
}

CPoint CPDFDC::MoveTo(const CPoint& p)
{
    const CPoint old = m_current;
    m_current = p;
    return old;
}

void CPDFDC::LineTo(const CPoint& p)
{
    if (m_rop == R2_COPYPEN && m_pen.style != PS_NULL)
        m_page.WriteLine(m_current, p);
    m_current = p;
}

void CPDFDC::ArcOrPie(const CRect& box, const CPoint& start, const CPoint& end, bool pie)
{
    CRect b = box;
    b.NormalizeRect();
    const CPoint centre = b.CenterPoint();
    const int radius = b.Width() / 2;
    double a1 = AngleOf(centre, start), a2 = AngleOf(centre, end);
    if (m_arcDirection == AD_CLOCKWISE)
        std::swap(a1, a2);
    if (start == end)
        m_page.WriteCircle(centre, radius, pie && !m_brush.hollow);
    else
        m_page.WriteArc(centre, radius, a1, a2, pie && !m_brush.hollow);
}

void CPDFDC::Arc(const CRect& box, const CPoint& start, const CPoint& end)
{
    ArcOrPie(box, start, end, false);
}

void CPDFDC::Pie(const CRect& box, const CPoint& start, const CPoint& end)
{
    ArcOrPie(box, start, end, true);
}

void CPDFDC::Ellipse(const CRect& box)
{
    CRect b = box;
    b.NormalizeRect();
    m_page.WriteCircle(b.CenterPoint(), b.Width() / 2, !m_brush.hollow);
}

void CPDFDC::Polygon(const CPoint* points, int count)
{
    m_page.WritePolygon(points, count, !m_brush.hollow);
}

void CPDFDC::TextOut(const CPoint& p, const CString& text)
{
    // The page writes text from the left end of the baseline.
    const int size = FontSize();
    const uint32_t direction = TextDirectionOfEscapement(m_font.lfEscapement);
    const long long width = TextMetrics().TextWidth(text, size, &m_font);
    const auto [dx, dy] = BaselineStartOffset(width, m_align, direction);
    const CPoint origin(ClampInt32(p.x + dx), ClampInt32(p.y + dy));
    const COLORREF brush = m_page.GetBrushColor();
    m_page.SetBrushColor(m_textColor);
    const int blank =
        CTextMetrics::IsHalfWidthSetting(text, &m_font) ? 500 : CTextMetrics::CharWidth(' ');
    m_page.WriteText(text, origin, size, direction, m_pdf.GetFontNo(m_font), blank);
    m_page.SetBrushColor(brush);
}
