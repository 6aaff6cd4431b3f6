// The editing engine driven by scripts, as vireo-cli edit and the editor's
// replay drive it: the tools, the selection and its edits, undo.
#include <gtest/gtest.h>

#include "apptestenv.h"
#include "base/profile.h"
#include "editfixture.h"
#include "items/geometry.h"

namespace {

int Undos(CVIREODoc& doc)
{
    return CEditEngine::UndoSteps(doc.History());
}

CPart TestPart(const CPoint& org)
{
    CPart part(org, org + CPoint(-100, -100), org + CPoint(300, 200), 0, 0, 0, 0);
    part.SetRefName("U1", org + CPoint(0, 250), CText::kDefaultAttr);
    part.NewPin(org, org + CPoint(-200, 0), 0);
    part.NewPin(org + CPoint(200, 0), org + CPoint(400, 0), 0);
    part.NewLine(org, org + CPoint(200, 100), 1);
    part.CalcBoundRect(1);
    return part;
}

} // namespace

TEST(EditWire, RunsCommitSegmentsWithJunctionsAndBackspaceTakesThemBack)
{
    CAppTestEnv env;
    CEditFixture f;
    f.Run("command wire\n"
          "click 1000 1000\n"
          "click 1000 1000\n" // the segment start again: nothing
          "click 3000 1000\n"
          "click 3040 2960\n" // snapped to 3000 3000
          "key Escape\n"
          "click 2000 1000\n" // a branch from the middle of the first wire
          "click 2000 500\n"
          "key Escape\n");
    EXPECT_EQ(f.Main().GetCount(kind::kWire), 3);
    ASSERT_EQ(f.Main().GetCount(kind::kJunc), 1);
    EXPECT_EQ(f.Main().Juncs().GetHead()->GetPoint(), CPoint(2000, 1000));
    EXPECT_EQ(Undos(f.doc), 3);
    EXPECT_EQ(f.Sel().GetItemCount(), 0u);
    EXPECT_FALSE(f.engine->InputInProgress());

    // Backspace removes the last segment of the run in progress (with its
    // junction) and routing goes on from its start.
    f.Run("click 5000 1000\nclick 5000 2000\nclick 6000 2000\nkey Backspace\n");
    EXPECT_EQ(f.Main().GetCount(kind::kWire), 4);
    EXPECT_TRUE(f.engine->InputInProgress());
    f.Run("click 4000 2000\nkey Escape\n");
    EXPECT_EQ(f.Main().GetCount(kind::kWire), 5);
    EXPECT_EQ(Undos(f.doc), 5);
}

TEST(EditWire, RoutingModesPowerAndPinEnd)
{
    CAppTestEnv env;
    CEditFixture f;
    // L three times comes back; "/" in mode 0 does nothing; "+" 0 -> 1 -> 2.
    f.Run("command wire\nclick 1000 1000\n");
    const int start = f.engine->RoutingMode();
    f.Run("key L\n");
    EXPECT_EQ(f.engine->RoutingMode(), (start + 1) % 3);
    f.Run("key L\nkey L\n");
    EXPECT_EQ(f.engine->RoutingMode(), start);
    f.Run("key /\n");
    EXPECT_EQ(f.engine->RoutingMode(), 0);
    f.Run("key +\n");
    EXPECT_EQ(f.engine->RoutingMode(), 1);
    f.Run("key +\n");
    EXPECT_EQ(f.engine->RoutingMode(), 2);
    f.Run("key +\n");
    EXPECT_EQ(f.engine->RoutingMode(), 1);

    // Right angles: one click commits both legs, the bend gets no dot.
    f.Run("move 3000 2000\nclick 3000 2000\nkey Escape\n");
    ASSERT_EQ(f.Main().GetCount(kind::kWire), 2);
    EXPECT_EQ(f.Main().GetCount(kind::kJunc), 0);
    EXPECT_EQ(Undos(f.doc), 1);

    // P: a power wire with the power width.
    f.Run("key /\nclick 1000 4000\nkey P\nclick 2000 4000\nkey Escape\n");
    const CLine& power = *f.Main().Wires().GetTail();
    EXPECT_TRUE(power.GetType() & CLine::kPower);
    EXPECT_EQ(power.GetLineWidth(), 16);

    // With PinEnd a click on a pin ends the run and keeps the wire.
    Profile().WriteInt("Line", "PinEnd", 1);
    f.Main().NewPart(TestPart(CPoint(6000, 3000)));
    f.Run("click 4000 3000\nclick 5800 3000\n");
    EXPECT_FALSE(f.engine->InputInProgress());
    EXPECT_EQ(f.Sel().GetItemCount(), 0u);
    EXPECT_EQ(f.Main().Wires().GetTail()->GetEndPoint(), CPoint(5800, 3000));
}

TEST(EditLine, TypesArrowsBusesAndCurves)
{
    CAppTestEnv env;
    CEditFixture f;
    f.Run("command line\nclick 1000 1000\nkey S\nkey S\nkey F7\nclick 2000 1000\nkey Escape\n"
          "command bus\nclick 1000 2000\nclick 4000 2000\nkey Escape\n"
          "command curve\nclick 5000 5000\nclick 5500 5000\nmove 5000 5500 shift\nclick 5000 5500 "
          "shift\n"
          "click 8000 5000\nclick 8000 5300\nkey L\nkey L\nclick 7700 5000\n");
    ASSERT_EQ(f.Main().GetCount(kind::kLine), 1);
    const CLine& line = *f.Main().Lines().GetHead();
    EXPECT_EQ(line.GetStyle(), 2);
    EXPECT_EQ(line.GetEndArrow(), CLine::kArrowSize);
    EXPECT_EQ(line.GetStartArrow(), 0);
    ASSERT_EQ(f.Main().GetCount(kind::kBus), 1);
    EXPECT_EQ(f.Main().Buses().GetHead()->GetLineWidth(), 24);
    ASSERT_EQ(f.Main().GetCount(kind::kArc), 2);
    const CArc& circle = *f.Main().Arcs().GetHead();
    EXPECT_TRUE(circle.IsCircle());
    EXPECT_EQ(circle.GetRadial(), 500);
    const CArc& arc = *f.Main().Arcs().GetTail();
    EXPECT_EQ(arc.GetStartAngle(), 90);
    EXPECT_EQ(arc.GetEndAngle(), 180);
    EXPECT_EQ(f.engine->CurveStage(), -1);
    // A right click during a curve discards it.
    f.Run("click 3000 3000\nclick 3300 3000\nclick 3000 3000 right\n");
    EXPECT_EQ(f.Main().GetCount(kind::kArc), 2);
    EXPECT_EQ(f.Sel().GetItemCount(), 0u);
}

TEST(EditPlace, PinsNumberOnAndTextsNeedTheDialog)
{
    CAppTestEnv env;
    CEditFixture f;
    f.Run("command pin\nclick 2000 2000\ncommand undersidepin\nkey C\n"
          "click 2000 3000\nclick 2100 3000\nclick 2200 3000\nkey Escape\n");
    ASSERT_EQ(f.Main().GetCount(kind::kPin), 3);
    std::vector<std::string> numbers;
    for (const CPin& pin : f.Main().Pins()) {
        numbers.push_back(pin.GetNo().str());
        EXPECT_EQ(pin.GetDir(), 0x300u);
        EXPECT_TRUE(pin.GetElect() & CPin::kClock);
    }
    EXPECT_EQ(numbers, (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ(f.Sel().GetItemCount(), 0u);

    // No queued answer: the dialog is cancelled and nothing is placed.
    std::string notes;
    f.answers.note = [&](const std::string& s) { notes += s; };
    f.Run("command text\nclick 1000 1000\n");
    EXPECT_FALSE(f.engine->InputInProgress());
    EXPECT_NE(notes.find("text dialog"), std::string::npos);
    // A text under the click lends its settings to the new one.
    f.Run("answer text \"CLK\"\nclick 1000 1000\nkey Num5\nclick 1000 1000\n"
          "answer text \"DATA\"\nclick 1000 1000\nclick 1000 2000\n");
    ASSERT_EQ(f.Main().GetCount(kind::kText), 2);
    EXPECT_EQ(f.Main().Texts().GetHead()->GetName(), "CLK");
    EXPECT_EQ(f.Main().Texts().GetTail()->GetName(), "DATA");
    EXPECT_EQ(f.Main().Texts().GetTail()->GetPoint(), CPoint(1000, 2000));
}

TEST(EditSelection, MoveCancelUndoAndRedo)
{
    CAppTestEnv env;
    CEditFixture f;
    f.Run("command wire\nclick 1000 1000\nclick 3000 1000\nkey Escape\n"
          "click 1000 3000\nclick 3000 3000\nkey Escape\n");
    const auto before = CEditFixture::Items(f.Main());

    // Cancel during a move puts everything back.
    f.Run("click 2000 1000 ctrl\nclick 2000 3000 ctrl\n");
    EXPECT_EQ(f.Sel().GetItemCount(), 2u);
    EXPECT_EQ(f.engine->State(), editstate::kMovePending);
    f.Run("click 2000 2000\nmove 2500 2500\nmove 2600 2700\nkey Escape\n");
    EXPECT_EQ(CEditFixture::Items(f.Main()), before);
    EXPECT_EQ(f.engine->State(), editcmd::kWire);

    // A move is one undo step; undo and redo.
    f.Run("command reselect\nclick 2000 2000\nclick 2500 2300\n");
    EXPECT_EQ(f.Sel().GetItemCount(), 0u);
    const auto moved = CEditFixture::Items(f.Main());
    EXPECT_EQ(f.Main().Wires().GetHead()->GetStartPoint().y + 0,
              f.Main().Wires().GetHead()->GetEndPoint().y);
    EXPECT_NE(moved, before);
    f.Run("command undo\n");
    EXPECT_EQ(CEditFixture::Items(f.Main()), before);
    f.Run("command redo\n");
    EXPECT_EQ(CEditFixture::Items(f.Main()), moved);
    f.Run("command undo\ncommand undo\ncommand undo\n");
    EXPECT_EQ(f.Main().GetItemCount(), 0u);
}

TEST(EditSelection, CopyEraseSelectBoxChainsAndReselect)
{
    CAppTestEnv env;
    CEditFixture f;
    f.Run("command line\nclick 1000 1000\nclick 2000 1000\nclick 2000 2000\nkey Escape\n"
          "click 5000 5000\nclick 6000 5000\nkey Escape\n");
    ASSERT_EQ(f.Main().GetCount(kind::kLine), 3);
    // Shift+click takes the chain of two lines.
    f.Run("click 1500 1000 shift\n");
    EXPECT_EQ(f.Sel().GetCount(kind::kLine), 2);
    EXPECT_EQ(f.engine->State(), editstate::kMovePending);
    // Copy: two further clicks place two copies, one undo step each.
    f.Run("key Escape\nclick 1500 1000 shift\ncommand copy\nclick 1000 1000\nclick 1000 3000\n"
          "click 1000 5000\nkey Escape\n");
    EXPECT_EQ(f.Main().GetCount(kind::kLine), 7);
    EXPECT_EQ(Undos(f.doc), 3 + 2);
    // A select box drag from a tool selects what lies inside; Delete erases.
    f.Run("press 4900 4900\nmove 5500 5500\nmove 6200 5200\nrelease 6200 5200\n");
    EXPECT_EQ(f.Sel().GetItemCount(), 1u);
    f.Run("key Delete\n");
    EXPECT_EQ(f.Main().GetCount(kind::kLine), 6);
    EXPECT_EQ(f.engine->State(), editcmd::kLine);
    f.Run("command undo\n");
    EXPECT_EQ(f.Main().GetCount(kind::kLine), 7);
    // Select All takes everything; Re-select takes the last selection again.
    f.Run("command selectall\n");
    EXPECT_EQ(f.Main().GetItemCount(), 0u);
    f.Run("key Escape\ncommand reselect\n");
    EXPECT_EQ(f.Sel().GetItemCount(), 7u);
    f.Run("key Escape\n");
    EXPECT_EQ(f.Main().GetCount(kind::kLine), 7);
}

TEST(EditSelection, FlipsAndTurnsAboutThePivotAndRepaintBothAreas)
{
    CAppTestEnv env;
    CEditFixture f;
    // A part turned by 90 degrees: a middle click flips it vertically on
    // screen (MirrorY), as the user sees the axis.
    CPart part = TestPart(CPoint(3000, 3000));
    part.Rotate(CPoint(3000, 3000), 1);
    f.Main().NewPart(part);
    CSheet expected;
    expected.NewPart(part);
    f.Run("click 3000 3000 ctrl\n");
    ASSERT_EQ(f.Sel().GetCount(kind::kPart), 1);
    const CPoint pivot = f.engine->Snap(f.Sel().GetBoundingRect().CenterPoint());
    expected.MirrorY(pivot);
    f.host.repaints.clear();
    f.Run("click 3000 3000 middle\n");
    EXPECT_EQ(CEditFixture::Items(f.Sel()), CEditFixture::Items(expected));
    EXPECT_EQ(f.engine->Pivot(), pivot);
    ASSERT_FALSE(f.host.repaints.empty());
    // R four times comes back; the pivot stays where it was.
    const auto flipped = CEditFixture::Items(f.Sel());
    f.Run("key R\nkey R\nwheel 120\nwheel -120\nkey R\nkey R\n");
    EXPECT_EQ(CEditFixture::Items(f.Sel()), flipped);
    EXPECT_EQ(f.engine->Pivot(), pivot);
    // Every flip and turn of a resting selection was one undo step.
    f.Run("key Escape\n");
    EXPECT_EQ(Undos(f.doc), 7);
    for (int i = 0; i < 7; ++i)
        f.Run("command undo\n");
    CSheet original;
    original.NewPart(part);
    EXPECT_EQ(CEditFixture::Items(f.Main()), CEditFixture::Items(original));
}

TEST(EditKeys, ArrowKeysStopAtTheSheetEdgesAndEnterClicks)
{
    CAppTestEnv env;
    CEditFixture f;
    f.Run("move 100 100\nkey Left shift\nkey Down shift\n");
    EXPECT_EQ(f.engine->CursorPoint(), CPoint(0, 0));
    f.Run("move 11600 8200\nkey Right\nkey Up\nkey Right shift\n");
    EXPECT_EQ(f.engine->CursorPoint(), CPoint(11693, 8268));
    // Enter clicks at the cursor point: a wire from (1000,1000) to (1300,1000).
    f.Run("move 1000 1000\nkey Enter\nkey Right\nkey Right\nkey Right\nkey Enter\nkey Escape\n");
    ASSERT_EQ(f.Main().GetCount(kind::kWire), 1);
    EXPECT_EQ(f.Main().Wires().GetHead()->GetEndPoint(), CPoint(1300, 1000));
    // J adds a junction where one belongs, and takes one away.
    f.Run("command wire\nclick 1100 500\nclick 1100 1500\nkey Escape\nmove 1100 1000\nkey J\n");
    EXPECT_EQ(f.Main().GetCount(kind::kJunc), 1);
    f.Run("key J\n");
    EXPECT_EQ(f.Main().GetCount(kind::kJunc), 0);
}

TEST(EditMenus, RightClickMenusByStateAndTheirAnswers)
{
    CAppTestEnv env;
    CEditFixture f;
    f.Run("answer menu line\nclick 500 500 right\n");
    EXPECT_EQ(f.host.menus.back(), "入力");
    EXPECT_EQ(f.engine->State(), editcmd::kLine);
    f.Run("click 1000 1000\nclick 2000 1000\nkey Escape\nclick 1500 1000 ctrl\n"
          "answer menu erase\nclick 1500 1000 right\n");
    EXPECT_EQ(f.host.menus.back(), "EDIT");
    EXPECT_EQ(f.Main().GetItemCount(), 0u);
    f.Run("command pin\nclick 3000 3000\nanswer menu rightsidepin\nclick 3000 3000 right\n");
    EXPECT_EQ(f.host.menus.back(), "ピンの向き");
    ASSERT_EQ(f.Sel().GetCount(kind::kPin), 1);
    EXPECT_EQ(f.Sel().Pins().GetHead()->GetDir(), 0u);
}

TEST(EditScript, MalformedLinesAreReportedWithTheirNumber)
{
    const struct {
        const char* script;
        int line;
    } cases[] = {
        {"command wire\n\n# note\nclick 10\n", 4},
        {"command nosuch\n", 1},
        {"key Hyper\n", 1},
        {"click 1 2 sideways\n", 1},
        {"answer text \"open\n", 1},
        {"answer menu\n", 1},
        {"move 1 2\nfly 3 4\n", 2},
    };
    for (const auto& c : cases) {
        std::vector<CScriptEvent> events;
        int line = 0;
        std::string error;
        EXPECT_FALSE(ParseEditScript(c.script, events, line, error)) << c.script;
        EXPECT_EQ(line, c.line) << c.script;
        EXPECT_FALSE(error.empty());
    }
    std::vector<CScriptEvent> events;
    int line = 0;
    std::string error;
    ASSERT_TRUE(ParseEditScript("command 32794\nclick 1 2 right shift ctrl\nanswer part R R1 10k\n",
                                events, line, error));
    EXPECT_EQ(events[0].code, editcmd::kFlipHorizontal);
    EXPECT_EQ(events[1].flags, editflag::kRight | editflag::kShift | editflag::kCtrl);
    EXPECT_EQ(events[2].answer.value, "10k");
}

TEST(EditStatus, CoordinatesDetailsAndKeyHelp)
{
    CAppTestEnv env;
    CEditFixture f;
    f.Run("move 1234 567\n");
    EXPECT_EQ(f.host.m_status[1], "X:  12.00 Y:   6.00");
    EXPECT_EQ(f.host.m_status[0], "始点をクリック");
    f.Run("command curve\nclick 5000 5000\nmove 5000 5300\n");
    EXPECT_EQ(f.host.m_status[1], "X:  50.00 Y:  53.00 R:300 S:90");
    EXPECT_EQ(f.host.m_status[0], "円弧の始点をクリック");
    f.Run("click 5000 5300\nmove 4700 5000\n");
    EXPECT_EQ(f.host.m_status[1], "X:  47.00 Y:  50.00 R:300 S:90 E:180");
    f.Run("key Escape\ncommand text\nanswer text \"T1\"\nclick 1000 1000\nclick 1000 1000\n"
          "answer text \"T7\"\nclick 3000 1000\nclick 3000 1000\nclick 1000 1000 ctrl\n");
    EXPECT_NE(f.host.m_status[1].find(" 高さ :70"), std::string::npos);
    // Shift+Page Up: one size step, shown at once; Page Down back.
    f.Run("key PageUp shift\n");
    EXPECT_NE(f.host.m_status[1].find(" 高さ :75"), std::string::npos);
    f.Run("key PageDown shift\n");
    EXPECT_NE(f.host.m_status[1].find(" 高さ :70"), std::string::npos);
    EXPECT_EQ(f.host.m_status[0].rfind("Ｒ：回転  Ｘ、Ｙ：反転  ", 0), 0u);
    f.Run("click 3000 1000 ctrl\n");
    EXPECT_NE(f.host.m_status[1].find(" 選択数:2"), std::string::npos);
    // "+" numbers the selected texts on, as one undo step.
    f.Run("key +\nkey Escape\n");
    std::vector<std::string> names;
    for (const CText& t : f.Main().Texts())
        names.push_back(t.GetName().str());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"T2", "T8"}));
    f.Run("command undo\n"); // the numbering; the two size steps stay
    names.clear();
    for (const CText& t : f.Main().Texts())
        names.push_back(t.GetName().str());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"T1", "T7"}));
}

TEST(EditSelection, ShiftAtThePlacingClickStretchesTheWiresOfMovedParts)
{
    CAppTestEnv env;
    CEditFixture f;
    f.Main().NewPart(TestPart(CPoint(3000, 3000)));
    // A wire ending on the part's left pin tip (2800, 3000).
    f.Main().NewWire(CPoint(1000, 3000), CPoint(2800, 3000));
    const auto before = CEditFixture::Items(f.Main());
    f.Run("click 3100 3050 ctrl\n");
    ASSERT_EQ(f.Sel().GetCount(kind::kPart), 1);
    f.Run("click 3000 3000\nclick 3000 3500 shift\n");
    ASSERT_EQ(f.Main().GetCount(kind::kWire), 1);
    const CLine& wire = *f.Main().Wires().GetHead();
    EXPECT_EQ(wire.GetStartPoint(), CPoint(1000, 3000));
    EXPECT_EQ(wire.GetEndPoint(), CPoint(2800, 3500));
    EXPECT_EQ(Undos(f.doc), 1);
    f.Run("command undo\n");
    EXPECT_EQ(CEditFixture::Items(f.Main()), before);
    // Without Shift the wire stays.
    f.Run("click 3100 3050 ctrl\nclick 3000 3000\nclick 3000 3500\n");
    EXPECT_EQ(f.Main().Wires().GetHead()->GetEndPoint(), CPoint(2800, 3000));
}

TEST(EditPlace, PartsComeFromThePartSourceAndAreAskedForAgainWhenMissing)
{
    CAppTestEnv env;
    CEditFixture f;
    std::vector<std::string> asked;
    f.engine->SetPartSource([&](const CString& name, CSheet& gates) {
        asked.push_back(name.str());
        if (name != "NAND")
            return false;
        CPart part = TestPart(CPoint(0, 0));
        part.SetPartName("NAND");
        part.SetValue("74HC00");
        gates.NewPart(part);
        return true;
    });
    // A missing name is reported and the dialog comes again.
    f.Run("command part\nanswer part NOR\nanswer part NAND U7\nclick 2000 2000\n");
    EXPECT_EQ(asked, (std::vector<std::string>{"NOR", "NAND"}));
    EXPECT_EQ(env->messages.size(), 1u);
    ASSERT_EQ(f.Sel().GetCount(kind::kPart), 1);
    const CPart& placing = *f.Sel().Parts().GetHead();
    EXPECT_EQ(placing.GetOrg(), CPoint(2000, 2000));
    EXPECT_EQ(placing.GetRefName(), "U7");
    EXPECT_FALSE(placing.GetValNameText().IsDisp()); // no value given: not shown
    // Every click places a copy; the right button offers the flips.
    f.Run("click 2000 3000\nanswer menu fliphorizontal\nclick 2000 3000 right\nclick 4000 3000\n"
          "key Escape\n");
    EXPECT_EQ(f.host.menus.back(), "反転・回転");
    ASSERT_EQ(f.Main().GetCount(kind::kPart), 2);
    EXPECT_EQ(Undos(f.doc), 2);
    EXPECT_EQ(f.Sel().GetItemCount(), 0u);
    // The dialog is preset with the part under the click.
    f.Run("answer cancel\nclick 2100 3050\n");
    EXPECT_EQ(f.engine->InputInProgress(), false);
}
