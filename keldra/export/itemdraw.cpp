// Drawing of lines, arcs, junctions, pins and parts on a CDC.  The shapes
// come from itemgeometry; this file decides pens, brushes and colours.
#include "base/dc.h"
#include "export/dcscope.h"
#include "export/drawcontext.h"
#include "export/itemgeometry.h"
#include "items/arc.h"
#include "items/junc.h"
#include "items/line.h"
#include "items/part.h"
#include "items/pin.h"

namespace {

CRect Inflated(const CRect& r, int d)
{
    CRect n = r;
    n.NormalizeRect();
    return CRect(n.left - d, n.top - d, n.right + d, n.bottom + d);
}

void DrawStrokes(CDC& dc, const std::vector<CSegment>& strokes)
{
    for (const CSegment& s : strokes)
        DrawSegment(dc, s.a, s.b);
}

// Documents draw arrow heads filled and notched, with a solid outline in the
// pen's colour whatever the line's dashes.
void DrawFilledArrows(CDC& dc, const CLine& line, int width)
{
    CDCState state(dc);
    const COLORREF color = dc.GetCurrentPen().color;
    dc.SelectPen(CPen{PS_SOLID, width, color});
    dc.SelectBrush(CBrush{color, false});
    if (line.GetStartArrow())
        dc.Polygon(ArrowPolygon(line.GetStartPoint(), line.GetEndPoint(), line.GetStartArrow()));
    if (line.GetEndArrow())
        dc.Polygon(ArrowPolygon(line.GetEndPoint(), line.GetStartPoint(), line.GetEndArrow()));
}

} // namespace

// --- lines ---------------------------------------------------------------------------------

void CLine::DrawLine(CDC& dc, const CDrawContext& ctx) const
{
    if (!dc.RectVisible(Inflated(GetBoundingRect(), 5)))
        return;
    CDCState state(dc);
    const CPen current = dc.GetCurrentPen();
    bool arrows = IsPlain();
    if (GetStyle() != 0) {
        // Dashes only show with a thin pen.
        dc.SelectPen(CPen{PenStyleOf(GetStyle()), 0, current.color});
        arrows = true;
    } else if (m_type & kHighlight) {
        dc.SelectPen(CPen{PS_SOLID, m_width, ctx.Color(colorindex::kHighlight)});
    } else if (!(IsPlain() || IsBus() || m_width == kDefaultWidth)) {
        // A power wire keeps its own width in the wire colour.
        dc.SelectPen(CPen{PS_SOLID, m_width, ctx.Color(colorindex::kWire)});
        arrows = false;
    }
    DrawSegment(dc, m_start, m_end);
    if (arrows && ctx.document)
        DrawFilledArrows(dc, *this, m_width);
    else if (arrows)
        DrawStrokes(dc, LineArrowStrokes(*this));
}

void CLine::DrawLine(CDC& dc, const CPoint& point) const
{
    CDCState state(dc);
    const int rop = dc.SetROP2(R2_XORPEN);
    dc.SelectPen(CPen{PenStyleOf(GetStyle()), GetStyle() ? 0 : m_width, RGB(255, 255, 255)});
    DrawSegment(dc, m_start, point);
    if (IsPlain()) {
        CLine band(*this);
        band.SetPoint(point);
        DrawStrokes(dc, LineArrowStrokes(band));
    }
    dc.SetROP2(rop);
}

void CLine::DrawName(CDC& dc, const CDrawContext& ctx) const
{
    m_name.DrawTextA(dc, ctx);
    m_crossName.DrawTextA(dc, ctx);
}

// --- arcs and junctions -----------------------------------------------------------------------

void CArc::DrawArc(CDC& dc, const CDrawContext& /*ctx*/) const
{
    const CRect bounds = IsCircle() ? GetBoundingRect2() : GetBoundingRect();
    if (!dc.RectVisible(bounds))
        return;
    CDCState state(dc);
    const CPen current = dc.GetCurrentPen();
    if (GetStyle() != 0)
        dc.SelectPen(CPen{CLine::PenStyleOf(GetStyle()), 0, current.color});
    const CRect box(m_center.x - m_radius, m_center.y + m_radius, m_center.x + m_radius,
                    m_center.y - m_radius);
    if (IsFilled())
        dc.Pie(box, GetStartPoint(), GetEndPoint());
    else
        dc.Arc(box, GetStartPoint(), GetEndPoint());
    if (m_startArrow) {
        const auto poly = GetArrowPolygon(true);
        dc.Polygon(poly.data(), int(poly.size()));
    }
    if (m_endArrow) {
        const auto poly = GetArrowPolygon(false);
        dc.Polygon(poly.data(), int(poly.size()));
    }
}

void CJunc::DrawJunc(CDC& dc) const
{
    const CRect box = GetBoundingRect();
    if (!dc.RectVisible(Inflated(box, 2)))
        return;
    dc.Ellipse(box);
}

// --- pins
// -------------------------------------------------------------------------------------------

void CPin::DrawPin(CDC& dc, const CDrawContext& ctx) const
{
    if (!IsDisp() || !dc.RectVisible(Inflated(GetBoundingRect(), 20)))
        return;
    CDCState state(dc);
    if (IsHighlight())
        dc.SelectPen(CPen{PS_SOLID, 8, ctx.Color(colorindex::kHighlight)});
    const CPinGeometry g = PinGeometry(*this);
    if (g.clock) {
        dc.MoveTo(g.wedge[0]);
        dc.LineTo(g.wedge[1]);
        dc.LineTo(g.wedge[2]);
    }
    if (g.dot) {
        const int r = CPinGeometry::kDotRadius;
        const CRect box(g.dotCentre.x - r, g.dotCentre.y + r, g.dotCentre.x + r, g.dotCentre.y - r);
        dc.SelectBrush(CBrush{0, true});
        dc.Ellipse(box);
        dc.DrawFocusRect(box);
    }
    DrawSegment(dc, g.stroke.a, g.stroke.b);
}

void CPin::DrawPinName(CDC& dc, const CDrawContext& ctx) const
{
    if (IsDisp())
        m_name.DrawTextA(dc, ctx);
}

void CPin::DrawPinNo(CDC& dc, const CDrawContext& ctx) const
{
    if (IsDisp())
        m_no.DrawTextA(dc, ctx);
}

void CPin::DrawPinX(CDC& dc) const
{
    if (!IsDisp() || !IsDispX())
        return;
    const CPinGeometry g = PinGeometry(*this);
    for (const CSegment& s : g.cross)
        DrawSegment(dc, s.a, s.b);
}

// --- parts
// ------------------------------------------------------------------------------------------

void CPart::DrawPart(CDC& dc, const CDrawContext& ctx) const
{
    if (!dc.RectVisible(Inflated(GetBoundingRect(), 30)))
        return;
    CDCState state(dc);
    const int bkMode = dc.SetBkMode(TRANSPARENT);

    dc.SetTextColor(ctx.Color(colorindex::kPartRef));
    m_ref.DrawTextA(dc, ctx);
    dc.SetTextColor(ctx.Color(colorindex::kPartName));
    m_partName.DrawTextA(dc, ctx);
    dc.SetTextColor(ctx.Color(colorindex::kPartValue));
    m_value.DrawTextA(dc, ctx);

    if (!(m_attr & kPinsHidden)) {
        dc.SelectPen(CPen{PS_SOLID, 8, ctx.Color(colorindex::kPin)});
        for (const CPin& pin : m_pins) {
            pin.DrawPin(dc, ctx);
            if (ctx.show.pinNames || ctx.sheetType == 1) {
                dc.SetTextColor(ctx.Color(colorindex::kPinName));
                pin.DrawPinName(dc, ctx);
            }
            if (ctx.show.pinNumbers || ctx.sheetType == 1) {
                dc.SetTextColor(ctx.Color(colorindex::kPinNo));
                pin.DrawPinNo(dc, ctx);
            }
        }
    }

    const COLORREF outline = ctx.Color(colorindex::kPartOutline);
    dc.SelectPen(CPen{PS_SOLID, 8, outline});
    dc.SelectBrush(CBrush{outline, false});
    dc.SetTextColor(ctx.Color(colorindex::kLineName));
    for (const CLine& line : m_lines) {
        line.DrawLine(dc, ctx);
        line.DrawName(dc, ctx);
    }
    for (const CArc& arc : m_arcs)
        arc.DrawArc(dc, ctx);

    dc.SetTextColor(ctx.Color(colorindex::kText));
    for (const CText& text : m_texts) {
        if (IsFrameText(text))
            text.DrawTextFrame(dc, text.GetFrameBoundingRect(),
                               text.GetFrame() ? text.GetFrame() : 1);
        else
            text.DrawTextA(dc, ctx);
    }
    dc.SetBkMode(bkMode);
}
