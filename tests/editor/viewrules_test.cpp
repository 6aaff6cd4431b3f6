// The small rules of the view and the main window: grid snapping and
// drawing, gestures, status texts, the stored window placement and the
// second-start message.
#include <gtest/gtest.h>

#include <random>

#include "editor/view/gesture.h"
#include "editor/view/grid.h"
#include "editor/view/statusformat.h"
#include "editor/window/singleinstance.h"
#include "editor/window/windowplacement.h"

TEST(Grid, SnapsHalfBackAndMoreForward)
{
    const struct {
        CPoint in;
        int pitch;
        CPoint out;
    } cases[] = {
        {{150, 250}, 100, {100, 200}}, // exactly half a pitch past stays
        {{151, 251}, 100, {200, 300}}, // one unit more goes forward
        {{49, 0}, 100, {0, 0}},        {{12345, 67890}, 50, {12350, 67900}},
        {{125, 75}, 50, {100, 50}},    {{-30, -70}, 100, {0, 0}}, // left of the sheet: towards zero
        {{77, 33}, 0, {77, 33}},                                  // no grid: unchanged
    };
    for (const auto& c : cases)
        EXPECT_EQ(SnapToGrid(c.in, c.pitch), c.out)
            << c.in.x << "," << c.in.y << " pitch " << c.pitch;
}

TEST(Grid, SpacingGrowsUntilPointsAreApart)
{
    EXPECT_EQ(GridDrawSpacing(100, 0.2, 7), 100);   // 20 px apart
    EXPECT_EQ(GridDrawSpacing(100, 0.07, 7), 100);  // 7.000..1 px: just enough
    EXPECT_EQ(GridDrawSpacing(100, 0.05, 7), 1000); // 5 px: ten times wider
    EXPECT_EQ(GridDrawSpacing(50, 0.001, 7), 50000);
    EXPECT_EQ(GridDrawSpacing(0, 1.0, 7), 0);
    EXPECT_EQ(GridDrawSpacing(100, 0.0, 7), 0);
}

TEST(Grid, PointsStayOnTheSheetAndNeverAtItsEdge)
{
    // Against the literal reading: every multiple of spacing in
    // [first multiple at or before max(low, 0), min(high, sheet)).
    std::mt19937 rng(11);
    std::uniform_int_distribution<int> coord(-3000, 20000), pick(0, 3);
    const int spacings[] = {50, 100, 1000, 700};
    for (int i = 0; i < 2000; ++i) {
        int low = coord(rng), high = coord(rng);
        if (low > high)
            std::swap(low, high);
        const int spacing = spacings[pick(rng)];
        const int sheet = 16535 - (i % 3) * 35; // 16535, 16500 (a multiple), 16465
        const CGridSpan span = GridSpan(low, high, spacing, sheet);
        std::vector<long long> want;
        const long long start = std::max(low, 0) / spacing * spacing;
        for (long long v = start; v < std::min(high, sheet); v += spacing)
            want.push_back(v);
        std::vector<long long> got;
        for (long long v = span.first; v <= span.last; v += spacing)
            got.push_back(v);
        ASSERT_EQ(got, want) << low << " " << high << " " << spacing << " " << sheet;
    }
}

TEST(Gesture, DirectionPicksTheAction)
{
    const struct {
        int dx, dy;
        Gesture g;
    } cases[] = {
        {-11, -21, Gesture::ZoomIn},   {-11, 21, Gesture::ZoomOut}, {-11, 20, Gesture::ZoomLast},
        {-11, -20, Gesture::ZoomLast}, {-10, -50, Gesture::Center}, {10, 50, Gesture::Center},
        {0, 0, Gesture::Center},       {11, -21, Gesture::ZoomAll}, {11, 21, Gesture::ZoomRect},
        {11, 0, Gesture::Cancel},      {300, -20, Gesture::Cancel},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ClassifyGesture(c.dx, c.dy), c.g) << c.dx << "," << c.dy;
}

TEST(StatusFormat, HundredthsOfAnInch)
{
    EXPECT_EQ(CoordinateText(CPoint(12345, 67890)), "X: 123.45 Y: 678.90");
    EXPECT_EQ(CoordinateText(CPoint(0, 5)), "X:   0.00 Y:   0.05");
    EXPECT_EQ(CoordinateText(CPoint(1234567, 100)), "X:12345.67 Y:   1.00");
    // Left of and below the sheet the sign shows once.
    EXPECT_EQ(CoordinateText(CPoint(-150, -5)), "X:  -1.50 Y:  -0.05");
    EXPECT_EQ(ZoomText(1.44), "144%");
}

TEST(WindowPlacement, RoundTripAndDamagedTexts)
{
    CWindowPlacement w;
    w.show = CWindowPlacement::Maximized;
    w.left = 10, w.top = 20, w.right = 1210, w.bottom = 820;
    const std::string text = w.Format();
    EXPECT_EQ(text, "0,3,-1,-1,-1,-1,10,20,1210,820");
    const auto back = CWindowPlacement::Parse(text);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->Format(), text);
    for (const char* bad :
         {"", "1,2,3", "0,1,-1,-1,-1,-1,10,20,1210,820,5", "0,1,-1,-1,-1,-1,10,20,15,25",
          "0,1,-1,-1,-1,-1,10,20,99999999,820", "a,1,-1,-1,-1,-1,10,20,1210,820"})
        EXPECT_FALSE(CWindowPlacement::Parse(bad)) << bad;
}

TEST(SingleInstance, MessagesSurviveAnySplitAndGarbageIsDropped)
{
    const QByteArray data("/home/user/a.dcd\0", 17);
    const QByteArray wire = CSingleInstance::Encode(12, data) + CSingleInstance::Encode(12, "x");
    for (int cut = 0; cut <= wire.size(); ++cut) {
        QByteArray buffer = wire.left(cut);
        int code = 0;
        QByteArray got;
        const bool whole = CSingleInstance::Decode(buffer, code, got);
        EXPECT_EQ(whole, cut >= 8 + data.size()) << cut;
        if (whole) {
            EXPECT_EQ(code, 12);
            EXPECT_EQ(got, data);
            buffer += wire.mid(cut);
            ASSERT_TRUE(CSingleInstance::Decode(buffer, code, got));
            EXPECT_EQ(got, "x");
            EXPECT_TRUE(buffer.isEmpty());
        }
    }
    QByteArray garbage("\x0c\0\0\0\xff\xff\xff\x7f"
                       "abc",
                       11);
    int code = 0;
    QByteArray got;
    EXPECT_FALSE(CSingleInstance::Decode(garbage, code, got));
    EXPECT_TRUE(garbage.isEmpty());
}
