// CRect: the desktop rectangle conventions item code relies on.
#include <gtest/gtest.h>

#include <cstdint>

#include "base/rect.h"
#include "support/printers.h"

TEST(CRect, NormalizeAndEmptiness)
{
    // Sheet rectangles are often built from two corners in any order.
    CRect r(CPoint(30, 40), CPoint(10, 20));
    EXPECT_TRUE(r.IsRectEmpty()); // negative width and height
    r.NormalizeRect();
    EXPECT_EQ(r, CRect(10, 20, 30, 40));
    EXPECT_FALSE(r.IsRectEmpty());
    EXPECT_EQ(CRect(5, 9, 1, 3).Normalized(), CRect(1, 3, 5, 9));

    // A horizontal or vertical line spans a rectangle of no area.
    EXPECT_TRUE(CRect(0, 5, 100, 5).IsRectEmpty());
    EXPECT_TRUE(CRect(7, 0, 7, 100).IsRectEmpty());
    EXPECT_FALSE(CRect(0, 0, 1, 1).IsRectEmpty());
    EXPECT_TRUE(CRect().IsRectNull());
    EXPECT_FALSE(CRect(0, 5, 100, 5).IsRectNull());
}

TEST(CRect, UnionIgnoresEmptyOperands)
{
    CRect u;
    // Starting from an all-zero rectangle must not pull the union to (0, 0).
    EXPECT_TRUE(u.UnionRect(CRect(), CRect(100, 100, 200, 150)));
    EXPECT_EQ(u, CRect(100, 100, 200, 150));
    // A degenerate line rectangle is empty and does not count either.
    EXPECT_TRUE(u.UnionRect(CRect(100, 100, 200, 150), CRect(-50, 120, 500, 120)));
    EXPECT_EQ(u, CRect(100, 100, 200, 150));
    EXPECT_TRUE(u.UnionRect(CRect(0, 0, 10, 10), CRect(-5, 5, 3, 20)));
    EXPECT_EQ(u, CRect(-5, 0, 10, 20));
    EXPECT_FALSE(u.UnionRect(CRect(), CRect(3, 3, 3, 9)));
    EXPECT_EQ(u, CRect());

    CRect acc;
    acc |= CRect(10, 10, 20, 20);
    acc |= CRect(30, 0, 40, 5);
    EXPECT_EQ(acc, CRect(10, 0, 40, 20));
}

TEST(CRect, IntersectNeedsPositiveArea)
{
    CRect r;
    EXPECT_TRUE(r.IntersectRect(CRect(0, 0, 10, 10), CRect(5, -5, 20, 8)));
    EXPECT_EQ(r, CRect(5, 0, 10, 8));
    // Touching edges share no area.
    r = CRect(1, 2, 3, 4);
    EXPECT_FALSE(r.IntersectRect(CRect(0, 0, 10, 10), CRect(10, 0, 20, 10)));
    EXPECT_EQ(r, CRect());
    EXPECT_FALSE(r.IntersectRect(CRect(0, 0, 10, 10), CRect(20, 20, 30, 30)));
    EXPECT_EQ(r, CRect());
    EXPECT_EQ(CRect(0, 0, 10, 10) & CRect(2, 2, 4, 4), CRect(2, 2, 4, 4));
}

TEST(CRect, PointTestIsHalfOpen)
{
    const CRect r(10, 20, 30, 40);
    EXPECT_TRUE(r.PtInRect(CPoint(10, 20)));
    EXPECT_TRUE(r.PtInRect(CPoint(29, 39)));
    EXPECT_FALSE(r.PtInRect(CPoint(30, 25)));
    EXPECT_FALSE(r.PtInRect(CPoint(15, 40)));
    EXPECT_FALSE(r.PtInRect(CPoint(9, 25)));
    // A rectangle that is not normalised contains nothing.
    EXPECT_FALSE(CRect(30, 40, 10, 20).PtInRect(CPoint(15, 25)));
}

TEST(CRect, InflateAndOffset)
{
    CRect r(10, 20, 30, 40);
    r.InflateRect(5, -2);
    EXPECT_EQ(r, CRect(5, 22, 35, 38));
    r.InflateRect(1, 2, 3, 4);
    EXPECT_EQ(r, CRect(4, 20, 38, 42));
    r.DeflateRect(4, 20);
    EXPECT_EQ(r, CRect(8, 40, 34, 22)); // deflated past itself: no longer normal
    r.OffsetRect(CPoint(-8, 10));
    EXPECT_EQ(r, CRect(0, 50, 26, 32));
    EXPECT_EQ(CRect(0, 0, 10, 20).CenterPoint(), CPoint(5, 10));
    EXPECT_EQ(CRect(-10, -20, 0, 0).Size(), CSize(10, 20));
}

TEST(CRect, SpansBeyondTheIntRangeSaturate)
{
    // Rectangles measured from damaged files can span the whole int range.
    const CRect wide(INT32_MIN, -5, INT32_MAX, 5);
    EXPECT_FALSE(wide.IsRectEmpty());
    EXPECT_EQ(wide.Width(), INT32_MAX);
    EXPECT_EQ(wide.CenterPoint(), CPoint(0, 0));
    EXPECT_TRUE(CRect(INT32_MAX, 0, INT32_MIN, 5).IsRectEmpty());
    EXPECT_EQ(CRect(INT32_MAX, 0, INT32_MIN, 5).Width(), INT32_MIN);
    CRect u;
    EXPECT_TRUE(u.UnionRect(wide, CRect(0, INT32_MIN, 1, INT32_MAX)));
    EXPECT_EQ(u, CRect(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX));
}
