// The DXF entities of items and sheets: the same geometry as the screen.
#include "export/drawcontext.h"
#include "export/dxf.h"
#include "export/itemgeometry.h"
#include "items/arc.h"
#include "items/junc.h"
#include "items/line.h"
#include "items/part.h"
#include "items/pin.h"
#include "items/text.h"
#include "sheet/sheet.h"

void CText::SerializeDXFFrame(CDxfWriter& dxf, int layer, const CRect& rect, int kind) const
{
    for (const CPolyline& line : FrameOutline(rect, kind < 0 ? GetFrame() : kind, GetDir()))
        for (size_t i = 1; i < line.size(); ++i)
            dxf.Line(layer, line[i - 1], line[i]);
}

void CText::SerializeDXF(CDxfWriter& dxf, int layer) const
{
    if (!IsDisp() || (GetDispString().IsEmpty() && GetFrame() == 0))
        return;
    for (const CTextRun& run : TextLayout(*this)) {
        if (!run.text.IsEmpty())
            dxf.Text(layer, run);
        // DXF text has no overbar of its own that every reader shows: the
        // active-low bars are lines on the text's layer.
        for (const CSegment& bar : run.overbars)
            dxf.Line(layer, bar.a, bar.b);
    }
    if (GetFrame() != 0)
        SerializeDXFFrame(dxf, layer, m_frameRect);
}

void CLine::SerializeDXF(CDxfWriter& dxf, int layer, bool marker) const
{
    dxf.Line(layer, m_start, m_end, marker);
    for (const CSegment& s : LineArrowStrokes(*this))
        dxf.Line(layer, s.a, s.b);
    if (!m_name.IsEmpty())
        m_name.SerializeDXF(dxf, layer);
}

void CArc::SerializeDXF(CDxfWriter& dxf, int layer) const
{
    if (IsCircle())
        dxf.Circle(layer, m_center, m_radius);
    else
        dxf.Arc(layer, m_center, m_radius, m_startAngle, m_endAngle);
    for (int which = 0; which < 2; ++which) {
        if (!(which == 0 ? m_startArrow : m_endArrow))
            continue;
        const auto poly = GetArrowPolygon(which == 0);
        dxf.Line(layer, poly[2], poly[1]);
        dxf.Line(layer, poly[2], poly[3]);
    }
}

void CJunc::SerializeDXF(CDxfWriter& dxf, int layer, bool marker) const
{
    if (marker)
        dxf.Marker(m_point, 0.04);
    dxf.Circle(layer, m_point, kDotSize / 2);
}

void CPin::SerializeDXF(CDxfWriter& dxf, int layer, bool /*marker*/) const
{
    if (!IsDisp())
        return;
    const CPinGeometry g = PinGeometry(*this);
    if (g.clock) {
        dxf.Line(layer, g.wedge[0], g.wedge[1]);
        dxf.Line(layer, g.wedge[1], g.wedge[2]);
    }
    if (g.dot)
        dxf.Circle(layer, g.dotCentre, CPinGeometry::kDotRadius);
    dxf.Line(layer, g.stroke.a, g.stroke.b);
    m_no.SerializeDXF(dxf, layer);
    m_name.SerializeDXF(dxf, layer);
}

void CPart::SerializeDXF(CDxfWriter& dxf, int layer, bool marker) const
{
    m_ref.SerializeDXF(dxf, layer);
    m_partName.SerializeDXF(dxf, layer);
    m_value.SerializeDXF(dxf, layer);
    for (const CLine& line : m_lines)
        line.SerializeDXF(dxf, layer, false);
    for (const CArc& arc : m_arcs)
        arc.SerializeDXF(dxf, layer);
    for (const CText& text : m_texts) {
        if (IsFrameText(text))
            text.SerializeDXFFrame(dxf, layer, text.GetFrameBoundingRect(),
                                   text.GetFrame() ? text.GetFrame() : 1);
        else
            text.SerializeDXF(dxf, layer);
    }
    if (!(m_attr & kPinsHidden))
        for (const CPin& pin : m_pins)
            pin.SerializeDXF(dxf, layer, marker);
}

void CSheet::SerializeDXF(CDxfWriter& dxf, const CDxfLayers& layers, bool marker,
                          const CDrawContext& ctx) const
{
    const bool title = m_type == kTitle;
    const auto layer = [&](int own) { return title ? layers.title : own; };
    for (const CJunc& junc : m_juncs)
        junc.SerializeDXF(dxf, layer(layers.junc), marker);
    for (const CLine& line : m_lines)
        line.SerializeDXF(dxf, layer(layers.line), marker);
    for (const CPin& pin : m_pins)
        pin.SerializeDXF(dxf, layer(layers.pin), marker);
    for (const CText& text : m_texts) {
        const CString shown = ctx.PrintForm(text.GetName());
        if (shown.IsEmpty())
            continue;
        CText copy(text);
        copy.SetName(shown, text.GetPoint(), text.GetSize(), text.GetAngle());
        copy.SerializeDXF(dxf, layer(layers.text));
    }
    for (const CArc& arc : m_arcs)
        arc.SerializeDXF(dxf, layer(layers.arc));
    for (const CPart& part : m_parts)
        part.SerializeDXF(dxf, layer(layers.part), marker);
    for (const CLine& line : m_wires)
        line.SerializeDXF(dxf, layer(layers.wire), marker);
    for (const CLine& line : m_buses)
        line.SerializeDXF(dxf, layer(layers.bus), marker);
}
