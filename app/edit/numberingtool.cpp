#include "app/edit/numberingtool.h"

#include <algorithm>

#include "app/edit/editengine.h"
#include "app/edit/selectionedits.h"
#include "app/vireodoc.h"
#include "base/codepage.h"

bool CNumberingTool::Click(const CPoint& p, bool takeBase)
{
    const CItemRef hit = m_e.Edits().ItemAt(m_e.Main(), p);
    if (hit.kind != CItemRef::Part)
        return false;
    const CPart& part = *static_cast<const CPart*>(hit.item);
    if (takeBase) {
        CString prefix, suffix;
        int number = 0;
        // A reference without a number ("R?") gives its prefix, numbered from 1.
        if (!CPart::SplitRef(part.GetRefName(), prefix, suffix, number))
            return false;
        m_prefix = prefix;
        m_suffix = suffix;
        m_number = number > 0 ? number : 1;
        m_hasBase = true;
        return true;
    }
    if (!m_hasBase)
        return false;
    const CString ref = part.FormatRef(m_prefix, m_number, m_suffix);
    if (ref != part.GetRefName()) {
        CSheet oldItems, newItems;
        oldItems.NewPart(part);
        CPart changed(part);
        changed.SetRefName(ref);
        changed.CalcBoundRect(1);
        newItems.NewPart(changed);
        const CRect area = Union(part.GetBoundingRect(), changed.GetBoundingRect());
        m_e.Doc().ChangeItems(oldItems, newItems);
        m_e.Repaint(area);
    }
    ++m_number;
    return true;
}

void CNumberingTool::Step(int by)
{
    m_number = std::max(0, m_number + by);
}

CString CNumberingTool::BaseReference() const
{
    return m_prefix + CString::Formatted("%d", m_number) + m_suffix;
}

std::string CNumberingTool::StatusText() const
{
    if (!m_hasBase)
        return std::string();
    return "  基準部品 " + ToUtf8(BaseReference());
}
