// CRecordingDC: a drawing surface that writes down what is drawn on it.
//
// Each drawing call appends one readable line to Records(), e.g.
// "LineTo 100 0 pen=0/8/#000000" — enough for a test to check what an item
// drew and with which pen.  Text is measured with TextMetrics().
#pragma once

#include <string>
#include <vector>

#include "base/dc.h"

class CRecordingDC : public CDC {
public:
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
    void DrawFocusRect(const CRect& r) override;

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
    bool RectVisible(const CRect& r) const override;
    bool IsPrinting() const override { return m_printing; }

    // Test controls.
    void SetPrinting(bool printing) { m_printing = printing; }
    void SetVisibleArea(const CRect& r) { m_visible = r; m_clip = true; }
    const std::vector<std::string>& Records() const { return m_records; }
    void Clear() { m_records.clear(); }

private:
    std::string PenText() const;
    void Record(std::string line) { m_records.push_back(std::move(line)); }

    std::vector<std::string> m_records;
    CPen m_pen;
    CBrush m_brush;
    LOGFONT m_font;
    CPoint m_current;
    COLORREF m_textColor = 0;
    unsigned m_align = 0;
    int m_bkMode = OPAQUE;
    int m_arcDirection = AD_COUNTERCLOCKWISE;
    int m_rop = R2_COPYPEN;
    bool m_printing = false;
    bool m_clip = false;
    CRect m_visible;
};
