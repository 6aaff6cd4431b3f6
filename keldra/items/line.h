// CLine: one straight segment - a wire, a bus or a plain drawing line.
//
// The type word's two low bits give the kind (0 wire, 1 plain line, 2 bus;
// 3 counts as a wire).  A wire or bus may carry a name (its net or bus name)
// and a cross name used by the cross-reference code; a plain line may carry a
// label, a dash style and arrow heads.  The width is not stored: it follows
// the settings of section "Default" by kind.
#pragma once

#include <cstddef>
#include <cstdint>

#include "base/point.h"
#include "base/rect.h"
#include "base/string.h"
#include "items/text.h"

class CArchive;
class CDC;
class CDrawContext;
class CPDFPage;
class CDxfWriter;

// What the line dialog hands back on OK.
struct CLineDialogResult {
    CString name;          // the edited name string
    bool nameDisp = true;  // the name's display switch
    int frame = 0;         // frame kind of the name (0..14)
    bool powerWire = false;  // wires: normal or power wire
    int style = 0;         // plain lines: dash style code 0..4
    bool startArrow = false;  // plain lines
    bool endArrow = false;
};

class CLine {
public:
    // Type word.
    static constexpr uint32_t kKindMask = 0x3;
    static constexpr uint32_t kWire = 0, kPlain = 1, kBus = 2;
    static constexpr uint32_t kPower = 0x4;
    static constexpr uint32_t kStyleMask = 0xE00;
    static constexpr int kStyleShift = 9;
    static constexpr uint32_t kHighlight = 0x4000;
    static constexpr uint32_t kWorkMark1 = 0x40000000;
    static constexpr uint32_t kWorkMark2 = 0x80000000;
    static constexpr uint32_t kStoredMask = 0x3FFFBFFF;  // without highlight and work marks
    static constexpr int kArrowSize = 100;
    static constexpr int kDefaultWidth = 8;

    CLine();
    CLine(const CPoint& start, const CPoint& end, uint32_t type);

    // --- accessors ---------------------------------------------------------------
    uint32_t GetType() const { return m_type; }
    void SetType(uint32_t type) { m_type = type; }
    void ModifyType(uint32_t clearMask, uint32_t setBits) { m_type = (m_type & ~clearMask) | setBits; }
    int GetLineType() const { return int(m_type & kKindMask); }
    bool IsWire() const { return GetLineType() == 0 || GetLineType() == 3; }
    bool IsBus() const { return GetLineType() == int(kBus); }
    bool IsPlain() const { return GetLineType() == int(kPlain); }
    // Dash style code 0..4 (solid, dotted, dashed, dash-dot, dash-dot-dot).
    int GetStyle() const { return int((m_type & kStyleMask) >> kStyleShift); }
    // The device pen style a dash style code is drawn with.
    static int PenStyleOf(int styleCode);

    const CPoint& GetStartPoint() const { return m_start; }
    const CPoint& GetEndPoint() const { return m_end; }
    void GetPoint(CPoint& start, CPoint& end) const
    {
        start = m_start;
        end = m_end;
    }
    void SetStartPoint(const CPoint& p) { m_start = p; }
    void SetPoint(const CPoint& end) { m_end = end; }
    void SetPoint(const CPoint& start, const CPoint& end)
    {
        m_start = start;
        m_end = end;
    }

    int GetLineWidth() const { return m_width; }
    void SetLineWidth(int width) { m_width = width; }
    // The width the settings give a line of this type word.
    static int WidthFromSettings(uint32_t type);

    int GetStartArrow() const { return m_startArrow; }
    int GetEndArrow() const { return m_endArrow; }
    void SetArrow(int start, int end)
    {
        m_startArrow = start;
        m_endArrow = end;
    }
    // Toggles one arrow between 0 and 100: 1 start, 2 end.
    void SetArrow(int which);
    // Bit 0: start arrow, bit 1: end arrow.
    int IsArrow() const { return (m_startArrow ? 1 : 0) | (m_endArrow ? 2 : 0); }

    int GetStartCheck() const { return m_startCheck; }
    int GetEndCheck() const { return m_endCheck; }
    void SetCheck(int flag) { m_startCheck = m_endCheck = flag; }
    void SetCheck(const CRect& rect);
    void SetCheck(const CPoint& p, int value);

    const CString& GetName() const { return m_name.GetName(); }
    void SetName(const CText& name) { m_name = name; }
    CText& GetNameText() { return m_name; }
    const CText& GetNameText() const { return m_name; }
    const CString& GetCrossName() const { return m_crossName.GetName(); }
    void SetCrossName(const CText& name) { m_crossName = name; }
    CText& GetCrossNameText() { return m_crossName; }
    const CText& GetCrossNameText() const { return m_crossName; }
    void SetNamePoint(const CPoint& p) { m_name.SetPoint(p); }
    // Sets the name text; a non-zero flag chooses the anchor from where point
    // lies against the line.
    void SetName(const CString& name, const CPoint& point, uint32_t flag);
    bool IncName(int step) { return m_name.IncName(step); }
    bool Find(const CString& search, bool matchCase, bool wholeWord, bool includeHidden, CPoint& found) const
    {
        return m_name.Find(search, matchCase, wholeWord, includeHidden, found);
    }

    // --- geometry ------------------------------------------------------------------
    // Codes 24, 26, 28, 30 test for horizontal, any other for vertical.
    bool IsHVLine(int code) const;
    bool IsHorizontal() const { return m_start.y == m_end.y && m_start.x != m_end.x; }
    bool IsVertical() const { return m_start.x == m_end.x && m_start.y != m_end.y; }
    bool NormalPoint();
    void Swap();
    CPoint LockPoint(int mode);
    bool CheckPoint(const CPoint& p) const;
    bool CheckPoint(const CRect& r) const;
    // The hit test of the stroke alone (within the width), without the name
    // texts and arrow heads: what a junction must lie on to join the line.
    bool CheckStroke(const CPoint& p) const { return CheckStroke(m_start, m_end, m_width, p); }
    static bool CheckStroke(const CPoint& start, const CPoint& end, int width, const CPoint& p);
    // Joins two touching or overlapping collinear lines into this one.
    bool Trim(CLine& other);
    // Resolves the overlap of two collinear lines in normal direction; true
    // when other has become redundant.  mode: -1, or the junction mask (1 a
    // junction at this line's start, 2 at its end, 4 at other's start, 8 at
    // its end).  Never cuts a line down to a point.
    bool Clean(CLine& other, int mode);
    CRect GetBoundingRect() const;

    // --- transforms ----------------------------------------------------------------
    void Offset(const CPoint& d);
    // Moves the selected name texts; the Shift key state comes from the host.
    void OffsetAttr(const CPoint& d);
    void OffsetAttr(const CPoint& d, bool shiftDown);
    void Rotate(const CPoint& c, int dir);
    void MirrorX(const CPoint& c);
    void MirrorY(const CPoint& c);
    void RotateText(const CPoint& c, int dir);
    void MirrorXText(const CPoint& c);
    void MirrorYText(const CPoint& c);

    // --- dialog --------------------------------------------------------------------
    // What OK in the line dialog does.
    void ApplyDialog(const CLineDialogResult& result);

    // --- drawing and export (keldra/export) ----------------------------------------
    void DrawLine(CDC& dc, const CDrawContext& ctx) const;
    // Rubber band from the start to point: white XOR pen of the line's width.
    void DrawLine(CDC& dc, const CPoint& point) const;
    // The name and the cross name, when shown, in the device's text colour.
    void DrawName(CDC& dc, const CDrawContext& ctx) const;
    void SerializeDXF(CDxfWriter& dxf, int layer, bool marker) const;
    void SerializeTango(CArchive& ar) const;

    // --- comparison ----------------------------------------------------------------
    friend bool operator==(const CLine& a, const CLine& b);
    friend bool operator!=(const CLine& a, const CLine& b) { return !(a == b); }
    // Equality plus equal names.
    bool Compare(const CLine& other) const;

    // --- stored forms --------------------------------------------------------------
    // The smallest binary record: type word and two points.
    static constexpr size_t kMinStoredSize = 4 + 8 + 8;
    void DataWrite(CArchive& ar, bool withNames = true) const;
    void DataRead(CArchive& ar, int version);
    // "Line x1 y1 x2 y2 width type startArrow endArrow" + "Name " / "NetIndex ".
    void SerializeText(CArchive& ar) const;
    // Reads the numbers of a "Line ..." record line.
    void ReadTextRecord(const CString& line);

private:
    bool CleanOverlap(CLine& other, int mode);

    uint32_t m_type = kWire;
    CPoint m_start;
    CPoint m_end;
    int m_startCheck = 0;
    int m_endCheck = 0;
    int m_width = kDefaultWidth;
    int m_startArrow = 0;
    int m_endArrow = 0;
    CText m_name;
    CText m_crossName;
};
