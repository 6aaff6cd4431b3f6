#include "sheet/sheet.h"

#include <cmath>
#include <memory>
#include <utility>

#include "base/host.h"
#include "base/profile.h"
#include "sheet/selectedtexts.h"

CSheet::CSheet(int type) : m_type(type) {}

CSheet::~CSheet()
{
    DeleteContents();
}

CRect CSheet::DeleteContents()
{
    const CRect r = GetBoundingRect();
    m_wires.RemoveAll();
    m_buses.RemoveAll();
    m_lines.RemoveAll();
    m_juncs.RemoveAll();
    m_arcs.RemoveAll();
    m_texts.RemoveAll();
    m_pins.RemoveAll();
    m_parts.RemoveAll();
    m_count = 0;
    return r;
}

const CItemList<CLine>& CSheet::LineList(int selector) const
{
    switch (selector) {
    case 1:
    case kind::kHLine:
    case kind::kVLine: return m_lines;
    case 2:
    case kind::kHBus:
    case kind::kVBus: return m_buses;
    default: return m_wires;
    }
}

template <class F>
void CSheet::ForEachSheetLevelText(F f)
{
    for (CItemList<CLine>* list : {&m_wires, &m_buses, &m_lines}) {
        for (CLine& line : *list) {
            f(line.GetNameText());
            f(line.GetCrossNameText());
        }
    }
    for (CPin& pin : m_pins) {
        f(pin.GetNameText());
        f(pin.GetNoText());
    }
    for (CText& text : m_texts)
        f(text);
}

template <class F>
void CSheet::ForEachNameAndOwnText(CPart& part, F f)
{
    f(part.GetPartNameText());
    f(part.GetRefNameText());
    f(part.GetValNameText());
    for (CText& text : part.Texts())
        f(text);
}

CItemList<CLine>& CSheet::ListOf(const CLine& line)
{
    switch (line.GetType() & CLine::kKindMask) {
    case CLine::kPlain: return m_lines;
    case CLine::kBus: return m_buses;
    default: return m_wires;
    }
}

// --- creation --------------------------------------------------------------------------------

namespace {

template <class T>
T* Append(CItemList<T>& list, const T& item, uint32_t& count)
{
    ++count;
    return list.GetAt(list.AddTail(std::make_unique<T>(item)));
}

}  // namespace

CLine* CSheet::NewWire(const CPoint& a, const CPoint& b)
{
    MarkOpenPinsStale();
    return Append(m_wires, CLine(a, b, CLine::kWire), m_count);
}

CLine* CSheet::NewWire(const CPoint& p)
{
    return NewWire(p, p);
}

CLine* CSheet::NewBus(const CPoint& a, const CPoint& b)
{
    return Append(m_buses, CLine(a, b, CLine::kBus), m_count);
}

CLine* CSheet::NewBus(const CPoint& p)
{
    return NewBus(p, p);
}

CLine* CSheet::NewLine(const CPoint& a, const CPoint& b)
{
    return Append(m_lines, CLine(a, b, CLine::kPlain), m_count);
}

CLine* CSheet::NewLine(const CPoint& p)
{
    return NewLine(p, p);
}

CLine* CSheet::NewLine(const CLine& line)
{
    CItemList<CLine>& list = ListOf(line);
    if (&list == &m_wires)
        MarkOpenPinsStale();
    return Append(list, line, m_count);
}

CArc* CSheet::NewArc(const CArc& arc)
{
    return Append(m_arcs, arc, m_count);
}

CArc* CSheet::NewArc(const CPoint& centre, unsigned radius, int startAngle, int endAngle, int type,
                     int width)
{
    return NewArc(CArc(centre, int(radius), startAngle, endAngle, type, width));
}

CArc* CSheet::NewArc(const CLine& line)
{
    // A circle about the line's start through its end; both angles point at
    // the end so that the circle can be opened from there.
    const CPoint a = line.GetStartPoint();
    const CPoint b = line.GetEndPoint();
    const double dx = double(b.x) - a.x;
    const double dy = double(b.y) - a.y;
    const double length = std::sqrt(dx * dx + dy * dy);
    int angle = 0;
    if (length > 0) {
        angle = int(std::acos(dx / length) * 180.0 / 3.1415926535);
        if (a.y > b.y)
            angle = 360 - angle;
    }
    const int radius = length < 2147483647.0 ? int(length) : 2147483647;
    // The kind and the dash style travel; highlight and working marks of the
    // line must not end up in the arc's type word.
    const int type = int(line.GetType() & (CLine::kKindMask | CLine::kStyleMask));
    return NewArc(CArc(a, radius, angle, angle, type, line.GetLineWidth()));
}

CJunc* CSheet::NewJunc(const CJunc& junc)
{
    MarkOpenPinsStale();
    return Append(m_juncs, junc, m_count);
}

CJunc* CSheet::NewJunc(const CPoint& p)
{
    return NewJunc(CJunc(p));
}

CJunc* CSheet::NewJuncCheck(const CPoint& p)
{
    for (CJunc& junc : m_juncs)
        if (junc.GetPoint() == p)
            return &junc;
    return NewJunc(p);
}

CPart* CSheet::NewPart(const CPart& part)
{
    MarkOpenPinsStale();
    return Append(m_parts, part, m_count);
}

CPart* CSheet::NewPart(const CPoint& org, const CPoint& corner1, const CPoint& corner2,
                       unsigned packageMax, unsigned package, unsigned char angle,
                       unsigned char attr)
{
    return NewPart(CPart(org, corner1, corner2, int(packageMax), int(package), angle, attr));
}

CPin* CSheet::NewPin(const CPin& pin)
{
    return Append(m_pins, pin, m_count);
}

CPin* CSheet::NewPin(const CPoint& body, const CPoint& tip, int elect)
{
    return NewPin(CPin(body, tip, uint32_t(elect)));
}

CText* CSheet::NewText(const CText& text)
{
    return Append(m_texts, text, m_count);
}

CText* CSheet::NewText(const char* s, const CPoint& p, int size, int flags)
{
    CText* text = NewText(CText(s, p, size, CText::kDefaultAttr));
    if (flags != 0)
        text->SetAngle(uint32_t(flags));
    return text;
}

CItemRef CSheet::AddItem(const CItemRef& item)
{
    switch (item.kind) {
    case CItemRef::Line: return *NewLine(*static_cast<const CLine*>(item.item));
    case CItemRef::Arc: return *NewArc(*static_cast<const CArc*>(item.item));
    case CItemRef::Junc: return *NewJunc(*static_cast<const CJunc*>(item.item));
    case CItemRef::Text: return *NewText(*static_cast<const CText*>(item.item));
    case CItemRef::Pin: return *NewPin(*static_cast<const CPin*>(item.item));
    case CItemRef::Part: return *NewPart(*static_cast<const CPart*>(item.item));
    case CItemRef::Sheet:
        *this += *static_cast<const CSheet*>(item.item);
        return *this;
    case CItemRef::None: break;
    }
    return CItemRef();
}

// --- removal ---------------------------------------------------------------------------------

namespace {

// Removes the first item (from the head) that pred accepts.  The argument the
// predicate compares with may be that very item, so nothing touches it after
// the removal.
template <class T, class Pred>
bool RemoveFirst(CItemList<T>& list, uint32_t& count, Pred pred)
{
    const POSITION pos = list.FindIf(pred);
    if (!pos)
        return false;
    list.RemoveAt(pos);
    if (count > 0)
        --count;
    return true;
}

// Walks the first n items only, so that a sheet can merge itself without
// running into the copies it appends.
template <class T, class F>
void ForEachOf(const CItemList<T>& list, F f)
{
    int n = list.GetCount();
    for (POSITION pos = list.GetHeadPosition(); pos && n > 0; --n)
        f(*list.GetNext(pos));
}

// Removes each item that pred accepts, after handing it to take; returns how
// many went.  The caller settles the item count.
template <class T, class Pred, class Take>
uint32_t RemoveEach(CItemList<T>& from, Pred pred, Take take)
{
    uint32_t removed = 0;
    for (POSITION pos = from.GetHeadPosition(); pos;) {
        const POSITION at = pos;
        T* item = from.GetNext(pos);
        if (!pred(*item))
            continue;
        take(*item);
        from.RemoveAt(at);
        ++removed;
    }
    return removed;
}

}  // namespace

int CSheet::DeleteLine(const CLine& line)
{
    CItemList<CLine>& list = ListOf(line);
    const bool wire = &list == &m_wires;
    if (!RemoveFirst(list, m_count, [&line](const CLine& x) { return x.Compare(line); }))
        return 0;
    if (wire)
        MarkOpenPinsStale();
    return 1;
}

int CSheet::DeleteArc(const CArc& arc)
{
    return RemoveFirst(m_arcs, m_count, [&arc](const CArc& x) { return x == arc; }) ? 1 : 0;
}

int CSheet::DeleteJunc(const CJunc& junc)
{
    if (!RemoveFirst(m_juncs, m_count, [&junc](const CJunc& x) { return x == junc; }))
        return 0;
    MarkOpenPinsStale();
    return 1;
}

int CSheet::DeletePart(const CPart& part)
{
    // Compare sorts the pins of both sides; the caller's part stays as it is.
    CPart key(part);
    if (!RemoveFirst(m_parts, m_count, [&key](CPart& x) { return x.Compare(key); }))
        return 0;
    MarkOpenPinsStale();
    return 1;
}

int CSheet::DeletePin(const CPin& pin)
{
    return RemoveFirst(m_pins, m_count, [&pin](const CPin& x) { return x.Compare(pin); }) ? 1 : 0;
}

int CSheet::DeleteText(const CText& text)
{
    return RemoveFirst(m_texts, m_count, [&text](const CText& x) { return x == text; }) ? 1 : 0;
}

int CSheet::DeleteItem(const CItemRef& item)
{
    switch (item.kind) {
    case CItemRef::Line: return DeleteLine(*static_cast<const CLine*>(item.item));
    case CItemRef::Arc: return DeleteArc(*static_cast<const CArc*>(item.item));
    case CItemRef::Junc: return DeleteJunc(*static_cast<const CJunc*>(item.item));
    case CItemRef::Text: return DeleteText(*static_cast<const CText*>(item.item));
    case CItemRef::Pin: return DeletePin(*static_cast<const CPin*>(item.item));
    case CItemRef::Part: return DeletePart(*static_cast<const CPart*>(item.item));
    case CItemRef::Sheet:
    case CItemRef::None: break;
    }
    return 0;
}

int CSheet::CheckItem(const CItemRef& item) const
{
    switch (item.kind) {
    case CItemRef::Line: {
        // A line whose kind was changed after it entered may sit in another list.
        const CLine* line = static_cast<const CLine*>(item.item);
        return m_wires.Find(line) || m_buses.Find(line) || m_lines.Find(line) ? 1 : 0;
    }
    case CItemRef::Arc: return m_arcs.Find(static_cast<const CArc*>(item.item)) ? 1 : 0;
    case CItemRef::Junc: return m_juncs.Find(static_cast<const CJunc*>(item.item)) ? 1 : 0;
    case CItemRef::Text: return m_texts.Find(static_cast<const CText*>(item.item)) ? 1 : 0;
    case CItemRef::Pin: return m_pins.Find(static_cast<const CPin*>(item.item)) ? 1 : 0;
    case CItemRef::Part: return m_parts.Find(static_cast<const CPart*>(item.item)) ? 1 : 0;
    case CItemRef::Sheet:
    case CItemRef::None: break;
    }
    return 0;
}

// --- counting and classifying ----------------------------------------------------------------

int CSheet::GetCount(int code) const
{
    switch (code) {
    case kind::kWire: return m_wires.GetCount();
    case kind::kBus: return m_buses.GetCount();
    case kind::kLine: return m_lines.GetCount();
    case kind::kJunc: return m_juncs.GetCount();
    case kind::kPart: return m_parts.GetCount();
    case kind::kPin: return m_pins.GetCount();
    case kind::kText: return m_texts.GetCount();
    case kind::kArc: return m_arcs.GetCount();
    case kind::kPartPins: {
        int n = 0;
        for (const CPart& part : m_parts)
            n += part.GetPinCount();
        return n;
    }
    case kind::kHWire:
    case kind::kVWire:
    case kind::kHBus:
    case kind::kVBus:
    case kind::kHLine:
    case kind::kVLine: {
        int n = 0;
        for (const CLine& line : LineList(code))
            if (line.IsHVLine(code))
                ++n;
        return n;
    }
    default: return int(m_count);
    }
}

int CSheet::CheckKind() const
{
    const int total = m_wires.GetCount() + m_buses.GetCount() + m_lines.GetCount() +
                      m_arcs.GetCount() + m_juncs.GetCount() + m_texts.GetCount() +
                      m_pins.GetCount() + m_parts.GetCount();
    // All lines of one list: horizontal, else vertical, else the plain kind.
    // An empty sheet passes the first test, so it reads as horizontal wires.
    const struct {
        const CItemList<CLine>& list;
        int horizontal, vertical, plain;
    } lineKinds[] = {
        {m_wires, kind::kHWire, kind::kVWire, kind::kWire},
        {m_buses, kind::kHBus, kind::kVBus, kind::kBus},
        {m_lines, kind::kHLine, kind::kVLine, kind::kLine},
    };
    for (const auto& k : lineKinds) {
        if (k.list.GetCount() != total)
            continue;
        bool allHorizontal = true, allVertical = true;
        for (const CLine& line : k.list) {
            allHorizontal = allHorizontal && line.IsHVLine(k.horizontal);
            allVertical = allVertical && line.IsHVLine(k.vertical);
        }
        return allHorizontal ? k.horizontal : allVertical ? k.vertical : k.plain;
    }
    if (m_pins.GetCount() == total)
        return kind::kPin;
    if (m_texts.GetCount() == total)
        return kind::kText;
    if (m_parts.GetCount() == total)
        return kind::kPart;
    return kind::kMixed;
}

CRect CSheet::GetBoundingRect() const
{
    CRect r;
    for (const CLine& line : m_wires)
        r.UnionRect(r, line.GetBoundingRect());
    for (const CLine& line : m_buses)
        r.UnionRect(r, line.GetBoundingRect());
    for (const CLine& line : m_lines)
        r.UnionRect(r, line.GetBoundingRect());
    for (const CJunc& junc : m_juncs)
        r.UnionRect(r, junc.GetBoundingRect());
    for (const CPin& pin : m_pins)
        r.UnionRect(r, pin.GetBoundingRect());
    for (const CText& text : m_texts)
        r.UnionRect(r, text.GetBoundingRect());
    for (const CArc& arc : m_arcs)
        r.UnionRect(r, arc.GetBoundingRect());
    for (const CPart& part : m_parts)
        r.UnionRect(r, part.GetBoundingRect());
    return r;
}

// --- copy, merge, compare --------------------------------------------------------------------

CSheet& CSheet::operator+=(const CSheet& other)
{
    ForEachOf(other.m_wires, [this](const CLine& x) { NewLine(x); });
    ForEachOf(other.m_buses, [this](const CLine& x) { NewLine(x); });
    ForEachOf(other.m_lines, [this](const CLine& x) { NewLine(x); });
    ForEachOf(other.m_pins, [this](const CPin& x) { NewPin(x); });
    ForEachOf(other.m_juncs, [this](const CJunc& x) { NewJunc(x); });
    ForEachOf(other.m_texts, [this](const CText& x) { NewText(x); });
    ForEachOf(other.m_arcs, [this](const CArc& x) { NewArc(x); });
    ForEachOf(other.m_parts, [this](const CPart& x) { NewPart(x); });
    return *this;
}

CSheet& CSheet::operator=(const CSheet& other)
{
    // Clearing first would leave nothing to copy from.
    if (&other == this)
        return *this;
    DeleteContents();
    return *this += other;
}

namespace {

template <class T, class Equal>
bool SameItems(const CItemList<T>& a, const CItemList<T>& b, Equal equal)
{
    if (a.GetCount() != b.GetCount())
        return false;
    for (auto x = a.begin(), y = b.begin(); x != a.end(); ++x, ++y)
        if (!equal(*x, *y))
            return false;
    return true;
}

}  // namespace

int CSheet::operator==(const CSheet& other) const
{
    if (GetBoundingRect() != other.GetBoundingRect())
        return 0;
    const auto sameLine = [](const CLine& a, const CLine& b) { return a.Compare(b); };
    if (!SameItems(m_wires, other.m_wires, sameLine) ||
        !SameItems(m_buses, other.m_buses, sameLine) ||
        !SameItems(m_lines, other.m_lines, sameLine))
        return 0;
    // Compare sorts the pins of both parts: work on copies so that comparing
    // never reorders what either sheet holds.
    const auto samePart = [](const CPart& a, const CPart& b) {
        CPart x(a), y(b);
        return x.Compare(y);
    };
    if (!SameItems(m_parts, other.m_parts, samePart))
        return 0;
    if (!SameItems(m_pins, other.m_pins, [](const CPin& a, const CPin& b) { return a.Compare(b); }))
        return 0;
    if (!SameItems(m_texts, other.m_texts, [](const CText& a, const CText& b) { return a == b; }))
        return 0;
    return 1;
}

void CSheet::CleanSheet(CSheet& other)
{
    // Every item would find itself; the removal would then pull the item out
    // from under the walk.  A sheet has nothing to clean against itself.
    if (&other == this)
        return;
    const auto keep = [](const auto&) {};
    const auto lineIn = [&other](const CLine& x) { return other.DeleteLine(x) != 0; };
    const uint32_t wires = RemoveEach(m_wires, lineIn, keep);
    uint32_t removed = wires;
    removed += RemoveEach(m_buses, lineIn, keep);
    removed += RemoveEach(m_lines, lineIn, keep);
    removed += RemoveEach(
        m_arcs, [&other](const CArc& x) { return other.DeleteArc(x) != 0; }, keep);
    removed += RemoveEach(
        m_texts, [&other](const CText& x) { return other.DeleteText(x) != 0; }, keep);
    const uint32_t juncs = RemoveEach(
        m_juncs, [&other](const CJunc& x) { return other.DeleteJunc(x) != 0; }, keep);
    removed += juncs;
    removed += RemoveEach(
        m_pins, [&other](const CPin& x) { return other.DeletePin(x) != 0; }, keep);
    m_count = m_count > removed ? m_count - removed : 0;
    if (wires || juncs)
        MarkOpenPinsStale();
}

void CSheet::MoveItem(CSheet& src, int code)
{
    // Emptying this sheet would empty the source as well.
    if (&src == this)
        return;
    DeleteContents();
    uint32_t moved = 0;
    switch (code) {
    case kind::kPart:
        moved = RemoveEach(
            src.m_parts, [](const CPart&) { return true; }, [this](const CPart& x) { NewPart(x); });
        if (moved)
            src.MarkOpenPinsStale();
        break;
    case kind::kPin:
        moved = RemoveEach(
            src.m_pins, [](const CPin&) { return true; }, [this](const CPin& x) { NewPin(x); });
        break;
    case kind::kText:
        moved = RemoveEach(
            src.m_texts, [](const CText&) { return true; }, [this](const CText& x) { NewText(x); });
        break;
    case kind::kHWire:
    case kind::kVWire:
    case kind::kHBus:
    case kind::kVBus:
    case kind::kHLine:
    case kind::kVLine: {
        CItemList<CLine>& list = code <= kind::kVWire  ? src.m_wires
                                 : code <= kind::kVBus ? src.m_buses
                                                       : src.m_lines;
        moved = RemoveEach(
            list, [code](const CLine& x) { return x.IsHVLine(code); },
            [this](const CLine& x) { NewLine(x); });
        if (moved && &list == &src.m_wires)
            src.MarkOpenPinsStale();
        break;
    }
    default: break;
    }
    src.m_count = src.m_count > moved ? src.m_count - moved : 0;
}

// --- whole-sheet transforms ------------------------------------------------------------------

namespace {

// The quarter-turn flag the items take: counter-clockwise (1) for a positive
// dir, clockwise (0) for a negative one; dir 0 lets the Shift key choose.
int TurnFlag(int dir)
{
    if (dir > 0)
        return 1;
    if (dir < 0)
        return 0;
    return Host().IsShiftDown() ? 0 : 1;
}

}  // namespace

void CSheet::OffsetItem(const CPoint& d, bool all)
{
    if (d == CPoint(0, 0))
        return;
    for (CLine& line : m_wires)
        line.Offset(d);
    for (CLine& line : m_buses)
        line.Offset(d);
    for (CLine& line : m_lines)
        line.Offset(d);
    for (CJunc& junc : m_juncs)
        junc.Offset(d);
    for (CPin& pin : m_pins)
        pin.Offset(d);
    for (CText& text : m_texts)
        text.Offset(d);
    for (CPart& part : m_parts)
        part.Offset(d);
    for (CArc& arc : m_arcs) {
        if (!arc.CheckEdge()) {
            arc.Offset(d);
        } else if (all) {
            // An arc caught by one end would turn that end towards d as if d
            // were a cursor position; a whole move takes the arc along instead.
            arc.SetCheck(0);
            arc.Offset(d);
        }
        // Otherwise the rubber band of the move tool stretches it.
    }
}

void CSheet::Rotate(const CPoint& centre, int dir)
{
    const int flag = TurnFlag(dir);
    for (CLine& line : m_wires)
        line.Rotate(centre, flag);
    for (CLine& line : m_buses)
        line.Rotate(centre, flag);
    for (CLine& line : m_lines)
        line.Rotate(centre, flag);
    for (CJunc& junc : m_juncs)
        junc.Rotate(centre, flag);
    for (CPin& pin : m_pins)
        pin.Rotate(centre, flag);
    for (CText& text : m_texts)
        text.Rotate(centre, flag);
    for (CArc& arc : m_arcs)
        arc.Rotate(centre, flag);
    for (CPart& part : m_parts)
        part.Rotate(centre, flag);
}

void CSheet::MirrorX(const CPoint& axis)
{
    for (CLine& line : m_wires)
        line.MirrorX(axis);
    for (CLine& line : m_buses)
        line.MirrorX(axis);
    for (CLine& line : m_lines)
        line.MirrorX(axis);
    for (CJunc& junc : m_juncs)
        junc.MirrorX(axis);
    for (CPin& pin : m_pins)
        pin.MirrorX(axis);
    for (CText& text : m_texts)
        text.MirrorX(axis, 1);
    for (CArc& arc : m_arcs)
        arc.MirrorX(axis);
    for (CPart& part : m_parts)
        part.MirrorX(axis);
}

void CSheet::MirrorY(const CPoint& axis)
{
    for (CLine& line : m_wires)
        line.MirrorY(axis);
    for (CLine& line : m_buses)
        line.MirrorY(axis);
    for (CLine& line : m_lines)
        line.MirrorY(axis);
    for (CJunc& junc : m_juncs)
        junc.MirrorY(axis);
    for (CPin& pin : m_pins)
        pin.MirrorY(axis);
    for (CText& text : m_texts)
        text.MirrorY(axis, 1);
    for (CArc& arc : m_arcs)
        arc.MirrorY(axis);
    for (CPart& part : m_parts)
        part.MirrorY(axis);
}

void CSheet::RotateText(const CPoint& centre)
{
    const int flag = TurnFlag(0);
    for (CLine& line : m_wires)
        line.RotateText(centre, flag);
    for (CLine& line : m_buses)
        line.RotateText(centre, flag);
    for (CLine& line : m_lines)
        line.RotateText(centre, flag);
    for (CPin& pin : m_pins)
        pin.RotateText(centre, flag);
    for (CText& text : m_texts)
        text.RotateText(centre, flag);
    for (CPart& part : m_parts)
        part.RotateText(centre, flag);
}

void CSheet::MirrorXText(const CPoint& axis)
{
    for (CLine& line : m_wires)
        line.MirrorXText(axis);
    for (CLine& line : m_buses)
        line.MirrorXText(axis);
    for (CLine& line : m_lines)
        line.MirrorXText(axis);
    for (CPin& pin : m_pins)
        pin.MirrorXText(axis);
    for (CText& text : m_texts)
        text.MirrorXText(axis);
    for (CPart& part : m_parts)
        part.MirrorXText(axis);
}

void CSheet::MirrorYText(const CPoint& axis)
{
    for (CLine& line : m_wires)
        line.MirrorYText(axis);
    for (CLine& line : m_buses)
        line.MirrorYText(axis);
    for (CLine& line : m_lines)
        line.MirrorYText(axis);
    for (CPin& pin : m_pins)
        pin.MirrorYText(axis);
    for (CText& text : m_texts)
        text.MirrorYText(axis);
    for (CPart& part : m_parts)
        part.MirrorYText(axis);
}

void CSheet::OffsetAttr(const CPoint& d)
{
    // One answer for the whole move, so that all names slide the same way.
    const bool shiftDown = Host().IsShiftDown();
    for (CLine& line : m_wires)
        line.OffsetAttr(d, shiftDown);
    for (CLine& line : m_buses)
        line.OffsetAttr(d, shiftDown);
    for (CLine& line : m_lines)
        line.OffsetAttr(d, shiftDown);
    for (CPin& pin : m_pins)
        pin.OffsetAttr(d);
    for (CText& text : m_texts)
        text.OffsetAttr(d);
    for (CPart& part : m_parts)
        part.OffsetAttr(d);
}

void CSheet::ReCalcTextBoundingRect()
{
    ForEachSheetLevelText([](CText& text) { text.CalcBoundRect(); });
    for (CPart& part : m_parts)
        part.CalcBoundRect(1);
}

void CSheet::FrameChange(int style)
{
    for (CItemList<CLine>* list : {&m_wires, &m_buses, &m_lines})
        for (CLine& line : *list)
            line.GetNameText().FrameChange(style);
    // The command steps the frame of every free text it is given, selected or
    // not; the selection is put back afterwards.
    for (CText& text : m_texts) {
        if (text.IsTextSel()) {
            text.FrameChange(style);
            continue;
        }
        text.SetTextSel(true);
        text.CalcBoundRect();
        text.FrameChange(style);
        text.SetTextSel(false);
        text.CalcBoundRect();
    }
    for (CPart& part : m_parts) {
        part.GetPartNameText().FrameChange(style);
        part.GetRefNameText().FrameChange(style);
        part.GetValNameText().FrameChange(style);
        for (CText& text : part.Texts())
            text.FrameChange(style);
        for (CLine& line : part.Lines())
            line.GetNameText().FrameChange(style);
        for (CPin& pin : part.Pins()) {
            pin.GetNameText().FrameChange(style);
            pin.GetNoText().FrameChange(style);
        }
        part.CalcBoundRect(0);
    }
    for (CPin& pin : m_pins) {
        pin.GetNameText().FrameChange(style);
        pin.GetNoText().FrameChange(style);
    }
}

// --- selection marks -------------------------------------------------------------------------

void CSheet::SetCheck()
{
    for (CItemList<CLine>* list : {&m_wires, &m_buses, &m_lines})
        for (CLine& line : *list)
            line.SetCheck(1);
    for (CArc& arc : m_arcs)
        arc.SetCheck(1);
}

void CSheet::SetTextSel(const CRect& r, int mode)
{
    if (mode != 0) {
        for (CPart& part : m_parts)
            for (CPin& pin : part.Pins())
                if (pin.IsDisp())
                    pin.SetPinSel(r);
        return;
    }
    const auto select = [&r](CText& text) { text.SetTextSel(r); };
    ForEachSheetLevelText(select);
    for (CPart& part : m_parts) {
        ForEachNameAndOwnText(part, select);
        for (CPin& pin : part.Pins()) {
            if (!pin.IsDisp())
                continue;
            select(pin.GetNameText());
            select(pin.GetNoText());
        }
    }
}

void CSheet::ResetTextSel()
{
    const auto reset = [](CText& text) { text.ResetTextSel(); };
    ForEachSheetLevelText(reset);
    for (CPart& part : m_parts) {
        ForEachNameAndOwnText(part, reset);
        // Hidden pins too: a mark left on them would still follow the
        // attribute transforms.
        for (CPin& pin : part.Pins()) {
            reset(pin.GetNameText());
            reset(pin.GetNoText());
            pin.ResetPinSel();
        }
    }
}

void CSheet::ChangeTextOrg(int key, int all)
{
    for (CText& text : m_texts)
        text.SetOrg(key);
    if (!all)
        return;
    CItemList<CLine>* lineLists[] = {&m_wires, &m_buses, &m_lines};
    ForEachSelectedAttr(
        lineLists, m_pins, m_parts, [key](CText& text) { text.SetOrg(key); },
        [](CPart& part) { part.CalcBoundRect(); });
}

bool CSheet::CheckTextOrg(int key, bool all) const
{
    uint32_t org = 0;
    if (!CText::KeyToOrg(key, org))
        return true;  // such a key changes nothing
    bool same = true;
    bool haveDir = false;
    uint32_t direction = 0;
    const auto check = [&](const CText& text) {
        if (text.GetOrg() != org)
            same = false;
        if (!haveDir) {
            direction = text.GetDir();
            haveDir = true;
        } else if (text.GetDir() != direction) {
            same = false;
        }
    };
    for (const CText& text : m_texts)
        check(text);
    if (all) {
        const CItemList<CLine>* lineLists[] = {&m_wires, &m_buses, &m_lines};
        ForEachSelectedAttr(lineLists, m_pins, m_parts, check, [](const CPart&) {});
    }
    return same;
}

// --- building a part symbol ------------------------------------------------------------------

void CSheet::MakePart(CPart& part)
{
    // The items leave the sheet for the part: the objects themselves change
    // owner, nothing is copied.
    uint32_t moved = 0;
    while (!m_lines.IsEmpty()) {
        std::unique_ptr<CLine> line = m_lines.Detach(m_lines.GetHeadPosition());
        line->SetCheck(0);
        part.Lines().AddTail(std::move(line));
        ++moved;
    }
    const bool hidePower = Profile().GetInt("MakePart", "HidePowerPin", 1) != 0;
    while (!m_pins.IsEmpty()) {
        std::unique_ptr<CPin> pin = m_pins.Detach(m_pins.GetHeadPosition());
        if (hidePower && pin->IsPower())
            pin->ModifyElect(CPin::kHidden, 0);
        part.Pins().AddTail(std::move(pin));
        ++moved;
    }
    // "Name", "Ref" and "Val" are the placeholders of the part's own texts;
    // the caller takes their strings and they stay on the sheet.
    for (POSITION pos = m_texts.GetHeadPosition(); pos;) {
        const POSITION at = pos;
        const CString& s = m_texts.GetNext(pos)->GetName();
        if (s.CompareNoCase("Name") == 0 || s.CompareNoCase("Ref") == 0 ||
            s.CompareNoCase("Val") == 0)
            continue;
        std::unique_ptr<CText> text = m_texts.Detach(at);
        if (text->IsProperty()) {
            text->Disp(false);
            text->ResetTextSel();
        }
        part.Texts().AddTail(std::move(text));
        ++moved;
    }
    while (!m_arcs.IsEmpty()) {
        std::unique_ptr<CArc> arc = m_arcs.Detach(m_arcs.GetHeadPosition());
        arc->SetCheck(0);
        part.Arcs().AddTail(std::move(arc));
        ++moved;
    }
    m_count = m_count > moved ? m_count - moved : 0;
    part.GetPartNameText().Disp(true);
    part.GetRefNameText().Disp(true);
    part.GetValNameText().Disp(true);
    MarkOpenPinsStale();
    part.CalcBoundRect(1);
}
