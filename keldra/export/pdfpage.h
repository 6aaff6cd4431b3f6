// CPDFPage: one page of a PDF file being drawn, as content-stream operators.
//
// Sheet coordinates (thousandths of an inch, y up) are written as points
// (value * 72 / 1000); the placement matrix written by WriteInit puts the
// chosen sheet area at the page margins with the page scale.  Pen and brush
// are written lazily: only when they differ from what the stream last set.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "base/dc.h"
#include "base/point.h"
#include "base/rect.h"
#include "base/string.h"

class CPDFPage {
public:
    static constexpr int kPageSizes = 6;
    // Width and height in points of a page size index (0..5: A2, A3, A4
    // landscape, then portrait); out-of-range indices give A4 landscape.
    static void PageSizePoints(int index, int& width, int& height);

    // A sheet value as a point number: "%.3f" of v * 72 / 1000 without
    // trailing zeros and point, ".5" for "0.5", and a blank after it.
    static std::string Number(double sheetValue);
    // A plain number in the same style (already in points).
    static std::string Plain(double value);
    // "r g b " with 0 -> "0", 255 -> "1", else "%.4f" of c / 256.
    static std::string ColorText(COLORREF color);
    // A string as a PDF string: hex for text with Japanese bytes, else a
    // literal with "\", "(" and ")" escaped.
    static std::string StringToken(const CString& text);
    // The operand and operator that show a text: "<hex> Tj", "(literal) Tj",
    // or for a Japanese text with blanks "[<hex> -gap <hex>] TJ".
    static std::string ShowText(const CString& text, int spaceWidth);

    void SetPageSize(int index) { m_pageSize = index >= 0 && index < kPageSizes ? index : 2; }
    int GetPageSize() const { return m_pageSize; }
    // The values a page accepts; anything else falls back to the default.
    static bool IsValidScale(double scale); // finite, 0.01..100 (default 1)
    static bool IsValidMargin(double mm);   // finite, 0..1000 millimetres (default 15)

    void SetScale(double scale);
    double GetScale() const { return m_scale; }
    // Margins in millimetres.
    void SetOffset(const CRect& area, double left, double top);
    void SetObjNo(int n) { m_objNo = n; }
    int GetObjNo() const { return m_objNo; }

    void SetPenStyle(int style) { m_penStyle = style; }
    void SetPenWidth(int width) { m_penWidth = width; }
    void SetPenColor(COLORREF c) { m_penColor = c; }
    void SetBrushColor(COLORREF c) { m_brushColor = c; }
    COLORREF GetPenColor() const { return m_penColor; }
    COLORREF GetBrushColor() const { return m_brushColor; }

    const std::string& GetStream() const { return m_stream; }
    size_t GetStreamSize() const { return m_stream.size(); }

    void WriteInit(bool background, COLORREF color);
    void WriteLine(const CPoint& a, const CPoint& b);
    void WritePolygon(const CPoint* points, int count, bool fill);
    // An arc counter-clockwise from start to end (degrees); the sweep is
    // taken in (0, 360], so any pair of angles gives at most four pieces.
    void WriteArc(const CPoint& centre, int radius, double start, double end, bool fill);
    void WriteArc(const CPoint& centre, int radius, int64_t start, int64_t end, bool fill);
    void WriteCircle(const CPoint& centre, int radius, bool fill);
    // Text at the left end of its baseline.  In a Japanese text, blanks are
    // written as gaps of spaceWidth (1/1000 em) rather than as glyphs: common
    // readers draw the Japanese font's half-width blank as a box.
    void WriteText(const CString& text, const CPoint& origin, int size, uint32_t direction,
                   int fontNo, int spaceWidth = 500);

private:
    void Put(const std::string& line) { m_stream += line + "\n"; }
    void CheckPen();
    void CheckBrush();
    void WriteShortArc(double cx, double cy, double r, double a1, double a2);

    int m_pageSize = 2;
    int m_objNo = 0;
    int m_penStyle = 0;
    int m_penWidth = 8;
    COLORREF m_penColor = 0;
    COLORREF m_brushColor = 0;
    int m_writtenStyle = -1;
    int m_writtenWidth = -1;
    int64_t m_writtenPenColor = -1;
    int64_t m_writtenBrushColor = -1;
    double m_left = 15;
    double m_top = 15;
    double m_scale = 1.0;
    CRect m_area;
    std::string m_stream;
};

// Reads the page scale setting (a decimal string, C notation); anything
// that is not a valid scale gives 1.
double ParsePdfScale(const CString& text);
// The same, telling a bad text apart: nullopt unless it is a valid scale.
std::optional<double> TryParsePdfScale(const CString& text);
