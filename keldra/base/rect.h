// CRect: a rectangle in sheet units.
//
// The edges keep the desktop conventions the item code relies on: a
// normalised rectangle has left <= right and top <= bottom (top is simply the
// smaller y); it is empty when its width or height is not positive; a point is
// inside when left <= x < right and top <= y < bottom; union and intersection
// ignore empty rectangles the same way.
#pragma once

#include <algorithm>
#include <cstdint>

#include "base/point.h"
#include "base/size.h"

struct CRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    constexpr CRect() = default;
    constexpr CRect(int32_t l, int32_t t, int32_t r, int32_t b) : left(l), top(t), right(r), bottom(b) {}
    constexpr CRect(const CPoint& a, const CPoint& b) : left(a.x), top(a.y), right(b.x), bottom(b.y) {}

    // Computed in 64 bits and saturated: rectangles built from damaged files
    // may span more than the int range.
    constexpr int32_t Width() const { return Saturate(int64_t(right) - left); }
    constexpr int32_t Height() const { return Saturate(int64_t(bottom) - top); }
    constexpr CSize Size() const { return CSize(Width(), Height()); }
    constexpr CPoint TopLeft() const { return CPoint(left, top); }
    constexpr CPoint BottomRight() const { return CPoint(right, bottom); }
    constexpr CPoint CenterPoint() const
    {
        return CPoint(int32_t((int64_t(left) + right) / 2), int32_t((int64_t(top) + bottom) / 2));
    }

    constexpr bool IsRectEmpty() const { return right <= left || bottom <= top; }
    constexpr bool IsRectNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
    constexpr bool PtInRect(const CPoint& p) const
    {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }

    constexpr void SetRect(int32_t l, int32_t t, int32_t r, int32_t b)
    {
        left = l;
        top = t;
        right = r;
        bottom = b;
    }
    constexpr void SetRectEmpty() { SetRect(0, 0, 0, 0); }

    constexpr void NormalizeRect()
    {
        if (left > right)
            std::swap(left, right);
        if (top > bottom)
            std::swap(top, bottom);
    }
    constexpr CRect Normalized() const
    {
        CRect r(*this);
        r.NormalizeRect();
        return r;
    }

    constexpr void InflateRect(int32_t dx, int32_t dy)
    {
        left -= dx;
        right += dx;
        top -= dy;
        bottom += dy;
    }
    constexpr void InflateRect(int32_t l, int32_t t, int32_t r, int32_t b)
    {
        left -= l;
        top -= t;
        right += r;
        bottom += b;
    }
    constexpr void DeflateRect(int32_t dx, int32_t dy) { InflateRect(-dx, -dy); }
    constexpr void OffsetRect(int32_t dx, int32_t dy)
    {
        left += dx;
        right += dx;
        top += dy;
        bottom += dy;
    }
    constexpr void OffsetRect(const CPoint& d) { OffsetRect(d.x, d.y); }

    // Sets this to the overlap of a and b; false (and empty) when they do not
    // overlap with a positive area.
    constexpr bool IntersectRect(const CRect& a, const CRect& b)
    {
        left = std::max(a.left, b.left);
        top = std::max(a.top, b.top);
        right = std::min(a.right, b.right);
        bottom = std::min(a.bottom, b.bottom);
        if (IsRectEmpty()) {
            SetRectEmpty();
            return false;
        }
        return true;
    }
    // Sets this to the smallest rectangle holding a and b; an empty operand is
    // ignored; false (and all zero) when both are empty.
    constexpr bool UnionRect(const CRect& a, const CRect& b)
    {
        if (a.IsRectEmpty() && b.IsRectEmpty()) {
            SetRectEmpty();
            return false;
        }
        if (a.IsRectEmpty()) {
            *this = b;
            return true;
        }
        if (b.IsRectEmpty()) {
            *this = a;
            return true;
        }
        left = std::min(a.left, b.left);
        top = std::min(a.top, b.top);
        right = std::max(a.right, b.right);
        bottom = std::max(a.bottom, b.bottom);
        return true;
    }
    constexpr CRect& operator|=(const CRect& other)
    {
        UnionRect(*this, other);
        return *this;
    }
    constexpr CRect& operator&=(const CRect& other)
    {
        IntersectRect(*this, other);
        return *this;
    }
    friend constexpr CRect operator|(CRect a, const CRect& b) { return a |= b; }
    friend constexpr CRect operator&(CRect a, const CRect& b) { return a &= b; }
    friend constexpr bool operator==(const CRect&, const CRect&) = default;

private:
    static constexpr int32_t Saturate(int64_t v)
    {
        return int32_t(v < INT32_MIN ? INT32_MIN : v > INT32_MAX ? INT32_MAX : v);
    }
};
