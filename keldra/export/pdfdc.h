// CPDFDC: a drawing surface that writes onto a PDF page.
//
// Items draw on it exactly as on the screen (CSheet::DrawSheet and the
// item Draw routines), so a PDF page shows the same geometry.  Pens and
// brushes become the page's pen and brush, texts take their font numbers
// from the document, and the device-only operations (focus rectangles, XOR
// mode) leave no mark.
#pragma once

#include "base/statedc.h"

class CPDF;
class CPDFPage;

class CPDFDC : public CStateDC {
public:
    CPDFDC(CPDFPage& page, CPDF& document) : m_page(page), m_pdf(document) {}

    CPoint MoveTo(const CPoint& p) override;
    void LineTo(const CPoint& p) override;
    void Arc(const CRect& box, const CPoint& start, const CPoint& end) override;
    void Pie(const CRect& box, const CPoint& start, const CPoint& end) override;
    void Ellipse(const CRect& box) override;
    void Polygon(const CPoint* points, int count) override;
    using CDC::Polygon;
    void DrawFocusRect(const CRect&) override {}

    void TextOut(const CPoint& p, const CString& text) override;

    bool RectVisible(const CRect&) const override { return true; }
    bool IsPrinting() const override { return true; }

private:
    void PenSelected() override;
    void BrushSelected() override;
    void ArcOrPie(const CRect& box, const CPoint& start, const CPoint& end, bool pie);

    CPDFPage& m_page;
    CPDF& m_pdf;
};
