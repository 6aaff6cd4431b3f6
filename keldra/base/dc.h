// CDC: the drawing surface items draw themselves on.
//
// Coordinates are sheet units with y growing upwards; the surface maps them
// to its pixels, paper or vector output.  Pens, brushes and fonts are plain
// descriptions selected by value; each Select returns what was selected
// before so that a caller can restore it.  The editor implements this with a
// painter, tests with CRecordingDC.
#pragma once

#include <cstdint>
#include <vector>

#include "base/logfont.h"
#include "base/point.h"
#include "base/rect.h"
#include "base/size.h"
#include "base/string.h"

using COLORREF = uint32_t;
constexpr COLORREF RGB(int r, int g, int b)
{
    return COLORREF(uint8_t(r)) | (COLORREF(uint8_t(g)) << 8) | (COLORREF(uint8_t(b)) << 16);
}
constexpr int GetRValue(COLORREF c) { return int(c & 0xFF); }
constexpr int GetGValue(COLORREF c) { return int((c >> 8) & 0xFF); }
constexpr int GetBValue(COLORREF c) { return int((c >> 16) & 0xFF); }

// Pen styles.
enum { PS_SOLID = 0, PS_DASH = 1, PS_DOT = 2, PS_DASHDOT = 3, PS_DASHDOTDOT = 4, PS_NULL = 5 };
// Background modes, arc directions, raster operations, mapping modes.
enum { TRANSPARENT = 1, OPAQUE = 2 };
enum { AD_COUNTERCLOCKWISE = 1, AD_CLOCKWISE = 2 };
enum { R2_XORPEN = 7, R2_COPYPEN = 13 };
enum { MM_TEXT = 1, MM_HIENGLISH = 5 };
// Text alignment flags (the anchor codes of texts are made of these).
enum : unsigned { TA_LEFT = 0, TA_TOP = 0, TA_RIGHT = 2, TA_CENTER = 6, TA_BOTTOM = 8, TA_BASELINE = 24 };

struct CPen {
    int style = PS_SOLID;
    int width = 0;
    COLORREF color = 0;
    friend bool operator==(const CPen&, const CPen&) = default;
};

struct CBrush {
    COLORREF color = 0;
    bool hollow = false;
    friend bool operator==(const CBrush&, const CBrush&) = default;
};

struct TEXTMETRIC {
    int tmHeight = 0;
    int tmAscent = 0;
    int tmDescent = 0;
};

class CDC {
public:
    virtual ~CDC() = default;

    virtual CPen SelectPen(const CPen& pen) = 0;
    virtual CBrush SelectBrush(const CBrush& brush) = 0;
    virtual LOGFONT SelectFont(const LOGFONT& font) = 0;
    virtual CPen GetCurrentPen() const = 0;

    virtual CPoint MoveTo(const CPoint& p) = 0;
    virtual void LineTo(const CPoint& p) = 0;
    // Arc and pie on the ellipse inscribed in box, from the ray through start
    // to the ray through end, in the current arc direction.
    virtual void Arc(const CRect& box, const CPoint& start, const CPoint& end) = 0;
    virtual void Pie(const CRect& box, const CPoint& start, const CPoint& end) = 0;
    virtual void Ellipse(const CRect& box) = 0;
    virtual void Polygon(const CPoint* points, int count) = 0;
    void Polygon(const std::vector<CPoint>& points) { Polygon(points.data(), int(points.size())); }
    virtual void DrawFocusRect(const CRect& r) = 0;

    virtual int SetBkMode(int mode) = 0;
    virtual int SetArcDirection(int direction) = 0;
    virtual int SetROP2(int mode) = 0;
    virtual unsigned SetTextAlign(unsigned align) = 0;
    virtual COLORREF SetTextColor(COLORREF color) = 0;
    virtual COLORREF GetTextColor() const = 0;

    virtual void TextOut(const CPoint& p, const CString& text) = 0;
    virtual TEXTMETRIC GetTextMetrics() const = 0;
    virtual CSize GetTextExtent(const CString& text) const = 0;

    virtual int GetMapMode() const = 0;
    // Whether any part of r (sheet units) can show on the surface.
    virtual bool RectVisible(const CRect& r) const = 0;
    virtual bool IsPrinting() const = 0;
};
