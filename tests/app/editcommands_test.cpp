// The item commands of the editing engine driven by scripts: Modify (one
// item and several at once), and the answers scripts give its dialogs.
#include <gtest/gtest.h>

#include "app/edit/nethighlight.h"
#include "apptestenv.h"
#include "base/profile.h"
#include "editfixture.h"

namespace {

int Undos(CVIREODoc& doc)
{
    return CEditEngine::UndoSteps(doc.History());
}

std::vector<std::string> WireNamesTopDown(const CSheet& s)
{
    std::vector<std::pair<int, std::string>> byY;
    for (const CLine& w : s.Wires())
        byY.emplace_back(-w.GetStartPoint().y, w.GetName().str());
    std::sort(byY.begin(), byY.end());
    std::vector<std::string> names;
    for (const auto& [y, name] : byY)
        names.push_back(name);
    return names;
}

// A part with its origin at org, its reference 250 above it.
CPart Resistor(const CPoint& org, const char* ref)
{
    CPart part(org, org + CPoint(-100, -100), org + CPoint(300, 200), 0, 0, 0, 0);
    part.SetRefName(ref, org + CPoint(0, 250), CText::kDefaultAttr);
    part.NewPin(org, org + CPoint(-200, 0), 0);
    part.NewLine(org, org + CPoint(200, 100), 1);
    part.CalcBoundRect(1);
    return part;
}

const CPart* PartAt(const CSheet& s, const CPoint& org)
{
    for (const CPart& p : s.Parts())
        if (p.GetOrg() == org)
            return &p;
    return nullptr;
}

} // namespace

TEST(EditModify, SeveralWiresAreNumberedTopDownAndKeptFieldsStay)
{
    CAppTestEnv env;
    CEditFixture f;
    for (int y : {1000, 3000, 2000})
        f.Main().NewWire(CPoint(1000, y), CPoint(3000, y));
    // Three horizontal wires taken one by one; "N1++" numbers them from the
    // top (larger y first), whatever order they were picked in.
    f.Run("click 2000 1000 ctrl\nclick 2000 3000 ctrl\nclick 2000 2000 ctrl\n"
          "answer modify name=N1++\nkey E\n");
    EXPECT_EQ(WireNamesTopDown(f.Sel()), (std::vector<std::string>{"N1", "N2", "N3"}));
    EXPECT_EQ(Undos(f.doc), 1);
    // "***" leaves every name as it is; ":=" replaces in each name.
    f.Run("answer modify name=***\ncommand modify\n");
    EXPECT_EQ(WireNamesTopDown(f.Sel()), (std::vector<std::string>{"N1", "N2", "N3"}));
    f.Run("answer modify name=N:=NET\ncommand modify\n");
    EXPECT_EQ(WireNamesTopDown(f.Sel()), (std::vector<std::string>{"NET1", "NET2", "NET3"}));
    // A step down by 2 from A10.
    f.Run("answer modify \"name=A10 -= 2\"\ncommand modify\n");
    EXPECT_EQ(WireNamesTopDown(f.Sel()), (std::vector<std::string>{"A10", "A8", "A6"}));
    EXPECT_EQ(Undos(f.doc), 3); // "***" changed nothing and made no step
    f.Run("key Escape\n");
    EXPECT_EQ(WireNamesTopDown(f.Main()), (std::vector<std::string>{"A10", "A8", "A6"}));
    f.Run("command undo\ncommand undo\ncommand undo\n");
    EXPECT_EQ(WireNamesTopDown(f.Main()), (std::vector<std::string>{"", "", ""}));
}

TEST(EditModify, OneItemItsOwnDialogCancelAndFieldsItLacks)
{
    CAppTestEnv env;
    CEditFixture f;
    f.Main().NewText("IN", CPoint(2000, 2000), 100, 0);
    f.Main().NewPin(CPoint(5000, 2000), CPoint(4800, 2000), 0);
    f.Run("click 2000 2000 ctrl\nanswer modify text=OUT size=150\nkey E\n");
    ASSERT_EQ(f.Sel().GetCount(kind::kText), 1);
    EXPECT_EQ(f.Sel().Texts().GetHead()->GetName(), "OUT");
    EXPECT_EQ(f.Sel().Texts().GetHead()->GetSize(), 150);
    EXPECT_EQ(Undos(f.doc), 1);
    // Cancel, a missing answer and a field the pin dialog has not: nothing
    // changes and no step is recorded.
    f.Run("key Escape\nclick 5000 2000 ctrl\nanswer cancel\nkey E\nkey E\n"
          "answer modify text=X\nkey E\n");
    EXPECT_EQ(Undos(f.doc), 1);
    ASSERT_EQ(f.Sel().GetCount(kind::kPin), 1);
    f.Run("answer modify number=7 name=CLK clock=on length=300\ncommand modify\n");
    const CPin& pin = *f.Sel().Pins().GetHead();
    EXPECT_EQ(pin.GetNoText().GetName(), "7");
    EXPECT_EQ(pin.GetNameText().GetName(), "CLK");
    EXPECT_TRUE(pin.GetElect() & CPin::kClock);
    EXPECT_EQ(pin.GetLen(), 300);
    EXPECT_EQ(Undos(f.doc), 2);
    // Modify needs one kind: a text and a pin together are not edited.
    f.Run("click 2000 2000 ctrl\n");
    EXPECT_FALSE(f.engine->IsCommandEnabled(editcmd::kModify));
}

TEST(EditModify, ScriptAnswersNameKnownFieldsOnly)
{
    std::vector<CScriptEvent> events;
    int line = 0;
    std::string error;
    EXPECT_FALSE(ParseEditScript("answer modify colour=red\n", events, line, error));
    EXPECT_NE(error.find("colour"), std::string::npos);
    EXPECT_FALSE(ParseEditScript("answer modify name\n", events, line, error));
    EXPECT_TRUE(ParseEditScript("answer modify reference=U1 valuedisp=off\n", events, line, error));
}

TEST(EditMoveAttribute, OnlyTheTextsMoveByTheSnappedDifferenceInOneStep)
{
    CAppTestEnv env;
    CEditFixture f;
    f.Main().NewPart(Resistor(CPoint(2000, 2000), "R1"));
    f.Main().NewWire(CPoint(4000, 2000), CPoint(6000, 2000));
    const auto before = CEditFixture::Items(f.Main());
    // Base, then the destination: 2230 snaps to 2200, 2260 to 2300.
    f.Run("click 2100 2050 ctrl\ncommand moveattribute\nclick 2000 2000\nclick 2230 2260\n");
    ASSERT_EQ(f.Main().GetCount(kind::kPart), 1);
    const CPart& part = *f.Main().Parts().GetHead();
    EXPECT_EQ(part.GetOrg(), CPoint(2000, 2000));
    EXPECT_EQ(part.GetRefNameText().GetPoint(), CPoint(2200, 2550));
    EXPECT_FALSE(part.GetRefNameText().IsTextSel()); // the marks are not stored
    EXPECT_EQ(f.Sel().GetItemCount(), 0u);
    EXPECT_EQ(f.engine->State(), editcmd::kWire);
    EXPECT_EQ(Undos(f.doc), 1);
    f.Run("command undo\n");
    EXPECT_EQ(CEditFixture::Items(f.Main()), before);

    // "AttrMove" 2: no snapping; Cancel half way puts everything back.
    Profile().WriteInt("Sheet", "AttrMove", 2);
    f.Run("click 2100 2050 ctrl\ncommand moveattribute\nclick 2000 2000\nclick 2033 2017\n");
    EXPECT_EQ(f.Main().Parts().GetHead()->GetRefNameText().GetPoint(), CPoint(2033, 2267));
    f.Run("click 2100 2050 ctrl\ncommand moveattribute\nclick 2000 2000\nkey Escape\n");
    EXPECT_EQ(f.Main().Parts().GetHead()->GetRefNameText().GetPoint(), CPoint(2033, 2267));
    EXPECT_EQ(Undos(f.doc), 1);
    // R turns the texts only, at once one step (as for a resting selection).
    f.Run("click 2100 2050 ctrl\ncommand moveattribute\nkey R\nkey Escape\n");
    EXPECT_EQ(f.Main().Parts().GetHead()->GetOrg(), CPoint(2000, 2000));
    EXPECT_NE(f.Main().Parts().GetHead()->GetRefNameText().GetPoint(), CPoint(2033, 2267));
    EXPECT_EQ(Undos(f.doc), 2);
    // Erase works in the mode too.
    f.Run("click 2100 2050 ctrl\ncommand moveattribute\ncommand erase\n");
    EXPECT_EQ(f.Main().GetCount(kind::kPart), 0);
    EXPECT_EQ(f.engine->State(), editcmd::kWire);
    f.Run("command undo\n");
    EXPECT_EQ(f.Main().GetCount(kind::kPart), 1);
    // A wire's name slides along the wire only.
    f.Run("answer modify name=D0\nclick 5000 2000 ctrl\nkey E\n");
    const CPoint name = f.Sel().Wires().GetHead()->GetNameText().GetPoint();
    f.Run("command moveattribute\nclick 5000 2000\nclick 5500 2400\n");
    EXPECT_EQ(f.Main().Wires().GetHead()->GetNameText().GetPoint(), name + CPoint(500, 0));
}

TEST(EditNumbering, CtrlClickTakesTheBaseClicksNumberAndPlusMinusStep)
{
    CAppTestEnv env;
    CEditFixture f;
    f.Main().NewPart(Resistor(CPoint(2000, 2000), "R7"));
    for (int x : {4000, 6000, 8000})
        f.Main().NewPart(Resistor(CPoint(x, 2000), "R?"));
    f.Run("command numberingreference\n");
    EXPECT_TRUE(f.engine->IsCommandChecked(editcmd::kNumbering));
    // Without a base a click does nothing.
    f.Run("click 4100 2050\n");
    EXPECT_EQ(PartAt(f.Main(), CPoint(4000, 2000))->GetRefName(), "R?");
    f.Run("click 2100 2050 ctrl\nkey +\nclick 4100 2050\nclick 6100 2050\n");
    EXPECT_EQ(PartAt(f.Main(), CPoint(4000, 2000))->GetRefName(), "R8");
    EXPECT_EQ(PartAt(f.Main(), CPoint(6000, 2000))->GetRefName(), "R9");
    EXPECT_NE(f.engine->StatusText(1).find("基準部品 R10"), std::string::npos);
    // "-" steps back, not below 0; a middle click takes the base too.
    for (int i = 0; i < 12; ++i)
        f.Run("key -\n");
    f.Run("click 8100 2050\n");
    EXPECT_EQ(PartAt(f.Main(), CPoint(8000, 2000))->GetRefName(), "R0");
    f.Run("click 2100 2050 middle\nclick 8100 2050\n");
    EXPECT_EQ(PartAt(f.Main(), CPoint(8000, 2000))->GetRefName(), "R7");
    EXPECT_EQ(Undos(f.doc), 4);
    // The command again leaves the mode.
    f.Run("command numberingreference\n");
    EXPECT_EQ(f.engine->State(), editcmd::kWire);
    f.Run("command undo\ncommand undo\ncommand undo\ncommand undo\n");
    EXPECT_EQ(PartAt(f.Main(), CPoint(8000, 2000))->GetRefName(), "R?");
}

namespace {

int Highlighted(const CSheet& s)
{
    int n = 0;
    for (const CLine& w : s.Wires())
        n += (w.GetType() & CLine::kHighlight) != 0;
    return n;
}

// A record of what the front end was asked to show on the other sheets.
class ProjectHost : public CScriptEditHost {
public:
    using CScriptEditHost::CScriptEditHost;
    void HighlightProjectNets(const std::vector<CString>& names) override
    {
        calls.push_back(names);
    }
    std::vector<std::vector<CString>> calls;
};

} // namespace

TEST(EditHighlight, F9ShowsTheNetAClickClearsItAndF9AgainTakesIt)
{
    CAppTestEnv env;
    CEditFixture f;
    f.Main().NewWire(CPoint(1000, 1000), CPoint(3000, 1000));
    f.Main().NewWire(CPoint(3000, 1000), CPoint(3000, 3000));
    f.Main().NewWire(CPoint(2000, 1000), CPoint(2000, 500)); // a branch with its dot
    f.Main().NewJunc(CPoint(2000, 1000));
    f.Main().NewWire(CPoint(6000, 5000), CPoint(7000, 5000)); // another net
    f.Main().NewPart(Resistor(CPoint(3200, 3000), "R1"));     // its pin tip on the net
    f.Main().NewPart(Resistor(CPoint(7200, 4000), "R2"));
    const auto before = CEditFixture::Items(f.Main());

    f.Run("move 2000 700\nkey F9\n");
    EXPECT_TRUE(f.Main().IsHighLight());
    EXPECT_EQ(Highlighted(f.Main()), 3);
    EXPECT_TRUE(PartAt(f.Main(), CPoint(3200, 3000))->Pins().GetHead()->IsHighlight());
    EXPECT_FALSE(PartAt(f.Main(), CPoint(7200, 4000))->Pins().GetHead()->IsHighlight());
    // A click only clears: no wire is drawn.
    f.Run("click 6500 6000\n");
    EXPECT_FALSE(f.Main().IsHighLight());
    EXPECT_EQ(Highlighted(f.Main()), 0);
    EXPECT_FALSE(f.engine->InputInProgress());
    EXPECT_EQ(CEditFixture::Items(f.Main()), before);

    // F9 on a highlighted wire: the net (wires and dot) becomes the selection
    // without its marks, ready to move.
    f.Run("move 2000 700\nkey F9\nmove 1500 1000\nkey F9\n");
    EXPECT_EQ(f.Sel().GetCount(kind::kWire), 3);
    EXPECT_EQ(f.Sel().GetCount(kind::kJunc), 1);
    EXPECT_EQ(Highlighted(f.Sel()), 0);
    EXPECT_FALSE(PartAt(f.Main(), CPoint(3200, 3000))->Pins().GetHead()->IsHighlight());
    EXPECT_EQ(f.engine->State(), editstate::kMovePending);
    f.Run("click 2000 2000\nclick 2000 2100\n");
    EXPECT_EQ(f.Main().Wires().GetCount(), 4);
    EXPECT_EQ(Undos(f.doc), 1);
    // With the wire switch off, or nothing under the cursor, F9 does nothing.
    f.engine->SetChainSwitch(0, false);
    f.Run("move 6500 5000\nkey F9\n");
    EXPECT_FALSE(f.Main().IsHighLight());
    f.engine->SetChainSwitch(0, true);
    f.Run("move 9000 7000\nkey F9\n");
    EXPECT_FALSE(f.Main().IsHighLight());
}

TEST(EditHighlight, ShiftF9HandsTheNetNamesToTheOtherSheets)
{
    CAppTestEnv env;
    CVIREODoc doc;
    doc.Header() = CSchematicFile::NewDocumentHeader(2);
    CScriptAnswers answers;
    ProjectHost host(answers);
    CEditEngine engine(doc, host);
    CLine* named = doc.MainSheet().NewWire(CPoint(1000, 1000), CPoint(3000, 1000));
    named->SetName("clk", CPoint(1500, 1100), CText::kDefaultAttr);
    engine.Move(CPoint(2000, 1000), 0);
    engine.Key(editkey::kF9, editflag::kShift);
    ASSERT_EQ(host.calls.size(), 1u);
    EXPECT_EQ(host.calls[0], (std::vector<CString>{"CLK"}));
    // The clearing click clears them there too.
    engine.Click(CPoint(5000, 5000), editflag::kLeft);
    ASSERT_EQ(host.calls.size(), 2u);
    EXPECT_TRUE(host.calls[1].empty());
    // Another sheet shows the named net by its name alone.
    CVIREODoc other;
    other.MainSheet().NewWire(CPoint(0, 0), CPoint(500, 0))->SetName("CLK", CPoint(0, 100), 0);
    other.MainSheet()
        .NewWire(CPoint(0, 900), CPoint(500, 900))
        ->SetName("DATA", CPoint(0, 1000), 0);
    std::vector<CString> names{"CLK"};
    EXPECT_FALSE(CNetHighlight::ByNames(other, names).IsRectNull());
    EXPECT_EQ(Highlighted(other.MainSheet()), 1);
}

namespace {

// A library of three packages: a two-gate 7400 (U?A, U?B), a resistor
// (R?) and a ground symbol without a reference.
bool TestLibrary(const CString& name, CSheet& gates)
{
    if (name == "7400") {
        for (int gate : {1, 2}) {
            CPart part = Resistor(CPoint(0, 0), gate == 1 ? "U?A" : "U?B");
            part.SetPartName("7400");
            part.SetPackage(gate);
            part.SetPackageMax(2);
            if (gate == 2)
                part.NewLine(CPoint(0, 0), CPoint(0, 100), 1); // tell the gates apart
            part.CalcBoundRect(1);
            gates.NewPart(part);
        }
        return true;
    }
    if (name == "RES" || name == "GND") {
        CPart part = Resistor(CPoint(0, 0), name == "RES" ? "R?" : "");
        part.SetPartName(name);
        gates.NewPart(part);
        return true;
    }
    return false;
}

std::vector<std::string> References(const CSheet& s)
{
    std::vector<std::string> refs;
    for (const CPart& p : s.Parts())
        refs.push_back(p.GetRefName().str());
    std::sort(refs.begin(), refs.end());
    return refs;
}

} // namespace

TEST(EditGates, CopiesStepThroughTheGatesAndNumbersNAndBChangeTheGate)
{
    CAppTestEnv env;
    CEditFixture f;
    f.engine->SetPartSource(TestLibrary);
    // Placing: N and B change the gate at the cursor; every placed copy
    // hands on the next gate, numbered on after the last one.
    f.Run("command part\nanswer part 7400 U1A\nclick 2000 2000\nkey N\n");
    ASSERT_EQ(f.Sel().GetCount(kind::kPart), 1);
    EXPECT_EQ(f.Sel().Parts().GetHead()->GetPackage(), 2);
    EXPECT_EQ(f.Sel().Parts().GetHead()->GetRefName(), "U1B");
    EXPECT_EQ(f.Sel().Parts().GetHead()->GetOrg(), CPoint(2000, 2000));
    f.Run("key B\nclick 2000 2000\nclick 4000 2000\nclick 6000 2000\n");
    EXPECT_EQ(References(f.Main()), (std::vector<std::string>{"U1A", "U1B", "U2A"}));
    EXPECT_EQ(f.Sel().Parts().GetHead()->GetRefName(), "U2B");
    // The menu offers the gates and Invert while placing.
    f.Run("answer menu invert\nclick 6000 2000 right\n");
    EXPECT_TRUE(f.Sel().Parts().GetHead()->GetAttr() & CPart::kInverted);
    f.Run("key Escape\n");
    EXPECT_EQ(Undos(f.doc), 3);

    // One selected gate: N is one undo step; I switches the inverted form.
    f.Run("click 2100 2050 ctrl\nkey N\n");
    EXPECT_EQ(f.Sel().Parts().GetHead()->GetRefName(), "U1B");
    f.Run("key I\n");
    EXPECT_TRUE(f.Sel().Parts().GetHead()->GetAttr() & CPart::kInverted);
    f.Run("key Escape\n");
    EXPECT_EQ(References(f.Main()), (std::vector<std::string>{"U1B", "U1B", "U2A"}));
    EXPECT_EQ(Undos(f.doc), 5);
    f.Run("command undo\ncommand undo\n");
    EXPECT_EQ(References(f.Main()), (std::vector<std::string>{"U1A", "U1B", "U2A"}));
}

TEST(EditGates, CopiesOfAPartNumberThemselvesAndCtrlGPlacesGround)
{
    CAppTestEnv env;
    CEditFixture f;
    f.engine->SetPartSource(TestLibrary);
    f.Run("command part\nanswer part RES R1\nclick 2000 2000\nclick 2000 2000\n"
          "click 3000 2000\nclick 4000 2000\nkey Escape\n");
    EXPECT_EQ(References(f.Main()), (std::vector<std::string>{"R1", "R2", "R3"}));
    // Numbering Reference renumbers them from R10 in the order clicked.
    f.Run("command numberingreference\nclick 2100 2050 ctrl\n");
    for (int i = 0; i < 9; ++i)
        f.Run("key +\n");
    f.Run("click 4100 2050\nclick 3100 2050\nclick 2100 2050\ncommand numberingreference\n");
    EXPECT_EQ(PartAt(f.Main(), CPoint(4000, 2000))->GetRefName(), "R10");
    EXPECT_EQ(PartAt(f.Main(), CPoint(2000, 2000))->GetRefName(), "R12");

    // Ctrl+G: the "Part GND" part at the cursor in the Part tool; Shift+G
    // with no "Part VCC" set does nothing.
    Profile().WriteString("Default", "Part GND", "GND");
    f.Run("command wire\nmove 6000 6000\nkey G shift\n");
    EXPECT_EQ(f.Sel().GetItemCount(), 0u);
    f.Run("key G ctrl\n");
    EXPECT_EQ(f.engine->State(), editcmd::kPart);
    ASSERT_EQ(f.Sel().GetCount(kind::kPart), 1);
    EXPECT_EQ(f.Sel().Parts().GetHead()->GetPartName(), "GND");
    f.Run("click 6000 6000\nkey Escape\n");
    EXPECT_EQ(f.Main().GetCount(kind::kPart), 4);
}
