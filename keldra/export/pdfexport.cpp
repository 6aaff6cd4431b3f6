#include "export/pdfexport.h"

#include "base/clock.h"
#include "export/pdf.h"
#include "export/pdfdc.h"
#include "export/pdfpage.h"
#include "sheet/sheet.h"

void AddPdfPage(CPDF& pdf, const CPdfSheet& sheet, const CPdfOptions& options,
                const CDrawContext& base)
{
    CPDFPage page;
    page.SetPageSize(sheet.sizeIndex);
    page.SetScale(ParsePdfScale(options.scale));
    CRect area(0, 0, sheet.width, sheet.height);
    if (options.titleInclude && sheet.title && sheet.title->GetItemCount() > 0) {
        area = sheet.title->GetBoundingRect();
        area.NormalizeRect();
        area.left = std::max(area.left, 0);
        area.top = std::max(area.top, 0);
    }
    page.SetOffset(area, options.left, options.up);
    page.WriteInit(options.background, options.color ? base.background : RGB(255, 255, 255));

    // Paper colours: the printer table in colour mode, black otherwise.
    CDrawContext ctx = base;
    ctx.output = CDrawContext::Output::Print;
    ctx.document = true;
    ctx.printInColor = options.color;
    if (!options.color)
        ctx.printTitleColor = RGB(0, 0, 0);
    CPDFDC dc(page, pdf);
    if (sheet.title && options.titleShown) {
        // The title block is drawn whatever its stored type says.
        CSheet title(CSheet::kTitle);
        title += *sheet.title;
        title.DrawSheet(dc, ctx, true);
    }
    if (sheet.main) {
        CSheet main(CSheet::kDrawing);
        main += *sheet.main;
        main.DrawSheet(dc, ctx, true);
    }
    pdf.NewPage(page);
}

std::vector<uint8_t> RenderSheetsToPdf(const std::vector<CPdfSheet>& sheets,
                                       const CPdfOptions& options, const CDrawContext& base)
{
    CPDF pdf;
    pdf.SetInfo(options.title, options.subject, options.author,
                options.created ? options.created : StampTime());
    for (const CPdfSheet& sheet : sheets)
        AddPdfPage(pdf, sheet, options, base);
    return pdf.WritePDF();
}
