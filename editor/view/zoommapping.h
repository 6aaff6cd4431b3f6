// CZoomMapping: the arithmetic of a scrolling, zooming window that shows a
// fixed logical extent (a sheet, y growing upwards) in a pixel extent.
//
// It keeps the state of the zoom view - scroll position, device size, page
// and line steps, the previous position and size for Zoom Last - and does
// every conversion between client pixels and sheet points.  The widget that
// owns it only feeds it the client size and carries out what it reports
// (scroll bars, repaint, cursor moves), so all of the zoom rules are
// testable without a window.
#pragma once

#include "base/point.h"
#include "base/rect.h"
#include "base/size.h"

struct CPointF {
    double x = 0, y = 0;
};

class CZoomMapping {
public:
    // The largest device size on either axis.
    static constexpr int kMaxDeviceSize = 131070;

    // Stores the logical size (a divisor of 0 means 10) and fits.
    void SetZoomSizes(const CSize& logical, int pageDivisor = 0, int lineDivisor = 0);
    // The client area changed.  Once a logical size is set, a client larger
    // than the device size on both axes is fitted again.
    void SetClientSize(const CSize& client);
    void FitToWindow();

    // Zooms by factor and centres point.  False when nothing changed (a
    // zoom out of a sheet that already fits, or no logical size).
    bool ZoomTo(const CPoint& point, double factor);
    // Zooms about the sheet point at the client centre; a zoom in at the
    // device size limit does nothing.
    bool ZoomIn(double factor);
    // Zooms so that the rectangle from a to b fills the client area;
    // nothing for a rectangle without width or height.
    bool ZoomRect(const CPoint& a, const CPoint& b);
    // Exchanges the current and the previous position and size.
    bool ZoomLast();
    void ZoomFull() { FitToWindow(); }
    // Scrolls so that point lies at the client centre (clamped).
    void CenterOn(const CPoint& point);

    // Scrolling in device pixels, clamped to 0 .. device size - client size.
    // True when the position changed.
    bool ScrollTo(int x, int y);
    bool ScrollBy(int dx, int dy) { return ScrollTo(m_pos.x + dx, m_pos.y + dy); }

    // --- conversions -------------------------------------------------------------------------
    // Pixels per sheet unit.
    double Scale() const;
    // Where a sheet point lies in the client area.
    CPointF SheetToClient(const CPoint& p) const;
    // The sheet point under a client pixel (rounded to the nearest unit).
    CPoint ClientToSheet(double x, double y) const;
    // The client area in sheet units, normalised as the document stores its
    // visible area: left/right the x range, top/bottom the y range (top the
    // smaller y).
    CRect VisibleArea() const;
    // The offset that centres a sheet smaller than the client area.
    CPointF Offset() const;

    // --- state -------------------------------------------------------------------------------
    bool HasLogicalSize() const { return m_logical.cx > 0 && m_logical.cy > 0; }
    bool HasHorzBar() const { return m_device.cx > m_client.cx; }
    bool HasVertBar() const { return m_device.cy > m_client.cy; }
    const CPoint& Position() const { return m_pos; }
    const CSize& DeviceSize() const { return m_device; }
    const CSize& LogicalSize() const { return m_logical; }
    const CSize& ClientSize() const { return m_client; }
    const CSize& PageStep() const { return m_page; }
    const CSize& LineStep() const { return m_line; }
    const CPoint& PreviousPosition() const { return m_prevPos; }
    const CSize& PreviousSize() const { return m_prevSize; }
    double ZoomFactor() const { return m_factor; }
    // The device size relative to the size that fits the client area.
    double FitRatio() const;

private:
    void ComputeSteps();
    CSize FitSize() const;

    int m_pageDivisor = 10;
    int m_lineDivisor = 10;
    CPoint m_pos;
    CSize m_logical;
    CSize m_device;
    CSize m_client;
    CSize m_page;
    CSize m_line;
    CPoint m_prevPos;
    CSize m_prevSize;
    double m_factor = 1.0;
};
