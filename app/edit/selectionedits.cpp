#include "app/edit/selectionedits.h"

#include "app/edit/attributemove.h"

#include <cmath>
#include <set>

#include "app/edit/editengine.h"
#include "app/settings.h"
#include "app/vireodoc.h"

CRect Inflated(const CRect& r, int d)
{
    CRect out = r.Normalized();
    out.InflateRect(d, d);
    return out;
}

CRect Union(const CRect& a, const CRect& b)
{
    if (a.IsRectNull())
        return b.Normalized();
    if (b.IsRectNull())
        return a.Normalized();
    const CRect x = a.Normalized(), y = b.Normalized();
    return CRect(std::min(x.left, y.left), std::min(x.top, y.top), std::max(x.right, y.right),
                 std::max(x.bottom, y.bottom));
}

namespace {

bool Contains(const CRect& r, const CPoint& p)
{
    const CRect n = r.Normalized();
    return p.x >= n.left && p.x <= n.right && p.y >= n.top && p.y <= n.bottom;
}

bool Inside(const CRect& box, const CRect& item)
{
    const CRect b = box.Normalized(), r = item.Normalized();
    return r.left >= b.left && r.right <= b.right && r.top >= b.top && r.bottom <= b.bottom;
}

// Every item of a sheet, in the sheet's list order.
template <class F> void ForEachItem(const CSheet& s, F f)
{
    for (const CLine& x : s.Wires())
        f(CItemRef(x));
    for (const CLine& x : s.Buses())
        f(CItemRef(x));
    for (const CLine& x : s.Lines())
        f(CItemRef(x));
    for (const CPin& x : s.Pins())
        f(CItemRef(x));
    for (const CJunc& x : s.Juncs())
        f(CItemRef(x));
    for (const CText& x : s.Texts())
        f(CItemRef(x));
    for (const CArc& x : s.Arcs())
        f(CItemRef(x));
    for (const CPart& x : s.Parts())
        f(CItemRef(x));
}

CRect BoundsOf(const CItemRef& item)
{
    CSheet one;
    one.AddItem(item);
    return one.GetBoundingRect();
}

bool ArcHit(const CArc& arc, const CPoint& p, int tolerance)
{
    const double dx = double(p.x) - arc.GetCenter().x, dy = double(p.y) - arc.GetCenter().y;
    const double distance = std::sqrt(dx * dx + dy * dy);
    if (std::fabs(distance - arc.GetRadial()) > tolerance + arc.GetLineWidth() / 2.0)
        return false;
    if (arc.IsCircle())
        return true;
    int angle = int(std::lround(std::atan2(dy, dx) * 180.0 / 3.14159265358979323846));
    angle = (angle + 360) % 360;
    const int start = arc.GetStartAngle(), end = arc.GetEndAngle();
    return start < end ? angle >= start && angle <= end : angle >= start || angle <= end;
}

} // namespace

// --- building the selection ----------------------------------------------------------------------

CItemRef CSelectionEdits::ItemAt(const CSheet& s, const CPoint& p) const
{
    const int t = m_e.HitUnits();
    // Small items first, so that a junction or a pin on a wire, or a text
    // inside a part, can be picked.
    for (const CJunc& x : s.Juncs())
        if (std::abs(x.GetPoint().x - p.x) <= t && std::abs(x.GetPoint().y - p.y) <= t)
            return x;
    for (const CPin& x : s.Pins())
        if (x.IsDisp() && Contains(Inflated(CRect(x.GetStartPoint(), x.GetPoint()), t), p))
            return x;
    for (const CText& x : s.Texts())
        if (Contains(Inflated(x.GetBoundingRect(), t), p))
            return x;
    for (const CItemList<CLine>* list : {&s.Wires(), &s.Buses(), &s.Lines()})
        for (const CLine& x : *list)
            if (CLine::CheckStroke(x.GetStartPoint(), x.GetEndPoint(), x.GetLineWidth() + 2 * t,
                                   p) ||
                x.CheckPoint(p))
                return x;
    for (const CArc& x : s.Arcs())
        if (ArcHit(x, p, t))
            return x;
    for (const CPart& x : s.Parts())
        if (Contains(Inflated(x.GetBoundingRect(), t), p))
            return x;
    return CItemRef();
}

void CSelectionEdits::SelectionChanged()
{
    m_e.ForgetPivot();
    const bool any = m_e.Selection().GetItemCount() != 0;
    const int state = m_e.State();
    if (any && state != editstate::kMovePending && state != editstate::kCopyPending)
        m_e.SetState(editstate::kMovePending);
    if (!any && (state == editstate::kMovePending || state == editstate::kIdle))
        m_e.ReturnToTool();
    m_e.OverlayChanged();
}

void CSelectionEdits::ToggleAt(const CPoint& p)
{
    const CItemRef selected = ItemAt(m_e.Selection(), p);
    if (selected.kind != CItemRef::None) {
        const CRect r = BoundsOf(selected);
        m_e.Doc().DeselectItem(selected);
        m_e.Repaint(r);
    } else {
        const CItemRef item = ItemAt(m_e.Main(), p);
        if (item.kind == CItemRef::None)
            return;
        const CRect r = BoundsOf(item);
        m_e.Doc().SelectItem(item);
        m_e.Repaint(r);
    }
    SelectionChanged();
}

bool CSelectionEdits::SelectAt(const CPoint& p)
{
    const CItemRef item = ItemAt(m_e.Main(), p);
    if (item.kind == CItemRef::None)
        return false;
    ReturnAll();
    const CRect r = BoundsOf(item);
    m_e.Doc().SelectItem(item);
    m_e.Repaint(r);
    SelectionChanged();
    return true;
}

bool CSelectionEdits::ChainAt(const CPoint& p)
{
    CSheet& sel = m_e.Selection();
    CSheet& main = m_e.Main();
    CItemList<CLine>* selLists[3] = {&sel.Wires(), &sel.Buses(), &sel.Lines()};
    CItemList<CLine>* mainLists[3] = {&main.Wires(), &main.Buses(), &main.Lines()};
    // A selected line under the click: it and the selected lines chained to
    // it go back.  Otherwise the chains of the drawing join the selection.
    auto chain = [](CItemList<CLine>& from, const CLine& first) {
        std::vector<const CLine*> taken{&first};
        std::set<const CLine*> seen{&first};
        for (size_t i = 0; i < taken.size(); ++i) {
            const CLine* a = taken[i];
            for (const CLine& b : from) {
                if (seen.count(&b))
                    continue;
                const bool touches = b.GetStartPoint() == a->GetStartPoint() ||
                                     b.GetStartPoint() == a->GetEndPoint() ||
                                     b.GetEndPoint() == a->GetStartPoint() ||
                                     b.GetEndPoint() == a->GetEndPoint();
                if (touches) {
                    seen.insert(&b);
                    taken.push_back(&b);
                }
            }
        }
        return taken;
    };
    for (int k = 0; k < 3; ++k) {
        for (const CLine& line : *selLists[k]) {
            if (!Contains(line.GetBoundingRect(), p))
                continue;
            std::vector<CLine> back;
            for (const CLine* l : chain(*selLists[k], line))
                back.push_back(*l);
            for (const CLine& l : back) {
                m_e.Doc().DeselectItem(l);
                m_e.Repaint(l.GetBoundingRect());
            }
            SelectionChanged();
            return true;
        }
    }
    bool any = false;
    const int t = m_e.HitUnits();
    for (int k = 0; k < 3; ++k) {
        if (!m_e.ChainSwitch(k))
            continue;
        for (const CLine& line : *mainLists[k]) {
            if (!CLine::CheckStroke(line.GetStartPoint(), line.GetEndPoint(),
                                    line.GetLineWidth() + 2 * t, p))
                continue;
            std::vector<CLine> take;
            for (const CLine* l : chain(*mainLists[k], line))
                take.push_back(*l);
            for (const CLine& l : take) {
                m_e.Doc().SelectItem(l);
                m_e.Repaint(l.GetBoundingRect());
            }
            any = true;
            break;
        }
    }
    if (any)
        SelectionChanged();
    return any;
}

void CSelectionEdits::SelectInside(const CRect& box)
{
    CSheet picked;
    ForEachItem(m_e.Main(), [&](const CItemRef& item) {
        if (Inside(box, BoundsOf(item)))
            picked.AddItem(item);
    });
    ForEachItem(picked, [&](const CItemRef& item) { m_e.Doc().SelectItem(item); });
    if (picked.GetItemCount() != 0)
        m_e.Repaint(picked.GetBoundingRect());
    SelectionChanged();
}

void CSelectionEdits::SelectAll()
{
    CSheet& main = m_e.Main();
    if (main.GetItemCount() == 0)
        return;
    CVIREODoc& doc = m_e.Doc();
    if (doc.SelectionSheet().GetItemCount() == 0)
        doc.ReselectSheet().DeleteContents();
    doc.SelectionSheet() += main;
    doc.ReselectSheet() += main;
    const CRect r = main.GetBoundingRect();
    main.DeleteContents();
    m_e.Repaint(r);
    SelectionChanged();
}

void CSelectionEdits::Reselect()
{
    CVIREODoc& doc = m_e.Doc();
    if (doc.SelectionSheet().GetItemCount() != 0 || doc.ReselectSheet().GetItemCount() == 0)
        return;
    CSheet again;
    RemoveEqualItems(m_e.Main(), doc.ReselectSheet(), &again);
    doc.ReselectSheet() = again;
    doc.SelectionSheet() += again;
    if (again.GetItemCount() != 0)
        m_e.Repaint(again.GetBoundingRect());
    SelectionChanged();
}

bool CSelectionEdits::PickAt(const CPoint& p)
{
    const CItemRef item = ItemAt(m_e.Main(), p);
    if (item.kind != CItemRef::Line && item.kind != CItemRef::Pin && item.kind != CItemRef::Text)
        return false;
    const CRect r = BoundsOf(item);
    m_e.Doc().SelectItem(item);
    m_e.Repaint(r);
    SelectionChanged();
    return true;
}

void CSelectionEdits::ReturnAll()
{
    CSheet& sel = m_e.Selection();
    if (sel.GetItemCount() == 0)
        return;
    const CRect r = sel.GetBoundingRect();
    m_e.Doc().ReturnSelection();
    m_e.Repaint(r);
    m_e.ForgetPivot();
}

bool CSelectionEdits::IsResting() const
{
    const int s = m_e.State();
    return !m_e.InputInProgress() &&
           (s == editstate::kMovePending || s == editstate::kIdle || s == editcmd::kMoveAttribute);
}

// --- move and copy
// --------------------------------------------------------------------------------

void CSelectionEdits::StartMove()
{
    if (m_e.Selection().GetItemCount() == 0)
        return;
    m_e.SetState(editstate::kMovePending);
    m_e.SetInput(false);
}

void CSelectionEdits::StartCopy()
{
    if (m_e.Selection().GetItemCount() == 0)
        return;
    m_e.SetState(editstate::kCopyPending);
    m_e.SetInput(false);
}

void CSelectionEdits::StartPaste(const CPoint& base)
{
    m_base = base;
    m_applied = CPoint(0, 0);
    m_pasteFresh = true;
    m_e.SetPivot(base);
    m_e.SetState(editcmd::kPaste);
    m_e.SetInput(true);
    m_e.OverlayChanged();
}

void CSelectionEdits::Click(const CPoint& p, int flags)
{
    switch (m_e.State()) {
    case editstate::kMovePending:
        m_base = p;
        m_applied = CPoint(0, 0);
        m_turned = false;
        m_e.SetState(editstate::kMoving);
        m_e.SetInput(true);
        break;
    case editstate::kMoving:
        PlaceMove(p, flags);
        break;
    case editstate::kCopyPending: {
        // The originals stay where they are; the selection becomes the copy
        // that follows the cursor.
        CVIREODoc& doc = m_e.Doc();
        doc.MainSheet() += doc.ReselectSheet();
        m_e.Repaint(doc.ReselectSheet().GetBoundingRect());
        m_base = p;
        m_applied = CPoint(0, 0);
        m_e.SetState(editstate::kCopyPlacing);
        m_e.SetInput(true);
        break;
    }
    case editstate::kCopyPlacing:
    case editcmd::kPaste:
        PlaceCopy(p);
        break;
    default:
        break;
    }
}

void CSelectionEdits::FollowTo(const CPoint& target)
{
    CSheet& sel = m_e.Selection();
    const CPoint step = target - m_applied;
    if (step == CPoint(0, 0))
        return;
    sel.OffsetItem(step, true);
    m_applied = target;
    m_e.OverlayChanged();
}

void CSelectionEdits::Follow(const CPoint& p)
{
    const int s = m_e.State();
    if (s == editstate::kMoving || s == editstate::kCopyPlacing || s == editcmd::kPaste)
        FollowTo(p - m_base);
}

void CSelectionEdits::PlaceMove(const CPoint& p, int flags)
{
    CVIREODoc& doc = m_e.Doc();
    FollowTo(p - m_base);
    CSheet& sel = doc.SelectionSheet();
    CSheet& old = doc.ReselectSheet();
    const CRect area = Union(old.GetBoundingRect(), sel.GetBoundingRect());
    const bool partsOnly = sel.GetCount(kind::kPart) == int(sel.GetItemCount());
    CSheet stretched;
    if (m_applied == CPoint(0, 0) && !m_turned) {
        doc.ReturnSelection();
    } else if ((flags & editflag::kShift) && partsOnly && StretchWires(stretched)) {
        // Wires that ended on the moved parts' pins were cut back to the new
        // pins by TrimPartLine: recorded with the move as one change.
    } else {
        doc.RecordItems(old, CUndoHistory::kOld);
        doc.RecordItems(sel, CUndoHistory::kNew);
        old = sel;
        doc.ReturnSelection();
    }
    m_e.Repaint(area);
    m_e.ReturnToTool();
}

bool CSelectionEdits::StretchWires(CSheet&)
{
    // The wires attached to the pins of the parts where they stood, with
    // their far ends kept and their near ends moved along with the pins.
    CVIREODoc& doc = m_e.Doc();
    CSheet& sel = doc.SelectionSheet();
    CSheet& old = doc.ReselectSheet();
    CSheet oldWires, newWires;
    const CPoint d = m_applied;
    for (const CLine& w : doc.MainSheet().Wires()) {
        bool startOn = false, endOn = false;
        for (const CPart& part : old.Parts()) {
            startOn = startOn || part.CheckOnPin(w.GetStartPoint()) != nullptr;
            endOn = endOn || part.CheckOnPin(w.GetEndPoint()) != nullptr;
        }
        if (!startOn && !endOn)
            continue;
        oldWires.NewLine(w);
        CLine moved(w);
        moved.SetPoint(startOn ? w.GetStartPoint() + d : w.GetStartPoint(),
                       endOn ? w.GetEndPoint() + d : w.GetEndPoint());
        newWires.NewLine(moved);
    }
    if (oldWires.GetItemCount() == 0)
        return false;
    RemoveEqualItems(doc.MainSheet(), oldWires);
    CSheet before, after;
    before += old;
    before += oldWires;
    after += sel;
    after += newWires;
    doc.RecordItems(before, CUndoHistory::kOld);
    doc.RecordItems(after, CUndoHistory::kNew);
    doc.MainSheet() += newWires;
    old = sel;
    doc.ReturnSelection();
    m_e.Repaint(Union(oldWires.GetBoundingRect(), newWires.GetBoundingRect()));
    return true;
}

void CSelectionEdits::PlaceCopy(const CPoint& p)
{
    CVIREODoc& doc = m_e.Doc();
    FollowTo(p - m_base);
    if (m_applied == CPoint(0, 0) && !m_pasteFresh)
        return; // a copy on the originals would only double them
    m_pasteFresh = false;
    doc.AddItems(doc.SelectionSheet());
    m_e.Repaint(doc.SelectionSheet().GetBoundingRect());
    // The next copy is offset from this one.
    m_base = p;
    m_applied = CPoint(0, 0);
    CopyIncrement();
}

void CSelectionEdits::CopyIncrement()
{
    CSheet& sel = m_e.Selection();
    if (sel.GetItemCount() != 1)
        return;
    auto on = [](const char* key) { return SettingInt("CopyIncrement", key) != 0; };
    auto by = [](const char* key) { return SettingInt("CopyIncrement", key); };
    if (!sel.Parts().IsEmpty()) {
        CPart& part = *sel.Parts().GetHead();
        if (on("PartRefEnable") && part.RefCheck())
            part.IncRefName(by("PartRef"));
    } else if (!sel.Wires().IsEmpty()) {
        if (on("WireNameEnable"))
            sel.Wires().GetHead()->IncName(by("WireName"));
    } else if (!sel.Buses().IsEmpty()) {
        if (on("BusNameEnable"))
            sel.Buses().GetHead()->IncName(by("BusName"));
    } else if (!sel.Lines().IsEmpty()) {
        if (on("LineNameEnable"))
            sel.Lines().GetHead()->IncName(by("LineName"));
    } else if (!sel.Pins().IsEmpty()) {
        CPin& pin = *sel.Pins().GetHead();
        if (on("PinNameEnable"))
            pin.IncName(by("PinName"));
        if (on("PinNoEnable"))
            pin.IncNo(by("PinNo"));
    } else if (!sel.Texts().IsEmpty()) {
        if (on("TextEnable"))
            sel.Texts().GetHead()->IncName(by("Text"));
    }
    m_e.OverlayChanged();
}

void CSelectionEdits::Erase()
{
    CVIREODoc& doc = m_e.Doc();
    CSheet& sel = doc.SelectionSheet();
    if (sel.GetItemCount() == 0)
        return;
    const int s = m_e.State();
    if (s != editstate::kMovePending && s != editstate::kCopyPending && s != editstate::kIdle &&
        s != editcmd::kMoveAttribute)
        return;
    // What leaves the drawing is what was taken from it: the reselect copy
    // (a copy waiting to be placed may have been turned since).
    const CRect r = Union(sel.GetBoundingRect(), doc.ReselectSheet().GetBoundingRect());
    doc.RecordItems(doc.ReselectSheet(), CUndoHistory::kRemoved);
    sel.DeleteContents();
    doc.ReselectSheet().DeleteContents();
    m_e.Repaint(r);
    m_e.ReturnToTool();
}

void CSelectionEdits::CancelMove()
{
    CVIREODoc& doc = m_e.Doc();
    const int s = m_e.State();
    CSheet& sel = doc.SelectionSheet();
    const CRect r = Union(sel.GetBoundingRect(), doc.ReselectSheet().GetBoundingRect());
    if (s == editstate::kMovePending || s == editstate::kMoving || s == editstate::kCopyPending ||
        s == editstate::kIdle || s == editcmd::kMoveAttribute)
        doc.MainSheet() += doc.ReselectSheet();
    sel.DeleteContents();
    m_e.Repaint(r);
}

// --- flips and turns
// -------------------------------------------------------------------------------

CPoint CSelectionEdits::PivotPoint()
{
    if (!m_e.HasPivot())
        m_e.SetPivot(m_e.Snap(m_e.Selection().GetBoundingRect().CenterPoint()));
    return m_e.Pivot();
}

void CSelectionEdits::Flip(bool horizontal)
{
    if (m_e.Selection().GetItemCount() == 0)
        return;
    const CPoint c = PivotPoint();
    if (m_e.State() == editcmd::kMoveAttribute)
        return m_e.AttributeMove().Flip(c, horizontal);
    Change([&](CSheet& s) {
        horizontal ? s.MirrorX(c) : s.MirrorY(c);
        return true;
    });
}

void CSelectionEdits::Rotate(int dir)
{
    if (m_e.Selection().GetItemCount() == 0)
        return;
    const CPoint c = PivotPoint();
    if (m_e.State() == editcmd::kMoveAttribute)
        return m_e.AttributeMove().Rotate(c);
    Change([&](CSheet& s) {
        s.Rotate(c, dir);
        return true;
    });
}

bool CSelectionEdits::Change(const std::function<bool(CSheet&)>& fn)
{
    CVIREODoc& doc = m_e.Doc();
    CSheet& sel = doc.SelectionSheet();
    if (sel.GetItemCount() == 0)
        return false;
    const bool resting = IsResting();
    CSheet before;
    if (resting)
        before = sel;
    const CRect oldArea = sel.GetBoundingRect();
    if (!fn(sel))
        return false;
    m_turned = m_turned || !resting;
    if (resting) {
        doc.RecordItems(before, CUndoHistory::kOld);
        doc.RecordItems(sel, CUndoHistory::kNew);
        doc.ReselectSheet() = sel;
    }
    m_e.Repaint(Union(oldArea, sel.GetBoundingRect()));
    m_e.OverlayChanged();
    return true;
}

// --- junctions and trims ------------------------------------------------------------------------

void CSelectionEdits::ToggleJunction(const CPoint& p)
{
    CVIREODoc& doc = m_e.Doc();
    CSheet& main = doc.MainSheet();
    for (const CJunc& j : main.Juncs()) {
        if (j.GetPoint() == p) {
            CSheet gone;
            gone.NewJunc(j);
            doc.RemoveItems(gone);
            m_e.Repaint(gone.GetBoundingRect());
            return;
        }
    }
    if (!main.CheckJunc(p, 0))
        return;
    CSheet added;
    added.NewJunc(p);
    doc.AddItems(added);
    m_e.Repaint(added.GetBoundingRect());
}

void CSelectionEdits::CornerTrim()
{
    CVIREODoc& doc = m_e.Doc();
    CSheet& sel = doc.SelectionSheet();
    CSheet scratch;
    CSheet piece;
    for (int code :
         {kind::kHWire, kind::kVWire, kind::kHBus, kind::kVBus, kind::kHLine, kind::kVLine}) {
        piece.MoveItem(sel, code);
        scratch += piece;
    }
    if (scratch.GetItemCount() == 0)
        return;
    CSheet original;
    original = scratch;
    const CRect area = Union(scratch.GetBoundingRect(), sel.GetBoundingRect());
    // The rest of the selection goes back as it was.
    doc.ReturnSelection();
    doc.ReselectSheet().DeleteContents();
    scratch.CleanNulItem();
    scratch.CleanDupItem();
    for (int code : {kind::kHWire, kind::kHBus, kind::kHLine})
        scratch.SortLine(code);
    if (scratch.TrimLine(false)) {
        doc.RecordItems(original, CUndoHistory::kOld);
        doc.RecordItems(scratch, CUndoHistory::kNew);
        doc.MainSheet() += scratch;
    } else {
        doc.MainSheet() += original;
    }
    m_e.Repaint(Union(area, scratch.GetBoundingRect()));
    m_e.ReturnToTool();
}

void CSelectionEdits::TrimParts()
{
    CVIREODoc& doc = m_e.Doc();
    CSheet& sel = doc.SelectionSheet();
    CSheet out;
    if (!sel.TrimPartLine(out))
        return;
    const CRect area = Union(sel.GetBoundingRect(), out.GetBoundingRect());
    CSheet before;
    before = sel;
    doc.RecordItems(before, CUndoHistory::kOld);
    doc.RecordItems(out, CUndoHistory::kNew);
    sel.DeleteContents();
    doc.ReselectSheet().DeleteContents();
    doc.MainSheet() += out;
    m_e.Repaint(area);
    m_e.ReturnToTool();
}
