// How many sheet units one pixel of the view covers.
//
// The engine's pixel thresholds (the drag that opens a select box, the hit
// distance around items) are given in pixels of the view; the view hands its
// current mapping in as a value, and a script run uses a notional window that
// shows the whole sheet.
#pragma once

#include <algorithm>
#include <cmath>

struct CViewMapping {
    double unitsPerPixel = 1.0;

    // Sheet units covered by a distance of the given pixels (at least 1).
    int Units(double pixels) const { return std::max(1, int(std::lround(pixels * unitsPerPixel))); }

    // A window of width x height pixels showing the whole sheet.
    static CViewMapping Fit(int sheetWidth, int sheetHeight, int width = 1280, int height = 800)
    {
        CViewMapping m;
        m.unitsPerPixel = std::max(double(std::max(sheetWidth, 1)) / std::max(width, 1),
                                   double(std::max(sheetHeight, 1)) / std::max(height, 1));
        return m;
    }
};

// The pixel thresholds of the editor.
constexpr double kSelectBoxDragPixels = 9.0; // a left drag this far opens the select box
constexpr double kHitPixels = 4.0;           // how near an item a click must be
