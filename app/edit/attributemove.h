// CAttributeMove: Move Attribute - only the texts of the selection move (a
// part's reference, name and value, line names, pin names and numbers, free
// texts); the items stay where they are.  The first click fixes the base
// point, the next moves the marked texts by the difference and ends.
#pragma once

#include "base/point.h"

class CEditEngine;
class CSheet;

class CAttributeMove {
public:
    explicit CAttributeMove(CEditEngine& engine) : m_e(engine) {}

    // Which texts move: the shown texts of the selected items, with
    // allTexts also every text inside parts (their pins' and their own
    // texts).  False when nothing is selected.
    bool Start(bool allTexts);
    // Base point, then the move (one undo step) and the end of the command.
    void Click(const CPoint& p);
    bool HasBase() const { return m_hasBase; }
    // R, X, Y and the flip commands in this mode turn the marked texts about c.
    void Rotate(const CPoint& c);
    void Flip(const CPoint& c, bool horizontal);
    // Shift+Page Up/Down in this mode: the marked shown texts one size step
    // up or down (the items keep their sizes).
    void Resize(bool up);
    // The marks live only while the texts move: they are part of the stored
    // words, so no other edit may meet them.
    void Mark(CSheet& s) const;
    static void Unmark(CSheet& s);

private:
    CEditEngine& m_e;
    bool m_hasBase = false;
    bool m_all = false;
    CPoint m_base;
};
