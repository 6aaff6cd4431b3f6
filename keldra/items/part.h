// CPart: a placed part symbol.
//
// A part owns its outline (lines and arcs), its pins and its own texts
// (labels and property texts), and carries three name texts: the part name
// (library name), the reference (such as U12A) and the value.  One package
// may hold several gates: the part records its gate number and the package's
// gate count.  All positions are absolute sheet positions.
#pragma once

#include <cstddef>
#include <cstdint>

#include "base/itemlist.h"
#include "base/messages.h"
#include "base/point.h"
#include "base/rect.h"
#include "base/string.h"
#include "items/arc.h"
#include "items/line.h"
#include "items/pin.h"
#include "items/text.h"

class CArchive;
class CDC;
class CDrawContext;
class CPDFPage;
class CDxfWriter;

// The values the part dialog checks on OK.
struct CPartDialogInput {
    CString partName;
    CString reference;
    bool referenceEnabled = true;
    CString value;
    bool valueEnabled = true;
    int package = 0;
    int packageMax = 0;
    bool partNameDisp = true;
    bool referenceDisp = true;
    bool valueDisp = true;
    bool symbolDefaults = false;  // editing the defaults for new symbols
    bool inverted = false;        // the logic-inverted form switch
    bool libraryEditing = false;  // editing in the part library, not on a sheet
};

// Result of the part dialog check: the message id (0 when all is well) and
// the field that gets the focus.
struct CPartDialogCheck {
    enum Field { None, PartName, Reference, Value, Package, PackageMax };
    int messageId = 0;
    Field field = None;
    bool Ok() const { return messageId == 0; }
    // The text to show, in the user's language (empty when all is well).
    CString Message() const { return messageId ? LoadMessage(messageId) : CString(); }
};

class CPart {
public:
    // Angle word.
    static constexpr int kDirMask = 0x380;
    static constexpr int kMirrorX = 0x1000;
    static constexpr int kMirrorY = 0x2000;
    // Attribute word.
    static constexpr int kLibInverted = 0x2;
    static constexpr int kPinsHidden = 0x20;
    static constexpr int kInverted = 0x100;

    CPart();
    CPart(const CPoint& org, const CPoint& corner1, const CPoint& corner2, int packageMax, int package, int angle,
          int attr);
    CPart(const CPart& other);
    CPart& operator=(const CPart& other);
    ~CPart();

    // --- header fields -------------------------------------------------------------
    const CPoint& GetOrg() const { return m_org; }
    void SetOrg(const CPoint& org) { m_org = org; }
    void SetRect(const CPoint& corner1, const CPoint& corner2)
    {
        m_corner1 = corner1;
        m_corner2 = corner2;
    }
    const CPoint& GetCorner1() const { return m_corner1; }
    const CPoint& GetCorner2() const { return m_corner2; }
    CPoint GetCenter() const { return GetBoundingRect().CenterPoint(); }
    int GetPackageMax() const { return m_packageMax; }
    void SetPackageMax(int n) { m_packageMax = n; }
    int GetPackage() const { return m_package; }
    void SetPackage(int n) { m_package = n; }
    int GetAngle() const { return m_angle; }
    void SetAngle(int angle) { m_angle = angle; }
    int GetAttr() const { return m_attr; }
    void SetAttr(int attr) { m_attr = attr; }
    void ModifyAttr(int clearMask, int setBits) { m_attr = (m_attr & ~clearMask) | setBits; }

    // --- name texts ----------------------------------------------------------------
    const CString& GetPartName() const { return m_partName.GetName(); }
    CText& GetPartNameText() { return m_partName; }
    const CText& GetPartNameText() const { return m_partName; }
    void SetPartName(const CString& name);
    void SetPartName(const CText& name) { m_partName = name; }
    void SetPartName(const CString& name, const CPoint& point, uint32_t attr);
    const CString& GetRefName() const { return m_ref.GetName(); }
    CText& GetRefNameText() { return m_ref; }
    const CText& GetRefNameText() const { return m_ref; }
    void SetRefName(const CString& ref);
    void SetRefName(const CText& ref) { m_ref = ref; }
    void SetRefName(const CString& ref, const CPoint& point, uint32_t attr);
    const CString& GetValName() const { return m_value.GetName(); }
    CText& GetValNameText() { return m_value; }
    const CText& GetValNameText() const { return m_value; }
    void SetValue(const CString& value);
    void SetValue(const CText& value) { m_value = value; }
    void SetValue(const CString& value, const CPoint& point, uint32_t attr);

    // --- owned items -----------------------------------------------------------------
    int GetPinCount() const { return m_pins.GetCount(); }
    POSITION GetFirstPinPos() const { return m_pins.GetHeadPosition(); }
    CPin* GetNextPin(POSITION& pos) const { return m_pins.GetNext(pos); }
    POSITION GetFirstLinePos() const { return m_lines.GetHeadPosition(); }
    CLine* GetNextLine(POSITION& pos) const { return m_lines.GetNext(pos); }
    POSITION GetFirstArcPos() const { return m_arcs.GetHeadPosition(); }
    CArc* GetNextArc(POSITION& pos) const { return m_arcs.GetNext(pos); }
    POSITION GetFirstTextPos() const { return m_texts.GetHeadPosition(); }
    CText* GetNextText(POSITION& pos) const { return m_texts.GetNext(pos); }
    CItemList<CPin>& Pins() { return m_pins; }
    const CItemList<CPin>& Pins() const { return m_pins; }
    CItemList<CLine>& Lines() { return m_lines; }
    const CItemList<CLine>& Lines() const { return m_lines; }
    CItemList<CArc>& Arcs() { return m_arcs; }
    const CItemList<CArc>& Arcs() const { return m_arcs; }
    CItemList<CText>& Texts() { return m_texts; }
    const CItemList<CText>& Texts() const { return m_texts; }

    // Each stores a copy at the tail of its list and returns it.
    CPin* NewPin(const CPin& pin);
    CPin* NewPin(const CPoint& body, const CPoint& tip, uint32_t elect);
    CLine* NewLine(const CLine& line);
    CLine* NewLine(const CPoint& start, const CPoint& end, uint32_t type);
    CArc* NewArc(const CArc& arc);
    CArc* NewArc(const CPoint& centre, int radius, int startAngle, int endAngle, int type, int width);
    CText* NewText(const CText& text);
    CText* NewText(const CString& text, const CPoint& point, int size, uint32_t attr);

    // --- properties ------------------------------------------------------------------
    CString GetProperty(const CString& name) const;
    bool IsProperty(const CString& name) const;
    CString GetPropertyCSV(const CString& names) const;
    void DeleteProperty(const CString& name);
    void DeleteText(const CString& text);
    CText* HitProperty(const CPoint& p);
    // The printf format for the reference number: "REFFORM" when it is a safe
    // format with exactly one integer conversion, else "%d".
    CString GetRefFormat() const;
    static bool IsSafeNumberFormat(const CString& format);

    // --- references --------------------------------------------------------------------
    bool GetRefName(CString& prefix, CString& suffix, int& number) const;
    // The same split of any reference string.
    static bool SplitRef(const CString& ref, CString& prefix, CString& suffix, int& number);
    CString GetRefNameA() const;
    int GetRefNo() const;
    // number < 0 changes nothing; 0 writes "?"; above 0 the number is written
    // when the reference has a "?" or force is set.
    void SetRefNo(int number, int force);
    // The reference prefix + number + suffix, the number in the "REFFORM"
    // format when that reads back as the same three parts, else "%d".
    CString FormatRef(const CString& prefix, int number, const CString& suffix) const;
    // Steps the number; below 1 the reference returns to "?".  A step past
    // the largest number is refused (false, nothing changes).
    bool IncRefName(int step);
    bool RefCheck() const;
    int CompareRef(const CPart& other) const;

    // --- comparison and sorting ---------------------------------------------------------
    friend bool operator==(const CPart& a, const CPart& b);
    friend bool operator!=(const CPart& a, const CPart& b) { return !(a == b); }
    // Full comparison; sorts both pin lists as a side effect.
    bool Compare(CPart& other);
    void SortPin();
    void SortPinNo();

    // --- transforms ----------------------------------------------------------------
    void Offset(const CPoint& d);
    void Rotate(const CPoint& c, int dir);
    void Rotate(int dir);  // about the origin
    void MirrorX(const CPoint& c);
    void MirrorY(const CPoint& c);
    void RotateText(const CPoint& c, int dir);
    void MirrorXText(const CPoint& c);
    void MirrorYText(const CPoint& c);
    void OffsetAttr(const CPoint& d);

    // --- rectangles and hit tests --------------------------------------------------------
    void CalcBoundRect(int recalcTexts = 0);
    CRect GetBoundingRect() const;
    CRect GetSimpleBoundingRect() const;
    CPin* CheckOnPin(const CPoint& p) const;
    bool CheckOnPin(const CPart& other) const;

    // --- display and editing ----------------------------------------------------------------
    // 0 hide, 1 show, 2 leave unchanged; an empty text is always shown.
    void SetDisp(int partName, int ref, int value);
    CRect IncName(int step);
    CRect ZoomData(int step);
    bool FindString(const CString& text) const;
    // mask bits: 0x1 part name, 0x2 reference, 0x4 value, 0x8 pin names,
    // 0x10 pin numbers, 0x20 own texts.
    bool Find(const CString& search, int mask, bool matchCase, bool wholeWord, bool includeHidden,
              CPoint& found) const;
    // The part dialog's checks on OK, in their order.
    static CPartDialogCheck CheckDialogInput(const CPartDialogInput& input);
    // What OK in the part dialog does once the checks passed: names, display
    // switches, the edited pins (when given), the inverted-form switch.
    // existing: the part was already placed (pins are sorted, outline redone).
    void ApplyDialog(const CPartDialogInput& input, const CItemList<CPin>* editedPins, bool existing);
    // The pin list checks: the first pin number used twice (empty when none),
    // and whether the power pins carry only one name between them.
    static CString FindDuplicatePinNo(const CItemList<CPin>& pins);
    static bool HasOnlyOneKindPowerPin(const CItemList<CPin>& pins);

    // --- drawing and export (keldra/export) ----------------------------------------
    void DrawPart(CDC& dc, const CDrawContext& ctx) const;
    void SerializeDXF(CDxfWriter& dxf, int layer, bool marker) const;
    void SerializeTango(CArchive& ar) const;
    // An own text that is drawn as a frame only: a "FRAME..." property that
    // is not shown as a property.
    static bool IsFrameText(const CText& text);

    // --- stored forms ----------------------------------------------------------------------
    // The smallest binary record: three points, four words, the text flags and
    // four empty counts.
    static constexpr size_t kMinStoredSize = 3 * 8 + 4 * 4 + 4 + 4 * 4;
    void DataWrite(CArchive& ar) const;
    // full false: the short form (only the header and the three name texts stay).
    void DataRead(CArchive& ar, bool full, int version);
    // "Part ..." record, name texts, owned items, "PartEnd".
    void SerializeText(CArchive& ar) const;
    void ReadTextRecord(const CString& line);

private:
    void CopyFrom(const CPart& other);
    void Mirror(const CPoint& c, bool acrossVertical);

    CPoint m_org;
    CPoint m_corner1;
    CPoint m_corner2;
    int m_packageMax = 0;
    int m_package = 0;
    int m_angle = 0;
    int m_attr = 0;
    CText m_partName;
    CText m_ref;
    CText m_value;
    CItemList<CPin> m_pins;
    CItemList<CText> m_texts;
    CItemList<CLine> m_lines;
    CItemList<CArc> m_arcs;
};
