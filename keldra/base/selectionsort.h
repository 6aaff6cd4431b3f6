// SelectionSortList: the order in which the sheet's lists are sorted.
//
// Sheets sort their lists the way they always have: for each position from
// the head, the smallest remaining item - the first one met among equals -
// trades places with the item at that position (the two list entries swap
// their items).  That is not a stable sort: [B1, B2, A] becomes [A, B2, B1],
// because B1 is sent to A's old place.  Netlists, part lists and numbering
// list items in this order, so it is reproduced exactly.
//
// The literal loop is quadratic.  Here every item's key is computed once and
// ranked, and the remaining items sit in a heap of (rank, index); taking the
// minimum and moving the displaced item to its new index are each O(log n),
// so a list of n items sorts in O(n log n) with the same result, provided
// `less` is a strict weak order on the keys.
#pragma once

#include <algorithm>
#include <functional>
#include <numeric>
#include <utility>
#include <vector>

#include "base/itemlist.h"

// Called once per list position before the position is filled; returning
// true stops the sort there (the user cancelled).
using SortStepFn = std::function<bool(int position, int count)>;

// keyOf(const T&) gives the key of an item; less(keyA, keyB) orders keys.
// Returns true when the sort was stopped by step.
template <class T, class KeyOf, class Less>
bool SelectionSortList(CItemList<T>& list, KeyOf keyOf, Less less, const SortStepFn& step = {})
{
    using Key = decltype(keyOf(std::declval<const T&>()));
    const int count = list.GetCount();
    std::vector<POSITION> positions;
    std::vector<Key> keys;
    positions.reserve(count);
    keys.reserve(count);
    for (POSITION pos = list.GetHeadPosition(); pos;) {
        positions.push_back(pos);
        keys.push_back(keyOf(*list.GetNext(pos)));
    }

    // Each key is compared only while ranking: equal keys share a rank, so
    // what follows compares plain integers.  rankAt[i] is the rank of the item
    // now at list index i.
    std::vector<int> rankAt(count);
    {
        std::vector<int> byKey(count);
        std::iota(byKey.begin(), byKey.end(), 0);
        std::sort(byKey.begin(), byKey.end(),
                  [&keys, &less](int a, int b) { return less(keys[a], keys[b]); });
        int rank = 0;
        for (int k = 0; k < count; ++k) {
            if (k > 0 && less(keys[byKey[k - 1]], keys[byKey[k]]))
                ++rank;
            rankAt[byKey[k]] = rank;
        }
    }
    // The unplaced items as (rank, list index) in a min-heap, ordered by key
    // and then by index, so that its top is the item the literal scan would
    // pick.  A moved item gets a new entry; an entry is stale once its index
    // is placed or holds an item of another rank, and stale entries are
    // dropped when they come to the top.
    using Entry = std::pair<int, int>;
    std::vector<Entry> heap;
    heap.reserve(size_t(count) * 2);
    for (int i = 0; i < count; ++i)
        heap.emplace_back(rankAt[i], i);
    std::make_heap(heap.begin(), heap.end(), std::greater<>());
    auto pop = [&heap]() {
        std::pop_heap(heap.begin(), heap.end(), std::greater<>());
        const Entry top = heap.back();
        heap.pop_back();
        return top;
    };

    for (int i = 0; i < count; ++i) {
        if (step && step(i, count))
            return true;
        Entry first = pop();
        while (first.second < i || rankAt[first.second] != first.first)
            first = pop();
        const int j = first.second;
        if (j == i)
            continue;
        // The item at i moves to j.
        heap.emplace_back(rankAt[i], j);
        std::push_heap(heap.begin(), heap.end(), std::greater<>());
        list.SwapAt(positions[i], positions[j]);
        std::swap(rankAt[i], rankAt[j]);
    }
    return false;
}

// The same with keys ordered by operator< and no progress.
template <class T, class KeyOf>
void SelectionSortList(CItemList<T>& list, KeyOf keyOf)
{
    SelectionSortList(list, keyOf, std::less<>());
}
