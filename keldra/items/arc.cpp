// CArc: arcs and circles.
//
// Angles are whole degrees, counter-clockwise with y upwards.  Arcs come from
// files that may be damaged, so every operation must stay safe for any radius
// and any angle an int can hold: coordinate arithmetic runs in 64 bits (128
// for the circumcentre) and is clamped back, angles are brought into one turn
// before anything iterates over them, and nothing divides by a zero radius.
#include "items/arc.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <numbers>

#include "base/archive.h"
#include "items/geometry.h"
#include "items/recordline.h"

namespace {

__extension__ typedef __int128 Int128;

constexpr double kRadPerDeg = std::numbers::pi / 180.0;
// The bounding walk steps by this one-degree value, and arrow wings spread by
// this fifteen-degree one; both are kept exactly so that boxes stay the same
// from one build to the next.
constexpr double kWalkStep = 0.017453292519943278;

// cos and sin of every whole degree the bounding walk can meet, computed
// with the very expression the walk used to evaluate (so the results are the
// same to the last bit); the screen asks for arc rectangles on every redraw.
struct DegreeTable {
    static constexpr int kLow = -361, kHigh = 721;
    double cosine[kHigh - kLow + 1];
    double sine[kHigh - kLow + 1];
    DegreeTable()
    {
        for (int d = kLow; d <= kHigh; ++d) {
            const double a = double(d) * kWalkStep;
            cosine[d - kLow] = std::cos(a);
            sine[d - kLow] = std::sin(a);
        }
    }
};
const DegreeTable& Degrees()
{
    static const DegreeTable table;
    return table;
}
constexpr double kArrowSpread = 0.2617993877991492;
// Rectangle corners are kept within +-2^30 so that Width() and Height() of
// any rectangle built here (and a little inflation by callers) cannot
// overflow.
constexpr int64_t kRectLimit = 0x3FFFFFFF;


int32_t ClampInt(Int128 v)
{
    if (v < std::numeric_limits<int32_t>::min())
        return std::numeric_limits<int32_t>::min();
    if (v > std::numeric_limits<int32_t>::max())
        return std::numeric_limits<int32_t>::max();
    return int32_t(v);
}

// trunc(v) as an integer; NaN and values beyond any coordinate give a bounded
// result instead of undefined behaviour.
int64_t Trunc(double v)
{
    if (std::isnan(v))
        return 0;
    return int64_t(std::clamp(v, -4.0e18, 4.0e18));
}

CPoint MakePoint(int64_t x, int64_t y)
{
    return CPoint(ClampInt(x), ClampInt(y));
}

int32_t ClampRect(int64_t v)
{
    return int32_t(std::clamp<int64_t>(v, -kRectLimit, kRectLimit));
}

// The normalised box from (x1, y1) to (x2, y2) inflated by k on every side.
CRect BoxOf(int64_t x1, int64_t y1, int64_t x2, int64_t y2, int64_t k)
{
    return CRect(ClampRect(std::min(x1, x2) - k), ClampRect(std::min(y1, y2) - k),
                 ClampRect(std::max(x1, x2) + k), ClampRect(std::max(y1, y2) + k));
}

// An angle that fits an int: the value itself, or the same direction within
// one turn when the arithmetic left the int range (only damaged angles do).
int FitAngle(int64_t a)
{
    if (a >= std::numeric_limits<int32_t>::min() && a <= std::numeric_limits<int32_t>::max())
        return int(a);
    return int(a % 360);
}

// Stored angles are reduced only from above: 360 or more comes down below
// 360, smaller values (mirrored angles may be negative) stay as they are.
int ReduceAngle(int64_t a)
{
    return a >= 360 ? int(a % 360) : FitAngle(a);
}

// The same direction in 0..359.
int64_t WrapAngle(int64_t a)
{
    const int64_t m = a % 360;
    return m < 0 ? m + 360 : m;
}

// trunc(acos(ratio)) in degrees.  The ratio is clamped to the cosine's range
// (a radius truncated to whole units can be slightly shorter than the
// distance it is compared with), and a tiny allowance keeps exact angles such
// as 60 from truncating to 59 through rounding in acos.
int64_t DegreesFromCos(double ratio)
{
    if (std::isnan(ratio))
        return 0;
    ratio = std::clamp(ratio, -1.0, 1.0);
    return int64_t(std::acos(ratio) * (180.0 / std::numbers::pi) + 1e-9);
}

// trunc(|a - b|), exact for every pair of int points.
int64_t TruncDistance(const CPoint& a, const CPoint& b)
{
    const Int128 dx = int64_t(a.x) - b.x;
    const Int128 dy = int64_t(a.y) - b.y;
    const Int128 sq = dx * dx + dy * dy;
    int64_t r = int64_t(std::sqrt(double(sq)));
    // The double square root can be off by one unit for large squares.
    while (r > 0 && Int128(r) * r > sq)
        --r;
    while (Int128(r + 1) * (r + 1) <= sq)
        ++r;
    return r;
}

int ArrowByte(int size)
{
    return std::clamp(size / 10, 0, 255);
}


} // namespace

CArc::CArc() = default;

CArc::CArc(const CPoint& centre, int radius, int startAngle, int endAngle, int type, int width)
    : m_type(type), m_center(centre), m_radius(radius), m_startAngle(ReduceAngle(startAngle)),
      m_endAngle(ReduceAngle(endAngle)), m_width(width)
{
}

CArc::CArc(const CPoint& first, const CPoint& second, const CPoint& third, int type, int width)
    : m_type(type), m_width(width)
{
    SetArcPoint(first, second, third);
}

void CArc::SetArrow(int which)
{
    if (which == 1)
        m_startArrow = m_startArrow ? 0 : kArrowSize;
    else if (which == 2)
        m_endArrow = m_endArrow ? 0 : kArrowSize;
}

void CArc::SetCheck(const CRect& rect)
{
    const CRect r = rect.Normalized();
    auto inside = [&r](const CPoint& p) {
        return p.x >= r.left && p.x <= r.right && p.y >= r.top && p.y <= r.bottom;
    };
    m_startCheck = inside(GetStartPoint()) ? 1 : 0;
    m_endCheck = inside(GetEndPoint()) ? 1 : 0;
}

CPoint CArc::GetPoint(int angle) const
{
    const double a = angle * kRadPerDeg;
    return MakePoint(m_center.x + Trunc(m_radius * std::cos(a)),
                     m_center.y + Trunc(m_radius * std::sin(a)));
}

namespace {

// The angle of q seen from c, in the three-point rule: acos of the x offset
// over the radius, mirrored to the lower half when q lies below c.
int AngleOfPoint(const CPoint& q, const CPoint& c, int64_t radius)
{
    const double dx = double(int64_t(q.x) - c.x);
    double divisor = double(radius);
    if (radius <= 0)
        divisor = double(TruncDistance(q, c));
    if (divisor <= 0)
        return 0;
    int64_t a = DegreesFromCos(dx / divisor);
    if (c.y > q.y)
        a = 360 - a;
    return ReduceAngle(a);
}

} // namespace

void CArc::SetArcPoint(const CPoint& first, const CPoint& second, const CPoint& third)
{
    if (first == second) {
        // A click-release on one spot: a circle about the third point.
        m_center = third;
        m_radius = ClampInt(TruncDistance(first, third));
        m_startAngle = m_endAngle = 0;
        return;
    }
    // The circumcentre X solves d1.X = C1 / 2 and d2.X = C2 / 2, the
    // perpendicular bisectors of first-third and second-third (d the chord,
    // C the difference of the squared lengths).  Exact integer arithmetic
    // gives the truncated centre without rounding surprises; a level pair
    // needs no special handling in this form.
    const Int128 d1x = int64_t(third.x) - first.x, d1y = int64_t(third.y) - first.y;
    const Int128 d2x = int64_t(third.x) - second.x, d2y = int64_t(third.y) - second.y;
    const Int128 det = d1x * d2y - d1y * d2x;
    if (det == 0)
        return; // collinear or coinciding points fix no circle: keep the arc
    auto sq = [](const CPoint& p) { return Int128(p.x) * p.x + Int128(p.y) * p.y; };
    const Int128 c1 = sq(third) - sq(first);
    const Int128 c2 = sq(third) - sq(second);
    const Int128 x = (c1 * d2y - c2 * d1y) / (2 * det);
    const Int128 y = (d1x * c2 - d2x * c1) / (2 * det);
    if (x != ClampInt(x) || y != ClampInt(y))
        return; // nearly collinear: the circle lies beyond the sheet's range
    const CPoint centre(ClampInt(x), ClampInt(y));
    const int64_t radius = TruncDistance(first, centre);
    if (radius > std::numeric_limits<int32_t>::max())
        return;
    m_center = centre;
    m_radius = int(radius);
    m_startAngle = AngleOfPoint(first, centre, radius);
    m_endAngle = AngleOfPoint(second, centre, radius);
}

void CArc::SetArcPoint2(const CPoint& first, const CPoint& second, const CPoint& centre)
{
    const int64_t radius = TruncDistance(first, centre);
    m_center = centre;
    m_radius = ClampInt(radius);
    m_startAngle = AngleOfPoint(first, centre, radius);
    m_endAngle = AngleOfPoint(second, centre, radius);
}

void CArc::SetCenter(const CPoint& point)
{
    const CPoint p1 = GetStartPoint();
    const CPoint p2 = GetEndPoint();
    if (p1 == p2)
        return;
    int64_t cx = 0, cy = 0;
    if (p1.y == p2.y) {
        cx = (int64_t(p1.x) + p2.x) / 2;
        cy = point.y;
    } else if (p1.x == p2.x) {
        cx = point.x;
        cy = (int64_t(p1.y) + p2.y) / 2;
    } else {
        // X = point + t d on the parallel through point, with (X - m).d = 0
        // for the chord's midpoint m: t = (2m - 2point).d / (2 |d|^2).
        const Int128 dx = int64_t(p2.x) - p1.x, dy = int64_t(p2.y) - p1.y;
        const Int128 den = 2 * (dx * dx + dy * dy);
        const Int128 num = (Int128(p1.x) + p2.x - 2 * Int128(point.x)) * dx +
                           (Int128(p1.y) + p2.y - 2 * Int128(point.y)) * dy;
        cx = ClampInt((Int128(point.x) * den + num * dx) / den);
        cy = ClampInt((Int128(point.y) * den + num * dy) / den);
    }
    SetArcPoint2(p1, p2, MakePoint(cx, cy));
}

namespace {

// The angle from the centre c towards q, snapped against the other end's
// angle (snap 1: 15 degree steps, 2: 45), in 0..359.
int AngleTowards(const CPoint& c, const CPoint& q, int other, int snap, int current)
{
    const int64_t dx = int64_t(q.x) - c.x;
    const int64_t dy = int64_t(q.y) - c.y;
    if (dx == 0 && dy == 0)
        return current; // the centre itself points nowhere
    int64_t a = DegreesFromCos(double(dx) / std::hypot(double(dx), double(dy)));
    if (c.y >= q.y)
        a = 360 - a;
    int64_t step = 0, threshold = 0;
    if (snap == 1) {
        step = 15;
        threshold = 8;
    } else if (snap == 2) {
        step = 45;
        threshold = 23;
    }
    if (step) {
        // Round the distance from the other angle to the nearest step.  The
        // quotient is floored so that a position just below the other angle
        // rounds the same way as one just above it.
        const int64_t d = a - other;
        int64_t k = d / step;
        if (d - step * k < 0)
            --k;
        if (d - step * k >= threshold)
            ++k;
        a = other + step * k;
    }
    return int(WrapAngle(a));
}

} // namespace

void CArc::SetStartAngle(const CPoint& position, int snap)
{
    m_startAngle = AngleTowards(m_center, position, m_endAngle, snap, m_startAngle);
}

void CArc::SetEndAngle(const CPoint& position, int snap)
{
    m_endAngle = AngleTowards(m_center, position, m_startAngle, snap, m_endAngle);
}

void CArc::SetCircle()
{
    if (m_startCheck && !m_endCheck)
        m_startAngle = m_endAngle;
    else
        m_endAngle = m_startAngle;
}

std::array<CPoint, 4> CArc::GetArrowPolygon(bool start) const
{
    const double size = start ? m_startArrow : m_endArrow;
    const CPoint p = start ? GetStartPoint() : GetEndPoint();
    // The head is bent along the arc by half its length: h is the angle the
    // radius turns through over that distance.  No radius, no bend.
    double h = m_radius != 0 ? size / (2.0 * m_radius) : 0.0;
    double phi = double(m_startAngle) * kRadPerDeg;
    if (!start) {
        // From the end the head looks back clockwise: radius angle towards the
        // centre, bend the other way.
        phi = (double(m_endAngle) + 180.0) * kRadPerDeg;
        h = -h;
    }
    auto along = [&p](double length, double psi) {
        return MakePoint(p.x + Trunc(length * -std::sin(psi)), p.y + Trunc(length * std::cos(psi)));
    };
    return {along(0.7 * size, phi + h), along(size, phi + kArrowSpread + h), p,
            along(size, phi - kArrowSpread + h)};
}

CRect CArc::GetBoundingRect() const
{
    const int64_t k = m_type != 0 ? 12 : 4;
    // Walk within one turn whatever the stored angles are: a damaged file must
    // not make this loop run for billions of steps.  Equal angles are a full
    // circle, so the walk then goes all the way round.
    int64_t s = WrapAngle(m_startAngle);
    int64_t e = WrapAngle(m_endAngle);
    if (s > e)
        s -= 360;
    else if (s == e)
        e = s + 360;
    const double rk = double(m_radius) + double(k);
    const DegreeTable& table = Degrees();
    auto pointAt = [this, rk, &table](int64_t degrees) {
        const size_t i = size_t(degrees - DegreeTable::kLow);
        return std::pair<int64_t, int64_t>(m_center.x + Trunc(rk * table.cosine[i]),
                                           m_center.y + Trunc(rk * table.sine[i]));
    };
    // The union of the boxes round each step is the box round all points,
    // as long as no box was cut at the rectangle limit (then a step's box
    // may be empty and drop out of the union: walk step by step).
    int64_t minX = INT64_MAX, minY = INT64_MAX, maxX = INT64_MIN, maxY = INT64_MIN;
    for (int64_t i = s - 1; i <= e + 1; ++i) {
        const auto p = pointAt(i);
        minX = std::min(minX, p.first), maxX = std::max(maxX, p.first);
        minY = std::min(minY, p.second), maxY = std::max(maxY, p.second);
    }
    CRect box;
    if (minX - k >= -kRectLimit && minY - k >= -kRectLimit && maxX + k <= kRectLimit &&
        maxY + k <= kRectLimit) {
        box = BoxOf(minX, minY, maxX, maxY, k);
    } else {
        auto prev = pointAt(s - 1);
        for (int64_t i = s; i <= e + 1; ++i) {
            const auto next = pointAt(i);
            box |= BoxOf(prev.first, prev.second, next.first, next.second, k);
            prev = next;
        }
    }
    // A filled arc is drawn as a pie, whose point is the centre.
    if (IsFilled())
        box |= BoxOf(m_center.x, m_center.y, m_center.x, m_center.y, k);
    for (const bool start : {true, false}) {
        if ((start ? m_startArrow : m_endArrow) == 0)
            continue;
        const auto poly = GetArrowPolygon(start);
        int64_t l = poly[0].x, t = poly[0].y, r = poly[0].x, b = poly[0].y;
        for (const CPoint& q : poly) {
            l = std::min<int64_t>(l, q.x);
            t = std::min<int64_t>(t, q.y);
            r = std::max<int64_t>(r, q.x);
            b = std::max<int64_t>(b, q.y);
        }
        box |= BoxOf(l, t, r, b, 0);
    }
    return box;
}

CRect CArc::GetBoundingRect2() const
{
    const int64_t half = m_width / 2;
    const int64_t reach = int64_t(m_radius) + half + half;
    return BoxOf(int64_t(m_center.x) - reach, int64_t(m_center.y) - reach,
                 int64_t(m_center.x) + reach, int64_t(m_center.y) + reach, 0);
}

void CArc::Offset(const CPoint& d, int snap)
{
    if (CheckEdge()) {
        if (m_startCheck)
            SetStartAngle(d, snap);
        else
            SetEndAngle(d, snap);
        return;
    }
    m_center = MakePoint(int64_t(m_center.x) + d.x, int64_t(m_center.y) + d.y);
}

void CArc::Rotate(const CPoint& c, int dir)
{
    // The shared quarter-turn formula, in 64 bits.
    const int64_t px = m_center.x, py = m_center.y;
    if (dir)
        m_center = MakePoint(int64_t(c.x) + c.y - py, int64_t(c.y) - c.x + px);
    else
        m_center = MakePoint(int64_t(c.x) - c.y + py, int64_t(c.y) + c.x - px);
    const int turn = dir ? 90 : 270;
    m_startAngle = ReduceAngle(int64_t(m_startAngle) + turn);
    m_endAngle = ReduceAngle(int64_t(m_endAngle) + turn);
}

// A reflection reverses the sense of the arc: the old end becomes the new
// start.  Arrows and end marks follow their points, so they trade places too.
void CArc::MirrorX(const CPoint& c)
{
    m_center = MakePoint(2 * int64_t(c.x) - m_center.x, m_center.y);
    const int start = FitAngle(180 - int64_t(m_endAngle));
    m_endAngle = FitAngle(180 - int64_t(m_startAngle));
    m_startAngle = start;
    std::swap(m_startArrow, m_endArrow);
    std::swap(m_startCheck, m_endCheck);
}

void CArc::MirrorY(const CPoint& c)
{
    m_center = MakePoint(m_center.x, 2 * int64_t(c.y) - m_center.y);
    const int start = FitAngle(360 - int64_t(m_endAngle));
    m_endAngle = FitAngle(360 - int64_t(m_startAngle));
    m_startAngle = start;
    std::swap(m_startArrow, m_endArrow);
    std::swap(m_startCheck, m_endCheck);
}

bool operator==(const CArc& a, const CArc& b)
{
    return a.m_type == b.m_type && a.m_center == b.m_center && a.m_radius == b.m_radius &&
           a.m_startAngle == b.m_startAngle && a.m_endAngle == b.m_endAngle &&
           a.m_width == b.m_width && a.m_startArrow == b.m_startArrow &&
           a.m_endArrow == b.m_endArrow;
}

void CArc::DataWrite(CArchive& ar) const
{
    ar << m_center << int32_t(m_radius) << int32_t(m_startAngle) << int32_t(m_endAngle)
       << int32_t(m_type);
    // One byte per arrow in tens of units; a size beyond what a byte holds is
    // clamped rather than spilling into the other arrow's byte.
    ar << uint16_t((ArrowByte(m_startArrow) << 8) | ArrowByte(m_endArrow));
}

void CArc::DataRead(CArchive& ar, int version)
{
    // Read everything before changing anything, so that a short record leaves
    // the arc as it was.
    const CPoint centre = ar.ReadPoint();
    const int radius = ar.ReadInt();
    const int startAngle = ar.ReadInt();
    const int endAngle = ar.ReadInt();
    const int type = ar.ReadInt();
    RequireStoredCoord(centre);
    RequireStoredCoord(radius);
    int startArrow = 0, endArrow = 0;
    if (version >= 8) {
        const uint16_t arrows = ar.ReadWord();
        startArrow = (arrows >> 8) * 10;
        endArrow = (arrows & 0xFF) * 10;
    }
    m_center = centre;
    m_radius = radius;
    m_startAngle = startAngle;
    m_endAngle = endAngle;
    m_type = type;
    m_startArrow = startArrow;
    m_endArrow = endArrow;
    m_width = kDefaultWidth;
    m_startCheck = m_endCheck = 0;
}

void CArc::SerializeText(CArchive& ar) const
{
    CString line;
    line.Format("Arc %d %d %d %d %d %d %d %d %d\n", m_center.x, m_center.y, m_radius, m_startAngle,
                m_endAngle, m_width, m_type, m_startArrow, m_endArrow);
    ar.WriteString(line);
}

void CArc::ReadTextRecord(const CString& line)
{
    int64_t v[9] = {m_center.x, m_center.y, m_radius,     m_startAngle, m_endAngle,
                    m_width,    m_type,     m_startArrow, m_endArrow};
    ScanRecordNumbers(SkipRecordKeyword(line), v, 9);
    // Lengths are kept within the coordinate range; angles and the type word
    // may be any int.
    m_center = CPoint(ClampCoord(v[0]), ClampCoord(v[1]));
    m_radius = ClampCoord(v[2]);
    m_startAngle = ClampInt32(v[3]);
    m_endAngle = ClampInt32(v[4]);
    m_width = ClampCoord(v[5]);
    m_type = ClampInt32(v[6]);
    m_startArrow = ClampCoord(v[7]);
    m_endArrow = ClampCoord(v[8]);
}
