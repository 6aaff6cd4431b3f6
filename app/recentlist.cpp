#include "app/recentlist.h"

#include <algorithm>

#include "app/settings.h"
#include "base/profile.h"

namespace {

int ClampCapacity(int capacity)
{
    return std::clamp(capacity, 1, kMaxRecentEntries);
}

std::string Key(int n)
{
    return "File" + std::to_string(n);
}

}  // namespace

CRecentList::CRecentList(const char* section, int capacity)
    : m_section(section), m_capacity(ClampCapacity(capacity))
{
}

void CRecentList::Load()
{
    m_entries.clear();
    for (int n = 1; n <= m_capacity; ++n) {
        const CString value = Profile().GetString(m_section, Key(n).c_str());
        if (value.IsEmpty())
            break;
        m_entries.push_back(value);
    }
}

void CRecentList::Store() const
{
    CProfile& profile = Profile();
    int n = 1;
    for (const CString& entry : m_entries)
        profile.WriteString(m_section, Key(n++).c_str(), entry);
    for (; n <= kMaxRecentEntries; ++n)
        profile.DeleteKey(m_section, Key(n).c_str());
}

void CRecentList::Add(const CString& path)
{
    if (path.IsEmpty())
        return;
    Remove(path);
    m_entries.insert(m_entries.begin(), path);
    if (int(m_entries.size()) > m_capacity)
        m_entries.resize(size_t(m_capacity));
}

bool CRecentList::Remove(const CString& path)
{
    const auto end = std::remove(m_entries.begin(), m_entries.end(), path);
    const bool removed = end != m_entries.end();
    m_entries.erase(end, m_entries.end());
    return removed;
}

void CRecentList::SetCapacity(int capacity)
{
    capacity = ClampCapacity(capacity);
    if (int(m_entries.size()) >= capacity) {
        m_entries.resize(size_t(capacity));
        m_capacity = capacity;
        Store();
        return;
    }
    Store();
    m_capacity = capacity;
    Load();
}

CString CRecentList::Entry(int n) const
{
    return n >= 1 && n <= int(m_entries.size()) ? m_entries[size_t(n - 1)] : CString();
}

CRecentList RecentSheetList()
{
    CRecentList list("Recent File List", SettingInt("Sheet", "FMRU"));
    list.Load();
    return list;
}

CRecentList RecentProjectList()
{
    CRecentList list("Project File List", SettingInt("Sheet", "PMRU"));
    list.Load();
    return list;
}
