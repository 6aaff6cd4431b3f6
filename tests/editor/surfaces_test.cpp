// One picture on every surface: the same sheets drawn on the screen surface
// and as PDF pages (rasterised by pdftoppm) put their ink in the same places.
// Skipped, visibly, where pdftoppm is not installed.
#include <gtest/gtest.h>

#include "base/archive.h"
#include "base/memoryprofile.h"
#include "base/profile.h"
#include "editor/surfacerender.h"
#include "items/part.h"
#include "items/pin.h"
#include "sheet/schematicfile.h"

using namespace surfaces;

namespace {

// A symbol of four pins - a clock pin on the left, a dot pin on the right,
// a vertical one at the top and at the bottom - with names inside the body
// (one with an overbar), numbers beside the strokes, a reference and a value.
CPart Symbol(const CPoint& at)
{
    const int x = at.x, y = at.y;
    CPart part(at, at, CPoint(x + 600, y + 400), 1, 1, 0, 0);
    part.SetRefName("U12", CPoint(x, y + 440), 8);
    part.SetValue("74HC74", CPoint(x + 600, y - 40), 2);
    part.NewLine(CPoint(x, y), CPoint(x + 600, y), CLine::kPlain);
    part.NewLine(CPoint(x + 600, y), CPoint(x + 600, y + 400), CLine::kPlain);
    part.NewLine(CPoint(x + 600, y + 400), CPoint(x, y + 400), CLine::kPlain);
    part.NewLine(CPoint(x, y + 400), CPoint(x, y), CLine::kPlain);
    struct PinSpec {
        CPoint body, tip;
        uint32_t elect;
        const char* name;
        CPoint nameAt;
        uint32_t nameAttr;
        const char* no;
        CPoint noAt;
        uint32_t noAttr;
    };
    const PinSpec pins[] = {
        {{x, y + 200},
         {x - 200, y + 200},
         CPin::kClock,
         "CLK",
         {x + 50, y + 200},
         24,
         "1",
         {x - 30, y + 220},
         10},
        {{x + 600, y + 200},
         {x + 800, y + 200},
         CPin::kDot,
         "~Q~",
         {x + 550, y + 200},
         26,
         "2",
         {x + 630, y + 220},
         8},
        {{x + 300, y + 400},
         {x + 300, y + 600},
         0,
         "~RST~",
         {x + 300, y + 350},
         0x100 | 26,
         "3",
         {x + 280, y + 430},
         0x100 | 8},
        {{x + 300, y},
         {x + 300, y - 200},
         0,
         "EN",
         {x + 300, y + 50},
         0x100 | 24,
         "4",
         {x + 280, y - 30},
         0x100 | 10},
    };
    for (const PinSpec& p : pins) {
        CPin* pin = part.NewPin(p.body, p.tip, p.elect);
        pin->SetName(p.name, p.nameAt, p.nameAttr);
        pin->SetNo(p.no, p.noAt, p.noAttr);
    }
    part.CalcBoundRect(1);
    return part;
}

// Parts turned and mirrored, texts in every direction with overbars, frames
// and Japanese, arcs, dashes and arrows: what every surface must agree on.
void SurfaceSheet(CSheet& sheet)
{
    for (int i = 0; i < 8; ++i) {
        const CPoint at(1000 + (i % 4) * 2400, i < 4 ? 5800 : 3600);
        CPart part = Symbol(at);
        const CPoint centre(at.x + 300, at.y + 200);
        for (int turn = 0; turn < i % 4; ++turn)
            part.Rotate(centre, 1);
        if (i >= 4)
            part.MirrorX(centre);
        part.CalcBoundRect(1);
        sheet.NewPart(part);
    }
    const uint32_t dirs[4] = {0, 0x100, 0x200, 0x300};
    for (int i = 0; i < 4; ++i)
        sheet.NewText("Turned ~text~ 42", CPoint(1500 + i * 1400, 2000), 120,
                      dirs[i] | (i % 2 ? 30 : 8));
    // "回路図 Mixed ASCII 123 テスト", right-anchored.
    sheet.NewText("\x89\xF1\x98\x48\x90\x7D Mixed ASCII 123 \x83\x65\x83\x58\x83\x67",
                  CPoint(10500, 2400), 150, 10);
    // "電源 Power supply 5V", centred, and "部品 Part 12", turned.
    sheet.NewText("\x93\x64\x8C\xB9 Power supply 5V", CPoint(8800, 3000), 150, 30);
    sheet.NewText("\x95\x94\x95\x69 Part 12", CPoint(10700, 200), 150, 0x100 | 8);
    // Japanese in a text with its own single-byte face.
    CText* own = sheet.NewText("\x93\xFA\x96\x7B\x8C\xEA\x82\xCC\x83\x65\x83\x4C\x83\x58\x83\x67",
                               CPoint(6500, 1800), 150, 8 | 0x2000);
    LOGFONT arial;
    arial.lfWeight = 400;
    arial.SetFaceName("Arial");
    own->SetFont(arial);
    sheet.NewText("Framed", CPoint(6500, 1200), 120, 8 | (1u << CText::kFrameShift));
    sheet.NewText("Underlined", CPoint(8500, 1200), 120, 8 | (12u << CText::kFrameShift));
    sheet.NewArc(CPoint(1000, 700), 400, 0, 270, 0, 8);
    sheet.NewArc(CPoint(2200, 700), 300, 45, 45, 0, 8);
    sheet.NewArc(CPoint(3400, 700), 400, 30, 150, 0x8000, 8);
    for (int style = 1; style <= 4; ++style) {
        CLine* dashed =
            sheet.NewLine(CPoint(4200, 300 + style * 200), CPoint(6000, 300 + style * 200));
        dashed->SetType(dashed->GetType() | (uint32_t(style) << 9));
        dashed->SetArrow(style % 2 ? 100 : 0, 100);
    }
    sheet.NewWire(CPoint(7000, 700), CPoint(9000, 700));
    sheet.NewBus(CPoint(7000, 300), CPoint(9000, 300));
    sheet.NewJunc(CPoint(8000, 700));
}

std::optional<QImage> PdfOrSkip(const CSheet& sheet, const CSheetSize& size)
{
    return Pdf(sheet, size);
}

} // namespace

TEST(Surfaces, TextsLandWhereTheirLayoutPutsThemOnScreenAndInPdf)
{
    // Four directions by nine anchors, each text alone in a cell of 1300 units.
    CSheet sheet(CSheet::kDrawing);
    const uint32_t dirs[4] = {0, 0x100, 0x200, 0x300};
    const uint32_t anchors[9] = {0, 6, 2, 24, 30, 26, 8, 14, 10};
    std::vector<const CText*> texts;
    for (int i = 0; i < 36; ++i) {
        const CPoint at(650 + (i % 6) * 1300, 650 + (i / 6) * 1300);
        texts.push_back(sheet.NewText("Hxg~Hx~", at, 150, dirs[i / 9] | anchors[i % 9]));
    }
    const CSheetSize size;
    const std::optional<QImage> pdf = PdfOrSkip(sheet, size);
    if (!pdf)
        GTEST_SKIP() << "pdftoppm missing (scripts/install-deps.sh installs poppler-utils)";
    const QImage screen = Screen(sheet, size);
    for (int i = 0; i < 36; ++i) {
        SCOPED_TRACE("direction " + std::to_string(dirs[i / 9] >> 8) + " anchor " +
                     std::to_string(anchors[i % 9]));
        const CPoint at(650 + (i % 6) * 1300, 650 + (i / 6) * 1300);
        const QRect cell = Pixels(CRect(at.x - 640, at.y - 640, at.x + 640, at.y + 640), size);
        const QRect onScreen = InkBox(screen, cell), inPdf = InkBox(*pdf, cell);
        ASSERT_FALSE(onScreen.isEmpty());
        ASSERT_FALSE(inPdf.isEmpty());
        // The same place on both surfaces, within a few pixels.
        EXPECT_NEAR(onScreen.left(), inPdf.left(), 3);
        EXPECT_NEAR(onScreen.right(), inPdf.right(), 3);
        EXPECT_NEAR(onScreen.top(), inPdf.top(), 3);
        EXPECT_NEAR(onScreen.bottom(), inPdf.bottom(), 3);
        // And inside the text's own rectangle (the overbar reaches its top).
        const QRect layout =
            Pixels(texts[size_t(i)]->GetBoundingRect(), size).adjusted(-2, -2, 2, 2);
        EXPECT_TRUE(layout.contains(onScreen)) << "layout " << layout.x() << "," << layout.y()
                                               << " " << layout.width() << "x" << layout.height();
        EXPECT_TRUE(layout.contains(inPdf));
    }
}

TEST(Surfaces, EverySheetLooksTheSameOnScreenAndInPdf)
{
    // Pins that touch nothing are marked with a cross.
    CScopedProfile profile{std::make_unique<MemoryProfile>()};
    Profile().WriteInt("Default", "Pin OpenX", 1);
    struct Case {
        std::string name;
        CSheet sheet{CSheet::kDrawing};
        CSheetSize size;
    };
    std::vector<Case> cases(2);
    cases[0].name = "symbols, texts, arcs and dashes";
    SurfaceSheet(cases[0].sheet);
    // The sample drawing of the test data (an A3 sheet).
    cases[1].name = "v8.dcd";
    {
        CArchive ar = CArchive::FromFile(VIREO_TEST_DATA "/v8.dcd");
        CDocumentHeader header;
        ASSERT_EQ(CSchematicFile::Read(ar, header, cases[1].sheet, nullptr),
                  CSchematicFile::ReadStatus::Ok);
        cases[1].size = CSheetSize{header.width, header.height, header.sizeCode};
    }
    for (Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<QImage> pdf = PdfOrSkip(c.sheet, c.size);
        if (!pdf)
            GTEST_SKIP() << "pdftoppm missing (scripts/install-deps.sh installs poppler-utils)";
        const QImage screen = Screen(c.sheet, c.size);
        if (const char* keep = std::getenv("VIREO_KEEP_SURFACES")) {
            screen.save(QString::fromStdString(std::string(keep) + "/" + c.name.substr(0, 6) +
                                               "-screen.png"));
            pdf->save(
                QString::fromStdString(std::string(keep) + "/" + c.name.substr(0, 6) + "-pdf.png"));
        }
        // Cells of 50 units; glyph edges and dash patterns leave a few per cent.
        // The SVG picture, where a reader is installed, against the same page
        // (on the A4 sheet: the A3 one is rasterised a pixel apart by the two
        // readers, which this coarse count does not forgive on its long lines).
        if (const std::optional<QImage> svg =
                &c == &cases[0] ? Svg(c.sheet, c.size) : std::nullopt) {
            if (const char* keep = std::getenv("VIREO_KEEP_SURFACES"))
                svg->save(QString::fromStdString(std::string(keep) + "/" + c.name.substr(0, 6) +
                                                 "-svg.png"));
            const CInkGridDiff s = CompareInkGrid(*svg, *pdf, 10);
            EXPECT_LE(s.differingCells, s.inkedCells / 20)
                << "SVG: " << s.differingCells << " of " << s.inkedCells
                << " cells differ:" << s.where;
        } else if (&c == &cases[0]) {
            std::printf(
                "SKIP: rsvg-convert missing (librsvg2-bin): the SVG picture is not compared\n");
        }
        const CInkGridDiff d = CompareInkGrid(screen, *pdf, 10);
        ASSERT_GT(d.inkedCells, 200);
        EXPECT_LE(d.differingCells, d.inkedCells / 20)
            << d.differingCells << " of " << d.inkedCells << " cells differ:" << d.where;
    }
}
