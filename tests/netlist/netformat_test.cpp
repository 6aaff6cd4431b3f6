// Netlist writing beyond the golden design: net numbers, spelling options,
// cutting at character boundaries, headers that take paths, the format
// look-up, empty part lists, cancel, component files and the pre-flight
// warnings.
#include <gtest/gtest.h>

#include "net/netdesign.h"
#include "netlist/netformat.h"
#include "netlist/netlistbuild.h"
#include "sheet/sheet.h"
#include "support/fakehost.h"

namespace {

// Two nets: "clk" (u1-a, r1-1) and an unnamed one (r1-2, u1-b).
struct SmallDesign {
    CSheet sheet{CSheet::kDrawing};
    CItemList<CNet> nets;
    CSheet parts;
    SmallDesign()
    {
        AddPart(sheet, "u1", {{{0, 0}, CPin::Output, "", "a"}, {{0, 500}, CPin::Input, "", "b"}});
        AddPart(sheet, "r1", {{{1000, 0}, CPin::Passive, "", "1"}, {{1000, 500}, 0, "", "2"}});
        AddWire(sheet, {0, 0}, {1000, 0}, "clk");
        AddWire(sheet, {0, 500}, {1000, 500});
        BuildNets({{"s.dcd", 1, &sheet}}, nets);
        for (const CPart& part : sheet.Parts())
            parts.NewPart(part);
    }
    const CNet& Net(int i) const
    {
        auto it = nets.begin();
        while (!it->CheckNet() || i-- > 0)
            ++it;
        return *it;
    }
};

TEST(NetFormat, NetNumbersAdvanceAsEachFormatSays)
{
    SmallDesign d;
    const CNet& named = d.Net(0);   // r1-1 first: "clk"
    const CNet& unnamed = d.Net(1); // r1-2 first
    ASSERT_EQ(named.Names().front(), "clk");
    ASSERT_TRUE(unnamed.Names().empty());
    struct Case {
        int format;
        unsigned afterNamed; // netNo after the named net, from 7
        const char* unnamedStart;
    };
    for (const Case& c : {Case{3, 7, "NET00007 = {r1-2 , u1-b };\n"}, Case{15, 8, "NODE     7 "},
                          Case{7, 8, "0007 NET0007 "}, Case{23, 8, "        NET000007 : "},
                          Case{1, 7, "        NET000007 : "}, Case{26, 7, "7[r1-2,u1-b]\n"}}) {
        unsigned netNo = 7;
        named.MakeString(c.format, netNo, CNetWriteStyle());
        EXPECT_EQ(netNo, c.afterNamed) << c.format;
        netNo = 7;
        const CString text = unnamed.MakeString(c.format, netNo, CNetWriteStyle());
        EXPECT_EQ(text.Left(int(std::strlen(c.unnamedStart))).str(), c.unnamedStart) << c.format;
        EXPECT_EQ(netNo, 8u) << c.format;
    }
    unsigned netNo = 1;
    EXPECT_EQ(named.MakeString(23, netNo, CNetWriteStyle()).Find("clk"), -1);
}

TEST(NetFormat, UpperCaseOptionsSpellNodesNamesAndPartsAlike)
{
    SmallDesign d;
    CNetWriteStyle style;
    style.nodeUpper = true;
    style.netUpper = true;
    unsigned netNo = 1;
    EXPECT_EQ(d.Net(0).MakeString(2, netNo, style).str(), "      CLK : R1-1 , U1-A .\n");
    EXPECT_EQ(d.Net(0).MakeString(6, netNo, style).str(), ".ADD_TER R1 1 CLK\n.TER   U1 A\n");
    CString parts;
    ASSERT_FALSE(d.parts.NetWrite(13, parts, style));
    EXPECT_EQ(parts.str(), "*PART*\nR1     PART\nU1     PART\n\n*NET*\n");
    // The symbol blocks of code 11 label the pins as its node lines do.
    CString symbols;
    ASSERT_FALSE(d.parts.NetWrite(11, symbols, style));
    EXPECT_NE(symbols.Find("DATA,2,U1\nDATA,3,PART\nDATA,4,PART\nDATA,21,A\nDATA,23,B\n"), -1)
        << symbols.str();
}

TEST(NetFormat, CutsNeverSplitADoubleByteCharacter)
{
    // "\x82\xa0" is one double-byte character; 14 bytes + it would be 16.
    const CString wide = CString("ABCDEFGHIJKLMN") + "\x82\xa0";
    EXPECT_EQ(CutToWidth(wide, 15, true).str(), "ABCDEFGHIJKLMN ");
    EXPECT_EQ(CutToWidth(wide, 16, false).str(), wide.str());
    EXPECT_EQ(CutToWidth("AB", 4, true).str(), "AB  ");
    // The value columns of the part list format cut at 17 and 15 bytes.
    CSheet parts;
    CPart part(CPoint(), CPoint(), CPoint(), 1, 1, 0, 0);
    part.SetRefName("R1");
    part.SetValue(CString("12345678901234") + "\x82\xa0\x82\xa0");
    parts.NewPart(part);
    CString out;
    ASSERT_FALSE(parts.NetWrite(15, out, CNetWriteStyle()));
    EXPECT_EQ(out.str(),
              "PART LIST\n\n12345678901234\x82\xa0  12345678901234  R1\nEOS\nNET LIST\n\n");
}

TEST(NetFormat, HeadersTakePathsAsTextNotAsFormats)
{
    EXPECT_EQ(FillHeader(CNet::MakeHead(21), {"/tmp/%s%d%n.net", "D"}).str(),
              "*  Vireo Net List File\n*    File : /tmp/%s%d%n.net\n*    Date : D\n");
    EXPECT_EQ(FillHeader(CNet::MakeHead(19), {"p", "d"}).str(),
              "%  Vireo Net List File\n%    File : p\n%    Date : d\n");
    EXPECT_EQ(FillHeader(CNet::MakeHead(20), {}).str(), ";; V4.1.0\n%net\n%page=0001\n%Prior=0\n");
    EXPECT_NE(FillHeader(CNet::MakeHead(-24), {"D"})
                  .Find("=== OPEN NET LIST ===  [NETNAME  REF-PIN..]"
                        "   Date : D\n\n---"),
              -1);
    EXPECT_TRUE(CNet::MakeHead(0).IsEmpty());
    EXPECT_TRUE(CNet::MakeHead(30).IsEmpty());
}

TEST(NetFormat, LookUpByCodeOrNameWithoutCase)
{
    EXPECT_EQ(NetFormats().size(), 29u);
    EXPECT_EQ(NetFormats().front().code, 1);
    EXPECT_EQ(FindNetFormat(std::string("PADS-PCB"))->code, 13);
    EXPECT_EQ(FindNetFormat(std::string("cr3000"))->code, 1);
    EXPECT_EQ(FindNetFormat(std::string("spice"))->code, 21);
    EXPECT_EQ(FindNetFormat(std::string("27"))->extension, std::string(".asc"));
    EXPECT_EQ(FindNetFormat(std::string("DK-\x83\xb0/magic"))->code, 26);
    for (const char* bad : {"0", "30", "-1", "", "PADS-PCBX", "0013x", "99999999999"})
        EXPECT_EQ(FindNetFormat(std::string(bad)), nullptr) << bad;
    EXPECT_EQ(FindNetFormat(0), nullptr);
}

TEST(NetFormat, EmptyPartListWritesTheSectionFrame)
{
    CSheet parts;
    for (auto [code, frame] : {std::pair{13, "*PART*\n\n*NET*\n"},
                               {3, "\tcomp {\n\t}\nnets {\n"},
                               {29, "$PART\n$END\n"},
                               {11, ""},
                               {10, "$NETS\n"}}) {
        CString out;
        EXPECT_FALSE(parts.NetWrite(code, out, CNetWriteStyle())) << code;
        EXPECT_EQ(out.str(), frame) << code;
    }
}

TEST(NetFormat, CancelStopsTheWriters)
{
    SmallDesign d;
    CScopedFakeHost host;
    host->cancelled = true;
    CString out;
    EXPECT_TRUE(d.parts.NetWrite(13, out, CNetWriteStyle()));
    CNetlistText text;
    CNetlistRequest request;
    request.format = 12;
    EXPECT_EQ(BuildNetlistText(d.nets, &d.parts, request, text), 1);
}

TEST(NetFormat, ComponentFileTakesThePartSection)
{
    SmallDesign d;
    CNetlistRequest request;
    request.format = 17;
    request.componentFile = true;
    CNetlistText text;
    ASSERT_EQ(BuildNetlistText(d.nets, &d.parts, request, text), 0);
    EXPECT_EQ(text.component.str(),
              "PART                r1                                      000     000     0\n"
              "PART                u1                                      000     000     0\n\n");
    EXPECT_EQ(text.netlist.str(), "/clk       r1(1) u1(a);\n/NET000001 r1(2) u1(b);\n");
}

TEST(NetFormat, PreflightWarnsOfWhatABoardToolWouldJoin)
{
    CSheet sheet(CSheet::kDrawing);
    // A net named like the first generated name, beside an unnamed net.
    AddPart(sheet, "R1", {{{0, 0}, 0, "", "1"}, {{0, 500}, 0, "", "2"}});
    AddPart(sheet, "R2", {{{1000, 0}, 0, "", "1"}, {{1000, 500}, 0, "", "2"}});
    AddWire(sheet, {0, 0}, {1000, 0}, "net000001");
    AddWire(sheet, {0, 500}, {1000, 500});
    // Two long references that the joint list cuts to the same 15 bytes, and
    // a No Connect pin wired to them.
    AddPart(sheet, "CONNECTOR_LONG1", {{{0, 2000}, 0, "", "10"}});
    AddPart(sheet, "CONNECTOR_LONG1", {{{1000, 2000}, 0, "", "11"}});
    AddPart(sheet, "X1", {{{500, 2000}, CPin::NoConnect, "", "1"}});
    AddWire(sheet, {0, 2000}, {1000, 2000});
    sheet.NewJunc(CPoint(500, 2000));
    CItemList<CNet> nets;
    BuildNets({{"s.dcd", 1, &sheet}}, nets);
    CNetlistRequest request;
    request.format = 13;
    std::vector<CString> w = PreflightWarnings(nets, request);
    ASSERT_EQ(w.size(), 2u);
    EXPECT_EQ(w[0].str(), "the No Connect pin X1-1 is wired to other pins (net NET000001, with "
                          "CONNECTOR_LONG1-10)");
    // The connector's net is the first unnamed one.
    EXPECT_EQ(w[1].str(), "the nets of CONNECTOR_LONG1-10 and R1-1 are both written as net000001: "
                          "a board tool will join them");
    request.format = 24;
    w = PreflightWarnings(nets, request);
    ASSERT_EQ(w.size(), 2u);
    EXPECT_EQ(
        w[0].str(),
        "the pins CONNECTOR_LONG1-10 and CONNECTOR_LONG1-11 are both written as CONNECTOR_LONG1");

    // A No Connect pin that sorts first names the net and another pin; two
    // parts R5 and r5 put pin 1 into two nets.
    CSheet twice(CSheet::kDrawing);
    AddPart(twice, "A1", {{{0, 0}, CPin::NoConnect, "", "1"}});
    AddPart(twice, "R9", {{{1000, 0}, 0, "", "1"}});
    AddWire(twice, {0, 0}, {1000, 0}, "SIG");
    AddPart(twice, "R5", {{{0, 3000}, 0, "", "1"}, {{0, 3500}, 0, "", "2"}});
    AddPart(twice, "r5", {{{2000, 3000}, 0, "", "1"}, {{2000, 3500}, 0, "", "2"}});
    AddPart(twice, "R6", {{{1000, 3000}, 0, "", "1"}, {{1000, 3500}, 0, "", "2"}});
    AddWire(twice, {0, 3000}, {1000, 3000});
    AddWire(twice, {0, 3500}, {1000, 3500});
    CItemList<CNet> more;
    BuildNets({{"s.dcd", 1, &twice}}, more);
    request.format = 13;
    w = PreflightWarnings(more, request);
    ASSERT_EQ(w.size(), 2u);
    EXPECT_EQ(w[0].str(), "the No Connect pin A1-1 is wired to other pins (net SIG, with R9-1)");
    EXPECT_EQ(w[1].str(),
              "the reference r5 is used by more than one part: its pin 1 is in two nets");

    // Two parts of one reference side by side: every pin shares its net
    // with its twin, and the board tool would still get one part.
    CSheet parallel(CSheet::kDrawing);
    AddPart(parallel, "C7", {{{0, 0}, 0, "", "1"}, {{0, 500}, 0, "", "2"}});
    AddPart(parallel, "C7", {{{1000, 0}, 0, "", "1"}, {{1000, 500}, 0, "", "2"}});
    AddWire(parallel, {0, 0}, {1000, 0});
    AddWire(parallel, {0, 500}, {1000, 500});
    const std::vector<CNetSheet> sides{{"s.dcd", 1, &parallel}};
    CItemList<CNet> side;
    BuildNets(sides, side);
    w = PreflightWarnings(side, request, &sides);
    ASSERT_EQ(w.size(), 1u);
    EXPECT_EQ(w[0].str(), "the reference C7 is used by more than one part");
    // The nets alone cannot tell; the first case is not told twice.
    EXPECT_TRUE(PreflightWarnings(side, request).empty());
    const std::vector<CNetSheet> twiceSheets{{"s.dcd", 1, &twice}};
    EXPECT_EQ(PreflightWarnings(more, request, &twiceSheets).size(), 2u);
}

} // namespace
