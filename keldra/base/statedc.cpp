#include "base/statedc.h"

#include <utility>

#include "base/textmetrics.h"

CPen CStateDC::SelectPen(const CPen& pen)
{
    const CPen old = std::exchange(m_pen, pen);
    PenSelected();
    return old;
}

CBrush CStateDC::SelectBrush(const CBrush& brush)
{
    const CBrush old = std::exchange(m_brush, brush);
    BrushSelected();
    return old;
}

LOGFONT CStateDC::SelectFont(const LOGFONT& font)
{
    return std::exchange(m_font, font);
}

int CStateDC::SetBkMode(int mode)
{
    return std::exchange(m_bkMode, mode);
}

int CStateDC::SetArcDirection(int direction)
{
    return std::exchange(m_arcDirection, direction);
}

int CStateDC::SetROP2(int mode)
{
    return std::exchange(m_rop, mode);
}

unsigned CStateDC::SetTextAlign(unsigned align)
{
    return std::exchange(m_align, align);
}

COLORREF CStateDC::SetTextColor(COLORREF color)
{
    return std::exchange(m_textColor, color);
}

TEXTMETRIC CStateDC::GetTextMetrics() const
{
    TEXTMETRIC tm;
    tm.tmAscent = TextMetrics().Ascent(FontSize(), &m_font);
    tm.tmDescent = TextMetrics().Descent(FontSize(), &m_font);
    tm.tmHeight = tm.tmAscent + tm.tmDescent;
    return tm;
}

CSize CStateDC::GetTextExtent(const CString& text) const
{
    return CSize(TextMetrics().TextWidth(text, FontSize(), &m_font), GetTextMetrics().tmHeight);
}
