// CJunc: a junction dot where wires are joined.
#pragma once

#include <cstddef>

#include "base/point.h"
#include "base/rect.h"
#include "base/string.h"

class CArchive;
class CLine;
class CDC;
class CDrawContext;
class CPDFPage;
class CDxfWriter;

class CJunc {
public:
    static constexpr int kDotSize = 40;

    CJunc() = default;
    explicit CJunc(const CPoint& p) : m_point(p) {}

    const CPoint& GetPoint() const { return m_point; }
    void SetPoint(const CPoint& p) { m_point = p; }
    bool CheckPoint(const CPoint& p) const { return p == m_point; }
    // On a horizontal or vertical line, ends included; oblique lines: false.
    bool OnWire(const CLine& line) const;
    // The same test against the segment from start to end.
    bool OnWire(const CPoint& start, const CPoint& end) const;
    // The 40 x 40 box centred on the point.
    CRect GetBoundingRect() const;

    void Offset(const CPoint& d);
    void Rotate(const CPoint& c, int dir);
    void MirrorX(const CPoint& c);
    void MirrorY(const CPoint& c);

    void DrawJunc(CDC& dc) const;
    void SerializeDXF(CDxfWriter& dxf, int layer, bool marker) const;
    void SerializeTango(CArchive& ar) const;

    friend bool operator==(const CJunc& a, const CJunc& b) { return a.m_point == b.m_point; }
    friend bool operator!=(const CJunc& a, const CJunc& b) { return !(a == b); }

    static constexpr size_t kMinStoredSize = 8;  // the point
    void DataWrite(CArchive& ar) const;
    void DataRead(CArchive& ar);
    // "Junc x y"
    void SerializeText(CArchive& ar) const;
    void ReadTextRecord(const CString& line);

private:
    CPoint m_point;
};
