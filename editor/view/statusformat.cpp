#include "editor/view/statusformat.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

std::string Hundredths(int v)
{
    char buf[32];
    const long long a = std::llabs((long long)v);
    if (v < 0) {
        // "%4d" of the whole part would lose the sign of -0.50.
        char whole[24];
        std::snprintf(whole, sizeof whole, "-%lld", a / 100);
        std::snprintf(buf, sizeof buf, "%4s.%02lld", whole, a % 100);
    } else {
        std::snprintf(buf, sizeof buf, "%4lld.%02lld", a / 100, a % 100);
    }
    return buf;
}

} // namespace

std::string CoordinateText(const CPoint& p)
{
    return "X:" + Hundredths(p.x) + " Y:" + Hundredths(p.y);
}

std::string ZoomText(double fitRatio)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%d%%", int(std::lround(fitRatio * 100)));
    return buf;
}
