// CPDFDC: a drawing surface that writes onto a PDF page.
//
// Items draw on it exactly as on the screen (CSheet::DrawSheet and the
// item Draw routines), so a PDF page shows the same geometry.  Pens and
// brushes become the page's pen and brush, texts take their font numbers
// from the document, and the device-only operations (focus rectangles, XOR
// mode) leave no mark.
#pragma once

#include "base/dc.h"

class CPDF;
class CPDFPage;

class CPDFDC : public CDC {
public:
    CPDFDC(CPDFPage& page, CPDF& document) : m_page(page), m_pdf(document) {}

    CPen SelectPen(const CPen& pen) override;
    CBrush SelectBrush(const CBrush& brush) override;
    LOGFONT SelectFont(const LOGFONT& font) override;
    CPen GetCurrentPen() const override { return m_pen; }

    CPoint MoveTo(const CPoint& p) override;
    void LineTo(const CPoint& p) override;
    void Arc(const CRect& box, const CPoint& start, const CPoint& end) override;
    void Pie(const CRect& box, const CPoint& start, const CPoint& end) override;
    void Ellipse(const CRect& box) override;
    void Polygon(const CPoint* points, int count) override;
    using CDC::Polygon;
    void DrawFocusRect(const CRect&) override {}

    int SetBkMode(int mode) override;
    int SetArcDirection(int direction) override;
    int SetROP2(int mode) override;
    unsigned SetTextAlign(unsigned align) override;
    COLORREF SetTextColor(COLORREF color) override;
    COLORREF GetTextColor() const override { return m_textColor; }

    void TextOut(const CPoint& p, const CString& text) override;
    TEXTMETRIC GetTextMetrics() const override;
    CSize GetTextExtent(const CString& text) const override;

    int GetMapMode() const override { return MM_HIENGLISH; }
    bool RectVisible(const CRect&) const override { return true; }
    bool IsPrinting() const override { return true; }

private:
    void ArcOrPie(const CRect& box, const CPoint& start, const CPoint& end, bool pie);

    CPDFPage& m_page;
    CPDF& m_pdf;
    CPen m_pen;
    CBrush m_brush;
    LOGFONT m_font;
    CPoint m_current;
    COLORREF m_textColor = 0;
    unsigned m_align = 0;
    int m_bkMode = OPAQUE;
    int m_arcDirection = AD_COUNTERCLOCKWISE;
    int m_rop = R2_COPYPEN;
};
