// The document commands of the editing engine driven by scripts: Make Part
// from a drawing, Part Decomposition, Reset Part Reference, Library, Descend
// and Ascend, the net index jump and Clean Up; each judged by what the
// sheet, the library file or the undo history holds afterwards.
#include <gtest/gtest.h>

#include "app/edit/partnames.h"
#include "app/edit/recentparts.h"
#include "apptestenv.h"
#include "base/codepage.h"
#include "base/profile.h"
#include "editfixture.h"
#include "library/library.h"

namespace {

int Undos(CVIREODoc& doc)
{
    return CEditEngine::UndoSteps(doc.History());
}

// A host that remembers where Descend, Ascend and the net jump went.
class CRecordingHost : public CScriptEditHost {
public:
    using CScriptEditHost::CScriptEditHost;
    void OpenSheet(const std::filesystem::path& path) override { opened.push_back(path); }
    void Ascend() override { ++ascended; }
    std::vector<CNetJumpEntry> NetJumpTargets(const CString& name) override
    {
        asked.push_back(name.str());
        if (name.CompareNoCase("CLK") != 0)
            return {};
        return {{"a.dcd", 4}, {"sub/b.dcd", 7}};
    }
    void JumpToNet(const CNetJumpEntry& target, const CString& name) override
    {
        jumps.emplace_back(target.index, name.str());
    }

    std::vector<std::filesystem::path> opened;
    int ascended = 0;
    std::vector<std::string> asked;
    std::vector<std::pair<int, std::string>> jumps;
};

struct CDocFixture : CEditFixture {
    CDocFixture() { engine = std::make_unique<CEditEngine>(doc, recorder); }
    CRecordingHost recorder{answers};
};

// A symbol drawn free on the sheet: a body, two pins and the placeholders.
void DrawSymbol(CSheet& s)
{
    s.NewLine(CPoint(1000, 1000), CPoint(1400, 1000));
    s.NewLine(CPoint(1400, 1000), CPoint(1400, 1400));
    s.NewPin(CPoint(1000, 1200), CPoint(800, 1200), 0);
    s.NewPin(CPoint(1400, 1200), CPoint(1600, 1200), 0);
    s.Pins().GetHead()->SetNo(CString("1"));
    s.Pins().GetTail()->SetNo(CString("2"));
    s.NewText("Name", CPoint(1000, 1500), 70, 0);
    s.NewText("Ref", CPoint(1000, 1600), 70, 0);
}

CPart NumberedPart(const CPoint& org, const char* ref)
{
    CPart part(org, org + CPoint(-100, -100), org + CPoint(300, 200), 0, 0, 0, 0);
    part.SetPartName("RES");
    part.SetRefName(ref, org + CPoint(0, 250), CText::kDefaultAttr);
    part.NewPin(org, org + CPoint(-200, 0), 0);
    part.NewLine(org, org + CPoint(200, 100), 1);
    part.CalcBoundRect(1);
    return part;
}

} // namespace

TEST(EditDocument, MakePartReplacesTheDrawingAtTheClickedOriginAndPlacesCopies)
{
    CAppTestEnv env;
    CDocFixture f;
    DrawSymbol(f.Main());
    f.Main().NewPart(NumberedPart(CPoint(8000, 6000), "R9")); // selected too, kept as it is
    const std::vector<std::string> drawing = CEditFixture::Items(f.Main());
    // Disabled until a "Name" text is among two or more selected items.
    f.Run("command selectall\n");
    EXPECT_TRUE(f.engine->IsCommandEnabled(editcmd::kMakePart));
    // P with "Name" selected starts Make Part; a right click leaves it with
    // the drawing still selected; Cancel in the dialog changes nothing.
    f.Run("key P\n");
    EXPECT_EQ(f.engine->State(), editcmd::kMakePart);
    EXPECT_EQ(f.engine->StatusText(0), "部品の原点をマウスの左ボタンで指定します");
    f.Run("answer cancel\nclick 1000 1000\n");
    EXPECT_EQ(f.Sel().GetItemCount(), 7u);
    EXPECT_EQ(Undos(f.doc), 0);

    f.Run("command makepart\nanswer makepart OPAMP U? LM358\nclick 1010 990\n");
    ASSERT_EQ(f.Main().GetCount(kind::kPart), 2);
    EXPECT_EQ(f.Main().GetItemCount(), 2u); // every drawn item went into it
    const CPart& made = *f.Main().GetLastPart();
    EXPECT_EQ(made.GetPartName(), "OPAMP");
    EXPECT_EQ(made.GetValName(), "LM358");
    EXPECT_EQ(made.GetOrg(), CPoint(1000, 1000)); // the snapped click
    EXPECT_EQ(made.GetPinCount(), 2);
    // A copy follows the cursor in the Part tool; each click places one.
    EXPECT_EQ(f.engine->State(), editcmd::kPart);
    EXPECT_TRUE(f.engine->InputInProgress());
    EXPECT_EQ(f.Sel().GetHeadPart()->GetPartName(), "OPAMP");
    f.Run("move 3000 1000\nclick 3000 1000\nkey Escape\n");
    ASSERT_EQ(f.Main().GetCount(kind::kPart), 3);
    EXPECT_EQ(Undos(f.doc), 2);
    f.Run("command undo\ncommand undo\n");
    EXPECT_EQ(CEditFixture::Items(f.Main()), drawing);
}

TEST(EditDocument, MakePartAsksAboutDuplicatePinNumbers)
{
    CAppTestEnv env;
    CDocFixture f;
    DrawSymbol(f.Main());
    f.Main().Pins().GetTail()->SetNo(CString("1"));
    // "no" to the duplicate question ends the command before the dialog.
    f.Run("command selectall\ncommand makepart\nanswer no\nclick 1000 1000\n");
    EXPECT_EQ(f.Sel().GetCount(kind::kPart), 0);
    EXPECT_EQ(f.Main().GetCount(kind::kPart), 0);
    f.Run("command makepart\nanswer yes\nanswer makepart DUP U? X\nclick 1000 1000\nkey Escape\n");
    EXPECT_EQ(f.Main().GetCount(kind::kPart), 1);
}

TEST(EditDocument, DecompositionAndResetReferenceAskFirstAndUndoInOneStep)
{
    CAppTestEnv env;
    CDocFixture f;
    f.Main().NewPart(NumberedPart(CPoint(2000, 2000), "R1"));
    f.Main().NewPart(NumberedPart(CPoint(4000, 2000), "R2"));
    const std::vector<std::string> start = CEditFixture::Items(f.Main());

    f.Run("command selectall\nanswer cancel\ncommand resetpartreference\n");
    EXPECT_EQ(f.Sel().GetCount(kind::kPart), 2); // Cancel: nothing changed
    f.Run("answer ok\ncommand resetpartreference\n");
    EXPECT_EQ(f.Sel().GetItemCount(), 0u);
    for (const CPart& p : f.Main().Parts())
        EXPECT_EQ(p.GetRefName(), "R?");
    EXPECT_EQ(Undos(f.doc), 1);
    f.Run("command undo\n");
    EXPECT_EQ(CEditFixture::Items(f.Main()), start);

    f.Run("click 2100 2050 ctrl\nanswer no\ncommand partdecomposition\n");
    EXPECT_EQ(f.Sel().GetCount(kind::kPart), 1);
    f.Run("answer yes\ncommand partdecomposition\n");
    EXPECT_EQ(f.Main().GetCount(kind::kPart), 1);
    // The part's drawing and its names as placeholders, ready for Make Part.
    std::vector<std::string> names;
    for (const CText& t : f.Main().Texts())
        names.push_back(t.GetName().str());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"Name", "Ref", "Val"}));
    EXPECT_EQ(f.Main().GetCount(kind::kPin), 1);
    f.Run("key Escape\ncommand undo\n");
    EXPECT_EQ(CEditFixture::Items(f.Main()), start);
}

TEST(EditDocument, LibraryRegistersTheSelectedPartForTheFileReader)
{
    CAppTestEnv env;
    CDocFixture f;
    const std::filesystem::path lib = env / "部品.lib";
    f.engine->SetLibraries({FromUtf8(lib.string())});
    CPart part = NumberedPart(CPoint(2000, 2000), "R1");
    part.NewText(CText("&Maker&ACME", CPoint(2000, 1800), 70, 8));
    f.Main().NewPart(part);
    f.Run("click 2100 2050 ctrl\n");
    ASSERT_TRUE(f.engine->IsCommandEnabled(editcmd::kLibrary));
    env->answers = {CHost::IDYES}; // create the library file
    f.Run("answer library \"" + lib.string() + "\" RES10K Maker\ncommand library\n");
    // The part stays selected and is the part buffer now.
    EXPECT_EQ(f.Sel().GetCount(kind::kPart), 1);
    EXPECT_EQ(f.doc.PartBuffer().GetCount(kind::kPart), 1);

    CLibrary library;
    library.SetLibraryName(FromUtf8(lib.string()));
    library.SetPackageName("RES10K");
    ASSERT_EQ(library.ReadFile(), 1);
    CSheet read;
    ASSERT_EQ(library.ReadPart(&read, 0), 1);
    EXPECT_EQ(read.GetHeadPart()->GetPinCount(), 1);
    EXPECT_TRUE(read.GetHeadPart()->GetProperty("Maker").IsEmpty());
    // The part tool finds it there by its package name.
    f.Run("key Escape\ncommand part\nanswer part RES10K\nclick 6000 2000\n");
    EXPECT_EQ(f.Sel().GetCount(kind::kPart), 1);
}

TEST(EditDocument, DescendOpensTheSheetAPartNamesAndAscendAsksTheHost)
{
    CAppTestEnv env;
    CDocFixture f;
    f.doc.SetPathName("/tmp/設計/top.dcd");
    CPart block = NumberedPart(CPoint(2000, 2000), "S1");
    block.NewText(CText(FromUtf8("&FILE&sub\\部品.dcd"), CPoint(2000, 1800), 70, 8));
    f.Main().NewPart(block);
    f.Main().NewPart(NumberedPart(CPoint(5000, 2000), "R1"));
    EXPECT_FALSE(f.engine->IsCommandEnabled(editcmd::kDescend));
    f.Run("click 5100 2050 ctrl\ncommand descend\n"); // no FILE property: nothing
    EXPECT_TRUE(f.recorder.opened.empty());
    f.Run("key Escape\nclick 2100 2050 ctrl\nanswer menu descend\nclick 2100 2050 right\n");
    ASSERT_EQ(f.recorder.opened.size(), 1u);
    EXPECT_EQ(f.recorder.opened[0], std::filesystem::path("/tmp/設計/sub/部品.dcd"));
    f.Run("key Escape\nanswer menu ascend\nclick 8000 6000 right\n");
    EXPECT_EQ(f.recorder.ascended, 1);
}

TEST(EditDocument, RightClickOnANamedWireOffersTheSheetsThatCarryItsName)
{
    CAppTestEnv env;
    CDocFixture f;
    CLine* clk = f.Main().NewWire(CPoint(1000, 1000), CPoint(3000, 1000));
    clk->SetName("clk", CPoint(1500, 1100), CText::kDefaultAttr);
    clk->GetNameText().CalcBoundRect();
    CLine* data = f.Main().NewWire(CPoint(1000, 3000), CPoint(3000, 3000));
    data->SetName("DATA", CPoint(1500, 3100), CText::kDefaultAttr);
    data->GetNameText().CalcBoundRect();
    const CPoint onName = clk->GetNameText().GetBoundingRect().Normalized().CenterPoint();
    const std::string at = std::to_string(onName.x) + " " + std::to_string(onName.y);
    f.Run("answer menu 2202\nclick " + at + " right\n");
    ASSERT_EQ(f.recorder.jumps.size(), 1u);
    EXPECT_EQ(f.recorder.jumps[0], (std::pair<int, std::string>{7, "clk"}));
    EXPECT_EQ(f.recorder.menus.back(), "NETINDEX");
    // A name no other sheet carries, and the open sheet: the input menu.
    const CPoint onData = data->GetNameText().GetBoundingRect().Normalized().CenterPoint();
    f.Run("answer cancel\nclick " + std::to_string(onData.x) + " " + std::to_string(onData.y) +
          " right\nanswer cancel\nclick 8000 6000 right\n");
    EXPECT_EQ(f.recorder.menus.back(), "入力");
    EXPECT_EQ(f.recorder.menus[f.recorder.menus.size() - 2], "入力");
}

TEST(EditDocument, CleanUpIsOneUndoStepAndReportsWhatChanged)
{
    CAppTestEnv env;
    CDocFixture f;
    f.Main().NewWire(CPoint(1000, 1000), CPoint(2000, 1000));
    f.Main().NewWire(CPoint(2000, 1000), CPoint(3000, 1000));
    f.Main().NewWire(CPoint(1500, 1000), CPoint(2500, 1000));
    const std::vector<std::string> start = CEditFixture::Items(f.Main());
    f.Run("command cleanup\n");
    EXPECT_EQ(f.Main().GetCount(kind::kWire), 1);
    EXPECT_EQ(f.engine->StatusText(0).rfind("整理：ワイヤ -2", 0), 0u) << f.engine->StatusText(0);
    EXPECT_EQ(Undos(f.doc), 1);
    f.Run("command cleanup\n");
    EXPECT_EQ(f.engine->StatusText(0), "整理：変更なし");
    EXPECT_EQ(Undos(f.doc), 1);
    f.Run("command undo\n");
    EXPECT_EQ(CEditFixture::Items(f.Main()), start);
}

namespace {

// A resistor whose pin lies along x from its origin to 200 to the left.
bool ResistorLibrary(const CString& name, CSheet& gates)
{
    if (name.CompareNoCase("RES") != 0)
        return false;
    CPart part = NumberedPart(CPoint(0, 0), "R?");
    gates.NewPart(part);
    return true;
}

} // namespace

TEST(EditPartTool, RecentPartsKeepSixteenNamesNewestFirstAndDropMissingOnes)
{
    CAppTestEnv env;
    CDocFixture f;
    f.engine->SetPartSource(ResistorLibrary);
    for (int i = 1; i <= 16; ++i)
        Profile().WriteString("Recent Part List", ("Part" + std::to_string(i)).c_str(),
                              CString::Formatted("P%d", i));
    Profile().WriteString("Recent Part List", "Part3", "GONE");
    // A name no library holds: the message, the dialog again, the name leaves the list.
    f.Run("command part\nanswer part GONE\nanswer part res R1\nclick 2000 2000\nkey Escape\n");
    ASSERT_EQ(env->messages.size(), 1u);
    EXPECT_EQ(ToUtf8(env->messages[0].text), "GONEが見つかりません");
    const std::vector<CString> recent = CRecentParts::Load();
    ASSERT_EQ(recent.size(), 16u);
    EXPECT_EQ(recent[0], "res");
    EXPECT_EQ(recent[1], "P1");
    EXPECT_EQ(recent[15], "P16"); // GONE went, P16 stayed
    f.Run("command part\nanswer part RES R2\nclick 2000 4000\nkey Escape\n");
    EXPECT_EQ(CRecentParts::Load()[0], "RES"); // once, whatever its case
    EXPECT_EQ(CRecentParts::Load()[1], "P1");
}

TEST(EditPartTool, ShiftClickTrimsTheWireUnderThePinsAsItsOwnStep)
{
    CAppTestEnv env;
    CDocFixture f;
    f.engine->SetPartSource(ResistorLibrary);
    // A wire drawn on into where the pin (body 2000, tip 1800) will lie.
    f.Main().NewWire(CPoint(1000, 2000), CPoint(1950, 2000));
    const std::vector<std::string> start = CEditFixture::Items(f.Main());
    const auto reach = [&] {
        int right = 0;
        for (const CLine& w : f.Main().Wires())
            right = std::max({right, w.GetStartPoint().x, w.GetEndPoint().x});
        return right;
    };
    // Without Shift the wire stays as drawn, over the pin.
    f.Run("command part\nanswer part RES R1\nclick 2000 2000\nclick 2000 2000\nkey Escape\n");
    EXPECT_EQ(reach(), 1950);
    f.Run("command undo\n");
    EXPECT_EQ(CEditFixture::Items(f.Main()), start);
    // With Shift it is cut back to the pin's tip.
    f.Run("command part\nanswer part RES R1\nclick 2000 2000\nclick 2000 2000 shift\nkey Escape\n");
    ASSERT_EQ(f.Main().GetCount(kind::kPart), 1);
    ASSERT_EQ(f.Main().GetCount(kind::kWire), 1);
    EXPECT_EQ(reach(), 1800);
    EXPECT_EQ(Undos(f.doc), 2); // the trim, then the part
    f.Run("command undo\ncommand undo\n");
    EXPECT_EQ(CEditFixture::Items(f.Main()), start);
}

TEST(PartNames, PackagesAndAliasesOfEveryLibrarySortedOnce)
{
    CAppTestEnv env;
    const std::filesystem::path a = env / "a.lib", b = env / "b.lib";
    for (const auto& [lib, names] : {std::pair{a, std::vector<const char*>{"opamp", "RES"}},
                                     std::pair{b, std::vector<const char*>{"CAP", "Res"}}}) {
        for (const char* name : names) {
            CSheet s;
            CPart part = NumberedPart(CPoint(0, 0), "X?");
            part.SetPartName(name);
            s.NewPart(part);
            CLibrary library;
            library.SetLibraryName(FromUtf8(lib.string()));
            library.SetPackageName(name);
            env->answers = {CHost::IDYES};
            ASSERT_TRUE(library.LockForUpdate() && library.ReadFile() &&
                        library.DelPart(true, false) && library.WritePart(&s));
        }
    }
    CAppTestEnv::WriteFile(env / "a.tbl", "# aliases\nopamp, LM358 TL072\n");
    const std::vector<CString> names = LibraryPartNames(
        {FromUtf8(a.string()), FromUtf8((env / "missing.lib").string()), FromUtf8(b.string())});
    std::vector<std::string> got;
    for (const CString& n : names)
        got.push_back(n.str());
    EXPECT_EQ(got, (std::vector<std::string>{"CAP", "LM358", "opamp", "RES", "TL072"}));
    EXPECT_FALSE(std::filesystem::exists(env / "missing.lib")); // never created by listing
}

TEST(EditGates, TheNextGateKeepsTurnAndFlipsAndCopiesStepGatesByTheLibrary)
{
    CAppTestEnv env;
    CDocFixture f;
    // Two gates whose parts record no gate count: the library's gates count.
    // GATE2 records them.
    f.engine->SetPartSource([](const CString& name, CSheet& gates) {
        if (name != "DUAL" && name != "GATE2")
            return false;
        int package = 0;
        for (const char* ref : {"U?A", "U?B"}) {
            CPart part = NumberedPart(CPoint(0, 0), ref);
            part.SetPartName(name);
            if (name == "GATE2") {
                part.SetPackageMax(2);
                part.SetPackage(++package);
            }
            gates.NewPart(part);
        }
        return true;
    });
    f.Run("command part\nanswer part DUAL U1A\nclick 2000 2000\nclick 2000 2000\nclick 4000 2000\n"
          "click 6000 2000\nkey Escape\n");
    std::vector<std::string> refs;
    for (const CPart& p : f.Main().Parts())
        refs.push_back(p.GetRefName().str());
    std::sort(refs.begin(), refs.end());
    EXPECT_EQ(refs, (std::vector<std::string>{"U1A", "U1B", "U2A"}));

    // A turned and flipped gate: N gives the other gate turned and flipped
    // alike, pin for pin where the old one had them.
    f.Run("command part\nanswer part GATE2 U5A\nclick 2000 6000\nclick 2000 6000\nkey Escape\n"
          "click 2100 6050 ctrl\nkey R\nkey X\n");
    ASSERT_EQ(f.Sel().GetCount(kind::kPart), 1);
    const CPart before = *f.Sel().GetHeadPart();
    f.Run("key N\n");
    const CPart& after = *f.Sel().GetHeadPart();
    EXPECT_EQ(after.GetRefName(), "U5B");
    EXPECT_EQ(after.GetAngle(), before.GetAngle());
    EXPECT_EQ(after.Pins().GetHead()->GetStartPoint(), before.Pins().GetHead()->GetStartPoint());
    EXPECT_EQ(after.Pins().GetHead()->GetPoint(), before.Pins().GetHead()->GetPoint());
}

TEST(EditMoveAttribute, ShiftPageUpGrowsOnlyTheTextsAndLeavesTheItems)
{
    CAppTestEnv env;
    CDocFixture f;
    f.Main().NewPart(NumberedPart(CPoint(2000, 2000), "R1"));
    CLine* wire = f.Main().NewWire(CPoint(4000, 2000), CPoint(6000, 2000));
    wire->SetName("N1", CPoint(4500, 2100), CText::kDefaultAttr);
    const int nameSize = wire->GetNameText().GetSize();
    f.Main().NewPin(CPoint(8000, 2000), CPoint(7800, 2000), 0);
    f.Run("command selectall\ncommand moveattribute\nkey PageUp shift\nkey PageUp shift\n");
    ASSERT_EQ(f.Sel().GetItemCount(), 3u);
    EXPECT_EQ(f.Sel().GetHeadPart()->GetRefNameText().GetSize(), 80);
    EXPECT_EQ(f.Sel().Wires().GetHead()->GetNameText().GetSize(), nameSize + 10);
    EXPECT_EQ(f.Sel().Pins().GetHead()->GetLen(), 200); // a pin keeps its length here
    f.Run("key PageDown shift\nkey Escape\n");
    EXPECT_EQ(f.Main().GetHeadPart()->GetRefNameText().GetSize(), 75);
    EXPECT_EQ(Undos(f.doc), 3);
    // Outside Move Attribute the same key grows the pin instead.
    f.Run("command selectall\nkey PageUp shift\nkey Escape\n");
    for (const CPin& pin : f.Main().Pins())
        EXPECT_GT(pin.GetLen(), 200);
}

TEST(EditModify, ShiftEEditsTheNextPinInTheOrderOfTheBatchEdit)
{
    CAppTestEnv env;
    CDocFixture f;
    // Three loose pins one above the other: from the lowest on, Shift+E
    // walks up in the pins' sorted order.
    for (int y : {3000, 2000, 1000})
        f.Main().NewPin(CPoint(2000, y), CPoint(1800, y), 0);
    f.Run("click 1900 1000 ctrl\nanswer modify number=1\nkey E\n"
          "answer modify number=2\nkey E shift\nanswer modify number=3\nkey E shift\n");
    std::vector<std::pair<int, std::string>> numbers;
    for (const CSheet* s : {&f.Main(), &f.Sel()})
        for (const CPin& pin : s->Pins())
            numbers.emplace_back(pin.GetStartPoint().y, pin.GetNo().str());
    std::sort(numbers.begin(), numbers.end());
    ASSERT_EQ(numbers.size(), 3u);
    EXPECT_EQ(numbers[0].second, "1");
    EXPECT_EQ(numbers[1].second, "2");
    EXPECT_EQ(numbers[2].second, "3");
    EXPECT_EQ(Undos(f.doc), 3);
}
