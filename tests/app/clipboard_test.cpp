// Cut, Copy and Paste through the engine's clipboard: the round trip of the
// items, placing a paste like a copy, and clipboard texts that are not ours.
#include <gtest/gtest.h>

#include <random>

#include "app/edit/clipboardcommands.h"
#include "apptestenv.h"
#include "editfixture.h"

namespace {

const char kItems[] = "Line 1000 1000 3000 1000 8 0 0 0\n"
                      "Name \"CLK\" 1100 1020 70 8\n"
                      "Text \"note\" 2000 3000 70 8\n"
                      "Part 3000 500 2694 542 3506 778 0 0 0 0\n"
                      "Name \"RES\" 3000 300 70 32776\n"
                      "Ref \"R1\" 3000 700 70 8\n"
                      "Pin 2900 600 2700 600 0\n"
                      "No \"1\" 2850 650 70 8\n"
                      "PartEnd\n";

std::vector<std::string> Offset(const CSheet& sheet, const CPoint& d)
{
    CSheet moved;
    moved += sheet;
    moved.OffsetItem(d, true);
    return CEditFixture::Items(moved);
}

} // namespace

TEST(Clipboard, CopyThenPasteGivesTheSameItemsPlacedLikeACopy)
{
    CAppTestEnv env;
    CEditFixture f;
    ASSERT_TRUE(CClipboardCommands::ReadSheetText(kItems, f.Main()));
    const std::vector<std::string> originals = CEditFixture::Items(f.Main());
    EXPECT_FALSE(f.engine->IsCommandEnabled(editcmd::kCopyClipboard));
    EXPECT_FALSE(f.engine->IsCommandEnabled(editcmd::kPaste));
    f.Run("command selectall\ncommand copyclipboard\n");
    // The items went back unchanged; the clipboard holds their text form.
    EXPECT_EQ(CEditFixture::Items(f.Main()), originals);
    EXPECT_EQ(f.Sel().GetItemCount(), 0u);
    EXPECT_EQ(f.engine->State(), editcmd::kWire);
    EXPECT_NE(f.host.clipboard.find("Ref \"R1\""), std::string::npos);
    EXPECT_EQ(CEditEngine::UndoSteps(f.doc.History()), 0);

    // Paste: the items follow the cursor with their snapped centre on it.
    ASSERT_TRUE(f.engine->IsCommandEnabled(editcmd::kPaste));
    f.Run("command paste\n");
    EXPECT_EQ(f.engine->State(), editcmd::kPaste);
    EXPECT_TRUE(f.engine->InputInProgress());
    EXPECT_EQ(CEditFixture::Items(f.Sel()), originals);
    const CPoint pivot = f.engine->Pivot();
    EXPECT_EQ(pivot, f.engine->Snap(f.Sel().GetBoundingRect().CenterPoint()));
    EXPECT_EQ(pivot.x % 100, 0);
    // Two clicks place two copies; the paste stays on the cursor until Cancel.
    const CPoint a = pivot + CPoint(1000, 500), b = pivot + CPoint(2000, 500);
    f.Run("move " + std::to_string(a.x) + " " + std::to_string(a.y) + "\nclick " +
          std::to_string(a.x) + " " + std::to_string(a.y) + "\nclick " + std::to_string(b.x) + " " +
          std::to_string(b.y) + "\ncommand cancel\n");
    CSheet first;
    ASSERT_TRUE(CClipboardCommands::ReadSheetText(f.host.clipboard, first));
    std::vector<std::string> expected = originals;
    for (const auto& set : {Offset(first, CPoint(1000, 500)), Offset(first, CPoint(2000, 500))})
        expected.insert(expected.end(), set.begin(), set.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(CEditFixture::Items(f.Main()), expected);
    EXPECT_EQ(f.Sel().GetItemCount(), 0u);
    EXPECT_EQ(f.engine->State(), editcmd::kWire);
    EXPECT_EQ(CEditEngine::UndoSteps(f.doc.History()), 2);
    f.Run("command undo\ncommand undo\n");
    EXPECT_EQ(CEditFixture::Items(f.Main()), originals);
}

TEST(Clipboard, CutMovesTheItemsToAnotherSheetWherePasteCanLandInPlace)
{
    CAppTestEnv env;
    CEditFixture from, to;
    ASSERT_TRUE(CClipboardCommands::ReadSheetText(kItems, from.Main()));
    const std::vector<std::string> originals = CEditFixture::Items(from.Main());
    from.Run("command selectall\ncommand cut\n");
    EXPECT_EQ(from.Main().GetItemCount(), 0u);
    EXPECT_EQ(from.Sel().GetItemCount(), 0u);
    // Another sheet (another program: only the text travels).
    to.host.clipboard = from.host.clipboard;
    to.Run("command paste\n");
    const CPoint p = to.engine->Pivot();
    // The first click on the pivot places the items where they were cut.
    to.Run("click " + std::to_string(p.x) + " " + std::to_string(p.y) + "\ncommand cancel\n");
    EXPECT_EQ(CEditFixture::Items(to.Main()), originals);
    from.Run("command undo\n");
    EXPECT_EQ(CEditFixture::Items(from.Main()), originals);
}

TEST(Clipboard, ForeignAndHostileTextsNeverLoseOrBreakAnything)
{
    CAppTestEnv env;
    CEditFixture f;
    ASSERT_TRUE(CClipboardCommands::ReadSheetText(kItems, f.Main()));
    const std::vector<std::string> originals = CEditFixture::Items(f.Main());
    std::string binary;
    std::mt19937 random(7);
    for (int i = 0; i < 4096; ++i)
        binary += char(random() & 0xFF);
    const std::string texts[] = {
        "",
        "\n\n\n",
        "Part 1 2\nPin x y\nNo \"1\n",
        "Line 1 2 3\nName \"unterminated 5 6 70 8\n",
        "PartEnd\nPartEnd\nPart 0 0 0 0 0 0 0 0 0 0\n",
        "Text \"\" 0 0 70 8\nFont \"x\" 1\n",
        "Part 99999999999 -99999999999 0 0 0 0 0 0 0 0\nRef \"R?\" 1 1 70 8\n",
        binary,
        std::string(CClipboardCommands::kMaxText + 1, 'A'),
        // Records first, then more plain lines than a paste takes.
        std::string(kItems) +
            [] {
                std::string lines;
                for (size_t i = 0; i <= CClipboardCommands::kMaxPlainLines; ++i)
                    lines += "row " + std::to_string(i) + "\n";
                return lines;
            }(),
    };
    for (const std::string& text : texts) {
        f.host.clipboard = text;
        f.Run("command paste\n");
        CSheet read;
        const bool items = CClipboardCommands::ReadSheetText(text, read);
        if (!items) {
            // A text that yields no items changes nothing at all.
            EXPECT_EQ(f.engine->State(), editcmd::kWire) << text.substr(0, 40);
            EXPECT_EQ(f.Sel().GetItemCount(), 0u);
        } else {
            EXPECT_EQ(f.engine->State(), editcmd::kPaste);
        }
        f.Run("command cancel\n");
        EXPECT_EQ(CEditFixture::Items(f.Main()), originals) << text.substr(0, 40);
        EXPECT_EQ(CEditEngine::UndoSteps(f.doc.History()), 0);
    }
    EXPECT_EQ(CClipboardCommands::PlainLines(kItems), 0u);
    EXPECT_EQ(CClipboardCommands::PlainLines("  pin 1 2 3 4 0\nhello\n\nLine 1 2\r\n"), 2u);
    // A selection is not lost by a paste: it goes back into the drawing first.
    f.host.clipboard = kItems;
    f.Run("click 2000 1000\ncommand paste\ncommand cancel\n");
    EXPECT_EQ(CEditFixture::Items(f.Main()), originals);
}
