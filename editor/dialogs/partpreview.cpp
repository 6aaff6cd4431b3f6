#include "editor/dialogs/partpreview.h"

#include <QPainter>
#include <algorithm>

#include "base/profile.h"
#include "editor/view/qtdc.h"
#include "export/drawcontext.h"
#include "sheet/sheet.h"

CPartPreview::CPartPreview(QWidget* parent)
    : QWidget(parent), m_part(std::make_unique<CSheet>(CSheet::kDrawing)),
      m_ctx(std::make_unique<CDrawContext>())
{
    m_ctx->LoadSettings(Profile());
    setMinimumSize(180, 150);
}

CPartPreview::~CPartPreview() = default;

void CPartPreview::SetPart(const CSheet& gates)
{
    m_part->DeleteContents();
    if (!gates.Parts().IsEmpty())
        m_part->NewPart(*gates.Parts().GetHead());
    update();
}

void CPartPreview::SetPart(const CPart* part)
{
    m_part->DeleteContents();
    if (part)
        m_part->NewPart(*part);
    update();
}

bool CPartPreview::IsEmpty() const
{
    return m_part->GetItemCount() == 0;
}

void CPartPreview::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), CQtDC::ToQColor(m_ctx->background));
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    if (IsEmpty())
        return;
    // The part's outline fills the panel less a margin, centred.
    const CRect r = m_part->GetBoundingRect().Normalized();
    const double w = std::max(1, r.Width()), h = std::max(1, r.Height());
    const double scale = std::min((width() - 16) / w, (height() - 16) / h);
    CDeviceMapping map;
    map.scale = scale;
    map.originX = width() / 2.0 - (r.left + w / 2) * scale;
    map.originY = height() / 2.0 + (r.top + h / 2) * scale;
    painter.setRenderHint(QPainter::Antialiasing);
    CQtDC dc(painter, map, QRectF(rect()));
    m_part->DrawSheet(dc, *m_ctx, false);
}
