#include "app/edit/recentparts.h"

#include <algorithm>
#include <string>

#include "base/profile.h"

namespace {

constexpr const char* kSection = "Recent Part List";

std::string Key(int i)
{
    return "Part" + std::to_string(i + 1);
}

void Erase(std::vector<CString>& names, const CString& name)
{
    names.erase(std::remove_if(names.begin(), names.end(),
                               [&](const CString& n) { return n.CompareNoCase(name) == 0; }),
                names.end());
}

} // namespace

std::vector<CString> CRecentParts::Load()
{
    std::vector<CString> names;
    for (int i = 0; i < kMax; ++i) {
        CString name = Profile().GetString(kSection, Key(i).c_str(), CString());
        name.TrimLeft();
        name.TrimRight();
        if (name.IsEmpty())
            continue;
        Erase(names, name);
        names.push_back(name);
    }
    return names;
}

void CRecentParts::Touch(const CString& name)
{
    std::vector<CString> names = Load();
    Erase(names, name);
    names.insert(names.begin(), name);
    Store(names);
}

void CRecentParts::Remove(const CString& name)
{
    std::vector<CString> names = Load();
    const size_t before = names.size();
    Erase(names, name);
    if (names.size() != before)
        Store(names);
}

void CRecentParts::Store(const std::vector<CString>& names)
{
    for (int i = 0; i < kMax; ++i) {
        if (size_t(i) < names.size())
            Profile().WriteString(kSection, Key(i).c_str(), names[size_t(i)]);
        else
            Profile().DeleteKey(kSection, Key(i).c_str());
    }
}
