#include "editor/print/printlayout.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kOffsetUnit = 39;  // one offset step, about a millimetre
constexpr int kTileOverlap = 50; // what a tile leaves of its printable area

bool Has(const CPrinterPaper& p, PaperSize s)
{
    if (p.available.empty())
        return s == PaperSize::A4;
    return std::find(p.available.begin(), p.available.end(), s) != p.available.end();
}

int CeilDiv(long long a, long long b)
{
    if (b <= 0 || a <= 0)
        return 1;
    return int(std::min<long long>((a + b - 1) / b, 999));
}

} // namespace

PaperSize PaperOfSize(int sizeIndex)
{
    switch (sizeIndex % 3) {
    case 0:
        return PaperSize::A2;
    case 1:
        return PaperSize::A3;
    default:
        return PaperSize::A4;
    }
}

int OffsetStep(const std::vector<unsigned char>& entry, int sizeIndex)
{
    if (sizeIndex < 0 || size_t(sizeIndex) >= entry.size())
        return 0;
    return int(static_cast<signed char>(entry[size_t(sizeIndex)]));
}

CPrintLayout CPrintLayout::Prepare(int autoScale, bool dir, int sizeIndex, int width, int height,
                                   const CPrinterPaper& printer)
{
    CPrintLayout l;
    l.paper = printer.paper;
    l.landscape = printer.landscape;
    const bool landscapeSheet = width >= height;
    if (autoScale == 0) {
        if (dir)
            l.landscape = sizeIndex >= 0 && sizeIndex <= 2;
        return l;
    }
    if (autoScale == 2) {
        l.pages = 999;
        l.tiled = true;
        return l;
    }
    // True scale on one sheet of paper, or the sheet tiled over smaller ones.
    const PaperSize own = PaperOfSize(sizeIndex);
    l.landscape = landscapeSheet;
    if (own == PaperSize::A4 || Has(printer, own)) {
        l.paper = own;
        return l;
    }
    l.tiled = true;
    if (own == PaperSize::A2 && Has(printer, PaperSize::A3)) {
        // Half of an A2 is an A3 turned the other way.
        l.paper = PaperSize::A3;
        l.landscape = !landscapeSheet;
        l.pages = 2;
    } else if (own == PaperSize::A3) {
        l.paper = PaperSize::A4;
        l.landscape = !landscapeSheet;
        l.pages = 2;
    } else {
        l.paper = PaperSize::A4;
        l.pages = 4;
    }
    return l;
}

void CPrintLayout::Begin(int mode, int width, int height, int rightOffset, int upOffset,
                         const CPrinterPaper& printer)
{
    autoScale = mode;
    sheetWidth = std::max(1, width);
    sheetHeight = std::max(1, height);
    dx = kOffsetUnit * rightOffset;
    dy = kOffsetUnit * upOffset;
    printableHeight = printer.printableHeight;
    const int dpi = std::max(1, printer.dpi);
    if (mode == 0) {
        scale = std::min(double(printer.printableWidth) / sheetWidth,
                         double(printer.printableHeight) / sheetHeight);
        pages = 1;
        columns = rows = 1;
        return;
    }
    scale = dpi / 1000.0;
    const long long printableW = 1000LL * printer.printableWidth / dpi;
    const long long printableH = 1000LL * printer.printableHeight / dpi;
    if (mode == 1) {
        pageWidth = int(std::max(1LL, printableW - kTileOverlap));
        pageHeight = int(std::max(1LL, printableH - kTileOverlap));
        columns = pages == 4 ? 2 : pages == 2 && sheetWidth >= sheetHeight ? 2 : 1;
        rows = pages == 4 ? 2 : pages == 2 && sheetWidth < sheetHeight ? 2 : 1;
        rowFirst = sheetWidth >= sheetHeight;
        if (!tiled)
            pages = 1, columns = rows = 1;
        return;
    }
    pageWidth = int(std::max(1LL, printableW));
    pageHeight = int(std::max(1LL, printableH));
    columns = CeilDiv(sheetWidth + dx, pageWidth);
    rows = CeilDiv(sheetHeight - dy, pageHeight);
    while (columns * rows > 999)
        --rows;
    pages = columns * rows;
    rowFirst = true;
}

CPrintPage CPrintLayout::Page(int n) const
{
    CPrintPage p;
    p.scale = scale;
    if (autoScale == 0) {
        p.originX = dx * scale;
        p.originY = printableHeight - dy * scale;
        return p;
    }
    int column = 0, row = 0;
    if (pages > 1) {
        if (rowFirst)
            column = n % columns, row = n / columns;
        else
            row = n % rows, column = n / rows;
    }
    // The tiles are cut from the sheet's top-left corner.
    p.originX = (dx - double(column) * pageWidth) * scale;
    p.originY = (double(sheetHeight) - dy - double(row) * pageHeight) * scale;
    return p;
}
