// The wire upkeep passes on small sketched sheets.
#include <gtest/gtest.h>

#include <memory>

#include "base/memoryprofile.h"
#include "base/profile.h"
#include "net/netbuild.h"
#include "sheet/cleanup.h"
#include "sheet/sheet.h"
#include "support/printers.h"
#include "support/sheetsketch.h"

namespace {

struct WireUpkeep : ::testing::Test {
    CScopedProfile profile{std::make_unique<MemoryProfile>()};

    // CleanLine on a sketched sheet, lines in normal direction as the
    // document's clean-up has them.
    std::string Cleaned(const std::string& sketch, bool wireJunc, CCleanUpReport* report = nullptr)
    {
        CSheet sheet(CSheet::kDrawing);
        Sketch(sheet, sketch);
        sheet.NormalizeLines();
        CCleanUpOptions options;
        options.wireJunc = wireJunc;
        sheet.CleanLine(options, report);
        sheet.RestoreLineDirections();
        return WireText(sheet);
    }
};

} // namespace

TEST_F(WireUpkeep, CleanLineMergesCollinearWiresAsTheJunctionRuleSays)
{
    struct Case {
        const char* sketch;
        bool wireJunc;
        const char* wires;
    } cases[] = {
        // Touching end to end: one wire; with WireJunc a junction keeps them apart.
        {"W 0 0 100 0; W 100 0 200 0", false, "0 0 200 0"},
        {"W 0 0 100 0; W 100 0 200 0; J 100 0", true, "0 0 100 0; 100 0 200 0"},
        {"W 0 0 100 0; W 100 0 200 0; J 100 0", false,
         "0 0 200 0"}, // the dot joins the T-less merge
        // A junction at the first wire's start only.
        {"W 0 0 300 0; W 200 0 500 0; J 0 0", true, "0 0 500 0"},
        {"W 0 0 300 0; W 200 0 500 0; J 0 0; J 200 0", true, "0 0 200 0; 200 0 500 0"},
        // A short wire on a longer one goes, unless the longer has junctions at both ends.
        {"W 0 0 300 0; W 100 0 200 0", false, "0 0 300 0"},
        {"W 0 0 300 0; W 100 0 200 0; J 0 0", true, "0 0 300 0"},
        {"W 0 0 300 0; W 100 0 200 0; J 0 0; J 300 0", true, "0 0 300 0; 100 0 200 0"},
        // ... also when the short one comes first in the list.
        {"W 100 0 200 0; W 0 0 300 0; J 0 0", true, "0 0 300 0"},
        {"W 100 0 200 0; W 0 0 300 0", true, "0 0 300 0"},
        {"W 100 0 200 0; W 0 0 300 0; J 0 0; J 300 0", true, "100 0 200 0; 0 0 300 0"},
        // Overlapping wires of different types: the narrower is cut back.
        {"W 0 0 200 0; WP 100 0 300 0", false, "0 0 100 0; 100 0 300 0"},
        // Vertical wires, and a name handed over to the wire that stays.
        {"W 0 300 0 100; W 0 150 0 0 :CLK", false, "0 300 0 0 :CLK"},
        // Different names never merge; a gap is never bridged; a diagonal stays.
        {"W 0 0 100 0 :A; W 50 0 150 0 :B", false, "0 0 100 0 :A; 50 0 150 0 :B"},
        {"W 0 0 100 0; W 200 0 300 0; W 0 0 100 100", false, "0 0 100 0; 200 0 300 0; 0 0 100 100"},
        // Lines drawn backwards are merged in normal direction and turned back.
        {"W 100 0 0 0; W 200 0 100 0", false, "200 0 0 0"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Cleaned(c.sketch, c.wireJunc), c.wires) << c.sketch;
}

TEST_F(WireUpkeep, CleanLineNeverMakesOrBreaksAConnection)
{
    CCleanUpReport report;
    // A third wire ends where the two pieces meet: merging would leave its end
    // in the middle of a wire, so the pieces stay.
    EXPECT_EQ(Cleaned("W 0 0 100 0; W 100 0 200 0; W 100 0 100 300", false, &report),
              "0 0 100 0; 100 0 200 0; 100 0 100 300");
    EXPECT_EQ(report.keptForConnections, 1);
    // A pin tip there: the same.
    EXPECT_EQ(Cleaned("W 0 0 100 0; W 100 0 200 0; U R1 100 300 100 0", false),
              "0 0 100 0; 100 0 200 0");
    // With a junction there the merged wire still joins everything.
    EXPECT_EQ(Cleaned("W 0 0 100 0; W 100 0 200 0; W 100 0 100 300; J 100 0", false),
              "0 0 200 0; 100 0 100 300");
    // A short wire inside a longer one whose end carries a branch.
    EXPECT_EQ(Cleaned("W 0 0 300 0; W 100 0 200 0; W 200 0 200 300", false),
              "0 0 300 0; 100 0 200 0; 200 0 200 300");
    // A cut-back wire: a junction on the piece it gives up still lies on the
    // wider wire, but a branch at its old end would be left mid-wire.
    EXPECT_EQ(Cleaned("W 0 0 200 0; WP 100 0 300 0; J 150 0; W 150 0 150 300", false),
              "0 0 100 0; 100 0 300 0; 150 0 150 300");
    EXPECT_EQ(Cleaned("W 0 0 200 0; WP 100 0 300 0; W 200 0 200 300", false),
              "0 0 200 0; 100 0 300 0; 200 0 200 300");
}

TEST_F(WireUpkeep, CleanLineSettingsAndOtherLists)
{
    CSheet sheet(CSheet::kDrawing);
    Sketch(sheet,
           "W 0 0 100 0; W 100 0 200 0; B 0 500 100 500; B 100 500 200 500; L 0 900 100 900; "
           "L 50 900 300 900");
    Profile().WriteInt("CleanSection", "CleanLine", 0);
    EXPECT_EQ(sheet.CleanLine(), 0);
    EXPECT_EQ(sheet.GetItemCount(), 6u);
    Profile().WriteInt("CleanSection", "CleanLine", 1);
    CCleanUpReport report;
    EXPECT_EQ(sheet.CleanLine(CCleanUpOptions::FromSettings(), &report), 1);
    EXPECT_EQ(WireText(sheet), "0 0 200 0");
    EXPECT_EQ(LineText(sheet, 3), "0 500 200 500");
    EXPECT_EQ(LineText(sheet, 5), "0 900 300 900");
    EXPECT_EQ(sheet.GetItemCount(), 3u);
    EXPECT_EQ(report.mergedWires + report.mergedBuses + report.mergedLines, 3);
}

TEST_F(WireUpkeep, CheckOnPinCutsWiresBackToTheTip)
{
    struct Case {
        const char* sketch;
        int changed;
        const char* wires;
    } cases[] = {
        {"U R1 0 0 300 0; W 100 0 600 0", 1, "300 0 600 0"},
        {"U R1 0 0 300 0; W 600 0 50 0", 1, "600 0 300 0"},
        // Reaching back past the body end, short of the tip: not seen joined, left alone.
        {"U R1 0 0 300 0; W 100 0 -200 0", 0, "100 0 -200 0"},
        {"U R1 0 0 300 0; W 50 0 250 0", 1, ""},               // wholly on the pin: goes
        {"U R1 0 0 300 0; W 300 0 600 0", 0, "300 0 600 0"},   // already at the tip: no change
        {"U R1 0 0 300 0; W -200 0 900 0", 0, "-200 0 900 0"}, // passes over: left alone
        {"U R1 0 0 300 0 h; W 100 0 600 0", 0, "100 0 600 0"}, // hidden pins never trim
        // The moved end carries a branch: cutting would part it from the pin.
        {"U R1 0 0 300 0; W 100 0 600 0; W 100 0 100 500", 0, "100 0 600 0; 100 0 100 500"},
    };
    for (const Case& c : cases) {
        CSheet sheet(CSheet::kDrawing);
        Sketch(sheet, c.sketch);
        EXPECT_EQ(sheet.CheckOnPin(), c.changed) << c.sketch;
        EXPECT_EQ(WireText(sheet), c.wires) << c.sketch;
    }
}

TEST_F(WireUpkeep, DuplicatesEmptyItemsAndItemsOffTheSheet)
{
    CSheet sheet(CSheet::kDrawing);
    Sketch(sheet, "W 0 0 100 0; W 0 0 100 0 :A; W 0 0 100 0 :B; W 0 0 100 0 :A; J 5 5; J 5 5; "
                  "W 50 50 50 50; L 7 7 7 7");
    sheet.NewText("", CPoint(10, 10), 70, 0);
    sheet.NewArc(CPoint(100, 100), 0, 0, 0, 0, 8);
    sheet.NewArc(CPoint(100, 100), 5, 0, 0, 0, 8);
    EXPECT_EQ(sheet.CleanNulItem(), 1);
    EXPECT_EQ(sheet.GetCount(kind::kWire), 4);
    EXPECT_EQ(sheet.GetCount(kind::kLine), 0);
    EXPECT_EQ(sheet.GetCount(kind::kText), 0);
    EXPECT_EQ(sheet.GetCount(kind::kArc), 1);
    // The unnamed wire takes the first name; a wire named otherwise is no duplicate.
    EXPECT_EQ(sheet.CleanDupItem(), 1);
    EXPECT_EQ(WireText(sheet), "0 0 100 0 :A; 0 0 100 0 :B");
    EXPECT_EQ(sheet.GetCount(kind::kJunc), 1);
    EXPECT_EQ(sheet.CleanDupItem(), 0);

    CSheet off(CSheet::kDrawing);
    Sketch(off, "W -500 -500 -100 -500; W 100 100 900 100; J 2000 2000");
    off.Wires().GetTail()->SetLineWidth(0); // no area, but on the sheet
    CText hidden("HIDDEN", CPoint(300, 300), 70, CText::kDefaultAttr | CText::kHidden);
    off.NewText(hidden);
    EXPECT_EQ(off.CleanOutItem(CSize(0, 0)), 0); // no sheet area: nothing is outside
    EXPECT_EQ(off.CleanOutItem(CSize(1000, 1000)), 1);
    EXPECT_EQ(WireText(off), "100 100 900 100");
    EXPECT_EQ(off.GetCount(kind::kJunc), 0);
    EXPECT_EQ(off.GetCount(kind::kText), 1);
}

TEST_F(WireUpkeep, CleanUpDocumentRunsThePassesAndRestoresDirections)
{
    CSheet sheet(CSheet::kDrawing);
    Sketch(sheet,
           "W 200 0 100 0; W 100 0 0 0; W 40 40 40 40; U R1 500 500 500 200; W 500 400 500 -100; "
           "W 3000 3000 3100 3000");
    CCleanUpOptions options;
    options.over = true;
    CCleanUpReport report;
    EXPECT_EQ(sheet.CleanUpDocument(CSize(2000, 2000), options, &report), 1);
    EXPECT_EQ(WireText(sheet), "200 0 0 0; 500 200 500 -100");
    EXPECT_EQ(report.emptyItems, 1);
    EXPECT_EQ(report.mergedWires, 1);
    EXPECT_EQ(report.pinTrims, 1);
    EXPECT_EQ(report.outside, 1);
    for (const CLine& wire : sheet.Wires())
        EXPECT_EQ(wire.GetType() & CLine::kWorkMark2, 0u);
    // Tidy is tidy: a second run changes nothing.
    EXPECT_EQ(sheet.CleanUpDocument(CSize(2000, 2000), options), 0);
}

TEST_F(WireUpkeep, JunctionRuleAndCounts)
{
    struct Case {
        const char* sketch;
        int pinsCount;
        int junction;
    } cases[] = {
        {"W 0 0 100 0; W 100 0 100 100", 0, 0},                // L corner
        {"W 0 0 200 0; W 100 0 100 100", 0, 1},                // T
        {"W 0 0 100 0; W 100 0 200 0; W 100 0 100 100", 0, 1}, // three wires end
        {"W 0 0 200 0; W 100 -100 100 100", 0, 1},             // crossing
        {"W 0 0 100 0; U R1 300 0 100 0", 0, 0},               // wire on a pin
        {"W 0 0 100 0; U R1 300 0 100 0", 1, 1},
        {"W 0 0 200 0; W 100 0 100 100; J 100 0", 0, 0}, // already there
    };
    for (const Case& c : cases) {
        CSheet sheet(CSheet::kDrawing);
        Sketch(sheet, c.sketch);
        EXPECT_EQ(sheet.CheckJunc(CPoint(100, 0), c.pinsCount), c.junction) << c.sketch;
    }

    CSheet sheet(CSheet::kDrawing);
    Sketch(sheet, "W 0 0 200 0; W 100 0 100 100; J 100 0; U R1 100 300 100 0 | 0 0 0 -300 h");
    EXPECT_EQ(sheet.GetOnCount(CPoint(100, 0), kind::kWire), 2);
    EXPECT_EQ(sheet.GetOnCount(CPoint(100, 0), 32), 1);
    EXPECT_EQ(sheet.GetOnCount(CPoint(100, 0), kind::kJunc), 1);
    EXPECT_EQ(sheet.GetOnCount(CPoint(100, 0), kind::kPartPins), 1);
    EXPECT_EQ(sheet.GetOnCount(CPoint(0, -100), kind::kPartPins), 0); // hidden
    EXPECT_EQ(sheet.GetOnCount(CPoint(100, 0), 99), 0);
    EXPECT_TRUE(sheet.CheckOnPin(CPoint(100, 150)));
    EXPECT_FALSE(sheet.CheckOnPin(CPoint(0, -100)));

    std::vector<int64_t> points;
    sheet.GetWireOnJuncPoint(*sheet.GetHeadWire(), points);
    sheet.GetWireOnJuncPoint(*sheet.GetHeadWire(), points);
    EXPECT_EQ(points, std::vector<int64_t>{PackPoint(CPoint(100, 0))});
}

TEST(PackPoint, OrdersAsTheSixteenBitPackingWhereThatHoldsAndNeverOverflows)
{
    const CPoint points[] = {{0, 0},     {65535, 0},     {0, 1},    {300, 200},
                             {299, 201}, {65535, 32767}, {1, 32767}};
    for (const CPoint& a : points)
        for (const CPoint& b : points) {
            const int32_t packedA = int32_t((uint32_t(a.y) << 16) | uint32_t(a.x));
            const int32_t packedB = int32_t((uint32_t(b.y) << 16) | uint32_t(b.x));
            EXPECT_EQ(PackPoint(a) < PackPoint(b), packedA < packedB);
        }
    EXPECT_LT(PackPoint(CPoint(INT32_MAX, 5)), PackPoint(CPoint(INT32_MIN, 6)));
    EXPECT_LT(PackPoint(CPoint(70000, 0)), PackPoint(CPoint(0, 1)));
}

TEST_F(WireUpkeep, SortLineOrdersByStartPoint)
{
    CSheet sheet;
    Sketch(sheet, "W 0 100 50 100; W 10 300 50 300; W 5 100 50 100; W 0 300 9 300");
    sheet.SortLine(kind::kHWire);
    EXPECT_EQ(WireText(sheet), "0 300 9 300; 10 300 50 300; 0 100 50 100; 5 100 50 100");
    sheet.SortLine(kind::kVWire);
    EXPECT_EQ(WireText(sheet), "0 100 50 100; 0 300 9 300; 5 100 50 100; 10 300 50 300");
}

namespace {

// A part with a reference and one pin "1" from body to tip.
void AddResistor(CSheet& sheet, const char* ref, CPoint body, CPoint tip)
{
    CPart part(CPoint(), CPoint(), CPoint(), 1, 1, 0, 0);
    part.SetRefName(CString(ref));
    part.NewPin(body, tip, CPin::Passive)->SetNo("1");
    part.CalcBoundRect();
    sheet.NewPart(part);
}

CLine& AddNamedWire(CSheet& sheet, CPoint a, CPoint b, const char* name)
{
    CLine* wire = sheet.NewWire(a, b);
    if (*name)
        wire->SetName(CString(name), a, 0);
    return *wire;
}

// The real nets of a sheet as net extraction gives them: "NAME:R1-1,R2-1 | ...".
std::string RealNets(const CSheet& sheet)
{
    CItemList<CNet> nets;
    if (BuildNets({{"t.dcd", 1, &sheet}}, nets))
        return "cancelled";
    std::string out;
    for (const CNet& net : nets) {
        if (!net.CheckNet())
            continue;
        out += out.empty() ? "" : " | ";
        out += net.Names().empty() ? "" : net.Names().front().str() + ":";
        bool first = true;
        for (const CNetName& node : net.Nodes()) {
            out += (first ? "" : ",") + node.GetRefName().str() + '-' + node.GetPinNo().str();
            first = false;
        }
    }
    return out;
}

} // namespace

TEST_F(WireUpkeep, TidyNeverPartsANetAndMakesWhatTheDrawingShowsReal)
{
    auto tidy = [](CSheet& sheet) {
        return sheet.CleanUpDocument(CSize(10000, 10000), CCleanUpOptions());
    };
    {
        // Three collinear pieces; R1's tip where two of them end, R2 at the far
        // end.  Merging the first two would leave R1's tip mid-wire.
        CSheet sheet(CSheet::kDrawing);
        Sketch(sheet, "W 0 250 0 500; W 0 400 0 750; W 0 400 0 200");
        AddResistor(sheet, "R1", CPoint(-300, 400), CPoint(0, 400));
        AddResistor(sheet, "R2", CPoint(-300, 750), CPoint(0, 750));
        ASSERT_EQ(RealNets(sheet), "R1-1,R2-1");
        tidy(sheet);
        EXPECT_EQ(RealNets(sheet), "R1-1,R2-1") << WireText(sheet);
        EXPECT_EQ(tidy(sheet), 0);
    }
    {
        // Overlapping wires without a shared end: two open pins before, one
        // wire and one net after.
        CSheet sheet(CSheet::kDrawing);
        Sketch(sheet, "W 0 0 1000 0; W 500 0 1500 0");
        AddResistor(sheet, "R1", CPoint(-300, 0), CPoint(0, 0));
        AddResistor(sheet, "R2", CPoint(1800, 0), CPoint(1500, 0));
        ASSERT_EQ(RealNets(sheet), "");
        EXPECT_EQ(tidy(sheet), 1);
        EXPECT_EQ(WireText(sheet), "0 0 1500 0");
        EXPECT_EQ(RealNets(sheet), "R1-1,R2-1");
    }
    {
        // A named wire lying on R1's pin and ending at its tip: cutting it
        // back would leave nothing, and its name joins R1 to R2.
        CSheet sheet(CSheet::kDrawing);
        AddResistor(sheet, "R1", CPoint(-300, 0), CPoint(0, 0));
        AddResistor(sheet, "R2", CPoint(1300, 0), CPoint(1000, 0));
        AddNamedWire(sheet, CPoint(-200, 0), CPoint(0, 0), "VCC");
        AddNamedWire(sheet, CPoint(1000, 0), CPoint(700, 0), "VCC");
        ASSERT_EQ(RealNets(sheet), "VCC:R1-1,R2-1");
        tidy(sheet);
        EXPECT_EQ(RealNets(sheet), "VCC:R1-1,R2-1") << WireText(sheet);
        // A zero-length named wire at the tip: kept while it alone holds the
        // name there, handed over to a wire ending there otherwise.
        CSheet dot(CSheet::kDrawing);
        AddResistor(dot, "R1", CPoint(-300, 0), CPoint(0, 0));
        AddResistor(dot, "R2", CPoint(1300, 0), CPoint(1000, 0));
        AddNamedWire(dot, CPoint(0, 0), CPoint(0, 0), "VCC");
        AddNamedWire(dot, CPoint(1000, 0), CPoint(700, 0), "VCC");
        ASSERT_EQ(RealNets(dot), "VCC:R1-1,R2-1");
        tidy(dot);
        EXPECT_EQ(RealNets(dot), "VCC:R1-1,R2-1");
        EXPECT_EQ(WireText(dot), "0 0 0 0 :VCC; 1000 0 700 0 :VCC");
        AddNamedWire(dot, CPoint(0, 0), CPoint(0, 500), "");
        tidy(dot);
        EXPECT_EQ(WireText(dot), "1000 0 700 0 :VCC; 0 0 0 500 :VCC");
        EXPECT_EQ(RealNets(dot), "VCC:R1-1,R2-1");
    }
}

TEST_F(WireUpkeep, OpenPinMarks)
{
    // Pin tips: R1 (100,0) on the middle of a wire, R2 (1000,0) at a wire end,
    // R3 (2000,0) on a wire through a junction, R4/R5 meeting tip to tip,
    // R6 touching nothing.
    CSheet sheet(CSheet::kDrawing);
    Sketch(sheet, "U R1 100 300 100 0; W 0 0 200 0; U R2 1000 300 1000 0; W 1000 0 1200 0; "
                  "U R3 2000 300 2000 0; W 1900 0 2100 0; J 2000 0; U R4 3000 300 3000 0; "
                  "U R5 3000 -300 3000 0; U R6 4000 300 4000 0");
    auto marks = [&sheet] {
        std::string s;
        for (const CPart& part : sheet.Parts())
            s += part.Pins().GetHead()->IsDispX() ? 'X' : '-';
        return s;
    };
    sheet.SetCalcOpenMode(1);
    sheet.CalcPinOpen();
    EXPECT_EQ(marks(), "------"); // the marks are off by default
    EXPECT_EQ(sheet.GetCalcOpenMode(), 0);

    Profile().WriteInt("Default", "Pin OpenX", 1);
    sheet.CalcPinOpen();
    EXPECT_EQ(marks(), "------"); // nothing asked for a recalculation
    sheet.SetCalcOpenMode(1);
    sheet.CalcPinOpen();
    EXPECT_EQ(marks(), "X----X");

    // No Connect pins: marked with "Pin NCX" whatever touches them.
    sheet.Parts().GetTail()->Pins().GetHead()->ModifyElect(CPin::NoConnect, CPin::kTypeMask);
    sheet.Parts().GetHead()->Pins().GetHead()->ModifyElect(CPin::NoConnect, CPin::kTypeMask);
    Profile().WriteInt("Default", "Pin NCX", 1);
    sheet.SetCalcOpenMode(1);
    sheet.CalcPinOpen();
    EXPECT_EQ(marks(), "X----X");
    Profile().WriteInt("Default", "Pin NCX", 0);
    Profile().WriteInt("Default", "Pin OpenX", 0);
    sheet.SetCalcOpenMode(1);
    sheet.CalcPinOpen();
    EXPECT_EQ(marks(), "------");

    // A pin sharing its tip only with a hidden pin of its own part, or of
    // another part, is open in the netlist and keeps its mark.
    CSheet hidden(CSheet::kDrawing);
    Sketch(hidden, "U R1 0 300 0 0 | 0 -300 0 0 h; U R2 1000 300 1000 0; U R3 1000 -300 1000 0 h");
    Profile().WriteInt("Default", "Pin OpenX", 1);
    hidden.SetCalcOpenMode(1);
    hidden.CalcPinOpen();
    std::string s;
    for (const CPart& part : hidden.Parts())
        s += part.Pins().GetHead()->IsDispX() ? 'X' : '-';
    EXPECT_EQ(s, "XX-");
}

TEST_F(WireUpkeep, CornerTrimMakesParallelLinesMeetTheirPartners)
{
    // Two horizontal wires and two vertical ones, each pair trimmed to meet.
    CSheet sheet;
    Sketch(sheet, "W 0 100 300 100; W 0 200 250 200; W 500 300 500 150; W 600 300 600 250");
    EXPECT_TRUE(sheet.TrimLine(false));
    EXPECT_EQ(WireText(sheet), "0 200 500 200; 0 100 600 100; 500 300 500 200; 600 300 600 100");

    CSheet reversed;
    Sketch(reversed, "W 0 100 300 100; W 0 200 250 200; W 500 300 500 150; W 600 300 600 250");
    EXPECT_TRUE(reversed.TrimLine(true));
    EXPECT_EQ(WireText(reversed), "0 200 600 200; 0 100 500 100; 500 300 500 100; 600 300 600 200");

    // Pieces on one line are joined where they touch, never across a gap; no
    // vertical line means no corners.
    CSheet pieces;
    Sketch(pieces, "W 0 0 100 0; W 100 0 200 0; W 300 0 400 0");
    EXPECT_TRUE(pieces.TrimLine(false));
    EXPECT_EQ(WireText(pieces), "0 0 200 0; 300 0 400 0");
    // Three horizontal lines, one vertical: one pair.
    CSheet uneven;
    Sketch(uneven, "W 0 0 100 0; W 0 50 100 50; W 0 90 100 90; W 300 200 300 150");
    EXPECT_TRUE(uneven.TrimLine(false));
    EXPECT_EQ(WireText(uneven), "0 90 300 90; 0 50 100 50; 0 0 100 0; 300 200 300 90");
}

TEST_F(WireUpkeep, WiresUnderAPlacedPartAreCutAtItsPins)
{
    CSheet sheet(CSheet::kSelection);
    Sketch(sheet,
           "U R1 0 0 300 0 | 0 -100 0 -400; W 100 0 800 0; W 0 -200 0 -900; W 5000 5000 5100 5000; "
           "J 5000 5000");
    sheet.NewText("NOTE", CPoint(7000, 7000), 70, 0);
    const CPart& part = *sheet.GetHeadPart();
    CSheet hits, rest;
    EXPECT_TRUE(sheet.CheckTrimPart(&part, &hits, &rest));
    EXPECT_EQ(WireText(hits), "100 0 800 0; 0 -200 0 -900");
    EXPECT_EQ(WireText(rest), "5000 5000 5100 5000");

    CSheet out;
    EXPECT_TRUE(sheet.TrimPartLine(out));
    EXPECT_EQ(WireText(out), "300 0 800 0; 0 -400 0 -900; 5000 5000 5100 5000");
    EXPECT_EQ(out.GetCount(kind::kPart), 1);
    EXPECT_EQ(sheet.GetCount(kind::kPart), 0); // moved
    EXPECT_EQ(out.GetCount(kind::kJunc), 1);   // the rest of the selection comes along
    EXPECT_EQ(out.GetCount(kind::kText), 1);
}
