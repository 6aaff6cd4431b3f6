// CArc: a circular arc by centre, radius and two angles in whole degrees,
// running counter-clockwise from the start angle to the end angle.  Equal
// angles make a full circle.  Arcs are drawing items only; they never take
// part in connectivity.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "base/point.h"
#include "base/rect.h"
#include "base/string.h"

class CArchive;
class CDC;
class CDrawContext;
class CPDFPage;
class CDxfWriter;

class CArc {
public:
    // Type word.
    static constexpr int kStyleMask = 0xE00;
    static constexpr int kStyleShift = 9;
    static constexpr int kFilled = 0x8000;
    static constexpr int kArrowSize = 100;
    static constexpr int kDefaultWidth = 8;

    CArc();
    // Angles of 360 or more are reduced below 360.
    CArc(const CPoint& centre, int radius, int startAngle, int endAngle, int type = 0, int width = kDefaultWidth);
    // The arc through three points (SetArcPoint).
    CArc(const CPoint& first, const CPoint& second, const CPoint& third, int type, int width);

    // --- accessors ---------------------------------------------------------------
    int GetType() const { return m_type; }
    void SetType(int type) { m_type = type; }
    int GetStyle() const { return (m_type & kStyleMask) >> kStyleShift; }
    bool IsFilled() const { return (m_type & kFilled) != 0; }
    const CPoint& GetCenter() const { return m_center; }
    int GetRadial() const { return m_radius; }
    int GetStartAngle() const { return m_startAngle; }
    int GetEndAngle() const { return m_endAngle; }
    void SetStartAngle(int angle) { m_startAngle = angle; }
    void SetEndAngle(int angle) { m_endAngle = angle; }
    bool IsCircle() const { return m_startAngle == m_endAngle; }
    int GetLineWidth() const { return m_width; }
    void SetLineWidth(int width) { m_width = width; }

    int GetStartArrow() const { return m_startArrow; }
    int GetEndArrow() const { return m_endArrow; }
    void SetArrow(int start, int end)
    {
        m_startArrow = start;
        m_endArrow = end;
    }
    // Toggles one arrow between 0 and 100: 1 start, 2 end.
    void SetArrow(int which);
    int IsArrow() const { return (m_startArrow ? 1 : 0) | (m_endArrow ? 2 : 0); }

    int GetStartCheck() const { return m_startCheck; }
    int GetEndCheck() const { return m_endCheck; }
    void SetCheck(int flag) { m_startCheck = m_endCheck = flag; }
    // Each flag from whether the point at that angle lies in rect.
    void SetCheck(const CRect& rect);
    // True when exactly one end is marked.
    bool CheckEdge() const { return (m_startCheck != 0) != (m_endCheck != 0); }

    // --- geometry ------------------------------------------------------------------
    // (c.x + trunc(r cos a), c.y + trunc(r sin a)) for a in degrees.
    CPoint GetPoint(int angle) const;
    CPoint GetStartPoint() const { return GetPoint(m_startAngle); }
    CPoint GetEndPoint() const { return GetPoint(m_endAngle); }
    void SetArcPoint(const CPoint& first, const CPoint& second, const CPoint& third);
    void SetArcPoint2(const CPoint& first, const CPoint& second, const CPoint& centre);
    // Moves the centre onto the chord's perpendicular bisector, towards point.
    void SetCenter(const CPoint& point);
    // Sets one angle towards a position; snap 1: 15 degree steps, 2: 45.
    void SetStartAngle(const CPoint& position, int snap);
    void SetEndAngle(const CPoint& position, int snap);
    void SetCircle();
    // The four points of an arrow head (start: true for the start arrow), in
    // drawing order: notch, wing, tip, other wing.
    std::array<CPoint, 4> GetArrowPolygon(bool start) const;
    CRect GetBoundingRect() const;
    CRect GetBoundingRect2() const;

    // --- transforms ----------------------------------------------------------------
    // With exactly one end marked, that end's angle turns towards the position
    // d (the cursor); otherwise the centre moves by d.
    void Offset(const CPoint& d, int snap = 0);
    void Rotate(const CPoint& c, int dir);
    void MirrorX(const CPoint& c);
    void MirrorY(const CPoint& c);

    // --- drawing and export (keldra/export) ----------------------------------------
    void DrawArc(CDC& dc, const CDrawContext& ctx) const;
    void SerializeDXF(CDxfWriter& dxf, int layer) const;
    void SerializeTango(CArchive& ar) const;

    friend bool operator==(const CArc& a, const CArc& b);
    friend bool operator!=(const CArc& a, const CArc& b) { return !(a == b); }

    // --- stored forms --------------------------------------------------------------
    // The smallest binary record (before arrows were stored).
    static constexpr size_t kMinStoredSize = 8 + 4 + 4 + 4 + 4;
    void DataWrite(CArchive& ar) const;
    void DataRead(CArchive& ar, int version);
    // "Arc cx cy r start end width type startArrow endArrow"
    void SerializeText(CArchive& ar) const;
    void ReadTextRecord(const CString& line);

private:
    int m_type = 0;
    CPoint m_center;
    int m_radius = 0;
    int m_startAngle = 0;
    int m_endAngle = 0;
    int m_startCheck = 0;
    int m_endCheck = 0;
    int m_width = kDefaultWidth;
    int m_startArrow = 0;
    int m_endArrow = 0;
};
