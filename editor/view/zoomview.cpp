#include "editor/view/zoomview.h"

#include <QCursor>
#include <QResizeEvent>
#include <QScrollBar>

CZoomView::CZoomView(QWidget* parent) : QAbstractScrollArea(parent)
{
    // Both bars always take their room (disabled while there is nothing to
    // scroll): bars that came and went with the zoom would resize the window
    // after each zoom, so that a fit no longer fits and the all area and the
    // zoom percentage were taken from a window size that is gone.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_zoom.SetClientSize(CSize(viewport()->width(), viewport()->height()));
}

QPointF CZoomView::SheetToClient(const CPoint& p) const
{
    const CPointF c = m_zoom.SheetToClient(p);
    return QPointF(c.x, c.y);
}

CDeviceMapping CZoomView::DeviceMapping() const
{
    const CPointF o = m_zoom.SheetToClient(CPoint(0, 0));
    return CDeviceMapping{m_zoom.Scale(), o.x, o.y};
}

void CZoomView::AfterZoom(bool changed)
{
    if (!changed)
        return;
    UpdateScrollBars();
    ViewChanged(false);
}

void CZoomView::SetZoomSizes(const CSize& logical, int pageDivisor, int lineDivisor)
{
    m_zoom.SetClientSize(CSize(viewport()->width(), viewport()->height()));
    m_zoom.SetZoomSizes(logical, pageDivisor, lineDivisor);
    AfterZoom(true);
}

void CZoomView::FitToWindow()
{
    m_zoom.FitToWindow();
    AfterZoom(true);
}

bool CZoomView::ZoomTo(const CPoint& point, double factor, bool moveCursor)
{
    if (factor <= 1.0 && moveCursor)
        MoveCursorTo(point);
    const bool changed = m_zoom.ZoomTo(point, factor);
    AfterZoom(changed);
    if (changed && moveCursor)
        MoveCursorTo(point);
    return changed;
}

bool CZoomView::ZoomIn(double factor)
{
    const bool changed = m_zoom.ZoomIn(factor);
    AfterZoom(changed);
    return changed;
}

bool CZoomView::ZoomRect(const CPoint& a, const CPoint& b)
{
    const bool changed = m_zoom.ZoomRect(a, b);
    AfterZoom(changed);
    return changed;
}

bool CZoomView::ZoomLast()
{
    const bool changed = m_zoom.ZoomLast();
    AfterZoom(changed);
    return changed;
}

void CZoomView::ZoomFull()
{
    m_zoom.ZoomFull();
    AfterZoom(true);
}

void CZoomView::CenterOn(const CPoint& point)
{
    const CPoint before = m_zoom.Position();
    m_zoom.CenterOn(point);
    if (m_zoom.Position() != before) {
        UpdateScrollBars();
        ViewChanged(true);
    }
}

void CZoomView::ScrollToPosition(int x, int y)
{
    if (m_zoom.ScrollTo(x, y)) {
        UpdateScrollBars();
        ViewChanged(true);
    }
}

void CZoomView::ScrollLines(int dx, int dy)
{
    ScrollToPosition(m_zoom.Position().x + dx * std::max(1, m_zoom.LineStep().cx),
                     m_zoom.Position().y + dy * std::max(1, m_zoom.LineStep().cy));
}

void CZoomView::ScrollPages(int dx, int dy)
{
    ScrollToPosition(m_zoom.Position().x + dx * std::max(1, m_zoom.PageStep().cx),
                     m_zoom.Position().y + dy * std::max(1, m_zoom.PageStep().cy));
}

void CZoomView::UpdateScrollBars()
{
    if (m_barGuard)
        return;
    ++m_barGuard;
    const CSize dev = m_zoom.DeviceSize(), client = m_zoom.ClientSize();
    QScrollBar* h = horizontalScrollBar();
    QScrollBar* v = verticalScrollBar();
    h->setRange(0, std::max(0, dev.cx - client.cx));
    v->setRange(0, std::max(0, dev.cy - client.cy));
    h->setPageStep(std::max(1, client.cx));
    v->setPageStep(std::max(1, client.cy));
    h->setSingleStep(std::max(1, m_zoom.LineStep().cx));
    v->setSingleStep(std::max(1, m_zoom.LineStep().cy));
    h->setValue(m_zoom.Position().x);
    v->setValue(m_zoom.Position().y);
    --m_barGuard;
}

void CZoomView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    m_zoom.SetClientSize(CSize(viewport()->width(), viewport()->height()));
    UpdateScrollBars();
    ViewChanged(false);
}

void CZoomView::scrollContentsBy(int, int)
{
    if (m_barGuard)
        return;
    if (m_zoom.ScrollTo(horizontalScrollBar()->value(), verticalScrollBar()->value()))
        ViewChanged(true);
}

void CZoomView::MoveCursorTo(const CPoint& point)
{
    const QPoint mouse = viewport()->mapFromGlobal(QCursor::pos());
    const QRect inside = viewport()->rect().adjusted(-1, -1, 1, 1);
    if (!inside.contains(mouse)) {
        QCursor::setPos(viewport()->mapToGlobal(viewport()->rect().center()));
        return;
    }
    const QPointF target = SheetToClient(point);
    if (viewport()->rect().contains(target.toPoint()))
        QCursor::setPos(viewport()->mapToGlobal(target.toPoint()));
}
