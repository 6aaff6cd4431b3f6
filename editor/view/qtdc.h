// CQtDC: the drawing surface of the screen and of images, on a QPainter.
//
// Items draw on it exactly as on the PDF page (CSheet::DrawSheet through
// CDC), so the screen shows the same geometry as the exports.  The sheet's
// y-up coordinates are mapped to pixels here, not through the painter's
// transform, so that pens keep their pixel widths and texts are laid out at
// their real pixel size.  Font faces keep their stored names and are mapped
// to metric-compatible installed faces.  Only items whose rectangles meet
// the clip area are drawn (RectVisible).
#pragma once

#include <QBrush>
#include <QColor>
#include <QPen>
#include <QPointF>
#include <QRectF>
#include <map>
#include <tuple>

#include "base/statedc.h"

class QPainter;

// From sheet units to pixels: px = originX + x * scale, py = originY - y * scale.
struct CDeviceMapping {
    double scale = 1;
    double originX = 0;
    double originY = 0;

    QPointF Map(const CPoint& p) const
    {
        return QPointF(originX + p.x * scale, originY - p.y * scale);
    }
    QRectF Map(const CRect& r) const;
    // The sheet rectangle (top = smaller y) covering a pixel rectangle.
    CRect Unmap(const QRectF& pixels) const;
};

// The installed face that stands for a stored face name (CP932): the
// metric-compatible Liberation faces for the common Latin faces and the IPA
// faces for the Japanese ones; any other name is handed to the font matcher.
QString MapFaceName(const CString& storedFace);

class CQtDC : public CStateDC {
public:
    // clip: the pixel area being drawn (items outside it are skipped).
    CQtDC(QPainter& painter, const CDeviceMapping& mapping, const QRectF& clip,
          bool printing = false);
    ~CQtDC() override;

    CPoint MoveTo(const CPoint& p) override;
    void LineTo(const CPoint& p) override;
    void Arc(const CRect& box, const CPoint& start, const CPoint& end) override;
    void Pie(const CRect& box, const CPoint& start, const CPoint& end) override;
    void Ellipse(const CRect& box) override;
    void Polygon(const CPoint* points, int count) override;
    using CDC::Polygon;
    void DrawFocusRect(const CRect& r) override;
    void TextOut(const CPoint& p, const CString& text) override;

    bool RectVisible(const CRect& r) const override;
    bool IsPrinting() const override { return m_printing; }

    static QColor ToQColor(COLORREF c) { return QColor(GetRValue(c), GetGValue(c), GetBValue(c)); }

private:
    void PenSelected() override;
    void BrushSelected() override;
    void ArcOrPie(const CRect& box, const CPoint& start, const CPoint& end, bool pie);

    QPainter& m_painter;
    CDeviceMapping m_map;
    CRect m_clipSheet;
    bool m_printing;
    int m_appliedRop = -1;
    // Items select pens and brushes far more often than they draw with them:
    // the painter gets them only when something is drawn, and each distinct
    // one is made once.
    void ApplyState();
    bool m_penDirty = true, m_brushDirty = true;
    CPen m_appliedPen{-1, -1, 0};
    CBrush m_appliedBrush{0xFFFFFFFF, true};
    std::map<std::tuple<int, int, COLORREF>, QPen> m_pens;
    std::map<COLORREF, QBrush> m_brushes;
    void ApplyRop();
    // Curves and slanted lines are drawn smooth, rows of pixels without.
    void Antialias(bool on);
    bool m_antialias = true;
    const QBrush& BrushOf(COLORREF color);
};
