// CStateDC: the state every drawing surface keeps - the selected pen, brush
// and font, the current point, text colour and alignment, background mode,
// arc direction and raster operation - and text measured with the
// process-wide TextMetrics().  Surfaces derive from it and add the drawing.
#pragma once

#include "base/dc.h"

class CStateDC : public CDC {
public:
    CPen SelectPen(const CPen& pen) override;
    CBrush SelectBrush(const CBrush& brush) override;
    LOGFONT SelectFont(const LOGFONT& font) override;
    CPen GetCurrentPen() const override { return m_pen; }

    int SetBkMode(int mode) override;
    int SetArcDirection(int direction) override;
    int SetROP2(int mode) override;
    unsigned SetTextAlign(unsigned align) override;
    COLORREF SetTextColor(COLORREF color) override;
    COLORREF GetTextColor() const override { return m_textColor; }

    TEXTMETRIC GetTextMetrics() const override;
    CSize GetTextExtent(const CString& text) const override;
    int GetMapMode() const override { return MM_HIENGLISH; }

protected:
    // Called after a pen or brush was selected.
    virtual void PenSelected() {}
    virtual void BrushSelected() {}
    // The character height of the selected font.
    int FontSize() const { return m_font.lfHeight < 0 ? -m_font.lfHeight : m_font.lfHeight; }

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
