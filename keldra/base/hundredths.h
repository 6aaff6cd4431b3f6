// Coordinates as people read them: value / 100 with two decimals, in the
// "%4d.%02d" layout of the reports.  The sign is written once, before the
// whole part: -150 is "-1.50" and -50 is "-0.50" (printing quotient and
// remainder separately would give "-1.-50" and "0.-50").
#pragma once

#include <cstdint>
#include <cstdio>

#include "base/string.h"

inline CString FormatHundredths(int32_t value)
{
    const int64_t magnitude = value < 0 ? -int64_t(value) : int64_t(value);
    char whole[24];
    std::snprintf(whole, sizeof whole, "%s%lld", value < 0 ? "-" : "",
                  (long long)(magnitude / 100));
    return CString::Formatted("%4s.%02d", whole, int(magnitude % 100));
}
