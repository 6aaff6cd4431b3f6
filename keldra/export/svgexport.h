// A sheet as an SVG picture: the title block (may be null) and the drawing,
// as on paper, in the printer's colours or black.
#pragma once

#include <string>

class CDrawContext;
class CSheet;

std::string RenderSheetToSvg(const CSheet& main, const CSheet* title, int width, int height,
                             bool color, const CDrawContext& base);
