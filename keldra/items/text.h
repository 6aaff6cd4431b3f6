// CText: a positioned string.
//
// Free texts on a sheet, and every name other items carry (wire and bus
// names, pin names and numbers, part references, values, part names and
// property texts) are CTexts.  A text knows its anchor, direction, size,
// optional own font, frame kind, visibility and selection, and keeps its
// bounding rectangles up to date after every change.
//
// Property texts have the form "&name&value1[&value2...]"; a "\&" inside is a
// literal ampersand.  A property whose name equals its first value (ignoring
// case) is shown on the sheet as its last value.
//
// In a text, backslash + n is a line break and "\\" a backslash; "~" switches
// an overbar on and off when the text is drawn.
#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "base/logfont.h"
#include "base/point.h"
#include "base/rect.h"
#include "base/string.h"

class CArchive;
class CDC;
class CDrawContext;
class CPDFPage;
class CDxfWriter;

class CText {
public:
    // Attribute word bits.
    static constexpr uint32_t kSelected = 0x400;
    static constexpr uint32_t kOwnFont = 0x2000;
    static constexpr uint32_t kNoPrint = 0x4000;
    static constexpr uint32_t kHidden = 0x8000;
    static constexpr uint32_t kFrameMask = 0x1F0000;
    static constexpr int kFrameShift = 16;
    static constexpr uint32_t kDefaultAttr = 8;  // bottom-left, 0 degrees, displayed
    static constexpr int kDefaultSize = 70;
    static constexpr int kMinSize = 20;
    static constexpr int kMaxSize = 300;

    CText();
    CText(const CString& text, const CPoint& point, int size, uint32_t attr);

    // --- content and placement -------------------------------------------
    const CString& GetName() const { return m_string; }
    int GetLength() const { return m_string.GetLength(); }
    bool IsEmpty() const { return m_string.IsEmpty(); }
    // A string with a double quote is the record form "\"text\" x y size attr":
    // the text lies between the first and the last quote, the numbers follow.
    void SetName(const CString& text);
    void SetName(const CString& text, const CPoint& point, int size, uint32_t attr);

    const CPoint& GetPoint() const { return m_point; }
    // Moves the anchor; both rectangles move with it.
    void SetPoint(const CPoint& point);
    int GetSize() const { return m_size; }
    void SetSize(int size);

    uint32_t GetAngle() const { return m_attr; }
    void SetAngle(uint32_t attr);
    // attr = (attr AND NOT clearMask) OR setBits.
    void ModifyAngle(uint32_t setBits, uint32_t clearMask);
    uint32_t GetDir() const { return m_attr & 0x380; }
    uint32_t GetOrg() const { return m_attr & 0x7F; }
    // Numeric keypad codes 97..105 pick one of the nine anchors; other codes,
    // hidden and empty texts are left alone.
    void SetOrg(int key);
    static bool KeyToOrg(int key, uint32_t& org);

    int GetFrame() const { return int((m_attr & kFrameMask) >> kFrameShift); }
    void SetFrame(int kind);

    const LOGFONT& GetFont() const { return m_font; }
    void SetFont(const LOGFONT& font);
    bool HasOwnFont() const { return (m_attr & kOwnFont) != 0; }

    // --- rectangles ---------------------------------------------------------
    void CalcBoundRect();
    // Union of text and frame rectangles; empty for a hidden or empty text.
    CRect GetBoundingRect() const;
    const CRect& GetTextBoundingRect() const { return m_rect; }
    const CRect& GetFrameBoundingRect() const { return m_frameRect; }
    int CalcLines() const;
    // The lines as drawn: split at line breaks, "\\" turned into "\".
    std::vector<CString> GetLines() const;
    // What the sheet shows: the last value of a shown property, else the string.
    CString GetDispString() const;

    // --- display, print, selection -------------------------------------------
    void Disp(bool on);
    bool IsDisp() const;
    void Print(bool on);
    bool IsPrint() const { return (m_attr & kNoPrint) == 0; }
    bool SetTextSel(const CRect& rect);
    void ResetTextSel() { m_attr &= ~kSelected; }
    bool IsTextSel() const { return (m_attr & kSelected) != 0; }
    void SetTextSel(bool on) { on ? m_attr |= kSelected : m_attr &= ~kSelected; }

    // Steps the frame kind of a selected, shown text; false when unchanged.
    bool FrameChange(int backwards);
    // Grows (up >= 1) or shrinks the text by 5 within 20..300.
    bool ChangeSize(int up);

    // --- numbering -----------------------------------------------------------
    // Adds step to the trailing number (full-width digits after a double-byte
    // character); false when nothing changed.
    bool IncName(int step);
    int GetNumberLen() const;
    // Rewrites the trailing number zero-padded to digits (1..kMaxNumberLen;
    // 0 and below mean no padding).
    void SetNumberLen(int digits);
    static constexpr int kMaxNumberLen = 18;

    // --- transforms ------------------------------------------------------------
    void Offset(const CPoint& d);
    void OffsetAttr(const CPoint& d);
    void Rotate(const CPoint& c, int dir, int reanchor = 1);
    void RotateA(const CPoint& c, int dir);
    void RotateText(const CPoint& c, int dir);
    void MirrorX(const CPoint& c, int reanchor);
    void MirrorY(const CPoint& c, int reanchor);
    void MirrorXText(const CPoint& c);
    void MirrorYText(const CPoint& c);

    // --- properties ----------------------------------------------------------
    int IsProperty() const;
    CString GetPropertyName() const;
    CString GetPropertyVal(int n) const;
    bool IsDispProperty() const;
    void SetProperty(const CString& name, const CString& value);
    void SetPropertyVal(int n, const CString& value);

    // --- search ----------------------------------------------------------------
    // search is prepared by the caller (upper case unless matchCase).
    bool Find(const CString& search, bool matchCase, bool wholeWord, bool includeHidden, CPoint& found) const;

    // --- settings and the text dialog ------------------------------------------
    // Stores this text's attributes as the defaults for new texts when the
    // setting Text/"Remember Attr" is on.
    void SetAttribute() const;
    // What OK in the text dialog does with the edited copy.
    void ApplyEdit(const CText& edited, bool isNew);
    // The dialog's own settings: "Remember Attr", "Text Font", "Font" and, with
    // remember on, the remembered attributes of edited.
    static void StoreEditSettings(const CText& edited, bool rememberAttr, int textFont);

    // --- stored forms ----------------------------------------------------------
    // The smallest binary record: an empty string, point, size, word, rect.
    static constexpr size_t kMinStoredSize = 1 + 8 + 4 + 4 + 16;
    void DataWrite(CArchive& ar) const;
    void DataRead(CArchive& ar, int version);
    // Writes keyword + "\"text\" x y size attr\n" (and a "Font " line for an
    // own font).
    // Raises CArchiveException for a text the form cannot hold (a NUL byte).
    void SerializeText(CArchive& ar, const char* keyword) const;
    // A string as a text-form record holds it: raw line breaks become the
    // shown break backslash + n.  Raises CArchiveException for a NUL byte.
    static CString TextFormString(const CString& s);
    // Applies a "Font \"face\" ..." record line; only to a text with an own font.
    void ReadFontRecord(const CString& line);

    // --- drawing and export (keldra/export) ----------------------------------------
    // Draws the text in the device's text colour (lines, overbars, frame).
    void DrawTextA(CDC& dc, const CDrawContext& ctx) const;
    // Draws this text's frame shape around rect with a pen of width 4.
    void DrawTextFrame(CDC& dc, const CRect& rect, int kind = -1) const;
    LOGFONT CreateFontA(const CDrawContext& ctx, bool strikeOut, int escapement) const;
    // The device escapement (tenths of a degree) of the text's direction.
    int GetEscapement(const CDrawContext& ctx, const CDC& dc) const;
    void SerializeDXF(CDxfWriter& dxf, int layer) const;
    void SerializeDXFFrame(CDxfWriter& dxf, int layer, const CRect& rect, int kind = -1) const;
    // Tango: alignment * 16 + quarter turns, and the attribute string
    // "\"text\" x y angle 0 visibility\n".
    int GetTangoAngle() const;
    static uint32_t AttrFromTangoAngle(int angle);
    CString ConvTangoString() const;
    void SerializeTango(CArchive& ar) const;

    friend bool operator==(const CText& a, const CText& b);
    friend bool operator!=(const CText& a, const CText& b) { return !(a == b); }
    // Listing order: greater y first, then smaller x.
    friend bool operator<(const CText& a, const CText& b);
    // The same order as a key, for sorts that compute each key once.
    std::pair<int64_t, int64_t> ListingKey() const { return {-int64_t(m_point.y), m_point.x}; }

private:
    // Rectangles of one line whose anchor point is (px, py).
    void MeasureLine(const CString& line, long long px, long long py, CRect& text,
                     CRect& frame) const;
    std::vector<CString> SplitProperty() const;

    CString m_string;
    CPoint m_point;
    int m_size = kDefaultSize;
    LOGFONT m_font;
    uint32_t m_attr = kDefaultAttr;
    CRect m_rect;
    CRect m_frameRect;
};
