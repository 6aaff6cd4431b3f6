// Listing order of nodes and nets, and the tidy-up of repeated nodes.
#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>

#include "net/literalnets.h"
#include "net/net.h"
#include "sheet/sheet.h"
#include "support/fakehost.h"

namespace {

CNetName Node(const char* ref, const char* no, bool hidden = false)
{
    CPin pin(CPoint(100, 0), CPoint(), hidden ? CPin::kHidden : 0u);
    pin.SetNo(no);
    CNetName node("a.dcd", "PART", ref, pin);
    node.BreakPartRef();
    return node;
}

TEST(NetOrder, BreakPinNoSplitsTextAndNumber)
{
    const struct {
        const char* in;
        int value;
        const char* rest;
    } cases[] = {
        {"12", 12, ""},
        {"12B", 12, "B"},
        {"A10", 10, "A"},
        {"AB3C", 3, "AB"},
        {"GND", -1, "GND"},
        {"", -1, ""},
        {"99999999999", 2147483647, ""},
        {"\x82\x50"
         "5",
         5, "\x82\x50"}, // a double-byte character before the digit
    };
    for (const auto& c : cases) {
        CString s(c.in);
        EXPECT_EQ(CNetName::BreakPinNo(s), c.value) << c.in;
        EXPECT_EQ(s.str(), c.rest) << c.in;
    }
}

TEST(NetOrder, NodesCompareByPrefixNumberReferenceAndPin)
{
    // Each node comes before the next.
    const char* const ordered[][2] = {
        {"C5", "1"}, {"r2", "1"},  {"R2", "2"},   {"R2", "10"}, {"R10", "1"},
        {"U1", "1"}, {"U1", "A2"}, {"U1", "A10"}, {"U1", "b1"}, {"U1A", "1"},
    };
    for (size_t i = 0; i + 1 < std::size(ordered); ++i) {
        const CNetName a = Node(ordered[i][0], ordered[i][1]),
                       b = Node(ordered[i + 1][0], ordered[i + 1][1]);
        EXPECT_LT(a.Compare(b), 0) << ordered[i][0] << "-" << ordered[i][1];
        EXPECT_GT(b.Compare(a), 0) << ordered[i][0] << "-" << ordered[i][1];
    }
    EXPECT_EQ(Node("R1", "1").Compare(Node("r1", "1")), 0);
}

TEST(NetOrder, SortNetMovesRealNetsOnlyLikeTheLiteralLoop)
{
    // Random lists where many nets tie and many are not real: the fast sort
    // and the swapping loop agree, and the others stay where they were.
    std::mt19937 rng(7);
    const char* const refs[] = {"R1", "R2", "R10", "U1", "r1"};
    const char* const pins[] = {"1", "2", "A1"};
    for (int round = 0; round < 200; ++round) {
        CItemList<CNet> fast, literal;
        const int count = int(rng() % 12);
        for (int i = 0; i < count; ++i) {
            CNet net;
            const int nodes = int(rng() % 4);
            for (int n = 0; n < nodes; ++n)
                net.Nodes().push_back(Node(refs[rng() % 5], pins[rng() % 3]));
            if (rng() % 5 == 0)
                net.SetNetName(kOpenPin2Name + std::string(rng() % 2 ? "" : "x"));
            net.SetNetID(i);
            fast.AddTail(std::make_unique<CNet>(net));
            literal.AddTail(std::make_unique<CNet>(net));
        }
        ASSERT_EQ(CSheet::SortNet(fast), 0);
        LiteralSortNet(literal);
        std::string a, b;
        for (const CNet& n : fast)
            a += std::to_string(n.GetNetID()) + " ";
        for (const CNet& n : literal)
            b += std::to_string(n.GetNetID()) + " ";
        ASSERT_EQ(a, b) << "round " << round;
        ASSERT_EQ(DescribeNets(fast), DescribeNets(literal)) << "round " << round;
    }
}

TEST(NetOrder, RepeatsOfUnnumberedPartsAreDroppedWithOneWarning)
{
    CScopedFakeHost host;
    CNetWarningScope scope;
    CNet net;
    net.Add(Node("R?", "1"));
    net.Add(Node("R?", "1")); // another unnumbered resistor: compares equal
    net.Add(Node("U1", "3"));
    net.Add(Node("U1", "3")); // the same pin again: silently one
    net.Add(Node("C?", "1"));
    net.Add(Node("C?", "1"));
    EXPECT_EQ(net.GetNodeCount(), 3);
    ASSERT_EQ(host->messages.size(), 1u);
    EXPECT_NE(host->messages[0].text.Find("R?-1"), -1);
}

TEST(NetOrder, ProjectMergeKeepsShownPinsOverHiddenCopies)
{
    // U1 pin 14 hidden in two nets, shown in a third: the hidden copies go.
    CItemList<CNet> nets;
    for (bool hidden : {true, true, false}) {
        auto net = std::make_unique<CNet>();
        net->Nodes().push_back(Node("U1", "14", hidden));
        net->Nodes().push_back(Node("R1", hidden ? "1" : "2"));
        net->SetNetName(hidden ? "VCC" : "X");
        nets.AddTail(std::move(net));
    }
    ASSERT_EQ(CSheet::NetCorrection(nets, 0), 0);
    ASSERT_EQ(nets.GetCount(), 2);
    EXPECT_EQ(DescribeNets(nets), "net 'VCC': a.dcd/R1-1@0,0 | |\n"
                                  "net 'X': a.dcd/U1-14@0,0 a.dcd/R1-2@0,0 | |\n");
}

} // namespace
