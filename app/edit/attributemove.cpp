#include "app/edit/attributemove.h"

#include <climits>

#include "app/edit/editengine.h"
#include "app/edit/selectionedits.h"
#include "app/vireodoc.h"
#include "base/archive.h"

namespace {

std::vector<uint8_t> Record(CSheet& s)
{
    CArchive ar;
    s.SerializeText(ar);
    return ar.Bytes();
}

void Mark(CText& t, const CRect& everywhere)
{
    t.SetTextSel(everywhere);
}

} // namespace

void CAttributeMove::Unmark(CSheet& s)
{
    s.ResetTextSel();
}

bool CAttributeMove::Start(bool allTexts)
{
    CSheet& sel = m_e.Selection();
    if (sel.GetItemCount() == 0)
        return false;
    m_hasBase = false;
    sel.ResetTextSel();
    const CRect everywhere(INT_MIN / 2, INT_MIN / 2, INT_MAX / 2, INT_MAX / 2);
    if (allTexts) {
        sel.SetTextSel(everywhere, 0);
    } else {
        for (CItemList<CLine>* list : {&sel.Wires(), &sel.Buses(), &sel.Lines()})
            for (CLine& l : *list)
                Mark(l.GetNameText(), everywhere);
        for (CPin& pin : sel.Pins()) {
            Mark(pin.GetNameText(), everywhere);
            Mark(pin.GetNoText(), everywhere);
        }
        for (CText& t : sel.Texts())
            Mark(t, everywhere);
        for (CPart& part : sel.Parts()) {
            Mark(part.GetPartNameText(), everywhere);
            Mark(part.GetRefNameText(), everywhere);
            Mark(part.GetValNameText(), everywhere);
        }
    }
    m_e.OverlayChanged();
    return true;
}

void CAttributeMove::Rotate(const CPoint& c)
{
    CSheet& sel = m_e.Selection();
    const CRect before = sel.GetBoundingRect();
    sel.RotateText(c);
    m_e.Repaint(Union(before, sel.GetBoundingRect()));
    m_e.OverlayChanged();
}

void CAttributeMove::Flip(const CPoint& c, bool horizontal)
{
    CSheet& sel = m_e.Selection();
    const CRect before = sel.GetBoundingRect();
    horizontal ? sel.MirrorXText(c) : sel.MirrorYText(c);
    m_e.Repaint(Union(before, sel.GetBoundingRect()));
    m_e.OverlayChanged();
}

void CAttributeMove::Click(const CPoint& p)
{
    if (!m_hasBase) {
        m_base = p;
        m_hasBase = true;
        return;
    }
    m_hasBase = false;
    CVIREODoc& doc = m_e.Doc();
    CSheet& sel = doc.SelectionSheet();
    CSheet& old = doc.ReselectSheet();
    const CRect before = sel.GetBoundingRect();
    const CPoint d = p - m_base;
    if (d != CPoint(0, 0)) {
        sel.OffsetAttr(d);
        for (CPart& part : sel.Parts())
            part.CalcBoundRect(1);
    }
    Unmark(sel);
    // Other keys may have changed the items on the way (sizes, styles): the
    // whole difference is the one step.
    if (Record(sel) != Record(old)) {
        doc.RecordItems(old, CUndoHistory::kOld);
        doc.RecordItems(sel, CUndoHistory::kNew);
        old = sel;
    }
    const CRect area = Union(before, sel.GetBoundingRect());
    doc.ReturnSelection();
    m_e.Repaint(area);
    m_e.ReturnToTool();
}
