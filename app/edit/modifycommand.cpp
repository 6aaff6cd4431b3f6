#include "app/edit/modifycommand.h"

#include "app/edit/editengine.h"
#include "app/edit/selectionedits.h"
#include "app/vireodoc.h"
#include "base/archive.h"
#include "sheet/sheet.h"

namespace {

std::vector<uint8_t> Record(CSheet& s)
{
    CArchive ar;
    s.SerializeText(ar);
    return ar.Bytes();
}

bool Edit(CSheet& s, int code, CEditHost& host)
{
    switch (code) {
    case kind::kWire:
    case kind::kBus:
    case kind::kLine:
    case kind::kHWire:
    case kind::kVWire:
    case kind::kHBus:
    case kind::kVBus:
    case kind::kHLine:
    case kind::kVLine:
        return s.EditLine(code, [&](CLineEditForm& f) { return host.ModifyLine(f); }) == 1;
    case kind::kPin:
        return s.EditPin(code, [&](CPinEditForm& f) { return host.ModifyPin(f); }) == 1;
    case kind::kText:
        return s.EditText([&](CTextEditForm& f) { return host.ModifyText(f); }) == 1;
    case kind::kPart:
        return s.EditPart([&](CPartEditForm& f) { return host.ModifyPart(f); }) == 1;
    default:
        return false;
    }
}

} // namespace

int ModifyKind(const CSheet& selection)
{
    if (selection.Juncs().IsEmpty())
        return selection.CheckKind();
    if (selection.GetItemCount() == uint32_t(selection.Juncs().GetCount()))
        return kind::kMixed;
    CSheet withoutJuncs;
    withoutJuncs = selection;
    withoutJuncs.Juncs().RemoveAll();
    return withoutJuncs.CheckKind();
}

bool ModifySelection(CEditEngine& engine)
{
    CSheet& sel = engine.Selection();
    if (sel.GetItemCount() == 0 || engine.InputInProgress())
        return false;
    const int code = ModifyKind(sel);
    CEditHost& host = engine.Host();
    // A dialog closed with OK that changed nothing makes no undo step.
    return engine.Edits().Change([&](CSheet& s) {
        const std::vector<uint8_t> before = Record(s);
        return Edit(s, code, host) && Record(s) != before;
    });
}

bool ModifyNext(CEditEngine& engine)
{
    CSheet& sel = engine.Selection();
    if (sel.GetItemCount() != 1 || engine.InputInProgress())
        return false;
    CSheet current;
    current = sel;
    engine.Edits().ReturnAll();
    const CItemRef next = engine.Main().GetNextItem(current);
    if (next.kind == CItemRef::None) {
        engine.Notice("次に編集する項目はありません");
        engine.Edits().SelectionChanged();
        return false;
    }
    engine.Doc().SelectItem(next);
    engine.Repaint(engine.Selection().GetBoundingRect());
    engine.Edits().SelectionChanged();
    return ModifySelection(engine);
}
