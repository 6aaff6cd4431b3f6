// CVIREOView's hover tips: the tip of the item under the resting mouse.
#include <QToolTip>
#include <cmath>

#include "app/vireodoc.h"
#include "base/profile.h"
#include "editor/view/vireoview.h"

// --- hover tips ---------------------------------------------------------------------------------

QString CVIREOView::HoverTipText(const QPoint& pixel) const
{
    // A few pixels round thin items, in sheet units at this zoom.
    const double scale = m_zoom.Scale();
    const int tolerance = scale > 0 ? int(std::ceil(4 / scale)) : 0;
    const bool withIndex = Profile().GetInt("Sheet", "TipWireIndex", 1) != 0;
    return CHoverTip::Text(m_doc.MainSheet(), ClientToSheet(QPointF(pixel)), tolerance,
                           withIndex ? m_wireIndex : CHoverTip::WireIndex());
}

void CVIREOView::ShowHoverTip()
{
    if (!viewport()->rect().contains(m_tipPos) || m_gestureActive || m_rectDragging)
        return;
    const QString text = HoverTipText(m_tipPos);
    if (!text.isEmpty())
        QToolTip::showText(viewport()->mapToGlobal(m_tipPos), text, viewport());
}

void CVIREOView::CloseHoverTip()
{
    m_tipTimer.stop();
    if (QToolTip::isVisible())
        QToolTip::hideText();
}
