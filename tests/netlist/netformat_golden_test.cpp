// Every netlist format on one design, byte for byte against files written
// by hand from the format rules (tests/data/netlist/golden/NN.net).
//
// The design (golden.txt) holds what the formats treat differently: named
// and unnamed nets, an alias net, a two-gate package with hidden power pins
// shared by both gates, a single part whose reference ends in a letter, a
// part without a value, a 12-pin net (every "n nodes per line" rule) and a
// net of long references (every line-width rule), and two open pins.
#include <gtest/gtest.h>

#include <string>

#include "netlist/netlistbuild.h"
#include "netlistdesign.h"

namespace {

const std::string kData = VIREO_TEST_DATA "/netlist/";

class NetFormatGolden : public ::testing::TestWithParam<int> {};

TEST_P(NetFormatGolden, MatchesTheHandWrittenFile)
{
    const int code = GetParam();
    NetlistDesign design(kData + "golden.txt");
    CNetlistText out;
    ASSERT_EQ(BuildNetlistText(design.nets, design.parts.get(), GoldenRequest(code), out), 0);
    char name[16];
    std::snprintf(name, sizeof name, "%02d.net", code);
    EXPECT_EQ(out.netlist.str(), ReadTestFile(kData + "golden/" + name)) << "format " << code;
    EXPECT_TRUE(out.component.IsEmpty());
    EXPECT_EQ(out.counts.nets, 7);
    EXPECT_EQ(out.counts.connections, 31 - 7);
}

INSTANTIATE_TEST_SUITE_P(AllFormats, NetFormatGolden, ::testing::Range(1, 30),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return "Format" + std::to_string(info.param);
                         });

} // namespace
