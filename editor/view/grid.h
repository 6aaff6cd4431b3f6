// The grid of the sheet view: snapping points to it and choosing which grid
// points are drawn at a given zoom.
#pragma once

#include "base/point.h"

// Rounds each coordinate to the nearest multiple of pitch; a point exactly
// half a pitch past a grid line stays on that line.  Below zero the
// division truncates towards zero.
CPoint SnapToGrid(const CPoint& p, int pitch);

// The spacing the grid is drawn with: the pitch, times 10 as often as needed
// until neighbouring points are more than minPixels apart; 0 when nothing is
// drawn (no pitch, or points that cannot be told apart at any spacing).
int GridDrawSpacing(int pitch, double pixelsPerUnit, int minPixels);

// The multiples of spacing drawn on one axis for the visible range
// [low, high]: from the first multiple at or before low (never below 0) up to,
// but excluding, the smaller of high and the sheet size.  first > last when
// none.
struct CGridSpan {
    long long first = 0;
    long long last = -1; // the last point drawn
};
CGridSpan GridSpan(long long low, long long high, int spacing, int sheetSize);
