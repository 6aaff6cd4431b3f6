// Codes and transforms that every item shares.
//
// Directions are counter-clockwise quarter turns kept in bits 7-9 of an
// attribute word; text anchors are the text-alignment values in bits 0-6.
// The transforms are the exact integer formulas all items use, so that
// rotating four times, rotating there and back, or mirroring twice always
// gives back the same coordinates.
#pragma once

#include <cmath>
#include <cstdint>

#include "base/exception.h"
#include "base/point.h"

// The largest coordinate or size any item may hold (about 6.8 km at one
// unit per mil; no drawing comes near it).  Keeping every stored value within
// it leaves room for the sums, rotations and mirrors that items compute in
// 32 bits.  Readers of binary files reject values beyond it as damage; readers
// of the text form, which must take any input, clamp into it instead.
constexpr int32_t kMaxCoord = 1 << 28;
// Rectangles derived from items (bounding boxes, the outline a part keeps)
// reach further than the items' points, by a text's or an arc's extent; built
// from points within kMaxCoord they stay within this, which also keeps every
// width and height of such a rectangle within 32 bits.
constexpr int32_t kMaxExtent = (1 << 30) - 1;

constexpr bool IsCoordInRange(int64_t v)
{
    return v >= -int64_t(kMaxCoord) && v <= int64_t(kMaxCoord);
}
constexpr bool IsCoordInRange(const CPoint& p)
{
    return IsCoordInRange(p.x) && IsCoordInRange(p.y);
}
constexpr int32_t ClampCoord(int64_t v)
{
    return v < -int64_t(kMaxCoord) ? -kMaxCoord : v > int64_t(kMaxCoord) ? kMaxCoord : int32_t(v);
}
constexpr CPoint ClampCoord(const CPoint& p)
{
    return CPoint(ClampCoord(p.x), ClampCoord(p.y));
}
constexpr int32_t ClampInt32(int64_t v)
{
    return v < INT32_MIN ? INT32_MIN : v > INT32_MAX ? INT32_MAX : int32_t(v);
}
constexpr int32_t ClampExtent(int64_t v)
{
    return v < -int64_t(kMaxExtent)  ? -kMaxExtent
           : v > int64_t(kMaxExtent) ? kMaxExtent
                                     : int32_t(v);
}

// For the binary readers: a value beyond the range marks a damaged file.
inline void RequireStoredCoord(int64_t v)
{
    if (!IsCoordInRange(v))
        throw CArchiveException(CArchiveException::badIndex, "coordinate out of range");
}
inline void RequireStoredCoord(const CPoint& p)
{
    RequireStoredCoord(p.x);
    RequireStoredCoord(p.y);
}
// The same for a corner of a derived rectangle.
inline void RequireStoredExtent(const CPoint& p)
{
    if (p.x < -kMaxExtent || p.x > kMaxExtent || p.y < -kMaxExtent || p.y > kMaxExtent)
        throw CArchiveException(CArchiveException::badIndex, "coordinate out of range");
}

namespace dir {
constexpr uint32_t kMask = 0x380;
constexpr uint32_t k0 = 0x000;
constexpr uint32_t k90 = 0x100;
constexpr uint32_t k180 = 0x200;
constexpr uint32_t k270 = 0x300;
constexpr uint32_t kOblique = 0x080;  // pins only

// The next direction counter-clockwise (ccw true) or clockwise.
constexpr uint32_t Turn(uint32_t d, bool ccw)
{
    return ccw ? ((d & kMask) + k90) & 0x300 : ((d & kMask) + k270) & 0x300;
}
}  // namespace dir

namespace anchor {
constexpr uint32_t kMask = 0x7F;
// Horizontal part.
constexpr uint32_t kLeft = 0, kRight = 2, kCenter = 6;
// Vertical part.
constexpr uint32_t kTop = 0, kBottom = 8, kMiddle = 24;
constexpr uint32_t kHorzMask = 6, kVertMask = 24;

constexpr uint32_t TopLeft = 0, TopCenter = 6, TopRight = 2;
constexpr uint32_t MiddleLeft = 24, Center = 30, MiddleRight = 26;
constexpr uint32_t BottomLeft = 8, BottomCenter = 14, BottomRight = 10;

// Left and right trade places (centre stays).
constexpr uint32_t SwapLeftRight(uint32_t a)
{
    const uint32_t h = a & kHorzMask;
    return (a & ~kHorzMask) | (h == kLeft ? kRight : h == kRight ? kLeft : h);
}
// Top and bottom trade places (middle stays).
constexpr uint32_t SwapTopBottom(uint32_t a)
{
    const uint32_t v = a & kVertMask;
    return (a & ~kVertMask) | (v == kTop ? kBottom : v == kBottom ? kTop : v);
}
// Reflection through the centre: both swaps at once.
constexpr uint32_t Reflect(uint32_t a)
{
    return SwapTopBottom(SwapLeftRight(a));
}
}  // namespace anchor

// Quarter turn of p about c: counter-clockwise when ccw is non-zero.
constexpr CPoint RotatePoint(const CPoint& p, const CPoint& c, int ccw)
{
    return ccw ? CPoint(c.x + c.y - p.y, c.y - c.x + p.x) : CPoint(c.x - c.y + p.y, c.y + c.x - p.x);
}
// Reflection across the vertical line through c.
constexpr CPoint MirrorXPoint(const CPoint& p, const CPoint& c)
{
    return CPoint(2 * c.x - p.x, p.y);
}
// Reflection across the horizontal line through c.
constexpr CPoint MirrorYPoint(const CPoint& p, const CPoint& c)
{
    return CPoint(p.x, 2 * c.y - p.y);
}

// The editor's coordinate read-out: "X:%4d.%02d Y:%4d.%02d" of value / 100
// and the remainder.
struct CDisplayCoord {
    int whole;
    int hundredths;
};
constexpr CDisplayCoord DisplayCoord(int value)
{
    return CDisplayCoord{value / 100, value - 100 * (value / 100)};
}

// A point at distance length from p in direction angle (radians), each
// coordinate truncated toward zero like every other angle-to-point conversion.
inline CPoint PointAtAngle(const CPoint& p, double angle, double length)
{
    const double x = double(p.x) + std::trunc(length * std::cos(angle));
    const double y = double(p.y) + std::trunc(length * std::sin(angle));
    return CPoint(ClampInt32(int64_t(x)), ClampInt32(int64_t(y)));
}

// The direction (radians) from one point towards another.
inline double DirectionTo(const CPoint& from, const CPoint& to)
{
    return std::atan2(double(to.y) - double(from.y), double(to.x) - double(from.x));
}
