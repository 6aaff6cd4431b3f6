// The zoom rules of the sheet window, without a window.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "editor/view/zoommapping.h"

namespace {

constexpr CSize kA3(16535, 11693);

CZoomMapping Fitted(CSize client = CSize(800, 600))
{
    CZoomMapping z;
    z.SetClientSize(client);
    z.SetZoomSizes(kA3);
    return z;
}

} // namespace

TEST(ZoomMapping, FitKeepsTheAspectAndSheetOriginIsBottomLeft)
{
    CZoomMapping z = Fitted();
    EXPECT_EQ(z.DeviceSize(), CSize(800, 566));
    EXPECT_FALSE(z.HasHorzBar());
    EXPECT_FALSE(z.HasVertBar());
    EXPECT_EQ(z.PageStep(), CSize(80, 56));
    EXPECT_EQ(z.LineStep(), CSize(8, 5));
    // The sheet is centred vertically; (0, 0) is its bottom-left corner.
    const CPointF origin = z.SheetToClient(CPoint(0, 0));
    EXPECT_DOUBLE_EQ(origin.x, 0);
    EXPECT_DOUBLE_EQ(origin.y, 17 + 566);
    EXPECT_EQ(z.ClientToSheet(400, 300), CPoint(8268, 5849)); // (17 + 566 - 300) / (800 / 16535)
}

TEST(ZoomMapping, StepsUpAndDown)
{
    CZoomMapping z = Fitted();
    // Zoom Down on a sheet that already fits does nothing.
    EXPECT_FALSE(z.ZoomIn(1 / 1.2));
    EXPECT_EQ(z.DeviceSize(), CSize(800, 566));
    // Two steps of 20 % make 1.44; one down returns to the size before, up to rounding.
    ASSERT_TRUE(z.ZoomIn(1.2));
    ASSERT_TRUE(z.ZoomIn(1.2));
    EXPECT_NEAR(z.FitRatio(), 1.44, 0.002);
    const CSize before = z.DeviceSize();
    ASSERT_TRUE(z.ZoomIn(1.2));
    ASSERT_TRUE(z.ZoomIn(1 / 1.2));
    EXPECT_NEAR(z.DeviceSize().cx, before.cx, 1);
    EXPECT_NEAR(z.DeviceSize().cy, before.cy, 1);
    // Zooming out below the window's size fits again.
    ASSERT_TRUE(z.ZoomIn(1 / 1.2));
    ASSERT_TRUE(z.ZoomIn(1 / 1.2));
    EXPECT_EQ(z.DeviceSize(), CSize(800, 566));
    EXPECT_EQ(z.Position(), CPoint(0, 0));
}

TEST(ZoomMapping, StopsExactlyAtTheDeviceLimit)
{
    CZoomMapping z = Fitted();
    int steps = 0;
    while (z.ZoomIn(1.2) && steps < 100)
        ++steps;
    EXPECT_LT(steps, 100);
    EXPECT_EQ(std::max(z.DeviceSize().cx, z.DeviceSize().cy), CZoomMapping::kMaxDeviceSize);
    EXPECT_FALSE(z.ZoomIn(1.2));
    // A big step from below the limit stops at it too, on the larger side.
    CZoomMapping big = Fitted();
    ASSERT_TRUE(big.ZoomTo(CPoint(8000, 6000), 1000.0));
    EXPECT_EQ(big.DeviceSize().cx, CZoomMapping::kMaxDeviceSize);
    EXPECT_NEAR(double(big.DeviceSize().cy) / big.DeviceSize().cx, 566.0 / 800.0, 0.001);
}

TEST(ZoomMapping, ZoomRectCentresAndFillsAndZoomLastSwaps)
{
    CZoomMapping z = Fitted();
    EXPECT_FALSE(z.ZoomRect(CPoint(1000, 1000), CPoint(1000, 3000))); // no width
    EXPECT_FALSE(z.ZoomRect(CPoint(1000, 1000), CPoint(3000, 1000))); // no height
    const CSize fit = z.DeviceSize();
    ASSERT_TRUE(z.ZoomRect(CPoint(3000, 2000), CPoint(7000, 5000)));
    const CRect v = z.VisibleArea();
    EXPECT_NEAR((v.left + v.right) / 2, 5000, 15);
    EXPECT_NEAR((v.top + v.bottom) / 2, 3500, 15);
    // The rectangle fills the window on its tighter axis and fits on the other.
    EXPECT_NEAR(v.right - v.left, 4000, 30);
    EXPECT_GE(v.bottom - v.top, 3000 - 30);
    // Zoom Last goes back and forth.
    const CSize zoomed = z.DeviceSize();
    const CPoint pos = z.Position();
    ASSERT_TRUE(z.ZoomLast());
    EXPECT_EQ(z.DeviceSize(), fit);
    ASSERT_TRUE(z.ZoomLast());
    EXPECT_EQ(z.DeviceSize(), zoomed);
    EXPECT_EQ(z.Position(), pos);
}

TEST(ZoomMapping, ScrollingIsClampedAndCentringStopsAtTheEdges)
{
    CZoomMapping z = Fitted();
    ASSERT_TRUE(z.ZoomIn(3.0));
    const CSize dev = z.DeviceSize();
    EXPECT_TRUE(z.ScrollTo(-50, -50) || z.Position() == CPoint(0, 0));
    EXPECT_EQ(z.Position(), CPoint(0, 0));
    z.ScrollTo(1 << 20, 1 << 20);
    EXPECT_EQ(z.Position(), CPoint(dev.cx - 800, dev.cy - 600));
    z.CenterOn(CPoint(0, kA3.cy)); // top-left corner of the sheet
    EXPECT_EQ(z.Position(), CPoint(0, 0));
    z.CenterOn(CPoint(kA3.cx / 2, kA3.cy / 2));
    const CPointF c = z.SheetToClient(CPoint(kA3.cx / 2, kA3.cy / 2));
    EXPECT_NEAR(c.x, 400, 1);
    EXPECT_NEAR(c.y, 300, 1);
    // A window that grows past the zoomed sheet shows the whole sheet again.
    z.SetClientSize(CSize(dev.cx + 10, dev.cy + 10));
    EXPECT_EQ(z.FitRatio(), 1.0);
}

TEST(ZoomMapping, ClientAndSheetPointsConvertBothWays)
{
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> px(0, 1000), py(0, 700);
    for (double factor : {1.0, 1.7, 12.0, 250.0}) {
        CZoomMapping z = Fitted(CSize(1000, 700));
        if (factor > 1)
            z.ZoomTo(CPoint(9000, 4000), factor);
        for (int i = 0; i < 200; ++i) {
            const CPoint p = z.ClientToSheet(px(rng), py(rng));
            const CPointF back = z.SheetToClient(p);
            const CPoint again = z.ClientToSheet(back.x, back.y);
            EXPECT_EQ(again, p) << "factor " << factor;
            // One sheet unit is at most one pixel away, rounding included.
            EXPECT_LE(std::abs(z.SheetToClient(p).x - back.x), 1e-9);
        }
    }
}
