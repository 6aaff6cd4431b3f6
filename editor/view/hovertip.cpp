#include "editor/view/hovertip.h"

#include "editor/view/qtstring.h"
#include "items/arc.h"
#include "items/line.h"
#include "items/part.h"
#include "items/pin.h"
#include "items/text.h"
#include "sheet/sheet.h"

namespace {

bool Near(const CRect& r, const CPoint& p, int tolerance)
{
    const CRect n = r.Normalized();
    return p.x >= n.left - tolerance && p.x <= n.right + tolerance && p.y >= n.top - tolerance &&
           p.y <= n.bottom + tolerance;
}

// The rectangle of a segment (a pin's stroke, a line).
CRect Span(const CPoint& a, const CPoint& b)
{
    return CRect(std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y));
}

QString Padded(int value)
{
    return QString::number(value).leftJustified(3);
}

} // namespace

QString CHoverTip::Text(const CSheet& sheet, const CPoint& p, int tolerance,
                        const WireIndex& wireIndex)
{
    // Parts first: they lie over the wires that end on their pins.
    for (const CPart& part : sheet.Parts()) {
        if (!Near(part.GetBoundingRect(), p, tolerance))
            continue;
        QString tip = tr("<Part name> ") + ToQString(part.GetPartName());
        tip += "\n" + tr("<Reference> ") + ToQString(part.GetRefName());
        tip += "\n" + tr("<Value> ") + ToQString(part.GetValName());
        for (const CPin& pin : part.Pins())
            if (pin.IsDisp() && Near(Span(pin.GetStartPoint(), pin.GetPoint()), p, tolerance)) {
                tip += "\n" + tr("<Pin no> %1 <Pin name> %2 (%3)")
                                  .arg(ToQString(pin.GetNo()), ToQString(pin.GetName()),
                                       ToQString(pin.GetEleName()));
                break;
            }
        int files = 0;
        for (const CText& text : part.Texts()) {
            if (!text.IsProperty())
                continue;
            const CString name = text.GetPropertyName();
            const CString value = text.GetPropertyVal(0);
            if (name.CompareNoCase("FILE") == 0)
                tip += "\n" + tr("<File %1> %2").arg(++files).arg(ToQString(value));
            else if (value.IsEmpty())
                tip += QString("\n[%1]").arg(ToQString(name));
            else
                tip += QString("\n[%1] : %2").arg(ToQString(name), ToQString(value));
        }
        return tip;
    }
    for (const CPin& pin : sheet.Pins())
        if (pin.IsDisp() && Near(Span(pin.GetStartPoint(), pin.GetPoint()), p, tolerance))
            return tr("<Pin no> ") + ToQString(pin.GetNo()) + "\n" + tr("<Pin name> ") +
                   ToQString(pin.GetName()) + "\n" +
                   tr("<Type> %1").arg(ToQString(pin.GetEleName()));
    for (const CLine& wire : sheet.Wires()) {
        const CText& name = wire.GetNameText();
        if (name.GetName().IsEmpty() || !Near(name.GetBoundingRect(), p, tolerance))
            continue;
        QString tip = tr("<Signal name> ") + ToQString(name.GetName());
        if (wireIndex)
            for (const QString& line : wireIndex(name.GetName()))
                tip += "\n" + line;
        return tip;
    }
    for (const CText& text : sheet.Texts()) {
        if (!Near(text.GetBoundingRect(), p, tolerance))
            continue;
        QString tip = tr("<Height> %1").arg(Padded(text.GetSize()));
        if (text.HasOwnFont())
            tip += "\n" + tr("<Font> ") + ToQString(text.GetFont().FaceName());
        if (!text.IsDisp() || !text.IsPrint())
            tip += "\n" + tr("<Hidden text> ") + ToQString(text.GetName());
        return tip;
    }
    for (const CArc& arc : sheet.Arcs()) {
        const int r = arc.GetRadial();
        const CPoint c = arc.GetCenter();
        const long long dx = p.x - c.x, dy = p.y - c.y;
        const long long d2 = dx * dx + dy * dy;
        const long long lo = std::max(0, r - tolerance), hi = (long long)r + tolerance;
        if (d2 < lo * lo || d2 > hi * hi)
            continue;
        QString tip = tr("<Start> %1 <End> %2 <Radius> %3")
                          .arg(Padded(arc.GetStartAngle()), Padded(arc.GetEndAngle()), Padded(r));
        if (arc.GetStartArrow() || arc.GetEndArrow())
            tip += "\n" +
                   tr("<Arrow> %1").arg(Padded(std::max(arc.GetStartArrow(), arc.GetEndArrow())));
        return tip;
    }
    for (const CLine& line : sheet.Lines())
        if ((line.GetStartArrow() || line.GetEndArrow()) &&
            Near(Span(line.GetStartPoint(), line.GetEndPoint()), p, tolerance))
            return tr("<Arrow> %1").arg(Padded(std::max(line.GetStartArrow(), line.GetEndArrow())));
    return QString();
}
