// The text search of one sheet: every occurrence of a string among the
// texts Find looks at, in a fixed order, and the two ways a document is
// searched - stepping through the occurrences one at a time, or selecting
// every matching item at once.
//
// The order: the names of wires, then of buses; then part by part (in the
// sheet's list order) the part name, reference and value, each pin's name
// and number, and the part's own texts; then the loose pins (name before
// number); last the free texts.  Each text counts once, so that stepping
// never shows the same text twice.
#pragma once

#include <vector>

#include "app/edit/findoptions.h"
#include "base/point.h"
#include "base/string.h"
#include "sheet/sheet.h"

class CEditEngine;

struct CFindHit {
    int kind = 0;  // one findkind bit
    CString text;  // the text that matched, as stored
    CPoint point;  // where it stands on the sheet
    CItemRef item; // the wire, bus, part, loose pin or free text it belongs to
};

// The search string as the comparison takes it: upper case unless case matters.
CString PreparedSearch(const CString& text, bool matchCase);

// Every occurrence of the options' search string in sheet, in order.
std::vector<CFindHit> FindOccurrences(const CSheet& sheet, const CFindOptions& options);

// The items that hold a match (the wires, parts, loose pins and free
// texts) in the order above, each once.
std::vector<CItemRef> FindMatchingItems(const CSheet& sheet, const CFindOptions& options);

// One document's search: counter is the number of occurrences shown so far
// (0 when no search is in progress).  Mode 0 starts over, mode 1 goes on.
// Returns the next occurrence, or none (the counter back at 0).
bool NextOccurrence(const CSheet& sheet, const CFindOptions& options, int mode, int& counter,
                    CFindHit& hit);

// Selects every matching item of the engine's drawing (what went on before
// is ended first); true when the selection is not empty afterwards.
bool SelectMatches(CEditEngine& engine, const CFindOptions& options);
