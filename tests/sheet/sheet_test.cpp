#include <gtest/gtest.h>

#include <memory>

#include "base/exception.h"
#include "base/host.h"
#include "base/memoryprofile.h"
#include "base/profile.h"
#include "items/geometry.h"
#include "sheet/sheet.h"

namespace {

// Every test runs on an in-memory settings store (pins and lines read their
// defaults from it) and a host whose Shift key the test controls.
class ShiftHost : public CHost {
public:
    void Message(const CString&, Severity) override {}
    int Ask(const CString&, Buttons, int) override { return IDOK; }
    bool IsShiftDown() override
    {
        ++queries;
        return shift;
    }
    bool shift = false;
    int queries = 0;
};

struct SheetTest : ::testing::Test {
    CScopedProfile profile{std::make_unique<MemoryProfile>()};
    ShiftHost* host = new ShiftHost;
    CScopedHost scopedHost{std::unique_ptr<CHost>(host)};
};

struct CSheetCreation : SheetTest {};
struct CSheetRemoval : SheetTest {};
struct CSheetCounting : SheetTest {};
struct CSheetCopy : SheetTest {};
struct CSheetTransform : SheetTest {};
struct CSheetSelection : SheetTest {};
struct CSheetMakePart : SheetTest {};

int ListTotal(const CSheet& s)
{
    return s.GetCount(kind::kWire) + s.GetCount(kind::kBus) + s.GetCount(kind::kLine) +
           s.GetCount(kind::kJunc) + s.GetCount(kind::kPart) + s.GetCount(kind::kPin) +
           s.GetCount(kind::kText) + s.GetCount(kind::kArc);
}

CPin NamedPin(CPoint body, CPoint tip, uint32_t elect, const char* name, const char* number)
{
    CPin pin(body, tip, elect);
    pin.SetName(name);
    pin.SetNo(number);
    return pin;
}

// A gate with an outline, two pins, a label and a property, placed at org.
CPart SamplePart(CPoint org)
{
    CPart part(org, org, org, 1, 1, 0, 0);
    part.SetPartName("74HC04", org + CPoint(0, 400), 8);
    part.SetRefName("U?", org + CPoint(0, 500), 8);
    part.SetValue("INV", org + CPoint(0, 300), 8);
    part.NewLine(org + CPoint(-100, -100), org + CPoint(200, -100), CLine::kPlain);
    part.NewArc(org + CPoint(50, 50), 60, 0, 180, 0, 8);
    part.NewPin(NamedPin(org + CPoint(-100, 0), org + CPoint(-400, 0), CPin::Input, "A", "1"));
    part.NewPin(NamedPin(org + CPoint(200, 0), org + CPoint(500, 0), CPin::Output, "Y", "2"));
    part.NewText("NOT", org + CPoint(20, -50), 50, 8);
    CText property;
    property.SetProperty("PCB", "DIP14");
    part.NewText(property);
    part.CalcBoundRect(1);
    return part;
}

// One item of every kind, scattered so that each transform moves each one.
void FillEveryKind(CSheet& s)
{
    CLine* wire = s.NewWire(CPoint(100, 100), CPoint(900, 100));
    wire->SetName("DATA", CPoint(200, 150), 8);
    s.NewWire(CPoint(900, 100), CPoint(900, 700));
    s.NewBus(CPoint(-300, 200), CPoint(-300, 1200));
    CLine* plain = s.NewLine(CPoint(40, -500), CPoint(700, -220));
    plain->SetArrow(0, 100);
    s.NewArc(CPoint(1500, 300), 200, 30, 300, 0, 8);
    s.NewJunc(CPoint(900, 100));
    s.NewText("Title", CPoint(-800, 1400), 70, 0);
    s.NewText("Note", CPoint(1200, -900), 50, CText::kDefaultAttr | dir::k90);
    s.NewPin(NamedPin(CPoint(2000, 0), CPoint(2300, 0), CPin::Passive, "K", "7"));
    s.NewPart(SamplePart(CPoint(3000, 2000)));
}

// operator== leaves arcs and junctions to the outline; a transform test
// wants them compared one by one too.
void ExpectSameSheet(const CSheet& a, const CSheet& b)
{
    EXPECT_EQ(a == b, 1);
    ASSERT_EQ(a.GetCount(kind::kArc), b.GetCount(kind::kArc));
    for (auto x = a.Arcs().begin(), y = b.Arcs().begin(); x != a.Arcs().end(); ++x, ++y)
        EXPECT_TRUE(*x == *y);
    ASSERT_EQ(a.GetCount(kind::kJunc), b.GetCount(kind::kJunc));
    for (auto x = a.Juncs().begin(), y = b.Juncs().begin(); x != a.Juncs().end(); ++x, ++y)
        EXPECT_TRUE(*x == *y);
}

}  // namespace

// --- creation and iteration --------------------------------------------------------------------

TEST_F(CSheetCreation, ItemsGoToTheListOfTheirKindInOrder)
{
    CSheet s;
    EXPECT_EQ(s.GetSheetType(), CSheet::kScratch);
    CLine* first = s.NewWire(CPoint(0, 0), CPoint(100, 0));
    s.NewBus(CPoint(0, 0), CPoint(0, 100));
    CLine odd(CPoint(5, 5), CPoint(6, 6), 3);  // kind 3 counts as a wire
    CLine* second = s.NewLine(odd);
    CLine plain(CPoint(1, 1), CPoint(2, 2), CLine::kPlain);
    s.NewLine(plain);
    EXPECT_EQ(s.GetCount(kind::kWire), 2);
    EXPECT_EQ(s.GetCount(kind::kBus), 1);
    EXPECT_EQ(s.GetCount(kind::kLine), 1);
    EXPECT_EQ(s.GetHeadWire(), first);
    EXPECT_EQ(s.GetTailLine(0), second);
    // Selectors: 1, 28, 29 the line list; 2, 26, 27 the buses; else wires.
    EXPECT_EQ(s.GetTailLine(1), s.GetHeadLine());
    EXPECT_EQ(s.GetTailLine(29), s.GetHeadLine());
    EXPECT_EQ(s.GetTailLine(2), s.GetHeadBus());
    EXPECT_EQ(s.GetTailLine(26), s.GetHeadBus());
    EXPECT_EQ(s.GetTailLine(3), second);

    CText* text = s.NewText("Hello", CPoint(10, 20), 50, 0);
    EXPECT_EQ(text->GetAngle(), CText::kDefaultAttr);
    EXPECT_EQ(text->GetSize(), 50);
    CText* turned = s.NewText("Hello", CPoint(10, 20), 50, int(CText::kDefaultAttr | dir::k90));
    EXPECT_EQ(turned->GetDir(), dir::k90);
    EXPECT_NE(turned->GetTextBoundingRect(), text->GetTextBoundingRect());
    EXPECT_EQ(s.GetLastText(), turned);
    EXPECT_EQ(s.GetItemCount(), 6u);
}

TEST_F(CSheetCreation, CircleFromALineAndJunctionCheck)
{
    CSheet s;
    // A dashed (code 2) line, straight down, with runtime marks set.
    CLine line(CPoint(100, 100), CPoint(100, 0), CLine::kPlain | (2u << CLine::kStyleShift));
    line.ModifyType(0, CLine::kHighlight | CLine::kWorkMark2);
    const CArc* arc = s.NewArc(line);
    EXPECT_EQ(arc->GetCenter(), CPoint(100, 100));
    EXPECT_EQ(arc->GetRadial(), 100);
    EXPECT_EQ(arc->GetStartAngle(), 270);
    EXPECT_EQ(arc->GetEndAngle(), 270);
    EXPECT_EQ(arc->GetType(), 0x401);  // kind and dash style, no runtime marks
    EXPECT_EQ(s.NewArc(CLine(CPoint(0, 0), CPoint(3, 4), 0))->GetStartAngle(), 53);
    EXPECT_EQ(s.NewArc(CLine(CPoint(7, 7), CPoint(7, 7), 0))->GetRadial(), 0);

    CJunc* j = s.NewJuncCheck(CPoint(50, 50));
    EXPECT_EQ(s.NewJuncCheck(CPoint(50, 50)), j);
    EXPECT_NE(s.NewJuncCheck(CPoint(50, 51)), j);
    EXPECT_EQ(s.GetCount(kind::kJunc), 2);
    EXPECT_EQ(s.GetItemCount(), 5u);
}

TEST_F(CSheetCreation, AddItemCopiesAndMergesSheets)
{
    CSheet s;
    CLine bus(CPoint(0, 0), CPoint(0, 500), CLine::kBus);
    const CItemRef ref = s.AddItem(bus);
    ASSERT_EQ(ref.kind, CItemRef::Line);
    EXPECT_NE(ref.item, &bus);
    EXPECT_EQ(ref.item, s.GetHeadBus());
    EXPECT_EQ(s.CheckItem(ref), 1);
    EXPECT_EQ(s.CheckItem(bus), 0);  // an equal copy is not the item itself

    CSheet other;
    FillEveryKind(other);
    const CItemRef merged = s.AddItem(other);
    EXPECT_EQ(merged.kind, CItemRef::Sheet);
    EXPECT_EQ(merged.item, &s);
    EXPECT_EQ(s.GetItemCount(), other.GetItemCount() + 1);
    EXPECT_EQ(s.GetCount(kind::kBus), 2);

    // A sheet merged into itself doubles once and stops.
    s.AddItem(s);
    EXPECT_EQ(s.GetItemCount(), 2 * (other.GetItemCount() + 1));
    EXPECT_EQ(int(s.GetItemCount()), ListTotal(s));
}

TEST_F(CSheetCreation, SteppingWithANullPositionThrows)
{
    CSheet s;
    s.NewWire(CPoint(0, 0), CPoint(10, 0));
    POSITION pos = s.GetFirstWirePos();
    ASSERT_NE(pos, nullptr);
    s.GetNextWire(pos);
    EXPECT_EQ(pos, nullptr);
    EXPECT_THROW(s.GetNextWire(pos), CInvalidArgException);
    POSITION none = s.GetFirstPartPos();
    EXPECT_EQ(none, nullptr);
    EXPECT_THROW(s.GetNextPart(none), CInvalidArgException);
    EXPECT_THROW(s.GetPrevText(none), CInvalidArgException);
    EXPECT_THROW(s.GetAtPart(none), CInvalidArgException);
    EXPECT_THROW(s.GetNextLine(28, none), CInvalidArgException);
    EXPECT_EQ(s.GetHeadPart(), nullptr);
}

// --- removal and the item count ----------------------------------------------------------------

TEST_F(CSheetRemoval, DeleteLineTakesTheFirstEqualLineOfItsOwnListOnly)
{
    CSheet s;
    s.NewWire(CPoint(0, 0), CPoint(100, 0));
    s.NewLine(CPoint(0, 0), CPoint(100, 0));
    CLine* second = s.NewWire(CPoint(0, 0), CPoint(100, 0));
    const CLine key(CPoint(0, 0), CPoint(100, 0), CLine::kWire);
    EXPECT_EQ(s.DeleteLine(key), 1);
    EXPECT_EQ(s.GetCount(kind::kWire), 1);
    EXPECT_EQ(s.GetCount(kind::kLine), 1);
    EXPECT_EQ(s.CheckItem(*second), 1);

    // A bus-kind key never reaches the plain line with the same points.
    EXPECT_EQ(s.DeleteLine(CLine(CPoint(0, 0), CPoint(100, 0), CLine::kBus)), 0);
    // Names take part in the comparison.
    CLine named = key;
    named.SetName("CLK", CPoint(0, 10), 0);
    EXPECT_EQ(s.DeleteLine(named), 0);
    // The argument may be the very item being removed.
    EXPECT_EQ(s.DeleteLine(*s.GetHeadLine()), 1);
    EXPECT_EQ(s.GetItemCount(), 1u);
    EXPECT_EQ(int(s.GetItemCount()), ListTotal(s));
}

TEST_F(CSheetRemoval, EveryKindByValueAndTheCountFollows)
{
    CSheet s;
    FillEveryKind(s);
    EXPECT_EQ(int(s.GetItemCount()), ListTotal(s));
    CSheet copy;
    copy = s;

    // Parts match whatever order their pins are in, and the key is not touched.
    CPart key = *copy.GetHeadPart();
    key.Pins().SwapAt(key.Pins().GetHeadPosition(), key.Pins().GetTailPosition());
    const CString firstPin = key.Pins().GetHead()->GetName();
    EXPECT_EQ(s.DeleteItem(key), 1);
    EXPECT_EQ(key.Pins().GetHead()->GetName(), firstPin);
    EXPECT_EQ(s.DeleteItem(key), 0);

    EXPECT_EQ(s.DeleteItem(*copy.GetHeadPin()), 1);
    EXPECT_EQ(s.DeleteItem(*copy.Arcs().GetHead()), 1);
    EXPECT_EQ(s.DeleteItem(*copy.Juncs().GetHead()), 1);
    EXPECT_EQ(s.DeleteItem(*copy.GetHeadText()), 1);
    EXPECT_EQ(s.DeleteItem(*copy.GetHeadBus()), 1);
    EXPECT_EQ(s.DeleteItem(copy), 0);
    EXPECT_EQ(s.DeleteItem(CItemRef()), 0);
    EXPECT_EQ(s.GetItemCount(), copy.GetItemCount() - 6);
    EXPECT_EQ(int(s.GetItemCount()), ListTotal(s));

    // An item that only differs in a mark is still the same item.
    CText selected = *copy.GetLastText();
    selected.SetTextSel(true);
    EXPECT_EQ(s.DeleteText(selected), 1);
    EXPECT_EQ(s.DeleteText(selected), 0);

    EXPECT_FALSE(s.DeleteContents().IsRectEmpty());
    EXPECT_EQ(s.GetItemCount(), 0u);
    EXPECT_TRUE(s.DeleteContents().IsRectEmpty());
}

TEST_F(CSheetRemoval, PinOpenFlagOnlyOnTheDrawingSheet)
{
    for (const int type :
         {CSheet::kDrawing, CSheet::kTitle, CSheet::kSelection, CSheet::kScratch}) {
        SCOPED_TRACE(type);
        const int expected = type == CSheet::kDrawing ? 1 : 0;
        CSheet s(type);
        const auto raised = [&s](auto step) {
            s.SetCalcOpenMode(0);
            step();
            return s.GetCalcOpenMode();
        };
        EXPECT_EQ(raised([&] { s.NewWire(CPoint(0, 0), CPoint(100, 0)); }), expected);
        EXPECT_EQ(raised([&] { s.NewJunc(CPoint(0, 0)); }), expected);
        EXPECT_EQ(raised([&] { s.NewPart(SamplePart(CPoint(0, 0))); }), expected);
        EXPECT_EQ(raised([&] { s.DeleteLine(*s.GetHeadWire()); }), expected);
        EXPECT_EQ(raised([&] { s.DeleteJunc(CJunc(CPoint(0, 0))); }), expected);
        EXPECT_EQ(raised([&] { s.DeletePart(*s.GetHeadPart()); }), expected);
        CPart part;
        EXPECT_EQ(raised([&] { s.MakePart(part); }), expected);
        // Buses, plain lines, texts and pins leave it alone.
        EXPECT_EQ(raised([&] {
                      s.NewBus(CPoint(0, 0));
                      s.NewLine(CPoint(0, 0));
                      s.NewText("x", CPoint(0, 0), 70, 0);
                      s.NewPin(CPoint(0, 0), CPoint(300, 0), 0);
                      s.DeletePin(*s.GetHeadPin());
                  }),
                  0);
    }
}

// --- counting and classifying ------------------------------------------------------------------

TEST_F(CSheetCounting, GetCountByCode)
{
    CSheet s;
    s.NewWire(CPoint(0, 0), CPoint(100, 0));
    s.NewWire(CPoint(0, 0), CPoint(100, 100));  // diagonal: neither
    s.NewWire(CPoint(0, 0), CPoint(0, 100));
    s.NewWire(CPoint(5, 5));  // zero length: neither
    s.NewLine(CPoint(0, 0), CPoint(0, 100));
    s.NewPart(SamplePart(CPoint(0, 0)));
    s.NewPart(SamplePart(CPoint(1000, 0)));
    EXPECT_EQ(s.GetCount(kind::kHWire), 1);
    EXPECT_EQ(s.GetCount(kind::kVWire), 1);
    EXPECT_EQ(s.GetCount(kind::kHLine), 0);
    EXPECT_EQ(s.GetCount(kind::kVLine), 1);
    EXPECT_EQ(s.GetCount(kind::kVBus), 0);
    EXPECT_EQ(s.GetCount(kind::kPartPins), 4);
    EXPECT_EQ(s.GetCount(kind::kPart), 2);
    EXPECT_EQ(s.GetCount(0), 7);
    EXPECT_EQ(s.GetCount(99), 7);
}

TEST_F(CSheetCounting, CheckKindClassifiesTheWholeSheet)
{
    CSheet s;
    EXPECT_EQ(s.CheckKind(), kind::kHWire);  // empty
    s.NewWire(CPoint(10, 10));
    EXPECT_EQ(s.CheckKind(), kind::kWire);  // one zero-length wire
    s.DeleteContents();
    s.NewWire(CPoint(0, 0), CPoint(100, 0));
    s.NewWire(CPoint(0, 50), CPoint(-100, 50));
    EXPECT_EQ(s.CheckKind(), kind::kHWire);
    s.NewWire(CPoint(0, 0), CPoint(0, 100));
    EXPECT_EQ(s.CheckKind(), kind::kWire);
    s.DeleteContents();
    s.NewWire(CPoint(0, 0), CPoint(0, 100));
    EXPECT_EQ(s.CheckKind(), kind::kVWire);

    s.DeleteContents();
    s.NewBus(CPoint(0, 0), CPoint(0, 100));
    EXPECT_EQ(s.CheckKind(), kind::kVBus);
    s.NewBus(CPoint(0, 0), CPoint(10, 100));
    EXPECT_EQ(s.CheckKind(), kind::kBus);
    s.DeleteContents();
    s.NewLine(CPoint(0, 0), CPoint(100, 0));
    EXPECT_EQ(s.CheckKind(), kind::kHLine);
    s.NewLine(CPoint(0, 0), CPoint(0, 100));
    EXPECT_EQ(s.CheckKind(), kind::kLine);
    s.NewWire(CPoint(0, 0), CPoint(100, 0));
    EXPECT_EQ(s.CheckKind(), kind::kMixed);

    s.DeleteContents();
    s.NewPin(CPoint(0, 0), CPoint(300, 0), 0);
    EXPECT_EQ(s.CheckKind(), kind::kPin);
    s.DeleteContents();
    s.NewText("a", CPoint(0, 0), 70, 0);
    EXPECT_EQ(s.CheckKind(), kind::kText);
    s.DeleteContents();
    s.NewPart(SamplePart(CPoint(0, 0)));
    EXPECT_EQ(s.CheckKind(), kind::kPart);
    s.NewJunc(CPoint(0, 0));
    EXPECT_EQ(s.CheckKind(), kind::kMixed);
}

// --- copy, merge, compare ----------------------------------------------------------------------

TEST_F(CSheetCopy, AssignmentMergeAndEquality)
{
    CSheet a;
    FillEveryKind(a);
    CSheet b(CSheet::kDrawing);
    b.NewWire(CPoint(1, 2), CPoint(3, 4));
    b = a;
    EXPECT_EQ(b.GetSheetType(), CSheet::kDrawing);
    EXPECT_EQ(b.GetItemCount(), a.GetItemCount());
    ExpectSameSheet(a, b);
    EXPECT_NE(b.GetHeadWire(), a.GetHeadWire());  // copies, never shared

    const CSheet& alias = b;
    b = alias;  // self-assignment keeps the contents
    EXPECT_EQ(b.GetItemCount(), a.GetItemCount());

    // A junction inside the outline is invisible to the comparison, one
    // outside it is not.
    b.NewJunc(CPoint(500, 500));
    EXPECT_EQ(a == b, 1);
    b.NewJunc(CPoint(-5000, 500));
    EXPECT_EQ(a == b, 0);

    // Names and list order count.
    CSheet c;
    c = a;
    c.GetHeadWire()->GetNameText().SetName("ADDR");
    EXPECT_EQ(a == c, 0);
    CSheet d;
    d = a;
    d.Wires().SwapAt(d.Wires().GetHeadPosition(), d.Wires().GetTailPosition());
    EXPECT_EQ(a == d, 0);
}

TEST_F(CSheetCopy, EqualityIgnoresPinOrderWithoutSortingEitherSheet)
{
    CSheet a, b;
    a.NewPart(SamplePart(CPoint(0, 0)));
    b.NewPart(SamplePart(CPoint(0, 0)));
    CItemList<CPin>& pins = b.GetHeadPart()->Pins();
    pins.SwapAt(pins.GetHeadPosition(), pins.GetTailPosition());
    const CPin* head = pins.GetHead();
    EXPECT_EQ(a == b, 1);
    EXPECT_EQ(pins.GetHead(), head);
    EXPECT_EQ(pins.GetHead()->GetName(), CString("Y"));
}

TEST_F(CSheetCopy, CleanSheetRemovesItemsHeldByBoth)
{
    CSheet mine, other;
    mine.NewWire(CPoint(0, 0), CPoint(100, 0));
    mine.NewText("T", CPoint(0, 0), 70, 0);
    mine.NewJunc(CPoint(100, 0));
    mine.NewArc(CPoint(0, 0), 50, 0, 90, 0, 8);
    CPin* pin = mine.NewPin(CPoint(0, 0), CPoint(300, 0), 0);
    mine.NewPart(SamplePart(CPoint(0, 0)));
    other += mine;
    other.NewWire(CPoint(0, 0), CPoint(0, 100));
    pin->SetName("OTHER");  // no longer equal to other's pin

    mine.CleanSheet(other);
    // Parts are not cleaned; the changed pin stays on both sides.
    EXPECT_EQ(mine.GetItemCount(), 2u);
    EXPECT_EQ(mine.GetCount(kind::kPart), 1);
    EXPECT_EQ(mine.GetHeadPin(), pin);
    EXPECT_EQ(other.GetItemCount(), 3u);
    EXPECT_EQ(other.GetCount(kind::kWire), 1);
    EXPECT_EQ(other.GetCount(kind::kPin), 1);
    EXPECT_EQ(int(mine.GetItemCount()), ListTotal(mine));
    EXPECT_EQ(int(other.GetItemCount()), ListTotal(other));

    mine.CleanSheet(mine);  // nothing to clean against itself
    EXPECT_EQ(mine.GetItemCount(), 2u);
}

TEST_F(CSheetCopy, MoveItemTakesOnlyTheChosenKind)
{
    CSheet src, dst;
    CLine* h = src.NewWire(CPoint(0, 0), CPoint(100, 0));
    src.NewWire(CPoint(0, 0), CPoint(0, 100));
    src.NewWire(CPoint(0, 0), CPoint(100, 100));
    src.NewBus(CPoint(0, 50), CPoint(100, 50));
    src.NewWire(CPoint(0, 300), CPoint(-100, 300));
    src.NewText("x", CPoint(0, 0), 70, 0);
    src.NewPart(SamplePart(CPoint(0, 0)));
    const CLine hCopy = *h;
    dst.NewJunc(CPoint(1, 1));

    dst.MoveItem(src, kind::kHWire);
    EXPECT_EQ(dst.GetItemCount(), 2u);
    EXPECT_EQ(dst.GetCount(kind::kWire), 2);
    EXPECT_TRUE(dst.GetHeadWire()->Compare(hCopy));
    EXPECT_EQ(src.GetItemCount(), 5u);
    EXPECT_EQ(src.GetCount(kind::kHWire), 0);
    EXPECT_EQ(src.GetCount(kind::kHBus), 1);

    dst.MoveItem(src, kind::kPart);
    EXPECT_EQ(dst.CheckKind(), kind::kPart);
    EXPECT_EQ(src.GetCount(kind::kPart), 0);

    CSheet before;
    before = src;
    dst.MoveItem(src, kind::kWire);  // not a movable code
    EXPECT_EQ(dst.GetItemCount(), 0u);
    ExpectSameSheet(src, before);
    EXPECT_EQ(src.GetItemCount(), before.GetItemCount());

    src.MoveItem(src, kind::kText);  // onto itself: nothing is lost
    EXPECT_EQ(src.GetItemCount(), before.GetItemCount());
    EXPECT_EQ(int(src.GetItemCount()), ListTotal(src));
}

// --- whole-sheet transforms --------------------------------------------------------------------

TEST_F(CSheetTransform, RotationsAndMirrorsReturnEveryItem)
{
    CSheet original;
    FillEveryKind(original);
    const CPoint c(137, -53);
    const auto check = [&](const char* what, auto transform) {
        SCOPED_TRACE(what);
        CSheet s;
        s = original;
        transform(s);
        ExpectSameSheet(s, original);
    };
    check("four turns counter-clockwise", [&](CSheet& s) {
        for (int i = 0; i < 4; ++i)
            s.Rotate(c, 1);
    });
    check("four turns clockwise", [&](CSheet& s) {
        for (int i = 0; i < 4; ++i)
            s.Rotate(c, -1);
    });
    check("there and back", [&](CSheet& s) {
        s.Rotate(c, 1);
        EXPECT_EQ(s == original, 0);
        s.Rotate(c, -1);
    });
    check("mirror x twice", [&](CSheet& s) {
        s.MirrorX(c);
        EXPECT_EQ(s == original, 0);
        s.MirrorX(c);
    });
    check("mirror y twice", [&](CSheet& s) {
        s.MirrorY(c);
        EXPECT_EQ(s == original, 0);
        s.MirrorY(c);
    });
    check("offset there and back", [&](CSheet& s) {
        s.OffsetItem(CPoint(300, -700), false);
        EXPECT_EQ(s == original, 0);
        s.OffsetItem(CPoint(-300, 700), false);
    });
}

TEST_F(CSheetTransform, OneTurnPutsEachKindInPlace)
{
    CSheet s;
    s.NewWire(CPoint(100, 0), CPoint(200, 0));
    s.NewJunc(CPoint(300, 50));
    s.NewArc(CPoint(100, 100), 50, 0, 90, 0, 8);
    s.NewPin(CPoint(0, 0), CPoint(300, 0), 0);
    s.NewText("t", CPoint(10, 20), 70, 0);
    s.NewPart(SamplePart(CPoint(1000, 0)));
    s.Rotate(CPoint(0, 0), 1);
    EXPECT_EQ(s.GetHeadWire()->GetStartPoint(), CPoint(0, 100));
    EXPECT_EQ(s.GetHeadWire()->GetEndPoint(), CPoint(0, 200));
    EXPECT_EQ(s.Juncs().GetHead()->GetPoint(), CPoint(-50, 300));
    EXPECT_EQ(s.Arcs().GetHead()->GetCenter(), CPoint(-100, 100));
    EXPECT_EQ(s.Arcs().GetHead()->GetStartAngle(), 90);
    EXPECT_EQ(s.GetHeadPin()->GetPoint(), CPoint(0, 300));
    EXPECT_EQ(s.GetHeadPin()->GetDir(), dir::k90);
    EXPECT_EQ(s.GetHeadText()->GetPoint(), CPoint(-20, 10));
    EXPECT_EQ(s.GetHeadPart()->GetOrg(), CPoint(0, 1000));
    EXPECT_EQ(s.GetHeadPart()->GetAngle() & CPart::kDirMask, int(dir::k90));

    s.MirrorX(CPoint(0, 0));
    EXPECT_EQ(s.GetHeadWire()->GetStartPoint(), CPoint(0, 100));
    EXPECT_EQ(s.Juncs().GetHead()->GetPoint(), CPoint(50, 300));
    // Free texts re-anchor: a turned text flips top and bottom.
    EXPECT_EQ(s.GetHeadText()->GetPoint(), CPoint(20, 10));
    EXPECT_EQ(s.GetHeadText()->GetOrg(), anchor::TopLeft);
    EXPECT_EQ(s.GetHeadPart()->GetAngle() & CPart::kMirrorX, CPart::kMirrorX);
}

TEST_F(CSheetTransform, RotateWithoutDirectionAsksForShift)
{
    CSheet s;
    s.NewJunc(CPoint(100, 0));
    host->shift = false;
    s.Rotate(CPoint(0, 0), 0);
    EXPECT_EQ(s.Juncs().GetHead()->GetPoint(), CPoint(0, 100));  // counter-clockwise
    host->shift = true;
    s.Rotate(CPoint(0, 0), 0);
    EXPECT_EQ(s.Juncs().GetHead()->GetPoint(), CPoint(100, 0));  // clockwise
    // An explicit direction wins over the key.
    s.Rotate(CPoint(0, 0), 5);
    EXPECT_EQ(s.Juncs().GetHead()->GetPoint(), CPoint(0, 100));
    host->shift = false;
    s.Rotate(CPoint(0, 0), -5);
    EXPECT_EQ(s.Juncs().GetHead()->GetPoint(), CPoint(100, 0));

    // Turning the texts alone always asks.
    CText* t = s.NewText("abc", CPoint(100, 0), 70, 0);
    t->SetTextSel(true);
    host->shift = true;
    s.RotateText(CPoint(0, 0));
    EXPECT_EQ(t->GetPoint(), CPoint(0, -100));
    host->shift = false;
    s.RotateText(CPoint(0, 0));
    EXPECT_EQ(t->GetPoint(), CPoint(100, 0));
}

TEST_F(CSheetTransform, OffsetItemLeavesDraggedArcsToTheRubberBand)
{
    CSheet s;
    CArc* dragged = s.NewArc(CPoint(0, 0), 100, 0, 90, 0, 8);
    dragged->SetCheck(CRect(90, -10, 110, 10));  // catches the start only
    ASSERT_TRUE(dragged->CheckEdge());
    CArc* whole = s.NewArc(CPoint(0, 0), 100, 0, 90, 0, 8);
    const CArc before = *dragged;

    s.OffsetItem(CPoint(0, 0), true);  // no move at all, not even the one end
    EXPECT_TRUE(*dragged == before);
    EXPECT_TRUE(dragged->CheckEdge());

    s.OffsetItem(CPoint(50, 50), false);
    EXPECT_TRUE(*dragged == before);
    EXPECT_EQ(whole->GetCenter(), CPoint(50, 50));

    // A whole move takes the arc along instead of swinging its marked end.
    s.OffsetItem(CPoint(50, 50), true);
    EXPECT_EQ(dragged->GetCenter(), CPoint(50, 50));
    EXPECT_EQ(dragged->GetStartAngle(), 0);
    EXPECT_EQ(dragged->GetEndAngle(), 90);
    EXPECT_EQ(whole->GetCenter(), CPoint(100, 100));
}

TEST_F(CSheetTransform, AttributeMovesTouchOnlySelectedTexts)
{
    CSheet s;
    CText* free = s.NewText("free", CPoint(0, 0), 70, 0);
    CText* still = s.NewText("still", CPoint(0, 500), 70, 0);
    CLine* wire = s.NewWire(CPoint(0, 1000), CPoint(1000, 1000));
    wire->SetName("N1", CPoint(100, 1050), 8);
    CPart* part = s.NewPart(SamplePart(CPoint(3000, 0)));
    free->SetTextSel(true);
    wire->GetNameText().SetTextSel(true);
    part->GetRefNameText().SetTextSel(true);
    part->Pins().GetHead()->ModifyElect(CPin::kSelected, 0);
    const CPoint ref = part->GetRefNameText().GetPoint();
    const CPoint pinTip = part->Pins().GetHead()->GetPoint();
    const CPoint name = wire->GetNameText().GetPoint();

    s.OffsetAttr(CPoint(30, 40));
    EXPECT_EQ(free->GetPoint(), CPoint(30, 40));
    EXPECT_EQ(still->GetPoint(), CPoint(0, 500));
    EXPECT_EQ(wire->GetNameText().GetPoint(), name + CPoint(30, 0));  // slides along the wire
    EXPECT_EQ(wire->GetStartPoint(), CPoint(0, 1000));
    EXPECT_EQ(part->GetRefNameText().GetPoint(), ref + CPoint(30, 40));
    EXPECT_EQ(part->Pins().GetHead()->GetPoint(),
              pinTip + CPoint(30, 40));  // a selected pin moves whole
    EXPECT_EQ(part->GetOrg(), CPoint(3000, 0));

    host->shift = true;
    s.OffsetAttr(CPoint(0, 10));
    EXPECT_EQ(wire->GetNameText().GetPoint(), name + CPoint(30, 10));
}

TEST_F(CSheetTransform, FrameChangeStepsEveryFreeTextAndSelectedNames)
{
    CSheet s;
    CText* plain = s.NewText("plain", CPoint(0, 0), 70, 0);
    CText* hidden = s.NewText("hidden", CPoint(0, 200), 70, 0);
    hidden->Disp(false);
    CLine* wire = s.NewWire(CPoint(0, 1000), CPoint(1000, 1000));
    wire->SetName("N1", CPoint(100, 1050), 8);
    CLine* other = s.NewWire(CPoint(0, 2000), CPoint(1000, 2000));
    other->SetName("N2", CPoint(100, 2050), 8);
    wire->GetNameText().SetTextSel(true);
    CPart* part = s.NewPart(SamplePart(CPoint(3000, 0)));
    part->GetValNameText().SetTextSel(true);

    s.FrameChange(0);
    EXPECT_EQ(plain->GetFrame(), 1);
    EXPECT_FALSE(plain->IsTextSel());
    EXPECT_EQ(hidden->GetFrame(), 0);  // a hidden text has no frame to step
    EXPECT_EQ(wire->GetNameText().GetFrame(), 1);
    EXPECT_EQ(other->GetNameText().GetFrame(), 0);
    EXPECT_EQ(part->GetValNameText().GetFrame(), 1);
    EXPECT_EQ(part->GetRefNameText().GetFrame(), 0);
    s.FrameChange(1);
    EXPECT_EQ(plain->GetFrame(), 0);
}

// --- selection marks ---------------------------------------------------------------------------

TEST_F(CSheetSelection, TextSelectionAndPinSelection)
{
    CSheet s;
    CText* inside = s.NewText("in", CPoint(3000, 400), 70, 0);
    CText* outside = s.NewText("out", CPoint(-5000, 0), 70, 0);
    CPart* part = s.NewPart(SamplePart(CPoint(3000, 0)));
    CPin* hidden = part->Pins().GetTail();
    hidden->ModifyElect(CPin::kHidden, 0);
    const CRect all(2000, -1000, 4000, 1000);

    s.SetTextSel(all, 0);
    EXPECT_TRUE(inside->IsTextSel());
    EXPECT_FALSE(outside->IsTextSel());
    EXPECT_TRUE(part->GetRefNameText().IsTextSel());
    EXPECT_TRUE(part->Pins().GetHead()->GetNameText().IsTextSel());
    EXPECT_FALSE(hidden->GetNameText().IsTextSel());
    EXPECT_FALSE(part->Pins().GetHead()->IsSelect());

    s.SetTextSel(all, 1);
    EXPECT_TRUE(part->Pins().GetHead()->IsSelect());
    EXPECT_FALSE(hidden->IsSelect());

    s.ResetTextSel();
    EXPECT_FALSE(inside->IsTextSel());
    EXPECT_FALSE(part->GetRefNameText().IsTextSel());
    EXPECT_FALSE(part->Pins().GetHead()->GetNameText().IsTextSel());
    EXPECT_FALSE(part->Pins().GetHead()->IsSelect());
}

TEST_F(CSheetSelection, TextOriginCheckAndChange)
{
    // Keys 97..105 are the keypad digits 1..9: 97 bottom-left, 98 bottom-centre.
    CSheet s;
    EXPECT_TRUE(s.CheckTextOrg(98, true));  // nothing to change
    CText* a = s.NewText("a", CPoint(0, 0), 70, 0);
    s.NewText("b", CPoint(0, 500), 70, 0);
    EXPECT_TRUE(s.CheckTextOrg(97, false));
    EXPECT_FALSE(s.CheckTextOrg(98, false));
    EXPECT_TRUE(s.CheckTextOrg(50, false));  // not a keypad digit

    s.ChangeTextOrg(98, 0);
    EXPECT_EQ(a->GetOrg(), anchor::BottomCenter);
    EXPECT_TRUE(s.CheckTextOrg(98, false));

    // The same origin with another rotation still needs a change.
    a->ModifyAngle(dir::k90, dir::kMask);
    EXPECT_FALSE(s.CheckTextOrg(98, false));
    a->ModifyAngle(0, dir::kMask);

    CPart* part = s.NewPart(SamplePart(CPoint(3000, 0)));
    CText& ref = part->GetRefNameText();
    EXPECT_TRUE(s.CheckTextOrg(98, true));  // unselected attribute texts do not count
    ref.SetTextSel(true);
    EXPECT_FALSE(s.CheckTextOrg(98, true));
    EXPECT_TRUE(s.CheckTextOrg(98, false));
    s.ChangeTextOrg(98, 0);
    EXPECT_EQ(ref.GetOrg(), anchor::BottomLeft);
    s.ChangeTextOrg(98, 1);
    EXPECT_EQ(ref.GetOrg(), anchor::BottomCenter);
    EXPECT_EQ(part->GetValNameText().GetOrg(), anchor::BottomLeft);
    EXPECT_TRUE(s.CheckTextOrg(98, true));
}

// --- building a part symbol --------------------------------------------------------------------

TEST_F(CSheetMakePart, DrawingMovesIntoThePart)
{
    CSheet s(CSheet::kDrawing);
    CLine* outline = s.NewLine(CPoint(0, 0), CPoint(400, 0));
    outline->SetCheck(1);
    s.NewWire(CPoint(0, 0), CPoint(0, 400));
    s.NewBus(CPoint(0, 0), CPoint(0, 400));
    s.NewJunc(CPoint(0, 0));
    s.NewPart(SamplePart(CPoint(5000, 0)));
    s.NewPin(NamedPin(CPoint(0, 100), CPoint(-300, 100), CPin::Input, "IN", "1"));
    s.NewPin(NamedPin(CPoint(400, 100), CPoint(700, 100), CPin::Power, "VCC", "14"));
    s.NewText("name", CPoint(0, 500), 70, 0);
    s.NewText("REF", CPoint(0, 600), 70, 0);
    s.NewText("vAl", CPoint(0, 700), 70, 0);
    s.NewText("Label", CPoint(100, 50), 50, 0);
    CText property;
    property.SetProperty("PCB", "DIP8");
    property.Disp(true);
    property.SetTextSel(true);
    s.NewText(property);
    CArc* arc = s.NewArc(CPoint(200, 200), 50, 0, 180, 0, 8);
    arc->SetCheck(1);
    s.SetCalcOpenMode(0);

    CPart part;
    part.GetRefNameText().SetName("U?");
    part.GetRefNameText().Disp(false);
    s.MakePart(part);

    EXPECT_EQ(part.Lines().GetCount(), 1);
    EXPECT_EQ(part.Lines().GetHead(), outline);  // the object itself changes owner
    EXPECT_EQ(outline->GetStartCheck(), 0);
    EXPECT_EQ(outline->GetEndCheck(), 0);
    ASSERT_EQ(part.GetPinCount(), 2);
    EXPECT_TRUE(part.Pins().GetHead()->IsDisp());
    EXPECT_FALSE(part.Pins().GetTail()->IsDisp());  // power pins hide by default
    ASSERT_EQ(part.Texts().GetCount(), 2);
    EXPECT_EQ(part.Texts().GetHead()->GetName(), CString("Label"));
    const CText& prop = *part.Texts().GetTail();
    EXPECT_EQ(prop.GetPropertyName(), CString("PCB"));
    EXPECT_EQ(prop.GetAngle() & CText::kHidden, CText::kHidden);
    EXPECT_FALSE(prop.IsTextSel());
    ASSERT_EQ(part.Arcs().GetCount(), 1);
    EXPECT_EQ(part.Arcs().GetHead()->GetStartCheck(), 0);
    EXPECT_TRUE(part.GetRefNameText().IsDisp());
    EXPECT_FALSE(part.GetBoundingRect().IsRectEmpty());

    // Wires, buses, junctions, parts and the three name placeholders stay.
    EXPECT_EQ(s.GetCount(kind::kWire), 1);
    EXPECT_EQ(s.GetCount(kind::kBus), 1);
    EXPECT_EQ(s.GetCount(kind::kJunc), 1);
    EXPECT_EQ(s.GetCount(kind::kPart), 1);
    EXPECT_EQ(s.GetCount(kind::kText), 3);
    EXPECT_EQ(s.GetCount(kind::kLine) + s.GetCount(kind::kPin) + s.GetCount(kind::kArc), 0);
    EXPECT_EQ(int(s.GetItemCount()), ListTotal(s));
    EXPECT_EQ(s.GetCalcOpenMode(), 1);
}

TEST_F(CSheetMakePart, PowerPinsStayVisibleWhenTheSettingIsOff)
{
    Profile().WriteInt("MakePart", "HidePowerPin", 0);
    CSheet s;
    s.NewPin(NamedPin(CPoint(0, 0), CPoint(300, 0), CPin::Power, "GND", "7"));
    CPart part;
    s.MakePart(part);
    ASSERT_EQ(part.GetPinCount(), 1);
    EXPECT_TRUE(part.Pins().GetHead()->IsDisp());
    EXPECT_EQ(s.GetItemCount(), 0u);
    EXPECT_EQ(s.GetCalcOpenMode(), 0);
}
