#include "items/line.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <vector>

#include "base/archive.h"
#include "base/host.h"
#include "base/memoryprofile.h"
#include "base/profile.h"
#include "items/geometry.h"

namespace {

std::unique_ptr<MemoryProfile>
Settings(std::initializer_list<std::pair<const char*, int>> values = {})
{
    auto profile = std::make_unique<MemoryProfile>();
    for (const auto& [key, value] : values)
        profile->WriteInt("Default", key, value);
    return profile;
}

class ShiftHost : public CSilentHost {
public:
    explicit ShiftHost(bool down) : m_down(down) {}
    bool IsShiftDown() override { return m_down; }

private:
    bool m_down;
};

CLine Wire(int x1, int y1, int x2, int y2, uint32_t type = CLine::kWire, int width = 8)
{
    CLine l(CPoint(x1, y1), CPoint(x2, y2), type);
    l.SetLineWidth(width);
    return l;
}

void Named(CLine& l, const char* name, const CPoint& at, uint32_t attr = CText::kDefaultAttr)
{
    l.GetNameText().SetName(name, at, 70, attr);
}

std::vector<uint8_t> Written(const CLine& l, bool withNames = true)
{
    CArchive ar;
    l.DataWrite(ar, withNames);
    return ar.Bytes();
}

CLine ReadBack(const std::vector<uint8_t>& bytes, int version, size_t* consumed = nullptr)
{
    CArchive ar(bytes);
    CLine l;
    l.DataRead(ar, version);
    if (consumed)
        *consumed = ar.Position();
    return l;
}

std::vector<CString> TextLines(const CLine& l)
{
    CArchive ar;
    l.SerializeText(ar);
    CArchive in(ar.Bytes());
    std::vector<CString> lines;
    CString line;
    while (in.ReadString(line))
        lines.push_back(line);
    return lines;
}

} // namespace

// --- construction and simple state ---------------------------------------------------

TEST(CLineBasics, DefaultsArrowToggleAndWidthSettings)
{
    CLine l(CPoint(1, 2), CPoint(3, 4), CLine::kPlain | (2u << CLine::kStyleShift));
    EXPECT_EQ(l.GetLineWidth(), 8);
    EXPECT_EQ(l.GetNameText().GetSize(), 70);
    EXPECT_EQ(l.GetNameText().GetAngle(), 8u);
    EXPECT_EQ(CLine::PenStyleOf(l.GetStyle()), 1); // dashed is pen style 1
    EXPECT_EQ(CLine::PenStyleOf(7), 0);

    l.SetArrow(2);
    l.SetArrow(1);
    l.SetArrow(2);
    EXPECT_EQ(l.GetStartArrow(), 100);
    EXPECT_EQ(l.GetEndArrow(), 0);
    EXPECT_EQ(l.IsArrow(), 1);

    CScopedProfile scoped(Settings({{"LineWidth", 9}}));
    EXPECT_EQ(CLine::WidthFromSettings(3 | CLine::kPower), 16); // kind 3 is a wire
    EXPECT_EQ(CLine::WidthFromSettings(CLine::kBus | CLine::kPower), 24);
    EXPECT_EQ(CLine::WidthFromSettings(CLine::kPlain | CLine::kPower), 9);
}

TEST(CLineBasics, CheckFlagsFromRectangleAndPoint)
{
    CLine l = Wire(0, 0, 100, 0);
    l.SetCheck(CRect(100, 10, -10, -10)); // not normalised, start and edge inclusive
    EXPECT_EQ(l.GetStartCheck(), 1);
    EXPECT_EQ(l.GetEndCheck(), 1);
    l.SetCheck(CRect(50, -5, 150, 5));
    EXPECT_EQ(l.GetStartCheck(), 0);
    EXPECT_EQ(l.GetEndCheck(), 1);
    l.SetCheck(CPoint(0, 0), 7);
    EXPECT_EQ(l.GetStartCheck(), 7);
    EXPECT_EQ(l.GetEndCheck(), 1);
}

TEST(CLineBasics, EqualityIgnoresRuntimeBitsAndCompareAddsNames)
{
    CLine a = Wire(0, 0, 100, 0);
    CLine b = a;
    b.ModifyType(0, CLine::kHighlight | CLine::kWorkMark1 | CLine::kWorkMark2);
    b.SetCheck(1);
    b.SetLineWidth(30);
    EXPECT_EQ(a, b);
    b.ModifyType(0, CLine::kPower);
    EXPECT_NE(a, b);

    CLine c = a;
    c.SetArrow(0, 100);
    EXPECT_NE(a, c);

    CLine d = a;
    Named(d, "N", CPoint(10, 10));
    EXPECT_EQ(a, d);
    EXPECT_FALSE(a.Compare(d));
    Named(a, "N", CPoint(10, 10));
    EXPECT_TRUE(a.Compare(d));
}

TEST(CLineBasics, SetNamePlacesAnchorBySideOfClick)
{
    CScopedProfile scoped(Settings({{"WireAttrHeight", 50}, {"BusAttrHeight", 90}}));
    CLine h = Wire(0, 0, 1000, 0);
    h.SetName("A", CPoint(100, 50), 2);
    EXPECT_EQ(h.GetNameText().GetAngle(), 8u);
    EXPECT_EQ(h.GetNameText().GetSize(), 50);
    EXPECT_EQ(h.GetNameText().GetPoint(), CPoint(100, 50));
    h.SetName("A", CPoint(100, -50), 2);
    EXPECT_EQ(h.GetNameText().GetAngle(), 2u);

    CLine v = Wire(0, 0, 0, 1000, CLine::kBus);
    v.SetName("B", CPoint(30, 500), 2);
    EXPECT_EQ(v.GetNameText().GetAngle(), 0x108u);
    EXPECT_EQ(v.GetNameText().GetSize(), 90);
    v.SetName("B", CPoint(-30, 500), 0x20);
    EXPECT_EQ(v.GetNameText().GetAngle(), 0x12Au);
    // Flag 0 keeps the attribute the name had.
    v.SetName("C", CPoint(-30, 500), 0);
    EXPECT_EQ(v.GetNameText().GetAngle(), 0x12Au);
    EXPECT_EQ(v.GetName(), "C");
}

// --- angle lock -------------------------------------------------------------------------

TEST(CLineLockPoint, SnapsToAxesAndDiagonals)
{
    auto lock = [](int x, int y, int mode) {
        CLine l = Wire(0, 0, x, y);
        return l.LockPoint(mode);
    };
    EXPECT_EQ(lock(1000, 364, 0), CPoint(1000, 364));
    EXPECT_EQ(lock(1000, 900, 1), CPoint(1000, 0));
    EXPECT_EQ(lock(-900, -1000, 1), CPoint(0, -1000));
    // 20 degrees snaps to horizontal.
    EXPECT_EQ(lock(1000, 364, 2), CPoint(1000, 0));
    // Near 45 degrees the end moves onto the diagonal: dx = dy.
    EXPECT_EQ(lock(500, 480, 2), CPoint(500, 500));
    EXPECT_EQ(lock(480, 500, 2), CPoint(500, 500));
    EXPECT_EQ(lock(100, 567, 2), CPoint(0, 567));
    EXPECT_EQ(lock(-500, 300, 2), CPoint(-500, 500));
    EXPECT_EQ(lock(-1000, -200, 2), CPoint(-1000, 0));
    EXPECT_EQ(lock(500, -290, 2), CPoint(290, -290));
    // A start away from the origin.
    CLine l = Wire(100, 100, 600, 580);
    EXPECT_EQ(l.LockPoint(5), CPoint(600, 600));
    EXPECT_EQ(l.GetEndPoint(), CPoint(600, 600));
}

TEST(CLineLockPoint, SectorBoundaryAt310Degrees)
{
    CLine steep = Wire(0, 0, 100, -337); // b just below 310: vertical
    EXPECT_EQ(steep.LockPoint(2), CPoint(0, -337));
    CLine b312 = Wire(0, 0, 100, -282); // b about 312: the anti-diagonal, not vertical
    EXPECT_EQ(b312.LockPoint(2), CPoint(282, -282));
}

// --- normal direction -------------------------------------------------------------------

TEST(CLineNormalPoint, SwapsEndsWithArrowsAndChecks)
{
    CLine h = Wire(100, 0, 0, 0, CLine::kPlain);
    h.SetArrow(100, 0);
    h.SetCheck(CPoint(100, 0), 1);
    EXPECT_TRUE(h.NormalPoint());
    EXPECT_EQ(h.GetStartPoint(), CPoint(0, 0));
    EXPECT_EQ(h.GetEndPoint(), CPoint(100, 0));
    EXPECT_EQ(h.GetStartArrow(), 0);
    EXPECT_EQ(h.GetEndArrow(), 100);
    EXPECT_EQ(h.GetStartCheck(), 0);
    EXPECT_EQ(h.GetEndCheck(), 1);
    EXPECT_FALSE(h.NormalPoint());

    CLine v = Wire(0, 0, 0, 100);
    EXPECT_TRUE(v.NormalPoint());
    EXPECT_EQ(v.GetStartPoint(), CPoint(0, 100));
    EXPECT_EQ(v.GetEndPoint(), CPoint(0, 0));

    CLine oblique = Wire(100, 100, 0, 0);
    EXPECT_FALSE(oblique.NormalPoint());
    oblique.Swap();
    EXPECT_EQ(oblique.GetStartPoint(), CPoint(100, 100));

    CLine n = Wire(0, 0, 100, 0);
    n.Swap(); // unconditional for axis lines
    EXPECT_EQ(n.GetStartPoint(), CPoint(100, 0));
    EXPECT_TRUE(n.IsHVLine(30));
    EXPECT_FALSE(n.IsHVLine(31));
    EXPECT_FALSE(Wire(5, 5, 5, 5).IsHVLine(30));
    EXPECT_FALSE(Wire(5, 5, 5, 5).IsHVLine(31));
}

// --- merging -------------------------------------------------------------------------------

TEST(CLineTrim, RefusalsLeaveBothLinesAlone)
{
    CLine a = Wire(0, 0, 100, 0), b = Wire(100, 0, 200, 0);
    Named(a, "A", CPoint(0, 10));
    Named(b, "B", CPoint(100, 10));
    EXPECT_FALSE(a.Trim(b));

    CLine plain = Wire(0, 0, 100, 0, CLine::kPlain), arrowed = Wire(100, 0, 200, 0, CLine::kPlain);
    arrowed.SetArrow(0, 100);
    EXPECT_FALSE(plain.Trim(arrowed));

    CLine same = Wire(0, 0, 100, 0), copy = same;
    EXPECT_FALSE(same.Trim(copy));

    CLine wire = Wire(0, 0, 100, 0), power = Wire(100, 0, 200, 0, CLine::kPower);
    EXPECT_FALSE(wire.Trim(power));
    CLine marked = Wire(100, 0, 200, 0);
    marked.ModifyType(0, CLine::kWorkMark2);
    EXPECT_FALSE(wire.Trim(marked));

    // Not collinear: the normalisation is undone.
    CLine r = Wire(100, 0, 0, 0), up = Wire(0, 0, 0, 100);
    EXPECT_FALSE(r.Trim(up));
    EXPECT_EQ(r.GetStartPoint(), CPoint(100, 0));
    EXPECT_EQ(up.GetStartPoint(), CPoint(0, 0));
    CLine other = Wire(200, 10, 100, 10);
    EXPECT_FALSE(r.Trim(other));
    EXPECT_EQ(r.GetStartPoint(), CPoint(100, 0));
    EXPECT_EQ(other.GetStartPoint(), CPoint(200, 10));

    // A gap between collinear pieces is never bridged.
    CLine left = Wire(0, 0, 100, 0), right = Wire(300, 0, 200, 0);
    EXPECT_FALSE(left.Trim(right));
    EXPECT_EQ(left.GetEndPoint(), CPoint(100, 0));
    EXPECT_EQ(right.GetStartPoint(), CPoint(300, 0));
    CLine low = Wire(0, 100, 0, 0), high = Wire(0, 300, 0, 200);
    EXPECT_FALSE(high.Trim(low));
}

TEST(CLineTrim, JoinsAndTakesOverTheName)
{
    CLine a = Wire(100, 0, 0, 0), b = Wire(100, 0, 250, 0);
    Named(b, "CLK", CPoint(150, 10));
    ASSERT_TRUE(a.Trim(b));
    EXPECT_EQ(a.GetStartPoint(), CPoint(0, 0));
    EXPECT_EQ(a.GetEndPoint(), CPoint(250, 0));
    EXPECT_EQ(a.GetName(), "CLK");

    CLine named = Wire(0, 0, 100, 0), unnamed = Wire(100, 0, 200, 0);
    Named(named, "D0", CPoint(0, 10));
    ASSERT_TRUE(named.Trim(unnamed));
    EXPECT_EQ(named.GetName(), "D0");

    CLine v1 = Wire(0, 0, 0, 100), v2 = Wire(0, 300, 0, 100);
    ASSERT_TRUE(v1.Trim(v2));
    EXPECT_EQ(v1.GetStartPoint(), CPoint(0, 300));
    EXPECT_EQ(v1.GetEndPoint(), CPoint(0, 0));
}

// --- overlap cleaning --------------------------------------------------------------------------

TEST(CLineClean, DifferentWidthWiresKeepSharedStretchOnTheWiderOne)
{
    // This line narrower: it gives way at its end.
    CLine a = Wire(0, 0, 200, 0, CLine::kWire, 8), b = Wire(100, 0, 300, 0, CLine::kPower, 16);
    EXPECT_FALSE(a.Clean(b, -1));
    EXPECT_EQ(a.GetEndPoint(), CPoint(100, 0));
    EXPECT_EQ(b.GetStartPoint(), CPoint(100, 0));
    EXPECT_EQ(b.GetEndPoint(), CPoint(300, 0));

    // This line wider: the other gives way at its start.
    CLine c = Wire(0, 0, 200, 0, CLine::kPower, 16), d = Wire(100, 0, 300, 0, CLine::kWire, 8);
    EXPECT_FALSE(c.Clean(d, -1));
    EXPECT_EQ(c.GetEndPoint(), CPoint(200, 0));
    EXPECT_EQ(d.GetStartPoint(), CPoint(200, 0));

    // The other's end inside: the same rule from the other side.
    CLine e = Wire(100, 0, 300, 0, CLine::kWire, 8), f = Wire(0, 0, 200, 0, CLine::kPower, 16);
    EXPECT_FALSE(e.Clean(f, -1));
    EXPECT_EQ(e.GetStartPoint(), CPoint(200, 0));
    EXPECT_EQ(f.GetEndPoint(), CPoint(200, 0));

    // Only touching (bounds are strict here): nothing changes.
    CLine g = Wire(0, 0, 100, 0), h = Wire(100, 0, 200, 0, CLine::kPower, 16);
    EXPECT_FALSE(g.Clean(h, -1));
    EXPECT_EQ(g.GetEndPoint(), CPoint(100, 0));

    // Giving way never cuts a line down to a point: the other line's end
    // meets this one's end, so its start would land on its end.
    CLine k = Wire(0, 0, 200, 0, CLine::kPower, 16), m = Wire(100, 0, 200, 0, CLine::kWire, 8);
    EXPECT_FALSE(k.Clean(m, -1));
    EXPECT_EQ(m.GetStartPoint(), CPoint(100, 0));
    EXPECT_EQ(k.GetEndPoint(), CPoint(200, 0));

    // Only a wire gives way.
    CLine bus = Wire(0, 0, 200, 0, CLine::kBus, 24),
          bus2 = Wire(100, 0, 300, 0, CLine::kBus | CLine::kPower, 8);
    EXPECT_FALSE(bus.Clean(bus2, -1));
    EXPECT_EQ(bus.GetEndPoint(), CPoint(200, 0));
    EXPECT_EQ(bus2.GetStartPoint(), CPoint(100, 0));
}

TEST(CLineClean, SameTypeMergesTouchingOverlappingAndContainedLines)
{
    CLine a = Wire(0, 0, 100, 0), b = Wire(100, 0, 200, 0);
    b.ModifyType(0, CLine::kHighlight); // runtime bits do not make another type
    EXPECT_TRUE(a.Clean(b, -1));
    EXPECT_EQ(a.GetEndPoint(), CPoint(200, 0));

    CLine far = Wire(300, 0, 400, 0);
    EXPECT_FALSE(a.Clean(far, -1));

    // A line that lies wholly inside the other is merged too.
    CLine inner = Wire(50, 0, 80, 0), outer = Wire(0, 0, 200, 0);
    EXPECT_TRUE(inner.Clean(outer, -1));
    EXPECT_EQ(inner.GetStartPoint(), CPoint(0, 0));
    EXPECT_EQ(inner.GetEndPoint(), CPoint(200, 0));

    // Vertical lines in normal direction.
    CLine v1 = Wire(0, 300, 0, 100), v2 = Wire(0, 150, 0, 0);
    EXPECT_TRUE(v1.Clean(v2, -1));
    EXPECT_EQ(v1.GetStartPoint(), CPoint(0, 300));
    EXPECT_EQ(v1.GetEndPoint(), CPoint(0, 0));

    // Refusals: names, arrows, other axis lines.
    CLine n1 = Wire(0, 0, 100, 0), n2 = Wire(50, 0, 150, 0);
    Named(n1, "A", CPoint());
    Named(n2, "B", CPoint());
    EXPECT_FALSE(n1.Clean(n2, -1));
    CLine p1 = Wire(0, 0, 100, 0, CLine::kPlain), p2 = Wire(50, 0, 150, 0, CLine::kPlain);
    p2.SetArrow(100, 0);
    EXPECT_FALSE(p1.Clean(p2, -1));
    CLine off = Wire(50, 1, 150, 1);
    EXPECT_FALSE(n1.Clean(off, -1));
    EXPECT_EQ(n1.GetEndPoint(), CPoint(100, 0));
}

TEST(CLineClean, JunctionModesKeepJunctionsAtLineEnds)
{
    auto pair = [](int mode, bool bStartInside, CLine& a, CLine& b) {
        a = bStartInside ? Wire(0, 0, 200, 0) : Wire(100, 0, 300, 0);
        b = bStartInside ? Wire(100, 0, 300, 0) : Wire(0, 0, 200, 0);
        return a.Clean(b, mode);
    };
    CLine a, b;
    // Junction at this line's start; the other's start inside.
    EXPECT_TRUE(pair(1, true, a, b));
    EXPECT_EQ(a.GetEndPoint(), CPoint(300, 0));
    EXPECT_FALSE(pair(1 | 4, true, a, b));
    EXPECT_EQ(a.GetEndPoint(), CPoint(100, 0));
    EXPECT_EQ(b.GetStartPoint(), CPoint(100, 0));
    // Junction at this line's start; the other's end inside: the other is cut back.
    EXPECT_FALSE(pair(1, false, a, b));
    EXPECT_EQ(b.GetEndPoint(), CPoint(100, 0));
    EXPECT_FALSE(pair(1 | 8, false, a, b));
    EXPECT_EQ(b.GetEndPoint(), CPoint(200, 0));
    EXPECT_EQ(a.GetStartPoint(), CPoint(100, 0));

    // Junction at this line's end, mirror image.
    EXPECT_FALSE(pair(2, true, a, b));
    EXPECT_EQ(b.GetStartPoint(), CPoint(200, 0));
    EXPECT_FALSE(pair(2 | 4, true, a, b));
    EXPECT_EQ(b.GetStartPoint(), CPoint(100, 0));
    EXPECT_TRUE(pair(2, false, a, b));
    EXPECT_EQ(a.GetStartPoint(), CPoint(0, 0));
    EXPECT_FALSE(pair(2 | 8, false, a, b));
    EXPECT_EQ(a.GetStartPoint(), CPoint(200, 0));

    // A junction at the other's start, which is also this line's start: this
    // line lies wholly on the other one and goes, as it does in every mode
    // (it takes the other's extent, the other is the redundant one).
    CLine s1 = Wire(0, 0, 200, 0), s2 = Wire(0, 0, 300, 0);
    EXPECT_TRUE(s1.Clean(s2, 1 | 4));
    EXPECT_EQ(s1.GetEndPoint(), CPoint(300, 0));
    // Listed first, the short one goes too; not when the long one has
    // junctions at both ends.
    CLine shortFirst = Wire(100, 0, 200, 0), longer = Wire(0, 0, 300, 0);
    EXPECT_TRUE(shortFirst.Clean(longer, 4));
    EXPECT_EQ(shortFirst.GetStartPoint(), CPoint(0, 0));
    EXPECT_EQ(shortFirst.GetEndPoint(), CPoint(300, 0));
    shortFirst = Wire(100, 0, 200, 0);
    EXPECT_FALSE(shortFirst.Clean(longer, 12));
    EXPECT_EQ(shortFirst.GetEndPoint(), CPoint(200, 0));

    // No junction at this line: only a contained line is redundant.
    CLine outer = Wire(0, 0, 300, 0), inner = Wire(100, 0, 200, 0);
    EXPECT_TRUE(outer.Clean(inner, 0));
    EXPECT_TRUE(outer.Clean(inner, 12));
    EXPECT_FALSE(pair(0, true, a, b));
    EXPECT_EQ(a.GetEndPoint(), CPoint(200, 0));
    EXPECT_TRUE(outer.Clean(inner, 1));
    // Junctions at both ends of this line.
    EXPECT_FALSE(outer.Clean(inner, 3));
    EXPECT_FALSE(outer.Clean(inner, 7));
}

// --- hit tests ---------------------------------------------------------------------------------

TEST(CLineCheckPoint, PointOnSegmentNameAndArrowStrokes)
{
    CLine h = Wire(0, 0, 1000, 0);
    EXPECT_TRUE(h.CheckPoint(CPoint(500, 8))); // axis lines: the full width
    EXPECT_TRUE(h.CheckPoint(CPoint(-8, -8)));
    EXPECT_FALSE(h.CheckPoint(CPoint(500, 9)));

    CLine d = Wire(0, 0, 1000, 1000);
    EXPECT_TRUE(d.CheckPoint(CPoint(500, 505))); // 3.5 across: within half the width
    EXPECT_FALSE(d.CheckPoint(CPoint(500, 507)));
    EXPECT_TRUE(d.CheckPoint(CPoint(1000, 1000)));
    EXPECT_FALSE(d.CheckPoint(CPoint(1003, 1003))); // beyond the end along the line
    EXPECT_FALSE(d.CheckPoint(CPoint(-2, -1)));

    // An empty name sits at the origin with an empty box: it must not be hit.
    CLine away = Wire(500, 500, 600, 500);
    EXPECT_FALSE(away.CheckPoint(CPoint(0, 0)));
    Named(away, "NET", CPoint(500, 520));
    const CRect box = away.GetNameText().GetBoundingRect();
    const CPoint inName((box.left + box.right) / 2, (box.top + box.bottom) / 2);
    ASSERT_FALSE(Wire(500, 500, 600, 500).CheckPoint(inName));
    EXPECT_TRUE(away.CheckPoint(inName));
    away.GetNameText().Disp(false);
    EXPECT_FALSE(away.CheckPoint(inName));

    // Arrow strokes at 15 degrees reach outside the segment's own box.
    CLine arrow = Wire(0, 0, 1000, 0, CLine::kPlain);
    EXPECT_FALSE(arrow.CheckPoint(CPoint(952, 12)));
    arrow.SetArrow(0, 100);
    EXPECT_TRUE(arrow.CheckPoint(CPoint(952, 12)));
    EXPECT_TRUE(arrow.CheckPoint(CPoint(952, -12)));
    EXPECT_FALSE(arrow.CheckPoint(CPoint(952, 30)));
    EXPECT_FALSE(arrow.CheckPoint(CPoint(48, 12)));
    arrow.SetArrow(100, 0);
    EXPECT_TRUE(arrow.CheckPoint(CPoint(48, 12)));
    EXPECT_FALSE(arrow.CheckPoint(CPoint(952, 12)));
}

TEST(CLineCheckPoint, RectangleOnObliqueAndAxisLines)
{
    CLine d = Wire(0, 0, 1000, 1000);
    EXPECT_TRUE(d.CheckPoint(CRect(450, 400, 550, 600)));  // crosses, no end inside
    EXPECT_TRUE(d.CheckPoint(CRect(550, 600, 450, 400)));  // not normalised
    EXPECT_FALSE(d.CheckPoint(CRect(600, 100, 900, 300))); // inside the box, beside the line
    EXPECT_TRUE(d.CheckPoint(CRect(510, 400, 700, 505)));  // a corner within half the width
    EXPECT_TRUE(d.CheckPoint(CRect(-50, -50, 10, 10)));    // holds an end
    EXPECT_FALSE(d.CheckPoint(CRect(2000, 0, 3000, 100)));

    CLine h = Wire(0, 0, 1000, 0);
    EXPECT_TRUE(h.CheckPoint(CRect(100, -100, 200, 3)));
    EXPECT_FALSE(h.CheckPoint(CRect(100, 4, 200, 100))); // only touches the grown box
    EXPECT_FALSE(h.CheckPoint(CRect(1010, -5, 1100, 5)));
}

TEST(CLineBoundingRect, HoldsWidthArrowsAndName)
{
    CLine l = Wire(0, 0, 1000, 0, CLine::kPlain);
    EXPECT_EQ(l.GetBoundingRect(), CRect(-8, -8, 1008, 8));
    l.SetArrow(0, 100);
    EXPECT_EQ(l.GetBoundingRect(), CRect(-8, -25, 1008, 25));
    Named(l, "LBL", CPoint(0, 100));
    const CRect name = l.GetNameText().GetBoundingRect();
    const CRect r = l.GetBoundingRect();
    EXPECT_EQ(r.bottom, name.bottom);
    EXPECT_EQ(r.top, -25);
    // A zero-length line points along x: its strokes still count.
    CLine dot(CPoint(0, 0), CPoint(0, 0), CLine::kPlain);
    dot.SetLineWidth(0);
    dot.SetArrow(100, 0);
    EXPECT_EQ(dot.GetBoundingRect(), CRect(0, -25, 96, 25));
}

// --- moves and transforms
// --------------------------------------------------------------------------

TEST(CLineOffset, OneMarkedEndMovesAlone)
{
    CLine l = Wire(0, 0, 100, 0);
    Named(l, "N", CPoint(0, 10));
    l.SetCheck(CPoint(0, 0), 1);
    l.Offset(CPoint(5, 7));
    EXPECT_EQ(l.GetStartPoint(), CPoint(5, 7));
    EXPECT_EQ(l.GetEndPoint(), CPoint(100, 0));
    EXPECT_EQ(l.GetNameText().GetPoint(), CPoint(0, 10));

    l.SetCheck(0);
    l.SetCheck(CPoint(100, 0), 1);
    l.Offset(CPoint(1, 1));
    EXPECT_EQ(l.GetStartPoint(), CPoint(5, 7));
    EXPECT_EQ(l.GetEndPoint(), CPoint(101, 1));

    for (int flag : {0, 1}) {
        l.SetCheck(flag);
        l.Offset(CPoint(10, 0));
    }
    EXPECT_EQ(l.GetStartPoint(), CPoint(25, 7));
    EXPECT_EQ(l.GetEndPoint(), CPoint(121, 1));
    EXPECT_EQ(l.GetNameText().GetPoint(), CPoint(20, 10));
}

TEST(CLineOffset, SelectedNameSlidesAlongTheLineWithoutShift)
{
    CLine h = Wire(0, 0, 1000, 0);
    Named(h, "N", CPoint(0, 10));
    h.GetCrossNameText().SetName("X", CPoint(0, 50), 70, 8);
    h.OffsetAttr(CPoint(30, 40), false);
    EXPECT_EQ(h.GetNameText().GetPoint(), CPoint(0, 10)); // not selected
    h.GetNameText().SetTextSel(true);
    h.GetCrossNameText().SetTextSel(true);
    h.OffsetAttr(CPoint(30, 40), false);
    EXPECT_EQ(h.GetNameText().GetPoint(), CPoint(30, 10));
    EXPECT_EQ(h.GetCrossNameText().GetPoint(), CPoint(30, 50));
    h.OffsetAttr(CPoint(1, 2), true);
    EXPECT_EQ(h.GetNameText().GetPoint(), CPoint(31, 12));

    CLine v = Wire(0, 0, 0, 1000);
    Named(v, "N", CPoint(10, 0));
    v.GetNameText().SetTextSel(true);
    {
        CScopedHost host(std::make_unique<ShiftHost>(false));
        v.OffsetAttr(CPoint(30, 40));
    }
    EXPECT_EQ(v.GetNameText().GetPoint(), CPoint(10, 40));
    {
        CScopedHost host(std::make_unique<ShiftHost>(true));
        v.OffsetAttr(CPoint(30, 40));
    }
    EXPECT_EQ(v.GetNameText().GetPoint(), CPoint(40, 80));
}

TEST(CLineTransform, IdentitiesKeepPointsAndNames)
{
    CLine l = Wire(100, 200, 500, 200);
    Named(l, "N1", CPoint(150, 220), anchor::BottomRight);
    l.GetCrossNameText().SetName("X", CPoint(150, 300), 70, anchor::TopLeft);
    const CLine original = l;
    const CPoint c(37, -11);
    auto same = [&](const CLine& x) {
        return x.Compare(original) && x.GetCrossNameText() == original.GetCrossNameText();
    };

    for (int dir : {0, 1}) {
        CLine r = l;
        for (int i = 0; i < 4; ++i)
            r.Rotate(c, dir);
        EXPECT_TRUE(same(r)) << "dir " << dir;
    }
    CLine r = l;
    r.Rotate(c, 1);
    EXPECT_EQ(r.GetStartPoint(), CPoint(37 - 11 - 200, -11 - 37 + 100));
    // Names turn without a change of anchor.
    EXPECT_EQ(r.GetNameText().GetDir(), dir::k90);
    EXPECT_EQ(r.GetNameText().GetOrg(), anchor::BottomRight);
    r.Rotate(c, 0);
    EXPECT_TRUE(same(r));

    CLine m = l;
    m.MirrorX(c);
    EXPECT_EQ(m.GetStartPoint(), CPoint(2 * 37 - 100, 200));
    EXPECT_EQ(m.GetNameText().GetOrg(), anchor::BottomLeft); // horizontal line: re-anchored
    m.MirrorX(c);
    EXPECT_TRUE(same(m));
    m.MirrorY(c);
    EXPECT_EQ(m.GetNameText().GetOrg(), anchor::BottomRight); // horizontal line: not re-anchored
    m.MirrorY(c);
    EXPECT_TRUE(same(m));

    CLine v = Wire(100, 200, 100, 600);
    Named(v, "V", CPoint(120, 300), 0x100 | anchor::BottomLeft);
    const CLine vOriginal = v;
    v.MirrorY(c);
    EXPECT_EQ(v.GetNameText().GetOrg(), anchor::BottomRight); // vertical line, 90 degree name
    v.MirrorY(c);
    EXPECT_TRUE(v.Compare(vOriginal));
    v.MirrorX(c);
    EXPECT_EQ(v.GetNameText().GetOrg(), anchor::BottomLeft);
    v.MirrorX(c);
    EXPECT_TRUE(v.Compare(vOriginal));
}

TEST(CLineTransform, TextVariantsMoveSelectedTextsOnly)
{
    CLine l = Wire(0, 0, 1000, 0);
    Named(l, "N", CPoint(100, 20));
    l.GetCrossNameText().SetName("X", CPoint(300, 20), 70, 8);
    l.GetCrossNameText().SetTextSel(true);
    const CPoint c(500, 0);
    l.RotateText(c, 1);
    l.MirrorXText(c);
    l.MirrorYText(c);
    EXPECT_EQ(l.GetStartPoint(), CPoint(0, 0));
    EXPECT_EQ(l.GetNameText().GetPoint(), CPoint(100, 20));
    EXPECT_EQ(l.GetCrossNameText().GetPoint(), CPoint(520, 200));
}

// --- dialog
// -------------------------------------------------------------------------------------------

TEST(CLineApplyDialog, WireAndPlainLineFields)
{
    CScopedProfile scoped(Settings({{"PowerWidth", 20}, {"WireAttrHeight", 60}, {"LineWidth", 3}}));
    CLine w = Wire(0, 0, 0, 500);
    CLineDialogResult r;
    r.name = "VCC";
    r.powerWire = true;
    r.nameDisp = false;
    r.frame = 3;
    w.ApplyDialog(r);
    EXPECT_EQ(w.GetType() & CLine::kPower, CLine::kPower);
    EXPECT_EQ(w.GetLineWidth(), 20);
    EXPECT_EQ(w.GetName(), "VCC");
    EXPECT_EQ(w.GetNameText().GetPoint(), CPoint(0, 0)); // was empty: placed at the start
    EXPECT_EQ(w.GetNameText().GetSize(), 60);
    EXPECT_EQ(w.GetNameText().GetAngle(),
              0x100u | anchor::BottomLeft | CText::kHidden | (3u << 16));

    // An existing name keeps its place and anchor.
    w.GetNameText().SetName("VCC", CPoint(40, 40), 60, 0x100 | anchor::TopRight);
    r.powerWire = false;
    r.nameDisp = true;
    r.name = "VDD";
    w.ApplyDialog(r);
    EXPECT_EQ(w.GetType() & CLine::kPower, 0u);
    EXPECT_EQ(w.GetLineWidth(), 8);
    EXPECT_EQ(w.GetNameText().GetPoint(), CPoint(40, 40));
    EXPECT_EQ(w.GetNameText().GetAngle(), 0x100u | anchor::TopRight | (3u << 16));

    // Clearing the name drops its frame and shows it.
    r.name = "";
    r.nameDisp = false;
    w.ApplyDialog(r);
    EXPECT_EQ(w.GetNameText().GetAngle() & (CText::kFrameMask | CText::kHidden), 0u);

    CLine p = Wire(0, 0, 500, 0, CLine::kPlain);
    CLineDialogResult pr;
    pr.style = 3;
    pr.endArrow = true;
    pr.name = "L";
    p.ApplyDialog(pr);
    EXPECT_EQ(p.GetStyle(), 3);
    EXPECT_EQ(p.GetStartArrow(), 0);
    EXPECT_EQ(p.GetEndArrow(), 100);
    EXPECT_EQ(p.GetLineWidth(), 3);
    EXPECT_EQ(p.GetNameText().GetDir(), dir::k0);
}

// --- stored forms
// --------------------------------------------------------------------------------------

namespace {

// Little-endian builder for hand-made records.
struct Bytes {
    std::vector<uint8_t> b;
    Bytes& Int(int32_t v)
    {
        for (int i = 0; i < 4; ++i)
            b.push_back(uint8_t(uint32_t(v) >> (8 * i)));
        return *this;
    }
    Bytes& Word(uint16_t v)
    {
        b.push_back(uint8_t(v));
        b.push_back(uint8_t(v >> 8));
        return *this;
    }
    Bytes& Point(int x, int y) { return Int(x).Int(y); }
    Bytes& Text(const char* s, int x, int y, int size, int attr)
    {
        const CString str(s);
        b.push_back(uint8_t(str.GetLength()));
        b.insert(b.end(), str.c_str(), str.c_str() + str.GetLength());
        return Point(x, y).Int(size).Int(attr).Int(0).Int(0).Int(0).Int(0);
    }
};

} // namespace

TEST(CLineRecord, OldVersionsOfPlainLinesAndWires)
{
    CScopedProfile scoped(Settings());
    size_t used = 0;
    // Version 5: a plain line is type and points only.
    Bytes v5;
    v5.Int(CLine::kPlain | (1 << 9)).Point(10, 20).Point(30, 40).Int(0x7777);
    CLine p = ReadBack(v5.b, 5, &used);
    EXPECT_EQ(used, 20u);
    EXPECT_EQ(p.GetType(), CLine::kPlain | (1u << 9));
    EXPECT_EQ(p.GetEndPoint(), CPoint(30, 40));
    EXPECT_EQ(p.IsArrow(), 0);
    EXPECT_EQ(p.GetLineWidth(), 8);

    // Version 5: a wire has its text flags and name.
    Bytes w5;
    w5.Int(CLine::kPower).Point(0, 0).Point(100, 0).Int(1).Text("GND", 5, 6, 50, 8);
    CLine w = ReadBack(w5.b, 5, &used);
    EXPECT_EQ(used, w5.b.size());
    EXPECT_EQ(w.GetName(), "GND");
    EXPECT_EQ(w.GetNameText().GetPoint(), CPoint(5, 6));
    EXPECT_EQ(w.GetLineWidth(), 16);

    // Version 6: the plain line has text flags, but no arrow word yet.
    Bytes v6;
    v6.Int(CLine::kPlain).Point(0, 0).Point(5, 5).Int(1).Text("L", 1, 2, 70, 8).Word(0x0A0A);
    p = ReadBack(v6.b, 6, &used);
    EXPECT_EQ(used, v6.b.size() - 2);
    EXPECT_EQ(p.GetName(), "L");
    EXPECT_EQ(p.IsArrow(), 0);

    // Version 7: arrow word in tens, high byte the start.
    Bytes v7;
    v7.Int(CLine::kPlain).Point(0, 0).Point(5, 5).Int(0).Word(0x0A00);
    p = ReadBack(v7.b, 7, &used);
    EXPECT_EQ(used, v7.b.size());
    EXPECT_EQ(p.GetStartArrow(), 100);
    EXPECT_EQ(p.GetEndArrow(), 0);

    // A cross-name record follows when bit 1 is set; buses never carry arrows.
    Bytes bus;
    bus.Int(CLine::kBus)
        .Point(0, 0)
        .Point(0, 500)
        .Int(3)
        .Text("D[0..7]", 0, 0, 70, 8)
        .Text("X1", 9, 9, 70, 8);
    CLine b = ReadBack(bus.b, 8, &used);
    EXPECT_EQ(used, bus.b.size());
    EXPECT_EQ(b.GetCrossName(), "X1");
    EXPECT_EQ(b.GetLineWidth(), 24);

    // A damaged file with runtime bits set does not bring them in.
    Bytes marked;
    marked.Int(int32_t(0xC0004000u)).Point(0, 0).Point(1, 0).Int(0);
    EXPECT_EQ(ReadBack(marked.b, 8).GetType(), CLine::kWire);
}

TEST(CLineRecord, Version8RoundTripStoresNoRuntimeState)
{
    CScopedProfile scoped(Settings({{"LineWidth", 12}}));
    CLine l = Wire(-5, 7, 300, -400, CLine::kPlain | (4u << CLine::kStyleShift), 99);
    l.SetArrow(100, 2550);
    Named(l, "Label\\nTwo", CPoint(1, 2));
    l.GetNameText().SetTextSel(true);
    l.GetCrossNameText().SetName("never", CPoint(), 70, 8);
    l.SetCheck(1);
    l.ModifyType(0, CLine::kHighlight | CLine::kWorkMark1 | CLine::kWorkMark2);

    const std::vector<uint8_t> bytes = Written(l);
    ASSERT_GE(bytes.size(), 4u);
    EXPECT_EQ(bytes[0], CLine::kPlain);
    EXPECT_EQ(bytes[1], 0x08); // style 4 << 9, without the highlight bit 0x40
    EXPECT_EQ(bytes[3], 0x00); // no work marks
    EXPECT_EQ(bytes[bytes.size() - 2], 255);
    EXPECT_EQ(bytes[bytes.size() - 1], 10);

    size_t used = 0;
    const CLine r = ReadBack(bytes, 8, &used);
    EXPECT_EQ(used, bytes.size());
    EXPECT_TRUE(r.Compare(l));
    EXPECT_TRUE(r.GetNameText().IsTextSel());
    EXPECT_TRUE(r.GetCrossName().IsEmpty());
    EXPECT_EQ(r.GetLineWidth(), 12);
    EXPECT_EQ(r.GetStartCheck() + r.GetEndCheck(), 0);
    EXPECT_EQ(r.GetType() & ~CLine::kStoredMask, 0u);

    // Without names: type and points only.
    EXPECT_EQ(Written(l, false).size(), 20u);
    // An unnamed wire: flags 0 and no arrow word.
    EXPECT_EQ(Written(Wire(0, 0, 1, 0)).size(), 24u);
    // Arrow sizes beyond a byte are capped instead of spilling into the other arrow.
    CLine big = Wire(0, 0, 1, 0, CLine::kPlain);
    big.SetArrow(0, 9000);
    const std::vector<uint8_t> capped = Written(big);
    EXPECT_EQ(capped[capped.size() - 2], 255);
    EXPECT_EQ(capped[capped.size() - 1], 0);
}

TEST(CLineRecord, TruncatedRecordThrows)
{
    CScopedProfile scoped(Settings());
    CLine l = Wire(0, 0, 100, 0, CLine::kPlain);
    Named(l, "N", CPoint());
    const std::vector<uint8_t> bytes = Written(l);
    for (size_t n = 0; n < bytes.size(); ++n) {
        const std::vector<uint8_t> part(bytes.begin(), bytes.begin() + long(n));
        EXPECT_THROW(ReadBack(part, 8), CArchiveException) << n;
    }
}

TEST(CLineTextForm, RoundTripAndTolerantReading)
{
    CLine l = Wire(10, -20, 30, 40, CLine::kPlain | CLine::kHighlight, 8);
    l.SetArrow(100, 0);
    Named(l, "A \"q\"", CPoint(1, 2));
    l.GetCrossNameText().SetName("S2", CPoint(3, 4), 50, 0x100);
    const std::vector<CString> lines = TextLines(l);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "Line 10 -20 30 40 8 1 100 0");
    EXPECT_EQ(lines[1], "Name \"A \"q\"\" 1 2 70 8");
    EXPECT_EQ(lines[2], "NetIndex \"S2\" 3 4 50 256");

    CLine r;
    r.ReadTextRecord(lines[0]);
    r.GetNameText().SetName(lines[1].Mid(5));
    r.GetCrossNameText().SetName(lines[2].Mid(9));
    EXPECT_TRUE(r.Compare(l));
    EXPECT_EQ(r.GetCrossNameText(), l.GetCrossNameText());
    EXPECT_EQ(TextLines(Wire(0, 0, 1, 1)).size(), 1u);

    // Runtime bits never reach the text form either.
    CLine neg = Wire(0, 0, 1, 0, CLine::kPower | CLine::kWorkMark2);
    EXPECT_EQ(TextLines(neg)[0], "Line 0 0 1 0 8 4 0 0");

    // Missing numbers keep what the line had; blanks and case do not matter here.
    CLine partial = Wire(1, 2, 3, 4, CLine::kBus, 24);
    partial.ReadTextRecord("  line 5 6");
    EXPECT_EQ(partial.GetStartPoint(), CPoint(5, 6));
    EXPECT_EQ(partial.GetEndPoint(), CPoint(3, 4));
    EXPECT_EQ(partial.GetType(), CLine::kBus);
    partial.ReadTextRecord("Line 1 2 3 4 5 -1073741823 99999999999999999999 -99999999999");
    EXPECT_EQ(partial.GetLineWidth(), 5);
    EXPECT_EQ(partial.GetType(), 0x00000001u); // runtime bits dropped
    EXPECT_EQ(partial.GetStartArrow(), kMaxCoord);
    EXPECT_EQ(partial.GetEndArrow(), -kMaxCoord);
    partial.ReadTextRecord("Line");
    partial.ReadTextRecord("");

    // Any bytes: no crash, and the hit tests and box still work on the result.
    std::mt19937 random(7);
    for (int i = 0; i < 2000; ++i) {
        std::string s = i % 2 ? "Line " : "";
        const int n = int(random() % 60);
        for (int k = 0; k < n; ++k)
            s += char(i % 3 ? "0123456789- \t+"[random() % 14] : char(random() % 256));
        CLine x;
        x.ReadTextRecord(CString(s));
        x.GetBoundingRect();
        x.CheckPoint(CPoint(0, 0));
        x.CheckPoint(CRect(-10, -10, 10, 10));
    }
}
