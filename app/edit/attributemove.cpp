#include "app/edit/attributemove.h"

#include <climits>

#include "app/edit/editengine.h"
#include "app/edit/selectionedits.h"
#include "app/vireodoc.h"

void CAttributeMove::Unmark(CSheet& s)
{
    s.ResetTextSel();
}

bool CAttributeMove::Start(bool allTexts)
{
    if (m_e.Selection().GetItemCount() == 0)
        return false;
    m_hasBase = false;
    m_all = allTexts;
    m_e.OverlayChanged();
    return true;
}

void CAttributeMove::Mark(CSheet& sel) const
{
    sel.ResetTextSel();
    const CRect everywhere(INT_MIN / 2, INT_MIN / 2, INT_MAX / 2, INT_MAX / 2);
    if (m_all) {
        sel.SetTextSel(everywhere, 0);
        return;
    }
    for (CItemList<CLine>* list : {&sel.Wires(), &sel.Buses(), &sel.Lines()})
        for (CLine& l : *list)
            l.GetNameText().SetTextSel(everywhere);
    for (CPin& pin : sel.Pins()) {
        pin.GetNameText().SetTextSel(everywhere);
        pin.GetNoText().SetTextSel(everywhere);
    }
    for (CText& t : sel.Texts())
        t.SetTextSel(everywhere);
    for (CPart& part : sel.Parts()) {
        part.GetPartNameText().SetTextSel(everywhere);
        part.GetRefNameText().SetTextSel(everywhere);
        part.GetValNameText().SetTextSel(everywhere);
    }
}

// Every change is recorded at once, as for a resting selection, so that
// leaving the mode any way (Move, Cancel, another command) finds the history
// and the reselect copy in step with the items.
void CAttributeMove::Rotate(const CPoint& c)
{
    m_e.Edits().Change([&](CSheet& s) {
        Mark(s);
        s.RotateText(c);
        Unmark(s);
        return true;
    });
}

void CAttributeMove::Flip(const CPoint& c, bool horizontal)
{
    m_e.Edits().Change([&](CSheet& s) {
        Mark(s);
        horizontal ? s.MirrorXText(c) : s.MirrorYText(c);
        Unmark(s);
        return true;
    });
}

void CAttributeMove::Resize(bool up)
{
    m_e.Edits().Change([&](CSheet& s) {
        Mark(s);
        bool changed = false;
        const auto step = [&](CText& t) {
            if (t.IsTextSel() && t.IsDisp())
                changed = t.ChangeSize(up ? 1 : 0) || changed;
        };
        for (CItemList<CLine>* list : {&s.Wires(), &s.Buses(), &s.Lines()})
            for (CLine& l : *list)
                step(l.GetNameText());
        for (CPin& pin : s.Pins()) {
            step(pin.GetNameText());
            step(pin.GetNoText());
        }
        for (CText& t : s.Texts())
            step(t);
        for (CPart& part : s.Parts()) {
            changed = !part.ZoomData(up ? 1 : 0).IsRectNull() || changed;
            part.CalcBoundRect(1);
        }
        Unmark(s);
        return changed;
    });
}

void CAttributeMove::Click(const CPoint& p)
{
    if (!m_hasBase) {
        m_base = p;
        m_hasBase = true;
        return;
    }
    m_hasBase = false;
    const CPoint d = p - m_base;
    m_e.Edits().Change([&](CSheet& s) {
        if (d == CPoint(0, 0))
            return false;
        Mark(s);
        s.OffsetAttr(d);
        Unmark(s);
        for (CPart& part : s.Parts())
            part.CalcBoundRect(1);
        return true;
    });
    CVIREODoc& doc = m_e.Doc();
    const CRect area = doc.SelectionSheet().GetBoundingRect();
    doc.ReturnSelection();
    m_e.Repaint(area);
    m_e.ReturnToTool();
}
