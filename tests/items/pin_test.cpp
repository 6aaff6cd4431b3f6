#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "base/archive.h"
#include "base/memoryprofile.h"
#include "base/profile.h"
#include "items/geometry.h"
#include "items/line.h"
#include "items/pin.h"

// Readable failure messages for points.
void PrintTo(const CPoint& p, std::ostream* os)
{
    *os << "(" << p.x << ", " << p.y << ")";
}

namespace {

struct PinTest : ::testing::Test {
    CScopedProfile profile{std::make_unique<MemoryProfile>()};
};

CPin MakePin(CPoint body, CPoint tip, uint32_t elect = 0, const char* name = "CLK",
             const char* number = "12")
{
    CPin pin(body, tip, elect);
    pin.GetNameText().SetName(name, pin.GetNameText().GetPoint(), pin.GetNameText().GetSize(),
                              pin.GetNameText().GetAngle());
    pin.GetNoText().SetName(number, pin.GetNoText().GetPoint(), pin.GetNoText().GetSize(),
                            pin.GetNoText().GetAngle());
    return pin;
}

std::vector<uint8_t> Stored(const CPin& pin)
{
    CArchive ar;
    pin.DataWrite(ar);
    return ar.Bytes();
}

CPin ReadBack(const std::vector<uint8_t>& bytes, int version = 8)
{
    CArchive ar(bytes);
    CPin pin;
    pin.DataRead(ar, version);
    EXPECT_TRUE(ar.AtEnd());
    return pin;
}

std::string TextForm(const CPin& pin)
{
    CArchive ar;
    pin.SerializeText(ar);
    return std::string(ar.Bytes().begin(), ar.Bytes().end());
}

void ExpectSameTexts(const CPin& a, const CPin& b)
{
    EXPECT_EQ(a.GetNameText().GetPoint(), b.GetNameText().GetPoint());
    EXPECT_EQ(a.GetNameText().GetAngle(), b.GetNameText().GetAngle());
    EXPECT_EQ(a.GetNoText().GetPoint(), b.GetNoText().GetPoint());
    EXPECT_EQ(a.GetNoText().GetAngle(), b.GetNoText().GetAngle());
    EXPECT_TRUE(a.Compare(b));
}

} // namespace

// --- geometry --------------------------------------------------------------

TEST_F(PinTest, DirectionLengthAndSetAngle)
{
    CPin pin(CPoint(0, 0), CPoint(300, 0), 0);
    EXPECT_EQ(pin.GetDir(), 0u);
    EXPECT_EQ(pin.GetLen(), 300);
    pin.SetAngle(0x100);
    EXPECT_EQ(pin.GetPoint(), CPoint(0, 300));
    EXPECT_EQ(pin.GetAngle(), 0x100u);
    pin.SetAngle(0x200);
    EXPECT_EQ(pin.GetPoint(), CPoint(-300, 0));
    pin.SetAngle(0x300);
    EXPECT_EQ(pin.GetPoint(), CPoint(0, -300));
    EXPECT_EQ(pin.GetLen(), 300);
    pin.SetLen(200);
    EXPECT_EQ(pin.GetPoint(), CPoint(0, -200));
    EXPECT_EQ(pin.GetDir(), 0x300u);

    // Turning about the body end.
    pin.Rotate(1);
    EXPECT_EQ(pin.GetStartPoint(), CPoint(0, 0));
    EXPECT_EQ(pin.GetPoint(), CPoint(200, 0));
    EXPECT_EQ(pin.GetDir(), 0u);

    // Oblique and zero-length pins.
    CPin oblique(CPoint(0, 0), CPoint(100, 100), 0);
    EXPECT_EQ(oblique.GetAngle(), 0x080u);
    EXPECT_EQ(oblique.GetLen(), 300);
    oblique.SetAngle(0x080);
    EXPECT_EQ(oblique.GetPoint(), CPoint(100, 100));
    CPin point(CPoint(5, 5), CPoint(5, 5), 0);
    EXPECT_EQ(point.GetAngle(), 0u);
    EXPECT_EQ(point.GetLen(), 0);

    CPin down(CPoint(0, 100), CPoint(0, 0), 0);
    EXPECT_EQ(down.GetDir(), 0x300u);
}

TEST_F(PinTest, SetAngleLiftsANumberHangingBelow)
{
    CPin pin = MakePin(CPoint(0, 0), CPoint(300, 0));
    pin.GetNoText().SetAngle(anchor::TopRight);
    pin.SetAngle(0x200);
    EXPECT_EQ(pin.GetNoText().GetOrg(), uint32_t(anchor::BottomRight));
    pin.GetNoText().SetAngle(anchor::MiddleLeft);
    pin.SetAngle(0);
    EXPECT_EQ(pin.GetNoText().GetOrg(), uint32_t(anchor::MiddleLeft));
}

TEST_F(PinTest, DefaultTextSizesComeFromSettings)
{
    CPin plain;
    EXPECT_EQ(plain.GetNameText().GetSize(), 70);
    EXPECT_EQ(plain.GetNoText().GetSize(), 70);
    EXPECT_EQ(plain.GetElect(), 0u);
    Profile().WriteInt("Default", "PinNameAttrHeight", 50);
    Profile().WriteInt("Default", "PinNoAttrHeight", 40);
    CPin sized;
    EXPECT_EQ(sized.GetNameText().GetSize(), 50);
    EXPECT_EQ(sized.GetNoText().GetSize(), 40);
    EXPECT_TRUE(sized.GetName().IsEmpty());
}

// --- text placement --------------------------------------------------------

TEST_F(PinTest, LeftPinNameSitsInsideTheSymbol)
{
    CPin pin(CPoint(300, 0), CPoint(0, 0), 0);
    EXPECT_EQ(pin.GetDir(), 0x200u);
    EXPECT_EQ(pin.GetNameText().GetPoint(), CPoint(318, 0));
    EXPECT_EQ(pin.GetNameText().GetOrg(), 24u);
    CPin clock(CPoint(300, 0), CPoint(0, 0), CPin::kClock);
    EXPECT_EQ(clock.GetNameText().GetPoint(), CPoint(368, 0));
}

TEST_F(PinTest, TextPlacementForEveryDirection)
{
    struct Case {
        CPoint tip;
        CPoint name;
        uint32_t nameAttr;
        CPoint number;
        uint32_t numberAttr;
    };
    const CPoint body(1000, 2000);
    for (int g : {18, 68}) {
        const Case cases[] = {
            {CPoint(1300, 2000), CPoint(1000 - g, 2000), 26, CPoint(1050, 2000), 8},
            {CPoint(700, 2000), CPoint(1000 + g, 2000), 24, CPoint(950, 2000), 10},
            {CPoint(1000, 2300), CPoint(1000, 2000 - g), 0x11A, CPoint(1000, 2050), 0x108},
            {CPoint(1000, 1700), CPoint(1000, 2000 + g), 0x118, CPoint(1000, 1950), 0x10A},
            {CPoint(1200, 2200), body, 0x88, body, 0x88},
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << "g " << g << " tip " << c.tip.x << "," << c.tip.y);
            const CPin pin = MakePin(body, c.tip, g == 68 ? CPin::kClock : 0);
            EXPECT_EQ(pin.GetNameText().GetPoint(), c.name);
            EXPECT_EQ(pin.GetNameText().GetAngle(), c.nameAttr);
            EXPECT_EQ(pin.GetNoText().GetPoint(), c.number);
            EXPECT_EQ(pin.GetNoText().GetAngle(), c.numberAttr);
        }
    }
}

TEST_F(PinTest, PlacementKeepsTheTextsOtherBitsAndSetElectReplaces)
{
    CPin pin = MakePin(CPoint(0, 0), CPoint(300, 0));
    pin.GetNameText().SetAngle(0x30000 | CText::kHidden | CText::kSelected | 0x102);
    pin.SetPoint(CPoint(0, 0), CPoint(-300, 0), 0);
    EXPECT_EQ(pin.GetNameText().GetAngle(), 0x30000 | CText::kHidden | CText::kSelected | 24u);

    // A shape change moves the name; other changes leave hand-placed texts.
    EXPECT_EQ(pin.SetElect(CPin::kClock), 0u);
    EXPECT_EQ(pin.GetNameText().GetPoint(), CPoint(68, 0));
    pin.GetNameText().SetPoint(CPoint(500, 500));
    EXPECT_EQ(pin.SetElect(CPin::kClock | CPin::Power | CPin::kSelected), CPin::kClock);
    EXPECT_EQ(pin.GetNameText().GetPoint(), CPoint(500, 500));
    pin.SetElect(CPin::kDot);
    EXPECT_EQ(pin.GetNameText().GetPoint(), CPoint(18, 0));
}

// --- electrical types and dialog -------------------------------------------

TEST_F(PinTest, TypeNamesAndDialogListPositions)
{
    const char* names[16] = {"Passive",    "Input",    "Output",     "3-State",
                             "In-Out",     "Open-Low", "Open-High",  "Passive-Down",
                             "Passive-Up", "",         "",           "",
                             "",           "",         "No Connect", "Power"};
    for (int type = 0; type < 16; ++type)
        EXPECT_EQ(CPin::GetEleName(type), CString(names[type])) << type;
    EXPECT_TRUE(CPin::GetEleName(-1).IsEmpty());
    EXPECT_TRUE(CPin::GetEleName(16).IsEmpty());
    EXPECT_EQ(CPin(CPoint(), CPoint(1, 0), 0x8000 | 15).GetEleName(), CString("Power"));

    for (int i = 0; i <= 8; ++i)
        EXPECT_EQ(CPin::TypeFromListIndex(i), i);
    EXPECT_EQ(CPin::TypeFromListIndex(9), 14);
    EXPECT_EQ(CPin::TypeFromListIndex(10), 15);
    EXPECT_EQ(CPin::TypeFromListIndex(11), -1);
    EXPECT_EQ(CPin::ListIndexFromType(14), 9);
    EXPECT_EQ(CPin::ListIndexFromType(15), 10);
    EXPECT_EQ(CPin::ListIndexFromType(11), -1);
}

TEST_F(PinTest, DialogOkAppliesEveryField)
{
    CPin pin = MakePin(CPoint(0, 0), CPoint(-300, 0), CPin::kSelected);
    CPinDialogResult r;
    r.typeListIndex = 10;
    r.clock = true;
    r.name = "\"RESET\""; // taken as typed, not as a record
    r.nameDisp = false;
    r.number = "7";
    r.length = 200;
    pin.ApplyDialog(r, false);
    EXPECT_EQ(pin.GetEleType(), 15);
    EXPECT_TRUE(pin.IsPower());
    EXPECT_TRUE(pin.IsSelect());
    EXPECT_EQ(pin.GetElect() & CPin::kShapeMask, CPin::kClock);
    EXPECT_EQ(pin.GetName(), CString("\"RESET\""));
    EXPECT_FALSE(pin.GetNameText().IsDisp());
    EXPECT_EQ(pin.GetNameText().GetPoint(), CPoint(68, 0));
    EXPECT_EQ(pin.GetNo(), CString("7"));
    EXPECT_EQ(pin.GetPoint(), CPoint(-200, 0));

    r.typeListIndex = 9;
    r.display = false;
    r.clock = false;
    r.dot = true;
    pin.ApplyDialog(r, false);
    EXPECT_EQ(pin.GetEleType(), 14);
    EXPECT_FALSE(pin.IsDisp());
    EXPECT_EQ(pin.GetElect() & CPin::kShapeMask, CPin::kDot);

    // A pin of an unnamed type keeps it when the list has no choice.
    CPin odd(CPoint(0, 0), CPoint(300, 0), 11);
    CPinDialogResult keep;
    keep.typeListIndex = CPin::ListIndexFromType(11);
    odd.ApplyDialog(keep, false);
    EXPECT_EQ(odd.GetEleType(), 11);

    // Editing the defaults for new pins leaves a zero-length template.
    CPin defaults(CPoint(100, 100), CPoint(400, 100), 0);
    r.display = true;
    defaults.ApplyDialog(r, true);
    EXPECT_EQ(defaults.GetPoint(), CPoint(100, 100));
    EXPECT_EQ(defaults.GetElect(), CPin::kDot | 14u);
    EXPECT_EQ(defaults.GetName(), CString("\"RESET\""));
}

// --- hidden pins, hit tests, selection, search -----------------------------

TEST_F(PinTest, HiddenPinIsNeitherHitSelectedNorConnected)
{
    CPin hidden = MakePin(CPoint(0, 0), CPoint(300, 0), CPin::kHidden | CPin::kDot);
    const CPin shown = MakePin(CPoint(100, 0), CPoint(400, 0));
    EXPECT_TRUE(hidden.GetBoundingRect().IsRectNull());
    EXPECT_FALSE(hidden.CheckPoint(CPoint(150, 0)));
    EXPECT_FALSE(hidden.CheckOnPoint(CPoint(300, 0)));
    EXPECT_FALSE(hidden.SetPinSel(CRect(-1000, -1000, 1000, 1000)));
    EXPECT_FALSE(hidden.IsSelect());
    EXPECT_FALSE(hidden.CheckOnPin(shown));
    EXPECT_FALSE(shown.CheckOnPin(hidden));
    CPoint found;
    EXPECT_FALSE(hidden.Find("CLK", 0x18, true, false, false, found));
    EXPECT_TRUE(hidden.Find("CLK", 0x18, true, false, true, found));
}

TEST_F(PinTest, HitTestsAndBoundingRect)
{
    CPin pin(CPoint(0, 0), CPoint(300, 0), 0);
    EXPECT_TRUE(pin.CheckPoint(CPoint(-1, 1)));
    EXPECT_TRUE(pin.CheckPoint(CPoint(301, -1)));
    EXPECT_FALSE(pin.CheckPoint(CPoint(302, 0)));
    EXPECT_FALSE(pin.CheckPoint(CPoint(150, 2)));
    EXPECT_TRUE(pin.CheckOnPoint(CPoint(300, 0)));
    EXPECT_FALSE(pin.CheckOnPoint(CPoint(0, 0)));

    // Empty texts add nothing: the stroke box and the shape marks only.
    EXPECT_EQ(pin.GetBoundingRect(), CRect(-6, -6, 306, 6));
    pin.SetElect(CPin::kClock);
    EXPECT_EQ(pin.GetBoundingRect(), CRect(-41, -41, 306, 41));
    pin.SetElect(CPin::kClock | CPin::kDot);
    EXPECT_EQ(pin.GetBoundingRect(), CRect(-56, -56, 306, 56));

    const CPin named = MakePin(CPoint(0, 0), CPoint(300, 0));
    CRect both;
    both.UnionRect(named.GetNameText().GetBoundingRect(), named.GetNoText().GetBoundingRect());
    both.UnionRect(both, CRect(-6, -6, 306, 6));
    EXPECT_EQ(named.GetBoundingRect(), both);

    EXPECT_FALSE(pin.SetPinSel(CRect(400, 400, 500, 500)));
    EXPECT_TRUE(pin.SetPinSel(CRect(310, 10, 200, -10))); // any corner order
    EXPECT_TRUE(pin.IsSelect());
    pin.ResetPinSel();
    EXPECT_FALSE(pin.IsSelect());
}

TEST_F(PinTest, FindSearchesNameThenNumber)
{
    CPin pin = MakePin(CPoint(0, 0), CPoint(300, 0), 0, "A1", "A12");
    CPoint found;
    EXPECT_TRUE(pin.Find("A1", 0x18, true, false, false, found));
    EXPECT_EQ(found, pin.GetNameText().GetPoint());
    EXPECT_TRUE(pin.Find("A12", 0x18, true, false, false, found));
    EXPECT_EQ(found, pin.GetNoText().GetPoint());
    EXPECT_FALSE(pin.Find("A12", 0x8, true, false, false, found));
    EXPECT_TRUE(pin.Find("A1", 0x10, true, false, false, found));
    EXPECT_FALSE(pin.Find("A1", 0x10, true, true, false, found));
    EXPECT_FALSE(pin.Find("A1", 0x4, true, false, false, found));
}

TEST_F(PinTest, NumberingReturnsTheNewRect)
{
    CPin pin = MakePin(CPoint(0, 0), CPoint(300, 0), 0, "D7", "9");
    const CRect r = pin.IncNo(1);
    EXPECT_EQ(pin.GetNo(), CString("10"));
    EXPECT_EQ(r, pin.GetNoText().GetBoundingRect());
    pin.IncName(-2);
    EXPECT_EQ(pin.GetName(), CString("D5"));
}

// --- stacked pins and wire trimming ----------------------------------------

TEST_F(PinTest, StackedPinsShareAStretchOnOneAxis)
{
    const CPin a(CPoint(0, 0), CPoint(300, 0), 0);
    EXPECT_TRUE(a.CheckOnPin(CPin(CPoint(500, 0), CPoint(200, 0), 0)));  // opposite sides
    EXPECT_TRUE(a.CheckOnPin(CPin(CPoint(100, 0), CPoint(200, 0), 0)));  // inside
    EXPECT_FALSE(a.CheckOnPin(CPin(CPoint(600, 0), CPoint(300, 0), 0))); // tip to tip
    EXPECT_FALSE(a.CheckOnPin(CPin(CPoint(0, 10), CPoint(300, 10), 0))); // other y
    EXPECT_FALSE(a.CheckOnPin(CPin(CPoint(100, 0), CPoint(100, 300), 0)));
    EXPECT_FALSE(a.CheckOnPin(CPin(CPoint(100, 0), CPoint(100, 0), 0))); // zero length
    EXPECT_FALSE(CPin(CPoint(100, 0), CPoint(100, 0), 0).CheckOnPin(a));
    const CPin up(CPoint(0, 0), CPoint(0, 300), 0);
    EXPECT_TRUE(up.CheckOnPin(CPin(CPoint(0, 400), CPoint(0, 100), 0)));
    EXPECT_FALSE(up.CheckOnPin(CPin(CPoint(1, 400), CPoint(1, 100), 0)));
}

TEST_F(PinTest, WireAlongAPinIsCutBackToTheTip)
{
    const CPin pin(CPoint(0, 0), CPoint(300, 0), 0); // tip at the right
    CLine w1(CPoint(100, 0), CPoint(600, 0), 0);
    EXPECT_TRUE(pin.CheckOnPin(w1));
    EXPECT_EQ(w1.GetStartPoint(), CPoint(300, 0));
    EXPECT_EQ(w1.GetEndPoint(), CPoint(600, 0));

    CLine reversed(CPoint(600, 0), CPoint(0, 0), 0); // end on the body
    EXPECT_TRUE(pin.CheckOnPin(reversed));
    EXPECT_EQ(reversed.GetEndPoint(), CPoint(300, 0));

    CLine touching(CPoint(300, 0), CPoint(500, 0), 0);
    EXPECT_TRUE(pin.CheckOnPin(touching));
    EXPECT_EQ(touching.GetStartPoint(), CPoint(300, 0));

    CLine onTop(CPoint(50, 0), CPoint(250, 0), 0); // redundant: shrinks to the tip
    EXPECT_TRUE(pin.CheckOnPin(onTop));
    EXPECT_EQ(onTop.GetStartPoint(), onTop.GetEndPoint());

    CLine apart(CPoint(310, 0), CPoint(500, 0), 0);
    CLine otherY(CPoint(100, 5), CPoint(500, 5), 0);
    CLine vertical(CPoint(100, 0), CPoint(100, 200), 0);
    CLine toBody(CPoint(-200, 0), CPoint(0, 0), 0);  // meets the body end from inside the symbol
    CLine across(CPoint(-200, 0), CPoint(500, 0), 0);
    for (CLine* w : {&apart, &otherY, &vertical, &toBody, &across}) {
        const CLine before = *w;
        EXPECT_FALSE(pin.CheckOnPin(*w));
        EXPECT_EQ(w->GetStartPoint(), before.GetStartPoint());
        EXPECT_EQ(w->GetEndPoint(), before.GetEndPoint());
    }

    // A wire reaching back past the body end still has its end on the stroke taken to the tip.
    CLine reachingBack(CPoint(-200, 0), CPoint(100, 0), 0);
    EXPECT_TRUE(pin.CheckOnPin(reachingBack));
    EXPECT_EQ(reachingBack.GetStartPoint(), CPoint(-200, 0));
    EXPECT_EQ(reachingBack.GetEndPoint(), CPoint(300, 0));

    // Downward pin and a normalised vertical wire (start above end).
    const CPin down(CPoint(0, 0), CPoint(0, -300), 0);
    CLine below(CPoint(0, -100), CPoint(0, -700), 0);
    EXPECT_TRUE(down.CheckOnPin(below));
    EXPECT_EQ(below.GetStartPoint(), CPoint(0, -300));

    // Zero-length and hidden pins never connect.
    CLine w2(CPoint(0, 0), CPoint(500, 0), 0);
    EXPECT_FALSE(CPin(CPoint(0, 0), CPoint(0, 0), 0).CheckOnPin(w2));
    EXPECT_FALSE(CPin(CPoint(0, 0), CPoint(300, 0), CPin::kHidden).CheckOnPin(w2));
    EXPECT_EQ(w2.GetStartPoint(), CPoint(0, 0));
}

TEST_F(PinTest, WireRunningOverAPin)
{
    const CPin pin(CPoint(0, 0), CPoint(300, 0), 0);
    CLine line(CPoint(100, 0), CPoint(800, 0), 1);
    line.SetArrow(100, 100);
    line.GetNameText().SetName("NET", CPoint(120, 0), 70, 8 | 0x30000);
    EXPECT_TRUE(pin.CheckOverWire(line));
    EXPECT_EQ(line.GetStartPoint(), CPoint(300, 0));
    EXPECT_EQ(line.GetStartArrow(), 0);
    EXPECT_EQ(line.GetEndArrow(), 100);
    EXPECT_TRUE(line.GetName().IsEmpty());
    EXPECT_EQ(line.GetNameText().GetFrame(), 0);

    // The other orientation: the end lies on the stroke of a left pin.
    const CPin left(CPoint(0, 0), CPoint(-300, 0), 0);
    CLine w(CPoint(-800, 0), CPoint(-100, 0), 0);
    w.GetNameText().SetName("KEEP", CPoint(-600, 0), 70, 8);
    EXPECT_TRUE(left.CheckOverWire(w));
    EXPECT_EQ(w.GetEndPoint(), CPoint(-300, 0));
    EXPECT_EQ(w.GetName(), CString("KEEP"));

    // Nothing to do: ends at the tip, stays within the stroke, or misses it.
    for (CLine c :
         {CLine(CPoint(300, 0), CPoint(800, 0), 0), CLine(CPoint(100, 0), CPoint(200, 0), 0),
          CLine(CPoint(100, 10), CPoint(800, 10), 0)}) {
        EXPECT_FALSE(pin.CheckOverWire(c));
    }
    CLine z(CPoint(0, 0), CPoint(800, 0), 0);
    EXPECT_FALSE(CPin(CPoint(0, 0), CPoint(0, 0), 0).CheckOverWire(z));
    EXPECT_FALSE(CPin(CPoint(0, 0), CPoint(300, 0), CPin::kHidden).CheckOverWire(z));
    EXPECT_EQ(z.GetStartPoint(), CPoint(0, 0));
}

// --- transforms ------------------------------------------------------------

TEST_F(PinTest, TransformsCarryTheTextPlacementAlong)
{
    // Turning or flipping a pin about its body end gives exactly the pin that
    // would be placed in the new direction.
    const CPoint body(1000, 1000);
    const CPoint tips[] = {CPoint(1300, 1000), CPoint(1000, 1300), CPoint(700, 1000),
                           CPoint(1000, 700)};
    for (uint32_t elect : {0u, uint32_t(CPin::kClock)}) {
        for (const CPoint& tip : tips) {
            SCOPED_TRACE(testing::Message()
                         << "tip " << tip.x << "," << tip.y << " elect " << elect);
            const CPin original = MakePin(body, tip, elect);
            for (int ccw : {0, 1}) {
                CPin turned = original;
                turned.Rotate(body, ccw);
                ExpectSameTexts(turned, MakePin(body, RotatePoint(tip, body, ccw), elect));
            }
            CPin mx = original;
            mx.MirrorX(body);
            ExpectSameTexts(mx, MakePin(body, MirrorXPoint(tip, body), elect));
            CPin my = original;
            my.MirrorY(body);
            ExpectSameTexts(my, MakePin(body, MirrorYPoint(tip, body), elect));
        }
    }
}

TEST_F(PinTest, TransformIdentities)
{
    const CPoint c(130, -70);
    const CPoint tips[] = {CPoint(300, 0), CPoint(0, 300), CPoint(-300, 0), CPoint(0, -300),
                           CPoint(200, 100)};
    for (const CPoint& tip : tips) {
        SCOPED_TRACE(testing::Message() << "tip " << tip.x << "," << tip.y);
        const CPin original = MakePin(CPoint(0, 0), tip, CPin::kClock);
        for (int ccw : {0, 1}) {
            CPin p = original;
            for (int i = 0; i < 4; ++i)
                p.Rotate(c, ccw);
            ExpectSameTexts(p, original);
            p.Rotate(c, ccw);
            p.Rotate(c, !ccw);
            ExpectSameTexts(p, original);
        }
        CPin p = original;
        p.MirrorX(c);
        p.MirrorX(c);
        ExpectSameTexts(p, original);
        p.MirrorY(c);
        p.MirrorY(c);
        ExpectSameTexts(p, original);
        p.Offset(CPoint(55, -5));
        p.Offset(CPoint(-55, 5));
        ExpectSameTexts(p, original);
    }
}

TEST_F(PinTest, OffsetMovesEmptyTextsTooAndTextVariantsNeedSelection)
{
    CPin pin(CPoint(0, 0), CPoint(300, 0), 0);
    pin.Offset(CPoint(1000, 0));
    pin.SetName("A");
    EXPECT_EQ(pin.GetNameText().GetPoint(), CPoint(982, 0));
    EXPECT_EQ(pin.GetStartPoint(), CPoint(1000, 0));

    CPin named = MakePin(CPoint(0, 0), CPoint(300, 0));
    named.GetNameText().SetTextSel(true);
    named.OffsetAttr(CPoint(0, 40));
    named.RotateText(CPoint(0, 0), 1);
    named.MirrorYText(CPoint(0, 0));
    EXPECT_EQ(named.GetNoText().GetPoint(), CPoint(50, 0));
    EXPECT_EQ(named.GetNoText().GetAngle(), 8u);
    EXPECT_EQ(named.GetStartPoint(), CPoint(0, 0));
    EXPECT_EQ(named.GetPoint(), CPoint(300, 0));
    // The selected name went up, turned to 90 degrees and flipped.
    EXPECT_EQ(named.GetNameText().GetPoint(), CPoint(-40, 18));
    EXPECT_EQ(named.GetNameText().GetAngle(), CText::kSelected | 0x118u);
}

// --- comparison and order --------------------------------------------------

TEST_F(PinTest, CompareIgnoresOnlyRuntimeMarks)
{
    const CPin a = MakePin(CPoint(0, 0), CPoint(300, 0), 3);
    CPin b = a;
    b.ModifyElect(CPin::kSelected | CPin::kOpenMark, 0);
    EXPECT_TRUE(a.Compare(b));
    b.ModifyElect(CPin::kHighlight, 0);
    EXPECT_FALSE(a.Compare(b));
    CPin c = a;
    c.SetNo("13");
    EXPECT_FALSE(a.Compare(c));
    EXPECT_TRUE(a == c);
    EXPECT_FALSE(a == CPin(CPoint(0, 0), CPoint(200, 0), 3));
}

TEST_F(PinTest, ListingOrder)
{
    std::vector<CPin> pins = {
        CPin(CPoint(0, 0), CPoint(300, 0), CPin::kHidden), // hidden: last
        CPin(CPoint(0, 0), CPoint(100, 100), 0),           // oblique: after the four sides
        CPin(CPoint(50, 0), CPoint(50, 300), 0),           // up, x 50
        CPin(CPoint(0, 100), CPoint(0, 400), 0),           // up, x 0, higher first
        CPin(CPoint(0, 0), CPoint(0, 300), 0),             // up, x 0
        CPin(CPoint(10, 200), CPoint(310, 200), 0),        // right, y 200
        CPin(CPoint(10, 100), CPoint(310, 100), 0),        // right, y 100
        CPin(CPoint(0, 0), CPoint(0, -300), 0),            // down
        CPin(CPoint(0, 500), CPoint(0, 100), 0),           // down, x 0, y 500
        CPin(CPoint(20, 0), CPoint(-300, 0), 0),           // left, y 0, x 20
        CPin(CPoint(10, 0), CPoint(-300, 0), 0),           // left, y 0, x 10
    };
    std::vector<CPin> sorted = pins;
    std::stable_sort(sorted.begin(), sorted.end());
    const CPoint expected[] = {CPoint(10, 0),   CPoint(20, 0),   CPoint(0, 0),   CPoint(0, 500),
                               CPoint(10, 100), CPoint(10, 200), CPoint(0, 100), CPoint(0, 0),
                               CPoint(50, 0),   CPoint(0, 0),    CPoint(0, 0)};
    for (size_t i = 0; i < sorted.size(); ++i)
        EXPECT_EQ(sorted[i].GetStartPoint(), expected[i]) << i;
    EXPECT_EQ(sorted[9].GetDir(), 0x080u);
    EXPECT_FALSE(sorted[10].IsDisp());

    // A strict weak ordering: irreflexive, and oblique pins are all equivalent.
    const CPin o1(CPoint(0, 0), CPoint(100, 100), 0), o2(CPoint(500, 9), CPoint(100, 100), 0);
    EXPECT_FALSE(o1 < o2);
    EXPECT_FALSE(o2 < o1);
    for (const CPin& p : pins)
        EXPECT_FALSE(p < p);
}

// --- stored forms ----------------------------------------------------------

TEST_F(PinTest, RecordRoundTrip)
{
    CPin pin =
        MakePin(CPoint(300, 0), CPoint(0, 0), CPin::kSelected | CPin::kOpenMark | CPin::kClock | 4);
    const std::vector<uint8_t> bytes = Stored(pin);
    const CPin back = ReadBack(bytes);
    EXPECT_TRUE(back.Compare(pin));
    EXPECT_EQ(back.GetElect(), CPin::kSelected | CPin::kClock | 4u);
    EXPECT_FALSE(back.IsDispX());
    EXPECT_EQ(back.GetName(), CString("CLK"));

    // Electrical word and text flags at their fixed offsets.
    auto intAt = [&](size_t at) {
        return uint32_t(bytes[at]) | uint32_t(bytes[at + 1]) << 8 | uint32_t(bytes[at + 2]) << 16 |
               uint32_t(bytes[at + 3]) << 24;
    };
    EXPECT_EQ(intAt(16), 0x200u);
    EXPECT_EQ(intAt(20), CPin::kSelected | CPin::kClock | 4u);
    EXPECT_EQ(intAt(24), 3u);

    // Only the number: flag 2, and the empty name is still placed by the pin.
    CPin numbered(CPoint(300, 0), CPoint(0, 0), 0);
    numbered.SetNo("5");
    const std::vector<uint8_t> only = Stored(numbered);
    EXPECT_EQ(only[24], 2);
    const CPin readNo = ReadBack(only);
    EXPECT_EQ(readNo.GetNo(), CString("5"));
    EXPECT_TRUE(readNo.GetName().IsEmpty());
    EXPECT_EQ(readNo.GetNameText().GetPoint(), CPoint(318, 0));
    EXPECT_EQ(Stored(CPin(CPoint(1, 2), CPoint(3, 2), 0)).size(), 28u);
}

TEST_F(PinTest, StoredAngleWordIsRecomputed)
{
    for (uint32_t stored : {0u, 0x100u, 0x300u, 0x080u, 0xFFFFFFFFu}) {
        CArchive ar;
        ar << CPoint(300, 0) << CPoint(0, 0) << stored << uint32_t(0x8000) << int32_t(0);
        const CPin pin = ReadBack(ar.Bytes());
        EXPECT_EQ(pin.GetAngle(), 0x200u) << stored;
        EXPECT_FALSE(pin.IsDisp());
    }
    CArchive up;
    up << CPoint(0, 0) << CPoint(0, 300) << uint32_t(0x200) << uint32_t(0) << int32_t(0);
    EXPECT_EQ(ReadBack(up.Bytes()).GetAngle(), 0x100u);

    // A record cut short raises the archive's end-of-file error.
    std::vector<uint8_t> bytes = Stored(MakePin(CPoint(0, 0), CPoint(300, 0)));
    bytes.resize(bytes.size() - 3);
    CArchive cut(bytes);
    CPin pin;
    EXPECT_THROW(pin.DataRead(cut, 8), CArchiveException);
}

TEST_F(PinTest, TextFormRoundTrip)
{
    CPin pin =
        MakePin(CPoint(300, -20), CPoint(0, -20), CPin::kSelected | CPin::kOpenMark | 2, "EN", "");
    EXPECT_EQ(TextForm(pin), "Pin 300 -20 0 -20 65538\nName \"EN\" 318 -20 70 24\n");

    pin.SetNo("3");
    pin.SetElect(0x80000000u | 5);
    const std::string text = TextForm(pin);
    EXPECT_NE(text.find("Pin 300 -20 0 -20 -2147483643\n"), std::string::npos);
    EXPECT_NE(text.find("No \"3\" 250 -20 70 10\n"), std::string::npos);

    CPin back;
    back.ReadTextRecord("  pin 300 -20 0 -20 -2147483643");
    back.SetName("\"EN\" 318 -20 70 24");
    back.SetNo("\"3\" 250 -20 70 10");
    EXPECT_TRUE(back.Compare(pin));
    EXPECT_EQ(back.GetElect(), 0x80000005u);
}

TEST_F(PinTest, TextRecordWithMissingOrOddNumbers)
{
    CPin pin;
    pin.ReadTextRecord("Pin 100 0");
    EXPECT_EQ(pin.GetStartPoint(), CPoint(100, 0));
    EXPECT_EQ(pin.GetPoint(), CPoint(0, 0));
    EXPECT_EQ(pin.GetDir(), 0x200u);
    EXPECT_EQ(pin.GetNameText().GetPoint(), CPoint(118, 0));

    CPin odd;
    odd.ReadTextRecord("PIN 99999999999999999999 -99999999999999999999 x 7");
    EXPECT_EQ(odd.GetStartPoint(), CPoint(kMaxCoord, -kMaxCoord));
    EXPECT_EQ(odd.GetPoint(), CPoint(0, 0));
    odd.ReadTextRecord("Pin 1 2 3 2 131072"); // the open mark is never taken from a file
    EXPECT_EQ(odd.GetElect(), 0u);

    CPin bytes;
    bytes.ReadTextRecord(CString("Pin\x82\xa0 \xff\xfe 5", 10));
    EXPECT_EQ(bytes.GetStartPoint(), CPoint(0, 0));
    bytes.ReadTextRecord("");
    bytes.ReadTextRecord("Pin");
    EXPECT_EQ(bytes.GetPoint(), CPoint(0, 0));
}
