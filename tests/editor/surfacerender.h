// One sheet drawn on two surfaces at the same scale, for tests that compare
// them: the screen surface into a QImage, and the PDF page rasterised by
// pdftoppm.  Both show one pixel per 10 sheet units with the sheet's
// top-left corner at pixel (0, 0); the PDF page has no margins and is cut to
// the sheet's size.
#pragma once

#include <QImage>
#include <QPainter>
#include <optional>
#include <string>

#include "editor/view/qtdc.h"
#include "export/drawcontext.h"
#include "export/pdfexport.h"
#include "export/svgexport.h"
#include "sheet/sheet.h"
#include "support/toolrun.h"

namespace surfaces {

constexpr int kUnitsPerPixel = 5;
constexpr const char* kRasteriser = "/usr/bin/pdftoppm";

struct CSheetSize {
    int width = 11000, height = 8000;
    int sizeIndex = 2; // A4 landscape holds 11000 x 8000 units
};

inline QImage Screen(const CSheet& sheet, const CSheetSize& size)
{
    QImage image(size.width / kUnitsPerPixel, size.height / kUnitsPerPixel, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    {
        const CDeviceMapping map{1.0 / kUnitsPerPixel, 0, double(size.height) / kUnitsPerPixel};
        CQtDC dc(painter, map, QRectF(image.rect()));
        CDrawContext ctx;
        CSheet copy(CSheet::kDrawing);
        copy += sheet;
        copy.DrawSheet(dc, ctx, true);
    }
    painter.end();
    return image;
}

// Nothing when the rasteriser is missing or fails.
inline std::optional<QImage> Pdf(const CSheet& sheet, const CSheetSize& size)
{
    if (!HaveTool(kRasteriser))
        return std::nullopt;
    CPdfSheet page{&sheet, nullptr, size.sizeIndex, size.width, size.height};
    CPdfOptions options;
    options.left = options.up = 0;
    options.created = 1700000000;
    CTempDir dir;
    const std::filesystem::path pdf = dir.path() / "page.pdf";
    WriteBytes(pdf, RenderSheetsToPdf({page}, options, CDrawContext()));
    const std::string dpi = std::to_string(1000 / kUnitsPerPixel);
    const CToolResult r = RunTool(std::string(kRasteriser) + " -r " + dpi + " -png -singlefile '" +
                                  pdf.string() + "' '" + (dir.path() / "page").string() + "'");
    QImage image;
    if (r.status != 0 || !image.load(QString::fromStdString((dir.path() / "page.png").string())))
        return std::nullopt;
    return image.copy(0, 0, size.width / kUnitsPerPixel, size.height / kUnitsPerPixel)
        .convertToFormat(QImage::Format_RGB32);
}

// The SVG picture of the sheet, rasterised by rsvg-convert; nothing when it
// is missing or fails.
inline std::optional<QImage> Svg(const CSheet& sheet, const CSheetSize& size)
{
    constexpr const char* kSvgRasteriser = "/usr/bin/rsvg-convert";
    if (!HaveTool(kSvgRasteriser))
        return std::nullopt;
    CTempDir dir;
    const std::filesystem::path svg = dir.path() / "sheet.svg", png = dir.path() / "sheet.png";
    const std::string text =
        RenderSheetToSvg(sheet, nullptr, size.width, size.height, false, CDrawContext());
    WriteBytes(svg, std::vector<uint8_t>(text.begin(), text.end()));
    const CToolResult r = RunTool(std::string(kSvgRasteriser) + " -b white -w " +
                                  std::to_string(size.width / kUnitsPerPixel) + " -o '" +
                                  png.string() + "' '" + svg.string() + "'");
    QImage image;
    if (r.status != 0 || !image.load(QString::fromStdString(png.string())))
        return std::nullopt;
    return image.convertToFormat(QImage::Format_RGB32);
}

// Ink: any pixel with a dark channel (colours and black alike; the faint
// edges of smoothed strokes are not counted).
inline bool Inked(QRgb p)
{
    return std::min({qRed(p), qGreen(p), qBlue(p)}) < 160;
}

// The bounding box of the ink inside area (empty when there is none).
inline QRect InkBox(const QImage& image, const QRect& area)
{
    QRect box;
    const QRect a = area.intersected(image.rect());
    for (int y = a.top(); y <= a.bottom(); ++y)
        for (int x = a.left(); x <= a.right(); ++x)
            if (Inked(image.pixel(x, y)))
                box |= QRect(x, y, 1, 1);
    return box;
}

inline int InkCount(const QImage& image, const QRect& area)
{
    int n = 0;
    const QRect a = area.intersected(image.rect());
    for (int y = a.top(); y <= a.bottom(); ++y)
        for (int x = a.left(); x <= a.right(); ++x)
            n += Inked(image.pixel(x, y)) ? 1 : 0;
    return n;
}

// The pixels of a sheet rectangle.
inline QRect Pixels(const CRect& r, const CSheetSize& size)
{
    const CRect n = r.Normalized();
    return QRect(QPoint(n.left / kUnitsPerPixel, (size.height - n.bottom) / kUnitsPerPixel),
                 QPoint(n.right / kUnitsPerPixel, (size.height - n.top) / kUnitsPerPixel));
}

// The coarse comparison: the images cut into cells, each cell's ink counted
// on both; a cell differs when the counts are further apart than a few
// pixels plus a share of the larger one (smoothing and glyph shapes differ
// a little between the two renderers, whole strokes and texts do not).
struct CInkGridDiff {
    int inkedCells = 0;
    int differingCells = 0;
    std::string where; // the first differing cells, for the failure message
};

inline CInkGridDiff CompareInkGrid(const QImage& a, const QImage& b, int cell)
{
    CInkGridDiff d;
    for (int y = 0; y + cell <= std::min(a.height(), b.height()); y += cell)
        for (int x = 0; x + cell <= std::min(a.width(), b.width()); x += cell) {
            const QRect r(x, y, cell, cell);
            const int na = InkCount(a, r), nb = InkCount(b, r);
            if (na == 0 && nb == 0)
                continue;
            ++d.inkedCells;
            if (std::abs(na - nb) > 4 + std::max(na, nb) / 3) {
                ++d.differingCells;
                if (d.differingCells <= 8)
                    d.where += " (" + std::to_string(x) + "," + std::to_string(y) +
                               "): " + std::to_string(na) + " vs " + std::to_string(nb);
            }
        }
    return d;
}

} // namespace surfaces
