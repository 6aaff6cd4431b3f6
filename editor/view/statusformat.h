// The texts of the sheet view's status bar that do not depend on the language.
#pragma once

#include <string>

#include "base/point.h"

// "X:%4d.%02d Y:%4d.%02d": the point in hundredths of an inch.  A coordinate
// left of or below the sheet shows its sign once ("-1.50", not "-1.-50").
std::string CoordinateText(const CPoint& p);
// "%d%%": the zoom relative to the whole sheet fitted to the window.
std::string ZoomText(double fitRatio);
