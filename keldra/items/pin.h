// CPin: one pin of a part symbol - a stroke from the body end (on the
// symbol outline) to the connection end (the tip, where wires attach), with
// a name, a number, an electrical type for the rule check and optional
// inversion dot and clock wedge.  The direction is always recomputed from the
// two points.
#pragma once

#include <cstddef>
#include <cstdint>
#include <tuple>

#include "base/point.h"
#include "base/rect.h"
#include "base/string.h"
#include "items/text.h"

class CArchive;
class CLine;
class CDC;
class CDrawContext;
class CPDFPage;
class CDxfWriter;

// What the pin dialog hands back on OK.
struct CPinDialogResult {
    int typeListIndex = 0;  // position in the type list (9 = No Connect, 10 = Power)
    bool display = true;    // the pin is shown
    bool clock = false;
    bool dot = false;
    CString name;
    bool nameDisp = true;
    CString number;
    bool numberDisp = true;
    int length = 300;
};

class CPin {
public:
    // Electrical word.
    static constexpr uint32_t kTypeMask = 0xF;
    static constexpr uint32_t kDot = 0x10;
    static constexpr uint32_t kClock = 0x40;
    static constexpr uint32_t kShapeMask = 0x70;  // bits 4-6
    static constexpr uint32_t kHighlight = 0x4000;
    static constexpr uint32_t kHidden = 0x8000;
    static constexpr uint32_t kSelected = 0x10000;
    static constexpr uint32_t kOpenMark = 0x20000;

    // Electrical types.
    enum Type {
        Passive = 0, Input = 1, Output = 2, ThreeState = 3, InOut = 4, OpenLow = 5, OpenHigh = 6,
        PassiveDown = 7, PassiveUp = 8, NoConnect = 14, Power = 15
    };
    static constexpr int kDefaultLength = 300;

    CPin();
    CPin(const CPoint& body, const CPoint& tip, uint32_t elect);

    // --- points and direction ------------------------------------------------------
    // Sets both ends and the electrical word, recomputes the direction and
    // places both texts.
    void SetPoint(const CPoint& body, const CPoint& tip, uint32_t elect);
    const CPoint& GetStartPoint() const { return m_body; }  // body end
    const CPoint& GetPoint() const { return m_tip; }        // connection end
    uint32_t GetAngle() const { return m_angle; }
    uint32_t GetDir() const { return m_angle & 0x380; }
    bool IsHorizontalPin() const { return GetDir() == 0 || GetDir() == 0x200; }
    bool IsVerticalPin() const { return GetDir() == 0x100 || GetDir() == 0x300; }
    void ReCalcPinAngle();
    void SetAngle(uint32_t direction);
    int GetLen() const;
    void SetLen(int length);

    // --- electrical word -----------------------------------------------------------
    uint32_t GetElect() const { return m_elect; }
    // Returns the previous word; re-places the texts when bits 4-6 change.
    uint32_t SetElect(uint32_t elect);
    void ModifyElect(uint32_t setBits, uint32_t clearMask) { m_elect = (m_elect & ~clearMask) | setBits; }
    int GetEleType() const { return int(m_elect & kTypeMask); }
    bool IsPower() const { return GetEleType() == Power; }
    bool IsElect(int code) const { return GetEleType() == code; }
    // Name of an electrical type; empty for the codes without one (9..13).
    static CString GetEleName(int type);
    CString GetEleName() const { return GetEleName(GetEleType()); }

    // --- texts ---------------------------------------------------------------------
    const CString& GetName() const { return m_name.GetName(); }
    void SetName(const CString& name);
    void SetName(const CString& name, const CPoint& point, uint32_t attr);
    CText& GetNameText() { return m_name; }
    const CText& GetNameText() const { return m_name; }
    const CString& GetNo() const { return m_no.GetName(); }
    void SetNo(const CString& number);
    void SetNo(const CString& number, const CPoint& point, uint32_t attr);
    CText& GetNoText() { return m_no; }
    const CText& GetNoText() const { return m_no; }
    // Numbering; each returns the text's new bounding rectangle.
    CRect IncName(int step);
    CRect IncNo(int step);

    const CString& GetNetName() const { return m_netName; }
    void SetNetName(const CString& name) { m_netName = name; }

    // --- state ---------------------------------------------------------------------
    bool IsDisp() const { return (m_elect & kHidden) == 0; }
    bool IsDispX() const { return (m_elect & kOpenMark) != 0; }
    bool IsSelect() const { return (m_elect & kSelected) != 0; }
    bool IsHighlight() const { return (m_elect & kHighlight) != 0; }
    bool SetPinSel(const CRect& rect);
    void ResetPinSel() { m_elect &= ~kSelected; }

    // --- hit tests and wire trimming -------------------------------------------------
    bool CheckPoint(const CPoint& p) const;
    bool CheckOnPoint(const CPoint& p) const;
    bool CheckOnPin(const CPin& other) const;
    bool CheckOnPin(CLine& wire) const;
    bool CheckOverWire(CLine& wire) const;
    CRect GetBoundingRect() const;
    // mask 0x8 searches the name, 0x10 the number.
    bool Find(const CString& search, int mask, bool matchCase, bool wholeWord, bool includeHidden,
              CPoint& found) const;

    // --- transforms ----------------------------------------------------------------
    void Offset(const CPoint& d);
    void Rotate(int dir);  // about the body end
    void Rotate(const CPoint& c, int dir);
    void MirrorX(const CPoint& c);
    void MirrorY(const CPoint& c);
    void OffsetAttr(const CPoint& d);
    void RotateText(const CPoint& c, int dir);
    void MirrorXText(const CPoint& c);
    void MirrorYText(const CPoint& c);

    // --- dialog --------------------------------------------------------------------
    // What OK in the pin dialog does.  defaultsMode: the dialog edits the
    // defaults for new pins (no pin on the sheet yet).
    void ApplyDialog(const CPinDialogResult& result, bool defaultsMode);
    // The type code a position of the dialog's type list stands for.
    static int TypeFromListIndex(int index);
    static int ListIndexFromType(int type);

    // --- drawing and export (keldra/export) ----------------------------------------
    void DrawPin(CDC& dc, const CDrawContext& ctx) const;
    void DrawPinName(CDC& dc, const CDrawContext& ctx) const;
    void DrawPinNo(CDC& dc, const CDrawContext& ctx) const;
    void DrawPinX(CDC& dc) const;
    void SerializeDXF(CDxfWriter& dxf, int layer, bool marker) const;
    // Tango pin type code of an electrical type.
    static int TangoPinType(int type);
    static uint32_t TypeFromTango(int code);
    void SerializeTango(CArchive& ar, int gate) const;

    // --- comparison ----------------------------------------------------------------
    friend bool operator==(const CPin& a, const CPin& b) { return a.m_body == b.m_body && a.m_tip == b.m_tip; }
    friend bool operator!=(const CPin& a, const CPin& b) { return !(a == b); }
    bool Compare(const CPin& other) const;
    // Listing order: displayed pins before hidden ones, directions in the
    // order 180, 270, 0, 90 degrees (oblique last), then along the direction.
    friend bool operator<(const CPin& a, const CPin& b);
    // The same order as a key, for sorts that compute each key once.
    using ListingKeyType = std::tuple<int, int, int64_t, int64_t>;
    ListingKeyType ListingKey() const;

    // --- stored forms --------------------------------------------------------------
    // The smallest binary record: two points, angle, electrical word, flags.
    static constexpr size_t kMinStoredSize = 8 + 8 + 4 + 4 + 4;
    void DataWrite(CArchive& ar) const;
    void DataRead(CArchive& ar, int version);
    // "Pin bx by tx ty elect" + "Name " / "No ".
    void SerializeText(CArchive& ar) const;
    void ReadTextRecord(const CString& line);

private:
    void PlaceTexts();
    void ForceNumberBottom();

    CPoint m_body;
    CPoint m_tip;
    CText m_name;
    CText m_no;
    uint32_t m_angle = 0;
    uint32_t m_elect = 0;
    CString m_netName;
};
