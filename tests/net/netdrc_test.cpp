// The rule check of one net: each code from the pin types that raise it,
// the pins each code lists, the detail text, and the net classes of the
// report.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "net/net.h"
#include "net/netcontext.h"

namespace {

using P = CPin::Type;

CNetName Node(int type, const char* ref = "U1", const char* no = "1", CPoint body = CPoint())
{
    CPin pin(body, body - CPoint(300, 0), uint32_t(type));
    pin.SetNo(no);
    pin.SetName("N");
    return CNetName("a.dcd", "PART", ref, pin);
}

CNet NetOf(std::initializer_list<int> types)
{
    CNet net;
    int n = 0;
    for (int type : types)
        net.Nodes().push_back(Node(type, "U1", std::to_string(++n).c_str()));
    return net;
}

TEST(NetDrc, EachCodeFromThePinsThatRaiseIt)
{
    const struct {
        std::initializer_list<int> types;
        int code;
    } cases[] = {
        {{P::Output, P::Output}, 0x1},
        {{P::Output, P::InOut}, 0x2},
        {{P::Output, P::OpenLow}, 0x4},
        {{P::Output, P::OpenHigh}, 0x8},
        {{P::Output, P::ThreeState}, 0}, // 0x10 keeps its slot but is never raised
        {{P::Output, P::Power}, 0x20},
        {{P::OpenLow, P::OpenHigh}, 0x40},
        {{P::OpenLow, P::Power}, 0x80},
        {{P::OpenHigh, P::InOut}, 0x100},
        {{P::OpenHigh, P::OpenHigh}, 0x200},
        {{P::OpenHigh, P::Power}, 0x400},
        {{P::ThreeState, P::Power}, 0x800},
        {{P::InOut, P::Power}, 0x1000},
        {{P::Input, P::Input}, 0x2000},
        {{P::OpenLow, P::OpenLow}, 0x4000},
        {{P::ThreeState, P::ThreeState}, 0x8000},
        {{P::NoConnect, P::Passive}, 0x10000},
        // Combinations and the quiet cases.
        {{P::Output, P::Input, P::Input, P::Input}, 0},
        {{P::Output, P::Output, P::Power}, 0x1 | 0x20},
        {{P::Input}, 0},
        {{P::NoConnect}, 0},
        {{P::NoConnect, P::NoConnect}, 0},
        {{P::Passive, P::PassiveDown, P::PassiveUp, P::Input}, 0},
        {{P::OpenHigh, P::OpenHigh, P::Output, P::Power}, 0x8 | 0x20 | 0x200 | 0x400},
    };
    for (const auto& c : cases) {
        std::string types;
        for (int t : c.types)
            types += std::to_string(t) + " ";
        EXPECT_EQ(NetOf(c.types).CheckPinDRC(), c.code) << "types " << types;
    }
}

TEST(NetDrc, NamesAndCulpritsFollowTheTable)
{
    const char* const names[] = {
        "Output-Output", "Output-In Out", "Output-Open L", "Output-Open H", "Output-3 State",
        "Output-Power",  "Open L-Open H", "Open L-Power",  "Open H-In Out", "Open H-Open H",
        "Open H-Power",  "3 State-Power", "In Out-Power",  "All Input",     "All OpenL",
        "All 3 State",   "Open pin"};
    // Pin types listed for each code, as a string of type digits.
    const char* const culprits[] = {"2", "24", "25", "26", "23", "2f", "56", "5f", "46",
                                    "6", "6f", "3f", "4f", "*",  "*",  "*",  "e"};
    const int types[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 14, 15};
    for (int i = 0; i < CNet::kDrcCodeCount; ++i) {
        EXPECT_STREQ(CNet::DrcName(i), names[i]);
        std::string listed;
        for (int t : types)
            if (Node(t).CheckDRC(1 << i))
                listed += "0123456789abcdef"[t];
        EXPECT_EQ(listed, culprits[i][0] == '*' ? "012345678ef" : culprits[i]) << names[i];
    }
    EXPECT_FALSE(Node(P::Output).CheckDRC(0x3)); // a mask of two codes is no code
}

TEST(NetDrc, DetailLinesListTheCulpritsWithOneSign)
{
    CNet net;
    net.Nodes().push_back(Node(P::Output, "U1", "2", CPoint(-150, -50)));
    net.Nodes().push_back(Node(P::Input, "U2", "1", CPoint(300, 400)));
    net.Nodes().push_back(Node(P::Power, "U3", "14", CPoint(12345, 100)));
    const CSheetSetContext context({{"a.dcd", 3, nullptr}});
    unsigned code = 0x20;
    EXPECT_EQ(net.MakeString(-1, code, &context).str(),
              "   U1(   2)\tN\tOutput\ta.dcd [3]\tX:  -1.50 Y:  -0.50\n"
              "   U3(  14)\tN\tPower\ta.dcd [3]\tX: 123.45 Y:   1.00\n"
              "\n");
    code = 0x10000;
    EXPECT_EQ(net.MakeString(-1, code).str(), "\n"); // no culprit: the empty line alone
}

TEST(NetDrc, ClassesOfTheReport)
{
    CNet open = NetOf({P::Input});
    open.SetNetName(kOpenPin1Name);
    EXPECT_FALSE(open.CheckNet());
    EXPECT_EQ(open.IsOpenPinNet(), 1);
    EXPECT_EQ(open.IsOpenWireNet(), 0);

    CNet wire; // a wire alone, or with one pin and a name
    EXPECT_EQ(wire.IsOpenWireNet(), 1);
    wire.SetNetName("CLK");
    EXPECT_EQ(wire.IsOpenWireNet(), 1);
    wire.SetNetName("CLOCK"); // two names: an open alias net, neither class
    EXPECT_FALSE(wire.CheckAliasNet());
    EXPECT_EQ(wire.IsOpenWireNet(), 0);

    CNet real = NetOf({P::Input, P::Output});
    EXPECT_TRUE(real.CheckNet());
    real.SetNetName("X{VIREO}"); // the marker after the first character: not real
    EXPECT_FALSE(real.CheckNet());
    EXPECT_EQ(real.CheckPowerNet(), 1);
    EXPECT_FALSE(real.CheckHideNet());
}

} // namespace
