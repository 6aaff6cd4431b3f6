#include "app/edit/nethighlight.h"

#include "app/edit/editengine.h"
#include "app/edit/selectionedits.h"
#include "app/vireodoc.h"

namespace {

// The wire under p, else a wire whose shown name contains p (its name then
// starts the name list).
const CLine* WireAt(const CSheet& main, const CPoint& p, std::vector<CString>& names)
{
    for (const CLine& w : main.Wires())
        if (w.CheckPoint(p))
            return &w;
    for (const CLine& w : main.Wires()) {
        const CText& name = w.GetNameText();
        if (!w.GetName().IsEmpty() && name.IsDisp() &&
            name.GetBoundingRect().Normalized().PtInRect(p)) {
            CString upper = w.GetName();
            upper.MakeUpper();
            names.push_back(upper);
            return &w;
        }
    }
    return nullptr;
}

CRect ClearSheet(CSheet& s, bool pins)
{
    CRect area;
    for (CLine& w : s.Wires()) {
        if (w.GetType() & CLine::kHighlight) {
            w.ModifyType(CLine::kHighlight, 0);
            area = Union(area, w.GetBoundingRect());
        }
    }
    if (pins) {
        for (CPart& part : s.Parts()) {
            bool any = false;
            for (CPin& pin : part.Pins()) {
                any = any || pin.IsHighlight();
                pin.ModifyElect(0, CPin::kHighlight);
            }
            if (any)
                area = Union(area, part.GetBoundingRect());
        }
    }
    s.ResetHighLight();
    return area;
}

} // namespace

bool CNetHighlight::Shown() const
{
    return m_e.Doc().MainSheet().IsHighLight();
}

CRect CNetHighlight::Clear(CVIREODoc& doc)
{
    CRect area = ClearSheet(doc.MainSheet(), true);
    area = Union(area, ClearSheet(doc.SelectionSheet(), false));
    ClearSheet(doc.ReselectSheet(), false);
    return area;
}

CRect CNetHighlight::ByNames(CVIREODoc& doc, std::vector<CString>& names)
{
    CRect area = Clear(doc);
    if (names.empty())
        return area;
    return Union(area, doc.MainSheet().SetHighlight(CPoint(), names, 1));
}

bool CNetHighlight::At(const CPoint& p, std::vector<CString>& names)
{
    CSheet& main = m_e.Main();
    names.clear();
    const CLine* wire = WireAt(main, p, names);
    if (!wire)
        return false;
    if (wire->GetType() & CLine::kHighlight) {
        TakeIntoSelection();
        return true;
    }
    if (m_e.Selection().GetItemCount() != 0)
        return true;
    const CPoint start = wire->GetStartPoint();
    const bool byNames = !names.empty();
    CRect area = Clear(m_e.Doc());
    area = Union(area, main.SetHighlight(start, names, byNames ? 1 : 0));
    m_e.Repaint(area);
    return true;
}

void CNetHighlight::TakeIntoSelection()
{
    CVIREODoc& doc = m_e.Doc();
    CSheet& main = doc.MainSheet();
    CSheet picked;
    for (const CLine& w : main.Wires()) {
        if (!(w.GetType() & CLine::kHighlight))
            continue;
        picked.NewLine(w);
        for (const CJunc& j : main.Juncs()) {
            if (!w.CheckPoint(j.GetPoint()))
                continue;
            // A junction shared by two wires is taken once.
            bool known = false;
            for (const CJunc& k : picked.Juncs())
                known = known || k.GetPoint() == j.GetPoint();
            if (!known)
                picked.NewJunc(j);
        }
    }
    const CRect area = Clear(doc);
    for (CLine& w : picked.Wires())
        w.ModifyType(CLine::kHighlight, 0);
    for (const CLine& w : picked.Wires())
        doc.SelectItem(w);
    for (const CJunc& j : picked.Juncs())
        doc.SelectItem(j);
    doc.ReselectSheet().DeleteContents();
    doc.ReselectSheet() += doc.SelectionSheet();
    m_e.Repaint(Union(area, picked.GetBoundingRect()));
    m_e.Edits().SelectionChanged();
}
