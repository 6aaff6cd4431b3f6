// CSheet::DrawSheet: a whole sheet in its fixed order.
#include "base/dc.h"
#include "export/dcscope.h"
#include "export/drawcontext.h"
#include "sheet/sheet.h"

void CSheet::DrawSheet(CDC& dc, CDrawContext& ctx, bool ccw)
{
    if (m_type == kScratch || m_count == 0)
        return;
    // The open-pin crosses follow the wiring as it is now, wherever they are
    // drawn, except while attribute texts are being moved (nothing connects then).
    const bool crosses = ctx.DrawsPinCrosses();
    if (crosses && m_type == kDrawing && !ctx.movingAttribute)
        CalcPinOpen();
    ctx.SelectSheet(m_type, m_highLight);
    const bool title = m_type == kTitle;
    const CDisplaySwitches& show = ctx.show;
    CDCState state(dc);
    const int bkMode = dc.SetBkMode(TRANSPARENT);
    const int arcDirection = dc.SetArcDirection(ccw ? AD_COUNTERCLOCKWISE : AD_CLOCKWISE);

    const auto lineGroup = [&](const CItemList<CLine>& list, int width, int pen, int text,
                               bool names) {
        dc.SelectPen(CPen{PS_SOLID, width, ctx.Color(pen)});
        for (const CLine& line : list)
            line.DrawLine(dc, ctx);
        if (names || title) {
            dc.SetTextColor(ctx.Color(text));
            for (const CLine& line : list)
                line.DrawName(dc, ctx);
        }
    };
    if (show.wires || title)
        lineGroup(m_wires, 8, colorindex::kWire, colorindex::kWireName, show.wireNames);
    if (show.buses || title)
        lineGroup(m_buses, 24, colorindex::kBus, colorindex::kBusName, show.busNames);
    if (show.lines || title) {
        dc.SelectBrush(CBrush{ctx.Color(colorindex::kLine), false});
        lineGroup(m_lines, 8, colorindex::kLine, colorindex::kLineName, show.lineNames);
        dc.SelectPen(CPen{PS_SOLID, 8, ctx.Color(colorindex::kLine)});
        for (const CArc& arc : m_arcs)
            arc.DrawArc(dc, ctx);
    }
    if (show.texts || title) {
        dc.SetTextColor(ctx.Color(colorindex::kText));
        const bool printForm = ctx.IsPrinting() || title;
        for (const CText& text : m_texts) {
            if (!printForm) {
                text.DrawTextA(dc, ctx);
                continue;
            }
            const CString shown = ctx.PrintForm(text.GetName());
            if (shown.IsEmpty())
                continue;
            CText copy(text);
            copy.SetName(shown, text.GetPoint(), text.GetSize(), text.GetAngle());
            copy.DrawTextA(dc, ctx);
        }
    }
    if (show.pins || title) {
        dc.SelectPen(CPen{PS_SOLID, 8, ctx.Color(colorindex::kPin)});
        for (const CPin& pin : m_pins) {
            pin.DrawPin(dc, ctx);
            if (show.pinNames || title) {
                dc.SetTextColor(ctx.Color(colorindex::kPinName));
                pin.DrawPinName(dc, ctx);
            }
            if (show.pinNumbers || title) {
                dc.SetTextColor(ctx.Color(colorindex::kPinNo));
                pin.DrawPinNo(dc, ctx);
            }
        }
    }
    if (show.parts || title) {
        for (const CPart& part : m_parts)
            part.DrawPart(dc, ctx);
        if (crosses) {
            dc.SelectPen(CPen{PS_SOLID, 8, ctx.Color(colorindex::kLine)});
            for (const CPart& part : m_parts)
                for (const CPin& pin : part.Pins())
                    pin.DrawPinX(dc);
        }
    }
    if (show.junctions || title) {
        dc.SelectPen(CPen{PS_SOLID, 0, ctx.Color(colorindex::kJunc)});
        dc.SelectBrush(CBrush{ctx.Color(colorindex::kJunc), false});
        for (const CJunc& junc : m_juncs)
            junc.DrawJunc(dc);
    }
    dc.SetBkMode(bkMode);
    dc.SetArcDirection(arcDirection);
}
