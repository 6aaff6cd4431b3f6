// The drawing as a vector picture for other programs (the "metafile"
// commands): an SVG of the selection, or of the sheet within its title
// block, in colour on the display background or in black on white.
#pragma once

#include <string>

#include "base/dc.h"
#include "base/rect.h"

class CDrawContext;
class CVIREODoc;

struct CPictureRequest {
    bool color = true;
    // Shift held: the whole sheet even with a selection (and the title
    // block with it when shown).
    bool shift = false;
    bool titleDisp = true;                    // the title block is shown
    bool backDraw = true;                     // FileSave/EMFBackDraw: fill the frame
    COLORREF background = RGB(255, 255, 255); // the display background
};

// The picture's frame: the selection's rectangle when items are selected
// and Shift is not held, else the title block's (the sheet when it has none).
CRect PictureFrame(const CVIREODoc& doc, const CPictureRequest& request);

// The whole SVG file.
std::string PictureSvg(const CVIREODoc& doc, const CDrawContext& base,
                       const CPictureRequest& request);
