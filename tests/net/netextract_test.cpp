// Hand-made designs for the connectivity rules: what joins, what stays
// apart, which names a net takes and in which order its pins are listed.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "net/netbuild.h"
#include "net/netdesign.h"
#include "support/fakehost.h"

namespace {

// Each net as "names: REF-PIN ...", names joined with ',' ("-" for none).
std::string Summary(const CItemList<CNet>& nets)
{
    std::string text;
    for (const CNet& net : nets) {
        std::string names;
        for (const CString& n : net.Names())
            names += (names.empty() ? "" : ",") + n.str();
        text += (names.empty() ? "-" : names) + ":";
        for (const CNetName& node : net.Nodes())
            text += " " + node.GetRefName().str() + "-" + node.GetPinNo().str();
        text += "\n";
    }
    return text;
}

std::string Build(std::vector<CSheet*> sheets)
{
    std::vector<CNetSheet> set;
    for (size_t i = 0; i < sheets.size(); ++i)
        set.push_back({CString::Formatted("s%zu.dcd", i + 1), int(i) + 1, sheets[i]});
    CItemList<CNet> nets;
    EXPECT_EQ(BuildNets(set, nets), 0);
    return Summary(nets);
}

std::string Build(CSheet& sheet)
{
    return Build(std::vector<CSheet*>{&sheet});
}

// Two two-pin resistors whose pin 1 tips lie at a and b.
void TwoResistors(CSheet& s, CPoint a, CPoint b)
{
    AddPart(s, "R1", {{a, 0, "", "1"}, {a + CPoint(0, -1000), 0, "", "2"}});
    AddPart(s, "R2", {{b, 0, "", "1"}, {b + CPoint(0, -1000), 0, "", "2"}});
}

TEST(NetExtract, WireEndsOnlyJoinAtEndsOrJunctions)
{
    // A T: R2's wire ends on the middle of R1's wire.
    for (bool dot : {false, true}) {
        CSheet s;
        TwoResistors(s, CPoint(0, 0), CPoint(500, 500));
        AddWire(s, CPoint(0, 0), CPoint(1000, 0));
        AddWire(s, CPoint(500, 500), CPoint(500, 0));
        if (dot)
            s.NewJunc(CPoint(500, 0));
        EXPECT_EQ(Build(s),
                  dot ? "-: R1-1 R2-1\n{VIREO}Open Pin1: R1-2\n{VIREO}Open Pin1: R2-2\n"
                      : "-: R1-1\n-: R2-1\n{VIREO}Open Pin1: R1-2\n{VIREO}Open Pin1: R2-2\n")
            << "T, dot " << dot;
    }
    // A crossing.
    for (bool dot : {false, true}) {
        CSheet s;
        TwoResistors(s, CPoint(0, 0), CPoint(500, 500));
        AddWire(s, CPoint(0, 0), CPoint(1000, 0));
        AddWire(s, CPoint(500, 500), CPoint(500, -500));
        if (dot)
            s.NewJunc(CPoint(500, 0));
        EXPECT_EQ(Build(s).find("-: R1-1 R2-1") != std::string::npos, dot)
            << "crossing, dot " << dot;
    }
    // An oblique wire joins through a junction on its stroke.
    CSheet s;
    TwoResistors(s, CPoint(0, 0), CPoint(600, 600));
    AddWire(s, CPoint(0, 0), CPoint(400, 400));
    AddWire(s, CPoint(200, 200), CPoint(600, 600));
    s.NewJunc(CPoint(200, 200));
    EXPECT_EQ(Build(s).substr(0, 13), "-: R1-1 R2-1\n");
}

TEST(NetExtract, ALabelsTextIsNoContact)
{
    // The junction lies inside the name text of the horizontal wire, well
    // away from its stroke: the vertical wire stays apart.
    CSheet s;
    TwoResistors(s, CPoint(0, 0), CPoint(300, 500));
    AddWire(s, CPoint(0, 0), CPoint(1000, 0), "CLK", CPoint(250, 50));
    AddWire(s, CPoint(300, 500), CPoint(300, 80));
    s.NewJunc(CPoint(300, 80));
    ASSERT_TRUE(s.GetHeadWire()->CheckPoint(CPoint(300, 80))); // the text is hit ...
    EXPECT_EQ(
        Build(s),
        "CLK: R1-1\n-: R2-1\n{VIREO}Open Pin1: R1-2\n{VIREO}Open Pin1: R2-2\n"); // ... no join
}

TEST(NetExtract, PinsTouchingEachOtherFormOneNet)
{
    CSheet s;
    AddPart(s, "R1", {{CPoint(0, 0), 0, "", "1"}});
    AddPart(s, "R2", {{CPoint(0, 0), 0, "", "1"}});
    AddPart(s, "R3",
            {{CPoint(0, 0), CPin::NoConnect, "", "1"}, {CPoint(900, 0), CPin::NoConnect, "", "2"}});
    // R3-2 touches nothing and is a No Connect pin: no net at all.
    EXPECT_EQ(Build(s), "-: R1-1 R2-1 R3-1\n");
}

TEST(NetExtract, StackedPinsOfDifferentPartsAreBothKept)
{
    // Two parts drawn on top of each other: same pin positions, different
    // references.  Only the repeat of the very same pin goes.
    CPin pin(CPoint(100, 0), CPoint(0, 0), 0);
    pin.SetNo("1");
    CNet net;
    for (const char* ref : {"U1", "U2", "U1"})
        net.Nodes().push_back(CNetName("s.dcd", "PART", ref, pin));
    net.NetCorrection();
    ASSERT_EQ(net.GetNodeCount(), 2);
    EXPECT_EQ(net.Nodes()[1].GetRefName(), "U2");
}

TEST(NetExtract, NamesJoinPiecesAndSheetsButCoordinatesDoNot)
{
    CSheet a, b;
    // Sheet 1: two pieces named Vcc and VCC; a power symbol GND; an
    // unnamed wire at the same place as sheet 2's.
    TwoResistors(a, CPoint(0, 0), CPoint(2000, 0));
    AddWire(a, CPoint(0, 0), CPoint(0, 500), "Vcc");
    AddWire(a, CPoint(2000, 0), CPoint(2000, 500), "VCC");
    AddPart(a, "", {{CPoint(0, -1000), CPin::Power, "GND", "1"}});
    AddWire(a, CPoint(0, -1000), CPoint(300, -1000));
    AddPart(a, "R3", {{CPoint(300, -1000), 0, "", "1"}, {CPoint(5000, 5000), 0, "", "2"}});
    // Sheet 2: GND again, and a wire from R4-1 to where R3-2 lies on sheet 1.
    AddPart(b, "", {{CPoint(7000, 0), CPin::Power, "GND", "1"}});
    AddPart(b, "R4", {{CPoint(7000, 0), 0, "", "1"}, {CPoint(4000, 5000), 0, "", "2"}});
    AddWire(b, CPoint(4000, 5000), CPoint(5000, 5000));
    AddPart(b, "R5", {{CPoint(5000, 5000), 0, "", "1"}});
    // R3-2 (sheet 1) and R5-1 (sheet 2) share coordinates but not a net.
    EXPECT_EQ(Build({&a, &b}), "Vcc: R1-1 R2-1\n"
                               "GND: R1-2 R3-1 R4-1\n"
                               "{VIREO}Open Pin1: R2-2\n"
                               "{VIREO}Open Pin1: R3-2\n"
                               "-: R4-2 R5-1\n");
}

TEST(NetExtract, TouchingNamedWiresMakeAnAliasNetThatJoinsByEitherName)
{
    CSheet a, b;
    TwoResistors(a, CPoint(0, 0), CPoint(1000, 0));
    AddWire(a, CPoint(0, 0), CPoint(500, 0), "CLK", CPoint(0, 50));
    AddWire(a, CPoint(500, 0), CPoint(1000, 0), "CLOCK", CPoint(600, 50));
    AddPart(a, "", {{CPoint(0, -1000), CPin::Power, "GND", "1"}});
    AddPart(b, "R3", {{CPoint(0, 0), 0, "", "1"}});
    AddWire(b, CPoint(0, 0), CPoint(300, 0), "clock", CPoint(0, 50));
    AddPart(b, "R4", {{CPoint(300, 0), 0, "", "1"}});
    std::vector<CNetSheet> set{{"a.dcd", 1, &a}, {"b.dcd", 2, &b}};
    CItemList<CNet> nets;
    ASSERT_EQ(BuildNets(set, nets), 0);
    EXPECT_EQ(Summary(nets), "CLK,CLOCK: R1-1 R2-1 R3-1 R4-1\n"
                             "GND: R1-2\n" // the power symbol names R1-2's net
                             "{VIREO}Open Pin1: R2-2\n");
    POSITION pos = nets.GetHeadPosition();
    const CNet& alias = *nets.GetNext(pos);
    EXPECT_FALSE(alias.CheckAliasNet());
    EXPECT_FALSE(alias.GetPower());
    EXPECT_TRUE(nets.GetNext(pos)->GetPower());
}

TEST(NetExtract, HiddenPowerPinsJoinByNameAcrossSheets)
{
    CSheet a, b;
    // U1A and U1B are gates of one package; each hides VCC pin 14.  U2 has
    // no VCC net on its sheet, so it starts one; a nameless hidden power pin
    // goes by its number ("7"), one with neither name nor number is open.
    AddPart(a, "U1A",
            {{CPoint(0, 0), CPin::Input, "A", "1"}, {CPoint(0, 0), CPin::Power, "VCC", "14", true}},
            2);
    AddPart(
        a, "U1B",
        {{CPoint(0, 500), CPin::Input, "A", "4"}, {CPoint(0, 0), CPin::Power, "VCC", "14", true}},
        2);
    AddWire(a, CPoint(0, 0), CPoint(1000, 0), "VCC");
    AddPart(a, "R1", {{CPoint(1000, 0), 0, "", "1"}});
    AddPart(b, "U2",
            {{CPoint(0, 0), CPin::Power, "vcc", "8", true},
             {CPoint(0, 0), CPin::Power, "", "7", true},
             {CPoint(0, 0), CPin::Power, "", "", true},
             {CPoint(0, 0), CPin::Input, "", "3", true}});
    AddPart(b, "U3", {{CPoint(0, 0), CPin::Power, "", "7", true}});
    // U1B's copy of pin 14 is the same package pin as U1A's and goes.
    EXPECT_EQ(Build({&a, &b}), "VCC: R1-1 U1-1 U1-14 U2-8\n"
                               "{VIREO}Open Pin1: U1-4\n"
                               "7: U2-7 U3-7\n"
                               "{VIREO}Open Pin2: U2-\n"
                               "{VIREO}Open Pin2: U2-3\n");
}

} // namespace

TEST(NetExtract, ASheetSymbolStandsForItsSheetHoweverNamedAndSpelt)
{
    // The symbol's property is "&FILE &s2.dcd" (a blank after the name),
    // and then the sheets are given once relative and once absolute.
    CSheet top, sub;
    CPart& symbol = AddPart(top, "X1", {{CPoint(0, 0), 0, "", "1"}});
    CText property("&FILE &s2.dcd", CPoint(), CText::kDefaultSize, CText::kDefaultAttr);
    symbol.NewText(property);
    AddPart(sub, "R1", {{CPoint(0, 0), 0, "", "1"}});
    EXPECT_EQ(Build({&top, &sub}), "{VIREO}Open Pin1: R1-1\n");

    const std::string absolute = (std::filesystem::current_path() / "s2.dcd").string();
    const std::vector<CNetSheet> set = {{"s1.dcd", 1, &top}, {CString(absolute.c_str()), 2, &sub}};
    CItemList<CNet> nets;
    ASSERT_EQ(BuildNets(set, nets), 0);
    EXPECT_EQ(Summary(nets), "{VIREO}Open Pin1: R1-1\n");
}
