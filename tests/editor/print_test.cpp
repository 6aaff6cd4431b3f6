// Printing: the page layouts of the three scaling modes without a printer,
// and real print jobs written as PDF through QPrinter, read back with the
// poppler tools (skipped visibly when they are missing).
#include <gtest/gtest.h>

#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <cmath>

#include "app/settings.h"
#include "app/vireodoc.h"
#include "editor/print/printlayout.h"
#include "editor/print/sheetprinter.h"
#include "editorenv.h"

namespace {

// A4 portrait, 600 dpi, 0.25 in margins: 7.77 x 11.19 in printable.
CPrinterPaper A4Printer(std::vector<PaperSize> papers)
{
    CPrinterPaper p;
    p.dpi = 600;
    p.printableWidth = 4662;
    p.printableHeight = 6714;
    p.paper = PaperSize::A4;
    p.available = std::move(papers);
    return p;
}

CPrinterPaper Turned(CPrinterPaper p, bool landscape)
{
    if (landscape != p.landscape)
        std::swap(p.printableWidth, p.printableHeight);
    p.landscape = landscape;
    return p;
}

struct Sheet {
    int sizeIndex, width, height;
};
constexpr Sheet kA2{0, 23386, 16535}, kA3{1, 16535, 11693}, kA4{2, 11693, 8268},
    kA4P{5, 8268, 11693};

} // namespace

TEST(PrintLayout, PaperOrientationAndPagesOfEachMode)
{
    using P = PaperSize;
    const std::vector<P> all{P::A2, P::A3, P::A4}, a3a4{P::A3, P::A4}, a4{P::A4};
    struct Case {
        int autoScale;
        bool dir;
        Sheet sheet;
        std::vector<P> papers;
        P paper;
        bool landscape;
        int pages, columns, rows;
    } cases[] = {
        // Fitted: one page; Dir turns the paper with the sheet.
        {0, false, kA2, a4, P::A4, false, 1, 1, 1},
        {0, true, kA2, a4, P::A4, true, 1, 1, 1},
        {0, true, kA4P, a4, P::A4, false, 1, 1, 1},
        // True scale on the sheet's own paper when there is one.
        {1, false, kA4, a4, P::A4, true, 1, 1, 1},
        {1, false, kA4P, a4, P::A4, false, 1, 1, 1},
        {1, false, kA3, a3a4, P::A3, true, 1, 1, 1},
        {1, false, kA2, all, P::A2, true, 1, 1, 1},
        // Tiled: A3 on two A4 side by side, A2 on two A3, A2 on four A4.
        {1, false, kA3, a4, P::A4, false, 2, 2, 1},
        {1, false, kA2, a3a4, P::A3, false, 2, 2, 1},
        {1, false, kA2, a4, P::A4, true, 4, 2, 2},
        // As many pages as needed on the paper in the printer.
        // (the margins keep even an A4 sheet off one A4 page at true scale).
        {2, false, kA4P, a4, P::A4, false, 4, 2, 2},
        {2, false, kA4, a4, P::A4, false, 2, 2, 1},
        {2, false, kA2, a4, P::A4, false, 8, 4, 2},
    };
    for (const Case& c : cases) {
        const CPrinterPaper printer = A4Printer(c.papers);
        CPrintLayout l = CPrintLayout::Prepare(c.autoScale, c.dir, c.sheet.sizeIndex, c.sheet.width,
                                               c.sheet.height, printer);
        EXPECT_EQ(l.paper, c.paper) << c.autoScale << " size " << c.sheet.sizeIndex;
        EXPECT_EQ(l.landscape, c.landscape) << c.autoScale << " size " << c.sheet.sizeIndex;
        l.Begin(c.autoScale, c.sheet.width, c.sheet.height, 0, 0, Turned(printer, l.landscape));
        EXPECT_EQ(l.pages, c.pages) << c.autoScale << " size " << c.sheet.sizeIndex;
        EXPECT_EQ(l.columns, c.columns) << c.autoScale << " size " << c.sheet.sizeIndex;
        EXPECT_EQ(l.rows, c.rows) << c.autoScale << " size " << c.sheet.sizeIndex;
    }
}

TEST(PrintLayout, PagesShowTheirPartOfTheSheetAndOffsetsShiftIt)
{
    // Four A4 tiles of an A2 sheet: page 1 top-left, 2 right, 3 below, 4 diagonal.
    CPrinterPaper printer = Turned(A4Printer({PaperSize::A4}), true);
    CPrintLayout l = CPrintLayout::Prepare(1, false, 0, kA2.width, kA2.height, printer);
    l.Begin(1, kA2.width, kA2.height, 0, 0, printer);
    const double scale = 0.6; // 600 dpi
    const int pw = 1000 * 6714 / 600 - 50, ph = 1000 * 4662 / 600 - 50;
    const CPoint corners[4] = {
        {0, kA2.height}, {pw, kA2.height}, {0, kA2.height - ph}, {pw, kA2.height - ph}};
    for (int n = 0; n < 4; ++n) {
        // Each page's top-left pixel shows the top-left corner of its part.
        const CPrintPage p = l.Page(n);
        EXPECT_NEAR(p.originX + corners[n].x * p.scale, 0, 1e-6) << n;
        EXPECT_NEAR(p.originY - corners[n].y * p.scale, 0, 1e-6) << n;
        EXPECT_DOUBLE_EQ(p.scale, scale);
    }
    // A portrait sheet tiles downwards first.
    CPrintLayout portrait = CPrintLayout::Prepare(1, false, 4, kA3.height, kA3.width, printer);
    portrait.Begin(1, kA3.height, kA3.width, 0, 0, Turned(printer, portrait.landscape));
    ASSERT_EQ(portrait.pages, 2);
    EXPECT_EQ(portrait.rows, 2);
    EXPECT_LT(portrait.Page(1).originY, portrait.Page(0).originY);
    EXPECT_EQ(portrait.Page(1).originX, portrait.Page(0).originX);

    // Offsets: +2 right and -1 up move the fitted drawing right and down.
    CPrintLayout fit = CPrintLayout::Prepare(0, true, 2, kA4.width, kA4.height, printer);
    fit.Begin(0, kA4.width, kA4.height, 2, -1, printer);
    const CPrintPage p = fit.Page(0);
    EXPECT_NEAR(p.originX, 78 * p.scale, 1e-9);
    EXPECT_NEAR(p.originY, 4662 + 39 * p.scale, 1e-9);
    EXPECT_EQ(OffsetStep({0, 0, 0xFE, 3}, 2), -2);
    EXPECT_EQ(OffsetStep({1, 2}, 4), 0); // a short entry gives no offset
}

namespace {

bool Have(const char* tool)
{
    if (!QStandardPaths::findExecutable(tool).isEmpty())
        return true;
    std::printf("SKIP: %s is not installed (scripts/install-deps.sh installs it)\n", tool);
    return false;
}

QString RunTool(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

struct PdfPage {
    double width = 0, height = 0;
};

std::vector<PdfPage> PdfPages(const QString& pdf)
{
    std::vector<PdfPage> pages;
    const QString info = RunTool("pdfinfo", {"-f", "1", "-l", "999", pdf});
    static const QRegularExpression size(R"(Page\s+\d+ size:\s+([\d.]+) x ([\d.]+))");
    for (auto it = size.globalMatch(info); it.hasNext();) {
        const auto m = it.next();
        pages.push_back({m.captured(1).toDouble(), m.captured(2).toDouble()});
    }
    return pages;
}

// The left and top of the first word on page 1 equal to word (PDF points from the top-left).
bool WordBox(const QString& pdf, const QString& word, double& x, double& y)
{
    const QString html = RunTool("pdftotext", {"-bbox", "-f", "1", "-l", "1", pdf, "-"});
    const QRegularExpression re("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\"[^>]*>" +
                                QRegularExpression::escape(word) + "</word>");
    const auto m = re.match(html);
    if (!m.hasMatch())
        return false;
    x = m.captured(1).toDouble(), y = m.captured(2).toDouble();
    return true;
}

} // namespace

TEST(PrintToPdf, EachModeGivesItsPagesWithTheDrawingWhereItBelongs)
{
    if (!Have("pdfinfo") || !Have("pdftotext"))
        GTEST_SKIP() << "poppler-utils missing";
    CEditorEnv env;
    // "Power supply" is a free text at (1000, 10300) on the A3 sheet (height 11693).
    ASSERT_TRUE(env.frame->OpenFile(env.DemoQ("power.dcd")));
    const double mm = 72 / 25.4;
    struct Case {
        int autoScale;
        bool dir;
        QPageSize::PageSizeId paper;
        size_t pages;
        double width, height; // points
    } cases[] = {
        {0, true, QPageSize::A4, 1, 297 * mm, 210 * mm},
        {1, false, QPageSize::A4, 1, 420 * mm, 297 * mm}, // the sheet's own A3
        {2, false, QPageSize::A4, 6, 210 * mm, 297 * mm}, // A3 true scale: 3 x 2 A4 pages
    };
    for (const Case& c : cases) {
        Profile().WriteInt("Printer", "AutoScale", c.autoScale);
        Profile().WriteInt("Printer", "Dir", c.dir);
        QPrinter printer(QPrinter::HighResolution);
        const QString pdf = QString::fromStdString(
            (env.Dir() / ("mode" + std::to_string(c.autoScale) + ".pdf")).string());
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageSize(QPageSize(c.paper));
        printer.setPageOrientation(QPageLayout::Portrait);
        ASSERT_TRUE(env.frame->PrintTo(printer, false));
        const std::vector<PdfPage> pages = PdfPages(pdf);
        ASSERT_EQ(pages.size(), c.pages) << "AutoScale " << c.autoScale;
        EXPECT_NEAR(pages[0].width, c.width, 1) << "AutoScale " << c.autoScale;
        EXPECT_NEAR(pages[0].height, c.height, 1) << "AutoScale " << c.autoScale;
        double x = 0, y = 0;
        ASSERT_TRUE(WordBox(pdf, "Power", x, y)) << "AutoScale " << c.autoScale;
        const QRectF paint = printer.pageLayout().paintRect(QPageLayout::Point);
        if (c.autoScale == 0) {
            // Fitted: the sheet's width spans the printable width.
            const double scale = paint.width() / 16535.0;
            EXPECT_NEAR(x, paint.left() + 1000 * scale, 2);
        } else {
            // True scale: one sheet unit is a thousandth of an inch.
            EXPECT_NEAR(x, paint.left() + 72.0, 2) << "AutoScale " << c.autoScale;
            EXPECT_NEAR(y, paint.top() + (11693 - 10300) * 0.072 - 160 * 0.072, 4)
                << "AutoScale " << c.autoScale;
        }
    }
    Profile().WriteInt("Printer", "AutoScale", 1);
}

TEST(PrintToPdf, ProjectPrintingPutsEveryCheckedSheetInOneJob)
{
    if (!Have("pdfinfo") || !Have("pdftotext"))
        GTEST_SKIP() << "poppler-utils missing";
    CEditorEnv env;
    ASSERT_TRUE(env.frame->OpenFile(env.DemoQ("demo.dpj")));
    Profile().WriteInt("Printer", "AutoScale", 0);
    Profile().WriteInt("Printer", "Grid", 1);
    QPrinter printer(QPrinter::HighResolution);
    const QString pdf = QString::fromStdString((env.Dir() / "設計 project.pdf").string());
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    ASSERT_TRUE(env.frame->PrintTo(printer, true));
    EXPECT_EQ(PdfPages(pdf).size(), 3u);
    const QString text = RunTool("pdftotext", {pdf, "-"});
    EXPECT_TRUE(text.contains("Power supply"));
    EXPECT_EQ(text.count(QChar('\f')), 3);
}

TEST(PrintToPdf, EverySheetSizeAtTrueScaleOnItsOwnPaperAndFittedTurned)
{
    if (!Have("pdfinfo") || !Have("pdftotext"))
        GTEST_SKIP() << "poppler-utils missing";
    CEditorEnv env;
    const double mm = 72 / 25.4;
    struct Case {
        int sizeIndex, autoScale;
        double width, height; // the first page, points
    } cases[] = {
        {0, 1, 594 * mm, 420 * mm},
        {1, 1, 420 * mm, 297 * mm},
        {2, 1, 297 * mm, 210 * mm},
        {3, 1, 420 * mm, 594 * mm},
        {4, 1, 297 * mm, 420 * mm},
        {5, 1, 210 * mm, 297 * mm},
        // Fitted with Dir: landscape paper for the landscape sizes, portrait for the others.
        {0, 0, 297 * mm, 210 * mm},
        {5, 0, 210 * mm, 297 * mm},
    };
    Profile().WriteInt("Printer", "Dir", 1);
    for (const Case& c : cases) {
        Profile().WriteInt("Printer", "AutoScale", c.autoScale);
        CVIREODoc* doc = env.frame->NewDocument(c.sizeIndex);
        ASSERT_TRUE(doc);
        const int h = doc->Header().height;
        // A mark an inch from the top-left corner of the sheet.
        doc->MainSheet().NewText("Mark", CPoint(1000, h - 1000), 100, CText::kDefaultAttr);
        QPrinter printer(QPrinter::HighResolution);
        const QString pdf =
            QString::fromStdString((env.Dir() / ("size" + std::to_string(c.sizeIndex) + "-" +
                                                 std::to_string(c.autoScale) + ".pdf"))
                                       .string());
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageSize(QPageSize(QPageSize::A4));
        ASSERT_TRUE(env.frame->PrintTo(printer, false));
        const std::vector<PdfPage> pages = PdfPages(pdf);
        ASSERT_EQ(pages.size(), 1u) << "size " << c.sizeIndex;
        EXPECT_NEAR(pages[0].width, c.width, 1) << "size " << c.sizeIndex;
        EXPECT_NEAR(pages[0].height, c.height, 1) << "size " << c.sizeIndex;
        double x = 0, y = 0;
        ASSERT_TRUE(WordBox(pdf, "Mark", x, y)) << "size " << c.sizeIndex;
        const QRectF paint = printer.pageLayout().paintRect(QPageLayout::Point);
        // Points per sheet unit: true scale, or the sheet fitted (at the bottom).
        const double scale = c.autoScale == 1 ? 0.072
                                              : std::min(paint.width() / doc->Header().width,
                                                         paint.height() / doc->Header().height);
        const double sheetTop = paint.top() + (c.autoScale == 1 ? 0 : paint.height() - h * scale);
        EXPECT_NEAR(x, paint.left() + 1000 * scale, 2) << "size " << c.sizeIndex;
        // The text's box lies within one text height of its point.
        EXPECT_NEAR(y, sheetTop + 1000 * scale, 100 * scale + 2) << "size " << c.sizeIndex;
        env.frame->CloseDocument(*doc);
    }
    Profile().WriteInt("Printer", "AutoScale", 1);
}
