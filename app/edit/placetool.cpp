#include "app/edit/placetool.h"

#include "app/edit/editengine.h"
#include "app/edit/gatecommands.h"
#include "app/edit/recentparts.h"
#include "app/edit/selectionedits.h"
#include "app/settings.h"
#include "app/undohistory.h"
#include "app/vireodoc.h"
#include "base/codepage.h"
#include "base/host.h"

CPoint CPlaceTool::Anchor() const
{
    CSheet& sel = const_cast<CEditEngine&>(m_e).Selection();
    if (!sel.Pins().IsEmpty())
        return sel.Pins().GetHead()->GetStartPoint();
    if (!sel.Texts().IsEmpty())
        return sel.Texts().GetHead()->GetPoint();
    if (!sel.Parts().IsEmpty())
        return sel.Parts().GetHead()->GetOrg();
    return CPoint();
}

void CPlaceTool::Click(const CPoint& p, int tool, int flags)
{
    CSheet& sel = m_e.Selection();
    if (!m_e.InputInProgress()) {
        if (sel.GetItemCount() != 0)
            return;
        m_tool = tool;
        if (tool == editcmd::kPin)
            StartPin(p);
        else if (tool == editcmd::kPart ? !StartPart(p) : !StartText(p))
            return;
        m_e.SetInput(true);
        m_e.OverlayChanged();
        return;
    }
    Follow(p);
    CVIREODoc& doc = m_e.Doc();
    if (m_tool == editcmd::kPart && (flags & editflag::kShift))
        TrimUnderPart();
    doc.AddItems(sel);
    m_e.Repaint(sel.GetBoundingRect());
    if (m_tool == editcmd::kPart) {
        // The placed part stays attached to the cursor for the next copy:
        // the next gate of its package, numbered on after the last gate.
        NextCopy();
        m_e.OverlayChanged();
        return;
    }
    if (m_tool == editcmd::kPin) {
        // The next pin, numbered on.
        CPin& pin = *sel.Pins().GetHead();
        if (SettingInt("CopyIncrement", "PinNameEnable"))
            pin.IncName(SettingInt("CopyIncrement", "PinName"));
        if (SettingInt("CopyIncrement", "PinNoEnable"))
            pin.IncNo(SettingInt("CopyIncrement", "PinNo"));
        m_e.OverlayChanged();
        return;
    }
    sel.DeleteContents();
    m_e.SetInput(false);
    m_e.OverlayChanged();
}

bool CPlaceTool::TrimUnderPart()
{
    // The wires that touch the part's pins, cut at the pins; recorded as a
    // change of their own before the part is added.
    CVIREODoc& doc = m_e.Doc();
    if (m_e.Selection().Parts().IsEmpty())
        return false;
    const CPart& part = *m_e.Selection().Parts().GetHead();
    CSheet hits;
    if (!doc.MainSheet().CheckTrimPart(&part, &hits, nullptr))
        return false;
    CSheet work;
    work += hits;
    work.NewPart(part);
    CSheet out;
    if (!work.TrimPartLine(out))
        return false;
    CSheet trimmed;
    for (const CLine& x : out.Wires())
        trimmed.NewLine(x);
    for (const CLine& x : out.Buses())
        trimmed.NewLine(x);
    for (const CLine& x : out.Lines())
        trimmed.NewLine(x);
    for (const CJunc& x : out.Juncs())
        trimmed.NewJunc(x);
    RemoveEqualItems(doc.MainSheet(), hits);
    doc.MainSheet() += trimmed;
    doc.RecordItems(hits, CUndoHistory::kOld);
    doc.RecordItems(trimmed, CUndoHistory::kNew);
    m_e.Repaint(Union(hits.GetBoundingRect(), trimmed.GetBoundingRect()));
    return true;
}

void CPlaceTool::NextCopy()
{
    CSheet& sel = m_e.Selection();
    if (sel.Parts().GetCount() != 1)
        return;
    CPart& part = *sel.Parts().GetHead();
    const CSheet& gates = m_e.Doc().PartBuffer();
    CPart next;
    bool wrapped = false;
    // The gates the library gave are the package's, whatever count the
    // part records.
    if (gates.Parts().GetCount() >= 2 && !part.GetRefName().IsEmpty() &&
        NextGateOf(part, gates, 1, next, wrapped)) {
        if (wrapped && part.RefCheck())
            next.IncRefName(1);
        sel.DeleteContents();
        sel.NewPart(next);
        return;
    }
    m_e.Edits().CopyIncrement();
}

bool CPlaceTool::StartNamedPart(const CString& name, const CPoint& p)
{
    CSheet gates;
    if (name.IsEmpty() || !m_e.FindPart(name, gates) || gates.Parts().IsEmpty())
        return false;
    StartWithGates(gates, p);
    return true;
}

void CPlaceTool::StartWithGates(const CSheet& gates, const CPoint& p)
{
    m_e.SelectToolState(editcmd::kPart);
    CPart part(*gates.Parts().GetHead());
    part.Offset(p - part.GetOrg());
    m_e.Selection().NewPart(part);
    m_e.Doc().ReselectSheet().DeleteContents();
    m_e.Doc().PartBuffer() = gates;
    m_tool = editcmd::kPart;
    m_e.SetInput(true);
    m_e.OverlayChanged();
}

void CPlaceTool::StartPin(const CPoint& p)
{
    const int length = SettingInt("Default", "Pin Length");
    CPin pin(p, CPoint(p.x - length, p.y), uint32_t(SettingInt("Default", "Pin Electric Type")));
    pin.SetNo(CString("1"));
    m_e.Selection().NewPin(pin);
}

bool CPlaceTool::StartText(const CPoint& p)
{
    CText text(CString(), p, SettingInt("Default", "Text Height"), CText::kDefaultAttr);
    const CItemRef under = m_e.Edits().ItemAt(m_e.Main(), p);
    if (under.kind == CItemRef::Text) {
        text = *static_cast<const CText*>(under.item);
        text.SetName(CString());
        text.ResetTextSel();
    }
    if (!m_e.Host().InputText(text) || text.IsEmpty())
        return false;
    text.SetPoint(p);
    m_e.Selection().NewText(text);
    return true;
}

bool CPlaceTool::StartPart(const CPoint& p)
{
    CPartRequest request;
    const CItemRef under = m_e.Edits().ItemAt(m_e.Main(), p);
    if (under.kind == CItemRef::Part)
        request.name = static_cast<const CPart*>(under.item)->GetPartName();
    // Asked again until a part is found or the dialog is cancelled.
    CSheet gates;
    for (;;) {
        if (!m_e.Host().InputPart(request) || request.name.IsEmpty())
            return false;
        gates.DeleteContents();
        if (m_e.FindPart(request.name, gates) && !gates.Parts().IsEmpty()) {
            CRecentParts::Touch(request.name);
            break;
        }
        CRecentParts::Remove(request.name);
        Host().Message(request.name + FromUtf8("が見つかりません"));
    }
    CPart part(*gates.Parts().GetHead());
    if (!request.reference.IsEmpty())
        part.SetRefName(request.reference);
    if (!request.value.IsEmpty())
        part.SetValue(request.value);
    // Without a value from the dialog the library's value is not shown.
    part.SetDisp(request.nameDisp, request.referenceDisp,
                 !request.value.IsEmpty() && request.valueDisp);
    part.Offset(p - part.GetOrg());
    m_e.Selection().NewPart(part);
    m_e.Doc().ReselectSheet().DeleteContents();
    m_e.Doc().PartBuffer() = gates;
    return true;
}

void CPlaceTool::Follow(const CPoint& p)
{
    if (!m_e.InputInProgress())
        return;
    const CPoint d = p - Anchor();
    if (d == CPoint(0, 0))
        return;
    m_e.Selection().OffsetItem(d, true);
    m_e.OverlayChanged();
}

void CPlaceTool::SetSide(unsigned direction)
{
    CSheet& sel = m_e.Selection();
    if (sel.Pins().IsEmpty())
        return;
    CPin& pin = *sel.Pins().GetHead();
    const CPoint body = pin.GetStartPoint();
    const int n = pin.GetLen();
    CPoint tip = body;
    switch (direction) {
    case 0x000:
        tip.x += n;
        break;
    case 0x100:
        tip.y += n;
        break;
    case 0x200:
        tip.x -= n;
        break;
    default:
        tip.y -= n;
        break;
    }
    pin.SetPoint(body, tip, pin.GetElect());
    m_e.OverlayChanged();
}

void CPlaceTool::ToggleShape(unsigned bit)
{
    m_e.Edits().Change([bit](CSheet& s) {
        bool any = false;
        for (CPin& pin : s.Pins()) {
            pin.SetElect(pin.GetElect() ^ bit);
            any = true;
        }
        return any;
    });
}

void CPlaceTool::Discard()
{
    if (!m_e.InputInProgress())
        return;
    const CRect r = m_e.Selection().GetBoundingRect();
    m_e.Selection().DeleteContents();
    m_e.SetInput(false);
    m_e.Repaint(r);
    m_e.OverlayChanged();
}
