#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "base/archive.h"
#include "items/geometry.h"
#include "items/junc.h"
#include "items/line.h"

TEST(CJuncOnWire, AxisParallelSegmentsWithTheirEnds)
{
    const CJunc j(CPoint(50, 0));
    EXPECT_TRUE(j.OnWire(CPoint(0, 0), CPoint(100, 0)));
    EXPECT_TRUE(j.OnWire(CPoint(0, 0), CPoint(50, 0)));   // on the end
    EXPECT_TRUE(j.OnWire(CPoint(100, 0), CPoint(50, 0))); // either direction
    EXPECT_FALSE(j.OnWire(CPoint(0, 0), CPoint(49, 0)));
    EXPECT_FALSE(j.OnWire(CPoint(0, 1), CPoint(100, 1)));
    EXPECT_FALSE(j.OnWire(CPoint(0, 0), CPoint(100, 1)));    // oblique
    EXPECT_FALSE(j.OnWire(CPoint(0, -50), CPoint(100, 50))); // oblique through it

    const CJunc v(CPoint(0, 30));
    EXPECT_TRUE(v.OnWire(CPoint(0, 100), CPoint(0, -100)));
    EXPECT_TRUE(v.OnWire(CPoint(0, 30), CPoint(0, 30))); // a point-like wire on it
    EXPECT_FALSE(v.OnWire(CPoint(0, 100), CPoint(0, 31)));
    EXPECT_FALSE(v.OnWire(CPoint(1, 100), CPoint(1, -100)));
    EXPECT_TRUE(CJunc(CPoint(INT_MAX, 0)).OnWire(CPoint(INT_MIN, 0), CPoint(INT_MAX, 0)));

    // The line form takes the wire's two ends.
    EXPECT_TRUE(j.OnWire(CLine(CPoint(0, 0), CPoint(100, 0), CLine::kWire)));
    EXPECT_TRUE(j.OnWire(CLine(CPoint(0, 0), CPoint(50, 0), CLine::kWire)));
    EXPECT_FALSE(j.OnWire(CLine(CPoint(0, 0), CPoint(100, 1), CLine::kWire)));
}

TEST(CJuncGeometry, BoxAndTransforms)
{
    EXPECT_EQ(CJunc(CPoint(100, -200)).GetBoundingRect(), CRect(80, -220, 120, -180));

    const CJunc original(CPoint(130, -70));
    const CPoint c(25, 45);
    CJunc j = original;
    j.Rotate(c, 1);
    EXPECT_EQ(j.GetPoint(), CPoint(140, 150));
    j.Rotate(c, 0);
    EXPECT_EQ(j, original);
    for (int i = 0; i < 4; ++i)
        j.Rotate(c, 0);
    EXPECT_EQ(j, original);
    j.MirrorX(c);
    EXPECT_EQ(j.GetPoint(), CPoint(-80, -70));
    j.MirrorY(c);
    EXPECT_EQ(j.GetPoint(), CPoint(-80, 160));
    j.Offset(CPoint(80, -160));
    EXPECT_EQ(j.GetPoint(), CPoint(0, 0));
    EXPECT_TRUE(j.CheckPoint(CPoint(0, 0)));
    EXPECT_FALSE(j.CheckPoint(CPoint(0, 1)));

    // Positions from a damaged file clamp instead of overflowing.
    CJunc far(CPoint(INT_MAX, INT_MIN));
    far.Offset(CPoint(10, -10));
    EXPECT_EQ(far.GetPoint(), CPoint(INT_MAX, INT_MIN));
    far.MirrorX(CPoint(INT_MIN, 0));
    far.MirrorY(CPoint(0, INT_MAX));
    far.Rotate(CPoint(INT_MIN, INT_MAX), 1);
    far.Rotate(CPoint(INT_MAX, INT_MIN), 0);
    const CRect box = far.GetBoundingRect();
    EXPECT_GE(box.Width(), 0);
    EXPECT_GE(box.Height(), 0);
}

TEST(CJuncStoredForm, BinaryAndTextRoundTrips)
{
    const CJunc j(CPoint(-1234, 5678));
    CArchive out;
    j.DataWrite(out);
    ASSERT_EQ(out.Bytes().size(), 8u);
    CArchive in(out.Bytes());
    CJunc read;
    read.DataRead(in);
    EXPECT_EQ(read, j);
    CArchive shortIn(out.Bytes().data(), 7);
    EXPECT_THROW(read.DataRead(shortIn), CArchiveException);

    CArchive text;
    j.SerializeText(text);
    const std::string line(text.Bytes().begin(), text.Bytes().end());
    EXPECT_EQ(line, "Junc -1234 5678\n");
    CJunc parsed;
    parsed.ReadTextRecord(CString(line));
    EXPECT_EQ(parsed, j);

    CJunc partial;
    partial.ReadTextRecord("   junc 7");
    EXPECT_EQ(partial.GetPoint(), CPoint(7, 0));
    CJunc damaged;
    damaged.ReadTextRecord("Junc -99999999999999 z");
    EXPECT_EQ(damaged.GetPoint(), CPoint(-kMaxCoord, 0));
    CJunc wide;
    wide.ReadTextRecord("Junc\x81\x40 5 6"); // a double-byte character in the keyword
    EXPECT_EQ(wide.GetPoint(), CPoint(5, 6));
    for (const char* junk : {"", "Junc", "\x81", "Junc \x81\x40 5 5", "Junc +"}) {
        CJunc blank;
        blank.ReadTextRecord(junk);
        EXPECT_EQ(blank, CJunc()) << junk;
    }
}
