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
