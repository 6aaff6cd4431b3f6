// CPin: geometry, text placement, wire trimming and stored forms of a pin.
//
// The direction (angle word) is never trusted from outside: it is recomputed
// from the two ends whenever they change and after reading.  The name and the
// number are placed by a fixed rule relative to the body end (name inside the
// symbol, number above the stroke); transforms carry the texts along and then
// put the number back above the stroke if a turn or a flip left it hanging
// below.
//
// Coordinates from a file are hostile: everything that adds offsets to a
// coordinate works in 64 bits and clamps, so extreme values cannot overflow.

#include "items/pin.h"

#include <algorithm>
#include <climits>
#include <utility>

#include "base/archive.h"
#include "base/profile.h"
#include "items/geometry.h"
#include "items/recordline.h"
#include "items/line.h"

namespace {

constexpr int kNameGap = 18;           // name distance from the body end
constexpr int kNameGapClock = 68;      // ... leaving room for the clock wedge
constexpr int kNumberGap = 50;         // number distance from the body end
constexpr uint32_t kPlaceMask = 0x3FF; // anchor and direction bits of a text
constexpr int kDotBox = 112;           // inversion dot, centred on the body end
constexpr int kClockBox = 82;          // clock wedge, centred on the body end
constexpr int kStrokePad = 6;          // bounding box around the stroke
constexpr uint32_t kRuntimeBits = CPin::kSelected | CPin::kOpenMark;


// Points derived from the body end (the tip, the text anchors) stay within the
// coordinate range, so that a pin at the edge still stores and reads back.
CPoint Shifted(const CPoint& p, int64_t dx, int64_t dy)
{
    return CPoint(ClampCoord(p.x + dx), ClampCoord(p.y + dy));
}

// The box of two points grown by pad on every side (normalised).
CRect Box(const CPoint& a, const CPoint& b, int pad)
{
    return CRect(
        ClampInt32(int64_t(std::min(a.x, b.x)) - pad), ClampInt32(int64_t(std::min(a.y, b.y)) - pad),
        ClampInt32(int64_t(std::max(a.x, b.x)) + pad), ClampInt32(int64_t(std::max(a.y, b.y)) + pad));
}

CRect CentredBox(const CPoint& c, int size)
{
    const int half = size / 2;
    return Box(c, c, half);
}

int DefaultTextSize(const char* key)
{
    return Profile().GetInt("Default", key, CText::kDefaultSize);
}


// Position of a point along a pin's axis, measured from the body end towards
// the tip (the tip lies at the pin's length).
struct PinAxis {
    bool horizontal;
    int64_t origin; // body coordinate along the axis
    int sign;       // +1 when the tip lies at the larger coordinate

    int64_t At(const CPoint& p) const { return ((horizontal ? p.x : p.y) - origin) * sign; }
    bool OnAxis(const CPoint& p, const CPoint& body) const
    {
        return horizontal ? p.y == body.y : p.x == body.x;
    }
};

} // namespace

// --- construction ----------------------------------------------------------

CPin::CPin()
    : m_name(CString(), CPoint(), DefaultTextSize("PinNameAttrHeight"), CText::kDefaultAttr),
      m_no(CString(), CPoint(), DefaultTextSize("PinNoAttrHeight"), CText::kDefaultAttr)
{
}

CPin::CPin(const CPoint& body, const CPoint& tip, uint32_t elect) : CPin()
{
    SetPoint(body, tip, elect);
}

// --- points and direction --------------------------------------------------

void CPin::SetPoint(const CPoint& body, const CPoint& tip, uint32_t elect)
{
    m_body = body;
    m_tip = tip;
    m_elect = elect;
    ReCalcPinAngle();
    PlaceTexts();
}

void CPin::ReCalcPinAngle()
{
    if (m_body.y == m_tip.y)
        m_angle = m_body.x > m_tip.x ? dir::k180 : dir::k0;
    else if (m_body.x != m_tip.x)
        m_angle = dir::kOblique;
    else
        m_angle = m_body.y > m_tip.y ? dir::k270 : dir::k90;
}

namespace {

// Where the placement rule puts a pin text: position and the low ten bits.
struct Placement {
    CPoint point;
    uint32_t attr;
};

Placement NamePlacement(const CPoint& body, uint32_t direction, bool clock)
{
    const int g = clock ? kNameGapClock : kNameGap;
    switch (direction) {
    case dir::k0:
        return {Shifted(body, -g, 0), anchor::MiddleRight};
    case dir::k180:
        return {Shifted(body, g, 0), anchor::MiddleLeft};
    case dir::k90:
        return {Shifted(body, 0, -g), dir::k90 | anchor::MiddleRight};
    case dir::k270:
        return {Shifted(body, 0, g), dir::k90 | anchor::MiddleLeft};
    default:
        return {body, dir::kOblique | anchor::BottomLeft};
    }
}

Placement NumberPlacement(const CPoint& body, uint32_t direction)
{
    switch (direction) {
    case dir::k0:
        return {Shifted(body, kNumberGap, 0), anchor::BottomLeft};
    case dir::k180:
        return {Shifted(body, -kNumberGap, 0), anchor::BottomRight};
    case dir::k90:
        return {Shifted(body, 0, kNumberGap), dir::k90 | anchor::BottomLeft};
    case dir::k270:
        return {Shifted(body, 0, -kNumberGap), dir::k90 | anchor::BottomRight};
    default:
        return {body, dir::kOblique | anchor::BottomLeft};
    }
}

// Only the anchor and direction bits change: display, frame and font stay.
void ApplyPlacement(CText& text, const Placement& place)
{
    text.SetName(text.GetName(), place.point, text.GetSize(),
                 (text.GetAngle() & ~kPlaceMask) | place.attr);
}

} // namespace

void CPin::PlaceTexts()
{
    ApplyPlacement(m_name, NamePlacement(m_body, GetDir(), (m_elect & kClock) != 0));
    ApplyPlacement(m_no, NumberPlacement(m_body, GetDir()));
}

void CPin::ForceNumberBottom()
{
    // A turn or flip can leave the number hanging below the stroke (a top
    // anchor); it goes back above, keeping its left/right part.
    if ((m_no.GetOrg() & anchor::kVertMask) == 0)
        m_no.ModifyAngle(anchor::kBottom, 0);
}

int CPin::GetLen() const
{
    switch (GetDir()) {
    case dir::k0:
        return ClampInt32(int64_t(m_tip.x) - m_body.x);
    case dir::k180:
        return ClampInt32(int64_t(m_body.x) - m_tip.x);
    case dir::k90:
        return ClampInt32(int64_t(m_tip.y) - m_body.y);
    case dir::k270:
        return ClampInt32(int64_t(m_body.y) - m_tip.y);
    default:
        return kDefaultLength;
    }
}

namespace {

// The tip at length l from the body in a direction; false (tip untouched)
// for an oblique or unknown direction.
bool TipFor(const CPoint& body, uint32_t direction, int l, CPoint& tip)
{
    switch (direction & dir::kMask) {
    case dir::k0:
        tip = Shifted(body, l, 0);
        return true;
    case dir::k90:
        tip = Shifted(body, 0, l);
        return true;
    case dir::k180:
        tip = Shifted(body, -int64_t(l), 0);
        return true;
    case dir::k270:
        tip = Shifted(body, 0, -int64_t(l));
        return true;
    default:
        return false;
    }
}

} // namespace

void CPin::SetAngle(uint32_t direction)
{
    TipFor(m_body, direction, GetLen(), m_tip);
    ForceNumberBottom();
    ReCalcPinAngle();
}

void CPin::SetLen(int length)
{
    TipFor(m_body, GetDir(), length, m_tip);
    ReCalcPinAngle();
}

void CPin::Rotate(int dir)
{
    const CPoint centre = m_body;
    Rotate(centre, dir);
}

// --- electrical word -------------------------------------------------------

uint32_t CPin::SetElect(uint32_t elect)
{
    const uint32_t previous = m_elect;
    m_elect = elect;
    if ((previous ^ elect) & kShapeMask)
        PlaceTexts(); // the clock wedge pushes the name further in
    return previous;
}

CString CPin::GetEleName(int type)
{
    switch (type) {
    case Passive:
        return "Passive";
    case Input:
        return "Input";
    case Output:
        return "Output";
    case ThreeState:
        return "3-State";
    case InOut:
        return "In-Out";
    case OpenLow:
        return "Open-Low";
    case OpenHigh:
        return "Open-High";
    case PassiveDown:
        return "Passive-Down";
    case PassiveUp:
        return "Passive-Up";
    case NoConnect:
        return "No Connect";
    case Power:
        return "Power";
    default:
        return CString();
    }
}

// --- texts -----------------------------------------------------------------

void CPin::SetName(const CString& name)
{
    m_name.SetName(name);
}

void CPin::SetName(const CString& name, const CPoint& point, uint32_t attr)
{
    m_name.SetName(name, point, m_name.GetSize(), attr);
}

void CPin::SetNo(const CString& number)
{
    m_no.SetName(number);
}

void CPin::SetNo(const CString& number, const CPoint& point, uint32_t attr)
{
    m_no.SetName(number, point, m_no.GetSize(), attr);
}

CRect CPin::IncName(int step)
{
    m_name.IncName(step);
    return m_name.GetBoundingRect();
}

CRect CPin::IncNo(int step)
{
    m_no.IncName(step);
    return m_no.GetBoundingRect();
}

// --- state and hit tests ---------------------------------------------------

bool CPin::SetPinSel(const CRect& rect)
{
    if (!IsDisp())
        return false;
    CRect overlap;
    if (!overlap.IntersectRect(GetBoundingRect(), rect.Normalized()))
        return false;
    m_elect |= kSelected;
    return true;
}

bool CPin::CheckPoint(const CPoint& p) const
{
    if (!IsDisp())
        return false;
    const CRect box = Box(m_body, m_tip, 1);
    return p.x >= box.left && p.x <= box.right && p.y >= box.top && p.y <= box.bottom;
}

bool CPin::CheckOnPoint(const CPoint& p) const
{
    return IsDisp() && m_tip == p;
}

bool CPin::CheckOnPin(const CPin& other) const
{
    if (!IsDisp() || !other.IsDisp() || m_body == m_tip || other.m_body == other.m_tip)
        return false;
    // The stretch a pin covers along x (horizontal) or y.
    auto range = [](const CPin& pin, bool alongX) {
        const int32_t a = alongX ? pin.m_body.x : pin.m_body.y;
        const int32_t b = alongX ? pin.m_tip.x : pin.m_tip.y;
        return std::pair<int32_t, int32_t>(std::min(a, b), std::max(a, b));
    };
    bool alongX;
    if (IsHorizontalPin() && other.IsHorizontalPin() && m_body.y == other.m_body.y)
        alongX = true;
    else if (IsVerticalPin() && other.IsVerticalPin() && m_body.x == other.m_body.x)
        alongX = false;
    else
        return false;
    const auto [lo1, hi1] = range(*this, alongX);
    const auto [lo2, hi2] = range(other, alongX);
    // Stacked means sharing a stretch: two pins meeting tip to tip are a
    // connection, not a stack.
    return std::max(lo1, lo2) < std::min(hi1, hi2);
}

namespace {

// The axis frame of a pin that can take part in wire trimming, or false.
bool TrimAxis(const CPin& pin, const CLine& wire, PinAxis& axis)
{
    if (!pin.IsDisp() || pin.GetStartPoint() == pin.GetPoint())
        return false;
    const CPoint& body = pin.GetStartPoint();
    switch (pin.GetDir()) {
    case dir::k0:
        axis = {true, body.x, 1};
        break;
    case dir::k180:
        axis = {true, body.x, -1};
        break;
    case dir::k90:
        axis = {false, body.y, 1};
        break;
    case dir::k270:
        axis = {false, body.y, -1};
        break;
    default:
        return false;
    }
    return axis.OnAxis(wire.GetStartPoint(), body) && axis.OnAxis(wire.GetEndPoint(), body);
}

} // namespace

bool CPin::CheckOnPin(CLine& wire) const
{
    PinAxis axis;
    if (!TrimAxis(*this, wire, axis))
        return false;
    const int64_t len = axis.At(m_tip);
    const int64_t s = axis.At(wire.GetStartPoint());
    const int64_t e = axis.At(wire.GetEndPoint());
    // Only a wire that shares a stretch of the stroke runs along the pin; one
    // that merely meets the body end from inside the symbol does not.  An end
    // lying on the stroke goes to the tip, wherever the other end is - also
    // when the wire reaches back past the body end.
    if (std::max<int64_t>(std::min(s, e), 0) < std::min<int64_t>(std::max(s, e), len)) {
        auto onStroke = [len](int64_t t) { return t >= 0 && t < len; };
        if (onStroke(s))
            wire.SetStartPoint(m_tip);
        if (onStroke(e))
            wire.SetPoint(m_tip);
    }
    return wire.GetStartPoint() == m_tip || wire.GetEndPoint() == m_tip;
}

bool CPin::CheckOverWire(CLine& wire) const
{
    PinAxis axis;
    if (!TrimAxis(*this, wire, axis))
        return false;
    const int64_t len = axis.At(m_tip);
    const int64_t s = axis.At(wire.GetStartPoint());
    const int64_t e = axis.At(wire.GetEndPoint());
    auto onStroke = [len](int64_t t) { return t >= 0 && t < len; };
    // Either end may be the one lying on the stroke: which one it is depends
    // only on how the wire happens to be oriented.
    if (onStroke(s) && e > len) {
        wire.SetStartPoint(m_tip);
        wire.SetArrow(0, wire.GetEndArrow());
    } else if (onStroke(e) && s > len) {
        wire.SetPoint(m_tip);
        wire.SetArrow(wire.GetStartArrow(), 0);
    } else {
        return false;
    }
    // A name placed along the pin's stroke would now sit over the symbol.
    CText& name = wire.GetNameText();
    const int64_t at = axis.At(name.GetPoint());
    if (!name.IsEmpty() && at >= 0 && at < len) {
        name.SetName(CString());
        name.ModifyAngle(0, CText::kFrameMask);
    }
    return true;
}

CRect CPin::GetBoundingRect() const
{
    if (!IsDisp())
        return CRect();
    CRect r = Box(m_body, m_tip, kStrokePad);
    if (m_elect & kDot)
        r |= CentredBox(m_body, kDotBox);
    else if (m_elect & kClock)
        r |= CentredBox(m_body, kClockBox);
    r |= m_name.GetBoundingRect().Normalized();
    r |= m_no.GetBoundingRect().Normalized();
    return r;
}

bool CPin::Find(const CString& search, int mask, bool matchCase, bool wholeWord, bool includeHidden,
                CPoint& found) const
{
    if (!IsDisp() && !includeHidden)
        return false;
    if ((mask & 0x8) && m_name.Find(search, matchCase, wholeWord, includeHidden, found))
        return true;
    return (mask & 0x10) && m_no.Find(search, matchCase, wholeWord, includeHidden, found);
}

// --- transforms ------------------------------------------------------------

void CPin::Offset(const CPoint& d)
{
    m_body = Shifted(m_body, d.x, d.y);
    m_tip = Shifted(m_tip, d.x, d.y);
    // Empty texts move too, so that a name given later appears by the pin.
    m_name.SetPoint(Shifted(m_name.GetPoint(), d.x, d.y));
    m_no.SetPoint(Shifted(m_no.GetPoint(), d.x, d.y));
    ReCalcPinAngle();
    ForceNumberBottom();
}

void CPin::Rotate(const CPoint& c, int dir)
{
    m_body = RotatePoint(m_body, c, dir);
    m_tip = RotatePoint(m_tip, c, dir);
    m_name.Rotate(c, dir, 1);
    m_no.Rotate(c, dir, 1);
    ReCalcPinAngle();
    ForceNumberBottom();
}

void CPin::MirrorX(const CPoint& c)
{
    // Texts of a pin lying across the mirror line swap sides with it.
    const int reanchor = IsHorizontalPin() ? 1 : 0;
    m_body = MirrorXPoint(m_body, c);
    m_tip = MirrorXPoint(m_tip, c);
    m_name.MirrorX(c, reanchor);
    m_no.MirrorX(c, reanchor);
    ReCalcPinAngle();
    ForceNumberBottom();
}

void CPin::MirrorY(const CPoint& c)
{
    const int reanchor = IsVerticalPin() ? 1 : 0;
    m_body = MirrorYPoint(m_body, c);
    m_tip = MirrorYPoint(m_tip, c);
    m_name.MirrorY(c, reanchor);
    m_no.MirrorY(c, reanchor);
    ReCalcPinAngle();
    ForceNumberBottom();
}

void CPin::OffsetAttr(const CPoint& d)
{
    m_name.OffsetAttr(d);
    m_no.OffsetAttr(d);
}

void CPin::RotateText(const CPoint& c, int dir)
{
    m_name.RotateText(c, dir);
    m_no.RotateText(c, dir);
}

void CPin::MirrorXText(const CPoint& c)
{
    m_name.MirrorXText(c);
    m_no.MirrorXText(c);
}

void CPin::MirrorYText(const CPoint& c)
{
    m_name.MirrorYText(c);
    m_no.MirrorYText(c);
}

// --- dialog ----------------------------------------------------------------

namespace {

// Type codes in the order of the dialog's list (the unnamed codes left out).
constexpr int kListTypes[] = {CPin::Passive,   CPin::Input,     CPin::Output,   CPin::ThreeState,
                              CPin::InOut,     CPin::OpenLow,   CPin::OpenHigh, CPin::PassiveDown,
                              CPin::PassiveUp, CPin::NoConnect, CPin::Power};
constexpr int kListSize = int(sizeof kListTypes / sizeof kListTypes[0]);

} // namespace

int CPin::TypeFromListIndex(int index)
{
    return index >= 0 && index < kListSize ? kListTypes[index] : -1;
}

int CPin::ListIndexFromType(int type)
{
    for (int i = 0; i < kListSize; ++i)
        if (kListTypes[i] == type)
            return i;
    return -1;
}

void CPin::ApplyDialog(const CPinDialogResult& result, bool defaultsMode)
{
    // A list without a valid choice (a pin of an unnamed type) keeps the type.
    const int listType = TypeFromListIndex(result.typeListIndex);
    const uint32_t type = listType >= 0 ? uint32_t(listType) : (m_elect & kTypeMask);
    uint32_t elect = (m_elect & ~(kTypeMask | kHidden | kClock | kDot)) | type;
    if (!result.display)
        elect |= kHidden;
    if (result.clock)
        elect |= kClock;
    if (result.dot)
        elect |= kDot;

    m_name.SetName(result.name, m_name.GetPoint(), m_name.GetSize(), m_name.GetAngle());
    m_name.Disp(result.nameDisp);
    m_no.SetName(result.number, m_no.GetPoint(), m_no.GetSize(), m_no.GetAngle());
    m_no.Disp(result.numberDisp);

    if (defaultsMode) {
        // The template for new pins: no stroke of its own yet.
        SetPoint(m_body, m_body, elect);
        return;
    }
    SetElect(elect);
    SetLen(result.length);
}

// --- comparison ------------------------------------------------------------

bool CPin::Compare(const CPin& other) const
{
    return *this == other && m_name == other.m_name && m_no == other.m_no &&
           m_angle == other.m_angle && (m_elect & ~kRuntimeBits) == (other.m_elect & ~kRuntimeBits);
}

namespace {

// Listing rank of a direction: left, down, right, up, then oblique pins.
int DirectionRank(uint32_t direction)
{
    switch (direction) {
    case dir::k180:
        return 0;
    case dir::k270:
        return 1;
    case dir::k0:
        return 2;
    case dir::k90:
        return 3;
    default:
        return 4;
    }
}

} // namespace

CPin::ListingKeyType CPin::ListingKey() const
{
    // Displayed pins first, then by direction, then along the direction;
    // oblique pins keep their order among themselves.
    const CPoint& p = m_body;
    int64_t along = 0, across = 0;
    switch (GetDir()) {
    case dir::k0:
    case dir::k180:
        along = p.y;
        across = p.x;
        break;
    case dir::k90:
        along = p.x;
        across = -int64_t(p.y);
        break;
    case dir::k270:
        along = p.x;
        across = p.y;
        break;
    default:
        break;
    }
    return {IsDisp() ? 0 : 1, DirectionRank(GetDir()), along, across};
}

bool operator<(const CPin& a, const CPin& b)
{
    return a.ListingKey() < b.ListingKey();
}

// --- stored forms ----------------------------------------------------------

void CPin::DataWrite(CArchive& ar) const
{
    const int32_t flags = (m_name.IsEmpty() ? 0 : 1) | (m_no.IsEmpty() ? 0 : 2);
    ar << m_body << m_tip << m_angle << uint32_t(m_elect & ~kOpenMark) << flags;
    if (flags & 1)
        m_name.DataWrite(ar);
    if (flags & 2)
        m_no.DataWrite(ar);
}

void CPin::DataRead(CArchive& ar, int version)
{
    ar >> m_body >> m_tip;
    RequireStoredCoord(m_body);
    RequireStoredCoord(m_tip);
    ar.ReadInt(); // the stored angle word; the direction follows the points
    ar >> m_elect;
    m_elect &= ~kOpenMark;
    const int32_t flags = ar.ReadInt();
    ReCalcPinAngle();
    // A text that was not stored (empty) still gets its usual place, so that
    // a name or number given later appears by the pin.
    const bool clock = (m_elect & kClock) != 0;
    if (flags & 1) {
        m_name.DataRead(ar, version);
    } else {
        m_name.SetName(CString());
        ApplyPlacement(m_name, NamePlacement(m_body, GetDir(), clock));
    }
    if (flags & 2) {
        m_no.DataRead(ar, version);
    } else {
        m_no.SetName(CString());
        ApplyPlacement(m_no, NumberPlacement(m_body, GetDir()));
    }
}

void CPin::SerializeText(CArchive& ar) const
{
    CString line;
    line.Format("Pin %d %d %d %d %d\n", m_body.x, m_body.y, m_tip.x, m_tip.y,
                int32_t(m_elect & ~kOpenMark));
    ar.WriteString(line);
    if (!m_name.IsEmpty())
        m_name.SerializeText(ar, "Name ");
    if (!m_no.IsEmpty())
        m_no.SerializeText(ar, "No ");
}

void CPin::ReadTextRecord(const CString& line)
{
    int64_t v[5] = {m_body.x, m_body.y, m_tip.x, m_tip.y, int64_t(int32_t(m_elect))};
    ScanRecordNumbers(SkipRecordKeyword(line), v, 5);
    // The word is written signed; the low 32 bits are the word either way.
    SetPoint(CPoint(ClampCoord(v[0]), ClampCoord(v[1])), CPoint(ClampCoord(v[2]), ClampCoord(v[3])),
             uint32_t(uint64_t(v[4])) & ~kOpenMark);
}
