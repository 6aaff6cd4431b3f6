// Drawing of texts on a CDC: font choice, one output per line, overbars and
// frames.  The layout comes from itemgeometry.
#include "base/dc.h"
#include "export/dcscope.h"
#include "export/drawcontext.h"
#include "export/itemgeometry.h"
#include "items/geometry.h"
#include "items/text.h"

LOGFONT CText::CreateFontA(const CDrawContext& ctx, bool strikeOut, int escapement) const
{
    LOGFONT f = TextFont(*this, GetDispString(), ctx.fontE, ctx.fontJ);
    f.lfEscapement = f.lfOrientation = escapement;
    if (strikeOut)
        f.lfStrikeOut = 1;
    return f;
}

int CText::GetEscapement(const CDrawContext& ctx, const CDC& dc) const
{
    // Tenths of a degree as the device counts them on a y-up mapping; some
    // metafile players turn the quarter turns the other way round.
    const bool swapped = !ctx.IsPrinting() && ctx.emfTextBug && dc.GetMapMode() == MM_HIENGLISH;
    switch (GetDir() & 0x300) {
    case dir::k90: return swapped ? 900 : 2700;
    case dir::k180: return 1800;
    case dir::k270: return swapped ? 2700 : 900;
    default: return 0;
    }
}

void CText::DrawTextFrame(CDC& dc, const CRect& rect, int kind) const
{
    const std::vector<CPolyline> outline = FrameOutline(rect, kind < 0 ? GetFrame() : kind, GetDir());
    if (outline.empty())
        return;
    CDCState state(dc);
    dc.SelectPen(CPen{PS_SOLID, 4, dc.GetTextColor()});
    for (const CPolyline& line : outline) {
        if (line.size() < 2)
            continue;
        dc.MoveTo(line[0]);
        for (size_t i = 1; i < line.size(); ++i)
            dc.LineTo(line[i]);
    }
}

void CText::DrawTextA(CDC& dc, const CDrawContext& ctx) const
{
    const CString shown = GetDispString();
    if ((shown.IsEmpty() && GetFrame() == 0) || !IsDisp())
        return;
    if (ctx.IsPrinting() && !IsPrint() && !ctx.printHidden)
        return;
    CRect area;
    area.UnionRect(m_rect, m_frameRect);
    area.NormalizeRect();
    if (!dc.RectVisible(area))
        return;

    CDCState state(dc);
    if (!ctx.IsPrinting() && GetSize() < ctx.greekBelow) {
        // Unreadably small: a bar along the middle of the text shows where it is.
        const CRect r = m_rect.Normalized();
        dc.SelectPen(CPen{PS_SOLID, 0, dc.GetTextColor()});
        if (r.Width() >= r.Height())
            DrawSegment(dc, CPoint(r.left, r.CenterPoint().y), CPoint(r.right, r.CenterPoint().y));
        else
            DrawSegment(dc, CPoint(r.CenterPoint().x, r.top), CPoint(r.CenterPoint().x, r.bottom));
        return;
    }
    const LOGFONT oldFont = dc.SelectFont(CreateFontA(ctx, !ctx.IsPrinting() && !IsPrint(), GetEscapement(ctx, dc)));
    const unsigned oldAlign = dc.SetTextAlign(TA_BASELINE);
    dc.SelectPen(CPen{PS_SOLID, 4, dc.GetTextColor()});
    for (const CTextRun& run : TextLayout(*this)) {
        if (!run.text.IsEmpty()) {
            dc.SetTextAlign(run.horz | TA_BASELINE);
            dc.TextOut(run.baseline, run.text);
        }
        for (const CSegment& bar : run.overbars)
            DrawSegment(dc, bar.a, bar.b);
    }
    dc.SetTextAlign(oldAlign);
    dc.SelectFont(oldFont);
    if (GetFrame() != 0 && (!IsDispProperty() || ctx.IsPrinting() || ctx.propFrame))
        DrawTextFrame(dc, m_frameRect);
}
