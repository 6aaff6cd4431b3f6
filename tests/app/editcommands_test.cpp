// The item commands of the editing engine driven by scripts: Modify (one
// item and several at once), and the answers scripts give its dialogs.
#include <gtest/gtest.h>

#include "apptestenv.h"
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
