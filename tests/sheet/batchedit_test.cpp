// The Modify command: one item through its own dialog values, several items
// through a template with "***" fields and numbered names, and the next item
// for repeated editing.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "base/memoryprofile.h"
#include "base/profile.h"
#include "sheet/sheet.h"
#include "support/fakehost.h"
#include "support/printers.h"

namespace {

struct BatchEditTest : ::testing::Test {
    MemoryProfile* settings = new MemoryProfile;
    CScopedProfile profile{std::unique_ptr<CProfile>(settings)};
    CScopedFakeHost host;
};

template <class Item>
std::vector<CString> Names(const CItemList<Item>& list, const CString& (Item::*get)() const)
{
    std::vector<CString> names;
    for (const Item& item : list)
        names.push_back((item.*get)());
    return names;
}

// A dialog that sets the text field and presses OK; seen keeps the form it
// was shown.
template <class Form>
CEditDialog<Form> Typing(CString Form::*field, const CString& typed, Form* seen = nullptr)
{
    return [field, typed, seen](Form& form) {
        if (seen)
            *seen = form;
        form.*field = typed;
        return true;
    };
}

CPart RefPart(const char* ref)
{
    CPart part(CPoint(0, 0), CPoint(0, 0), CPoint(0, 0), 1, 1, 0, 0);
    part.SetPartName("RES");
    part.SetRefName(ref);
    part.SetValue("10k");
    return part;
}

} // namespace

TEST(CNameEdit, FormsOfANameField)
{
    struct Case {
        const char* field;
        CNameEdit::Kind kind;
        const char* name;
        int step;
        bool valid;
    };
    const Case cases[] = {
        {"***", CNameEdit::Keep, "", 0, true},
        {"R1++", CNameEdit::Number, "R1", 1, true},
        {"R1--", CNameEdit::Number, "R1", -1, true},
        {"A10 -= 2", CNameEdit::Number, "A10", -2, true},
        {"A10+=12", CNameEdit::Number, "A10", 12, true},
        {"A+=\x82\x51", CNameEdit::Number, "A", 2, true}, // full-width "2"
        {"A+=x", CNameEdit::Number, "A+=x", 0, true},     // no number: a plain name
        {"A+=2147483647", CNameEdit::Number, "A", 2147483647, true},
        {"A+=2147483648", CNameEdit::Number, "A", 0, false},
        {"A-=2147483648", CNameEdit::Number, "A", -2147483647 - 1, true},
        {"A-=99999999999999999999999", CNameEdit::Number, "A", 0, false},
        {"CLK", CNameEdit::Number, "CLK", 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        const CNameEdit edit = CNameEdit::Parse(c.field, true);
        EXPECT_EQ(edit.kind, c.kind);
        EXPECT_EQ(edit.valid, c.valid);
        if (c.kind == CNameEdit::Number) {
            EXPECT_EQ(edit.name, c.name);
            EXPECT_EQ(edit.step, c.step);
        }
    }
    const CNameEdit replace = CNameEdit::Parse("IN:=OUT", true);
    EXPECT_EQ(replace.kind, CNameEdit::Replace);
    EXPECT_EQ(replace.from, "IN");
    EXPECT_EQ(replace.to, "OUT");
    // One item's own field is taken as it stands.
    const CNameEdit own = CNameEdit::Parse("R1++", false);
    EXPECT_EQ(own.name, "R1++");
    EXPECT_EQ(own.step, 0);

    EXPECT_TRUE(CNameEdit::EndsInDigits("R1"));
    EXPECT_TRUE(CNameEdit::EndsInDigits("\x82\x60\x82\x50")); // "Ａ１"
    EXPECT_FALSE(CNameEdit::EndsInDigits("R1~"));
    EXPECT_FALSE(CNameEdit::EndsInDigits("\x82\x4F"
                                         "A"));
    EXPECT_FALSE(CNameEdit::EndsInDigits(""));
}

TEST_F(BatchEditTest, TextsNumberInReadingOrderAndKeepMixedFields)
{
    CSheet sheet;
    // Listed bottom first; numbering goes top to bottom.
    sheet.NewText("x", CPoint(0, 0), 50, 0);
    sheet.NewText("y", CPoint(0, 200), 70, 0);
    sheet.NewText("z", CPoint(0, 100), 70, 0);
    CTextEditForm seen;
    EXPECT_EQ(sheet.EditText(Typing(&CTextEditForm::text, "R1++", &seen)), 1);
    EXPECT_TRUE(seen.multiple);
    EXPECT_EQ(seen.text, kMixedValue);
    EXPECT_FALSE(seen.size.has_value());                // 50 and 70
    EXPECT_EQ(seen.anchor, std::optional<uint32_t>(8)); // all bottom-left
    EXPECT_EQ(Names(sheet.Texts(), &CText::GetName), (std::vector<CString>{"R1", "R2", "R3"}));
    EXPECT_EQ(sheet.GetLastText()->GetSize(), 50); // size left at "mixed"
    EXPECT_EQ(sheet.GetLastText()->GetPoint(), CPoint(0, 0));

    EXPECT_EQ(sheet.EditText(Typing(&CTextEditForm::text, "A10 -= 2")), 1);
    EXPECT_EQ(Names(sheet.Texts(), &CText::GetName), (std::vector<CString>{"A10", "A8", "A6"}));
    sheet.GetHeadText()->SetName("IN1");
    sheet.GetLastText()->SetName("xIN");
    EXPECT_EQ(sheet.EditText(Typing(&CTextEditForm::text, "IN:=OUT")), 1);
    EXPECT_EQ(Names(sheet.Texts(), &CText::GetName), (std::vector<CString>{"OUT1", "A8", "xOUT"}));

    // "***" left alone: the strings stay, another field changes.
    EXPECT_EQ(sheet.EditText([](CTextEditForm& form) {
        form.size = 90;
        return true;
    }),
              1);
    EXPECT_EQ(Names(sheet.Texts(), &CText::GetName), (std::vector<CString>{"OUT1", "A8", "xOUT"}));
    EXPECT_EQ(sheet.GetLastText()->GetSize(), 90);

    // Cancel changes nothing; a step out of range is refused with a message.
    EXPECT_EQ(sheet.EditText([](CTextEditForm& form) {
        form.text = "Q1++";
        return false;
    }),
              0);
    EXPECT_EQ(sheet.EditText(Typing(&CTextEditForm::text, "Q1 += 9999999999")), 0);
    EXPECT_EQ(Names(sheet.Texts(), &CText::GetName), (std::vector<CString>{"OUT1", "A8", "xOUT"}));
    ASSERT_EQ(host->messages.size(), 1u);
    EXPECT_EQ(host->messages[0].text, LoadMessage(2009));
}

TEST_F(BatchEditTest, OneItemUsesItsOwnDialogValues)
{
    CSheet sheet;
    sheet.NewText("***", CPoint(0, 0), 70, CText::kDefaultAttr | (2u << CText::kFrameShift));
    EXPECT_EQ(sheet.EditText([](CTextEditForm& form) {
        EXPECT_FALSE(form.multiple);
        EXPECT_EQ(form.text, "***"); // its own text, not a template
        EXPECT_EQ(form.frame, std::optional<int>(2));
        form.text = "R1++"; // taken as it stands
        form.display = false;
        return true;
    }),
              1);
    EXPECT_EQ(sheet.GetHeadText()->GetName(), "R1++");
    EXPECT_EQ(sheet.GetHeadText()->GetAngle() & CText::kHidden, CText::kHidden);

    CSheet parts;
    parts.NewPart(RefPart("U1"))->SetPackageMax(4);
    parts.GetHeadPart()->SetPackage(1);
    EXPECT_EQ(parts.EditPart([](CPartEditForm& form) {
        EXPECT_FALSE(form.multiple);
        EXPECT_EQ(form.packageMax, std::optional<int>(4));
        form.reference = "U1B";
        form.package = 2;
        return true;
    }),
              1);
    EXPECT_EQ(parts.GetHeadPart()->GetRefName(), "U1B");
    EXPECT_EQ(parts.GetHeadPart()->GetPackage(), 2);

    // The part dialog's checks refuse input with their message.
    EXPECT_EQ(parts.EditPart([](CPartEditForm& form) {
        form.package = 5; // above the package count
        return true;
    }),
              0);
    EXPECT_EQ(host->messages.back().text, LoadMessage(2005));
    EXPECT_EQ(parts.GetHeadPart()->GetPackage(), 2);
}

TEST_F(BatchEditTest, PartReferencesNumberAndBadResultsChangeNothing)
{
    CSheet sheet;
    for (const char* ref : {"R?", "R?", "R5"})
        sheet.NewPart(RefPart(ref));
    CPartEditForm seen;
    EXPECT_EQ(sheet.EditPart(Typing(&CPartEditForm::reference, "R1++", &seen)), 1);
    EXPECT_EQ(seen.reference, kMixedValue);
    EXPECT_EQ(seen.partName, "RES"); // common to all
    EXPECT_FALSE(seen.package.has_value());
    EXPECT_EQ(Names(sheet.Parts(), &CPart::GetRefName), (std::vector<CString>{"R1", "R2", "R3"}));
    EXPECT_EQ(sheet.GetLastPart()->GetPartName(), "RES");

    // A step past the largest reference number changes no part.
    EXPECT_EQ(sheet.EditPart(Typing(&CPartEditForm::reference, "R2147483646++")), 0);
    EXPECT_EQ(Names(sheet.Parts(), &CPart::GetRefName), (std::vector<CString>{"R1", "R2", "R3"}));
    EXPECT_EQ(host->messages.back().text, LoadMessage(2009));
    // A result the part dialog refuses changes no part either.
    EXPECT_EQ(sheet.EditPart(Typing(&CPartEditForm::reference, "R:=?")), 0); // "?1" ...
    EXPECT_EQ(host->messages.back().text, LoadMessage(2003));
    EXPECT_EQ(Names(sheet.Parts(), &CPart::GetRefName), (std::vector<CString>{"R1", "R2", "R3"}));
}

TEST_F(BatchEditTest, OnlyFieldsTheUserChangedAreWritten)
{
    // Equal texts show in the template as they are; editing only the size
    // leaves them, however much they look like name syntax.
    for (const char* same : {"C++", "x:=x+1", "N1 += 1", "RST--"}) {
        CSheet sheet;
        sheet.NewText(CText(same, CPoint(0, 0), 70, CText::kDefaultAttr));
        sheet.NewText(CText(same, CPoint(0, 500), 70, CText::kDefaultAttr));
        EXPECT_EQ(sheet.EditText([](CTextEditForm& form) {
            form.size = 100;
            return true;
        }),
                  1);
        EXPECT_EQ(Names(sheet.Texts(), &CText::GetName), (std::vector<CString>{same, same}))
            << same;
        EXPECT_EQ(sheet.Texts().GetHead()->GetSize(), 100);
        // Typed anew, the syntax applies.
        EXPECT_EQ(sheet.EditText(Typing(&CTextEditForm::text, "T1++")), 1);
        EXPECT_EQ(Names(sheet.Texts(), &CText::GetName), (std::vector<CString>{"T1", "T2"}));
    }
    CSheet wires;
    for (int y : {0, 300})
        wires.NewWire(CPoint(0, y), CPoint(500, y))
            ->GetNameText()
            .SetName("RST--", CPoint(10, y), 70, 8);
    EXPECT_EQ(wires.EditLine(kind::kHWire,
                             [](CLineEditForm& form) {
                                 form.frame = 2;
                                 return true;
                             }),
              1);
    EXPECT_EQ(Names(wires.Wires(), &CLine::GetName), (std::vector<CString>{"RST--", "RST--"}));

    // Numbered parts: each reference takes its own part's REFFORM.
    CSheet parts;
    CPart plain = RefPart("R?"), padded = RefPart("R?");
    CText form;
    form.SetProperty("REFFORM", "%03d");
    padded.NewText(form);
    parts.NewPart(plain);
    parts.NewPart(padded);
    parts.NewPart(plain);
    EXPECT_EQ(parts.EditPart(Typing(&CPartEditForm::reference, "R7++")), 1);
    EXPECT_EQ(Names(parts.Parts(), &CPart::GetRefName), (std::vector<CString>{"R7", "R008", "R9"}));
}

TEST_F(BatchEditTest, LinesAndPinsNumberInTheirSortedOrder)
{
    CSheet wires;
    // Horizontal wires: the upper one first.
    CLine* low = wires.NewWire(CPoint(0, 0), CPoint(500, 0));
    low->GetNameText().SetName("A", CPoint(10, 10), 70, CText::kDefaultAttr | CText::kHidden);
    wires.NewWire(CPoint(0, 300), CPoint(500, 300))
        ->GetNameText()
        .SetName("B", CPoint(10, 310), 70, 8);
    EXPECT_EQ(wires.EditLine(kind::kHWire,
                             [](CLineEditForm& form) {
                                 EXPECT_FALSE(form.nameDisp.has_value());
                                 EXPECT_EQ(form.frame, std::optional<int>(0));
                                 form.name = "D0++";
                                 form.frame = 3;
                                 return true;
                             }),
              1);
    EXPECT_EQ(Names(wires.Wires(), &CLine::GetName), (std::vector<CString>{"D0", "D1"}));
    EXPECT_EQ(wires.GetHeadWire()->GetNameText().GetFrame(), 3);
    // The display switches were left mixed: each name keeps its own.
    EXPECT_EQ(wires.GetHeadWire()->GetNameText().GetAngle() & CText::kHidden, 0u);
    EXPECT_EQ(wires.Wires().GetTail()->GetNameText().GetAngle() & CText::kHidden, CText::kHidden);
    EXPECT_EQ(wires.EditLine(kind::kArc, Typing(&CLineEditForm::name, "X")), 0);

    CSheet pins;
    pins.NewPin(CPoint(0, 200), CPoint(-300, 200), CPin::Input);
    pins.NewPin(CPoint(0, 100), CPoint(-300, 100), CPin::Output);
    pins.NewPin(CPoint(0, 0), CPoint(-300, 0), CPin::Output);
    EXPECT_EQ(pins.EditPin(kind::kPin,
                           [](CPinEditForm& form) {
                               EXPECT_FALSE(form.typeListIndex.has_value());
                               form.number = "1++";
                               form.name = "IO";
                               return true;
                           }),
              1);
    // Left pins list by ascending y.
    EXPECT_EQ(Names(pins.Pins(), &CPin::GetNo), (std::vector<CString>{"1", "2", "3"}));
    EXPECT_EQ(pins.GetHeadPin()->GetPoint(), CPoint(-300, 0));
    EXPECT_EQ(pins.GetHeadPin()->GetName(), "IO");
    EXPECT_EQ(pins.GetHeadPin()->GetEleType(), CPin::Output);
    EXPECT_EQ(pins.Pins().GetTail()->GetEleType(), CPin::Input);
}

TEST_F(BatchEditTest, NextItemEndsAfterOnePass)
{
    // Texts: the one below; after the last, the first that differs.
    CSheet texts;
    texts.NewText("B", CPoint(0, 100), 70, 0);
    texts.NewText("A", CPoint(0, 200), 70, 0);
    CSheet sel;
    sel.NewText("A", CPoint(0, 200), 70, 0);
    CItemRef next = texts.GetNextItem(sel);
    ASSERT_EQ(next.kind, CItemRef::Text);
    EXPECT_EQ(static_cast<const CText*>(next.item)->GetName(), "B");
    sel.DeleteContents();
    sel.NewText("B", CPoint(0, 100), 70, 0);
    next = texts.GetNextItem(sel);
    ASSERT_EQ(next.kind, CItemRef::Text);
    EXPECT_EQ(static_cast<const CText*>(next.item)->GetName(), "A");
    settings->WriteInt("CopyIncrement", "TextRing", 0);
    EXPECT_EQ(texts.GetNextItem(sel).kind, CItemRef::None);

    // Pins: with PinReEdit off every named and numbered pin is passed over;
    // when all are, the search stops after one round.
    CSheet pins;
    for (int y : {0, 100, 200}) {
        CPin* pin = pins.NewPin(CPoint(0, y), CPoint(-300, y), 0);
        pin->SetName("P");
        pin->SetNo("1");
    }
    CSheet pinSel;
    pinSel.NewPin(*pins.Pins().GetTail());
    settings->WriteInt("CopyIncrement", "PinReEdit", 0);
    EXPECT_EQ(pins.GetNextItem(pinSel).kind, CItemRef::None);
    pins.GetHeadPin()->SetNo(""); // the pin at y = 0 wants a number
    next = pins.GetNextItem(pinSel);
    ASSERT_EQ(next.kind, CItemRef::Pin);
    EXPECT_EQ(static_cast<const CPin*>(next.item)->GetPoint(), CPoint(-300, 0));
    settings->WriteInt("CopyIncrement", "PinRing", 0);
    EXPECT_EQ(pins.GetNextItem(pinSel).kind, CItemRef::None);

    // Lines: the parallel lines under the name, in SortLine order.
    CSheet lines;
    CLine* top = lines.NewWire(CPoint(0, 300), CPoint(500, 300));
    top->GetNameText().SetName("D0", CPoint(100, 310), 70, 8);
    lines.NewWire(CPoint(0, 200), CPoint(500, 200));
    lines.NewWire(CPoint(200, 100), CPoint(500, 100)); // does not reach x = 100
    lines.NewWire(CPoint(0, 0), CPoint(500, 0));
    CSheet lineSel;
    lineSel.NewLine(*top);
    next = lines.GetNextItem(lineSel);
    ASSERT_EQ(next.kind, CItemRef::Line);
    const CLine* second = static_cast<const CLine*>(next.item);
    EXPECT_EQ(second->GetStartPoint(), CPoint(0, 200));
    EXPECT_TRUE(lines.CheckItem(next)); // a line of this sheet, not a copy
    // An unnamed line takes no part.
    lineSel.DeleteContents();
    lineSel.NewLine(*second);
    EXPECT_EQ(lines.GetNextItem(lineSel).kind, CItemRef::None);
}
