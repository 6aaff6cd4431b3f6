#include "editor/library/partpreview.h"

#include <QPainter>
#include <algorithm>

#include "editor/view/qtdc.h"
#include "export/drawcontext.h"

CPartPreview::CPartPreview(QWidget* parent) : QWidget(parent)
{
    setMinimumSize(240, 200);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CPartPreview::SetPart(const CPart* part)
{
    if (part)
        m_part = *part;
    else
        m_part.reset();
    update();
}

void CPartPreview::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(QColor(160, 160, 160));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    if (!m_part)
        return;
    const CRect r = m_part->GetBoundingRect();
    const double w = std::max(1, std::abs(r.right - r.left));
    const double h = std::max(1, std::abs(r.bottom - r.top));
    const double margin = 12;
    const double scale = std::min({(width() - 2 * margin) / w, (height() - 2 * margin) / h, 0.5});
    CDeviceMapping map;
    map.scale = scale > 0 ? scale : 0.01;
    const double left = std::min(r.left, r.right), low = std::min(r.top, r.bottom);
    map.originX = (width() - w * map.scale) / 2 - left * map.scale;
    map.originY = height() - (height() - h * map.scale) / 2 + low * map.scale;
    painter.setRenderHint(QPainter::Antialiasing);
    CQtDC dc(painter, map, QRectF(rect()));
    CDrawContext ctx;
    m_part->DrawPart(dc, ctx);
}
