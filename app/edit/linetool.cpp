#include "app/edit/linetool.h"

#include <algorithm>

#include "app/edit/editengine.h"
#include "app/edit/selectionedits.h"
#include "app/settings.h"
#include "app/vireodoc.h"

namespace {

// The bend segment is the temporary leg while routing.
constexpr uint32_t kTemporaryLeg = 0x80;

int StyleSteps(int style, int steps)
{
    return (style + steps) % 5;
}

bool Holds(const CRect& r, const CPoint& p, int margin)
{
    const CRect n = r.Normalized();
    return p.x >= n.left - margin && p.x <= n.right + margin && p.y >= n.top - margin &&
           p.y <= n.bottom + margin;
}

// The items of the drawing that can count at any of the points: the wires
// whose stroke or name texts may meet them, the junctions there, the parts
// and loose pins with a pin there.  The junction rules run on this small
// sheet exactly as on the whole drawing, without walking every item of a big
// drawing once per rule and point.
void CollectNear(const CSheet& main, const std::vector<CPoint>& points, CSheet& near)
{
    const auto any = [&](auto test) {
        for (const CPoint& p : points)
            if (test(p))
                return true;
        return false;
    };
    // The box of all points, to pass over the far items with one test.
    int x0 = points[0].x, x1 = x0, y0 = points[0].y, y1 = y0;
    for (const CPoint& p : points) {
        x0 = std::min(x0, p.x), x1 = std::max(x1, p.x);
        y0 = std::min(y0, p.y), y1 = std::max(y1, p.y);
    }
    const auto far = [&](const CPoint& a, const CPoint& b, int margin) {
        return std::max(a.x, b.x) + margin < x0 || std::min(a.x, b.x) - margin > x1 ||
               std::max(a.y, b.y) + margin < y0 || std::min(a.y, b.y) - margin > y1;
    };
    for (const CLine& w : main.Wires()) {
        if (far(w.GetStartPoint(), w.GetEndPoint(), w.GetLineWidth() + 1) &&
            w.GetNameText().IsEmpty() && w.GetCrossNameText().IsEmpty())
            continue;
        const CRect stroke(w.GetStartPoint(), w.GetEndPoint());
        if (any([&](const CPoint& p) {
                return Holds(stroke, p, w.GetLineWidth() + 1) ||
                       (!w.GetNameText().IsEmpty() &&
                        Holds(w.GetNameText().GetBoundingRect(), p, 1)) ||
                       (!w.GetCrossNameText().IsEmpty() &&
                        Holds(w.GetCrossNameText().GetBoundingRect(), p, 1));
            }))
            near.NewLine(w);
    }
    for (const CJunc& j : main.Juncs())
        if (any([&](const CPoint& p) { return j.GetPoint() == p; }))
            near.NewJunc(j);
    // CPin::CheckPoint: a shown pin, its stroke's box grown by one.
    const auto onPin = [&](const CPin& pin) {
        return pin.IsDisp() && !far(pin.GetStartPoint(), pin.GetPoint(), 1) &&
               any([&](const CPoint& p) {
                   return Holds(CRect(pin.GetStartPoint(), pin.GetPoint()), p, 1);
               });
    };
    for (const CPart& part : main.Parts()) {
        for (const CPin& pin : part.Pins()) {
            if (onPin(pin)) {
                near.NewPart(part);
                break;
            }
        }
    }
    for (const CPin& pin : main.Pins())
        if (onPin(pin))
            near.NewPin(pin);
}

} // namespace

CLine* CLineTool::Current()
{
    CSheet& sel = m_e.Selection();
    for (CItemList<CLine>* list : {&sel.Wires(), &sel.Buses(), &sel.Lines()})
        for (CLine& l : *list)
            if ((l.GetType() & kTemporaryLeg) == 0)
                return &l;
    return nullptr;
}

CLine* CLineTool::Bend()
{
    CSheet& sel = m_e.Selection();
    for (CItemList<CLine>* list : {&sel.Wires(), &sel.Buses(), &sel.Lines()})
        for (CLine& l : *list)
            if (l.GetType() & kTemporaryLeg)
                return &l;
    return nullptr;
}

void CLineTool::StartLegs(const CPoint& p)
{
    CSheet& sel = m_e.Selection();
    sel.DeleteContents();
    CLine leg(p, p, CLine::kWire);
    if (m_tool == editcmd::kBus) {
        leg.SetType(CLine::kBus);
        leg.SetLineWidth(SettingInt("Default", "BusWidth"));
    } else if (m_tool == editcmd::kLine) {
        leg.SetType(CLine::kPlain | (uint32_t(StyleSteps(0, SettingInt("Default", "LineType")))
                                     << CLine::kStyleShift));
        leg.SetLineWidth(SettingInt("Default", "LineWidth"));
        leg.SetArrow(SettingInt("Default", "StartArrow") ? CLine::kArrowSize : 0,
                     SettingInt("Default", "EndArrow") ? CLine::kArrowSize : 0);
    } else {
        leg.SetType(m_power ? CLine::kPower : CLine::kWire);
        leg.SetLineWidth(SettingInt("Default", m_power ? "PowerWidth" : "WireWidth"));
    }
    sel.NewLine(leg);
    leg.ModifyType(0, kTemporaryLeg);
    sel.NewLine(leg);
}

void CLineTool::Click(const CPoint& p, int tool)
{
    if (!m_running) {
        m_tool = tool;
        m_running = true;
        m_starts.clear();
        m_start = m_bend = m_cursor = p;
        const char* lockKey = tool == editcmd::kBus    ? "Bus"
                              : tool == editcmd::kLine ? "Line"
                                                       : "Wire";
        if (SettingInt("Line", (std::string(lockKey) + "AutoLock").c_str()))
            m_mode = SettingInt("Line", (std::string(lockKey) + "LockMode").c_str());
        StartLegs(p);
        m_e.SetInput(true);
        m_e.OverlayChanged();
        return;
    }
    if (p == m_start)
        return; // a segment of no length adds nothing
    Follow(p);
    CLine* current = Current();
    CLine* bend = Bend();
    if (!current || !bend)
        return;
    // The legs become one recorded addition with the dots they need.
    CSheet added;
    CLine a(*current), b(*bend);
    b.ModifyType(kTemporaryLeg, 0);
    CSheet& main = m_e.Main();
    std::vector<CPoint> points{m_start, p};
    if (a.GetStartPoint() != a.GetEndPoint())
        added.NewLine(a), main.NewLine(a);
    if (b.GetStartPoint() != b.GetEndPoint()) {
        added.NewLine(b), main.NewLine(b);
        points.push_back(b.GetStartPoint());
    }
    bool endHere = false;
    if (m_tool == editcmd::kWire) {
        CSheet near;
        CollectNear(main, points, near);
        for (const CPoint& q : points) {
            if (near.GetOnCount(q, kind::kJunc) == 0 && near.CheckJunc(q, 0)) {
                near.NewJunc(q);
                main.NewJunc(q);
                added.NewJunc(q);
            }
        }
        if (SettingInt("Line", "PinEnd") &&
            (near.CheckOnPin(p) || near.GetOnCount(p, kind::kJunc) != 0))
            endHere = true;
    }
    m_e.Doc().RecordItems(added, CUndoHistory::kAdded);
    m_e.Repaint(added.GetBoundingRect());
    m_starts.push_back(m_start);
    m_start = m_bend = p;
    if (endHere) {
        End();
        return;
    }
    // The next segment starts here with the type and width of this one.
    current->SetPoint(p, p);
    bend->SetPoint(p, p);
    Route();
}

void CLineTool::Follow(const CPoint& p)
{
    m_cursor = p;
    if (m_running)
        Route();
}

void CLineTool::Route()
{
    CLine* current = Current();
    CLine* bend = Bend();
    if (!current || !bend)
        return;
    current->SetPoint(m_start, m_cursor);
    if (m_mode != 0)
        current->LockPoint(m_mode);
    m_bend = current->GetEndPoint();
    bend->SetPoint(m_bend, m_cursor);
    m_e.OverlayChanged();
}

bool CLineTool::Backspace()
{
    if (!m_running || m_starts.empty())
        return false;
    const std::vector<uint32_t>& records = m_e.Doc().History().UndoRecords();
    if (records.empty() || records.back() != uint32_t(CUndoHistory::kAdded))
        return false;
    CSheet taken;
    m_e.Doc().TakeLastRecord(taken, false);
    RemoveEqualItems(m_e.Main(), taken);
    m_e.Repaint(taken.GetBoundingRect());
    m_start = m_bend = m_starts.back();
    m_starts.pop_back();
    Route();
    return true;
}

void CLineTool::RightClick(int flags)
{
    const bool none = (flags & (editflag::kShift | editflag::kCtrl)) == 0;
    const bool back = SettingInt("Line", "PathLine") ? none : (flags & editflag::kShift) != 0;
    if (!m_starts.empty() && back) {
        Backspace();
        return;
    }
    End();
}

void CLineTool::End()
{
    if (!m_running)
        return;
    const CRect r = m_e.Selection().GetBoundingRect();
    m_e.Selection().DeleteContents();
    m_running = false;
    m_starts.clear();
    m_e.SetInput(false);
    m_e.Repaint(r);
    m_e.OverlayChanged();
}

void CLineTool::StepMode()
{
    m_mode = (m_mode + 1) % 3;
    Route();
}

void CLineTool::PlusMode()
{
    m_mode = m_mode == 1 ? 2 : 1;
    Route();
}

void CLineTool::FreeMode()
{
    if (m_mode == 1 || m_mode == 2) {
        m_mode = 0;
        Route();
    }
}

void CLineTool::TogglePower()
{
    m_power = !m_power;
    if (!m_running || m_tool != editcmd::kWire)
        return;
    for (CLine* leg : {Current(), Bend()}) {
        if (!leg)
            continue;
        leg->ModifyType(CLine::kPower, m_power ? CLine::kPower : 0);
        leg->SetLineWidth(SettingInt("Default", m_power ? "PowerWidth" : "WireWidth"));
    }
    m_e.OverlayChanged();
}

void CLineTool::NextStyle()
{
    for (CLine* leg : {Current(), Bend()}) {
        if (!leg || !leg->IsPlain())
            continue;
        leg->ModifyType(CLine::kStyleMask, uint32_t(StyleSteps(leg->GetStyle(), 1))
                                               << CLine::kStyleShift);
    }
    m_e.OverlayChanged();
}

void CLineTool::Arrow(int which)
{
    for (CLine* leg : {Current(), Bend()})
        if (leg && leg->IsPlain())
            leg->SetArrow(which);
    m_e.OverlayChanged();
}
