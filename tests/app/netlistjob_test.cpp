// The Net List job on files: what it writes where, line ends, the part
// sheet (selection, sheets standing for others), options checks, and that a
// failure or a cancel leaves the files of the previous run alone.
#include <gtest/gtest.h>

#include "app/netlistjob.h"
#include "app/vireoapp.h"
#include "apptestenv.h"
#include "net/netdesign.h"
#include "netlist/netformat.h"

namespace {

// top.dcd: R1 between DATA and VCC, and S1 standing for sub.dcd;
// sub.dcd: R2 on DATA.
struct TwoSheets {
    CSheet top{CSheet::kDrawing}, sub{CSheet::kDrawing}, selection{CSheet::kSelection};
    CNetlistJob job;
    explicit TwoSheets(const CAppTestEnv& env)
    {
        AddPart(top, "R1", {{{0, 0}, 0, "", "1"}, {{0, 500}, 0, "", "2"}});
        AddPart(top, "S1", {{{2000, 0}, 0, "", "1"}}, 1, "sub.dcd");
        AddWire(top, {0, 0}, {1000, 0}, "DATA");
        AddWire(top, {0, 500}, {1000, 500}, "VCC");
        AddPart(sub, "R2", {{{0, 0}, 0, "", "1"}, {{0, 500}, 0, "", "2"}});
        AddWire(sub, {0, 0}, {1000, 0}, "DATA");
        AddWire(sub, {0, 500}, {1000, 500}, "VCC");
        job.documents = {{env / "top.dcd", &top, &selection, 1000, 800},
                         {env / "sub.dcd", &sub, nullptr, 1000, 800}};
        job.outputBase = env / "top";
        job.dataFolder = env.data();
        job.date = "2024/01/02  03:04:05";
    }
};

CNetlistOptions Calay()
{
    CNetlistOptions o;
    o.format = 17;
    o.componentFile = true;
    o.componentExt = "cmp";
    return o;
}

TEST(NetlistJob, WritesNetlistComponentFileAndReport)
{
    CAppTestEnv env;
    TwoSheets d(env);
    CNetlistResult r = RunNetlistJob(Calay(), d.job);
    ASSERT_EQ(r.status, CNetlistResult::Done);
    EXPECT_EQ(r.counts.nets, 2);
    EXPECT_EQ(r.counts.connections, 2);
    EXPECT_EQ(r.written, (std::vector<std::filesystem::path>{env / "top.net", env / "top.cmp",
                                                             env / "top.nrp"}));
    // S1 stands for sub.dcd: not a part of the board, not a pin of DATA.
    EXPECT_EQ(
        env.ReadFile(env / "top.cmp"),
        "PART                R1                                      000     000     0\r\n"
        "PART                R2                                      000     000     0\r\n\r\n");
    EXPECT_EQ(env.ReadFile(env / "top.net"),
              "/DATA      R1(1) R2(1);\r\n/VCC       R1(2) R2(2);\r\n");
    EXPECT_EQ(env.ReadFile(env / "top.nrp").substr(0, 36),
              "VIREO Net Infomation file Ver 1.11\r\n");

    // Line feeds only for the board tool's files; the report keeps CR LF.
    CNetlistOptions unix = Calay();
    unix.unixLineEnds = true;
    ASSERT_EQ(RunNetlistJob(unix, d.job).status, CNetlistResult::Done);
    EXPECT_EQ(env.ReadFile(env / "top.net"), "/DATA      R1(1) R2(1);\n/VCC       R1(2) R2(2);\n");
    EXPECT_EQ(env.ReadFile(env / "top.cmp").find('\r'), std::string::npos);
    EXPECT_NE(env.ReadFile(env / "top.nrp").find("\r\n"), std::string::npos);
}

TEST(NetlistJob, ASelectionLimitsThePartSection)
{
    CAppTestEnv env;
    TwoSheets d(env);
    d.selection.NewPart(*d.top.GetHeadPart()); // R1 selected on top.dcd
    CNetlistOptions o;
    o.format = 13;
    o.report = false;
    ASSERT_EQ(RunNetlistJob(o, d.job).status, CNetlistResult::Done);
    const std::string net = env.ReadFile(env / "top.net");
    EXPECT_EQ(net.substr(0, net.find("*NET*")),
              "*PADS-PCB*\r\n*PART*\r\nR1     PART\r\nR2     PART\r\n\r\n");
}

TEST(NetlistJob, FailureAndCancelLeaveThePreviousFiles)
{
    CAppTestEnv env;
    TwoSheets d(env);
    env.WriteFile(env / "top.net", "old netlist");
    env.WriteFile(env / "top.nrp", "old report");
    // The HTML report asked for without its template: told before anything
    // is written.  (Only stored, it falls back to text: see below.)
    CNetlistOptions html = Calay();
    html.html = html.htmlAsked = true;
    EXPECT_EQ(RunNetlistJob(html, d.job).status, CNetlistResult::Failed);
    ASSERT_FALSE(env->messages.empty());
    EXPECT_NE(env->messages.back().text.Find("vireohtml.dat"), -1);
    // A template without its report block is damaged.
    env.WriteFile(env.data() / "vireohtml.dat", "$COMMON$\nhead$BLOCKIN$\ntail$COMMON$");
    EXPECT_EQ(RunNetlistJob(html, d.job).status, CNetlistResult::Failed);
    EXPECT_NE(env->messages.back().text.Find("$RPT$"), -1);
    // Cancel halfway.
    env->cancelAfterSteps = 3;
    EXPECT_EQ(RunNetlistJob(Calay(), d.job).status, CNetlistResult::Cancelled);
    EXPECT_EQ(env.ReadFile(env / "top.net"), "old netlist");
    EXPECT_EQ(env.ReadFile(env / "top.nrp"), "old report");
    EXPECT_FALSE(std::filesystem::exists(env / "top.cmp"));
    EXPECT_FALSE(std::filesystem::exists(env / "top.nrp.html"));
    // The stored choice with the template gone: the text report, and a warning.
    std::filesystem::remove(env.data() / "vireohtml.dat");
    html.htmlAsked = false;
    env->cancelAfterSteps = -1;
    EXPECT_EQ(RunNetlistJob(html, d.job).status, CNetlistResult::Done);
    EXPECT_NE(env.ReadFile(env / "top.nrp"), "old report");
    EXPECT_FALSE(std::filesystem::exists(env / "top.nrp.html"));
}

TEST(NetlistJob, HtmlReportThroughTheShippedTemplate)
{
    CAppTestEnv env;
    TwoSheets d(env);
    std::filesystem::copy_file(VIREO_DATA_DIR "/vireohtml.dat", env.data() / "vireohtml.dat");
    d.job.fileList = {"sub.dcd", "top.dcd"};
    CNetlistOptions o = Calay();
    o.html = true;
    ASSERT_EQ(RunNetlistJob(o, d.job).status, CNetlistResult::Done);
    const std::string page = env.ReadFile(env / "top.nrp.html");
    EXPECT_EQ(page.substr(0, 16), "<!DOCTYPE html>\n");
    EXPECT_NE(page.find("var files = [\n\"\",\r\n\"sub.dcd\",\r\n\"top.dcd\"\r\n];"),
              std::string::npos);
    EXPECT_NE(page.find("<h2>DRC Open pin</h2>"), std::string::npos);
    EXPECT_EQ(page.substr(page.size() - 8), "</html>\n");
}

TEST(NetlistJob, CombinedPartsCarryTheirSheetAndSize)
{
    CAppTestEnv env;
    TwoSheets d(env);
    d.sub.NewPin(CPoint(10, 10), CPoint(20, 10), CPin::Input);
    CSheetSetContext context(JobNetSheets(d.job.documents));
    CSheet parts;
    ASSERT_EQ(CombineSheets(d.job.documents, context, parts), 0);
    ASSERT_EQ(parts.Parts().GetCount(), 2); // S1 stands for sub.dcd
    std::vector<std::string> tags;
    for (const CText& text : parts.GetLastPart()->Texts())
        tags.push_back(text.GetName().str());
    EXPECT_EQ(tags,
              (std::vector<std::string>{"{VIREO:DOCNAME}" + (env / "sub.dcd").string() + " [2]",
                                        "{VIREO:SIZE}01000,00800"}));
    ASSERT_EQ(parts.Pins().GetCount(), 1);
    EXPECT_EQ(parts.GetHeadPin()->GetNetName().str(), (env / "sub.dcd").string() + " [2]");
}

TEST(NetlistJob, ParticipantsAreTheProjectsCheckedSheets)
{
    CAppTestEnv env;
    for (const char* name : {"a.dcd", "b.dcd"})
        std::filesystem::copy_file(VIREO_TEST_DATA "/v8.dcd", env / name);
    env.WriteFile(env / "p.dpj",
                  "Project File Ver 0.03\n1:b.dcd\n0:a.dcd\n1:gone.dcd\n1:a.dcd\nEndFileList\n");
    CVIREOApp app;
    app.OpenDocumentFile(env / "a.dcd");
    app.SetProjectPath((env / "p.dpj").string());
    std::vector<std::string> opened;
    const std::vector<CJobDocument> docs = CollectParticipants(app, opened);
    ASSERT_EQ(docs.size(), 2u); // gone.dcd is reported and skipped
    EXPECT_EQ(docs[0].path, env / "b.dcd");
    EXPECT_EQ(docs[1].path, env / "a.dcd");
    EXPECT_EQ(opened, std::vector<std::string>{(env / "b.dcd").string()});
    EXPECT_NE(env->messages.back().text.Find("gone.dcd"), -1);
    EXPECT_EQ(OutputBase(app.ProjectPath(), docs), env / "p");
    EXPECT_EQ(OutputBase("", docs), env / "b");
}

TEST(NetlistJob, OptionsAreCheckedBeforeAnyWork)
{
    struct Case {
        int format;
        bool compo;
        const char* ext;
        int start;
        bool ok;
    };
    for (const Case& c : {Case{17, true, "cmp", 1, true}, Case{17, true, ".C_1", 0, true},
                          Case{28, true, "pts", 32767, true}, Case{13, false, "", 1, true},
                          Case{17, true, "", 1, false}, Case{17, true, ".CSV", 1, false},
                          Case{5, true, "net", 1, false}, Case{18, true, "Html", 1, false},
                          Case{17, true, "a.b", 1, false}, Case{17, true, "a b", 1, false},
                          Case{13, true, "cmp", 1, false}, Case{13, false, "", -1, false},
                          Case{13, false, "", 32768, false}, Case{0, false, "", 1, false},
                          Case{30, false, "", 1, false}}) {
        CNetlistOptions o;
        o.format = c.format;
        o.componentFile = c.compo;
        o.componentExt = c.ext;
        o.startNo = c.start;
        EXPECT_EQ(o.Check().IsEmpty(), c.ok) << c.format << " " << c.ext << " " << c.start;
    }
}

TEST(NetlistJob, OptionsComeFromAndGoToTheSettings)
{
    CAppTestEnv env;
    CNetlistOptions o = CNetlistOptions::FromSettings();
    EXPECT_EQ(o.format, 0);
    EXPECT_TRUE(o.report);
    EXPECT_EQ(o.startNo, 1);
    o = Calay();
    o.pcb = "FOOTPRINT";
    o.netUpper = true;
    o.Store();
    const CNetlistOptions back = CNetlistOptions::FromSettings();
    EXPECT_EQ(back.format, 17);
    EXPECT_EQ(back.componentExt, "cmp");
    EXPECT_EQ(back.pcb, "FOOTPRINT");
    EXPECT_TRUE(back.netUpper && back.componentFile && !back.nodeUpper);
}

TEST(NetlistJob, ReportDatesAreJapanTime)
{
    EXPECT_EQ(ReportDate(0).str(), "1970/01/01  09:00:00");
    EXPECT_EQ(ReportDate(1704121445).str(), "2024/01/02  00:04:05");
}

} // namespace
