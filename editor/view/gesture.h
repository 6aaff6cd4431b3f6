// The zoom gestures of the sheet view: with both mouse buttons held (or the
// left one with Shift and Ctrl), the direction of the movement from the press
// point picks a zoom action, carried out when the button is released.
#pragma once

// The view states of the gestures (the numbers the view state uses).
enum class Gesture {
    ZoomIn = 1,   // left and up
    ZoomOut = 2,  // left and down
    ZoomLast = 4, // left
    ZoomAll = 5,  // right and up
    ZoomRect = 7, // right and down: the rectangle from press to release
    Center = 14,  // hardly moved: centre the release point
    Cancel = 15,  // right: no zoom
};

// dx, dy: the movement in pixels, y downwards.
Gesture ClassifyGesture(int dx, int dy);
