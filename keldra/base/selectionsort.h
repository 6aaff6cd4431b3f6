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
// the remaining items sit in an ordered set of (key, index); taking the
// minimum and moving the displaced item to its new index are each O(log n),
// so a list of n items sorts in O(n log n) with the same result, provided
// `less` is a strict weak order on the keys.
#pragma once

#include <functional>
#include <set>
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

    // keys never move; keyAt[i] is the slot in keys of the item now at list
    // index i.  The set holds (key slot, list index) of every item not yet
    // placed, ordered by key and then by index, so its first entry is the
    // item the literal scan would pick.
    std::vector<int> keyAt(count);
    for (int i = 0; i < count; ++i)
        keyAt[i] = i;
    auto entryLess = [&keys, &less](const std::pair<int, int>& a, const std::pair<int, int>& b) {
        if (less(keys[a.first], keys[b.first]))
            return true;
        if (less(keys[b.first], keys[a.first]))
            return false;
        return a.second < b.second;
    };
    std::set<std::pair<int, int>, decltype(entryLess)> remaining(entryLess);
    for (int i = 0; i < count; ++i)
        remaining.emplace(i, i);

    for (int i = 0; i < count; ++i) {
        if (step && step(i, count))
            return true;
        const auto first = remaining.begin();
        const int j = first->second;
        remaining.erase(first);
        if (j == i)
            continue;
        // The item at i moves to j.
        remaining.erase({keyAt[i], i});
        remaining.emplace(keyAt[i], j);
        list.SwapAt(positions[i], positions[j]);
        std::swap(keyAt[i], keyAt[j]);
    }
    return false;
}

// The same with keys ordered by operator< and no progress.
template <class T, class KeyOf>
void SelectionSortList(CItemList<T>& list, KeyOf keyOf)
{
    SelectionSortList(list, keyOf, std::less<>());
}
