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
    // at[i] is the original index (= key slot) of the item now at index i.
    // The set holds (key slot, index) of every item not yet placed, ordered
    // by key and then by index, so its first entry is the item the literal
    // scan would pick.
    std::vector<int> at(count);
    for (int i = 0; i < count; ++i)
        at[i] = i;
    if (count <= 16) {
        // Short lists: the literal loop is quicker than any set.
        for (int i = 0; i < count; ++i) {
            if (step && step(i, count)) {
                if (cancelled)
                    *cancelled = true;
                break;
            }
            int best = i;
            for (int j = i + 1; j < count; ++j)
                if (less(keys[at[j]], keys[at[best]]))
                    best = j;
            std::swap(at[i], at[best]);
        }
        return at;
    }
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
        if (step && step(i, count)) {
            if (cancelled)
                *cancelled = true;
            break;
        }
        const auto first = remaining.begin();
        const int j = first->second;
        remaining.erase(first);
        if (j == i)
            continue;
        // The item at i moves to j.
        remaining.erase({at[i], i});
        remaining.emplace(at[i], j);
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
