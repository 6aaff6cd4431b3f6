#include "editor/print/sheetprinter.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <cmath>

#include "app/settings.h"
#include "app/vireodoc.h"
#include "base/profile.h"
#include "editor/view/qtdc.h"
#include "sheet/sheet.h"

namespace {

QPageSize::PageSizeId QtPaper(PaperSize p)
{
    switch (p) {
    case PaperSize::A2:
        return QPageSize::A2;
    case PaperSize::A3:
        return QPageSize::A3;
    default:
        return QPageSize::A4;
    }
}

PaperSize PaperOfQt(QPageSize::PageSizeId id)
{
    switch (id) {
    case QPageSize::A2:
        return PaperSize::A2;
    case QPageSize::A3:
        return PaperSize::A3;
    case QPageSize::A4:
        return PaperSize::A4;
    default:
        return PaperSize::Other;
    }
}

std::vector<unsigned char> Binary(const char* key)
{
    std::vector<uint8_t> bytes;
    if (!Profile().GetBinary("Printer", key, bytes))
        return {};
    return std::vector<unsigned char>(bytes.begin(), bytes.end());
}

void Draw(const CSheet& items, int type, CDC& dc, CDrawContext& ctx)
{
    CSheet copy(type);
    copy += items;
    copy.DrawSheet(dc, ctx, true);
}

} // namespace

CPrintSheet CPrintSheet::Of(const CVIREODoc& doc)
{
    CPrintSheet s;
    s.main = &doc.MainSheet();
    s.title = &doc.TitleSheet();
    s.width = doc.Header().width;
    s.height = doc.Header().height;
    s.sizeIndex = const_cast<CVIREODoc&>(doc).GetSizeIndex();
    return s;
}

CPrintOptions CPrintOptions::Load()
{
    CPrintOptions o;
    o.autoScale = SettingInt("Printer", "AutoScale");
    o.dir = SettingInt("Printer", "Dir") != 0;
    o.grid = SettingInt("Printer", "Grid") != 0;
    o.mainGrid = std::max(1, SettingInt("Sheet", "MainGrid"));
    o.titleDisp = SettingInt("Sheet", "TitleDisp") != 0;
    o.upOffset = Binary("UpOffset");
    o.rightOffset = Binary("RightOffset");
    return o;
}

CSheetPrinter::CSheetPrinter(const CDrawContext& base, const CPrintOptions& options)
    : m_ctx(base), m_options(options)
{
    m_ctx.output = CDrawContext::Output::Print;
    m_ctx.document = false;
}

CPrinterPaper CSheetPrinter::PaperOf(const QPrinter& printer)
{
    CPrinterPaper p;
    p.dpi = printer.resolution();
    const QRect paint = printer.pageLayout().paintRectPixels(printer.resolution());
    p.printableWidth = paint.width();
    p.printableHeight = paint.height();
    p.paper = PaperOfQt(printer.pageLayout().pageSize().id());
    p.landscape = printer.pageLayout().orientation() == QPageLayout::Landscape;
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        p.available = {PaperSize::A2, PaperSize::A3, PaperSize::A4};
    } else {
        const QPrinterInfo info(printer);
        for (const QPageSize& size : info.supportedPageSizes())
            if (PaperOfQt(size.id()) != PaperSize::Other)
                p.available.push_back(PaperOfQt(size.id()));
    }
    return p;
}

CPrintLayout CSheetPrinter::Prepare(QPrinter& printer, const CPrintSheet& sheet,
                                    bool setPaper) const
{
    const CPrinterPaper before = PaperOf(printer);
    CPrintLayout layout = CPrintLayout::Prepare(m_options.autoScale, m_options.dir, sheet.sizeIndex,
                                                sheet.width, sheet.height, before);
    if (setPaper) {
        QPageLayout page = printer.pageLayout();
        if (layout.paper != PaperSize::Other)
            page.setPageSize(QPageSize(QtPaper(layout.paper)));
        page.setOrientation(layout.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
        printer.setPageLayout(page);
    }
    const CPrinterPaper after = PaperOf(printer);
    int mode = m_options.autoScale;
    if (!setPaper && mode == 1 &&
        (layout.paper != after.paper || layout.landscape != after.landscape)) {
        // The paper stays as the first sheet set it: true scale, tiled as needed.
        mode = 2;
        layout.tiled = true;
    }
    layout.Begin(mode, sheet.width, sheet.height,
                 OffsetStep(m_options.rightOffset, sheet.sizeIndex),
                 OffsetStep(m_options.upOffset, sheet.sizeIndex), after);
    return layout;
}

void CSheetPrinter::DrawPage(QPainter& painter, const CPrintSheet& sheet,
                             const CPrintLayout& layout, int n, const QRectF& printable) const
{
    const CPrintPage page = layout.Page(n);
    CDeviceMapping map;
    map.scale = page.scale;
    map.originX = printable.left() + page.originX;
    map.originY = printable.top() + page.originY;
    painter.save();
    painter.setClipRect(printable);
    CDrawContext ctx = m_ctx;
    CQtDC dc(painter, map, printable, true);
    if (m_options.titleDisp && sheet.title)
        Draw(*sheet.title, CSheet::kTitle, dc, ctx);
    if (sheet.main)
        Draw(*sheet.main, CSheet::kDrawing, dc, ctx);
    if (m_options.grid) {
        // Single dots at the main grid inside the sheet and the page.
        const CRect area = map.Unmap(printable);
        const int pitch = std::max(1, m_options.mainGrid);
        const int x0 = std::max(0, std::min(area.left, area.right) / pitch * pitch);
        const int y0 = std::max(0, std::min(area.top, area.bottom) / pitch * pitch);
        const int x1 = std::min(sheet.width, std::max(area.left, area.right));
        const int y1 = std::min(sheet.height, std::max(area.top, area.bottom));
        painter.setPen(QPen(m_ctx.printInColor ? QColor(128, 128, 128) : QColor(160, 160, 160), 0));
        const double step = pitch * map.scale;
        if (step >= 2) {
            for (int x = x0; x <= x1; x += pitch)
                for (int y = y0; y <= y1; y += pitch)
                    painter.drawPoint(map.Map(CPoint(x, y)));
        }
    }
    painter.restore();
}

bool CSheetPrinter::Print(QPrinter& printer, const std::vector<CPrintSheet>& sheets) const
{
    if (sheets.empty())
        return false;
    CPrintLayout layout = Prepare(printer, sheets.front(), true);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    for (size_t i = 0; i < sheets.size(); ++i) {
        if (i > 0) {
            layout = Prepare(printer, sheets[i], false);
            printer.newPage();
        }
        for (int n = 0; n < layout.pages; ++n) {
            if (n > 0)
                printer.newPage();
            const QRect paint = printer.pageLayout().paintRectPixels(printer.resolution());
            DrawPage(painter, sheets[i], layout, n, QRectF(0, 0, paint.width(), paint.height()));
        }
    }
    painter.end();
    return true;
}
