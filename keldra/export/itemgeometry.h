// The drawing geometry of items, free of any output device.
//
// Screen drawing (through CDC), PDF, DXF and Tango output all take the
// shapes of arrow heads, pin marks, text lines and text frames from here, so
// that every output shows the same drawing.  Points are sheet units; every
// product of a length and a cosine is truncated toward zero as everywhere
// else in the item code.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "base/logfont.h"
#include "base/point.h"
#include "base/rect.h"
#include "base/string.h"

class CText;
class CPin;
class CLine;

struct CSegment {
    CPoint a, b;
    friend bool operator==(const CSegment&, const CSegment&) = default;
};
using CPolyline = std::vector<CPoint>;

// Half the opening of an arrow head: 15 degrees.
constexpr double kArrowHalfAngle = 0.2617993877991492;

// The two strokes of an arrow head of length size at tip, about the
// direction from tip into the line (towards toward).
std::vector<CSegment> ArrowStrokes(const CPoint& tip, const CPoint& toward, int size);
// The arrows of a line as strokes (none for arrow sizes of 0).
std::vector<CSegment> LineArrowStrokes(const CLine& line);
// A filled arrow head: notch (0.7 size into the line), wing, tip, wing.
std::vector<CPoint> ArrowPolygon(const CPoint& tip, const CPoint& toward, int size);

// The marks and the stroke of a displayed pin.
struct CPinGeometry {
    bool clock = false;
    CPoint wedge[3]; // clock wedge, apex in the middle
    bool dot = false;
    CPoint dotCentre;
    static constexpr int kDotRadius = 25;
    CSegment stroke;   // from the body end (or the dot's far side) to the tip
    CSegment cross[2]; // the not-connected cross through the tip
};
CPinGeometry PinGeometry(const CPin& pin);

// One line of a text as it is put on the output.
struct CTextRun {
    CString text;      // the characters shown (overbar markers removed)
    CPoint anchor;     // the anchor point of this line
    CPoint baseline;   // the anchor moved onto the baseline
    CPoint origin;     // the left end of the baseline
    uint32_t horz = 0; // horizontal part of the anchor: 0 left, 6 centre, 2 right
    uint32_t vert = 8; // vertical part: 0 top, 8 bottom, 24 middle
    uint32_t direction = 0;
    int size = 0;
    int width = 0;
    std::vector<CSegment> overbars;
};

// The lines of a text with the given shown string, laid out as on the
// screen: each line one text size further down in the text's own frame.
// "~" toggles an overbar; the stretches between an odd "~" and the next one
// (or the end of the line) get an overbar along the top of the characters.
// Double-byte characters are stepped over whole.
std::vector<CTextRun> TextLayout(const CText& text);

// The outline of a frame of the given kind around rect (a text's frame
// rectangle) for a text of the given direction, as polylines; nothing for
// kind 0 or kinds that have no shape.
std::vector<CPolyline> FrameOutline(const CRect& rect, int kind, uint32_t direction);

// Removes the overbar markers and tells where overbars run (as pairs of byte
// positions into the returned string).
CString StripOverbars(const CString& line, std::vector<std::pair<int, int>>* stretches);

// The text direction (0x000..0x300, counter-clockwise quarter turns) that a
// font escapement stands for: items set 2700 for a text reading upwards and
// 900 for one reading downwards (tenths of a degree on the y-up mapping).
// Every surface turns its texts by this, so that they all agree.
uint32_t TextDirectionOfEscapement(int escapement);

// How far the left end of the baseline lies from the point a text was
// aligned on (TA_LEFT, TA_CENTER or TA_RIGHT), for a text of the given
// width running in the given direction: the surfaces that write text from
// its left end (PDF, SVG) start there.
std::pair<long long, long long> BaselineStartOffset(long long width, unsigned align,
                                                    uint32_t direction);

// The font a text is drawn with: its own font, or the default face (FontE,
// or FontJ with the Japanese character set when the string needs it), at
// height -size with left-handed angle clipping.
LOGFONT TextFont(const CText& text, const CString& shown, const CString& fontE,
                 const CString& fontJ);
