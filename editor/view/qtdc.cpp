#include "editor/view/qtdc.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "editor/view/qtstring.h"
#include "export/itemgeometry.h"
#include "items/geometry.h"

namespace {

constexpr double kPi = 3.14159265358979323846;
// Text widths are measured once at this pixel size and scaled: unhinted
// outlines scale linearly.
constexpr double kReferencePixels = 100;

double AngleOf(const QPointF& centre, const QPointF& p)
{
    // Screen y grows downwards: the angle as seen on the sheet.
    return std::atan2(centre.y() - p.y(), p.x() - centre.x()) * 180 / kPi;
}

Qt::PenStyle QtPenStyle(int style)
{
    switch (style) {
    case PS_DASH:
        return Qt::DashLine;
    case PS_DOT:
        return Qt::DotLine;
    case PS_DASHDOT:
        return Qt::DashDotLine;
    case PS_DASHDOTDOT:
        return Qt::DashDotDotLine;
    case PS_NULL:
        return Qt::NoPen;
    default:
        return Qt::SolidLine;
    }
}

struct FontKey {
    QString family;
    int weight;
    bool italic, underline, strikeOut;
    friend bool operator==(const FontKey&, const FontKey&) = default;
};
size_t qHash(const FontKey& k, size_t seed = 0)
{
    return qHashMulti(seed, k.family, k.weight, k.italic, k.underline, k.strikeOut);
}

// The reference fonts and the widths of the strings drawn with them.  The
// screen redraws the same texts over and over: measuring each once saves
// most of the text layout time.
struct FontCache {
    QHash<FontKey, QFont> fonts;
    QHash<FontKey, QHash<QString, double>> widths;
};
FontCache& Cache()
{
    static FontCache cache;
    return cache;
}

QFont ReferenceFont(const FontKey& key)
{
    FontCache& cache = Cache();
    auto it = cache.fonts.find(key);
    if (it != cache.fonts.end())
        return *it;
    QFont f(key.family);
    f.setPixelSize(int(kReferencePixels));
    f.setWeight(QFont::Weight(std::clamp(key.weight, 1, 1000)));
    f.setItalic(key.italic);
    f.setUnderline(key.underline);
    f.setStrikeOut(key.strikeOut);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setKerning(false);
    return *cache.fonts.insert(key, f);
}

double ReferenceWidth(const FontKey& key, const QString& text)
{
    FontCache& cache = Cache();
    QHash<QString, double>& widths = cache.widths[key];
    auto it = widths.find(text);
    if (it != widths.end())
        return *it;
    if (widths.size() > 50000)
        widths.clear();
    const double w = QFontMetricsF(ReferenceFont(key)).horizontalAdvance(text);
    widths.insert(text, w);
    return w;
}

} // namespace

QRectF CDeviceMapping::Map(const CRect& r) const
{
    const QPointF a = Map(CPoint(r.left, r.top)), b = Map(CPoint(r.right, r.bottom));
    return QRectF(a, b).normalized();
}

CRect CDeviceMapping::Unmap(const QRectF& pixels) const
{
    if (scale <= 0)
        return CRect();
    const auto clampUnit = [](double v) { return int(std::clamp(v, -2.0e9, 2.0e9)); };
    const double x1 = (pixels.left() - originX) / scale, x2 = (pixels.right() - originX) / scale;
    const double y1 = (originY - pixels.bottom()) / scale, y2 = (originY - pixels.top()) / scale;
    return CRect(clampUnit(std::floor(x1)), clampUnit(std::floor(y1)), clampUnit(std::ceil(x2)),
                 clampUnit(std::ceil(y2)));
}

QString MapFaceName(const CString& storedFace)
{
    const QString face = ToQString(storedFace).trimmed();
    const QString key = face.toCaseFolded();
    static const QHash<QString, QString> table = {
        {"arial", "Liberation Sans"},
        {"helvetica", "Liberation Sans"},
        {"times new roman", "Liberation Serif"},
        {"courier new", "Liberation Mono"},
        {QString::fromUtf8("ｍｓ ゴシック"), "IPAGothic"},
        {QString::fromUtf8("ｍｓ ｐゴシック"), "IPAPGothic"},
        {QString::fromUtf8("ｍｓ 明朝"), "IPAMincho"},
        {QString::fromUtf8("ｍｓ ｐ明朝"), "IPAPMincho"},
    };
    auto it = table.find(key);
    if (it != table.end())
        return *it;
    return face.isEmpty() ? QStringLiteral("Liberation Sans") : face;
}

CQtDC::CQtDC(QPainter& painter, const CDeviceMapping& mapping, const QRectF& clip, bool printing)
    : m_painter(painter), m_map(mapping), m_clipSheet(mapping.Unmap(clip)), m_printing(printing)
{
    m_painter.save();
    m_painter.setRenderHint(QPainter::Antialiasing, true);
    m_painter.setRenderHint(QPainter::TextAntialiasing, true);
}

CQtDC::~CQtDC()
{
    m_painter.restore();
}

void CQtDC::PenSelected()
{
    m_penDirty = true;
}

void CQtDC::BrushSelected()
{
    m_brushDirty = true;
}

void CQtDC::ApplyState()
{
    if (m_penDirty && !(m_pen == m_appliedPen)) {
        const auto key = std::make_tuple(m_pen.style, m_pen.width, m_pen.color);
        auto it = m_pens.find(key);
        if (it == m_pens.end()) {
            QPen pen(ToQColor(m_pen.color));
            pen.setStyle(QtPenStyle(m_pen.style));
            // A width of 0 is one pixel at every zoom.
            const double w = m_pen.width * m_map.scale;
            pen.setWidthF(m_pen.width <= 0 || w < 1 ? 0 : w);
            pen.setCapStyle(Qt::RoundCap);
            pen.setJoinStyle(Qt::RoundJoin);
            it = m_pens.emplace(key, pen).first;
        }
        m_painter.setPen(it->second);
        m_appliedPen = m_pen;
    }
    m_penDirty = false;
    if (m_brushDirty && !(m_brush == m_appliedBrush)) {
        if (m_brush.hollow) {
            m_painter.setBrush(Qt::NoBrush);
        } else {
            m_painter.setBrush(BrushOf(m_brush.color));
        }
        m_appliedBrush = m_brush;
    }
    m_brushDirty = false;
    ApplyRop();
}

void CQtDC::Antialias(bool on)
{
    if (m_antialias != on) {
        m_antialias = on;
        m_painter.setRenderHint(QPainter::Antialiasing, on);
    }
}

void CQtDC::ApplyRop()
{
    if (m_appliedRop != m_rop) {
        m_appliedRop = m_rop;
        m_painter.setCompositionMode(m_rop == R2_XORPEN ? QPainter::RasterOp_SourceXorDestination
                                                        : QPainter::CompositionMode_SourceOver);
    }
}

const QBrush& CQtDC::BrushOf(COLORREF color)
{
    auto it = m_brushes.find(color);
    if (it == m_brushes.end())
        it = m_brushes.emplace(color, QBrush(ToQColor(color))).first;
    return it->second;
}

CPoint CQtDC::MoveTo(const CPoint& p)
{
    const CPoint old = m_current;
    m_current = p;
    return old;
}

void CQtDC::LineTo(const CPoint& p)
{
    const bool axis = m_current.x == p.x || m_current.y == p.y;
    const bool hairline = m_pen.width <= 0 || m_pen.width * m_map.scale < 1;
    if (axis && hairline && m_pen.style == PS_SOLID) {
        // A one-pixel line along an axis is a row or column of pixels: filled
        // as such it is as sharp as can be and costs a fraction of a stroke
        // (zoomed out, most of a sheet is such lines).
        ApplyRop();
        Antialias(false);
        const QPointF a = m_map.Map(m_current), b = m_map.Map(p);
        const int x = int(std::lround(std::min(a.x(), b.x())));
        const int y = int(std::lround(std::min(a.y(), b.y())));
        const int w = int(std::lround(std::max(a.x(), b.x()))) - x + 1;
        const int h = int(std::lround(std::max(a.y(), b.y()))) - y + 1;
        m_painter.fillRect(QRect(x, y, w, h), ToQColor(m_pen.color));
        m_current = p;
        return;
    }
    ApplyState();
    Antialias(true);
    m_painter.drawLine(m_map.Map(m_current), m_map.Map(p));
    m_current = p;
}

void CQtDC::ArcOrPie(const CRect& box, const CPoint& start, const CPoint& end, bool pie)
{
    ApplyState();
    Antialias(true);
    const QRectF r = m_map.Map(box);
    const QPointF c = r.center();
    double a1 = AngleOf(c, m_map.Map(start)), a2 = AngleOf(c, m_map.Map(end));
    if (m_arcDirection == AD_CLOCKWISE)
        std::swap(a1, a2);
    double span = a2 - a1;
    while (span <= 0)
        span += 360;
    if (start == end)
        span = 360;
    const int qa = int(std::lround(a1 * 16)), qs = int(std::lround(span * 16));
    if (pie)
        m_painter.drawPie(r, qa, qs);
    else
        m_painter.drawArc(r, qa, qs);
}

void CQtDC::Arc(const CRect& box, const CPoint& start, const CPoint& end)
{
    ArcOrPie(box, start, end, false);
}

void CQtDC::Pie(const CRect& box, const CPoint& start, const CPoint& end)
{
    ArcOrPie(box, start, end, true);
}

void CQtDC::Ellipse(const CRect& box)
{
    ApplyState();
    const QRectF r = m_map.Map(box);
    if (r.width() < 3.5 && r.height() < 3.5 && !m_brush.hollow) {
        // A dot of a few pixels: a square of its colour looks the same and
        // costs a fraction of a curve (zoomed out, junctions are such dots).
        Antialias(false);
        m_painter.fillRect(r.toRect(), ToQColor(m_brush.color));
        return;
    }
    Antialias(true);
    m_painter.drawEllipse(r);
}

void CQtDC::Polygon(const CPoint* points, int count)
{
    if (count <= 0)
        return;
    ApplyState();
    Antialias(true);
    QPolygonF poly;
    poly.reserve(count);
    for (int i = 0; i < count; ++i)
        poly << m_map.Map(points[i]);
    m_painter.drawPolygon(poly);
}

void CQtDC::DrawFocusRect(const CRect& r)
{
    m_painter.save();
    m_painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    QPen pen(Qt::white);
    pen.setStyle(Qt::DotLine);
    pen.setWidth(0);
    m_painter.setPen(pen);
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawRect(m_map.Map(r));
    m_painter.restore();
}

void CQtDC::TextOut(const CPoint& p, const CString& text)
{
    const double pixels = FontSize() * m_map.scale;
    if (text.IsEmpty() || pixels < 1.0)
        return; // below a pixel a text shows nothing
    ApplyState();
    Antialias(true);
    const FontKey key{MapFaceName(m_font.FaceName()),
                      m_font.lfWeight > 0 ? int(m_font.lfWeight) : 400, m_font.lfItalic != 0,
                      m_font.lfUnderline != 0, m_font.lfStrikeOut != 0};
    const QString s = ToQString(text);
    const double k = pixels / kReferencePixels;
    const QFont font = ReferenceFont(key);
    double dx = 0;
    if ((m_align & TA_CENTER) == TA_CENTER)
        dx = -ReferenceWidth(key, s) / 2;
    else if (m_align & TA_RIGHT)
        dx = -ReferenceWidth(key, s);
    double dy = 0; // the baseline
    if ((m_align & TA_BASELINE) != TA_BASELINE) {
        const QFontMetricsF fm(font);
        dy = (m_align & TA_BOTTOM) ? -fm.descent() : fm.ascent();
    }
    m_painter.save();
    m_painter.translate(m_map.Map(p));
    // Quarter turns counter-clockwise on the sheet are clockwise turns of
    // the y-down painter taken negative.
    switch (TextDirectionOfEscapement(m_font.lfEscapement)) {
    case dir::k90:
        m_painter.rotate(-90);
        break;
    case dir::k180:
        m_painter.rotate(180);
        break;
    case dir::k270:
        m_painter.rotate(90);
        break;
    default:
        break;
    }
    m_painter.scale(k, k);
    m_painter.setFont(font);
    m_painter.setPen(ToQColor(m_textColor));
    m_painter.drawText(QPointF(dx, dy), s);
    m_painter.restore();
}

bool CQtDC::RectVisible(const CRect& r) const
{
    const int l = std::min(r.left, r.right), h = std::max(r.left, r.right);
    const int b = std::min(r.top, r.bottom), t = std::max(r.top, r.bottom);
    return l <= m_clipSheet.right && h >= m_clipSheet.left && b <= m_clipSheet.bottom &&
           t >= m_clipSheet.top;
}
