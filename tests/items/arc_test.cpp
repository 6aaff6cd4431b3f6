#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <vector>

#include "base/archive.h"
#include "items/arc.h"
#include "items/geometry.h"

namespace {

void ExpectAngles(const CArc& arc, int start, int end)
{
    EXPECT_EQ(arc.GetStartAngle(), start);
    EXPECT_EQ(arc.GetEndAngle(), end);
}

bool Contains(const CRect& box, const CPoint& p)
{
    return p.x >= box.left && p.x <= box.right && p.y >= box.top && p.y <= box.bottom;
}

void PutInt(std::vector<uint8_t>& bytes, int32_t v)
{
    const auto u = uint32_t(v);
    for (int i = 0; i < 4; ++i)
        bytes.push_back(uint8_t(u >> (8 * i)));
}

} // namespace

TEST(CArcConstruct, ReducesAnglesFromAboveOnly)
{
    ExpectAngles(CArc(CPoint(0, 0), 100, 370, 720), 10, 0);
    ExpectAngles(CArc(CPoint(0, 0), 100, INT_MAX, 359), INT_MAX % 360, 359);
    // Mirrored arcs carry negative angles; construction keeps them.
    ExpectAngles(CArc(CPoint(0, 0), 100, -90, 180), -90, 180);
    const CArc arc(CPoint(1, 2), 50, 10, 20, 0x8000, 16);
    EXPECT_TRUE(arc.IsFilled());
    EXPECT_EQ(arc.GetLineWidth(), 16);
    EXPECT_EQ(arc.IsArrow(), 0);
}

TEST(CArcSetArcPoint, ThreePointsGiveTheCircumcircle)
{
    const CArc half(CPoint(100, 0), CPoint(-100, 0), CPoint(0, 100), 0, 8);
    EXPECT_EQ(half.GetCenter(), CPoint(0, 0));
    EXPECT_EQ(half.GetRadial(), 100);
    ExpectAngles(half, 0, 180);

    // Counter-clockwise from the first to the second point: the lower half.
    const CArc lower(CPoint(-100, 0), CPoint(100, 0), CPoint(0, -100), 0, 8);
    ExpectAngles(lower, 180, 0);

    // No pair level, and the centre off the origin.
    const CArc offset(CPoint(1100, 2000), CPoint(1000, 2100), CPoint(900, 2000), 0, 8);
    EXPECT_EQ(offset.GetCenter(), CPoint(1000, 2000));
    EXPECT_EQ(offset.GetRadial(), 100);
    ExpectAngles(offset, 0, 90);

    // A point below the centre takes 360 - a.
    const CArc below(CPoint(0, -100), CPoint(100, 0), CPoint(-100, 0), 0, 8);
    ExpectAngles(below, 270, 0);

    // Exact angles must not truncate to one degree less through rounding.
    CArc sixty;
    sixty.SetArcPoint2(CPoint(500, 867), CPoint(-500, 867), CPoint(0, 0));
    EXPECT_EQ(sixty.GetRadial(), 1000);
    ExpectAngles(sixty, 60, 120);
}

TEST(CArcSetArcPoint, EqualFirstAndSecondMakeACircleAboutTheThird)
{
    const CArc circle(CPoint(30, 40), CPoint(30, 40), CPoint(0, 0), 0, 8);
    EXPECT_EQ(circle.GetCenter(), CPoint(0, 0));
    EXPECT_EQ(circle.GetRadial(), 50);
    ExpectAngles(circle, 0, 0);
    EXPECT_TRUE(circle.IsCircle());
}

TEST(CArcSetArcPoint, CollinearPointsKeepTheArc)
{
    CArc arc(CPoint(5, 5), 10, 0, 90);
    const CArc before = arc;
    arc.SetArcPoint(CPoint(0, 0), CPoint(200, 0), CPoint(100, 0));
    EXPECT_EQ(arc, before);
    arc.SetArcPoint(CPoint(0, 0), CPoint(200, 200), CPoint(100, 100));
    EXPECT_EQ(arc, before);
    arc.SetArcPoint(CPoint(0, 0), CPoint(200, 0), CPoint(0, 0)); // third on the first
    EXPECT_EQ(arc, before);
    // Nearly collinear across the whole range: the centre would not fit.
    arc.SetArcPoint(CPoint(INT_MIN, 0), CPoint(INT_MAX, 1), CPoint(0, 0));
    EXPECT_EQ(arc, before);
}

TEST(CArcSetAngle, SnapsAgainstTheOtherAngle)
{
    // Positions at 52 and 7 degrees on a circle of 1000 about the origin.
    const CPoint at52(616, 788);
    const CPoint at7(993, 122);
    CArc arc(CPoint(0, 0), 1000, 90, 0);
    arc.SetStartAngle(at52, 0);
    EXPECT_EQ(arc.GetStartAngle(), 51); // trunc of 51.98
    arc.SetStartAngle(at52, 1);
    EXPECT_EQ(arc.GetStartAngle(), 45);
    arc.SetStartAngle(at52, 2);
    EXPECT_EQ(arc.GetStartAngle(), 45);
    arc.SetStartAngle(at7, 1);
    EXPECT_EQ(arc.GetStartAngle(), 0);

    // Below the centre the angle is 360 - a; on the centre's level to the
    // right it is 0, not 360.
    arc.SetEndAngle(CPoint(0, -500), 0);
    EXPECT_EQ(arc.GetEndAngle(), 270);
    arc.SetEndAngle(CPoint(500, 0), 0);
    EXPECT_EQ(arc.GetEndAngle(), 0);

    // A position just below the other angle rounds to the nearer step too,
    // and the result stays within 0..359.
    CArc other(CPoint(0, 0), 1000, 0, 90);
    other.SetStartAngle(CPoint(174, 985), 1); // 80 degrees, 10 below 90
    EXPECT_EQ(other.GetStartAngle(), 75);
    other = CArc(CPoint(0, 0), 1000, 0, 10);
    other.SetStartAngle(CPoint(1000, 17), 1); // 0 degrees: 10 - 15 = -5
    EXPECT_EQ(other.GetStartAngle(), 355);
    other.SetStartAngle(CPoint(996, 87), 2); // 4 degrees, 6 below 10
    EXPECT_EQ(other.GetStartAngle(), 10);

    // The centre itself gives no direction.
    other.SetStartAngle(CPoint(0, 0), 1);
    EXPECT_EQ(other.GetStartAngle(), 10);
}

TEST(CArcSetCenter, MovesTheCentreAlongTheBisector)
{
    CArc arc(CPoint(0, 0), 100, 0, 180); // ends (100, 0) and (-100, 0)
    arc.SetCenter(CPoint(37, -50));
    EXPECT_EQ(arc.GetCenter(), CPoint(0, -50));
    EXPECT_EQ(arc.GetRadial(), 111); // trunc(sqrt(100^2 + 50^2))

    CArc vertical(CPoint(0, 0), 100, 90, 270); // ends (0, 100) and (0, -100)
    vertical.SetCenter(CPoint(-30, 77));
    EXPECT_EQ(vertical.GetCenter(), CPoint(-30, 0));

    // Oblique chord from (100, 0) to (0, 100): the bisector is y = x.
    CArc oblique(CPoint(0, 0), 100, 0, 90);
    oblique.SetCenter(CPoint(-40, -20));
    EXPECT_EQ(oblique.GetCenter(), CPoint(-30, -30));
    EXPECT_EQ(oblique.GetRadial(), 133);

    CArc circle(CPoint(0, 0), 100, 45, 45);
    const CArc before = circle;
    circle.SetCenter(CPoint(500, 500));
    EXPECT_EQ(circle, before);
}

TEST(CArcTransform, MirrorsMapAnglesWithoutReduction)
{
    CArc arc(CPoint(100, 0), 50, 0, 90);
    arc.MirrorX(CPoint(0, 0));
    EXPECT_EQ(arc.GetCenter(), CPoint(-100, 0));
    ExpectAngles(arc, 90, 180);

    CArc wide(CPoint(0, 0), 50, 0, 270);
    wide.MirrorX(CPoint(0, 0));
    ExpectAngles(wide, -90, 180);
    wide.MirrorX(CPoint(0, 0));
    ExpectAngles(wide, 0, 270);

    CArc y(CPoint(0, 100), 50, 0, 90);
    y.MirrorY(CPoint(0, 0));
    EXPECT_EQ(y.GetCenter(), CPoint(0, -100));
    ExpectAngles(y, 270, 360);

    // The arrow at the old end point is now at the new start point.
    CArc arrowed(CPoint(0, 0), 1000, 0, 90);
    arrowed.SetArrow(2);
    const CPoint tip = arrowed.GetArrowPolygon(false)[2];
    arrowed.MirrorX(CPoint(0, 0));
    EXPECT_EQ(arrowed.GetStartArrow(), 100);
    EXPECT_EQ(arrowed.GetEndArrow(), 0);
    EXPECT_EQ(arrowed.GetArrowPolygon(true)[2], CPoint(-tip.x, tip.y));
}

TEST(CArcTransform, RotationsReturnToTheStart)
{
    const CArc original(CPoint(130, -70), 40, 300, 20, 0, 8);
    const CPoint c(25, 45);
    for (int dir : {0, 1}) {
        CArc arc = original;
        for (int i = 0; i < 4; ++i)
            arc.Rotate(c, dir);
        EXPECT_EQ(arc, original);
    }
    CArc arc = original;
    arc.Rotate(c, 1);
    ExpectAngles(arc, 30, 110);
    EXPECT_EQ(arc.GetCenter(), CPoint(25 + 45 + 70, 45 - 25 + 130));
    arc.Rotate(c, 0);
    EXPECT_EQ(arc, original);
}

TEST(CArcTransform, OffsetDragsOneMarkedEndOrMovesTheArc)
{
    CArc arc(CPoint(0, 0), 1000, 0, 90);
    arc.SetCheck(CRect(900, -10, 1100, 10)); // only the start point
    EXPECT_EQ(arc.GetStartCheck(), 1);
    EXPECT_EQ(arc.GetEndCheck(), 0);
    EXPECT_TRUE(arc.CheckEdge());
    arc.Offset(CPoint(-1000, 10), 2); // the cursor at about 179 degrees
    ExpectAngles(arc, 180, 90);
    EXPECT_EQ(arc.GetCenter(), CPoint(0, 0));

    arc.SetCheck(1);
    arc.Offset(CPoint(5, -5));
    EXPECT_EQ(arc.GetCenter(), CPoint(5, -5));
    ExpectAngles(arc, 180, 90);

    // The check test counts the rectangle's edges, in either orientation.
    CArc edges(CPoint(0, 0), 100, 0, 90);
    edges.SetCheck(CRect(100, 100, 0, 0));
    EXPECT_EQ(edges.GetStartCheck(), 1);
    EXPECT_EQ(edges.GetEndCheck(), 1);
    EXPECT_FALSE(edges.CheckEdge());

    // SetCircle keeps the angle of the marked end.
    CArc circle(CPoint(0, 0), 100, 30, 60);
    circle.SetCheck(CRect(80, 40, 100, 60)); // (86, 50): start only
    circle.SetCircle();
    ExpectAngles(circle, 60, 60);
    circle = CArc(CPoint(0, 0), 100, 30, 60);
    circle.SetCircle();
    ExpectAngles(circle, 30, 30);
}

TEST(CArcArrow, PolygonFollowsTheArc)
{
    CArc arc(CPoint(0, 0), 1000, 0, 90);
    arc.SetArrow(1);
    arc.SetArrow(2);
    EXPECT_EQ(arc.IsArrow(), 3);
    // Notch, wing, tip, other wing.
    const auto start = arc.GetArrowPolygon(true);
    EXPECT_EQ(start[0], CPoint(997, 69));
    EXPECT_EQ(start[1], CPoint(970, 95));
    EXPECT_EQ(start[2], CPoint(1000, 0));
    EXPECT_EQ(start[3], CPoint(1021, 97));
    // The end head at 90 degrees mirrors the start head at 0 across y = x.
    const auto end = arc.GetArrowPolygon(false);
    EXPECT_EQ(end[0], CPoint(69, 997));
    EXPECT_EQ(end[1], CPoint(97, 1021));
    EXPECT_EQ(end[2], CPoint(0, 1000));
    EXPECT_EQ(end[3], CPoint(95, 970));

    arc.SetArrow(1);
    EXPECT_EQ(arc.IsArrow(), 2);
    EXPECT_EQ(arc.GetStartArrow(), 0);

    // No radius: the head is straight, and nothing divides by zero.
    CArc dot(CPoint(10, 10), 0, 0, 90);
    dot.SetArrow(100, 100);
    const auto straight = dot.GetArrowPolygon(true);
    EXPECT_EQ(straight[0], CPoint(10, 80));
    EXPECT_EQ(straight[2], CPoint(10, 10));
}

TEST(CArcBoundingRect, CoversTheArcAndItsArrows)
{
    const CArc quarter(CPoint(0, 0), 1000, 0, 90);
    const CRect box = quarter.GetBoundingRect();
    for (int a = 0; a <= 90; a += 5)
        EXPECT_TRUE(Contains(box, quarter.GetPoint(a))) << a;
    EXPECT_FALSE(Contains(box, CPoint(-1000, 0)));
    EXPECT_FALSE(Contains(box, CPoint(0, -1000)));
    EXPECT_LE(box.right, 1000 + 4 + 4 + 1);

    // Crossing 0 degrees: start above the end.
    const CArc crossing(CPoint(0, 0), 1000, 300, 60);
    const CRect cbox = crossing.GetBoundingRect();
    EXPECT_TRUE(Contains(cbox, CPoint(1000, 0)));
    EXPECT_FALSE(Contains(cbox, CPoint(-1000, 0)));

    // Equal angles: the whole circle.
    const CRect full = CArc(CPoint(0, 0), 1000, 45, 45).GetBoundingRect();
    for (int a = 0; a < 360; a += 90)
        EXPECT_TRUE(Contains(full, CArc(CPoint(0, 0), 1000, 0, 0).GetPoint(a))) << a;

    // Styled arcs get the wider margin; arrows widen the box.
    EXPECT_GT(CArc(CPoint(0, 0), 1000, 0, 90, 0x200).GetBoundingRect().right, box.right);
    CArc arrowed = quarter;
    arrowed.SetArrow(1);
    EXPECT_TRUE(Contains(arrowed.GetBoundingRect(), arrowed.GetArrowPolygon(true)[3]));
    EXPECT_FALSE(Contains(box, arrowed.GetArrowPolygon(true)[3]));

    // A filled arc is a pie: its centre is inside.
    EXPECT_FALSE(Contains(CArc(CPoint(0, 0), 1000, 30, 60).GetBoundingRect(), CPoint(0, 0)));
    EXPECT_TRUE(
        Contains(CArc(CPoint(0, 0), 1000, 30, 60, CArc::kFilled).GetBoundingRect(), CPoint(0, 0)));

    EXPECT_EQ(CArc(CPoint(10, 20), 100, 0, 90, 0, 8).GetBoundingRect2(),
              CRect(10 - 108, 20 - 108, 10 + 108, 20 + 108));
}

TEST(CArcStoredForm, RoundTripsWithArrows)
{
    CArc arc(CPoint(-1200, 3400), 250, 315, 45, CArc::kFilled | (2 << CArc::kStyleShift));
    arc.SetArrow(100, 2550);
    arc.SetCheck(1);
    CArchive out;
    arc.DataWrite(out);
    ASSERT_EQ(out.Bytes().size(), 8u + 4 * 4 + 2);
    EXPECT_EQ(out.Bytes()[24], 255); // low byte: end arrow / 10
    EXPECT_EQ(out.Bytes()[25], 10);  // high byte: start arrow / 10

    CArchive in(out.Bytes());
    CArc read;
    read.SetLineWidth(99);
    read.DataRead(in, 8);
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(read, arc);
    EXPECT_EQ(read.GetLineWidth(), 8);
    EXPECT_EQ(read.GetStartCheck(), 0);
    EXPECT_EQ(read.GetEndCheck(), 0);

    // Sizes beyond a byte are clamped, not spilled into the other arrow.
    CArc big(CPoint(0, 0), 1, 0, 0);
    big.SetArrow(0, 5000);
    CArchive bigOut;
    big.DataWrite(bigOut);
    CArchive bigIn(bigOut.Bytes());
    read.DataRead(bigIn, 8);
    EXPECT_EQ(read.GetStartArrow(), 0);
    EXPECT_EQ(read.GetEndArrow(), 2550);
}

TEST(CArcStoredForm, OldVersionsHaveNoArrowWord)
{
    std::vector<uint8_t> bytes;
    for (int32_t v : {100, -200, 300, 10, 350, 0x400})
        PutInt(bytes, v);
    bytes.push_back(0x0A); // the next record's first byte
    CArchive in(bytes);
    CArc arc;
    arc.SetArrow(100, 100);
    arc.DataRead(in, 7);
    EXPECT_EQ(in.Remaining(), 1u);
    EXPECT_EQ(arc.GetCenter(), CPoint(100, -200));
    EXPECT_EQ(arc.GetRadial(), 300);
    ExpectAngles(arc, 10, 350);
    EXPECT_EQ(arc.GetType(), 0x400);
    EXPECT_EQ(arc.IsArrow(), 0);

    // A short record raises and leaves the arc as it was.
    std::vector<uint8_t> shortBytes(bytes.begin(), bytes.begin() + 24);
    CArchive shortIn(shortBytes);
    const CArc before = arc;
    EXPECT_THROW(arc.DataRead(shortIn, 8), CArchiveException);
    EXPECT_EQ(arc, before);
}

TEST(CArcTextForm, RoundTripsAndToleratesDamage)
{
    CArc arc(CPoint(-5, 7), 300, 90, 180, 0x8000, 12);
    arc.SetArrow(100, 0);
    CArchive out;
    arc.SerializeText(out);
    const std::string text(out.Bytes().begin(), out.Bytes().end());
    EXPECT_EQ(text, "Arc -5 7 300 90 180 12 32768 100 0\n");

    CArc read;
    read.ReadTextRecord(CString(text.substr(0, text.size() - 1)));
    EXPECT_EQ(read, arc);

    CArc spaced;
    spaced.ReadTextRecord("  \tARC   1 2 3"); // missing numbers keep defaults
    EXPECT_EQ(spaced.GetCenter(), CPoint(1, 2));
    EXPECT_EQ(spaced.GetRadial(), 3);
    ExpectAngles(spaced, 0, 0);
    EXPECT_EQ(spaced.GetLineWidth(), 8);

    CArc damaged;
    damaged.ReadTextRecord("Arc 99999999999999999999 -99999999999999999999 x 5");
    EXPECT_EQ(damaged.GetCenter(), CPoint(kMaxCoord, -kMaxCoord));
    EXPECT_EQ(damaged.GetRadial(), 0);
    for (const char* junk : {"", "Arc", "\x81", "Arc \x81\x40 1", "Arc\t-"}) {
        CArc blank;
        blank.ReadTextRecord(junk);
        EXPECT_EQ(blank, CArc()) << junk;
    }
}

TEST(CArcHostile, DamagedValuesStaySafeAndBounded)
{
    const int radii[] = {0, 1, -5, INT_MAX, INT_MIN};
    const int angles[] = {0, -100000, INT_MAX, INT_MIN, 359};
    const CPoint centres[] = {CPoint(0, 0), CPoint(INT_MAX, INT_MIN), CPoint(INT_MIN, INT_MAX)};
    for (const CPoint& c : centres) {
        for (int r : radii) {
            for (int s : angles) {
                for (int e : angles) {
                    CArc arc;
                    std::vector<uint8_t> bytes;
                    for (int32_t v : {c.x, c.y, r, s, e, -1})
                        PutInt(bytes, v);
                    bytes.push_back(0xFF);
                    bytes.push_back(0xFF);
                    CArchive in(bytes);
                    if (IsCoordInRange(c) && IsCoordInRange(r)) {
                        arc.DataRead(in, 8);
                    } else {
                        // A file cannot bring such an arc; the operations
                        // must still stay safe for one built in code.
                        EXPECT_THROW(arc.DataRead(in, 8), CArchiveException);
                        arc = CArc(c, r, s, e, -1);
                        arc.SetArrow(2550, 2550);
                    }

                    const CRect box = arc.GetBoundingRect();
                    EXPECT_GE(box.Width(), 0);
                    EXPECT_GE(box.Height(), 0);
                    arc.GetBoundingRect2();
                    arc.GetArrowPolygon(true);
                    arc.GetArrowPolygon(false);
                    arc.SetCheck(CRect(INT_MIN, INT_MIN, INT_MAX, INT_MAX));
                    arc.SetCenter(CPoint(INT_MAX, INT_MAX));
                    arc.Rotate(CPoint(INT_MIN, INT_MAX), 1);
                    arc.Rotate(CPoint(INT_MAX, INT_MIN), 0);
                    arc.MirrorX(CPoint(INT_MAX, 0));
                    arc.MirrorY(CPoint(0, INT_MIN));
                    arc.MirrorX(CPoint(INT_MIN, 0));
                    arc.Offset(CPoint(INT_MAX, INT_MAX));
                    arc.SetCheck(CRect(INT_MIN, INT_MIN, INT_MAX, INT_MAX));
                    arc.SetStartAngle(CPoint(INT_MIN, INT_MIN), 1);
                    EXPECT_GE(arc.GetStartAngle(), 0);
                    EXPECT_LT(arc.GetStartAngle(), 360);
                    arc.SetEndAngle(CPoint(INT_MAX, INT_MIN), 2);
                    arc.SetStartAngle(INT_MIN);
                    arc.Offset(CPoint(0, 0), 2);
                    arc.SetArcPoint(CPoint(INT_MIN, INT_MIN), CPoint(INT_MAX, INT_MIN),
                                    CPoint(0, INT_MAX));
                    arc.SetArcPoint2(CPoint(INT_MIN, INT_MIN), CPoint(INT_MAX, INT_MAX),
                                     CPoint(INT_MAX, INT_MIN));
                    arc.GetBoundingRect();
                    CArchive out;
                    arc.DataWrite(out);
                    arc.SerializeText(out);
                }
            }
        }
    }
    // Mirroring the most negative angle stays an int and the same direction.
    CArc arc(CPoint(0, 0), 10, INT_MIN, 0);
    arc.MirrorY(CPoint(0, 0));
    EXPECT_EQ(arc.GetEndAngle(), int((360 - int64_t(INT_MIN)) % 360));
    // A circle far across the range keeps its whole radius.
    CArc huge(CPoint(30, 40), CPoint(30, 40), CPoint(INT_MIN, INT_MIN), 0, 8);
    EXPECT_EQ(huge.GetRadial(), INT_MAX);
}

// The bounding walk as first written, evaluating cos and sin at every step:
// the reference for the walk that looks the values up.
static CRect LiteralArcBox(const CArc& arc, int type)
{
    const int64_t k = type != 0 ? 12 : 4;
    const auto wrap = [](int64_t a) { return ((a % 360) + 360) % 360; };
    int64_t s = wrap(arc.GetStartAngle()), e = wrap(arc.GetEndAngle());
    if (s > e)
        s -= 360;
    else if (s == e)
        e = s + 360;
    const double rk = double(arc.GetRadial()) + double(k);
    int64_t minX = INT64_MAX, minY = INT64_MAX, maxX = INT64_MIN, maxY = INT64_MIN;
    for (int64_t i = s - 1; i <= e + 1; ++i) {
        const double a = double(i) * 0.017453292519943278;
        const int64_t x = arc.GetCenter().x + int64_t(std::trunc(rk * std::cos(a)));
        const int64_t y = arc.GetCenter().y + int64_t(std::trunc(rk * std::sin(a)));
        minX = std::min(minX, x), maxX = std::max(maxX, x);
        minY = std::min(minY, y), maxY = std::max(maxY, y);
    }
    return CRect(int(minX - k), int(minY - k), int(maxX + k), int(maxY + k));
}

TEST(CArc, BoundingWalkMatchesTheLiteralOne)
{
    uint32_t seed = 99;
    const auto next = [&seed](uint32_t m) { seed = seed * 1664525u + 1013904223u;
        return (seed >> 8) % m; };
    for (int i = 0; i < 3000; ++i) {
        const int start = int(next(1440)) - 720, end = int(next(1440)) - 720;
        const int radius = 1 + int(next(20000));
        const int type = next(4) == 0 ? 1 : 0;
        const CPoint centre(int(next(30000)) - 15000, int(next(30000)) - 15000);
        const CArc arc(centre, radius, start, end, type);
        const CRect box = arc.GetBoundingRect();
        const CRect literal = LiteralArcBox(arc, type);
        ASSERT_EQ(box, literal) << start << " " << end << " " << radius;
    }
}

TEST(CArc, BoundingWalkAtTheRectangleLimitStaysWithinIt)
{
    // Part of the circle lies past the limit: the walk goes step by step.
    const CArc arc(CPoint(0x3FFFFFFF - 50, 0), 100, 0, 0);
    const CRect box = arc.GetBoundingRect();
    EXPECT_EQ(box.right, 0x3FFFFFFF);
    // Radius plus the allowance 4, and the box 4 wider again.
    EXPECT_EQ(box.left, 0x3FFFFFFF - 50 - 108);
    EXPECT_EQ(box.top, -108);
    EXPECT_EQ(box.bottom, 108);
}
