#include "editor/view/zoommapping.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

int RoundToInt(double v)
{
    return int(std::lround(v));
}

} // namespace

void CZoomMapping::SetZoomSizes(const CSize& logical, int pageDivisor, int lineDivisor)
{
    m_logical = logical;
    m_pageDivisor = pageDivisor > 0 ? pageDivisor : 10;
    m_lineDivisor = lineDivisor > 0 ? lineDivisor : 10;
    FitToWindow();
    m_prevPos = m_pos;
    m_prevSize = m_device;
}

void CZoomMapping::SetClientSize(const CSize& client)
{
    m_client = client;
    if (HasLogicalSize() && m_client.cx > m_device.cx && m_client.cy > m_device.cy)
        FitToWindow();
    ScrollTo(m_pos.x, m_pos.y);
}

CSize CZoomMapping::FitSize() const
{
    if (!HasLogicalSize() || m_client.cx <= 0 || m_client.cy <= 0)
        return CSize();
    // The isotropic mapping keeps the sheet's aspect ratio: the axis that
    // fills the client area decides the scale.
    const double s =
        std::min(double(m_client.cx) / m_logical.cx, double(m_client.cy) / m_logical.cy);
    return CSize(std::max(1, RoundToInt(m_logical.cx * s)),
                 std::max(1, RoundToInt(m_logical.cy * s)));
}

void CZoomMapping::FitToWindow()
{
    m_device = FitSize();
    m_pos = CPoint();
    m_factor = 1.0;
    ComputeSteps();
}

void CZoomMapping::ComputeSteps()
{
    m_page = CSize(m_device.cx / m_pageDivisor, m_device.cy / m_pageDivisor);
    m_line = CSize(m_page.cx / m_lineDivisor, m_page.cy / m_lineDivisor);
}

bool CZoomMapping::ZoomTo(const CPoint& point, double factor)
{
    if (!HasLogicalSize() || !(factor > 0))
        return false;
    if (factor <= 1.0 && !HasHorzBar() && !HasVertBar())
        return false;
    m_prevPos = m_pos;
    m_prevSize = m_device;
    m_factor = factor;
    m_device = CSize(RoundToInt(m_device.cx * factor), RoundToInt(m_device.cy * factor));
    if (m_device.cx > kMaxDeviceSize || m_device.cy > kMaxDeviceSize) {
        const double f = double(kMaxDeviceSize) / std::max(m_prevSize.cx, m_prevSize.cy);
        m_factor = f;
        m_device = CSize(RoundToInt(m_prevSize.cx * f), RoundToInt(m_prevSize.cy * f));
        // Rounding must not push the larger side past the limit.
        m_device.cx = std::min(m_device.cx, int(kMaxDeviceSize));
        m_device.cy = std::min(m_device.cy, int(kMaxDeviceSize));
    }
    ComputeSteps();
    if (m_device.cx < m_client.cx && m_device.cy < m_client.cy) {
        FitToWindow();
        return true;
    }
    CenterOn(point);
    return true;
}

bool CZoomMapping::ZoomIn(double factor)
{
    if (factor > 1.0 && (m_device.cx >= kMaxDeviceSize || m_device.cy >= kMaxDeviceSize))
        return false;
    return ZoomTo(ClientToSheet(m_client.cx / 2.0, m_client.cy / 2.0), factor);
}

bool CZoomMapping::ZoomRect(const CPoint& a, const CPoint& b)
{
    const double w = std::abs(double(a.x) - b.x), h = std::abs(double(a.y) - b.y);
    const double s = Scale();
    if (w == 0 || h == 0 || s <= 0)
        return false;
    const double factor = std::min(m_client.cx / s / w, m_client.cy / s / h);
    const CPoint mid(int((double(a.x) + b.x) / 2), int((double(a.y) + b.y) / 2));
    return ZoomTo(mid, factor);
}

bool CZoomMapping::ZoomLast()
{
    if ((m_prevSize.cx == 0 && m_prevSize.cy == 0) ||
        (m_prevPos == m_pos && m_prevSize == m_device))
        return false;
    std::swap(m_prevPos, m_pos);
    std::swap(m_prevSize, m_device);
    ComputeSteps();
    // The window may have changed size since: keep the position in range.
    ScrollTo(m_pos.x, m_pos.y);
    return true;
}

void CZoomMapping::CenterOn(const CPoint& point)
{
    const double s = Scale();
    const double dx = point.x * s, dy = m_device.cy - point.y * s;
    ScrollTo(RoundToInt(dx - m_client.cx / 2.0), RoundToInt(dy - m_client.cy / 2.0));
}

bool CZoomMapping::ScrollTo(int x, int y)
{
    const CPoint old = m_pos;
    const int maxX = std::max(0, m_device.cx - m_client.cx);
    const int maxY = std::max(0, m_device.cy - m_client.cy);
    m_pos = CPoint(std::clamp(x, 0, maxX), std::clamp(y, 0, maxY));
    return m_pos != old;
}

double CZoomMapping::Scale() const
{
    if (!HasLogicalSize() || m_device.cx <= 0 || m_device.cy <= 0)
        return 0;
    return std::min(double(m_device.cx) / m_logical.cx, double(m_device.cy) / m_logical.cy);
}

CPointF CZoomMapping::Offset() const
{
    return CPointF{std::max(0, m_client.cx - m_device.cx) / 2.0,
                   std::max(0, m_client.cy - m_device.cy) / 2.0};
}

CPointF CZoomMapping::SheetToClient(const CPoint& p) const
{
    const double s = Scale();
    const CPointF o = Offset();
    return CPointF{o.x + p.x * s - m_pos.x, o.y + m_device.cy - m_pos.y - p.y * s};
}

CPoint CZoomMapping::ClientToSheet(double x, double y) const
{
    const double s = Scale();
    if (s <= 0)
        return CPoint();
    const CPointF o = Offset();
    return CPoint(RoundToInt((x - o.x + m_pos.x) / s),
                  RoundToInt((o.y + m_device.cy - m_pos.y - y) / s));
}

CRect CZoomMapping::VisibleArea() const
{
    const CPoint a = ClientToSheet(0, m_client.cy);
    const CPoint b = ClientToSheet(m_client.cx, 0);
    return CRect(std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y));
}

double CZoomMapping::FitRatio() const
{
    const CSize fit = FitSize();
    if (fit.cx <= 0)
        return 1.0;
    return double(m_device.cx) / fit.cx;
}
