// CItemList: ordered, owning, with positions that survive other removals.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "base/itemlist.h"

namespace {

// Counts live instances so that the tests see every delete.
struct Counted {
    static int alive;
    int value;
    explicit Counted(int v) : value(v) { ++alive; }
    ~Counted() { --alive; }
    Counted(const Counted&) = delete;
    Counted& operator=(const Counted&) = delete;
};
int Counted::alive = 0;

std::vector<int> Values(const CItemList<Counted>& list)
{
    std::vector<int> out;
    for (POSITION pos = list.GetHeadPosition(); pos;)
        out.push_back(list.GetNext(pos)->value);
    return out;
}

std::vector<int> ValuesBackwards(const CItemList<Counted>& list)
{
    std::vector<int> out;
    for (POSITION pos = list.GetTailPosition(); pos;)
        out.push_back(list.GetPrev(pos)->value);
    return out;
}

} // namespace

TEST(CItemList, OrderAndStablePositions)
{
    Counted::alive = 0;
    {
        CItemList<Counted> list;
        EXPECT_TRUE(list.IsEmpty());
        EXPECT_EQ(list.GetHead(), nullptr);
        const POSITION p2 = list.AddTail(std::make_unique<Counted>(2));
        const POSITION p3 = list.AddTail(std::make_unique<Counted>(3));
        const POSITION p1 = list.AddHead(std::make_unique<Counted>(1));
        const POSITION p25 = list.InsertBefore(p3, std::make_unique<Counted>(25));
        list.InsertBefore(nullptr, std::make_unique<Counted>(0));
        list.InsertBefore(list.GetHeadPosition(), std::make_unique<Counted>(-1));
        EXPECT_EQ(Values(list), (std::vector<int>{-1, 0, 1, 2, 25, 3}));
        EXPECT_EQ(ValuesBackwards(list), (std::vector<int>{3, 25, 2, 1, 0, -1}));
        EXPECT_EQ(list.GetCount(), 6);
        EXPECT_EQ(Counted::alive, 6);

        // Removing entries around a position leaves it valid.
        list.RemoveAt(p2);
        list.RemoveAt(list.GetHeadPosition());
        list.RemoveAt(p3);
        EXPECT_EQ(Counted::alive, 3);
        EXPECT_EQ(list.GetAt(p1)->value, 1);
        EXPECT_EQ(list.GetAt(p25)->value, 25);
        EXPECT_EQ(list.GetTail()->value, 25);
        POSITION walk = p1;
        list.GetNext(walk);
        EXPECT_EQ(walk, p25);
        EXPECT_EQ(Values(list), (std::vector<int>{0, 1, 25}));
        EXPECT_EQ(ValuesBackwards(list), (std::vector<int>{25, 1, 0}));

        // Identity and value look-ups.
        EXPECT_EQ(list.Find(list.GetAt(p25)), p25);
        Counted stranger(25);
        EXPECT_EQ(list.Find(&stranger), nullptr);
        EXPECT_EQ(list.FindIf([](const Counted& c) { return c.value == 25; }), p25);
        EXPECT_EQ(list.FindIf([](const Counted& c) { return c.value == 99; }), nullptr);

        int sum = 0;
        for (const Counted& c : list)
            sum += c.value;
        EXPECT_EQ(sum, 26);
    }
    EXPECT_EQ(Counted::alive, 0); // the list deleted what it held
}

TEST(CItemList, DetachHandsOverOwnership)
{
    Counted::alive = 0;
    std::unique_ptr<Counted> taken;
    {
        CItemList<Counted> list;
        list.AddTail(std::make_unique<Counted>(1));
        const POSITION p = list.AddTail(std::make_unique<Counted>(2));
        list.AddTail(std::make_unique<Counted>(3));
        taken = list.Detach(p);
        EXPECT_EQ(list.GetCount(), 2);
        EXPECT_EQ(Values(list), (std::vector<int>{1, 3}));
        EXPECT_EQ(Counted::alive, 3);

        // Detaching the only entry empties head and tail.
        CItemList<Counted> single;
        const POSITION only = single.AddTail(std::make_unique<Counted>(9));
        single.Detach(only); // deleted right here
        EXPECT_EQ(Counted::alive, 3);
        EXPECT_EQ(single.GetHeadPosition(), nullptr);
        EXPECT_EQ(single.GetTailPosition(), nullptr);
        single.AddTail(std::make_unique<Counted>(10));
        EXPECT_EQ(Values(single), (std::vector<int>{10}));

        list.RemoveAll();
        EXPECT_TRUE(list.IsEmpty());
    }
    EXPECT_EQ(Counted::alive, 1);
    EXPECT_EQ(taken->value, 2);
}

TEST(CItemList, SwapAtExchangesItemsNotPositions)
{
    Counted::alive = 0;
    CItemList<Counted> list;
    const POSITION a = list.AddTail(std::make_unique<Counted>(1));
    list.AddTail(std::make_unique<Counted>(2));
    const POSITION c = list.AddTail(std::make_unique<Counted>(3));
    Counted* first = list.GetAt(a);
    list.SwapAt(a, c);
    EXPECT_EQ(Values(list), (std::vector<int>{3, 2, 1}));
    EXPECT_EQ(list.GetAt(c), first); // the same object, now at the tail
    list.SwapAt(a, a);
    EXPECT_EQ(Values(list), (std::vector<int>{3, 2, 1}));
    EXPECT_EQ(Counted::alive, 3);
}

TEST(CItemList, SteppingWithANullPositionThrows)
{
    CItemList<Counted> list;
    list.AddTail(std::make_unique<Counted>(1));
    POSITION pos = list.GetHeadPosition();
    list.GetNext(pos);
    ASSERT_EQ(pos, nullptr);
    // Stepping past the end is the caller's mistake and is reported.
    EXPECT_THROW(list.GetNext(pos), CInvalidArgException);
    EXPECT_THROW(list.GetPrev(pos), CInvalidArgException);
    EXPECT_THROW(list.GetAt(nullptr), CInvalidArgException);
    EXPECT_THROW(list.Detach(nullptr), CInvalidArgException);
    EXPECT_THROW(list.RemoveAt(nullptr), CInvalidArgException);
    EXPECT_THROW(list.SwapAt(list.GetHeadPosition(), nullptr), CInvalidArgException);
    EXPECT_EQ(list.GetCount(), 1);
    EXPECT_EQ(list.GetHead()->value, 1);
}
