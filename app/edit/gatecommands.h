// The gate commands on the part being placed or on one selected part of a
// package with several gates: Next Gate (N), Before Gate (B) put the
// package's next or previous gate in its place, with the part's reference
// number, value, display switches and inverted form; Invert (I) switches the
// logic-inverted form.  A resting selection changes as one undo step.
#pragma once

class CEditEngine;
class CPart;
class CSheet;

// A part being placed, or exactly one part with several gates selected.
bool CanChangeGate(CEditEngine& engine);
// step +1 next, -1 before; false when the package's gates cannot be found.
bool ChangeGate(CEditEngine& engine, int step);
bool InvertGate(CEditEngine& engine);
// The gate of gates that follows part by step (wrapping), set up in its
// place; false when gates holds fewer than two.  wrapped tells whether the
// count went round.
bool NextGateOf(const CPart& part, const CSheet& gates, int step, CPart& out, bool& wrapped);
