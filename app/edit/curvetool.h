// CCurveTool: arcs and circles by centre, start point and end point.
//
// The first click fixes the centre and a construction line follows the
// cursor; the second fixes the radius and the start angle and the arc
// follows the cursor with its end angle (Shift: a full circle); the third
// adds the arc as one recorded addition.  The angle mode snaps the angles to
// steps of 15 or 45 degrees.
#pragma once

#include "base/point.h"

class CEditEngine;

class CCurveTool {
public:
    explicit CCurveTool(CEditEngine& engine) : m_e(engine) {}

    int Stage() const { return m_stage; }
    int Mode() const { return m_mode; }
    int Radius() const;
    int StartAngle() const { return m_startAngle; }
    int EndAngle() const { return m_endAngle; }
    int AngleAt(const CPoint& p) const; // of p seen from the centre, 0..359

    void Click(const CPoint& p, int flags);
    void Follow(const CPoint& p, int flags);
    // Discards what is being drawn.
    void Discard();
    void StepMode();
    void NextStyle();
    void Arrow(int which);

private:
    int Snapped(int angle) const;
    void Show(int flags);

    CEditEngine& m_e;
    int m_stage = -1;
    int m_mode = 0;
    int m_style = 0;
    int m_arrows[2] = {0, 0};
    CPoint m_centre, m_startPoint, m_cursor;
    int m_startAngle = 0, m_endAngle = 0;
};
