#include "export/itemgeometry.h"

#include <cmath>

#include "base/dc.h"
#include "base/textmetrics.h"
#include "items/geometry.h"
#include "items/line.h"
#include "items/pin.h"
#include "items/text.h"

namespace {

// Offset (dx, dy) in a text's own frame turned onto the sheet.
CPoint Turned(const CPoint& p, long long dx, long long dy, uint32_t direction)
{
    long long x = dx, y = dy;
    switch (direction) {
    case dir::k90:
        x = -dy, y = dx;
        break;
    case dir::k180:
        x = -dx, y = -dy;
        break;
    case dir::k270:
        x = dy, y = -dx;
        break;
    default:
        break;
    }
    return CPoint(ClampInt32(p.x + x), ClampInt32(p.y + y));
}

} // namespace

std::vector<CSegment> ArrowStrokes(const CPoint& tip, const CPoint& toward, int size)
{
    const double a = DirectionTo(tip, toward);
    return {CSegment{tip, PointAtAngle(tip, a + kArrowHalfAngle, size)},
            CSegment{tip, PointAtAngle(tip, a - kArrowHalfAngle, size)}};
}

std::vector<CSegment> LineArrowStrokes(const CLine& line)
{
    std::vector<CSegment> out;
    if (line.GetStartArrow())
        for (const CSegment& s :
             ArrowStrokes(line.GetStartPoint(), line.GetEndPoint(), line.GetStartArrow()))
            out.push_back(s);
    if (line.GetEndArrow())
        for (const CSegment& s :
             ArrowStrokes(line.GetEndPoint(), line.GetStartPoint(), line.GetEndArrow()))
            out.push_back(s);
    return out;
}

std::vector<CPoint> ArrowPolygon(const CPoint& tip, const CPoint& toward, int size)
{
    const double a = DirectionTo(tip, toward);
    return {PointAtAngle(tip, a, 0.7 * size), PointAtAngle(tip, a + kArrowHalfAngle, size), tip,
            PointAtAngle(tip, a - kArrowHalfAngle, size)};
}

CPinGeometry PinGeometry(const CPin& pin)
{
    CPinGeometry g;
    const CPoint b = pin.GetStartPoint(), t = pin.GetPoint();
    const uint32_t elect = pin.GetElect();
    const uint32_t d = pin.GetDir();
    // Unit steps from the body end towards the tip.
    int ux = 0, uy = 0;
    switch (d) {
    case dir::k0:
        ux = 1;
        break;
    case dir::k180:
        ux = -1;
        break;
    case dir::k90:
        uy = 1;
        break;
    case dir::k270:
        uy = -1;
        break;
    default:
        break;
    }
    const bool axis = ux != 0 || uy != 0;
    if ((elect & CPin::kClock) && axis) {
        g.clock = true;
        // Apex 35 units inside the symbol, that is away from the tip.
        g.wedge[0] = CPoint(b.x - uy * 35, b.y - ux * 35);
        g.wedge[1] = CPoint(b.x - ux * 35, b.y - uy * 35);
        g.wedge[2] = CPoint(b.x + uy * 35, b.y + ux * 35);
    }
    CPoint start = b;
    if (elect & CPin::kDot) {
        g.dot = true;
        const double a = DirectionTo(b, t);
        if (axis) {
            g.dotCentre = CPoint(b.x + ux * 25, b.y + uy * 25);
            start = CPoint(b.x + ux * 50, b.y + uy * 50);
        } else {
            g.dotCentre = PointAtAngle(b, a, 25);
            start = PointAtAngle(b, a, 50);
        }
    }
    g.stroke = CSegment{start, t};
    g.cross[0] = CSegment{CPoint(t.x - 25, t.y - 25), CPoint(t.x + 25, t.y + 25)};
    g.cross[1] = CSegment{CPoint(t.x - 25, t.y + 25), CPoint(t.x + 25, t.y - 25)};
    return g;
}

CString StripOverbars(const CString& line, std::vector<std::pair<int, int>>* stretches)
{
    CString out;
    int open = -1;
    for (int p = 0; p < line.GetLength(); p += line.CharLengthAt(p)) {
        if (line.CharLengthAt(p) == 1 && line[p] == '~') {
            if (open < 0) {
                open = out.GetLength();
            } else {
                if (stretches && out.GetLength() > open)
                    stretches->emplace_back(open, out.GetLength());
                open = -1;
            }
            continue;
        }
        out += line.Mid(p, line.CharLengthAt(p));
    }
    if (open >= 0 && stretches && out.GetLength() > open)
        stretches->emplace_back(open, out.GetLength());
    return out;
}

std::vector<CTextRun> TextLayout(const CText& text)
{
    std::vector<CTextRun> runs;
    const CTextMetrics& metrics = TextMetrics();
    const LOGFONT* font = text.HasOwnFont() ? &text.GetFont() : nullptr;
    const int size = text.GetSize();
    const uint32_t direction = text.GetDir() & 0x300;
    const uint32_t org = text.GetOrg();
    const long long asc = metrics.Ascent(size, font), desc = metrics.Descent(size, font);
    const long long h = asc + desc;
    long long baseY; // baseline relative to the anchor, in the text's frame
    switch (org & anchor::kVertMask) {
    case anchor::kMiddle:
        baseY = -h / 2 + desc;
        break;
    case anchor::kBottom:
        baseY = desc;
        break;
    default:
        baseY = -asc;
        break;
    }
    // A framed text keeps 4 units more clear of its frame: a top-anchored one
    // moves down, the others up (away from the line under them).
    if (text.GetFrame() != 0)
        baseY += (org & anchor::kVertMask) == anchor::kTop ? -4 : 4;
    const std::vector<CString> lines = text.GetLines();
    for (size_t i = 0; i < lines.size(); ++i) {
        CTextRun run;
        std::vector<std::pair<int, int>> stretches;
        run.text = StripOverbars(lines[i], &stretches);
        run.anchor = Turned(text.GetPoint(), 0, -(long long)size * (long long)i, direction);
        run.horz = org & anchor::kHorzMask;
        run.vert = org & anchor::kVertMask;
        run.direction = direction;
        run.size = size;
        run.width = metrics.TextWidth(run.text, size, font);
        long long x0 = 0;
        if (run.horz == anchor::kCenter)
            x0 = -(long long)run.width / 2;
        else if (run.horz == anchor::kRight)
            x0 = -(long long)run.width;
        run.baseline = Turned(run.anchor, 0, baseY, direction);
        run.origin = Turned(run.anchor, x0, baseY, direction);
        for (const auto& [from, to] : stretches) {
            const long long xa = x0 + metrics.TextWidth(run.text.Left(from), size, font);
            const long long xb = x0 + metrics.TextWidth(run.text.Left(to), size, font);
            run.overbars.push_back(CSegment{Turned(run.anchor, xa, baseY + asc, direction),
                                            Turned(run.anchor, xb, baseY + asc, direction)});
        }
        runs.push_back(std::move(run));
    }
    return runs;
}

namespace {

// A polyline given in a frame where x runs along the text and y across it
// ("up" is the text's top), mapped onto the rectangle.
struct FrameAxes {
    CRect r;
    uint32_t direction;
    // Along: low..high end along the text direction; across: bottom..top.
    long long alongLow, alongHigh, acrossLow, acrossHigh;
    CPoint At(long long along, long long across) const
    {
        switch (direction) {
        case dir::k90:
            return CPoint(ClampInt32(acrossHigh - (across - acrossLow)), ClampInt32(along));
        case dir::k180:
            return CPoint(ClampInt32(alongHigh - (along - alongLow)),
                          ClampInt32(acrossHigh - (across - acrossLow)));
        case dir::k270:
            return CPoint(ClampInt32(across), ClampInt32(alongHigh - (along - alongLow)));
        default:
            return CPoint(ClampInt32(along), ClampInt32(across));
        }
    }
};

} // namespace

std::vector<CPolyline> FrameOutline(const CRect& rect, int kind, uint32_t direction)
{
    CRect r = rect;
    r.NormalizeRect();
    direction &= 0x300;
    FrameAxes f{r, direction, 0, 0, 0, 0};
    const bool alongX = direction == dir::k0 || direction == dir::k180;
    if (alongX) {
        f.alongLow = r.left, f.alongHigh = r.right, f.acrossLow = r.top, f.acrossHigh = r.bottom;
    } else {
        f.alongLow = r.top, f.alongHigh = r.bottom, f.acrossLow = r.left, f.acrossHigh = r.right;
    }
    // In the frame: start/end along the text (start is where the text
    // begins), bottom/top across it.
    const long long s = f.alongLow, e = f.alongHigh, b = f.acrossLow, t = f.acrossHigh;
    const long long mid = b + (t - b) / 2;
    const long long half = (t - b) / 2;
    auto P = [&](long long along, long long across) { return f.At(along, across); };
    auto box = [&]() { return CPolyline{P(s, b), P(e, b), P(e, t), P(s, t), P(s, b)}; };
    // An end shape: pointed (depth d) or rounded, at the start or end.
    auto pointedBoth = [&](long long d) {
        return CPolyline{P(s + d, b), P(e - d, b), P(e, mid),  P(e - d, t),
                         P(s + d, t), P(s, mid),   P(s + d, b)};
    };
    auto pointedEnd = [&](bool atEnd, long long d) {
        if (atEnd)
            return CPolyline{P(s, b), P(e - d, b), P(e, mid), P(e - d, t), P(s, t), P(s, b)};
        return CPolyline{P(s + d, b), P(e, b), P(e, t), P(s + d, t), P(s, mid), P(s + d, b)};
    };
    // Half-round ends (radius half the height) at the start, the end or both.
    auto rounded = [&](bool atStart, bool atEnd) {
        constexpr double kPi = 3.14159265358979;
        const long long rs = atStart ? half : 0, re = atEnd ? half : 0;
        CPolyline out{P(s + rs, b), P(e - re, b)};
        for (int k = 1; atEnd && k < 8; ++k) {
            const double a = -kPi / 2 + kPi * k / 8;
            out.push_back(P(e - re + (long long)std::trunc(re * std::cos(a)),
                            mid + (long long)std::trunc(half * std::sin(a))));
        }
        out.push_back(P(e - re, t));
        out.push_back(P(s + rs, t));
        for (int k = 1; atStart && k < 8; ++k) {
            const double a = kPi / 2 + kPi * k / 8;
            out.push_back(P(s + rs + (long long)std::trunc(rs * std::cos(a)),
                            mid + (long long)std::trunc(half * std::sin(a))));
        }
        out.push_back(P(s + rs, b));
        return out;
    };
    switch (kind) {
    case 1:
        return {box()};
    case 2:
        return {box(), CPolyline{P(s + 8, b), P(s + 8, t)}, CPolyline{P(e - 8, b), P(e - 8, t)}};
    case 3:
        return {pointedBoth(64)};
    case 4: // the end pushed out by 100 is pointed
    case 13:
        return {pointedEnd(true, 100)};
    case 5:
    case 14:
        return {pointedEnd(false, 100)};
    case 6:
        return {pointedBoth(100)};
    case 7: {
        // An octagon over the grown rectangle.
        const long long cx = (e - s) / 4, cy = (t - b) / 4;
        return {CPolyline{P(s + cx, b), P(e - cx, b), P(e, b + cy), P(e, t - cy), P(e - cx, t),
                          P(s + cx, t), P(s, t - cy), P(s, b + cy), P(s + cx, b)}};
    }
    case 8:
        return {rounded(true, true)};
    case 9:
        return {rounded(false, true)};
    case 10:
        return {rounded(true, false)};
    case 11:
    case 12: {
        // The side under the text; kind 12 adds one 8 units towards the text.
        std::vector<CPolyline> out{CPolyline{P(s, b), P(e, b)}};
        if (kind == 12)
            out.push_back(CPolyline{P(s, b + 8), P(e, b + 8)});
        return out;
    }
    default:
        return {};
    }
}

LOGFONT TextFont(const CText& text, const CString& shown, const CString& fontE,
                 const CString& fontJ)
{
    LOGFONT f;
    if (text.HasOwnFont()) {
        f = text.GetFont();
        f.lfHeight = -text.GetSize();
        f.lfClipPrecision = CLIP_LH_ANGLES;
        if (shown.HasJapanese() && f.lfCharSet != SHIFTJIS_CHARSET) {
            // A single-byte face has no glyphs for these characters: the text
            // takes the Japanese face and keeps its weight and slant.
            f.lfCharSet = SHIFTJIS_CHARSET;
            f.lfPitchAndFamily = FF_SWISS;
            f.SetFaceName(fontJ);
        }
        return f;
    }
    f.lfHeight = -text.GetSize();
    f.lfWeight = FW_NORMAL;
    f.lfClipPrecision = CLIP_LH_ANGLES;
    f.lfPitchAndFamily = FF_SWISS;
    if (shown.HasJapanese()) {
        f.lfCharSet = SHIFTJIS_CHARSET;
        f.SetFaceName(fontJ);
    } else {
        f.lfCharSet = ANSI_CHARSET;
        f.SetFaceName(fontE);
    }
    return f;
}

std::pair<long long, long long> BaselineStartOffset(long long width, unsigned align,
                                                    uint32_t direction)
{
    long long back = 0;
    if ((align & TA_CENTER) == TA_CENTER)
        back = width / 2;
    else if (align & TA_RIGHT)
        back = width;
    switch (direction) {
    case dir::k90:
        return {0, -back};
    case dir::k180:
        return {back, 0};
    case dir::k270:
        return {0, back};
    default:
        return {-back, 0};
    }
}

uint32_t TextDirectionOfEscapement(int escapement)
{
    switch (((escapement % 3600) + 3600) % 3600) {
    case 2700:
        return dir::k90;
    case 1800:
        return dir::k180;
    case 900:
        return dir::k270;
    default:
        return dir::k0;
    }
}
