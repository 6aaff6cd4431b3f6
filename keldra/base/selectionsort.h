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

// The arrangement the swapping selection sort leaves a sequence of keys in:
// arrangement[i] is the original index of the item that ends at index i.
// When step stops the sort at a position, the arrangement is the one the
// literal loop had reached there, and cancelled is set.
template <class Key, class Less>
std::vector<int> SelectionSortOrder(const std::vector<Key>& keys, Less less, const SortStepFn& step = {},
                                    bool* cancelled = nullptr)
{
    const int count = int(keys.size());
    if (cancelled)
        *cancelled = false;
    // at[i] is the original index of the item now at index i.
    std::vector<int> at(count);
    std::iota(at.begin(), at.end(), 0);

    // Each key is compared only while ranking: equal keys share a rank, so
    // what follows compares plain integers.  rankAt[i] is the rank of the item
    // now at index i.
    std::vector<int> rankAt(count);
    {
        std::vector<int> byKey(at);
        std::sort(byKey.begin(), byKey.end(), [&keys, &less](int a, int b) { return less(keys[a], keys[b]); });
        int rank = 0;
        for (int k = 0; k < count; ++k) {
            if (k > 0 && less(keys[byKey[k - 1]], keys[byKey[k]]))
                ++rank;
            rankAt[byKey[k]] = rank;
        }
    }
    // The unplaced items as (rank, index) in a min-heap, ordered by key and
    // then by index, so that its top is the item the literal scan would pick.
    // A moved item gets a new entry; an entry is stale once its index is
    // placed or holds an item of another rank, and stale entries are dropped
    // when they come to the top.
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
        if (step && step(i, count)) {
            if (cancelled)
                *cancelled = true;
            break;
        }
        Entry first = pop();
        while (first.second < i || rankAt[first.second] != first.first)
            first = pop();
        const int j = first.second;
        if (j == i)
            continue;
        // The item at i moves to j.
        heap.emplace_back(rankAt[i], j);
        std::push_heap(heap.begin(), heap.end(), std::greater<>());
        std::swap(rankAt[i], rankAt[j]);
        std::swap(at[i], at[j]);
    }
    return at;
}

// Rearranges items (any container with moves and indexing) into an
// arrangement from SelectionSortOrder.
template <class Vec>
void ApplyOrder(Vec& items, const std::vector<int>& arrangement)
{
    Vec sorted;
    sorted.reserve(items.size());
    for (int from : arrangement)
        sorted.push_back(std::move(items[size_t(from)]));
    items.swap(sorted);
}

// keyOf(const T&) gives the key of an item; less(keyA, keyB) orders keys.
// Returns true when the sort was stopped by step.
template <class T, class KeyOf, class Less>
bool SelectionSortList(CItemList<T>& list, KeyOf keyOf, Less less, const SortStepFn& step = {})
{
    using Key = decltype(keyOf(std::declval<const T&>()));
    std::vector<POSITION> positions;
    std::vector<Key> keys;
    positions.reserve(list.GetCount());
    keys.reserve(list.GetCount());
    for (POSITION pos = list.GetHeadPosition(); pos;) {
        positions.push_back(pos);
        keys.push_back(keyOf(*list.GetNext(pos)));
    }
    bool cancelled = false;
    const std::vector<int> at = SelectionSortOrder(keys, less, step, &cancelled);
    // Follow the cycles of the arrangement with swaps of list entries.
    // where[k] is the index that now holds original item k.
    std::vector<int> where(at.size());
    std::vector<int> holds(at.size());
    for (size_t i = 0; i < at.size(); ++i)
        where[i] = holds[i] = int(i);
    for (int i = 0; i < int(at.size()); ++i) {
        const int j = where[at[i]];
        if (j == i)
            continue;
        list.SwapAt(positions[i], positions[j]);
        std::swap(holds[i], holds[j]);
        where[holds[i]] = i;
        where[holds[j]] = j;
    }
    return cancelled;
}

// The same with keys ordered by operator< and no progress.
template <class T, class KeyOf>
void SelectionSortList(CItemList<T>& list, KeyOf keyOf)
{
    SelectionSortList(list, keyOf, std::less<>());
}
