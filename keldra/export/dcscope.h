// Puts a device's pen, brush, font, text colour back when a drawing routine ends.
#pragma once

#include "base/dc.h"

class CDCState {
public:
    explicit CDCState(CDC& dc)
        : m_dc(dc), m_pen(dc.GetCurrentPen()), m_brush(dc.SelectBrush(CBrush{})), m_color(dc.GetTextColor())
    {
        dc.SelectBrush(m_brush);
    }
    ~CDCState()
    {
        m_dc.SelectPen(m_pen);
        m_dc.SelectBrush(m_brush);
        m_dc.SetTextColor(m_color);
    }
    CDCState(const CDCState&) = delete;
    CDCState& operator=(const CDCState&) = delete;

private:
    CDC& m_dc;
    CPen m_pen;
    CBrush m_brush;
    COLORREF m_color;
};

inline void DrawSegment(CDC& dc, const CPoint& a, const CPoint& b)
{
    dc.MoveTo(a);
    dc.LineTo(b);
}
