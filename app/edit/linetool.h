// CLineTool: routing wires, buses and plain lines.
//
// The first click starts a run: two legs follow the cursor from the segment
// start, the fixed-direction current segment and the bend segment to the
// cursor, shaped by the routing mode (0 free, 1 right angles, 2 right angles
// and 45 degrees).  Every further click commits the legs as one recorded
// addition (with the junction dots a wire now needs) and starts the next
// segment there.  Backspace takes the last committed segment back.
#pragma once

#include <vector>

#include "base/point.h"

class CEditEngine;
class CLine;

class CLineTool {
public:
    explicit CLineTool(CEditEngine& engine) : m_e(engine) {}

    bool Running() const { return m_running; }
    int Mode() const { return m_mode; }
    bool Power() const { return m_power; }
    int Segments() const { return int(m_starts.size()); }

    void Click(const CPoint& p, int tool);
    void Follow(const CPoint& p);
    // Takes the last committed segment back; false when there is none.
    bool Backspace();
    // Right click during a run: back one segment, or end the run.
    void RightClick(int flags);
    // Ends the run; what was committed stays.
    void End();
    // L, "+", "/".
    void StepMode();
    void PlusMode();
    void FreeMode();
    // P: the power flag of the run.
    void TogglePower();
    // S: next dash style of the legs; F6/F7: arrows of the legs.
    void NextStyle();
    void Arrow(int which);

private:
    void StartLegs(const CPoint& p);
    void Route();
    CLine* Current();
    CLine* Bend();

    CEditEngine& m_e;
    bool m_running = false;
    int m_tool = 0;
    int m_mode = 0;
    bool m_power = false;
    CPoint m_start, m_bend, m_cursor;
    std::vector<CPoint> m_starts; // the start of every committed segment
};
