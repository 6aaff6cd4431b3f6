#include "export/svgexport.h"

#include "export/drawcontext.h"
#include "export/svgdc.h"
#include "sheet/sheet.h"

std::string RenderSheetToSvg(const CSheet& main, const CSheet* title, int width, int height,
                             bool color, const CDrawContext& base)
{
    CDrawContext ctx = base;
    ctx.output = CDrawContext::Output::Print;
    ctx.document = true;
    ctx.printInColor = color;
    if (!color)
        ctx.printTitleColor = RGB(0, 0, 0);
    CSVGDC dc(width, height);
    if (title) {
        CSheet block(CSheet::kTitle);
        block += *title;
        block.DrawSheet(dc, ctx, true);
    }
    CSheet drawing(CSheet::kDrawing);
    drawing += main;
    drawing.DrawSheet(dc, ctx, true);
    return dc.Document();
}
