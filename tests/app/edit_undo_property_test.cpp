// Random edit scripts on random sheets, run by the editing engine: undoing
// as many steps as the scripts made gives the original sheet back item for
// item, redoing them gives the edited sheet, and the sheet the engine leaves
// after every event is one the file reader takes back unchanged.
#include <random>
#include <sstream>

#include <gtest/gtest.h>

#include "apptestenv.h"
#include "editfixture.h"

namespace {

class ScriptFuzzer {
public:
    explicit ScriptFuzzer(unsigned seed) : m_rng(seed) {}

    int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(m_rng); }
    // Grid points and some points between them, which the engine snaps.
    std::string Point()
    {
        const int x = Int(2, 40) * 200 + (Int(0, 3) == 0 ? Int(-60, 60) : 0);
        const int y = Int(2, 30) * 200 + (Int(0, 3) == 0 ? Int(-60, 60) : 0);
        return std::to_string(x) + " " + std::to_string(y);
    }

    void FillSheet(CSheet& s)
    {
        auto p = [&] { return CPoint(Int(2, 40) * 200, Int(2, 30) * 200); };
        for (int n = Int(2, 12); n > 0; --n) {
            switch (Int(0, 5)) {
            case 0:
                s.NewWire(p(), p());
                break;
            case 1:
                s.NewLine(p(), p());
                break;
            case 2: {
                // "Name" lets Make Part take the drawing.
                const std::string text = Int(0, 3) == 0 ? "Name" : "T" + std::to_string(Int(1, 99));
                s.NewText(text.c_str(), p(), 70, 0);
                break;
            }
            case 3:
                s.NewArc(p(), unsigned(Int(1, 4) * 100), 0, 90 * Int(0, 3), 0, 8);
                break;
            case 4: {
                const CPoint q = p();
                s.NewPin(q, q + CPoint(-200, 0), 0);
                break;
            }
            default: {
                const CPoint q = p();
                CPart part(q, q, q + CPoint(400, 300), 0, 0, 0, 0);
                part.SetRefName(CString::Formatted("U%d", Int(1, 9)), q + CPoint(0, 350),
                                CText::kDefaultAttr);
                part.NewPin(q, q + CPoint(-200, 0), 0);
                part.NewLine(q, q + CPoint(400, 0), 1);
                part.CalcBoundRect(1);
                s.NewPart(part);
            }
            }
        }
    }

    // One script line or a few that belong together.
    std::string Step()
    {
        static const char* const kTools[] = {"wire", "bus", "line", "curve", "pin", "text"};
        static const char* const kKeys[] = {
            "R",  "X",  "Y",      "P",         "S",      "F",      "J",    "L",  "+",     "-", "/",
            "F6", "F7", "Num3",   "Backspace", "Escape", "Delete", "Left", "Up", "Enter", "C", "D",
            "H",  "M",  "PageUp", "PageDown",  "F9",     "B",      "N",    "I",  "E"};
        switch (Int(0, 12)) {
        case 0:
            return std::string("command ") + kTools[Int(0, 5)] + "\n";
        case 1:
        case 2:
            return "click " + Point() + "\n";
        case 3:
            return "click " + Point() + " ctrl\n";
        case 4:
            return "move " + Point() + "\n";
        case 5:
            return std::string("key ") + kKeys[Int(0, 30)] + (Int(0, 4) == 0 ? " shift" : "") +
                   "\n";
        case 6: {
            static const char* const kCommands[] = {"move",
                                                    "copy",
                                                    "erase",
                                                    "fliphorizontal",
                                                    "flipvertical",
                                                    "rotation",
                                                    "selectall",
                                                    "reselect",
                                                    "cancel",
                                                    "undo",
                                                    "redo",
                                                    "moveattribute",
                                                    "numberingreference"};
            return std::string("command ") + kCommands[Int(0, 12)] + "\n";
        }
        case 7:
            return "press " + Point() + "\nmove " + Point() + "\nrelease " + Point() + "\n";
        case 8:
            if (Int(0, 2) == 0) {
                static const char* const kFields[] = {"name=N", "text=T", "reference=U", "number="};
                return std::string("answer modify ") + kFields[Int(0, 3)] +
                       std::to_string(Int(1, 9)) + (Int(0, 1) ? "++" : "") + "\ncommand modify\n";
            }
            return "answer text \"N" + std::to_string(Int(1, 9)) + "\"\n";
        case 9:
            return "click " + Point() + (Int(0, 1) ? " right" : " middle") + "\n";
        case 10:
            return "click " + Point() + " shift\n";
        case 11: {
            // The document commands, answered.
            switch (Int(0, 4)) {
            case 0:
                return "command selectall\nanswer makepart M U? V\ncommand makepart\nclick " +
                       Point() + "\n";
            case 1:
                return std::string(Int(0, 1) ? "answer yes" : "answer no") +
                       "\ncommand partdecomposition\n";
            case 2:
                return std::string(Int(0, 1) ? "answer ok" : "answer cancel") +
                       "\ncommand resetpartreference\n";
            case 3:
                return "command cleanup\n";
            default:
                return "command part\nanswer part RES R" + std::to_string(Int(1, 9)) + "\nclick " +
                       Point() + "\nclick " + Point() + (Int(0, 1) ? " shift" : "") + "\n";
            }
        }
        default:
            return std::string("wheel ") + (Int(0, 1) ? "120" : "-120") + "\n";
        }
    }

private:
    std::mt19937 m_rng;
};

// The drawing written by the file writer and read back by the reader.
std::vector<std::string> ThroughFile(const CVIREODoc& doc)
{
    CArchive out;
    CSchematicFile::Write(out, doc.Header(), doc.MainSheet(), nullptr);
    CArchive in(out.Bytes());
    CDocumentHeader header;
    CSheet back(CSheet::kDrawing);
    EXPECT_EQ(CSchematicFile::Read(in, header, back, nullptr), CSchematicFile::ReadStatus::Ok);
    return CEditFixture::Items(back);
}

} // namespace

TEST(EditUndoProperty, RandomScriptsUndoToTheStartAndRedoToTheEnd)
{
    CAppTestEnv env;
    int totalSteps = 0, made = 0, placed = 0;
    for (unsigned seed = 1; seed <= 150; ++seed) {
        ScriptFuzzer fuzz(seed);
        CEditFixture f;
        f.engine->SetPartSource([](const CString& name, CSheet& gates) {
            if (name != "RES")
                return false;
            CPart part(CPoint(0, 0), CPoint(-100, -100), CPoint(300, 200), 0, 0, 0, 0);
            part.SetRefName("R?", CPoint(0, 250), CText::kDefaultAttr);
            part.NewPin(CPoint(0, 0), CPoint(-200, 0), 0);
            part.NewPin(CPoint(200, 0), CPoint(400, 0), 0);
            part.CalcBoundRect(1);
            gates.NewPart(part);
            return true;
        });
        fuzz.FillSheet(f.Main());
        f.answers.note = [](const std::string&) {};
        const auto original = CEditFixture::Items(f.Main());
        std::string script;
        for (int i = 0; i < 80; ++i) {
            const std::string step = fuzz.Step();
            script += step;
            const auto count = [&](bool name) {
                int n = 0;
                for (const CPart& part : f.Main().Parts())
                    n +=
                        name ? part.GetPartName() == "M" : part.GetRefName().str().starts_with("R");
                return n;
            };
            const int madeBefore = count(true), placedBefore = count(false);
            f.Run(step);
            made += count(true) > madeBefore;
            placed += count(false) > placedBefore;
            ASSERT_EQ(ThroughFile(f.doc), CEditFixture::Items(f.Main())) << "seed " << seed << "\n"
                                                                         << script;
        }
        f.engine->Finish();
        const auto edited = CEditFixture::Items(f.Main());

        // Undo and Redo given in the script count as edits undone and redone,
        // so the history holds exactly the steps still to undo.
        const int steps = CEditEngine::UndoSteps(f.doc.History());
        totalSteps += steps;
        for (int i = 0; i < steps; ++i)
            ASSERT_TRUE(f.doc.Undo()) << "seed " << seed;
        EXPECT_FALSE(f.doc.History().CanUndo());
        ASSERT_EQ(CEditFixture::Items(f.Main()), original) << "seed " << seed << "\n" << script;
        // An undo at the end of a script left its step to redo on top: only
        // the steps undone here are redone.
        for (int i = 0; i < steps; ++i)
            ASSERT_TRUE(f.doc.Redo()) << "seed " << seed;
        ASSERT_EQ(CEditFixture::Items(f.Main()), edited) << "seed " << seed << "\n" << script;
    }
    // The scripts did edit.
    EXPECT_GT(totalSteps, 1000);
    EXPECT_GT(made, 5);
    EXPECT_GT(placed, 5);
}
