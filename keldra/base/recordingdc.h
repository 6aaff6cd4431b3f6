// CRecordingDC: a drawing surface that writes down what is drawn on it.
//
// Each drawing call appends one readable line to Records(), e.g.
// "LineTo 100 0 pen=0/8/#000000" — enough for a test to check what an item
// drew and with which pen.  Text is measured with TextMetrics().
#pragma once

#include <string>
#include <vector>

#include "base/statedc.h"

class CRecordingDC : public CStateDC {
public:
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

    // Test controls.
    void SetPrinting(bool printing) { m_printing = printing; }
    void SetVisibleArea(const CRect& r) { m_visible = r; m_clip = true; }
    const std::vector<std::string>& Records() const { return m_records; }
    void Clear() { m_records.clear(); }

private:
    std::string PenText() const;
    void Record(std::string line) { m_records.push_back(std::move(line)); }

    std::vector<std::string> m_records;
    bool m_printing = false;
    bool m_clip = false;
    CRect m_visible;
};
