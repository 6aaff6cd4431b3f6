#include "editor/view/gesture.h"

Gesture ClassifyGesture(int dx, int dy)
{
    if (dx < -10)
        return dy < -20 ? Gesture::ZoomIn : dy > 20 ? Gesture::ZoomOut : Gesture::ZoomLast;
    if (dx > 10)
        return dy < -20 ? Gesture::ZoomAll : dy > 20 ? Gesture::ZoomRect : Gesture::Cancel;
    return Gesture::Center;
}
