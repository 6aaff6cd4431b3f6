// The fast extraction against the literal loops, on random small designs
// where points, names and references collide often: the same nets, names,
// nodes, wires and junctions in the same order, sheet by sheet and for the
// whole design.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <random>
#include <vector>

#include "net/literalnets.h"
#include "net/netbuild.h"
#include "net/netdesign.h"
#include "support/fakehost.h"

namespace {

class RandomDesign {
public:
    explicit RandomDesign(unsigned seed) : m_rng(seed) {}

    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }
    bool Chance(int percent) { return Pick(100) < percent; }
    CPoint GridPoint() { return CPoint(100 * Pick(6), 100 * Pick(6)); }
    template <size_t N> const char* From(const char* const (&choices)[N])
    {
        return choices[Pick(int(N))];
    }

    void Fill(CSheet& sheet, const std::vector<CString>& otherSheets)
    {
        static const char* const kWireNames[] = {"", "", "", "A", "a", "B", "VCC", "GND"};
        static const char* const kRefs[] = {"R1", "R2", "U1", "U2", "R?", "R10"};
        static const char* const kPinNames[] = {"", "", "VCC", "GND", "X", "vcc"};
        static const char* const kPinNos[] = {"1", "2", "3", "", "A1", "14"};
        static const int kTypes[] = {CPin::Passive,   CPin::Input, CPin::Output, CPin::ThreeState,
                                     CPin::NoConnect, CPin::Power, CPin::Power};
        const int wires = Pick(10);
        for (int i = 0; i < wires; ++i) {
            const CPoint a = GridPoint();
            CPoint b = GridPoint();
            if (!Chance(20)) // mostly straight wires
                (Chance(50) ? b.x : b.y) = Chance(50) ? a.x : a.y;
            AddWire(sheet, a, b, From(kWireNames), a + CPoint(20, 20));
        }
        const int juncs = Pick(5);
        for (int i = 0; i < juncs; ++i)
            sheet.NewJunc(GridPoint());
        const int parts = Pick(8);
        for (int i = 0; i < parts; ++i) {
            const bool symbol = Chance(30); // no reference: a power symbol or label
            const bool gate = !symbol && Chance(25);
            const bool file = !symbol && !otherSheets.empty() && Chance(10);
            CString ref = symbol ? "" : From(kRefs);
            if (gate)
                ref += Chance(50) ? "A" : "B";
            CPart& part = AddPart(sheet, ref.c_str(), {}, gate ? 2 : 1,
                                  file ? otherSheets[size_t(Pick(int(otherSheets.size())))].c_str()
                                       : nullptr);
            const int pins = 1 + Pick(symbol ? 1 : 4);
            for (int p = 0; p < pins; ++p) {
                const CPoint tip = GridPoint();
                const int type = kTypes[Pick(int(std::size(kTypes)))];
                const bool hidden = Chance(type == CPin::Power ? 50 : 10);
                CPin* pin = part.NewPin(tip + CPoint(100, 0), tip,
                                        uint32_t(type) | (hidden ? CPin::kHidden : 0u));
                pin->SetName(From(kPinNames));
                pin->SetNo(From(kPinNos));
            }
        }
    }

private:
    std::mt19937 m_rng;
};

TEST(NetExtractProperty, FastPassesEqualTheLiteralLoops)
{
    CScopedFakeHost host; // the warnings about unnumbered parts stay in the test
    int realNets = 0, aliasNets = 0, widest = 0;
    for (unsigned seed = 1; seed <= 400; ++seed) {
        RandomDesign random(seed);
        const int sheetCount = 1 + random.Pick(3);
        std::vector<std::unique_ptr<CSheet>> sheets;
        std::vector<CNetSheet> set;
        std::vector<CString> names;
        for (int s = 0; s < sheetCount; ++s)
            names.push_back(CString::Formatted("sheet%d.dcd", s + 1));
        for (int s = 0; s < sheetCount; ++s) {
            sheets.push_back(std::make_unique<CSheet>(CSheet::kDrawing));
            std::vector<CString> others;
            for (int o = 0; o < sheetCount; ++o)
                if (o != s)
                    others.push_back(names[size_t(o)]);
            random.Fill(*sheets.back(), others);
            set.push_back({names[size_t(s)], s + 1, sheets.back().get()});
        }
        const CSheetSetContext context(set);

        for (const CNetSheet& s : set) {
            CItemList<CNet> fast, literal;
            ASSERT_EQ(s.sheet->CreateWireGroup(fast), 0);
            LiteralWireGroup(*s.sheet, literal);
            ASSERT_EQ(DescribeNets(fast), DescribeNets(literal)) << "wires, seed " << seed;
            ASSERT_EQ(s.sheet->CreatePinGroup(fast, s.docName, &context), 0);
            LiteralPinGroup(*s.sheet, literal, s.docName, &context);
            ASSERT_EQ(DescribeNets(fast), DescribeNets(literal)) << "pins, seed " << seed;
        }
        CItemList<CNet> fast, literal;
        ASSERT_EQ(BuildNets(set, fast), 0);
        LiteralBuild(set, literal);
        ASSERT_EQ(DescribeNets(fast), DescribeNets(literal)) << "design, seed " << seed;
        for (const CNet& net : fast) {
            realNets += net.CheckNet();
            aliasNets += net.GetNameCount() > 1;
            widest = std::max(widest, net.GetNodeCount());
        }
    }
    // The designs are meant to collide: many real and alias nets, some wide.
    EXPECT_GT(realNets, 300);
    EXPECT_GT(aliasNets, 50);
    EXPECT_GE(widest, 6);
    std::printf("real nets %d, alias nets %d, widest %d\n", realNets, aliasNets, widest);
}

} // namespace
