// CSheet: the one container of schematic items.
//
// The same class holds a document's drawing, its title block, the current
// selection, the clipboard contents, a part symbol being built, and every
// scratch set a command assembles.  A sheet owns its items: every item that
// enters it is a fresh copy, and it deletes them when they are removed or
// when the sheet is cleared or destroyed.  Lists keep insertion order unless
// a sort rearranges them; net extraction, netlists and numbering depend on
// that order.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "base/itemlist.h"
#include "base/point.h"
#include "base/rect.h"
#include "base/size.h"
#include "items/arc.h"
#include "items/junc.h"
#include "items/line.h"
#include "items/part.h"
#include "items/pin.h"
#include "items/text.h"
#include "sheet/batchedit.h"

class CArchive;
class CDC;
class CDrawContext;
class CDxfWriter;
struct CDxfLayers;
class CJuncIndex;
class CNet;
class CNetContext;
struct CNetWriteStyle;
struct CCrossNetList;
class CLineIndex;
class CPinIndex;
struct CCleanUpOptions;
struct CCleanUpReport;
class CTidyRound;

// Item kind codes, shared with the editor's tools.
namespace kind {
constexpr int kMixed = 0;
constexpr int kWire = 1;
constexpr int kBus = 3;
constexpr int kLine = 5;
constexpr int kJunc = 7;
constexpr int kPart = 8;
constexpr int kPin = 11;
constexpr int kText = 14;
constexpr int kArc = 22;
constexpr int kPartPins = 23; // counting only: the gate pins of all parts
constexpr int kHWire = 24, kVWire = 25;
constexpr int kHBus = 26, kVBus = 27;
constexpr int kHLine = 28, kVLine = 29;
} // namespace kind

// One item of any kind, for the operations that dispatch on the item's class.
struct CItemRef {
    enum Kind { None, Line, Arc, Junc, Text, Pin, Part, Sheet };
    Kind kind = None;
    const void* item = nullptr;

    CItemRef() = default;
    CItemRef(const CLine& x) : kind(Line), item(&x) {}
    CItemRef(const CArc& x) : kind(Arc), item(&x) {}
    CItemRef(const CJunc& x) : kind(Junc), item(&x) {}
    CItemRef(const CText& x) : kind(Text), item(&x) {}
    CItemRef(const CPin& x) : kind(Pin), item(&x) {}
    CItemRef(const CPart& x) : kind(Part), item(&x) {}
    CItemRef(const class CSheet& x);
};

class CSheet;
inline CItemRef::CItemRef(const CSheet& x) : kind(Sheet), item(&x)
{
}

class CSheet {
public:
    // Sheet types.
    static constexpr int kDrawing = 0;
    static constexpr int kTitle = 1;
    static constexpr int kSelection = 2;
    static constexpr int kScratch = 3;

    explicit CSheet(int type = kScratch);
    CSheet(const CSheet&) = delete;
    virtual ~CSheet();

    // Removes every item; returns the union of their bounding rectangles.
    CRect DeleteContents();

    int GetSheetType() const { return m_type; }
    void SetSheetType(int type) { m_type = type; }
    uint32_t GetItemCount() const { return m_count; }
    void SetItemCount(uint32_t count) { m_count = count; }

    // Open-pin recalculation flag and highlight flag.
    int GetCalcOpenMode() const { return m_calcOpen; }
    void SetCalcOpenMode(int mode) { m_calcOpen = mode; }
    bool IsHighLight() const { return m_highLight; }
    void SetHighLight(bool on) { m_highLight = on; }
    void ResetHighLight() { m_highLight = false; }

    // --- creation --------------------------------------------------------------------
    CLine* NewWire(const CPoint& a, const CPoint& b);
    CLine* NewWire(const CPoint& p);
    CLine* NewBus(const CPoint& a, const CPoint& b);
    CLine* NewBus(const CPoint& p);
    CLine* NewLine(const CPoint& a, const CPoint& b);
    CLine* NewLine(const CPoint& p);
    CLine* NewLine(const CLine& line); // into the list of its kind
    CArc* NewArc(const CArc& arc);
    CArc* NewArc(const CPoint& centre, unsigned radius, int startAngle, int endAngle, int type,
                 int width);
    CArc* NewArc(const CLine& line); // a circle from a line
    CJunc* NewJunc(const CJunc& junc);
    CJunc* NewJunc(const CPoint& p);
    CJunc* NewJuncCheck(const CPoint& p);
    CPart* NewPart(const CPart& part);
    CPart* NewPart(const CPoint& org, const CPoint& corner1, const CPoint& corner2,
                   unsigned packageMax, unsigned package, unsigned char angle, unsigned char attr);
    CPin* NewPin(const CPin& pin);
    CPin* NewPin(const CPoint& body, const CPoint& tip, int elect);
    CText* NewText(const CText& text);
    // A text of the given size with attribute 8, or flags when not 0.
    CText* NewText(const char* s, const CPoint& p, int size, int flags);
    // Adds a copy of any item and refers to the copy; a sheet is merged (+=)
    // and this sheet referred to.
    CItemRef AddItem(const CItemRef& item);

    // --- removal (first item equal in value; 1 when removed) ------------------------------
    int DeleteLine(const CLine& line);
    int DeleteArc(const CArc& arc);
    int DeleteJunc(const CJunc& junc);
    int DeletePart(const CPart& part);
    int DeletePin(const CPin& pin);
    int DeleteText(const CText& text);
    int DeleteItem(const CItemRef& item);
    // 1 when this very object is held by the sheet.
    int CheckItem(const CItemRef& item) const;

    // --- iteration ------------------------------------------------------------------------
    POSITION GetFirstWirePos() const { return m_wires.GetHeadPosition(); }
    POSITION GetFirstBusPos() const { return m_buses.GetHeadPosition(); }
    POSITION GetFirstLinePos() const { return m_lines.GetHeadPosition(); }
    POSITION GetFirstArcPos() const { return m_arcs.GetHeadPosition(); }
    POSITION GetFirstJuncPos() const { return m_juncs.GetHeadPosition(); }
    POSITION GetFirstTextPos() const { return m_texts.GetHeadPosition(); }
    POSITION GetFirstPinPos() const { return m_pins.GetHeadPosition(); }
    POSITION GetFirstPartPos() const { return m_parts.GetHeadPosition(); }
    POSITION GetLastPartPos() const { return m_parts.GetTailPosition(); }
    POSITION GetLastTextPos() const { return m_texts.GetTailPosition(); }
    CLine* GetNextWire(POSITION& pos) const { return m_wires.GetNext(pos); }
    CLine* GetNextBus(POSITION& pos) const { return m_buses.GetNext(pos); }
    CLine* GetNextLine(POSITION& pos) const { return m_lines.GetNext(pos); }
    CArc* GetNextArc(POSITION& pos) const { return m_arcs.GetNext(pos); }
    CJunc* GetNextJunc(POSITION& pos) const { return m_juncs.GetNext(pos); }
    CText* GetNextText(POSITION& pos) const { return m_texts.GetNext(pos); }
    CPin* GetNextPin(POSITION& pos) const { return m_pins.GetNext(pos); }
    CPart* GetNextPart(POSITION& pos) const { return m_parts.GetNext(pos); }
    CPart* GetPrevPart(POSITION& pos) const { return m_parts.GetPrev(pos); }
    CText* GetPrevText(POSITION& pos) const { return m_texts.GetPrev(pos); }
    CPart* GetAtPart(POSITION pos) const { return m_parts.GetAt(pos); }
    CLine* GetHeadWire() const { return m_wires.GetHead(); }
    CLine* GetHeadBus() const { return m_buses.GetHead(); }
    CLine* GetHeadLine() const { return m_lines.GetHead(); }
    CText* GetHeadText() const { return m_texts.GetHead(); }
    CPin* GetHeadPin() const { return m_pins.GetHead(); }
    CPart* GetHeadPart() const { return m_parts.GetHead(); }
    CPart* GetLastPart() const { return m_parts.GetTail(); }
    CText* GetLastText() const { return m_texts.GetTail(); }
    // Selector forms: 1, 28, 29 the line list; 2, 26, 27 the bus list; else wires.
    POSITION GetFirstLinePos(int selector) const { return LineList(selector).GetHeadPosition(); }
    CLine* GetNextLine(int selector, POSITION& pos) const
    {
        return LineList(selector).GetNext(pos);
    }
    CLine* GetTailLine(int selector) const { return LineList(selector).GetTail(); }

    // Direct access to the lists, for the algorithms that walk or reorder them.
    CItemList<CLine>& Wires() { return m_wires; }
    const CItemList<CLine>& Wires() const { return m_wires; }
    CItemList<CLine>& Buses() { return m_buses; }
    const CItemList<CLine>& Buses() const { return m_buses; }
    CItemList<CLine>& Lines() { return m_lines; }
    const CItemList<CLine>& Lines() const { return m_lines; }
    CItemList<CArc>& Arcs() { return m_arcs; }
    const CItemList<CArc>& Arcs() const { return m_arcs; }
    CItemList<CJunc>& Juncs() { return m_juncs; }
    const CItemList<CJunc>& Juncs() const { return m_juncs; }
    CItemList<CText>& Texts() { return m_texts; }
    const CItemList<CText>& Texts() const { return m_texts; }
    CItemList<CPin>& Pins() { return m_pins; }
    const CItemList<CPin>& Pins() const { return m_pins; }
    CItemList<CPart>& Parts() { return m_parts; }
    const CItemList<CPart>& Parts() const { return m_parts; }

    // --- counting and classifying -------------------------------------------------------
    int GetCount(int code) const;
    int CheckKind() const;
    CRect GetBoundingRect() const;

    // --- copy, merge, compare -----------------------------------------------------------------
    CSheet& operator+=(const CSheet& other);
    CSheet& operator=(const CSheet& other);
    int operator==(const CSheet& other) const;
    // Removes from both sheets every item (parts aside) that other holds an
    // equal copy of.
    void CleanSheet(CSheet& other);
    // Empties this sheet, then moves src's parts (8), pins (11), texts (14) or
    // horizontal/vertical lines (24..29) here; other codes move nothing.
    void MoveItem(CSheet& src, int code);

    // --- whole-sheet transforms ----------------------------------------------------------------
    // An arc caught by one end only stays for the rubber band unless all.
    void OffsetItem(const CPoint& d, bool all);
    // dir > 0 counter-clockwise, < 0 clockwise, 0 clockwise only with Shift.
    void Rotate(const CPoint& centre, int dir);
    void MirrorX(const CPoint& axis);
    void MirrorY(const CPoint& axis);
    void RotateText(const CPoint& centre);
    void MirrorXText(const CPoint& axis);
    void MirrorYText(const CPoint& axis);
    void OffsetAttr(const CPoint& d);
    void ReCalcTextBoundingRect();
    void FrameChange(int style);

    // --- selection marks -----------------------------------------------------------------------
    void SetCheck();
    void SetTextSel(const CRect& r, int mode);
    void ResetTextSel();
    void ChangeTextOrg(int key, int all);
    bool CheckTextOrg(int key, bool all) const;

    // --- building a part symbol ----------------------------------------------------------------
    // Hands the plain lines, loose pins, free texts (but the "Name", "Ref" and
    // "Val" placeholders) and arcs over to part; the rest stays.
    void MakePart(CPart& part);

    // --- wire upkeep (wireupkeep.cpp, junctions.cpp, linetrim.cpp, pinopen.cpp) -------------
    // The passes return 1 when they changed something.  Where a report is
    // given, they add what they did to it.
    //
    // Merges collinear overlapping lines of each list (wires keep junction
    // dots at their ends with the "WireJunc" option); never a merge that
    // would change what is connected.  The settings form reads "CleanSection".
    int CleanLine();
    int CleanLine(const CCleanUpOptions& options, CCleanUpReport* report = nullptr);
    // Removes lines, arcs, texts, junctions and loose pins equal to an earlier
    // one of their list (lines with different names are not equal).
    int CleanDupItem(CCleanUpReport* report = nullptr);
    // Removes zero-length lines, arcs with a radius below 1 and empty texts.
    int CleanNulItem(CCleanUpReport* report = nullptr);
    // Removes every item lying wholly outside the sheet area (0, 0)-size.
    int CleanOutItem(const CSize& sheetSize, CCleanUpReport* report = nullptr);
    // Cuts wires that run along a visible pin back to its tip; 1 when a wire
    // was cut or, lying wholly on the pin, removed.
    int CheckOnPin(CCleanUpReport* report = nullptr);
    // Whether a visible pin of a part, or a loose pin, lies at p.
    bool CheckOnPin(const CPoint& p) const;
    // Items at p: 1 wires passing through, 7 junctions exactly there, 23
    // visible part pins, 32 wires ending there; other codes 0.
    int GetOnCount(const CPoint& p, int code) const;
    // 1 when a junction dot belongs at p; pinsCount != 0 also wants one where
    // a wire ends on a pin with one other item there.
    int CheckJunc(const CPoint& p, int pinsCount) const;
    // Sorts one line list: 24, 25 wires, 26, 27 buses, else plain lines.  The
    // horizontal codes 24, 26, 28 put larger start y first, then smaller start
    // x; the others smaller start x first, then smaller start y.
    void SortLine(int code);
    // The corner trim of a scratch sheet of parallel lines: each list is
    // joined where pieces touch, then its horizontal lines are paired with
    // its vertical ones (from the far end with reverse) and trimmed to meet.
    bool TrimLine(bool reverse);
    // The wires under the parts of this sheet, cut back at their pins: out
    // receives the tidied lines (and the parts, when anything was cut).
    bool TrimPartLine(CSheet& out);
    // Splits the lines of this sheet into those touching a visible pin of
    // part (copied to hits) and the others (to rest, when given).
    bool CheckTrimPart(const CPart* part, CSheet* hits, CSheet* rest) const;
    // Recomputes the open-pin marks of the parts' pins when the sheet asked
    // for it (SetCalcOpenMode), with the "Pin NCX" and "Pin OpenX" settings.
    void CalcPinOpen();
    // Adds the junctions lying on line that points does not hold yet (PackPoint).
    void GetWireOnJuncPoint(const CLine& line, std::vector<int64_t>& points) const;
    // The document's clean-up: empty items, normal direction, merges, pin
    // trims, duplicates, items outside the sheet ("Over"), directions back.
    int CleanUpDocument(const CSize& sheetSize);
    int CleanUpDocument(const CSize& sheetSize, const CCleanUpOptions& options,
                        CCleanUpReport* report = nullptr);
    // Puts every line in normal direction, marking those it turned with
    // bit 31 of the type word; RestoreLineDirections turns them back.
    void NormalizeLines();
    void RestoreLineDirections();

    // --- drawing and export (keldra/export) ---------------------------------------------
    // Draws the sheet in its fixed order; ccw sets the device's arc
    // direction.  Nothing for a scratch sheet or an empty one.
    void DrawSheet(CDC& dc, CDrawContext& ctx, bool ccw);
    void SerializeDXF(CDxfWriter& dxf, const CDxfLayers& layers, bool marker,
                      const CDrawContext& ctx) const;
    void SerializeTango(CArchive& ar) const;

    // --- annotation and sorting (annotation.cpp) ------------------------------------------
    // Results of the part sorts.  Anything but kSortDone means there is
    // nothing to write.
    static constexpr int kSortDone = 0;
    static constexpr int kSortCancelled = 1;
    static constexpr int kSortEmpty = 2;
    // The tag text a part copied from a sheet carries: the sheet's width and
    // height, "%05d,%05d" after the tag.
    static constexpr const char* kSizeTag = "{VIREO:SIZE}";
    static CString SizeTag(int width, int height);
    // Sorts the parts by reference (CPart::CompareRef); progress and cancel
    // through the host.  kSortEmpty for an empty part list.
    int SortPartRef();
    // Sorts the parts in reading order of their sheets: top to bottom, then
    // left to right, by the centre and the height in the size tag.
    int SortPart();
    // The reading-order key of one part (smaller first).
    static std::pair<int64_t, int64_t> ReadingOrderKey(const CPart& part);
    // Loose pins in CPin order, free texts in CText order.
    void SortPin();
    void SortText();
    // 1 when a part's reference (package reference for gates) equals ref
    // without case.
    int FindPartRef(const CString& ref) const;
    // True when at least two of the free texts and selected texts end in a
    // number and, from the first of them on, every text has a number of that
    // many digits.
    bool CheckTextNumber();
    // Rewrites the numbers of those texts zero-padded to width digits (1..18);
    // width 0 takes the longest number among them.
    void ChangeTextNumber(int width);

    // --- batch property edit (batchedit.cpp) ------------------------------------------------
    // The Modify command on a selection sheet: the dialog runs on the form of
    // the items (see sheet/batchedit.h) and OK writes it into them.  1 when
    // the items were changed; 0 on Cancel, for nothing to edit, or after a
    // message about input that cannot be applied (nothing changes then).
    // EditLine takes the kind code of the selection (1, 3, 5, 24..29) and
    // EditPin the code 11.
    int EditLine(int code, const CEditDialog<CLineEditForm>& dialog);
    int EditPart(const CEditDialog<CPartEditForm>& dialog);
    int EditPin(int code, const CEditDialog<CPinEditForm>& dialog);
    int EditText(const CEditDialog<CTextEditForm>& dialog);
    // The item of this sheet to edit after the one sel holds (a pin, a text
    // or a named horizontal or vertical line), by the "CopyIncrement"
    // settings; none at the end of one pass.
    CItemRef GetNextItem(const CSheet& sel);

    // --- nets (keldra/net) -------------------------------------------------------------------
    // The list operations return 1 when the user cancelled (the list then holds
    // a partial result).  nets holds the nets of this sheet only: sheets are
    // extracted into lists of their own and joined by name (BuildNets).
    //
    // Groups the wires into nets and appends them to nets.
    int CreateWireGroup(CItemList<CNet>& nets) const;
    // Adds the pins of the parts: names from parts without a reference, nodes
    // (filed under docName) for parts with one.  Parts that stand for another
    // participating sheet (context->IsProjectSheet) are left out.
    int CreatePinGroup(CItemList<CNet>& nets, const CString& docName,
                       const CNetContext* context = nullptr) const;
    // Merges by name, then (withWires) by contact, and tidies the nets.
    static int NetCorrection(CItemList<CNet>& nets, int withWires);
    // Sorts the nodes of the real nets and the real nets among themselves.
    static int SortNet(CItemList<CNet>& nets);
    // Gives each part of this sheet (one holding the parts of every sheet)
    // a "{VIREO NETINDEX}" text per pin naming the pin's net.
    int NetIndex(int format, const CItemList<CNet>& nets, int firstNo);
    // Cross-sheet references of named lines: marks every line named like
    // line for recalculation; collects this sheet's lines named like
    // list.line; MakeCrossNet renews the cross texts of the marked lines.
    void SetRecalcCrossNet(const CLine* line);
    void GetCrossNet(CCrossNetList& list, const CString& docName) const;
    void MakeCrossNet(const CNetContext& context);
    // Marks the wires and pins of the net under p (or, with byNames, of the
    // nets named in names) with their highlight bits; names receives the
    // names met.  Returns the area marked.
    CRect SetHighlight(const CPoint& p, std::vector<CString>& names, int byNames);

    // --- netlists (keldra/netlist) ----------------------------------------------------------
    // On a sheet holding the parts of every sheet: writes the part section of
    // a netlist format (1..29; sorting the parts first where the format lists
    // them by reference), or the nets part by part from the net index (-19,
    // -21, -22).  True when the user cancelled.
    bool NetWrite(int format, CString& out, const CNetWriteStyle& style);
    // The reference a part section lists a part under: the package
    // reference for a gate of a multi-gate package.
    static CString PartSectionRef(const CPart& part);

    // --- stored forms -----------------------------------------------------------------------
    void DataWrite(CArchive& ar) const;
    // Reads a sheet record of the given file version; the items are added to
    // what the sheet holds.
    void DataRead(CArchive& ar, int version);
    // The plain text form: storing writes every item, loading reads records
    // and then plain lines as texts.
    void SerializeText(CArchive& ar);
    // Reads one line of a text-form archive into buffer (see the .cpp).
    static int SerazileSub(CArchive& ar, char* buffer, bool& end);
    // Moves the most recently added items into dest (undo).
    void GetItemTail(const int counts[9], CSheet& dest);

private:
    int CleanLine(const CCleanUpOptions& options, CLineIndex& wires, const CJuncIndex& juncs,
                  const CPinIndex& pins, CCleanUpReport* report, CTidyRound* round = nullptr);
    int CleanLineList(CLineIndex& index, bool junctionMasks, const CJuncIndex& juncs,
                      const CPinIndex* pins, bool guarded, int& merged, CCleanUpReport* report,
                      CTidyRound* round = nullptr);
    int CheckOnPin(CLineIndex& wires, const CJuncIndex& juncs, const CPinIndex& pins,
                   CCleanUpReport* report, CTidyRound* round = nullptr);
    bool TrimLine(CItemList<CLine>& list, bool reverse);
    static void TrimCrossLine(CLine* h, CLine* v);
    bool TrimPartLine(const CPart* part, CSheet& out) const;
    void TidyForTrim();
    const CItemList<CLine>& LineList(int selector) const;
    CItemList<CLine>& ListOf(const CLine& line);
    // The texts of lines (name and cross name), of loose pins and the free texts.
    template <class F> void ForEachSheetLevelText(F f);
    // A part's three name texts and its own texts.
    template <class F> static void ForEachNameAndOwnText(CPart& part, F f);
    // Every free text, then the selected texts of named lines, loose pins and
    // parts.
    template <class F> void ForEachNumberedText(F f);
    template <class KeyOf> int SortPartList(KeyOf keyOf);
    void MarkOpenPinsStale()
    {
        if (m_type == kDrawing)
            m_calcOpen = 1;
    }

    int m_type = kScratch;
    uint32_t m_count = 0;
    CItemList<CLine> m_wires;
    CItemList<CLine> m_buses;
    CItemList<CLine> m_lines;
    CItemList<CArc> m_arcs;
    CItemList<CJunc> m_juncs;
    CItemList<CText> m_texts;
    CItemList<CPin> m_pins;
    CItemList<CPart> m_parts;
    int m_calcOpen = 0;
    bool m_highLight = false;
};
