// CViewOptions: what every sheet view of the program shares - the settings
// the view reads and the display state the main window holds (current grid
// pitch, grid style and switch, the display colours, the item switches).
#pragma once

#include <vector>

#include "base/dc.h"
#include "export/drawcontext.h"

// A display colour of the "Color" settings section: its key and what it
// colours - an entry of the item colour table, or one of the view's own.
struct CDisplayColorKey {
    enum Target { Item, Background, Grid, SubGrid, Cursor };
    const char* key;
    Target target;
    int index; // Item: the colour table index
};
// Every display colour the colour page offers, in its order.
const std::vector<CDisplayColorKey>& DisplayColorKeys();

struct CViewOptions {
    // Settings of the "Sheet" section (and Color/Cursor).
    int zoomAspect = 20; // percent per zoom step
    int gridSize = 7;    // fewest pixels between drawn grid points
    int mainGrid = 100;
    int subGrid = 50;
    bool titleDisp = true;
    bool scrollRepaint = false;
    int attrMove = 0;
    bool wheelScroll = false;
    int cursorSetting = 0;
    COLORREF cursorColor = 0xFFFFFF;

    // Display state of the main window.
    int gridPitch = 100; // the current grid: mainGrid or subGrid
    int gridStyle = 0;   // 0 dots, 1 dots with circles on main-grid points
    bool gridShown = true;
    COLORREF background = RGB(255, 255, 255);
    COLORREF gridColor = RGB(128, 128, 128);
    COLORREF subGridColor = RGB(192, 192, 192);
    CDisplaySwitches show;
    CDrawContext::ColorTable screenColors = CDrawContext().screenColors;
    // Counts the loads, so that a view knows when to read its drawing
    // settings again.
    int generation = 0;

    // Reads the settings store (and starts the grid on the main pitch).
    void Load();
    // Reads the settings store again after the options changed; the grid
    // stays on the sub grid when it was there.
    void Reload();
    // The zoom factor of one step: 1 + ZoomAspect / 100.
    double ZoomStep() const { return 1.0 + zoomAspect / 100.0; }
    // The crosshair style: setting 0 gives style 1 (a small cross), 1 gives
    // style 2 (an arrow), any other value style 0 (the full-window cross).
    int CursorStyle() const { return cursorSetting == 0 ? 1 : cursorSetting == 1 ? 2 : 0; }
    // The Grid command: between the main and the sub grid.
    void ToggleGrid() { gridPitch = gridPitch == mainGrid ? subGrid : mainGrid; }
};
