// Which wires, junctions and pins touch, in the two senses that matter.
//
// Joined contacts are the ones net extraction connects (netextract.cpp):
//   - two wires sharing an end point;
//   - a junction lying on a wire's stroke (within its width), a junction at
//     a pin's tip, two junctions at one point;
//   - a pin (only visible pins take part) whose tip is an end of a wire, and
//     two pins tip to tip;
//   - a named wire and the name it carries (equal names join anywhere on the
//     sheet; names are compared without case).
// Seen contacts are the ones a person reading the drawing takes for
// connections although extraction does not:
//   - two wires of one list lying on one line and overlapping over a stretch;
//   - a wire lying along a pin's stroke up to (or past) the tip.
// A wire end in the middle of another wire, a pin tip in the middle of a
// wire and two wires crossing touch in neither sense (a junction joins them).
//
// The wire upkeep merges, trims and deletes wires.  Calling N the grouping by
// joined contacts and U the grouping by both kinds, every change it makes
// must keep N(before) finer than N(after), and U as it was: it never parts
// what extraction joined and never joins or parts what the user sees, so
// N(after) stays finer than U(before), over any sequence of changes.  Merging
// overlapping wires and cutting a wire back to a pin tip make a seen contact
// real.
//
// A change is checked on the items that touch the changed lines before or
// after it (and the names those lines carry): any path through the rest of
// the sheet runs through those items, so when the local groupings keep the
// rule, so do those of the whole sheet.
#pragma once

#include <span>

#include "base/point.h"

class CLine;
class CJunc;
class CPin;
class CString;

enum class CContactKind { None, Joined, Seen };

struct CContact {
    enum Kind { Wire, Junc, Pin, Name };
    Kind kind = Wire;
    CPoint a;                      // wire start, junction point, pin body end
    CPoint b;                      // wire end, junction point, pin tip
    int width = 0;                 // wires
    const CString* name = nullptr; // a wire's name (null when it has none), a name's text
    const void* id = nullptr;      // the item this stands for

    static CContact Of(const CLine& line);
    static CContact Of(const CJunc& junc);
    static CContact Of(const CPin& pin);
};

CContactKind ContactBetween(const CContact& x, const CContact& y);
inline bool Touching(const CContact& x, const CContact& y)
{
    return ContactBetween(x, y) != CContactKind::None;
}

// neighbours: every item touching one of the changed lines before or after
// the change (the changed lines excluded); before/after: the changed lines
// as they were and as they would be (a line absent from after is deleted).
// The names the changed lines carry are added by the check itself.
bool KeepsConnections(std::span<const CContact> neighbours, std::span<const CContact> before,
                      std::span<const CContact> after);
