// CZoomView: a scrolling and zooming window over a fixed logical extent.
//
// The rules live in CZoomMapping; this widget keeps the scroll bars in step
// with it, turns scroll-bar moves into scroll positions, moves the mouse
// cursor when a zoom asks for it and tells the derived view when what it
// shows changed (ViewChanged).
#pragma once

#include <QAbstractScrollArea>

#include "editor/view/qtdc.h"
#include "editor/view/zoommapping.h"

class CZoomView : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit CZoomView(QWidget* parent = nullptr);

    void SetZoomSizes(const CSize& logical, int pageDivisor = 0, int lineDivisor = 0);
    void FitToWindow();
    // Zooms by factor and centres point; with moveCursor the mouse cursor
    // follows the point (or goes to the client centre when it was outside).
    bool ZoomTo(const CPoint& point, double factor, bool moveCursor);
    bool ZoomIn(double factor);
    bool ZoomRect(const CPoint& a, const CPoint& b);
    bool ZoomLast();
    void ZoomFull();
    void CenterOn(const CPoint& point);
    // Scrolling by line and page steps of the current zoom.
    void ScrollLines(int dx, int dy);
    void ScrollPages(int dx, int dy);
    void ScrollToPosition(int x, int y);

    const CZoomMapping& Mapping() const { return m_zoom; }
    CPoint ClientToSheet(const QPointF& p) const { return m_zoom.ClientToSheet(p.x(), p.y()); }
    QPointF SheetToClient(const CPoint& p) const;
    CDeviceMapping DeviceMapping() const;

protected:
    // What is shown changed (zoom or scroll); scrolled tells a pure scroll.
    virtual void ViewChanged(bool scrolled) = 0;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void UpdateScrollBars();
    // Moves the mouse cursor onto a sheet point when it is visible.
    void MoveCursorTo(const CPoint& point);

    CZoomMapping m_zoom;

private:
    void AfterZoom(bool changed);
    int m_barGuard = 0;
};
