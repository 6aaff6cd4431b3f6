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

namespace {

// The gate takes the turn and the flips of the part it replaces.  The angle
// word does not say in which order a part was turned and flipped, so of the
// library gate's turned and flipped forms with the same word the one whose
// outline and pins lie around the origin as the part's do is taken.
CRect AroundOrigin(const CPart& p)
{
    CRect r = p.GetSimpleBoundingRect().Normalized();
    r.OffsetRect(-p.GetOrg().x, -p.GetOrg().y);
    return r;
}

int Likeness(const CPart& a, const CPart& b)
{
    int score = AroundOrigin(a) == AroundOrigin(b) ? 2 : 0;
    POSITION pa = a.Pins().GetHeadPosition(), pb = b.Pins().GetHeadPosition();
    while (pa && pb) {
        const CPin& x = *a.Pins().GetNext(pa);
        const CPin& y = *b.Pins().GetNext(pb);
        score += x.GetPoint() - a.GetOrg() == y.GetPoint() - b.GetOrg() &&
                 x.GetStartPoint() - a.GetOrg() == y.GetStartPoint() - b.GetOrg();
    }
    return score;
}

void TurnLike(const CPart& part, CPart& gate)
{
    constexpr int mask = CPart::kDirMask | CPart::kMirrorX | CPart::kMirrorY;
    const int want = part.GetAngle() & mask;
    if ((gate.GetAngle() & mask) == want)
        return;
    int best = -1;
    CPart chosen(gate);
    for (int order = 0; order < 2; ++order) {
        for (int flips = 0; flips < 4; ++flips) {
            for (int turns = 0; turns < 4; ++turns) {
                CPart trial(gate);
                const CPoint org = trial.GetOrg();
                const auto turn = [&] {
                    for (int t = 0; t < turns; ++t)
                        trial.Rotate(org, 1);
                };
                if (order == 1)
                    turn();
                if (flips & 1)
                    trial.MirrorX(org);
                if (flips & 2)
                    trial.MirrorY(org);
                if (order == 0)
                    turn();
                if ((trial.GetAngle() & mask) != want)
                    continue;
                const int score = Likeness(trial, part);
                if (score > best) {
                    best = score;
                    chosen = trial;
                }
            }
        }
    }
    gate = chosen;
}

} // namespace

bool NextGateOf(const CPart& part, const CSheet& gates, int step, CPart& out, bool& wrapped)
{
    const int count = gates.Parts().GetCount();
    if (count < 2)
        return false;
    int current = part.GetPackage() >= 1 ? part.GetPackage() : 1;
    if (part.GetPackage() < 1) {
        // Gates that record no number are told apart by their reference
        // form: U1B is the gate whose form is U?B.
        CString prefix, suffix, gatePrefix, gateSuffix;
        int number = 0, gateNumber = 0;
        int index = 1;
        if (CPart::SplitRef(part.GetRefName(), prefix, suffix, number) && !suffix.IsEmpty())
            for (const CPart& g : gates.Parts()) {
                if (CPart::SplitRef(g.GetRefName(), gatePrefix, gateSuffix, gateNumber) &&
                    gateSuffix == suffix) {
                    current = index;
                    break;
                }
                ++index;
            }
    }
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
    TurnLike(part, out);
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
