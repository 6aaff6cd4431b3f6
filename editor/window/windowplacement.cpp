#include "editor/window/windowplacement.h"

#include <cstdio>
#include <cstdlib>

std::string CWindowPlacement::Format() const
{
    char buf[160];
    std::snprintf(buf, sizeof buf, "%u,%u,%d,%d,%d,%d,%d,%d,%d,%d", flags, show, minX, minY, maxX,
                  maxY, left, top, right, bottom);
    return buf;
}

std::optional<CWindowPlacement> CWindowPlacement::Parse(const std::string& text)
{
    long long v[10];
    const char* p = text.c_str();
    for (int i = 0; i < 10; ++i) {
        char* end = nullptr;
        v[i] = std::strtoll(p, &end, 10);
        if (end == p)
            return std::nullopt;
        p = end;
        if (i < 9) {
            if (*p != ',')
                return std::nullopt;
            ++p;
        }
    }
    while (*p == ' ' || *p == '\r' || *p == '\n')
        ++p;
    if (*p != '\0')
        return std::nullopt;
    constexpr long long kLimit = 100000;
    for (long long x : v)
        if (x < -kLimit || x > kLimit)
            return std::nullopt;
    CWindowPlacement w;
    w.flags = unsigned(v[0]);
    w.show = unsigned(v[1]);
    w.minX = int(v[2]), w.minY = int(v[3]), w.maxX = int(v[4]), w.maxY = int(v[5]);
    w.left = int(v[6]), w.top = int(v[7]), w.right = int(v[8]), w.bottom = int(v[9]);
    if (w.right - w.left < 100 || w.bottom - w.top < 100)
        return std::nullopt;
    return w;
}
