#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "base/archive.h"
#include "base/memoryprofile.h"
#include "items/part.h"

namespace {

CPart PartWithRef(const char* ref, int packageMax = 0)
{
    CPart part(CPoint(0, 0), CPoint(0, 0), CPoint(0, 0), packageMax, packageMax ? 1 : 0, 0, 0);
    part.SetRefName(ref);
    return part;
}

struct RefParts {
    CString prefix, suffix;
    int number;
};

RefParts Split(const char* ref)
{
    RefParts r;
    PartWithRef(ref).GetRefName(r.prefix, r.suffix, r.number);
    return r;
}

// A small symbol: an outline, three pins with texts, a label and a property.
CPart SampleSymbol()
{
    CPart part(CPoint(1000, 1000), CPoint(0, 0), CPoint(0, 0), 1, 1, 0, 0);
    part.SetPartName("74HC00", CPoint(1000, 1400), 8);
    part.SetRefName("U?", CPoint(1000, 1500), 8);
    part.SetValue("NAND", CPoint(1000, 1300), 8);
    part.NewLine(CPoint(900, 900), CPoint(1300, 900), CLine::kPlain);
    part.NewLine(CPoint(1300, 900), CPoint(1300, 1200), CLine::kPlain);
    part.NewArc(CPoint(1100, 1050), 60, 0, 180, 0, 8);
    CPin* a = part.NewPin(CPoint(900, 1000), CPoint(600, 1000), CPin::Input);
    a->SetName("A");
    a->SetNo("1");
    CPin* b = part.NewPin(CPoint(900, 1100), CPoint(600, 1100), CPin::Input | CPin::kDot);
    b->SetName("B");
    b->SetNo("2");
    CPin* y = part.NewPin(CPoint(1300, 1050), CPoint(1600, 1050), CPin::Output | CPin::kClock);
    y->SetName("Y");
    y->SetNo("3");
    part.NewText("GATE", CPoint(1050, 950), 50, 8);
    CText property;
    property.SetProperty("PCB", "DIP14");
    part.NewText(property);
    part.CalcBoundRect(1);
    return part;
}

// Everything a transform may disturb, compared item by item.
void ExpectSameGeometry(const CPart& a, const CPart& b)
{
    EXPECT_EQ(a.GetOrg(), b.GetOrg());
    EXPECT_EQ(a.GetAngle(), b.GetAngle());
    EXPECT_EQ(a.GetRefNameText(), b.GetRefNameText());
    EXPECT_EQ(a.GetPartNameText(), b.GetPartNameText());
    EXPECT_EQ(a.GetValNameText(), b.GetValNameText());
    EXPECT_EQ(a.GetBoundingRect(), b.GetBoundingRect());
    ASSERT_EQ(a.GetPinCount(), b.GetPinCount());
    for (auto p = a.Pins().begin(), q = b.Pins().begin(); p != a.Pins().end(); ++p, ++q)
        EXPECT_TRUE(p->Compare(*q));
    for (auto p = a.Lines().begin(), q = b.Lines().begin(); p != a.Lines().end(); ++p, ++q)
        EXPECT_TRUE(p->Compare(*q));
    for (auto p = a.Arcs().begin(), q = b.Arcs().begin(); p != a.Arcs().end(); ++p, ++q)
        EXPECT_TRUE(*p == *q);
    for (auto p = a.Texts().begin(), q = b.Texts().begin(); p != a.Texts().end(); ++p, ++q)
        EXPECT_TRUE(*p == *q);
}

class CPartTest : public ::testing::Test {
protected:
    CScopedProfile profile{std::make_unique<MemoryProfile>()};
};

}  // namespace

TEST(CPartReference, SplitsIntoPrefixNumberSuffix)
{
    RefParts r = Split("U12A");
    EXPECT_EQ(r.prefix, "U");
    EXPECT_EQ(r.number, 12);
    EXPECT_EQ(r.suffix, "A");
    r = Split("R1");
    EXPECT_EQ(r.prefix, "R");
    EXPECT_EQ(r.number, 1);
    EXPECT_EQ(r.suffix, "");
    r = Split("IC3B2");
    EXPECT_EQ(r.prefix, "IC3B");
    EXPECT_EQ(r.number, 2);
    r = Split("U?B");
    EXPECT_EQ(r.prefix, "U");
    EXPECT_EQ(r.suffix, "B");
    EXPECT_EQ(r.number, 0);
    r = Split("CONN");
    EXPECT_EQ(r.prefix, "CONN");
    EXPECT_EQ(r.number, 0);
    r = Split("42");
    EXPECT_EQ(r.prefix, "");
    EXPECT_EQ(r.suffix, "");
    EXPECT_EQ(r.number, 42);
    CString p, s;
    int n;
    EXPECT_FALSE(PartWithRef("").GetRefName(p, s, n));

    EXPECT_EQ(PartWithRef("U12A").GetRefNameA(), "U12");
    EXPECT_EQ(PartWithRef("CONN").GetRefNameA(), "CONN");
    EXPECT_EQ(PartWithRef("U12A").GetRefNo(), 12);
    EXPECT_EQ(PartWithRef("U?").GetRefNo(), -1);
    EXPECT_EQ(PartWithRef("").GetRefNo(), -1);
    // A number too long for an int saturates instead of overflowing.
    EXPECT_EQ(PartWithRef("R99999999999999999999").GetRefNo(), 2147483647);
}

TEST_F(CPartTest, NumberingStepsAndReturnsToQuestionMark)
{
    CPart part = PartWithRef("U?");
    part.IncRefName(1);
    EXPECT_EQ(part.GetRefName(), "U1");
    part.IncRefName(-1);
    EXPECT_EQ(part.GetRefName(), "U?");
    part.IncRefName(5);
    EXPECT_EQ(part.GetRefName(), "U5");

    CPart gate = PartWithRef("U3B", 4);
    gate.SetRefNo(7, 0);  // a numbered reference keeps its number unless forced
    EXPECT_EQ(gate.GetRefName(), "U3B");
    gate.SetRefNo(7, 1);
    EXPECT_EQ(gate.GetRefName(), "U7B");
    gate.SetRefNo(0, 0);
    EXPECT_EQ(gate.GetRefName(), "U?B");
}

TEST_F(CPartTest, ReferenceFormatPropertyAppliesToSingleGatePartsOnly)
{
    CText form;
    form.SetProperty("REFFORM", "%03d");
    CPart single = PartWithRef("R?", 1);
    single.NewText(form);
    single.SetRefNo(7, 0);
    EXPECT_EQ(single.GetRefName(), "R007");

    CPart quad = PartWithRef("U?A", 4);
    quad.NewText(form);
    quad.SetRefNo(7, 0);
    EXPECT_EQ(quad.GetRefName(), "U7A");
}

TEST_F(CPartTest, SetRefNoCasesAndFormatsThatMustReadBack)
{
    struct Case {
        const char* ref;
        int packageMax;
        const char* refform;  // "" for none
        int number, force;
        const char* expected;
    };
    const Case cases[] = {
        {"R3", 1, "", 5, 0, "R3"},       // numbered and not forced: kept
        {"R3", 1, "", 5, 1, "R5"},
        {"R3", 1, "", 0, 0, "R?"},
        {"U?B", 4, "", 12, 0, "U12B"},
        {"R?", 1, "", -1, 1, "R?"},      // a negative number has no reference
        {"R3", 1, "", -7, 1, "R3"},
        {"R?", 1, "%03d", 7, 0, "R007"},
        {"R?", 1, "%03d", 1234, 0, "R1234"},
        {"C?A", 1, "%02d", 3, 0, "C03A"},
        // Formats whose result would split into another prefix or suffix.
        {"R?", 1, "N%02d", 7, 0, "R7"},
        {"R?", 1, "%-4d", 7, 0, "R7"},
        {"R?", 1, "%+d", 7, 0, "R7"},
        {"R?", 1, "%d0", 7, 0, "R7"},
        {"U?A", 4, "%03d", 7, 0, "U7A"},  // gates never take the format
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.ref) + " " + c.refform + " " + std::to_string(c.number));
        CPart part = PartWithRef(c.ref, c.packageMax);
        if (*c.refform) {
            CText form;
            form.SetProperty("REFFORM", c.refform);
            part.NewText(form);
        }
        part.SetRefNo(c.number, c.force);
        EXPECT_EQ(part.GetRefName(), c.expected);
    }
}

TEST_F(CPartTest, IncRefNameRefusesStepsPastTheLargestNumber)
{
    CPart part = PartWithRef("R1");
    EXPECT_TRUE(part.IncRefName(-1));
    EXPECT_EQ(part.GetRefName(), "R?");
    EXPECT_TRUE(part.IncRefName(-3));  // stays unnumbered
    EXPECT_EQ(part.GetRefName(), "R?");

    CPart top = PartWithRef("R2147483646");
    EXPECT_TRUE(top.IncRefName(1));
    EXPECT_EQ(top.GetRefName(), "R2147483647");
    EXPECT_FALSE(top.IncRefName(1));
    EXPECT_EQ(top.GetRefName(), "R2147483647");
    CPart far = PartWithRef("R5");
    EXPECT_FALSE(far.IncRefName(2147483647));
    EXPECT_EQ(far.GetRefName(), "R5");
}

TEST_F(CPartTest, HostileReferenceFormatsFallBackToPlainNumbers)
{
    for (const char* hostile : {"%s", "%n", "%d%d", "%999999d", "%p", "%ld", "%", "abc", "%*d", "%.999d"}) {
        EXPECT_FALSE(CPart::IsSafeNumberFormat(hostile)) << hostile;
        CText form;
        form.SetProperty("REFFORM", hostile);
        CPart part = PartWithRef("R?", 1);
        part.NewText(form);
        part.SetRefNo(12, 0);
        EXPECT_EQ(part.GetRefName(), "R12") << hostile;
    }
    for (const char* fine : {"%d", "%03d", "%-4d", "%i", "N%02d", "%%%d"})
        EXPECT_TRUE(CPart::IsSafeNumberFormat(fine)) << fine;
}

TEST(CPartReference, CompleteReferencesNeedANumberAndAName)
{
    EXPECT_FALSE(PartWithRef("12").RefCheck());
    EXPECT_FALSE(PartWithRef("U").RefCheck());
    EXPECT_FALSE(PartWithRef("U?").RefCheck());
    EXPECT_TRUE(PartWithRef("U12").RefCheck());
    EXPECT_TRUE(PartWithRef("12A").RefCheck());
}

TEST(CPartReference, CompareRefOrdersByPrefixNumberSuffix)
{
    EXPECT_LT(PartWithRef("R2").CompareRef(PartWithRef("R10")), 0);
    EXPECT_EQ(PartWithRef("r2").CompareRef(PartWithRef("R2")), 0);
    // IC2, ic10, IC10A, R1 is the sorted order.
    const char* order[] = {"IC2", "ic10", "IC10A", "R1"};
    for (int i = 0; i + 1 < 4; ++i)
        EXPECT_LT(PartWithRef(order[i]).CompareRef(PartWithRef(order[i + 1])), 0) << order[i];
    EXPECT_GT(PartWithRef("R1").CompareRef(PartWithRef("IC2")), 0);
}

TEST_F(CPartTest, PropertiesAreFoundIgnoringCaseAndDeletedByVisibility)
{
    CPart part = PartWithRef("U1");
    CText hidden;
    hidden.SetProperty("Vendor", "ACME");
    part.NewText(hidden);
    CText count;
    count.SetProperty("PINS", "14");
    part.NewText(count);
    part.NewText(CText("&DATE&date&2026", CPoint(0, 0), 70, 8));  // shown as its value
    part.NewText(CText("plain", CPoint(0, 0), 70, 8));

    EXPECT_EQ(part.GetProperty("vendor"), "ACME");
    EXPECT_EQ(part.GetProperty(""), "");
    EXPECT_EQ(part.GetProperty("missing"), "");
    EXPECT_TRUE(part.IsProperty("pins"));
    EXPECT_FALSE(part.IsProperty("vendor"));  // "ACME" reads as 0
    EXPECT_EQ(part.GetPropertyCSV("MPN, vendor,PINS"), "ACME");
    EXPECT_EQ(part.GetPropertyCSV("MPN,NONE"), "");

    part.DeleteProperty("date");  // shown properties need the bracket form
    EXPECT_EQ(part.Texts().GetCount(), 4);
    part.DeleteProperty("[DATE]");
    EXPECT_EQ(part.Texts().GetCount(), 3);
    part.DeleteProperty("VENDOR");
    EXPECT_EQ(part.GetProperty("Vendor"), "");
    part.DeleteText("plain");
    EXPECT_EQ(part.Texts().GetCount(), 1);
}

TEST_F(CPartTest, DeletePropertyReadsTheClosingBracketAsACharacter)
{
    // "[A" + 0x81 0x5D: the last byte is ']' but belongs to a double-byte
    // character, so the name is a plain one and not "[A...]".
    const CString name = CString("[A") + CString("\x81\x5D");
    CPart part = PartWithRef("U1");
    CText hidden;
    hidden.SetProperty(name, "1");
    part.NewText(hidden);
    part.DeleteProperty(name);
    EXPECT_EQ(part.Texts().GetCount(), 0);
}

TEST_F(CPartTest, HitPropertyFindsShownPropertiesOnly)
{
    CPart part = PartWithRef("U1");
    CText shown("&TITLE&title&Amp", CPoint(100, 100), 70, 8);
    part.NewText(shown);
    CText hidden;
    hidden.SetProperty("X", "1");
    hidden.SetPoint(CPoint(100, 100));
    part.NewText(hidden);
    const CRect r = shown.GetTextBoundingRect();
    CText* hit = part.HitProperty(r.CenterPoint());
    ASSERT_NE(hit, nullptr);
    EXPECT_EQ(hit->GetName(), "&TITLE&title&Amp");
    EXPECT_EQ(part.HitProperty(CPoint(-5000, -5000)), nullptr);
}

TEST_F(CPartTest, InvisiblePartGetsItsNameShown)
{
    CPart part = PartWithRef("U1");
    part.SetPartName("LM358");
    part.SetValue("x");
    part.NewPin(CPoint(0, 0), CPoint(300, 0), CPin::kHidden);
    part.SetDisp(0, 0, 0);
    EXPECT_TRUE(part.GetPartNameText().IsDisp());
    EXPECT_FALSE(part.GetRefNameText().IsDisp());

    // A visible outline keeps the choice as made.
    CPart drawn = part;
    drawn.GetPartNameText().Disp(false);
    drawn.NewLine(CPoint(0, 0), CPoint(100, 0), CLine::kPlain);
    drawn.SetDisp(0, 2, 1);
    EXPECT_FALSE(drawn.GetPartNameText().IsDisp());
    EXPECT_FALSE(drawn.GetRefNameText().IsDisp());
    EXPECT_TRUE(drawn.GetValNameText().IsDisp());
}

TEST_F(CPartTest, CopiesOwnTheirItems)
{
    CPart original = SampleSymbol();
    {
        CPart copy = original;
        copy.Offset(CPoint(500, 0));
        copy.Pins().RemoveAll();
    }
    EXPECT_EQ(original.GetPinCount(), 3);
    EXPECT_EQ(original.GetOrg(), CPoint(1000, 1000));
    CPart assigned;
    assigned = original;
    EXPECT_TRUE(assigned.Compare(original));
}

TEST_F(CPartTest, PinSortsByListingOrderAndByNumberStably)
{
    CPart part = PartWithRef("U1");
    auto add = [&](CPoint body, CPoint tip, const char* no, uint32_t elect = 0) {
        part.NewPin(body, tip, elect)->SetNo(no);
    };
    add(CPoint(0, 100), CPoint(300, 100), "10");             // direction 0
    add(CPoint(0, 0), CPoint(-300, 0), "2");                 // direction 0x200
    add(CPoint(0, 0), CPoint(0, -300), "A3");                // direction 0x300
    add(CPoint(0, 200), CPoint(300, 200), "B3", CPin::kHidden);
    add(CPoint(0, 0), CPoint(0, 300), "X");                  // direction 0x100
    add(CPoint(0, 0), CPoint(300, 0), "C3");                 // direction 0

    part.SortPin();
    std::vector<CString> order;
    for (const CPin& pin : part.Pins())
        order.push_back(pin.GetNo());
    EXPECT_EQ(order, (std::vector<CString>{"2", "A3", "C3", "10", "X", "B3"}));

    part.SortPinNo();
    order.clear();
    for (const CPin& pin : part.Pins())
        order.push_back(pin.GetNo());
    // X has no trailing digits (0); the threes keep their order.
    EXPECT_EQ(order, (std::vector<CString>{"X", "2", "A3", "C3", "B3", "10"}));
}

TEST_F(CPartTest, CompareLooksAtTextsAndSortedPins)
{
    CPart a = SampleSymbol();
    CPart b = SampleSymbol();
    // Same pins in another list order compare equal once sorted.
    b.Pins().SwapAt(b.Pins().GetHeadPosition(), b.Pins().GetTailPosition());
    EXPECT_TRUE(a.Compare(b));
    b.GetValNameText().SetName("NOR");
    EXPECT_TRUE(a == b);  // header only
    EXPECT_FALSE(a.Compare(b));
}

TEST_F(CPartTest, TransformsReturnEveryOwnedItemToItsPlace)
{
    const CPart original = SampleSymbol();
    const CPoint centre(250, -150);
    for (int dir : {0, 1}) {
        CPart part = original;
        for (int i = 0; i < 4; ++i)
            part.Rotate(centre, dir);
        ExpectSameGeometry(part, original);
    }
    CPart part = original;
    part.Rotate(centre, 1);
    EXPECT_EQ(part.GetAngle() & CPart::kDirMask, 0x100);
    part.Rotate(centre, 0);
    ExpectSameGeometry(part, original);

    part.Rotate(0);  // about the origin, which stays put
    EXPECT_EQ(part.GetOrg(), original.GetOrg());
    part.Rotate(1);
    ExpectSameGeometry(part, original);

    part.MirrorX(centre);
    EXPECT_EQ(part.GetAngle() & CPart::kMirrorX, CPart::kMirrorX);
    part.MirrorX(centre);
    ExpectSameGeometry(part, original);
    part.MirrorY(centre);
    EXPECT_EQ(part.GetAngle() & CPart::kMirrorY, CPart::kMirrorY);
    part.MirrorY(centre);
    ExpectSameGeometry(part, original);

    part.Offset(CPoint(30, 40));
    part.Offset(CPoint(-30, -40));
    ExpectSameGeometry(part, original);
}

TEST_F(CPartTest, OffsetMovesMarkedLinesWhole)
{
    CPart part = SampleSymbol();
    part.Lines().GetHead()->SetCheck(CPoint(900, 900), 1);  // one end marked
    part.Offset(CPoint(10, 0));
    EXPECT_EQ(part.Lines().GetHead()->GetStartPoint(), CPoint(910, 900));
    EXPECT_EQ(part.Lines().GetHead()->GetEndPoint(), CPoint(1310, 900));
}

TEST_F(CPartTest, OutlineCoversItemsAndVisibleTexts)
{
    CPart part = SampleSymbol();
    const CRect r = part.GetBoundingRect();
    EXPECT_LE(r.left, 600 - 6);   // pin tips
    EXPECT_GE(r.right, 1600 + 6);
    EXPECT_GE(r.bottom, part.GetRefNameText().GetTextBoundingRect().bottom);
    EXPECT_TRUE(part.GetSimpleBoundingRect().bottom < r.bottom);
    // A frame property counts with its frame rectangle.
    CText frame("&FRAME1&x", CPoint(5000, 5000), 70, CText::kDefaultAttr | (1 << CText::kFrameShift));
    part.NewText(frame);
    part.CalcBoundRect();
    EXPECT_GE(part.GetBoundingRect().right, frame.GetFrameBoundingRect().right);
}

TEST_F(CPartTest, OutlineTakesWholePinsWithTextsAndMarks)
{
    // One pin from (0, 0) to (300, 0) with an inversion dot (a 112 box about
    // the body end) and its number placed far out; a hidden pin far away.
    CPart part(CPoint(0, 0), CPoint(0, 0), CPoint(0, 0), 1, 1, 0, 0);
    CPin* pin = part.NewPin(CPoint(0, 0), CPoint(300, 0), CPin::Input | CPin::kDot);
    pin->SetNo("1", CPoint(2000, 1000), 8);
    part.NewPin(CPoint(-5000, -5000), CPoint(-5300, -5000), CPin::kHidden);
    part.CalcBoundRect();
    const CRect number = pin->GetNoText().GetTextBoundingRect();
    EXPECT_EQ(part.GetCorner1(), CPoint(-56, -56));
    EXPECT_EQ(part.GetCorner2(), CPoint(number.right, number.bottom));
    // The simple rectangle keeps to the stroke.
    EXPECT_EQ(part.GetSimpleBoundingRect(), CRect(-6, -6, 306, 6));
}

TEST_F(CPartTest, NumberingAndZoomTouchSelectedTextsOnly)
{
    CPart part = SampleSymbol();
    part.GetRefNameText().SetTextSel(true);
    CPin* first = part.Pins().GetHead();
    first->GetNoText().SetTextSel(true);
    const CRect changed = part.IncName(2);
    EXPECT_EQ(part.GetRefName(), "U2");
    EXPECT_EQ(first->GetNo(), "3");
    EXPECT_EQ(part.Pins().GetTail()->GetNo(), "3");  // not selected: unchanged
    EXPECT_FALSE(changed.IsRectEmpty());

    const int size = part.GetRefNameText().GetSize();
    part.ZoomData(1);
    EXPECT_EQ(part.GetRefNameText().GetSize(), size + 5);
    EXPECT_EQ(part.GetValNameText().GetSize(), 70);
}

TEST_F(CPartTest, FindHonoursTheMaskAndReportsTheLastMatch)
{
    CPart part = SampleSymbol();
    CPoint found;
    EXPECT_TRUE(part.Find("U", 0x2, true, false, false, found));
    EXPECT_EQ(found, part.GetRefNameText().GetPoint());
    EXPECT_FALSE(part.Find("U", 0x1 | 0x4, true, false, false, found));
    EXPECT_TRUE(part.Find("GATE", 0x20, true, true, false, found));
    EXPECT_EQ(found, CPoint(1050, 950));
    EXPECT_TRUE(part.Find("B", 0x8, true, true, false, found));
    EXPECT_FALSE(part.Find("B", 0x10, true, true, false, found));
    EXPECT_TRUE(part.FindString("NAND"));
    EXPECT_FALSE(part.FindString("nothing"));
}

TEST(CPartDialog, ChecksRunInOrderAndStopAtTheFirstFailure)
{
    CPartDialogInput in;
    in.partName = "";
    in.reference = "??";
    EXPECT_EQ(CPart::CheckDialogInput(in).messageId, 2001);
    in.partName = "LM358";
    in.reference = "";
    EXPECT_EQ(CPart::CheckDialogInput(in).messageId, 2002);
    in.referenceEnabled = false;
    in.value = "";
    EXPECT_EQ(CPart::CheckDialogInput(in).messageId, 2004);
    in.referenceEnabled = true;
    in.reference = "?1";
    EXPECT_EQ(CPart::CheckDialogInput(in).messageId, 2003);
    in.reference = "U?";
    in.value = "x";
    in.package = 3;
    in.packageMax = 2;
    EXPECT_EQ(CPart::CheckDialogInput(in).field, CPartDialogCheck::Package);
    in.package = 0;
    EXPECT_EQ(CPart::CheckDialogInput(in).messageId, 2005);
    in.package = 1;
    in.libraryEditing = true;
    in.inverted = true;
    in.packageMax = 0;
    in.symbolDefaults = true;
    EXPECT_EQ(CPart::CheckDialogInput(in).messageId, 2007);
    in.libraryEditing = false;
    in.partName = "***";
    EXPECT_EQ(CPart::CheckDialogInput(in).messageId, 2006);
    in.partName = "LM358";
    in.reference = "U??";
    EXPECT_EQ(CPart::CheckDialogInput(in).messageId, 2008);
    in.reference = "U?";
    EXPECT_TRUE(CPart::CheckDialogInput(in).Ok());

    // The caller shows the message in the user's language.
    in.reference = "U??";
    const CPartDialogCheck check = CPart::CheckDialogInput(in);
    SetMessageLanguage(MessageLanguage::English);
    EXPECT_EQ(check.Message(), "Character '?' allow only one in reference");
    SetMessageLanguage(MessageLanguage::Japanese);
    EXPECT_TRUE(check.Message().HasJapanese());
    SetMessageLanguage(MessageLanguage::English);
}

TEST_F(CPartTest, DialogResultAndPinListChecks)
{
    CPart part = SampleSymbol();
    CPartDialogInput in;
    in.partName = "74HC02";
    in.reference = "U4";
    in.value = "NOR";
    in.referenceDisp = false;
    in.inverted = true;
    part.ApplyDialog(in, nullptr, true);
    EXPECT_EQ(part.GetPartName(), "74HC02");
    EXPECT_FALSE(part.GetRefNameText().IsDisp());
    EXPECT_EQ(part.GetAttr() & CPart::kInverted, CPart::kInverted);

    EXPECT_EQ(CPart::FindDuplicatePinNo(part.Pins()), "");
    part.Pins().GetTail()->SetNo("1");
    EXPECT_EQ(CPart::FindDuplicatePinNo(part.Pins()), "1");
    EXPECT_FALSE(CPart::HasOnlyOneKindPowerPin(part.Pins()));
    part.NewPin(CPoint(0, 0), CPoint(0, 300), CPin::Power)->SetName("VCC");
    EXPECT_TRUE(CPart::HasOnlyOneKindPowerPin(part.Pins()));
    part.NewPin(CPoint(0, 0), CPoint(0, -300), CPin::Power)->SetName("GND");
    EXPECT_FALSE(CPart::HasOnlyOneKindPowerPin(part.Pins()));
}

TEST_F(CPartTest, RecordRoundTripKeepsEveryStoredField)
{
    CPart part = SampleSymbol();
    part.SetAngle(0x100 | CPart::kMirrorX);
    part.SetAttr(CPart::kPinsHidden);
    part.Pins().GetHead()->ModifyElect(CPin::kSelected | CPin::kOpenMark, 0);
    CArchive out;
    part.DataWrite(out);

    CArchive in(out.Bytes());
    CPart back;
    back.DataRead(in, true, 8);
    EXPECT_TRUE(in.AtEnd());
    EXPECT_TRUE(back.Compare(part));  // the open mark is not compared
    EXPECT_EQ(back.GetAngle(), part.GetAngle());
    EXPECT_EQ(back.GetAttr(), part.GetAttr());
    EXPECT_EQ(back.GetRefName(), "U?");
    EXPECT_EQ(back.Lines().GetCount(), 2);
    EXPECT_EQ(back.Arcs().GetCount(), 1);
    EXPECT_EQ(back.Texts().GetCount(), 2);
    const CPin* pin = back.Pins().GetHead();
    EXPECT_TRUE(pin->IsSelect());
    EXPECT_FALSE(pin->IsDispX());

    CArchive again;
    back.DataWrite(again);
    EXPECT_EQ(again.Bytes(), out.Bytes());
}

TEST_F(CPartTest, ShortFormKeepsOnlyHeaderAndNames)
{
    CPart part = SampleSymbol();
    CArchive out;
    part.DataWrite(out);
    out << int32_t(77);  // whatever follows must still be where the reader stops
    CArchive in(out.Bytes());
    CPart listed;
    listed.DataRead(in, false, 8);
    EXPECT_EQ(listed.GetPartName(), "74HC00");
    EXPECT_EQ(listed.GetPinCount(), 0);
    EXPECT_EQ(listed.Texts().GetCount(), 0);
    EXPECT_EQ(in.ReadInt(), 77);
}

TEST_F(CPartTest, ReadingDropsEmptyAndTaggedTexts)
{
    CPart part = PartWithRef("U1");
    part.NewText(CText("", CPoint(0, 0), 70, 8));
    part.NewText(CText("{VIREO:SYMNO}12", CPoint(0, 0), 70, 8));
    part.NewText(CText("kept", CPoint(0, 0), 70, 8));
    CArchive out;
    part.DataWrite(out);
    CArchive in(out.Bytes());
    CPart back;
    back.DataRead(in, true, 8);
    ASSERT_EQ(back.Texts().GetCount(), 1);
    EXPECT_EQ(back.Texts().GetHead()->GetName(), "kept");
}

TEST_F(CPartTest, OldFilesReadPartLinesWithTheOldestLayout)
{
    // A version 7 part whose plain line has no text-flag field and no arrow word.
    CArchive bytes;
    bytes << CPoint(0, 0) << CPoint(0, 0) << CPoint(100, 100) << int32_t(0) << int32_t(0) << int32_t(0)
          << int32_t(0) << int32_t(0);                       // no name texts
    bytes << int32_t(0);                                     // pins
    bytes << int32_t(1) << uint32_t(1) << CPoint(0, 0) << CPoint(100, 0);  // one plain line
    bytes << int32_t(0) << int32_t(0);                       // arcs, texts
    CArchive in(bytes.Bytes());
    CPart part;
    part.DataRead(in, true, 7);
    EXPECT_TRUE(in.AtEnd());
    ASSERT_EQ(part.Lines().GetCount(), 1);
    EXPECT_EQ(part.Lines().GetHead()->GetEndPoint(), CPoint(100, 0));
}

TEST_F(CPartTest, PinTextsWithTheirOwnFontReadBack)
{
    // Pin texts with an own font are written with their font bytes; reading
    // them must consume those bytes or everything after would be garbage.
    CPart part = PartWithRef("U1");
    CPin* pin = part.NewPin(CPoint(0, 0), CPoint(300, 0), 0);
    pin->SetName("CLK");
    LOGFONT font;
    font.SetFaceName("Courier");
    pin->GetNameText().SetFont(font);
    pin->GetNameText().ModifyAngle(CText::kOwnFont, 0);
    part.NewText(CText("after", CPoint(0, 0), 70, 8));
    CArchive out;
    part.DataWrite(out);
    CArchive in(out.Bytes());
    CPart back;
    back.DataRead(in, true, 8);
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(back.Pins().GetHead()->GetNameText().GetFont().FaceName(), "Courier");
    ASSERT_EQ(back.Texts().GetCount(), 1);
    EXPECT_EQ(back.Texts().GetHead()->GetName(), "after");
}

TEST_F(CPartTest, DamagedRecordsEndTheReadCleanly)
{
    CPart part = SampleSymbol();
    CArchive out;
    part.DataWrite(out);
    const std::vector<uint8_t>& bytes = out.Bytes();
    for (size_t cut = 0; cut < bytes.size(); cut += 7) {
        CArchive in(bytes.data(), cut);
        CPart back;
        EXPECT_THROW(back.DataRead(in, true, 8), CArchiveException) << cut;
    }
    // A huge pin count with nothing behind it stops at the end of the input.
    CArchive huge;
    huge << CPoint() << CPoint() << CPoint() << int32_t(0) << int32_t(0) << int32_t(0) << int32_t(0) << int32_t(0)
         << int32_t(0x7FFFFFFF);
    CArchive in(huge.Bytes());
    CPart back;
    EXPECT_THROW(back.DataRead(in, true, 8), CArchiveException);
}

TEST_F(CPartTest, TextFormListsNamesItemsAndEnd)
{
    CPart part = SampleSymbol();
    CArchive out;
    part.SerializeText(out);
    const std::string text(out.Bytes().begin(), out.Bytes().end());
    EXPECT_EQ(text.rfind("Part 1000 1000 ", 0), 0u);
    EXPECT_NE(text.find("\nName \"74HC00\""), std::string::npos);
    EXPECT_NE(text.find("\nRef \"U?\""), std::string::npos);
    EXPECT_NE(text.find("\nVal \"NAND\""), std::string::npos);
    EXPECT_NE(text.find("\nPin 900 1000 600 1000 1\n"), std::string::npos);
    EXPECT_NE(text.find("\nText \"GATE\" 1050 950 50 8\n"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 8), "PartEnd\n");

    CPart header;
    header.ReadTextRecord("  part 1 2 3 4 5 6 7 8 9 10");
    EXPECT_EQ(header.GetOrg(), CPoint(1, 2));
    EXPECT_EQ(header.GetCorner2(), CPoint(5, 6));
    EXPECT_EQ(header.GetPackageMax(), 7);
    EXPECT_EQ(header.GetAttr(), 10);
}
