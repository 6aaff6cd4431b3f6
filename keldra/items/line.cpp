#include "items/line.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <utility>

#include "base/archive.h"
#include "base/host.h"
#include "base/profile.h"
#include "items/geometry.h"
#include "items/recordline.h"

// Geometry notes.
//
// Hit tests and boxes are computed in 64-bit integers (or doubles for the
// oblique cases) so that a line near the edge of the coordinate range, or one
// read with an absurd width from a damaged file, can never overflow.
//
// The overlap code of Clean works on one coordinate along
// the axis of the two lines, oriented the way NormalPoint orients lines: x for
// horizontal lines, -y for vertical ones (a normalised vertical line runs from
// the larger to the smaller y).  In that frame a normalised line always has
// start <= end, whatever its axis.

namespace {

constexpr uint32_t kRuntimeBits = CLine::kHighlight | CLine::kWorkMark1 | CLine::kWorkMark2;
constexpr double kPi = 3.14159265358979323846;
// Half the opening of an arrow head: 15 degrees.
constexpr double kArrowHalfAngle = 0.2617993877991492;

// An axis-parallel box in 64-bit coordinates, always normalised.
struct Box {
    int64_t left, top, right, bottom;

    static Box Of(const CPoint& a, const CPoint& b)
    {
        return Box{std::min<int64_t>(a.x, b.x), std::min<int64_t>(a.y, b.y),
                   std::max<int64_t>(a.x, b.x), std::max<int64_t>(a.y, b.y)};
    }
    static Box Of(const CRect& r) { return Of(r.TopLeft(), r.BottomRight()); }
    Box Inflated(int64_t d) const { return Box{left - d, top - d, right + d, bottom + d}; }
    bool Contains(const CPoint& p) const
    {
        return p.x >= left && p.x <= right && p.y >= top && p.y <= bottom;
    }
    // Overlap with a positive area, as CRect::IntersectRect counts it.
    bool Meets(const Box& o) const
    {
        return std::max(left, o.left) < std::min(right, o.right) &&
               std::max(top, o.top) < std::min(bottom, o.bottom);
    }
    void Unite(const Box& o)
    {
        left = std::min(left, o.left);
        top = std::min(top, o.top);
        right = std::max(right, o.right);
        bottom = std::max(bottom, o.bottom);
    }
    CRect ToRect() const
    {
        return CRect(ClampInt32(left), ClampInt32(top), ClampInt32(right), ClampInt32(bottom));
    }
};

// The hit test of one segment of the given width.  An axis-parallel (or
// zero-length) segment is hit inside its box grown by the full width; an
// oblique one within half the width across it and between its ends along it.
bool SegmentHit(const CPoint& s, const CPoint& e, int width, const CPoint& p)
{
    if (s.x == e.x || s.y == e.y)
        return Box::Of(s, e).Inflated(width).Contains(p);
    const double dx = double(e.x) - s.x, dy = double(e.y) - s.y;
    const double px = double(p.x) - s.x, py = double(p.y) - s.y;
    const double lengthSquared = dx * dx + dy * dy;
    const double along = px * dx + py * dy; // scaled by the length
    if (along < 0 || along > lengthSquared)
        return false;
    const double across = py * dx - px * dy; // scaled by the length
    return std::fabs(across) <= width / 2.0 * std::sqrt(lengthSquared);
}

// The two strokes of an arrow head at tip pointing away from toward.
void ArrowStrokes(const CPoint& tip, const CPoint& toward, int size, CPoint strokes[2])
{
    const double a = DirectionTo(tip, toward);
    strokes[0] = PointAtAngle(tip, a + kArrowHalfAngle, size);
    strokes[1] = PointAtAngle(tip, a - kArrowHalfAngle, size);
}

// The settings key of the name height for a line kind.
const char* AttrHeightKey(const CLine& line)
{
    if (line.IsBus())
        return "BusAttrHeight";
    if (line.IsPlain())
        return "LineAttrHeight";
    return "WireAttrHeight";
}

// Orientation of a line for the overlap passes.
enum class Axis { None, Horizontal, Vertical };

Axis AxisOf(const CLine& l)
{
    return l.IsHorizontal() ? Axis::Horizontal : l.IsVertical() ? Axis::Vertical : Axis::None;
}

// Both lines on one axis line: same y for horizontal lines, same x for vertical ones.
Axis SharedAxis(const CLine& a, const CLine& b)
{
    const Axis axis = AxisOf(a);
    if (axis == Axis::None || AxisOf(b) != axis)
        return Axis::None;
    if (axis == Axis::Horizontal && a.GetStartPoint().y != b.GetStartPoint().y)
        return Axis::None;
    if (axis == Axis::Vertical && a.GetStartPoint().x != b.GetStartPoint().x)
        return Axis::None;
    return axis;
}

// The coordinate along the axis, in the normal-direction frame.
int64_t Along(const CPoint& p, Axis axis)
{
    return axis == Axis::Horizontal ? int64_t(p.x) : -int64_t(p.y);
}

CPoint WithAlong(CPoint p, Axis axis, int64_t t)
{
    if (axis == Axis::Horizontal)
        p.x = ClampInt32(t);
    else
        p.y = ClampInt32(-t);
    return p;
}

bool NamesConflict(const CLine& a, const CLine& b)
{
    return !a.GetName().IsEmpty() && !b.GetName().IsEmpty() && a.GetName() != b.GetName();
}

} // namespace

CLine::CLine()
{
    m_crossName = m_name;
}

CLine::CLine(const CPoint& start, const CPoint& end, uint32_t type)
    : m_type(type), m_start(start), m_end(end)
{
    m_crossName = m_name;
}

int CLine::PenStyleOf(int styleCode)
{
    // Dotted and dashed trade places between the dash codes and the pen styles.
    static constexpr int kPenStyles[5] = {0, 2, 1, 3, 4};
    return styleCode >= 0 && styleCode < 5 ? kPenStyles[styleCode] : 0;
}

int CLine::WidthFromSettings(uint32_t type)
{
    CProfile& profile = Profile();
    switch (type & kKindMask) {
    case kPlain:
        return profile.GetInt("Default", "LineWidth", 8);
    case kBus:
        return profile.GetInt("Default", "BusWidth", 24);
    default:
        if (type & kPower)
            return profile.GetInt("Default", "PowerWidth", 16);
        return profile.GetInt("Default", "WireWidth", 8);
    }
}

void CLine::SetArrow(int which)
{
    if (which == 1)
        m_startArrow = m_startArrow ? 0 : kArrowSize;
    else if (which == 2)
        m_endArrow = m_endArrow ? 0 : kArrowSize;
}

void CLine::SetCheck(const CRect& rect)
{
    const Box box = Box::Of(rect);
    m_startCheck = box.Contains(m_start) ? 1 : 0;
    m_endCheck = box.Contains(m_end) ? 1 : 0;
}

void CLine::SetCheck(const CPoint& p, int value)
{
    if (m_start == p)
        m_startCheck = value;
    if (m_end == p)
        m_endCheck = value;
}

void CLine::SetName(const CString& name, const CPoint& point, uint32_t flag)
{
    uint32_t attr = m_name.GetAngle();
    if (flag) {
        // The name goes on the side of the line where the user clicked.
        if (IsHorizontal())
            attr = point.y > m_start.y ? CText::kDefaultAttr : flag;
        else
            attr = point.x > m_start.x ? 0x108 : (flag | 0x10A);
    }
    const int size = Profile().GetInt("Default", AttrHeightKey(*this), CText::kDefaultSize);
    m_name.SetName(name, point, size, attr);
}

// --- geometry ------------------------------------------------------------------

bool CLine::IsHVLine(int code) const
{
    if (code == 24 || code == 26 || code == 28 || code == 30)
        return IsHorizontal();
    return IsVertical();
}

void CLine::Swap()
{
    if (!IsHorizontal() && !IsVertical())
        return;
    std::swap(m_start, m_end);
    std::swap(m_startCheck, m_endCheck);
    std::swap(m_startArrow, m_endArrow);
}

bool CLine::NormalPoint()
{
    if ((IsHorizontal() && m_start.x > m_end.x) || (IsVertical() && m_start.y < m_end.y)) {
        Swap();
        return true;
    }
    return false;
}

CPoint CLine::LockPoint(int mode)
{
    if (mode == 0)
        return m_end;
    const int64_t dx = int64_t(m_end.x) - m_start.x;
    const int64_t dy = int64_t(m_end.y) - m_start.y;
    const double a = std::atan2(double(dy), double(dx)) * 180.0 / kPi;
    if (mode == 1) {
        double b = a + 45.0;
        if (b < 0)
            b += 360.0;
        if ((b > 0 && b <= 90) || (b > 180 && b <= 270))
            m_end.y = m_start.y;
        else
            m_end.x = m_start.x;
        return m_end;
    }
    double b = a + 22.5;
    if (b < 0)
        b += 360.0;
    // The vertical sector below the start ends at 310 degrees, not 315, so the
    // diagonal down and to the right takes a little more of the circle.  Kept
    // as it is: users know how the lock feels.
    if ((b > 0 && b <= 45) || (b > 180 && b <= 225)) {
        m_end.y = m_start.y;
    } else if ((b > 90 && b <= 135) || (b > 270 && b <= 310)) {
        m_end.x = m_start.x;
    } else if ((b > 45 && b <= 90) || (b > 225 && b <= 270)) {
        if (dy >= dx)
            m_end.x = ClampInt32(m_start.x + dy);
        else
            m_end.y = ClampInt32(m_start.y + dx);
    } else {
        if (dx >= dy)
            m_end.x = ClampInt32(m_start.x - dy);
        else
            m_end.y = ClampInt32(m_start.y - dx);
    }
    return m_end;
}

bool CLine::CheckPoint(const CPoint& p) const
{
    if (SegmentHit(m_start, m_end, m_width, p))
        return true;
    for (const CText* text : {&m_name, &m_crossName}) {
        // A hidden or empty text is not on the sheet and cannot be hit.
        if (!text->IsEmpty() && text->IsDisp() && Box::Of(text->GetBoundingRect()).Contains(p))
            return true;
    }
    CPoint strokes[2];
    if (m_startArrow) {
        ArrowStrokes(m_start, m_end, m_startArrow, strokes);
        if (SegmentHit(m_start, strokes[0], m_width, p) ||
            SegmentHit(m_start, strokes[1], m_width, p))
            return true;
    }
    if (m_endArrow) {
        ArrowStrokes(m_end, m_start, m_endArrow, strokes);
        if (SegmentHit(m_end, strokes[0], m_width, p) || SegmentHit(m_end, strokes[1], m_width, p))
            return true;
    }
    return false;
}

bool CLine::CheckStroke(const CPoint& start, const CPoint& end, int width, const CPoint& p)
{
    return SegmentHit(start, end, width, p);
}

bool CLine::CheckPoint(const CRect& r) const
{
    const Box rect = Box::Of(r);
    if (IsHorizontal() || IsVertical())
        return Box::Of(m_start, m_end).Inflated(m_width / 2).Meets(rect);
    if (rect.Contains(m_start) || rect.Contains(m_end))
        return true;
    if (!Box::Of(m_start, m_end).Inflated(1).Meets(rect))
        return false;
    // The corners' signed distances across the line: the line passes through
    // the rectangle when they have both signs, and touches it with its width
    // when the nearest corner is within half the width.
    const double dx = double(m_end.x) - m_start.x, dy = double(m_end.y) - m_start.y;
    const double length = std::sqrt(dx * dx + dy * dy);
    const double halfWidth = m_width / 2.0;
    const int64_t xs[2] = {rect.left, rect.right};
    const int64_t ys[2] = {rect.top, rect.bottom};
    bool below = false, above = false;
    for (int64_t x : xs) {
        for (int64_t y : ys) {
            const double across =
                ((double(y) - m_start.y) * dx - (double(x) - m_start.x) * dy) / length;
            if (std::fabs(across) <= halfWidth)
                return true;
            (across < 0 ? below : above) = true;
        }
    }
    return below && above;
}

bool CLine::Trim(CLine& other)
{
    if (IsArrow() || other.IsArrow() || NamesConflict(*this, other) || *this == other ||
        m_type != other.m_type)
        return false;
    const bool swappedThis = NormalPoint();
    const bool swappedOther = other.NormalPoint();
    Axis axis = SharedAxis(*this, other);
    // Only lines that touch or overlap are joined: a gap between two pieces
    // is the user's drawing, not something to bridge.
    if (axis != Axis::None && (Along(other.m_start, axis) > Along(m_end, axis) ||
                               Along(other.m_end, axis) < Along(m_start, axis)))
        axis = Axis::None;
    if (axis == Axis::Horizontal) {
        m_start.x = std::min(m_start.x, other.m_start.x);
        m_end.x = std::max(m_end.x, other.m_end.x);
    } else if (axis == Axis::Vertical) {
        m_start.y = std::max(m_start.y, other.m_start.y);
        m_end.y = std::min(m_end.y, other.m_end.y);
    } else {
        if (swappedThis)
            Swap();
        if (swappedOther)
            other.Swap();
        return false;
    }
    if (m_name.IsEmpty() && !other.m_name.IsEmpty())
        m_name = other.m_name;
    return true;
}

bool CLine::Clean(CLine& other, int mode)
{
    const CPoint start = m_start, end = m_end, otherStart = other.m_start, otherEnd = other.m_end;
    const bool redundant = CleanOverlap(other, mode);
    // A line cut back to a single point would be left behind as a zero-length
    // wire that joins whatever meets that point: such a cut is not made.
    if ((m_start == m_end && start != end) ||
        (other.m_start == other.m_end && otherStart != otherEnd)) {
        m_start = start;
        m_end = end;
        other.m_start = otherStart;
        other.m_end = otherEnd;
        return false;
    }
    return redundant;
}

bool CLine::CleanOverlap(CLine& other, int mode)
{
    if (mode == 3 || IsArrow() || other.IsArrow() || NamesConflict(*this, other))
        return false;
    const Axis axis = SharedAxis(*this, other);
    if (axis == Axis::None)
        return false;

    // Both lines are expected in normal direction; the range is taken from
    // the two ends either way so that a reversed line is not misread.
    const int64_t aStart = Along(m_start, axis), aEnd = Along(m_end, axis);
    const int64_t lo = std::min(aStart, aEnd), hi = std::max(aStart, aEnd);
    const int64_t bStart = Along(other.m_start, axis), bEnd = Along(other.m_end, axis);
    auto inside = [&](int64_t t) { return t >= lo && t <= hi; };
    auto strictlyInside = [&](int64_t t) { return t > lo && t < hi; };
    const int code = (inside(bStart) ? 1 : 0) | (inside(bEnd) ? 2 : 0);

    if (mode < 0) {
        if ((m_type & kStoredMask) == (other.m_type & kStoredMask)) {
            // Ranges that touch or overlap merge into this line.  A line that
            // lies wholly within the other one overlaps it too.
            const int64_t bLo = std::min(bStart, bEnd), bHi = std::max(bStart, bEnd);
            if (code == 0 && !(lo >= bLo && lo <= bHi))
                return false;
            const int64_t newLo = std::min(lo, bLo), newHi = std::max(hi, bHi);
            const bool forward = aStart <= aEnd;
            m_start = WithAlong(m_start, axis, forward ? newLo : newHi);
            m_end = WithAlong(m_end, axis, forward ? newHi : newLo);
            return true;
        }
        // A wire meeting a wire of another type (a power wire, say): the
        // narrower one gives way so that the wider keeps the shared stretch.
        if (!IsWire() || !other.IsWire())
            return false;
        const int strictCode = (strictlyInside(bStart) ? 1 : 0) | (strictlyInside(bEnd) ? 2 : 0);
        if (strictCode == 1) {
            if (m_width <= other.m_width)
                m_end = WithAlong(m_end, axis, bStart);
            else
                other.m_start = WithAlong(other.m_start, axis, aEnd);
        } else if (strictCode == 2) {
            if (m_width > other.m_width)
                other.m_end = WithAlong(other.m_end, axis, aStart);
            else
                m_start = WithAlong(m_start, axis, bEnd);
        }
        return false;
    }

    // Modal cleaning with junction information: bit 0 a junction at this
    // line's start, bit 1 at its end, bit 2 at the other's start, bit 3 at
    // the other's end.  A junction must stay at the end of a line.
    //
    // A short line lying on a longer one goes whichever comes first in the
    // list: this one takes the other's extent (its junctions stay at ends).
    const int64_t bLo = std::min(bStart, bEnd), bHi = std::max(bStart, bEnd);
    if (code != 3 && (mode & 3) != 3 && (mode & 12) != 12 && bLo <= lo && hi <= bHi) {
        const bool forward = aStart <= aEnd;
        m_start = WithAlong(m_start, axis, forward ? bLo : bHi);
        m_end = WithAlong(m_end, axis, forward ? bHi : bLo);
        return true;
    }
    switch (mode & 3) {
    case 0:
        return code == 3;
    case 1:
        if (code == 1) {
            if (mode & 4) {
                m_end = WithAlong(m_end, axis, bStart);
                return false;
            }
            m_end = WithAlong(m_end, axis, bEnd);
            return true;
        }
        if (code == 2) {
            if (!(mode & 12))
                other.m_end = WithAlong(other.m_end, axis, aStart);
            return false;
        }
        return code == 3;
    case 2:
        if (code == 1) {
            if (!(mode & 12))
                other.m_start = WithAlong(other.m_start, axis, aEnd);
            return false;
        }
        if (code == 2) {
            if (!(mode & 8)) {
                m_start = WithAlong(m_start, axis, bStart);
                return true;
            }
            m_start = WithAlong(m_start, axis, bEnd);
            return false;
        }
        return code == 3;
    default:
        return false;
    }
}

CRect CLine::GetBoundingRect() const
{
    Box box = Box::Of(m_start, m_end).Inflated(m_width);
    CPoint strokes[2];
    if (m_startArrow) {
        ArrowStrokes(m_start, m_end, m_startArrow, strokes);
        box.Unite(Box::Of(m_start, strokes[0]));
        box.Unite(Box::Of(m_start, strokes[1]));
    }
    if (m_endArrow) {
        ArrowStrokes(m_end, m_start, m_endArrow, strokes);
        box.Unite(Box::Of(m_end, strokes[0]));
        box.Unite(Box::Of(m_end, strokes[1]));
    }
    for (const CText* text : {&m_name, &m_crossName}) {
        const CRect r = text->GetBoundingRect(); // empty when hidden or empty
        if (!r.IsRectEmpty())
            box.Unite(Box::Of(r));
    }
    return box.ToRect();
}

// --- transforms ----------------------------------------------------------------

void CLine::Offset(const CPoint& d)
{
    // A line caught by one end only (a wire dragged with a part) stretches.
    if (m_startCheck && !m_endCheck) {
        m_start += d;
        return;
    }
    if (m_endCheck && !m_startCheck) {
        m_end += d;
        return;
    }
    m_start += d;
    m_end += d;
    m_name.Offset(d);
    m_crossName.Offset(d);
}

void CLine::OffsetAttr(const CPoint& d)
{
    OffsetAttr(d, Host().IsShiftDown());
}

void CLine::OffsetAttr(const CPoint& d, bool shiftDown)
{
    CPoint step = d;
    // Without Shift a name slides along its line only.
    if (!shiftDown) {
        if (IsVertical())
            step.x = 0;
        else if (IsHorizontal())
            step.y = 0;
    }
    m_name.OffsetAttr(step);
    m_crossName.OffsetAttr(step);
}

void CLine::Rotate(const CPoint& c, int dir)
{
    m_start = RotatePoint(m_start, c, dir);
    m_end = RotatePoint(m_end, c, dir);
    m_name.Rotate(c, dir, 0);
    m_crossName.Rotate(c, dir, 0);
}

void CLine::MirrorX(const CPoint& c)
{
    m_start = MirrorXPoint(m_start, c);
    m_end = MirrorXPoint(m_end, c);
    const int reanchor = IsHorizontal() ? 1 : 0;
    m_name.MirrorX(c, reanchor);
    m_crossName.MirrorX(c, reanchor);
}

void CLine::MirrorY(const CPoint& c)
{
    m_start = MirrorYPoint(m_start, c);
    m_end = MirrorYPoint(m_end, c);
    const int reanchor = IsVertical() ? 1 : 0;
    m_name.MirrorY(c, reanchor);
    m_crossName.MirrorY(c, reanchor);
}

void CLine::RotateText(const CPoint& c, int dir)
{
    m_name.RotateText(c, dir);
    m_crossName.RotateText(c, dir);
}

void CLine::MirrorXText(const CPoint& c)
{
    m_name.MirrorXText(c);
    m_crossName.MirrorXText(c);
}

void CLine::MirrorYText(const CPoint& c)
{
    m_name.MirrorYText(c);
    m_crossName.MirrorYText(c);
}

// --- dialog --------------------------------------------------------------------

void CLine::ApplyDialog(const CLineDialogResult& result)
{
    const bool wasEmpty = m_name.IsEmpty();
    uint32_t attr = m_name.GetAngle();

    if (IsPlain()) {
        const int style = result.style >= 0 && result.style <= 4 ? result.style : 0;
        m_type = (m_type & ~kStyleMask) | (uint32_t(style) << kStyleShift);
        m_startArrow = result.startArrow ? kArrowSize : 0;
        m_endArrow = result.endArrow ? kArrowSize : 0;
    }
    if (IsWire()) {
        m_type = result.powerWire ? (m_type | kPower) : (m_type & ~kPower);
        attr = result.nameDisp ? (attr & ~CText::kHidden) : (attr | CText::kHidden);
    }
    m_width = WidthFromSettings(m_type);

    attr &= ~CText::kFrameMask;
    if (result.name.IsEmpty()) {
        // An empty name starts out displayed, so that typing one later shows it.
        attr &= ~CText::kHidden;
    } else if (result.frame >= 0 && result.frame <= 14) {
        attr |= uint32_t(result.frame) << CText::kFrameShift;
    }

    CPoint point = m_name.GetPoint();
    if (wasEmpty) {
        point = m_start;
        attr = (attr & ~anchor::kMask) | anchor::BottomLeft;
    }
    attr = (attr & ~dir::kMask) | (IsHorizontal() ? dir::k0 : dir::k90);
    const int size = Profile().GetInt("Default", AttrHeightKey(*this), CText::kDefaultSize);
    m_name.SetName(result.name, point, size, attr);
}

// --- comparison ----------------------------------------------------------------

bool operator==(const CLine& a, const CLine& b)
{
    return a.m_start == b.m_start && a.m_end == b.m_end &&
           (a.m_type & ~kRuntimeBits) == (b.m_type & ~kRuntimeBits) &&
           a.m_startArrow == b.m_startArrow && a.m_endArrow == b.m_endArrow;
}

bool CLine::Compare(const CLine& other) const
{
    return *this == other && m_name == other.m_name;
}

// --- stored forms --------------------------------------------------------------

namespace {

// One byte of the arrow word: the size in tens.  Sizes beyond what a byte
// holds are capped rather than spilling into the other arrow's byte.
uint16_t ArrowByte(int size)
{
    const int tens = size / 10;
    return uint16_t(tens < 0 ? 0 : tens > 255 ? 255 : tens);
}

} // namespace

void CLine::DataWrite(CArchive& ar, bool withNames) const
{
    ar << uint32_t(m_type & kStoredMask) << m_start << m_end;
    if (!withNames)
        return;
    const int32_t flags = m_name.IsEmpty() ? 0 : 1;
    ar << flags;
    if (flags & 1)
        m_name.DataWrite(ar);
    if (IsPlain())
        ar << uint16_t((ArrowByte(m_startArrow) << 8) | ArrowByte(m_endArrow));
}

void CLine::DataRead(CArchive& ar, int version)
{
    uint32_t type;
    ar >> type;
    // Runtime marks are never written; a file that has them anyway must not
    // bring a highlight or a stale clean-up mark along.
    m_type = type & kStoredMask;
    ar >> m_start >> m_end;
    RequireStoredCoord(m_start);
    RequireStoredCoord(m_end);
    m_name = CText();
    m_crossName = CText();
    // Plain lines gained the text flags in version 6 and the arrows in 7.
    const bool plain = (m_type & kKindMask) == kPlain;
    if (!plain || version >= 6) {
        const int32_t flags = ar.ReadInt();
        if (flags & 1)
            m_name.DataRead(ar, version);
        if (flags & 2)
            m_crossName.DataRead(ar, version);
    }
    m_startArrow = m_endArrow = 0;
    if (plain && version >= 7) {
        const uint16_t arrows = ar.ReadWord();
        m_startArrow = (arrows >> 8) * 10;
        m_endArrow = (arrows & 0xFF) * 10;
    }
    m_width = WidthFromSettings(m_type);
    m_startCheck = m_endCheck = 0;
}

void CLine::SerializeText(CArchive& ar) const
{
    CString record;
    record.Format("Line %d %d %d %d %d %d %d %d\n", m_start.x, m_start.y, m_end.x, m_end.y, m_width,
                  int(m_type & kStoredMask), m_startArrow, m_endArrow);
    ar.WriteString(record);
    if (!m_name.IsEmpty())
        m_name.SerializeText(ar, "Name ");
    if (!m_crossName.IsEmpty())
        m_crossName.SerializeText(ar, "NetIndex ");
}

void CLine::ReadTextRecord(const CString& line)
{
    int64_t v[8] = {m_start.x, m_start.y, m_end.x,      m_end.y,
                    m_width,   m_type,    m_startArrow, m_endArrow};
    ScanRecordNumbers(SkipRecordKeyword(line), v, 8);
    // Points, width and arrows are kept within the coordinate range.
    m_start = CPoint(ClampCoord(v[0]), ClampCoord(v[1]));
    m_end = CPoint(ClampCoord(v[2]), ClampCoord(v[3]));
    m_width = ClampCoord(v[4]);
    m_type = uint32_t(ClampInt32(v[5])) & kStoredMask;
    m_startArrow = ClampCoord(v[6]);
    m_endArrow = ClampCoord(v[7]);
}
