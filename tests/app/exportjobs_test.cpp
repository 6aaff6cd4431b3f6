// The export jobs: the PDF of sheets and projects, Save Other Format's Tango
// and DXF files, and the documents the jobs open.
#include <gtest/gtest.h>

#include "app/exportjobs.h"
#include "app/jobdocuments.h"
#include "app/pdfjob.h"
#include "app/projectfile.h"
#include "app/vireodoc.h"
#include "apptestenv.h"
#include "base/archive.h"
#include "base/profile.h"
#include "export/dxf.h"
#include "support/pdfstreams.h"
#include "support/samplefiles.h"

namespace {

constexpr size_t npos = std::string::npos;

// An A3 sheet file holding a wire and one text.
void WriteSheet(const std::filesystem::path& path, const char* text)
{
    CSheet sheet;
    sheet.NewWire(CPoint(1000, 1000), CPoint(3000, 1000));
    sheet.NewText(text, CPoint(1000, 2000), 100, 8);
    CDocumentHeader header = CSchematicFile::NewDocumentHeader();
    header.sizeCode = 1;
    header.width = 16535;
    header.height = 11693;
    CArchive ar;
    CSchematicFile::Write(ar, header, sheet, nullptr);
    CAppTestEnv::WriteFile(path, std::string(ar.Bytes().begin(), ar.Bytes().end()));
}

// The A3 title block, a Tango file: its frame spans x 400..16135, y 400..11293.
const char kTitleBlock[] = ";Tango-Schematic 1.42J Series II\nSHEET 0 0 16535 11693 7\n"
                           "LINE 400 400 16135 400 0 0\nLINE 16135 11293 400 11293 0 0\n"
                           "TEXT 60 \"BLOCK\" 500 500 0 0 3\n";

// Three sheets and a project naming them in the order b, c (not taking part), a.
struct ProjectFixture {
    CAppTestEnv env;
    ProjectFixture()
    {
        CAppTestEnv::WriteFile(env.data() / "Title.A3", kTitleBlock);
        for (const char* name : {"a", "b", "c"})
            WriteSheet(env / (std::string(name) + ".dcd"), (std::string("SHEET-") + name).c_str());
        CAppTestEnv::WriteFile(env / "p.dpj",
                               "Project File Ver 0.03\n1:b.dcd\n0:c.dcd\n1:a.dcd\nEndFileList\n"
                               "Property List\n&PDFTITLE&Board\nEndPropertyList\n");
    }
    CPdfJobResult Run(CPdfJobOptions options, std::vector<std::filesystem::path> inputs = {})
    {
        options.page.created = 1700000000;
        return RunPdfJob(inputs.empty() ? std::vector<std::filesystem::path>{env / "p.dpj"}
                                        : inputs,
                         env / "out", options);
    }
};

} // namespace

TEST(PdfJob, ProjectSheetsArePagesInProjectOrderWithTheirTitleBlocks)
{
    ProjectFixture f;
    CPdfJobOptions options = CPdfJobOptions::FromSettings();
    options.subtitle = CString("Rev 2");
    const CPdfJobResult r = f.Run(options);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.output, f.env / "out.pdf");
    EXPECT_EQ(r.pages, 2);
    EXPECT_EQ(r.fonts, 1);
    const std::string pdf = CAppTestEnv::ReadFile(r.output);
    const std::vector<std::string> pages = ContentStreams(pdf);
    ASSERT_EQ(pages.size(), 2u);
    const char* order[] = {"(SHEET-b) Tj", "(SHEET-a) Tj"};
    for (size_t i = 0; i < 2; ++i) {
        // The title block's frame (x from 400, top at 11293, both taken out by
        // the pen's 8 units) sits at the 15 mm margins: 42.52 - 392 * 0.072,
        // 842 - 11301 * 0.072 - 42.52.  It is drawn under the drawing.
        EXPECT_EQ(pages[i].rfind("1 0 0 1 14.296 -14.192 cm\n", 0), 0u) << pages[i];
        EXPECT_LT(pages[i].find("(BLOCK) Tj"), pages[i].find(order[i])) << pages[i];
    }
    // The title comes from the project; the given subtitle is remembered there.
    EXPECT_NE(pdf.find("/Title <FEFF0042006F006100720064>\n/Subject <FEFF00520065007600200032>"),
              npos);
    EXPECT_EQ(CProjectFile::ReadProperty(f.env / "p.dpj", "PDFSUBTITLE"), "Rev 2");
    EXPECT_EQ(CProjectFile::ReadProperty(f.env / "p.dpj", "PDFTITLE"), "Board");

    // All sheets, and no title block: the sheet itself is placed at the margins.
    options.allSheets = true;
    options.page.titleShown = options.page.titleInclude = false;
    const CPdfJobResult all = f.Run(options);
    ASSERT_TRUE(all.ok);
    const std::vector<std::string> three = ContentStreams(CAppTestEnv::ReadFile(all.output));
    ASSERT_EQ(three.size(), 3u);
    EXPECT_NE(three[1].find("(SHEET-c) Tj"), npos);
    EXPECT_EQ(three[1].find("(BLOCK)"), npos);
    EXPECT_EQ(three[1].rfind("1 0 0 1 42.52 ", 0), 0u) << three[1];
}

TEST(PdfJob, NothingIsWrittenUnlessEveryPageIs)
{
    ProjectFixture f;
    CAppTestEnv::WriteFile(f.env / "out.pdf", "old");
    CAppTestEnv::WriteFile(f.env / "junk.dpj", "not a project\n");
    CAppTestEnv::WriteFile(f.env / "none.dpj", "Project File Ver 0.03\n0:a.dcd\nEndFileList\n");
    CAppTestEnv::WriteFile(f.env / "hello.dcd", "hello\n");
    const CPdfJobOptions options = CPdfJobOptions::FromSettings();
    const struct {
        std::vector<std::filesystem::path> inputs;
        const char* told; // in the one message
    } cases[] = {
        {{f.env / "a.dcd", f.env / "missing.dcd"}, "missing.dcd"},
        {{f.env / "junk.dpj"}, "not a project"},
        {{f.env / "none.dpj"}, "no sheet"},
        {{f.env / "a.dcd", f.env / "hello.dcd"}, "neither"},
    };
    for (const auto& c : cases) {
        f.env->messages.clear();
        EXPECT_FALSE(f.Run(options, c.inputs).ok) << c.told;
        ASSERT_EQ(f.env->messages.size(), 1u) << c.told;
        EXPECT_NE(f.env->messages[0].text.Find(c.told), -1) << f.env->messages[0].text.str();
        EXPECT_EQ(CAppTestEnv::ReadFile(f.env / "out.pdf"), "old");
    }
    // Cancel after the first page.
    f.env->cancelAfterSteps = 1;
    EXPECT_FALSE(f.Run(options).ok);
    EXPECT_EQ(CAppTestEnv::ReadFile(f.env / "out.pdf"), "old");
    EXPECT_TRUE(f.env->progress.back().ended);
    // Nothing was remembered in the project either.
    EXPECT_EQ(CProjectFile::ReadProperty(f.env / "p.dpj", "PDFSUBTITLE"), "");
}

TEST(PdfJob, StoredScaleAndMarginsAreCheckedBeforeUse)
{
    CAppTestEnv env;
    Profile().WriteString("PDF", "Scale", "abc");
    Profile().WriteInt("PDF", "Up", -5);
    Profile().WriteInt("PDF", "Left", 2000);
    CPdfJobOptions o = CPdfJobOptions::FromSettings();
    EXPECT_EQ(o.page.scale, "1.0");
    EXPECT_EQ(o.page.up, 15);
    EXPECT_EQ(o.page.left, 15);
    EXPECT_EQ(env->messages.size(), 3u);

    env->messages.clear();
    Profile().WriteString("PDF", "Scale", " 0.5");
    Profile().WriteInt("PDF", "Up", 0);
    Profile().WriteInt("PDF", "Left", 1000);
    Profile().WriteInt("PDF", "AllFile", 1);
    Profile().WriteInt("Sheet", "TitleDisp", 0);
    o = CPdfJobOptions::FromSettings();
    EXPECT_EQ(o.page.scale, " 0.5");
    EXPECT_EQ(o.page.up, 0);
    EXPECT_EQ(o.page.left, 1000);
    EXPECT_TRUE(o.allSheets);
    EXPECT_FALSE(o.page.titleShown);
    EXPECT_TRUE(env->messages.empty());
}

TEST(SaveOtherFormat, TangoAndDxfFiles)
{
    ProjectFixture f;
    CVIREODoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(f.env / "a.dcd"));
    using F = CVIREODoc::OtherFormat;
    EXPECT_EQ(CVIREODoc::OtherFormatPath("x", F::Tango), "x");
    EXPECT_EQ(CVIREODoc::OtherFormatPath("x.sch", F::Dxf), "x.sch.dxf");
    EXPECT_EQ(CVIREODoc::OtherFormatPath("x.DXF", F::Dxf), "x.DXF");
    EXPECT_EQ(CVIREODoc::OtherFormatPath("x", F::Bitmap1), "x.bmp");

    // Tango and back: the items, the size and a title block of the size.
    ASSERT_TRUE(doc.SaveTango(f.env / "a.sch"));
    CVIREODoc back;
    ASSERT_TRUE(back.OnOpenDocument(f.env / "a.sch"));
    EXPECT_EQ(back.MainSheet().GetCount(kind::kWire), 1);
    EXPECT_EQ(back.MainSheet().GetCount(kind::kText), 1);
    EXPECT_EQ(back.Header().width, 16535);

    // DXF: the header file is missing, so nothing is created.
    f.env->messages.clear();
    EXPECT_FALSE(doc.SaveDxf(f.env / "a.dxf"));
    EXPECT_FALSE(std::filesystem::exists(f.env / "a.dxf"));
    ASSERT_EQ(f.env->messages.size(), 1u);
    EXPECT_EQ(f.env->messages[0].text.Find(DxfHeaderMissingMessage()), 0);
    // With one, the title block goes on its layer while Sheet/TitleDisp is on.
    CAppTestEnv::WriteFile(f.env.data() / "DXF_HDR.DAT", "[TITLE] 9\n[HEADER]\n");
    ASSERT_TRUE(doc.SaveDxf(f.env / "a.dxf"));
    EXPECT_NE(CAppTestEnv::ReadFile(f.env / "a.dxf").find("TEXT\n  8\n9\n"), npos);
    Profile().WriteInt("Sheet", "TitleDisp", 0);
    ASSERT_TRUE(doc.SaveDxf(f.env / "a.dxf"));
    EXPECT_EQ(CAppTestEnv::ReadFile(f.env / "a.dxf").find("  8\n9\n"), npos);
}

TEST(ExportJobs, RefuseBeforeTouchingAnything)
{
    ProjectFixture f;
    const std::string sheet = CAppTestEnv::ReadFile(f.env / "a.dcd");
    // A missing header file is told first, alone.
    EXPECT_FALSE(RunDxfJob(f.env / "missing.dcd", f.env / "x", f.env / "nothere.dat"));
    ASSERT_EQ(f.env->messages.size(), 1u);
    EXPECT_FALSE(std::filesystem::exists(f.env / "x.dxf"));
    // An output over an input, and a project where one sheet is asked for.
    f.env->messages.clear();
    EXPECT_FALSE(RunTangoJob(f.env / "a.dcd", f.env / "a.dcd"));
    EXPECT_FALSE(RunTangoJob(f.env / "p.dpj", f.env / "p.sch"));
    EXPECT_EQ(f.env->messages.size(), 2u);
    EXPECT_EQ(CAppTestEnv::ReadFile(f.env / "a.dcd"), sheet);
    EXPECT_FALSE(std::filesystem::exists(f.env / "p.sch"));
    EXPECT_TRUE(RunTangoJob(f.env / "a.dcd", f.env / "a.sch"));
    EXPECT_EQ(CAppTestEnv::ReadFile(f.env / "a.sch").rfind(";Tango-Schematic", 0), 0u);
}

TEST(JobDocuments, OpensEveryFormAndNamesTheProject)
{
    CAppTestEnv env;
    const CString title =
        CSchematicFile::TitleFileName(CSchematicFile::NewDocumentHeader().sizeCode);
    CAppTestEnv::WriteFile(env.data() / title.str(), kTitleBlock);
    CAppTestEnv::WriteFile(env / "s.txt", SampleTextForm());
    CAppTestEnv::WriteFile(env / "t.sch", ";Tango\nJUNC 10 10\n");
    CAppTestEnv::WriteFile(env / "empty.dcd", "");
    CAppTestEnv::WriteFile(env / "p.dpj", "Project File Ver 0.03\n1:t.sch\nEndFileList\n");
    CAppTestEnv::WriteFile(env / "q.dpj", "Project File Ver 0.03\n1:empty.dcd\nEndFileList\n");

    CJobDocuments docs;
    ASSERT_TRUE(docs.Open({env / "s.txt", env / "p.dpj", env / "empty.dcd"}, false));
    EXPECT_TRUE(env->messages.empty());
    ASSERT_EQ(docs.Documents().size(), 3u);
    const CVIREODoc& text = *docs.Documents()[0];
    EXPECT_EQ(text.MainSheet().GetCount(kind::kWire), SampleTextFormCounts().wires);
    EXPECT_EQ(text.TitleSheet().GetItemCount(), 3u);
    EXPECT_TRUE(text.NeedsSaveAs());
    EXPECT_EQ(docs.Documents()[1]->MainSheet().GetCount(kind::kJunc), 1);
    EXPECT_EQ(docs.Project(), env / "p.dpj");
    EXPECT_TRUE(docs.Holds(env / "p.dpj"));
    EXPECT_TRUE(docs.Holds(env / "t.sch"));
    EXPECT_FALSE(docs.Holds(env / "q.dpj"));

    // Two projects: neither is the project of the job.
    ASSERT_TRUE(docs.Open({env / "p.dpj", env / "q.dpj"}, false));
    EXPECT_EQ(docs.Project(), std::filesystem::path());
}

TEST(ExportJobs, EverySheetVersionGoesThroughEveryExport)
{
    // Version 1's header line reads "Ver 0.01", as the first text form's did:
    // the binary word after the line tells them apart.
    ProjectFixture f;
    CAppTestEnv::WriteFile(f.env.data() / "DXF_HDR.DAT", "[HEADER]\n");
    for (int version = 0; version <= 8; ++version) {
        SCOPED_TRACE(version);
        const std::vector<uint8_t> bytes = SampleSchematic(version);
        const std::filesystem::path in = f.env / ("v" + std::to_string(version) + ".dcd");
        CAppTestEnv::WriteFile(in, std::string(bytes.begin(), bytes.end()));
        f.env->messages.clear();
        EXPECT_TRUE(f.Run(CPdfJobOptions::FromSettings(), {in}).ok);
        EXPECT_TRUE(RunDxfJob(in, f.env / "v.dxf"));
        EXPECT_TRUE(RunTangoJob(in, f.env / "v.sch"));
        EXPECT_TRUE(f.env->messages.empty()) << f.env->messages[0].text.c_str();
        EXPECT_NE(CAppTestEnv::ReadFile(f.env / "v.sch").find("\"CLK\""), npos);
    }
    // The first text form itself is still refused.
    CAppTestEnv::WriteFile(f.env / "old.dcd", "VIREO DATA FILE Ver 0.01\nsomething\n");
    f.env->messages.clear();
    EXPECT_FALSE(RunTangoJob(f.env / "old.dcd", f.env / "old.sch"));
    EXPECT_FALSE(f.env->messages.empty());
}

TEST(SaveOtherFormat, TangoKeepsTheSheetSize)
{
    // Each size written as its code reads back as that size, portrait ones by
    // their long side.
    ProjectFixture f;
    const int sizes[6][2] = {{23386, 16535}, {16535, 11693}, {11693, 8268},
                             {16535, 23386}, {11693, 16535}, {8268, 11693}};
    for (int index = 0; index < 6; ++index) {
        SCOPED_TRACE(index);
        CSheet sheet;
        sheet.NewWire(CPoint(1000, 1000), CPoint(3000, 1000));
        CDocumentHeader header = CSchematicFile::NewDocumentHeader();
        header.sizeCode = index;
        header.width = sizes[index][0];
        header.height = sizes[index][1];
        CArchive ar;
        CSchematicFile::Write(ar, header, sheet, nullptr);
        CAppTestEnv::WriteFile(f.env / "s.dcd", std::string(ar.Bytes().begin(), ar.Bytes().end()));
        ASSERT_TRUE(RunTangoJob(f.env / "s.dcd", f.env / "s.sch"));
        CVIREODoc back;
        ASSERT_TRUE(back.OnOpenDocument(f.env / "s.sch"));
        EXPECT_EQ(back.Header().sizeCode, index);
        EXPECT_EQ(back.Header().width, sizes[index][0]);
        EXPECT_EQ(back.Header().height, sizes[index][1]);
    }
}
