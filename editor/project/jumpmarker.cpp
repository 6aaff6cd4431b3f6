#include "editor/project/jumpmarker.h"

#include <QPainter>

#include "editor/view/vireoview.h"

namespace {
constexpr int kRadius = 18;
constexpr int kLifetimeMs = 4000;
} // namespace

CJumpMarker* CJumpMarker::Show(CVIREOView& view, const CPoint& at)
{
    // One marker per view, with its full lifetime from the latest jump.
    delete view.viewport()->findChild<CJumpMarker*>();
    auto* marker = new CJumpMarker(view, at);
    marker->Place();
    marker->show();
    marker->raise();
    QTimer::singleShot(kLifetimeMs, marker, &QObject::deleteLater);
    return marker;
}

CJumpMarker::CJumpMarker(CVIREOView& view, const CPoint& at)
    : QWidget(view.viewport()), m_view(view), m_at(at)
{
    setObjectName("JumpMarker");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    resize(2 * kRadius + 4, 2 * kRadius + 4);
    // Scrolling and zooming move the point; the marker follows cheaply.
    m_follow.setInterval(100);
    connect(&m_follow, &QTimer::timeout, this, &CJumpMarker::Place);
    m_follow.start();
}

void CJumpMarker::Place()
{
    const QPointF p = m_view.SheetToClient(m_at);
    move(int(p.x()) - width() / 2, int(p.y()) - height() / 2);
}

void CJumpMarker::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(230, 0, 90), 3));
    painter.drawEllipse(rect().adjusted(3, 3, -3, -3));
}
