// The list sort must leave equal items exactly where the literal in-place
// selection sort leaves them: outputs list items in that order.
#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <vector>

#include "base/selectionsort.h"

namespace {

struct Item {
    int key;
    int id;  // tells equal keys apart
};

std::vector<int> Ids(const CItemList<Item>& list)
{
    std::vector<int> ids;
    for (const Item& item : list)
        ids.push_back(item.id);
    return ids;
}

// The reference: scan the rest for the first strictly smaller item and swap.
std::vector<Item> LiteralSelectionSort(std::vector<Item> items)
{
    for (size_t i = 0; i < items.size(); ++i) {
        size_t min = i;
        for (size_t j = i + 1; j < items.size(); ++j)
            if (items[j].key < items[min].key)
                min = j;
        std::swap(items[i], items[min]);
    }
    return items;
}

void Fill(CItemList<Item>& list, const std::vector<Item>& items)
{
    for (const Item& item : items)
        list.AddTail(std::make_unique<Item>(item));
}

}  // namespace

TEST(SelectionSortList, EqualItemsLandWhereTheSwappingScanPutsThem)
{
    CItemList<Item> list;
    Fill(list, {{2, 1}, {2, 2}, {1, 3}});
    SelectionSortList(list, [](const Item& x) { return x.key; });
    EXPECT_EQ(Ids(list), (std::vector<int>{3, 2, 1}));  // not stable: B1 went to A's place
}

TEST(SelectionSortList, MatchesTheLiteralSortOnRandomLists)
{
    std::mt19937 random(7);
    for (int round = 0; round < 400; ++round) {
        const int n = int(random() % 40);
        const int keyRange = 1 + int(random() % 6);  // many ties
        std::vector<Item> items;
        for (int i = 0; i < n; ++i)
            items.push_back({int(random() % keyRange), i});
        CItemList<Item> list;
        Fill(list, items);
        SelectionSortList(list, [](const Item& x) { return x.key; });
        std::vector<int> expected;
        for (const Item& item : LiteralSelectionSort(items))
            expected.push_back(item.id);
        ASSERT_EQ(Ids(list), expected) << "round " << round;
    }
}

TEST(SelectionSortList, StopsAtTheStepThatCancelsWithTheHeadAlreadyPlaced)
{
    CItemList<Item> list;
    Fill(list, {{3, 1}, {2, 2}, {1, 3}});
    int calls = 0;
    const bool cancelled = SelectionSortList(
        list, [](const Item& x) { return x.key; }, std::less<>(),
        [&](int position, int count) {
            ++calls;
            EXPECT_EQ(count, 3);
            return position == 1;
        });
    EXPECT_TRUE(cancelled);
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(Ids(list), (std::vector<int>{3, 2, 1}));  // only position 0 was filled
}
