// Find: the occurrence order, the switches of the dialog, stepping with
// Next find, selecting every match, and the search history.
#include <gtest/gtest.h>

#include "app/edit/clipboardcommands.h"
#include "app/edit/findoptions.h"
#include "app/edit/findsearch.h"
#include "apptestenv.h"
#include "base/codepage.h"
#include "editfixture.h"

namespace {

// Two parts (R10 with pins VCC and a hidden GND, U1 with an own text), a
// named wire and a bus, a loose pin and free texts.
const char kSheet[] = "Line 100 100 900 100 8 0 0 0\n"
                      "Name \"R1_NET\" 150 120 70 8\n"
                      "Line 100 300 900 300 16 2 0 0\n"
                      "Name \"D[0..7]\" 150 320 70 8\n"
                      "Pin 2000 2000 2200 2000 0\n"
                      "Name \"VCC\" 2050 2050 70 8\n"
                      "No \"9\" 2050 1950 70 8\n"
                      "Text \"see R1\" 3000 3000 70 8\n"
                      "Text \"vcc rail\" 3000 3200 70 8\n"
                      "Part 1000 1000 900 900 1300 1300 0 0 0 0\n"
                      "Name \"RES\" 1000 800 70 8\n"
                      "Ref \"R10\" 1000 1200 70 8\n"
                      "Val \"10k\" 1100 1200 70 8\n"
                      "Pin 1000 1000 800 1000 0\n"
                      "Name \"VCC\" 850 1050 70 8\n"
                      "No \"1\" 850 950 70 8\n"
                      "Pin 1300 1000 1500 1000 32768\n"
                      "Name \"GND\" 1350 1050 70 8\n"
                      "No \"2\" 1350 950 70 8\n"
                      "PartEnd\n"
                      "Part 5000 1000 4900 900 5300 1300 0 0 0 0\n"
                      "Ref \"U1\" 5000 1200 70 8\n"
                      "Text \"R1 nearby\" 5000 900 70 8\n"
                      "PartEnd\n";

CFindOptions Options(const char* text, int target = findkind::kAll)
{
    CFindOptions o;
    o.Push(text);
    o.target = target;
    return o;
}

std::string Hits(const CSheet& sheet, const CFindOptions& o)
{
    std::string out;
    for (const CFindHit& h : FindOccurrences(sheet, o))
        out += std::string(FindKindName(h.kind)) + ":" + h.text.str() + "@" +
               std::to_string(h.point.x) + "," + std::to_string(h.point.y) + " ";
    return out;
}

} // namespace

TEST(FindSearch, OccurrenceOrderAndSwitches)
{
    CAppTestEnv env;
    CSheet s;
    ASSERT_TRUE(CClipboardCommands::ReadSheetText(kSheet, s));
    struct Case {
        const char* what;
        int target;
        bool matchCase, word, hide;
        const char* expected;
    } cases[] = {
        // Wires and buses, then each part (name, reference, value, pins,
        // own texts), loose pins, free texts; each text once.
        {"R1", findkind::kAll, false, false, false,
         "signal:R1_NET@150,120 reference:R10@1000,1200 parttext:R1 nearby@5000,900 "
         "text:see R1@3000,3000 "},
        // The reference only has to contain the string, unless whole word.
        {"R1", findkind::kReference, false, true, false, ""},
        {"R10", findkind::kReference, false, true, false, "reference:R10@1000,1200 "},
        // Case folds unless asked; the hidden pin GND stays out.
        {"vcc", findkind::kPinName | findkind::kText, false, false, false,
         "pinname:VCC@850,1050 pinname:VCC@2050,2050 text:vcc rail@3000,3200 "},
        {"vcc", findkind::kPinName | findkind::kText, true, false, false,
         "text:vcc rail@3000,3200 "},
        {"GND", findkind::kAll, false, false, false, ""},
        {"GND", findkind::kAll, false, false, true, "pinname:GND@1350,1050 "},
        // Numbers of part pins come after their names, loose pins after parts.
        {"9", findkind::kPinNumber, false, false, false, "pinnumber:9@2050,1950 "},
        {"1", findkind::kPinNumber | findkind::kValue, false, false, false,
         "value:10k@1100,1200 pinnumber:1@850,950 "},
        {"D[", findkind::kSignal, false, false, false, "signal:D[0..7]@150,320 "},
        // Kinds not asked for are not searched.
        {"RES", findkind::kDefault, false, false, false, ""},
        {"RES", findkind::kPartName, false, false, false, "partname:RES@1000,800 "},
    };
    for (const Case& c : cases) {
        CFindOptions o = Options(c.what, c.target);
        o.matchCase = c.matchCase, o.word = c.word, o.hide = c.hide;
        EXPECT_EQ(Hits(s, o), c.expected) << c.what << " target " << c.target;
    }
}

TEST(FindSearch, NextFindStepsThroughAndStartsOverAfterTheLast)
{
    CAppTestEnv env;
    CEditFixture f;
    ASSERT_TRUE(CClipboardCommands::ReadSheetText(kSheet, f.Main()));
    // Three occurrences of R1 in the default kinds; all sheets off.
    f.Run("answer find \"R1\" allsheet=0\ncommand find\n"
          "command findnext\ncommand findnext\ncommand findnext\n");
    EXPECT_EQ(f.host.found, (std::vector<CPoint>{{150, 120}, {1000, 1200}, {3000, 3000}}));
    ASSERT_EQ(env->messages.size(), 1u);
    EXPECT_EQ(env->messages[0].text, CString("R1") + FromUtf8(" は見つかりません"));
    EXPECT_EQ(f.engine->FindCounter(), 0);
    // After not found the next step starts over at the first occurrence.
    f.Run("command findnext\n");
    EXPECT_EQ(f.host.found.back(), CPoint(150, 120));
    EXPECT_EQ(f.engine->FindCounter(), 1);
    // A find dialog answered with nothing is cancelled and finds nothing.
    f.Run("command find\n");
    EXPECT_EQ(f.host.found.size(), 4u);
    // Nothing changed in the drawing.
    EXPECT_EQ(f.Sel().GetItemCount(), 0u);
}

TEST(FindSearch, SelectItemsTakesEveryMatchIntoTheSelection)
{
    CAppTestEnv env;
    CEditFixture f;
    ASSERT_TRUE(CClipboardCommands::ReadSheetText(kSheet, f.Main()));
    const size_t before = f.Main().GetItemCount();
    f.Run("answer find \"r1\" selectitem=1\ncommand find\n");
    // The wire R1_NET, part R10 (by its reference) and the text "see R1";
    // not U1, whose own text is not among the default kinds.
    EXPECT_EQ(f.Sel().Wires().GetCount(), 1);
    EXPECT_EQ(f.Sel().Parts().GetCount(), 1);
    EXPECT_EQ(f.Sel().Texts().GetCount(), 1);
    EXPECT_EQ(f.engine->State(), editstate::kMovePending);
    EXPECT_EQ(f.Main().GetItemCount(), before - 3);
    f.Run("command cancel\n");
    EXPECT_EQ(f.Main().GetItemCount(), before);
    EXPECT_TRUE(f.host.found.empty());
}

TEST(FindOptions, HistoryMovesRepeatsUpAndKeepsSixteenAndOptionsPersist)
{
    CAppTestEnv env;
    CFindOptions o = CFindOptions::Load();
    EXPECT_EQ(o.target, 770);
    EXPECT_TRUE(o.allSheet);
    EXPECT_FALSE(o.Push(""));
    for (int i = 1; i <= 20; ++i)
        o.Push(CString(("S" + std::to_string(i)).c_str()));
    ASSERT_EQ(o.history.size(), 16u);
    EXPECT_EQ(o.history.front(), "S20");
    EXPECT_EQ(o.history.back(), "S5");
    o.Push("S10");
    ASSERT_EQ(o.history.size(), 16u);
    EXPECT_EQ(o.history[0], "S10");
    EXPECT_EQ(o.history[1], "S20");
    EXPECT_EQ(o.history[10], "S11"); // the others keep their order
    EXPECT_EQ(o.history[11], "S9");
    o.Push("last  ");
    EXPECT_EQ(o.SearchString(), "last");
    o.word = true, o.target = 0x18;
    o.Save();
    const CFindOptions back = CFindOptions::Load();
    EXPECT_EQ(back.history, o.history);
    EXPECT_TRUE(back.word);
    EXPECT_EQ(back.target, 0x18);

    int mask = 0;
    std::string bad;
    EXPECT_TRUE(ParseFindKinds("reference,signal,text", mask, bad));
    EXPECT_EQ(mask, 770);
    EXPECT_TRUE(ParseFindKinds("0x18", mask, bad));
    EXPECT_EQ(mask, 0x18);
    EXPECT_FALSE(ParseFindKinds("reference,nets", mask, bad));
    EXPECT_EQ(bad, "nets");
    EXPECT_FALSE(ParseFindKinds("0x40", mask, bad));
}
