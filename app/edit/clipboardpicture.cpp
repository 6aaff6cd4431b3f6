#include "app/edit/clipboardpicture.h"

#include "app/vireodoc.h"
#include "export/drawcontext.h"
#include "export/svgdc.h"
#include "sheet/sheet.h"

namespace {

void Draw(const CSheet& items, int type, CSVGDC& dc, CDrawContext& ctx)
{
    CSheet copy(type);
    copy += items;
    copy.DrawSheet(dc, ctx, true);
}

} // namespace

CRect PictureFrame(const CVIREODoc& doc, const CPictureRequest& request)
{
    const CSheet& sel = doc.SelectionSheet();
    if (sel.GetItemCount() != 0 && !request.shift)
        return sel.GetBoundingRect();
    if (doc.TitleSheet().GetItemCount() != 0)
        return doc.TitleSheet().GetBoundingRect();
    return CRect(0, 0, doc.Header().width, doc.Header().height);
}

std::string PictureSvg(const CVIREODoc& doc, const CDrawContext& base,
                       const CPictureRequest& request)
{
    CDrawContext ctx = base;
    ctx.document = true;
    if (request.color) {
        // The colours of the screen, the title block in its own colour.
        ctx.output = CDrawContext::Output::Screen;
        ctx.background = request.background;
    } else {
        ctx.output = CDrawContext::Output::Print;
        ctx.printInColor = false;
        ctx.printTitleColor = RGB(0, 0, 0);
    }
    CSVGDC dc(doc.Header().width, doc.Header().height);
    const bool selection = doc.SelectionSheet().GetItemCount() != 0;
    if (selection) {
        // Shift frames the selection in the title block.
        if (request.shift && request.titleDisp)
            Draw(doc.TitleSheet(), CSheet::kTitle, dc, ctx);
        Draw(doc.SelectionSheet(), CSheet::kDrawing, dc, ctx);
    } else {
        Draw(doc.MainSheet(), CSheet::kDrawing, dc, ctx);
        if (request.titleDisp)
            Draw(doc.TitleSheet(), CSheet::kTitle, dc, ctx);
    }
    std::string fill;
    if (request.backDraw)
        fill = CSVGDC::Color(request.color ? request.background : RGB(255, 255, 255));
    return dc.Document(PictureFrame(doc, request), fill);
}
