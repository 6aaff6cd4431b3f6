// CSelectionEdits: building the selection and the edits made on it.
//
// Selecting moves items from the drawing into the selection sheet (the
// reselect sheet keeps a copy); Cancel puts that copy back.  Move and Copy
// let the selection follow the cursor by whole grid steps; flips and turns
// act about the stored pivot.  A change made to a resting selection is
// recorded at once as one change (old copies, new copies) and the reselect
// copy follows it, so that Cancel and Undo agree about where items belong.
// A selection that is moving or being copied is recorded when it is placed.
#pragma once

#include <functional>

#include "base/point.h"
#include "base/rect.h"
#include "sheet/sheet.h"

class CEditEngine;

class CSelectionEdits {
public:
    explicit CSelectionEdits(CEditEngine& engine) : m_e(engine) {}

    // --- building the selection ---------------------------------------------------------------
    // The item of sheet under p (within the hit distance); None when there is none.
    CItemRef ItemAt(const CSheet& sheet, const CPoint& p) const;
    // Ctrl+click: a selected item goes back, an unselected one joins.
    void ToggleAt(const CPoint& p);
    // Plain click on an item in selection mode: it becomes the selection.
    bool SelectAt(const CPoint& p);
    // Shift+click: chains of lines; false when nothing was selected.
    bool ChainAt(const CPoint& p);
    // The select box: every item of the drawing lying inside r joins.
    void SelectInside(const CRect& r);
    void SelectAll();
    void Reselect();
    // R with nothing selected: the single line, bus, wire, pin or text under p.
    bool PickAt(const CPoint& p);
    // Everything selected goes back into the drawing unchanged.
    void ReturnAll();
    // After the selection changed: the state that goes with it.
    void SelectionChanged();

    // --- edits
    // ------------------------------------------------------------------------------------
    void StartMove();
    void StartCopy();
    // Pasted items in the selection follow the cursor from base (state Paste).
    void StartPaste(const CPoint& base);
    // The click of states 9 to 12: base point, or placing.
    void Click(const CPoint& p, int flags);
    // The cursor moved while moving or placing copies.
    void Follow(const CPoint& p);
    void Erase();
    // Cancel of a move or copy: the items go back where they were.
    void CancelMove();
    void Flip(bool horizontal);
    void Rotate(int dir);
    // Applies fn to the selection sheet; recorded as one change when the
    // selection rests and fn reports a change.  Returns what fn returned.
    bool Change(const std::function<bool(CSheet&)>& fn);
    // J: the junction at p goes, or one is added where it belongs.
    void ToggleJunction(const CPoint& p);
    // H (corner trim) and Shift+H (wires cut back at the selected parts' pins).
    void CornerTrim();
    void TrimParts();
    // Items follow the cursor offset from the base point.
    bool IsResting() const;
    // The copy increment with step 0 on the copy at the cursor.
    void CopyIncrement();

private:
    void PlaceMove(const CPoint& p, int flags);
    void PlaceCopy(const CPoint& p);
    // Shift at the placing click of parts: the wires ending on their pins
    // follow them; false when there were none.
    bool StretchWires(CSheet& out);
    void FollowTo(const CPoint& target);
    CPoint PivotPoint();

    CEditEngine& m_e;
    CPoint m_base;             // the base point of a move or copy
    CPoint m_applied;          // the offset the selection has been given so far
    bool m_turned = false;     // flipped, turned or changed while moving
    bool m_pasteFresh = false; // a paste not placed yet may land where it came from
};

// A rectangle grown by d on every side.
CRect Inflated(const CRect& r, int d);
// The union of two rectangles, an empty one not counting.
CRect Union(const CRect& a, const CRect& b);
