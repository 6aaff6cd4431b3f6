// Which wires, junctions and pins touch, as the user reads the drawing.
//
// The wire upkeep merges, trims and deletes wires to keep the lists tidy.
// None of that may change what is connected to what, so every change it
// wants to make is first checked against this model:
//
//   - two wires touch when they share an end point, or when they lie on one
//     line and overlap over a stretch (overlapping pieces read as one wire);
//   - a junction touches a wire whose stroke it lies on (within the width);
//   - a pin (only visible pins take part) touches a wire that ends at its
//     tip, or that runs along its stroke with an end lying on the stroke -
//     the wire the tidy-up will cut back to the tip;
//   - a junction touches a pin at its tip, and two pins touch tip to tip;
//   - a wire end in the middle of another wire, a pin tip in the middle of a
//     wire and two wires crossing touch nothing (a junction joins them).
//
// A change is allowed when, among the items that touch the changed lines
// before or after the change, the grouping into connected sets stays the
// same.  Any path through the rest of the sheet runs through those items, so
// an unchanged local grouping means an unchanged grouping of the sheet.
#pragma once

#include <vector>

#include "base/point.h"

class CLine;
class CJunc;
class CPin;

struct CContact {
    enum Kind { Wire, Junc, Pin };
    Kind kind = Wire;
    CPoint a;       // wire start, junction point, pin body end
    CPoint b;       // wire end, junction point, pin tip
    int width = 0;  // wires
    const void* id = nullptr;  // the item this stands for

    static CContact Of(const CLine& line);
    static CContact Of(const CJunc& junc);
    static CContact Of(const CPin& pin);
};

bool Touching(const CContact& x, const CContact& y);

// neighbours: every item touching one of the changed lines before or after
// the change (the changed lines excluded); before/after: the changed lines
// as they were and as they would be (a line absent from after is deleted).
bool KeepsGrouping(const std::vector<CContact>& neighbours, const std::vector<CContact>& before,
                   const std::vector<CContact>& after);
