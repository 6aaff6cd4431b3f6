#include "export/numberformat.h"

#include <charconv>
#include <cmath>

std::string FormatFixed(double v, int decimals)
{
    if (!std::isfinite(v))
        v = 0;
    // Large enough for any double in fixed notation (309 integer digits).
    char buffer[400];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed, decimals);
    if (r.ec != std::errc())
        return "0";
    return std::string(buffer, r.ptr);
}
