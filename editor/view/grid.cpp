#include "editor/view/grid.h"

#include <algorithm>
#include <cmath>

namespace {

int SnapAxis(int v, int g)
{
    // Truncating division: points left of or below zero go towards zero,
    // where the sheet begins (clicks outside the sheet are clamped anyway).
    long long s = (long long)(v / g) * g;
    if (v % g > g / 2)
        s += g;
    return int(std::clamp<long long>(s, INT32_MIN, INT32_MAX));
}

} // namespace

CPoint SnapToGrid(const CPoint& p, int pitch)
{
    if (pitch <= 0)
        return p;
    return CPoint(SnapAxis(p.x, pitch), SnapAxis(p.y, pitch));
}

int GridDrawSpacing(int pitch, double pixelsPerUnit, int minPixels)
{
    if (pitch <= 0 || !(pixelsPerUnit > 0))
        return 0;
    long long spacing = pitch;
    double distance = pitch * pixelsPerUnit;
    while (distance <= minPixels) {
        spacing *= 10;
        distance *= 10;
        if (spacing > INT32_MAX / 10)
            return 0;
    }
    return int(spacing);
}

CGridSpan GridSpan(long long low, long long high, int spacing, int sheetSize)
{
    CGridSpan span;
    if (spacing <= 0)
        return span;
    low = std::max<long long>(low, 0);
    const long long end = std::min<long long>(high, sheetSize);
    span.first = low / spacing * spacing;
    // Points at the end itself are not drawn.
    span.last = end <= span.first ? span.first - 1 : (end - 1) / spacing * spacing;
    return span;
}
