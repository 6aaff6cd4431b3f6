// CSVGDC: a drawing surface that writes an SVG picture of one sheet.
//
// Items draw on it as on the PDF page (CSheet::DrawSheet with a document's
// drawing context): the same pens, dash lengths, filled arrow heads and text
// placement.  The picture's user units are sheet units with y turned
// downwards; texts are <text> elements in the stored face (with installed
// stand-ins after it), stretched to the width the built-in metrics give so
// that they end where the PDF's end.
#pragma once

#include <string>

#include "base/statedc.h"

class CSVGDC : public CStateDC {
public:
    // The sheet's size in sheet units (the picture covers 0..width, 0..height).
    CSVGDC(int width, int height);

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

    // The whole file: header, a white page, the elements drawn so far.
    std::string Document() const;
    // A picture of only the frame's part of the sheet (sheet units), its
    // width and height given in hundredths of a millimetre; the frame is
    // filled with fill ("#rrggbb") unless fill is empty.
    std::string Document(const CRect& frame, const std::string& fill) const;

    // An SVG colour "#rrggbb".
    static std::string Color(COLORREF c);
    // The font-family list for a stored face (CP932): the face itself and
    // the installed metric-compatible faces that stand for it.
    static std::string FontFamily(const CString& face);

private:
    std::string Stroke() const;
    std::string Fill() const;
    double Y(int y) const { return double(m_height) - y; }
    void ArcOrPie(const CRect& box, const CPoint& start, const CPoint& end, bool pie);

    int m_width, m_height;
    std::string m_body;
};
