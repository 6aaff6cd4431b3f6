// CPoint: a position in sheet units (1/1000 inch, y grows upwards).
#pragma once

#include <cstdint>

#include "base/size.h"

struct CPoint {
    int32_t x = 0;
    int32_t y = 0;

    constexpr CPoint() = default;
    constexpr CPoint(int32_t px, int32_t py) : x(px), y(py) {}

    constexpr void Offset(int32_t dx, int32_t dy)
    {
        x += dx;
        y += dy;
    }
    constexpr void Offset(const CPoint& d) { Offset(d.x, d.y); }

    constexpr CPoint& operator+=(const CPoint& d)
    {
        Offset(d);
        return *this;
    }
    constexpr CPoint& operator-=(const CPoint& d)
    {
        x -= d.x;
        y -= d.y;
        return *this;
    }
    friend constexpr CPoint operator+(CPoint a, const CPoint& b) { return a += b; }
    friend constexpr CPoint operator-(CPoint a, const CPoint& b) { return a -= b; }
    friend constexpr CPoint operator-(const CPoint& a) { return CPoint(-a.x, -a.y); }
    friend constexpr bool operator==(const CPoint&, const CPoint&) = default;
};

// A point as one number: y in the high half, x in the low half.  Points used
// to be packed into 32 bits as (y << 16) | x, which overflows on big sheets;
// this packing orders points exactly as that one did wherever it held them
// (0 <= x < 65536, 0 <= y < 32768) and stays exact and ordered everywhere.
constexpr int64_t PackPoint(const CPoint& p)
{
    return int64_t(p.y) * 4294967296LL + (int64_t(p.x) + 2147483648LL);
}
