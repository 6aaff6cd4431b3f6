// PDF pages and documents: operator text checked by hand, the file structure,
// and real readers (qpdf, poppler) on the files we write.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "base/archive.h"
#include "base/memoryprofile.h"
#include "base/profile.h"
#include "base/textmetrics.h"
#include "export/drawcontext.h"
#include "export/exportsheet.h"
#include "export/pdf.h"
#include "export/pdfexport.h"
#include "export/pdfpage.h"
#include "export/tango.h"
#include "sheet/schematicfile.h"
#include "sheet/sheet.h"
#include "support/pdfstreams.h"
#include "support/toolrun.h"

namespace {

std::string Text(const std::vector<uint8_t>& b)
{
    return std::string(b.begin(), b.end());
}

std::vector<uint8_t> SmallPdf()
{
    CSheet sheet(CSheet::kDrawing);
    ExportTestSheet(sheet);
    CPdfSheet page;
    page.main = &sheet;
    page.sizeIndex = 2;
    page.width = 11000;
    page.height = 8000;
    CPdfOptions options;
    options.title = "\x83\x65\x83\x58\x83\x67"; // テスト
    options.created = 1700000000;
    return RenderSheetsToPdf({page, page}, options, CDrawContext());
}

} // namespace

TEST(PdfPage, NumbersColoursAndStrings)
{
    EXPECT_EQ(CPDFPage::Number(1000), "72 ");
    EXPECT_EQ(CPDFPage::Number(500), "36 ");
    EXPECT_EQ(CPDFPage::Number(10), ".72 ");
    EXPECT_EQ(CPDFPage::Number(-1000), "-72 ");
    EXPECT_EQ(CPDFPage::Number(0), "0 ");
    EXPECT_EQ(CPDFPage::ColorText(RGB(128, 255, 0)), "0.5000 1 0 ");
    EXPECT_EQ(CPDFPage::StringToken("a(b)\\c"), "(a\\(b\\)\\\\c)");
    EXPECT_EQ(CPDFPage::StringToken("\x83\x5C"), "<835C>"); // a trail byte like '\' stays in hex

    EXPECT_EQ(ParsePdfScale("0.5"), 0.5);
    for (const char* bad : {"abc", "nan", "inf", "1e400", "0", "-1", "200", "1.0x", ""})
        EXPECT_EQ(ParsePdfScale(bad), 1.0) << bad;
    CPDFPage page;
    page.SetScale(std::nan(""));
    EXPECT_EQ(page.GetScale(), 1.0);
}

TEST(PdfPage, OperatorsAndLazyPen)
{
    CPDFPage page;
    page.SetPenWidth(1000);
    page.WriteLine(CPoint(0, 0), CPoint(1000, 500));
    page.WriteLine(CPoint(0, 0), CPoint(10, 0)); // same pen: nothing more before it
    page.SetPenStyle(2);
    page.SetBrushColor(RGB(255, 0, 0));
    const CPoint tri[3] = {CPoint(0, 0), CPoint(1000, 0), CPoint(0, 1000)};
    page.WritePolygon(tri, 3, true);
    page.WriteText("A(", CPoint(1000, 1000), 100, 0x100, 3);
    EXPECT_EQ(page.GetStream(), "72 w\n[] 0 d\n0 0 0 RG\n0 0 m\n72 36 l\nS\n0 0 m\n.72 0 l\nS\n"
                                "[1 2] 0 d\n1 0 0 rg\n0 0 m\n72 0 l\n0 72 l\nh\nb*\n"
                                "BT\n0 1 -1 0 72 72 Tm\n/F3 7.2 Tf\n0 Tc 0 Tw (A\\() Tj\nET\n");
}

TEST(PdfPage, ArcsAreCutIntoQuarterPieces)
{
    const auto pieces = [](int64_t a, int64_t b) {
        CPDFPage page;
        page.WriteArc(CPoint(0, 0), 1000, a, b, false);
        const std::string s = page.GetStream();
        size_t n = 0;
        for (size_t p = s.find(" c\n"); p != std::string::npos; p = s.find(" c\n", p + 1))
            ++n;
        return std::make_pair(n, s);
    };
    // 350 to 10: one 20-degree piece starting at 350.
    const auto [n20, s20] = pieces(350, 10);
    EXPECT_EQ(n20, 1u);
    EXPECT_NE(s20.find("70.906 -12.503 m\n"), std::string::npos);
    EXPECT_EQ(pieces(0, 270).first, 3u);
    EXPECT_EQ(pieces(0, 0).first, 4u);
    // Hostile angles still give at most one turn.
    EXPECT_LE(pieces(INT64_MIN, INT64_MAX).first, 4u);
    EXPECT_LE(pieces(-2000000000, 2000000000).first, 4u);
    CPDFPage page;
    page.WriteArc(CPoint(0, 0), 10, 1e300, -1e300, false);
    page.WriteArc(CPoint(0, 0), 10, std::nan(""), 5.0, true);
    EXPECT_LT(page.GetStreamSize(), 2000u);
}

TEST(Pdf, ObjectNumbersFontsAndCrossReference)
{
    CPDF pdf;
    pdf.SetInfo("", "S", "", 0);
    pdf.NewPage(CPDFPage());
    std::string file = Text(pdf.WritePDF());
    // Page 1, page tree 2, content 3, information 4, catalog 5.
    EXPECT_EQ(file.rfind("%PDF-1.2 \n", 0), 0u);
    EXPECT_NE(file.find("1 0 obj\n<<\n/Type /Page\n/Parent 2 0 R\n"), std::string::npos);
    EXPECT_NE(file.find("/Contents 3 0 R"), std::string::npos);
    EXPECT_NE(file.find("4 0 obj\n<<\n/Subject <FEFF0053>\n/Creator (Tarnell)\n"),
              std::string::npos);
    EXPECT_EQ(file.find("/Title"), std::string::npos);
    EXPECT_NE(file.find("trailer\n<<\n/Size 6\n/Root 5 0 R\n/Info 4 0 R\n"), std::string::npos);
    // Every offset in the table points at its object.
    const size_t xref = file.find("xref\n0 6\n");
    ASSERT_NE(xref, std::string::npos);
    for (int n = 1; n <= 5; ++n) {
        const size_t offset = std::stoul(file.substr(xref + 9 + 20 * size_t(n), 10));
        EXPECT_EQ(file.compare(offset, std::to_string(n).size() + 6, std::to_string(n) + " 0 obj"),
                  0)
            << n;
    }
    EXPECT_NE(file.find("startxref\n" + std::to_string(xref) + "\n%%EOF\n"), std::string::npos);

    // One single-byte and one Japanese font in order of first use: 4-5, 6-8.
    LOGFONT ascii, jis;
    ascii.lfWeight = jis.lfWeight = 400;
    ascii.SetFaceName("Arial");
    jis.lfCharSet = SHIFTJIS_CHARSET;
    jis.SetFaceName(DefaultJapaneseFace());
    CPDF two;
    two.NewPage(CPDFPage());
    EXPECT_EQ(two.GetFontNo(ascii), 0);
    EXPECT_EQ(two.GetFontNo(jis), 1);
    LOGFONT again = ascii;
    again.lfHeight = -300; // size is no part of a font's identity
    EXPECT_EQ(two.GetFontNo(again), 0);
    file = Text(two.WritePDF());
    EXPECT_NE(file.find("4 0 obj\n<<\n/Type /Font\n/Subtype /TrueType\n"), std::string::npos);
    EXPECT_NE(file.find("/FontDescriptor 5 0 R"), std::string::npos);
    EXPECT_NE(
        file.find(
            "6 0 obj\n<<\n/Type /Font\n/Subtype /Type0\n/BaseFont /#82l#82r#83S#83V#83b#83N\n"),
        std::string::npos);
    // The default Japanese face is fixed-pitch: the CMap whose single-byte
    // characters are the half-em CIDs that /W gives.
    EXPECT_NE(file.find("/DescendantFonts [7 0 R]\n/Encoding /90ms-RKSJ-H\n"), std::string::npos);
    EXPECT_NE(file.find("/DW 1000\n/W [\n231 389 500\n]\n"), std::string::npos);
    EXPECT_NE(file.find("/WinCharSet 128/FontDescriptor 8 0 R\n"), std::string::npos);
    EXPECT_NE(file.find("/Size 11\n"), std::string::npos);

    // A Japanese font with no face still gets complete objects.
    LOGFONT faceless;
    faceless.lfCharSet = SHIFTJIS_CHARSET;
    CPDF three;
    three.GetFontNo(faceless);
    file = Text(three.WritePDF());
    EXPECT_NE(file.find("/FontDescriptor 3 0 R"), std::string::npos);
    EXPECT_EQ(CPDF::NameToken("", "Arial"), "/Arial");
    EXPECT_EQ(CPDF::NameToken("A (B)#", "x"), "/A#28B#29#23");
}

TEST(Pdf, InformationStringsAreUtf16OfTheCp932Text)
{
    EXPECT_EQ(CPDF::ConvShiftStr(""), "");
    EXPECT_EQ(CPDF::ConvShiftStr("A\x82\xA0"), "<FEFF00413042>"); // A あ
    EXPECT_EQ(CPDF::ConvShiftStr("\xB1\x41"), "<FEFFFF710041>");  // half-width ｱ then A
    EXPECT_EQ(CPDF::ConvShiftStr("A\x82"), "<FEFF0041FFFD>");     // lone lead byte at the end
    EXPECT_EQ(CPDF::ConvShiftStr("\x82\x20"), "<FEFFFFFD0020>");  // invalid trail
}

TEST(Pdf, SheetsDrawnAsOnPaper)
{
    const std::string file = Text(SmallPdf());
    const std::vector<std::string> streams = ContentStreams(file);
    ASSERT_EQ(streams.size(), 2u);
    EXPECT_EQ(streams[0], streams[1]);
    const std::string& s = streams[0];
    // Placement: 15 mm margins, the sheet's top edge (y 8000) 15 mm below the page top:
    // 595 - 8000 * 0.072 - 42.52.
    EXPECT_EQ(s.rfind("1 0 0 1 42.52 -23.52 cm\n0 0 0 RG\n1 J\n1 j\n", 0), 0u);
    EXPECT_NE(s.find("(NET\\(1\\)) Tj"), std::string::npos);
    EXPECT_NE(s.find("(Hello \\\\\\(world\\)) Tj"), std::string::npos);
    EXPECT_NE(s.find("[<93FA967B8CEA> -500 <B1B2>] TJ"), std::string::npos);
    EXPECT_NE(file.find("/MediaBox [0 0 842 595 ]\n/Contents"), std::string::npos);
}

TEST(Pdf, RealReadersAcceptOurFiles)
{
    if (!HaveTool("/usr/bin/qpdf") || !HaveTool("/usr/bin/pdftotext") ||
        !HaveTool("/usr/bin/pdffonts"))
        GTEST_SKIP() << "qpdf or poppler-utils missing (scripts/install-deps.sh installs them)";
    CTempDir dir;
    const std::string path = (dir / "small.pdf").string();
    WriteBytes(path, SmallPdf());

    const CToolResult check = RunTool("/usr/bin/qpdf --check '" + path + "'");
    EXPECT_EQ(check.status, 0) << check.out << check.err;
    EXPECT_EQ(check.err, "");
    EXPECT_NE(check.out.find("No syntax or stream encoding errors"), std::string::npos)
        << check.out;

    const CToolResult text = RunTool("/usr/bin/pdftotext -enc UTF-8 '" + path + "' -");
    EXPECT_EQ(text.status, 0);
    EXPECT_EQ(text.err, "");
    for (const char* expected :
         {"NET(1)", "Hello \\(world)", "U1", "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E"})
        EXPECT_NE(text.out.find(expected), std::string::npos) << expected << " in\n" << text.out;

    const CToolResult fonts = RunTool("/usr/bin/pdffonts '" + path + "'");
    EXPECT_EQ(fonts.status, 0);
    EXPECT_NE(fonts.out.find("Arial"), std::string::npos) << fonts.out;
    EXPECT_NE(fonts.out.find("CID TrueType"), std::string::npos) << fonts.out;

    const CToolResult info = RunTool("/usr/bin/pdfinfo '" + path + "'");
    EXPECT_NE(info.out.find("\xE3\x83\x86\xE3\x82\xB9\xE3\x83\x88"), std::string::npos)
        << info.out; // テスト
    EXPECT_NE(info.out.find("Pages:           2"), std::string::npos) << info.out;
}

TEST(Pdf, ExampleSheetRendersAndChecks)
{
    if (!HaveTool("/usr/bin/qpdf"))
        GTEST_SKIP() << "qpdf missing (scripts/install-deps.sh installs it)";
    CArchive ar = CArchive::FromFile(VIREO_EXAMPLES "/sample.dcd");
    CDocumentHeader header;
    CSheet main(CSheet::kDrawing), title(CSheet::kTitle);
    ASSERT_EQ(CSchematicFile::Read(ar, header, main, &title), CSchematicFile::ReadStatus::Ok);
    if (title.GetItemCount() == 0) {
        // The shipped title block of the sheet's size, as a document loads it.
        CArchive block = CArchive::FromFile(std::string(VIREO_DATA_DIR "/") +
                                            CSchematicFile::TitleFileName(header.sizeCode).c_str());
        CTangoSheet size;
        ReadTango(block.Bytes(), title, size);
        ASSERT_GT(title.GetItemCount(), 0u);
    }
    CPdfSheet page{&main, &title, header.sizeCode, header.width, header.height};
    CPdfOptions options;
    options.created = 1700000000;
    CTempDir dir;
    const std::string path = (dir / "sample.pdf").string();
    WriteBytes(path, RenderSheetsToPdf({page}, options, CDrawContext()));
    const CToolResult check = RunTool("/usr/bin/qpdf --check '" + path + "'");
    EXPECT_EQ(check.status, 0) << check.out << check.err;
    if (const char* keep = std::getenv("VIREO_KEEP_PDF"))
        std::filesystem::copy_file(path, keep, std::filesystem::copy_options::overwrite_existing);
}

namespace {

// One page of a sheet holding what the test puts in; the decoded content
// stream and the whole file.
struct OnePage {
    std::string file, stream;
    explicit OnePage(const CSheet& sheet)
    {
        CPdfSheet page{&sheet, nullptr, 2, 11000, 8000};
        CPdfOptions options;
        options.created = 1700000000;
        options.left = options.up = 0;
        const std::vector<uint8_t> bytes = RenderSheetsToPdf({page}, options, CDrawContext());
        file.assign(bytes.begin(), bytes.end());
        stream = ContentStreams(file).at(0);
    }
    bool Has(const std::string& s) const { return stream.find(s) != std::string::npos; }
};

LOGFONT Face(const char* face, int weight = 400, bool italic = false, int pitch = 0)
{
    LOGFONT f;
    f.lfWeight = weight;
    f.lfItalic = italic ? 1 : 0;
    f.lfPitchAndFamily = uint8_t(pitch);
    f.SetFaceName(face);
    return f;
}

} // namespace

TEST(Pdf, JapaneseTextsAreSetInTheJapaneseFaceWithTheWidthsThePdfUses)
{
    // "Mixed ASCII 123 テスト", right-anchored at x 5000: 16 single-byte
    // characters at half an em and 3 at one em, size 100: 1100 units.
    const CString mixed("Mixed ASCII 123 \x83\x65\x83\x58\x83\x67");
    EXPECT_EQ(TextMetrics().TextWidth(mixed, 100, nullptr), 1100);
    CSheet sheet(CSheet::kDrawing);
    sheet.NewText(mixed.c_str(), CPoint(5000, 1000), 100, 10);
    // A text with its own single-byte face but Japanese characters.
    CText* own = sheet.NewText("\x93\xFA\x96\x7B", CPoint(1000, 3000), 100, 8 | 0x2000);
    own->SetFont(Face("Arial", 700));
    const OnePage page(sheet);
    // (5000 - 1100) * 0.072 = 280.8: the text ends on its anchor.  Its
    // blanks are gaps of half an em, not glyphs.
    EXPECT_TRUE(page.Has("280.8 73.512 TD")) << page.stream;
    EXPECT_TRUE(
        page.Has("0 Tc 0 Tw [<4D69786564> -500 <4153434949> -500 <313233> -500 <836583588367>] TJ"))
        << page.stream;
    EXPECT_EQ(CPDFPage::ShowText("  \x93\xFA  ", 278), "[-556 <93FA> -556] TJ");
    // Both texts use one Japanese font (bold kept apart): no WinAnsi font.
    EXPECT_EQ(page.file.find("/WinAnsiEncoding"), std::string::npos);
    EXPECT_NE(page.file.find("/Encoding /90ms-RKSJ-H"), std::string::npos);

    // A proportional face takes the proportional CMap, with widths for its ASCII.
    CPDF pdf;
    LOGFONT p =
        Face("\x82\x6C\x82\x72 \x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E"); // ＭＳ Ｐゴシック
    p.lfCharSet = SHIFTJIS_CHARSET;
    pdf.GetFontNo(p);
    const std::vector<uint8_t> bytes = pdf.WritePDF();
    const std::string file(bytes.begin(), bytes.end());
    EXPECT_NE(file.find("/Encoding /90msp-RKSJ-H"), std::string::npos);
    EXPECT_NE(file.find("/W [\n1 [278 278 355 "), std::string::npos);
    EXPECT_FALSE(CTextMetrics::IsProportionalFace(Face("IPAGothic")));
    EXPECT_TRUE(CTextMetrics::IsProportionalFace(Face("IPAPGothic")));
    EXPECT_TRUE(CTextMetrics::IsProportionalFace(
        Face("\x82\x6C\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4E", 400, false, 2)));
}

TEST(Pdf, OwnFontsKeepTheirStyleArrowsAreFilledAndOpenPinsCrossed)
{
    CScopedProfile profile{std::make_unique<MemoryProfile>()};
    Profile().WriteInt("Default", "Pin OpenX", 1);
    CSheet sheet(CSheet::kDrawing);
    sheet.NewText("Bold", CPoint(1000, 1000), 100, 8 | 0x2000)->SetFont(Face("Arial", 700));
    sheet.NewText("Slanted", CPoint(1000, 2000), 100, 8 | 0x2000)
        ->SetFont(Face("Arial", 400, true));
    sheet.NewText("Plain", CPoint(1000, 3000), 100, 8);
    // A dashed line with an end arrow at (3000, 5000).
    CLine* line = sheet.NewLine(CPoint(1000, 5000), CPoint(3000, 5000));
    line->SetType(line->GetType() | (2u << 9));
    line->SetArrow(0, 100);
    // A part whose pin touches nothing: its tip at (5900, 4300).
    CPart part(CPoint(5000, 4000), CPoint(5000, 4000), CPoint(5600, 4600), 1, 1, 0, 0);
    part.NewPin(CPoint(5600, 4300), CPoint(5900, 4300), 0)->SetNo("1");
    part.CalcBoundRect(1);
    sheet.NewPart(part);
    const OnePage page(sheet);
    EXPECT_NE(page.file.find("/BaseFont /Arial,Bold\n"), std::string::npos);
    EXPECT_NE(page.file.find("/BaseFont /Arial,Italic\n"), std::string::npos);
    EXPECT_NE(page.file.find("/BaseFont /Arial\n"), std::string::npos);
    // The head: notch 70 into the line (2930 -> 210.96), wing, tip, wing, filled.
    const size_t notch = page.stream.find("210.96 360 m\n");
    ASSERT_NE(notch, std::string::npos) << page.stream;
    const size_t fill = page.stream.find("h\nb*\n", notch);
    ASSERT_NE(fill, std::string::npos);
    EXPECT_NE(page.stream.substr(notch, fill - notch).find("216 360 l\n"),
              std::string::npos);                                                         // the tip
    EXPECT_GT(page.stream.rfind("[] 0 d", notch), page.stream.rfind("[3 4] 0 d", notch)); // solid
    // The cross through the open tip: (5875, 4275) - (5925, 4325).
    EXPECT_TRUE(page.Has("423 307.8 m\n426.6 311.4 l\n")) << page.stream;
}
