// Reference annotation and sorting: every sheet sort against the literal
// swapping selection sort, the reading-order key against its 16-bit packed
// form, the reference search and the width of numbered texts.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "base/memoryprofile.h"
#include "base/profile.h"
#include "sheet/sheet.h"
#include "support/fakehost.h"
#include "support/printers.h"

namespace {

struct AnnotationTest : ::testing::Test {
    CScopedProfile profile{std::make_unique<MemoryProfile>()};
    CScopedFakeHost host;
};

CPart RefPart(const CString& ref, int packageMax = 1)
{
    CPart part(CPoint(0, 0), CPoint(0, 0), CPoint(0, 0), packageMax, packageMax ? 1 : 0, 0, 0);
    part.SetRefName(ref);
    return part;
}

std::vector<CString> Refs(const CSheet& sheet)
{
    std::vector<CString> refs;
    for (const CPart& part : sheet.Parts())
        refs.push_back(part.GetRefName());
    return refs;
}

// The reference sort: for each position the first strictly smallest of the
// rest is swapped into it.  Works on indexes into items.
template <class T, class Less>
std::vector<int> LiteralSelectionSort(const std::vector<T>& items, Less less)
{
    std::vector<int> order(items.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = int(i);
    for (size_t i = 0; i < order.size(); ++i) {
        size_t min = i;
        for (size_t j = i + 1; j < order.size(); ++j)
            if (less(items[order[j]], items[order[min]]))
                min = j;
        std::swap(order[i], order[min]);
    }
    return order;
}

// The items of a sorted list must stand in the order the literal sort gives
// the same items; label tells them apart.
template <class T, class Less, class Label>
void ExpectLiteralOrder(const CItemList<T>& sorted, const std::vector<T>& items, Less less,
                        Label label)
{
    std::vector<CString> got, want;
    for (const T& item : sorted)
        got.push_back(label(item));
    for (int i : LiteralSelectionSort(items, less))
        want.push_back(label(items[i]));
    EXPECT_EQ(got, want);
}

// A part whose centre is (x, y), tagged with a sheet of the given height.
CPart PlacedPart(int x, int y, int height, int id)
{
    CPart part(CPoint(x, y), CPoint(x - 10, y - 10), CPoint(x + 10, y + 10), 1, 1, 0, 0);
    part.SetRefName(CString::Formatted("P%d", id));
    part.NewText(CText(CSheet::SizeTag(16535, height), CPoint(0, 0), 70, CText::kHidden));
    return part;
}

// The key reading order was first defined with: (h - y) and x packed into
// 16 bits each, compared as a signed 32-bit number.
int32_t PackedKey(int h, int x, int y)
{
    return int32_t(uint32_t((h - y) & 0xFFFF) << 16 | uint32_t(x));
}

} // namespace

TEST_F(AnnotationTest, SortPartRefOrdersByPrefixNumberAndSuffix)
{
    CSheet sheet;
    for (const char* ref : {"R1", "IC10A", "ic10", "IC2", "U3B", "R10", "R?", "U3A", "R2"})
        sheet.NewPart(RefPart(ref));
    EXPECT_EQ(sheet.SortPartRef(), CSheet::kSortDone);
    const std::vector<CString> expected = {"IC2", "ic10", "IC10A", "R?", "R1",
                                           "R2",  "R10",  "U3A",   "U3B"};
    EXPECT_EQ(Refs(sheet), expected);

    // One progress phase with a step per position.
    ASSERT_EQ(host->progress.size(), 1u);
    EXPECT_EQ(host->progress[0].title, ProgressPhaseText(ProgressPhase::PartSort));
    EXPECT_EQ(host->progress[0].steps, 9);
    EXPECT_EQ(host->progress[0].lastStep, 8);
    EXPECT_TRUE(host->progress[0].ended);

    // Nothing to sort and a cancelled sort are told apart; both mean nothing
    // to write.
    CSheet empty;
    EXPECT_EQ(empty.SortPartRef(), CSheet::kSortEmpty);
    EXPECT_EQ(empty.SortPart(), CSheet::kSortDone);
    CSheet cancelled;
    for (const char* ref : {"C3", "C2", "C1"})
        cancelled.NewPart(RefPart(ref));
    host->cancelAfterSteps = host->stepsReported + 2;
    EXPECT_EQ(cancelled.SortPartRef(), CSheet::kSortCancelled);
    EXPECT_EQ(Refs(cancelled), (std::vector<CString>{"C1", "C2", "C3"})); // two positions placed
    EXPECT_TRUE(host->progress.back().ended);
}

TEST_F(AnnotationTest, PartAndPinSortsMatchTheSwappingSelectionSort)
{
    std::mt19937 random(7);
    auto pick = [&random](int n) { return int(random() % unsigned(n)); };

    // References with many ties (r2 = R2, U1A = u1a) so that the order of
    // equals shows.
    const char* prefixes[] = {"R", "r", "U", "IC", ""};
    const char* suffixes[] = {"", "A", "a", "B"};
    std::vector<CPart> parts;
    CSheet sheet;
    for (int i = 0; i < 300; ++i) {
        CString ref = prefixes[pick(5)];
        ref += pick(6) == 0 ? CString("?") : CString::Formatted("%d", pick(12));
        ref += suffixes[pick(4)];
        CPart part = RefPart(ref);
        part.SetValue(CString::Formatted("%d", i));
        parts.push_back(part);
        sheet.NewPart(part);
    }
    sheet.SortPartRef();
    ExpectLiteralOrder(
        sheet.Parts(), parts, [](const CPart& a, const CPart& b) { return a.CompareRef(b) < 0; },
        [](const CPart& p) { return p.GetValName(); });

    // Pins of every direction, shown and hidden, many at equal keys.
    std::vector<CPin> pins;
    CSheet pinSheet;
    const CPoint tips[] = {CPoint(300, 0), CPoint(-300, 0), CPoint(0, 300), CPoint(0, -300),
                           CPoint(100, 100)};
    for (int i = 0; i < 200; ++i) {
        const CPoint body(pick(4) * 100, pick(4) * 100);
        CPin pin(body, body + tips[pick(5)], pick(4) == 0 ? CPin::kHidden : 0);
        pin.SetNo(CString::Formatted("%d", i));
        pins.push_back(pin);
        pinSheet.NewPin(pin);
    }
    pinSheet.SortPin();
    ExpectLiteralOrder(pinSheet.Pins(), pins, std::less<CPin>(),
                       [](const CPin& p) { return p.GetNo(); });
}

TEST_F(AnnotationTest, ReadingOrderKeepsThePackedOrderWhereItFitsAndGoesOnBeyond)
{
    // Wherever 0 <= h - y < 32768 and 0 <= x < 65536, sorting by the full
    // key gives exactly the order of the packed 16-bit key.
    std::mt19937 random(11);
    struct Placed {
        int x, y, h, id;
    };
    std::vector<Placed> placed;
    CSheet sheet;
    const int heights[] = {11693, 16535, 32767};
    for (int i = 0; i < 400; ++i) {
        const int h = heights[random() % 3];
        // Coarse positions so that many keys tie.
        const int y = h - int(random() % 64) * 511;
        const int x = int(random() % 32) * 2047;
        placed.push_back({x, y, h, i});
        sheet.NewPart(PlacedPart(x, y, h, i));
    }
    for (const Placed& p : placed) {
        ASSERT_GE(p.h - p.y, 0);
        ASSERT_LT(p.h - p.y, 32768);
        ASSERT_LT(p.x, 65536);
    }
    EXPECT_EQ(sheet.SortPart(), CSheet::kSortDone);
    std::vector<CString> got, want;
    for (const CPart& part : sheet.Parts())
        got.push_back(part.GetRefName());
    for (int i : LiteralSelectionSort(placed, [](const Placed&a, const Placed&b) {
             return PackedKey(a.h, a.x, a.y) < PackedKey(b.h, b.x, b.y);
         }))
        want.push_back(CString::Formatted("P%d", placed[i].id));
    EXPECT_EQ(got, want);

    // On a sheet 100 000 units tall the packed key wraps; the full key keeps
    // top before bottom and left before right.
    CSheet tall;
    tall.NewPart(PlacedPart(500, 1000, 99999, 1));    // bottom
    tall.NewPart(PlacedPart(70000, 99000, 99999, 2)); // top right
    tall.NewPart(PlacedPart(500, 99000, 99999, 3));   // top left
    tall.NewPart(PlacedPart(500, 50000, 99999, 4));   // middle
    tall.SortPart();
    EXPECT_EQ(Refs(tall), (std::vector<CString>{"P3", "P2", "P4", "P1"}));
    // The packed key put the bottom part first.
    EXPECT_LT(PackedKey(99999, 500, 1000), PackedKey(99999, 500, 99000));
}

TEST_F(AnnotationTest, FindPartRefUsesThePackageReferenceOfGates)
{
    CSheet sheet;
    sheet.NewPart(RefPart("U3B", 4));
    sheet.NewPart(RefPart("R7", 1));
    sheet.NewPart(RefPart("Q2A", 1)); // one gate: its whole reference counts
    EXPECT_EQ(sheet.FindPartRef("u3"), 1);
    EXPECT_EQ(sheet.FindPartRef("r7"), 1);
    EXPECT_EQ(sheet.FindPartRef("U3B"), 0);
    EXPECT_EQ(sheet.FindPartRef("Q2"), 0);
    EXPECT_EQ(sheet.FindPartRef("q2a"), 1);
    EXPECT_EQ(sheet.FindPartRef("U4"), 0);
}

TEST_F(AnnotationTest, NumberWidthOfFreeAndSelectedTexts)
{
    CSheet sheet;
    sheet.NewText("D1", CPoint(0, 0), 70, 0);
    sheet.NewText("D10", CPoint(0, 100), 70, 0);
    EXPECT_FALSE(sheet.CheckTextNumber());
    sheet.ChangeTextNumber(0);
    EXPECT_EQ(sheet.GetHeadText()->GetName(), "D01");
    EXPECT_EQ(sheet.GetLastText()->GetName(), "D10");
    EXPECT_TRUE(sheet.CheckTextNumber());

    // A text without a number before the first numbered one is passed over;
    // after it, it breaks the agreement.  One numbered text is not enough.
    CSheet order;
    order.NewText("GND", CPoint(0, 0), 70, 0);
    order.NewText("A12", CPoint(0, 0), 70, 0);
    EXPECT_FALSE(order.CheckTextNumber());
    order.NewText("B34", CPoint(0, 0), 70, 0);
    EXPECT_TRUE(order.CheckTextNumber());
    order.NewText("VCC", CPoint(0, 0), 70, 0);
    EXPECT_FALSE(order.CheckTextNumber());

    // Part texts count only when selected; the part's outline follows.
    CSheet parts;
    CPart part = RefPart("R5");
    part.SetValue("C7");
    part.GetRefNameText().SetTextSel(true);
    part.CalcBoundRect();
    CPart* placed = parts.NewPart(part);
    const int before = placed->GetCorner2().x;
    parts.ChangeTextNumber(3);
    EXPECT_EQ(placed->GetRefName(), "R005");
    EXPECT_EQ(placed->GetValName(), "C7");
    EXPECT_GT(placed->GetCorner2().x, before);
    parts.ChangeTextNumber(40); // clamped to 18 digits
    EXPECT_EQ(placed->GetRefName(), "R" + CString('0', 17) + "5");

    // No numbered text: nothing happens.
    CSheet none;
    none.NewText("GND", CPoint(0, 0), 70, 0);
    none.ChangeTextNumber(0);
    EXPECT_EQ(none.GetHeadText()->GetName(), "GND");
}
