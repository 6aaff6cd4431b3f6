// Schematic files assembled field by field from the archive primitives, in
// the layout each file version has, without going through the item or sheet
// writers.  Tests read them to check the readers against the format itself,
// and the sample files under tests/data are made from them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/archive.h"
#include "base/logfont.h"
#include "base/point.h"
#include "base/rect.h"

namespace rec {

// A text record's fields.  The font is written only when attr has 0x2000 and
// the version is 6 or newer.
struct Text {
    std::string s;
    CPoint p;
    int size = 70;
    uint32_t attr = 8;
    LOGFONT font;
};

void PutHeaderLine(CArchive& ar, int version);
// The document header of a version: property list from 7, visible area from 4.
void PutDocHeader(CArchive& ar, int version, const std::vector<std::string>& properties, int width,
                  int height, int sizeCode, const CRect& visible);
void PutText(CArchive& ar, int version, const Text& t);
// A line record with names.  Plain lines (type kind 1) carry the text flags
// only from version 6 and the arrow word (in tens) only from version 7.
void PutLine(CArchive& ar, int version, uint32_t type, CPoint a, CPoint b,
             const Text* name = nullptr, int startArrowTens = 0, int endArrowTens = 0);
void PutJunc(CArchive& ar, CPoint p);
void PutPin(CArchive& ar, int version, CPoint body, CPoint tip, uint32_t angle, uint32_t elect,
            const Text* name = nullptr, const Text* no = nullptr);
// Arrows (in tens) are stored from version 8.
void PutArc(CArchive& ar, int version, CPoint centre, int radius, int start, int end, int type,
            int startArrowTens = 0, int endArrowTens = 0);
// The part header up to and including its name texts; the four counted lists
// follow (line records in a part use version 0 layout below version 8).
void PutPartHead(CArchive& ar, int version, CPoint org, CPoint c1, CPoint c2, int packageMax,
                 int package, int angle, int attr, const Text* name, const Text* ref,
                 const Text* value);

} // namespace rec

// The sample drawing as a file of the given version (3 to 8): wires, a bus,
// plain lines, junctions, a loose pin, texts, an arc and a part with pins.
// What a version cannot hold (labels of plain lines before 6, arrows, fonts)
// is simply absent from its file.
std::vector<uint8_t> SampleSchematic(int version);
// The sample drawing in the plain text form.
std::string SampleTextForm();

// What reading a sample gives (the counts `vireo-cli info` prints).
struct SampleCounts {
    int wires, buses, lines, juncs, pins, texts, arcs, parts;
};
SampleCounts SampleSchematicCounts(int version);
SampleCounts SampleTextFormCounts();
