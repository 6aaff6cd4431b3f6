// Removing the items equal to a set from a drawing, the way undo and
// re-select do it in one walk, against the plain oracle: delete each item's
// first equal one by one.  The drawing left must be the same, list order
// included, and the removed copies exactly the ones found.
#include <algorithm>
#include <random>

#include <gtest/gtest.h>

#include "app/undohistory.h"
#include "apptestenv.h"
#include "base/archive.h"

namespace {

std::string InOrder(CSheet& sheet)
{
    CArchive ar;
    sheet.SerializeText(ar);
    return std::string(ar.Bytes().begin(), ar.Bytes().end());
}

// The same, as a sorted list of records: what was removed, in any order.
std::vector<std::string> Sorted(CSheet& sheet)
{
    std::vector<std::string> lines;
    std::string text = InOrder(sheet), line;
    for (char c : text) {
        line += c;
        if (c == '\n')
            lines.push_back(line), line.clear();
    }
    std::sort(lines.begin(), lines.end());
    return lines;
}

} // namespace

TEST(RemoveEqualItems, OneWalkRemovesWhatOneByOneRemoves)
{
    CAppTestEnv env;
    std::mt19937 rng(7);
    auto n = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    for (int round = 0; round < 200; ++round) {
        CSheet drawing(CSheet::kDrawing);
        CSheet items;
        // Few distinct points, so that equal lines (same ends, type and
        // arrows, differing names) recur in both sheets.
        auto point = [&] { return CPoint(n(0, 3) * 100, n(0, 2) * 100); };
        auto line = [&](CSheet& s) {
            CLine* l = n(0, 2) == 0 ? s.NewBus(point(), point())
                       : n(0, 1)    ? s.NewWire(point(), point())
                                    : s.NewLine(point(), point());
            if (n(0, 3) == 0)
                l->GetNameText().SetName(n(0, 1) ? "A" : "B", CPoint(), 70, 8);
        };
        for (int i = n(0, 30); i > 0; --i)
            n(0, 5) ? line(drawing) : (void)drawing.NewJunc(point());
        for (int i = n(0, 12); i > 0; --i)
            n(0, 5) ? line(items) : (void)items.NewJunc(point());
        CSheet oracle(CSheet::kDrawing), oracleRemoved;
        oracle = drawing;
        for (const CItemList<CLine>* list : {&items.Wires(), &items.Buses(), &items.Lines()})
            for (const CLine& l : *list)
                if (oracle.DeleteLine(l))
                    oracleRemoved.NewLine(l);
        for (const CJunc& j : items.Juncs())
            if (oracle.DeleteJunc(j))
                oracleRemoved.NewJunc(j);
        CSheet removed;
        RemoveEqualItems(drawing, items, &removed);
        ASSERT_EQ(InOrder(drawing), InOrder(oracle)) << "round " << round;
        ASSERT_EQ(drawing.GetItemCount(), oracle.GetItemCount());
        ASSERT_EQ(Sorted(removed), Sorted(oracleRemoved)) << "round " << round;
    }
}
