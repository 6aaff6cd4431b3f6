// Cross-sheet references: a named wire or bus that continues on other sheets
// shows where ("P.2 [10,20]" per other line), next to its name.
#include "net/netcontext.h"
#include "sheet/sheet.h"

namespace {

// The list a line of this kind lives in.
template <class Sheet> auto& ListOfKind(Sheet& sheet, const CLine& line)
{
    return line.IsBus() ? sheet.Buses() : line.IsPlain() ? sheet.Lines() : sheet.Wires();
}

} // namespace

void CSheet::SetRecalcCrossNet(const CLine* line)
{
    if (!line || line->GetName().IsEmpty())
        return;
    for (CLine& other : ListOfKind(*this, *line))
        if (&other != line && other.GetName().CompareNoCase(line->GetName()) == 0)
            other.ModifyType(0, CLine::kWorkMark1);
}

void CSheet::GetCrossNet(CCrossNetList& list, const CString& docName) const
{
    const CLine* line = list.line;
    if (!line || line->GetName().IsEmpty())
        return;
    for (const CLine& other : ListOfKind(*this, *line))
        if (&other != line && other.GetName().CompareNoCase(line->GetName()) == 0)
            list.pairs.push_back({&other, docName});
}

void CSheet::MakeCrossNet(const CNetContext& context)
{
    for (CItemList<CLine>* list : {&m_wires, &m_buses, &m_lines}) {
        for (CLine& line : *list) {
            if (!(line.GetType() & CLine::kWorkMark1))
                continue;
            line.ModifyType(CLine::kWorkMark1, 0);
            CCrossNetList found;
            found.line = &line;
            if (!line.GetName().IsEmpty())
                context.CollectCrossNet(found);
            // A reference that points nowhere any more is taken away rather
            // than left stale.
            CText cross = line.GetNameText();
            if (found.pairs.empty()) {
                line.SetCrossName(CText());
                continue;
            }
            CString text("P.");
            for (const CCrossNetEntry& pair : found.pairs) {
                const CPoint& at = pair.line->GetNameText().GetPoint();
                text += CString::Formatted("%d [%d,%d]", context.GetSheetNo(pair.docName),
                                           at.x / 100, at.y / 100);
                text += "\\n";
            }
            cross.SetName(text, cross.GetPoint() + CPoint(100, 0), cross.GetSize(),
                          cross.GetAngle());
            line.SetCrossName(cross);
        }
    }
}
