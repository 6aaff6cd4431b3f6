#include "app/edit/gatecommands.h"

#include "app/edit/editengine.h"
#include "app/edit/selectionedits.h"
#include "app/vireodoc.h"
#include "sheet/sheet.h"

namespace {

bool Placing(CEditEngine& e)
{
    return e.State() == editcmd::kPart && e.InputInProgress();
}

// The package's gates: the part buffer when it holds this package, else the
// libraries.
bool GatesOf(CEditEngine& e, const CPart& part, CSheet& gates)
{
    const CSheet& buffer = e.Doc().PartBuffer();
    if (buffer.Parts().GetCount() >= 2 &&
        buffer.Parts().GetHead()->GetPartName() == part.GetPartName()) {
        gates = buffer;
        return true;
    }
    return e.FindPart(part.GetPartName(), gates);
}

} // namespace

bool NextGateOf(const CPart& part, const CSheet& gates, int step, CPart& out, bool& wrapped)
{
    const int count = gates.Parts().GetCount();
    if (count < 2)
        return false;
    const int current = part.GetPackage() >= 1 ? part.GetPackage() : 1;
    int target = current + step;
    wrapped = target < 1 || target > count;
    target = ((target - 1) % count + count) % count + 1;
    const CPart* gate = nullptr;
    int index = 1;
    for (const CPart& g : gates.Parts()) {
        if (g.GetPackage() == target || (!gate && index == target))
            gate = &g;
        ++index;
    }
    out = *gate;
    // The gate's own reference form (U?B) with this part's number.
    CString prefix, suffix, gatePrefix, gateSuffix;
    int number = 0, gateNumber = 0;
    if (CPart::SplitRef(part.GetRefName(), prefix, suffix, number) && number > 0 &&
        CPart::SplitRef(out.GetRefName(), gatePrefix, gateSuffix, gateNumber))
        out.SetRefName(out.FormatRef(gatePrefix, number, gateSuffix));
    if (!part.GetValName().IsEmpty())
        out.SetValue(part.GetValName());
    out.SetDisp(part.GetPartNameText().IsDisp(), part.GetRefNameText().IsDisp(),
                part.GetValNameText().IsDisp());
    out.ModifyAttr(CPart::kInverted, part.GetAttr() & CPart::kInverted);
    out.Offset(part.GetOrg() - out.GetOrg());
    out.CalcBoundRect(1);
    return true;
}

bool CanChangeGate(CEditEngine& e)
{
    const CSheet& sel = e.Selection();
    if (sel.GetItemCount() != 1 || sel.Parts().GetCount() != 1)
        return false;
    return Placing(e) || sel.Parts().GetHead()->GetPackageMax() >= 2;
}

bool ChangeGate(CEditEngine& e, int step)
{
    if (!CanChangeGate(e))
        return false;
    CSheet gates;
    const CPart part(*e.Selection().Parts().GetHead());
    if (!GatesOf(e, part, gates))
        return false;
    CPart next;
    bool wrapped = false;
    if (!NextGateOf(part, gates, step, next, wrapped))
        return false;
    return e.Edits().Change([&](CSheet& s) {
        s.DeleteContents();
        s.NewPart(next);
        return true;
    });
}

bool InvertGate(CEditEngine& e)
{
    if (!CanChangeGate(e))
        return false;
    return e.Edits().Change([](CSheet& s) {
        CPart& part = *s.Parts().GetHead();
        part.ModifyAttr(CPart::kInverted, (part.GetAttr() & CPart::kInverted) ^ CPart::kInverted);
        return true;
    });
}
