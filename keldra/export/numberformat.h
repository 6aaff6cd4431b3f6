// Fixed-point number text for the exporters: no locale, no fixed buffers.
#pragma once

#include <string>

// v with exactly decimals digits after the point ("%.Nf" in the C locale);
// a value that is not finite is written as 0.
std::string FormatFixed(double v, int decimals);
