// The net information report and the HTML template language.
#include <gtest/gtest.h>

#include "base/codepage.h"
#include "netlist/htmltemplate.h"
#include "netlist/netreport.h"
#include "netlistdesign.h"

namespace {

const std::string kData = VIREO_TEST_DATA "/netlist/";

CNetReportInfo GoldenInfo(const CNetContext& context)
{
    CNetReportInfo info;
    info.date = "2024/01/02  03:04:05";
    info.counts = {7, 24};
    info.context = &context;
    info.fileList = {"golden.dcd"};
    return info;
}

TEST(NetReport, TextMatchesTheHandWrittenFile)
{
    NetlistDesign design(kData + "golden.txt");
    CSheetSetContext context({{"golden.dcd", 1, &design.sheet}});
    EXPECT_EQ(MakeNetReportText(design.nets, GoldenInfo(context)).str(),
              ReadTestFile(kData + "golden/report.nrp"));
}

TEST(NetReport, HtmlMatchesTheHandWrittenFile)
{
    NetlistDesign design(kData + "golden.txt");
    CSheetSetContext context({{"golden.dcd", 1, &design.sheet}});
    CHtmlTemplate html;
    CString error, page;
    ASSERT_TRUE(html.Parse(ReadTestFile(kData + "report-template.dat"), error)) << error.str();
    ASSERT_TRUE(MakeNetReportHtml(design.nets, GoldenInfo(context), html, page, error));
    EXPECT_EQ(page.str(), ReadTestFile(kData + "golden/report.html"));
}

TEST(NetReport, WarningsFollowTheRuleCheck)
{
    NetlistDesign design(kData + "golden.txt");
    CSheetSetContext context({{"golden.dcd", 1, &design.sheet}});
    CNetReportInfo info = GoldenInfo(context);
    info.warnings = {"first", "second"};
    const std::string text = MakeNetReportText(design.nets, info).str();
    EXPECT_NE(text.find("[DRC Open pin]\n\n[Warning(s)]\nfirst\nsecond\n\n"), std::string::npos);
}

TEST(NetReport, OpenAliasNetsAreListedWithTheirNames)
{
    // Two named wires that meet, and one pin: not a real net, two names.
    CSheet sheet(CSheet::kDrawing);
    CPart part(CPoint(), CPoint(), CPoint(), 1, 1, 0, 0);
    part.SetRefName("R1");
    part.NewPin(CPoint(100, 0), CPoint(0, 0), CPin::Passive)->SetNo("1");
    sheet.NewPart(part);
    sheet.NewWire(CPoint(0, 0), CPoint(500, 0))->SetName(CText("A", CPoint(), 70, 8));
    sheet.NewWire(CPoint(500, 0), CPoint(900, 0))->SetName(CText("B", CPoint(), 70, 8));
    CItemList<CNet> nets;
    BuildNets({{"s.dcd", 1, &sheet}}, nets);
    const std::string text = MakeNetReportText(nets, CNetReportInfo()).str();
    EXPECT_NE(text.find("Open Net(s)\n\nOpen Alias Net(s)\n        A =>         A,         B;\n\n"
                        "Alias Net(s)\n\n"),
              std::string::npos)
        << text;
}

TEST(HtmlTemplate, DamagedTemplatesAreRefusedNotOverread)
{
    // Markers missing, out of order, or so close that the skipped line break
    // would lie past the next marker.
    for (const char* bad : {"", "$COMMON$", "$COMMON$\n$BLOCKIN$", "$BLOCKIN$\n$COMMON$\n$COMMON$",
                            "$COMMON$$BLOCKIN$\n$COMMON$", "$COMMON$\nhead$BLOCKIN$$COMMON$",
                            "$COMMON$\n$BLOCKIN", "$COM"}) {
        CHtmlTemplate html;
        CString error;
        EXPECT_FALSE(html.Parse(bad, error)) << bad;
        EXPECT_FALSE(error.IsEmpty());
    }
    CHtmlTemplate html;
    CString error;
    ASSERT_TRUE(html.Parse("$COMMON$\nH$BLOCKIN$\nT$COMMON$$RPT$a$BLOCKNEXT$b$BLOCKFOR$$RPT$"
                           "$X$only one",
                           error));
    EXPECT_EQ(html.Head().str(), "H");
    EXPECT_EQ(html.Tail().str(), "T");
    CHtmlTemplate::ListBlock list;
    EXPECT_FALSE(html.List("$RPT$", list, error)); // $BLOCKNEXT$ before $BLOCKFOR$
    EXPECT_FALSE(html.List("$NONE$", list, error));
    EXPECT_TRUE(html.Block("$X$").IsEmpty()); // one occurrence only
    ASSERT_TRUE(html.Parse("$COMMON$\n$BLOCKIN$\n$COMMON$$L$t$BLOCKFOR$e$BLOCKNEXT$$L$", error));
    ASSERT_TRUE(html.List("$L$", list, error));
    EXPECT_EQ(list.title.str(), "t");
    EXPECT_EQ(list.entry.str(), "e");
    EXPECT_TRUE(list.end.IsEmpty());
}

TEST(HtmlTemplate, ValuesAreEscapedAndNeverExpandedTwice)
{
    // A net named like a placeholder stays that name; markup in names is text.
    const CString out =
        CHtmlTemplate::Expand("[$A$|$B$|$C]", {{"$A$", CHtmlTemplate::Escape("$B$")},
                                               {"$B$", CHtmlTemplate::Escape("<i>&\"'")}});
    EXPECT_EQ(out.str(), "[$B$|&lt;i&gt;&amp;&quot;&#39;|$C]");
    // A double-byte character whose trail byte is '\\' (0x5C) is one
    // character: the file list doubles real backslashes only.
    const CString list = CHtmlTemplate::FileList({"C:\\a\x95\\.dcd", "q\"<"});
    EXPECT_EQ(list.str(), "\"\",\r\n\"C:\\\\a\x95\\.dcd\",\r\n\"q\\\"\\x3c\"\r\n");
    EXPECT_TRUE(CHtmlTemplate::FileList({}).IsEmpty());
}

TEST(NetReport, TagJumpWrapsAndNegativePositionsKeepOneSign)
{
    // A pin far up and to the left: y * 65536 overflows 32 bits and wraps;
    // x is negative.
    CSheet sheet(CSheet::kDrawing);
    CPart part(CPoint(), CPoint(), CPoint(), 1, 1, 0, 0);
    part.SetRefName("R1");
    part.NewPin(CPoint(-150, 40000), CPoint(-250, 40000), CPin::Input)->SetNo("1");
    sheet.NewPart(part);
    CItemList<CNet> nets;
    BuildNets({{"s.dcd", 1, &sheet}}, nets);
    CHtmlTemplate html;
    CString error, page;
    ASSERT_TRUE(html.Parse("$COMMON$\n$BLOCKIN$\n$COMMON$$RPT$$BLOCKFOR$$X$,$Y$,$TAGJUMP$;"
                           "$BLOCKNEXT$$RPT$",
                           error));
    CNetReportInfo info;
    ASSERT_TRUE(MakeNetReportHtml(nets, info, html, page, error));
    const long long wide = 40000LL * 65536 - 150;
    const long wrapped = long(int32_t(uint32_t(wide)));
    EXPECT_EQ(page.str(),
              "  -1.50, 400.00,&amp;[VIREO]AUTOTAGJUMP&amp;" + std::to_string(wrapped) + ";");
    // The net index and the check log jump the same way.
    EXPECT_EQ(CHtmlTemplate::TagJump(CPoint(-150, 40000)).str(),
              "&[VIREO]AUTOTAGJUMP&" + std::to_string(wrapped));
}

} // namespace
