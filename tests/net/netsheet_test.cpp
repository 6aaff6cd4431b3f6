// The sheet operations around the nets: the net index texts, cross-sheet
// references, the highlight trace, and progress with cancel.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "net/netbuild.h"
#include "net/netdesign.h"
#include "support/fakehost.h"

namespace {

std::string PartTexts(const CPart& part)
{
    std::string text;
    for (const CText& t : part.Texts())
        text += t.GetName().str() + ";";
    return text;
}

std::unique_ptr<CNet> RealNet(std::vector<std::pair<const char*, const char*>> nodes,
                              std::vector<const char*> names)
{
    auto net = std::make_unique<CNet>();
    for (auto [ref, no] : nodes) {
        CPin pin(CPoint(100, 0), CPoint(), 0);
        pin.SetNo(no);
        net->Nodes().push_back(CNetName("a.dcd", "PART", ref, pin));
    }
    for (const char* name : names)
        net->SetNetName(name);
    return net;
}

TEST(NetSheet, NetIndexNamesEveryPinOfEveryGate)
{
    CSheet s;
    AddPart(s, "U1A", {}, 2);
    AddPart(s, "U1B", {}, 2);
    AddPart(s, "R1", {});
    CItemList<CNet> nets;
    nets.AddTail(RealNet({{"U1", "1"}, {"R1", "1"}}, {"CLK", "5V"}));
    nets.AddTail(RealNet({{"U1", "2"}}, {})); // not real: no text
    nets.AddTail(RealNet({{"U1", "3"}, {"R1", "2"}}, {}));
    nets.AddTail(RealNet({{"u1", "4"}, {"R1", "3"}}, {})); // references match with case
    ASSERT_EQ(s.NetIndex(0, nets, 7), 0);
    const std::string u1 = "{VIREO NETINDEX}1&&CLK;{VIREO NETINDEX}3&&NET000007;";
    POSITION pos = s.GetFirstPartPos();
    EXPECT_EQ(PartTexts(*s.GetNextPart(pos)), u1);
    EXPECT_EQ(PartTexts(*s.GetNextPart(pos)), u1);
    EXPECT_EQ(PartTexts(*s.GetNextPart(pos)),
              "{VIREO NETINDEX}1&&CLK;{VIREO NETINDEX}2&&NET000007;{VIREO NETINDEX}3&&NET000008;");

    // The SPICE form prefers a name that starts with a digit and numbers plainly.
    CSheet spice;
    AddPart(spice, "R1", {});
    ASSERT_EQ(spice.NetIndex(21, nets, 1), 0);
    EXPECT_EQ(PartTexts(*spice.GetHeadPart()),
              "{VIREO NETINDEX}1&&5V;{VIREO NETINDEX}2&&1;{VIREO NETINDEX}3&&2;");
}

TEST(NetSheet, CrossReferencesListTheOtherSheets)
{
    CSheet one, two;
    CLine& a = AddWire(one, CPoint(0, 0), CPoint(500, 0), "DATA", CPoint(1000, 2000));
    CLine& b = AddWire(one, CPoint(0, 900), CPoint(500, 900), "DATA", CPoint(3050, -2090));
    CLine& lone = AddWire(one, CPoint(0, 500), CPoint(500, 500), "LONE", CPoint(0, 0));
    AddWire(two, CPoint(0, 0), CPoint(500, 0), "data", CPoint(500, 700));
    AddWire(two, CPoint(0, 0), CPoint(500, 0), "", CPoint(0, 0));
    const CSheetSetContext context({{"one.dcd", 1, &one}, {"two.dcd", 2, &two}});

    one.SetRecalcCrossNet(&a);
    EXPECT_FALSE(a.GetType() & CLine::kWorkMark1);
    EXPECT_TRUE(b.GetType() & CLine::kWorkMark1);
    lone.SetCrossName(CText("P.9 [1,1]\\n", CPoint(), 70, 8)); // stale: its partner is gone
    lone.ModifyType(0, CLine::kWorkMark1);
    one.MakeCrossNet(context);
    EXPECT_EQ(b.GetCrossName().str(), "P.1 [10,20]\\n2 [5,7]\\n");
    EXPECT_EQ(b.GetCrossNameText().GetPoint(), CPoint(3150, -2090));
    EXPECT_FALSE(b.GetType() & CLine::kWorkMark1);
    EXPECT_TRUE(lone.GetCrossName().IsEmpty());
    EXPECT_TRUE(a.GetCrossName().IsEmpty()); // not marked, not touched

    // Unnamed lines have no partners, however many there are.
    CCrossNetList list;
    list.line = two.Wires().GetTail();
    context.CollectCrossNet(list);
    EXPECT_TRUE(list.pairs.empty());
}

TEST(NetSheet, HighlightTracesEndsJunctionsAndNames)
{
    CSheet s;
    CLine& w1 = AddWire(s, CPoint(0, 0), CPoint(1000, 0));
    CLine& w2 = AddWire(s, CPoint(1000, 0), CPoint(1000, 1000), "X", CPoint(1000, 1000));
    CLine& w3 = AddWire(s, CPoint(5000, 0), CPoint(6000, 0), "x", CPoint(5000, 0));
    CLine& cross = AddWire(s, CPoint(500, -500), CPoint(500, 500)); // crosses w1 without a dot
    CLine& branch = AddWire(s, CPoint(300, 0), CPoint(300, -800));
    s.NewJunc(CPoint(300, 0));
    CPart& r1 = AddPart(s, "R1", {{CPoint(6000, 0), 0, "", "1"}, {CPoint(9000, 0), 0, "", "2"}});
    std::vector<CString> names;
    const CRect area = s.SetHighlight(CPoint(0, 0), names, 0);
    for (const CLine* w : {&w1, &w2, &w3, &branch})
        EXPECT_TRUE(w->GetType() & CLine::kHighlight);
    EXPECT_FALSE(cross.GetType() & CLine::kHighlight);
    EXPECT_TRUE(r1.Pins().GetHead()->IsHighlight());
    EXPECT_FALSE(r1.Pins().GetTail()->IsHighlight());
    ASSERT_EQ(names.size(), 1u);
    EXPECT_EQ(names[0], "X");
    EXPECT_TRUE(s.IsHighLight());
    EXPECT_LE(area.left, 0);
    EXPECT_GE(area.right, 6000);

    // By names alone; an empty list marks nothing.
    CSheet t;
    AddWire(t, CPoint(0, 0), CPoint(100, 0), "GND", CPoint());
    AddPart(t, "", {{CPoint(100, 0), CPin::Power, "GND", "1"}});
    CLine& far = AddWire(t, CPoint(100, 0), CPoint(100, 500));
    std::vector<CString> none;
    EXPECT_TRUE(t.SetHighlight(CPoint(), none, 1).IsRectEmpty());
    EXPECT_FALSE(t.IsHighLight());
    std::vector<CString> gnd{"gnd"};
    t.SetHighlight(CPoint(), gnd, 1);
    EXPECT_TRUE(far.GetType() & CLine::kHighlight);
}

TEST(NetSheet, ProgressCountsStepsAndCancelStopsTheBuild)
{
    CSheet s;
    AddPart(s, "R1", {{CPoint(0, 0), 0, "", "1"}});
    for (int i = 0; i < 3; ++i)
        AddWire(s, CPoint(0, 1000 * i), CPoint(500, 1000 * i));
    {
        CScopedFakeHost host;
        CItemList<CNet> nets;
        ASSERT_EQ(BuildNets({{"a.dcd", 1, &s}}, nets), 0);
        ASSERT_FALSE(host->progress.empty());
        EXPECT_EQ(host->progress[0].title, ProgressPhaseText(ProgressPhase::Wires));
        EXPECT_EQ(host->progress[0].steps, 3); // a plain count
        EXPECT_TRUE(host->progress.back().ended);
    }
    for (int after : {1, 4, 6}) { // in the wires, the pins, the merge
        CScopedFakeHost host;
        host->cancelAfterSteps = after;
        CItemList<CNet> nets;
        EXPECT_EQ(BuildNets({{"a.dcd", 1, &s}}, nets), 1) << after;
        EXPECT_TRUE(nets.IsEmpty());
    }
}

TEST(NetSheet, ASheetWithoutPartsHasNoWireNets)
{
    CSheet s;
    AddWire(s, CPoint(0, 0), CPoint(500, 0), "A", CPoint());
    CItemList<CNet> nets;
    EXPECT_EQ(s.CreateWireGroup(nets), 0);
    EXPECT_TRUE(nets.IsEmpty());
}

} // namespace
