#include "editor/view/vireoview.h"

#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>
#include <QWheelEvent>
#include <algorithm>

#include "app/vireodoc.h"
#include "base/profile.h"
#include "editor/view/editadapter.h"
#include "editor/view/grid.h"
#include "editor/view/statusformat.h"

namespace {

// Texts below this height in pixels cannot be read: they are drawn as bars.
constexpr double kGreekPixels = 5.0;

QColor Halved(const QColor& c)
{
    return QColor(c.red() / 2, c.green() / 2, c.blue() / 2);
}

QString GestureName(Gesture g)
{
    switch (g) {
    case Gesture::ZoomIn:
        return CVIREOView::tr("Zoom in");
    case Gesture::ZoomOut:
        return CVIREOView::tr("Zoom out");
    case Gesture::ZoomLast:
        return CVIREOView::tr("Zoom last");
    case Gesture::ZoomAll:
        return CVIREOView::tr("Zoom all");
    case Gesture::ZoomRect:
        return CVIREOView::tr("Zoom window");
    case Gesture::Cancel:
        return CVIREOView::tr("Cancel zoom");
    case Gesture::Center:
        break;
    }
    return CVIREOView::tr("Move centre");
}

} // namespace

CVIREOView::CVIREOView(CVIREODoc& doc, CViewOptions& options, QWidget* parent)
    : CZoomView(parent), m_doc(doc), m_options(options)
{
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    m_ctx.LoadSettings(Profile());
    m_ctxGeneration = m_options.generation;
    m_focusTimer.setSingleShot(true);
    connect(&m_focusTimer, &QTimer::timeout, this, [this] { m_ignorePress = false; });
    m_tipTimer.setSingleShot(true);
    m_tipTimer.setInterval(600);
    connect(&m_tipTimer, &QTimer::timeout, this, [this] { ShowHoverTip(); });
    m_autoScrollTimer.setInterval(300);
    connect(&m_autoScrollTimer, &QTimer::timeout, this, [this] { AutoScroll(m_lastMouse); });
    RefreshCursorShape();
    m_edit = std::make_unique<CEditAdapter>(*this);
}

CVIREOView::~CVIREOView() = default;

// --- start ---------------------------------------------------------------------------------------

void CVIREOView::OnInitialUpdate()
{
    m_initialised = true;
    const CDocumentHeader& header = m_doc.Header();
    const CRect stored = header.visibleArea;
    SetZoomSizes(CSize(header.width, header.height));
    if (!stored.IsRectEmpty())
        ZoomRect(CPoint(stored.left, stored.top), CPoint(stored.right, stored.bottom));
    StoreVisibleArea();
    UpdateStatus(m_current);
}

void CVIREOView::showEvent(QShowEvent* event)
{
    CZoomView::showEvent(event);
    RefreshCursorShape();
}

// --- zoom commands
// ----------------------------------------------------------------------------------

void CVIREOView::OnZoomUp()
{
    ZoomIn(m_options.ZoomStep());
}

void CVIREOView::OnZoomDown()
{
    ZoomIn(1.0 / m_options.ZoomStep());
}

void CVIREOView::OnZoomCenter()
{
    m_zoomWindowPending = false;
    EnterZoomState(kZoomCenter);
}

void CVIREOView::OnZoomLast()
{
    ZoomLast();
}

void CVIREOView::OnZoomAll(Qt::KeyboardModifiers modifiers)
{
    const bool ctrl = modifiers & Qt::ControlModifier;
    const bool shift = modifiers & Qt::ShiftModifier;
    // Ctrl alone only takes the current view as the all area.
    if (!ctrl || shift) {
        const CRect& all = m_areas[0];
        if (all.IsRectEmpty())
            ZoomFull();
        else if (all != m_doc.Header().visibleArea)
            ZoomRect(CPoint(all.left, all.top), CPoint(all.right, all.bottom));
        else
            ZoomLast();
    }
    StoreVisibleArea();
    m_areas[0] = m_doc.Header().visibleArea;
}

void CVIREOView::OnZoomWindow()
{
    m_zoomWindowPending = true;
    EnterZoomState(kIdle);
    SetHelp(StateHelp());
}

void CVIREOView::OnDispArea(int n)
{
    const CRect& area = m_areas[n];
    const CDocumentHeader& header = m_doc.Header();
    if (area.IsRectEmpty()) {
        // Without a stored area: the top-left or bottom-right corner, same zoom.
        if (m_zoom.HasHorzBar() || m_zoom.HasVertBar())
            CenterOn(n == 1 ? CPoint(0, header.height) : CPoint(header.width, 0));
    } else if (area == header.visibleArea) {
        ZoomLast();
    } else {
        ZoomRect(CPoint(area.left, area.top), CPoint(area.right, area.bottom));
    }
    StoreVisibleArea();
    const QPoint mouse = viewport()->mapFromGlobal(QCursor::pos());
    const CPoint snapped = SnapToGrid(ClientToSheet(mouse), m_options.gridPitch);
    const QPointF onGrid = SheetToClient(snapped);
    if (viewport()->rect().contains(onGrid.toPoint()))
        QCursor::setPos(viewport()->mapToGlobal(onGrid.toPoint()));
    UpdateStatus(snapped);
}

void CVIREOView::OnResetAreas()
{
    for (CRect& area : m_areas)
        area = CRect();
}

void CVIREOView::OnDefineArea(int n)
{
    StoreVisibleArea();
    m_areas[n] = m_doc.Header().visibleArea;
}

void CVIREOView::OnGrid()
{
    m_options.ToggleGrid();
    InvalidateAll();
    UpdateStatus(m_current);
}

// --- view changes -------------------------------------------------------------------------------

void CVIREOView::ViewChanged(bool)
{
    m_dirty = QRegion(viewport()->rect());
    if (m_initialised)
        StoreVisibleArea();
    // The point under a resting mouse changed with the view (keys, bars).
    const QPoint mouse = viewport()->mapFromGlobal(QCursor::pos());
    if (m_initialised && viewport()->rect().contains(mouse) && viewport()->underMouse())
        UpdateStatus(ClientToSheet(QPointF(mouse)));
    viewport()->update();
    emit StatusChanged();
}

void CVIREOView::StoreVisibleArea()
{
    if (!m_zoom.HasLogicalSize() || m_zoom.ClientSize().cx <= 0 || m_zoom.ClientSize().cy <= 0)
        return;
    // Only the part of the sheet counts: the margins round a small sheet are no area.
    CRect area = m_zoom.VisibleArea();
    const CDocumentHeader& header = m_doc.Header();
    area.left = std::max(area.left, 0);
    area.top = std::max(area.top, 0);
    area.right = std::min(area.right, header.width);
    area.bottom = std::min(area.bottom, header.height);
    if (!area.IsRectEmpty())
        m_doc.Header().visibleArea = area;
}

void CVIREOView::InvalidateSheetRect(const CRect& r)
{
    const QRect pixels = DeviceMapping().Map(r).toAlignedRect().adjusted(-2, -2, 2, 2);
    m_dirty += pixels.intersected(viewport()->rect());
    viewport()->update(pixels);
}

void CVIREOView::InvalidateAll()
{
    m_dirty = QRegion(viewport()->rect());
    viewport()->update();
}

// --- drawing
// ------------------------------------------------------------------------------------------

void CVIREOView::RenderSheet(QPainter& painter, const QRect& clip, bool withSelection)
{
    const CDocumentHeader& header = m_doc.Header();
    const CDeviceMapping map = DeviceMapping();
    // Outside the sheet is the desk; the sheet itself has the background colour.
    painter.fillRect(clip, QColor(150, 150, 150));
    const QRectF sheet = map.Map(CRect(0, 0, header.width, header.height));
    painter.fillRect(sheet.intersected(clip), CQtDC::ToQColor(m_options.background));
    DrawGrid(painter, clip);

    if (m_ctxGeneration != m_options.generation) {
        m_ctx.LoadSettings(Profile());
        m_ctxGeneration = m_options.generation;
    }
    m_ctx.output = CDrawContext::Output::Screen;
    m_ctx.show = m_options.show;
    m_ctx.screenColors = m_options.screenColors;
    m_ctx.background = m_options.background;
    m_ctx.greekBelow = map.scale > 0 ? int(std::ceil(kGreekPixels / map.scale)) : 0;
    CQtDC dc(painter, map, clip);
    if (m_options.titleDisp)
        m_doc.TitleSheet().DrawSheet(dc, m_ctx, true);
    m_doc.MainSheet().DrawSheet(dc, m_ctx, true);
    if (withSelection)
        m_doc.SelectionSheet().DrawSheet(dc, m_ctx, true);
}

void CVIREOView::DrawGrid(QPainter& painter, const QRect& clip)
{
    if (!m_options.gridShown)
        return;
    const int pitch = m_options.gridPitch;
    const CDeviceMapping map = DeviceMapping();
    const int spacing = GridDrawSpacing(pitch, map.scale, m_options.gridSize);
    if (spacing <= 0)
        return;
    QColor color =
        CQtDC::ToQColor(pitch == m_options.mainGrid ? m_options.gridColor : m_options.subGridColor);
    if (m_doc.MainSheet().IsHighLight())
        color = Halved(color);
    const CRect area = map.Unmap(QRectF(clip));
    const CDocumentHeader& header = m_doc.Header();
    const CGridSpan xs = GridSpan(area.left, area.right, spacing, header.width);
    const CGridSpan ys = GridSpan(area.top, area.bottom, spacing, header.height);
    const bool circles = m_options.gridStyle == 1 && spacing == m_options.subGrid;
    const long long mainPitch = std::max(1, m_options.mainGrid);
    QPolygonF dots;
    QPolygonF rings;
    for (long long y = ys.first; y <= ys.last; y += spacing)
        for (long long x = xs.first; x <= xs.last; x += spacing) {
            const QPointF p = map.Map(CPoint(int(x), int(y)));
            if (circles && x % mainPitch == 0 && y % mainPitch == 0)
                rings << p;
            else
                dots << QPointF(std::floor(p.x()) + 0.5, std::floor(p.y()) + 0.5);
        }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(color, 0));
    painter.drawPoints(dots);
    if (!rings.isEmpty()) {
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setBrush(color);
        painter.setPen(Qt::NoPen);
        for (const QPointF& p : rings)
            painter.drawEllipse(p, 2.0, 2.0);
    }
    painter.restore();
}

void CVIREOView::paintEvent(QPaintEvent* event)
{
    if (!m_initialised && viewport()->width() > 0 && viewport()->height() > 0)
        OnInitialUpdate();
    if (m_image.size() != viewport()->size()) {
        m_image = QImage(viewport()->size(), QImage::Format_RGB32);
        m_dirty = QRegion(viewport()->rect());
    }
    if (!m_dirty.isEmpty() && !m_image.isNull()) {
        QPainter p(&m_image);
        for (const QRect& r : m_dirty) {
            p.save();
            p.setClipRect(r);
            RenderSheet(p, r, false);
            p.restore();
        }
        m_dirty = QRegion();
    }
    QPainter w(viewport());
    w.drawImage(event->rect(), m_image, event->rect());
    w.setClipRect(event->rect());
    m_edit->DrawOverlay(w);
    DrawOverlay(w);
}

QRect CVIREOView::CrosshairArea(const QPoint& pos) const
{
    return QRect(0, pos.y(), viewport()->width(), 1) | QRect(pos.x(), 0, 1, viewport()->height());
}

void CVIREOView::DrawOverlay(QPainter& painter)
{
    painter.save();
    // Drawn exclusive-or, so that they show on any background colour.
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (m_crossShown && m_options.CursorStyle() == 0) {
        painter.setPen(QPen(CQtDC::ToQColor(m_options.cursorColor), 0));
        painter.drawLine(0, m_crossPos.y(), viewport()->width(), m_crossPos.y());
        painter.drawLine(m_crossPos.x(), 0, m_crossPos.x(), viewport()->height());
    }
    const bool band = m_rectDragging || (m_gestureActive && m_state == int(Gesture::ZoomRect));
    if (band) {
        QPen pen(Qt::white, 0);
        pen.setStyle(Qt::DashLine);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRect(m_anchor, m_dragPoint).normalized());
    }
    painter.restore();
}

void CVIREOView::MoveCrosshair(const QPoint& pos, bool shown)
{
    if (m_options.CursorStyle() != 0) {
        m_crossShown = false;
        return;
    }
    if (m_crossShown)
        viewport()->update(CrosshairArea(m_crossPos));
    m_crossShown = shown;
    m_crossPos = pos;
    if (shown)
        viewport()->update(CrosshairArea(pos));
}

void CVIREOView::RefreshCursorShape()
{
    viewport()->setCursor(m_options.CursorStyle() == 2 ? Qt::ArrowCursor : Qt::CrossCursor);
}

// --- status
// ---------------------------------------------------------------------------------------------

void CVIREOView::UpdateStatus(const CPoint& sheetPoint)
{
    const CDocumentHeader& header = m_doc.Header();
    CPoint p = SnapToGrid(sheetPoint, m_options.gridPitch);
    p.x = std::clamp(p.x, 0, std::max(0, header.width));
    p.y = std::clamp(p.y, 0, std::max(0, header.height));
    m_current = p;
    m_coordText = QString::fromStdString(CoordinateText(p));
    emit StatusChanged();
}

QString CVIREOView::ZoomStatus() const
{
    return tr("Zoom %1").arg(QString::fromStdString(ZoomText(m_zoom.FitRatio())));
}

void CVIREOView::SetHelp(const QString& text)
{
    if (text == m_helpText)
        return;
    m_helpText = text;
    emit HelpChanged(text);
}

QString CVIREOView::StateHelp() const
{
    if (m_state == kZoomCenter)
        return tr("Left-click the point that is to be the centre of the window");
    if (m_zoomWindowPending)
        return tr("Left-click and drag the area to show");
    return QString();
}

void CVIREOView::EnterZoomState(int state)
{
    const bool inZoom = m_state != kIdle;
    if (!inZoom)
        m_savedState = m_state;
    m_state = state;
    SetHelp(StateHelp());
}

void CVIREOView::ReturnFromZoomState()
{
    m_state = m_savedState;
    m_zoomWindowPending = false;
    m_rectDragging = false;
    m_autoScrollTimer.stop();
    m_gestureActive = false;
    SetHelp(StateHelp());
    viewport()->update();
}

// --- mouse
// ---------------------------------------------------------------------------------------------

void CVIREOView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    MoveCrosshair(pos, true);
    if (pos != m_tipPos) {
        CloseHoverTip();
        m_tipPos = pos;
        if (!event->buttons())
            m_tipTimer.start();
    }
    if (m_warpedTo && *m_warpedTo == pos && !m_gestureActive && !m_rectDragging)
        return; // the cursor arriving where the keys put it
    m_warpedTo.reset();
    UpdateStatus(ClientToSheet(event->position()));
    if (m_gestureActive) {
        const Gesture g = ClassifyGesture(pos.x() - m_anchor.x(), pos.y() - m_anchor.y());
        m_state = int(g);
        m_dragPoint = pos;
        SetHelp(GestureName(g));
        viewport()->update();
    } else if (m_rectDragging) {
        m_dragPoint = pos;
        AutoScroll(pos);
        viewport()->update();
    } else {
        m_edit->MouseMove(event);
    }
}

void CVIREOView::AutoScroll(const QPoint& pos)
{
    m_lastMouse = pos;
    if (!m_scrollLock || !m_rectDragging) {
        m_autoScrollTimer.stop();
        return;
    }
    const int margin = 4 * style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const QRect r = viewport()->rect();
    const int dx = pos.x() < r.left() + margin ? -1 : pos.x() > r.right() - margin ? 1 : 0;
    const int dy = pos.y() < r.top() + margin ? -1 : pos.y() > r.bottom() - margin ? 1 : 0;
    if (dx == 0 && dy == 0) {
        m_autoScrollTimer.stop();
        return;
    }
    // The rubber band keeps its anchor on the same sheet point.
    const CPoint anchor = ClientToSheet(m_anchor);
    ScrollLines(dx, dy);
    m_anchor = SheetToClient(anchor).toPoint();
    if (!m_autoScrollTimer.isActive())
        m_autoScrollTimer.start();
}

void CVIREOView::mousePressEvent(QMouseEvent* event)
{
    CloseHoverTip();
    const Qt::MouseButtons buttons = event->buttons();
    const Qt::KeyboardModifiers mods = event->modifiers();
    const QPoint pos = event->position().toPoint();
    const bool both =
        ((buttons & Qt::LeftButton) && (buttons & Qt::RightButton)) ||
        ((buttons & Qt::LeftButton) && (mods & Qt::ShiftModifier) && (mods & Qt::ControlModifier));
    if (event->button() != Qt::LeftButton)
        m_ignorePress = false;
    else if (m_ignorePress && !both)
        return; // the click that activated the window
    if (both) {
        m_gestureActive = true;
        m_rectDragging = false;
        m_anchor = m_dragPoint = pos;
        EnterZoomState(kCenterMove);
        SetHelp(GestureName(Gesture::Center));
        return;
    }
    if (event->button() != Qt::LeftButton) {
        if (m_state == kIdle)
            m_edit->MousePress(event);
        return;
    }
    if (m_state == kZoomCenter) {
        CenterOn(ClientToSheet(event->position()));
        ReturnFromZoomState();
        return;
    }
    if (m_zoomWindowPending) {
        m_rectDragging = true;
        m_anchor = m_dragPoint = pos;
        m_state = kZoomWindow;
        return;
    }
    if (m_state == kIdle)
        m_edit->MousePress(event);
}

void CVIREOView::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    if (m_gestureActive &&
        (event->button() == Qt::LeftButton || event->button() == Qt::RightButton)) {
        FinishGesture(pos);
        return;
    }
    if (m_rectDragging && event->button() == Qt::LeftButton) {
        m_autoScrollTimer.stop();
        const CPoint a = ClientToSheet(m_anchor), b = ClientToSheet(event->position());
        ReturnFromZoomState();
        ZoomRect(a, b);
        return;
    }
    if (m_state == kIdle && !m_zoomWindowPending)
        m_edit->MouseRelease(event);
}

void CVIREOView::FinishGesture(const QPoint& release)
{
    const Gesture g = ClassifyGesture(release.x() - m_anchor.x(), release.y() - m_anchor.y());
    const QPoint anchor = m_anchor;
    ReturnFromZoomState();
    const CPoint p = ClientToSheet(release);
    const double f = m_options.ZoomStep();
    switch (g) {
    case Gesture::ZoomIn:
        ZoomTo(p, f, false);
        break;
    case Gesture::ZoomOut:
        ZoomTo(p, 1.0 / f, false);
        break;
    case Gesture::ZoomLast:
        ZoomLast();
        break;
    case Gesture::Center:
        CenterOn(p);
        break;
    case Gesture::ZoomAll:
        OnZoomAll();
        break;
    case Gesture::ZoomRect:
        if (anchor.x() != release.x() && anchor.y() != release.y())
            ZoomRect(ClientToSheet(anchor), p);
        break;
    case Gesture::Cancel:
        break;
    }
}

void CVIREOView::wheelEvent(QWheelEvent* event)
{
    const Qt::MouseButtons buttons = event->buttons();
    if ((buttons & Qt::LeftButton) && (buttons & Qt::RightButton))
        return;
    const QPoint angle = event->angleDelta();
    const bool horizontalWheel = angle.y() == 0 && angle.x() != 0;
    const int delta = horizontalWheel ? angle.x() : angle.y();
    if (delta == 0)
        return;
    const Qt::KeyboardModifiers mods = event->modifiers();
    const bool ctrl = mods & Qt::ControlModifier, shift = mods & Qt::ShiftModifier;
    if (!ctrl && !shift && !horizontalWheel && m_edit->Wheel(event))
        return; // the selection turned
    if (ctrl && !shift) {
        const double f = m_options.ZoomStep();
        const QPointF pos = event->position();
        const bool inside = viewport()->rect().contains(pos.toPoint());
        const CPoint about =
            inside ? ClientToSheet(pos) : ClientToSheet(QPointF(viewport()->rect().center()));
        ZoomTo(about, delta > 0 ? f : 1.0 / f, inside);
        return;
    }
    // Plain wheel: with one scroll bar on that bar; with both vertical unless
    // the setting says horizontal, Shift and a held middle button each
    // switching the direction.
    bool horizontal = m_options.wheelScroll;
    if (shift)
        horizontal = !horizontal;
    if (buttons & Qt::MiddleButton)
        horizontal = !horizontal;
    if (m_zoom.HasHorzBar() != m_zoom.HasVertBar())
        horizontal = m_zoom.HasHorzBar();
    if (horizontalWheel)
        horizontal = true;
    const int lines = delta > 0 ? -3 : 3;
    if (horizontal)
        ScrollLines(lines, 0);
    else
        ScrollLines(0, lines);
}

// --- keys and focus
// -------------------------------------------------------------------------------------

void CVIREOView::MoveCursorPoint(int dx, int dy)
{
    const CDocumentHeader& header = m_doc.Header();
    CPoint p(std::clamp(m_current.x + dx, 0, header.width),
             std::clamp(m_current.y + dy, 0, header.height));
    QPointF c = SheetToClient(p);
    // Scroll just far enough to keep the point in the window.
    const QRect r = viewport()->rect();
    int sx = 0, sy = 0;
    if (c.x() < r.left())
        sx = int(std::floor(c.x())) - r.left();
    else if (c.x() > r.right())
        sx = int(std::ceil(c.x())) - r.right();
    if (c.y() < r.top())
        sy = int(std::floor(c.y())) - r.top();
    else if (c.y() > r.bottom())
        sy = int(std::ceil(c.y())) - r.bottom();
    if (sx || sy) {
        ScrollToPosition(m_zoom.Position().x + sx, m_zoom.Position().y + sy);
        c = SheetToClient(p);
    }
    m_current = p;
    // The warp comes back as a mouse move to that pixel, which must not
    // snap the point anew: far zoomed out a pixel spans several grid steps.
    m_warpedTo = c.toPoint();
    QCursor::setPos(viewport()->mapToGlobal(*m_warpedTo));
    MoveCrosshair(c.toPoint(), true);
    m_coordText = QString::fromStdString(CoordinateText(p));
    emit StatusChanged();
    m_edit->CursorMoved(p);
}

void CVIREOView::ShowEditStatus(int pane, const QString& text)
{
    if (pane == 1) {
        m_coordText = text;
        emit StatusChanged();
    } else if (m_state == kIdle && !m_zoomWindowPending) {
        SetHelp(text);
    }
}

void CVIREOView::keyPressEvent(QKeyEvent* event)
{
    if (m_state == kIdle && !m_zoomWindowPending && m_edit->Key(event))
        return;
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    const bool plain =
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    const int step = std::max(1, m_options.gridPitch) * (shift ? 10 : 1);
    const double f = m_options.ZoomStep();
    switch (event->key()) {
    case Qt::Key_PageUp:
        if (!shift)
            ZoomTo(m_current, f, true);
        return;
    case Qt::Key_PageDown:
        if (!shift)
            ZoomTo(m_current, 1.0 / f, true);
        return;
    case Qt::Key_Left:
        MoveCursorPoint(-step, 0);
        return;
    case Qt::Key_Right:
        MoveCursorPoint(step, 0);
        return;
    case Qt::Key_Up:
        MoveCursorPoint(0, step);
        return;
    case Qt::Key_Down:
        MoveCursorPoint(0, -step);
        return;
    case Qt::Key_G:
        if (plain && !shift) {
            OnGrid();
            return;
        }
        break;
    case Qt::Key_Space:
        if (m_options.gridPitch == m_options.subGrid) {
            m_options.gridStyle = m_options.gridStyle == 0 ? 1 : 0;
            InvalidateAll();
        }
        return;
    case Qt::Key_ScrollLock:
    case Qt::Key_F14:
        m_scrollLock = !m_scrollLock;
        return;
    case Qt::Key_Escape:
        if (m_state != kIdle || m_zoomWindowPending) {
            ReturnFromZoomState();
            return;
        }
        break;
    default:
        break;
    }
    CZoomView::keyPressEvent(event);
}

void CVIREOView::focusInEvent(QFocusEvent* event)
{
    CZoomView::focusInEvent(event);
    RefreshCursorShape();
    m_focusTimer.start(100);
}

void CVIREOView::focusOutEvent(QFocusEvent* event)
{
    CZoomView::focusOutEvent(event);
    MoveCrosshair(m_crossPos, false);
    CloseHoverTip();
    m_ignorePress = true;
}

void CVIREOView::leaveEvent(QEvent* event)
{
    CZoomView::leaveEvent(event);
    MoveCrosshair(m_crossPos, false);
}

bool CVIREOView::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::Leave)
        MoveCrosshair(m_crossPos, false);
    return CZoomView::viewportEvent(event);
}
