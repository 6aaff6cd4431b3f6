// CRecentList: a most-recently-used list of paths kept in one settings
// section as "File1", "File2", ... newest first.
//
// The sheet list lives in "Recent File List" with Sheet/FMRU entries, the
// project list in "Project File List" with Sheet/PMRU entries.
#pragma once

#include <string>
#include <vector>

#include "base/string.h"

class CRecentList {
public:
    CRecentList(const char* section, int capacity);

    // Reads the entries from the settings store (up to the capacity; the list
    // ends at the first empty or missing key).
    void Load();
    // Writes the entries and deletes the keys past them.
    void Store() const;

    // Moves path to the top (adding it when absent) and cuts the list to its capacity.
    void Add(const CString& path);
    // Removes every entry equal to path; true when one was removed.
    bool Remove(const CString& path);
    void Clear() { m_entries.clear(); }

    // Applies a new capacity (1..16) as the file history dialog does: a list
    // that is not shorter than the new capacity is cut to it and stored; a
    // shorter one is stored, then read back with the new capacity.
    void SetCapacity(int capacity);

    int Capacity() const { return m_capacity; }
    int Size() const { return int(m_entries.size()); }
    const std::vector<CString>& Entries() const { return m_entries; }
    // The newest entry, or empty.
    CString Newest() const { return m_entries.empty() ? CString() : m_entries.front(); }
    // Entry n counted from 1 (the menu numbering), or empty.
    CString Entry(int n) const;
    const char* Section() const { return m_section; }

private:
    const char* m_section;
    int m_capacity;
    std::vector<CString> m_entries;
};

// The two lists with the capacities the settings give.
CRecentList RecentSheetList();
CRecentList RecentProjectList();
