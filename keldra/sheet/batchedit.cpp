// The Modify command on a selection sheet: one item through its own dialog
// effect, several items through one template form (see batchedit.h), and the
// next item for repeated editing.
//
// Every edit works in two steps: first the new values of every item are
// worked out, and only when all of them are acceptable are they written, so
// that a refused edit leaves every item as it was.
#include "sheet/batchedit.h"

#include <algorithm>
#include <climits>
#include <tuple>
#include <utility>
#include <vector>

#include "base/host.h"
#include "base/messages.h"
#include "base/profile.h"
#include "sheet/sheet.h"

namespace {

constexpr int kStepOutOfRange = 2009;

// --- name fields ---------------------------------------------------------------------------

bool IsFullWidthDigit(const CString& s, int p)
{
    return s.CharLengthAt(p) == 2 && static_cast<unsigned char>(s[p]) == 0x82 &&
           static_cast<unsigned char>(s[p + 1]) >= 0x4F &&
           static_cast<unsigned char>(s[p + 1]) <= 0x58;
}

// The value of a decimal number of ASCII or full-width digits, blanks around
// it allowed; false when there is anything else or no digit.
bool ParseCount(CString text, long long& value)
{
    text.Trim();
    value = 0;
    if (text.IsEmpty())
        return false;
    for (int p = 0; p < text.GetLength(); p += text.CharLengthAt(p)) {
        int digit;
        if (text.CharLengthAt(p) == 1 && text[p] >= '0' && text[p] <= '9')
            digit = text[p] - '0';
        else if (IsFullWidthDigit(text, p))
            digit = static_cast<unsigned char>(text[p + 1]) - 0x4F;
        else
            return false;
        // Anything past the largest step is out of range whatever follows.
        if (value <= (long long)INT_MAX + 1)
            value = value * 10 + digit;
    }
    return true;
}

// The names of the items, in list order, for a name field.  stepName steps
// a name by the edit's step for the item at the given index and returns
// false when the step is refused.
template <class StepName>
bool NamesFor(const CNameEdit& edit, const std::vector<CString>& current, StepName stepName,
              std::vector<CString>& names)
{
    names = current;
    switch (edit.kind) {
    case CNameEdit::Keep:
        return true;
    case CNameEdit::Replace:
        if (!edit.from.IsEmpty())
            for (CString& name : names)
                name.Replace(edit.from, edit.to);
        return true;
    case CNameEdit::Number:
        break;
    }
    const bool numbered = edit.step != 0 && CNameEdit::EndsInDigits(edit.name);
    CString name = edit.name;
    for (size_t i = 0; i < names.size(); ++i) {
        names[i] = name;
        if (numbered && i + 1 < names.size() && !stepName(name, i))
            return false;
    }
    return true;
}

// Texts, line and pin names step their trailing number.
bool StepText(CString& name, int step)
{
    CText text(name, CPoint(), CText::kDefaultSize, CText::kDefaultAttr);
    text.IncName(step);
    name = text.GetName();
    return true;
}

template <class Item, class Get>
std::vector<CString> TextsOf(const std::vector<Item*>& items, Get get)
{
    std::vector<CString> texts;
    for (const Item* item : items)
        texts.push_back(get(*item));
    return texts;
}

// The names of a text field for the items, stepped as texts; false after
// telling the user when a step is out of range.
template <class Item, class Get>
bool TextNames(const CString& field, const CString& shown, bool multiple,
               const std::vector<Item*>& items, Get get, std::vector<CString>& names)
{
    const CNameEdit edit = CNameEdit::Parse(field, shown, multiple);
    if (!edit.valid) {
        Host().Message(LoadMessage(kStepOutOfRange));
        return false;
    }
    return NamesFor(
        edit, TextsOf(items, get),
        [&edit](CString& name, size_t) { return StepText(name, edit.step); }, names);
}

// --- templates --------------------------------------------------------------------------------

template <class T> void Merge(std::optional<T>& into, const std::optional<T>& from)
{
    if (into && from && *into == *from)
        return;
    into.reset();
}

void Merge(CString& into, const CString& from)
{
    if (into != from)
        into = kMixedValue;
}

// A field the form has a value for replaces the item's own; text fields go
// through the name syntax instead.
template <class T> void Overlay(std::optional<T>& own, const std::optional<T>& edit)
{
    if (edit)
        own = edit;
}

void Overlay(CString&, const CString&)
{
}

// The fields of each form, for the operations that treat them all alike.
auto Fields(CLineEditForm& f)
{
    return std::tie(f.name, f.nameDisp, f.frame, f.powerWire, f.style, f.startArrow, f.endArrow);
}
auto Fields(CPartEditForm& f)
{
    // The gate fields are one part's only: a template leaves them empty.
    return std::tie(f.partName, f.reference, f.value, f.partNameDisp, f.referenceDisp, f.valueDisp,
                    f.inverted);
}
auto Fields(CPinEditForm& f)
{
    return std::tie(f.typeListIndex, f.display, f.clock, f.dot, f.name, f.nameDisp, f.number,
                    f.numberDisp, f.length);
}
auto Fields(CTextEditForm& f)
{
    return std::tie(f.text, f.size, f.anchor, f.direction, f.frame, f.display, f.print, f.ownFont,
                    f.font);
}

// Applies op to each pair of fields of two forms.
template <class Form, class Op> void ForEachFieldPair(Form& a, Form& b, Op op)
{
    auto x = Fields(a);
    auto y = Fields(b);
    [&]<size_t... I>(std::index_sequence<I...>)
    {
        (op(std::get<I>(x), std::get<I>(y)), ...);
    }
    (std::make_index_sequence<std::tuple_size_v<decltype(x)>>{});
}

// The item's own values with the fields the form holds put over them.
template <class Form> Form Overlaid(Form own, Form edit)
{
    ForEachFieldPair(own, edit, [](auto& into, const auto& from) { Overlay(into, from); });
    return own;
}

bool Hidden(const CText& text)
{
    return (text.GetAngle() & CText::kHidden) != 0;
}

// Builds the form of a list of items: one item's own values, or a template.
template <class Item, class FormOf> auto FormFor(const std::vector<Item*>& items, FormOf formOf)
{
    auto form = formOf(*items.front());
    form.multiple = items.size() > 1;
    for (size_t i = 1; i < items.size(); ++i) {
        auto other = formOf(*items[i]);
        ForEachFieldPair(form, other, [](auto& into, const auto& from) { Merge(into, from); });
    }
    return form;
}

template <class T> std::vector<T*> Items(CItemList<T>& list)
{
    std::vector<T*> items;
    for (T& item : list)
        items.push_back(&item);
    return items;
}

// --- lines -----------------------------------------------------------------------------------

CLineEditForm LineForm(const CLine& line)
{
    CLineEditForm form;
    form.name = line.GetName();
    form.nameDisp = !Hidden(line.GetNameText());
    form.frame = line.GetNameText().GetFrame();
    form.powerWire = (line.GetType() & CLine::kPower) != 0;
    form.style = line.GetStyle();
    form.startArrow = line.GetStartArrow() != 0;
    form.endArrow = line.GetEndArrow() != 0;
    return form;
}

// --- parts -----------------------------------------------------------------------------------

CPartEditForm PartForm(const CPart& part)
{
    CPartEditForm form;
    form.partName = part.GetPartName();
    form.reference = part.GetRefName();
    form.value = part.GetValName();
    form.partNameDisp = !Hidden(part.GetPartNameText());
    form.referenceDisp = !Hidden(part.GetRefNameText());
    form.valueDisp = !Hidden(part.GetValNameText());
    form.inverted = (part.GetAttr() & CPart::kInverted) != 0;
    form.package = part.GetPackage();
    form.packageMax = part.GetPackageMax();
    return form;
}

// What the part dialog checks and applies, from a form that holds every field.
CPartDialogInput PartInput(const CPartEditForm& own)
{
    CPartDialogInput in;
    in.partName = own.partName;
    in.reference = own.reference;
    in.value = own.value;
    in.partNameDisp = *own.partNameDisp;
    in.referenceDisp = *own.referenceDisp;
    in.valueDisp = *own.valueDisp;
    in.inverted = *own.inverted;
    in.package = *own.package;
    in.packageMax = *own.packageMax;
    return in;
}

// A reference steps with the numbering of the part it was given to (its
// "REFFORM" and gate count), as if that part had been stepped.
bool StepReference(CString& name, const CPart& owner, int step)
{
    CPart scratch(CPoint(), CPoint(), CPoint(), owner.GetPackageMax(), owner.GetPackage(), 0, 0);
    const CString format = owner.GetProperty("REFFORM");
    if (!format.IsEmpty()) {
        CText property;
        property.SetProperty("REFFORM", format);
        scratch.NewText(property);
    }
    scratch.SetRefName(name);
    if (!scratch.IncRefName(step))
        return false;
    name = scratch.GetRefName();
    return true;
}

// --- pins ------------------------------------------------------------------------------------

CPinEditForm PinForm(const CPin& pin)
{
    CPinEditForm form;
    form.typeListIndex = CPin::ListIndexFromType(pin.GetEleType());
    form.display = pin.IsDisp();
    form.clock = (pin.GetElect() & CPin::kClock) != 0;
    form.dot = (pin.GetElect() & CPin::kDot) != 0;
    form.name = pin.GetName();
    form.nameDisp = !Hidden(pin.GetNameText());
    form.number = pin.GetNo();
    form.numberDisp = !Hidden(pin.GetNoText());
    form.length = pin.GetLen();
    return form;
}

// --- texts -----------------------------------------------------------------------------------

CTextEditForm TextForm(const CText& text)
{
    CTextEditForm form;
    form.text = text.GetName();
    form.size = text.GetSize();
    form.anchor = text.GetOrg();
    form.direction = text.GetDir();
    form.frame = text.GetFrame();
    form.display = !Hidden(text);
    form.print = text.IsPrint();
    form.ownFont = text.HasOwnFont();
    form.font = text.GetFont();
    return form;
}

// The edited copy of a text that the text dialog hands to CText::ApplyEdit.
CText EditedText(const CText& text, const CTextEditForm& form, const CString& string)
{
    CText edited = text;
    uint32_t attr = edited.GetAngle();
    if (form.anchor)
        attr = (attr & ~0x7Fu) | (*form.anchor & 0x7Fu);
    if (form.direction)
        attr = (attr & ~0x380u) | (*form.direction & 0x380u);
    if (form.frame)
        attr = (attr & ~CText::kFrameMask) |
               ((uint32_t(*form.frame) << CText::kFrameShift) & CText::kFrameMask);
    if (form.display)
        attr = *form.display ? attr & ~CText::kHidden : attr | CText::kHidden;
    if (form.ownFont)
        attr = *form.ownFont ? attr | CText::kOwnFont : attr & ~CText::kOwnFont;
    edited.SetAngle(attr);
    if (form.font)
        edited.SetFont(*form.font);
    if (form.print)
        edited.Print(*form.print); // after the font: it marks the font too
    if (form.size)
        edited.SetSize(*form.size);
    edited.SetName(string, edited.GetPoint(), edited.GetSize(), edited.GetAngle());
    return edited;
}

// --- next item ---------------------------------------------------------------------------------

// One pass over a sorted list from the item after the given index: up to the
// end, then from the head when wrapping is allowed, never round twice.  The
// given item itself is offered last (only a wrapped pass reaches it).
template <class T, class Take>
T* NextInPass(const std::vector<T*>& items, size_t given, bool wrap, bool offerGiven, Take take)
{
    for (size_t j = given + 1; j < items.size(); ++j)
        if (take(*items[j]))
            return items[j];
    if (!wrap)
        return nullptr;
    for (size_t j = 0; j < given; ++j)
        if (take(*items[j]))
            return items[j];
    return offerGiven ? items[given] : nullptr;
}

bool CopyIncrement(const char* key, int fallback)
{
    return Profile().GetInt("CopyIncrement", key, fallback) != 0;
}

} // namespace

// --- name field syntax -------------------------------------------------------------------------

bool CNameEdit::EndsInDigits(const CString& text)
{
    const int last = text.LastCharPos();
    if (last < 0)
        return false;
    return (text.CharLengthAt(last) == 1 && text[last] >= '0' && text[last] <= '9') ||
           IsFullWidthDigit(text, last);
}

CNameEdit CNameEdit::Parse(const CString& field, const CString& shown, bool multiple)
{
    if (multiple && field == shown)
        return CNameEdit();
    return Parse(field, multiple);
}

CNameEdit CNameEdit::Parse(const CString& field, bool multiple)
{
    CNameEdit edit;
    if (!multiple) {
        edit.kind = Number;
        edit.name = field;
        return edit;
    }
    if (field == kMixedValue)
        return edit;
    const int assign = field.Find(":=");
    if (assign >= 0) {
        edit.kind = Replace;
        edit.from = field.Left(assign);
        edit.to = field.Mid(assign + 2);
        return edit;
    }
    edit.kind = Number;
    edit.name = field;
    const int n = field.GetLength();
    // '+', '-' and '=' are never trail bytes, so byte tests are safe here.
    if (n >= 2 && field[n - 1] == field[n - 2] && (field[n - 1] == '+' || field[n - 1] == '-')) {
        edit.name = field.Left(n - 2);
        edit.step = field[n - 1] == '+' ? 1 : -1;
        return edit;
    }
    const int plus = field.Find("+="), minus = field.Find("-=");
    const int op = plus < 0 ? minus : minus < 0 ? plus : std::min(plus, minus);
    long long count;
    if (op >= 0 && ParseCount(field.Mid(op + 2), count)) {
        const bool down = op == minus;
        edit.name = field.Left(op);
        edit.name.TrimRight();
        // A step is an int: +2147483647 up to -2147483648.
        edit.valid = count <= (down ? (long long)INT_MAX + 1 : INT_MAX);
        edit.step = edit.valid ? int(down ? -count : count) : 0;
    }
    return edit;
}

// --- the edits -----------------------------------------------------------------------------------

int CSheet::EditLine(int code, const CEditDialog<CLineEditForm>& dialog)
{
    CItemList<CLine>* list = nullptr;
    switch (code) {
    case kind::kWire:
    case kind::kHWire:
    case kind::kVWire:
        list = &m_wires;
        break;
    case kind::kBus:
    case kind::kHBus:
    case kind::kVBus:
        list = &m_buses;
        break;
    case kind::kLine:
    case kind::kHLine:
    case kind::kVLine:
        list = &m_lines;
        break;
    default:
        return 0;
    }
    if (list->IsEmpty())
        return 0;
    // Numbering follows the position of the lines (a mixed wire or bus
    // selection keeps its order).
    if (code == kind::kLine || (code >= kind::kHWire && code <= kind::kVLine))
        SortLine(code);
    const std::vector<CLine*> lines = Items(*list);
    CLineEditForm form = FormFor(lines, LineForm);
    const CString shownName = form.name;
    if (!dialog(form))
        return 0;
    std::vector<CString> names;
    if (!TextNames(
            form.name, shownName, form.multiple, lines, [](const CLine& l) { return l.GetName(); },
            names))
        return 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        CLine& line = *lines[i];
        const CLineEditForm values = Overlaid(LineForm(line), form);
        CLineDialogResult result;
        result.name = names[i];
        result.nameDisp = *values.nameDisp;
        result.frame = *values.frame;
        result.powerWire = *values.powerWire;
        result.style = *values.style;
        result.startArrow = *values.startArrow;
        result.endArrow = *values.endArrow;
        line.ApplyDialog(result);
    }
    return 1;
}

int CSheet::EditPart(const CEditDialog<CPartEditForm>& dialog)
{
    if (m_parts.IsEmpty())
        return 0;
    const std::vector<CPart*> parts = Items(m_parts);
    CPartEditForm form = FormFor(parts, PartForm);
    if (form.multiple) {
        form.package.reset();
        form.packageMax.reset();
    }
    const CPartEditForm shown = form;
    if (!dialog(form))
        return 0;

    // The references number with each part's own numbering: the reference
    // of each part is formed by its own REFFORM.
    const CNameEdit refEdit = CNameEdit::Parse(form.reference, shown.reference, form.multiple);
    std::vector<CString> partNames, values, refs;
    bool stepped = refEdit.valid;
    if (stepped)
        stepped = NamesFor(
            refEdit, TextsOf(parts, [](const CPart& p) { return p.GetRefName(); }),
            [&](CString& name, size_t i) {
                return StepReference(name, *parts[i + 1], refEdit.step);
            },
            refs);
    if (stepped && form.multiple && refEdit.kind == CNameEdit::Number && refEdit.step != 0 &&
        CNameEdit::EndsInDigits(refEdit.name))
        for (size_t i = 0; i < parts.size() && stepped; ++i)
            stepped = StepReference(refs[i], *parts[i], 0);
    if (!stepped) {
        Host().Message(LoadMessage(kStepOutOfRange));
        return 0;
    }
    if (!TextNames(
            form.partName, shown.partName, form.multiple, parts,
            [](const CPart& p) { return p.GetPartName(); }, partNames) ||
        !TextNames(
            form.value, shown.value, form.multiple, parts,
            [](const CPart& p) { return p.GetValName(); }, values))
        return 0;

    // Every part's result must pass the dialog's checks before any changes.
    std::vector<CPartDialogInput> inputs;
    for (size_t i = 0; i < parts.size(); ++i) {
        CPartEditForm own = Overlaid(PartForm(*parts[i]), form);
        if (!form.multiple) {
            Overlay(own.package, form.package);
            Overlay(own.packageMax, form.packageMax);
        }
        CPartDialogInput in = PartInput(own);
        in.partName = partNames[i];
        in.reference = refs[i];
        in.value = values[i];
        // A template offers no gate fields, so their check is not its concern.
        CPartDialogInput checked = in;
        if (form.multiple)
            checked.package = checked.packageMax = 0;
        const CPartDialogCheck check = CPart::CheckDialogInput(checked);
        if (!check.Ok()) {
            Host().Message(check.Message());
            return 0;
        }
        inputs.push_back(in);
    }
    for (size_t i = 0; i < parts.size(); ++i) {
        // The package fields are applied by the dialog of one part only.
        parts[i]->SetPackage(inputs[i].package);
        parts[i]->SetPackageMax(inputs[i].packageMax);
        parts[i]->ApplyDialog(inputs[i], nullptr, true);
    }
    return 1;
}

int CSheet::EditPin(int code, const CEditDialog<CPinEditForm>& dialog)
{
    if (code != kind::kPin || m_pins.IsEmpty())
        return 0;
    SortPin();
    const std::vector<CPin*> pins = Items(m_pins);
    CPinEditForm form = FormFor(pins, PinForm);
    const CPinEditForm shown = form;
    if (!dialog(form))
        return 0;
    std::vector<CString> names, numbers;
    if (!TextNames(
            form.name, shown.name, form.multiple, pins, [](const CPin& p) { return p.GetName(); },
            names) ||
        !TextNames(
            form.number, shown.number, form.multiple, pins, [](const CPin& p) { return p.GetNo(); },
            numbers))
        return 0;
    for (size_t i = 0; i < pins.size(); ++i) {
        CPin& pin = *pins[i];
        const CPinEditForm values = Overlaid(PinForm(pin), form);
        CPinDialogResult result;
        result.typeListIndex = *values.typeListIndex;
        result.display = *values.display;
        result.clock = *values.clock;
        result.dot = *values.dot;
        result.name = names[i];
        result.nameDisp = *values.nameDisp;
        result.number = numbers[i];
        result.numberDisp = *values.numberDisp;
        result.length = *values.length;
        pin.ApplyDialog(result, false);
    }
    return 1;
}

int CSheet::EditText(const CEditDialog<CTextEditForm>& dialog)
{
    if (m_texts.IsEmpty())
        return 0;
    SortText();
    const std::vector<CText*> texts = Items(m_texts);
    CTextEditForm form = FormFor(texts, TextForm);
    const CString shownText = form.text;
    if (!dialog(form))
        return 0;
    std::vector<CString> strings;
    if (!TextNames(
            form.text, shownText, form.multiple, texts, [](const CText& t) { return t.GetName(); },
            strings))
        return 0;
    for (size_t i = 0; i < texts.size(); ++i)
        texts[i]->ApplyEdit(EditedText(*texts[i], form, strings[i]), false);
    return 1;
}

// --- next item for repeated editing
// ------------------------------------------------------------------

CItemRef CSheet::GetNextItem(const CSheet& sel)
{
    const int code = sel.CheckKind();
    if (code == kind::kText && !sel.m_texts.IsEmpty()) {
        const CText& given = *sel.m_texts.GetHead();
        SortText();
        const std::vector<CText*> texts = Items(m_texts);
        for (size_t i = 0; i < texts.size(); ++i) {
            if (!(*texts[i] == given))
                continue;
            if (i + 1 < texts.size())
                return *texts[i + 1];
            if (texts.size() >= 2 && CopyIncrement("TextRing", 1))
                for (CText* text : texts)
                    if (!(*text == given))
                        return *text;
            return {};
        }
        return {};
    }

    if (code == kind::kPin && !sel.m_pins.IsEmpty()) {
        const CPin& given = *sel.m_pins.GetHead();
        SortPin();
        const std::vector<CPin*> pins = Items(m_pins);
        const bool reEdit = CopyIncrement("PinReEdit", 1);
        const bool wrap = GetItemCount() >= 2 && CopyIncrement("PinRing", 1);
        for (size_t i = 0; i < pins.size(); ++i) {
            if (*pins[i] == given) {
                const CPin* next = NextInPass(pins, i, wrap, reEdit, [reEdit](const CPin& pin) {
                    return reEdit || pin.GetName().IsEmpty() || pin.GetNo().IsEmpty();
                });
                return next ? CItemRef(*next) : CItemRef();
            }
        }
        return {};
    }

    if (code < kind::kHWire || code > kind::kVLine || sel.LineList(code).IsEmpty())
        return {};
    const CLine& given = *sel.LineList(code).GetHead();
    if (given.GetName().IsEmpty())
        return {};
    const bool horizontal = given.GetStartPoint().y == given.GetEndPoint().y;
    const CPoint at = given.GetNameText().GetPoint();
    CSheet candidates;
    for (const CLine& line : ListOf(given)) {
        const CPoint& a = line.GetStartPoint();
        const CPoint& b = line.GetEndPoint();
        if ((a.y == b.y) != horizontal)
            continue;
        const bool covers = horizontal ? std::min(a.x, b.x) <= at.x && at.x <= std::max(a.x, b.x)
                                       : std::min(a.y, b.y) <= at.y && at.y <= std::max(a.y, b.y);
        if (covers)
            candidates.NewLine(line);
    }
    // The code of the list and orientation, as SortLine takes it.
    const int listBase = &ListOf(given) == &m_wires   ? kind::kHWire
                         : &ListOf(given) == &m_buses ? kind::kHBus
                                                      : kind::kHLine;
    const int sortCode = listBase + (horizontal ? 0 : 1);
    candidates.SortLine(sortCode);
    const std::vector<CLine*> lines = Items(candidates.ListOf(given));
    const bool reEdit = CopyIncrement("LineReEdit", 1);
    const bool wrap = lines.size() >= 2 && CopyIncrement("LineRing", 0);
    for (size_t i = 0; i < lines.size(); ++i) {
        if (!lines[i]->Compare(given))
            continue;
        const CLine* next = NextInPass(lines, i, wrap, false, [reEdit](const CLine& line) {
            return reEdit || line.GetName().IsEmpty();
        });
        if (!next)
            return {};
        for (const CLine& line : ListOf(given))
            if (line.Compare(*next))
                return line;
        return {};
    }
    return {};
}
