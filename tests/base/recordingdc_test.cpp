// CRecordingDC: the visibility test that every item drawing starts with.
#include <gtest/gtest.h>

#include "base/recordingdc.h"

TEST(CRecordingDC, VisibilityOfRectanglesAndLines)
{
    CRecordingDC dc;
    EXPECT_TRUE(dc.RectVisible(CRect(-1000, -1000, -900, -900))); // no clip set

    dc.SetVisibleArea(CRect(0, 1000, 2000, 0)); // y-up corners, not normalised
    EXPECT_TRUE(dc.RectVisible(CRect(100, 100, 200, 200)));
    EXPECT_TRUE(dc.RectVisible(CRect(200, 200, 100, 100)));
    EXPECT_FALSE(dc.RectVisible(CRect(3000, 100, 3100, 200)));
    // A horizontal wire has a rectangle without height; it is still drawn.
    EXPECT_TRUE(dc.RectVisible(CRect(100, 500, 900, 500)));
    EXPECT_TRUE(dc.RectVisible(CRect(700, 100, 700, 900)));
    EXPECT_FALSE(dc.RectVisible(CRect(100, 1500, 900, 1500)));

    dc.SetTextColor(RGB(255, 0, 0));
    dc.SetTextAlign(8);
    dc.TextOut(CPoint(10, 20), "R1");
    ASSERT_EQ(dc.Records().size(), 1u);
    EXPECT_EQ(dc.Records()[0], "TextOut 10 20 \"R1\" align=8 color=#FF0000 esc=0 height=0");
}
